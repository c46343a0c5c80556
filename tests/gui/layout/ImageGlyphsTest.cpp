// The image display, bitmap, separator and red tint glyphs: sizes, the
// rebuilds of the display copy, and their pixels drawn into memory.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "../core/WindowTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_BitmapGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_HorizontalSeparatorLineGlyph.h"
#include "ZQF_ImageDisplayGlyph.h"
#include "ZQF_RedTintContainerGlyph.h"

namespace {

const ZQR_Color kGrey(192, 192, 192);
const ZQR_Color kRed(255, 0, 0);
const ZQR_Color kText(20, 40, 200);
const ZQR_Color kBackground(240, 220, 100);

// Pixel i (row by row) takes Colors[i % count].
ZQIMG_Image Picture(long Width, long Height, const std::vector<ZQR_Color>& Colors) {
  ZQIMG_Image image(Width, Height, 24);
  for (long i = 0; i < Width * Height; ++i) {
    unsigned char* p = image.GetRow24BitForWriting(i / Width) + 3 * (i % Width);
    const ZQR_Color& c = Colors[i % Colors.size()];
    p[0] = c.GetBlue(), p[1] = c.GetGreen(), p[2] = c.GetRed();
  }
  return image;
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

void DrawInto(DibSurface& Surface, ZQF_Glyph& Glyph, const ZQ_Rectangle<long>& Where) {
  LayOut(Glyph, Where);
  ZQF_Canvas canvas(Surface.GetHDC(), Surface.NewWholeRegion(), false);
  Glyph.Draw(canvas);
}

// Text colour kText, background kBackground.
class ImageGlyphs : public DistinctColorsStageTest {
 protected:
  void SetUp() override {
    DistinctColorsStageTest::SetUp();
    ZQF_SetColorMetricForTesting(33, kText);
    ZQF_SetColorMetricForTesting(32, kBackground);
  }
};

TEST_F(ImageGlyphs, DesiredImageSizeIsTheFixedGlyphSize) {
  const struct {
    long imageW, imageH, desiredW, desiredH, w, h;
  } cases[] = {
      {400, 150, -1, -1, 400, 150}, {400, 150, -1, 30, 400, 150}, {400, 150, 200, -1, 200, 75},
      {2, 1, 201, -1, 201, 100},  // 100.5 rounds down
      {3, 1, 200, -1, 200, 67},   {400, 150, 30, 40, 30, 40},     {400, 150, 0, -1, 0, 0},
      {400, 150, 10, 0, 10, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.imageW << " " << c.desiredW << " " << c.desiredH);
    ZQF_ImageDisplayGlyph glyph(ZQIMG_Image(c.imageW, c.imageH, 24));
    glyph.SetDesiredImageSize(c.desiredW, c.desiredH);
    glyph.SetScaleImage(true);
    glyph.UpdateDesiredSize();
    const ZQF_DesiredSize& d = glyph.GetDesiredSize();
    EXPECT_EQ(d.Minimum, ZQ_Point<long>(c.w, c.h));
    EXPECT_EQ(d.Maximum, ZQ_Point<long>(c.w, c.h));
  }
}

// Each step changes something (or nothing), then the display copy is made
// up to date: the rebuild count and the copy's size tell what happened.
TEST_F(ImageGlyphs, DisplayCopyIsRebuiltOnlyWhenSomethingChanged) {
  ZQF_ImageDisplayGlyph glyph(Picture(8, 4, {ZQR_Color_Black}));
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
      {"system text colour", [] { ZQF_SetColorMetricForTesting(33, kRed); }, 3, {8, 4}},
      {"system background colour", [] { ZQF_SetColorMetricForTesting(32, kGrey); }, 4, {8, 4}},
      {"scaling on", [&] { glyph.SetScaleImage(true); }, 5, {4, 2}},
      {"same desired size", [&] { glyph.SetDesiredImageSize(4, 2); }, 5, {4, 2}},
      {"other desired size", [&] { glyph.SetDesiredImageSize(2, 3); }, 6, {2, 3}},
      {"zero width: no resize", [&] { glyph.SetDesiredImageSize(0, 3); }, 7, {8, 4}},
      {"zero width again", [] {}, 7, {8, 4}},
      {"image of the same size", [&] { glyph.SetImage(Picture(8, 4, {kText})); }, 8, {8, 4}},
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

TEST_F(ImageGlyphs, RecolouredBeforeScaling) {
  const ZQR_Color nearGrey(191, 192, 192);
  ZQF_ImageDisplayGlyph glyph(Picture(4, 1, {ZQR_Color_Black, kGrey, kRed, nearGrey}));
  glyph.SetRecolor(true);
  glyph.InsureDisplayImageUpToDate();
  const ZQR_Color expected[] = {kText, kBackground, kRed, nearGrey};
  for (long x = 0; x < 4; ++x) EXPECT_EQ(glyph.GetDisplayImage().GetPixelColor(x, 0), expected[x]);
  // Black and grey scaled to one pixel blend the recoloured colours.
  ZQF_ImageDisplayGlyph scaled(Picture(2, 1, {ZQR_Color_Black, kGrey}));
  scaled.SetRecolor(true);
  scaled.SetScaleImage(true);
  scaled.SetDesiredImageSize(1, 1);
  scaled.InsureDisplayImageUpToDate();
  const ZQR_Color blend = scaled.GetDisplayImage().GetPixelColor(0, 0);
  EXPECT_NEAR(blend.GetRed(), (kText.GetRed() + kBackground.GetRed()) / 2, 1);
  EXPECT_NEAR(blend.GetBlue(), (kText.GetBlue() + kBackground.GetBlue()) / 2, 1);
}

TEST_F(ImageGlyphs, ImageAtItsOwnSizeOnTheBackgroundCutByTheGlyph) {
  const struct {
    bool scale;
    long imageSide, redPixels, backgroundPixels;
  } cases[] = {{false, 4, 16, 44}, {true, 4, 60, 0}, {false, 30, 60, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.scale << " " << c.imageSide);
    ZQF_ImageDisplayGlyph glyph(Picture(c.imageSide, c.imageSide, {kRed}));
    glyph.SetDesiredImageSize(10, 6);
    glyph.SetScaleImage(c.scale);
    DibSurface surface(20, 10);
    DrawInto(surface, glyph, Box(2, 1, 10, 6));
    EXPECT_EQ(surface.CountPixels(kRed), c.redPixels);
    EXPECT_EQ(surface.GetPixel(2, 1), kRed);
    EXPECT_EQ(surface.CountPixels(kBackground), c.backgroundPixels);
  }
}

class ImageGlyphWindow : public WindowTest {};

TEST_F(ImageGlyphWindow, SetImageOfTheSameSizeRepaintsAnotherSizeLaysOut) {
  ZQF_ImageDisplayGlyph* glyph = new ZQF_ImageDisplayGlyph(Picture(10, 8, {ZQR_Color_Black}));
  ZQF_ColumnGlyph* column = new ZQF_ColumnGlyph;
  column->AddToBottom(new FillGlyph(30, 5, ZQR_Color_White));
  column->AddToBottom(glyph);
  const HWND window = OpenAround(column)->GetWindowHandle();
  ::ValidateRect(window, nullptr);
  glyph->SetImage(Picture(10, 8, {ZQR_Color_White}));
  RECT update{};
  ASSERT_TRUE(::GetUpdateRect(window, &update, FALSE));
  EXPECT_EQ(Box(update.left, update.top, update.right - update.left, update.bottom - update.top),
            Box(0, 5, 10, 8));
  glyph->SetImage(Picture(12, 20, {ZQR_Color_White}));
  EXPECT_EQ(glyph->GetBoundingBox(), Box(0, 5, 12, 20));
}

TEST_F(ImageGlyphs, BitmapGlyphStretchesOverTheControlBackground) {
  // White is transparent: the bottom-right quarter shows the background.
  const ZQR_TransparentBitmap bitmap(
      ZQIMG_ImageToBitmap(Picture(2, 2, {ZQR_Color_Black, ZQR_Color_Black, ZQR_Color_Black,
                                         ZQR_Color_White})),
      ZQR_Color_White);
  for (bool stretchable : {false, true}) {
    ZQF_BitmapGlyph glyph(bitmap, stretchable);
    glyph.UpdateDesiredSize();
    const long most = stretchable ? ZQF_DesiredSize::UnboundedMaximum : 2;
    EXPECT_EQ(glyph.GetDesiredSize().Minimum, ZQ_Point<long>(2, 2));
    EXPECT_EQ(glyph.GetDesiredSize().Maximum, ZQ_Point<long>(most, most));
  }
  ZQF_BitmapGlyph glyph(bitmap, true);
  DibSurface surface(10, 10, ZQR_Color(9, 9, 9));
  DrawInto(surface, glyph, Box(1, 1, 4, 4));
  EXPECT_EQ(surface.CountPixels(ZQR_Color_Black), 12);
  EXPECT_EQ(surface.CountPixels(kBackground), 4);
  EXPECT_EQ(surface.GetPixel(4, 4), kBackground);
}

TEST_F(ImageGlyphs, SeparatorHeightLineAndBands) {
  const ZQR_Color band(7, 77, 177);
  const struct {
    int code;
    long above, below, given, desired, lineY;
  } cases[] = {
      {2, 4, 4, 10, 10, 4}, {2, 4, 4, 6, 10, 4},  // no band below
      {2, 4, 4, 5, 10, 3},                       // the line moves up to stay whole
      {1, 0, 3, 4, 4, 0},   {3, 2, 0, 12, 4, 2},  // taller: the rest is band
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.code << " given " << c.given);
    ZQF_HorizontalSeparatorLineGlyph glyph(c.code, c.above, c.below, band);
    glyph.UpdateDesiredSize();
    EXPECT_EQ(glyph.GetDesiredSize().Minimum, ZQ_Point<long>(0, c.desired));
    EXPECT_EQ(glyph.GetDesiredSize().Maximum,
              ZQ_Point<long>(ZQF_DesiredSize::UnboundedMaximum, c.desired));
    DibSurface surface(12, c.given + 2);
    DrawInto(surface, glyph, Box(0, 1, 12, c.given));
    const long t = ZQF_Canvas::GetSeparatorLineThickness(c.code);
    for (long y = 0; y < c.given; ++y) {
      SCOPED_TRACE(y);
      EXPECT_EQ(surface.GetPixel(5, 1 + y) == band, y < c.lineY || y >= c.lineY + t);
      EXPECT_EQ(surface.GetPixel(11, 1 + y), surface.GetPixel(0, 1 + y));
    }
    EXPECT_EQ(surface.GetPixel(5, 0), ZQR_Color_White);
  }
}

// ShadeRed directly (the low-colour branch cannot be reached on a 24-bit
// display) and, for normal displays, through a container on a 32-bit DIB.
TEST_F(ImageGlyphs, RedTintInBothBranches) {
  const struct {
    bool low;
    ZQR_Color in, out;
  } cases[] = {
      {false, {255, 255, 255}, {255, 127, 127}}, {false, {0, 0, 0}, {128, 0, 0}},
      {false, {255, 0, 0}, {255, 0, 0}},         {false, {128, 128, 128}, {192, 64, 64}},
      {false, {1, 3, 201}, {128, 1, 100}},       {true, {255, 255, 255}, {255, 63, 63}},
      {true, {0, 0, 0}, {0, 0, 0}},              {true, {77, 8, 203}, {77, 2, 50}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << " " << testing::PrintToString(c.in));
    ZQIMG_Image image = Picture(3, 2, {c.in});
    const ZQIMG_Image shared = image;
    ZQF_RedTintContainerGlyph::ShadeRed(image, c.low);
    EXPECT_EQ(image.GetPixelColor(2, 1), c.out);
    EXPECT_EQ(shared.GetPixelColor(2, 1), c.in);  // rows made private first
    if (c.low) continue;
    ZQF_RedTintContainerGlyph tint(new FillGlyph(6, 4, c.in));
    const ZQR_Color outside(0, 200, 0);
    DibSurface surface(12, 10, outside);
    DrawInto(surface, tint, Box(3, 2, 6, 4));
    EXPECT_EQ(surface.CountPixels(c.out), 24);
    EXPECT_EQ(surface.GetPixel(8, 5), c.out);
    EXPECT_EQ(surface.CountPixels(outside), 12 * 10 - 24);
  }
}

}  // namespace
