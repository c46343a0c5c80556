#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "DrawingTestSupport.h"
#include "GlyphTestSupport.h"
#include "ZQF_Color.h"
#include "ZQF_Metrics.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINUSER.h"
#include "ZQR_MemoryDC.h"
#include "ZQ_OperatingSystem.h"

namespace {

class Metrics : public DistinctColorsStageTest {
 protected:
  void TearDown() override {
    ZQF_SetCurrentShellForTesting(0);
    DistinctColorsStageTest::TearDown();
  }
};

TEST(MetricsShell, LevelFromOperatingSystemCodes) {
  const struct {
    int platform, version, level;
    const char* why;
  } cases[] = {
      {ZQ_OperatingSystemPlatform_Win32s, ZQ_OSVersion_Win32s, 1, "Win32s"},
      {ZQ_OperatingSystemPlatform_Win9x, ZQ_OSVersion_Windows95, 2, "Windows 95"},
      {ZQ_OperatingSystemPlatform_Win9x, ZQ_OSVersion_Windows98, 3, "Windows 98"},
      {ZQ_OperatingSystemPlatform_NT, ZQ_OSVersion_WindowsNT40, 2, "NT 4"},
      {ZQ_OperatingSystemPlatform_NT, ZQ_OSVersion_Windows2000, 3, "Windows 2000"},
      {ZQ_OperatingSystemPlatform_Other, ZQ_OSVersion_Unknown, 3, "unrecognised"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQF_GetShellLevel(c.platform, c.version), c.level);
  }
}

// The keys' names stand for numbers that never change (a colour may be
// stored as its key).
TEST(MetricsKeys, EachNameStandsForItsNumber) {
#define KEY(Name, Number) {Name, Number, #Name}
  const struct {
    int key, number;
    const char* name;
  } cases[] = {
      KEY(ZQF_ColorMetric_ActiveBorder, 0), KEY(ZQF_ColorMetric_ActiveCaption, 1),
      KEY(ZQF_ColorMetric_CaptionText, 2), KEY(ZQF_ColorMetric_DarkShadow3D, 3),
      KEY(ZQF_ColorMetric_ButtonShadow, 4), KEY(ZQF_ColorMetric_Light3D, 5),
      KEY(ZQF_ColorMetric_ButtonHighlight, 6), KEY(ZQF_ColorMetric_ButtonFace, 7),
      KEY(ZQF_ColorMetric_ButtonText, 8), KEY(ZQF_ColorMetric_FieldBackground, 9),
      KEY(ZQF_ColorMetric_FieldText, 10), KEY(ZQF_ColorMetric_DocumentBackground, 12),
      KEY(ZQF_ColorMetric_DocumentShade, 13), KEY(ZQF_ColorMetric_DocumentText, 14),
      KEY(ZQF_ColorMetric_InactiveBorder, 15), KEY(ZQF_ColorMetric_InactiveCaption, 16),
      KEY(ZQF_ColorMetric_InactiveCaptionText, 17),
      KEY(ZQF_ColorMetric_SelectionBackground, 24), KEY(ZQF_ColorMetric_SelectionText, 25),
      KEY(ZQF_ColorMetric_TooltipBackground, 28), KEY(ZQF_ColorMetric_TooltipText, 29),
      KEY(ZQF_ColorMetric_HyperlinkBackground, 30), KEY(ZQF_ColorMetric_HyperlinkText, 31),
      KEY(ZQF_ColorMetric_LabelBackground, 32), KEY(ZQF_ColorMetric_LabelText, 33),
      KEY(ZQF_FontMetric_System, 0), KEY(ZQF_FontMetric_AnsiVariable, 3),
      KEY(ZQF_FontMetric_FixedPitch, 4), KEY(ZQF_FontMetric_Caption, 5),
      KEY(ZQF_FontMetric_Button, 6), KEY(ZQF_FontMetric_Field, 7),
      KEY(ZQF_FontMetric_Tooltip, 11), KEY(ZQF_FontMetric_Label, 12),
      KEY(ZQF_FontMetric_SansBold10, 13), KEY(ZQF_FontMetric_SansBold12, 14),
      KEY(ZQF_FontMetric_SansBold14, 15), KEY(ZQF_FontMetric_Mono10, 16),
      KEY(ZQF_SizeMetric_Gap1Px, 0), KEY(ZQF_SizeMetric_Gap2Px, 1),
      KEY(ZQF_SizeMetric_Gap3Px, 2), KEY(ZQF_SizeMetric_Gap4Px, 3),
      KEY(ZQF_SizeMetric_Gap6Px, 4), KEY(ZQF_SizeMetric_Gap8Px, 5),
      KEY(ZQF_SizeMetric_Gap12Px, 6), KEY(ZQF_SizeMetric_Gap16Px, 7),
      KEY(ZQF_SizeMetric_Gap24Px, 8), KEY(ZQF_SizeMetric_Gap32Px, 9),
      KEY(ZQF_SizeMetric_ScrollBar, 10), KEY(ZQF_SizeMetric_ScreenPx, 11),
      KEY(ZQF_SizeMetric_ScreenMm, 12), KEY(ZQF_SizeMetric_DragThreshold, 13),
      KEY(ZQF_SizeMetric_SizingCorner, 14), KEY(ZQF_SizeMetric_FrameMargin, 15),
      KEY(ZQF_SizeMetric_AutoscrollZone, 17), KEY(ZQF_AreaMetric_WorkArea, 0),
      KEY(ZQF_AreaMetric_Screen, 1), KEY(ZQF_TimeMetric_AutorepeatDelay, 0),
      KEY(ZQF_TimeMetric_AutorepeatInterval, 1), KEY(ZQF_TimeMetric_CaretBlink, 2),
      KEY(ZQF_TimeMetric_ListChangeDelay, 3), KEY(ZQF_TimeMetric_LabelTooltipDelay, 4),
      KEY(ZQF_TimeMetric_TooltipDelay, 5), KEY(ZQF_CursorMetric_Arrow, 0),
      KEY(ZQF_CursorMetric_IBeam, 1), KEY(ZQF_CursorMetric_Wait, 2),
      KEY(ZQF_CursorMetric_AppStarting, 3), KEY(ZQF_CursorMetric_ResizeNS, 4),
      KEY(ZQF_CursorMetric_ResizeEW, 5), KEY(ZQF_CursorMetric_ResizeNESW, 6),
      KEY(ZQF_CursorMetric_ResizeNWSE, 7), KEY(ZQF_CursorMetric_ResizePaneNS, 8),
      KEY(ZQF_CursorMetric_ResizePaneEW, 9), KEY(ZQF_CursorMetric_ThinCross, 10),
      KEY(ZQF_CursorMetric_ThickCross, 11), KEY(ZQF_CursorMetric_SelectRow, 12),
      KEY(ZQF_CursorMetric_NoDrop, 13), KEY(ZQF_CursorMetric_Help, 14),
      KEY(ZQF_CursorMetric_Magnify, 15), KEY(ZQF_CursorMetric_PointingHand, 16),
      KEY(ZQF_CursorMetric_Invisible, 17), KEY(ZQF_BrushMetric_FaceCheckerboard, 6),
      KEY(ZQF_BrushMetric_ShadowCheckerboard, 7), KEY(ZQF_BoolMetric_KeyboardCues, 0),
      KEY(ZQF_BoolMetric_FocusIndicators, 1), KEY(ZQF_BitmapMetric_CheckBoxUp, 0),
      KEY(ZQF_BitmapMetric_CheckBoxDown, 1), KEY(ZQF_BitmapMetric_CheckBoxUnknown, 2),
      KEY(ZQF_BitmapMetric_RadioButtonUp, 9), KEY(ZQF_BitmapMetric_RadioButtonDown, 10),
      KEY(ZQF_BitmapMetric_RadioButtonUnknown, 11), KEY(ZQF_BitmapMetric_Question, 18),
      KEY(ZQF_BitmapMetric_Information, 19), KEY(ZQF_BitmapMetric_Warning, 20),
      KEY(ZQF_BitmapMetric_Error, 21),
  };
#undef KEY
  for (const auto& c : cases) EXPECT_EQ(c.key, c.number) << c.name;
}

TEST_F(Metrics, GettersAssertTheirKeyBound) {
  const struct {
    std::function<void()> get;
    const char* condition;
  } cases[] = {
      {[] { ZQF_GetColorMetric(ZQF_ColorMetric_Num); }, "ColorKey < ZQF_ColorMetric_Num"},
      {[] { ZQF_GetFontMetric(ZQF_FontMetric_Num); }, "FontKey < ZQF_FontMetric_Num"},
      {[] { ZQF_GetSizeMetric(ZQF_SizeMetric_Num); }, "SizeMetricKey < ZQF_SizeMetric_Num"},
      {[] { ZQF_GetAreaMetric(ZQF_AreaMetric_Num); }, "AreaMetricKey < ZQF_AreaMetric_Num"},
      {[] { ZQF_GetTimeMetric(ZQF_TimeMetric_Num); }, "TimeMetricKey < ZQF_TimeMetric_Num"},
      {[] { ZQF_GetCursorMetric(ZQF_CursorMetric_Num); }, "CursorMetricKey < ZQF_CursorMetric_Num"},
      {[] { ZQF_GetBrushMetric(ZQF_BrushMetric_Num); }, "BrushMetricKey < ZQF_BrushMetric_Num"},
      {[] { ZQF_GetBitmapMetric(ZQF_BitmapMetric_Num); }, "BitmapMetricKey < ZQF_BitmapMetric_Num"},
      {[] { ZQF_GetBoolMetric(ZQF_BoolMetric_Num); }, "BoolKey < ZQF_BoolMetric_Num"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.condition);
    EXPECT_TRUE(FailedOn(AssertionFailureOf(c.get), c.condition));
  }
}

TEST_F(Metrics, ShellLevelOneUsesTheFallbacksOfLaterColors) {
  ZQF_SetCurrentShellForTesting(1);
  ZQF_ResetMetricsByQueryingSystem();
  const struct {
    int key;
    ZQR_Color expected;
    const char* why;
  } cases[] = {
      {3, ZQR_Color(0, 0, 0), "dark shadow needs level 2"},
      {28, ZQR_Color(255, 255, 228), "tooltip background needs level 2"},
      {31, ZQR_Color(0, 0, 255), "hot light needs level 3"},
      {10, SystemColorOfMetric(COLOR_WINDOWTEXT), "window text from level 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQF_GetColorMetric(c.key), c.expected);
  }
  ZQF_SetCurrentShellForTesting(2);
  ZQF_ResetMetricsByQueryingSystem();
  EXPECT_EQ(ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D), SystemColorOfMetric(COLOR_3DDKSHADOW));
  EXPECT_EQ(ZQF_GetColorMetric(ZQF_ColorMetric_HyperlinkText), ZQR_Color(0, 0, 255));
}

TEST_F(Metrics, ColorThirteenIsAlwaysTheBlendOfTwelveAndFourteen) {
  for (int level : {1, 3}) {
    SCOPED_TRACE(level);
    ZQF_SetCurrentShellForTesting(level);
    ZQF_ResetMetricsByQueryingSystem();
    EXPECT_EQ(ZQF_GetColorMetric(ZQF_ColorMetric_DocumentShade),
              ZQR_BlendColors(ZQF_GetColorMetric(ZQF_ColorMetric_DocumentBackground), ZQF_GetColorMetric(ZQF_ColorMetric_DocumentText), 0.1));
  }
}

// Runs last of the colour tests that read key 5's fallback: the palette
// display changes it for the rest of the run.
TEST_F(Metrics, PaletteDisplayKeepsTheGreyLightFallback) {
  ZQF_SetCurrentShellForTesting(1);
  {
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetDeviceCaps> paletteDisplay(
        [](HDC DC, int Index) { return Index == NUMCOLORS ? 256 : ::GetDeviceCaps(DC, Index); });
    ZQF_ResetMetricsByQueryingSystem();
    EXPECT_EQ(ZQF_GetColorMetric(ZQF_ColorMetric_Light3D), ZQR_Color(192, 192, 192));
  }
  ZQF_ResetMetricsByQueryingSystem();
  EXPECT_EQ(ZQF_GetColorMetric(ZQF_ColorMetric_Light3D), ZQR_Color(192, 192, 192));
}

TEST_F(Metrics, EveryColorGoesThroughTheNearestColor) {
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetNearestColor> nearest(
      [](HDC, COLORREF Color) { return Color & 0x00F0F0F0; });
  ZQF_ResetMetricsByQueryingSystem();
  EXPECT_EQ(ZQF_GetColorMetric(ZQF_ColorMetric_FieldBackground), ZQR_Color(DistinctSystemColor(COLOR_WINDOW) & 0x00F0F0F0));
}

TEST_F(Metrics, TimesAreDefaultsButTheCaretBlink) {
  const long expected[] = {350, 50, long(GetCaretBlinkTime()), 200, 100, 500};
  for (int key = 0; key < ZQF_TimeMetric_Num; ++key) {
    SCOPED_TRACE(key);
    EXPECT_EQ(ZQF_GetTimeMetric(key), expected[key]);
  }
}

// The cursor a key's metric makes Windows show.
HCURSOR AppliedCursor(int Key) {
  HCURSOR applied = nullptr;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::SetCursor> watch([&](HCURSOR Cursor) {
    applied = Cursor;
    return Cursor;
  });
  ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(Key));
  ZQR_Cursor::UseCursor();
  return applied;
}

TEST_F(Metrics, CursorsAreStockOrOurResource) {
  const HINSTANCE program = GetModuleHandleA(nullptr);
  const struct {
    int key;
    HCURSOR expected;
    const char* why;
  } cases[] = {
      {2, LoadCursorA(nullptr, IDC_WAIT), "stock, its resource name ignored"},
      {13, LoadCursorA(nullptr, IDC_NO), "stock"},
      {14, LoadCursorA(program, "ZQF_HelpCursor"), "no stock cursor: the resource"},
      {17, LoadCursorA(program, "ZQF_InvisibleCursor"), "no stock cursor: the resource"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ASSERT_NE(c.expected, nullptr);
    EXPECT_EQ(AppliedCursor(c.key), c.expected);
  }
}

TEST_F(Metrics, MetricContextLastsUntilReleased) {
  const HDC first = ZQF_GetMetricDC().GetHDC();
  EXPECT_EQ(ZQF_GetMetricDC().GetHDC(), first);
  ZQF_ReleaseMetricDC();
  const ZQR_DeviceContext kept = ZQF_GetMetricDC();  // held while the next is made
  ZQF_ReleaseMetricDC();
  EXPECT_NE(ZQF_GetMetricDC().GetHDC(), kept.GetHDC());
}

TEST_F(Metrics, CheckerboardBrushesPaintTheirTwoColors) {
  const struct {
    int key;
    int blackCells, whiteCells;
  } cases[] = {{6, 7, 6}, {7, 3, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    DibSurface surface(8, 8);
    const RECT all{0, 0, 8, 8};
    FillRect(surface.GetHDC(), &all, ZQF_GetBrushMetric(c.key).GetHBRUSH());
    EXPECT_EQ(surface.GetPixel(0, 0), ZQF_GetColorMetric(c.blackCells));
    EXPECT_EQ(surface.GetPixel(1, 0), ZQF_GetColorMetric(c.whiteCells));
    EXPECT_EQ(surface.GetPixel(1, 1), ZQF_GetColorMetric(c.blackCells));
  }
}

ZQR_Color BitmapPixel(const ZQR_Bitmap& Bitmap, long X, long Y) {
  ZQR_MemoryDC dc(nullptr, Bitmap.GetHBITMAP());
  return ZQR_Color(::GetPixel(dc.GetHDC(), X, Y));
}

// The down radio button holds all seven key colours.
TEST_F(Metrics, ButtonPicturesTakeTheMetricColors) {
  const struct {
    long x, y;
    int normal, faceInterior, disabled;
    const char* why;
  } cases[] = {
      {0, 0, 32, 32, 32, "surround"},   {5, 0, 4, 4, 4, "outer shadow"},
      {5, 1, 3, 3, 3, "dark shadow"},   {6, 11, 6, 6, 6, "highlight"},
      {6, 10, 5, 5, 5, "light"},        {5, 3, 9, 32, 32, "interior"},
      {5, 5, 10, 10, 4, "mark"},
  };
  const int key = ZQF_BitmapMetric_RadioButtonDown;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(BitmapPixel(ZQF_GetBitmapMetric(key), c.x, c.y), ZQF_GetColorMetric(c.normal));
    EXPECT_EQ(BitmapPixel(ZQF_GetBitmapMetric(key + 3), c.x, c.y), ZQF_GetColorMetric(c.faceInterior));
    EXPECT_EQ(BitmapPixel(ZQF_GetBitmapMetric(key + 6), c.x, c.y), ZQF_GetColorMetric(c.disabled));
  }
  EXPECT_EQ(ZQF_GetBitmapMetric(ZQF_BitmapMetric_CheckBoxUp).GetSize(), ZQ_Point<long>(13, 13));
  EXPECT_EQ(ZQF_GetBitmapMetric(ZQF_BitmapMetric_Error).GetSize(), ZQ_Point<long>(32, 32));
}

TEST_F(Metrics, SystemChangeRelaysOutEveryGlyphOfEveryWindow) {
  std::vector<RecordingGlyph*> glyphs;
  std::vector<ZQF_Window*> windows;
  for (int w = 0; w < 2; ++w) {
    StackGlyph* client = new StackGlyph("client", nullptr);
    for (int i = 0; i < 2; ++i) {
      RecordingGlyph* leaf = new RecordingGlyph("leaf", nullptr);
      leaf->SetSize(10, 10);
      client->AddChild(leaf, true);
      glyphs.push_back(leaf);
    }
    glyphs.push_back(client);
    ZQF_TopLevelGlyph* root = new ZQF_TopLevelGlyph(client);
    windows.push_back(new ZQF_Window(root));
    root->ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 50, 40));
  }
  for (RecordingGlyph* g : glyphs) g->NumDesiredSizeUpdates = g->NumAcceptLayouts = 0;
  ZQF_NoteSystemMetricsChange();
  for (RecordingGlyph* g : glyphs) {
    EXPECT_EQ(g->NumDesiredSizeUpdates, 1);
    EXPECT_EQ(g->NumAcceptLayouts, 1);
    EXPECT_NE(g->GetBoundingBox().X, ZQF_Glyph::UnsetPosition);
  }
  for (ZQF_Window* w : windows) delete w;
}

TEST(GlyphColor, EqualityByKindThenKeyOrValue) {
  const ZQR_Color red(255, 0, 0);
  ZQF_Color assigned(red);
  assigned = 5;
  const struct {
    ZQF_Color a, b;
    bool equal;
    const char* why;
  } cases[] = {
      {ZQF_Color(), ZQF_Color(ZQF_ColorMetric_LabelText), true, "default names 33"},
      {ZQF_Color(ZQF_ColorMetric_ButtonShadow), ZQF_Color(ZQF_ColorMetric_Light3D), false, "other key"},
      {ZQF_Color(red), ZQF_Color(red), true, "same value"},
      {ZQF_Color(red), ZQF_Color(ZQR_Color(0, 0, 0)), false, "other value"},
      {ZQF_Color(ZQF_ColorMetric_ActiveBorder), ZQF_Color(ZQR_Color(0, 0, 0)), false, "other kind"},
      {assigned, ZQF_Color(ZQF_ColorMetric_Light3D), true, "assigning a key names the metric"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(c.a == c.b, c.equal);
    EXPECT_EQ(c.a != c.b, !c.equal);
  }
}

}  // namespace
