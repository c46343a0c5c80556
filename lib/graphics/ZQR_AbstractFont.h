// ZQR_AbstractFont.h: a font described independently of any device: its
// typeface, height in points, weight, italic style, angle in degrees, and
// the family, pitch and character-set codes that guide Windows's choice of
// face. A plain value (the typeface string is shared until written);
// ZQR_ConcreteFont realises it for a device context. UI thread only.
#ifndef ZQR_ABSTRACTFONT_H
#define ZQR_ABSTRACTFONT_H

#include "ZQLOW_Windows.h"
#include "ZQ_String.h"

class ZQ_Hasher;

// Family codes: 0 modern (FF_MODERN), 1 roman (FF_ROMAN), 2 swiss
// (FF_SWISS). Pitch codes: 0 fixed, 1 variable. 255 means no preference.
const long ZQR_AbstractFont_NoPreference = 255;

class ZQR_AbstractFont {
 public:
  // "Times New Roman", 12 points, weight 400, upright, angle 0, no family
  // or pitch preference, DEFAULT_CHARSET.
  ZQR_AbstractFont() = default;
  ZQR_AbstractFont(const ZQ_String& Typeface, float Height, long Weight, bool Italic, float Angle);
  // TypefaceCode 0 "Times New Roman", 1 "Arial", 2 "Verdana", 3 "Courier
  // New"; another code fails the assertion "false" and takes code 0.
  ZQR_AbstractFont(long TypefaceCode, float Height, long Weight, bool Italic, float Angle);

  void SetTypeface(const ZQ_String& NewTypeface) { Typeface = NewTypeface; }
  // Points.
  void SetHeight(float NewHeight) { Height = NewHeight; }
  // 100 .. 900; 400 normal, 700 bold.
  void SetWeight(long NewWeight) { Weight = NewWeight; }
  void SetItalicStyle(bool NewItalic) { Italic = NewItalic; }
  // Degrees, counter-clockwise from the x axis.
  void SetAngle(float NewAngle) { Angle = NewAngle; }
  void SetFontFamily(long FamilyCode) { Family = FamilyCode; }
  void SetPitch(long PitchCode) { Pitch = PitchCode; }
  // A Windows character-set number (DEFAULT_CHARSET, ANSI_CHARSET, ...).
  void SetCharacterSet(long NewCharacterSet) { CharacterSet = NewCharacterSet; }

  const ZQ_String& GetTypeface() const { return Typeface; }
  float GetHeight() const { return Height; }
  long GetWeight() const { return Weight; }
  bool GetItalicStyle() const { return Italic; }
  float GetAngle() const { return Angle; }
  long GetFontFamily() const { return Family; }
  long GetPitch() const { return Pitch; }
  long GetCharacterSet() const { return CharacterSet; }

  // Takes every field from a Windows font description whose height is in
  // DC's pixels: height |lfHeight| × 72 / LOGPIXELSY (a context without a
  // vertical resolution fails "PixelsPerInch > 0" and keeps the height),
  // the angle from lfEscapement (tenths of a degree), family and pitch
  // mapped to their codes (unknown ones to 255).
  void ReadStateFromLogFontStruct(const LOGFONTA& LogFont, HDC DC);
  // The inverse: a Windows font description of this font whose height is
  // LogicalHeight (device units; negative asks for that character height).
  // The angle becomes escapement and orientation; a typeface longer than
  // lfFaceName holds is cut.
  LOGFONTA GetLogFontStruct(long LogicalHeight) const;

  bool operator==(const ZQR_AbstractFont& Other) const;

 private:
  ZQ_String Typeface = "Times New Roman";
  float Height = 12.0f;  // points
  long Weight = FW_NORMAL;
  bool Italic = false;
  float Angle = 0.0f;  // degrees
  long Family = ZQR_AbstractFont_NoPreference;
  long Pitch = ZQR_AbstractFont_NoPreference;
  long CharacterSet = DEFAULT_CHARSET;
};

// Feeds every field in the order typeface (its characters), height, weight,
// italic, angle, family, pitch, character set.
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQR_AbstractFont& Font);

#endif
