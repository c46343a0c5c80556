// The text edit control's measures and drawing: desired sizes per mode,
// the growing editor, both fixed-size forms, x to column with its tie rule,
// the hit zones, scrolling to the caret and the 16-bit ScrollX cap, and the
// pixels: selection colours on the focus path only, the disabled colours,
// the inverted caret and the background-selected margins.
#include <gtest/gtest.h>

#include "../core/DrawingTestSupport.h"
#include "TextEditTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQLOW_WINBASE.h"
#include "ZQ_OperatingSystem.h"

namespace {

using TextEditDisplay = DistinctColorsStageTest;
using R = ZQ_Rectangle<long>;
using E = ZQF_TextEditGlyph;

struct Measures {
  long lineHeight, extra, fontHeight, maxWidth, borderX, borderY;
};

Measures MeasuresOfFontMetric7() {
  const ZQR_ConcreteFont& font = ZQF_GetFontMetric(ZQF_FontMetric_Field);
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  const long border = ZQF_Canvas::GetBorderSize(3).X;
  const ZQ_Point<long> margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px);
  return {font.GetHeight(dc) + font.GetExternalLeading(dc),
          font.GetExternalLeading(dc),
          font.GetHeight(dc),
          font.GetMaxCharWidth(dc),
          2 * margin.X + 2 * border,
          2 * margin.Y + 2 * border};
}

// Laid out at its natural size: a growing editor shows 2 to 10 lines, and
// its scroll bar beyond 10.
TEST_F(TextEditDisplay, DesiredSizesPerMode) {
  const Measures m = MeasuresOfFontMetric7();
  const char* const fifteen = "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15";
  const struct {
    int mode;
    const char* text;
    long lines, minimumLines, maximumY;
    bool bar;
  } cases[] = {{0, "a", 1, 1, -1, false},
               {1, "a\nb\nc", 3, 1, 0x20000000, false},
               {2, "a", 2, 2, -1, false},
               {2, fifteen, 10, 10, -1, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    auto* edit = new RecordingTextEdit(c.mode);
    TextEditRig rig(edit);
    edit->SetValue(c.text);
    edit->MarkLayoutStale();
    edit->UpdateDesiredSize();
    const ZQF_DesiredSize& size = edit->GetDesiredSize();
    const long natural = m.lineHeight * c.lines - m.extra + m.borderY;
    EXPECT_EQ(size.Natural.Y, natural);
    EXPECT_EQ(size.Minimum.Y, m.lineHeight * c.minimumLines - m.extra + m.borderY);
    EXPECT_EQ(size.Maximum.Y, c.maximumY < 0 ? natural : c.maximumY);
    EXPECT_EQ(size.Natural.X, m.borderX + 0x20000000);
    EXPECT_EQ(size.Minimum.X, m.borderX + m.maxWidth);
    rig.Root->LayoutChild(edit, ZQ_Point<long>(10, 10), ZQ_Point<long>(200, natural));
    EXPECT_EQ(edit->GetNumVisibleLines(), c.lines);
    EXPECT_EQ(edit->Util_GetVerticalScrollBar()->GetBoundingBox().Width,
              c.bar ? ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar).X : 0);
    rig.Key(ZQF_Key_End, false, true);
    EXPECT_EQ(edit->Util_GetVerticalScrollBar()->GetSliderPosition(), c.bar ? 5 : 0);
  }
}

TEST_F(TextEditDisplay, FixedSizesInCharactersOrBySample) {
  const Measures m = MeasuresOfFontMetric7();
  const long allowance = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X;
  const long sample = ZQF_GetFontMetric(ZQF_FontMetric_Field).GetSize(ZQF_GetMetricDC(), "Sample 12").X;
  const struct {
    const char* why;
    long characters;
    const char* sample;
    bool fixedWidth, fixedHeight;
    long width;
  } cases[] = {
      {"4 characters, fixed", 4, nullptr, true, true, m.borderX + allowance + 4 * m.maxWidth},
      {"0 characters count as 1", 0, nullptr, true, false, m.borderX + allowance + m.maxWidth},
      {"a sample, stretching", 0, "Sample 12", false, true, m.borderX + allowance + sample},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    auto* edit = new RecordingTextEdit(1);
    TextEditRig rig(edit);
    if (c.sample) {
      edit->SetFixedSize(c.sample, 3, c.fixedWidth, c.fixedHeight);
    } else {
      edit->SetFixedSize(c.characters, 3, c.fixedWidth, c.fixedHeight);
    }
    rig.Root->UpdateDesiredSize();
    const ZQF_DesiredSize& size = edit->GetDesiredSize();
    const long height = 3 * m.lineHeight - m.extra + m.borderY;
    EXPECT_FALSE(edit->GetComputesDesiredSize());
    EXPECT_EQ(size.Natural, ZQ_Point<long>(c.width, height));
    EXPECT_EQ(size.Minimum, size.Natural);
    EXPECT_EQ(size.Maximum.X, c.fixedWidth ? c.width : 0x10000000);
    EXPECT_EQ(size.Maximum.Y, c.fixedHeight ? height : 0x10000000);
  }
  TextEditRig rig(new ZQF_TextEditGlyph(1));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { rig.Edit->ComputeHeightToHoldNLines(0); }),
                       "0 < NumLines"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { rig.Edit->ComputeWidthToHoldNChars(-1); }),
                       "0 <= NumChars"));
}

// The nearer boundary wins, a tie goes left; past the end only when allowed.
TEST_F(TextEditDisplay, XToColumnTiesGoLeft) {
  auto* edit = new RecordingTextEdit(1);
  TextEditRig rig(edit);
  edit->SetValue("MM");
  const long w = ZQF_GetFontMetric(ZQF_FontMetric_Field).GetWidthTable(ZQF_GetMetricDC())['M'];
  const long space = ZQF_GetFontMetric(ZQF_FontMetric_Field).GetWidthTable(ZQF_GetMetricDC())[' '];
  const struct {
    long x;
    bool beyond;
    long column;
  } cases[] = {{w / 2, false, 0},
               {w / 2 + 1, false, 1},
               {w + w / 2 + 1, false, 2},
               {2 * w + 3 * space, false, 2},
               {2 * w + 3 * space, true, 5},
               {-5, false, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    edit->SetCaretBeyondLineEnd(c.beyond);
    if (w % 2 == 1 && c.x == w / 2) continue;  // no exact tie in an odd width
    EXPECT_EQ(edit->Util_LineXCoordinateToColumn(0, c.x), c.column);
    EXPECT_EQ(edit->Util_LineColumnToXCoordinate(0, c.column),
              std::min(c.column, 2L) * w + std::max(0L, c.column - 2) * space);
  }
}

TEST_F(TextEditDisplay, HitZonesAroundTheTextArea) {
  auto* edit = new RecordingTextEdit(1);
  TextEditRig rig(edit);
  const R text = edit->Util_GetTextArea();
  const long margin = edit->Cust_GetLeftMargin();
  const long bottom = text.Y + ZQF_GetFontMetric(ZQF_FontMetric_Field).GetHeight(ZQF_GetMetricDC()) +
                      edit->Util_GetLineHeight() * (edit->GetNumVisibleLines() - 1);
  const struct {
    const char* why;
    long x, y;
    int zoneX, zoneY;
    long valueX, valueY;
  } cases[] = {
      {"inside", text.X + 5, text.Y + 3, 0, 0, 5, 3},
      {"in the left margin", text.X - margin, text.Y, 0, 0, -margin, 0},
      {"left of the margin, above", text.X - margin - 4, text.Y - 3, 1, 1, 4, 3},
      {"right", text.X + text.Width + 2, text.Y, 2, 0, 2, 0},
      {"below the last visible characters", text.X, bottom + 1, 0, 2, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const E::HitCheck hit = edit->Util_PerformHitCheck(ZQ_Point<long>(c.x, c.y));
    EXPECT_EQ(hit.ZoneX, c.zoneX);
    EXPECT_EQ(hit.ZoneY, c.zoneY);
    EXPECT_EQ(hit.ValueX, c.valueX);
    EXPECT_EQ(hit.ValueY, c.valueY);
  }
}

// End scrolls the caret into view, Home back; Win32s and Windows 95/98/Me
// draw with 16-bit coordinates, so there the offset stops at 20000.
TEST_F(TextEditDisplay, ScrollingToTheCaretAndThe16BitCap) {
  for (DWORD platform : {VER_PLATFORM_WIN32_WINDOWS, VER_PLATFORM_WIN32_NT}) {
    SCOPED_TRACE(platform);
    {
      const ZQLOW_WIN_FakeCall<&ZQLOW_WINBASE::Calls::GetVersionExA> version(
          [platform](LPOSVERSIONINFOA Info) {
            Info->dwPlatformId = platform;
            Info->dwMajorVersion = platform == VER_PLATFORM_WIN32_NT ? 6 : 4;
            Info->dwMinorVersion = 10;
            return TRUE;
          });
      DetectOperatingSystem();
    }
    auto* edit = new RecordingTextEdit(0);
    TextEditRig rig(edit, 100, 30);
    edit->SetValue(ZQ_String('W', 5000));
    rig.Key(ZQF_Key_End);
    const long wanted = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X + edit->GetCaretX() - edit->Util_GetTextArea().Width;
    ASSERT_GT(wanted, 20000);
    EXPECT_EQ(edit->GetScrollX(), platform == VER_PLATFORM_WIN32_NT ? wanted : 20000);
    rig.Key(ZQF_Key_Home);
    EXPECT_EQ(edit->GetScrollX(), 0);
  }
  DetectOperatingSystem();
}

// --- Pixels.

struct DrawnEdit {
  explicit DrawnEdit(RecordingTextEdit* Edit) : Rig(Edit, 200, 60), Surface(220, 80) {}
  void Draw(bool OnFocusPath) {
    Surface.Clear();
    ZQF_Canvas canvas(Surface.GetHDC(), Surface.NewWholeRegion(), OnFocusPath);
    Rig.Root->Draw(canvas);
  }
  // How many pixels of Area (control-local) have Color.
  long Count(const R& Area, const ZQR_Color& Color) const {
    long n = 0;
    for (long y = Area.Y; y < Area.Y + Area.Height; ++y) {
      for (long x = Area.X; x < Area.X + Area.Width; ++x)
        n += Surface.GetPixel(x + 10, y + 10) == Color;
    }
    return n;
  }
  ZQR_Color At(long X, long Y) const { return Surface.GetPixel(X + 10, Y + 10); }
  TextEditRig Rig;
  DibSurface Surface;
};

ZQR_Color Metric(int Key) { return ZQF_GetColorMetric(Key); }
ZQR_Color Inverted(const ZQR_Color& C) {
  return ZQR_Color(255 - C.GetRed(), 255 - C.GetGreen(), 255 - C.GetBlue());
}

TEST_F(TextEditDisplay, SelectionColoursOnlyOnTheFocusPathAndDisabledColours) {
  const struct {
    const char* why;
    bool focus, enabled;
    int background, text;  // colour metrics of the selected run
  } cases[] = {
      {"focused", true, true, 24, 25},
      {"not focused", false, true, 9, 10},
      {"disabled", true, false, 32, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    auto* edit = new RecordingTextEdit(1);
    DrawnEdit drawn(edit);
    edit->SetValue("MMMM MMMM");
    edit->Select(0, 0, 4);
    edit->SetEnabled(c.enabled);
    drawn.Draw(c.focus);
    const R text = edit->Util_GetTextArea();
    const long run = edit->Util_LineColumnToXCoordinate(0, 4);
    const R selected(text.X, text.Y, run, edit->Util_GetLineHeight());
    EXPECT_GT(drawn.Count(selected, Metric(c.background)), selected.Width * 2);
    EXPECT_GT(drawn.Count(selected, Metric(c.text)), 0);
    const R rest(text.X + text.Width - 25, text.Y, 20, edit->Util_GetLineHeight());
    EXPECT_EQ(drawn.Count(rest, Metric(c.enabled ? 9 : 32)), rest.Width * rest.Height);
  }
}

// Inverted where the caret stands: insert mode the allowance wide,
// overwrite mode past the end a space wide; never read-only or unfocused.
TEST_F(TextEditDisplay, TheCaretIsInverted) {
  const long space = ZQF_GetFontMetric(ZQF_FontMetric_Field).GetWidthTable(ZQF_GetMetricDC())[' '];
  const struct {
    const char* why;
    unsigned long options;
    bool focus;
    long width;  // 0: no caret
  } cases[] = {
      {"insert mode", 0, true, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X},
      {"overwrite past the end", E::Option_OverwriteMode, true, space},
      {"unfocused", 0, false, 0},
      {"read-only", E::Option_ReadOnly, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    auto* edit = new RecordingTextEdit(1);
    DrawnEdit drawn(edit);
    edit->SetValue("MM");
    edit->Set(c.options);
    edit->Imp_MoveCaret(0, 2, false);
    E::ResetCaretBlinkTimer();
    drawn.Draw(c.focus);
    const R caret = edit->Util_ComputeCaretRect();
    const ZQR_Color caretColor = Inverted(Metric(9));
    EXPECT_EQ(drawn.Count(caret, caretColor), c.width ? c.width * caret.Height : 0);
    const R beside(caret.X + c.width, caret.Y, 3, caret.Height);
    EXPECT_EQ(drawn.Count(beside, caretColor), 0);
  }
}

// Whole-field highlight of a field that took the focus: into the margins
// by size metric 0, or over the whole margin ring with option bit 7.
TEST_F(TextEditDisplay, BackgroundSelectedMargins) {
  const long reach = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px).X;
  const long margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X;
  ASSERT_GT(margin, reach);
  for (bool ring : {false, true}) {
    SCOPED_TRACE(ring);
    auto* edit = new RecordingTextEdit(0);
    DrawnEdit drawn(edit);
    edit->SetValue("MM");
    edit->SetSelectionFillsMargins(ring);
    edit->SelectAll();
    edit->Util_EnterBackgroundSelectedState();
    drawn.Draw(true);
    const R text = edit->Util_GetTextArea();
    const long y = text.Y + text.Height / 2;
    EXPECT_EQ(drawn.At(text.X + text.Width - 1, y), Metric(24));
    EXPECT_EQ(drawn.At(text.X - reach, y), Metric(24));
    EXPECT_EQ(drawn.At(text.X - margin, y), Metric(ring ? 24 : 9));
    EXPECT_EQ(drawn.Count(edit->Util_ComputeCaretRect(), Inverted(Metric(24))), 0);
    EXPECT_GT(drawn.Count(text, Metric(25)), 0) << "the text shows on the highlight";
  }
}

}  // namespace
