// ZQF_ValidationFailureException.h: what a glyph's ValidateSelf throws when
// it finds its value wrong: a title, a message and the glyphs at fault
// (borrowed). Controls throw it; dialogs catch it (ZQF_InsureValidated).
// UI thread only.
#ifndef ZQF_VALIDATIONFAILUREEXCEPTION_H
#define ZQF_VALIDATIONFAILUREEXCEPTION_H

#include "ZQ_Iterator.h"
#include "ZQ_List.h"
#include "ZQ_String.h"

class ZQF_Glyph;

class ZQF_ValidationFailureException {
 public:
  // Each non-null glyph joins the list of the glyphs at fault (borrowed).
  ZQF_ValidationFailureException(const ZQ_String& Title, const ZQ_String& Message,
                                 ZQF_Glyph* FirstGlyph = nullptr,
                                 ZQF_Glyph* SecondGlyph = nullptr);
  virtual ~ZQF_ValidationFailureException();

  const ZQ_String& GetTitle() const { return Title; }
  const ZQ_String& GetMessage() const { return Message; }
  // Asserts "not InvalidGlyphs.IsEmpty()".
  ZQ_Iterator<ZQF_Glyph*> GetInvalidGlyphIterator();

 private:
  ZQ_String Title;
  ZQ_String Message;
  ZQ_List<ZQF_Glyph*> InvalidGlyphs;
};

#endif
