#include "ZQF_DragOperation.h"

#include "ZQF_ApplicationLink.h"
#include "ZQF_DragOperationDrawingContext.h"
#include "ZQF_DragOperationHookInterface.h"
#include "ZQF_Glyph.h"
#include "ZQF_Message.h"
#include "ZQF_Metrics.h"
#include "ZQF_MouseWheel.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"

namespace {

// One drag at a time in the process.
ZQF_DragOperation* CurrentDragOperation = nullptr;
unsigned long HookID = 0;
unsigned long RawHookID = 0;

// Swallowed and cancelling: Alt+key and the non-client presses.
bool IsSwallowedCancel(UINT Message) {
  switch (Message) {
    case WM_SYSKEYDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

// Cancelling, but left to the window: its focus-loss, activation and menu
// handling must still run.
bool IsPassedOnCancel(UINT Message) {
  switch (Message) {
    case WM_CANCELMODE:
    case WM_KILLFOCUS:
    case WM_ACTIVATEAPP:
    case WM_ACTIVATE:
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
      return true;
    default:
      return false;
  }
}

bool IsButtonPress(UINT Message) {
  switch (Message) {
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

bool IsButtonUp(const ZQF_Message& Message) {
  return dynamic_cast<const ZQF_LeftUpMouseMessage*>(&Message) ||
         dynamic_cast<const ZQF_MiddleUpMouseMessage*>(&Message) ||
         dynamic_cast<const ZQF_RightUpMouseMessage*>(&Message);
}

}  // namespace

ZQF_DragOperation::ZQF_DragOperation(ZQF_Glyph* InitiatingGlyph)
    : CurrentMousePosition(ZQR_Cursor::GetScreenLocation()),
      StartMousePosition(CurrentMousePosition),
      DrawingContext(new ZQF_DragOperationDrawingContext),
      InitiatingGlyph(InitiatingGlyph) {}

ZQF_DragOperation::~ZQF_DragOperation() = default;

void ZQF_DragOperation::DrawFeedback(ZQF_DragOperationDrawingContext&) {}
ZQR_Cursor ZQF_DragOperation::GetCursor() { return ZQF_GetCursorMetric(ZQF_CursorMetric_Arrow); }
ZQ_Rectangle<long> ZQF_DragOperation::GetCursorClipArea() { return ZQF_GetAreaMetric(ZQF_AreaMetric_Screen); }
void ZQF_DragOperation::PerformFinishDragCallback(bool) {}
void ZQF_DragOperation::StartDrag() {}
void ZQF_DragOperation::FinishDrag(bool) {}

bool ZQF_DragOperation::BeginDragOperation() {
  InstallGlyphDestroyedHookOnce();
  ProcessHooks_BeginDragOperation();
  StartDrag();
  CurrentMousePosition = StartMousePosition = ZQR_Cursor::GetScreenLocation();
  FeedbackDrawn = false;
  Ending = false;
  ZQ_ASSERT_TEXT(HookID == 0, "HookID == NULL");
  HookID = ZQF_InstallStandardMessageHook(
      ZQF_StandardMessageHookCallback(this, &ZQF_DragOperation::MessageHookCallback), 0);
  ZQ_ASSERT_TEXT(RawHookID == 0, "RawHookID == NULL");
  RawHookID = ZQF_InstallRawHook(ZQF_RawHookCallback(this, &ZQF_DragOperation::RawHookCallback), 0);
  InitiatingGlyph->CaptureMouse();
  const ZQ_Rectangle<long> clip =
      ZQ_Rectangle<long>::Intersection(GetCursorClipArea(), ZQF_GetAreaMetric(ZQF_AreaMetric_Screen));
  if (clip.Width > 0 && clip.Height > 0) ZQR_Cursor::ClipCursor(clip);
  ZQR_Cursor::SetCursorToUse(GetCursor());
  ZQR_Cursor::UseCursor();
  return ZQF_ApplicationLink_PushMessageLoop();
}

void ZQF_DragOperation::EndDragOperation(bool IsCancelled) {
  // The hooks stay until the callbacks have run, and what the callbacks do
  // (open a dialog, move the focus) reaches them.
  if (Ending) return;
  Ending = true;
  const bool captured = !InitiatingGlyph || InitiatingGlyph->HasMouseCapture();
  ZQF_ApplicationLink_PopMessageLoop();
  Cancelled = IsCancelled;
  ReleasedWithoutMoving = false;
  EraseFeedback();
  ZQR_Cursor::DoNotClipCursor();
  PerformFinishDragCallback(Cancelled);
  FinishDrag(Cancelled);
  ZQ_ASSERT_TEXT(captured, "InitiatingGlyph->HaveCapturedMouse()");
  // A window disabled by the callbacks has aborted the capture already; a
  // glyph they destroyed has lost it.
  if (InitiatingGlyph && InitiatingGlyph->HasMouseCapture()) InitiatingGlyph->ReleaseMouse();
  ZQ_ASSERT_TEXT(HookID != 0, "HookID != NULL");
  ZQF_UninstallStandardMessageHooks(HookID);
  HookID = 0;
  ZQ_ASSERT_TEXT(RawHookID != 0, "RawHookID != NULL");
  ZQF_UninstallRawHooks(RawHookID);
  RawHookID = 0;
  ProcessHooks_EndDragOperation(Cancelled);
}

void ZQF_DragOperation::AbandonAfterError() noexcept {
  if (!HookID && !RawHookID) return;  // ended properly
  try {
    if (HookID) ZQF_UninstallStandardMessageHooks(HookID);
    if (RawHookID) ZQF_UninstallRawHooks(RawHookID);
    HookID = RawHookID = 0;
    if (InitiatingGlyph && InitiatingGlyph->HasMouseCapture()) InitiatingGlyph->ReleaseMouse();
    ZQR_Cursor::DoNotClipCursor();
    EraseFeedback();
  } catch (...) {
  }
}

void ZQF_DragOperation::InstallGlyphDestroyedHookOnce() {
  static bool s_installed = false;
  if (s_installed) return;
  ZQF_InstallGlyphActivityHook(ZQF_GlyphActivityHookCallback(&OnGlyphDestroyed));
  s_installed = true;
}

// The next mouse message would reach the glyph through the drag: the drag
// forgets it, gives up the capture it held and ends as cancelled (an End
// under way goes on without it). A window being destroyed has released the
// capture already.
void ZQF_DragOperation::OnGlyphDestroyed(ZQF_Glyph* Glyph) {
  ZQF_DragOperation* drag = CurrentDragOperation;
  if (!drag || Glyph != drag->InitiatingGlyph) return;
  drag->InitiatingGlyph = nullptr;
  if (ZQF_Window::GetCapturingGlyph() == Glyph) ZQF_Window::ReleaseMouse();
  drag->EndDragOperation(true);
}

void ZQF_DragOperation::MessageHookCallback(ZQF_Message& Message) {
  const auto* mouse = dynamic_cast<ZQF_MouseMessage*>(&Message);
  if (!mouse) return;
  // While the drag ends, its picture is gone for good: the mouse is still
  // kept from the glyphs, but moves no longer draw.
  if (Ending) {
    Message.SetHandled();
    return;
  }
  CurrentMousePosition = InitiatingGlyph->WindowToScreen(mouse->GetPosition());
  if (IsButtonUp(Message)) {
    ProcessMouseUp();
  } else if (dynamic_cast<ZQF_MoveMouseMessage*>(&Message)) {
    ProcessHooks_ProcessMouseMove();
    if (!Ending) ProcessMouseMove();  // a hook may have ended the drag
  } else if (dynamic_cast<ZQF_SetCursorMouseMessage*>(&Message)) {
    ProcessMouseSetCursor();
  }
  Message.SetHandled();
}

void ZQF_DragOperation::RawHookCallback(const ZQF_RawMessageRecord& Record, bool& Handled) {
  const UINT message = Record.Message;
  if (IsSwallowedCancel(message) || (message == WM_KEYDOWN && Record.WParam == VK_ESCAPE) ||
      message == ZQF_MouseWheel_GetWheelMessageID()) {
    EndDragOperation(true);
    Handled = true;
  } else if (IsPassedOnCancel(message)) {
    EndDragOperation(true);
  } else if (IsButtonPress(message)) {
    EndDragOperation(!ReleasedWithoutMoving);
    Handled = true;
  } else if (message == WM_PAINT) {
    EraseFeedbackUnderPaint(Record.Window);
  }
}

// A paint over part of an inverted picture would leave half of it behind:
// the whole picture goes first, and the next move draws it again.
void ZQF_DragOperation::EraseFeedbackUnderPaint(HWND Window) {
  if (!FeedbackDrawn) return;
  const ZQ_OwnedRegion update(ZQLOW_WINGDI::CreateRectRgn(0, 0, 0, 0));
  ZQLOW_WINUSER::GetUpdateRgn(Window, update.Get(), FALSE);
  const ZQ_Rectangle<long> area = GetFeedbackArea();
  POINT corners[2] = {{area.X, area.Y}, {area.X + area.Width, area.Y + area.Height}};
  ZQLOW_WINUSER::ScreenToClient(Window, &corners[0]);
  ZQLOW_WINUSER::ScreenToClient(Window, &corners[1]);
  const ZQ_OwnedRegion feedback(
      ZQLOW_WINGDI::CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y));
  const ZQ_OwnedRegion overlap(ZQLOW_WINGDI::CreateRectRgn(0, 0, 0, 0));
  if (ZQLOW_WINGDI::CombineRgn(overlap.Get(), update.Get(), feedback.Get(), RGN_AND) !=
      NULLREGION) {
    EraseFeedback();
  }
}

void ZQF_DragOperation::ProcessMouseUp() {
  const ZQ_Point<long> tolerance = ZQF_GetSizeMetric(ZQF_SizeMetric_DragThreshold);
  const long dx = CurrentMousePosition.X - StartMousePosition.X;
  const long dy = CurrentMousePosition.Y - StartMousePosition.Y;
  if (ClickModeAllowed && (dx < 0 ? -dx : dx) <= tolerance.X &&
      (dy < 0 ? -dy : dy) <= tolerance.Y) {
    ReleasedWithoutMoving = true;
    return;
  }
  EndDragOperation(false);
}

void ZQF_DragOperation::ProcessMouseMove() {
  std::unique_ptr<ZQF_DragOperationDrawingContext> context(new ZQF_DragOperationDrawingContext);
  DrawFeedback(*context);
  UpdateFeedback(GetCursor(), std::move(context));
}

void ZQF_DragOperation::UpdateFeedback(
    const ZQR_Cursor& Cursor, std::unique_ptr<ZQF_DragOperationDrawingContext> NewContext) {
  ZQR_Cursor::SetCursorToUse(Cursor);
  ZQR_Cursor::UseCursor();
  if (!FeedbackDrawn) {
    NewContext->RealizeDrawing();
  } else if (*NewContext != *DrawingContext) {
    DrawingContext->RealizeDrawing();
    NewContext->RealizeDrawing();
  }
  FeedbackDrawn = true;
  DrawingContext = std::move(NewContext);
}

void ZQF_DragOperation::ProcessMouseSetCursor() { ZQR_Cursor::SetCursorToUse(GetCursor()); }

void ZQF_DragOperation::EraseFeedback() {
  if (!FeedbackDrawn) return;
  DrawingContext->RealizeDrawing();
  FeedbackDrawn = false;
}

ZQ_Rectangle<long> ZQF_DragOperation::GetFeedbackArea() const {
  if (!FeedbackDrawn) return ZQ_Rectangle<long>(ZQ_NoMatch, ZQ_NoMatch, 0, 0);
  return DrawingContext->GetDrawingBoundingBox();
}

bool ZQF_PerformDraggingOperation(ZQF_DragOperation& Drag) {
  ZQ_ASSERT(CurrentDragOperation == NULL);
  if (CurrentDragOperation) return false;  // the assertion was ignored
  CurrentDragOperation = &Drag;
  // An error in a callback may stop the loop or End half-way (the window
  // procedure reports it): nothing of the drag may outlive the run.
  struct RunEnd {
    ~RunEnd() {
      Drag.AbandonAfterError();
      CurrentDragOperation = nullptr;
    }
    ZQF_DragOperation& Drag;
  } runEnd{Drag};
  return Drag.BeginDragOperation();
}

ZQF_DragOperation* ZQF_GetCurrentDragOperation() { return CurrentDragOperation; }

ZQF_Glyph* InsureHaveInitiatingGlyph(ZQF_Glyph* Glyph) {
  if (Glyph) return Glyph;
  ZQF_Window* main = ZQF_ApplicationLink_GetMainWindow();
  return main ? main->GetTopLevelGlyph() : nullptr;
}
