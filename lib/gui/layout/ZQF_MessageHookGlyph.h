// ZQF_MessageHookGlyph.h: a transparent one-client wrapper whose hooks see the
// messages routed through it before anybody in its subtree does, on each try
// that passes the glyph. Each hook names the handlers it listens to with an
// interest mask and sees only their messages; the newest hook runs first and
// the first hook that marks a message handled ends the walk and the route.
// Middle-button, wheel and help messages are never hooked. Hooks live until
// the glyph is destroyed; a hook may install others, which the running walk
// does not see. Walks nest at most eight deep ("NumActiveHookCursors <
// MaxNumActiveHookCursors"); a throwing hook ends its walk and the exception
// goes on. UI thread only.
#ifndef ZQF_MESSAGEHOOKGLYPH_H
#define ZQF_MESSAGEHOOKGLYPH_H

#include "ZQF_HookList.h"
#include "ZQF_NullContainerGlyph.h"
#include "ZQ_Functor2.h"

class ZQF_MessageHookGlyph : public ZQF_NullContainerGlyph {
 public:
  // Called with the message and the router's second-try flag.
  using HookCallback = ZQ_Functor2<ZQF_Message&, bool>;

  // Interest mask bits, one per hooked handler.
  enum : unsigned long {
    Interest_Key = 0x1,
    Interest_KeyUp = 0x2,
    Interest_MouseLeftDown = 0x4,
    Interest_MouseLeftDoubleClick = 0x8,
    Interest_MouseLeftUp = 0x10,
    Interest_MouseRightDown = 0x20,
    Interest_MouseRightDoubleClick = 0x40,
    Interest_MouseRightUp = 0x80,
    Interest_MouseMove = 0x100,
    Interest_MouseSetCursor = 0x200,
    Interest_FocusChange = 0x400,
    Interest_Command = 0x800,
    Interest_Notification = 0x1000,
    Interest_Update = 0x2000,
    Interest_GenericMessage = 0x4000,
    Interest_All = 0x7fff
  };

  explicit ZQF_MessageHookGlyph(ZQF_Glyph* Client);
  ~ZQF_MessageHookGlyph() override;

  // Puts the hook first. Owner key 0 stands for the new record's address;
  // returns the owner key.
  unsigned long InstallMessageHook(const HookCallback& Callback, unsigned long InterestMask,
                                   unsigned long OwnerKey);
  unsigned long GetUnionHookInterests() const { return UnionHookInterests; }

  // Offers Message to the hooks interested in Interest (the handler's mask
  // bit; every hook by default), newest first, until one marks it handled.
  void ProcessMessageHooks(ZQF_Message& Message, bool SecondTry,
                           unsigned long Interest = Interest_All);

  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseRightDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseRightDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseRightUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleFocusChange(ZQF_FocusChangeMessage& Message, bool SecondTry) override;
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) override;
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;

 private:
  struct InterestedHook {
    HookCallback Callback;
    unsigned long InterestMask;
  };

  ZQF_HookList<InterestedHook> Hooks;
  // Walks in progress, so that a ninth nested one fails under this glyph's
  // name before the list would refuse it.
  int NumActiveHookCursors = 0;
  // The OR of every installed mask: handlers outside it skip the walk.
  unsigned long UnionHookInterests = 0;
};

#endif
