#include "ZQF_ListGlyphController.h"

#include "ZQF_ListGlyph.h"
#include "ZQF_Message.h"

ZQF_ListGlyphController::~ZQF_ListGlyphController() = default;

void ZQF_ListGlyphController::OpenFocusElement() { List->Open(List->GetFocusElement()); }
void ZQF_ListGlyphController::CloseFocusElement() { List->Close(List->GetFocusElement()); }
void ZQF_ListGlyphController::ToggleOpenFocusElement() { List->ToggleOpen(List->GetFocusElement()); }
void ZQF_ListGlyphController::ToggleOpen(ZQF_ListGlyphElement* Element) { List->ToggleOpen(Element); }
void ZQF_ListGlyphController::OpenAll() { List->OpenAll(); }
void ZQF_ListGlyphController::CloseAll() { List->CloseAll(); }
void ZQF_ListGlyphController::ScrollToShowElementAndChildren(ZQF_ListGlyphElement* Element) {
  List->ScrollToShowElementAndChildren(Element);
}
void ZQF_ListGlyphController::ScrollToShowFocusElementAndChildren() {
  List->ScrollToShowElementAndChildren(List->GetFocusElement());
}
void ZQF_ListGlyphController::FocusLineUp(bool Maintain) { List->FocusLineUp(Maintain); }
void ZQF_ListGlyphController::FocusLineDown(bool Maintain) { List->FocusLineDown(Maintain); }
void ZQF_ListGlyphController::FocusPageUp(bool Maintain) { List->FocusPageUp(Maintain); }
void ZQF_ListGlyphController::FocusPageDown(bool Maintain) { List->FocusPageDown(Maintain); }
void ZQF_ListGlyphController::FocusToTop(bool Maintain) { List->FocusToTop(Maintain); }
void ZQF_ListGlyphController::FocusToBottom(bool Maintain) { List->FocusToBottom(Maintain); }
void ZQF_ListGlyphController::FocusToParent() { List->FocusToParent(); }
void ZQF_ListGlyphController::FocusToFirstChild() { List->FocusToFirstChild(); }
void ZQF_ListGlyphController::SetFocus(ZQF_ListGlyphElement* Element) { List->SetFocus(Element); }
bool ZQF_ListGlyphController::FocusElementIsOpen() { return List->GetFocusElement()->IsOpen(); }
bool ZQF_ListGlyphController::FocusElementIsClosed() { return List->GetFocusElement()->IsClosed(); }
void ZQF_ListGlyphController::SelectFocusElement(int Mode) { List->SelectFocusElement(Mode == 1); }

namespace {

// Modifier wishes: 0 up, 2 either.
constexpr int Up = 0, Any = 2;

}  // namespace

void ZQF_RegularListGlyphController::HandleKey(ZQF_KeyMessage& Message) {
  const ZQF_KeyCode key = Message.GetKeyCode();
  if (Message.MatchesModifierKeys(Up, Up, Up)) {
    bool moved = true;
    switch (key) {
      case ZQF_Key_Up: FocusLineUp(false); break;
      case ZQF_Key_Down: FocusLineDown(false); break;
      case ZQF_Key_PageUp: FocusPageUp(false); break;
      case ZQF_Key_PageDown: FocusPageDown(false); break;
      case ZQF_Key_Home: FocusToTop(false); break;
      case ZQF_Key_End: FocusToBottom(false); break;
      case ZQF_Key_Left:
        if (FocusElementIsOpen()) {
          CloseFocusElement();
        } else {
          FocusToParent();
        }
        break;
      case ZQF_Key_Right:
        if (FocusElementIsClosed()) {
          OpenFocusElement();
          ScrollToShowFocusElementAndChildren();
        } else {
          FocusToFirstChild();
        }
        break;
      default: moved = false;
    }
    if (moved) {
      SelectFocusElement(1);
      Message.SetHandled();
      return;
    }
  }
  if (key == ' ' && Message.MatchesModifierKeys(Any, Up, Up)) {
    ToggleOpenFocusElement();
    ScrollToShowFocusElementAndChildren();
  } else if (!Message.MatchesModifierKeys(Any, Any, Up)) {
    return;
  } else if (key == '+' || key == '=') {
    OpenFocusElement();
    ScrollToShowFocusElementAndChildren();
  } else if (key == '-' || key == '_') {
    CloseFocusElement();
  } else if (key == '*') {
    OpenAll();
  } else if (key == '/') {
    CloseAll();
  } else {
    return;
  }
  Message.SetHandled();
}

void ZQF_RegularListGlyphController::HandleMouseLeftDown(ZQF_MouseMessage& Message,
                                                         ZQF_ListGlyphElement* Element) {
  if (!Message.MatchesModifierKeys(Up, Up, Up)) return;
  SetFocus(Element);
  SelectFocusElement(1);
  Message.SetHandled();
}

void ZQF_RegularListGlyphController::HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message,
                                                                ZQF_ListGlyphElement* Element) {
  if (!Message.MatchesModifierKeys(Up, Up, Up)) return;
  ToggleOpen(Element);
  ScrollToShowElementAndChildren(Element);
  Message.SetHandled();
}

void ZQF_RegularListGlyphController::HandleMouseRightDown(ZQF_MouseMessage&,
                                                          ZQF_ListGlyphElement*) {}

void ZQF_MaintainIndentLevelListGlyphController::HandleKey(ZQF_KeyMessage& Message) {
  if (!Message.MatchesModifierKeys(Up, Up, Up)) {
    ZQF_RegularListGlyphController::HandleKey(Message);
    return;
  }
  switch (Message.GetKeyCode()) {
    case ZQF_Key_Up: FocusLineUp(true); break;
    case ZQF_Key_Down: FocusLineDown(true); break;
    case ZQF_Key_PageUp: FocusPageUp(true); break;
    case ZQF_Key_PageDown: FocusPageDown(true); break;
    case ZQF_Key_Home: FocusToTop(true); break;
    case ZQF_Key_End: FocusToBottom(true); break;
    // The focus element is never closed here.
    case ZQF_Key_Left: FocusToParent(); break;
    default:
      ZQF_RegularListGlyphController::HandleKey(Message);
      return;
  }
  SelectFocusElement(1);
  Message.SetHandled();
}
