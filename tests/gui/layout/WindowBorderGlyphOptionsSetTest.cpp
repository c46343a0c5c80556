#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../core/DrawingTestSupport.h"
#include "ZQF_DropdownWindowBorderOptionsSet.h"
#include "ZQF_Help.h"
#include "ZQF_Metrics.h"
#include "ZQF_WindowBorderGlyphOptionsSet.h"

namespace {

using Options = ZQF_WindowBorderGlyphOptionsSet;

std::string Text(const ZQ_Point<long>& P) {
  return "(" + std::to_string(P.X) + ", " + std::to_string(P.Y) + ")";
}

std::string Text(const ZQF_Color& C) {
  return C.IsMetric() ? "metric " + std::to_string(C.GetKey()) : "explicit";
}

// The stored values, by getter in slot order (HasTitleBar first), as texts.
std::vector<std::string> StoredValues(Options& O) {
  return {std::to_string(O.HasTitleBar()), O.GetTitle().GetText(),
          Text(O.GetBitmap().GetSize()), std::to_string(O.ShowTitleText()),
          std::to_string(O.ShowBitmap()), std::to_string(O.GetTitleBarHeightOverride()),
          std::to_string(O.GetOuterEdgeBorderCode()), Text(O.GetTitleBarMargin()),
          Text(O.GetOuterBorderSize()), Text(O.GetInnerBorderSize()), Text(O.GetClientMargin()),
          std::to_string(O.GetTitleBarGap()), Text(O.GetCornerThreshold()),
          std::to_string(O.GetTitleHorizontalAlignment()),
          std::to_string(O.GetTitleVerticalAlignment()), std::to_string(O.ShowCloseButton()),
          std::to_string(O.ShowHelpButton()), std::to_string(O.ShowMinimizeButton()),
          std::to_string(O.ShowMaximizeButton()), std::to_string(O.ShowSizeGrip()),
          std::to_string(O.IsMinimized()), std::to_string(O.IsMaximized()),
          std::to_string(O.IsMovable()), std::to_string(O.IsResizable()),
          Text(O.GetActiveTitleBarColor()), Text(O.GetActiveTitleTextColor()),
          Text(O.GetInactiveTitleBarColor()), Text(O.GetInactiveTitleTextColor()),
          std::to_string(O.IsHiddenInFullScreen()), std::to_string(O.CanMaximizeByDoubleClick())};
}

// The stored values with the default metrics, slot by slot.
std::vector<std::string> Defaults(bool HelpAvailable) {
  return {"1", "", "(2, 2)", "1", "0", "0",  // title bar: a blank 2 x 2 image, computed height
          "5", "(2, 1)", "(1, 1)", "(1, 1)", "(6, 6)", "8", "(16, 16)",  // edge and sizes
          "0", "1",                                        // title left, centred
          "1", HelpAvailable ? "1" : "0", "0", "0", "1",   // buttons, size grip
          "0", "0", "1", "1",                              // state, moving and sizing
          "metric 1", "metric 2", "metric 16", "metric 17",  // caption colours
          "0", "0"};                                       // full screen, double click
}

class WindowBorderOptions : public GuiStageTest {
 protected:
  void TearDown() override {
    ZQF_Help_RegisterModule(savedHelp);
    GuiStageTest::TearDown();
  }
  void SetHelpAvailable(bool Available) {
    ZQF_Help_Module help;
    if (Available) help.HelpAvailable = [] { return true; };
    ZQF_Help_RegisterModule(help);
  }

  ZQF_Help_Module savedHelp = ZQF_Help_RegisterModule(ZQF_Help_Module());
};

TEST_F(WindowBorderOptions, DefaultsComeFromTheMetricsAndTheHelpModule) {
  for (bool help : {false, true}) {
    SCOPED_TRACE(help ? "help available" : "no help");
    SetHelpAvailable(help);
    Options plain;
    ZQF_DropdownWindowBorderOptionsSet dropdown;
    EXPECT_EQ(StoredValues(plain), Defaults(help));
    EXPECT_EQ(StoredValues(dropdown), Defaults(help));
  }
}

// Each setter with a value other than its default, and where it shows.
const struct {
  const char* why;
  void (*set)(Options&);
  size_t slot;  // 1 for HasTitleBar
  const char* stored;
} kSetters[] = {
    {"SetHasTitleBar", [](Options& O) { O.SetHasTitleBar(false); }, 1, "0"},
    {"SetTitle", [](Options& O) { O.SetTitle(ZQ_String("Weather")); }, 2, "Weather"},
    {"SetBitmap",
     [](Options& O) {
       O.SetBitmap(ZQF_ButtonImage(ZQIMG_Image(3, 4, 24), ZQR_Color_LightGray, ZQR_Color_Black));
     },
     3, "(3, 4)"},
    {"SetOuterEdgeBorderCode", [](Options& O) { O.SetOuterEdgeBorderCode(0); }, 7, "0"},
    {"SetOuterBorderSize", [](Options& O) { O.SetOuterBorderSize(3, 4); }, 9, "(3, 4)"},
    {"SetInnerBorderSize", [](Options& O) { O.SetInnerBorderSize(5, 6); }, 10, "(5, 6)"},
    {"SetClientMargin", [](Options& O) { O.SetClientMargin(0, 7); }, 11, "(0, 7)"},
    {"SetTitleBarGap", [](Options& O) { O.SetTitleBarGap(2); }, 12, "2"},
    {"SetShowCloseButton", [](Options& O) { O.SetShowCloseButton(false); }, 16, "0"},
    {"SetShowHelpButton", [](Options& O) { O.SetShowHelpButton(true); }, 17, "1"},
    {"SetShowSizeGrip", [](Options& O) { O.SetShowSizeGrip(false); }, 20, "0"},
    {"SetMovable", [](Options& O) { O.SetMovable(false); }, 23, "0"},
    {"SetResizable", [](Options& O) { O.SetResizable(false); }, 24, "0"},
};

TEST_F(WindowBorderOptions, EachSetterStoresItsOwnValueOnly) {
  for (const auto& c : kSetters) {
    SCOPED_TRACE(c.why);
    Options options;
    c.set(options);
    std::vector<std::string> expected = Defaults(false);
    expected[c.slot - 1] = c.stored;
    EXPECT_EQ(StoredValues(options), expected);
  }
}

TEST_F(WindowBorderOptions, ResetToDefaultUndoesTheSettersAndAsksForHelpAgain) {
  Options options;
  for (const auto& c : kSetters) c.set(options);
  SetHelpAvailable(true);
  options.ResetToDefault();
  EXPECT_EQ(StoredValues(options), Defaults(true));
}

TEST_F(WindowBorderOptions, MetricColoursAndTheCaptionFontAreReadAtEachCall) {
  Options options;
  const ZQR_ConcreteFont oldFont = options.GetActiveTitleFont();
  ZQF_ResetMetricsByQueryingSystem();  // a new caption font
  EXPECT_FALSE(ZQF_GetFontMetric(ZQF_FontMetric_Caption) == oldFont);
  EXPECT_TRUE(options.GetActiveTitleFont() == ZQF_GetFontMetric(ZQF_FontMetric_Caption));
  EXPECT_TRUE(options.GetInactiveTitleFont() == ZQF_GetFontMetric(ZQF_FontMetric_Caption));

  const struct {
    const char* why;
    std::function<ZQR_Color()> get;
    int key;
  } cases[] = {
      {"active frame", [&] { return options.GetActiveFrameColor(); }, 0},
      {"inactive frame", [&] { return options.GetInactiveFrameColor(); }, 15},
      {"face", [&] { return options.GetFaceColor(); }, 32},
      {"grip shadow", [&] { return options.GetSizeGripShadowColor(); }, 4},
      {"grip highlight", [&] { return options.GetSizeGripHighlightColor(); }, 6},
      {"client background", [&] { return options.GetClientBackgroundColor(); }, 32},
      {"active title bar", [&] { return options.GetActiveTitleBarColor().GetColor(); }, 1},
      {"active title text", [&] { return options.GetActiveTitleTextColor().GetColor(); }, 2},
      {"inactive title bar", [&] { return options.GetInactiveTitleBarColor().GetColor(); }, 16},
      {"inactive title text", [&] { return options.GetInactiveTitleTextColor().GetColor(); }, 17},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const ZQR_Color changed(c.key * 7, 255 - c.key, 3);
    ZQF_SetColorMetricForTesting(c.key, changed);
    EXPECT_EQ(c.get(), changed);
  }
}

// A subclass supplies a value that has no setter.
class MaximizableOptions : public ZQF_DropdownWindowBorderOptionsSet {
 public:
  bool ShowMaximizeButton() override { return true; }
};

TEST_F(WindowBorderOptions, ASubclassShowingTheMaximizeButtonMaximizesByDoubleClick) {
  const std::unique_ptr<Options> options(new MaximizableOptions);
  EXPECT_TRUE(options->CanMaximizeByDoubleClick());
}

}  // namespace
