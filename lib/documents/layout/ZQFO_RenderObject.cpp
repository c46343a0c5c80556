#include "ZQFO_RenderObject.h"

void ZQFO_RenderObject::Render(ZQPIC_Canvas&, double, double) {}

void ZQFO_RenderObject::CollectWordInfo(ZQ_Array<ZQFO_WordInfo>&, long&, double, double) {}
