// ZQF_PropertyListGlyph.h: the standard form layout, a two-column table
// built row after row: a label, right-aligned against the value column, and
// a value glyph (a control, or a work row of controls and texts). Cells are
// vertically centred; space can be put before a row to group rows. The
// calling order for a row: a label, then exactly one value (SetRowValue, or
// BeginWorkRow, AddToWorkRow/AddTextToWorkRow and EndWorkRow).
#ifndef ZQF_PROPERTYLISTGLYPH_H
#define ZQF_PROPERTYLISTGLYPH_H

#include "ZQF_TableLayoutGlyph.h"

class ZQF_RowGlyph;

class ZQF_PropertyListGlyph : public ZQF_TableLayoutGlyph {
 public:
  ZQF_PropertyListGlyph();
  // A work row begun and never ended is not part of the tree.
  ~ZQF_PropertyListGlyph() override;

  long GetNumRows() const { return RowIndex; }
  void SetRowLabel(const ZQ_String& Text);
  void SetRowValue(ZQF_Glyph* Value);
  void AddRow(const ZQ_String& Label, ZQF_Glyph* Value);
  // The units follow the value, after two blanks unless they begin with one.
  void AddRowWithUnits(const ZQ_String& Label, ZQF_Glyph* Value, const ZQ_String& Units);
  // Gap > 0: that many pixels between the two; < 0: size metric 5's x; 0:
  // none.
  void AddRowWithTwoClients(const ZQ_String& Label, ZQF_Glyph* First, ZQF_Glyph* Second, long Gap);
  void BeginWorkRow();
  void AddToWorkRow(ZQF_Glyph* Glyph);
  void AddTextToWorkRow(const ZQ_String& Text);
  void EndWorkRow();
  // A top margin of size metric 7's y on the next row.
  void AddSpaceBeforeNextRow();

 private:
  void AssertWorkRow() const;

  long RowIndex = 0;
  ZQF_RowGlyph* WorkRow = nullptr;
};

#endif
