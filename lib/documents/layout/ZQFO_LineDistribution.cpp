#include "ZQFO_LineDistribution.h"

#include <algorithm>
#include <cmath>

#include "ZQFO_ContentArea.h"
#include "ZQFO_FlowObject.h"
#include "ZQFO_RenderObject.h"
#include "ZQ_Assertion.h"

namespace {

double FiniteOrZero(double Value) { return std::isfinite(Value) ? Value : 0.0; }

}  // namespace

// ---- ZQFO_Line

ZQFO_Line::ZQFO_Line(const ZQFO_FormattingOptions& Options, double Width, LocationType Location)
    : Options(Options), Location(Location) {
  this->Width = FiniteOrZero(Width) - GetIndent();
  RemainingWidth = this->Width;
}

double ZQFO_Line::GetIndent() const {
  const bool isFirst = Location == Location_First || Location == Location_FirstAndLast;
  return FiniteOrZero(isFirst ? Options->LineFirstIndent : Options->LineSubsequentIndent);
}

const ZQFO_Line::FlowObjectInfoType& ZQFO_Line::GetInfo(long Index) const {
  ZQ_ASSERT_TEXT(Index >= 0 && Index < GetNumFlowObjects(), "Index >= 0 and Index < N");
  static const FlowObjectInfoType s_none;
  return Index >= 0 && Index < GetNumFlowObjects() ? Infos[Index] : s_none;
}

void ZQFO_Line::AddFlowObject(ZQFO_FlowObject* Object) {
  if (!IsEmpty()) RemainingWidth -= Infos.back().FlowObject->GetTrailingEscapement();
  RemainingWidth -= Object->GetWidthLimits(-1.0).X;
  FlowObjectInfoType info;
  info.FlowObject = Object;
  Infos.push_back(info);
  MinimumHeight = MaximumHeight = LargestExternalLeading = -1.0;
}

void ZQFO_Line::AddFlowObjects(ZQFO_FlowObject* First, ZQFO_FlowObject* Last) {
  for (ZQFO_FlowObject* object = First; object; object = object->Next) {
    AddFlowObject(object);
    if (object == Last) break;
  }
}

bool ZQFO_Line::CanFitOntoLine(ZQFO_FlowObject* First, ZQFO_FlowObject* Last) const {
  if (IsEmpty()) return true;
  const double available = RemainingWidth - Infos.back().FlowObject->GetTrailingEscapement();
  double needed = 0;
  for (ZQFO_FlowObject* object = First; object; object = object->Next) {
    needed += object->GetWidthLimits(-1.0).X;
    if (object == Last) break;
    needed += object->GetTrailingEscapement();
  }
  return available >= needed;
}

void ZQFO_Line::ComputeAllocatedWidth() {
  double totalFlex = 0;
  for (FlowObjectInfoType& info : Infos) {
    info.Flex = info.MaximumWidth - info.MinimumWidth;
    totalFlex += info.Flex;
    info.AllocatedWidth = info.MinimumWidth;
  }
  if (totalFlex > 1e-05 && RemainingWidth > 1e-05) {
    // The share first: flex times give may overflow for huge boxes.
    const double share = std::min(RemainingWidth, totalFlex) / totalFlex;
    for (FlowObjectInfoType& info : Infos) info.AllocatedWidth += info.Flex * share;
  }
}

void ZQFO_Line::ComputeHeightLimits() {
  ZQ_ASSERT_TEXT(!IsEmpty(), "not IsEmpty()");
  for (FlowObjectInfoType& info : Infos) {
    const ZQ_Point<double> widths = info.FlowObject->GetWidthLimits(-1.0);
    info.MinimumWidth = widths.X;
    info.MaximumWidth = widths.Y;
  }
  ComputeAllocatedWidth();
  DescentOfMinimum = DescentOfMaximum = AscentOfMinimum = AscentOfMaximum = 0;
  for (FlowObjectInfoType& info : Infos) {
    const ZQ_Point<double> heights = info.FlowObject->GetHeightLimits(info.AllocatedWidth, info.AllocatedWidth);
    info.MinimumHeight = heights.X;
    info.MaximumHeight = heights.Y;
    const double r = info.FlowObject->GetDescentRatio();
    DescentOfMinimum = std::max(DescentOfMinimum, r * heights.X);
    DescentOfMaximum = std::max(DescentOfMaximum, r * heights.Y);
    AscentOfMinimum = std::max(AscentOfMinimum, (1 - r) * heights.X);
    AscentOfMaximum = std::max(AscentOfMaximum, (1 - r) * heights.Y);
  }
  MinimumHeight = DescentOfMinimum + AscentOfMinimum;
  MaximumHeight = DescentOfMaximum + AscentOfMaximum;
}

ZQ_Point<double> ZQFO_Line::GetHeightLimits() {
  if (MinimumHeight < 0 && !IsEmpty()) ComputeHeightLimits();
  return {std::max(MinimumHeight, 0.0), std::max(MaximumHeight, 0.0)};
}

double ZQFO_Line::GetLargestExternalLeading() {
  if (LargestExternalLeading < 0) {
    LargestExternalLeading = 0;
    for (const FlowObjectInfoType& info : Infos)
      LargestExternalLeading = std::max(LargestExternalLeading, FiniteOrZero(info.FlowObject->GetExternalLeading()));
  }
  return LargestExternalLeading;
}

double ZQFO_Line::ComputeUnallocatedHorizontalSpace() const {
  double used = 0;
  for (size_t i = 0; i < Infos.size(); ++i) {
    used += Infos[i].AllocatedWidth;
    if (i + 1 < Infos.size()) used += Infos[i].FlowObject->GetTrailingEscapement();
  }
  return Width - used;
}

void ZQFO_Line::JustifyLine() {
  for (FlowObjectInfoType& info : Infos) info.LeadingSpace = 0;
  if (IsEmpty()) return;
  const double unallocated = ComputeUnallocatedHorizontalSpace();
  switch (Options->LineJustification) {
    case 0: break;
    case 1: Infos[0].LeadingSpace = unallocated * 0.5; break;
    case 2: Infos[0].LeadingSpace = unallocated; break;
    case 3: {
      if (!(unallocated >= 0) || (Location != Location_First && Location != Location_Middle)) break;
      long count = 0;
      for (size_t i = 0; i + 1 < Infos.size(); ++i)
        if (Infos[i].FlowObject->SpaceAfter == ZQFO_SpaceAfter_Stretchable) ++count;
      if (count == 0) break;
      for (size_t i = 0; i + 1 < Infos.size(); ++i)
        if (Infos[i].FlowObject->SpaceAfter == ZQFO_SpaceAfter_Stretchable)
          Infos[i + 1].LeadingSpace = unallocated / count;
      break;
    }
    default: ZQ_ASSERT_TEXT(false, "false");
  }
}

void ZQFO_Line::UnderlineContentArea(ZQFO_ContentArea& Area, const FlowObjectInfoType& Info) {
  const double width = Area.GetFreeWidth(), height = Area.GetFreeHeight();
  ZQCG_Line underline(2);
  underline.AddPoint({0, 0.1});
  underline.AddPoint({width, 0.1});
  Area.AddRenderObject(new ZQFO_RenderObject_Line(Options, 0, 0, width, height, underline, 0.2,
                                                  Info.FlowObject->GetOptions()->TextColor),
                       0);
}

double ZQFO_Line::ComputeVerticalPosition(long Index, double Baseline, double PreviousY) const {
  const FlowObjectInfoType& info = Infos[Index];
  ZQFO_FlowObject& object = *info.FlowObject;
  const double h = info.AllocatedHeight, r = object.GetDescentRatio(), a = object.GetAscentRatio();
  if (Index > 0) {
    const FlowObjectInfoType& previous = Infos[Index - 1];
    switch (object.GetOptions()->LineVerticalAlignment) {
      case 1: return PreviousY + previous.AllocatedHeight - (r + a) * h;
      case 2:
        return PreviousY + previous.FlowObject->GetDescentRatio() * previous.AllocatedHeight - (r + 0.5 * a) * h;
      default: break;
    }
  }
  return Baseline - r * h;
}

void ZQFO_Line::Distribute(ZQFO_ContentArea& Area) {
  Area.CutLeftStrip(GetIndent());
  const double H = Area.GetFreeHeight();
  const ZQ_Point<double> heights = GetHeightLimits();
  const double flexDescent = DescentOfMaximum - DescentOfMinimum, flexAscent = AscentOfMaximum - AscentOfMinimum;
  const double totalFlex = flexDescent + flexAscent;
  const double share = totalFlex >= 1e-06 ? flexDescent / totalFlex : 0.0;
  const double baseline = DescentOfMinimum + std::max(0.0, H - heights.X) * share;
  const double above = H - baseline;
  for (FlowObjectInfoType& info : Infos) {
    const ZQ_Point<double> limits = info.FlowObject->GetHeightLimits(info.AllocatedWidth, info.AllocatedWidth);
    const double r = info.FlowObject->GetDescentRatio();
    double candidate = r <= 1e-06 ? 9.9e+99 : baseline / r;
    if (1 - r > 1e-06) candidate = std::min(candidate, above / (1 - r));
    info.AllocatedHeight = std::min(candidate, limits.Y);
  }
  for (FlowObjectInfoType& info : Infos)
    info.AllocatedWidth = std::min(info.AllocatedWidth, info.FlowObject->GetWidthLimits(H).Y);
  JustifyLine();

  bool wasPreviousUnderlined = false;
  ZQFO_ContentArea* previousTrailing = nullptr;
  double previousY = 0;
  for (long i = 0; i < GetNumFlowObjects(); ++i) {
    FlowObjectInfoType& info = Infos[i];
    ZQFO_FlowObject& object = *info.FlowObject;
    const ZQ_String& link = object.GetOptions()->LinkTarget;
    const bool isUnderlined = object.GetOptions()->FontUnderline == 1;
    const bool joinsUnderline = wasPreviousUnderlined && isUnderlined;
    if (!link.IsEmpty() || joinsUnderline) {
      ZQFO_ContentArea* lead = Area.ReserveLeft(info.LeadingSpace);
      lead->SetLinkTarget(link);
      if (joinsUnderline) {
        ZQ_ASSERT_TEXT(previousTrailing != nullptr, "PreviousFlowObjectTrailingEscapementContentArea");
        if (previousTrailing) UnderlineContentArea(*previousTrailing, Infos[i - 1]);
        UnderlineContentArea(*lead, info);
      }
    } else {
      Area.CutLeftStrip(info.LeadingSpace);
    }
    ZQFO_ContentArea* objectArea = Area.ReserveLeft(info.AllocatedWidth);
    objectArea->SetId(object.GetOptions().GetIds().IdPath);
    const double y = ComputeVerticalPosition(i, baseline, previousY);
    object.AddRenderObject(*objectArea, ZQ_Rectangle<double>(0, y, info.AllocatedWidth, info.AllocatedHeight));
    if (link.IsEmpty() && !isUnderlined) {
      Area.CutLeftStrip(object.GetTrailingEscapement());
      previousTrailing = nullptr;
    } else {
      if (isUnderlined) UnderlineContentArea(*objectArea, info);
      objectArea->SetLinkTarget(link);
      previousTrailing = Area.ReserveLeft(object.GetTrailingEscapement());
      previousTrailing->SetLinkTarget(link);
    }
    wasPreviousUnderlined = isUnderlined;
    previousY = y;
  }
}

// ---- ZQFO_LineDistribution

ZQFO_LineDistribution::ZQFO_LineDistribution(ZQFO_DistributionContext& Context,
                                             const ZQFO_FormattingOptions& Options, double Width,
                                             ZQFO_FlowObject* First, ZQFO_FlowObject* Last, PortionType Portion,
                                             bool Deferred)
    : Context(Context), Options(Options), First(First), Last(Last), Width(FiniteOrZero(Width)), Portion(Portion) {
  if (Deferred) return;
  BreakIntoLines();
  ComputeHeightLimits();
}

ZQFO_LineDistribution::~ZQFO_LineDistribution() = default;

ZQFO_Line& ZQFO_LineDistribution::GetLine(long Index) const {
  ZQ_ASSERT_TEXT(Index >= 0 && Index < GetNumLines(), "Index >= 0 and Index < N");
  return *Lines.at(Front + static_cast<size_t>(Index));
}

ZQFO_Line* ZQFO_LineDistribution::GetNewLine() {
  const ZQFO_Line::LocationType location = Portion == Portion_Tail || !Lines.empty()
                                               ? ZQFO_Line::Location_Middle
                                               : ZQFO_Line::Location_First;
  // Room for as many objects as the line before held, as a power of two:
  // lines of one paragraph hold alike, be it one object (preformatted text,
  // where a fixed room would be most of a line's memory) or dozens, and a
  // few sizes of block are what the heap reuses fastest.
  long room = 1;
  while (room < (Lines.empty() ? 16 : Lines.back()->GetNumFlowObjects())) room *= 2;
  Lines.push_back(std::make_unique<ZQFO_Line>(Options, Width, location));
  Lines.back()->ReserveFlowObjects(room);
  return Lines.back().get();
}

void ZQFO_LineDistribution::BreakIntoLines() {
  Lines.clear();
  Rests.clear();
  Front = 0;
  if (!First) return;
  ZQFO_FlowObject* current = First;
  ZQFO_FlowObject* previous = nullptr;
  ZQFO_Line* line = GetNewLine();
  for (;;) {
    // A word: the run joined by "never" breaks.
    ZQFO_FlowObject* start = current;
    while (current != Last && current->Next && current->WordBreakAfter == ZQFO_WordBreak_Never)
      current = current->Next;
    if (!line->IsEmpty() && previous) {
      switch (previous->WordBreakAfter) {
        case ZQFO_WordBreak_AsNeeded:
          if (!line->CanFitOntoLine(start, current)) line = GetNewLine();
          break;
        case ZQFO_WordBreak_Always:
          line->SetLocation(line->GetLocation() == ZQFO_Line::Location_First ? ZQFO_Line::Location_FirstAndLast
                                                                              : ZQFO_Line::Location_Last);
          line = GetNewLine();
          break;
        default: ZQ_ASSERT_TEXT(false, "false");
      }
    }
    line->AddFlowObjects(start, current);
    if (current == Last || !current->Next) break;
    previous = current;
    current = current->Next;
  }
  PerformLastLineLocationFixup();
}

void ZQFO_LineDistribution::PerformLastLineLocationFixup() {
  if (GetNumLines() == 0) return;
  ZQFO_Line& last = *Lines.back();
  if (Portion == Portion_Whole)
    last.SetLocation(GetNumLines() == 1 ? ZQFO_Line::Location_FirstAndLast : ZQFO_Line::Location_Last);
  else if (Portion == Portion_Tail)
    last.SetLocation(ZQFO_Line::Location_Last);
}

double ZQFO_LineDistribution::GetGapAfter(long Index, double Height) {
  const double s = Options->LineSpacing;
  return At(Index).GetLargestExternalLeading() * s + (s - 1) * Height;
}

void ZQFO_LineDistribution::ComputeHeightLimits() {
  MinimumHeight = MaximumHeight = 0;
  const double s = Options->LineSpacing;
  for (long i = 0; i < GetNumLines(); ++i) {
    const ZQ_Point<double> heights = At(i).GetHeightLimits();
    if (i + 1 == GetNumLines()) {
      MinimumHeight += heights.X;
      MaximumHeight += heights.Y;
    } else {
      const double leading = At(i).GetLargestExternalLeading();
      MinimumHeight += (heights.X + leading) * s;
      MaximumHeight += (heights.Y + leading) * s;
    }
  }
}

void ZQFO_LineDistribution::ComputeExtraVerticalAllocation(double H, std::vector<double>& Extra) {
  Extra.assign(GetNumLines(), 0.0);
  double totalFlex = 0;
  for (long i = 0; i < GetNumLines(); ++i) {
    const ZQ_Point<double> heights = At(i).GetHeightLimits();
    totalFlex += heights.Y - heights.X;
  }
  const double spare = H - MinimumHeight;
  if (!(spare >= 1e-05 && totalFlex >= 1e-05)) return;
  const double share = std::min(spare, totalFlex) / totalFlex;
  for (long i = 0; i < GetNumLines(); ++i) {
    const ZQ_Point<double> heights = At(i).GetHeightLimits();
    Extra[i] = (heights.Y - heights.X) * share;
  }
}

long ZQFO_LineDistribution::ComputeMaxNumLinesDistributableToContentArea(double H) {
  double total = 0, gap = 0;
  long n = 0;
  for (long i = 0; i < GetNumLines(); ++i) {
    const double minimum = At(i).GetHeightLimits().X;
    total += minimum + gap;
    if (total > H) break;
    gap = GetGapAfter(i, minimum);
    ++n;
  }
  return n;
}

void ZQFO_LineDistribution::Distribute(ZQFO_ContentArea& Area) {
  std::vector<double> extra;
  ComputeExtraVerticalAllocation(Area.GetFreeHeight(), extra);
  for (long i = 0; i < GetNumLines(); ++i) {
    const double height = At(i).GetHeightLimits().X + extra[i];
    ZQFO_ContentArea* lineArea = Area.ReserveTop(height);
    lineArea->SetId(Options.GetIds().IdPath);
    At(i).Distribute(*lineArea);
    if (i + 1 < GetNumLines()) Area.CutTopStrip(GetGapAfter(i, height));
  }
}

bool ZQFO_LineDistribution::GetRestWidthLimits(ZQ_Point<double>& Limits) const {
  if (Rests.empty()) return false;
  Limits = Rests[Front].Widths;
  return true;
}

// Summed from the last line up. The widths follow the paragraph's walk over
// its chain (words of minimum widths joined by "never" breaks, lines of
// maximum widths up to each "always" break, each after the subsequent
// indent): the state holds the rest of the word and of the line that the
// object being read belongs to, and the widest complete ones after them.
void ZQFO_LineDistribution::ComputeRestTotals() {
  Rests.assign(Lines.size(), RestTotals());  // those before Front stay unset
  const double s = Options->LineSpacing;
  const double indent = Options->LineSubsequentIndent;
  ZQ_Point<double> heights(0, 0);
  double word = 0, widestWord = 0, line = 0, widestLine = 0;
  bool hasNext = false;
  for (size_t i = Lines.size(); i-- > Front;) {
    ZQFO_Line& current = *Lines[i];
    const ZQ_Point<double> own = current.GetHeightLimits();
    if (i + 1 == Lines.size()) {
      heights = own;
    } else {
      const double leading = current.GetLargestExternalLeading();
      heights = ZQ_Point<double>((own.X + leading) * s + heights.X, (own.Y + leading) * s + heights.Y);
    }
    for (long k = current.GetNumFlowObjects(); k-- > 0;) {
      ZQFO_FlowObject* object = current.GetInfo(k).FlowObject;
      const ZQ_Point<double> widths = object->GetWidthLimits(-1.0);
      const double gap = hasNext ? object->GetTrailingEscapement() : 0.0;
      if (hasNext && object->WordBreakAfter == ZQFO_WordBreak_Never) {
        word = widths.X + gap + word;
      } else {
        if (hasNext) widestWord = std::max(widestWord, indent + word);
        word = widths.X;
      }
      if (hasNext && object->WordBreakAfter != ZQFO_WordBreak_Always) {
        line = widths.Y + gap + line;
      } else {
        if (hasNext) widestLine = std::max(widestLine, indent + line);
        line = widths.Y;
      }
      hasNext = true;
    }
    Rests[i].Heights = heights;
    Rests[i].Widths = ZQ_Point<double>(std::max(widestWord, indent + word), std::max(widestLine, indent + line));
  }
}

bool ZQFO_LineDistribution::Split(double H, ZQFO_LineDistribution*& FirstPart, ZQFO_LineDistribution*& SecondPart) {
  const long numLines = GetNumLines();
  long n = ComputeMaxNumLinesDistributableToContentArea(H);
  ZQ_ASSERT_TEXT(0 <= n && n <= numLines, "0 <= NumThisArea and NumThisArea <= NumLines");
  long rest = numLines - n;
  if (n <= 0 || rest <= 0) return false;
  if (rest == 1) {
    // A single line is never carried alone: take one more along, if that
    // leaves two behind.
    if (n < 3) return false;
    n -= 1;
    rest = 2;
  }
  if (n == 1) return false;
  ZQFO_Line& lastHere = At(n - 1);
  ZQFO_Line& firstThere = At(n);
  auto head = std::make_unique<ZQFO_LineDistribution>(
      Context, Options, Width, First, lastHere.GetInfo(lastHere.GetNumFlowObjects() - 1).FlowObject,
      Portion == Portion_Tail ? Portion_Tail : Portion_Head, true);
  auto tail = std::make_unique<ZQFO_LineDistribution>(Context, Options, Width, firstThere.GetInfo(0).FlowObject,
                                                      Last, Portion_Tail, true);
  // A long paragraph is split once an area: only the lines that stay here
  // may cost, or its layout grows with the square of its length.
  if (Rests.empty()) ComputeRestTotals();
  head->Lines.reserve(n);
  for (long i = 0; i < n; ++i) head->Lines.push_back(std::move(Lines[Front + i]));
  tail->Front = Front + n;
  tail->Lines.swap(Lines);
  tail->Rests.swap(Rests);
  Lines.clear();
  Rests.clear();
  Front = 0;
  head->ComputeHeightLimits();
  tail->MinimumHeight = tail->Rests[tail->Front].Heights.X;
  tail->MaximumHeight = tail->Rests[tail->Front].Heights.Y;
  FirstPart = head.release();
  SecondPart = tail.release();
  return true;
}
