// MenuTestSupport.h: what the menu tests share: a Windows menu described
// as text, short ways to make and place elements, and a glyph that answers
// the standard edit commands the menus send; a captioned window with an
// Edit and a View menu for the window tests.
#ifndef MENU_TEST_SUPPORT_H
#define MENU_TEST_SUPPORT_H

#include <string>

#include "GlyphTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_ContextSensitiveMenuMessage.h"
#include "ZQF_MainMenu.h"
#include "ZQF_MenuElement.h"
#include "ZQF_Metrics.h"
#include "ZQF_ParentMenuElement.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_Window.h"
#include "ZQ_StringStream.h"

// The items of Menu, "|" between them: "-" a separator, "Text(...)" a
// submenu with its items.
inline std::string Describe(HMENU Menu) {
  std::string out;
  const int count = ::GetMenuItemCount(Menu);
  for (int i = 0; i < count; ++i) {
    char text[64] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = sizeof text;
    ::GetMenuItemInfoA(Menu, i, TRUE, &info);
    if (i > 0) out += "|";
    if (info.fType & MFT_SEPARATOR) {
      out += "-";
    } else {
      out += text;
      if (info.hSubMenu) out += "(" + Describe(info.hSubMenu) + ")";
    }
  }
  return out;
}

inline ZQF_StandardTextMenuElement* Item(const char* Text) {
  return new ZQF_StandardTextMenuElement(Text, nullptr, nullptr);
}

inline ZQF_MenuElement* Last(ZQF_MenuElement* Parent, ZQF_MenuElement* Child) {
  ZQF_MenuElement::Add(Parent, Child, ZQF_MenuElement::Position_LastChild);
  return Child;
}

// The glyph commands and queries are sent from: answers Cut as enabled and
// Copy as disabled, ignores Paste; records the commands it receives and the
// trace stack at that moment; offers a "Cu&t" item to right-click menus
// when told to.
class MenuTarget : public RecordingGlyph {
 public:
  // A box, as command routing passes glyphs without one by.
  MenuTarget() : RecordingGlyph("target", nullptr) {
    SetBox(0, 0, 10, 10);
    OnOffer = [this](ZQF_Message& Message, bool SecondTry) {
      if (SecondTry) return;
      if (auto* menu = dynamic_cast<ZQF_ContextSensitiveMenuMessage*>(&Message)) {
        if (OffersContextItem) {
          menu->AddElement(new ZQF_StandardTextMenuElement("Cu&t", new ZQF_CutCommandMessage,
                                                           nullptr),
                           2, 1);
        }
      } else if (auto* update = dynamic_cast<ZQF_StandardCommandUpdateMessage*>(&Message)) {
        if (dynamic_cast<ZQF_PasteCommandUpdateMessage*>(update)) return;
        update->SetEnabled(dynamic_cast<ZQF_CutCommandUpdateMessage*>(update) != nullptr);
        update->SetHandled();
      } else if (dynamic_cast<ZQF_CutCommandMessage*>(&Message)) {
        ++NumCuts;
        ZQ_StringStream out;
        ZQ_StackTrace_Dump(out);
        Trace = out.GetText();
        Message.SetHandled();
      }
    };
  }
  void DrawSelf(ZQF_Canvas& Canvas) override {
    Canvas.Fill(GetLocalBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  }

  bool OffersContextItem = false;
  int NumCuts = 0;
  std::string Trace;
};

// A captioned window, so that it can carry a menu bar.
class MenuBarWindow : public ZQF_Window {
 public:
  using ZQF_Window::ZQF_Window;
  DWORD Cust_GetWindowStyle() override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; }
};

// Edit: Cut (answered enabled) and Paste (unanswered); View: Refresh.
class EditMenu : public ZQF_MainMenu {
 public:
  using ZQF_MainMenu::ZQF_MainMenu;
  void BuildSubmenus(ZQF_RootGroupMenuElement* Root) override {
    Edit = Last(Root, new ZQF_SubmenuParentMenuElement("&Edit"));
    FillEdit();
    Last(Last(Root, new ZQF_SubmenuParentMenuElement("&View")), Item("&Refresh"));
  }
  void FillEdit() {
    Last(Edit, new ZQF_StandardTextMenuElement("Cu&t", new ZQF_CutCommandMessage,
                                               new ZQF_CutCommandUpdateMessage));
    Last(Edit, new ZQF_StandardTextMenuElement("&Paste", new ZQF_PasteCommandMessage,
                                               new ZQF_PasteCommandUpdateMessage));
  }
  ZQF_MenuElement* Edit = nullptr;
};

#endif
