// ZQFO_BlockStream.h: the ordered blocks of one zqfo_blockstream, block cell
// or page frame. A handle: copies share one counted body, which owns the
// blocks and deletes them with its last handle. Lengths in millimetres.
// Index errors are assertions. UI thread only.
#ifndef ZQFO_BLOCKSTREAM_H
#define ZQFO_BLOCKSTREAM_H

#include "ZQ_Array.h"
#include "ZQ_Point.h"

class ZQFO_Block;
class ZQFO_TextFixupDictionary;

class ZQFO_BlockStreamImp {
 public:
  ZQFO_BlockStreamImp() = default;
  ~ZQFO_BlockStreamImp();
  ZQFO_BlockStreamImp(const ZQFO_BlockStreamImp&) = delete;
  ZQFO_BlockStreamImp& operator=(const ZQFO_BlockStreamImp&) = delete;
  // Deletes every block.
  void Clear();

  long ReferenceCount = 0;
  long NumBlocks = 0;
  ZQ_AutosizeArray<ZQFO_Block*> Blocks;
};

class ZQFO_BlockStream {
 public:
  ZQFO_BlockStream();
  ZQFO_BlockStream(const ZQFO_BlockStream& Other);
  ZQFO_BlockStream& operator=(const ZQFO_BlockStream& Other);
  ~ZQFO_BlockStream();

  // Appends Block; the stream owns it from now on.
  void AddBlock(ZQFO_Block* Block);
  long GetNumBlocks() const { return Imp->NumBlocks; }
  // Asserts "BlockIndex < NumBlocks".
  ZQFO_Block* GetBlock(long BlockIndex) const;
  void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary);
  // The largest minimum and the largest maximum width of the blocks.
  ZQ_Point<double> ComputeDistributionAreaWidthLimits() const;
  // The blocks' heights at Width summed with the spaces between them, and
  // the first block's space before and the last one's space after when
  // asked for.
  ZQ_Point<double> ComputeDistributionAreaHeightLimits(double Width, bool IncludeFirstSpace,
                                                       bool IncludeLastSpace) const;

 private:
  void Release();
  ZQFO_BlockStreamImp* Imp;
};

#endif
