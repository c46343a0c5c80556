// Offscreen button drawing in distinct system colours: the raised and the
// pressed frame with the content shift, the focus indicator inside the
// frame, and a bitmap button's picture in the button colours, centred or
// stretched, greyed when disabled.
#include <gtest/gtest.h>

#include "../core/DrawingTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardTextButtonGlyph.h"

namespace {

using ButtonDrawing = DistinctColorsStageTest;
using B = ZQF_ButtonGlyph;

// The black pixels of the 12 x 10 test arrow: rows 2 to 7, 2 to 12 wide.
const long kArrowInk = 2 + 4 + 6 + 8 + 10 + 12;

ZQR_Color Metric(int Key) { return ZQF_GetColorMetric(Key); }

// The smallest rectangle of the pixels inside Within for which Test holds.
template <class Test>
ZQ_Rectangle<long> BoxWhere(const ZQ_Rectangle<long>& Within, Test Holds) {
  long left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  for (long y = Within.Y; y < Within.Y + Within.Height; ++y) {
    for (long x = Within.X; x < Within.X + Within.Width; ++x) {
      if (!Holds(x, y)) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return ZQ_Rectangle<long>();
  return ZQ_Rectangle<long>(left, top, right - left + 1, bottom - top + 1);
}

ZQ_Rectangle<long> ColorBox(const DibSurface& S, const ZQR_Color& C, const ZQ_Rectangle<long>& R) {
  return BoxWhere(R, [&](long X, long Y) { return S.GetPixel(X, Y) == C; });
}

long CountIn(const DibSurface& S, const ZQR_Color& C, const ZQ_Rectangle<long>& R) {
  long count = 0;
  for (long y = R.Y; y < R.Y + R.Height; ++y)
    for (long x = R.X; x < R.X + R.Width; ++x) count += S.GetPixel(x, y) == C;
  return count;
}

void DrawInto(ZQF_Glyph& Button, DibSurface& Surface, bool OnFocusPath, long KeyboardCues) {
  ZQF_Canvas canvas(Surface.GetHDC(), Surface.NewWholeRegion(), OnFocusPath);
  canvas.SetKeyboardCues(KeyboardCues);
  Button.Draw(canvas);
}

ZQ_Rectangle<long> Deflated(ZQ_Rectangle<long> R, const ZQ_Point<long>& By) {
  R.Deflate(By.X, By.Y);
  return R;
}

ZQ_Rectangle<long> Moved(ZQ_Rectangle<long> R, const ZQ_Point<long>& By) {
  R.X += By.X;
  R.Y += By.Y;
  return R;
}

TEST_F(ButtonDrawing, RaisedAndPressedFramesAndTheContentShift) {
  const long W = 60, H = 24;
  struct Case {
    const char* name;
    int state;
    bool pressedLook;
    int outerTop, innerTop, outerBottom, innerBottom;  // colour metric keys
  } cases[] = {{"raised", B::State_Up, false, 6, 5, 3, 4},
               {"pressed look", B::State_Up, true, 4, 3, 6, 5},
               {"state down", B::State_Down, false, 4, 3, 6, 5}};
  ZQ_Rectangle<long> raisedText;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ZQF_StandardTextButtonGlyph button("OK", B::ToggleMode_TwoState, c.state);
    LayOut(button, Box(0, 0, W, H));
    button.SetPressedLook(c.pressedLook);
    DibSurface surface(W, H);
    DrawInto(button, surface, false, 3);
    EXPECT_EQ(surface.GetPixel(W / 2, 0), Metric(c.outerTop));
    EXPECT_EQ(surface.GetPixel(W / 2, 1), Metric(c.innerTop));
    EXPECT_EQ(surface.GetPixel(W / 2, H - 1), Metric(c.outerBottom));
    EXPECT_EQ(surface.GetPixel(W / 2, H - 2), Metric(c.innerBottom));
    EXPECT_EQ(surface.GetPixel(3, H / 2), Metric(7));
    const ZQ_Rectangle<long> text = ColorBox(surface, Metric(8), Box(0, 0, W, H));
    ASSERT_GT(text.Width, 0);
    if (c.state == B::State_Up && !c.pressedLook) {
      raisedText = text;
    } else {
      EXPECT_EQ(text, Moved(raisedText, ZQF_GetSizeMetric(0)));
    }
  }
}

// The pixels the focus indicator changes, against the same button drawn
// off the focus path.
TEST_F(ButtonDrawing, FocusIndicatorInsideTheFrame) {
  const long W = 60, H = 24;
  const ZQ_Rectangle<long> face = Deflated(Box(0, 0, W, H), ZQF_Canvas::GetBorderSize(5));
  struct Case {
    const char* name;
    bool bitmap;
    long cues;
    ZQ_Rectangle<long> changed;
  } cases[] = {{"text button", false, 3, Deflated(face, ZQF_GetSizeMetric(0))},
               {"bitmap button", true, 3, face},
               {"focus cues off", false, 2, ZQ_Rectangle<long>()}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<ZQF_StandardButtonGlyph> button;
    if (c.bitmap) {
      button.reset(new ZQF_StandardBitmapButtonGlyph("ZQTEST_ArrowButtonBitmap",
                                                     B::ToggleMode_OneState, B::State_Up));
    } else {
      button.reset(new ZQF_StandardTextButtonGlyph("OK", B::ToggleMode_OneState, B::State_Up));
    }
    LayOut(*button, Box(0, 0, W, H));
    DibSurface plain(W, H), focused(W, H);
    DrawInto(*button, plain, false, c.cues);
    DrawInto(*button, focused, true, c.cues);
    EXPECT_EQ(
        BoxWhere(Box(0, 0, W, H),
                 [&](long X, long Y) { return plain.GetPixel(X, Y) != focused.GetPixel(X, Y); }),
        c.changed);
  }
}

TEST_F(ButtonDrawing, BitmapPictureInTheButtonColours) {
  const long W = 40, H = 24;
  const ZQ_Rectangle<long> content =
      Deflated(Deflated(Box(0, 0, W, H), ZQF_Canvas::GetBorderSize(5)), ZQF_GetSizeMetric(0));
  // The arrow's ink, centred: its rows 2 to 7, its whole width.
  const ZQ_Rectangle<long> centred(content.X + (content.Width - 12) / 2,
                                   content.Y + (content.Height - 10) / 2 + 2, 12, 6);
  struct Case {
    const char* name;
    bool enabled, pressed;
    long symbolInk, shadowInk;  // in the content box
    ZQ_Rectangle<long> symbolBox;
  } cases[] = {
      {"enabled", true, false, kArrowInk, 0, centred},
      {"pressed", true, true, kArrowInk, 0, Moved(centred, ZQF_GetSizeMetric(0))},
      {"disabled: greyed", false, false, 0, kArrowInk, ZQ_Rectangle<long>()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ZQF_StandardBitmapButtonGlyph button("ZQTEST_ArrowButtonBitmap", B::ToggleMode_OneState,
                                         B::State_Up);
    button.SetStretchImage(false);
    LayOut(button, Box(0, 0, W, H));
    button.SetEnabled(c.enabled);
    button.SetPressedLook(c.pressed);
    DibSurface surface(W, H);
    DrawInto(button, surface, false, 3);
    const ZQ_Rectangle<long> inside =
        Moved(content, c.pressed ? ZQF_GetSizeMetric(0) : ZQ_Point<long>(0, 0));
    EXPECT_EQ(CountIn(surface, Metric(8), inside), c.symbolInk);
    EXPECT_EQ(CountIn(surface, Metric(4), inside), c.shadowInk);
    EXPECT_EQ(CountIn(surface, ZQR_Color(0, 0, 0), inside), 0);
    EXPECT_EQ(CountIn(surface, ZQR_Color(192, 192, 192), inside), 0);
    EXPECT_EQ(ColorBox(surface, Metric(8), inside), c.symbolBox);
  }
}

// Stretched, the arrow's widest row spans the content box.
TEST_F(ButtonDrawing, StretchedBitmapFillsTheContentBox) {
  const long W = 64, H = 34;
  ZQF_StandardBitmapButtonGlyph button("ZQTEST_ArrowButtonBitmap", B::ToggleMode_OneState,
                                       B::State_Up);
  LayOut(button, Box(0, 0, W, H));
  DibSurface surface(W, H);
  DrawInto(button, surface, false, 3);
  const ZQ_Rectangle<long> content =
      Deflated(Deflated(Box(0, 0, W, H), ZQF_Canvas::GetBorderSize(5)), ZQF_GetSizeMetric(0));
  const ZQ_Rectangle<long> ink = ColorBox(surface, Metric(8), content);
  EXPECT_EQ(ink.X, content.X);
  EXPECT_EQ(ink.Width, content.Width);
  EXPECT_GT(ink.Height, 6);
}

}  // namespace
