// ZQF_DropdownWindow.h: what an open dropdown is made of besides the
// control. ZQF_DropdownWindow is the popup (a transient window whose glyphs
// always draw as focused); ZQF_DropdownListTopLevelGlyph its root glyph,
// which turns notifications from the popup's content into the control's
// responses and hands the keys nothing in the popup took to the control;
// ZQF_DropdownQueuedActionReference the close queued at idle time (1 keeps
// the value, 2 restores it); ZQF_DropdownControlChangeNotificationMessage
// the control's value change, sent up its parent chain. UI thread only.
#ifndef ZQF_DROPDOWNWINDOW_H
#define ZQF_DROPDOWNWINDOW_H

#include "ZQF_ActionQueue.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_TransientWindow.h"

class ZQF_DropdownControlGlyph;

class ZQF_DropdownWindow : public ZQF_TransientWindow {
 public:
  using ZQF_TransientWindow::ZQF_TransientWindow;
  // Always true.
  bool HasFocus() override;
};

class ZQF_DropdownListTopLevelGlyph : public ZQF_TopLevelGlyph {
 public:
  // Takes ownership of Client; Control borrows.
  ZQF_DropdownListTopLevelGlyph(ZQF_Glyph* Client, ZQF_DropdownControlGlyph* Control)
      : ZQF_TopLevelGlyph(Client), DropdownControl(Control) {}

  // Takes the value at once for responses 0 and 1, queues the close for 1
  // and 2, and claims the notification unless the response is 3.
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  // Second try, while the popup holds the keyboard focus: the keys the
  // popup left go to the control.
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;

 private:
  ZQF_DropdownControlGlyph* DropdownControl;
};

class ZQF_DropdownQueuedActionReference : public ZQF_QueuedActionReference {
 public:
  ZQF_DropdownQueuedActionReference(ZQF_DropdownControlGlyph* Control, int Action)
      : Control(Control), Action(Action) {}
  // CancelDropdown (false) for 1, (true) for 2; "false" for anything else.
  void Perform() override;

 private:
  ZQF_DropdownControlGlyph* Control;
  int Action;
};

class ZQF_DropdownControlChangeNotificationMessage : public ZQF_ControlChangeNotificationMessage {
 public:
  using ZQF_ControlChangeNotificationMessage::ZQF_ControlChangeNotificationMessage;
};

#endif
