// ZQFO_DistributeBlockStream.h: laying a block stream into a chain of
// content areas: blocks collected per area, spare height shared out, the
// blocks of an area set at its top, centre or bottom, space before and
// after between them, and the page of every page id recorded. UI thread
// only.
#ifndef ZQFO_DISTRIBUTEBLOCKSTREAM_H
#define ZQFO_DISTRIBUTEBLOCKSTREAM_H

#include "ZQFO_BlockStream.h"
#include "ZQ_String.h"

class ZQFO_ContentArea;
class ZQFO_DistributionContext;

class ZQFO_DistributeBlockStream_Options {
 public:
  static const long VerticalAllocation_Minimize = 0;
  static const long VerticalAllocation_Maximize = 1;

  void SetVerticalAllocation(long Value) { VerticalAllocation = Value; }
  long GetVerticalAllocation() const { return VerticalAllocation; }
  void SetVerticalJustification(long Value) { VerticalJustification = Value; }
  long GetVerticalJustification() const { return VerticalJustification; }
  // The first block's space before stays at the top of the first area.
  void SetKeepLeadingSpace(bool Value) { KeepLeadingSpace = Value; }
  bool GetKeepLeadingSpace() const { return KeepLeadingSpace; }
  // The last block's space after stays at the bottom of the last area.
  void SetKeepTrailingSpace(bool Value) { KeepTrailingSpace = Value; }
  bool GetKeepTrailingSpace() const { return KeepTrailingSpace; }

 private:
  long VerticalAllocation = VerticalAllocation_Maximize;
  long VerticalJustification = 0;  // 0 top, 1 centre, 2 bottom
  bool KeepLeadingSpace = false;
  bool KeepTrailingSpace = false;
};

// Lays the blocks of Stream into Area and the areas chained after it (new
// pages come from the chain as needed), Area and Context borrowed. Blocks
// joined by "never" stay in one area and only the last of them splits;
// forced breaks move on to the next column or page when Context resolves
// page references. A group that fits no area is placed anyway, cut where
// it must be, its overflow clipped. False only when the chain ends (a
// frame, a cell) before every block is placed; what was placed stays.
bool ZQFO_DistributeBlockStream(ZQFO_DistributionContext& Context, const ZQFO_BlockStream& Stream,
                                ZQFO_ContentArea& Area, const ZQFO_DistributeBlockStream_Options& Options);

#endif
