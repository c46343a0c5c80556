// The text edit buffer: the text and the start offset of every line.
#include "ZQF_TextEditBuffer.h"

#include <algorithm>
#include <cstring>

#include "ZQ_Assertion.h"

ZQF_TextEditBuffer::ZQF_TextEditBuffer() { RebuildLineTable(); }

long ZQF_TextEditBuffer::GetLineStart(long LineIndex) const {
  ZQ_ASSERT_TEXT((0 <= LineIndex) && (LineIndex < GetNumLines()),
                 "(0 <= LineIndex) and (LineIndex < NumLines)");
  return LineStarts[LineIndex];
}

long ZQF_TextEditBuffer::GetLineLength(long LineIndex) const {
  ZQ_ASSERT_TEXT(LineIndex < GetNumLines(), "LineIndex < NumLines");
  if (LineIndex + 1 < GetNumLines()) return LineStarts[LineIndex + 1] - LineStarts[LineIndex] - 1;
  return GetLength() - GetLineStart(LineIndex);
}

ZQF_TextEditLineColumn ZQF_TextEditBuffer::BufferPositionToLineColumn(long CharacterIndex) const {
  ZQ_ASSERT_TEXT((0 <= CharacterIndex) && (CharacterIndex <= GetLength()),
                 "(0 <= CharacterIndex) and (CharacterIndex <= Text.GetLength())");
  const long line =
      static_cast<long>(std::upper_bound(LineStarts.begin(), LineStarts.end(), CharacterIndex) -
                        LineStarts.begin() - 1);
  return {line, CharacterIndex - LineStarts[line]};
}

long ZQF_TextEditBuffer::LineColumnToBufferPosition(
    const ZQF_TextEditLineColumn& LineColumnIndex) const {
  ZQ_ASSERT_TEXT(LineColumnIndex.Line < GetNumLines(), "LineColumnIndex.Line < NumLines");
  return GetLineStart(LineColumnIndex.Line) + LineColumnIndex.Column;
}

void ZQF_TextEditBuffer::SetText(const ZQ_String& NewText) {
  Text = NewText;
  Changed = true;
  RebuildLineTable();
}

void ZQF_TextEditBuffer::Replace(long Start, long Length, const char* NewText, long NewLength) {
  Text.Replace(Start, Length, NewText, NewLength);
  Changed = true;
  RebuildLineTable();
}

void ZQF_TextEditBuffer::RebuildLineTable() {
  Characters = Text.GetText();
  LineStarts.clear();
  LineStarts.push_back(0);
  const char* end = Characters + Text.GetLength();
  for (const char* p = Characters; (p = static_cast<const char*>(std::memchr(p, '\n', end - p)));) {
    ++p;
    LineStarts.push_back(static_cast<long>(p - Characters));
  }
}
