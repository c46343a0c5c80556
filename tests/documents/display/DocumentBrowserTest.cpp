// The document browser in real windows: the contents tree, showing ids and
// sections, the history, keys, commands and updates, the pane options.
#include <cmath>
#include <sstream>

#include "HelpTestSupport.h"
#include "ZQF_HorizontalAdjustablePaneGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQR_Clipboard.h"
#include "ZQ_RegistryValueItems.h"

namespace {

// The entries as text: "Root+{A{A1},B}"; "+" marks an open entry.
std::string TreeText(ZQF_ListGlyphElement* First) {
  using Entry = ZQFOxZQF_DocumentBrowserGlyph_ListElement_TOC;
  std::string text;
  for (ZQF_ListGlyphElement* e = First; e; e = e->GetNextSibling()) {
    text += (text.empty() ? "" : ",") + std::string(static_cast<Entry*>(e)->GetText().GetText());
    text += e->IsOpen() ? "+" : "";
    if (e->GetFirstChild()) text += "{" + TreeText(e->GetFirstChild()) + "}";
  }
  return text;
}

const std::string kNested = Document(
    "<zqfo_blockgroup font_height='20 pt'><zqfo_blockgroup toc='true' tocname='A' "
    "id='a'><zqfo_para>a"
    "</zqfo_para><zqfo_blockgroup><zqfo_blockgroup toc='true' tocname='A1' id='a1'><zqfo_para>x"
    "</zqfo_para></zqfo_blockgroup></zqfo_blockgroup></zqfo_blockgroup></zqfo_blockgroup>"
    "<zqfo_blockgroup toc='true' id='b'><zqfo_para>The   B  section</zqfo_para></zqfo_blockgroup>");

}  // namespace

TEST_F(BrowserTest, ContentsTreeNestsSectionsUnderTheNearestSection) {
  const struct {
    const char* why;
    std::string markup;
    const char *name, *tree, *first;
  } kCases[] = {
      {"sections in plain groups sit under the nearest section", kNested, "",
       "Document+{A{A1},The B section}", "a"},
      {"a named document names the root", kNested, "Guide", "Guide+{A{A1},The B section}", "a"},
      {"no sections: the root alone", Document(Lines(3)), "", "Document", "(null)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQFO_Document document = MakeDisplayDocument(c.markup);
    document.SetName(c.name);
    ZQF_ListGlyph* list = OpenBrowser(document)->GetTOCList();
    EXPECT_EQ(TreeText(list->GetFirstRoot()), c.tree);
    EXPECT_EQ(SectionId(browser->GetFirstTOCSection()), c.first);
    EXPECT_EQ(list->GetFocusElement(), list->GetFirstRoot());
    EXPECT_TRUE(list->GetFirstRoot()->IsSelected());
    EXPECT_EQ(browser->GetLastSectionNodeDisplayed(),
              document.GetFormattingObjectsTree().GetRootNode());
  }
  // The shown section keeps its ancestors' attributes and loses its siblings.
  OpenBrowser(MakeDisplayDocument(kNested), "a1");
  const ZQXML_Tree& shown =
      browser->GetDocumentDisplay()->GetInputDocument().GetFormattingObjectsTree();
  EXPECT_FALSE(shown.FindElementById("b"));
  EXPECT_EQ(
      std::string(
          shown.FindElementById("a")->GetParent()->GetAttributeValue("font_height", "").GetText()),
      "20 pt");
}

TEST_F(BrowserTest, ShowIdOpensTheSectionHoldingTheElement) {
  const ZQFO_Document guide = ZQF_HelpDialogBox_GetHelpFormattingDoc(HelpTestFile("Guide.rxl"));
  const ZQFO_Document flat = MakeDisplayDocument(Document(Lines(3)));
  const struct {
    const char* why;
    const ZQFO_Document* document;
    const char *id, *shown;
    int beeps;
  } kCases[] = {
      {"a section id", &guide, "ZQF_Help_id", "ZQF_Help_id", 0},
      {"an id inside a section's content", &guide, "para_deep", "ZQF_ApplicationMainWindow_id", 0},
      {"an id outside every section: the whole document", &guide, "guide", "", 0},
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
  OpenBrowser(guide, "para_deep");
  ZQFO_ContentArea_SearchResult area;
  browser->GetDocumentDisplay()->GetRenderer().SearchForContentAreaById("para_deep", area);
  ASSERT_TRUE(area.Found);
  EXPECT_NEAR(browser->GetDocumentDisplay()->GetScrollAmountInMillimeters().Y,
              area.Rectangle.Y + area.Rectangle.Height + 1.0, 0.5);
}

TEST_F(BrowserTest, HistoryMovesViewsBetweenTheStacksWithoutLosingOne) {
  // Actions: section ids chosen in the contents, "<" back, ">" forward, "#id" a followed link.
  const struct {
    const char *why, *actions, *shown;
    long back, forward;
  } kCases[] = {
      {"three sections", "ch_start ZQF_Help_id app_formulas", "app_formulas", 3, 0},
      {"back twice", "ch_start ZQF_Help_id app_formulas < <", "ch_start", 1, 2},
      {"then forward", "ch_start ZQF_Help_id app_formulas < < >", "ZQF_Help_id", 2, 1},
      {"a new section clears forward", "ch_start ZQF_Help_id < app_formulas", "app_formulas", 2, 0},
      {"a followed id link", "ZQF_ApplicationMainWindow_id #ch_start", "ch_start", 2, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    OpenGuide();
    std::istringstream actions(c.actions);
    for (std::string a; actions >> a;) {
      if (a == "<") browser->BrowseBack();
      if (a == ">") browser->BrowseForward();
      if (a[0] == '#') browser->GetDocumentDisplay()->JumpToElementWithID(a.c_str() + 1, true);
      if (isalpha(a[0])) ChooseSection(a);
    }
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(browser->GetBackHistoryLength(), c.back);
    EXPECT_EQ(browser->GetForwardHistoryLength(), c.forward);
  }
  // More than one chunk of history keeps every entry.
  OpenGuide();
  for (int i = 0; i < 25; ++i) ChooseSection(i % 2 ? "ch_start" : "app_formulas");
  for (int i = 0; i < 25; ++i) browser->BrowseBack();
  EXPECT_EQ(browser->GetForwardHistoryLength(), 25);
  EXPECT_EQ(Shown(), "");
}

TEST_F(BrowserTest, BackRestoresTheScrollOnlyAtTheSameDisplaySize) {
  for (const bool resized : {false, true}) {
    SCOPED_TRACE(resized ? "resized before going back" : "same size");
    OpenGuide();
    ChooseSection("ZQF_ApplicationMainWindow_id");
    ZQF_VerticalScrollBarGlyph* bar = browser->GetDocumentDisplay()->GetVerticalScrollBar();
    browser->GetDocumentDisplay()->ScrollPageDown();
    const long scrolled = bar->GetSliderPosition();
    ASSERT_GT(scrolled, 0);
    ChooseSection("ch_start");
    if (resized)
      ::SetWindowPos(window->GetWindowHandle(), nullptr, 0, 0, 700, 450, SWP_NOMOVE | SWP_NOZORDER);
    PressKey(ZQF_Key_Backspace, false, false, false);
    EXPECT_EQ(Shown(), "ZQF_ApplicationMainWindow_id");
    EXPECT_EQ(bar->GetSliderPosition(), resized ? 0 : scrolled);
  }
}

TEST_F(BrowserTest, KeysCommandsAndUpdatesAreTheBrowsersEvenWithAnEmptyHistory) {
  OpenGuide("ZQF_Help_id");
  const struct {
    const char* why;
    ZQF_KeyCode code;
    const char* keys;
    long visibility;
  } kCases[] = {
      {"Backspace", ZQF_Key_Backspace, "", 2},
      {"Shift+Backspace", ZQF_Key_Backspace, "s", 2},
      {"Ctrl+B", 'B', "c", 2},
      {"Ctrl+Shift+b", 'b', "sc", 2},
      {"Ctrl+T hides the contents", 'T', "c", 1},
      {"Ctrl+t shows them", 't', "c", 2},
      {"Alt+` copies the section id", 0x60, "a", 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string keys = c.keys;
    const auto has = [&](char k) { return keys.find(k) != std::string::npos; };
    EXPECT_EQ(PressKey(c.code, has('s'), has('c'), has('a')), browser);
    EXPECT_EQ(browser->GetPaneGlyph()->GetPaneVisibility(), c.visibility);
    EXPECT_EQ(Shown(), "ZQF_Help_id");
  }
  EXPECT_EQ(std::string(ZQR_Clipboard::GetContentsAsText().GetText()), "ZQF_Help_id");
  const auto available = [&](ZQF_StandardCommandUpdateMessage&& Update) {
    window->GetTopLevelGlyph()->Dispatch(Update);
    return Update.IsAvailable();
  };
  EXPECT_FALSE(available(ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandUpdateMessage()));
  EXPECT_TRUE(available(ZQFOxZQF_DocumentBrowserGlyph_BrowseNextCommandUpdateMessage()));
  ChooseSection("app_formulas");
  EXPECT_TRUE(available(ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandUpdateMessage()));
  ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandMessage back;
  window->GetTopLevelGlyph()->Dispatch(back);
  EXPECT_EQ(Shown(), "ZQF_Help_id");
  EXPECT_TRUE(available(ZQFOxZQF_DocumentBrowserGlyph_BrowseForwardCommandUpdateMessage()));
}

TEST_F(BrowserTest, AltBackquoteKeystrokeCopiesTheSectionIdOrBeeps) {
  OpenGuide("ZQF_Help_id");
  ZQR_Clipboard::SetContents("before");
  // Windows translates the keystroke Alt+` into the character 0x60.
  SetModifierKeys(false, false, true);
  ::PostMessageA(window->GetWindowHandle(), WM_SYSKEYDOWN, VK_OEM_3, (1 << 29) | (0x29 << 16) | 1);
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
    double position;
    long visibility;
    double wantPosition;
    long wantVisibility;
  } kCases[] = {
      {"defaults (nothing stored)", NAN, -99, 0.3, 2}, {"0.01 loads as 0.05", 0.01, 1, 0.05, 1},
      {"0.99 loads as 0.95", 0.99, 0, 0.95, 0},        {"minus five", -5.0, 2, 0.05, 2},
      {"infinity and 7", INFINITY, 7, 0.3, 2},         {"visibility -1", 0.5, -1, 0.5, 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    OpenGuide();
    ZQ_RegistryFolder folder, saved;
    if (!std::isnan(c.position)) ZQ_SetDouble(folder, "DocPaneSplitterPosition", c.position);
    if (c.visibility != -99) ZQ_SetInt32(folder, "PaneVisibility", c.visibility);
    browser->LoadPersistentOptions(folder);
    browser->SavePersistentOptions(saved);
    EXPECT_DOUBLE_EQ(ZQ_GetDouble(saved, "DocPaneSplitterPosition", -1), c.wantPosition);
    EXPECT_EQ(ZQ_GetInt32(saved, "PaneVisibility", -1), c.wantVisibility);
  }
  ZQ_RegistryFolder text;
  ZQ_SetString(text, "DocPaneSplitterPosition", "wide");
  browser->LoadPersistentOptions(text);
  EXPECT_DOUBLE_EQ(browser->GetPaneGlyph()->GetPaneSplitterPosition(), 0.3);
}

TEST_F(BrowserTest, TopicsOfInterestListOnlySections) {
  OpenGuide();
  for (const char* id : {"para_start", "ZQF_DialogBoxes_id", "app_formulas", "nowhere"}) {
    browser->AddTopicOfInterest(id);
    if (id[0] == 'p') {
      EXPECT_EQ(browser->GetRelevantTopicsList(), nullptr);  // no tab
    }
  }
  ZQF_ListGlyph* topics = browser->GetRelevantTopicsList();
  EXPECT_EQ(TreeText(topics->GetFirstRoot()), "Dialog Boxes,Formulas");
  EXPECT_TRUE(topics->GetFirstRoot()->IsSelected() && topics->IsOnFocusPath());
  EXPECT_EQ(Shown(), "ZQF_DialogBoxes_id");
  EXPECT_EQ(browser->GetBackHistoryLength(), 0);
}

TEST_F(BrowserTest, ScrollingKeysReachTheDisplayWhileTheFocusIsInTheContents) {
  OpenGuide("ZQF_ApplicationMainWindow_id");
  ASSERT_TRUE(browser->GetTOCList()->IsOnFocusPath());
  EXPECT_EQ(PressKey(ZQF_Key_PageDown, false, true, false), browser->GetDocumentDisplay());
  ZQF_VerticalScrollBarGlyph* bar = browser->GetDocumentDisplay()->GetVerticalScrollBar();
  EXPECT_GT(bar->GetSliderPosition(), 0);
  EXPECT_EQ(bar->GetSliderPosition(), bar->GetMaxSliderPosition());
}
