// ZQFO_LineDistribution.h: the line engine of a paragraph. For one width a
// ZQFO_LineDistribution breaks an inclusive run of the paragraph's chain of
// flow objects into ZQFO_Lines, shares out spare width and height, places
// every object of every line into a content area (leaving render objects,
// underlines and link areas) and splits its lines between two areas without
// leaving or carrying one line alone. Lengths are millimetres, y upward in
// the areas. The flow objects are borrowed from the paragraph, which
// outlives its distributions. Canvas failures (ZQ_Exception) pass out. UI
// thread only.
#ifndef ZQFO_LINEDISTRIBUTION_H
#define ZQFO_LINEDISTRIBUTION_H

#include <memory>
#include <vector>

#include "ZQFO_FormattingOptions.h"
#include "ZQ_Point.h"

class ZQFO_ContentArea;
class ZQFO_DistributionContext;
class ZQFO_FlowObject;

// One line: its flow objects with their allocated widths and heights.
class ZQFO_Line {
 public:
  // First and FirstAndLast lines take line_first_indent, the others
  // line_subsequent_indent; Last and FirstAndLast are never stretched.
  enum LocationType { Location_First = 0, Location_Middle = 1, Location_Last = 2, Location_FirstAndLast = 3 };
  struct FlowObjectInfoType {
    ZQFO_FlowObject* FlowObject = nullptr;  // borrowed
    double MinimumWidth = 0, MaximumWidth = 0;
    double MinimumHeight = 0, MaximumHeight = 0;
    double AllocatedWidth = 0, AllocatedHeight = 0;
    double Flex = 0;          // maximum width less minimum width
    double LeadingSpace = 0;  // placed before the object by justification
  };

  // Width: the distribution's width less the location's indent.
  ZQFO_Line(const ZQFO_FormattingOptions& Options, double Width, LocationType Location);

  bool IsEmpty() const { return Infos.empty(); }
  LocationType GetLocation() const { return Location; }
  void SetLocation(LocationType NewLocation) { Location = NewLocation; }
  long GetNumFlowObjects() const { return static_cast<long>(Infos.size()); }
  // Index in range ("Index >= 0 and Index < N").
  const FlowObjectInfoType& GetInfo(long Index) const;
  double GetWidth() const { return Width; }
  double GetRemainingWidth() const { return RemainingWidth; }

  // Room for Count objects before the line's array grows.
  void ReserveFlowObjects(long Count) { Infos.reserve(static_cast<size_t>(Count)); }
  void AddFlowObject(ZQFO_FlowObject* Object);
  // First, its successors, up to and including Last.
  void AddFlowObjects(ZQFO_FlowObject* First, ZQFO_FlowObject* Last);
  // Whether First..Last fits after what the line holds; an empty line
  // takes anything.
  bool CanFitOntoLine(ZQFO_FlowObject* First, ZQFO_FlowObject* Last) const;
  // Asserts "not IsEmpty()".
  void ComputeHeightLimits();
  // (minimum, maximum) height, computed once.
  ZQ_Point<double> GetHeightLimits();
  // The largest external leading of the objects' fonts, computed once.
  double GetLargestExternalLeading();
  void ComputeAllocatedWidth();
  // Width less the allocated widths and the gaps between the objects.
  double ComputeUnallocatedHorizontalSpace() const;
  void JustifyLine();
  // A 0.2 mm line 0.1 mm above Area's bottom, in Info's text colour.
  void UnderlineContentArea(ZQFO_ContentArea& Area, const FlowObjectInfoType& Info);
  // Places the objects into the line's area.
  void Distribute(ZQFO_ContentArea& Area);

 private:
  double GetIndent() const;
  // Vertical position of Infos[Index]'s bottom above the line's bottom.
  double ComputeVerticalPosition(long Index, double Baseline, double PreviousY) const;

  std::vector<FlowObjectInfoType> Infos;
  ZQFO_FormattingOptions Options;
  double Width;
  double RemainingWidth;
  LocationType Location;
  double DescentOfMinimum = 0, DescentOfMaximum = 0, AscentOfMinimum = 0, AscentOfMaximum = 0;
  double LargestExternalLeading = -1.0;
  double MinimumHeight = -1.0, MaximumHeight = -1.0;
};

// The lines of one paragraph, or of one portion of a split paragraph, for
// one width.
class ZQFO_LineDistribution {
 public:
  // Whole paragraph; Head: its last line is not the paragraph's last;
  // Tail: its first line is not the paragraph's first.
  enum PortionType { Portion_Whole = 0, Portion_Head = 1, Portion_Tail = 2 };

  // Breaks First..Last (null First: no objects) into lines of Width and
  // computes the heights, unless Deferred. A Width that is not finite
  // counts as 0.
  ZQFO_LineDistribution(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options, double Width,
                        ZQFO_FlowObject* First, ZQFO_FlowObject* Last, PortionType Portion, bool Deferred);
  ZQFO_LineDistribution(const ZQFO_LineDistribution&) = delete;
  ZQFO_LineDistribution& operator=(const ZQFO_LineDistribution&) = delete;
  ~ZQFO_LineDistribution();

  // A line appended at the location that the portion and the lines so far give.
  ZQFO_Line* GetNewLine();
  void BreakIntoLines();
  void PerformLastLineLocationFixup();
  void ComputeHeightLimits();
  // Spare height up to H shared by the lines' flex; Extra gets one per line.
  void ComputeExtraVerticalAllocation(double H, std::vector<double>& Extra);
  // How many lines' minimum heights (with the gaps) fit into H.
  long ComputeMaxNumLinesDistributableToContentArea(double H);
  // Stacks the lines from the top of Area with the line spacing.
  void Distribute(ZQFO_ContentArea& Area);
  // On true the caller owns First (the lines that fit H) and Second (the
  // rest), and this distribution has no lines left. Costs the lines of
  // First: Second takes its sizes from totals made once for all the lines
  // (summed from the end, so they may differ from ComputeHeightLimits's in
  // the last bits), and keeps them for its own split.
  bool Split(double H, ZQFO_LineDistribution*& First, ZQFO_LineDistribution*& Second);
  // The minimum and maximum content width of the lines when their first
  // line takes line_subsequent_indent, as the paragraph measures a chain
  // (ZQFO_Block_Paragraph); false until a split made the totals.
  bool GetRestWidthLimits(ZQ_Point<double>& Limits) const;
  // The flow objects' widths changed: the totals no longer hold.
  void ForgetRestTotals() { Rests.clear(); }

  long GetNumLines() const { return static_cast<long>(Lines.size() - Front); }
  ZQFO_Line& GetLine(long Index) const;
  ZQ_Point<double> GetHeightLimits() const { return {MinimumHeight, MaximumHeight}; }
  PortionType GetPortion() const { return Portion; }
  ZQFO_FlowObject* GetFirstFlowObject() const { return First; }
  ZQFO_FlowObject* GetLastFlowObject() const { return Last; }

 private:
  // Line Index of those left, unchecked.
  ZQFO_Line& At(long Index) const { return *Lines[Front + Index]; }
  double GetGapAfter(long Index, double Height);
  void ComputeRestTotals();

  // From one line to the end of the lines.
  struct RestTotals {
    ZQ_Point<double> Heights;  // as ComputeHeightLimits sums them
    ZQ_Point<double> Widths;   // as GetRestWidthLimits gives them
  };

  ZQFO_DistributionContext& Context;
  ZQFO_FormattingOptions Options;
  ZQFO_FlowObject* First;
  ZQFO_FlowObject* Last;
  double Width;
  PortionType Portion;
  std::vector<std::unique_ptr<ZQFO_Line>> Lines;
  std::vector<RestTotals> Rests;  // one a line of Lines, or none until a split
  // The lines before Front went to the first part of a split: the second
  // part takes the arrays whole rather than copying the rest of a long
  // paragraph at every area.
  size_t Front = 0;
  double MinimumHeight = 0, MaximumHeight = 0;
};

#endif
