// ZQR_ConcreteFont.h: a font realised for a device, as a handle on a counted
// ZQR_ConcreteFontReference that holds the HFONT. Copies share it; the last
// release deletes a font that this library created, never a stock font.
// The measuring functions select the font into the given device context for
// the call, unless it is selected already, and then restore the context's
// font; their results are in that context's logical units (pixels for a
// screen or memory context). Failed GDI calls throw ZQ_Exception through
// the wrappers. UI thread only.
#ifndef ZQR_CONCRETEFONT_H
#define ZQR_CONCRETEFONT_H

#include "ZQLOW_WINGDI.h"
#include "ZQLOW_Windows.h"
#include "ZQR_FontMetrics.h"
#include "ZQ_Array.h"
#include "ZQ_CountedBody.h"
#include "ZQ_Owned.h"
#include "ZQ_Point.h"
#include "ZQ_String.h"

class ZQR_AbstractFont;

using ZQR_OwnedFont = ZQ_Owned<HFONT, &ZQLOW_WINGDI::DeleteObject>;

// The shared body: the font handle, and its owner when it is to be deleted.
class ZQR_ConcreteFontReference : public ZQ_CountedBody {
 public:
  // A stock font: never deleted.
  explicit ZQR_ConcreteFontReference(HFONT StockFont) noexcept : Font(StockFont) {}
  // Deleted with the body.
  explicit ZQR_ConcreteFontReference(ZQR_OwnedFont&& CreatedFont) noexcept
      : Font(CreatedFont.Get()), Owner(static_cast<ZQR_OwnedFont&&>(CreatedFont)) {}

  HFONT GetHFONT() const noexcept { return Font; }

 private:
  HFONT Font;
  ZQR_OwnedFont Owner;  // empty for a stock font
};

class ZQR_ConcreteFont {
 public:
  // The style bits of the family-code constructor.
  static const long Bold = 1;       // weight 700, else 400
  static const long Italic = 2;
  static const long Underline = 4;

  // The stock SYSTEM_FONT (13).
  ZQR_ConcreteFont();
  // A GDI stock font (SYSTEM_FONT, ANSI_VAR_FONT, ...); a number that names
  // no stock object throws.
  explicit ZQR_ConcreteFont(int StockIndex);
  // FamilyCode as ZQR_AbstractFont's typeface codes (0 "Times New Roman",
  // 1 "Arial", 2 "Verdana", 3 "Courier New"); Points in whole points;
  // StyleBits of Bold, Italic, Underline; PixelsPerInch 0 takes the
  // context's LOGPIXELSY. The height is -ZQ_MulDiv(Points, PixelsPerInch, 72),
  // one pixel at least (a height of 0 would be GDI's default).
  ZQR_ConcreteFont(HDC DC, long FamilyCode, long Points, long StyleBits, long PixelsPerInch);
  // Font realised at PixelsPerInch (0: the context's LOGPIXELSY): height
  // -ZQ_Round(points × PixelsPerInch / 72), one pixel at least, the angle as
  // escapement and orientation.
  ZQR_ConcreteFont(const ZQR_AbstractFont& Font, HDC DC, double PixelsPerInch = 0);

  HFONT GetHFONT() const noexcept { return Ref->GetHFONT(); }
  // True when both wrap the same HFONT.
  bool operator==(const ZQR_ConcreteFont& Other) const noexcept { return GetHFONT() == Other.GetHFONT(); }

  // The extent of Text drawn as one line (GetTextExtentPoint32A).
  ZQ_Point<long> GetSize(HDC DC, const ZQ_String& Text) const;
  ZQ_Point<long> GetSize(const ZQ_String& Text, HDC DC) const { return GetSize(DC, Text); }

  // From the font's TEXTMETRIC: the character cell height, the leadings,
  // the average and greatest character widths.
  long GetHeight(HDC DC) const;
  long GetInternalLeading(HDC DC) const;
  long GetExternalLeading(HDC DC) const;
  long GetAverageCharWidth(HDC DC) const;
  long GetMaxCharWidth(HDC DC) const;

  // The advance widths of characters 0 to 255.
  ZQ_Array<long> GetWidthTable(HDC DC) const;
  // Every measure of ZQR_FontMetrics, in the context's units.
  ZQR_FontMetrics GetFontMetrics(HDC DC) const;

 private:
  // Takes the first share of Reference, made with new.
  explicit ZQR_ConcreteFont(ZQR_ConcreteFontReference* Reference) noexcept : Ref(Reference) {}

  ZQ_CountedHandle<ZQR_ConcreteFontReference> Ref;
};

#endif
