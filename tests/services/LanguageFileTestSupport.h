// LanguageFileTestSupport.h: builds the bytes of language files for tests,
// independently of the reader: little-endian 4-byte numbers and strings as
// a 4-byte length followed by the characters.
#ifndef LANGUAGE_FILE_TEST_SUPPORT_H
#define LANGUAGE_FILE_TEST_SUPPORT_H

#include <string>
#include <vector>

struct LanguageEntry {
  std::string text;
  std::vector<std::string> translations;
  unsigned long flags = 0;
  long milliseconds = 0;  // time stamp: time of day
  long mjd = 0;           // time stamp: modified Julian date
};

inline void PutU32(std::string& Out, unsigned long Value) {
  for (int i = 0; i < 4; ++i) Out += static_cast<char>((Value >> (8 * i)) & 0xFF);
}

inline void PutString(std::string& Out, const std::string& Text) {
  PutU32(Out, static_cast<unsigned long>(Text.size()));
  Out += Text;
}

// The file-type identifier as its 16 stored bytes.
inline std::string LanguageFileUIDBytes() {
  return std::string("\xEC\x26\x12\x00\x19\xD2\x00\x00\x99\xE3\x9D\x04\x96\xF5\x98\x3A", 16);
}

inline std::string LanguageFileBytes(const std::string& LocaleCode,
                                     const std::vector<LanguageEntry>& Entries,
                                     long Version = 1) {
  std::string out = LanguageFileUIDBytes();
  out += '\0';
  PutU32(out, static_cast<unsigned long>(Version));
  PutString(out, "Language Translation File, Locale = " + LocaleCode);
  PutString(out, LocaleCode);
  PutString(out, "notes");
  PutString(out, "CP1252");
  PutU32(out, 2);
  PutU32(out, static_cast<unsigned long>(Entries.size()));
  for (const LanguageEntry& e : Entries) {
    PutString(out, e.text);
    PutU32(out, static_cast<unsigned long>(e.translations.size()));
    for (const std::string& t : e.translations) PutString(out, t);
    PutU32(out, e.flags);
    PutU32(out, static_cast<unsigned long>(e.milliseconds));
    PutU32(out, static_cast<unsigned long>(e.mjd));
    for (const char* remark : {"r1", "r2", "r3", "r4"}) PutString(out, remark);
  }
  return out;
}

#endif
