#include "ZQF_Glyph.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "ZQF_ControlGlyph.h"
#include "ZQF_Help.h"
#include "ZQF_MessageHook.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_TextStreamFormatter.h"

ZQ_String RunTimeClassName(const ZQF_Glyph& Glyph) {
  const char* mangled = typeid(Glyph).name();
  int status = 0;
  char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  const ZQ_String name(status == 0 && demangled ? demangled : mangled);
  std::free(demangled);
  return name;
}

namespace {

void WriteAddress(ZQ_TextStreamFormatter& Out, const void* Address) {
  Out.WriteHexadecimal(reinterpret_cast<unsigned int>(Address));
}

}  // namespace

ZQF_Glyph::ZQF_Glyph() : BoundingBox(UnsetPosition, UnsetPosition, 0, 0) {}

ZQF_Glyph::~ZQF_Glyph() {
  ZQF_ProcessGlyphActivityHooks(this);
  // No mouse message may be routed to a freed glyph. A destructor must not
  // throw: a failed release is only logged by its wrapper then.
  if (HasMouseCapture()) {
    try {
      ReleaseMouse();
    } catch (...) {
    }
  }
  DeleteChildren();
}

void ZQF_Glyph::InitializeSelf() { ZQ_ASSERT_TEXT(!IsInitialized(), "not IsInitialized()"); }

void ZQF_Glyph::SetChildrenEnabled(bool Enabled) {
  for (ZQF_Glyph* c = FirstChild; c; c = c->NextSibling) {
    if (c->IsEnabled() == Enabled) continue;
    c->SetSelfEnabled(Enabled);
    c->SetChildrenEnabled(Enabled);
  }
}

void ZQF_Glyph::DrawSelf(ZQF_Canvas&) {}
bool ZQF_Glyph::IsDrawable() const { return false; }
void ZQF_Glyph::UpdateMyDesiredSize() {}
void ZQF_Glyph::AcceptLayout() {}
bool ZQF_Glyph::IsResizeAnchor() const { return false; }

void ZQF_Glyph::Validate() {
  ValidateChildren();
  ValidateSelf();
}

void ZQF_Glyph::ValidateSelf() {}
bool ZQF_Glyph::MakeChildVisible(ZQF_Glyph*) { return false; }

void ZQF_Glyph::HandleCommand(ZQF_CommandMessage&, bool) {}
void ZQF_Glyph::HandleNotification(ZQF_NotificationMessage&, bool) {}
void ZQF_Glyph::HandleUpdate(ZQF_UpdateMessage&, bool) {}
void ZQF_Glyph::HandleGenericMessage(ZQF_GenericMessage&, bool) {}
void ZQF_Glyph::HandleMouseLeftDown(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseLeftDoubleClick(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseLeftUp(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseRightDown(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseRightDoubleClick(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseRightUp(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseMiddleDown(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseMiddleDoubleClick(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseMiddleUp(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseWheel(ZQF_WheelMouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseMove(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleMouseSetCursor(ZQF_MouseMessage&, bool) {}
void ZQF_Glyph::HandleFocusChange(ZQF_FocusChangeMessage&, bool) {}
void ZQF_Glyph::HandleKey(ZQF_KeyMessage&, bool) {}
void ZQF_Glyph::HandleKeyUp(ZQF_KeyMessage&, bool) {}

void ZQF_Glyph::HandleHelp(ZQF_HelpMessage& Message, bool SecondTry) {
  ZQF_Help_HandleHelpMessage(HelpTopics, Message, SecondTry);
}

void ZQF_Glyph::WriteDebugDescription(ZQ_TextStreamFormatter& Out) {
  Out << "Type = " << RunTimeClassName(*this);
  Out.NewLine();
  Out << "ID = ";
  WriteAddress(Out, this);
  Out.NewLine();
  WriteDesiredSizeLines(Out);
  Out << "BoundingBox = " << BoundingBox;
  Out.NewLine();
  Out << "Parent = ";
  WriteAddress(Out, Parent);
  Out << "   Sibling = ";
  WriteAddress(Out, NextSibling);
  Out << "   Focus Child = ";
  WriteAddress(Out, FocusChild);
  Out.NewLine();
  Out << "Children = ";
  for (ZQF_Glyph* c = FirstChild; c; c = c->NextSibling) {
    if (c != FirstChild) Out << ", ";
    WriteAddress(Out, c);
  }
  Out.NewLine();
}

void ZQF_Glyph::WriteDesiredSizeLines(ZQ_TextStreamFormatter& Out) const {
  // Describing a glyph is how one looks into a tree that went wrong, also
  // before its first layout.
  if (!DesiredSize.IsValid()) {
    Out << "Desired Size: none (no layout yet)";
    Out.NewLine();
    return;
  }
  DesiredSize.CheckConsistency();
  Out << "Desired Size: Natural = " << DesiredSize.Natural;
  Out.NewLine();
  Out << "              Minumum = " << DesiredSize.Minimum;
  Out.NewLine();
  Out << "              Maximum = " << DesiredSize.Maximum;
  Out.NewLine();
}

// --- Tree structure.

void ZQF_Glyph::LinkAtFront(ZQF_Glyph* Child) {
  Child->NextSibling = FirstChild;
  FirstChild = Child;
}

void ZQF_Glyph::AdoptChild(ZQF_Glyph* Child) {
  Child->Parent = this;
  if (IsDisabled()) Child->SetEnabled(false);
}

void ZQF_Glyph::AddChild(ZQF_Glyph* Child, bool AtEnd) {
  const bool wasEmpty = FirstChild == nullptr;
  if (AtEnd && !wasEmpty) {
    Child->NextSibling = nullptr;
    GetLastChild()->NextSibling = Child;
  } else {
    LinkAtFront(Child);
  }
  if (wasEmpty) FocusChild = Child;
  AdoptChild(Child);
}

ZQF_Glyph* ZQF_Glyph::FindPredecessor(ZQF_Glyph* Child) const {
  ZQF_Glyph* p = FirstChild;
  while (p && p->NextSibling != Child) p = p->NextSibling;
  ZQ_ASSERT_TEXT(p, "PreceedingSibling");
  return p;
}

void ZQF_Glyph::RelinkInPlaceOf(ZQF_Glyph* Child, ZQF_Glyph* Replacement) {
  if (FirstChild == Child) {
    FirstChild = Replacement;
  } else {
    FindPredecessor(Child)->NextSibling = Replacement;
  }
}

void ZQF_Glyph::RemoveChild(ZQF_Glyph* Child) {
  ZQ_ASSERT_TEXT(FirstChild, "Child");
  if (!FirstChild) return;
  if (FirstChild == Child) {
    FirstChild = Child->NextSibling;
  } else {
    ZQF_Glyph* predecessor = FindPredecessor(Child);
    if (!predecessor) return;
    predecessor->NextSibling = Child->NextSibling;
  }
  if (FocusChild == Child) FocusChild = nullptr;
  Child->Parent = nullptr;
  // A detached glyph must not lead into its former siblings.
  Child->NextSibling = nullptr;
}

void ZQF_Glyph::DeleteChild(ZQF_Glyph* Child) {
  RemoveChild(Child);
  delete Child;
}

void ZQF_Glyph::DeleteChildren() {
  while (ZQF_Glyph* child = FirstChild) {
    FirstChild = child->NextSibling;
    delete child;
  }
  FocusChild = nullptr;
}

void ZQF_Glyph::MoveChildToFront(ZQF_Glyph* Child, int Mode) {
  ZQ_ASSERT_TEXT(Child->Parent == this, "aChild->Parent == this");
  if (FirstChild == Child) return;
  if (Mode == 0) {
    RemoveChild(Child);
    AddChild(Child, false);
  } else if (Mode == 1) {
    ZQF_Glyph* predecessor = FindPredecessor(Child);
    if (!predecessor) return;
    ZQF_Glyph* last = GetLastChild();
    predecessor->NextSibling = nullptr;
    last->NextSibling = FirstChild;
    FirstChild = Child;
  } else {
    ZQ_ASSERT(false);
  }
}

void ZQF_Glyph::AddBeforeChild(ZQF_Glyph* NewChild, ZQF_Glyph* ExistingChild) {
  ZQ_ASSERT_TEXT(ExistingChild, "anExistingChild");
  if (!ExistingChild) return;
  if (ExistingChild == FirstChild) {
    AddChild(NewChild, false);
    return;
  }
  if (ZQF_Glyph* predecessor = FindPredecessor(ExistingChild)) {
    AddAfterChild(NewChild, predecessor);
  }
}

void ZQF_Glyph::AddAfterChild(ZQF_Glyph* NewChild, ZQF_Glyph* ExistingChild) {
  ZQ_ASSERT_TEXT(ExistingChild, "anExistingChild");
  if (!ExistingChild) return;
  NewChild->NextSibling = ExistingChild->NextSibling;
  ExistingChild->NextSibling = NewChild;
  ExistingChild->Parent->AdoptChild(NewChild);
}

void ZQF_Glyph::SpliceInToContain(ZQF_Glyph* ExistingGlyph) {
  ZQ_ASSERT_TEXT(ExistingGlyph, "anExistingGlyphToContain");
  if (!ExistingGlyph) return;
  ZQF_Glyph* parent = ExistingGlyph->Parent;
  ZQ_ASSERT_TEXT(parent, "anExistingGlyphToContain->Parent");
  if (!parent) return;
  NextSibling = ExistingGlyph->NextSibling;
  parent->RelinkInPlaceOf(ExistingGlyph, this);
  Parent = parent;
  LinkAtFront(ExistingGlyph);
  ExistingGlyph->Parent = this;
  FocusChild = ExistingGlyph;
  if (parent->FocusChild == ExistingGlyph) parent->FocusChild = this;
  if (parent->IsDisabled()) SetEnabled(false);
  BoundingBox = ExistingGlyph->BoundingBox;
  DesiredSize = ExistingGlyph->DesiredSize;
  QueueVisualStateUpdate();
}

void ZQF_Glyph::SpliceOut() {
  ZQ_ASSERT(Parent);
  if (!Parent) return;
  ZQF_Glyph* parent = Parent;
  ZQF_Glyph* replacement = NextSibling;
  if (FirstChild) {
    ZQF_Glyph* last = FirstChild;
    for (ZQF_Glyph* c = FirstChild; c; c = c->NextSibling) {
      c->Parent = parent;
      last = c;
    }
    last->NextSibling = NextSibling;
    replacement = FirstChild;
  }
  parent->RelinkInPlaceOf(this, replacement);
  if (parent->FocusChild == this) parent->FocusChild = FocusChild;
  parent->QueueVisualStateUpdate();
  Parent = FirstChild = NextSibling = FocusChild = nullptr;
}

ZQF_Glyph* ZQF_Glyph::GetLastChild() const {
  ZQF_Glyph* last = FirstChild;
  while (last && last->NextSibling) last = last->NextSibling;
  return last;
}

ZQF_Glyph* ZQF_Glyph::GetChildAfter(ZQF_Glyph* Child) const {
  ZQ_ASSERT_TEXT(IsDirectChildOf(Child, this), "IsDirectChildOf (aChild, this)");
  return Child->NextSibling;
}

ZQF_Glyph* ZQF_Glyph::GetChildBefore(ZQF_Glyph* Child) const {
  ZQ_ASSERT_TEXT(IsDirectChildOf(Child, this), "IsDirectChildOf (aChild, this)");
  return Child == FirstChild ? nullptr : FindPredecessor(Child);
}

ZQF_Glyph* ZQF_Glyph::GetRoot() {
  ZQF_Glyph* root = this;
  while (root->Parent) root = root->Parent;
  return root;
}

bool ZQF_Glyph::IsDirectChildOf(const ZQF_Glyph* Child, const ZQF_Glyph* Parent) {
  ZQ_ASSERT_TEXT(Parent != nullptr && Child != nullptr, "aParent != NULL and aChild != NULL");
  return Child && Child->Parent == Parent;
}

bool ZQF_Glyph::IsDescendantOf(const ZQF_Glyph* Child, const ZQF_Glyph* Parent) {
  ZQ_ASSERT_TEXT(Parent != nullptr && Child != nullptr, "aParent != NULL and aChild != NULL");
  for (const ZQF_Glyph* g = Child ? Child->Parent : nullptr; g; g = g->Parent) {
    if (g == Parent) return true;
  }
  return false;
}

bool ZQF_Glyph::IsAncestorOf(const ZQF_Glyph* Glyph) const {
  return IsDescendantOf(Glyph, this);
}

long ZQF_Glyph::CountNumberOfDirectChildren() const {
  long count = 0;
  for (ZQF_Glyph* c = FirstChild; c; c = c->NextSibling) ++count;
  return count;
}

ZQF_Glyph* ZQF_Glyph::GetChildAtPoint(long X, long Y) const {
  for (ZQF_Glyph* c = FirstChild; c; c = c->NextSibling) {
    if (c->ContainsPoint(X, Y)) return c;
  }
  return nullptr;
}

bool ZQF_Glyph::ContainsPoint(long X, long Y) const {
  return BoundingBox.X <= X && X < BoundingBox.X + BoundingBox.Width && BoundingBox.Y <= Y &&
         Y < BoundingBox.Y + BoundingBox.Height;
}

bool ZQF_Glyph::IsHiddenBySize() const {
  for (const ZQF_Glyph* g = this; g; g = g->Parent) {
    if (g->IsBoundingBoxEmpty()) return true;
  }
  return false;
}

ZQF_Glyph* ZQF_Glyph::SearchForChildControl(ZQF_Glyph* Glyph) {
  if (Glyph->IsBoundingBoxEmpty()) return nullptr;
  if (dynamic_cast<ZQF_ControlGlyph*>(Glyph)) return Glyph;
  for (ZQF_Glyph* c = Glyph->FirstChild; c; c = c->NextSibling) {
    if (ZQF_Glyph* control = SearchForChildControl(c)) return control;
  }
  return nullptr;
}

// --- Enabling and initialisation.

void ZQF_Glyph::SetSelfEnabled(bool Enabled) {
  if (Enabled) {
    Flags &= ~Flag_Disabled;
  } else {
    Flags |= Flag_Disabled;
  }
}

void ZQF_Glyph::SetEnabled(bool Enabled) {
  if (IsEnabled() == Enabled) return;
  SetSelfEnabled(Enabled);
  SetChildrenEnabled(Enabled);
  QueueVisualStateUpdate();
}

void ZQF_Glyph::Initialize() {
  if (IsInitialized()) return;
  InitializeSelf();
  Flags |= Flag_Initialized;
  for (ZQF_Glyph* c = FirstChild; c; c = c->NextSibling) c->Initialize();
}

// --- Windows and coordinates.

ZQF_Window* ZQF_Glyph::GetParentWindow() {
  ZQF_TopLevelGlyph* root = dynamic_cast<ZQF_TopLevelGlyph*>(GetRoot());
  return root ? root->GetContainingWindow() : nullptr;
}

HWND ZQF_Glyph::GetParentWindowHandle() {
  ZQF_Window* window = GetParentWindow();
  return window ? window->GetWindowHandle() : nullptr;
}

ZQ_Point<long> ZQF_Glyph::GlyphToWindow(const ZQ_Point<long>& P) const {
  return ZQ_Point<long>(P.X + BoundingBox.X, P.Y + BoundingBox.Y);
}

ZQ_Point<long> ZQF_Glyph::WindowToGlyph(const ZQ_Point<long>& P) const {
  return ZQ_Point<long>(P.X - BoundingBox.X, P.Y - BoundingBox.Y);
}

ZQ_Point<long> ZQF_Glyph::WindowToScreenOrSame(const ZQ_Point<long>& P, bool ToScreen) {
  const HWND window = GetParentWindowHandle();
  if (!window) return P;
  POINT point{P.X, P.Y};
  if (ToScreen) {
    ZQLOW_WINUSER::ClientToScreen(window, &point);
  } else {
    ZQLOW_WINUSER::ScreenToClient(window, &point);
  }
  return ZQ_Point<long>(point.x, point.y);
}

ZQ_Point<long> ZQF_Glyph::WindowToScreen(const ZQ_Point<long>& P) {
  return WindowToScreenOrSame(P, true);
}

ZQ_Point<long> ZQF_Glyph::ScreenToWindow(const ZQ_Point<long>& P) {
  return WindowToScreenOrSame(P, false);
}

ZQ_Point<long> ZQF_Glyph::GlyphToScreen(const ZQ_Point<long>& P) {
  return WindowToScreen(GlyphToWindow(P));
}

ZQ_Point<long> ZQF_Glyph::ScreenToGlyph(const ZQ_Point<long>& P) {
  return WindowToGlyph(ScreenToWindow(P));
}

namespace {

template <class Convert>
ZQ_Rectangle<long> MovedOrigin(const ZQ_Rectangle<long>& R, Convert Conversion) {
  const ZQ_Point<long> origin = Conversion(R.GetTopLeft());
  return ZQ_Rectangle<long>(origin.X, origin.Y, R.Width, R.Height);
}

}  // namespace

ZQ_Rectangle<long> ZQF_Glyph::GlyphToWindow(const ZQ_Rectangle<long>& R) const {
  return MovedOrigin(R, [this](const ZQ_Point<long>& P) { return GlyphToWindow(P); });
}

ZQ_Rectangle<long> ZQF_Glyph::WindowToGlyph(const ZQ_Rectangle<long>& R) const {
  return MovedOrigin(R, [this](const ZQ_Point<long>& P) { return WindowToGlyph(P); });
}

ZQ_Rectangle<long> ZQF_Glyph::WindowToScreen(const ZQ_Rectangle<long>& R) {
  return MovedOrigin(R, [this](const ZQ_Point<long>& P) { return WindowToScreen(P); });
}

ZQ_Rectangle<long> ZQF_Glyph::ScreenToWindow(const ZQ_Rectangle<long>& R) {
  return MovedOrigin(R, [this](const ZQ_Point<long>& P) { return ScreenToWindow(P); });
}

ZQ_Rectangle<long> ZQF_Glyph::GlyphToScreen(const ZQ_Rectangle<long>& R) {
  return MovedOrigin(R, [this](const ZQ_Point<long>& P) { return GlyphToScreen(P); });
}

ZQ_Rectangle<long> ZQF_Glyph::ScreenToGlyph(const ZQ_Rectangle<long>& R) {
  return MovedOrigin(R, [this](const ZQ_Point<long>& P) { return ScreenToGlyph(P); });
}

ZQ_Point<long> ZQF_Glyph::GetCurrentMouseLocation() {
  if (!GetParentWindowHandle()) return ZQ_Point<long>(ZQ_NoMatch, ZQ_NoMatch);
  POINT cursor;
  ZQLOW_WINUSER::GetCursorPos(&cursor);
  return ScreenToGlyph(ZQ_Point<long>(cursor.x, cursor.y));
}

// --- Help topics.

void ZQF_Glyph::AddHelpTopic(const ZQ_String& Topic, int Number) {
  ZQF_Help_AppendTopic(HelpTopics, Topic, Number);
}

void ZQF_Glyph::AppendHelpTopics(const ZQ_String& Topics) {
  if (!HelpTopics.IsEmpty()) HelpTopics += ";";
  HelpTopics += Topics;
}

bool ZQF_DrawableGlyph::IsDrawable() const { return true; }

bool ZQF_OrganizationalGlyph::IsDrawable() const { return false; }
