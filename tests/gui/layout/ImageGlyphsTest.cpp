// The image display, bitmap, separator and red tint glyphs: sizes, the
// rebuilds of the display copy, and their pixels drawn into memory.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "../core/DrawingTestSupport.h"
#include "../core/WindowTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_BitmapGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_HorizontalSeparatorLineGlyph.h"
#include "ZQF_ImageDisplayGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_RedTintContainerGlyph.h"
#include "ZQIMG_Conversion.h"

namespace {

const ZQR_Color kGrey192(192, 192, 192);
const ZQR_Color kText(20, 40, 200);
const ZQR_Color kBackground(240, 220, 100);

ZQIMG_Image SolidImage(long Width, long Height, const ZQR_Color& Color) {
  ZQIMG_Image image(Width, Height, 24);
  for (long y = 0; y < Height; ++y) {
    unsigned char* p = image.GetRow24BitForWriting(y);
    for (long x = 0; x < Width; ++x, p += 3) {
      p[0] = Color.GetBlue();
      p[1] = Color.GetGreen();
      p[2] = Color.GetRed();
    }
  }
  return image;
}

void SetPixel(ZQIMG_Image& Image, long X, long Y, const ZQR_Color& Color) {
  unsigned char* p = Image.GetRow24BitForWriting(Y) + 3 * X;
  p[0] = Color.GetBlue();
  p[1] = Color.GetGreen();
  p[2] = Color.GetRed();
}

// Fills its box with one colour; asks for a fixed size.
class FillGlyph : public ZQF_DrawableGlyph {
 public:
  FillGlyph(long Width, long Height, const ZQR_Color& Color) : Color(Color) {
    DesiredSize.SetFixedX(Width);
    DesiredSize.SetFixedY(Height);
  }
  void UpdateMyDesiredSize() override { DesiredSize.MakeValid(); }
  void DrawSelf(ZQF_Canvas& Canvas) override { Canvas.Fill(GetLocalBoundingBox(), Color); }
  ZQR_Color Color;
};

// Lays Glyph out at Box and draws it into Surface.
void DrawInto(DibSurface& Surface, ZQF_Glyph& Glyph, const ZQ_Rectangle<long>& Where) {
  LayOut(Glyph, Where);
  ZQF_Canvas canvas(Surface.GetHDC(), Surface.NewWholeRegion(), false);
  Glyph.Draw(canvas);
}

class ImageGlyphs : public GuiStageTest {
 protected:
  void SetUp() override {
    GuiStageTest::SetUp();
    ZQF_SetColorMetricForTesting(33, kText);
    ZQF_SetColorMetricForTesting(32, kBackground);
  }
};

TEST_F(ImageGlyphs, DesiredImageSizeAndGlyphSize) {
  const struct {
    long imageW, imageH, desiredW, desiredH;
    ZQ_Point<long> imageSize, glyphSize;
  } cases[] = {
      {400, 150, -1, -1, {400, 150}, {400, 150}},
      {400, 150, -1, 30, {400, 150}, {400, 150}},  // height ignored
      {400, 150, 200, -1, {200, 75}, {200, 75}},
      {2, 1, 201, -1, {201, 100}, {201, 100}},  // 100.5 rounds down
      {2, 1, 203, -1, {203, 101}, {203, 101}},
      {3, 1, 200, -1, {200, 67}, {200, 67}},  // 66.67 rounds up
      {400, 150, 30, 40, {30, 40}, {30, 40}},
      {400, 150, 0, -1, {0, 0}, {0, 0}},
      {400, 150, 10, 0, {10, 0}, {10, 0}},
      {1, 400, 1, -1, {1, 400}, {1, 400}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.imageW << "x" << c.imageH << " at " << c.desiredW << ","
                                    << c.desiredH);
    ZQF_ImageDisplayGlyph glyph(ZQIMG_Image(c.imageW, c.imageH, 24));
    glyph.SetDesiredImageSize(c.desiredW, c.desiredH);
    glyph.SetScaleImage(true);
    EXPECT_EQ(glyph.CalculateDesiredImageSize(), c.imageSize);
    glyph.UpdateDesiredSize();
    const ZQF_DesiredSize& d = glyph.GetDesiredSize();
    EXPECT_EQ(d.Natural, c.glyphSize);
    EXPECT_EQ(d.Minimum, c.glyphSize);
    EXPECT_EQ(d.Maximum, c.glyphSize);
  }
}

// Each step changes something (or nothing), then the display copy is made
// up to date: the rebuild count and the copy's size tell what happened.
TEST_F(ImageGlyphs, DisplayCopyIsRebuiltOnlyWhenSomethingChanged) {
  ZQIMG_Image image = SolidImage(8, 4, ZQR_Color_Black);
  ZQF_ImageDisplayGlyph glyph(image);
  const struct {
    const char* step;
    std::function<void()> change;
    long rebuilds;
    ZQ_Point<long> copySize;
  } steps[] = {
      {"first draw", [] {}, 1, {8, 4}},
      {"nothing changed", [] {}, 1, {8, 4}},
      {"desired size without scaling", [&] { glyph.SetDesiredImageSize(4, -1); }, 1, {8, 4}},
      {"recolour on", [&] { glyph.SetRecolor(true); }, 2, {8, 4}},
      {"system text colour", [] { ZQF_SetColorMetricForTesting(33, ZQR_Color(1, 2, 3)); }, 3,
       {8, 4}},
      {"system background colour", [] { ZQF_SetColorMetricForTesting(32, kGrey192); }, 4, {8, 4}},
      {"scaling on", [&] { glyph.SetScaleImage(true); }, 5, {4, 2}},
      {"same desired size", [&] { glyph.SetDesiredImageSize(4, 2); }, 5, {4, 2}},
      {"other desired size", [&] { glyph.SetDesiredImageSize(2, 3); }, 6, {2, 3}},
      {"zero width: no resize", [&] { glyph.SetDesiredImageSize(0, 3); }, 7, {8, 4}},
      {"zero width again", [] {}, 7, {8, 4}},
      {"image of the same size", [&] { glyph.SetImage(SolidImage(8, 4, kText)); }, 8, {8, 4}},
      {"recolour off", [&] { glyph.SetRecolor(false); }, 9, {8, 4}},
      {"colours without recolouring", [] { ZQF_SetColorMetricForTesting(33, kText); }, 9, {8, 4}},
      {"scaling off", [&] { glyph.SetScaleImage(false); }, 10, {8, 4}},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    s.change();
    glyph.InsureDisplayImageUpToDate();
    EXPECT_EQ(glyph.GetNumRebuilds(), s.rebuilds);
    EXPECT_EQ(glyph.GetDisplayImage().GetSize(), s.copySize);
  }
  // Neither recoloured nor scaled, the copy shares the image's pixels.
  EXPECT_TRUE(glyph.GetDisplayImage() == glyph.GetImage());
}

TEST_F(ImageGlyphs, RecolourMapsTheReferenceColoursBeforeScaling) {
  ZQIMG_Image image = SolidImage(4, 1, ZQR_Color_Black);
  SetPixel(image, 1, 0, kGrey192);
  SetPixel(image, 2, 0, ZQR_Color(255, 0, 0));
  SetPixel(image, 3, 0, ZQR_Color(191, 192, 192));
  ZQF_ImageDisplayGlyph glyph(image);
  glyph.SetRecolor(true);
  glyph.InsureDisplayImageUpToDate();
  const ZQIMG_Image& copy = glyph.GetDisplayImage();
  EXPECT_EQ(copy.GetPixelColor(0, 0), kText);
  EXPECT_EQ(copy.GetPixelColor(1, 0), kBackground);
  EXPECT_EQ(copy.GetPixelColor(2, 0), ZQR_Color(255, 0, 0));
  EXPECT_EQ(copy.GetPixelColor(3, 0), ZQR_Color(191, 192, 192));
  EXPECT_EQ(image.GetPixelColor(0, 0), ZQR_Color_Black);  // the image stays

  // Black and grey halves scaled to one pixel blend the recoloured colours.
  ZQIMG_Image pair = SolidImage(2, 1, ZQR_Color_Black);
  SetPixel(pair, 1, 0, kGrey192);
  ZQF_ImageDisplayGlyph scaled(pair);
  scaled.SetRecolor(true);
  scaled.SetScaleImage(true);
  scaled.SetDesiredImageSize(1, 1);
  scaled.InsureDisplayImageUpToDate();
  const ZQR_Color blend = scaled.GetDisplayImage().GetPixelColor(0, 0);
  EXPECT_NEAR(blend.GetRed(), (kText.GetRed() + kBackground.GetRed()) / 2, 1);
  EXPECT_NEAR(blend.GetGreen(), (kText.GetGreen() + kBackground.GetGreen()) / 2, 1);
  EXPECT_NEAR(blend.GetBlue(), (kText.GetBlue() + kBackground.GetBlue()) / 2, 1);
}

TEST_F(ImageGlyphs, ImageDrawnAtItsOwnSizeOnTheBackground) {
  const ZQR_Color red(255, 0, 0);
  const struct {
    const char* name;
    bool scale;
    ZQ_Rectangle<long> ink;  // where the image's red shows
  } cases[] = {
      {"unscaled in a larger glyph", false, {0, 0, 4, 3}},
      {"scaled to the glyph", true, {0, 0, 10, 6}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ZQF_ImageDisplayGlyph glyph(SolidImage(4, 3, red));
    glyph.SetDesiredImageSize(10, 6);
    glyph.SetScaleImage(c.scale);
    DibSurface surface(20, 10);
    DrawInto(surface, glyph, Box(2, 1, 10, 6));
    EXPECT_EQ(surface.CountPixels(red), c.ink.Width * c.ink.Height);
    EXPECT_EQ(surface.GetPixel(2 + c.ink.Width - 1, 1 + c.ink.Height - 1), red);
    EXPECT_EQ(surface.CountPixels(kBackground), 60 - c.ink.Width * c.ink.Height);
  }
  // A copy larger than the glyph is cut by the glyph's clipping.
  ZQF_ImageDisplayGlyph large(SolidImage(30, 30, red));
  DibSurface surface(40, 40);
  DrawInto(surface, large, Box(5, 5, 8, 7));
  EXPECT_EQ(surface.GetInkBox(), Box(5, 5, 8, 7));
}

class ImageGlyphWindow : public WindowTest {};

TEST_F(ImageGlyphWindow, SetImageOfTheSameSizeRepaintsAnotherSizeLaysOut) {
  ZQF_ImageDisplayGlyph* glyph = new ZQF_ImageDisplayGlyph(SolidImage(10, 8, ZQR_Color_Black));
  ZQF_ColumnGlyph* column = new ZQF_ColumnGlyph;
  column->AddToBottom(new FillGlyph(30, 5, ZQR_Color_White));
  column->AddToBottom(glyph);
  const HWND window = OpenAround(column)->GetWindowHandle();
  ::ValidateRect(window, nullptr);
  glyph->SetImage(SolidImage(10, 8, ZQR_Color_White));
  RECT update{};
  ASSERT_TRUE(::GetUpdateRect(window, &update, FALSE));
  EXPECT_EQ(update.left, 0);
  EXPECT_EQ(update.top, 5);
  EXPECT_EQ(update.right, 10);
  EXPECT_EQ(update.bottom, 13);
  EXPECT_EQ(glyph->GetBoundingBox(), Box(0, 5, 10, 8));

  glyph->SetImage(SolidImage(12, 20, ZQR_Color_White));
  EXPECT_EQ(glyph->GetBoundingBox(), Box(0, 5, 12, 20));
}

TEST_F(ImageGlyphs, BitmapGlyphSizesAndTransparentDrawing) {
  ZQIMG_Image picture = SolidImage(2, 2, ZQR_Color_Black);
  SetPixel(picture, 1, 1, ZQR_Color_White);  // the transparent colour
  const ZQR_TransparentBitmap bitmap(ZQIMG_ImageToBitmap(picture), ZQR_Color_White);
  for (bool stretchable : {false, true}) {
    SCOPED_TRACE(stretchable);
    ZQF_BitmapGlyph glyph(bitmap, stretchable);
    glyph.UpdateDesiredSize();
    const ZQF_DesiredSize& d = glyph.GetDesiredSize();
    EXPECT_EQ(d.Natural, ZQ_Point<long>(2, 2));
    EXPECT_EQ(d.Minimum, ZQ_Point<long>(2, 2));
    const long most = stretchable ? ZQF_DesiredSize::UnboundedMaximum : 2;
    EXPECT_EQ(d.Maximum, ZQ_Point<long>(most, most));
  }
  ZQF_BitmapGlyph glyph(bitmap, true);
  DibSurface surface(10, 10, ZQR_Color(9, 9, 9));
  DrawInto(surface, glyph, Box(1, 1, 4, 4));
  EXPECT_EQ(surface.CountPixels(ZQR_Color_Black), 12);  // stretched twice
  EXPECT_EQ(surface.CountPixels(kBackground), 4);       // through the mask
  EXPECT_EQ(surface.GetPixel(4, 4), kBackground);
}

class SeparatorGlyph : public DistinctColorsStageTest {};

TEST_F(SeparatorGlyph, HeightLineAndBands) {
  const ZQR_Color band(7, 77, 177);
  const struct {
    int code;
    long above, below, given;
    long desired, lineY;
  } cases[] = {
      {2, 4, 4, 10, 10, 4},
      {2, 4, 4, 6, 10, 4},   // the band below is 0 high
      {2, 4, 4, 5, 10, 3},   // the line moves up to stay whole
      {1, 0, 3, 4, 4, 0},
      {3, 2, 0, 12, 4, 2},   // a taller glyph: the rest is band
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.code << " given " << c.given);
    ZQF_HorizontalSeparatorLineGlyph glyph(c.code, c.above, c.below, band);
    glyph.UpdateDesiredSize();
    const ZQF_DesiredSize& d = glyph.GetDesiredSize();
    EXPECT_EQ(d.Natural, ZQ_Point<long>(0, c.desired));
    EXPECT_EQ(d.Maximum, ZQ_Point<long>(ZQF_DesiredSize::UnboundedMaximum, c.desired));
    DibSurface surface(12, c.given + 2, ZQR_Color_White);
    DrawInto(surface, glyph, Box(0, 1, 12, c.given));
    const long t = ZQF_Canvas::GetSeparatorLineThickness(c.code);
    for (long y = 1; y < 1 + c.given; ++y) {
      const bool onLine = y >= 1 + c.lineY && y < 1 + c.lineY + t;
      SCOPED_TRACE(y);
      EXPECT_EQ(surface.GetPixel(5, y) == band, !onLine);
      EXPECT_EQ(surface.GetPixel(11, y), surface.GetPixel(0, y));
    }
    EXPECT_EQ(surface.GetPixel(5, 0), ZQR_Color_White);
  }
}

TEST(ShadeRed, BothBranches) {
  const struct {
    bool low;
    ZQR_Color in, out;
  } cases[] = {
      {false, ZQR_Color(255, 255, 255), ZQR_Color(255, 127, 127)},
      {false, ZQR_Color(0, 0, 0), ZQR_Color(128, 0, 0)},
      {false, ZQR_Color(255, 0, 0), ZQR_Color(255, 0, 0)},
      {false, ZQR_Color(128, 128, 128), ZQR_Color(192, 64, 64)},
      {false, ZQR_Color(1, 3, 201), ZQR_Color(128, 1, 100)},
      {true, ZQR_Color(255, 255, 255), ZQR_Color(255, 63, 63)},
      {true, ZQR_Color(0, 0, 0), ZQR_Color(0, 0, 0)},
      {true, ZQR_Color(77, 8, 203), ZQR_Color(77, 2, 50)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << " " << testing::PrintToString(c.in));
    ZQIMG_Image image = SolidImage(3, 2, c.in);
    const ZQIMG_Image shared = image;
    ZQF_RedTintContainerGlyph::ShadeRed(image, c.low);
    EXPECT_EQ(image.GetPixelColor(0, 0), c.out);
    EXPECT_EQ(image.GetPixelColor(2, 1), c.out);
    EXPECT_EQ(shared.GetPixelColor(2, 1), c.in);  // rows made private first
  }
}

TEST_F(ImageGlyphs, RedTintOfTheClientOnly) {
  const struct {
    ZQR_Color drawn, shown;
  } cases[] = {
      {ZQR_Color(255, 255, 255), ZQR_Color(255, 127, 127)},
      {ZQR_Color(0, 0, 0), ZQR_Color(128, 0, 0)},
      {ZQR_Color(255, 0, 0), ZQR_Color(255, 0, 0)},
      {ZQR_Color(128, 128, 128), ZQR_Color(192, 64, 64)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.drawn));
    ZQF_RedTintContainerGlyph tint(new FillGlyph(6, 4, c.drawn));
    tint.UpdateDesiredSize();
    EXPECT_EQ(tint.GetDesiredSize().Natural, ZQ_Point<long>(6, 4));
    EXPECT_FALSE(tint.IsDrawable());
    const ZQR_Color outside(0, 200, 0);
    DibSurface surface(12, 10, outside);
    DrawInto(surface, tint, Box(3, 2, 6, 4));
    EXPECT_EQ(surface.CountPixels(c.shown), 24);
    EXPECT_EQ(surface.GetPixel(3, 2), c.shown);
    EXPECT_EQ(surface.GetPixel(8, 5), c.shown);
    EXPECT_EQ(surface.CountPixels(outside), 12 * 10 - 24);
  }
}

}  // namespace
