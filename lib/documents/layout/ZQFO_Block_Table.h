// ZQFO_Block_Table.h: the table block: rows of cells, each cell a block
// stream with a column span, options and a size box. Column widths come
// from the cells' width needs and share out the spare width; row heights
// from the cells' heights at those widths (a row without cells has none).
// Distribution paints the cells' backgrounds and borders and lays each
// cell's stream into the cell less its margins; a table too tall for its
// area splits between rows into pieces of at least three rows, which share
// the cells of the table they came from (that table must outlive them). A
// split copies no row: the pieces see theirs in the rows and columns of the
// table split, until one of them is laid out for another width or changed,
// which first takes copies of its own. UI thread only.
#ifndef ZQFO_BLOCK_TABLE_H
#define ZQFO_BLOCK_TABLE_H

#include <vector>

#include "ZQFO_Block.h"
#include "ZQFO_BlockStream.h"
#include "ZQFO_StandardOptionAttributes.h"
#include "ZQ_CountedBody.h"

class ZQFO_Block_Table : public ZQFO_Block {
 public:
  struct CellInfoStruct {
    ZQFO_BlockStream Content;
    long ColumnSpan;
    ZQFO_FormattingOptions Options;
    ZQFO_TableCellSize Size;
  };
  struct RowInfoStruct {
    long NumCells = 0;
    long NumColumnsCovered = 0;
    std::vector<CellInfoStruct*> CellsByColumn;
    ZQFO_FormattingOptions Options;
    double MinimumHeight = 0;
    double MaximumHeight = 999999999.0;
    double Height = 0;
  };
  struct ColumnInfoStruct {
    double MinimumWidth = 0;
    double MaximumWidth = 999999999.0;
    double Width = 0;
  };

  ZQFO_Block_Table(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options)
      : ZQFO_Block(Context, Options) {}
  ZQFO_Block_Table& operator=(const ZQFO_Block_Table&) = delete;
  ~ZQFO_Block_Table() override;

  // Appends a row and makes it the one AddCell fills.
  void AddRow(const ZQFO_FormattingOptions& RowOptions);
  // Adds a cell covering the next ColumnSpan columns of the current row
  // (asserts "CurrentRow" and "ColumnSpan > 0"); a span above 1,000 counts
  // as 1,000.
  void AddCell(const ZQFO_BlockStream& Content, long ColumnSpan, const ZQFO_FormattingOptions& CellOptions,
               const ZQFO_TableCellSize& Size);
  void ClearCurrentRow() { CurrentRow = -1; }
  // Counts the columns and drops the cached sizes.
  void AllRowsAdded();

  long GetNumRows() const { return EndRow - FirstRow; }
  long GetNumColumns() const { return NumColumns; }
  const RowInfoStruct& GetRow(long Row) const { return Layout->Rows[FirstRow + Row]; }
  const ColumnInfoStruct& GetColumn(long Column) const { return Layout->Columns[Column]; }
  // The cell covering Column of Row; null past the row's columns.
  CellInfoStruct* GetCell(long Row, long Column) const;
  bool IsSplitPiece() const { return SplitPiece; }

  void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) override;

 protected:
  ZQ_Point<double> Imp_ComputeDistributionAreaWidthLimits() override;
  ZQ_Point<double> Imp_ComputeDistributionAreaHeightLimits() override { return {MinimumHeight, MaximumHeight}; }
  void Imp_Distribute(ZQFO_ContentArea& Area) override;
  bool Imp_Split(double Height, ZQFO_Block*& First, ZQFO_Block*& Second) override;
  void Imp_NoteNewDistributionAreaWidth(double Width) override;
  void Imp_ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) override;
  void Imp_CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector) override;

 private:
  // The rows and columns of a table and of the pieces split from it. Each
  // RestHeights[r] sums the limits of rows r to RestEnd - 1, made with them,
  // so that the second piece of a split, which ends there, need not add up
  // its rows.
  struct LayoutStruct : ZQ_CountedBody {
    std::vector<RowInfoStruct> Rows;
    std::vector<ColumnInfoStruct> Columns;
    std::vector<ZQ_Point<double>> RestHeights;
    long RestEnd = -1;
  };
  // This table's rows, a range of the layout's.
  struct RowRange {
    RowInfoStruct* First;
    RowInfoStruct* End;
    RowInfoStruct* begin() const { return First; }
    RowInfoStruct* end() const { return End; }
  };

  // A split piece of Other over its rows First..End - 1.
  ZQFO_Block_Table(const ZQFO_Block_Table& Other, long First, long End);
  RowRange GetRows() const { return {Layout->Rows.data() + FirstRow, Layout->Rows.data() + EndRow}; }
  // Copies this table's rows and the columns into a layout of its own,
  // unless it has the layout to itself already: to be called before
  // changing them.
  void MakeLayoutOwn();
  // The cell's (minimum, maximum) width need per column it covers.
  static ZQ_Point<double> ComputeCellWidthNeeds(const CellInfoStruct& Cell);
  ZQ_Point<double> ComputeColumnWidthLimits(long Column) const;
  void AssignColumnWidths(double Width);
  void ComputeRowHeightLimits();
  void AssignRowHeights(double Height);
  void DistributeRow(ZQFO_ContentArea& RowArea, const RowInfoStruct& Row);
  void DistributeCell(ZQFO_ContentArea& CellArea, const CellInfoStruct& Cell);
  long ComputeNumRowsThatFit(double Height) const;
  double GetCellWidth(const RowInfoStruct& Row, long Column, const CellInfoStruct& Cell) const;
  // Calls Visit for every cell of Row once, in column order.
  template <class F>
  static void ForEachCell(const RowInfoStruct& Row, F Visit) {
    for (long column = 0; column < Row.NumColumnsCovered;) {
      CellInfoStruct* cell = Row.CellsByColumn[column];
      const long span = cell->ColumnSpan;  // Visit may delete the cell
      Visit(column, *cell);
      column += span;
    }
  }

  long NumColumns = 0;
  double MinimumHeight = 0;
  double MaximumHeight = 999999999.0;
  ZQ_CountedHandle<LayoutStruct> Layout{new LayoutStruct};
  long FirstRow = 0;  // this table's rows in the layout's
  long EndRow = 0;
  long CurrentRow = -1;
  bool SplitPiece = false;
};

#endif
