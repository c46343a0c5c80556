#include "ZQR_Cursor.h"

#include "ZQLOW_WINUSER.h"
#include "ZQ_StackTrace.h"

namespace {

// The cursor that UseCursor applies next. Made on first use, so that static
// initialisers of other modules may record cursors.
struct CursorToUse {
  ZQR_Cursor Cursor;
  bool Pending = false;
};

CursorToUse& GetCursorToUseState() {
  static CursorToUse s_state;
  return s_state;
}

}  // namespace

ZQR_Cursor::ZQR_Cursor(const ZQ_String& ResourceName)
    : ZQR_Cursor(ZQLOW_WINUSER::LoadCursorA(ZQLOW_WIN_GetProgramInstanceHandle(),
                                            ResourceName.GetText())) {}

ZQR_Cursor::ZQR_Cursor(HCURSOR Cursor) : Ref(Cursor ? new Body(Cursor) : nullptr) {}

ZQR_Cursor ZQR_Cursor::LoadStockCursor(LPCSTR StockId) {
  return ZQR_Cursor(ZQLOW_WINUSER::LoadCursorA(nullptr, StockId));
}

ZQ_Point<long> ZQR_Cursor::GetCursorSize() {
  return ZQ_Point<long>(ZQLOW_WINUSER::GetSystemMetrics(SM_CXCURSOR),
                        ZQLOW_WINUSER::GetSystemMetrics(SM_CYCURSOR));
}

ZQ_Point<long> ZQR_Cursor::GetScreenLocation() {
  POINT location{};
  ZQLOW_WINUSER::GetCursorPos(&location);
  return ZQ_Point<long>(location.x, location.y);
}

void ZQR_Cursor::ClipCursor(const ZQ_Rectangle<long>& ScreenRectangle) {
  const RECT rect{ScreenRectangle.X, ScreenRectangle.Y, ScreenRectangle.X + ScreenRectangle.Width,
                  ScreenRectangle.Y + ScreenRectangle.Height};
  ZQLOW_WINUSER::ClipCursor(&rect);
}

void ZQR_Cursor::DoNotClipCursor() { ZQLOW_WINUSER::ClipCursor(nullptr); }

void ZQR_Cursor::SetCursorToUse(const ZQR_Cursor& Cursor) {
  CursorToUse& state = GetCursorToUseState();
  state.Cursor = Cursor;
  state.Pending = true;
}

// An empty cursor gives the arrow, never SetCursor (NULL): the pointer must
// not vanish when a cursor saved before any was recorded comes back.
void ZQR_Cursor::UseCursor() {
  ZQ_TRACE_FUNCTION("ZQR_Cursor::UseCursor");
  CursorToUse& state = GetCursorToUseState();
  if (!state.Pending) return;
  state.Pending = false;
  const HCURSOR cursor = state.Cursor.GetHCURSOR();
  ZQLOW_WINUSER::SetCursor(cursor ? cursor : ZQLOW_WINUSER::LoadCursorA(nullptr, IDC_ARROW));
}

ZQR_Cursor ZQR_Cursor::GetCursorToUse() { return GetCursorToUseState().Cursor; }
