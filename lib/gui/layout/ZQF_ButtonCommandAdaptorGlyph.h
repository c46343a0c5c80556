// ZQF_ButtonCommandAdaptorGlyph.h: turns a button into a command source. A
// click of the wrapped button dispatches the command message; at every idle
// time the command-update message decides whether the button is enabled and,
// for a toggle update, whether it is down. A command nobody answers disables
// its button. The button's down and up notifications end at the adaptor.
// The adaptor owns both messages; the button is its client (owned through
// the tree). Its repeating idle action is queued under the adaptor's own key
// and removed by the destructor. UI thread only.
#ifndef ZQF_BUTTONCOMMANDADAPTORGLYPH_H
#define ZQF_BUTTONCOMMANDADAPTORGLYPH_H

#include <memory>

#include "ZQF_NullContainerGlyph.h"

class ZQF_ButtonGlyph;
class ZQF_StandardCommandMessage;
class ZQF_StandardCommandUpdateMessage;

class ZQF_ButtonCommandAdaptorGlyph : public ZQF_NullContainerGlyph {
 public:
  // Where the command and its update query start.
  enum DispatchMode {
    // At the root of the window's tree, along the focus path.
    Dispatch_FromRootAlongFocusPath = 0,
    // At the button, up its parents and back down.
    Dispatch_FromButtonUpParents = 1
  };

  // A toggle update message asks for a two-state button, a plain one for a
  // one-state button (assertions). Queues the idle update.
  ZQF_ButtonCommandAdaptorGlyph(ZQF_ButtonGlyph* Button,
                                std::unique_ptr<ZQF_StandardCommandMessage> Command,
                                std::unique_ptr<ZQF_StandardCommandUpdateMessage> UpdateMessage,
                                long Mode);
  ~ZQF_ButtonCommandAdaptorGlyph() override;

  // Claims the button's up notification (dispatching the command) and its
  // down notification; others pass.
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  // Asks the update query and makes the button follow the answer.
  void Update();

  ZQF_ButtonGlyph* GetButton() const { return Button; }
  // A toggle update asks whether its command is checked, too.
  static bool IsToggleUpdate(const ZQF_StandardCommandUpdateMessage& Update);

 private:
  unsigned long GetOwnerKey() const { return reinterpret_cast<unsigned long>(this); }
  // Resets Message and dispatches it by the mode.
  void DispatchByMode(ZQF_Message& Message);
  void FollowAnswer();

  ZQF_ButtonGlyph* Button;
  std::unique_ptr<ZQF_StandardCommandMessage> Command;
  std::unique_ptr<ZQF_StandardCommandUpdateMessage> UpdateQuery;
  long Mode;
};

#endif
