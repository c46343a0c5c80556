// Window position and size drags in a real window inside a work area made
// smaller than the screen: the cursor clip areas keep a 16-pixel strip
// inside the work area and the glyphs' minimum size, and the rectangle
// reached is applied unless the drag was cancelled.
#include <gtest/gtest.h>

#include <functional>

#include "DragTestSupport.h"
#include "WindowTestSupport.h"
#include "ZQF_Metrics.h"
#include "ZQF_StandardCommandMessage.h"

namespace {

using R = ZQ_Rectangle<long>;

// Natural 200 x 150, at least 80 x 60.
class StretchyGlyph : public RecordingGlyph {
 public:
  StretchyGlyph() : RecordingGlyph("c", nullptr) {}
  void UpdateMyDesiredSize() override {
    DesiredSize.SetX(200, 80, ZQF_DesiredSize::UnboundedMaximum);
    DesiredSize.SetY(150, 60, ZQF_DesiredSize::UnboundedMaximum);
  }
};

class WindowDragTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    {
      const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::SystemParametersInfoA> workArea(
          [](UINT, UINT, PVOID Value, UINT) {
            *static_cast<RECT*>(Value) = RECT{300, 200, 900, 700};
            return TRUE;
          });
      ZQF_ResetMetricsByQueryingSystem();
    }
    ASSERT_EQ(ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea), R(300, 200, 600, 500));
    client = new StretchyGlyph;
    window = OpenAround(client, R(400, 300, 200, 150));
  }

  StretchyGlyph* client = nullptr;
  ZQF_Window* window = nullptr;
};

TEST_F(WindowDragTest, DragsKeepTheWorkAreaAndTheMinimumSize) {
  const std::function<void(ZQF_Window*, ZQF_Glyph*)> move = [](ZQF_Window* W, ZQF_Glyph*) {
    W->BeginWindowPositionDrag();
  };
  // The size drag as a frame asks for it, up the parent chain.
  const std::function<void(ZQF_Window*, ZQF_Glyph*)> size = [](ZQF_Window*, ZQF_Glyph* G) {
    ZQF_ContainerSizeDragRequestNotificationMessage request;
    G->Dispatch(request);
  };
  const struct {
    const char* why;
    std::function<void(ZQF_Window*, ZQF_Glyph*)> start;
    ZQ_Point<long> press;
    UINT ending;
    R clip;
    R result;
  } kCases[] = {
      // Origins from 116 (right edge 16 px past the work area's left) to
      // 884 (left edge 16 px before its right), held at (50, 20).
      {"moved", move, {450, 320}, WM_LBUTTONUP, {166, 86, 769, 619}, {500, 350, 200, 150}},
      {"move cancelled", move, {450, 320}, WM_KEYDOWN, {166, 86, 769, 619}, {400, 300, 200, 150}},
      // The bottom-right corner: width from 80, height from 60, right and
      // bottom edges up to the work area's.
      {"sized", size, {598, 448}, WM_LBUTTONUP, {478, 358, 421, 341}, {400, 300, 152, 72}},
      {"size cancelled", size, {598, 448}, WM_KEYDOWN, {478, 358, 421, 341}, {400, 300, 200, 150}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    window->SetWindowRectangle(R(400, 300, 200, 150));
    std::vector<std::string> hookLog;
    RecordingDragHook hook(&hookLog);
    ::SetCursorPos(c.press.X, c.press.Y);
    PumpMessages();
    // To (550, 370) on the screen, then the release or Escape.
    const HWND handle = window->GetWindowHandle();
    ::PostMessageA(handle, WM_MOUSEMOVE, 0, Point(150, 70));
    ::PostMessageA(handle, c.ending, c.ending == WM_KEYDOWN ? VK_ESCAPE : 0, Point(150, 70));
    c.start(window, client);
    EXPECT_EQ(hook.ClipAreaAtBegin, c.clip);
    EXPECT_EQ(window->GetWindowRectangle(), c.result);
  }
}

}  // namespace
