#include "ZQFO_StandardOptionParsers.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

#include "ZQFO_FormattingOptions.h"
#include "ZQFO_StandardOptionAttributes.h"
#include "ZQXML_Node.h"
#include "ZQ_Assertion.h"
#include "ZQ_StringSubs.h"

namespace {

using Factory = ZQFO_FormattingOptionsFactory;

bool IsBlank(char Char) { return Char == ' ' || Char == '\n' || Char == '\r' || Char == '\t'; }

bool IsNumberChar(char Char) {
  return (Char >= '0' && Char <= '9') || Char == '.' || Char == '+' || Char == '-' || Char == 'E' ||
         Char == 'e';
}

const char* SkipBlanks(const char* At, const char* End) {
  while (At < End && IsBlank(*At)) ++At;
  return At;
}

bool Equals(const char* Text, int Length, const char* Word) {
  return std::strlen(Word) == static_cast<size_t>(Length) && std::memcmp(Text, Word, Length) == 0;
}

// Millimetres per unit, or 0 for an unknown unit.
double UnitFactor(const char* Unit, int Length) {
  if (Equals(Unit, Length, "mm")) return 1.0;
  if (Equals(Unit, Length, "pt")) return ZQFO_MillimetersPerPoint;
  if (Equals(Unit, Length, "in")) return 0.0254 * 1000;
  if (Equals(Unit, Length, "cm")) return 0.01 * 1000;
  return 0;
}

// The index of Text among the null-ended Words; -1 (and the assertion
// "false") for any other text, which validated markup never holds.
long KeywordCode(const ZQ_String& Text, const char* const* Words) {
  for (long i = 0; Words[i]; ++i)
    if (Text == Words[i]) return i;
  ZQ_ASSERT(false);
  return -1;
}

// ---------------------------------------------------------------- route kinds

template <auto Get, auto... Sets>
void LengthRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  const double length = ZQFO_ParseDistance(Value, (F.*Get)());
  ((F.*Sets)(length, Inherited), ...);
}

template <auto Get, auto... Sets>
void ColorRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  const ZQR_Color color = ParseColor(Value, (F.*Get)(), F.GetPalette());
  ((F.*Sets)(color, Inherited), ...);
}

template <auto Set>
void FlagRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  (F.*Set)(Value == "true", Inherited);
}

template <auto Set>
void TextRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  (F.*Set)(Value, Inherited);
}

template <auto Get, auto Set>
void BreakRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  (F.*Set)(ParseBreakKind(Value, (F.*Get)()), Inherited);
}

template <const char* const* Words, auto... Sets>
void KeywordRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  const long code = KeywordCode(Value, Words);
  if (code >= 0) ((F.*Sets)(code, Inherited), ...);
}

const char* const kJustifications[] = {"left", "center", "right", nullptr};
const char* const kLineJustifications[] = {"left", "center", "right", "full", nullptr};
const char* const kVerticalJustifications[] = {"top", "center", "bottom", nullptr};
const char* const kBackgroundModes[] = {"opaque", "page_transparent", "all_transparent", nullptr};
const char* const kVerticalAlignments[] = {"normal", "superscript", "subscript", nullptr};
const char* const kWordBreaks[] = {"as_needed", "never", "always", nullptr};
const char* const kFontFamilies[] = {"serif", "sansserif", "title", "monospace", nullptr};
const char* const kFamilyTypefaces[] = {"Times New Roman", "Arial", "Verdana", "Courier New"};

void FontFamilyRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  const long code = KeywordCode(Value, kFontFamilies);
  if (code >= 0) F.SetFontTypeface(kFamilyTypefaces[code], Inherited);
}

// A length against the inherited height in millimetres, stored in points.
// Heights beyond the single precision the font keeps are unreadable too.
void FontHeightRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  const double inherited = F.GetFontHeight();
  const double points = ZQFO_ParseDistance(Value, inherited * ZQFO_MillimetersPerPoint) / ZQFO_MillimetersPerPoint;
  F.SetFontHeight(std::fabs(points) <= FLT_MAX ? points : inherited, Inherited);
}

void FontWeightRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  F.SetFontWeight(Value == "bold" ? 700 : 400, Inherited);
}

// Links exist on the screen only.
void HyperlinkTextColorRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  if (F.IsDeviceKindZero()) F.SetTextColor(ParseColor(Value, F.GetTextColor(), F.GetPalette()), Inherited);
}

// Ids always reach the descendants.
void IdRoute(const ZQ_String& Value, bool, Factory& F) { F.AppendId(Value); }

void LineSpacingRoute(const ZQ_String& Value, bool Inherited, Factory& F) {
  F.SetLineSpacing(ParseBoundedNumber(Value, 0.1, 1.0, 1000), Inherited);
}

}  // namespace

// ---------------------------------------------------------------- parsers

double ZQFO_ParseDistance(const ZQ_String& Text, double Reference, bool RelativeFormsOff) {
  const char* end = Text.GetText() + Text.GetLength();
  const char* at = SkipBlanks(Text.GetText(), end);
  if (end - at <= 1) return Reference;
  int relative = 0;  // 1 adds, -1 subtracts
  if (!RelativeFormsOff && IsBlank(at[1]) && (at[0] == '+' || at[0] == '-')) {
    relative = at[0] == '+' ? 1 : -1;
    at += 2;
  }
  at = SkipBlanks(at, end);
  const char* number = at;
  while (at < end && IsNumberChar(*at)) ++at;
  const int numberLength = static_cast<int>(at - number);
  // A run that is not wholly a number ("5e" of "5em", "1-2") is unreadable
  // like an unknown unit: one bad attribute must not fail the document.
  if (numberLength == 0 || numberLength > 255) return Reference;
  bool isBad = false;
  const double value = ZQ_StringSubs::StringToDouble(number, numberLength, isBad);
  if (isBad) return Reference;
  const char* unit = at = SkipBlanks(at, end);
  while (at < end && !IsBlank(*at)) ++at;
  const int unitLength = static_cast<int>(at - unit);
  if (unitLength == 0) return Reference;
  double result;
  if (Equals(unit, unitLength, "%")) {
    const double fraction = 0.01 * value;
    result = (relative == 0 ? fraction : 1 + relative * fraction) * Reference;
  } else {
    const double factor = UnitFactor(unit, unitLength);
    if (factor == 0) return Reference;
    const double length = value * factor;
    result = relative == 0 ? length : Reference + relative * length;
  }
  if (!std::isfinite(result)) return Reference;
  return std::max(-ZQFO_MaximumDistance, std::min(ZQFO_MaximumDistance, result));
}

ZQR_Color ParseColor(const ZQ_String& Text, const ZQR_Color& Default, const ZQ_Array<ZQR_Color>& Palette) {
  if (Text.IsEmpty()) return Default;
  if (Text.BeginsWith("standard color - ")) {
    static const char* const kEndings[] = {
        "default background", "window text", "window background", "subtle highlighted text",
        "subtle highlighted background", "hyperlink text", "gray text", "error text",
        "tooltips text", "tooltips background"};
    long index = 0;
    for (long i = 0; i < 10 && index == 0; ++i)
      if (Text.EndsWith(kEndings[i])) index = i + 1;
    return Palette[index];
  }
  if (Text.GetLength() == 7 && Text[0] == '#') {
    unsigned long parts[3];
    for (int i = 0; i < 3; ++i) {
      bool isBad = false;
      parts[i] = ZQ_StringSubs::StringToUInt32(Text.GetText() + 1 + 2 * i, 2, isBad);
      if (isBad) return Default;  // "#GG0000": no colour, not a failed document
    }
    return ZQR_Color(static_cast<BYTE>(parts[0]), static_cast<BYTE>(parts[1]),
                     static_cast<BYTE>(parts[2]));
  }
  return ZQR_GetNamedColor(Text, ZQR_Color_Black);
}

long ParseBreakKind(const ZQ_String& Text, long Default) {
  static const char* const kKinds[] = {"as_needed", "never", "column", "page", "evenpage", "oddpage"};
  for (long i = 0; i < 6; ++i)
    if (Text == kKinds[i]) return i;
  return Default;
}

double ParseBoundedNumber(const ZQ_String& Text, double Minimum, double Default, double Maximum) {
  bool isBad = Text.IsEmpty() || Text.GetLength() > 255;
  double value = isBad ? Default : ZQ_StringSubs::StringToDouble(Text, isBad);
  if (isBad) value = Default;
  return std::max(Minimum, std::min(Maximum, value));
}

ZQFO_SingleDirectionCellSize ParseSingleDirectionTableCellSizeAttributes(const ZQXML_Node& Element,
                                                                        const char* SizeName,
                                                                        const char* MinimumName,
                                                                        const char* MaximumName) {
  const ZQ_String size = Element.GetAttributeValue(SizeName, "");
  ZQ_String minimum = Element.GetAttributeValue(MinimumName, "");
  ZQ_String maximum = Element.GetAttributeValue(MaximumName, "");
  if (size == "any") {
    minimum = "min";
    maximum = "max";
  } else if (size.BeginsWith("above ")) {
    maximum = "max";
    minimum = size.GetRight(size.GetLength() - 6);
  }
  if (minimum.IsEmpty()) minimum = size;
  if (maximum.IsEmpty()) maximum = size;
  ZQFO_SingleDirectionCellSize result;
  // Absent or unreadable limits read as -1: not given.
  result.Minimum = ZQFO_ProcessSizeAttribute(minimum, -1, true);
  result.Maximum = ZQFO_ProcessSizeAttribute(maximum, -1, true);
  result.HasMinimum = result.Minimum >= 0;
  result.HasMaximum = result.Maximum >= 0;
  return result;
}

// ---------------------------------------------------------------- the routes

using F = ZQFO_FormattingOptionsFactory;

const ZQFO_StandardOptionRoute ZQFO_StandardOptionRoutes[ZQFO_NumStandardOptionRoutes] = {
    {"background_color", ColorRoute<&F::GetBackgroundColor, &F::SetBackgroundColor>},
    {"background_color_mode", KeywordRoute<kBackgroundModes, &F::SetBackgroundColorMode>},
    {"block_break_after", BreakRoute<&F::GetBlockBreakAfter, &F::SetBlockBreakAfter>},
    {"block_break_before", BreakRoute<&F::GetBlockBreakBefore, &F::SetBlockBreakBefore>},
    {"block_justification", KeywordRoute<kJustifications, &F::SetBlockJustification>},
    {"block_keep_together", FlagRoute<&F::SetBlockKeepTogether>},
    {"block_left_indent", LengthRoute<&F::GetBlockLeftIndent, &F::SetBlockLeftIndent>},
    {"block_right_indent", LengthRoute<&F::GetBlockRightIndent, &F::SetBlockRightIndent>},
    {"block_space_after", LengthRoute<&F::GetBlockSpaceAfter, &F::SetBlockSpaceAfter>},
    {"block_space_before", LengthRoute<&F::GetBlockSpaceBefore, &F::SetBlockSpaceBefore>},
    {"block_vertical_justification",
     KeywordRoute<kVerticalJustifications, &F::SetBlockVerticalJustification>},
    {"cell_border_color",
     ColorRoute<&F::GetCellLeftBorderColor, &F::SetCellLeftBorderColor, &F::SetCellRightBorderColor,
                &F::SetCellTopBorderColor, &F::SetCellBottomBorderColor>},
    {"cell_border_thickness",
     LengthRoute<&F::GetCellLeftBorderThickness, &F::SetCellLeftBorderThickness,
                 &F::SetCellRightBorderThickness, &F::SetCellTopBorderThickness,
                 &F::SetCellBottomBorderThickness>},
    {"cell_bottom_border_color", ColorRoute<&F::GetCellBottomBorderColor, &F::SetCellBottomBorderColor>},
    {"cell_bottom_border_thickness",
     LengthRoute<&F::GetCellBottomBorderThickness, &F::SetCellBottomBorderThickness>},
    {"cell_bottom_margin", LengthRoute<&F::GetCellBottomMargin, &F::SetCellBottomMargin>},
    {"cell_horizontal_border_color",
     ColorRoute<&F::GetCellLeftBorderColor, &F::SetCellLeftBorderColor, &F::SetCellRightBorderColor>},
    {"cell_horizontal_border_thickness",
     LengthRoute<&F::GetCellLeftBorderThickness, &F::SetCellLeftBorderThickness,
                 &F::SetCellRightBorderThickness>},
    {"cell_horizontal_margin",
     LengthRoute<&F::GetCellLeftMargin, &F::SetCellLeftMargin, &F::SetCellRightMargin>},
    {"cell_left_border_color", ColorRoute<&F::GetCellLeftBorderColor, &F::SetCellLeftBorderColor>},
    {"cell_left_border_thickness",
     LengthRoute<&F::GetCellLeftBorderThickness, &F::SetCellLeftBorderThickness>},
    {"cell_left_margin", LengthRoute<&F::GetCellLeftMargin, &F::SetCellLeftMargin>},
    {"cell_margin", LengthRoute<&F::GetCellLeftMargin, &F::SetCellLeftMargin, &F::SetCellRightMargin,
                                &F::SetCellTopMargin, &F::SetCellBottomMargin>},
    {"cell_right_border_color", ColorRoute<&F::GetCellRightBorderColor, &F::SetCellRightBorderColor>},
    {"cell_right_border_thickness",
     LengthRoute<&F::GetCellRightBorderThickness, &F::SetCellRightBorderThickness>},
    {"cell_right_margin", LengthRoute<&F::GetCellRightMargin, &F::SetCellRightMargin>},
    {"cell_top_border_color", ColorRoute<&F::GetCellTopBorderColor, &F::SetCellTopBorderColor>},
    {"cell_top_border_thickness", LengthRoute<&F::GetCellTopBorderThickness, &F::SetCellTopBorderThickness>},
    {"cell_top_margin", LengthRoute<&F::GetCellTopMargin, &F::SetCellTopMargin>},
    {"cell_vertical_border_color",
     ColorRoute<&F::GetCellTopBorderColor, &F::SetCellTopBorderColor, &F::SetCellBottomBorderColor>},
    {"cell_vertical_border_thickness",
     LengthRoute<&F::GetCellTopBorderThickness, &F::SetCellTopBorderThickness,
                 &F::SetCellBottomBorderThickness>},
    {"cell_vertical_margin", LengthRoute<&F::GetCellTopMargin, &F::SetCellTopMargin, &F::SetCellBottomMargin>},
    {"font_family", FontFamilyRoute},
    {"font_height", FontHeightRoute},
    {"font_italic", FlagRoute<&F::SetFontItalic>},
    {"font_typeface", TextRoute<&F::SetFontTypeface>},
    {"font_underline", FlagRoute<&F::SetFontUnderline>},
    {"font_weight", FontWeightRoute},
    {"hyperlink_text_color", HyperlinkTextColorRoute},
    {"id", IdRoute},
    {"justification", KeywordRoute<kJustifications, &F::SetBlockJustification, &F::SetLineJustification>},
    {"line_first_indent", LengthRoute<&F::GetLineFirstIndent, &F::SetLineFirstIndent>},
    {"line_justification", KeywordRoute<kLineJustifications, &F::SetLineJustification>},
    {"line_preformatted", FlagRoute<&F::SetLinePreformatted>},
    {"line_spacing", LineSpacingRoute},
    {"line_subsequent_indent", LengthRoute<&F::GetLineSubsequentIndent, &F::SetLineSubsequentIndent>},
    {"line_vertical_alignment", KeywordRoute<kVerticalAlignments, &F::SetLineVerticalAlignment>},
    {"link_target", TextRoute<&F::SetLinkTarget>},
    {"text_color", ColorRoute<&F::GetTextColor, &F::SetTextColor>},
    {"vertical_justification",
     KeywordRoute<kVerticalJustifications, &F::SetBlockVerticalJustification>},
    {"word_break_after", KeywordRoute<kWordBreaks, &F::SetWordBreakAfter>},
};
