// The layout protocol, repaint requests, the focus path and mouse capture of
// every glyph.
#include "ZQF_Glyph.h"
#include "ZQF_Message.h"
#include "ZQF_Window.h"
#include "ZQ_Assertion.h"
#include "ZQ_Stack.h"

void ZQF_Glyph::UpdateDesiredSize() {
  if (!IsInitialized()) Initialize();
  for (ZQF_Glyph* c = FirstChild; c; c = c->NextSibling) {
    if (!c->DesiredSize.IsValid()) c->UpdateDesiredSize();
  }
  UpdateMyDesiredSize();
}

void ZQF_Glyph::LayoutChild(ZQF_Glyph* Child, const ZQ_Point<long>& Origin,
                            const ZQ_Point<long>& Extent) {
  const ZQ_Rectangle<long> box(BoundingBox.X + Origin.X, BoundingBox.Y + Origin.Y, Extent.X,
                               Extent.Y);
  if (box == Child->BoundingBox) return;
  Child->BoundingBox = box;
  Child->AcceptLayout();
}

void ZQF_Glyph::LayoutChild(ZQF_Glyph* Child, const ZQ_Rectangle<long>& LocalBox) {
  LayoutChild(Child, LocalBox.GetTopLeft(), ZQ_Point<long>(LocalBox.Width, LocalBox.Height));
}

void ZQF_Glyph::Resize() {
  if (ZQF_Glyph* anchor = InvalidateToResizeAnchor()) anchor->ProcessResize();
}

ZQF_Glyph* ZQF_Glyph::InvalidateToResizeAnchor() {
  for (ZQF_Glyph* g = this; g; g = g->Parent) {
    if (g->IsResizeAnchor()) return g;
    g->MarkLayoutStale();
  }
  return nullptr;
}

void ZQF_Glyph::MarkLayoutStale() {
  DesiredSize.MakeStale();
  BoundingBox.X = UnsetPosition;
  BoundingBox.Y = UnsetPosition;
}

void ZQF_Glyph::ProcessResize() {
  UpdateDesiredSize();
  AcceptLayout();
  InvalidateBoundingBoxRect();
}

void ZQF_Glyph::ValidateChildren() {
  for (ZQF_Glyph* c = FirstChild; c; c = c->NextSibling) c->Validate();
}

void ZQF_Glyph::QueueVisualStateUpdate() { InvalidateBoundingBoxRect(); }

void ZQF_Glyph::InvalidateBoundingBoxRect() {
  InvalidateRect(BoundingBox.X, BoundingBox.Y, BoundingBox.Width, BoundingBox.Height);
}

void ZQF_Glyph::InvalidateRect(long X, long Y, long Width, long Height) {
  if (ZQF_Window* window = GetParentWindow()) {
    window->InvalidateRect(ZQ_Rectangle<long>(X, Y, Width, Height));
  }
}

bool ZQF_Glyph::IsOnFocusPath() {
  ZQF_Glyph* g = this;
  for (; g->Parent; g = g->Parent) {
    if (g->Parent->FocusChild != g) return false;
  }
  ZQF_Window* window = g->GetParentWindow();
  return window && window->HasFocus();
}

void ZQF_Glyph::SetFocusChild(ZQF_Glyph* Child) {
  FocusChild = Child;
  ZQ_ASSERT_TEXT(FocusChild == nullptr || IsDirectChildOf(FocusChild, this),
                 "(FocusChild == NULL) or IsDirectChildOf (FocusChild, this)");
}

namespace {

// Tells the old path below the branching point that it loses the focus;
// true when a glyph there refused.
bool FocusLossRefused(ZQF_Glyph* Loser) {
  if (!Loser) return false;
  ZQF_FocusChangeMessage lost(ZQF_FocusChangeMessage::Change_Lost,
                              ZQF_FocusChangeMessage::Scope_Tree);
  Loser->Dispatch(lost);
  return lost.IsHandled();
}

}  // namespace

bool ZQF_Glyph::PutOnFocusPath() {
  ZQ_Stack<ZQF_Glyph*, 100> path;
  ZQF_Glyph* current = this;
  for (; current->Parent; current = current->Parent) path.Push(current);
  ZQF_Glyph* gainer = nullptr;  // the new focus child at the branching point
  for (; !path.IsEmpty(); current = current->FocusChild) {
    ZQF_Glyph* next = path.Pop();
    if (current->FocusChild == next) continue;
    if (!gainer) {
      if (FocusLossRefused(current->FocusChild)) return false;
      gainer = next;
    }
    current->SetFocusChild(next);
  }
  if (!gainer) return true;
  ZQF_FocusChangeMessage gained(ZQF_FocusChangeMessage::Change_Gained,
                                ZQF_FocusChangeMessage::Scope_Tree);
  gainer->Dispatch(gained);
  return true;
}

void ZQF_Glyph::MakeVisible() {
  ZQF_Glyph* ancestor = Parent;
  while (ancestor) ancestor = ancestor->MakeChildVisible(this) ? Parent : ancestor->Parent;
}

void ZQF_Glyph::CaptureMouse() { ZQF_Window::CaptureMouse(this); }

void ZQF_Glyph::ReleaseMouse() { ZQF_Window::ReleaseMouse(); }

bool ZQF_Glyph::HasMouseCapture() const { return ZQF_Window::GetCapturingGlyph() == this; }

ZQ_Point<long> ZQF_Glyph::GetCapturedMouseLocation() {
  return ScreenToGlyph(ZQF_Window::GetCapturedMouseLocation());
}
