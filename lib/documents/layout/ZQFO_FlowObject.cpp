#include "ZQFO_FlowObject.h"

#include "ZQFO_Block.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_TextFixupDictionary.h"
#include "ZQPIC_Canvas.h"

double ZQFO_FlowObject::GetSpaceAfterWidth(const ZQFO_FlowObject* Next) const {
  if (SpaceAfter == ZQFO_SpaceAfter_NoSpace) return 0;
  const double own = GetSpaceWidth();
  const double next = Next ? Next->GetSpaceWidth() : 0;
  return own > next ? own : next;
}

ZQ_Point<double> ZQFO_FlowObject_Text::ComputeWidthLimits() const {
  ZQPIC_Canvas& canvas = Context.GetCanvas();
  canvas.SetFont(Options->Font);
  const double width = canvas.GetTextSizeInMillimeters(Text).X;
  return {width, width};
}

void ZQFO_FlowObject_FixupText::PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) {
  Text = Dictionary.Get(FieldName);
}

ZQFO_FlowObject_Block::ZQFO_FlowObject_Block(ZQFO_DistributionContext& Context,
                                             const ZQFO_FormattingOptions& Options,
                                             std::unique_ptr<ZQFO_Block> Block)
    : ZQFO_FlowObject(Context, Options), Block(std::move(Block)) {}

ZQFO_FlowObject_Block::~ZQFO_FlowObject_Block() = default;

ZQ_Point<double> ZQFO_FlowObject_Block::ComputeWidthLimits() const {
  return Block->ComputeDistributionAreaWidthLimits();
}

void ZQFO_FlowObject_Block::PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) {
  Block->PerformFieldFixups(Dictionary);
}
