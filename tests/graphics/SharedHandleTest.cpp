#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "GraphicsTestSupport.h"
#include "ZQR_Bitmap.h"
#include "ZQR_Brush.h"
#include "ZQR_DeviceContext.h"
#include "ZQR_TransparentBitmap.h"
#include "ZQ_Exception.h"

namespace {

// What happened to the object of a handle while a copy outlived the
// original, and after the copy went too (releases of other objects, such as
// a pattern brush's bitmap, are left out).
struct Lifetime {
  HANDLE object = nullptr;
  bool copyShares = false;
  size_t releasesWhileCopyLives = 0;
  DWORD typeWhileCopyLives = 0;
  std::vector<ReleaseLog::Release> releases;
  DWORD typeAfterwards = 0;
};

std::vector<ReleaseLog::Release> ReleasesOf(const ReleaseLog& Log, HANDLE Object) {
  std::vector<ReleaseLog::Release> found;
  for (const ReleaseLog::Release& release : Log.releases)
    if (release.handle == Object) found.push_back(release);
  return found;
}

// Make returns a handle, Get its Windows object.
template <class Make, class Get>
Lifetime Follow(Make MakeHandle, Get GetObject) {
  using Handle = decltype(MakeHandle());
  Lifetime seen;
  const ReleaseLog log;
  {
    std::optional<Handle> original(MakeHandle());
    seen.object = std::invoke(GetObject, *original);
    const Handle copy = *original;
    original.reset();
    seen.copyShares = std::invoke(GetObject, copy) == seen.object;
    seen.releasesWhileCopyLives = ReleasesOf(log, seen.object).size();
    seen.typeWhileCopyLives = GetObjectType(seen.object);
  }
  seen.releases = ReleasesOf(log, seen.object);
  seen.typeAfterwards = GetObjectType(seen.object);
  return seen;
}

ZQR_Bitmap MakeScreenBitmap() {
  ZQR_Bitmap bitmap;
  bitmap.CreateScreenCompatiableBitmap(8, 8);
  return bitmap;
}

}  // namespace

// GetObjectType gives 0 for a handle whose object is gone. A screen context
// from GetDC lives on in Windows' cache after ReleaseDC: only its release is
// checked.
TEST(ZQR_SharedHandles, CopiesShareAndTheLastCopyReleasesWhatItOwns) {
  UseTestProgramResources();
  const struct {
    const char* why;
    std::function<Lifetime()> follow;
    const char* release;  // nullptr: never released
    bool gone;
  } kCases[] = {
      {"solid brush", [] { return Follow([] { return ZQR_Brush(ZQR_Color_Red); }, &ZQR_Brush::GetHBRUSH); }, "DeleteObject", true},
      {"pattern brush", [] { return Follow([] { return ZQR_Brush(MakeScreenBitmap()); }, &ZQR_Brush::GetHBRUSH); }, "DeleteObject", true},
      {"stock brush", [] { return Follow([] { return ZQR_Brush(WHITE_BRUSH); }, &ZQR_Brush::GetHBRUSH); }, nullptr, false},
      {"bitmap taken over", [] { return Follow([] { return ZQR_Bitmap(CreateBitmap(4, 4, 1, 1, nullptr)); }, &ZQR_Bitmap::GetHBITMAP); }, "DeleteObject", true},
      {"bitmap resource", [] { return Follow([] { return ZQR_Bitmap("ZQTESTBITMAP"); }, &ZQR_Bitmap::GetHBITMAP); }, "DeleteObject", true},
      {"screen-compatible bitmap", [] { return Follow(MakeScreenBitmap, &ZQR_Bitmap::GetHBITMAP); }, "DeleteObject", true},
      {"transparent bitmap's image", [] { return Follow([] { return ZQR_TransparentBitmap(MakeScreenBitmap(), ZQR_Color_White).GetBitmap(); }, &ZQR_Bitmap::GetHBITMAP); }, "DeleteObject", true},
      {"memory context, mode 0", [] { return Follow([] { return ZQR_DeviceContext(CreateCompatibleDC(nullptr), nullptr, 0); }, &ZQR_DeviceContext::GetHDC); }, "DeleteDC", true},
      {"screen context, mode 1", [] { return Follow([] { return ZQR_DeviceContext(GetDC(nullptr), nullptr, 1); }, &ZQR_DeviceContext::GetHDC); }, "ReleaseDC", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const Lifetime seen = c.follow();
    EXPECT_TRUE(seen.copyShares);
    EXPECT_EQ(seen.releasesWhileCopyLives, 0u);
    EXPECT_NE(seen.typeWhileCopyLives, 0u);
    ASSERT_EQ(seen.releases.size(), c.release ? 1u : 0u);
    if (c.release) {
      EXPECT_EQ(seen.releases[0].call, c.release);
    }
    if (c.gone) {
      EXPECT_EQ(seen.typeAfterwards, 0u);
    }
  }
}

TEST(ZQR_SharedHandles, EmptyHandlesDrawAndChangeNothing) {
  const ZQR_Color background(10, 20, 30);
  const DibCanvas canvas(2, 2, background);
  ZQR_Bitmap bitmap;
  bitmap.Draw(canvas.GetHDC(), 0, 0, 2, 2, BLACKNESS);
  bitmap.BitBlt(canvas.GetHDC(), 0, 0);
  bitmap.ReplaceColor(background, ZQR_Color_Red);
  ZQR_TransparentBitmap().Draw(canvas.GetHDC(), 0, 0, 2, 2);
  EXPECT_EQ(canvas.GetPixel(1, 1), background);
  EXPECT_TRUE(ZQR_TransparentBitmap().GetSize() == ZQ_Point<long>(0, 0));
}

TEST(ZQR_DeviceContext, AnUnknownReleaseModeFailsAndDeletesTheContext) {
  const ReleaseLog log;
  const HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_THROW(ZQR_DeviceContext(dc, nullptr, 2), ZQ_Exception);
  ASSERT_EQ(log.releases.size(), 1u);
  EXPECT_EQ(log.releases[0].call, "DeleteDC");
  EXPECT_EQ(GetObjectType(dc), 0u);
}
