// ZQF_DragOperationHookInterface.h: objects that must hear of every drag,
// whatever glyph started it (the list controls' auto-scroll timer): one
// process-wide list of hooks, in installation order, which the drag
// operation calls when a drag begins, at each mouse move during it and when
// it ends. The list does not own its hooks. A notification calls the hooks
// that were installed when it started, so a hook may install or remove
// hooks (itself among them) while it is called. UI thread only.
#ifndef ZQF_DRAGOPERATIONHOOKINTERFACE_H
#define ZQF_DRAGOPERATIONHOOKINTERFACE_H

class ZQF_DragOperationHookInterface {
 public:
  virtual ~ZQF_DragOperationHookInterface();
  virtual void BeginDragOperationNotification() {}
  virtual void EndDragOperationNotification(bool /*Cancelled*/) {}
  virtual void MouseMoveNotification() {}

  // Appends this hook; installed twice, it is called twice.
  void Install();
  // Removes its first entry; asserts "Head != NULL" on an empty list and
  // "LinkToDelete != NULL" when this hook is not installed.
  void Remove();
};

void ProcessHooks_BeginDragOperation();
void ProcessHooks_EndDragOperation(bool Cancelled);
void ProcessHooks_ProcessMouseMove();

#endif
