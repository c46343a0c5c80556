#include "ZQFO_DistributeBlockStream.h"

#include <cmath>
#include <memory>
#include <vector>

#include "ZQFO_Block.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributionContext.h"
#include "ZQ_Assertion.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Stack.h"

namespace {

using BlockGroup = std::vector<ZQFO_Block*>;

// The working state of one distribution.
class Distributer {
 public:
  Distributer(ZQFO_DistributionContext& Context, const ZQFO_BlockStream& Stream, ZQFO_ContentArea& Area,
              const ZQFO_DistributeBlockStream_Options& Options)
      : Context(Context), Stream(Stream), Options(Options), Area(&Area) {
    ReadExtent();
  }

  bool Distribute();

 private:
  enum { Fit_All = 0, Fit_Split = 1, Fit_None = 2 };
  enum { Advance_Area = 0, Advance_Column, Advance_Page, Advance_EvenPage, Advance_OddPage };

  bool DistributeUnbrokenBlockGroup(BlockGroup& Group);
  long DistributeUnbrokenBlockGroupToCurrentContentArea(BlockGroup& Group);
  void AddToCurrentAreaBlockGroup(const BlockGroup& Group);
  void RecordDistributionPage(const BlockGroup& Group);
  bool AdvanceToNextContentArea(long Kind, const ZQFO_ChapterStrings& SectionTexts);
  void DistributeCurrentAreaBlockGroup();
  double ComputeExtraVerticalAllocation(double AreaHeight, std::vector<double>& Extra);
  void DistributeGroup();
  // How many blocks of Group fit the current area: at least 1.
  size_t CountFittingBlocks(const BlockGroup& Group);
  void ReadExtent() {
    AreaWidth = Area->GetFreeWidth();
    RemainingHeight = Area->GetFreeHeight();
  }
  double MinimumHeight(ZQFO_Block& Block) { return Block.ComputeDistributionAreaHeightLimits(AreaWidth).X; }

  ZQFO_DistributionContext& Context;
  ZQFO_BlockStream Stream;
  ZQFO_DistributeBlockStream_Options Options;
  ZQFO_ContentArea* Area;
  double AreaWidth = 0;
  double RemainingHeight = 0;
  ZQFO_Block* CarriedPiece = nullptr;
  std::vector<std::unique_ptr<ZQFO_Block>> OwnedPieces;
  BlockGroup AreaGroup;
  // Blocks of AreaGroup placed although taller than their area.
  std::vector<bool> AreaGroupOverflows;
  bool NextPlacedOverflows = false;
  ZQ_Stack<ZQFO_Block*, 20> Blocks;
};

bool Distributer::Distribute() {
  for (long i = Stream.GetNumBlocks() - 1; i >= 0; --i) Blocks.Push(Stream.GetBlock(i));
  if (Options.GetKeepLeadingSpace() && !Blocks.IsEmpty()) {
    Area->CutTopStrip(Blocks.GetTop()->GetOptions()->BlockSpaceBefore);
    ReadExtent();
  }
  while (!Blocks.IsEmpty()) {
    BlockGroup group(1, Blocks.Pop());
    while (!Blocks.IsEmpty() && ZQFO_CombineBreakOptions(group.back()->GetOptions()->BlockBreakAfter,
                                                         Blocks.GetTop()->GetOptions()->BlockBreakBefore) == 1)
      group.push_back(Blocks.Pop());
    if (!DistributeUnbrokenBlockGroup(group)) return false;
    if (Blocks.IsEmpty()) break;
    if (!Context.ResolvePageReferences) continue;
    ZQFO_Block& next = *Blocks.GetTop();
    const long code =
        ZQFO_CombineBreakOptions(group.back()->GetOptions()->BlockBreakAfter, next.GetOptions()->BlockBreakBefore);
    if (code >= 2 && code <= 5 && !AdvanceToNextContentArea(code - 1, next.GetChapterStrings())) return false;
  }
  DistributeCurrentAreaBlockGroup();
  return true;
}

bool Distributer::DistributeUnbrokenBlockGroup(BlockGroup& Group) {
  // The blocks as they came from the stream: a split piece has no page id.
  BlockGroup original = Group;
  bool isRecorded = false;
  for (;;) {
    long result = DistributeUnbrokenBlockGroupToCurrentContentArea(Group);
    if (result == Fit_None && AreaGroup.empty()) {
      // It fits no area: keep what fits here and give the rest its own turn;
      // a single block that neither fits nor splits goes here whole, clipped.
      const size_t fitting = CountFittingBlocks(Group);
      if (fitting < Group.size()) {
        for (size_t i = Group.size(); i > fitting; --i) Blocks.Push(Group[i - 1]);
        Group.resize(fitting);
        if (!isRecorded) original.resize(fitting);
        continue;
      }
      // Several blocks that all fit within the tolerance go in as they are.
      if (Group.size() == 1) {
        ZQ_WriteDebugLogEntry(ZQ_String("A block taller than its area is clipped on page ") +
                              Context.PageNumberText);
        NextPlacedOverflows = true;
      }
      AddToCurrentAreaBlockGroup(Group);
      result = Fit_All;
    }
    if (result != Fit_None && !isRecorded) {
      RecordDistributionPage(original);
      isRecorded = true;
    }
    if (result == Fit_All) return true;
    if (!AdvanceToNextContentArea(Advance_Area, ZQFO_ChapterStrings())) return false;
    if (result == Fit_Split) Group.assign(1, CarriedPiece);
  }
}

size_t Distributer::CountFittingBlocks(const BlockGroup& Group) {
  double room = RemainingHeight;
  for (size_t i = 0; i < Group.size(); ++i) {
    if (i > 0) room -= Group[i - 1]->GetOptions()->BlockSpaceAfter + Group[i]->GetOptions()->BlockSpaceBefore;
    room -= MinimumHeight(*Group[i]);
    if (room < -1e-6) return i > 0 ? i : 1;
  }
  return Group.size();
}

long Distributer::DistributeUnbrokenBlockGroupToCurrentContentArea(BlockGroup& Group) {
  ZQ_ASSERT_TEXT(!Group.empty(), "UnbrokenBlockGroupSize > 0");
  if (Group.empty()) return Fit_All;
  double room = RemainingHeight;
  if (!AreaGroup.empty()) room -= Group[0]->GetOptions()->BlockSpaceBefore;
  for (size_t i = 0; i < Group.size(); ++i) {
    room -= MinimumHeight(*Group[i]);
    if (i + 1 < Group.size()) {
      room -= Group[i]->GetOptions()->BlockSpaceAfter + Group[i + 1]->GetOptions()->BlockSpaceBefore;
      if (room < 0) return Fit_None;
    }
  }
  if (room < -1e-6) {
    ZQFO_Block& last = *Group.back();
    ZQFO_Block *first = nullptr, *second = nullptr;
    if (!last.Split(AreaWidth, MinimumHeight(last) + room, first, second)) return Fit_None;
    OwnedPieces.emplace_back(first);
    OwnedPieces.emplace_back(second);
    Group.back() = first;
    AddToCurrentAreaBlockGroup(Group);
    CarriedPiece = second;
    return Fit_Split;
  }
  AddToCurrentAreaBlockGroup(Group);
  return Fit_All;
}

void Distributer::AddToCurrentAreaBlockGroup(const BlockGroup& Group) {
  for (ZQFO_Block* block : Group) {
    if (!AreaGroup.empty()) RemainingHeight -= block->GetOptions()->BlockSpaceBefore;
    AreaGroup.push_back(block);
    AreaGroupOverflows.push_back(NextPlacedOverflows);
    NextPlacedOverflows = false;
    RemainingHeight -= MinimumHeight(*block) + block->GetOptions()->BlockSpaceAfter;
  }
}

void Distributer::RecordDistributionPage(const BlockGroup& Group) {
  for (ZQFO_Block* block : Group)
    if (!block->GetPageId().IsEmpty()) Context.AddPageReference(block->GetPageId(), Context.PageNumberText);
}

bool Distributer::AdvanceToNextContentArea(long Kind, const ZQFO_ChapterStrings& SectionTexts) {
  DistributeCurrentAreaBlockGroup();
  ZQFO_ContentArea* next = nullptr;
  switch (Kind) {
    case Advance_Area: next = Area->GetNextArea(SectionTexts, Context); break;
    case Advance_Column: next = Area->GetFirstAreaInNextColumn(SectionTexts, Context); break;
    case Advance_Page: next = Area->GetFirstAreaOnNextPage(SectionTexts, Context); break;
    case Advance_EvenPage: next = Area->GetFirstAreaOnNextEvenPage(SectionTexts, Context); break;
    case Advance_OddPage: next = Area->GetFirstAreaOnNextOddPage(SectionTexts, Context); break;
    default: ZQ_ASSERT_TEXT(false, "false");
  }
  if (next == nullptr) return false;
  Area = next;
  ReadExtent();
  return true;
}

void Distributer::DistributeCurrentAreaBlockGroup() {
  if (Area == nullptr || AreaGroup.empty()) return;
  DistributeGroup();
  AreaGroup.clear();
  AreaGroupOverflows.clear();
}

double Distributer::ComputeExtraVerticalAllocation(double AreaHeight, std::vector<double>& Extra) {
  const size_t n = AreaGroup.size();
  Extra.assign(n, 0.0);
  std::vector<double> flexibility(n, 0.0);
  double total = 0, totalFlexibility = 0;
  for (size_t i = 0; i < n; ++i) {
    const ZQ_Point<double> limits = AreaGroup[i]->ComputeDistributionAreaHeightLimits(AreaWidth);
    total += limits.X;
    flexibility[i] = limits.Y - limits.X;
    totalFlexibility += flexibility[i];
    if (i > 0) total += AreaGroup[i]->GetOptions()->BlockSpaceBefore;
    if (i + 1 < n) total += AreaGroup[i]->GetOptions()->BlockSpaceAfter;
  }
  if (Options.GetVerticalAllocation() == ZQFO_DistributeBlockStream_Options::VerticalAllocation_Minimize) return total;
  ZQ_ASSERT_TEXT(
      Options.GetVerticalAllocation() == ZQFO_DistributeBlockStream_Options::VerticalAllocation_Maximize,
      "Options.GetVerticalAllocation() == ZQFO_DistributeBlockStream_Options::VerticalAllocation_Maximize");
  const double free = AreaHeight - total;
  if (free < 1e-5 || totalFlexibility < 1e-5) return total;
  const double shared = free < totalFlexibility ? free : totalFlexibility;
  for (size_t i = 0; i < n; ++i) Extra[i] = shared / totalFlexibility * flexibility[i];
  return total + shared;
}

void Distributer::DistributeGroup() {
  std::vector<double> extra;
  const double used = ComputeExtraVerticalAllocation(Area->GetFreeHeight(), extra);
  // Whole millimetres, and half of them by whole-number division.
  const double slack = std::trunc(Area->GetFreeHeight() - used);
  if (slack > 1e-8) {
    switch (Options.GetVerticalJustification()) {
      case 0: break;
      case 1: Area->CutTopStrip(std::trunc(slack / 2)); break;
      case 2: Area->CutTopStrip(slack); break;
      default: ZQ_ASSERT_TEXT(false, "false");
    }
  }
  for (size_t i = 0; i < AreaGroup.size(); ++i) {
    ZQFO_Block& block = *AreaGroup[i];
    const auto& options = block.GetOptions().GetOptions();
    const double height = MinimumHeight(block) + extra[i];
    ZQFO_ContentArea* blockArea;
    if (AreaGroupOverflows[i]) {
      // From the top down past the bottom edge: the page clips the rest.
      const ZQ_Rectangle<double>& free = Area->GetFree();
      blockArea = Area->AccessPortion(free.X, free.Y + free.Height - height, free.Width, height);
      Area->CutTopStrip(free.Height);
    } else {
      blockArea = Area->ReserveTop(height);
    }
    blockArea->CutLeftStrip(options.BlockLeftIndent);
    blockArea->CutRightStrip(options.BlockRightIndent);
    const double horizontalSlack = blockArea->GetFreeWidth() - (block.ComputeDistributionAreaWidthLimits().Y + 1e-8);
    if (horizontalSlack > 0) {
      switch (options.BlockJustification) {
        case 0: blockArea->CutRightStrip(horizontalSlack); break;
        case 1:
          blockArea->CutLeftStrip(horizontalSlack / 2);
          blockArea->CutRightStrip(horizontalSlack / 2);
          break;
        case 2: blockArea->CutLeftStrip(horizontalSlack); break;
        default: ZQ_ASSERT_TEXT(false, "false");
      }
    }
    block.Distribute(*blockArea);
    double after = options.BlockSpaceAfter;
    if (i + 1 < AreaGroup.size()) after += AreaGroup[i + 1]->GetOptions()->BlockSpaceBefore;
    Area->CutTopStrip(after);
  }
}

}  // namespace

bool ZQFO_DistributeBlockStream(ZQFO_DistributionContext& Context, const ZQFO_BlockStream& Stream,
                                ZQFO_ContentArea& Area, const ZQFO_DistributeBlockStream_Options& Options) {
  Distributer distributer(Context, Stream, Area, Options);
  return distributer.Distribute();
}
