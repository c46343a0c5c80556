// Window position and size drags in a real window inside a work area made
// smaller than the screen: the cursor clip areas keep a 16-pixel strip
// inside the work area and the glyphs' minimum size, and the rectangle
// reached is applied unless the drag was cancelled.
#include <gtest/gtest.h>

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
    ASSERT_EQ(ZQF_GetAreaMetric(0), R(300, 200, 600, 500));
    client = new StretchyGlyph;
    window = OpenAround(client, R(400, 300, 200, 150));
    ASSERT_EQ(window->GetWindowRectangle(), R(400, 300, 200, 150));
  }
  // The pointer at a screen point; then the input that ends the drag, in
  // client coordinates.
  void Prepare(long X, long Y, const std::vector<std::pair<UINT, ZQ_Point<long>>>& Input) {
    ::SetCursorPos(X, Y);
    PumpMessages();
    for (const auto& m : Input) {
      ::PostMessageA(window->GetWindowHandle(), m.first, m.first == WM_KEYDOWN ? VK_ESCAPE : 0,
                     Point(m.second.X, m.second.Y));
    }
  }

  StretchyGlyph* client = nullptr;
  ZQF_Window* window = nullptr;
  std::vector<std::string> hookLog;
};

TEST_F(WindowDragTest, PositionDragsKeepAStripInsideTheWorkArea) {
  const struct {
    const char* why;
    UINT ending;
    R result;
  } kCases[] = {
      {"released", WM_LBUTTONUP, {500, 350, 200, 150}},
      {"cancelled", WM_KEYDOWN, {400, 300, 200, 150}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    window->SetWindowRectangle(R(400, 300, 200, 150));
    RecordingDragHook hook(&hookLog);
    Prepare(450, 320, {{WM_MOUSEMOVE, {150, 70}}, {c.ending, {150, 70}}});
    window->BeginWindowPositionDrag();
    // Origins from 116 (right edge 16 px past the work area's left) to 884
    // (left edge 16 px before its right), held 50 and 20 px from the corner.
    EXPECT_EQ(hook.ClipAreaAtBegin, R(166, 86, 769, 619));
    EXPECT_EQ(window->GetWindowRectangle(), c.result);
  }
}

TEST_F(WindowDragTest, SizeDragsKeepTheMinimumAndTheWorkArea) {
  const struct {
    const char* why;
    UINT ending;
    R result;
  } kCases[] = {
      {"released", WM_LBUTTONUP, {400, 300, 252, 202}},
      {"cancelled", WM_KEYDOWN, {400, 300, 200, 150}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    window->SetWindowRectangle(R(400, 300, 200, 150));
    RecordingDragHook hook(&hookLog);
    Prepare(598, 448, {{WM_MOUSEMOVE, {250, 200}}, {c.ending, {250, 200}}});
    // The frame's request travels up to the top-level glyph.
    ZQF_ContainerSizeDragRequestNotificationMessage request;
    client->Dispatch(request);
    // The bottom-right corner: width from 80, height from 60, right and
    // bottom edges up to the work area's.
    EXPECT_EQ(hook.ClipAreaAtBegin, R(478, 358, 421, 341));
    EXPECT_EQ(window->GetWindowRectangle(), c.result);
  }
}

}  // namespace
