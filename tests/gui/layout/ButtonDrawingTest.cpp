// Offscreen button drawing in distinct system colours: raised and pressed
// frames with the content shift, the focus indicator inside the frame, text
// alignment, bitmap pictures in the button colours (centred, stretched,
// greyed) and the glyph's box restored after drawing.
#include <gtest/gtest.h>

#include <stdexcept>

#include "../core/DrawingTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardTextButtonGlyph.h"

namespace {

using ButtonDrawing = DistinctColorsStageTest;
const char* const kArrow = "ZQTEST_ArrowButtonBitmap";  // 12 x 10, ink in rows 2 to 7
const long kArrowInk = 2 + 4 + 6 + 8 + 10 + 12;

ZQR_Color Metric(int Key) { return ZQF_GetColorMetric(Key); }

ZQ_Rectangle<long> Shrunk(ZQ_Rectangle<long> R, const ZQ_Point<long>& By) {
  R.Deflate(By.X, By.Y);
  return R;
}

ZQ_Rectangle<long> Moved(const ZQ_Rectangle<long>& R, const ZQ_Point<long>& By) {
  return ZQ_Rectangle<long>(R.X + By.X, R.Y + By.Y, R.Width, R.Height);
}

// The smallest rectangle around the pixels in R for which Holds (x, y).
template <class Test>
ZQ_Rectangle<long> BoxWhere(const ZQ_Rectangle<long>& R, Test Holds) {
  long left = R.X + R.Width, top = R.Y + R.Height, right = -1, bottom = -1;
  for (long y = R.Y; y < R.Y + R.Height; ++y) {
    for (long x = R.X; x < R.X + R.Width; ++x) {
      if (!Holds(x, y)) continue;
      left = std::min(left, x), top = std::min(top, y);
      right = std::max(right, x), bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? ZQ_Rectangle<long>() : Box(left, top, right - left + 1, bottom - top + 1);
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

// Lays Button out at (0, 0) in the surface's size and draws it.
void DrawInto(ZQF_Glyph& Button, DibSurface& Surface, const ZQ_Rectangle<long>& Place,
              bool OnFocusPath = false, long KeyboardCues = 3) {
  LayOut(Button, Place);
  ZQF_Canvas canvas(Surface.GetHDC(), Surface.NewWholeRegion(), OnFocusPath);
  canvas.SetKeyboardCues(KeyboardCues);
  Button.Draw(canvas);
}

TEST_F(ButtonDrawing, RaisedAndPressedFramesAndTheContentShift) {
  const long W = 60, H = 24;
  const struct {
    const char* name;
    int state;
    bool pressedLook;
    int outerTop, innerTop, outerBottom, innerBottom;  // colour metric keys
  } cases[] = {{"raised", 0, false, 6, 5, 3, 4},
               {"pressed look", 0, true, 4, 3, 6, 5},
               {"state down", 1, false, 4, 3, 6, 5}};
  ZQ_Rectangle<long> raisedText;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ZQF_StandardTextButtonGlyph button("OK", 1, c.state);
    button.SetPressedLook(c.pressedLook);
    DibSurface surface(W, H);
    DrawInto(button, surface, Box(0, 0, W, H));
    EXPECT_EQ(surface.GetPixel(W / 2, 0), Metric(c.outerTop));
    EXPECT_EQ(surface.GetPixel(W / 2, 1), Metric(c.innerTop));
    EXPECT_EQ(surface.GetPixel(W / 2, H - 1), Metric(c.outerBottom));
    EXPECT_EQ(surface.GetPixel(W / 2, H - 2), Metric(c.innerBottom));
    EXPECT_EQ(surface.GetPixel(3, H / 2), Metric(7));
    const ZQ_Rectangle<long> text = ColorBox(surface, Metric(8), Box(0, 0, W, H));
    ASSERT_GT(text.Width, 0);
    if (c.pressedLook || c.state) {
      EXPECT_EQ(text, Moved(raisedText, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px)));
    } else {
      raisedText = text;
    }
  }
}

// The pixels that change when the same button is drawn on the focus path.
TEST_F(ButtonDrawing, FocusIndicatorInsideTheFrame) {
  const long W = 60, H = 24;
  const ZQ_Rectangle<long> face = Shrunk(Box(0, 0, W, H), ZQF_Canvas::GetBorderSize(5));
  const struct {
    const char* name;
    bool bitmap;
    long cues;
    ZQ_Rectangle<long> changed;
  } cases[] = {{"text button", false, 3, Shrunk(face, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px))},
               {"bitmap button", true, 3, face},
               {"focus cues off", false, 2, ZQ_Rectangle<long>()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<ZQF_Glyph> button(
        c.bitmap ? static_cast<ZQF_Glyph*>(new ZQF_StandardBitmapButtonGlyph(kArrow, 0, 0))
                 : new ZQF_StandardTextButtonGlyph("OK", 0, 0));
    DibSurface plain(W, H), focused(W, H);
    DrawInto(*button, plain, Box(0, 0, W, H), false, c.cues);
    DrawInto(*button, focused, Box(0, 0, W, H), true, c.cues);
    EXPECT_EQ(
        BoxWhere(Box(0, 0, W, H),
                 [&](long X, long Y) { return plain.GetPixel(X, Y) != focused.GetPixel(X, Y); }),
        c.changed);
  }
}

TEST_F(ButtonDrawing, TextAlignment) {
  const ZQ_Rectangle<long> content =
      Shrunk(Shrunk(Box(0, 0, 80, 24), ZQF_Canvas::GetBorderSize(5)), ZQF_GetSizeMetric(ZQF_SizeMetric_Gap3Px));
  const long width = ZQF_MeasureLabelText(ZQF_GetFontMetric(ZQF_FontMetric_Button), "OK").X;
  for (int alignment = 0; alignment < 3; ++alignment) {
    SCOPED_TRACE(alignment);
    ZQF_StandardTextButtonGlyph button("OK", 0, 0);
    button.SetHorizontalAlignment(alignment);
    DibSurface surface(80, 24);
    DrawInto(button, surface, Box(0, 0, 80, 24));
    // The ink lies inside the measured extent, within two pixels of its start.
    const long start = content.X + alignment * (content.Width - width) / 2;
    const ZQ_Rectangle<long> ink = ColorBox(surface, Metric(8), content);
    EXPECT_TRUE(start <= ink.X && ink.X <= start + 2 && ink.X + ink.Width <= start + width);
  }
}

// The arrow's black ink becomes the text colour (metric 8), its grey the
// face; greyed, the ink is drawn in the shadow colour (metric 4).
TEST_F(ButtonDrawing, BitmapPictureInTheButtonColours) {
  const long W = 40, H = 24;
  const ZQ_Rectangle<long> content =
      Shrunk(Shrunk(Box(0, 0, W, H), ZQF_Canvas::GetBorderSize(5)), ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px));
  const ZQ_Rectangle<long> centred(content.X + (content.Width - 12) / 2,
                                   content.Y + (content.Height - 10) / 2 + 2, 12, 6);
  const struct {
    const char* name;
    bool enabled, pressed, stretch;
    long symbolInk, shadowInk;
    ZQ_Rectangle<long> symbolBox;
  } cases[] = {
      {"centred", true, false, false, kArrowInk, 0, centred},
      {"pressed", true, true, false, kArrowInk, 0, Moved(centred, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px))},
      {"greyed", false, false, false, 0, kArrowInk, ZQ_Rectangle<long>()},
      // The widest row spans the content box; the rows are scaled by 1.8.
      {"stretched", true, false, true, -1, 0, Box(content.X, 0, content.Width, 0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ZQF_StandardBitmapButtonGlyph button(kArrow, 0, 0);
    button.SetStretchImage(c.stretch);
    button.SetEnabled(c.enabled);
    button.SetPressedLook(c.pressed);
    DibSurface surface(W, H);
    DrawInto(button, surface, Box(0, 0, W, H));
    const ZQ_Rectangle<long> inside = c.pressed ? Moved(content, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px)) : content;
    const ZQ_Rectangle<long> symbol = ColorBox(surface, Metric(8), inside);
    if (c.symbolInk >= 0) {
      EXPECT_EQ(CountIn(surface, Metric(8), inside), c.symbolInk);
    }
    EXPECT_EQ(CountIn(surface, Metric(4), inside), c.shadowInk);
    EXPECT_EQ(CountIn(surface, ZQR_Color(0, 0, 0), inside), 0);
    EXPECT_EQ(CountIn(surface, ZQR_Color(192, 192, 192), inside), 0);
    EXPECT_EQ(symbol.X, c.symbolBox.X);
    EXPECT_EQ(symbol.Width, c.symbolBox.Width);
    if (!c.stretch) {
      EXPECT_EQ(symbol, c.symbolBox);
    }
  }
}

// The content is drawn with the content box standing in for the glyph's box;
// the whole box comes back, also when the content's drawing fails.
TEST_F(ButtonDrawing, BoxRestoredAfterDrawing) {
  struct ContentButton : ZQF_StandardTextButtonGlyph {
    ContentButton() : ZQF_StandardTextButtonGlyph("OK", 0, 0) {}
    void StandardButtonDrawSelf(ZQF_Canvas&) override {
      ContentBox = GetBoundingBox();
      if (Fails) throw std::runtime_error("drawing failed");
    }
    ZQ_Rectangle<long> ContentBox;
    bool Fails = false;
  };
  const ZQ_Point<long> frame = ZQF_Canvas::GetBorderSize(5), margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap3Px);
  for (bool fails : {false, true}) {
    SCOPED_TRACE(fails);
    ContentButton button;
    button.Fails = fails;
    DibSurface surface(70, 30);
    try {
      DrawInto(button, surface, Box(5, 3, 60, 24));
      EXPECT_FALSE(fails);
    } catch (const std::runtime_error&) {
      EXPECT_TRUE(fails);
    }
    EXPECT_EQ(button.ContentBox,
              Shrunk(Box(5, 3, 60, 24), ZQ_Point<long>(frame.X + margin.X, frame.Y + margin.Y)));
    EXPECT_EQ(button.GetBoundingBox(), Box(5, 3, 60, 24));
  }
}

}  // namespace
