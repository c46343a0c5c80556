// The property list glyph.
#include "ZQF_PropertyListGlyph.h"

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQ_Assertion.h"

ZQF_PropertyListGlyph::ZQF_PropertyListGlyph()
    : ZQF_TableLayoutGlyph(1, 2, Option_NoSideMarginsCentred) {
  FormatInfoStruct& labels = AccessColumnInfo(0).Format;
  labels.HorizontalAlignment = 2;
  labels.RightMargin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap24Px).X;
}

ZQF_PropertyListGlyph::~ZQF_PropertyListGlyph() { delete WorkRow; }

void ZQF_PropertyListGlyph::SetRowLabel(const ZQ_String& Text) { SetClient(RowIndex, 0, Text); }

void ZQF_PropertyListGlyph::SetRowValue(ZQF_Glyph* Value) {
  SetClient(RowIndex, 1, Value);
  ++RowIndex;
}

void ZQF_PropertyListGlyph::AddRow(const ZQ_String& Label, ZQF_Glyph* Value) {
  SetRowLabel(Label);
  SetRowValue(Value);
}

void ZQF_PropertyListGlyph::AddRowWithUnits(const ZQ_String& Label, ZQF_Glyph* Value,
                                            const ZQ_String& Units) {
  SetRowLabel(Label);
  BeginWorkRow();
  AddToWorkRow(Value);
  const bool spaced = Units.GetLength() == 0 || Units[0] == ' ';
  AddTextToWorkRow(spaced ? Units : "  " + Units);
  EndWorkRow();
}

void ZQF_PropertyListGlyph::AddRowWithTwoClients(const ZQ_String& Label, ZQF_Glyph* First,
                                                 ZQF_Glyph* Second, long Gap) {
  SetRowLabel(Label);
  BeginWorkRow();
  AddToWorkRow(First);
  const long gap = Gap < 0 ? ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X : Gap;
  if (gap > 0) AddToWorkRow(new ZQF_HorizontalGlueGlyph(gap));
  AddToWorkRow(Second);
  EndWorkRow();
}

void ZQF_PropertyListGlyph::BeginWorkRow() {
  ZQ_ASSERT_TEXT(WorkRow == nullptr, "WorkRow == NULL");
  WorkRow = new ZQF_RowGlyph(1);
}

void ZQF_PropertyListGlyph::AssertWorkRow() const { ZQ_ASSERT_TEXT(WorkRow != nullptr, "WorkRow"); }

void ZQF_PropertyListGlyph::AddToWorkRow(ZQF_Glyph* Glyph) {
  AssertWorkRow();
  if (WorkRow) WorkRow->AddToEnd(Glyph);
}

void ZQF_PropertyListGlyph::AddTextToWorkRow(const ZQ_String& Text) {
  AssertWorkRow();
  if (WorkRow) WorkRow->AddToEnd(new ZQF_InlineStoredLabelGlyph(Text));
}

void ZQF_PropertyListGlyph::EndWorkRow() {
  AssertWorkRow();
  if (!WorkRow) return;
  ZQF_RowGlyph* row = WorkRow;
  WorkRow = nullptr;
  SetRowValue(row);
}

void ZQF_PropertyListGlyph::AddSpaceBeforeNextRow() {
  ZQ_ASSERT_TEXT(RowIndex > 0, "RowIndex > 0");
  AccessRowInfo(RowIndex).Format.TopMargin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).Y;
}
