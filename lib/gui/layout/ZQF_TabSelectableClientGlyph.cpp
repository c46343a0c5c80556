// Tab pages: the strip and the pages container in a column or a row.
#include "ZQF_TabSelectableClientGlyph.h"

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_SelectableClientNullContainerGlyph.h"
#include "ZQF_TabSelectableClientGlyph_TabButtonGroup.h"
#include "ZQ_Assertion.h"

namespace {

ZQF_AlignmentGlyph* NewStripAndPagesLine(long Placement) {
  if (Placement == ZQF_TabSelectableClientGlyph::Placement_Left) return new ZQF_RowGlyph(0);
  return new ZQF_ColumnGlyph(0);
}

}  // namespace

bool ZQF_TabSelectableClientGlyph::CheckPlacement(long Placement) {
  const bool known = Placement == Placement_Top || Placement == Placement_Left;
  ZQ_ASSERT_TEXT(known, "false");
  return known;
}

ZQF_TabSelectableClientGlyph::ZQF_TabSelectableClientGlyph(long Placement)
    : Placement(Placement),
      Pages(new ZQF_SelectableClientNullContainerGlyph(
          ZQF_SelectableClientNullContainerGlyph::Flag_ResizeAnchor)),
      Strip(new ZQF_TabSelectableClientGlyph_TabButtonGroup(this, Placement)) {
  ZQF_AlignmentGlyph* line = NewStripAndPagesLine(Placement);
  SetClient(line);
  line->SetSpacing(GetClientMargin());
  line->AddToEnd(Strip);
  line->AddToEnd(Pages);
}

void ZQF_TabSelectableClientGlyph::AddTab(const ZQ_String& Label, ZQF_Glyph* Page,
                                          const ZQF_Color& Color) {
  Strip->AddTab(Label, Page, Color);
  Pages->AddClient(Page, Page);
  // The container shows the client added last: keep the selected tab's page
  // in front (the first page, unless a tab was chosen since).
  ZQF_Glyph* shown = Strip->GetTab(Strip->GetSelectedTabIndex()).Page;
  if (shown != Page) Pages->MoveChildToFront(shown, 1);
}

void ZQF_TabSelectableClientGlyph::SetSelectedTabByClient(ZQF_Glyph* Page, bool Focus) {
  Pages->SelectClient(Page);
  Strip->SetSelectedTab(Page);
  if (Focus) Page->PutOnFocusPath();
}

long ZQF_TabSelectableClientGlyph::GetClientMargin() const {
  if (!CheckPlacement(Placement)) return 0;
  const ZQ_Point<long> margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px);
  return Placement == Placement_Top ? margin.Y : margin.X;
}
