#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "DocumentsTestSupport.h"
#include "ZQFO_StandardOptionAttributes.h"
#include "ZQ_Exception.h"
#include "ZQ_RandomNumberGenerator.h"

namespace {

using Record = ZQFO_FormattingOptions::OptionsRef1Type;

const ZQXML_ElementDeclaration& ParaDeclaration() {
  static const ZQXML_DocumentTypeDefinition s_dtd = ZQFO_GetDocumentDTD();
  return s_dtd.GetBody().GetElement(s_dtd.GetBody().FindElement("zqfo_para"));
}

// An element read without validation, so that any attribute reaches the
// dispatcher.
ZQXML_Tree ReadElement(const std::string& Text) { return ZQXML_Reader(ZQ_String(Text.c_str())).Read(); }

struct Applied {
  Record element;
  Record child;
  ZQ_String ids;
};

// The element's and its child's options after the element's attributes.
Applied Apply(const std::string& Attributes, long DeviceKind = 3) {
  const ZQXML_Tree tree = ReadElement("<e " + Attributes + "><c/></e>");
  ZQFO_Stylesheet stylesheet;
  TestCanvas canvas(DeviceKind);
  ZQFO_FormattingOptionsFactory factory(canvas, false, stylesheet);
  factory.PushCurrentOptionsStack();
  ZQFO_ParseStandardOptions(*tree.GetRootElement(), factory);
  Applied result;
  result.element = factory.GetFormattingOptions().GetOptions();
  result.ids = factory.GetFormattingOptions().GetIds().IdPath;
  factory.PushCurrentOptionsStack();
  result.child = factory.GetFormattingOptions().GetOptions();
  factory.PopCurrentOptionsStack();
  factory.PopCurrentOptionsStack();
  return result;
}

void Unchanged(Record&) {}

void SetAllMargins(Record& r, double Value) {
  r.CellLeftMargin = r.CellRightMargin = r.CellTopMargin = r.CellBottomMargin = Value;
}
void SetAllBorders(Record& r, double Thickness, const ZQR_Color& Color) {
  r.CellLeftBorderThickness = r.CellRightBorderThickness = r.CellTopBorderThickness = r.CellBottomBorderThickness = Thickness;
  r.CellLeftBorderColor = r.CellRightBorderColor = r.CellTopBorderColor = r.CellBottomBorderColor = Color;
}
void SetFont(Record& r, const char* Typeface, long Family, long Pitch) {
  r.Font.SetTypeface(Typeface);
  r.Font.SetFontFamily(Family);
  r.Font.SetPitch(Pitch);
}

}  // namespace

// Each route sets exactly its options: the record equals the default one
// changed only there, on the element always, on the child only when plain.
TEST(ZQFO_ParseStandardOptions, EachRouteSetsExactlyItsOptions) {
  const ZQR_Color red = ZQR_Color_Red;
  const struct {
    const char* name;
    const char* value;
    std::function<void(Record&)> change;
  } cases[] = {
      {"background_color", "red", [&](Record& r) { r.BackgroundColor = red; }},
      {"background_color_mode", "all_transparent", [](Record& r) { r.BackgroundColorMode = 2; }},
      {"block_break_after", "oddpage", [](Record& r) { r.BlockBreakAfter = 5; }},
      {"block_break_before", "column", [](Record& r) { r.BlockBreakBefore = 2; }},
      {"block_break_before", "sometimes", Unchanged},
      {"block_justification", "right", [](Record& r) { r.BlockJustification = 2; }},
      {"block_keep_together", "true", [](Record& r) { r.BlockKeepTogether = true; }},
      {"block_keep_together", "True", Unchanged},
      {"block_left_indent", "3 mm", [](Record& r) { r.BlockLeftIndent = 3; }},
      {"block_right_indent", "3 mm", [](Record& r) { r.BlockRightIndent = 3; }},
      {"block_space_after", "200%", [](Record& r) { r.BlockSpaceAfter *= 2; }},
      {"block_space_before", "- 100%", [](Record& r) { r.BlockSpaceBefore = 0; }},
      {"block_vertical_justification", "bottom", [](Record& r) { r.BlockVerticalJustification = 2; }},
      {"cell_border_color", "red", [&](Record& r) { SetAllBorders(r, 0, red); }},
      {"cell_border_thickness", "+ 1mm", [](Record& r) { SetAllBorders(r, 1, ZQR_Color_Black); }},
      {"cell_bottom_border_color", "red", [&](Record& r) { r.CellBottomBorderColor = red; }},
      {"cell_bottom_border_thickness", "1mm", [](Record& r) { r.CellBottomBorderThickness = 1; }},
      {"cell_bottom_margin", "3mm", [](Record& r) { r.CellBottomMargin = 3; }},
      {"cell_horizontal_border_color", "red", [&](Record& r) { r.CellLeftBorderColor = r.CellRightBorderColor = red; }},
      {"cell_horizontal_border_thickness", "1mm", [](Record& r) { r.CellLeftBorderThickness = r.CellRightBorderThickness = 1; }},
      {"cell_horizontal_margin", "+ 1mm", [](Record& r) { r.CellLeftMargin = r.CellRightMargin = 6; }},
      {"cell_left_border_color", "red", [&](Record& r) { r.CellLeftBorderColor = red; }},
      {"cell_left_border_thickness", "1mm", [](Record& r) { r.CellLeftBorderThickness = 1; }},
      {"cell_left_margin", "3mm", [](Record& r) { r.CellLeftMargin = 3; }},
      {"cell_margin", "+ 1mm", [](Record& r) { SetAllMargins(r, 6); }},  // against the left margin
      {"cell_right_border_color", "red", [&](Record& r) { r.CellRightBorderColor = red; }},
      {"cell_right_border_thickness", "1mm", [](Record& r) { r.CellRightBorderThickness = 1; }},
      {"cell_right_margin", "3mm", [](Record& r) { r.CellRightMargin = 3; }},
      {"cell_top_border_color", "red", [&](Record& r) { r.CellTopBorderColor = red; }},
      {"cell_top_border_thickness", "1mm", [](Record& r) { r.CellTopBorderThickness = 1; }},
      {"cell_top_margin", "3mm", [](Record& r) { r.CellTopMargin = 3; }},
      {"cell_vertical_border_color", "red", [&](Record& r) { r.CellTopBorderColor = r.CellBottomBorderColor = red; }},
      {"cell_vertical_border_thickness", "1mm", [](Record& r) { r.CellTopBorderThickness = r.CellBottomBorderThickness = 1; }},
      {"cell_vertical_margin", "+ 1mm", [](Record& r) { r.CellTopMargin = r.CellBottomMargin = 2; }},
      {"font_family", "monospace", [](Record& r) { SetFont(r, "Courier New", 0, 0); }},
      {"font_family", "title", [](Record& r) { SetFont(r, "Verdana", 2, 1); }},
      {"font_height", "150%", [](Record& r) { r.Font.SetHeight(18); }},
      {"font_height", "5mm", [](Record& r) { r.Font.SetHeight(static_cast<float>(5 / (0.0254 / 72 * 1000))); }},
      {"font_italic", "true", [](Record& r) { r.Font.SetItalicStyle(true); }},
      {"font_typeface", "Times New Roman", [](Record& r) { SetFont(r, "Times New Roman", 1, 1); }},
      {"font_typeface", "House Face ", [](Record& r) { SetFont(r, "House Face ", 255, 255); }},
      {"font_underline", "true", [](Record& r) { r.FontUnderline = 1; }},
      {"font_weight", "bold", [](Record& r) { r.Font.SetWeight(700); }},
      {"font_weight", "heavy", Unchanged},
      {"hyperlink_text_color", "red", Unchanged},  // a memory image shows no links
      {"id", "a", Unchanged},
      {"justification", "center", [](Record& r) { r.BlockJustification = r.LineJustification = 1; }},
      {"line_first_indent", "- 1mm", [](Record& r) { r.LineFirstIndent = -1; }},
      {"line_justification", "full", [](Record& r) { r.LineJustification = 3; }},
      {"line_preformatted", "true", [](Record& r) { r.LinePreformatted = true; }},
      {"line_spacing", "0", [](Record& r) { r.LineSpacing = 0.1; }},
      {"line_subsequent_indent", "1in", [](Record& r) { r.LineSubsequentIndent = 25.4; }},
      {"line_vertical_alignment", "subscript", [](Record& r) { r.LineVerticalAlignment = 2; }},
      {"link_target", "a.html", [](Record& r) { r.LinkTarget = "a.html"; }},
      {"text_color", "standard color - error text", [&](Record& r) { r.TextColor = red; }},
      {"vertical_justification", "center", [](Record& r) { r.BlockVerticalJustification = 1; }},
      {"word_break_after", "never", [](Record& r) { r.WordBreakAfter = 1; }},
  };
  std::set<std::string> covered;
  const Record plain = Apply("").element;
  for (const auto& c : cases) {
    covered.insert(c.name);
    Record want = plain;
    c.change(want);
    auto* const* function = c.change.target<void (*)(Record&)>();
    if (!function || *function != &Unchanged) {
      EXPECT_NE(want.ComputeUID(), plain.ComputeUID()) << "every option is part of the identity";
    }
    for (const bool isLocal : {false, true}) {
      SCOPED_TRACE(std::string(isLocal ? "local_" : "") + c.name + "='" + c.value + "'");
      const Applied got = Apply(std::string(isLocal ? "local_" : "") + c.name + "='" + c.value + "'");
      EXPECT_EQ(got.element.ComputeUID(), want.ComputeUID());
      EXPECT_EQ(got.child.ComputeUID(), (isLocal ? plain : want).ComputeUID());
    }
  }
  EXPECT_EQ(covered.size(), 51u);
  EXPECT_EQ(std::string(Apply("local_id='b' id='a'").ids.GetText()), "{b}{a}") << "ids ignore the prefix";
  EXPECT_EQ(Apply("hyperlink_text_color='red'", 0).element.TextColor, ZQR_Color_Red) << "on a screen";
  EXPECT_EQ(Apply("src='a.png' width='5mm' local_=' ' zz='1' aa='1' local_zz='1' Text_Color='red'").element.ComputeUID(),
            plain.ComputeUID())
      << "names outside the table are skipped";
}

TEST(ZQFO_ParseStandardOptions, TheRouteTableIsSortedAndHoldsEveryStandardAttribute) {
  const ZQFO_RouteTableEntry* table = InitializeRouteTable();
  EXPECT_EQ(table, InitializeRouteTable()) << "built once";
  std::vector<std::string> declared, routed;
  for (const auto& attribute : ParaDeclaration().Attributes)
    if (attribute.Name != "pageid" && !attribute.Name.BeginsWith("local_")) declared.push_back(attribute.Name.GetText());
  for (long i = 0; i < RouteTableSize; ++i) routed.push_back(table[i].Name.GetText());
  EXPECT_TRUE(std::is_sorted(routed.begin(), routed.end()));
  std::sort(declared.begin(), declared.end());
  EXPECT_EQ(routed, declared);
}

// Hostile values through every route whose attribute the DTD leaves free
// text (validation keeps the others to their keywords): nothing throws and
// every length stays finite.
TEST(ZQFO_ParseStandardOptions, HostileValuesNeverThrowOrStoreLengthsThatAreNotFinite) {
  const char* pieces[] = {"+", "-", "+ ", "- ", " ", "\t", "0", "7", "9999", ".", "E", "e", "E308",
                          "e-400", "mm", "MM", "pt", "in", "cm", "%", "#", "#FFF", "x", "standard color - ",
                          "999999999999999999999", "1e300", "--", "..", "\n"};
  const ZQXML_ElementDeclaration& para = ParaDeclaration();
  ZQ_RandomNumberGenerator random(20261207);
  ZQFO_Stylesheet stylesheet;
  TestCanvas canvas(0);
  ZQFO_FormattingOptionsFactory factory(canvas, false, stylesheet);
  long tried = 0;
  for (int round = 0; round < 200; ++round) {
    for (long r = 0; r < RouteTableSize; ++r) {
      const ZQFO_RouteTableEntry& route = InitializeRouteTable()[r];
      const long declaration = para.FindAttribute(route.Name);
      if (para.Attributes[static_cast<size_t>(declaration)].Type == ZQXML_AttributeDeclaration::Kind::Enumeration)
        continue;
      std::string value;
      const long count = 1 + static_cast<long>(random.GetRandomInteger(6));
      for (long i = 0; i < count; ++i) value += pieces[random.GetRandomInteger(sizeof pieces / sizeof *pieces)];
      if (round % 50 == 0) value = std::string(300, '9') + "mm";
      SCOPED_TRACE(std::string(route.Name.GetText()) + "='" + value + "'");
      ASSERT_NO_THROW(route.Route(ZQ_String(value.c_str()), round % 2 == 0, factory));
      ++tried;
      const double lengths[] = {factory.GetBlockLeftIndent(), factory.GetBlockRightIndent(),
                                factory.GetLineFirstIndent(), factory.GetLineSubsequentIndent(),
                                factory.GetBlockSpaceBefore(), factory.GetBlockSpaceAfter(),
                                factory.GetFontHeight(), factory.GetCellLeftMargin(),
                                factory.GetCellRightMargin(), factory.GetCellTopMargin(),
                                factory.GetCellBottomMargin(), factory.GetCellLeftBorderThickness(),
                                factory.GetCellRightBorderThickness(), factory.GetCellTopBorderThickness(),
                                factory.GetCellBottomBorderThickness()};
      for (double length : lengths) ASSERT_TRUE(std::isfinite(length));
    }
    ASSERT_NO_THROW(factory.GetFormattingOptions());
  }
  EXPECT_GT(tried, 8000);
}

TEST(ZQFO_ParseBoxSizeAttributes, WidthsAndHeightsAgainstTheDefaults) {
  const struct {
    const char* attributes;
    ZQFO_BoxSize want;
    const char* why;
  } cases[] = {
      {"", {40, 20, 80, 40, -1}, "no size: the defaults"},
      {"height='5mm'", {40, 20, 80, 40, -1}, "a height alone keeps the default size"},
      {"width='50%'", {20, 0, 40, 0, 2}, "half the width, the height by the default aspect"},
      {"width='30mm' height='10mm'", {30, 10, 30, 10, -1}, "both"},
      {"min_width='max' max_width='10mm'", {10, 0, 9900000000.0, 0, 2}, "a minimum above the maximum swaps"},
      {"width='min' max_width='5mm' min_height='2mm'", {1, 2, 5, 2, -1}, "later attributes override"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const ZQXML_Tree tree = ReadElement(std::string("<zqfo_img ") + c.attributes + "/>");
    const ZQFO_BoxSize got = ZQFO_ParseBoxSizeAttributes(*tree.GetRootElement(), ZQ_Point<double>(40, 20),
                                                         ZQ_Point<double>(80, 40));
    EXPECT_EQ(std::vector<double>({got.MinimumX, got.MinimumY, got.MaximumX, got.MaximumY, got.Aspect}),
              std::vector<double>({c.want.MinimumX, c.want.MinimumY, c.want.MaximumX, c.want.MaximumY,
                                   c.want.Aspect}));
  }
  const ZQXML_Tree tree = ReadElement("<zqfo_img/>");
  const ZQFO_BoxSize same = ZQFO_ParseBoxSizeAttributes(*tree.GetRootElement(), ZQ_Point<double>(4, 2),
                                                        ZQ_Point<double>(0, 0));
  EXPECT_EQ(same.MaximumX, 4) << "no default maximum: the minimum";
  const struct {
    ZQ_Point<double> min, max;
  } bad[] = {{{0, 2}, {5, 5}}, {{2, 0}, {5, 5}}, {{6, 2}, {5, 5}}, {{2, 6}, {5, 5}}};
  for (const auto& b : bad) EXPECT_THROW(ZQFO_ParseBoxSizeAttributes(*tree.GetRootElement(), b.min, b.max), ZQ_Exception);
}

TEST(ZQFO_ParseTableCellSizeAttributes, AnyAboveAndPlainLengths) {
  const struct {
    const char* attributes;
    std::vector<double> want;  // minimum and maximum width and height
    std::vector<long> flags;
    const char* why;
  } cases[] = {
      {"width='any'", {1, 9900000000.0, -1, -1}, {1, 1, 0, 0}, "any width"},
      {"width='above 20mm' height='30mm'", {20, 9900000000.0, 30, 30}, {1, 1, 1, 1}, "above a length"},
      {"min_height='5mm'", {-1, -1, 5, -1}, {0, 0, 1, 0}, "a minimum alone"},
      {"width='+ 2mm' height='5'", {-1, -1, -1, -1}, {0, 0, 0, 0}, "no relative forms, no bare numbers"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const ZQXML_Tree tree = ReadElement(std::string("<zqfo_flowcell ") + c.attributes + "/>");
    const ZQFO_TableCellSize got = ZQFO_ParseTableCellSizeAttributes(*tree.GetRootElement());
    EXPECT_EQ(std::vector<double>({got.MinimumWidth, got.MaximumWidth, got.MinimumHeight, got.MaximumHeight}), c.want);
    EXPECT_EQ(std::vector<long>({got.HasMinimumWidth, got.HasMaximumWidth, got.HasMinimumHeight, got.HasMaximumHeight}),
              c.flags);
  }
}
