// The tab strip: geometry, layout, drawing, mouse, keys and mnemonics.
#include "ZQF_TabSelectableClientGlyph_TabButtonGroup.h"

#include <algorithm>

#include "ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_Message.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQF_TabSelectableClientGlyph.h"
#include "ZQ_Assertion.h"

namespace {

const int kStripBorderCode = 2;  // one sunken ring
const int kTabFontKey = ZQF_FontMetric_Button;
// Framework key codes of the arrows.

bool IsSideBySide(long Placement) {
  return Placement == ZQF_TabSelectableClientGlyph::Placement_Top;
}

}  // namespace

ZQ_Rectangle<long> ZQF_TabSelectableClientGlyph_TabButtonGroup::TabInfoType::GetCurrentRect(
    const ZQF_TabSelectableClientGlyph_TabButtonGroup& Strip, long Placement) const {
  ZQ_Rectangle<long> r(X, Y, Width, Height);
  if (!Selected || !ZQF_TabSelectableClientGlyph::CheckPlacement(Placement)) return r;
  const Geometry g = Strip.GetGeometry();
  r.X -= g.Growth.X;
  r.Y -= g.Growth.Y;
  if (IsSideBySide(Placement)) {
    r.Width += 2 * g.Growth.X;
    r.Height += g.Border.Y + g.Growth.Y;
  } else {
    r.Width += g.Border.X + g.Growth.X;
    r.Height += 2 * g.Growth.Y;
  }
  return r;
}

ZQF_TabSelectableClientGlyph_TabButtonGroup::ZQF_TabSelectableClientGlyph_TabButtonGroup(
    ZQF_TabSelectableClientGlyph* Owner, long Placement)
    : Placement(Placement), Owner(Owner) {}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::AddTab(const ZQ_String& Label, ZQF_Glyph* Page,
                                                         const ZQF_Color& Color) {
  TabInfoType& tab = Tabs[NumTabs];
  tab.Label = Label;
  tab.Page = Page;
  tab.Color = Color;
  tab.Selected = NumTabs == 0;
  ++NumTabs;
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::SetSelectedTab(const ZQF_Glyph* Page) {
  for (long i = 0; i < NumTabs; ++i) Tabs[i].Selected = Tabs[i].Page == Page;
}

long ZQF_TabSelectableClientGlyph_TabButtonGroup::GetSelectedTabIndex() const {
  for (long i = 0; i < NumTabs; ++i) {
    if (Tabs[i].Selected) return i;
  }
  ZQ_ASSERT_TEXT(false, "false");
  return 0;
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::HandleNewSelectedTab(long Index, bool Focus) {
  Owner->SetSelectedTabByClient(Tabs[Index].Page, Focus);
  QueueVisualStateUpdate();
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::ShiftFocus(int Direction) {
  if (Direction != 0 && Direction != 1) {
    ZQ_ASSERT_TEXT(false, "false");
    return;
  }
  // An empty strip has no tab to move from.
  if (NumTabs == 0) return;
  const long next = GetSelectedTabIndex() + (Direction == 0 ? -1 : 1);
  if (0 <= next && next < NumTabs) HandleNewSelectedTab(next, false);
}

// --- Geometry and layout.

ZQF_TabSelectableClientGlyph_TabButtonGroup::Geometry
ZQF_TabSelectableClientGlyph_TabButtonGroup::GetGeometry() const {
  Geometry g;
  const ZQ_Point<long> unit = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px);
  g.Growth = ZQ_Point<long>(2 * unit.X, 2 * unit.Y);
  g.Edge = ZQ_Point<long>(g.Growth.X / 2, g.Growth.Y / 2);
  g.Inset = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px);
  g.Border = ZQF_Canvas::GetBorderSize(kStripBorderCode);
  if (IsSideBySide(Placement)) {
    g.Side = unit.X;
    g.Outer = g.Inner = unit.Y;
  } else {
    g.Side = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap3Px).Y;
    g.Outer = g.Inner = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X;
  }
  return g;
}

const ZQR_ConcreteFont& ZQF_TabSelectableClientGlyph_TabButtonGroup::GetSelectedTabFont() {
  return ZQF_GetFontMetric(kTabFontKey);
}

const ZQR_ConcreteFont& ZQF_TabSelectableClientGlyph_TabButtonGroup::GetUnselectedTabFont() {
  return ZQF_GetFontMetric(kTabFontKey);
}

long ZQF_TabSelectableClientGlyph_TabButtonGroup::GetTextHeight() {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  long height = 0;
  for (const ZQR_ConcreteFont* font : {&GetSelectedTabFont(), &GetUnselectedTabFont()}) {
    height = std::max(height, font->GetHeight(dc) - font->GetInternalLeading(dc));
  }
  return height;
}

long ZQF_TabSelectableClientGlyph_TabButtonGroup::GetLabelWidth(const ZQ_String& Label) {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  const ZQ_String text = ZQF_StripMnemonicAmpersands(Label);
  return std::max(GetSelectedTabFont().GetSize(dc, text).X,
                  GetUnselectedTabFont().GetSize(dc, text).X);
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::UpdateMyDesiredSize() {
  if (!GetComputesDesiredSize()) {
    DesiredSize.MakeValid();
    return;
  }
  if (!ZQF_TabSelectableClientGlyph::CheckPlacement(Placement)) return;
  const Geometry g = GetGeometry();
  const long h = GetTextHeight();
  if (IsSideBySide(Placement)) {
    LayOutTabsSideBySide(g, h);
  } else {
    LayOutTabsStacked(g, h);
  }
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::LayOutTabsSideBySide(const Geometry& G,
                                                                       long TextHeight) {
  const long inner = 2 * G.Inset.Y + TextHeight;
  DesiredSize.SetFixedY(G.Outer + 3 * G.Growth.Y + inner + G.Inner + 2 * G.Border.Y);
  const long length = 2 * G.Border.X + 4 * G.Growth.X;
  DesiredSize.SetX(length, length, ZQF_AlignmentGlyph::StretchMaximum);
  long x = 2 * G.Growth.X + G.Border.X;
  for (long i = 0; i < NumTabs; ++i) {
    TabInfoType& tab = Tabs[i];
    tab.X = x;
    tab.Width = 2 * (G.Side + G.Growth.X + G.Inset.X) + GetLabelWidth(tab.Label);
    tab.Height = G.Outer + G.Growth.Y + inner + G.Inner;
    x += tab.Width;
  }
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::LayOutTabsStacked(const Geometry& G,
                                                                    long TextHeight) {
  long widest = 0;
  for (long i = 0; i < NumTabs; ++i) widest = std::max(widest, GetLabelWidth(Tabs[i].Label));
  const long inner = 2 * G.Inset.X + widest;
  DesiredSize.SetFixedX(G.Outer + 3 * G.Growth.X + inner + G.Inner + 2 * G.Border.X);
  const long length = 2 * G.Border.Y + 4 * G.Growth.Y;
  DesiredSize.SetY(length, length, ZQF_AlignmentGlyph::StretchMaximum);
  long y = 2 * G.Growth.Y + G.Border.Y;
  for (long i = 0; i < NumTabs; ++i) {
    TabInfoType& tab = Tabs[i];
    tab.Y = y;
    tab.Width = G.Outer + G.Growth.X + inner + G.Inner;
    tab.Height = 2 * (G.Side + G.Growth.Y + G.Inset.Y) + TextHeight;
    y += tab.Height;
  }
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::AcceptLayout() {
  if (NumTabs == 0 || !ZQF_TabSelectableClientGlyph::CheckPlacement(Placement)) return;
  const Geometry g = GetGeometry();
  const ZQ_Rectangle<long>& box = GetBoundingBox();
  // Every tab stands on the border on the pages' side.
  for (long i = 0; i < NumTabs; ++i) {
    if (IsSideBySide(Placement)) {
      Tabs[i].Y = box.Height - g.Border.Y - Tabs[0].Height;
    } else {
      Tabs[i].X = box.Width - g.Border.X - Tabs[0].Width;
    }
  }
}

// --- Drawing.

namespace {

// The eight fills of a tab, in drawing order: body, the band between the
// corners, the light edge, corner and edge, then the dark corner and the
// two dark edges. The side facing the pages has no edge line.
struct TabFill {
  ZQ_Rectangle<long> Rect;
  int ColorKey;  // -1: the tab's colour
};

void GetTabFills(bool SideBySide, const ZQ_Rectangle<long>& R, const ZQ_Point<long>& G,
                 const ZQ_Point<long>& T, TabFill Fills[8]) {
  const long x = R.X, y = R.Y, w = R.Width, h = R.Height;
  if (SideBySide) {
    const TabFill top[8] = {
        {{x + T.X, y + G.Y, w - T.X - G.X, h - G.Y}, -1},
        {{x + G.X, y + T.Y, w - 2 * G.X, T.Y}, -1},
        {{x, y + G.Y, T.X, h - G.Y}, 6},
        {{x + T.X, y + T.Y, T.X, T.Y}, 6},
        {{x + G.X, y, w - 2 * G.X, T.Y}, 6},
        {{x + w - G.X, y + T.Y, T.X, T.Y}, 3},
        {{x + w - G.X, y + G.Y, T.X, h - G.Y}, 4},
        {{x + w - G.X + T.X, y + G.Y, T.X, h - G.Y}, 3}};
    std::copy(top, top + 8, Fills);
  } else {
    const TabFill left[8] = {
        {{x + G.X, y + T.Y, w - G.X, h - T.Y - G.Y}, -1},
        {{x + T.X, y + G.Y, T.X, h - 2 * G.Y}, -1},
        {{x + G.X, y, w - G.X, T.Y}, 6},
        {{x + T.X, y + T.Y, T.X, T.Y}, 6},
        {{x, y + G.Y, T.X, h - 2 * G.Y}, 6},
        {{x + T.X, y + h - G.Y, T.X, T.Y}, 3},
        {{x + G.X, y + h - G.Y, w - G.X, T.Y}, 4},
        {{x + G.X, y + h - G.Y + T.Y, w - G.X, T.Y}, 3}};
    std::copy(left, left + 8, Fills);
  }
}

}  // namespace

void ZQF_TabSelectableClientGlyph_TabButtonGroup::DrawSelf(ZQF_Canvas& Canvas) {
  if (!ZQF_TabSelectableClientGlyph::CheckPlacement(Placement)) return;
  ZQ_Rectangle<long> box = GetLocalBoundingBox();
  Canvas.DrawBorder(box, kStripBorderCode, GetBorderOption() ? 1 : 0);
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(kStripBorderCode);
  box.Deflate(border.X, border.Y);
  Canvas.Fill(box, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  Canvas.SetTextColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelText));
  Canvas.SetDrawMode(1);
  const Geometry g = GetGeometry();
  const long textHeight = GetTextHeight();
  // The selected tab last, so that it lies on its neighbours.
  for (bool selected : {false, true}) {
    Canvas.SetFont(selected ? GetSelectedTabFont() : GetUnselectedTabFont());
    for (long i = 0; i < NumTabs; ++i) {
      if ((Tabs[i].Selected != 0) == selected) DrawTab(Canvas, g, textHeight, Tabs[i]);
    }
  }
  Canvas.SetDrawMode(0);
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::DrawTab(ZQF_Canvas& Canvas, const Geometry& G,
                                                          long TextHeight,
                                                          const TabInfoType& Tab) {
  const ZQ_Rectangle<long> r = Tab.GetCurrentRect(*this, Placement);
  const ZQR_Color color = Tab.Color.GetColor();
  Canvas.SetBackgroundColor(color);
  TabFill fills[8];
  GetTabFills(IsSideBySide(Placement), r, G.Growth, G.Edge, fills);
  for (const TabFill& fill : fills) {
    Canvas.Fill(fill.Rect, fill.ColorKey < 0 ? color : ZQF_GetColorMetric(fill.ColorKey));
  }
  DrawTabLabel(Canvas, G, TextHeight, Tab, r);
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::DrawTabLabel(ZQF_Canvas& Canvas,
                                                               const Geometry& G, long TextHeight,
                                                               const TabInfoType& Tab,
                                                               const ZQ_Rectangle<long>& R) {
  const bool sideBySide = IsSideBySide(Placement);
  ZQ_Rectangle<long> label =
      sideBySide ? ZQ_Rectangle<long>(R.X + G.Growth.X + G.Side, R.Y + G.Growth.Y + G.Outer,
                                      R.Width - 2 * (G.Growth.X + G.Side),
                                      2 * G.Inset.Y + TextHeight)
                 : ZQ_Rectangle<long>(R.X + G.Growth.X + G.Outer, R.Y + G.Growth.Y + G.Side,
                                      R.Width - (G.Growth.X + G.Outer + G.Inner),
                                      2 * G.Inset.Y + TextHeight);
  if (Tab.Selected && Canvas.IsOnFocusPath()) Canvas.DrawFocusIndicator(label);
  label.Deflate(G.Inset.X, G.Inset.Y);
  const int horizontal = sideBySide ? 1 : 0;
  const int vertical = sideBySide ? 2 : 1;
  if (IsEnabled()) {
    Canvas.DrawLabel(Tab.Label, label, horizontal, vertical, true);
  } else {
    Canvas.DrawLabelDisabled(Tab.Label, label, horizontal, vertical, true);
  }
}

// --- Mouse, keys and mnemonics.

long ZQF_TabSelectableClientGlyph_TabButtonGroup::GetTabIndexAt(
    const ZQ_Point<long>& Local) const {
  for (long i = 0; i < NumTabs; ++i) {
    if (Tabs[i].GetCurrentRect(*this, Placement).Contains(Local)) return i;
  }
  return -1;
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::HandleMouseClick(long X, long Y) {
  const long index = GetTabIndexAt(WindowToGlyph(ZQ_Point<long>(X, Y)));
  if (index < 0) return;
  if (Tabs[index].Selected) {
    PutOnFocusPath();
  } else {
    HandleNewSelectedTab(index, true);
  }
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::ClickOnFirstTry(ZQF_MouseMessage& Message,
                                                                  bool SecondTry) {
  if (SecondTry || IsDisabled() || Message.IsHandled()) return;
  HandleMouseClick(Message.GetX(), Message.GetY());
  Message.SetHandled();
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::HandleMouseLeftDown(ZQF_MouseMessage& Message,
                                                                      bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftDown(Message, SecondTry);
  ClickOnFirstTry(Message, SecondTry);
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::HandleMouseLeftDoubleClick(
    ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftDoubleClick(Message, SecondTry);
  ClickOnFirstTry(Message, SecondTry);
}

int ZQF_TabSelectableClientGlyph_TabButtonGroup::GetArrowDirection(
    const ZQF_KeyMessage& Message) {
  if (!Message.MatchesModifierKeys(2, 0, 0)) return -1;
  switch (Message.GetKeyCode()) {
    case ZQF_Key_Left:
    case ZQF_Key_Up:
      return 0;
    case ZQF_Key_Right:
    case ZQF_Key_Down:
      return 1;
    default:
      return -1;
  }
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::HandleKey(ZQF_KeyMessage& Message,
                                                            bool SecondTry) {
  const int direction = GetArrowDirection(Message);
  if (SecondTry || IsDisabled() || direction < 0) {
    ZQF_ControlGlyph::HandleKey(Message, SecondTry);
    return;
  }
  ShiftFocus(direction);
  ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage indicators;
  Dispatch(indicators);
  Message.SetHandled();
}

void ZQF_TabSelectableClientGlyph_TabButtonGroup::HandleGenericMessage(ZQF_GenericMessage& Message,
                                                                       bool SecondTry) {
  ZQF_ControlGlyph::HandleGenericMessage(Message, SecondTry);
  if (SecondTry || Message.IsHandled()) return;
  ZQF_MnemonicQueryMessage* query = dynamic_cast<ZQF_MnemonicQueryMessage*>(&Message);
  if (!query) return;
  for (long i = 0; i < NumTabs; ++i) {
    if (!query->MatchesLabel(Tabs[i].Label)) continue;
    if (query->IsApply() && IsEnabled()) HandleNewSelectedTab(i, true);
    query->SetHandled();
    return;
  }
}
