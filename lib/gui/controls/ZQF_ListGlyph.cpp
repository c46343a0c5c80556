#include "ZQF_ListGlyph.h"

#include <algorithm>

#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_ListGlyphTimers.h"
#include "ZQF_ListGlyphController.h"
#include "ZQF_ListGlyphNodeBitmapSet.h"
#include "ZQF_Metrics.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQ_Assertion.h"

namespace {

void DeleteChain(ZQF_ListGlyphElement* First) {
  while (First) {
    ZQF_ListGlyphElement* next = First->GetNextSibling();
    delete First;
    First = next;
  }
}

}  // namespace

// --- Construction.

ZQF_ListGlyph::ZQF_ListGlyph(int ListKind)
    : ListKind(ListKind),
      Margin(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).X),
      IndentationDeltaX(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).X) {
  SetNodeBitmapSet(2);
  SetController(0);
  auto* vertical = new ZQF_VerticalScrollBarGlyph(1, 1, 1, 0, true);
  AddChild(vertical, true);
  vertical->SetTrackSlider(true);
  auto* horizontal = new ZQF_HorizontalScrollBarGlyph(1, 1, 1, 0, true);
  AddChild(horizontal, true);
  horizontal->SetTrackSlider(true);
}

ZQF_ListGlyph::~ZQF_ListGlyph() {
  StopChangeNotificationDelayTimer();
  ZQF_ListGlyphAutoscrollTimer::StopFor(this);
  DeleteChain(FirstRoot);
  FirstRoot = LastRoot = nullptr;
  delete Controller;
}

ZQF_VerticalScrollBarGlyph* ZQF_ListGlyph::GetVerticalScrollBar() const {
  ZQF_Glyph* Child = GetFirstChild();
  auto* bar = dynamic_cast<ZQF_VerticalScrollBarGlyph*>(Child);
  ZQ_ASSERT_TEXT(bar, "dynamic_cast <ZQF_VerticalScrollBarGlyph*> (Child)");
  return bar;
}

ZQF_HorizontalScrollBarGlyph* ZQF_ListGlyph::GetHorizontalScrollBar() const {
  ZQF_Glyph* Child = GetFirstChild();
  auto* bar = dynamic_cast<ZQF_HorizontalScrollBarGlyph*>(Child ? Child->GetNextSibling() : nullptr);
  ZQ_ASSERT_TEXT(bar, "dynamic_cast <ZQF_HorizontalScrollBarGlyph*> (Child->Sibling)");
  return bar;
}

// --- Contents.

void ZQF_ListGlyph::InsertAsLastRoot(ZQF_ListGlyphElement* Element) {
  Element->Parent = nullptr;
  Element->NextSibling = nullptr;
  if (LastRoot) {
    LastRoot->NextSibling = Element;
  } else {
    FirstRoot = Element;
  }
  LastRoot = Element;
  StateChange_AddElement(Element);
}

void ZQF_ListGlyph::InsertAsLastChild(ZQF_ListGlyphElement* ExistingElement,
                                      ZQF_ListGlyphElement* Element) {
  ZQ_ASSERT_TEXT(IsMember(ExistingElement, Subset_All), "IsMember (ExistingElement, Subset_All)");
  if (!IsMember(ExistingElement, Subset_All)) return;
  ExistingElement->AddVirtualChild(Element);
  StateChange_AddElement(Element);
}

void ZQF_ListGlyph::Clear() {
  DeleteChain(FirstRoot);
  FirstRoot = LastRoot = nullptr;
  NumVisibleElements = 0;
  PageSize = 1;
  FocusElementIndex = 0;
  TopElementIndex = 0;
  MaxIndentedWidth = 1;
  ElementHeight = 1;
  QueueVisualStateUpdate();
  UpdateScrollBarStates();
}

// --- Bookkeeping.

long ZQF_ListGlyph::ClampFocusIndex(long Index) const {
  return std::max(0L, std::min(Index, NumVisibleElements - 1));
}

long ZQF_ListGlyph::ClampTopIndex(long Index) const {
  return std::max(0L, std::min(Index, std::max(NumVisibleElements - PageSize, 0L)));
}

void ZQF_ListGlyph::StateChange_AddElement(ZQF_ListGlyphElement* NewElement) {
  if (ElementHeight == 1) {
    ElementHeight = NewElement->GetHeight();
  } else {
    ZQ_ASSERT_TEXT(ElementHeight == NewElement->GetHeight(),
                   "ElementHeight == NewElement->GetHeight()");
  }
  if (!IsOpenToRoot(NewElement)) return;
  // A new last root follows every visible row: no walk to find its index.
  const long i = NewElement == LastRoot ? NumVisibleElements : ComputeIndex(NewElement, Subset_Visible);
  const long n = 1 + CountNumOpenChildren(NewElement);
  NumVisibleElements += n;
  if (i <= FocusElementIndex) FocusElementIndex = ClampFocusIndex(FocusElementIndex + n);
  if (i <= TopElementIndex) TopElementIndex = ClampTopIndex(TopElementIndex + n);
  MaxIndentedWidth = std::max(MaxIndentedWidth, ComputeMaxIndentedWidth(NewElement, true));
  QueueVisualStateUpdate();
  UpdateScrollBarStates();
}

void ZQF_ListGlyph::StateChange_OpenElement(ZQF_ListGlyphElement* OpenedElement) {
  ZQ_ASSERT_TEXT(IsMember(OpenedElement, Subset_All), "IsMember (OpenedElement, Subset_All)");
  ZQ_ASSERT(OpenedElement->IsClosed());
  OpenedElement->InsureVirtualChildrenCreated();
  ZQ_ASSERT(OpenedElement->FirstChild);
  if (!OpenedElement->FirstChild || OpenedElement->IsOpen()) return;
  OpenedElement->Open = true;
  if (!IsOpenToRoot(OpenedElement)) return;
  const long i = ComputeIndex(OpenedElement, Subset_Visible) + 1;
  const long n = CountNumOpenChildren(OpenedElement);
  NumVisibleElements += n;
  if (i <= FocusElementIndex) FocusElementIndex += n;
  if (i <= TopElementIndex) TopElementIndex = ClampTopIndex(TopElementIndex + n);
  MaxIndentedWidth = std::max(MaxIndentedWidth, ComputeMaxIndentedWidth(OpenedElement, true));
  QueueVisualStateUpdate();
  UpdateScrollBarStates();
}

void ZQF_ListGlyph::StateChange_CloseElement(ZQF_ListGlyphElement* ClosedElement) {
  ZQ_ASSERT_TEXT(IsMember(ClosedElement, Subset_All), "IsMember (ClosedElement, Subset_All)");
  ZQ_ASSERT(ClosedElement->FirstChild);
  ZQ_ASSERT(ClosedElement->IsOpen());
  if (!ClosedElement->FirstChild || ClosedElement->IsClosed()) return;
  const bool shown = IsOpenToRoot(ClosedElement);
  const long w = shown ? ComputeMaxIndentedWidth(ClosedElement, true) : 0;
  const long n = shown ? CountNumOpenChildren(ClosedElement) : 0;
  ClosedElement->Open = false;
  if (!shown) return;
  const long i = ComputeIndex(ClosedElement, Subset_Visible) + 1;
  const long last = i + n - 1;
  NumVisibleElements -= n;
  if (last < TopElementIndex) {
    TopElementIndex -= n;
  } else if (i <= TopElementIndex) {
    TopElementIndex = i - 1;
  }
  TopElementIndex = ClampTopIndex(TopElementIndex);
  // A focus inside the hidden rows moves onto the closed element; the
  // selection stays as it is.
  if (last < FocusElementIndex) {
    FocusElementIndex -= n;
  } else if (i <= FocusElementIndex) {
    FocusElementIndex = i - 1;
  }
  FocusElementIndex = ClampFocusIndex(FocusElementIndex);
  if (MaxIndentedWidth == w) MaxIndentedWidth = std::max(1L, ComputeMaxIndentedWidth(nullptr, true));
  QueueVisualStateUpdate();
  UpdateScrollBarStates();
}

void ZQF_ListGlyph::StateChange_ChangeFocusElement(long NewFI) {
  const long NE = NumVisibleElements;
  ZQ_ASSERT((0 <= NewFI) and (NewFI < NE));
  if (NewFI < 0 || NewFI >= NE) return;
  FocusElementIndex = NewFI;
  ScrollToMakeVisible(NewFI);
  QueueVisualStateUpdate();
}

void ZQF_ListGlyph::StateChange_ChangeTopVisibleElement(long NewTI) {
  const long NE = NumVisibleElements, PS = PageSize;
  ZQ_ASSERT_TEXT((0 <= NewTI) and (NewTI <= std::max(0L, NE - PS)),
                 "(0 <= NewTI) and (NewTI <= ZQ_Max (0, NE-PS))");
  TopElementIndex = ClampTopIndex(NewTI);
  QueueVisualStateUpdate();
  UpdateScrollBarStates();
}

// --- Open state.

void ZQF_ListGlyph::Open(ZQF_ListGlyphElement* Element) {
  if (Element->HasChildren() && Element->IsClosed()) StateChange_OpenElement(Element);
}

void ZQF_ListGlyph::Close(ZQF_ListGlyphElement* Element) {
  if (Element->HasChildren() && Element->IsOpen()) StateChange_CloseElement(Element);
}

void ZQF_ListGlyph::ToggleOpen(ZQF_ListGlyphElement* Element) {
  if (!Element->HasChildren()) return;
  if (Element->IsOpen()) {
    StateChange_CloseElement(Element);
  } else {
    StateChange_OpenElement(Element);
  }
}

void ZQF_ListGlyph::Util_SetAllOpenState(bool OpenState) {
  for (ZQF_ListGlyphElement* e = FirstRoot; e; e = GetNext(e, Subset_All)) {
    if (e->IsOpen() == OpenState) continue;
    if (OpenState) {
      Open(e);
    } else {
      Close(e);
    }
  }
}

void ZQF_ListGlyph::OpenAll() { Util_SetAllOpenState(true); }
void ZQF_ListGlyph::CloseAll() { Util_SetAllOpenState(false); }

void ZQF_ListGlyph::OpenToRoot(ZQF_ListGlyphElement* Element) {
  for (ZQF_ListGlyphElement* a = Element->Parent; a; a = a->Parent) {
    if (a->IsClosed()) Open(a);
  }
}

void ZQF_ListGlyph::MakeVisible(ZQF_ListGlyphElement* Element) {
  OpenToRoot(Element);
  ScrollToMakeVisible(Element);
}

// --- Focus and selection.

ZQF_ListGlyphElement* ZQF_ListGlyph::GetFocusElement() {
  return IsEmpty() ? nullptr : FindElementByIndex(FocusElementIndex, Subset_Visible);
}

void ZQF_ListGlyph::SetFocus(ZQF_ListGlyphElement* Element) {
  ZQ_ASSERT_TEXT(IsMember(Element, Subset_Visible), "IsMember (Element, Subset_Visible)");
  if (!IsMember(Element, Subset_Visible)) return;
  StateChange_ChangeFocusElement(ComputeIndex(Element, Subset_Visible));
}

void ZQF_ListGlyph::SetFocusToTopElement() {
  if (IsEmpty()) return;
  StateChange_ChangeFocusElement(0);
  Select(GetFocusElement(), true);
}

void ZQF_ListGlyph::Select(ZQF_ListGlyphElement* Element, bool Exclusive) {
  ZQ_ASSERT_TEXT(IsMember(Element, Subset_All), "IsMember (Element, Subset_All)");
  if (!IsMember(Element, Subset_All)) return;
  SelectionChanged = true;
  if (Exclusive) UnselectAll();
  Element->Selected = true;
  QueueVisualStateUpdate();
}

void ZQF_ListGlyph::UnselectAll() {
  SelectionChanged = true;
  for (ZQF_ListGlyphElement* e = FirstRoot; e; e = GetNext(e, Subset_All)) e->Selected = false;
  QueueVisualStateUpdate();
}

void ZQF_ListGlyph::SelectFocusElement(bool Exclusive) {
  if (ZQF_ListGlyphElement* focus = GetFocusElement()) Select(focus, Exclusive);
}

// --- Options.

void ZQF_ListGlyph::SetChangeNotificationDelay(long DelayMs) {
  ChangeNotificationDelay = DelayMs < 0 ? ZQF_GetTimeMetric(ZQF_TimeMetric_ListChangeDelay) : DelayMs;
}

void ZQF_ListGlyph::SetDrawHierarchicalLines(bool Draw) {
  DrawHierarchicalLinesFlag = Draw;
  QueueVisualStateUpdate();
}

void ZQF_ListGlyph::SetSelectFollowsMouse(bool Follows) { SelectFollowsMouse = Follows; }

void ZQF_ListGlyph::SetNodeBitmapSet(int Code) {
  if (Code < 0 || Code > 3) return;
  ZQF_ListGlyphNodeBitmapSet* set = ZQF_ListGlyphNodeBitmapSet::GetSharedSet(Code);
  if (set == NodeBitmapSet) return;
  NodeBitmapSet = set;
  // The indentation changes with the box column.
  if (IsEmpty()) return;
  MaxIndentedWidth = std::max(1L, ComputeMaxIndentedWidth(nullptr, true));
  QueueVisualStateUpdate();
  UpdateScrollBarStates();
}

void ZQF_ListGlyph::SetController(int Code) {
  ZQ_ASSERT_TEXT(Code == 0 || Code == 1, "false");
  if (Code != 0 && Code != 1) return;
  delete Controller;
  Controller = nullptr;
  if (Code == 0) {
    Controller = new ZQF_RegularListGlyphController(this);
  } else {
    Controller = new ZQF_MaintainIndentLevelListGlyphController(this);
  }
}

// --- Queries.

long ZQF_ListGlyph::GetHierarchicalLevel(const ZQF_ListGlyphElement* Element) const {
  long level = 0;
  for (const ZQF_ListGlyphElement* a = Element->Parent; a; a = a->Parent) ++level;
  return level;
}

ZQF_ListGlyphElement* ZQF_ListGlyph::GetNext(ZQF_ListGlyphElement* Element, int Subset) const {
  ZQ_ASSERT(Element);
  if (!Element) return nullptr;
  if (Element->FirstChild && (Subset == Subset_All || Element->IsOpen())) return Element->FirstChild;
  for (ZQF_ListGlyphElement* e = Element; e; e = e->Parent) {
    if (e->NextSibling) return e->NextSibling;
  }
  return nullptr;
}

ZQF_ListGlyphElement* ZQF_ListGlyph::GetPrev(ZQF_ListGlyphElement* Element, int Subset) const {
  ZQ_ASSERT(Element);
  if (!Element) return nullptr;
  ZQF_ListGlyphElement* sibling = Element->Parent ? Element->Parent->FirstChild : FirstRoot;
  if (sibling == Element) return Element->Parent;
  while (sibling && sibling->NextSibling != Element) sibling = sibling->NextSibling;
  if (!sibling) return nullptr;
  // The last row of the previous sibling's subtree.
  while (sibling->LastChild && (Subset == Subset_All || sibling->IsOpen())) {
    sibling = sibling->LastChild;
  }
  return sibling;
}

const ZQF_ListGlyphElement* ZQF_ListGlyph::FindListRoot(const ZQF_ListGlyphElement* Element) const {
  if (!Element) return nullptr;
  while (Element->Parent) Element = Element->Parent;
  for (const ZQF_ListGlyphElement* root = FirstRoot; root; root = root->NextSibling) {
    if (root == Element) return root;
  }
  return nullptr;
}

bool ZQF_ListGlyph::IsMember(const ZQF_ListGlyphElement* Element, int Subset) const {
  if (!FindListRoot(Element)) return false;
  return Subset == Subset_All || IsOpenToRoot(Element);
}

ZQF_ListGlyphElement* ZQF_ListGlyph::FindElementByIndex(long Index, int Subset) const {
  if (!FirstRoot) return nullptr;
  ZQF_ListGlyphElement* Element = FirstRoot;
  for (long i = 0; i < Index && Element; ++i) Element = GetNext(Element, Subset);
  ZQ_ASSERT(Element);
  return Element;
}

long ZQF_ListGlyph::ComputeIndex(const ZQF_ListGlyphElement* Element, int Subset) const {
  long index = 0;
  ZQF_ListGlyphElement* SearchElement = FirstRoot;
  while (SearchElement && SearchElement != Element) {
    SearchElement = GetNext(SearchElement, Subset);
    ++index;
  }
  ZQ_ASSERT(SearchElement);
  return index;
}

bool ZQF_ListGlyph::IsOpenToRoot(const ZQF_ListGlyphElement* Element) const {
  for (const ZQF_ListGlyphElement* a = Element->Parent; a; a = a->Parent) {
    if (a->IsClosed()) return false;
  }
  return true;
}

long ZQF_ListGlyph::CountNumOpenChildren(const ZQF_ListGlyphElement* Element) const {
  if (!Element) return NumVisibleElements;
  if (Element->IsClosed()) return 0;
  long count = 0;
  for (const ZQF_ListGlyphElement* c = Element->FirstChild; c; c = c->NextSibling) {
    count += 1 + CountNumOpenChildren(c);
  }
  return count;
}

// --- Scrolling.

void ZQF_ListGlyph::ScrollToMakeVisible(long ElementIndex) {
  const long NE = NumVisibleElements;
  ZQ_ASSERT((0 <= ElementIndex) and (ElementIndex < NE));
  if (ElementIndex < 0 || ElementIndex >= NE) return;
  if (ElementIndex < TopElementIndex) {
    StateChange_ChangeTopVisibleElement(ElementIndex);
  } else if (ElementIndex > TopElementIndex + PageSize - 1) {
    StateChange_ChangeTopVisibleElement(ElementIndex - PageSize + 1);
  }
}

void ZQF_ListGlyph::ScrollToMakeVisible(ZQF_ListGlyphElement* Element) {
  ScrollToMakeVisible(ComputeIndex(Element, Subset_Visible));
}

void ZQF_ListGlyph::ScrollToShowElementAndChildren(ZQF_ListGlyphElement* Element) {
  ZQF_ListGlyphElement* last = Element;
  while (last->LastChild && last->IsOpen()) last = last->LastChild;
  // The element wins when its subtree is taller than the page.
  if (last != Element) ScrollToMakeVisible(last);
  ScrollToMakeVisible(Element);
}

void ZQF_ListGlyph::ScrollLineUp(long NumLines) {
  const long top = ClampTopIndex(TopElementIndex - NumLines);
  if (top != TopElementIndex) StateChange_ChangeTopVisibleElement(top);
}

void ZQF_ListGlyph::ScrollLineDown(long NumLines) {
  const long top = ClampTopIndex(TopElementIndex + NumLines);
  if (top != TopElementIndex) StateChange_ChangeTopVisibleElement(top);
}

void ZQF_ListGlyph::ScrollLineLeft() {
  if (ZQF_HorizontalScrollBarGlyph* bar = GetHorizontalScrollBar()) bar->PerformLineBackward(true);
}

void ZQF_ListGlyph::ScrollLineRight() {
  if (ZQF_HorizontalScrollBarGlyph* bar = GetHorizontalScrollBar()) bar->PerformLineForward(true);
}

// --- Focus moves.

bool ZQF_ListGlyph::Util_SelectElementBySearch(long Start, int Direction) {
  const long level = GetHierarchicalLevel(GetFocusElement());
  ZQF_ListGlyphElement* e = FindElementByIndex(Start, Subset_Visible);
  while (e && GetHierarchicalLevel(e) != level) {
    e = Direction == 1 ? GetNext(e, Subset_Visible) : GetPrev(e, Subset_Visible);
  }
  if (!e) return false;
  StateChange_ChangeFocusElement(ComputeIndex(e, Subset_Visible));
  return true;
}

// Without the flag the focus goes to the clamped target; with it the target
// only starts a search for a row of the focus element's level, in the first
// direction and, when the focus did not move, in the other.
void ZQF_ListGlyph::Util_MoveFocus(long Target, bool MaintainIndentLevel, bool ForwardFirst) {
  if (IsEmpty()) return;
  const long start = ClampFocusIndex(Target);
  if (!MaintainIndentLevel) {
    StateChange_ChangeFocusElement(start);
    return;
  }
  const long before = FocusElementIndex;
  Util_SelectElementBySearch(start, ForwardFirst ? 1 : 0);
  if (FocusElementIndex == before) Util_SelectElementBySearch(start, ForwardFirst ? 0 : 1);
}

void ZQF_ListGlyph::FocusLineUp(bool Maintain) {
  if (IsEmpty()) return;
  if (Maintain) {
    Util_SelectElementBySearch(ClampFocusIndex(FocusElementIndex - 1), 0);
  } else {
    Util_MoveFocus(FocusElementIndex - 1, false, false);
  }
}

void ZQF_ListGlyph::FocusLineDown(bool Maintain) {
  if (IsEmpty()) return;
  if (Maintain) {
    Util_SelectElementBySearch(ClampFocusIndex(FocusElementIndex + 1), 1);
  } else {
    Util_MoveFocus(FocusElementIndex + 1, false, true);
  }
}

void ZQF_ListGlyph::FocusPageUp(bool Maintain) {
  Util_MoveFocus(FocusElementIndex - std::max(PageSize - 1, 1L), Maintain, true);
}

void ZQF_ListGlyph::FocusPageDown(bool Maintain) {
  Util_MoveFocus(FocusElementIndex + std::max(PageSize - 1, 1L), Maintain, false);
}

void ZQF_ListGlyph::FocusToTop(bool Maintain) {
  if (IsEmpty()) return;
  if (Maintain) {
    Util_SelectElementBySearch(0, 1);
  } else {
    StateChange_ChangeFocusElement(0);
  }
}

void ZQF_ListGlyph::FocusToBottom(bool Maintain) {
  if (IsEmpty()) return;
  if (Maintain) {
    Util_SelectElementBySearch(NumVisibleElements - 1, 0);
  } else {
    StateChange_ChangeFocusElement(NumVisibleElements - 1);
  }
}

void ZQF_ListGlyph::FocusToParent() {
  ZQF_ListGlyphElement* FocusElement = GetFocusElement();
  ZQ_ASSERT(FocusElement);
  if (FocusElement && FocusElement->Parent) {
    StateChange_ChangeFocusElement(ComputeIndex(FocusElement->Parent, Subset_Visible));
  }
}

void ZQF_ListGlyph::FocusToFirstChild() {
  ZQF_ListGlyphElement* focus = GetFocusElement();
  if (!focus) return;
  Open(focus);
  if (focus->IsOpen() && focus->FirstChild) {
    StateChange_ChangeFocusElement(ComputeIndex(focus->FirstChild, Subset_Visible));
  }
}
