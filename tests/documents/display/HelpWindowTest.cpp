// The help window through real windows and the help seam: opened at topics
// or contents, closed at once and deleted at idle, help inside help, kept
// pane options, random input, and the screenshots.
#include "HelpTestSupport.h"
#include "ZQF_CallbackTextButtonGlyph.h"
#include "ZQF_HelpAvailability.h"
#include "ZQF_HorizontalAdjustablePaneGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_ToolbarGlyph.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_InitializationService.h"
#include "ZQ_RandomNumberGenerator.h"
#include "ZQ_RegistryValueItems.h"

namespace {

std::string Str(const ZQ_String& Value) { return Value.GetText(); }

std::string GuideText() {
  const ZQ_String text = ZQ_LoadFileIntoString(HelpTestFile("Guide.rxl"));
  return std::string(text.GetText(), text.GetLength());
}

// The help window's fixture: the application's own help file is installed
// (Guide, or none when empty) and every help window goes at the end.
class HelpWindowTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    InstallHelpFile(GuideText());
  }
  void TearDown() override {
    CloseHelpDialogBoxIfOpen();
    InstallHelpFile("");
    BrowserTest::TearDown();
  }
  static void InstallHelpFile(const std::string& Guide) {
    const std::string path = Str(ZQF_Help_GetHelpFileName().GetPathName());
    ::CreateDirectoryA(Str(ZQF_Help_GetHelpFileName().GetPath()).c_str(), nullptr);
    std::remove(path.c_str());
    if (FILE* out = Guide.empty() ? nullptr : std::fopen(path.c_str(), "wb")) {
      std::fwrite(Guide.data(), 1, Guide.size(), out);
      std::fclose(out);
    }
    // The guide's relative picture stands beside it, as an installed guide's.
    const std::string picture = Str(ZQF_Help_GetHelpFileName().GetPath()) + "HelpPicture.bmp";
    if (Guide.empty()) {
      std::remove(picture.c_str());
    } else {
      ::CopyFileA(Str(HelpTestFile("HelpPicture.bmp").GetPathName()).c_str(), picture.c_str(), FALSE);
    }
    ZQF_Help_ResetAvailabilityForTesting();
  }
  // The open help window, painted, as the fixture's window and browser.
  ZQF_HelpDialogBox* Open() {
    ZQF_HelpDialogBox* box = ZQF_HelpDialogBox_GetOpenHelpDialogBox();
    if (!box || !box->GetWindow()) return nullptr;
    PumpMessages();
    window = box->GetWindow();
    browser = static_cast<ZQF_HelpDialogBoxManager*>(box->GetClientGlyphTree())->GetBrowser();
    return box;
  }
  HWND Handle() const { return window->GetWindowHandle(); }
  void Shot(const char* Name) {
    RECT r;
    ::GetWindowRect(Handle(), &r);
    SaveScreenRectangleShot(ZQ_Rectangle<long>(r.left, r.top, r.right - r.left, r.bottom - r.top),
                            Name);
  }
  std::string RelevantTopics() const {
    std::string text = browser->GetRelevantTopicsList() ? "" : "(no tab)";
    for (ZQF_ListGlyphElement* e = text.empty() ? browser->GetRelevantTopicsList()->GetFirstRoot()
                                                : nullptr;
         e; e = e->GetNextSibling())
      text += (text.empty() ? "" : ",") +
              Str(static_cast<ZQFOxZQF_DocumentBrowserGlyph_ListElement_TOC*>(e)->GetText());
    return text;
  }
};

// A modeless dialog of one empty column.
class PlainDialog : public ZQF_DialogBox {
 public:
  PlainDialog() : ZQF_DialogBox(ZQF_DialogBoxModality_Modeless, "Plain") {}
  ZQF_Glyph* Init_CreateClientGlyphTree() override { return new ZQF_ColumnGlyph(); }
};

}  // namespace

TEST_F(HelpWindowTest, TopicsOpenTheMostImportantKnownOneAndListTheOthers) {
  std::string many;
  for (int i = 0; i < 10000; ++i) many += "t" + std::to_string(i) + ";";
  const struct {
    const char* why;
    std::string topics;
    const char *shown, *listed;
  } kCases[] = {
      {"by priority", "ZQF_Help_id;ZQF_DialogBoxes_id,5;ch_start,-100", "ZQF_DialogBoxes_id",
       "Dialog Boxes,Using Help,Getting Started"},
      {"equal priorities: the later first", "ch_start;app_formulas", "app_formulas",
       "Formulas,Getting Started"},
      {"unknown topics are dropped", "nowhere,50;;ZQF_Help_id,-1", "ZQF_Help_id", "Using Help"},
      {"none known: the first chapter, no tab", ";;", "ch_start", "(no tab)"},
      {"three commas", ",,,", "ch_start", "(no tab)"},
      {"a priority that is no number", "x,abc;ZQF_Help_id", "ZQF_Help_id", "Using Help"},
      {"a fraction", "ZQF_Help_id,1.5;app_formulas,-1", "app_formulas", "Formulas,Using Help"},
      {"300 digits", "ZQF_Help_id," + std::string(300, '7') + ";ch_start", "ch_start",
       "Getting Started,Using Help"},
      {"10,000 unknown topics", many + "app_formulas,3", "app_formulas", "Formulas"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQF_KeyHelpMessage message;
    ZQF_Help_HandleHelpMessage(c.topics.c_str(), message, false);
    ZQF_Help_DisplayTopics(new ZQ_ReadOnlyIterator<ZQF_Help_TopicType>(message.GetTopics()));
    ZQF_HelpDialogBox* box = Open();  // Run returned at once: the window is modeless
    ASSERT_TRUE(box);
    EXPECT_TRUE(::IsWindowVisible(Handle()));
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(RelevantTopics(), c.listed);
    if (&c == &kCases[0]) Shot("HelpWindowTopic");
  }
  ZQF_HelpDialogBox* box = ZQF_HelpDialogBox_GetOpenHelpDialogBox();
  EXPECT_EQ(Str(box->GetTitle()),
            Str(ZQ_GetApplicationMetrics().GetApplicationName()) + " User's Guide");
  EXPECT_EQ(box->GetConfigurationFolder(),
            &ZQF_PLUGIN_AppConfigRegistry_GetDialogBoxConfigFolder("HelpDialogBox"));
  EXPECT_NE(Str(box->GetTopLevelGlyph()->GetHelpTopics()).find("ZQF_Help_id;ZQF_Help_Reader_id"),
            std::string::npos);
}

TEST_F(HelpWindowTest, EveryWayOfClosingClosesAtOnceAndDeletesAtIdle) {
  for (const std::string way : {"Escape", "the Close button", "the close box", "Close twice"}) {
    SCOPED_TRACE(way);
    ZQF_Help_DisplayContents();
    ZQF_HelpDialogBox* box = Open();
    const HWND handle = Handle();
    if (way == "Escape") {
      Send(handle, WM_KEYDOWN, VK_ESCAPE, 0);
    } else if (way == "the Close button") {
      ZQF_Glyph* face = browser->GetToolbar()->GetCurrentFace();
      dynamic_cast<ZQF_CallbackTextButtonGlyph*>(face->GetLastChild())
          ->DispatchButtonUpNotification();
    } else if (way == "the close box") {
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
  PlainDialog dialog;  // F1 on a dialog opens the help about dialogs
  dialog.Run();
  Send(dialog.GetWindow()->GetWindowHandle(), WM_KEYDOWN, VK_F1, 0);
  ZQF_HelpDialogBox* first = Open();
  EXPECT_EQ(Shown(), "ZQF_DialogBoxes_id");
  dialog.Close();
  const HWND firstHandle = Handle();
  Send(firstHandle, WM_KEYDOWN, VK_F1, 0);  // inside the help window
  ZQF_HelpDialogBox* second = Open();
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
  EXPECT_TRUE(::IsWindowVisible(Handle()));
  // A changed help file is read afresh by the next window.
  std::string changed = GuideText();
  InstallHelpFile(changed.replace(changed.find("Getting Started"), 15, "Starting Anew"));
  ZQF_Help_DisplayContents();
  Open();
  EXPECT_NE(Str(browser->GetFirstTOCSection()->GetValue()).find("Starting Anew"),
            std::string::npos);
  // Stage 8 deletes the open window and the retired one at once.
  ZQF_HelpDialogBox_InitializationServiceCallback(
      ZQ_InitializationService::Stage_DeinitializeInteractive);
  EXPECT_EQ(ZQF_HelpDialogBox_GetOpenHelpDialogBox(), nullptr);
  EXPECT_EQ(ZQF_HelpDialogBox_GetNumRetiredHelpDialogBoxes(), 0);
  RunIdleActions();  // the removed deletions do not run
}

TEST_F(HelpWindowTest, PaneOptionsAreKeptBetweenWindows) {
  ZQ_RegistryFolder& folder =
      ZQF_PLUGIN_AppConfigRegistry_GetDialogBoxConfigFolder("HelpDialogBox");
  folder.Clear();
  ZQF_Help_DisplayContents();
  ZQF_HelpDialogBox* box = Open();
  Shot("HelpWindowContents");
  PressKey('T', false, true, false);
  Shot("HelpWindowContentsHidden");
  box->Close();
  RunIdleActions();
  EXPECT_EQ(ZQ_GetInt32(folder, "PaneVisibility", -1), 1);
  ZQF_Help_DisplayContents();
  Open();
  EXPECT_EQ(browser->GetPaneGlyph()->GetPaneVisibility(), 1);
}

TEST_F(HelpWindowTest, AnUnreadableHelpFileShowsWhyInTheWindow) {
  ZQF_HelpDialogBox_DisplayContents(HelpTestFile("NotWellFormed.rxl"));
  ASSERT_TRUE(Open());
  EXPECT_EQ(Shown(), "");  // the whole error document
  Shot("HelpWindowErrorDocument");
}

TEST_F(HelpWindowTest, SeededRandomInputOverTheHelpWindowBreaksNothing) {
  ZQ_RandomNumberGenerator random(20261207);
  const WPARAM kKeys[] = {VK_DOWN, VK_UP,  VK_NEXT, VK_BACK,   'B',
                          'T',     VK_TAB, VK_F1,   VK_ESCAPE, VK_RIGHT};
  for (int step = 0; step < 600; ++step) {
    if (!Open()) ZQF_Help_DisplayContents();
    Open();
    RECT client;
    ::GetClientRect(Handle(), &client);
    SetModifierKeys(random.GetRandomInteger(4) == 0, random.GetRandomInteger(4) == 0, false);
    // Below the toolbar, whose print buttons open dialogs that wait for a user.
    const ZQ_Rectangle<long> bar = browser->GetToolbar()->GetBoundingBox();
    const long top = bar.Y + bar.Height;
    const LPARAM at = Point(random.GetRandomInteger(client.right),
                            top + random.GetRandomInteger(client.bottom - top));
    switch (random.GetRandomInteger(3)) {
      case 0:  // a click: its release is queued first, for drags that run their own loop
        ::PostMessageA(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::PostMessageA(Handle(), WM_LBUTTONUP, 0, at);
        break;
      case 1:
        ::PostMessageA(Handle(), WM_KEYDOWN, kKeys[random.GetRandomInteger(10)], 1);
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
