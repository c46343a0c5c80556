#include "ZQF_DragOperationMessage.h"

#include "ZQF_DragOperationDrawingContext.h"
#include "ZQF_MessageRouter.h"
#include "ZQF_Metrics.h"

ZQF_DragOperationMessage::ZQF_DragOperationMessage() : Cursor(ZQF_GetCursorMetric(ZQF_CursorMetric_Arrow)) {}

ZQF_MessageRouter* ZQF_DragOperationMessage::GetDefaultRouter() { return ZQF_GetMouseRouter(); }

void ZQF_DragOperationMessage::Reset() {
  ZQF_GenericMessage::Reset();
  Cursor = ZQF_GetCursorMetric(ZQF_CursorMetric_Arrow);
  if (DrawingContext) DrawingContext->Clear();
}

ZQF_DragOperationMessage& ZQF_GetDragOperationMessage() {
  static ZQF_DragOperationMessage s_message;
  return s_message;
}
