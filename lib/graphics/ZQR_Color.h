// ZQR_Color.h: a colour as one COLORREF (0x00BBGGRR, red in the low byte), a
// plain value; the named colours of the library and the blend of two colours.
// The constant colours are constant-initialised, so other modules' static
// initialisers may use them.
#ifndef ZQR_COLOR_H
#define ZQR_COLOR_H

#include "ZQLOW_Windows.h"
#include "ZQ_String.h"

class ZQ_Hasher;

class ZQR_Color {
 public:
  // Black.
  constexpr ZQR_Color() noexcept = default;
  constexpr ZQR_Color(BYTE Red, BYTE Green, BYTE Blue) noexcept
      : Value(static_cast<COLORREF>(Red) | (static_cast<COLORREF>(Green) << 8) |
              (static_cast<COLORREF>(Blue) << 16)) {}
  // Explicit, so that no number becomes a colour unseen. The top byte is
  // dropped: it is no part of a colour.
  constexpr explicit ZQR_Color(COLORREF Color) noexcept : Value(Color & 0x00FFFFFFu) {}

  constexpr BYTE GetRed() const noexcept { return static_cast<BYTE>(Value); }
  constexpr BYTE GetGreen() const noexcept { return static_cast<BYTE>(Value >> 8); }
  constexpr BYTE GetBlue() const noexcept { return static_cast<BYTE>(Value >> 16); }
  constexpr COLORREF GetCOLORREF() const noexcept { return Value; }

  // "#RRGGBB" in upper-case hexadecimal digits.
  ZQ_String GetWebName() const;

  constexpr bool operator==(const ZQR_Color& Other) const noexcept { return Value == Other.Value; }
  constexpr bool operator!=(const ZQR_Color& Other) const noexcept { return Value != Other.Value; }

 private:
  COLORREF Value = 0;
};

// Feeds red, green and blue, one byte each.
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQR_Color& Color);

// Each channel is ZQ_Round(c1 * (1 - FractionC2) + c2 * FractionC2).
// FractionC2 must lie in 0.0 .. 1.0 (an assertion).
ZQR_Color ZQR_BlendColors(const ZQR_Color& C1, const ZQR_Color& C2, double FractionC2);

// The colour of a whole name, without regard to case but with its blanks
// ("red " is no name); Default for an unknown name.
ZQR_Color ZQR_GetNamedColor(const ZQ_String& Name, const ZQR_Color& Default);

inline constexpr ZQR_Color ZQR_Color_Black{0, 0, 0};
inline constexpr ZQR_Color ZQR_Color_White{255, 255, 255};
inline constexpr ZQR_Color ZQR_Color_Red{255, 0, 0};
inline constexpr ZQR_Color ZQR_Color_Yellow{255, 255, 0};
inline constexpr ZQR_Color ZQR_Color_Blue{0, 0, 255};
inline constexpr ZQR_Color ZQR_Color_LightGray{192, 192, 192};
// The library's standard transparent colour: pixels of it in a button
// picture or a transparent bitmap show what lies behind.
inline constexpr ZQR_Color ZQR_StandardTransparentColor{0xC0C0C0u};

#endif
