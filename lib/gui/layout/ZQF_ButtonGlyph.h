// ZQF_ButtonGlyph.h: the base of every button (push buttons with a text or a
// picture, toolbar buttons, scroll-bar arrows, check boxes, radio buttons).
// It owns the button state machine: a state (up, down or unknown), a toggle
// mode that decides which state a click leads to, a pressed look while the
// mouse or the space or Enter key holds the button down, the mouse capture
// and auto-repeat. A button talks to the rest of the program only through
// its two notifications, which travel up the parent chain: the down
// notification when it is pressed and the up notification (the click, also
// a control change) when it is released over itself. A click stores the new
// state and queues a repaint before the up notification leaves, so
// receivers read the new state.
// One auto-repeat timer serves the whole program (StartTimer, StopTimer);
// every left-button release on any button stops it. A button destroyed
// while the timer serves it stops the timer. A button disabled while held
// repeats nothing more and ends its capture and pressed look on release, but
// clicks nothing.
// UI thread only.
#ifndef ZQF_BUTTONGLYPH_H
#define ZQF_BUTTONGLYPH_H

#include "ZQF_ControlGlyph.h"

class ZQF_ButtonAutorepeatTimer;

class ZQF_ButtonGlyph : public ZQF_ControlGlyph {
 public:
  enum : int { State_Up = 0, State_Down = 1, State_Unknown = 2 };
  enum : int { ToggleMode_OneState = 0, ToggleMode_TwoState = 1, ToggleMode_ThreeState = 2 };
  // Any other non-zero mode repeats the down notification only, as mode 1.
  enum : int { AutorepeatMode_None = 0, AutorepeatMode_Down = 1, AutorepeatMode_UpAndDown = 2 };

  // Asserts "(aInitialState == State_Up) or (ToggleMode != ToggleMode_OneState)"
  // and "(aInitialState != State_Unknown) or (ToggleMode == ToggleMode_ThreeState)".
  ZQF_ButtonGlyph(int ToggleMode, int InitialState, int AutorepeatMode);
  // Stops the auto-repeat timer when it serves this button and gives up the
  // mouse capture when it holds it.
  ~ZQF_ButtonGlyph() override;

  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) override;

  // The state a click leads to: up -> down (up in one-state mode); down ->
  // unknown in three-state mode, else up; unknown -> up.
  virtual int GetNextState();
  // Dispatch a ZQF_ButtonUpNotificationMessage or a
  // ZQF_ButtonDownNotificationMessage carrying this button, up the parent
  // chain from this button.
  virtual void DispatchButtonUpNotification();
  virtual void DispatchButtonDownNotification();

  int GetState() const { return State; }
  int GetToggleMode() const { return ToggleMode; }
  int GetAutorepeatMode() const { return AutorepeatMode; }
  bool GetReleaseMouseOnExit() const { return ReleaseMouseOnExit; }
  // Stores the state and queues a repaint; with Notify, dispatches the up
  // notification, even when the state did not change.
  void SetState(int NewState, bool Notify);
  void SetToggleMode(int Mode) { ToggleMode = Mode; }
  void SetAutorepeatMode(int Mode) { AutorepeatMode = Mode; }
  // True: a pressed button gives up the capture when the pointer leaves it.
  void SetReleaseMouseOnExit(bool Release) { ReleaseMouseOnExit = Release; }
  bool IsPressedLook() const { return PressedLook; }
  // Stores and queues a repaint.
  void SetPressedLook(bool Pressed);
  // The click: SetState (GetNextState (), true).
  void ProcessUpOverButtonEvent();
  // One auto-repeat step: mode 2 sends an up then a down notification, any
  // other non-zero mode a down notification. A disabled button stops the
  // timer instead.
  void AutorepeatTick();

  // Replaces the program's auto-repeat timer by a new one for Button.
  static void StartTimer(ZQF_ButtonGlyph* Button);
  // Deletes the auto-repeat timer, if any.
  static void StopTimer();
  // Null while no auto-repeat timer runs.
  static ZQF_ButtonAutorepeatTimer* GetAutorepeatTimer();

 private:
  // The steps shared by the left-button press and the double click.
  void FinishMousePress(ZQF_MouseMessage& Message);
  static bool IsButtonKey(const ZQF_KeyMessage& Message);
  static void MarkHandled(ZQF_Message& Message);

  int State;
  int ToggleMode;
  int AutorepeatMode;
  bool ReleaseMouseOnExit = false;
  bool PressedLook = false;
};

// Sent when a button is pressed (by the mouse, space or Enter, or an
// auto-repeat tick). No control change.
class ZQF_ButtonDownNotificationMessage : public ZQF_NotificationMessage {
 public:
  explicit ZQF_ButtonDownNotificationMessage(ZQF_ButtonGlyph* Button) : Button(Button) {}
  ZQF_ButtonGlyph* GetButton() const { return Button; }

 private:
  ZQF_ButtonGlyph* Button;
};

// The click of a button, sent after its new state is stored; also the
// control change of the button.
class ZQF_ButtonUpNotificationMessage : public ZQF_ControlChangeNotificationMessage {
 public:
  explicit ZQF_ButtonUpNotificationMessage(ZQF_ButtonGlyph* Button)
      : ZQF_ControlChangeNotificationMessage(Button) {}
  ZQF_ButtonGlyph* GetButton() const { return static_cast<ZQF_ButtonGlyph*>(GetControl()); }
};

#endif
