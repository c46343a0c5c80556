// The list's layout, scroll bar states, drawing and hit tests.
#include <algorithm>

#include "ZQF_Canvas.h"
#include "ZQF_DetermineScrollBarLayouts.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_ListGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQ_Assertion.h"

namespace {

bool IsShown(const ZQF_Glyph* Bar) { return Bar && !Bar->IsBoundingBoxEmpty(); }

}  // namespace

ZQ_Point<long> ZQF_ListGlyph::GetBorderThickness() const {
  return ZQF_Canvas::GetBorderSize(GetBorderStyle());
}

bool ZQF_ListGlyph::IsVerticalBarShown() const { return IsShown(GetVerticalScrollBar()); }
bool ZQF_ListGlyph::IsHorizontalBarShown() const { return IsShown(GetHorizontalScrollBar()); }

long ZQF_ListGlyph::GetHorizontalScrollPosition() const {
  const ZQF_HorizontalScrollBarGlyph* bar = GetHorizontalScrollBar();
  return bar ? bar->GetSliderPosition() : 0;
}

ZQ_Rectangle<long> ZQF_ListGlyph::GetListArea() const {
  const ZQ_Point<long> t = GetBorderThickness();
  ZQ_Rectangle<long> area = GetLocalBoundingBox();
  area.Deflate(t.X, t.Y);
  if (IsVerticalBarShown()) {
    area.Width = std::max(area.Width - GetVerticalScrollBar()->GetBoundingBox().Width, 0L);
  }
  if (IsHorizontalBarShown()) {
    area.Height = std::max(area.Height - GetHorizontalScrollBar()->GetBoundingBox().Height, 0L);
  }
  return area;
}

long ZQF_ListGlyph::GetElementIndentation(const ZQF_ListGlyphElement* Element) const {
  if (!IsHierarchical()) return Margin;
  const long level = GetHierarchicalLevel(Element);
  return (NodeBitmapSet ? level + 1 : level) * IndentationDeltaX + 2 * Margin;
}

long ZQF_ListGlyph::ComputeMaxIndentedWidth(ZQF_ListGlyphElement* Element, bool VisibleOnly) {
  if (!Element) {
    long widest = 0;
    for (ZQF_ListGlyphElement* root = FirstRoot; root; root = root->NextSibling) {
      widest = std::max(widest, ComputeMaxIndentedWidth(root, VisibleOnly));
    }
    return widest;
  }
  long w = Element->GetWidth() + GetElementIndentation(Element) + GetBorderThickness().X;
  if (Element->IsClosed() && VisibleOnly) return w;
  for (ZQF_ListGlyphElement* c = Element->FirstChild; c; c = c->NextSibling) {
    w = std::max(w, ComputeMaxIndentedWidth(c, VisibleOnly));
  }
  return w;
}

// --- Size and layout.

void ZQF_ListGlyph::UpdateMyDesiredSize() {
  if (!GetComputesDesiredSize()) {
    DesiredSize.MakeValid();
    return;
  }
  const ZQ_Point<long> t = GetBorderThickness();
  const long v = ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar).X;
  DesiredSize.SetX(Margin + MaxIndentedWidth + 2 * t.X + v, Margin + 2 * t.X + v,
                   0x20000000 + 2 * t.X + v);
  DesiredSize.SetY(std::max(NumVisibleElements, 1L) * ElementHeight + 2 * t.Y,
                   ElementHeight + 2 * t.Y, 0x20000000 + 2 * t.Y);
}

void ZQF_ListGlyph::AcceptLayout() {
  const long innerHeight = GetBoundingBox().Height - 2 * GetBorderThickness().Y;
  PageSize = std::max(innerHeight / ElementHeight, 1L);
  TopElementIndex = ClampTopIndex(TopElementIndex);
  UpdateScrollBarStates();
}

void ZQF_ListGlyph::UpdateScrollBarStates() {
  ZQF_VerticalScrollBarGlyph* vertical = GetVerticalScrollBar();
  ZQF_HorizontalScrollBarGlyph* horizontal = GetHorizontalScrollBar();
  const ZQ_Point<long> t = GetBorderThickness();
  ZQ_Rectangle<long> inner = GetLocalBoundingBox();
  inner.Deflate(t.X, t.Y);
  ZQ_Rectangle<long> client, verticalBox, horizontalBox;
  ZQF_DetermineScrollBarLayouts(inner, ZQ_Point<long>(MaxIndentedWidth, NumVisibleElements * ElementHeight),
                                ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar), 2, 2, client, verticalBox, horizontalBox);
  if (vertical) LayoutChild(vertical, verticalBox);
  if (horizontal) LayoutChild(horizontal, horizontalBox);
  PageSize = std::max(GetListArea().Height / ElementHeight, 1L);
  TopElementIndex = ClampTopIndex(TopElementIndex);
  if (vertical) {
    const long document = std::max(NumVisibleElements, 1L);
    vertical->SetState(document, std::max(std::min(document, PageSize), 1L), 1, TopElementIndex, false);
  }
  if (horizontal) {
    const long document = std::max(MaxIndentedWidth, 1L);
    const long page = std::max(std::min(document, client.Width), 1L);
    horizontal->SetState(document, page, std::min(page, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X),
                         std::min(horizontal->GetSliderPosition(), document - page), false);
  }
}

// --- Drawing.

void ZQF_ListGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  DrawControlBorder(Canvas, GetLocalBoundingBox());
  const ZQ_Rectangle<long> area = GetListArea();
  Canvas.PushClippingRegion();
  Canvas.IntersectClippingRegion(area.X, area.Y, area.Width, area.Height, 1);
  Canvas.UseClippingRegion();
  Canvas.Fill(area, Cust_GetBackgroundColor());
  ZQF_ListGlyphElement* element = IsEmpty() ? nullptr : FindElementByIndex(TopElementIndex, Subset_Visible);
  for (long y = 0, index = TopElementIndex; element && y < area.Height; y += ElementHeight, ++index) {
    DrawRow(Canvas, element, y, index);
    element = GetNext(element, Subset_Visible);
  }
  Canvas.PopClippingRegion();
  Canvas.UseClippingRegion();
  if (IsVerticalBarShown() && IsHorizontalBarShown()) {
    const ZQ_Point<long> t = GetBorderThickness();
    Canvas.Fill(ZQ_Rectangle<long>(area.Width + t.X, area.Height + t.Y,
                                   GetVerticalScrollBar()->GetBoundingBox().Width,
                                   GetHorizontalScrollBar()->GetBoundingBox().Height),
                ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  }
}

void ZQF_ListGlyph::DrawRow(ZQF_Canvas& Canvas, ZQF_ListGlyphElement* Element, long RowOffsetY,
                            long Index) {
  const ZQ_Point<long> t = GetBorderThickness();
  const long hpos = GetHorizontalScrollPosition(), ind = GetElementIndentation(Element);
  const ZQ_Rectangle<long> row(ind - hpos + t.X, t.Y + RowOffsetY,
                               std::max(GetListArea().Width + hpos - ind - 1, 0L), ElementHeight);
  ZQF_ListGlyphElementDrawState state;
  state.FocusState = !Canvas.IsOnFocusPath() ? 2 : Index == FocusElementIndex ? 0 : 1;
  state.NodeState = !Element->HasChildren() ? 2 : Element->IsOpen() ? 0 : 1;
  state.IsSelected = Element->Selected;
  state.IsEnabled = IsEnabled();
  if (IsHierarchical() && NodeBitmapSet) {
    const ZQR_TransparentBitmap bitmap = Element->GetNodeBitmap(this, state);
    const ZQ_Point<long> BitmapSize = bitmap.GetSize();
    const ZQ_Point<long> NodeBitmapDelta(0, (ElementHeight - BitmapSize.Y) / 2);
    ZQ_ASSERT(NodeBitmapDelta.Y >= 0);
    ZQ_ASSERT(IndentationDeltaX >= BitmapSize.X);
    if (DrawHierarchicalLinesFlag) {
      Canvas.SetPenColor(Cust_GetLineColor());
      DrawHierarchicalLines(Canvas, Element, ZQ_Rectangle<long>(0, row.Y, row.X, ElementHeight));
    }
    const long x = row.X - ((IndentationDeltaX - BitmapSize.X) / 2 + BitmapSize.X + Margin);
    Canvas.Draw(bitmap, ZQ_Point<long>(x, row.Y + NodeBitmapDelta.Y), BitmapSize);
  }
  Canvas.SetBackgroundColor(Cust_GetBackgroundColor());
  Element->DrawSelf(Canvas, row, state);
}

void ZQF_ListGlyph::DrawHierarchicalLines(ZQF_Canvas& Canvas, ZQF_ListGlyphElement* Element,
                                          const ZQ_Rectangle<long>& Strip) {
  const long half = IndentationDeltaX / 2;
  long x = Strip.X + Strip.Width - half - Margin;
  const long top = Strip.Y, bottom = Strip.Y + Strip.Height, mid = (top + bottom) / 2;
  const ZQ_Point<long> stubStart(x, mid), stubEnd(x + half, mid);
  if (!Element->Parent) {
    if (Element->HasChildren()) Canvas.DrawLine(stubStart, stubEnd);
    return;
  }
  if (Element->NextSibling) {
    Canvas.DrawLine(ZQ_Point<long>(x, top), ZQ_Point<long>(x, bottom));
    Canvas.DrawLine(stubStart, stubEnd);
  } else {
    Canvas.FirstPt(ZQ_Point<long>(x, top));
    Canvas.NextPt(stubStart);
    Canvas.NextPt(stubEnd);
  }
  // Root columns never get vertical lines.
  for (const ZQF_ListGlyphElement* a = Element->Parent; a->Parent; a = a->Parent) {
    x -= IndentationDeltaX;
    if (a->NextSibling) Canvas.DrawLine(ZQ_Point<long>(x, top), ZQ_Point<long>(x, bottom));
  }
}

// --- Hit tests.

ZQF_ListGlyphElement* ZQF_ListGlyph::PerformElementHitCheck(const ZQ_Point<long>& Point) {
  const ZQ_Point<long> t = GetBorderThickness();
  const ZQ_Rectangle<long>& box = GetBoundingBox();
  const long x = Point.X - t.X, y = Point.Y - t.Y;
  if (y < 0) return nullptr;
  if (IsHorizontalBarShown() &&
      y >= box.Height - GetHorizontalScrollBar()->GetBoundingBox().Height - 2 * t.Y) {
    return nullptr;
  }
  if (IsVerticalBarShown() && x >= box.Width - GetVerticalScrollBar()->GetBoundingBox().Width - 2 * t.X) {
    return nullptr;
  }
  const long index = TopElementIndex + y / ElementHeight;
  if (IsEmpty() || index >= NumVisibleElements) return nullptr;
  return FindElementByIndex(index, Subset_Visible);
}

int ZQF_ListGlyph::PerformElementSectionHitCheck(const ZQ_Point<long>& Point,
                                                 ZQF_ListGlyphElement* Element) {
  const ZQ_Point<long> t = GetBorderThickness();
  const long x = Point.X - t.X;
  if (x < 0) return ElementSection_LeftBorder;
  if (IsVerticalBarShown() &&
      x >= GetBoundingBox().Width - GetVerticalScrollBar()->GetBoundingBox().Width - 2 * t.X) {
    return ElementSection_VerticalScrollBar;
  }
  const long xs = x + GetHorizontalScrollPosition(), ind = GetElementIndentation(Element);
  if (xs >= ind) return ElementSection_Content;
  if (NodeBitmapSet && xs >= ind - IndentationDeltaX - Margin) return ElementSection_NodeBitmap;
  return ElementSection_Indentation;
}

ZQ_Rectangle<long> ZQF_ListGlyph::GetElementRect(ZQF_ListGlyphElement* Element) {
  if (!IsMember(Element, Subset_Visible)) return ZQ_Rectangle<long>();
  const long offset = (ComputeIndex(Element, Subset_Visible) - TopElementIndex) * ElementHeight;
  const ZQ_Rectangle<long> area = GetListArea();
  if (offset < 0 || offset >= area.Height) return ZQ_Rectangle<long>();
  const ZQ_Point<long> t = GetBorderThickness();
  const long hpos = GetHorizontalScrollPosition(), ind = GetElementIndentation(Element);
  return ZQ_Rectangle<long>(ind - hpos + t.X, t.Y + offset, area.Width + hpos - ind, ElementHeight);
}

ZQR_Color ZQF_ListGlyph::Cust_GetBackgroundColor() {
  return ZQF_GetColorMetric(IsEnabled() ? ZQF_ColorMetric_FieldBackground : ZQF_ColorMetric_LabelBackground);
}

ZQR_Color ZQF_ListGlyph::Cust_GetLineColor() { return ZQF_GetColorMetric(IsEnabled() ? ZQF_ColorMetric_FieldText : ZQF_ColorMetric_ButtonShadow); }
