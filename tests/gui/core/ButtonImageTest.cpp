#include <gtest/gtest.h>

#include <memory>

#include "DrawingTestSupport.h"
#include "ZQF_ButtonImage.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"

namespace {

const ZQR_Color kFace(10, 20, 30);
const ZQR_Color kText(200, 100, 50);
const ZQR_Color kOtherFace(1, 2, 3);

class ButtonImage : public DistinctColorsStageTest {
 protected:
  // 3 x 1: light grey, black, red.
  static ZQIMG_Image Picture() {
    ZQIMG_Image picture(3, 1, 24);
    unsigned char* row = picture.GetRow24BitForWriting(0);
    const unsigned char pixels[] = {192, 192, 192, 0, 0, 0, 0, 0, 255};
    std::copy(pixels, pixels + 9, row);
    return picture;
  }
};

TEST_F(ButtonImage, KeyColorsBecomeTheButtonColors) {
  const ZQF_ButtonImage image(Picture(), ZQR_Color_LightGray, ZQR_Color_Black);
  const ZQIMG_Image normal = image.GetNormalImage(kFace, kText);
  EXPECT_EQ(normal.GetPixelColor(0, 0), kFace);
  EXPECT_EQ(normal.GetPixelColor(1, 0), kText);
  EXPECT_EQ(normal.GetPixelColor(2, 0), ZQR_Color(255, 0, 0));
  const ZQIMG_Image disabled = image.GetDisabledImage(kFace, kText);
  EXPECT_EQ(disabled.GetPixelColor(0, 0), kFace);
  EXPECT_EQ(disabled.GetPixelColor(1, 0), ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow));  // the shadow
}

TEST_F(ButtonImage, CachesFollowTheLastColors) {
  const ZQF_ButtonImage image(Picture(), ZQR_Color_LightGray, ZQR_Color_Black);
  const ZQIMG_Image normal = image.GetNormalImage(kFace, kText);
  const ZQIMG_Image disabled = image.GetDisabledImage(kFace, kText);
  EXPECT_TRUE(image.GetNormalImage(kFace, kText) == normal);
  EXPECT_TRUE(image.GetDisabledImage(kFace, kText) == disabled);
  const ZQIMG_Image other = image.GetNormalImage(kOtherFace, kText);
  EXPECT_FALSE(other == normal);
  // The disabled picture of the old colours is gone with them.
  const ZQIMG_Image otherDisabled = image.GetDisabledImage(kOtherFace, kText);
  EXPECT_FALSE(otherDisabled == disabled);
  EXPECT_EQ(otherDisabled.GetPixelColor(0, 0), kOtherFace);
}

TEST_F(ButtonImage, SharingAndEquality) {
  const ZQF_ButtonImage blank;
  EXPECT_EQ(blank.GetSize(), ZQ_Point<long>(2, 2));
  EXPECT_EQ(blank.GetNormalImage(kFace, kText).GetPixelColor(1, 1), kText);
  const ZQF_ButtonImage byName(ZQ_String("ZQF_QuestionBitmap"), ZQR_Color_LightGray, ZQR_Color_Black);
  const ZQF_ButtonImage sameName(ZQ_String("ZQF_QuestionBitmap"), ZQR_Color_LightGray, ZQR_Color_Black);
  const ZQF_ButtonImage otherName(ZQ_String("ZQF_ErrorBitmap"), ZQR_Color_LightGray, ZQR_Color_Black);
  EXPECT_TRUE(byName == sameName);
  EXPECT_TRUE(byName != otherName);
  EXPECT_TRUE(byName != blank);
  EXPECT_EQ(byName.GetNormalImage(kFace, kText).GetPixelColor(0, 0), kFace);  // the surround
  ZQF_ButtonImage copy(Picture(), ZQR_Color_LightGray, ZQR_Color_Black);
  const ZQIMG_Image cached = copy.GetNormalImage(kFace, kText);
  ZQF_ButtonImage assigned = blank;
  assigned = copy;
  assigned = assigned;
  EXPECT_TRUE(assigned == copy);
  EXPECT_TRUE(assigned.GetNormalImage(kFace, kText) == cached);  // one cache
  EXPECT_TRUE(ZQF_ButtonImage(Picture(), ZQR_Color_LightGray, ZQR_Color_Black) != copy);
}

TEST_F(ButtonImage, CanvasDrawsImagesWithinTheLimit) {
  DibSurface surface(20, 20);
  ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
  const ZQIMG_Image picture = ZQF_ButtonImage(Picture(), ZQR_Color_LightGray, ZQR_Color_Black)
                                  .GetNormalImage(kFace, kText);
  canvas.Draw(picture, ZQ_Point<long>(40000, 2), ZQ_Point<long>(3, 1));
  EXPECT_EQ(surface.GetInkBox(), ZQ_Rectangle<long>());
  canvas.SetOrigin(ZQ_Point<long>(-39996, 0));
  canvas.Draw(picture, ZQ_Point<long>(40000, 2), ZQ_Point<long>(6, 2));
  EXPECT_EQ(surface.GetInkBox(), ZQ_Rectangle<long>(4, 2, 6, 2));
  EXPECT_EQ(surface.GetPixel(4, 2), kFace);
  EXPECT_EQ(surface.GetPixel(7, 3), kText);
}

}  // namespace
