#include "ZQF_ListGlyphElement.h"

#include "ZQF_Canvas.h"
#include "ZQF_ListGlyph.h"
#include "ZQF_ListGlyphNodeBitmapSet.h"
#include "ZQF_Metrics.h"
#include "ZQ_Hasher.h"

ZQF_ListGlyphElement::~ZQF_ListGlyphElement() {
  ZQF_ListGlyphElement* child = FirstChild;
  while (child) {
    ZQF_ListGlyphElement* next = child->NextSibling;
    delete child;
    child = next;
  }
}

bool ZQF_ListGlyphElement::HasChildren() { return FirstChild != nullptr; }
void ZQF_ListGlyphElement::CreateVirtualChildren() {}

void ZQF_ListGlyphElement::SetStandardColors(ZQF_Canvas& Canvas,
                                             const ZQF_ListGlyphElementDrawState& State) {
  // A disabled list shows no selection: the list's background stays.
  ZQR_Color text = ZQF_GetColorMetric(ZQF_ColorMetric_FieldText);
  if (!State.IsEnabled) {
    text = ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow);
  } else if (State.IsSelected && State.FocusState != 2) {
    Canvas.SetBackgroundColor(ZQF_GetColorMetric(ZQF_ColorMetric_SelectionBackground));
    text = ZQF_GetColorMetric(ZQF_ColorMetric_SelectionText);
  } else if (State.IsSelected) {
    Canvas.SetBackgroundColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
    text = ZQF_GetColorMetric(ZQF_ColorMetric_LabelText);
  }
  Canvas.SetTextColor(text);
  Canvas.SetPenColor(text);
}

bool ZQF_ListGlyphElement::ShowsFocusIndicator() { return ZQF_GetBoolMetric(ZQF_BoolMetric_FocusIndicators); }

ZQR_TransparentBitmap ZQF_ListGlyphElement::GetNodeBitmap(
    ZQF_ListGlyph* List, const ZQF_ListGlyphElementDrawState& State) {
  ZQF_ListGlyphNodeBitmapSet* set = List->GetNodeBitmapSet();
  return set ? set->GetBitmap(State) : ZQR_TransparentBitmap();
}

void ZQF_ListGlyphElement::HandleKey(ZQF_KeyMessage&, ZQF_ListGlyph*) {}
void ZQF_ListGlyphElement::HandleMouseLeftDown(ZQF_MouseMessage&, const ZQ_Point<long>&,
                                               ZQF_ListGlyph*) {}
void ZQF_ListGlyphElement::HandleMouseLeftDoubleClick(ZQF_MouseMessage&, const ZQ_Point<long>&,
                                                      ZQF_ListGlyph*) {}
void ZQF_ListGlyphElement::HandleMouseRightDown(ZQF_MouseMessage&, const ZQ_Point<long>&,
                                                ZQF_ListGlyph*) {}
void ZQF_ListGlyphElement::HandleCommand(ZQF_CommandMessage&, ZQF_ListGlyph*) {}
void ZQF_ListGlyphElement::HandleUpdate(ZQF_UpdateMessage&, ZQF_ListGlyph*) {}
void ZQF_ListGlyphElement::HandleTooltipsMessage(ZQF_TooltipsMessage&, const ZQ_Point<long>&,
                                                 const ZQ_Rectangle<long>&, ZQF_ListGlyph*) {}
void ZQF_ListGlyphElement::HandleDragStart() {}
void ZQF_ListGlyphElement::HandleDragOperationMessage(ZQF_DragOperationMessage&) {}

ZQ_UID ZQF_ListGlyphElement::GetHash() {
  ZQ_Hasher hasher;
  hasher << static_cast<unsigned long>(reinterpret_cast<uintptr_t>(this));
  return hasher.GetHash();
}

void ZQF_ListGlyphElement::AddVirtualChild(ZQF_ListGlyphElement* Child) {
  Child->Parent = this;
  Child->NextSibling = nullptr;
  if (LastChild) {
    LastChild->NextSibling = Child;
  } else {
    FirstChild = Child;
  }
  LastChild = Child;
}

void ZQF_ListGlyphElement::InsureVirtualChildrenCreated() {
  if (FirstChild || VirtualChildrenCreated) return;
  VirtualChildrenCreated = true;
  CreateVirtualChildren();
}
