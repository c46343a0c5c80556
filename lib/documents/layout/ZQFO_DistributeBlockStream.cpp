#include "ZQFO_DistributeBlockStream.h"

#include "ZQFO_Block.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributionContext.h"

namespace {

std::vector<ZQFO_DistributionCall>& Calls() {
  static std::vector<ZQFO_DistributionCall> calls;
  return calls;
}

}  // namespace

void ZQFO_DistributeBlockStream(ZQFO_DistributionContext& Context, const ZQFO_BlockStream& Stream,
                                ZQFO_ContentArea& Area, const ZQFO_DistributeBlockStream_Options& Options) {
  Calls().push_back(ZQFO_DistributionCall{Stream, &Area, Options, Context.PageNumberText});
  for (long i = 0; i < Stream.GetNumBlocks(); ++i) {
    ZQFO_Block& block = *Stream.GetBlock(i);
    block.Distribute(Area);
    // The page that shows the block, for the page references to it.
    if (!block.GetPageId().IsEmpty()) Context.AddPageReference(block.GetPageId(), Context.PageNumberText);
  }
}

const std::vector<ZQFO_DistributionCall>& ZQFO_GetDistributionCalls() { return Calls(); }

void ZQFO_ClearDistributionCalls() { Calls().clear(); }
