// Wheel-button scrolling: speeds, ticks fed their time, cursors by sector
// (each one embedded), and a scroll drag in a real window ended by a
// click that a timer posts.
#include <gtest/gtest.h>

#include <cmath>

#include "DragTestSupport.h"
#include "WindowTestSupport.h"
#include "ZQF_MouseWheel.h"
#include "ZQ_Stopwatch.h"
#include "ZQ_Timer.h"

namespace {

struct ScrollRecorder {
  void Scroll(double X, double Y) {
    Amounts.push_back({X, Y});
    WindowsDuringScroll = ZQF_Window::GetNumCurrentWindows();
  }
  std::vector<std::pair<double, double>> Amounts;
  long WindowsDuringScroll = 0;
};

// The stopwatch's clock, moved by hand.
unsigned long s_now = 0;
unsigned long Now() { return s_now; }

class WheelScrollTest : public GuiStageTest {
 protected:
  void SetUp() override {
    GuiStageTest::SetUp();
    s_now = 100000;
    previousClock = ZQ_SetMillisecondTickCountSource(&Now);
  }
  void TearDown() override {
    ZQ_SetMillisecondTickCountSource(previousClock);
    GuiStageTest::TearDown();
  }
  // A vertical drag pressed at (500, 500).
  std::unique_ptr<MouseWheelScrollDragOperation> Drag(int AxisMode, int StepMode) {
    const FakeCursorPosition pressed(500, 500);
    return std::unique_ptr<MouseWheelScrollDragOperation>(new MouseWheelScrollDragOperation(
        &glyph, ZQF_WheelScrollCallback(&scrolled, &ScrollRecorder::Scroll), AxisMode, StepMode,
        4.0, 99999.0));
  }
  void Tick(MouseWheelScrollDragOperation& D, unsigned long Milliseconds) {
    s_now += Milliseconds;
    D.TimerTickCallback();
  }

  ZQ_MillisecondTickCountSource previousClock = nullptr;
  RecordingGlyph glyph{"g", nullptr};
  ScrollRecorder scrolled;
};

TEST_F(WheelScrollTest, SpeedGrowsFromTheDeadZoneEdgeToTheMaximum) {
  const auto drag = Drag(0, 0);
  const struct {
    long distance;
    double speed;
    const char* why;
  } kCases[] = {
      {-11, 0, "inside the dead zone"},
      {12, 4, "dead-zone edge: the minimum"},
      {-12, -4, "edge, upward"},
      {134, std::sqrt(99996.0) + 3, "halfway: the geometric middle"},
      {256, 99999, "8 x 32 px: the maximum"},
      {-1000, -99999, "beyond: capped"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_NEAR(drag->CalculateScrollSpeed(c.distance), c.speed, 1e-6 * (1 + std::fabs(c.speed)));
  }
}

TEST_F(WheelScrollTest, WholeUnitsCarryTheirFractions) {
  const auto drag = Drag(0, 0);
  PointAt(*drag, 500, 512);  // 4 units per second
  for (int tick = 0; tick < 20; ++tick) Tick(*drag, 50);
  EXPECT_EQ(scrolled.Amounts,
            (std::vector<std::pair<double, double>>{{0, 1}, {0, 1}, {0, 1}, {0, 1}}))
      << "one unit every 250 ms";
}

TEST_F(WheelScrollTest, TicksScaleWithTheirTimeButNeverBelowOnePeriod) {
  const auto drag = Drag(2, 1);
  PointAt(*drag, 600, 500);
  const double speed = drag->CalculateScrollSpeed(100);
  const struct {
    unsigned long milliseconds;
    double seconds;
    const char* why;
  } kCases[] = {{50, 0.05, "punctual"},
                {200, 0.2, "late: four times as far"},
                {20, 0.05, "early: still one period"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    scrolled.Amounts.clear();
    Tick(*drag, c.milliseconds);
    ASSERT_EQ(scrolled.Amounts.size(), 1u);
    EXPECT_NEAR(scrolled.Amounts[0].first, speed * c.seconds, 1e-9);
    EXPECT_EQ(scrolled.Amounts[0].second, 0);
  }
}

TEST_F(WheelScrollTest, CursorsShowTheDirectionBySector) {
  const struct {
    int axisMode;
    long dx, dy;
    const char* cursor;
  } kCases[] = {
      {0, 5, 5, "ZQF_ScrollNSCursor"},      {0, 0, -12, "ZQF_ScrollNCursor"},
      {0, 0, 12, "ZQF_ScrollSCursor"},      {0, 40, 0, "ZQF_ScrollNSCursor"},
      {1, -12, 0, "ZQF_ScrollWCursor"},     {1, 12, 0, "ZQF_ScrollECursor"},
      {1, 0, 40, "ZQF_ScrollEWCursor"},     {2, 11, -11, "ZQF_ScrollNSEWCursor"},
      {2, 0, -12, "ZQF_ScrollNCursor"},     {2, 100, -41, "ZQF_ScrollECursor"},
      {2, 100, -42, "ZQF_ScrollNECursor"},  {2, 100, 41, "ZQF_ScrollECursor"},
      {2, 100, 42, "ZQF_ScrollSECursor"},   {2, -100, -41, "ZQF_ScrollWCursor"},
      {2, -100, -42, "ZQF_ScrollNWCursor"}, {2, -12, 0, "ZQF_ScrollWCursor"},
      {2, 0, 12, "ZQF_ScrollSCursor"},      {2, -30, 30, "ZQF_ScrollSWCursor"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.axisMode) + ": " + std::to_string(c.dx) + ", " +
                 std::to_string(c.dy));
    const auto drag = Drag(c.axisMode, 0);
    PointAt(*drag, 500 + c.dx, 500 + c.dy);
    EXPECT_STREQ(drag->GetCursorName(), c.cursor);
    EXPECT_EQ(HandleOf(drag->GetCursor()), ::LoadCursorA(::GetModuleHandleA(nullptr), c.cursor));
  }
}

TEST_F(WindowTest, MiddleClickScrollsTowardThePointerUntilTheNextClick) {
  RecordingGlyph* client = new RecordingGlyph("c", &log);
  const HWND window = OpenAround(client)->GetWindowHandle();
  POINT press{50, 40};
  ::ClientToScreen(window, &press);
  ::SetCursorPos(press.x, press.y);
  PumpMessages();
  ::PostMessageA(window, WM_MBUTTONUP, 0, MAKELPARAM(51, 41));  // a click in place
  std::vector<std::string> hooks;
  RecordingDragHook hook(&hooks);
  ScrollRecorder scrolled;
  const long windowsBefore = ZQF_Window::GetNumCurrentWindows();
  ScrollScript script(window, ZQ_Point<long>(press.x, press.y));
  ZQF_MouseWheel_BeginWheelScrollDragOperation(
      client, ZQF_WheelScrollCallback(&scrolled, &ScrollRecorder::Scroll), 0, 0, 4.0, 99999.0);
  EXPECT_EQ(script.Ticks, 8);
  ASSERT_FALSE(scrolled.Amounts.empty());
  for (const auto& amount : scrolled.Amounts) {
    EXPECT_EQ(amount.first, 0);
    EXPECT_GE(amount.second, 1) << "whole units, downward";
  }
  EXPECT_EQ(scrolled.WindowsDuringScroll, windowsBefore + 1) << "the origin mark";
  EXPECT_EQ(ZQF_Window::GetNumCurrentWindows(), windowsBefore);
  EXPECT_EQ(Joined(hooks).substr(0, 5), "begin");
  EXPECT_EQ(hooks.back(), "end") << "the next click completes";
}

}  // namespace
