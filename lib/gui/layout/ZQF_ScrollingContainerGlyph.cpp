// The scrolling container: its size, the layout of view and bars, scrolling
// by shifting boxes, bringing a rectangle or a child into view, and drawing
// the gaps, border and corner.
#include "ZQF_ScrollingContainerGlyph.h"

#include <algorithm>

#include "ZQF_Canvas.h"
#include "ZQF_DetermineScrollBarLayouts.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_ParkedChild.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQ_Assertion.h"

namespace {

// A bar's state for a document of Document pixels seen through View pixels,
// keeping Position where the new document allows.
void SetBarState(ZQF_ScrollBarGlyph* Bar, long Document, long View, long LineStep,
                 long Position) {
  const long document = std::max(1L, Document);
  const long page = std::max(1L, std::min(document, View));
  const long line = std::max(1L, std::min(document, LineStep));
  Bar->SetState(document, page, line, std::min(document - page, Position), false);
}

// The position to keep along one axis, on the way into a layout.
long KeptPosition(long& Pending, bool Shown, long SliderPosition) {
  if (Pending >= 0) {
    const long kept = Pending;
    Pending = -1;
    return kept;
  }
  return Shown ? SliderPosition : 0;
}

}  // namespace

ZQF_ScrollingContainerGlyph::ZQF_ScrollingContainerGlyph(ZQF_Glyph* Client,
                                                         long HorizontalLineStep,
                                                         long VerticalLineStep,
                                                         int VerticalPolicy, int HorizontalPolicy,
                                                         int BorderCode, long GapX, long GapY)
    : Frame(new ZQF_ContaineeFrameGlyph(Client)),
      HorizontalLineStep(HorizontalLineStep != 0 ? HorizontalLineStep : ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).X),
      VerticalLineStep(VerticalLineStep != 0 ? VerticalLineStep : ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).Y),
      VerticalBar(new ZQF_VerticalScrollBarGlyph(100, 10, 1, 0, true)),
      HorizontalBar(new ZQF_HorizontalScrollBarGlyph(100, 10, 1, 0, true)),
      VerticalPolicy(VerticalPolicy),
      HorizontalPolicy(HorizontalPolicy),
      BorderCode(BorderCode),
      GapX(GapX),
      GapY(GapY) {
  // Each at the front: horizontal bar, vertical bar, frame.
  AddChild(Frame, false);
  AddChild(VerticalBar, false);
  AddChild(HorizontalBar, false);
}

ZQF_ScrollingContainerGlyph::~ZQF_ScrollingContainerGlyph() = default;

bool ZQF_ScrollingContainerGlyph::IsResizeAnchor() const { return ResizeAnchor; }

bool ZQF_ScrollingContainerGlyph::IsVerticalScrollBarShown() const {
  return VerticalBar->GetBoundingBox().Height > 0;
}

bool ZQF_ScrollingContainerGlyph::IsHorizontalScrollBarShown() const {
  return HorizontalBar->GetBoundingBox().Width > 0;
}

void ZQF_ScrollingContainerGlyph::SetPendingPositions(long Horizontal, long Vertical) {
  PendingHorizontalPosition = Horizontal;
  PendingVerticalPosition = Vertical;
}

ZQ_Point<long> ZQF_ScrollingContainerGlyph::GetMinimumViewSize() {
  const ZQ_Rectangle<long>& workArea = ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea);
  return ZQ_Point<long>(workArea.Width / 10, workArea.Height / 10);
}

ZQ_Point<long> ZQF_ScrollingContainerGlyph::GetBorderThickness() const {
  return ZQF_Canvas::GetBorderSize(BorderCode);
}

// --- Size and layout.

void ZQF_ScrollingContainerGlyph::UpdateMyDesiredSize() {
  const ZQ_Point<long> t = GetBorderThickness();
  const ZQF_DesiredSize& d = Frame->GetDesiredSize();
  const ZQ_Point<long> view = GetMinimumViewSize();
  const long minimumX =
      std::min(d.Minimum.X, view.X + VerticalBar->GetDesiredSize().Natural.X) + 2 * t.X;
  const long minimumY =
      std::min(d.Minimum.Y, view.Y + HorizontalBar->GetDesiredSize().Natural.Y) + 2 * t.Y;
  DesiredSize.SetX(d.Natural.X + 2 * t.X, minimumX, d.Maximum.X + 2 * t.X);
  DesiredSize.SetY(d.Natural.Y + 2 * t.Y, minimumY, d.Maximum.Y + 2 * t.Y);
}

void ZQF_ScrollingContainerGlyph::LayoutBar(ZQF_Glyph* Bar, const ZQ_Rectangle<long>& Box) {
  // A bar not shown is out of sight, not at the container's origin.
  if (Box.Width > 0 && Box.Height > 0) {
    LayoutChild(Bar, Box);
  } else {
    ZQF_ParkChild(this, Bar);
  }
}

// The bars cover the border on their side and leave the gaps to the view.
void ZQF_ScrollingContainerGlyph::PlaceBars(ZQ_Rectangle<long> Vertical,
                                            ZQ_Rectangle<long> Horizontal) {
  const ZQ_Point<long> t = GetBorderThickness();
  const bool vertical = Vertical.Width > 0;
  const bool horizontal = Horizontal.Height > 0;
  if (vertical) {
    Vertical.X += t.X;
    Vertical.TrimLeft(GapX);
    if (horizontal) Vertical.Height += GapY;
    Vertical.InflateY(t.Y);
  }
  if (horizontal) {
    Horizontal.Y += t.Y;
    Horizontal.TrimTop(GapY);
    if (vertical) Horizontal.Width += GapX;
    Horizontal.InflateX(t.X);
  }
  LayoutBar(VerticalBar, Vertical);
  LayoutBar(HorizontalBar, Horizontal);
}

void ZQF_ScrollingContainerGlyph::AcceptLayout() {
  const long keptY = KeptPosition(PendingVerticalPosition, IsVerticalScrollBarShown(),
                                  VerticalBar->GetSliderPosition());
  const long keptX = KeptPosition(PendingHorizontalPosition, IsHorizontalScrollBarShown(),
                                  HorizontalBar->GetSliderPosition());
  const ZQ_Point<long> t = GetBorderThickness();
  ZQ_Rectangle<long> inner = GetLocalBoundingBox();
  inner.Deflate(t.X, t.Y);
  const ZQ_Point<long> bar = ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar);
  const ZQ_Point<long> thickness(GapX + bar.X, GapY + bar.Y);
  const ZQ_Point<long> minimum = Frame->GetDesiredSize().Minimum;
  ZQ_Rectangle<long> view, vertical, horizontal;
  ZQF_DetermineScrollBarLayouts(inner, minimum, thickness, VerticalPolicy, HorizontalPolicy, view,
                                vertical, horizontal);
  PlaceBars(vertical, horizontal);
  if (IsVerticalScrollBarShown()) {
    SetBarState(VerticalBar, minimum.Y, view.Height, VerticalLineStep, keptY);
  }
  if (IsHorizontalScrollBarShown()) {
    SetBarState(HorizontalBar, minimum.X, view.Width, HorizontalLineStep, keptX);
  }
  SetContaineeLayout(
      ZQ_Point<long>(std::max(minimum.X, view.Width), std::max(minimum.Y, view.Height)));
  // The frame places its client again even where its own box stays.
  const ZQ_Rectangle<long> frameBox =
      ZQ_Rectangle<long>::Offset(view, GetBoundingBox().GetTopLeft());
  if (Frame->GetBoundingBox() == frameBox) {
    Frame->AcceptLayout();
  } else {
    LayoutChild(Frame, view);
  }
}

void ZQF_ScrollingContainerGlyph::SetContaineeLayout(const ZQ_Point<long>& ClientExtent) {
  const long x = IsHorizontalScrollBarShown() ? -HorizontalBar->GetSliderPosition() : 0;
  const long y = IsVerticalScrollBarShown() ? -VerticalBar->GetSliderPosition() : 0;
  Frame->SetClientOffset(ZQ_Point<long>(x, y));
  Frame->SetClientExtent(ClientExtent);
}

// --- Scrolling.

void ZQF_ScrollingContainerGlyph::ScrollChildren(ZQF_Glyph* Glyph, long DX, long DY) {
  if (DX == 0 && DY == 0) return;
  for (ZQF_Glyph* child = Glyph->GetFirstChild(); child; child = child->GetNextSibling()) {
    // An unset position stays unset: the next layout places the glyph.
    if (child->GetBoundingBox().X != ZQF_Glyph::UnsetPosition) OffsetBoundingBox(child, DX, DY);
    ScrollChildren(child, DX, DY);
  }
}

void ZQF_ScrollingContainerGlyph::HandleNotification(ZQF_NotificationMessage& Message,
                                                     bool SecondTry) {
  auto* change = dynamic_cast<ZQF_ScrollBarChangeNotificationMessage*>(&Message);
  const bool own = change && (change->GetScrollBar() == VerticalBar ||
                              change->GetScrollBar() == HorizontalBar);
  if (!own || Message.IsHandled()) {
    ZQF_OrganizationalGlyph::HandleNotification(Message, SecondTry);
    return;
  }
  const ZQ_Point<long> old = Frame->GetClientOffset();
  const ZQ_Rectangle<long>& client = GetClient()->GetBoundingBox();
  SetContaineeLayout(ZQ_Point<long>(client.Width, client.Height));
  const ZQ_Point<long>& now = Frame->GetClientOffset();
  ScrollChildren(Frame, now.X - old.X, now.Y - old.Y);
  Frame->QueueVisualStateUpdate();
  ZQF_ScrollingContainerScrollNotificationMessage scrolled(this);
  Dispatch(scrolled);
  Message.SetHandled();
}

void ZQF_ScrollingContainerGlyph::HandleMouseWheel(ZQF_WheelMouseMessage& Message,
                                                   bool SecondTry) {
  ZQF_OrganizationalGlyph::HandleMouseWheel(Message, SecondTry);
  if (!SecondTry || Message.IsHandled() || !IsVerticalScrollBarShown()) return;
  // Three lines a notch, the system's default; the bar's notification
  // scrolls the client.
  const long step = 3 * VerticalLineStep * Message.GetNumNotches();
  const long position = VerticalBar->GetSliderPosition();
  VerticalBar->SetSliderPosition_Safe(Message.GetDirection() == 1 ? position + step : position - step,
                                      true);
  Message.SetHandled();
}

void ZQF_ScrollingContainerGlyph::ScrollToShow(const ZQ_Rectangle<long>& Rectangle) {
  const ZQ_Rectangle<long>& client = GetClient()->GetBoundingBox();
  const ZQ_Rectangle<long> r = ZQ_Rectangle<long>::Intersection(
      Rectangle, ZQ_Rectangle<long>(0, 0, client.Width, client.Height));
  const ZQ_Point<long> current(-Frame->GetClientOffset().X, -Frame->GetClientOffset().Y);
  const ZQ_Rectangle<long>& frame = Frame->GetBoundingBox();
  const long x = std::min(std::max(current.X, r.X + r.Width - frame.Width), r.X);
  const long y = std::min(std::max(current.Y, r.Y + r.Height - frame.Height), r.Y);
  ScrollChildren(Frame, current.X - x, current.Y - y);
  Frame->SetClientOffset(ZQ_Point<long>(-x, -y));
  if (IsHorizontalScrollBarShown()) HorizontalBar->SetSliderPosition_Safe(x, false);
  if (IsVerticalScrollBarShown()) VerticalBar->SetSliderPosition_Safe(y, false);
  Frame->QueueVisualStateUpdate();
}

void ZQF_ScrollingContainerGlyph::ScrollToShow(ZQF_Glyph* Child, long MarginX, long MarginY) {
  ZQ_ASSERT_TEXT(ZQF_Glyph::IsDescendantOf(Child, this), "IsIndirectParentOf (this, aChildGlyph)");
  const ZQ_Rectangle<long>& box = Child->GetBoundingBox();
  // A child out of sight, or not placed yet, has no place to show.
  if (box.X == UnsetPosition || Child->IsBoundingBoxEmpty()) return;
  const ZQ_Point<long> origin = GetClient()->WindowToGlyph(box.GetTopLeft());
  ZQ_Rectangle<long> r(origin.X, origin.Y, box.Width, box.Height);
  r.Inflate(MarginX, MarginY);
  ScrollToShow(r);
}

bool ZQF_ScrollingContainerGlyph::MakeChildVisible(ZQF_Glyph* Descendant) {
  const ZQ_Point<long> margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px);
  ScrollToShow(Descendant, margin.X, margin.Y);
  return false;
}

// --- Drawing.

void ZQF_ScrollingContainerGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  const ZQR_Color background = BackgroundColor.GetColor();
  ZQ_Rectangle<long> b = GetLocalBoundingBox();
  const ZQ_Rectangle<long>& vertical = VerticalBar->GetBoundingBox();
  const ZQ_Rectangle<long>& horizontal = HorizontalBar->GetBoundingBox();
  const bool verticalShown = IsVerticalScrollBarShown();
  const bool horizontalShown = IsHorizontalScrollBarShown();
  if (verticalShown) {
    b.Width -= vertical.Width + GapX;
    Canvas.Fill(ZQ_Rectangle<long>(b.X + b.Width, b.Y, GapX, vertical.Height), background);
  }
  if (horizontalShown) {
    b.Height -= horizontal.Height + GapY;
    Canvas.Fill(ZQ_Rectangle<long>(b.X, b.Y + b.Height, horizontal.Width, GapY), background);
  }
  Canvas.DrawBorder(b, BorderCode, 0);
  if (verticalShown && horizontalShown) {
    const ZQ_Rectangle<long> own = GetLocalBoundingBox();
    Canvas.Fill(ZQ_Rectangle<long>(own.Width - vertical.Width, own.Height - horizontal.Height,
                                   vertical.Width, horizontal.Height),
                ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  }
}
