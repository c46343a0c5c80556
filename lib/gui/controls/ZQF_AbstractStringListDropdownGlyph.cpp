#include "ZQF_AbstractStringListDropdownGlyph.h"

#include "ZQF_ListGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQ_Assertion.h"

// --- The display.

ZQF_DropdownControl_TextPermanentGlyph::ZQF_DropdownControl_TextPermanentGlyph()
    : ZQF_TextEditGlyph(0) {
  SetBorderStyle(0);
  SetSelectionFillsMargins(true);
}

ZQR_Color ZQF_DropdownControl_TextPermanentGlyph::Cust_GetTextColor(unsigned short Attribute) {
  if (!GetReadOnly()) return ZQF_TextEditGlyph::Cust_GetTextColor(Attribute);
  return ZQF_GetColorMetric(IsOnFocusPath() ? ZQF_ColorMetric_SelectionText : ZQF_ColorMetric_FieldText);
}

ZQR_Color ZQF_DropdownControl_TextPermanentGlyph::Cust_GetBackgroundColor(unsigned short Attribute) {
  if (!GetReadOnly()) return ZQF_TextEditGlyph::Cust_GetBackgroundColor(Attribute);
  return ZQF_GetColorMetric(IsOnFocusPath() ? ZQF_ColorMetric_SelectionBackground : ZQF_ColorMetric_FieldBackground);
}

long ZQF_DropdownControl_TextPermanentGlyph::Cust_GetLeftMargin() {
  return ZQF_TextEditGlyph::Cust_GetLeftMargin() - ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px).X;
}
long ZQF_DropdownControl_TextPermanentGlyph::Cust_GetRightMargin() {
  return ZQF_TextEditGlyph::Cust_GetRightMargin() - ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px).X;
}
long ZQF_DropdownControl_TextPermanentGlyph::Cust_GetTopMargin() {
  return ZQF_TextEditGlyph::Cust_GetTopMargin() - ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px).Y;
}
long ZQF_DropdownControl_TextPermanentGlyph::Cust_GetBottomMargin() {
  return ZQF_TextEditGlyph::Cust_GetBottomMargin() - ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px).Y;
}

// --- The dropdown.

ZQF_AbstractStringListDropdownGlyph::ZQF_AbstractStringListDropdownGlyph(long DisplayWidth)
    : DisplayWidth(DisplayWidth) {
  AddHelpTopic("ZQF_DropdownListControl_id", -1);
  auto* display = new ZQF_DropdownControl_TextPermanentGlyph;
  AddChild(display, false);
  SetFocusChild(display);
}

ZQF_TextEditGlyph* ZQF_AbstractStringListDropdownGlyph::GetTextEditGlyph() const {
  auto* TG = dynamic_cast<ZQF_TextEditGlyph*>(GetFirstChild());
  ZQ_ASSERT(TG);
  return TG;
}

void ZQF_AbstractStringListDropdownGlyph::UpdatePermanentDisplay(const ZQ_String& Text) {
  if (ZQF_TextEditGlyph* display = GetTextEditGlyph()) display->SetText(Text);
}

void ZQF_AbstractStringListDropdownGlyph::InitializeSelf() {
  ZQF_DropdownControlGlyph::InitializeSelf();
  if (!IsTextEditable()) {
    if (ZQF_TextEditGlyph* display = GetTextEditGlyph()) display->SetReadOnly(true);
  }
}

bool ZQF_AbstractStringListDropdownGlyph::IsTextEditable() { return false; }
bool ZQF_AbstractStringListDropdownGlyph::AllowsFirstLetterSelection() { return true; }
bool ZQF_AbstractStringListDropdownGlyph::IsDropdownResizable() { return false; }
bool ZQF_AbstractStringListDropdownGlyph::OpensDropdownOnClick() { return !IsTextEditable(); }
ZQF_Glyph* ZQF_AbstractStringListDropdownGlyph::CreateDropdownGlyphTree() { return CreateListGlyph(); }

int ZQF_AbstractStringListDropdownGlyph::GetDropdownNotificationResponse(ZQF_NotificationMessage& Message,
                                                                         bool) {
  auto* change = dynamic_cast<ZQF_ListSelectionChangeNotificationMessage*>(&Message);
  if (!change) return Response_NotForDropdown;
  return change->GetChangeKind() == ZQF_ListGlyph::ListChange_Mouse ? Response_TakeAndClose : Response_Take;
}

void ZQF_AbstractStringListDropdownGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  const ZQF_KeyCode key = Message.GetKeyCode();
  if (!IsDropdownOpen() && !SecondTry && !Message.IsHandled() &&
      (key == ZQF_Key_Down || key == ZQF_Key_Up) && Message.MatchesModifierKeys(2, 0, 0)) {
    SelectAdjacent(key == ZQF_Key_Down ? 0 : 1);
    Message.SetHandled();
    return;
  }
  ZQF_DropdownControlGlyph::HandleKey(Message, SecondTry);
}

void ZQF_AbstractStringListDropdownGlyph::HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) {
  // One step per wheel message, whatever lines it carries.
  if (IsDropdownOpen() || SecondTry || Message.IsHandled()) {
    ZQF_DropdownControlGlyph::HandleMouseWheel(Message, SecondTry);
    return;
  }
  SelectAdjacent(Message.GetDirection() == 0 ? 1 : 0);
  Message.SetHandled();
}

void ZQF_AbstractStringListDropdownGlyph::HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) {
  if (!SecondTry && !Message.IsHandled()) Message.SetHandled();
}
