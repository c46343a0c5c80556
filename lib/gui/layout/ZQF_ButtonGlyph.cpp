// The button state machine, its notifications and the program's one
// auto-repeat timer.
#include "ZQF_ButtonGlyph.h"

#include "ZQF_ButtonAutorepeatTimer.h"
#include "ZQF_GridInteractionQueryMessage.h"
#include "ZQF_Message.h"
#include "ZQ_Assertion.h"

namespace {

// Owns the running auto-repeat timer.
ZQF_ButtonAutorepeatTimer* s_autorepeatTimer = nullptr;

}  // namespace

ZQF_ButtonGlyph::ZQF_ButtonGlyph(int ToggleMode, int InitialState, int AutorepeatMode)
    : State(InitialState), ToggleMode(ToggleMode), AutorepeatMode(AutorepeatMode) {
  ZQ_ASSERT_TEXT(InitialState == State_Up || ToggleMode != ToggleMode_OneState,
                 "(aInitialState == State_Up) or (ToggleMode != ToggleMode_OneState)");
  ZQ_ASSERT_TEXT(InitialState != State_Unknown || ToggleMode == ToggleMode_ThreeState,
                 "(aInitialState != State_Unknown) or (ToggleMode == ToggleMode_ThreeState)");
}

ZQF_ButtonGlyph::~ZQF_ButtonGlyph() {
  // A tick must never reach a freed button.
  if (s_autorepeatTimer && s_autorepeatTimer->GetButton() == this) StopTimer();
}

void ZQF_ButtonGlyph::StartTimer(ZQF_ButtonGlyph* Button) {
  StopTimer();
  s_autorepeatTimer = new ZQF_ButtonAutorepeatTimer(Button);
}

void ZQF_ButtonGlyph::StopTimer() {
  // Forgotten first: the timer may be the one ticking now.
  ZQF_ButtonAutorepeatTimer* timer = s_autorepeatTimer;
  s_autorepeatTimer = nullptr;
  delete timer;
}

ZQF_ButtonAutorepeatTimer* ZQF_ButtonGlyph::GetAutorepeatTimer() { return s_autorepeatTimer; }

int ZQF_ButtonGlyph::GetNextState() {
  switch (State) {
    case State_Up:
      return ToggleMode == ToggleMode_OneState ? State_Up : State_Down;
    case State_Down:
      return ToggleMode == ToggleMode_ThreeState ? State_Unknown : State_Up;
    default:
      return State_Up;
  }
}

void ZQF_ButtonGlyph::DispatchButtonUpNotification() {
  ZQF_ButtonUpNotificationMessage message(this);
  Dispatch(message);
}

void ZQF_ButtonGlyph::DispatchButtonDownNotification() {
  ZQF_ButtonDownNotificationMessage message(this);
  Dispatch(message);
}

void ZQF_ButtonGlyph::SetState(int NewState, bool Notify) {
  State = NewState;
  QueueVisualStateUpdate();
  if (Notify) DispatchButtonUpNotification();
}

void ZQF_ButtonGlyph::SetPressedLook(bool Pressed) {
  PressedLook = Pressed;
  QueueVisualStateUpdate();
}

void ZQF_ButtonGlyph::ProcessUpOverButtonEvent() { SetState(GetNextState(), true); }

void ZQF_ButtonGlyph::AutorepeatTick() {
  // A button disabled while held repeats nothing more, as its release clicks
  // nothing: an adaptor may have just disabled its command.
  if (IsDisabled()) {
    StopTimer();
    return;
  }
  if (AutorepeatMode == AutorepeatMode_UpAndDown) DispatchButtonUpNotification();
  if (AutorepeatMode != AutorepeatMode_None) DispatchButtonDownNotification();
}

void ZQF_ButtonGlyph::MarkHandled(ZQF_Message& Message) {
  if (!Message.IsHandled()) Message.SetHandled();
}

bool ZQF_ButtonGlyph::IsButtonKey(const ZQF_KeyMessage& Message) {
  return Message.GetKeyCode() == ZQF_Key_Space || Message.GetKeyCode() == ZQF_Key_Enter;
}

// The steps of a press after the capture and the focus.
void ZQF_ButtonGlyph::FinishMousePress(ZQF_MouseMessage& Message) {
  SetPressedLook(true);
  DispatchButtonDownNotification();
  if (AutorepeatMode != AutorepeatMode_None) StartTimer(this);
  MarkHandled(Message);
}

void ZQF_ButtonGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  if (SecondTry || IsDisabled()) {
    ZQF_ControlGlyph::HandleMouseLeftDown(Message, SecondTry);
    return;
  }
  CaptureMouse();
  ZQF_ControlGlyph::HandleMouseLeftDown(Message, SecondTry);
  FinishMousePress(Message);
}

void ZQF_ButtonGlyph::HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) {
  if (SecondTry || IsDisabled()) {
    ZQF_ControlGlyph::HandleMouseLeftDoubleClick(Message, SecondTry);
    return;
  }
  // The glyph's own handler, not the control's: a double click keeps the focus where it is.
  CaptureMouse();
  ZQF_DrawableGlyph::HandleMouseLeftDoubleClick(Message, SecondTry);
  FinishMousePress(Message);
}

void ZQF_ButtonGlyph::HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) {
  if (!SecondTry) StopTimer();
  if (SecondTry || (IsDisabled() && !HasMouseCapture())) {
    ZQF_ControlGlyph::HandleMouseLeftUp(Message, SecondTry);
    return;
  }
  MarkHandled(Message);
  if (!HasMouseCapture()) return;
  ReleaseMouse();
  SetPressedLook(false);
  // A button disabled while held clicks nothing: an adaptor may have just
  // disabled its command.
  if (IsEnabled() && ContainsPoint(Message.GetX(), Message.GetY())) ProcessUpOverButtonEvent();
}

void ZQF_ButtonGlyph::HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry) {
  if (SecondTry || !HasMouseCapture()) {
    ZQF_ControlGlyph::HandleMouseMove(Message, SecondTry);
    return;
  }
  const bool inside = ContainsPoint(Message.GetX(), Message.GetY());
  if (!inside) {
    // Auto-repeat stopped by leaving stays stopped.
    StopTimer();
    if (ReleaseMouseOnExit) ReleaseMouse();
  }
  if (PressedLook != inside) SetPressedLook(inside);
  MarkHandled(Message);
}

void ZQF_ButtonGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (SecondTry || IsDisabled() || !IsButtonKey(Message)) {
    ZQF_ControlGlyph::HandleKey(Message, SecondTry);
    return;
  }
  // Every key-down, the keyboard's repeats too, is a press.
  SetPressedLook(true);
  DispatchButtonDownNotification();
  MarkHandled(Message);
}

void ZQF_ButtonGlyph::HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) {
  // A disabled button still lets go of a pressed look, but clicks nothing.
  if (SecondTry || !IsButtonKey(Message) || (IsDisabled() && !PressedLook)) {
    ZQF_ControlGlyph::HandleKeyUp(Message, SecondTry);
    return;
  }
  MarkHandled(Message);
  if (!PressedLook) return;
  SetPressedLook(false);
  if (IsEnabled()) ProcessUpOverButtonEvent();
}

void ZQF_ButtonGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  using MouseQuery = ZQF_GridGlyph_ContainingGridInteractionQueryMouseMessage;
  if (SecondTry && !Message.IsHandled()) {
    // A button inside a grid always takes its clicks.
    if (MouseQuery* query = dynamic_cast<MouseQuery*>(&Message)) {
      query->Answer = 1;
      query->SetHandled();
    }
  }
  if (!Message.IsHandled()) ZQF_ControlGlyph::HandleGenericMessage(Message, SecondTry);
}
