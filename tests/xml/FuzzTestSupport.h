// FuzzTestSupport.h: seeded random changes of test texts, and the check that
// an error position lies inside the text it names.
#ifndef FUZZ_TEST_SUPPORT_H
#define FUZZ_TEST_SUPPORT_H

#include <random>
#include <string>

// One random change: a byte flipped, the text cut or a stretch removed, a
// stretch duplicated, or one of the Inserts inserted.
inline void Mutate(std::string& Text, std::mt19937& Random, const char* const* Inserts,
                   size_t NumInserts) {
  if (Text.empty()) {
    Text = "<";
    return;
  }
  const size_t at = Random() % Text.size();
  const size_t span = 1 + Random() % 16;
  switch (Random() % 5) {
    case 0:
      Text[at] = static_cast<char>(Random() % 256);
      break;
    case 1:
      Text.resize(at);
      break;
    case 2:
      Text.erase(at, span);
      break;
    case 3:
      Text.insert(at, Text.substr(at, span));
      break;
    default:
      Text.insert(at, Inserts[Random() % NumInserts]);
      break;
  }
}

// The same with the markup strings of documents.
inline void Mutate(std::string& Text, std::mt19937& Random) {
  static const char* const kInserts[] = {"<", "&", "]]>", "[-", "-]", "<!--", "&#", "'"};
  Mutate(Text, Random, kInserts, sizeof kInserts / sizeof kInserts[0]);
}

// Whether line and column (from 1) name a position inside Text or just past
// its end.
inline bool LiesInside(const std::string& Text, long Line, long Column) {
  long line = 1;
  long column = 1;
  for (size_t i = 0; i <= Text.size(); ++i) {
    if (line == Line && column == Column) return true;
    if (i == Text.size()) break;
    if (Text[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return false;
}

#endif
