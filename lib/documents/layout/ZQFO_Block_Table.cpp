#include "ZQFO_Block_Table.h"

#include "ZQ_Assertion.h"

void ZQFO_Block_Table::AddCell(const ZQFO_BlockStream& Stream, long ColumnSpan,
                               const ZQFO_FormattingOptions& CellOptions, const ZQFO_TableCellSize& Size) {
  ZQ_ASSERT(!Rows.empty());
  if (Rows.empty()) return;
  Rows.back().Cells.push_back(Cell{Stream, ColumnSpan, CellOptions, Size});
}

void ZQFO_Block_Table::PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) {
  ZQFO_Block::PerformFieldFixups(Dictionary);
  for (Row& row : Rows)
    for (Cell& cell : row.Cells) cell.Stream.PerformFieldFixups(Dictionary);
}
