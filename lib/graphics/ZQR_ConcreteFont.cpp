#include "ZQR_ConcreteFont.h"

#include "ZQR_AbstractFont.h"
#include "ZQ_Numeric.h"
#include "ZQ_StackTrace.h"

namespace {

// Selects a font into a context for a scope and then restores the previous
// one. A font already selected is left alone: selecting costs more than the
// measuring itself, and callers often measure with the context's own font.
class FontSelection {
 public:
  FontSelection(HDC DC, HFONT Font) : DC(DC) {
    if (ZQLOW_WINGDI::GetCurrentObject(DC, OBJ_FONT) == Font) return;
    const HGDIOBJ previous = ZQLOW_WINGDI::SelectObject(DC, Font);
    if (previous != HGDI_ERROR) Previous = previous;
  }
  FontSelection(const FontSelection&) = delete;
  FontSelection& operator=(const FontSelection&) = delete;
  // A failed restore has been logged by the wrapper; a destructor may not
  // throw it on.
  ~FontSelection() {
    if (!Previous) return;
    try {
      ZQLOW_WINGDI::SelectObject(DC, Previous);
    } catch (...) {
    }
  }

 private:
  HDC DC;
  HGDIOBJ Previous = nullptr;
};

TEXTMETRICA TextMetricsOf(HDC DC, HFONT Font) {
  const FontSelection selection(DC, Font);
  TEXTMETRICA metrics;
  ZQLOW_WINGDI::GetTextMetricsA(DC, &metrics);
  return metrics;
}

double PixelsPerInchOf(HDC DC, double PixelsPerInch) {
  return PixelsPerInch > 0 ? PixelsPerInch : ZQLOW_WINGDI::GetDeviceCaps(DC, LOGPIXELSY);
}

// GDI realises a height of 0 at its default height, many times a tiny
// font's: no font asks for less than a pixel. Points gives the sign.
long AtLeastOnePixel(long LogicalHeight, double Points) {
  return LogicalHeight != 0 ? LogicalHeight : Points < 0 ? 1 : -1;
}

HFONT StockFont(int StockIndex) { return static_cast<HFONT>(ZQLOW_WINGDI::GetStockObject(StockIndex)); }

ZQR_ConcreteFontReference* NewFont(const LOGFONTA& LogFont) {
  ZQR_OwnedFont font(ZQLOW_WINGDI::CreateFontIndirectA(&LogFont));
  return new ZQR_ConcreteFontReference(static_cast<ZQR_OwnedFont&&>(font));
}

LOGFONTA LogFontOfCode(long FamilyCode, long Points, long StyleBits, long PixelsPerInch) {
  const ZQR_AbstractFont description(FamilyCode, 0.0f,
                                     (StyleBits & ZQR_ConcreteFont::Bold) ? FW_BOLD : FW_NORMAL,
                                     (StyleBits & ZQR_ConcreteFont::Italic) != 0, 0.0f);
  LOGFONTA logFont = description.GetLogFontStruct(AtLeastOnePixel(-ZQ_MulDiv(Points, PixelsPerInch, 72), Points));
  logFont.lfUnderline = (StyleBits & ZQR_ConcreteFont::Underline) != 0;
  return logFont;
}

// Digits '0' to '9' from widths of ' ' onwards.
void SetWidestDigit(ZQR_FontMetrics& Metrics, const INT* WidthsFromSpace) {
  Metrics.WidestDigit = '0';
  for (char digit = '1'; digit <= '9'; ++digit)
    if (WidthsFromSpace[digit - ' '] > WidthsFromSpace[Metrics.WidestDigit - ' '])
      Metrics.WidestDigit = digit;
  Metrics.WidestDigitWidth = WidthsFromSpace[Metrics.WidestDigit - ' '];
}

}  // namespace

ZQR_ConcreteFont::ZQR_ConcreteFont() : ZQR_ConcreteFont(SYSTEM_FONT) {}

ZQR_ConcreteFont::ZQR_ConcreteFont(int StockIndex)
    : ZQR_ConcreteFont(new ZQR_ConcreteFontReference(StockFont(StockIndex))) {}

ZQR_ConcreteFont::ZQR_ConcreteFont(HDC DC, long FamilyCode, long Points, long StyleBits, long PixelsPerInch)
    : ZQR_ConcreteFont(NewFont(LogFontOfCode(FamilyCode, Points, StyleBits,
                                             static_cast<long>(PixelsPerInchOf(DC, PixelsPerInch))))) {}

ZQR_ConcreteFont::ZQR_ConcreteFont(const ZQR_AbstractFont& Font, HDC DC, double PixelsPerInch)
    : ZQR_ConcreteFont(NewFont(Font.GetLogFontStruct(AtLeastOnePixel(
          -static_cast<long>(ZQ_Round(Font.GetHeight() * PixelsPerInchOf(DC, PixelsPerInch) / 72.0)),
          Font.GetHeight())))) {}

ZQ_Point<long> ZQR_ConcreteFont::GetSize(HDC DC, const ZQ_String& Text) const {
  const FontSelection selection(DC, GetHFONT());
  SIZE size;
  ZQLOW_WINGDI::GetTextExtentPoint32A(DC, Text.GetText(), Text.GetLength(), &size);
  return ZQ_Point<long>(size.cx, size.cy);
}

long ZQR_ConcreteFont::GetHeight(HDC DC) const { return TextMetricsOf(DC, GetHFONT()).tmHeight; }

long ZQR_ConcreteFont::GetInternalLeading(HDC DC) const {
  return TextMetricsOf(DC, GetHFONT()).tmInternalLeading;
}

long ZQR_ConcreteFont::GetExternalLeading(HDC DC) const {
  return TextMetricsOf(DC, GetHFONT()).tmExternalLeading;
}

long ZQR_ConcreteFont::GetAverageCharWidth(HDC DC) const {
  return TextMetricsOf(DC, GetHFONT()).tmAveCharWidth;
}

long ZQR_ConcreteFont::GetMaxCharWidth(HDC DC) const { return TextMetricsOf(DC, GetHFONT()).tmMaxCharWidth; }

ZQ_Array<long> ZQR_ConcreteFont::GetWidthTable(HDC DC) const {
  ZQ_TRACE_FUNCTION("ZQR_ConcreteFont::GetWidthTable");
  INT widths[256];
  {
    const FontSelection selection(DC, GetHFONT());
    ZQLOW_WINGDI::GetCharWidth32A(DC, 0, 255, widths);
  }
  ZQ_Array<long> table(256);
  for (long i = 0; i < 256; ++i) table[i] = widths[i];
  return table;
}

ZQR_FontMetrics ZQR_ConcreteFont::GetFontMetrics(HDC DC) const {
  ZQ_TRACE_FUNCTION("ZQR_ConcreteFont::GetFontMetrics");
  TEXTMETRICA text;
  INT widths['9' - ' ' + 1];
  {
    const FontSelection selection(DC, GetHFONT());
    ZQLOW_WINGDI::GetTextMetricsA(DC, &text);
    ZQLOW_WINGDI::GetCharWidth32A(DC, ' ', '9', widths);
  }
  ZQR_FontMetrics metrics;
  metrics.Height = text.tmHeight;
  metrics.Ascent = text.tmAscent;
  metrics.Descent = text.tmDescent;
  metrics.InternalLeading = text.tmInternalLeading;
  metrics.ExternalLeading = text.tmExternalLeading;
  metrics.AverageCharWidth = text.tmAveCharWidth;
  metrics.MaxCharWidth = text.tmMaxCharWidth;
  metrics.SpaceWidth = widths[0];
  metrics.Overhang = text.tmOverhang;
  SetWidestDigit(metrics, widths);
  return metrics;
}
