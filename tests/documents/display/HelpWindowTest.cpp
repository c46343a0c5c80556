// The help window through real windows: opened at topics or contents,
// closed at once and deleted at idle, help inside help, the module's stage
// callbacks and flags, and the screenshots.
#include <cstdio>

#include "HelpTestSupport.h"
#include "ZQF_ApplicationMetrics.h"
#include "ZQF_CallbackTextButtonGlyph.h"
#include "ZQF_HelpAvailability.h"
#include "ZQF_HorizontalAdjustablePaneGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_ToolbarGlyph.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_InitializationService.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_RandomNumberGenerator.h"
#include "ZQ_RegistryValueItems.h"

namespace {

std::string Str(const ZQ_String& Value) { return Value.GetText(); }

std::string RelevantTopics(ZQFOxZQF_DocumentBrowserGlyph* Browser) {
  std::string text;
  if (!Browser->GetRelevantTopicsList()) return "(no tab)";
  for (ZQF_ListGlyphElement* e = Browser->GetRelevantTopicsList()->GetFirstRoot(); e;
       e = e->GetNextSibling())
    text += (text.empty() ? "" : ",") +
            Str(static_cast<ZQFOxZQF_DocumentBrowserGlyph_ListElement_TOC*>(e)->GetText());
  return text;
}

// The first glyph of class G in the tree below Glyph, in pre-order.
template <class G>
G* FindGlyph(ZQF_Glyph* Glyph) {
  if (auto* found = dynamic_cast<G*>(Glyph)) return found;
  for (ZQF_Glyph* child = Glyph->GetFirstChild(); child; child = child->GetNextSibling())
    if (G* found = FindGlyph<G>(child)) return found;
  return nullptr;
}

void SetFlag(ZQ_CommandLineElement& Flag, std::vector<std::string> Tokens) {
  ZQ_CommandLineElement::TokenArray tokens(static_cast<long>(Tokens.size()));
  for (size_t i = 0; i < Tokens.size(); ++i) tokens[static_cast<long>(i)].Text = Tokens[i].c_str();
  Flag.ParseTokens(tokens, static_cast<int>(Tokens.size()), 0);
}

class HelpWindowTest : public BrowserTest {
 protected:
  void TearDown() override {
    SetFlag(ZQF_Help_GetShowHelpFlag(), {"-help-"});
    SetFlag(ZQF_Help_GetLoadHelpFlag(), {"-loadhelp-", ""});
    CloseHelpDialogBoxIfOpen();
    std::remove(HelpFilePath().c_str());
    ZQF_Help_ResetAvailabilityForTesting();
    BrowserTest::TearDown();
  }
  static std::string HelpFilePath() { return Str(ZQF_Help_GetHelpFileName().GetPathName()); }
  // Installs Guide as the application's own help file.
  static void InstallHelpFile(const std::string& Guide) {
    ::CreateDirectoryA(Str(ZQF_Help_GetHelpFileName().GetPath()).c_str(), nullptr);
    FILE* out = std::fopen(HelpFilePath().c_str(), "wb");
    ASSERT_TRUE(out);
    std::fwrite(Guide.data(), 1, Guide.size(), out);
    std::fclose(out);
    ZQF_Help_ResetAvailabilityForTesting();
  }
  static std::string GuideText() {
    const ZQ_String text = ZQ_LoadFileIntoString(HelpTestFile("Guide.rxl"));
    return std::string(text.GetText(), text.GetLength());
  }
  ZQF_HelpDialogBox* Open() {
    ZQF_HelpDialogBox* box = ZQF_HelpDialogBox_GetOpenHelpDialogBox();
    if (!box || !box->GetWindow()) return nullptr;
    PumpMessages();
    window = box->GetWindow();
    browser = static_cast<ZQF_HelpDialogBoxManager*>(box->GetClientGlyphTree())->GetBrowser();
    return box;
  }
  HWND Handle(ZQF_HelpDialogBox* Box) { return Box->GetWindow()->GetWindowHandle(); }
  void Shot(ZQF_HelpDialogBox* Box, const char* Name) {
    RECT r;
    ::GetWindowRect(Handle(Box), &r);
    SaveScreenRectangleShot(ZQ_Rectangle<long>(r.left, r.top, r.right - r.left, r.bottom - r.top), Name);
  }
};

}  // namespace

TEST_F(HelpWindowTest, TopicsOpenTheMostImportantKnownOneAndListTheOthers) {
  const struct {
    const char* why;
    std::vector<std::pair<const char*, long>> topics;  // in construction order
    const char* shown;
    const char* listed;
  } kCases[] = {
      {"by priority", {{"ZQF_Help_id", 0}, {"ZQF_DialogBoxes_id", 5}, {"ch_start", -100}},
       "ZQF_DialogBoxes_id", "Dialog Boxes,Using Help,Getting Started"},
      {"equal priorities: the later first", {{"ch_start", 0}, {"app_formulas", 0}},
       "app_formulas", "Formulas,Getting Started"},
      {"unknown topics are dropped", {{"nowhere", 50}, {"", 0}, {"ZQF_Help_id", -1}},
       "ZQF_Help_id", "Using Help"},
      {"none known: the first chapter, no tab", {{"nowhere", 0}, {"", 0}}, "ch_start", "(no tab)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_List<ZQF_Help_TopicType> topics;
    for (const auto& topic : c.topics) topics.Append(ZQF_Help_TopicType(topic.first, topic.second));
    ZQF_HelpDialogBox_DisplayTopics(HelpTestFile("Guide.rxl"),
                                    new ZQ_ReadOnlyIterator<ZQF_Help_TopicType>(topics.GetIterator()));
    ZQF_HelpDialogBox* box = Open();  // Run returned at once: the window is modeless
    ASSERT_TRUE(box);
    EXPECT_TRUE(::IsWindowVisible(Handle(box)));
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(RelevantTopics(browser), c.listed);
    if (&c == &kCases[0]) Shot(box, "HelpWindowTopic");
  }
  ZQF_HelpDialogBox* box = ZQF_HelpDialogBox_GetOpenHelpDialogBox();
  EXPECT_EQ(Str(box->GetTitle()), Str(ZQ_GetApplicationMetrics().GetApplicationName()) + " User's Guide");
  EXPECT_EQ(box->GetConfigurationFolder(), &ZQF_PLUGIN_AppConfigRegistry_GetDialogBoxConfigFolder("HelpDialogBox"));
  EXPECT_NE(Str(box->GetTopLevelGlyph()->GetHelpTopics()).find("ZQF_Help_id;ZQF_Help_Reader_id"), std::string::npos);
}

TEST_F(HelpWindowTest, EveryWayOfClosingClosesAtOnceAndDeletesAtIdle) {
  const char* const kWays[] = {"Escape", "the Close button", "the close box", "Close twice"};
  for (const char* way : kWays) {
    SCOPED_TRACE(way);
    ZQF_HelpDialogBox_DisplayContents(HelpTestFile("Guide.rxl"));
    ZQF_HelpDialogBox* box = Open();
    ASSERT_TRUE(box);
    const HWND handle = Handle(box);
    if (way == kWays[0]) {
      Send(handle, WM_KEYDOWN, VK_ESCAPE, 0);
    } else if (way == kWays[1]) {
      auto* button = FindGlyph<ZQF_CallbackTextButtonGlyph>(browser->GetToolbar());
      ASSERT_TRUE(button);
      button->DispatchButtonUpNotification();
    } else if (way == kWays[2]) {
      Send(handle, WM_CLOSE);
    } else {
      box->Close();
      box->Close();
    }
    PumpMessages();
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(ZQF_HelpDialogBox_GetOpenHelpDialogBox(), box);  // not deleted yet
    EXPECT_EQ(ZQF_HelpDialogBox_GetNumRetiredHelpDialogBoxes(), 1);
    RunIdleActions();
    EXPECT_EQ(ZQF_HelpDialogBox_GetOpenHelpDialogBox(), nullptr);
    EXPECT_EQ(ZQF_HelpDialogBox_GetNumRetiredHelpDialogBoxes(), 0);
  }
}

TEST_F(HelpWindowTest, HelpInsideHelpLeavesOneWindowAtTheHelpAboutHelp) {
  InstallHelpFile(GuideText());
  ASSERT_TRUE(ZQF_Help_HelpAvailable());
  ZQF_Help_DisplayContents();
  ZQF_HelpDialogBox* first = Open();
  ASSERT_TRUE(first);
  const HWND firstHandle = Handle(first);
  Send(firstHandle, WM_KEYDOWN, VK_F1, 0);
  PumpMessages();
  ZQF_HelpDialogBox* second = Open();
  ASSERT_TRUE(second);
  EXPECT_NE(second, first);
  EXPECT_FALSE(::IsWindow(firstHandle));
  EXPECT_EQ(Shown(), "ZQF_Help_id");
  // Two more requests before idle time: only the last window stays.
  ZQF_Help_DisplayContents();
  ZQF_Help_DisplayContents();
  EXPECT_EQ(ZQF_HelpDialogBox_GetNumRetiredHelpDialogBoxes(), 3);
  ZQF_HelpDialogBox* last = Open();
  RunIdleActions();
  EXPECT_EQ(ZQF_HelpDialogBox_GetNumRetiredHelpDialogBoxes(), 0);
  EXPECT_EQ(ZQF_HelpDialogBox_GetOpenHelpDialogBox(), last);
  EXPECT_TRUE(::IsWindowVisible(Handle(last)));
  // A changed help file is read afresh by the next window.
  std::string changed = GuideText();
  changed.replace(changed.find("Getting Started"), 15, "Starting Anew");
  InstallHelpFile(changed);
  ZQF_Help_DisplayContents();
  Open();
  EXPECT_NE(Str(browser->GetFirstTOCSection()->GetValue()).find("Starting Anew"), std::string::npos);
  // Stage 8 deletes the open window and the retired one at once.
  ZQF_HelpDialogBox_InitializationServiceCallback(ZQ_InitializationService::Stage_DeinitializeInteractive);
  EXPECT_EQ(ZQF_HelpDialogBox_GetOpenHelpDialogBox(), nullptr);
  EXPECT_EQ(ZQF_HelpDialogBox_GetNumRetiredHelpDialogBoxes(), 0);
  RunIdleActions();  // the removed deletions do not run
}

TEST_F(HelpWindowTest, TheFlagsOpenHelpAtStageSix) {
  const struct {
    const char* why;
    std::vector<std::string> help, loadhelp;
    const char* error;  // the exception's name, "" none
    bool opens;
    bool errorDocument;
  } kCases[] = {
      {"-help without a help file", {"-help"}, {"-loadhelp-", ""}, "No Help Available", false, false},
      {"-loadhelp a guide", {"-help-"}, {"-loadhelp", std::string(ZQ_HELP_TEST_DATA_DIR) + "\\Guide.rxl"}, "", true, false},
      {"-loadhelp a missing file", {"-help-"}, {"-loadhelp", "Z:\\nowhere\\Missing.rxl"}, "", true, true},
      {"-loadhelp a folder", {"-help-"}, {"-loadhelp", ZQ_HELP_TEST_DATA_DIR}, "", true, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    CloseHelpDialogBoxIfOpen();
    SetFlag(ZQF_Help_GetShowHelpFlag(), c.help);
    SetFlag(ZQF_Help_GetLoadHelpFlag(), c.loadhelp);
    std::string error;
    try {
      ZQF_Help_InitializationServiceCallback(ZQ_InitializationService::Stage_InitializeInteractive);
    } catch (const ZQ_Exception& e) {
      error = Str(e.GetName());
      EXPECT_EQ(Str(e.GetDescription()), "Sorry, but no help is available for this application.");
    }
    EXPECT_EQ(error, c.error);
    ASSERT_EQ(Open() != nullptr, c.opens);
    if (c.opens) {
      EXPECT_EQ(Str(browser->GetDocument().GetFormattingObjectsTree().GetRootNode()->GetValue())
                        .find("Raw XML Document") != std::string::npos,
                c.errorDocument);
    }
  }
}

TEST_F(HelpWindowTest, PaneOptionsAreKeptBetweenWindows) {
  ZQ_RegistryFolder& folder = ZQF_PLUGIN_AppConfigRegistry_GetDialogBoxConfigFolder("HelpDialogBox");
  folder.Clear();
  ZQF_HelpDialogBox_DisplayContents(HelpTestFile("Guide.rxl"));
  ZQF_HelpDialogBox* box = Open();
  Shot(box, "HelpWindowContents");
  PressKey('T', false, true, false);
  Shot(box, "HelpWindowContentsHidden");
  box->Close();
  RunIdleActions();
  EXPECT_EQ(ZQ_GetInt32(folder, "PaneVisibility", -1), 1);
  ZQF_HelpDialogBox_DisplayContents(HelpTestFile("Guide.rxl"));
  Open();
  EXPECT_EQ(browser->GetPaneGlyph()->GetPaneVisibility(), 1);
}

TEST_F(HelpWindowTest, AnUnreadableHelpFileShowsWhyInTheWindow) {
  ZQF_HelpDialogBox_DisplayContents(HelpTestFile("NotWellFormed.rxl"));
  ZQF_HelpDialogBox* box = Open();
  ASSERT_TRUE(box);
  EXPECT_EQ(Shown(), "");  // the whole error document
  Shot(box, "HelpWindowErrorDocument");
}

namespace {

// A modeless dialog of one empty column.
class PlainDialog : public ZQF_DialogBox {
 public:
  PlainDialog() : ZQF_DialogBox(ZQF_DialogBoxModality_Modeless, "Plain") {}
  ZQF_Glyph* Init_CreateClientGlyphTree() override { return new ZQF_ColumnGlyph(); }
};

}  // namespace

TEST_F(HelpWindowTest, F1OnADialogOpensTheHelpAboutDialogs) {
  InstallHelpFile(GuideText());
  PlainDialog dialog;
  dialog.Run();
  Send(dialog.GetWindow()->GetWindowHandle(), WM_KEYDOWN, VK_F1, 0);
  ASSERT_TRUE(Open());
  EXPECT_EQ(Shown(), "ZQF_DialogBoxes_id");
  dialog.Close();
}

TEST_F(HelpWindowTest, OddTopicListsOpenAtAKnownTopicOrTheFirstChapter) {
  InstallHelpFile(GuideText());
  std::string many;
  for (int i = 0; i < 10000; ++i) many += "t" + std::to_string(i) + ";";
  const struct {
    const char* why;
    std::string topics;
    const char* shown;
  } kCases[] = {
      {"two semicolons", ";;", "ch_start"},
      {"three commas", ",,,", "ch_start"},
      {"a priority that is no number", "x,abc;ZQF_Help_id", "ZQF_Help_id"},
      {"a fraction", "ZQF_Help_id,1.5;app_formulas,-1", "app_formulas"},
      {"a priority of 300 digits", "ZQF_Help_id," + std::string(300, '7') + ";ch_start", "ch_start"},
      {"10,000 unknown topics and one known", many + "app_formulas,3", "app_formulas"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQF_KeyHelpMessage message;
    ZQF_Help_HandleHelpMessage(c.topics.c_str(), message, false);
    ZQF_Help_DisplayTopics(new ZQ_ReadOnlyIterator<ZQF_Help_TopicType>(message.GetTopics()));
    ASSERT_TRUE(Open());
    EXPECT_EQ(Shown(), c.shown);
    RunIdleActions();
  }
}

TEST_F(HelpWindowTest, SeededRandomInputOverTheHelpWindowBreaksNothing) {
  InstallHelpFile(GuideText());
  ZQ_RandomNumberGenerator random(20261207);
  const WPARAM kKeys[] = {VK_DOWN, VK_UP, VK_NEXT, VK_BACK, 'B', 'T', VK_TAB, VK_F1, VK_ESCAPE, VK_RIGHT};
  for (int step = 0; step < 600; ++step) {
    if (!ZQF_HelpDialogBox_GetOpenHelpDialogBox() || !ZQF_HelpDialogBox_GetOpenHelpDialogBox()->GetWindow())
      ZQF_Help_DisplayContents();
    const HWND handle = Handle(ZQF_HelpDialogBox_GetOpenHelpDialogBox());
    RECT client;
    ::GetClientRect(handle, &client);
    const bool control = random.GetRandomInteger(4) == 0, shift = random.GetRandomInteger(4) == 0;
    SetModifierKeys(shift, control, false);
    switch (random.GetRandomInteger(3)) {
      case 0: {  // a click: its release is queued first, for drags that run their own loop
        const LPARAM at = Point(random.GetRandomInteger(client.right), random.GetRandomInteger(client.bottom));
        ::PostMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::PostMessageA(handle, WM_LBUTTONUP, 0, at);
        break;
      }
      case 1:
        ::PostMessageA(handle, WM_KEYDOWN, kKeys[random.GetRandomInteger(10)], 1);
        break;
      default:
        RunIdleActions();
        break;
    }
    PumpMessages();
    SetModifierKeys(false, false, false);
  }
  RunIdleActions();
  EXPECT_TRUE(ReportedErrors().empty());
  EXPECT_EQ(ZQF_HelpDialogBox_GetNumRetiredHelpDialogBoxes(), 0);
}
