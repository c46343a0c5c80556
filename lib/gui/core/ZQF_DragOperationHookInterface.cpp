#include "ZQF_DragOperationHookInterface.h"

#include "ZQ_CopyIterator.h"
#include "ZQ_List.h"

namespace {

ZQ_List<ZQF_DragOperationHookInterface*>& Hooks() {
  static ZQ_List<ZQF_DragOperationHookInterface*> s_hooks;
  return s_hooks;
}

// Calls Notify for each hook installed now, from a copy of the list.
template <class Notification>
void NotifyHooks(Notification Notify) {
  if (Hooks().IsEmpty()) return;
  ZQ_Iterator<ZQF_DragOperationHookInterface*> copy(
      new ZQ_CopyIteratorReference<ZQF_DragOperationHookInterface*>(Hooks().GetIterator()));
  for (; copy.IsValid(); copy.Advance()) Notify(**copy);
}

}  // namespace

ZQF_DragOperationHookInterface::~ZQF_DragOperationHookInterface() = default;

void ZQF_DragOperationHookInterface::Install() { Hooks().Append(this); }

void ZQF_DragOperationHookInterface::Remove() { Hooks().Remove(this); }

void ProcessHooks_BeginDragOperation() {
  NotifyHooks([](ZQF_DragOperationHookInterface& Hook) { Hook.BeginDragOperationNotification(); });
}

void ProcessHooks_EndDragOperation(bool Cancelled) {
  NotifyHooks([Cancelled](ZQF_DragOperationHookInterface& Hook) {
    Hook.EndDragOperationNotification(Cancelled);
  });
}

void ProcessHooks_ProcessMouseMove() {
  NotifyHooks([](ZQF_DragOperationHookInterface& Hook) { Hook.MouseMoveNotification(); });
}
