#include "ZQF_MouseWheel.h"

#include <cmath>
#include <cstring>

#include "ZQF_BitmapGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_TransientWindow.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINUSER.h"
#include "ZQR_Color.h"
#include "ZQR_TransparentBitmap.h"
#include "ZQ_Assertion.h"

namespace {

UINT s_wheelMessageID = 0;

// A version that cannot be read is no reason to fail: the wheel message
// then is the common one.
bool ReadVersion(OSVERSIONINFOA& Version) {
  Version = OSVERSIONINFOA();
  Version.dwOSVersionInfoSize = sizeof Version;  // the 148-byte record
  return ZQLOW_WINBASE::GetVersionEx_DoNotThrowException(&Version) != FALSE;
}

const double TickSeconds = 0.05;

const char* const CursorNames[] = {
    "ZQF_ScrollNCursor",  "ZQF_ScrollSCursor",  "ZQF_ScrollECursor",   "ZQF_ScrollWCursor",
    "ZQF_ScrollNECursor", "ZQF_ScrollNWCursor", "ZQF_ScrollSECursor",  "ZQF_ScrollSWCursor",
    "ZQF_ScrollNSCursor", "ZQF_ScrollEWCursor", "ZQF_ScrollNSEWCursor"};
const int NumCursors = sizeof CursorNames / sizeof CursorNames[0];

// Loaded on first use, kept for the run.
const ZQR_Cursor& CursorNamed(const char* Name) {
  static ZQR_Cursor s_cursors[NumCursors];
  static bool s_loaded[NumCursors] = {};
  for (int i = 0; i < NumCursors; ++i) {
    if (std::strcmp(CursorNames[i], Name) != 0) continue;
    if (!s_loaded[i]) s_cursors[i] = ZQR_Cursor(ZQ_String(Name));
    s_loaded[i] = true;
    return s_cursors[i];
  }
  return ZQF_GetCursorMetric(ZQF_CursorMetric_Arrow);
}

// The sectors counter-clockwise from west, each 45 degrees wide; a bound
// belongs to the sector after it.
const char* CompassCursor(long Dx, long Dy) {
  static const char* const sectors[] = {
      "ZQF_ScrollWCursor", "ZQF_ScrollSWCursor", "ZQF_ScrollSCursor", "ZQF_ScrollSECursor",
      "ZQF_ScrollECursor", "ZQF_ScrollNECursor", "ZQF_ScrollNCursor", "ZQF_ScrollNWCursor"};
  const double pi = 3.14159265358979323846;
  const double angle = std::atan2(static_cast<double>(-Dy), static_cast<double>(Dx)) * 180 / pi;
  for (int i = 0; i < 8; ++i) {
    if (angle < -157.5 + 45 * i) return sectors[i];
  }
  return "ZQF_ScrollWCursor";
}

// The one origin window, or null.
ZQF_TransientWindow* TooltipWindow = nullptr;

}  // namespace

UINT ZQF_MouseWheel_ComputeWheelMessageID() {
  OSVERSIONINFOA version;
  if (!ReadVersion(version)) return WM_MOUSEWHEEL;
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 4) {
    return WM_MOUSEWHEEL;
  }
  if (version.dwMajorVersion < 5) return ZQLOW_WINUSER::RegisterWindowMessageA("MSWHEEL_ROLLMSG");
  return WM_MOUSEWHEEL;
}

UINT ZQF_MouseWheel_GetWheelMessageID() {
  if (s_wheelMessageID == 0) s_wheelMessageID = ZQF_MouseWheel_ComputeWheelMessageID();
  return s_wheelMessageID;
}

MouseWheelScrollDragOperation::MouseWheelScrollDragOperation(
    ZQF_Glyph* InitiatingGlyph, const ZQF_WheelScrollCallback& ScrollCallback, int AxisMode,
    int StepMode, double MinimumSpeed, double MaximumSpeed)
    : ZQF_DragOperation(InitiatingGlyph),
      ScrollCallback(ScrollCallback),
      AxisMode(AxisMode),
      StepMode(StepMode),
      MinimumSpeed(MinimumSpeed),
      MaximumSpeed(MaximumSpeed),
      DeadZoneRadius(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px).X),
      TickTimer(static_cast<int>(std::lround(TickSeconds * 1000)),
                ZQ_Functor0(this, &MouseWheelScrollDragOperation::TimerTickCallback)),
      SpeedOffset(MinimumSpeed - 1.0) {
  const long fullSpeedDistance = 8 * ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px).X;
  SpeedGrowth = std::log(MaximumSpeed - SpeedOffset) / (fullSpeedDistance - DeadZoneRadius);
  SetClickModeAllowed(true);
}

MouseWheelScrollDragOperation::~MouseWheelScrollDragOperation() {
  try {
    EraseOriginBitmap();
  } catch (...) {
  }
}

double MouseWheelScrollDragOperation::CalculateScrollSpeed(long Distance) const {
  const long magnitude = Distance < 0 ? -Distance : Distance;
  if (magnitude < DeadZoneRadius) return 0;
  double speed = std::exp(SpeedGrowth * (magnitude - DeadZoneRadius)) + SpeedOffset;
  if (speed > MaximumSpeed) speed = MaximumSpeed;
  return Distance < 0 ? -speed : speed;
}

void MouseWheelScrollDragOperation::TimerTickCallback() {
  double dt = Stopwatch.Restart();
  if (dt < TickSeconds) dt = TickSeconds;
  const ZQ_Point<long>& current = GetCurrentMousePosition();
  const ZQ_Point<long>& start = GetStartMousePosition();
  AccumulatedX += CalculateScrollSpeed(current.X - start.X) * dt;
  AccumulatedY += CalculateScrollSpeed(current.Y - start.Y) * dt;
  double amountX = 0;
  double amountY = 0;
  PassAmounts(amountX, amountY);
  if (std::fabs(amountX) > 0.01 || std::fabs(amountY) > 0.01) ScrollCallback(amountX, amountY);
}

// Takes what the step mode passes out of the accumulators.
void MouseWheelScrollDragOperation::PassAmounts(double& AmountX, double& AmountY) {
  if (StepMode == 0) {
    AmountX = std::trunc(AccumulatedX);
    AmountY = std::trunc(AccumulatedY);
  } else if (StepMode == 1) {
    AmountX = AccumulatedX;
    AmountY = AccumulatedY;
  } else {
    ZQ_ASSERT(false);
    return;
  }
  AccumulatedX -= AmountX;
  AccumulatedY -= AmountY;
}

const char* MouseWheelScrollDragOperation::GetCursorName() const {
  const long dx = GetCurrentMousePosition().X - GetStartMousePosition().X;
  const long dy = GetCurrentMousePosition().Y - GetStartMousePosition().Y;
  const long r = DeadZoneRadius;
  const bool movedAway =
      ((dx < 0 ? -dx : dx) >= r && AxisMode != 0) || ((dy < 0 ? -dy : dy) >= r && AxisMode != 1);
  switch (AxisMode) {
    case 0:
      return !movedAway ? "ZQF_ScrollNSCursor" : dy < 1 ? "ZQF_ScrollNCursor" : "ZQF_ScrollSCursor";
    case 1:
      return !movedAway ? "ZQF_ScrollEWCursor" : dx < 1 ? "ZQF_ScrollWCursor" : "ZQF_ScrollECursor";
    case 2:
      return !movedAway ? "ZQF_ScrollNSEWCursor" : CompassCursor(dx, dy);
  }
  ZQ_ASSERT(false);
  return "ZQF_ScrollNSCursor";
}

ZQR_Cursor MouseWheelScrollDragOperation::GetCursor() { return CursorNamed(GetCursorName()); }

void MouseWheelScrollDragOperation::StartDrag() {
  DisplayOriginBitmap(GetStartMousePosition().X, GetStartMousePosition().Y);
  ZQF_DragOperation::StartDrag();
}

void MouseWheelScrollDragOperation::FinishDrag(bool Cancelled) {
  EraseOriginBitmap();
  ZQF_DragOperation::FinishDrag(Cancelled);
}

const ZQR_Bitmap& MouseWheelScrollDragOperation::GetOriginBitmap() {
  static const ZQR_Bitmap s_bitmap(ZQ_String("ZQF_ScrollOriginBitmap"));
  return s_bitmap;
}

void MouseWheelScrollDragOperation::DisplayOriginBitmap(long OriginX, long OriginY) {
  if (TooltipWindow) EraseOriginBitmap();
  const ZQ_Point<long> size = GetOriginBitmap().GetSize();
  const ZQ_Rectangle<long> place(OriginX - size.X / 2 + 1, OriginY - size.Y / 2 + 1, size.X,
                                 size.Y);
  const ZQR_TransparentBitmap mark(GetOriginBitmap(), ZQR_StandardTransparentColor);
  ZQF_TopLevelGlyph* top = new ZQF_TopLevelGlyph(new ZQF_BitmapGlyph(mark, false));
  ZQ_ASSERT(TooltipWindow == NULL);
  TooltipWindow = new ZQF_TransientWindow(top);
  TooltipWindow->Construct(ZQ_Rectangle<long>(0, 0, 0, 0));
  TooltipWindow->Move(place, false);
  TooltipWindow->MakeTopTopmost();
  TooltipWindow->DisablePush();  // the mark takes no input
  TooltipWindow->Show(ZQF_ShowState_Normal);
  TooltipWindow->Update();
}

void MouseWheelScrollDragOperation::EraseOriginBitmap() {
  if (!TooltipWindow) return;
  ZQF_TransientWindow* window = TooltipWindow;
  TooltipWindow = nullptr;
  window->Destroy();
}

void ZQF_MouseWheel_BeginWheelScrollDragOperation(ZQF_Glyph* InitiatingGlyph,
                                                  const ZQF_WheelScrollCallback& ScrollCallback,
                                                  int AxisMode, int StepMode, double MinimumSpeed,
                                                  double MaximumSpeed) {
  MouseWheelScrollDragOperation drag(InitiatingGlyph, ScrollCallback, AxisMode, StepMode,
                                     MinimumSpeed, MaximumSpeed);
  ZQF_PerformDraggingOperation(drag);
}
