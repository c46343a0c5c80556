#include "ZQF_MenuElement.h"

#include "ZQF_ApplicationLink.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Array.h"
#include "ZQ_Assertion.h"
#include "ZQ_Hasher.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

unsigned long s_lastSerialNumber = 0;

void WriteLine(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation, const char* Text) {
  Out << Indentation << Text;
  Out.NewLine();
}

}  // namespace

ZQF_MenuElement::ZQF_MenuElement() : SerialNumber(++s_lastSerialNumber) {}

ZQF_MenuElement::~ZQF_MenuElement() { DeleteChildren(); }

void ZQF_MenuElement::CreateAndAppendShadowElement(HMENU Menu) {
  for (ZQF_MenuElement* child = FirstChild; child; child = child->NextSibling) {
    child->CreateAndAppendShadowElement(Menu);
  }
}

void ZQF_MenuElement::Update(HMENU Menu) {
  for (ZQF_MenuElement* child = FirstChild; child; child = child->NextSibling) {
    child->Update(Menu);
  }
}

void ZQF_MenuElement::UpdateHash(ZQ_Hasher& Hasher) { Hasher << SerialNumber; }

void ZQF_MenuElement::DumpSelf(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation) {
  WriteLine(Out, Indentation, "Menu Element");
}

void ZQF_MenuElement::Add(ZQF_MenuElement* Reference, ZQF_MenuElement* NewElement, int Position) {
  switch (Position) {
    case Position_FirstChild:
      Reference->InsertFirst(NewElement);
      return;
    case Position_LastChild: {
      ZQF_MenuElement* last = Reference->FirstChild;
      while (last && last->NextSibling) last = last->NextSibling;
      if (last) {
        Reference->InsertAfter(last, NewElement);
      } else {
        Reference->InsertFirst(NewElement);
      }
      return;
    }
    case Position_Before: {
      ZQF_MenuElement* parent = Reference->Parent;
      ZQ_ASSERT_TEXT(parent, "Parent");
      if (!parent) return;
      if (parent->FirstChild == Reference) {
        parent->InsertFirst(NewElement);
        return;
      }
      ZQF_MenuElement* PreceedingSibling = parent->FirstChild;
      while (PreceedingSibling && PreceedingSibling->NextSibling != Reference) {
        PreceedingSibling = PreceedingSibling->NextSibling;
      }
      ZQ_ASSERT(PreceedingSibling);
      if (PreceedingSibling) parent->InsertAfter(PreceedingSibling, NewElement);
      return;
    }
    case Position_After: {
      ZQF_MenuElement* parent = Reference->Parent;
      ZQ_ASSERT_TEXT(parent, "Parent");
      if (parent) parent->InsertAfter(Reference, NewElement);
      return;
    }
    default:
      ZQ_ASSERT(false);
  }
}

void ZQF_MenuElement::InsertFirst(ZQF_MenuElement* NewElement) {
  NewElement->Parent = this;
  NewElement->NextSibling = FirstChild;
  FirstChild = NewElement;
}

void ZQF_MenuElement::InsertAfter(ZQF_MenuElement* Previous, ZQF_MenuElement* NewElement) {
  NewElement->Parent = this;
  NewElement->NextSibling = Previous->NextSibling;
  Previous->NextSibling = NewElement;
}

void ZQF_MenuElement::DeleteChildren() {
  while (FirstChild) {
    ZQF_MenuElement* child = FirstChild;
    FirstChild = child->NextSibling;
    delete child;
  }
}

ZQF_RootGroupMenuElement* ZQF_MenuElement::GetRootMenuElement() {
  ZQF_MenuElement* top = this;
  while (top->Parent) top = top->Parent;
  ZQF_RootGroupMenuElement* Root = dynamic_cast<ZQF_RootGroupMenuElement*>(top);
  ZQ_ASSERT(Root);
  return Root;
}

ZQF_Glyph* ZQF_MenuElement::GetCommandDispatchTarget() {
  ZQF_RootGroupMenuElement* root = GetRootMenuElement();
  if (root && root->GetTarget()) return root->GetTarget();
  ZQF_Window* MainWindow = ZQF_ApplicationLink_GetMainWindow();
  // Without one there is nobody to send the command to.
  ZQ_ASSERT(MainWindow);
  if (!MainWindow) return nullptr;
  return MainWindow->GetTopLevelGlyph();
}

ZQ_UID ZQF_MenuElement::GenerateHash() {
  ZQ_Hasher hasher;
  UpdateHashOfTree(hasher);
  return hasher.GetHash();
}

void ZQF_MenuElement::UpdateHashOfTree(ZQ_Hasher& Hasher) {
  UpdateHash(Hasher);
  for (ZQF_MenuElement* child = FirstChild; child; child = child->NextSibling) {
    child->UpdateHashOfTree(Hasher);
  }
}

void ZQF_MenuElement::AddTag(ZQ_Hasher& Hasher, unsigned short Tag) { Hasher << Tag; }

void ZQF_GroupMenuElement::DumpSelf(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation) {
  WriteLine(Out, Indentation, "Group Menu Element");
}

// Working from the last block back keeps the recorded positions of the
// earlier blocks valid while separators go in.
void ZQF_SeparatedGroupMenuElement::CreateAndAppendShadowElement(HMENU Menu) {
  ZQ_AutosizeArray<int> counts;
  long numCounts = 0;
  counts[numCounts++] = ZQLOW_WINUSER::GetMenuItemCount(Menu);
  for (ZQF_MenuElement* child = GetFirstChild(); child; child = child->GetNextSibling()) {
    child->CreateAndAppendShadowElement(Menu);
    counts[numCounts++] = ZQLOW_WINUSER::GetMenuItemCount(Menu);
  }
  for (long i = numCounts - 1; i > 0; --i) {
    const int start = counts[i - 1];
    if (counts[i] != start && start != 0) {
      ZQLOW_WINUSER::InsertMenuA(Menu, static_cast<UINT>(start), MF_BYPOSITION | MF_SEPARATOR, 0,
                                 nullptr);
    }
  }
}

void ZQF_SeparatedGroupMenuElement::DumpSelf(ZQ_TextStreamFormatter& Out,
                                             const ZQ_String& Indentation) {
  WriteLine(Out, Indentation, "Separated Group Menu Element");
}

void ZQF_RootGroupMenuElement::DumpSelf(ZQ_TextStreamFormatter& Out,
                                        const ZQ_String& Indentation) {
  WriteLine(Out, Indentation, "Root Group Menu Element");
}
