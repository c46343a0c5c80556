// ZQF_StringListGlyphElement.h: the two list rows the system derives from.
// ZQF_StringListGlyphElement shows one text; ZQF_BitmapAndStringListGlyphElement
// a bitmap followed by a text. Both draw in font metric 7, show a selection
// in the highlight colours (button face when the list has no focus), and
// offer a tooltip with the whole text when the row cuts it off. Subclasses
// supply the text (and bitmap). UI thread only.
#ifndef ZQF_STRINGLISTGLYPHELEMENT_H
#define ZQF_STRINGLISTGLYPHELEMENT_H

#include "ZQF_ListGlyphElement.h"
#include "ZQR_Bitmap.h"
#include "ZQ_String.h"

class ZQF_StringListGlyphElement : public ZQF_ListGlyphElement {
 public:
  void DrawSelf(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Rectangle,
                const ZQF_ListGlyphElementDrawState& State) override;
  long GetWidth() override;
  // The text height of font metric 7 plus twice y of size metric 0.
  long GetHeight() override;
  void HandleTooltipsMessage(ZQF_TooltipsMessage& Message, const ZQ_Point<long>& Point,
                             const ZQ_Rectangle<long>& ElementRectangle,
                             ZQF_ListGlyph* List) override;
  // The hash of the text.
  ZQ_UID GetHash() override;

  virtual ZQ_String GetText() = 0;
};

class ZQF_BitmapAndStringListGlyphElement : public ZQF_ListGlyphElement {
 public:
  void DrawSelf(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Rectangle,
                const ZQF_ListGlyphElementDrawState& State) override;
  long GetWidth() override;
  long GetHeight() override;
  // Only while the pointer is over the text.
  void HandleTooltipsMessage(ZQF_TooltipsMessage& Message, const ZQ_Point<long>& Point,
                             const ZQ_Rectangle<long>& ElementRectangle,
                             ZQF_ListGlyph* List) override;
  ZQ_UID GetHash() override;

  virtual ZQ_String GetText() = 0;
  // State is null when only the size is wanted.
  virtual ZQR_Bitmap GetBitmap(const ZQF_ListGlyphElementDrawState* State) = 0;
  // Pixels: x of size metric 5, x of size metric 5, y of size metric 1.
  virtual long GetBitmapLeftMargin();
  virtual long GetBitmapTextGap();
  virtual long GetVerticalMargin();
  virtual ZQ_Point<long> GetBitmapSize();
  virtual void Cust_DrawBitmap(const ZQR_Bitmap& Bitmap, ZQF_Canvas& Canvas, long X, long Y);

 private:
  // The text's box inside the row: after the bitmap, vertically centred.
  ZQ_Rectangle<long> GetTextRectangle(const ZQ_Rectangle<long>& Row);
};

// The one-line extent of Text in font metric 7, from a width table kept for
// the font (rows are measured by the thousand when a node opens).
ZQ_Point<long> ZQF_MeasureListText(const ZQ_String& Text);

#endif
