#include <gtest/gtest.h>

#include <memory>

#include "DrawingTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQR_Bitmap.h"

namespace {

// Text is checked through extents and ink boxes only: the fonts differ
// from Windows'.
class CanvasText : public GuiStageTest {
 protected:
  void SetUp() override {
    GuiStageTest::SetUp();
    surface.reset(new DibSurface(200, 120));
    canvas.reset(new ZQF_Canvas(surface->GetHDC(), surface->NewWholeRegion(), false));
    canvas->SetTextColor(ZQR_Color_Black);
    canvas->SetDrawMode(1);
  }
  void TearDown() override {
    canvas.reset();
    surface.reset();
    GuiStageTest::TearDown();
  }
  // The ink of a label drawn with these cues at (10, 10).
  ZQ_Rectangle<long> LabelInk(const char* Text, long Cues, bool UnderlineMnemonics) {
    surface->Clear();
    canvas->SetKeyboardCues(Cues);
    canvas->DrawLabel(ZQ_String(Text), ZQ_Rectangle<long>(10, 10, 150, 40), 0, 0,
                      UnderlineMnemonics);
    return surface->GetInkBox();
  }

  std::unique_ptr<DibSurface> surface;
  std::unique_ptr<ZQF_Canvas> canvas;
};

TEST_F(CanvasText, LabelsAndTheirMnemonicMarkers) {
  const ZQ_Rectangle<long> plain = LabelInk("File", 0, false);
  const ZQ_Rectangle<long> underlined = LabelInk("&File", 2, true);
  const ZQ_Rectangle<long> withAmpersand = LabelInk("&File", 2, false);
  EXPECT_EQ(LabelInk("&File", 0, true), plain);
  EXPECT_LE(underlined.X, plain.X);  // the underline spans the character cell
  EXPECT_GT(underlined.Y + underlined.Height, plain.Y + plain.Height);  // the underline
  EXPECT_GT(withAmpersand.Width, plain.Width);
  EXPECT_EQ(LabelInk("A&&B", 0, true), LabelInk("A&B", 0, false));
  EXPECT_EQ(LabelInk("AB&", 0, true), LabelInk("AB", 0, false));
}

TEST_F(CanvasText, LabelsAreAlignedByTheirMeasureWithMarkers) {
  const ZQ_Point<long> extent = ZQF_GetFontMetric(ZQF_FontMetric_System).GetSize(surface->GetHDC(), ZQ_String("&File"));
  surface->Clear();
  canvas->SetKeyboardCues(2);
  canvas->DrawLabel(ZQ_String("&File"), ZQ_Rectangle<long>(10, 10, 150, 40), 2, 2, true);
  const ZQ_Rectangle<long> ink = surface->GetInkBox();
  EXPECT_GE(ink.X, 160 - extent.X);
  EXPECT_LE(ink.X + ink.Width, 160);
  EXPECT_GE(ink.Y, 50 - extent.Y);
}

TEST_F(CanvasText, EmptyTextMeasuresOnePixelByOneLine) {
  const ZQR_ConcreteFont& font = ZQF_GetFontMetric(ZQF_FontMetric_AnsiVariable);
  const ZQ_Point<long> line = font.GetSize(ZQF_GetMetricDC(), ZQ_String("X"));
  EXPECT_EQ(ZQF_Canvas::ComputeSizeWithLineBreaks(ZQ_String(), font, 100), ZQ_Point<long>(1, line.Y));
  EXPECT_EQ(ZQF_Canvas::ComputeSizeWithLineBreaks(ZQ_String("X"), font, 100), line);
}

// Measured at 9999 pixels the text would count one line, sit two lines too
// low and lose its last lines.
TEST_F(CanvasText, CentredWrappedTextIsMeasuredAtItsWidth) {
  const ZQ_String text("one two three four five six seven");
  const ZQ_Rectangle<long> r(10, 10, 70, 100);
  const ZQ_Point<long> size = ZQF_Canvas::ComputeSizeWithLineBreaks(text, ZQF_GetFontMetric(ZQF_FontMetric_System), r.Width);
  const long line = ZQF_Canvas::ComputeSizeWithLineBreaks(ZQ_String("X"), ZQF_GetFontMetric(ZQF_FontMetric_System), 9999).Y;
  ASSERT_GE(size.Y, 3 * line);
  canvas->DrawWithLineBreaks(text, r, 0, 1);
  const ZQ_Rectangle<long> ink = surface->GetInkBox();
  const long top = r.Y + (r.Height - size.Y) / 2;
  EXPECT_GE(ink.Y, top);
  EXPECT_LT(ink.Y, top + line);
  EXPECT_GT(ink.Y + ink.Height, top + size.Y - line);
  EXPECT_LE(ink.Y + ink.Height, top + size.Y);
}

TEST_F(CanvasText, TextBeyondTheLimitIsNotDrawn) {
  int drawn = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::TextOutA> counting(
      [&](HDC DC, int X, int Y, LPCSTR Text, int Count) {
        ++drawn;
        return ::TextOutA(DC, X, Y, Text, Count);
      });
  canvas->Draw("X", 1, 0, 40000);
  EXPECT_EQ(drawn, 0);
  canvas->SetOrigin(ZQ_Point<long>(10, -39990));
  canvas->Draw("X", 1, 0, 40000);
  EXPECT_EQ(drawn, 1);
  EXPECT_FALSE(surface->GetInkBox().Width == 0);
}

TEST_F(CanvasText, BitmapsBeyondTheLimitAreNotDrawn) {
  const ZQR_Bitmap& picture = ZQF_GetBitmapMetric(ZQF_BitmapMetric_Error);
  const ZQ_Point<long> size(32, 32);
  canvas->Draw(picture, ZQ_Point<long>(40000, 0), size);
  canvas->Draw(picture, ZQ_Point<long>(0, 0), ZQ_Point<long>(40000, 32));
  EXPECT_EQ(surface->GetInkBox(), ZQ_Rectangle<long>());
  canvas->SetOrigin(ZQ_Point<long>(-39990, 5));
  canvas->Draw(picture, ZQ_Point<long>(40000, 0), size);
  EXPECT_EQ(surface->GetInkBox(), ZQ_Rectangle<long>(10, 5, 32, 32));
}

TEST_F(CanvasText, DisabledLabelIsGreyAndRestoresTheContext) {
  canvas->SetBackgroundColor(ZQR_Color(192, 192, 192));
  canvas->DrawLabelDisabled(ZQ_String("Grey"), ZQ_Point<long>(10, 10));
  EXPECT_GT(surface->CountPixels(ZQR_Color(128, 128, 128)), 0);
  EXPECT_EQ(surface->CountPixels(ZQR_Color_Black), 0);
  EXPECT_EQ(canvas->GetTextColor(), ZQR_Color_Black);
  EXPECT_EQ(canvas->GetDrawMode(), 1);
}

}  // namespace
