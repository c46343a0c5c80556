#include "ZQR_AbstractFont.h"

#include <cmath>
#include <cstring>

#include "ZQLOW_WINGDI.h"
#include "ZQ_Assertion.h"
#include "ZQ_Hasher.h"
#include "ZQ_Numeric.h"
#include "ZQ_StackTrace.h"

namespace {

const char* const kTypefaces[] = {"Times New Roman", "Arial", "Verdana", "Courier New"};

// The Windows bits of each code, the index being the code.
const BYTE kFamilies[] = {FF_MODERN, FF_ROMAN, FF_SWISS};
const BYTE kPitches[] = {FIXED_PITCH, VARIABLE_PITCH};

template <size_t N>
BYTE BitsOfCode(const BYTE (&Bits)[N], long Code, BYTE NoPreference) {
  return (Code >= 0 && Code < static_cast<long>(N)) ? Bits[Code] : NoPreference;
}

template <size_t N>
long CodeOfBits(const BYTE (&Bits)[N], BYTE Value) {
  for (size_t code = 0; code < N; ++code)
    if (Bits[code] == Value) return static_cast<long>(code);
  return ZQR_AbstractFont_NoPreference;
}

ZQ_String TypefaceOfCode(long Code) {
  if (Code < 0 || Code > 3) {
    ZQ_ASSERT(false);
    Code = 0;
  }
  return kTypefaces[Code];
}

}  // namespace

ZQR_AbstractFont::ZQR_AbstractFont(const ZQ_String& Typeface, float Height, long Weight, bool Italic,
                                   float Angle)
    : Typeface(Typeface), Height(Height), Weight(Weight), Italic(Italic), Angle(Angle) {}

ZQR_AbstractFont::ZQR_AbstractFont(long TypefaceCode, float Height, long Weight, bool Italic, float Angle)
    : ZQR_AbstractFont(TypefaceOfCode(TypefaceCode), Height, Weight, Italic, Angle) {}

void ZQR_AbstractFont::ReadStateFromLogFontStruct(const LOGFONTA& LogFont, HDC DC) {
  ZQ_TRACE_FUNCTION("ZQR_AbstractFont::ReadStateFromLogFontStruct");
  const int PixelsPerInch = ZQLOW_WINGDI::GetDeviceCaps(DC, LOGPIXELSY);
  ZQ_ASSERT(PixelsPerInch > 0);
  // lfFaceName need not end in a NUL when it is full.
  Typeface = ZQ_String(LogFont.lfFaceName, static_cast<int>(strnlen(LogFont.lfFaceName, LF_FACESIZE)));
  if (PixelsPerInch > 0)
    Height = static_cast<float>(std::fabs(static_cast<double>(LogFont.lfHeight)) * 72.0 / PixelsPerInch);
  Weight = LogFont.lfWeight;
  Italic = LogFont.lfItalic != 0;
  Angle = static_cast<float>(LogFont.lfEscapement / 10.0);
  CharacterSet = LogFont.lfCharSet;
  Family = CodeOfBits(kFamilies, static_cast<BYTE>(LogFont.lfPitchAndFamily & 0xF0));
  Pitch = CodeOfBits(kPitches, static_cast<BYTE>(LogFont.lfPitchAndFamily & 0x03));
}

LOGFONTA ZQR_AbstractFont::GetLogFontStruct(long LogicalHeight) const {
  LOGFONTA logFont = {};
  logFont.lfHeight = LogicalHeight;
  logFont.lfEscapement = logFont.lfOrientation = static_cast<LONG>(ZQ_Round(Angle * 10.0));
  logFont.lfWeight = Weight;
  logFont.lfItalic = Italic;
  logFont.lfCharSet = static_cast<BYTE>(CharacterSet);
  logFont.lfPitchAndFamily =
      BitsOfCode(kFamilies, Family, FF_DONTCARE) | BitsOfCode(kPitches, Pitch, DEFAULT_PITCH);
  const int length = Typeface.GetLength() < LF_FACESIZE ? Typeface.GetLength() : LF_FACESIZE - 1;
  std::memcpy(logFont.lfFaceName, Typeface.GetText(), length);
  return logFont;
}

bool ZQR_AbstractFont::operator==(const ZQR_AbstractFont& Other) const {
  return Typeface == Other.Typeface && Height == Other.Height && Weight == Other.Weight &&
         Italic == Other.Italic && Angle == Other.Angle && Family == Other.Family && Pitch == Other.Pitch &&
         CharacterSet == Other.CharacterSet;
}

ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQR_AbstractFont& Font) {
  return Hasher << Font.GetTypeface() << Font.GetHeight() << Font.GetWeight() << Font.GetItalicStyle()
                << Font.GetAngle() << Font.GetFontFamily() << Font.GetPitch() << Font.GetCharacterSet();
}
