// ZQF_TabSelectableClientGlyph_TabButtonGroup.h: the tab strip of a tab
// pages glyph. One control draws every tab itself (no glyph per tab); the
// strip lies above the pages (placement 0, tabs side by side) or left of
// them (placement 1, tabs stacked). Its length does not grow with its tabs:
// it takes what its row or column gives it; the selected tab is drawn
// enlarged, on top of its neighbours. A tab is chosen by a click, by its
// mnemonic, or by the arrow keys while the strip has the focus. All sizes
// come from the size and font metrics. The pages belong to the tab pages
// glyph's tree; a tab only points at its page. UI thread only.
#ifndef ZQF_TABSELECTABLECLIENTGLYPH_TABBUTTONGROUP_H
#define ZQF_TABSELECTABLECLIENTGLYPH_TABBUTTONGROUP_H

#include "ZQF_Color.h"
#include "ZQF_ControlGlyph.h"
#include "ZQ_Array.h"
#include "ZQ_String.h"

class ZQF_TabSelectableClientGlyph;
class ZQR_ConcreteFont;

class ZQF_TabSelectableClientGlyph_TabButtonGroup : public ZQF_ControlGlyph {
 public:
  // One tab; the rectangle is in strip coordinates, set by the layout.
  struct TabInfoType {
    ZQ_String Label;  // may hold one mnemonic "&"
    ZQF_Glyph* Page = nullptr;
    ZQF_Color Color;
    unsigned char Selected = 0;
    long X = 0;
    long Y = 0;
    long Width = 0;
    long Height = 0;

    // The stored rectangle; a selected tab's is enlarged by the growth so
    // that it covers its neighbours' edges and the border line below it.
    ZQ_Rectangle<long> GetCurrentRect(const ZQF_TabSelectableClientGlyph_TabButtonGroup& Strip,
                                      long Placement) const;
  };

  // The strip's dimensions, all from the size metrics.
  struct Geometry {
    ZQ_Point<long> Growth;   // of the selected tab
    ZQ_Point<long> Edge;     // the width of an edge line: half the growth
    ZQ_Point<long> Inset;    // around a label
    ZQ_Point<long> Border;   // of the strip's border
    long Side = 0;           // across the strip's length, on each side of a label
    long Outer = 0;          // away from the pages
    long Inner = 0;          // toward the pages
  };

  // Owner: the tab pages glyph the strip serves (not owned).
  ZQF_TabSelectableClientGlyph_TabButtonGroup(ZQF_TabSelectableClientGlyph* Owner,
                                              long Placement);

  // The first tab added starts selected.
  void AddTab(const ZQ_String& Label, ZQF_Glyph* Page, const ZQF_Color& Color);
  // Marks the tab of Page selected and every other one not.
  void SetSelectedTab(const ZQF_Glyph* Page);
  // The first selected tab (assertion "false" and 0 when there is none).
  long GetSelectedTabIndex() const;
  // Shows the page of tab Index, focusing it when Focus, and repaints.
  void HandleNewSelectedTab(long Index, bool Focus);
  // Direction 0: the previous tab, 1: the next; nothing at either end.
  void ShiftFocus(int Direction);
  // X, Y in window coordinates: the selected tab focuses the strip, another
  // tab shows and focuses its page; elsewhere nothing happens.
  void HandleMouseClick(long X, long Y);

  long GetNumTabs() const { return NumTabs; }
  const TabInfoType& GetTab(long Index) const { return Tabs[Index]; }
  Geometry GetGeometry() const;
  // The larger label height (cell height without internal leading) of the
  // selected and unselected tab fonts.
  static long GetTextHeight();
  static const ZQR_ConcreteFont& GetSelectedTabFont();
  static const ZQR_ConcreteFont& GetUnselectedTabFont();

  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  void DrawSelf(ZQF_Canvas& Canvas) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;

 private:
  static long GetLabelWidth(const ZQ_String& Label);
  void LayOutTabsSideBySide(const Geometry& G, long TextHeight);
  void LayOutTabsStacked(const Geometry& G, long TextHeight);
  void ClickOnFirstTry(ZQF_MouseMessage& Message, bool SecondTry);
  void DrawTab(ZQF_Canvas& Canvas, const Geometry& G, long TextHeight, const TabInfoType& Tab);
  void DrawTabLabel(ZQF_Canvas& Canvas, const Geometry& G, long TextHeight,
                    const TabInfoType& Tab, const ZQ_Rectangle<long>& R);
  // The tab key's direction: 0 back, 1 forward, -1 not an arrow.
  static int GetArrowDirection(const ZQF_KeyMessage& Message);
  long GetTabIndexAt(const ZQ_Point<long>& Local) const;

  long Placement;
  ZQF_TabSelectableClientGlyph* Owner;
  long NumTabs = 0;
  ZQ_AutosizeArray<TabInfoType> Tabs;
};

#endif
