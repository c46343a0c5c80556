#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "ZQFO_Cache.h"
#include "ZQFO_ErrorImage.h"
#include "ZQFO_ExternalContext.h"
#include "ZQIMG_JPEGEncoder.h"
#include "ZQIMG_PNGEncoder.h"
#include "ZQ_Exception.h"

namespace {

// Image files in memory under "counting:<name>", counting every read.
class CountingScheme : public ZQ_URI_SchemeImp {
 public:
  CountingScheme() : ZQ_URI_SchemeImp("counting") {}
  ZQ_String GetSchemeName() const override { return "counting"; }
  bool IsRecognized() const override { return true; }
  bool ResourceExists(const ZQ_URI& URI) const override { return Files.count(NameOf(URI)) != 0; }
  ZQ_SeekableStreamSource GetResourceStream(const ZQ_URI& URI) const override {
    ++NumReads;
    return ZQ_CreateStringStreamSource(Files.at(NameOf(URI)));
  }
  std::map<std::string, ZQ_String> Files;
  mutable long NumReads = 0;

 private:
  static std::string NameOf(const ZQ_URI& URI) { return URI.GetText().GetText() + std::strlen("counting:"); }
};

// Left half red, right half blue.
ZQIMG_Image TwoColours(long Width, long Height) {
  ZQIMG_Image image(Width, Height, 24);
  for (long y = 0; y < Height; ++y) {
    unsigned char* row = image.GetRow24BitForWriting(y);
    for (long x = 0; x < Width; ++x) {
      const bool isLeft = x < Width / 2;
      row[3 * x] = isLeft ? 0 : 255;
      row[3 * x + 1] = 0;
      row[3 * x + 2] = isLeft ? 255 : 0;
    }
  }
  return image;
}

class CacheTest : public testing::Test {
 protected:
  CacheTest() {
    const ZQIMG_Image image = TwoColours(20, 10);
    scheme.Files["a.png"] = ZQIMG_EncodePNG(image);
    scheme.Files["a.jpg"] = ZQIMG_EncodeJPEG(image, 90);
    scheme.Files["text.png"] = "no picture in here";
    ZQ_String damaged = scheme.Files["a.png"];
    for (int i = 40; i < damaged.GetLength() - 12; ++i) damaged[i] = '\xA5';
    scheme.Files["damaged.png"] = damaged;
  }
  const ZQFO_Cache_ImageValueType& BaseEntry(const char* Uri) {
    ZQFO_Cache_ImageKeyType key;
    key.ImageURI = ZQ_URI(Uri);
    return cache.FindLink(key)->Value;
  }

  CountingScheme scheme;
  ZQFO_Cache cache;
  const ZQ_Point<long> ownSize{0, 0};
  const ZQIMG_ColorTransformation none;
};

}  // namespace

TEST_F(CacheTest, EachSourceIsReadOnceAndDecodedAtItsFirstDrawing) {
  for (int i = 0; i < 3; ++i) {
    const ZQFO_ImageInfo info = cache.GetImageInfo(ZQ_URI("counting:a.png"));
    EXPECT_EQ(info.Size, ZQ_Point<long>(20, 10));
    EXPECT_FALSE(info.ErrorLoadingImage);
  }
  EXPECT_FALSE(BaseEntry("counting:a.png").ImageDecoded);
  EXPECT_EQ(BaseEntry("counting:a.png").RawImageData, scheme.Files["a.png"]);
  const ZQIMG_Image image = cache.GetImage(ZQ_URI("counting:a.png"), ownSize, none);
  EXPECT_EQ(image, cache.GetImage(ZQ_URI("counting:a.png"), ownSize, none));
  EXPECT_TRUE(BaseEntry("counting:a.png").ImageDecoded);
  EXPECT_TRUE(BaseEntry("counting:a.png").RawImageData.IsEmpty());
  EXPECT_EQ(image.GetPixelColor(2, 2), ZQR_Color_Red);
  EXPECT_EQ(scheme.NumReads, 1);
}

TEST_F(CacheTest, MissingAndUnrecognisedSourcesAreTheErrorImage) {
  const ZQIMG_Image errorImage = ZQFO_GetErrorImage();
  EXPECT_EQ(errorImage.GetSize(), ZQ_Point<long>(14, 16));
  EXPECT_EQ(errorImage, ZQFO_GetErrorImage()) << "one pixel store";
  const struct {
    const char* uri;
    bool isError;
  } cases[] = {
      {"counting:none.png", true}, {"counting:text.png", true}, {"counting:a.png", false},
      {"counting:a.jpg", false},   {"intres:ZQFO_ErrorImage", false},  // a BMP file: its picture
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.uri);
    const ZQFO_ImageInfo info = cache.GetImageInfo(ZQ_URI(c.uri));
    EXPECT_EQ(info.ErrorLoadingImage, c.isError);
    const bool isBmp = c.uri[0] == 'i';
    EXPECT_EQ(info.Size, c.isError || isBmp ? errorImage.GetSize() : ZQ_Point<long>(20, 10));
    const ZQIMG_Image image = cache.GetImage(ZQ_URI(c.uri), ownSize, none);
    EXPECT_EQ(image == errorImage, c.isError);
    const ZQR_Color left = image.GetPixelColor(isBmp ? 4 : 2, isBmp ? 7 : 5);
    EXPECT_TRUE(c.isError || (left.GetRed() > 240 && left.GetBlue() < 16)) << "the left half is red";
  }
}

TEST_F(CacheTest, EachVariantIsMadeOnceAndSharedAfterwards) {
  const ZQ_URI uri("counting:a.png");
  const ZQIMG_Image small = cache.GetImage(uri, ZQ_Point<long>(10, 5), none);
  EXPECT_EQ(small.GetSize(), ZQ_Point<long>(10, 5));
  EXPECT_EQ(small, cache.GetImage(uri, ZQ_Point<long>(10, 5), none)) << "shared pixels";
  EXPECT_NE(small, cache.GetImage(uri, ownSize, none));
  EXPECT_EQ(cache.GetNumElements(), 2) << "the base and one variant";
  ZQIMG_ColorTransformation blueToGreen;
  blueToGreen.AddPair(ZQR_Color_Blue, ZQR_Color(0, 255, 0));
  const ZQIMG_Image recoloured = cache.GetImage(uri, ownSize, blueToGreen);
  EXPECT_EQ(recoloured.GetPixelColor(15, 5), ZQR_Color(0, 255, 0));
  EXPECT_EQ(recoloured.GetPixelColor(2, 5), ZQR_Color_Red);
  EXPECT_EQ(cache.GetNumElements(), 3);
  EXPECT_EQ(scheme.NumReads, 1);
}

// One report per broken file: its first drawing throws, every later one
// shows the error image.
TEST_F(CacheTest, ADamagedBodyThrowsOnceThenIsTheErrorImage) {
  const ZQ_URI uri("counting:damaged.png");
  EXPECT_FALSE(cache.GetImageInfo(uri).ErrorLoadingImage) << "its header is sound";
  try {
    cache.GetImage(uri, ZQ_Point<long>(10, 5), none);
    ADD_FAILURE() << "no exception";
  } catch (const ZQ_Exception& e) {
    EXPECT_EQ(std::string(e.GetName().GetText()), "Error loading image");
  }
  const ZQIMG_Image errorImage = ZQFO_GetErrorImage();
  EXPECT_EQ(cache.GetImage(uri, ownSize, none), errorImage);
  EXPECT_EQ(cache.GetImage(uri, ZQ_Point<long>(10, 5), none), errorImage);
  EXPECT_EQ(cache.GetImageInfo(uri).Size, errorImage.GetSize());
  EXPECT_TRUE(cache.GetImageInfo(uri).ErrorLoadingImage);
  EXPECT_TRUE(BaseEntry("counting:damaged.png").RawImageData.IsEmpty());
}

TEST(ZQFO_ExternalContext, PicturesByNameAndTheCurrentDirectoryAsBase) {
  ZQFO_ExternalContext context;
  EXPECT_EQ(context.GetBaseURI(), ZQ_URI_GetCurrentDirectoryURI());
  EXPECT_TRUE(context.GetPicture("logo").IsNull());
}
