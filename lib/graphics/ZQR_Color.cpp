#include "ZQR_Color.h"

#include "ZQ_Assertion.h"
#include "ZQ_Hasher.h"
#include "ZQ_Numeric.h"

namespace {

struct NamedColor {
  const char* Name;
  ZQR_Color Color;
};

// "Gray" is the markup's name for the headings' grey.
constexpr NamedColor kNamedColors[] = {
    {"Black", ZQR_Color_Black},       {"White", ZQR_Color_White},
    {"Red", ZQR_Color_Red},           {"Yellow", ZQR_Color_Yellow},
    {"Blue", ZQR_Color_Blue},         {"Light Gray", ZQR_Color_LightGray},
    {"Dark Gray", {128, 128, 128}},   {"Gray", {128, 128, 128}},
};

BYTE BlendChannel(BYTE C1, BYTE C2, double FractionC2) {
  return static_cast<BYTE>(ZQ_Round(C1 * (1.0 - FractionC2) + C2 * FractionC2));
}

}  // namespace

ZQ_String ZQR_Color::GetWebName() const {
  static const char kDigits[] = "0123456789ABCDEF";
  const BYTE channels[] = {GetRed(), GetGreen(), GetBlue()};
  char text[8] = {'#'};
  for (int i = 0; i < 3; ++i) {
    text[1 + 2 * i] = kDigits[channels[i] >> 4];
    text[2 + 2 * i] = kDigits[channels[i] & 15];
  }
  return ZQ_String(text);
}

ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQR_Color& Color) {
  const BYTE bytes[] = {Color.GetRed(), Color.GetGreen(), Color.GetBlue()};
  Hasher.AddBytes(bytes, sizeof bytes);
  return Hasher;
}

ZQR_Color ZQR_BlendColors(const ZQR_Color& C1, const ZQR_Color& C2, double FractionC2) {
  ZQ_ASSERT((FractionC2 >= 0.0) and (FractionC2 <= 1.0));
  return ZQR_Color(BlendChannel(C1.GetRed(), C2.GetRed(), FractionC2),
                   BlendChannel(C1.GetGreen(), C2.GetGreen(), FractionC2),
                   BlendChannel(C1.GetBlue(), C2.GetBlue(), FractionC2));
}

ZQR_Color ZQR_GetNamedColor(const ZQ_String& Name, const ZQR_Color& Default) {
  const ZQ_CaseInsensitiveString wanted(Name);
  for (const NamedColor& entry : kNamedColors)
    if (wanted == ZQ_CaseInsensitiveString(entry.Name)) return entry.Color;
  return Default;
}
