// The table layout glyph.
#include "ZQF_TableLayoutGlyph.h"

#include <algorithm>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_ParkedChild.h"
#include "ZQ_Iterator.h"

void ZQF_TableLayoutGlyph::FormatInfoStruct::AssignDefinedMembers(const FormatInfoStruct& Source) {
  if (Source.HorizontalAlignment != UndefinedAlignment) {
    HorizontalAlignment = Source.HorizontalAlignment;
  }
  if (Source.VerticalAlignment != UndefinedAlignment) VerticalAlignment = Source.VerticalAlignment;
  if (Source.TopMargin != UndefinedMargin) TopMargin = Source.TopMargin;
  if (Source.BottomMargin != UndefinedMargin) BottomMargin = Source.BottomMargin;
  if (Source.LeftMargin != UndefinedMargin) LeftMargin = Source.LeftMargin;
  if (Source.RightMargin != UndefinedMargin) RightMargin = Source.RightMargin;
}

ZQF_TableLayoutGlyph::ZQF_TableLayoutGlyph(long RowCapacity, long ColumnCapacity,
                                           unsigned long Options)
    : Columns(ColumnCapacity), Rows(RowCapacity), Cells(RowCapacity, ColumnCapacity) {
  if (Options & Option_NoSideMarginsCentred) {
    TableFormat.LeftMargin = 0;
    TableFormat.RightMargin = 0;
    TableFormat.VerticalAlignment = 1;
  }
}

const ZQF_TableLayoutGlyph::FormatInfoStruct& ZQF_TableLayoutGlyph::AccessDefaultFormatInfo() {
  static FormatInfoStruct s_default;
  if (s_default.HorizontalAlignment == UndefinedAlignment) {
    s_default.HorizontalAlignment = 0;
    s_default.VerticalAlignment = 0;
    s_default.TopMargin = s_default.BottomMargin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y;
    s_default.LeftMargin = s_default.RightMargin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X;
  }
  return s_default;
}

void ZQF_TableLayoutGlyph::Grow(ZQ_Array<RowInfoStruct>& Infos, long Index) {
  const long capacity = Infos.GetNumElements();
  if (Index >= capacity) Infos.Resize(std::max(2 * Index + 2, 2 * capacity));
}

void ZQF_TableLayoutGlyph::TouchCell(long Row, long Column) {
  if (Row < NumRows && Column < NumColumns) return;
  Grow(Columns, Column);
  Grow(Rows, Row);
  NumRows = std::max(Row + 1, NumRows);
  NumColumns = std::max(Column + 1, NumColumns);
  const long ni = Cells.GetNumI(), nj = Cells.GetNumJ();
  if (ni >= NumRows && nj >= NumColumns) return;
  ZQ_Array2D<CellInfoStruct> grown(ni < NumRows ? 2 * NumRows : ni,
                                   nj < NumColumns ? 2 * NumColumns : nj);
  for (long i = 0; i < ni; ++i) {
    for (long j = 0; j < nj; ++j) grown(i, j) = Cells(i, j);
  }
  Cells = grown;
}

void ZQF_TableLayoutGlyph::SetClient(long Row, long Column, ZQF_Glyph* Client) {
  TouchCell(Row, Column);
  CellInfoStruct& cell = Cells(Row, Column);
  if (cell.Client) {
    cell.Client->InvalidateToResizeAnchor();
    DeleteChild(cell.Client);
  }
  cell.Client = Client;
  if (!Client) return;
  AddChild(Client, true);
  Client->InvalidateToResizeAnchor();
}

void ZQF_TableLayoutGlyph::SetClient(long Row, long Column, const ZQ_String& Text) {
  if (Text.Find('\n') < 0) {
    SetClient(Row, Column, new ZQF_InlineStoredLabelGlyph(Text));
    return;
  }
  TouchCell(Row, Column);
  const long h = ComputeFormatInfo(Row, Column).HorizontalAlignment;
  ZQF_ColumnGlyph* lines = new ZQF_ColumnGlyph(h == 0 ? 0 : h == 1 ? 1 : 2);
  for (ZQ_ReadOnlyIterator<ZQ_String> line = ZQ_GetStringLineIterator(Text); line.IsValid();
       line.Advance()) {
    lines->AddToBottom(new ZQF_InlineStoredLabelGlyph(*line));
  }
  SetClient(Row, Column, lines);
}

ZQF_Glyph* ZQF_TableLayoutGlyph::GetClient(long Row, long Column) {
  TouchCell(Row, Column);
  return Cells(Row, Column).Client;
}

ZQF_TableLayoutGlyph::ColumnInfoStruct& ZQF_TableLayoutGlyph::AccessColumnInfo(long Column) {
  if (Column >= NumColumns) TouchCell(0, Column);
  return Columns[Column];
}

ZQF_TableLayoutGlyph::RowInfoStruct& ZQF_TableLayoutGlyph::AccessRowInfo(long Row) {
  if (Row >= NumRows) TouchCell(Row, 0);
  return Rows[Row];
}

ZQF_TableLayoutGlyph::FormatInfoStruct& ZQF_TableLayoutGlyph::AccessCellFormatInfo(long Row,
                                                                                   long Column) {
  TouchCell(Row, Column);
  return Cells(Row, Column).Format;
}

void ZQF_TableLayoutGlyph::SetRowHidden(long Row, bool Hidden, bool RequestLayout) {
  Grow(Rows, Row);
  if (Rows[Row].Hidden == Hidden) return;
  Rows[Row].Hidden = Hidden;
  // The table's size changed either way: without a layout now, the next one
  // from above must not take the old size from the cache.
  if (RequestLayout) {
    Resize();
  } else {
    InvalidateToResizeAnchor();
  }
}

ZQF_TableLayoutGlyph::FormatInfoStruct ZQF_TableLayoutGlyph::ComputeFormatInfo(long Row,
                                                                               long Column) const {
  FormatInfoStruct format = AccessDefaultFormatInfo();
  format.AssignDefinedMembers(TableFormat);
  format.AssignDefinedMembers(Columns[Column].Format);
  format.AssignDefinedMembers(Rows[Row].Format);
  format.AssignDefinedMembers(Cells(Row, Column).Format);
  return format;
}

bool ZQF_TableLayoutGlyph::GetFocusClientRowAndColumn(long& Row, long& Column) {
  Row = Column = -1;
  ZQF_Glyph* focus = GetFocusChild();
  if (!focus || !IsOnFocusPath()) return false;
  for (long i = 0; i < NumRows; ++i) {
    for (long j = 0; j < NumColumns; ++j) {
      if (Cells(i, j).Client != focus) continue;
      Row = i;
      Column = j;
      return true;
    }
  }
  return false;
}

void ZQF_TableLayoutGlyph::AxisSizes::Include(long Index, long Natural, long Minimum,
                                              long Maximum) {
  Naturals[Index] = std::max(Naturals[Index], Natural);
  Minimums[Index] = std::max(Minimums[Index], Minimum);
  Maximums[Index] = std::max(Maximums[Index], Maximum);
}

void ZQF_TableLayoutGlyph::AxisSizes::RaiseMaximumsToNaturals() {
  for (long i = 0; i < Naturals.GetNumElements(); ++i) {
    Maximums[i] = std::max(Maximums[i], Naturals[i]);
  }
}

void ZQF_TableLayoutGlyph::CalculateRowAndColumnDesiredSizes(AxisSizes& RowSizes,
                                                             AxisSizes& ColumnSizes) const {
  for (long i = 0; i < NumRows; ++i) {
    if (Rows[i].Hidden) continue;
    for (long j = 0; j < NumColumns; ++j) {
      if (Columns[j].Hidden) continue;
      const FormatInfoStruct format = ComputeFormatInfo(i, j);
      const long x = format.LeftMargin + format.RightMargin;
      const long y = format.TopMargin + format.BottomMargin;
      ZQF_DesiredSize size;
      size.SetX(x, x, x);
      size.SetY(y, y, y);
      if (const ZQF_Glyph* client = Cells(i, j).Client) {
        const ZQF_DesiredSize& c = client->GetDesiredSize();
        c.CheckConsistency();
        c.CheckValidity();
        size.SetX(c.Natural.X + x, c.Minimum.X + x, c.Maximum.X + x);
        size.SetY(c.Natural.Y + y, c.Minimum.Y + y, c.Maximum.Y + y);
      }
      RowSizes.Include(i, size.Natural.Y, size.Minimum.Y, size.Maximum.Y);
      ColumnSizes.Include(j, size.Natural.X, size.Minimum.X, size.Maximum.X);
    }
  }
  RowSizes.RaiseMaximumsToNaturals();
  ColumnSizes.RaiseMaximumsToNaturals();
}

namespace {

// The sum capped at 0x20000000 after every addition.
long CappedTotal(const ZQ_Array<long>& Values) {
  long total = 0;
  for (long i = 0; i < Values.GetNumElements(); ++i) {
    total = ZQF_AlignmentGlyph::CappedSum(total, Values[i]);
  }
  return total;
}

}  // namespace

void ZQF_TableLayoutGlyph::UpdateMyDesiredSize() {
  if (NumRows == 0 || NumColumns == 0) {
    DesiredSize.SetX(0, 0, 0);
    DesiredSize.SetY(0, 0, 0);
    return;
  }
  AxisSizes rows(NumRows), columns(NumColumns);
  CalculateRowAndColumnDesiredSizes(rows, columns);
  DesiredSize.SetX(CappedTotal(columns.Naturals), CappedTotal(columns.Minimums),
                   CappedTotal(columns.Maximums));
  DesiredSize.SetY(CappedTotal(rows.Naturals), CappedTotal(rows.Minimums),
                   CappedTotal(rows.Maximums));
}

void ZQF_TableLayoutGlyph::Distribute(long Extent, const AxisSizes& Sizes,
                                      ZQ_Array<long>& Positions, ZQ_Array<long>& Extents) {
  const long n = Sizes.Naturals.GetNumElements();
  ZQ_Array<long> ones(n, 1), crossPositions(n), crossSizes(n);
  ZQF_AlignmentGlyph::ProcessAcceptLayout(Extent, 1, n, 0, 0, Sizes.Naturals, Sizes.Minimums,
                                          Sizes.Maximums, ones, Positions, Extents, crossPositions,
                                          crossSizes);
}

void ZQF_TableLayoutGlyph::AcceptLayout() {
  if (NumRows == 0 || NumColumns == 0) return;
  AxisSizes rows(NumRows), columns(NumColumns);
  CalculateRowAndColumnDesiredSizes(rows, columns);
  ZQ_Array<long> rowPositions(NumRows), rowHeights(NumRows);
  ZQ_Array<long> columnPositions(NumColumns), columnWidths(NumColumns);
  Distribute(GetBoundingBox().Height, rows, rowPositions, rowHeights);
  Distribute(GetBoundingBox().Width, columns, columnPositions, columnWidths);
  for (long i = 0; i < NumRows; ++i) {
    for (long j = 0; j < NumColumns; ++j) {
      LayOutCell(
          i, j,
          ZQ_Rectangle<long>(columnPositions[j], rowPositions[i], columnWidths[j], rowHeights[i]));
    }
  }
}

void ZQF_TableLayoutGlyph::LayOutCell(long Row, long Column, const ZQ_Rectangle<long>& CellRect) {
  CellInfoStruct& cell = Cells(Row, Column);
  const ZQ_Rectangle<long> parked(-20000, -20000, 0, 0);
  if (!cell.Client) {
    cell.CellRect = parked;
    return;
  }
  if (Rows[Row].Hidden || Columns[Column].Hidden) {
    cell.CellRect = parked;
    ZQF_ParkChild(this, cell.Client);
    return;
  }
  cell.CellRect = CellRect;
  const FormatInfoStruct format = ComputeFormatInfo(Row, Column);
  ZQ_Rectangle<long> content = CellRect;
  content.TrimTop(format.TopMargin);
  content.TrimBottom(format.BottomMargin);
  content.TrimLeft(format.LeftMargin);
  content.TrimRight(format.RightMargin);
  const ZQ_Point<long>& maximum = cell.Client->GetDesiredSize().Maximum;
  ZQ_Rectangle<long> client(0, 0, maximum.X, maximum.Y);
  client.AlignWithin(content, format.HorizontalAlignment, format.VerticalAlignment,
                     ZQ_Rectangle<long>::Fit_ShrinkToBound);
  LayoutChild(cell.Client, client);
}
