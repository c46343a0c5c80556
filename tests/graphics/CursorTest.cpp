#include <gtest/gtest.h>

#include <vector>

#include "GraphicsTestSupport.h"
#include "ZQR_Cursor.h"

namespace {

// The cursors UseCursor hands to SetCursor while it lives.
class AppliedCursors {
 public:
  std::vector<HCURSOR> cursors;

 private:
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::SetCursor> setCursor{[this](HCURSOR Cursor) {
    cursors.push_back(Cursor);
    return ::SetCursor(Cursor);
  }};
};

HCURSOR Applied(const ZQR_Cursor& Cursor) {
  const AppliedCursors applied;
  ZQR_Cursor::SetCursorToUse(Cursor);
  ZQR_Cursor::UseCursor();
  return applied.cursors.empty() ? nullptr : applied.cursors.back();
}

}  // namespace

// The busy cursor's round: save the recorded cursor, use another, restore.
TEST(ZQR_Cursor, UseCursorAppliesARecordedCursorOnce) {
  const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  const HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
  const AppliedCursors applied;
  ZQR_Cursor::SetCursorToUse(ZQR_Cursor::LoadStockCursor(IDC_CROSS));
  ZQR_Cursor::UseCursor();
  ZQR_Cursor::UseCursor();  // nothing pending
  const ZQR_Cursor saved = ZQR_Cursor::GetCursorToUse();
  ZQR_Cursor::SetCursorToUse(ZQR_Cursor());
  ZQR_Cursor::UseCursor();  // no cursor gives the arrow
  ZQR_Cursor::SetCursorToUse(saved);
  ZQR_Cursor::UseCursor();
  EXPECT_EQ(applied.cursors, (std::vector<HCURSOR>{cross, arrow, cross}));
}

// The resource cursor, whose hot spot is at 3, 5, is shared: it outlives
// its handles.
TEST(ZQR_Cursor, LoadsStockCursorsByNameOrNumberAndResourcesByName) {
  UseTestProgramResources();
  const HCURSOR resource = LoadCursorA(GetModuleHandleA(nullptr), "ZQTESTCURSOR");
  {
    const struct { const char* why; ZQR_Cursor cursor; HCURSOR want; } kCases[] = {
        {"IDC_ARROW", ZQR_Cursor::LoadStockCursor(IDC_ARROW), LoadCursorA(nullptr, IDC_ARROW)},
        {"32512", ZQR_Cursor::LoadStockCursor(MAKEINTRESOURCEA(32512)), LoadCursorA(nullptr, IDC_ARROW)},
        {"resource", ZQR_Cursor("ZQTESTCURSOR"), resource}};
    for (const auto& c : kCases) {
      SCOPED_TRACE(c.why);
      EXPECT_EQ(Applied(c.cursor), c.want);
    }
  }
  ZQR_Cursor::SetCursorToUse(ZQR_Cursor());  // the last share of the resource goes
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(resource, &info));
  EXPECT_EQ(info.yHotspot, 5u);
  DeleteObject(info.hbmMask);
}

namespace {

// The clip rectangle is desktop-wide: under Wine, a window of another test
// program that becomes active meanwhile releases it. Such a release shows as
// the whole screen, never as another rectangle, so the round trip is tried
// again then.
bool ClipAndPlaceCursor(RECT& Clip, ZQ_Point<long>& Location) {
  const long screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  ZQR_Cursor::ClipCursor(ZQ_Rectangle<long>(10, 20, 100, 50));
  GetClipCursor(&Clip);
  SetCursorPos(500, 5);
  Location = ZQR_Cursor::GetScreenLocation();
  RECT after{};
  GetClipCursor(&after);
  return Clip.right - Clip.left != screenWidth && after.right - after.left != screenWidth;
}

}  // namespace

TEST(ZQR_Cursor, ConfinesTheMouseToTheClipRectangleUntilReleased) {
  RECT clip{};
  ZQ_Point<long> location;
  for (int attempt = 0; attempt < 50 && !ClipAndPlaceCursor(clip, location); ++attempt) Sleep(20);
  EXPECT_EQ(clip.left, 10);
  EXPECT_EQ(clip.top, 20);
  EXPECT_EQ(clip.right, 110);
  EXPECT_EQ(clip.bottom, 70);
  EXPECT_TRUE(location == ZQ_Point<long>(109, 20));
  ZQR_Cursor::DoNotClipCursor();
  GetClipCursor(&clip);
  EXPECT_EQ(clip.right - clip.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_EQ(clip.bottom - clip.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
}
