// ZQF_MouseWheel.h: two services for wheel mice.
// - The identifier of the wheel message, which differs between systems:
//   WM_MOUSEWHEEL (522) on Windows NT 4 and later and on Windows 98 and
//   later, the registered "MSWHEEL_ROLLMSG" on Windows 95.
// - Wheel-button scrolling: a middle press in a scrollable control starts a
//   drag during which an origin mark sits at the press point, the cursor
//   shows the direction, and a 50 ms timer scrolls the control at a speed
//   that grows exponentially with the mouse's distance from the origin
//   beyond a dead zone. A middle click without movement keeps scrolling
//   until the next press (click mode).
// The origin bitmap and the eleven direction cursors are loaded on first
// use and kept for the run. UI thread only.
#ifndef ZQF_MOUSEWHEEL_H
#define ZQF_MOUSEWHEEL_H

#include "ZQF_DragOperation.h"
#include "ZQLOW_Windows.h"
#include "ZQR_Bitmap.h"
#include "ZQ_Functor2.h"
#include "ZQ_Stopwatch.h"
#include "ZQ_Timer.h"

// Worked out at the first call, then kept.
UINT ZQF_MouseWheel_GetWheelMessageID();
// Works the identifier out from the system version now (522 when the
// version cannot be read); keeps nothing.
UINT ZQF_MouseWheel_ComputeWheelMessageID();

// Receives the amounts to scroll by, x and y, in the control's units.
using ZQF_WheelScrollCallback = ZQ_Functor2<double, double>;

class MouseWheelScrollDragOperation : public ZQF_DragOperation {
 public:
  // AxisMode: 0 vertical, 1 horizontal, 2 both (it only chooses the
  // cursors). StepMode: 0 whole units, the fractions carried to the next
  // tick; 1 fractional amounts. Speeds in units per second. The tick timer
  // and the stopwatch start here.
  MouseWheelScrollDragOperation(ZQF_Glyph* InitiatingGlyph,
                                const ZQF_WheelScrollCallback& ScrollCallback, int AxisMode,
                                int StepMode, double MinimumSpeed, double MaximumSpeed);
  // Stops the timer and removes the origin mark if it is still shown.
  ~MouseWheelScrollDragOperation() override;

  ZQR_Cursor GetCursor() override;
  // Shows the origin mark at the start position, then the base's.
  void StartDrag() override;
  // Removes the origin mark, then the base's.
  void FinishDrag(bool Cancelled) override;

  // Units per second for a signed distance in pixels along one axis: 0
  // inside the dead zone, the minimum speed at its edge, the maximum from
  // 8 x size metric 9 on.
  double CalculateScrollSpeed(long Distance) const;
  // One tick: the time since the last one (at least 0.05 s) times the
  // speeds, passed to the callback by the step mode.
  void TimerTickCallback();
  // The resource name of the cursor for the mouse's place.
  const char* GetCursorName() const;

  // The origin mark: one transient window at a time (screen pixels).
  static const ZQR_Bitmap& GetOriginBitmap();
  static void DisplayOriginBitmap(long OriginX, long OriginY);
  static void EraseOriginBitmap();

 private:
  void PassAmounts(double& AmountX, double& AmountY);

  ZQF_WheelScrollCallback ScrollCallback;
  int AxisMode;
  int StepMode;
  double MinimumSpeed;
  double MaximumSpeed;
  long DeadZoneRadius;
  ZQ_Timer TickTimer;
  ZQ_Stopwatch Stopwatch;
  double SpeedOffset;  // a: the speed is e^(k (d - dead zone)) + a
  double SpeedGrowth;  // k
  double AccumulatedX = 0;
  double AccumulatedY = 0;
};

// Runs a wheel-button scroll drag to its end. The list controls pass axis
// mode 0, step mode 0 and speeds 4 to 99999.
void ZQF_MouseWheel_BeginWheelScrollDragOperation(ZQF_Glyph* InitiatingGlyph,
                                                  const ZQF_WheelScrollCallback& ScrollCallback,
                                                  int AxisMode, int StepMode, double MinimumSpeed,
                                                  double MaximumSpeed);

#endif
