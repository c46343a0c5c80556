// The validation failure: its glyphs at fault.
#include "ZQF_ValidationFailureException.h"

#include "ZQ_Assertion.h"

ZQF_ValidationFailureException::ZQF_ValidationFailureException(const ZQ_String& Title,
                                                               const ZQ_String& Message,
                                                               ZQF_Glyph* FirstGlyph,
                                                               ZQF_Glyph* SecondGlyph)
    : Title(Title), Message(Message) {
  if (FirstGlyph) InvalidGlyphs.Append(FirstGlyph);
  if (SecondGlyph) InvalidGlyphs.Append(SecondGlyph);
}

ZQF_ValidationFailureException::~ZQF_ValidationFailureException() = default;

ZQ_Iterator<ZQF_Glyph*> ZQF_ValidationFailureException::GetInvalidGlyphIterator() {
  ZQ_ASSERT_TEXT(!InvalidGlyphs.IsEmpty(), "not InvalidGlyphs.IsEmpty()");
  return InvalidGlyphs.GetIterator();
}
