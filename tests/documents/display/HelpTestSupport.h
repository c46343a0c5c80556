// HelpTestSupport.h: the help files of tests/documents/display/data, beeps
// counted through the foundation's replaceable MessageBeep, and document
// browsers in real windows under Xvfb.
#ifndef HELP_TEST_SUPPORT_H
#define HELP_TEST_SUPPORT_H

#include <string>

#include "DocumentDisplayTestSupport.h"
#include "ZQFOxZQF_DocumentBrowserGlyph.h"
#include "ZQF_HelpDialogBox.h"
#include "ZQF_ListGlyph.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQXML_Node.h"

inline ZQ_FileName HelpTestFile(const std::string& Name) {
  return ZQ_FileName((std::string(ZQ_HELP_TEST_DATA_DIR) + "\\" + Name).c_str());
}

// The id of a section node; "" for the document node.
inline std::string SectionId(const ZQXML_Node* Section) {
  return Section ? Section->GetAttributeValue("id", ZQ_String()).GetText() : "(null)";
}

struct BeepCounter {
  int count = 0;
  ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::MessageBeep> fake{[this](UINT) { return ++count; }};
};

class BrowserTest : public WindowTest {
 protected:
  ZQFOxZQF_DocumentBrowserGlyph* OpenBrowser(const ZQFO_Document& Document,
                                             const std::string& Topic = "") {
    browser = new ZQFOxZQF_DocumentBrowserGlyph(Document, Topic.c_str());
    window = OpenAround(browser, ZQ_Rectangle<long>(60, 60, 800, 500));
    return browser;
  }
  void OpenGuide(const std::string& Topic = "") {
    OpenBrowser(ZQF_HelpDialogBox_GetHelpFormattingDoc(HelpTestFile("Guide.rxl")), Topic);
  }
  // Chooses a contents entry as the user does: focus, selection, notification.
  void ChooseSection(const std::string& Id) {
    ZQF_ListGlyph* list = browser->GetTOCList();
    for (ZQF_ListGlyphElement* e = list->GetFirstRoot(); e; e = list->GetNext(e, 0)) {
      if (SectionId(static_cast<ZQFOxZQF_DocumentBrowserGlyph_ListElement_TOC*>(e)->GetSection()) !=
          Id)
        continue;
      list->OpenToRoot(e);
      list->SetFocus(e);
      list->Select(e, true);
      list->DispatchListChangeNotification(ZQF_ListGlyph::ListChange_Mouse);
      return Repaint();
    }
    ADD_FAILURE() << "no contents entry " << Id;
  }
  void Repaint() {
    ::InvalidateRect(window->GetWindowHandle(), nullptr, FALSE);
    ::UpdateWindow(window->GetWindowHandle());
    PumpMessages();
  }
  std::string Shown() const { return SectionId(browser->GetLastSectionNodeDisplayed()); }
  // Routes a key-down from the window's top-level glyph; the handling glyph.
  ZQF_Glyph* PressKey(ZQF_KeyCode Code, bool Shift, bool Control, bool Alt) {
    ZQF_DownKeyMessage message(Code, Shift, Control, Alt);
    window->GetTopLevelGlyph()->Dispatch(message);
    Repaint();
    return message.IsHandled() ? message.GetHandlingGlyph() : nullptr;
  }

  ZQFOxZQF_DocumentBrowserGlyph* browser = nullptr;
  ZQF_Window* window = nullptr;
};

#endif
