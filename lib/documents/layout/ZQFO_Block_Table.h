// ZQFO_Block_Table.h: a table block: its rows of cells, each cell a block
// stream with a column span, options and size limits. The table layout
// arrives with the block layout; the rows are kept as added. UI thread only.
#ifndef ZQFO_BLOCK_TABLE_H
#define ZQFO_BLOCK_TABLE_H

#include <vector>

#include "ZQFO_Block.h"
#include "ZQFO_BlockStream.h"
#include "ZQFO_StandardOptionAttributes.h"

class ZQFO_Block_Table : public ZQFO_Block {
 public:
  struct Cell {
    ZQFO_BlockStream Stream;
    long ColumnSpan;
    ZQFO_FormattingOptions Options;
    ZQFO_TableCellSize Size;
  };
  struct Row {
    ZQFO_FormattingOptions Options;
    std::vector<Cell> Cells;
    bool Ended = false;
  };

  ZQFO_Block_Table(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options)
      : ZQFO_Block(Context, Options) {}

  void BeginRow(const ZQFO_FormattingOptions& RowOptions) { Rows.push_back(Row{RowOptions, {}}); }
  void EndRow() { if (!Rows.empty()) Rows.back().Ended = true; }
  // Adds a cell to the row begun last.
  void AddCell(const ZQFO_BlockStream& Stream, long ColumnSpan, const ZQFO_FormattingOptions& CellOptions,
               const ZQFO_TableCellSize& Size);
  void AllRowsAdded() {
    AreAllRowsAdded = true;
    DropCaches();
  }
  const std::vector<Row>& GetRows() const { return Rows; }
  bool GetAllRowsAdded() const { return AreAllRowsAdded; }
  void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) override;

 private:
  std::vector<Row> Rows;
  bool AreAllRowsAdded = false;
};

#endif
