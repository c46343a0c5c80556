#include "ZQPIC_Picture.h"

#include "ZQ_StackTrace.h"

ZQPIC_Picture::~ZQPIC_Picture() = default;

void ZQPIC_Picture::DrawPicture(const ZQPIC_Picture& Picture, ZQPIC_Canvas& Canvas) {
  ZQ_TRACE_FUNCTION("ZQPIC_Picture::DrawPicture");
  Picture.Imp_DrawPicture(Canvas);
}
