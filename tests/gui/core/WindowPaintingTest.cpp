// Repaint requests and painting.
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQLOW_WINUSER.h"

namespace {

struct Invalidation {
  RECT Rect;
  BOOL Erase;
};

TEST_F(WindowTest, RepaintRequestsReachWindowsClamped) {
  ZQF_Window* window = OpenAround(new RecordingGlyph("c", nullptr));
  ZQF_Window unborn(new ZQF_TopLevelGlyph(new RecordingGlyph("u", nullptr)));
  std::vector<Invalidation> calls;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::InvalidateRect> fake(
      [&calls](HWND, const RECT* Rect, BOOL Erase) {
        calls.push_back({*Rect, Erase});
        return TRUE;
      });
  const struct {
    ZQ_Rectangle<long> Request;
    RECT Expected;
  } cases[] = {
      {ZQ_Rectangle<long>(10, 20, 30, 40), RECT{10, 20, 40, 60}},
      {ZQ_Rectangle<long>(50, 0, 100000 - 50, 10), RECT{50, 0, 32500, 10}},
      {ZQ_Rectangle<long>(-40000, -5, 40010, 5), RECT{-32500, -5, 10, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Request.X);
    calls.clear();
    window->InvalidateRect(c.Request);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Rect.left, c.Expected.left);
    EXPECT_EQ(calls[0].Rect.top, c.Expected.top);
    EXPECT_EQ(calls[0].Rect.right, c.Expected.right);
    EXPECT_EQ(calls[0].Rect.bottom, c.Expected.bottom);
    EXPECT_EQ(calls[0].Erase, FALSE);
  }
  calls.clear();
  unborn.InvalidateRect(ZQ_Rectangle<long>(0, 0, 10, 10));
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] {
                         window->AddToUpdateAfterPaintMessageRegion(0, 0, 1, 1);
                       }),
                       "ProcessingPaintMessageFlag"));
}

}  // namespace
