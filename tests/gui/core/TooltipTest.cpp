// Tooltips without windows: the state table cell by cell, the window's
// placement against the cursor, and the look of the plain-text tooltip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "GlyphTestSupport.h"
#include "TooltipDisplayGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Tooltips.h"

namespace {

using Event = ZQF_TooltipStateMachine::StateChange;
const Event N = ZQF_TooltipStateMachine::StateChange_NullIDEvent;
const Event M = ZQF_TooltipStateMachine::StateChange_MatchingIDEvent;
const Event W = ZQF_TooltipStateMachine::StateChange_NewIDEvent;
const Event H = ZQF_TooltipStateMachine::StateChange_HookEvent;
const Event T = ZQF_TooltipStateMachine::StateChange_TimerFireEvent;

// Logs every action; the delay is 100 ms, the recently-shown time 500 ms.
class LoggingMachine : public ZQF_TooltipStateMachine {
 public:
  std::string Log;
  bool Focused = true;
  // Raised from inside the next display, as a window message would be.
  std::vector<Event> RaisedByDisplay;

 protected:
  long GetDisplayDelay() override { return 100; }
  long GetRecentlyShownTime() override { return 500; }
  bool CanDisplay() override { return Focused; }
  void StartTimer(long PeriodMs) override { Add("start " + std::to_string(PeriodMs)); }
  void StopTimer() override { Add("stop"); }
  void ResetTimer(long PeriodMs) override { Add("reset " + std::to_string(PeriodMs)); }
  void InstallHook() override { Add("install"); }
  void UninstallHook() override { Add("uninstall"); }
  void DisplayTooltip() override {
    Add("display");
    std::vector<Event> raised;
    raised.swap(RaisedByDisplay);
    for (Event e : raised) RaiseEvent(e);
  }
  void EraseTooltip() override { Add("erase"); }
  void RedisplayTooltips() override { Add("redisplay"); }

 private:
  void Add(const std::string& Action) { Log += (Log.empty() ? "" : ", ") + Action; }
};

// The events that lead from idle to each state.
const std::vector<Event> kPathTo[] = {{}, {W}, {W, T}, {W, H}, {W, T, N}};

TEST(TooltipStateTable, EveryCellRunsItsActionsOrFails) {
  const struct {
    int state;
    Event event;
    bool focused;
    const char* actions;  // "false": the cell fails its assertion
    int next;
  } cells[] = {
      {0, N, true, "", 0},
      {0, M, true, "false", 0},
      {0, W, true, "start 100, install", 1},
      {0, H, true, "false", 0},
      {0, T, true, "false", 0},
      {1, N, true, "stop, uninstall", 0},
      {1, M, true, "reset 100", 1},
      {1, W, true, "reset 100", 1},
      {1, H, true, "stop, uninstall", 3},
      {1, T, true, "stop, display", 2},
      {1, T, false, "stop, uninstall", 3},
      {2, N, true, "erase, start 500, uninstall", 4},
      {2, M, true, "", 2},
      {2, W, true, "redisplay", 2},
      {2, H, true, "erase, uninstall", 3},
      {2, T, true, "false", 2},
      {3, N, true, "", 3},
      {3, M, true, "", 3},
      {3, W, true, "start 100, install", 1},
      {3, H, true, "false", 3},
      {3, T, true, "false", 3},
      {4, N, true, "", 4},
      {4, M, true, "false", 4},
      {4, W, true, "display, stop, install", 2},
      {4, H, true, "false", 4},
      {4, T, true, "stop", 0},
  };
  for (const auto& c : cells) {
    SCOPED_TRACE("state " + std::to_string(c.state) + ", event " + std::to_string(c.event) +
                 (c.focused ? "" : ", unfocused"));
    LoggingMachine machine;
    for (Event e : kPathTo[c.state]) machine.RaiseEvent(e);
    ASSERT_EQ(machine.GetState(), c.state);
    machine.Log.clear();
    machine.Focused = c.focused;
    const std::string failure = AssertionFailureOf([&] { machine.RaiseEvent(c.event); });
    if (std::string(c.actions) == "false") {
      EXPECT_TRUE(FailedOn(failure, "false")) << failure;
    } else {
      EXPECT_EQ(failure, "");
      EXPECT_EQ(machine.Log, c.actions);
    }
    EXPECT_EQ(machine.GetState(), c.next);
  }
}

// Events caused by showing the window wait until the display ends; a held
// back hook event is dropped when an earlier one has removed the hook.
TEST(TooltipStateTable, AnEventRaisedByAnActionFollowsIt) {
  const std::string shown = "stop, display, ";
  const std::string recent = "erase, start 500, uninstall";
  const struct {
    std::vector<Event> raised;
    std::string actions;
    int next;
  } cases[] = {
      {{H}, shown + "erase, uninstall", 3},
      {{H, H}, shown + "erase, uninstall", 3},
      {{N, H}, shown + recent, 4},
      {{N, T, H}, shown + recent + ", stop", 0},
      {{N, W, H}, shown + recent + ", display, stop, install, erase, uninstall", 3},
  };
  for (const auto& c : cases) {
    std::string raised;
    for (Event e : c.raised) raised += std::to_string(e);
    SCOPED_TRACE("raised " + raised);
    LoggingMachine machine;
    machine.RaiseEvent(W);
    machine.RaisedByDisplay = c.raised;
    machine.Log.clear();
    EXPECT_EQ(AssertionFailureOf([&] { machine.RaiseEvent(T); }), "");
    EXPECT_EQ(machine.Log, c.actions);
    EXPECT_EQ(machine.GetState(), c.next);
  }
}

using TooltipLayout = GuiStageTest;

TEST_F(TooltipLayout, BelowTheCursorAboveItAtTheBottomAndInsideTheScreen) {
  const ZQ_Rectangle<long> s = ZQF_GetAreaMetric(ZQF_AreaMetric_Screen);
  const long overlap = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y;
  const long cx = s.X + s.Width / 2, cy = s.Y + s.Height / 2;
  const long right = s.X + s.Width, bottom = s.Y + s.Height;
  const struct {
    const char* why;
    ZQ_Rectangle<long> cursor;
    ZQ_Point<long> origin;
  } cases[] = {
      {"below, centred", {cx - 16, cy - 16, 32, 32}, {cx - 50, cy + 16 - overlap}},
      {"above at the screen's bottom",
       {cx - 16, bottom - 40, 32, 32},
       {cx - 50, bottom - 40 - 20 + overlap}},
      {"moved right at the left edge", {s.X - 16, cy, 32, 32}, {s.X, cy + 32 - overlap}},
      {"moved left at the right edge", {right - 16, cy, 32, 32}, {right - 100, cy + 32 - overlap}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const ZQ_Rectangle<long> r = ZQF_Tooltips::ComputeTooltipWindowLayout(100, 20, c.cursor);
    EXPECT_EQ(r.GetTopLeft(), c.origin);
    EXPECT_EQ(r.Width, 100);
    EXPECT_EQ(r.Height, 20);
  }
}

// A tooltip glyph showing "Wind speed", drawn over the whole 120 x 30 surface.
void DrawTooltipGlyph(const DibSurface& Surface) {
  ZQF_Canvas canvas(Surface.GetHDC(), Surface.NewWholeRegion(), false);
  ZQF_TopLevelGlyph top(new TooltipDisplayGlyph("Wind speed", ZQF_GetFontMetric(ZQF_FontMetric_Tooltip)));
  top.ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 120, 30));
  top.ProcessWindowDraw(canvas);
}

// The picture for a person: the system's own colours, not the distinct
// ones the pixel checks need.
TEST_F(TooltipLayout, PictureOfTheGlyphInTheSystemColours) {
  DibSurface surface(120, 30);
  DrawTooltipGlyph(surface);
  surface.SaveScreenshot("TooltipGlyph");
  EXPECT_EQ(surface.GetPixel(3, 3), ZQF_GetColorMetric(ZQF_ColorMetric_TooltipBackground));
  EXPECT_GT(surface.CountPixels(ZQF_GetColorMetric(ZQF_ColorMetric_TooltipText)), 20);
}

using TooltipGlyphLook = DistinctColorsStageTest;

TEST_F(TooltipGlyphLook, TextInColour29OnColour28InsideABorder) {
  DibSurface surface(120, 30);
  DrawTooltipGlyph(surface);
  const ZQR_Color background = ZQF_GetColorMetric(ZQF_ColorMetric_TooltipBackground);
  EXPECT_EQ(surface.GetPixel(3, 3), background);
  EXPECT_NE(surface.GetPixel(0, 0), background);  // the border
  EXPECT_NE(surface.GetPixel(119, 29), background);
  EXPECT_GT(surface.CountPixels(ZQF_GetColorMetric(ZQF_ColorMetric_TooltipText)), 20);
}

}  // namespace
