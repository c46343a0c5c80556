// ZQR_Cursor.h: a shared cursor handle, and the mouse cursor of the program:
// the cursor recorded for the next update, the system cursor size, the mouse
// position and its confinement. Cursors come from LoadCursorA, which hands
// out shared cursors: none is ever destroyed. A missing resource and failed
// calls throw ZQ_Exception through the wrappers. UI thread only.
#ifndef ZQR_CURSOR_H
#define ZQR_CURSOR_H

#include "ZQLOW_Windows.h"
#include "ZQ_CountedBody.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

class ZQR_Cursor {
 public:
  // No cursor; applied by UseCursor, it gives the standard arrow.
  ZQR_Cursor() noexcept = default;
  // The program's cursor resource of that name.
  explicit ZQR_Cursor(const ZQ_String& ResourceName);

  // A system cursor: IDC_ARROW, or its number as MAKEINTRESOURCEA(32512).
  static ZQR_Cursor LoadStockCursor(LPCSTR StockId);
  // The system cursor size in pixels (SM_CXCURSOR, SM_CYCURSOR).
  static ZQ_Point<long> GetCursorSize();
  // The mouse position in screen pixels.
  static ZQ_Point<long> GetScreenLocation();
  // Confines the mouse to the rectangle, in screen pixels, until
  // DoNotClipCursor.
  static void ClipCursor(const ZQ_Rectangle<long>& ScreenRectangle);
  static void DoNotClipCursor();

  // Records the cursor that the next UseCursor applies and marks it pending.
  static void SetCursorToUse(const ZQR_Cursor& Cursor);
  // Applies the recorded cursor (SetCursor) when one is pending, then clears
  // the mark; does nothing otherwise.
  static void UseCursor();
  // The cursor recorded last (applied or pending).
  static ZQR_Cursor GetCursorToUse();

 private:
  struct Body : ZQ_CountedBody {
    explicit Body(HCURSOR Cursor) noexcept : Cursor(Cursor) {}
    const HCURSOR Cursor;
  };

  explicit ZQR_Cursor(HCURSOR Cursor);
  HCURSOR GetHCURSOR() const noexcept { return Ref.IsNull() ? nullptr : Ref->Cursor; }

  ZQ_CountedHandle<Body> Ref;
};

#endif
