// ZQF_TabSelectableClientGlyph.h: tab pages. Shows one of several pages,
// each chosen by a tab of its tab strip; the strip lies above the pages
// (placement 0) or to their left (placement 1). It holds a column or row of
// the strip and a selectable container of the pages; the pages belong to
// that container. Another placement fails the assertion "false". UI thread
// only.
#ifndef ZQF_TABSELECTABLECLIENTGLYPH_H
#define ZQF_TABSELECTABLECLIENTGLYPH_H

#include "ZQF_Color.h"
#include "ZQF_NullContainerGlyph.h"
#include "ZQ_String.h"

class ZQF_SelectableClientNullContainerGlyph;
class ZQF_TabSelectableClientGlyph_TabButtonGroup;

class ZQF_TabSelectableClientGlyph : public ZQF_NullContainerGlyph {
 public:
  enum { Placement_Top = 0, Placement_Left = 1 };

  explicit ZQF_TabSelectableClientGlyph(long Placement);

  // Takes ownership of Page. The first page added is shown first.
  void AddTab(const ZQ_String& Label, ZQF_Glyph* Page, const ZQF_Color& Color);
  // Shows Page and selects its tab; Focus puts Page on the focus path.
  void SetSelectedTabByClient(ZQF_Glyph* Page, bool Focus);
  // The space between the strip and the pages.
  long GetClientMargin() const;

  ZQF_TabSelectableClientGlyph_TabButtonGroup* GetTabStrip() const { return Strip; }
  ZQF_SelectableClientNullContainerGlyph* GetPages() const { return Pages; }

  // True for placement 0 or 1; another fails the assertion "false".
  static bool CheckPlacement(long Placement);

 private:
  long Placement;
  ZQF_SelectableClientNullContainerGlyph* Pages;
  ZQF_TabSelectableClientGlyph_TabButtonGroup* Strip;
};

#endif
