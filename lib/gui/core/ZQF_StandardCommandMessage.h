// ZQF_StandardCommandMessage.h: the toolkit's standard commands, their
// update queries and the container requests. Commands are classes: a
// sender (key binding, menu item, toolbar button) first dispatches the
// update query and sends the command only when a glyph handled the query
// and answered it enabled; a glyph that implements a command tests the
// message's class in HandleUpdate or HandleCommand and claims it. Commands
// and queries travel the focus path; the container requests, sent by window
// frames, travel up the parent chain to the top-level glyph.
#ifndef ZQF_STANDARDCOMMANDMESSAGE_H
#define ZQF_STANDARDCOMMANDMESSAGE_H

#include "ZQF_Message.h"

class ZQF_StandardCommandMessage : public ZQF_CommandMessage {};

// Answer: enabled (false until a glyph answers).
class ZQF_StandardCommandUpdateMessage : public ZQF_UpdateMessage {
 public:
  void Reset() override;
  bool IsEnabled() const { return Enabled; }
  void SetEnabled(bool Value) { Enabled = Value; }
  // Handled and answered enabled.
  bool IsAvailable() const { return IsHandled() && Enabled; }

 private:
  bool Enabled = false;
};

// For commands that switch something on and off: also the checked answer.
class ZQF_StandardToggleCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {
 public:
  void Reset() override;
  bool IsChecked() const { return Checked; }
  void SetChecked(bool Value) { Checked = Value; }

 private:
  bool Checked = false;
};

class ZQF_StandardNotificationMessage : public ZQF_NotificationMessage {};

#define ZQF_DECLARE_STANDARD_MESSAGE(Name, Base) \
  class Name : public Base {};

ZQF_DECLARE_STANDARD_MESSAGE(ZQF_BeginWindowPositionDragCommandMessage, ZQF_StandardCommandMessage)
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_BeginWindowSizeDragCommandMessage, ZQF_StandardCommandMessage)
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_CloseWindowCommandMessage, ZQF_StandardCommandMessage)
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_Help_RelevantTopicsCommandMessage, ZQF_StandardCommandMessage)
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_Help_WhatsThisCommandMessage, ZQF_StandardCommandMessage)
// Asks the top-level glyph to measure how fast its tree draws.
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_Debug_TimeDrawingSpeedCommandMessage, ZQF_StandardCommandMessage)

// Commands with an update twin.
#define ZQF_DECLARE_COMMAND_AND_UPDATE(Name)                                     \
  ZQF_DECLARE_STANDARD_MESSAGE(Name##CommandMessage, ZQF_StandardCommandMessage) \
  ZQF_DECLARE_STANDARD_MESSAGE(Name##CommandUpdateMessage, ZQF_StandardCommandUpdateMessage)

ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_Exit)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_PageSetup)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_PrintPreview)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_Undo)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_Redo)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_Cut)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_Copy)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_Paste)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_SelectAll)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_BrowseBack)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_BrowseForward)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_Add)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_Delete)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_Inspect)
ZQF_DECLARE_COMMAND_AND_UPDATE(ZQF_Properties)
#undef ZQF_DECLARE_COMMAND_AND_UPDATE

// Print carries the option that the document display hands to its print
// request.
class ZQF_PrintCommandMessage : public ZQF_StandardCommandMessage {
 public:
  explicit ZQF_PrintCommandMessage(bool PrintOption) : PrintOption(PrintOption) {}
  bool GetPrintOption() const { return PrintOption; }

 private:
  bool PrintOption;
};
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_PrintCommandUpdateMessage, ZQF_StandardCommandUpdateMessage)

// Requests of a window frame to the top-level glyph above it.
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_ContainerPositionDragRequestNotificationMessage,
                             ZQF_StandardNotificationMessage)
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_ContainerSizeDragRequestNotificationMessage,
                             ZQF_StandardNotificationMessage)
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_ContainerCloseRequestNotificationMessage,
                             ZQF_StandardNotificationMessage)
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_ContainerToggleMinimizeRequestNotificationMessage,
                             ZQF_StandardNotificationMessage)
ZQF_DECLARE_STANDARD_MESSAGE(ZQF_ContainerToggleMaximizeRequestNotificationMessage,
                             ZQF_StandardNotificationMessage)
#undef ZQF_DECLARE_STANDARD_MESSAGE

#endif
