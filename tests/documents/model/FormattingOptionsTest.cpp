#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "DocumentsTestSupport.h"
#include "ZQ_Exception.h"

namespace {

using Record = ZQFO_FormattingOptions::OptionsRef1Type;

struct Options {
  explicit Options(long DeviceKind = 3, bool FixedFont = false, bool ShowsEveryColor = true)
      : canvas(DeviceKind, ShowsEveryColor), factory(canvas, FixedFont, stylesheet) {}
  OptionsById Collect(const std::string& Body) { return CollectOptions(Body, factory); }
  ZQFO_Stylesheet stylesheet;
  TestCanvas canvas;
  ZQFO_FormattingOptionsFactory factory;
};

}  // namespace

// Ids reach the descendants whatever their prefix.
TEST(ZQFO_FormattingOptions, PlainValuesReachTheDescendantsLocalOnesStayOnTheElement) {
  for (const char* prefix : {"", "local_"}) {
    SCOPED_TRACE(prefix);
    Options o;
    OptionsById byId = o.Collect(std::string("<zqfo_blockgroup id='g' ") + prefix +
                                 "text_color='#FF0000'><zqfo_para id='p'/><zqfo_para><zqfo_flowgroup id='f'/>"
                                 "</zqfo_para></zqfo_blockgroup><zqfo_para id='s'/>");
    EXPECT_EQ(byId["g"]->TextColor, ZQR_Color_Red);
    EXPECT_EQ(byId["p"]->TextColor == ZQR_Color_Red, *prefix == 0);
    EXPECT_EQ(byId["s"]->TextColor, ZQR_Color_Black) << "the sibling after the pop";
    EXPECT_EQ(std::string(byId["p"].GetIds().IdPath.GetText()) + byId["f"].GetIds().IdPath.GetText(), "{g}{p}{g}{f}");
  }
}

TEST(ZQFO_FormattingOptions, EqualStatesShareOneRecordMeasuredOnce) {
  Options o;
  const long before = o.canvas.NumFontRealisations;
  OptionsById byId = o.Collect(
      "<zqfo_para id='a' font_height='9 pt'/><zqfo_para id='b' font_height='9 pt'/>"
      "<zqfo_para id='c' text_color='red'/><zqfo_para id='d'/>");
  EXPECT_EQ(&byId["a"].GetOptions(), &byId["b"].GetOptions());
  EXPECT_NE(&byId["a"].GetOptions(), &byId["c"].GetOptions());
  // States: the document, its section and block stream (one), 9 pt, red.
  EXPECT_EQ(o.canvas.NumFontRealisations - before, 3);
  o.canvas.SetFont(byId["a"]->Font);
  const ZQR_FontMetrics measured = o.canvas.GetFontMetrics();
  EXPECT_EQ(byId["a"]->FontMetrics.Height, measured.Height);
  EXPECT_EQ(byId["a"]->FontMetrics.AverageCharWidth, measured.AverageCharWidth);
  EXPECT_LT(byId["a"]->FontMetrics.Height, byId["d"]->FontMetrics.Height);
}

// Each option's part in the identity is shown by the route test, which
// expects a new identity from every single-option change.
TEST(ZQFO_FormattingOptions, TheIdentityLeavesOutTheMetricsAndTheCount) {
  const Record plain;
  Record measured;
  measured.FontMetrics.Height = 5;
  measured.ReferenceCount = 7;
  EXPECT_EQ(measured.ComputeUID(), plain.ComputeUID());
  ZQFO_FormattingOptions::OptionsRef2Type ids;
  ids.IdPath = "{a}";
  EXPECT_NE(ids.ComputeUID(), ZQFO_FormattingOptions::OptionsRef2Type().ComputeUID());
}

TEST(ZQFO_FormattingOptions, TheFactoryStartsFromTheDefaultsAndThePalette) {
  Options o;
  o.stylesheet.SetColor(0, ZQR_Color_Blue);  // the factory took its copy before
  const ZQFO_FormattingOptions options = o.factory.GetFormattingOptions();
  EXPECT_NEAR(options->BlockSpaceBefore, 2.1167, 1e-4);
  EXPECT_EQ(options->BlockSpaceAfter, options->BlockSpaceBefore);
  EXPECT_EQ(std::vector<double>({options->CellLeftMargin, options->CellRightMargin, options->CellTopMargin,
                                 options->CellBottomMargin}),
            std::vector<double>({5, 5, 1, 1}));
  EXPECT_EQ(std::string(options->Font.GetTypeface().GetText()), "Times New Roman");
  EXPECT_EQ(options->Font.GetHeight(), 12.0f);
  EXPECT_EQ(options->TextColor, ZQR_Color_Black);
  EXPECT_EQ(options->BackgroundColor, ZQR_Color_White);
  EXPECT_EQ(options->CellBottomBorderColor, ZQR_Color_Black);
  EXPECT_EQ(ZQFO_Stylesheet().GetPalette()[10], ZQR_Color(255, 255, 228));
  EXPECT_THROW(o.stylesheet.SetColor(11, ZQR_Color_Red), ZQ_Exception);
  EXPECT_THROW(o.factory.PopCurrentOptionsStack(), ZQ_Exception) << "N > 0";
}

TEST(ZQFO_FormattingOptions, AFixedFontIgnoresEveryFontAttribute) {
  Options o(3, true);
  OptionsById byId = o.Collect(
      "<zqfo_para id='p' font_typeface='Arial' font_family='sansserif' font_height='20 pt' "
      "font_weight='bold' line_vertical_alignment='superscript' text_color='red'/>");
  const Record& p = byId["p"].GetOptions();
  ZQR_AbstractFont courier("Courier New", 10, 400, false, 0);
  courier.SetFontFamily(0);
  courier.SetPitch(0);
  EXPECT_TRUE(p.Font == courier);
  EXPECT_EQ(p.LineVerticalAlignment, 0);
  EXPECT_EQ(p.TextColor, ZQR_Color_Red) << "colours are no font attribute";
}

TEST(ZQFO_FormattingOptions, ColoursMapToTheScreenOnlyWithoutEveryRgbColour) {
  const struct {
    long kind;
    bool showsEveryColor;
    ZQR_Color text;
    ZQR_Color background;
    const char* why;
  } cases[] = {
      {0, false, ZQR_Color(0x40, 0x80, 0xC0), ZQR_Color(0xC0, 0xC0, 0xC0), "a screen of few colours"},
      {0, true, ZQR_Color(0x45, 0x85, 0xC5), ZQR_Color_White, "a true-colour screen"},
      {1, false, ZQR_Color(0x45, 0x85, 0xC5), ZQR_Color_White, "a printer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Options o(c.kind, false, c.showsEveryColor);
    OptionsById byId = o.Collect("<zqfo_para id='p' text_color='#4585C5'/>");
    EXPECT_EQ(byId["p"]->TextColor, c.text);
    EXPECT_EQ(byId["p"]->BackgroundColor, c.background) << "the palette passes the setters too";
  }
}

TEST(ZQFO_FormattingOptionsCollector, GrowsByDoublingAndKeepsEveryAddInOrder) {
  Options o;
  const ZQFO_FormattingOptions first = o.factory.GetFormattingOptions();
  o.factory.SetLineSpacing(2, true);
  const ZQFO_FormattingOptions second = o.factory.GetFormattingOptions();
  ZQFO_FormattingOptionsCollector collector;
  std::vector<long> capacities;
  for (int i = 0; i < 7; ++i) {
    collector.Add(i % 3 == 1 ? second : first);
    capacities.push_back(collector.GetCapacity());
  }
  EXPECT_EQ(capacities, std::vector<long>({2, 2, 6, 6, 6, 6, 14}));
  std::vector<double> spacings;
  for (auto it = collector.GetOptionSets(); it.IsValid(); it.Advance()) spacings.push_back((*it)->LineSpacing);
  EXPECT_EQ(spacings, std::vector<double>({1, 2, 1, 1, 2, 1, 1})) << "equal sets are not merged";
}

TEST(ZQFO_CombineBlockBreaks, NeverWinsElseTheLargerCode) {
  // Rows: one block's break after; columns: the next block's break before.
  const long kTable[6][6] = {
      {0, 1, 2, 3, 4, 5}, {1, 1, 1, 1, 1, 1}, {2, 1, 2, 3, 4, 5},
      {3, 1, 3, 3, 4, 5}, {4, 1, 4, 4, 4, 5}, {5, 1, 5, 5, 5, 5},
  };
  for (long a = 0; a < 6; ++a)
    for (long b = 0; b < 6; ++b) {
      SCOPED_TRACE(testing::Message() << a << ", " << b);
      EXPECT_EQ(ZQFO_CombineBlockBreaks(a, b), kTable[a][b]);
      EXPECT_EQ(ZQFO_CombineBreakOptions(a, b), kTable[a][b]);
    }
}
