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
#include "ZQXML_NodeKinds.h"

inline ZQ_FileName HelpTestFile(const std::string& Name) {
  return ZQ_FileName((std::string(ZQ_HELP_TEST_DATA_DIR) + "\\" + Name).c_str());
}

// The id of a section node; "" for the document node.
inline std::string SectionId(const ZQXML_Node* Section) {
  return Section ? Section->GetAttributeValue("id", ZQ_String()).GetText() : "(null)";
}

// Counts the beeps while it lives.
class BeepCounter {
 public:
  int count = 0;

 private:
  ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::MessageBeep> fake{[this](UINT) {
    ++count;
    return TRUE;
  }};
};

class BrowserTest : public WindowTest {
 protected:
  ZQFOxZQF_DocumentBrowserGlyph* OpenBrowser(const ZQFO_Document& Document,
                                             const std::string& Topic = "", long Width = 800,
                                             long Height = 500) {
    browser = new ZQFOxZQF_DocumentBrowserGlyph(Document, Topic.c_str());
    window = OpenAround(browser, ZQ_Rectangle<long>(60, 60, Width, Height));
    return browser;
  }
  ZQFOxZQF_DocumentBrowserGlyph* OpenGuide(const std::string& Topic = "") {
    return OpenBrowser(ZQF_HelpDialogBox_GetHelpFormattingDoc(HelpTestFile("Guide.rxl")), Topic);
  }
  // A section entry of the contents tree chosen as the user does: focus,
  // selection and the list's notification.
  void ChooseSection(const std::string& Id) {
    ZQF_ListGlyph* list = browser->GetTOCList();
    for (ZQF_ListGlyphElement* e = list->GetFirstRoot(); e; e = list->GetNext(e, 0)) {
      auto* entry = static_cast<ZQFOxZQF_DocumentBrowserGlyph_ListElement_TOC*>(e);
      if (SectionId(entry->GetSection()) != Id) continue;
      list->OpenToRoot(e);
      list->SetFocus(e);
      list->Select(e, true);
      list->DispatchListChangeNotification(ZQF_ListGlyph::ListChange_Mouse);
      Repaint();
      return;
    }
    ADD_FAILURE() << "no contents entry " << Id;
  }
  void Repaint() {
    ::InvalidateRect(window->GetWindowHandle(), nullptr, FALSE);
    ::UpdateWindow(window->GetWindowHandle());
    PumpMessages();
  }
  std::string Shown() const { return SectionId(browser->GetLastSectionNodeDisplayed()); }
  // Routes a key-down as the window does, from its top-level glyph.
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
