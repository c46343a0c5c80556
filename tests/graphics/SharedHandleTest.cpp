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

template <class Handle, class Getter>
Lifetime Follow(std::function<Handle()> Make, Getter Get) {
  Lifetime seen;
  const ReleaseLog log;
  {
    std::optional<Handle> original(Make());
    seen.object = Get(*original);
    const Handle copy = *original;
    original.reset();
    seen.copyShares = Get(copy) == seen.object;
    seen.releasesWhileCopyLives = ReleasesOf(log, seen.object).size();
    seen.typeWhileCopyLives = GetObjectType(seen.object);
  }
  seen.releases = ReleasesOf(log, seen.object);
  seen.typeAfterwards = GetObjectType(seen.object);
  return seen;
}

Lifetime FollowBrush(std::function<ZQR_Brush()> Make) {
  return Follow(Make, [](const ZQR_Brush& B) { return B.GetHBRUSH(); });
}
Lifetime FollowBitmap(std::function<ZQR_Bitmap()> Make) {
  return Follow(Make, [](const ZQR_Bitmap& B) { return B.GetHBITMAP(); });
}
Lifetime FollowContext(std::function<ZQR_DeviceContext()> Make) {
  return Follow(Make, [](const ZQR_DeviceContext& C) { return C.GetHDC(); });
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
      {"solid brush", [] { return FollowBrush([] { return ZQR_Brush(ZQR_Color_Red); }); }, "DeleteObject", true},
      {"pattern brush", [] { return FollowBrush([] { return ZQR_Brush(MakeScreenBitmap()); }); }, "DeleteObject", true},
      {"stock brush", [] { return FollowBrush([] { return ZQR_Brush(WHITE_BRUSH); }); }, nullptr, false},
      {"bitmap taken over", [] { return FollowBitmap([] { return ZQR_Bitmap(CreateBitmap(4, 4, 1, 1, nullptr)); }); }, "DeleteObject", true},
      {"bitmap resource", [] { return FollowBitmap([] { return ZQR_Bitmap("ZQTESTBITMAP"); }); }, "DeleteObject", true},
      {"screen-compatible bitmap", [] { return FollowBitmap(MakeScreenBitmap); }, "DeleteObject", true},
      {"transparent bitmap's image", [] { return FollowBitmap([] { return ZQR_TransparentBitmap(MakeScreenBitmap(), ZQR_Color_White).GetBitmap(); }); }, "DeleteObject", true},
      {"memory context, mode 0", [] { return FollowContext([] { return ZQR_DeviceContext(CreateCompatibleDC(nullptr), nullptr, 0); }); }, "DeleteDC", true},
      {"screen context, mode 1", [] { return FollowContext([] { return ZQR_DeviceContext(GetDC(nullptr), nullptr, 1); }); }, "ReleaseDC", false},
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

TEST(ZQR_DeviceContext, AnUnknownReleaseModeFailsAndDeletesTheContext) {
  const ReleaseLog log;
  const HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_THROW(ZQR_DeviceContext(dc, nullptr, 2), ZQ_Exception);
  ASSERT_EQ(log.releases.size(), 1u);
  EXPECT_EQ(log.releases[0].call, "DeleteDC");
  EXPECT_EQ(GetObjectType(dc), 0u);
}
