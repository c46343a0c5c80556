// ZQFO_DistributeBlockStream.h: laying a block stream into a content area
// and the areas chained after it. Until the block layout exists the
// distribution places each block whole into the given area (the base
// block's plain render object), records the page of every block that has a
// page id, and keeps a record of each call for those who inspect it. UI
// thread only.
#ifndef ZQFO_DISTRIBUTEBLOCKSTREAM_H
#define ZQFO_DISTRIBUTEBLOCKSTREAM_H

#include <vector>

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

// Lays Stream into Area (borrowed; render objects go to it) with Context.
void ZQFO_DistributeBlockStream(ZQFO_DistributionContext& Context, const ZQFO_BlockStream& Stream,
                                ZQFO_ContentArea& Area, const ZQFO_DistributeBlockStream_Options& Options);

// One call, as recorded: the stream (shared), the area (borrowed: valid while
// its page lives), the options, and the page text current at the call.
struct ZQFO_DistributionCall {
  ZQFO_BlockStream Stream;
  const ZQFO_ContentArea* Area;
  ZQFO_DistributeBlockStream_Options Options;
  ZQ_String PageNumberText;
};
// The calls since the record was last cleared, oldest first.
const std::vector<ZQFO_DistributionCall>& ZQFO_GetDistributionCalls();
void ZQFO_ClearDistributionCalls();

#endif
