#include "ZQFO_Block_Table.h"

#include <algorithm>

#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQFO_RenderObject.h"
#include "ZQ_Assertion.h"
#include "ZQ_DebugLog.h"

namespace {

const double kEpsilon = 5e-6;
// HTML's own limit: a larger span would fill that many column slots.
const long kMaximumColumnSpan = 1000;

// Shares Extra above the minimums out in proportion to each range, or
// gives every item its minimum or its maximum.
template <class Range, class Min, class Max, class Set>
void ShareOut(Range&& Items, double Available, double Minimum, double Maximum, const char* Assertion,
              Min GetMin, Max GetMax, Set SetValue) {
  const double range = Maximum - Minimum;
  if (range >= kEpsilon && Available > Minimum + kEpsilon && Available <= Maximum - kEpsilon) {
    const double extra = Available - Minimum;
    ZQ_ASSERT_TEXT(0 < extra, Assertion);
    for (auto& item : Items) SetValue(item, GetMin(item) + (GetMax(item) - GetMin(item)) * extra / range);
  } else if (range >= kEpsilon && Available > Maximum - kEpsilon) {
    for (auto& item : Items) SetValue(item, GetMax(item));
  } else {
    for (auto& item : Items) SetValue(item, GetMin(item));
  }
}

}  // namespace

ZQFO_Block_Table::ZQFO_Block_Table(const ZQFO_Block_Table& Other, long First, long End)
    : ZQFO_Block(Other),
      NumColumns(Other.NumColumns),
      Layout(Other.Layout),
      FirstRow(Other.FirstRow + First),
      EndRow(Other.FirstRow + End),
      SplitPiece(true) {
  // A piece that runs to the end is what a split carries on; adding up its
  // rows at every split would cost the square of the table's length.
  if (EndRow == Layout->RestEnd) {
    MinimumHeight = Layout->RestHeights[FirstRow].X;
    MaximumHeight = Layout->RestHeights[FirstRow].Y;
    return;
  }
  MinimumHeight = MaximumHeight = 0;
  for (const RowInfoStruct& row : GetRows()) MinimumHeight += row.MinimumHeight, MaximumHeight += row.MaximumHeight;
}

ZQFO_Block_Table::~ZQFO_Block_Table() {
  if (SplitPiece) return;
  for (const RowInfoStruct& row : GetRows()) ForEachCell(row, [](long, CellInfoStruct& Cell) { delete &Cell; });
}

void ZQFO_Block_Table::MakeLayoutOwn() {
  if (Layout.GetReferenceCount() == 1) return;
  ZQ_CountedHandle<LayoutStruct> own(new LayoutStruct);
  const RowRange rows = GetRows();
  own->Rows.assign(rows.begin(), rows.end());
  own->Columns = Layout->Columns;
  Layout = own;
  EndRow -= FirstRow;
  FirstRow = 0;
}

void ZQFO_Block_Table::AddRow(const ZQFO_FormattingOptions& RowOptions) {
  MakeLayoutOwn();
  std::vector<RowInfoStruct>& rows = Layout->Rows;
  rows.resize(EndRow);  // rows past this table's are no other table's now
  rows.emplace_back();
  rows.back().Options = RowOptions;
  ++EndRow;
  CurrentRow = GetNumRows() - 1;
}

void ZQFO_Block_Table::AddCell(const ZQFO_BlockStream& Content, long ColumnSpan,
                               const ZQFO_FormattingOptions& CellOptions, const ZQFO_TableCellSize& Size) {
  ZQ_ASSERT_TEXT(CurrentRow >= 0, "CurrentRow");
  ZQ_ASSERT_TEXT(ColumnSpan > 0, "ColumnSpan > 0");
  if (CurrentRow < 0 || ColumnSpan <= 0) return;
  if (ColumnSpan > kMaximumColumnSpan) {
    ZQ_WriteDebugLogEntry(ZQ_String("A table cell spans ") + ZQ_ToString(ColumnSpan) + " columns; it spans 1000.");
    ColumnSpan = kMaximumColumnSpan;
  }
  MakeLayoutOwn();
  RowInfoStruct& row = Layout->Rows[FirstRow + CurrentRow];
  auto* cell = new CellInfoStruct{Content, ColumnSpan, CellOptions, Size};
  row.CellsByColumn.insert(row.CellsByColumn.end(), ColumnSpan, cell);
  ++row.NumCells;
  row.NumColumnsCovered += ColumnSpan;
}

void ZQFO_Block_Table::AllRowsAdded() {
  MakeLayoutOwn();
  DropCaches();
  NumColumns = 0;
  for (const RowInfoStruct& row : GetRows()) NumColumns = std::max(NumColumns, row.NumColumnsCovered);
  Layout->Columns.assign(NumColumns, ColumnInfoStruct());
}

ZQFO_Block_Table::CellInfoStruct* ZQFO_Block_Table::GetCell(long Row, long Column) const {
  const RowInfoStruct& row = GetRow(Row);
  return Column >= 0 && Column < row.NumColumnsCovered ? row.CellsByColumn[Column] : nullptr;
}

void ZQFO_Block_Table::PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) {
  ZQFO_Block::PerformFieldFixups(Dictionary);
  for (const RowInfoStruct& row : GetRows())
    ForEachCell(row, [&](long, CellInfoStruct& Cell) { Cell.Content.PerformFieldFixups(Dictionary); });
}

ZQ_Point<double> ZQFO_Block_Table::ComputeCellWidthNeeds(const CellInfoStruct& Cell) {
  const auto& options = Cell.Options.GetOptions();
  const double extra = options.CellLeftMargin + options.CellRightMargin + 1e-8;
  const bool fixedMin = Cell.Size.HasMinimumWidth != 0, fixedMax = Cell.Size.HasMaximumWidth != 0;
  ZQ_Point<double> content(0, 0);
  if (!fixedMin || !fixedMax) content = Cell.Content.ComputeDistributionAreaWidthLimits();
  const double minimum = fixedMin ? Cell.Size.MinimumWidth : content.X + extra;
  double maximum = fixedMax ? Cell.Size.MaximumWidth : content.Y + extra;
  maximum = std::max(minimum, maximum);
  return {minimum / Cell.ColumnSpan, maximum / Cell.ColumnSpan};
}

ZQ_Point<double> ZQFO_Block_Table::ComputeColumnWidthLimits(long Column) const {
  ZQ_Point<double> limits(0, 0);
  for (long r = 0; r < GetNumRows(); ++r) {
    const CellInfoStruct* cell = GetCell(r, Column);
    if (cell == nullptr) continue;
    const ZQ_Point<double> needs = ComputeCellWidthNeeds(*cell);
    limits.X = std::max(limits.X, needs.X);
    limits.Y = std::max(limits.Y, needs.Y);
  }
  ZQ_ASSERT_TEXT(limits.X <= limits.Y, "ColumnWidthLimits.Min <= ColumnWidthLimits.Max");
  return limits;
}

ZQ_Point<double> ZQFO_Block_Table::Imp_ComputeDistributionAreaWidthLimits() {
  if (!SplitPiece) MakeLayoutOwn();
  std::vector<ColumnInfoStruct>& columns = Layout->Columns;
  ZQ_Point<double> sum(0, 0);
  for (long c = 0; c < NumColumns; ++c) {
    if (!SplitPiece) {
      const ZQ_Point<double> limits = ComputeColumnWidthLimits(c);
      columns[c].MinimumWidth = limits.X;
      columns[c].MaximumWidth = limits.Y;
    }
    sum.X += columns[c].MinimumWidth;
    sum.Y += columns[c].MaximumWidth;
  }
  return sum;
}

void ZQFO_Block_Table::AssignColumnWidths(double Width) {
  const ZQ_Point<double> limits = ComputeDistributionAreaWidthLimits();
  ShareOut(
      Layout->Columns, Width, limits.X, limits.Y, "0 < ExtraWidthAboveMinToAllocate",
      [](const ColumnInfoStruct& C) { return C.MinimumWidth; }, [](const ColumnInfoStruct& C) { return C.MaximumWidth; },
      [](ColumnInfoStruct& C, double W) { C.Width = W; });
}

double ZQFO_Block_Table::GetCellWidth(const RowInfoStruct&, long Column, const CellInfoStruct& Cell) const {
  double width = 0;
  for (long c = Column; c < Column + Cell.ColumnSpan && c < NumColumns; ++c) width += Layout->Columns[c].Width;
  return width;
}

void ZQFO_Block_Table::ComputeRowHeightLimits() {
  MinimumHeight = MaximumHeight = 0;
  for (RowInfoStruct& row : GetRows()) {
    // A row without cells has no height: an unbounded maximum would take
    // all the room the vertical allocation shares out.
    double rowMin = 0, rowMax = row.NumCells > 0 ? 999999999.0 : 0.0;
    ForEachCell(row, [&](long Column, CellInfoStruct& Cell) {
      const auto& options = Cell.Options.GetOptions();
      const double width = GetCellWidth(row, Column, Cell) - (options.CellLeftMargin + options.CellRightMargin);
      const ZQ_Point<double> content = Cell.Content.ComputeDistributionAreaHeightLimits(width, false, false);
      const double extra = options.CellTopMargin + options.CellBottomMargin;
      const double minimum = Cell.Size.HasMinimumHeight ? Cell.Size.MinimumHeight : content.X + extra;
      double maximum = Cell.Size.HasMaximumHeight ? Cell.Size.MaximumHeight : content.Y + extra;
      maximum = std::max(minimum, maximum);
      rowMin = std::max(rowMin, minimum);
      rowMax = std::min(rowMax, maximum);
    });
    row.MinimumHeight = rowMin;
    row.MaximumHeight = std::max(rowMin, rowMax);
    MinimumHeight += row.MinimumHeight;
    MaximumHeight += row.MaximumHeight;
  }
  LayoutStruct& layout = *Layout;
  layout.RestHeights.resize(layout.Rows.size());
  ZQ_Point<double> rest(0, 0);
  for (long r = EndRow; r-- > FirstRow;) {
    rest = ZQ_Point<double>(layout.Rows[r].MinimumHeight + rest.X, layout.Rows[r].MaximumHeight + rest.Y);
    layout.RestHeights[r] = rest;
  }
  layout.RestEnd = EndRow;
}

void ZQFO_Block_Table::Imp_NoteNewDistributionAreaWidth(double Width) {
  // Whatever shares the rows keeps them as they are for its own width.
  MakeLayoutOwn();
  AssignColumnWidths(Width);
  ComputeRowHeightLimits();
}

// The heights go into the rows that this table shares: they hold only for
// the distribution that gives them.
void ZQFO_Block_Table::AssignRowHeights(double Height) {
  ShareOut(
      GetRows(), Height, MinimumHeight, MaximumHeight, "0 < ExtraHeightAboveMinToAllocate",
      [](const RowInfoStruct& R) { return R.MinimumHeight; }, [](const RowInfoStruct& R) { return R.MaximumHeight; },
      [](RowInfoStruct& R, double H) { R.Height = H; });
}

void ZQFO_Block_Table::Imp_Distribute(ZQFO_ContentArea& Area) {
  AssignRowHeights(Area.GetFreeHeight());
  for (const RowInfoStruct& row : GetRows()) {
    ZQFO_ContentArea* rowArea = Area.ReserveTop(row.Height);
    rowArea->SetId(row.Options.GetIds().IdPath);
    DistributeRow(*rowArea, row);
  }
}

void ZQFO_Block_Table::DistributeRow(ZQFO_ContentArea& RowArea, const RowInfoStruct& Row) {
  ForEachCell(Row, [&](long Column, CellInfoStruct& Cell) {
    ZQFO_ContentArea* cellArea = RowArea.ReserveLeft(GetCellWidth(Row, Column, Cell));
    cellArea->SetId(Cell.Options.GetIds().IdPath);
    DistributeCell(*cellArea, Cell);
  });
}

void ZQFO_Block_Table::DistributeCell(ZQFO_ContentArea& CellArea, const CellInfoStruct& Cell) {
  const auto& options = Cell.Options.GetOptions();
  if (options.BackgroundColorMode != 2) CellArea.SetBackgroundColor(options.BackgroundColor);
  const double w = CellArea.GetFreeWidth(), h = CellArea.GetFreeHeight();
  const double left = options.CellLeftBorderThickness, right = options.CellRightBorderThickness;
  const double top = options.CellTopBorderThickness, bottom = options.CellBottomBorderThickness;
  // Each line reaches half the crossing border's thickness past the corner,
  // so that the corners close.
  auto border = [&](double Thickness, const ZQR_Color& Color, ZQ_Point<double> From, ZQ_Point<double> To) {
    if (!(Thickness > 1e-6)) return;
    ZQCG_Line line(2);
    line.AddPoint(From);
    line.AddPoint(To);
    CellArea.AddRenderObject(new ZQFO_RenderObject_Line(Cell.Options, 0, 0, w, h, line, Thickness, Color), 0);
  };
  border(left, options.CellLeftBorderColor, {0, -bottom / 2}, {0, h + top / 2});
  border(right, options.CellRightBorderColor, {w, -bottom / 2}, {w, h + top / 2});
  border(top, options.CellTopBorderColor, {-left / 2, h}, {w + right / 2, h});
  border(bottom, options.CellBottomBorderColor, {-left / 2, 0}, {w + right / 2, 0});
  CellArea.CutTopStrip(options.CellTopMargin);
  CellArea.CutBottomStrip(options.CellBottomMargin);
  CellArea.CutLeftStrip(options.CellLeftMargin);
  CellArea.CutRightStrip(options.CellRightMargin);
  ZQ_ASSERT_TEXT(options.BlockVerticalJustification >= 0 && options.BlockVerticalJustification <= 2, "false");
  ZQFO_DistributeBlockStream_Options distribution;
  distribution.SetVerticalJustification(
      options.BlockVerticalJustification >= 0 && options.BlockVerticalJustification <= 2
          ? options.BlockVerticalJustification
          : 0);
  distribution.SetVerticalAllocation(ZQFO_DistributeBlockStream_Options::VerticalAllocation_Maximize);
  distribution.SetKeepLeadingSpace(false);
  ZQFO_DistributeBlockStream(Context, Cell.Content, CellArea, distribution);
}

long ZQFO_Block_Table::ComputeNumRowsThatFit(double Height) const {
  long count = 0;
  for (const RowInfoStruct& row : GetRows()) {
    Height -= row.MinimumHeight;
    if (Height < 0) break;
    ++count;
  }
  return count;
}

bool ZQFO_Block_Table::Imp_Split(double Height, ZQFO_Block*& First, ZQFO_Block*& Second) {
  long r1 = ComputeNumRowsThatFit(Height);
  if (r1 == 0) return false;
  long r2 = GetNumRows() - r1;
  // Every row fits: the table was short of the height only by rounding,
  // which rows billions of millimetres tall ("max") leave in the sums.
  // Nothing to split; the caller places the table whole.
  if (r2 <= 0) return false;
  if (r2 < 3) {
    r1 -= 3 - r2;
    r2 = 3;
  }
  if (r1 < 3) return false;
  // The pieces keep this table's width and their rows the limits made for
  // it: laid out again for that width, neither computes anything.
  First = new ZQFO_Block_Table(*this, 0, r1);
  Second = new ZQFO_Block_Table(*this, r1, GetNumRows());
  return true;
}

void ZQFO_Block_Table::Imp_ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) {
  if (Stage == 0) {
    for (const RowInfoStruct& row : GetRows())
      ForEachCell(row, [&](long, CellInfoStruct& Cell) {
        for (long b = 0; b < Cell.Content.GetNumBlocks(); ++b) Cell.Content.GetBlock(b)->ExportToHTML(Export, 0);
      });
    return;
  }
  ZQFO_HTMLOutput& out = Export.GetOutput();
  const long justification = GetOptions()->BlockJustification;
  ZQ_ASSERT_TEXT(justification >= 0 && justification <= 2, "false");
  if (justification == 1)
    out.Append("<div align=\"center\">");
  else if (justification == 2)
    out.Append("<div align=\"right\">");
  else
    out.Append("<div align=\"left\">");
  InsertHTMLAnchors(Export);
  out.Append("<table border=\"0\" cellpadding=\"2\" cellspacing=\"0\">\n");
  for (const RowInfoStruct& row : GetRows()) {
    out.Append("<tr align=\"left\" valign=\"top\">");
    ForEachCell(row, [&](long, CellInfoStruct& Cell) {
      const auto& options = Cell.Options.GetOptions();
      out.Append("<td");
      if (Cell.ColumnSpan > 1) {
        out.Append(" colspan=\"");
        Export.GetFormatter() << Cell.ColumnSpan;
        out.Append('"');
      }
      if (options.BlockJustification == 1) out.Append(" align=\"center\"");
      if (options.BlockJustification == 2) out.Append(" align=\"right\"");
      if (options.BlockVerticalJustification == 1) out.Append(" valign=\"center\"");
      if (options.BlockVerticalJustification == 2) out.Append(" valign=\"bottom\"");
      out.Append(" bgcolor=\"");
      out.Append(options.BackgroundColor.GetWebName());
      out.Append("\">");
      for (long b = 0; b < Cell.Content.GetNumBlocks(); ++b) Cell.Content.GetBlock(b)->ExportToHTML(Export, 1);
      out.Append("</td>");
    });
    out.Append(" </tr>\n");
  }
  out.Append("</table>\n</div>\n");
}

void ZQFO_Block_Table::Imp_CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector) {
  Collector.Add(GetOptions());
  for (const RowInfoStruct& row : GetRows()) {
    Collector.Add(row.Options);
    ForEachCell(row, [&](long, CellInfoStruct& Cell) {
      Collector.Add(Cell.Options);
      for (long b = 0; b < Cell.Content.GetNumBlocks(); ++b) Cell.Content.GetBlock(b)->CollectFormattingOptions(Collector);
    });
  }
}
