// ZQF_DragOperationMessage.h: the generic message a drag source sends to the
// glyph under the mouse to ask for drop feedback: the receiver sets the
// cursor and adds its picture to the drawing context (borrowed, may be
// null). It travels by the mouse router. The library keeps one instance for
// the whole run (ZQF_GetDragOperationMessage). UI thread only.
#ifndef ZQF_DRAGOPERATIONMESSAGE_H
#define ZQF_DRAGOPERATIONMESSAGE_H

#include "ZQF_Message.h"
#include "ZQR_Cursor.h"

class ZQF_DragOperationDrawingContext;

class ZQF_DragOperationMessage : public ZQF_GenericMessage {
 public:
  ZQF_DragOperationMessage();
  ZQF_MessageRouter* GetDefaultRouter() override;
  // The base reset, the default arrow (cursor metric 0) and an empty context.
  void Reset() override;

  const ZQR_Cursor& GetCursor() const { return Cursor; }
  void SetCursor(const ZQR_Cursor& NewCursor) { Cursor = NewCursor; }
  ZQF_DragOperationDrawingContext* GetDrawingContext() const { return DrawingContext; }
  void SetDrawingContext(ZQF_DragOperationDrawingContext* Context) { DrawingContext = Context; }

 private:
  ZQR_Cursor Cursor;
  ZQF_DragOperationDrawingContext* DrawingContext = nullptr;
};

// The process-wide instance, made on first use.
ZQF_DragOperationMessage& ZQF_GetDragOperationMessage();

#endif
