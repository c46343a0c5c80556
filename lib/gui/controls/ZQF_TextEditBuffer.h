// ZQF_TextEditBuffer.h: the text of a text edit control with its line
// table. Lines end at single line feeds (no carriage returns are kept); an
// empty text is one empty line. Positions are character offsets 0..length;
// a {line, column} pair converts to start(line) + column. Every change sets
// Changed and rebuilds the line table in one scan. Out-of-range arguments
// fail assertions. Owned by one control; UI thread only.
#ifndef ZQF_TEXTEDITBUFFER_H
#define ZQF_TEXTEDITBUFFER_H

#include <vector>

#include "ZQ_String.h"

struct ZQF_TextEditLineColumn {
  long Line;
  long Column;
};

class ZQF_TextEditBuffer {
 public:
  ZQF_TextEditBuffer();

  const ZQ_String& GetText() const { return Text; }
  long GetLength() const { return Text.GetLength(); }
  long GetNumLines() const { return static_cast<long>(LineStarts.size()); }
  const char* GetCharacters() const { return Characters; }

  long GetLineStart(long LineIndex) const;
  // Without the line feed that ends it.
  long GetLineLength(long LineIndex) const;
  const char* GetLineText(long LineIndex) const { return Characters + GetLineStart(LineIndex); }

  // The line is the last one starting at or before the position.
  ZQF_TextEditLineColumn BufferPositionToLineColumn(long CharacterIndex) const;
  long LineColumnToBufferPosition(const ZQF_TextEditLineColumn& LineColumnIndex) const;

  void SetText(const ZQ_String& NewText);
  // Replaces Length characters at Start by NewText: an insertion when
  // Length is 0, a deletion when NewText is empty.
  void Replace(long Start, long Length, const char* NewText, long NewLength);

  // Set by every modification; the change recorder clears and reads it.
  bool Changed = false;

 private:
  void RebuildLineTable();

  ZQ_String Text;
  const char* Characters;
  std::vector<long> LineStarts;
};

#endif
