#include "ZQFO_BlockStream.h"

#include "ZQFO_Block.h"
#include "ZQ_Assertion.h"

ZQFO_BlockStreamImp::~ZQFO_BlockStreamImp() {
  ZQ_ASSERT_LOG_ONLY(ReferenceCount == 0);
  Clear();
}

void ZQFO_BlockStreamImp::Clear() {
  for (long i = 0; i < NumBlocks; ++i) delete Blocks[i];
  NumBlocks = 0;
}

ZQFO_BlockStream::ZQFO_BlockStream() : Imp(new ZQFO_BlockStreamImp) { Imp->ReferenceCount = 1; }

ZQFO_BlockStream::ZQFO_BlockStream(const ZQFO_BlockStream& Other) : Imp(Other.Imp) { ++Imp->ReferenceCount; }

ZQFO_BlockStream& ZQFO_BlockStream::operator=(const ZQFO_BlockStream& Other) {
  ++Other.Imp->ReferenceCount;
  Release();
  Imp = Other.Imp;
  return *this;
}

ZQFO_BlockStream::~ZQFO_BlockStream() { Release(); }

void ZQFO_BlockStream::Release() {
  ZQ_ASSERT_LOG_ONLY(Imp->ReferenceCount > 0);
  if (--Imp->ReferenceCount <= 0) delete Imp;
}

void ZQFO_BlockStream::AddBlock(ZQFO_Block* Block) { Imp->Blocks[Imp->NumBlocks++] = Block; }

ZQFO_Block* ZQFO_BlockStream::GetBlock(long BlockIndex) const {
  ZQ_ASSERT_TEXT(BlockIndex < Imp->NumBlocks && BlockIndex >= 0, "BlockIndex < NumBlocks");
  if (BlockIndex < 0 || BlockIndex >= Imp->NumBlocks) return nullptr;
  return Imp->Blocks[BlockIndex];
}

void ZQFO_BlockStream::PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) {
  for (long i = 0; i < Imp->NumBlocks; ++i) Imp->Blocks[i]->PerformFieldFixups(Dictionary);
}

ZQ_Point<double> ZQFO_BlockStream::ComputeDistributionAreaWidthLimits() const {
  ZQ_Point<double> limits(0, 0);
  for (long i = 0; i < Imp->NumBlocks; ++i) {
    const ZQ_Point<double> block = Imp->Blocks[i]->ComputeDistributionAreaWidthLimits();
    if (block.X > limits.X) limits.X = block.X;
    if (block.Y > limits.Y) limits.Y = block.Y;
  }
  return limits;
}

ZQ_Point<double> ZQFO_BlockStream::ComputeDistributionAreaHeightLimits(double Width, bool IncludeFirstSpace,
                                                                         bool IncludeLastSpace) const {
  double spacing = 0;
  ZQ_Point<double> limits(0, 0);
  for (long i = 0; i < Imp->NumBlocks; ++i) {
    ZQFO_Block& block = *Imp->Blocks[i];
    if (i > 0 || IncludeFirstSpace) spacing += block.GetOptions()->BlockSpaceBefore;
    const ZQ_Point<double> heights = block.ComputeDistributionAreaHeightLimits(Width);
    limits.X += heights.X;
    limits.Y += heights.Y;
    if (i + 1 < Imp->NumBlocks || IncludeLastSpace) spacing += block.GetOptions()->BlockSpaceAfter;
  }
  limits.X += spacing;
  limits.Y += spacing;
  return limits;
}
