#include <gtest/gtest.h>

#include <functional>

#include "ImagingTestSupport.h"
#include "ZQIMG_Image.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_Exception.h"
#include "ZQ_Map.h"

TEST(ZQIMG_Image, StartsWithZeroPixelsAndTheDepthsDefaultPalette) {
  const struct {
    long bits;
    long paletteSize;
    ZQR_Color last;
  } kCases[] = {{1, 2, ZQR_Color_White}, {8, 256, ZQR_Color_White}, {24, 0, ZQR_Color_Black}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.bits);
    const ZQIMG_Image image(5, 3, c.bits);
    EXPECT_EQ(image.GetSize(), ZQ_Point<long>(5, 3));
    EXPECT_EQ(image.GetBitsPerPixel(), c.bits);
    EXPECT_EQ(image.GetBytesPerRow() % 4, 0);
    EXPECT_EQ(image.GetPaletteSize(), c.paletteSize);
    EXPECT_EQ(image.GetPixelColor(4, 2), ZQR_Color_Black);
    if (c.paletteSize) {
      EXPECT_EQ(image.GetPaletteColor(c.paletteSize - 1), c.last);
    }
  }
  EXPECT_EQ(ZQIMG_Image(2, 2, 8).GetPaletteColor(128), ZQR_Color(128, 128, 128));
}

TEST(ZQIMG_Image, DefaultIsEmpty) {
  const ZQIMG_Image empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_EQ(empty.GetSize(), ZQ_Point<long>(0, 0));
  EXPECT_EQ(empty.GetHBITMAP(), nullptr);
  EXPECT_EQ(empty, ZQIMG_Image());
  EXPECT_FALSE(ZQIMG_Image(1, 1, 1).IsEmpty());
}

TEST(ZQIMG_Image, RefusesImpossibleSizesAndDepths) {
  const struct {
    long w, h, bits;
    const char* name;
    const char* why;
  } kCases[] = {{0, 5, 24, "Error creating image", "no width"},
                {5, -1, 8, "Error creating image", "negative height"},
                {100000, 100000, 24, "Error creating image", "beyond memory"},
                {4, 4, 4, "Assertion failed: false", "a depth that images do not have"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_String name;
    ExceptionDescription([&] { ZQIMG_Image(c.w, c.h, c.bits); }, &name);
    EXPECT_EQ(name.Find(c.name), 0) << name.GetText();
  }
}

// The running program's failed calls throw (mode 0): the image turns the
// failure into its own exception, which page rendering catches to retry.
TEST(ZQIMG_Image, AFailedAllocationIsAnErrorCreatingImage) {
  const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::CreateDIBSection> fake(
      ZQLOW_WIN_Answer(static_cast<HBITMAP>(nullptr), ERROR_NOT_ENOUGH_MEMORY));
  ZQ_String name;
  const ZQ_String description = ExceptionDescription([] { ZQIMG_Image(3000, 2000, 24); }, &name);
  EXPECT_EQ(name, ZQ_String("Error creating image"));
  EXPECT_EQ(description,
            ZQ_String("An image of 3000 x 2000 pixels at 24 bits per pixel cannot be made."));
}

TEST(ZQIMG_Image, KeysMapsByItsPixelStore) {
  const ZQIMG_Image a(1, 1, 24), b(1, 1, 24);
  ZQ_Map<ZQIMG_Image, ZQ_String> names;
  names.Insert(a, "a");
  names.Insert(b, "b");
  const ZQIMG_Image copy = a;
  EXPECT_EQ(names.GetValue(copy), ZQ_String("a"));
  EXPECT_EQ(names.GetValue(b), ZQ_String("b"));
}

TEST(ZQIMG_Image, CopiesShareUntilOneWrites) {
  ZQIMG_Image a(3, 2, 24);
  ZQIMG_Image b = a;
  EXPECT_EQ(a, b);
  EXPECT_EQ(a.GetHashValue(), b.GetHashValue());
  EXPECT_EQ(a.GetHBITMAP(), b.GetHBITMAP());
  SetPixel24(b, 1, 1, ZQR_Color_Red);
  EXPECT_NE(a, b);
  EXPECT_EQ(a.GetPixelColor(1, 1), ZQR_Color_Black);
  EXPECT_EQ(b.GetPixelColor(1, 1), ZQR_Color_Red);
  // A store that nobody shares is written in place.
  unsigned char* row = b.GetRow24BitForWriting(0);
  EXPECT_EQ(b.GetRow24BitForWriting(0), row);
}

TEST(ZQIMG_Image, RowWritersCheckTheirArguments) {
  ZQIMG_Image grey(2, 2, 8);
  const struct {
    const char* condition;
    std::function<void()> run;
  } kCases[] = {
      {"GetBitsPerPixel() == 24", [&] { grey.GetRow24BitForWriting(0); }},
      {"(0 <= Y) and (Y < GetHeight())", [&] { grey.GetRowForWriting(2); }},
      {"(0 <= Index) and (Index < GetPaletteSize())", [&] { grey.GetPaletteColor(256); }}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.condition);
    EXPECT_NE(ExceptionDescription(c.run).Find(c.condition), ZQ_NoMatch);
  }
}

TEST(ZQIMG_Image, GdiDrawingIntoTheSelectedBitmapLandsInTheRows) {
  for (long bits : {24L, 8L}) {
    SCOPED_TRACE(bits);
    ZQIMG_Image image(6, 4, bits);
    image.GetRowForWriting(0);  // a private store before GDI draws
    const ZQ_OwnedDC dc(ZQLOW_WINGDI::CreateCompatibleDC(nullptr));
    const HGDIOBJ old = ZQLOW_WINGDI::SelectObject(dc.Get(), image.GetHBITMAP());
    ZQLOW_WINGDI::PatBlt(dc.Get(), 2, 1, 3, 2, WHITENESS);
    ZQLOW_WINGDI::SelectObject(dc.Get(), old);
    for (long y = 0; y < 4; ++y)
      for (long x = 0; x < 6; ++x) {
        const bool isInside = x >= 2 && x < 5 && y >= 1 && y < 3;
        EXPECT_EQ(image.GetPixelColor(x, y), isInside ? ZQR_Color_White : ZQR_Color_Black)
            << x << "," << y;
      }
  }
}

TEST(ZQIMG_Image, DrawStretchesToTheGivenSizeOrKeepsItsOwn) {
  ZQIMG_Image source(2, 1, 24);
  SetPixel24(source, 0, 0, ZQR_Color_Red);
  SetPixel24(source, 1, 0, ZQR_Color_Blue);
  const struct {
    long w, h;
    ZQR_Color at30, at11;
  } kCases[] = {{0, 0, ZQR_Color_Black, ZQR_Color_Black},  // own size: only (0,0) and (1,0)
                {4, 2, ZQR_Color_Blue, ZQR_Color_Red}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.w);
    ZQIMG_Image target(5, 3, 24);
    target.GetRowForWriting(0);
    const ZQ_OwnedDC dc(ZQLOW_WINGDI::CreateCompatibleDC(nullptr));
    const HGDIOBJ old = ZQLOW_WINGDI::SelectObject(dc.Get(), target.GetHBITMAP());
    source.Draw(dc.Get(), 0, 0, c.w, c.h);
    ZQLOW_WINGDI::SelectObject(dc.Get(), old);
    EXPECT_EQ(target.GetPixelColor(0, 0), ZQR_Color_Red);
    EXPECT_EQ(target.GetPixelColor(3, 0), c.at30);
    EXPECT_EQ(target.GetPixelColor(1, 1), c.at11);
  }
}

TEST(ZQIMG_Image, SettingAPaletteColourUnsharesAndRecolours) {
  ZQIMG_Image a(2, 1, 1);
  a.GetRowForWriting(0)[0] = 0x40;  // pixel 1 uses entry 1
  const ZQIMG_Image b = a;
  a.SetPaletteColor(1, ZQR_Color_Yellow);
  EXPECT_EQ(a.GetPixelColor(1, 0), ZQR_Color_Yellow);
  EXPECT_EQ(b.GetPixelColor(1, 0), ZQR_Color_White);
}
