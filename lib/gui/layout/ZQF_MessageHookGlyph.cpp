// The message-hook wrapper.
#include "ZQF_MessageHookGlyph.h"

#include "ZQF_Message.h"
#include "ZQ_Assertion.h"

namespace {

// Counts a walk while it lives, also when a hook throws.
class ActiveWalk {
 public:
  explicit ActiveWalk(int& Count) : Count(Count) { ++Count; }
  ActiveWalk(const ActiveWalk&) = delete;
  ActiveWalk& operator=(const ActiveWalk&) = delete;
  ~ActiveWalk() { --Count; }

 private:
  int& Count;
};

}  // namespace

ZQF_MessageHookGlyph::ZQF_MessageHookGlyph(ZQF_Glyph* Client) : ZQF_NullContainerGlyph(Client) {}

ZQF_MessageHookGlyph::~ZQF_MessageHookGlyph() = default;

unsigned long ZQF_MessageHookGlyph::InstallMessageHook(const HookCallback& Callback,
                                                       unsigned long InterestMask,
                                                       unsigned long OwnerKey) {
  // Hooks are never removed, so the union only grows.
  UnionHookInterests |= InterestMask;
  return Hooks.Install(InterestedHook{Callback, InterestMask}, OwnerKey);
}

void ZQF_MessageHookGlyph::ProcessMessageHooks(ZQF_Message& Message, bool SecondTry,
                                               unsigned long Interest) {
  if (Hooks.IsEmpty() || Message.IsHandled()) return;
  const int MaxNumActiveHookCursors = ZQF_HookList<InterestedHook>::MaxNumActiveHookCursors;
  ZQ_ASSERT(NumActiveHookCursors < MaxNumActiveHookCursors);
  if (NumActiveHookCursors >= MaxNumActiveHookCursors) return;
  const ActiveWalk walk(NumActiveHookCursors);
  // The list advances its cursor before each call, so a hook may install
  // others without disturbing the walk.
  Hooks.Process(
      [&](const InterestedHook& Hook) {
        if (Hook.InterestMask & Interest) Hook.Callback(Message, SecondTry);
      },
      [&Message] { return !Message.IsHandled(); });
}

#define ZQF_HOOKED_HANDLER(Handler, MessageType, Interest)                                    \
  void ZQF_MessageHookGlyph::Handler(MessageType& Message, bool SecondTry) {                  \
    if (UnionHookInterests & (Interest)) ProcessMessageHooks(Message, SecondTry, (Interest)); \
  }
ZQF_HOOKED_HANDLER(HandleKey, ZQF_KeyMessage, Interest_Key)
ZQF_HOOKED_HANDLER(HandleKeyUp, ZQF_KeyMessage, Interest_KeyUp)
ZQF_HOOKED_HANDLER(HandleMouseLeftDown, ZQF_MouseMessage, Interest_MouseLeftDown)
ZQF_HOOKED_HANDLER(HandleMouseLeftDoubleClick, ZQF_MouseMessage, Interest_MouseLeftDoubleClick)
ZQF_HOOKED_HANDLER(HandleMouseLeftUp, ZQF_MouseMessage, Interest_MouseLeftUp)
ZQF_HOOKED_HANDLER(HandleMouseRightDown, ZQF_MouseMessage, Interest_MouseRightDown)
ZQF_HOOKED_HANDLER(HandleMouseRightDoubleClick, ZQF_MouseMessage, Interest_MouseRightDoubleClick)
ZQF_HOOKED_HANDLER(HandleMouseRightUp, ZQF_MouseMessage, Interest_MouseRightUp)
ZQF_HOOKED_HANDLER(HandleMouseMove, ZQF_MouseMessage, Interest_MouseMove)
ZQF_HOOKED_HANDLER(HandleMouseSetCursor, ZQF_MouseMessage, Interest_MouseSetCursor)
ZQF_HOOKED_HANDLER(HandleFocusChange, ZQF_FocusChangeMessage, Interest_FocusChange)
ZQF_HOOKED_HANDLER(HandleCommand, ZQF_CommandMessage, Interest_Command)
ZQF_HOOKED_HANDLER(HandleNotification, ZQF_NotificationMessage, Interest_Notification)
ZQF_HOOKED_HANDLER(HandleUpdate, ZQF_UpdateMessage, Interest_Update)
ZQF_HOOKED_HANDLER(HandleGenericMessage, ZQF_GenericMessage, Interest_GenericMessage)
#undef ZQF_HOOKED_HANDLER
