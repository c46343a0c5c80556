// ZQF_TableLayoutGlyph.h: glyphs in a grid of rows and columns, at most one
// client per cell. The table, every column, row and cell may carry a partial
// format (alignments and margins); a cell's effective format merges them
// with the precedence default < table < column < row < cell. Row heights
// and column widths come from the largest desired sizes of their cells and
// are distributed over the box as rows and columns distribute theirs.
// Hidden rows and columns take no space and park their clients out of
// sight. Addressing a cell beyond the extent enlarges the table; nothing
// shrinks it.
#ifndef ZQF_TABLELAYOUTGLYPH_H
#define ZQF_TABLELAYOUTGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQ_Array.h"
#include "ZQ_Array2D.h"
#include "ZQ_String.h"

class ZQF_TableLayoutGlyph : public ZQF_OrganizationalGlyph {
 public:
  static constexpr long UndefinedAlignment = 3;
  static constexpr long UndefinedMargin = -9999999;

  struct FormatInfoStruct {
    long HorizontalAlignment = UndefinedAlignment;
    long VerticalAlignment = UndefinedAlignment;
    long TopMargin = UndefinedMargin;
    long BottomMargin = UndefinedMargin;
    long LeftMargin = UndefinedMargin;
    long RightMargin = UndefinedMargin;
    // Copies the fields of Source that are defined.
    void AssignDefinedMembers(const FormatInfoStruct& Source);
  };
  struct RowInfoStruct {
    FormatInfoStruct Format;
    bool Hidden = false;
  };
  using ColumnInfoStruct = RowInfoStruct;
  struct CellInfoStruct {
    ZQF_Glyph* Client = nullptr;
    FormatInfoStruct Format;
    ZQ_Rectangle<long> CellRect;
  };

  enum { Option_NoSideMarginsCentred = 1 };

  ZQF_TableLayoutGlyph(long RowCapacity, long ColumnCapacity, unsigned long Options);

  // Built once, on first use, from size metrics 3 (top and bottom) and 5
  // (left and right), top left aligned.
  static const FormatInfoStruct& AccessDefaultFormatInfo();

  void TouchCell(long Row, long Column);
  // The old client is deleted; no layout is requested.
  void SetClient(long Row, long Column, ZQF_Glyph* Client);
  // One inline label, or a column of them for a text with line feeds.
  void SetClient(long Row, long Column, const ZQ_String& Text);
  ZQF_Glyph* GetClient(long Row, long Column);
  FormatInfoStruct& AccessTableFormatInfo() { return TableFormat; }
  ColumnInfoStruct& AccessColumnInfo(long Column);
  RowInfoStruct& AccessRowInfo(long Row);
  FormatInfoStruct& AccessCellFormatInfo(long Row, long Column);
  long GetNumRows() const { return NumRows; }
  long GetNumColumns() const { return NumColumns; }
  bool GetIsRowHidden(long Row) const { return Rows[Row].Hidden; }
  // RequestLayout false only marks the table's size stale up to its resize
  // anchor: the caller lays out once after several changes.
  void SetRowHidden(long Row, bool Hidden, bool RequestLayout);
  FormatInfoStruct ComputeFormatInfo(long Row, long Column) const;
  // The cell of the focus child when the table is on the focus path.
  bool GetFocusClientRowAndColumn(long& Row, long& Column);
  // The rectangle the last layout gave the cell, before its margins.
  const ZQ_Rectangle<long>& GetCellRect(long Row, long Column) const {
    return Cells(Row, Column).CellRect;
  }

  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;

 private:
  // Natural, minimum and maximum per row (heights) and column (widths).
  struct AxisSizes {
    ZQ_Array<long> Naturals, Minimums, Maximums;
    explicit AxisSizes(long N) : Naturals(N, 0), Minimums(N, 0), Maximums(N, 0) {}
    void Include(long Index, long Natural, long Minimum, long Maximum);
    void RaiseMaximumsToNaturals();
  };
  void CalculateRowAndColumnDesiredSizes(AxisSizes& RowSizes, AxisSizes& ColumnSizes) const;
  // Positions and sizes along one axis.
  static void Distribute(long Extent, const AxisSizes& Sizes, ZQ_Array<long>& Positions,
                         ZQ_Array<long>& Extents);
  void LayOutCell(long Row, long Column, const ZQ_Rectangle<long>& CellRect);
  static void Grow(ZQ_Array<RowInfoStruct>& Infos, long Index);

  long NumRows = 0;
  long NumColumns = 0;
  FormatInfoStruct TableFormat;
  ZQ_Array<ColumnInfoStruct> Columns;
  ZQ_Array<RowInfoStruct> Rows;
  ZQ_Array2D<CellInfoStruct> Cells;
};

#endif
