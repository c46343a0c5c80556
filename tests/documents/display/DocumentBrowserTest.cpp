// The document browser in real windows: the contents tree, showing ids and
// sections, the history, keys, commands and updates, the pane options.
#include <cmath>

#include "HelpTestSupport.h"
#include "ZQFO_TableOfContents.h"
#include "ZQF_HorizontalAdjustablePaneGlyph.h"
#include "ZQF_TabSelectableClientGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQR_Clipboard.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_RegistryValueItems.h"

namespace {

std::string Blocks(const std::string& Body) {
  return "<zqfo_document><zqfo_section><zqfo_blockstream>" + Body +
         "</zqfo_blockstream></zqfo_section></zqfo_document>";
}

// The contents tree as text: "Root{A{A1},B}"; "+" marks an open entry.
std::string TreeText(ZQF_ListGlyphElement* First) {
  std::string text;
  for (ZQF_ListGlyphElement* e = First; e; e = e->GetNextSibling()) {
    if (!text.empty()) text += ",";
    text += static_cast<ZQFOxZQF_DocumentBrowserGlyph_ListElement_TOC*>(e)->GetText().GetText();
    if (e->IsOpen()) text += "+";
    if (e->GetFirstChild()) text += "{" + TreeText(e->GetFirstChild()) + "}";
  }
  return text;
}

const std::string kNested = Blocks(
    "<zqfo_blockgroup toc='true' tocname='A' id='a'><zqfo_para>a</zqfo_para>"
    "<zqfo_blockgroup><zqfo_blockgroup toc='true' tocname='A1' id='a1'><zqfo_para>x</zqfo_para>"
    "</zqfo_blockgroup></zqfo_blockgroup></zqfo_blockgroup>"
    "<zqfo_blockgroup toc='true' id='b'><zqfo_para>The   B  section</zqfo_para></zqfo_blockgroup>");

}  // namespace

TEST_F(BrowserTest, ContentsTreeNestsSectionsUnderTheNearestSection) {
  const struct {
    const char* why;
    std::string markup;
    const char* name;
    const char* tree;
    const char* first;
  } kCases[] = {
      {"a section in a plain group sits under the enclosing section", kNested, "",
       "Document+{A{A1},The B section}", "a"},
      {"the named document names the root", kNested, "Guide", "Guide+{A{A1},The B section}", "a"},
      {"no sections: the root alone", Paragraphs(3), "", "Document", "(null)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQFO_Document document = MakeDisplayDocument(c.markup);
    document.SetName(c.name);
    OpenBrowser(document);
    EXPECT_EQ(TreeText(browser->GetTOCList()->GetFirstRoot()), c.tree);
    EXPECT_EQ(SectionId(browser->GetFirstTOCSection()), c.first);
    // The root entry has the focus and the selection, and is shown.
    EXPECT_EQ(browser->GetTOCList()->GetFocusElement(), browser->GetTOCList()->GetFirstRoot());
    EXPECT_TRUE(browser->GetTOCList()->GetFirstRoot()->IsSelected());
    EXPECT_EQ(browser->GetLastSectionNodeDisplayed(),
              document.GetFormattingObjectsTree().GetRootNode());
  }
}

TEST_F(BrowserTest, ShowIdOpensTheSectionHoldingTheElement) {
  const ZQFO_Document guide = ZQF_HelpDialogBox_GetHelpFormattingDoc(HelpTestFile("Guide.rxl"));
  const ZQFO_Document flat = MakeDisplayDocument(Paragraphs(3));
  const struct {
    const char* why;
    const ZQFO_Document* document;
    const char* id;
    const char* shown;  // "" the whole document
    int beeps;
  } kCases[] = {
      {"a section id", &guide, "ZQF_Help_id", "ZQF_Help_id", 0},
      {"an id inside a section's content", &guide, "para_deep", "ZQF_ApplicationMainWindow_id", 0},
      {"an id outside every section", &guide, "guide", "", 0},
      {"an unknown id beeps and changes nothing", &guide, "nowhere", "app_formulas", 1},
      {"the first chapter", &guide, "MockId_FirstChapter", "ch_start", 0},
      {"no first chapter without sections", &flat, "MockId_FirstChapter", "", 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    OpenBrowser(*c.document, c.document == &guide ? "app_formulas" : "");
    BeepCounter beeps;
    browser->ShowId(c.id, true);
    Repaint();
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(beeps.count, c.beeps);
    EXPECT_EQ(browser->GetBackHistoryLength(), c.beeps ? 0 : 1);
  }
  // The element's top edge lies 1 mm below the top of the view.
  OpenBrowser(guide);
  browser->ShowId("para_deep", false);
  Repaint();
  ZQFO_ContentArea_SearchResult area;
  browser->GetDocumentDisplay()->GetRenderer().SearchForContentAreaById("para_deep", area);
  ASSERT_TRUE(area.Found);
  EXPECT_NEAR(browser->GetDocumentDisplay()->GetScrollAmountInMillimeters().Y,
              area.Rectangle.Y + area.Rectangle.Height + 1.0, 0.5);
}

TEST_F(BrowserTest, TheShownSectionKeepsItsAncestorsAttributesAndDropsItsSiblings) {
  OpenBrowser(MakeDisplayDocument(Blocks(
      "<zqfo_blockgroup font_height='20 pt'><zqfo_blockgroup toc='true' id='x'><zqfo_para>x"
      "</zqfo_para></zqfo_blockgroup><zqfo_blockgroup toc='true' id='y'><zqfo_para>y</zqfo_para>"
      "</zqfo_blockgroup></zqfo_blockgroup>")));
  browser->ShowId("x", false);
  const ZQXML_Tree& shown = browser->GetDocumentDisplay()->GetInputDocument().GetFormattingObjectsTree();
  const ZQXML_Node* x = shown.FindElementById("x");
  ASSERT_TRUE(x);
  EXPECT_FALSE(shown.FindElementById("y"));
  EXPECT_EQ(std::string(x->GetParent()->GetAttributeValue("font_height", "").GetText()), "20 pt");
}

TEST_F(BrowserTest, HistoryMovesViewsBetweenTheStacksWithoutLosingOne) {
  const struct {
    const char* why;
    std::vector<std::string> actions;  // section ids, "<" back, ">" forward
    const char* shown;
    long back, forward;
  } kCases[] = {
      {"three sections", {"ch_start", "ZQF_Help_id", "app_formulas"}, "app_formulas", 3, 0},
      {"back twice", {"ch_start", "ZQF_Help_id", "app_formulas", "<", "<"}, "ch_start", 1, 2},
      {"then forward", {"ch_start", "ZQF_Help_id", "app_formulas", "<", "<", ">"}, "ZQF_Help_id", 2, 1},
      {"a new section clears forward", {"ch_start", "ZQF_Help_id", "<", "app_formulas"}, "app_formulas", 2, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    OpenGuide();
    for (const std::string& action : c.actions) {
      if (action == "<")
        browser->BrowseBack();
      else if (action == ">")
        browser->BrowseForward();
      else
        ChooseSection(action);
    }
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(browser->GetBackHistoryLength(), c.back);
    EXPECT_EQ(browser->GetForwardHistoryLength(), c.forward);
  }
  // More than one chunk of history keeps every entry.
  OpenGuide();
  for (int i = 0; i < 25; ++i) ChooseSection(i % 2 ? "ch_start" : "app_formulas");
  for (int i = 0; i < 25; ++i) browser->BrowseBack();
  EXPECT_FALSE(browser->CanBrowseBack());
  EXPECT_EQ(browser->GetForwardHistoryLength(), 25);
  EXPECT_EQ(Shown(), "");
}

TEST_F(BrowserTest, BackRestoresTheScrollOnlyAtTheSameDisplaySize) {
  for (const bool resized : {false, true}) {
    SCOPED_TRACE(resized ? "resized before going back" : "same size");
    OpenGuide();
    ChooseSection("ZQF_ApplicationMainWindow_id");
    ZQFOxZQF_DocumentDisplayGlyph* display = browser->GetDocumentDisplay();
    display->ScrollPageDown();
    Repaint();
    const long scrolled = display->GetVerticalScrollBar()->GetSliderPosition();
    ASSERT_GT(scrolled, 0);
    ChooseSection("ch_start");
    if (resized) ::SetWindowPos(window->GetWindowHandle(), nullptr, 0, 0, 700, 450, SWP_NOMOVE | SWP_NOZORDER);
    browser->BrowseBack();
    Repaint();
    EXPECT_EQ(Shown(), "ZQF_ApplicationMainWindow_id");
    EXPECT_EQ(display->GetVerticalScrollBar()->GetSliderPosition(), resized ? 0 : scrolled);
  }
}

TEST_F(BrowserTest, FollowedIdLinksOpenTheirSectionAndRecordHistory) {
  OpenGuide("ZQF_ApplicationMainWindow_id");
  browser->GetDocumentDisplay()->JumpToElementWithID("ch_start", true);
  Repaint();
  EXPECT_EQ(Shown(), "ch_start");
  EXPECT_EQ(browser->GetBackHistoryLength(), 1);
  PressKey(ZQF_Key_Backspace, false, false, false);
  EXPECT_EQ(Shown(), "ZQF_ApplicationMainWindow_id");
}

TEST_F(BrowserTest, KeysAreTheBrowsersEvenWithAnEmptyHistory) {
  OpenGuide("ch_start");
  const struct {
    const char* why;
    ZQF_KeyCode code;
    bool shift, control, alt;
    long visibility;  // after the key
  } kCases[] = {
      {"Backspace", ZQF_Key_Backspace, false, false, false, 2},
      {"Shift+Backspace", ZQF_Key_Backspace, true, false, false, 2},
      {"Ctrl+B", 'B', false, true, false, 2},
      {"Ctrl+Shift+b", 'b', true, true, false, 2},
      {"Ctrl+T hides the contents", 'T', false, true, false, 1},
      {"Ctrl+t shows them again", 't', false, true, false, 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(PressKey(c.code, c.shift, c.control, c.alt), browser);
    EXPECT_EQ(browser->GetPaneGlyph()->GetPaneVisibility(), c.visibility);
    EXPECT_EQ(Shown(), "ch_start");
  }
}

TEST_F(BrowserTest, UpdatesAnswerTheHistoryAndCommandsBrowseIt) {
  OpenGuide("ch_start");
  ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandUpdateMessage back;
  ZQFOxZQF_DocumentBrowserGlyph_BrowseForwardCommandUpdateMessage forward;
  ZQFOxZQF_DocumentBrowserGlyph_BrowseNextCommandUpdateMessage next;
  const auto answer = [&](ZQF_StandardCommandUpdateMessage& Update) {
    Update.Reset();
    window->GetTopLevelGlyph()->Dispatch(Update);
    return Update.IsAvailable();
  };
  EXPECT_FALSE(answer(back));
  EXPECT_FALSE(answer(forward));
  EXPECT_TRUE(answer(next));
  ChooseSection("app_formulas");
  EXPECT_TRUE(answer(back));
  ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandMessage command;
  window->GetTopLevelGlyph()->Dispatch(command);
  EXPECT_EQ(Shown(), "ch_start");
  EXPECT_TRUE(answer(forward));
}

TEST_F(BrowserTest, AltBackquoteCopiesTheSectionIdOrBeeps) {
  OpenGuide("ZQF_Help_id");
  ZQR_Clipboard::SetContents("before");
  EXPECT_EQ(PressKey(0x60, false, false, true), browser);
  EXPECT_EQ(std::string(ZQR_Clipboard::GetContentsAsText().GetText()), "ZQF_Help_id");
  // The real keystroke: Windows translates Alt+` into the character 0x60.
  ZQR_Clipboard::SetContents("before");
  SetModifierKeys(false, false, true);
  const LPARAM altDown = (1 << 29) | (0x29 << 16) | 1;
  ::PostMessageA(window->GetWindowHandle(), WM_SYSKEYDOWN, VK_OEM_3, altDown);
  PumpMessages();
  SetModifierKeys(false, false, false);
  EXPECT_EQ(std::string(ZQR_Clipboard::GetContentsAsText().GetText()), "ZQF_Help_id");
  BeepCounter beeps;
  browser->ShowEntireDocument(false);  // the root entry: no element, no id
  PressKey(0x60, false, false, true);
  EXPECT_EQ(beeps.count, 1);
}

TEST_F(BrowserTest, PaneOptionsLoadClampedAndSaveWhatIsShown) {
  const struct {
    const char* why;
    double position;  // NAN: not stored
    long visibility;  // -99: not stored
    double wantPosition;
    long wantVisibility;
  } kCases[] = {
      {"defaults", NAN, -99, 0.3, 2},
      {"0.01 loads as 0.05", 0.01, 1, 0.05, 1},
      {"0.99 loads as 0.95", 0.99, 0, 0.95, 0},
      {"minus five", -5.0, 2, 0.05, 2},
      {"infinity and 7", INFINITY, 7, 0.3, 2},
      {"visibility -1", 0.5, -1, 0.5, 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    OpenGuide();
    ZQ_RegistryFolder folder;
    if (!std::isnan(c.position)) ZQ_SetDouble(folder, "DocPaneSplitterPosition", c.position);
    if (c.visibility != -99) ZQ_SetInt32(folder, "PaneVisibility", c.visibility);
    browser->LoadPersistentOptions(folder);
    EXPECT_DOUBLE_EQ(browser->GetPaneGlyph()->GetPaneSplitterPosition(), c.wantPosition);
    EXPECT_EQ(browser->GetPaneGlyph()->GetPaneVisibility(), c.wantVisibility);
    ZQ_RegistryFolder saved;
    browser->SavePersistentOptions(saved);
    EXPECT_DOUBLE_EQ(ZQ_GetDouble(saved, "DocPaneSplitterPosition", -1), c.wantPosition);
    EXPECT_EQ(ZQ_GetInt32(saved, "PaneVisibility", -1), c.wantVisibility);
  }
  ZQ_RegistryFolder text;
  ZQ_SetString(text, "DocPaneSplitterPosition", "wide");
  OpenGuide();
  browser->LoadPersistentOptions(text);
  EXPECT_DOUBLE_EQ(browser->GetPaneGlyph()->GetPaneSplitterPosition(), 0.3);
}

TEST_F(BrowserTest, TopicsOfInterestListOnlySections) {
  OpenGuide();
  browser->AddTopicOfInterest("para_start");  // not a section: nothing, no tab
  EXPECT_EQ(browser->GetRelevantTopicsList(), nullptr);
  browser->AddTopicOfInterest("ZQF_DialogBoxes_id");
  browser->AddTopicOfInterest("app_formulas");
  browser->AddTopicOfInterest("nowhere");
  ZQF_ListGlyph* topics = browser->GetRelevantTopicsList();
  ASSERT_TRUE(topics);
  EXPECT_EQ(TreeText(topics->GetFirstRoot()), "Dialog Boxes,Formulas");
  EXPECT_TRUE(topics->GetFirstRoot()->IsSelected());
  EXPECT_TRUE(topics->IsOnFocusPath());
  EXPECT_EQ(Shown(), "ZQF_DialogBoxes_id");
  EXPECT_EQ(browser->GetBackHistoryLength(), 0);
}
