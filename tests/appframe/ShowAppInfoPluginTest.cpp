// The read-me and version-history items: which exist after stage 4, and the
// report a chosen item shows.
#include <cstring>
#include <fstream>

#include "../gui/dialogs/DialogTestSupport.h"
#include "ZQF_ApplicationLink.h"
#include "ZQF_ApplicationMetrics.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_PLUGIN_ShowAppInfoPlugin.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_SimpleTextReportDialogBox.h"

namespace {

class AbcMetrics : public ZQF_ApplicationMetrics {
  ZQ_String GetApplicationName() const override { return "Abc"; }
};

ZQF_Window* s_window = nullptr;
ZQF_Window* GetTestMainWindow() { return s_window; }

// Makes the main window as the application does, for the menu to attach to.
class InfoPersonality : public ZQF_PLUGIN_ApplicationPersonality {
  void RegisterPlugins() override {
    Register(new ZQF_PLUGIN_AppMainMenuPlugin);
    Register(new ZQF_PLUGIN_ShowAppInfoPlugin);
  }
  void OnStage(long Stage) override {
    if (Stage == 4) s_window = new ZQF_Window(new ZQF_TopLevelGlyph(new RecordingGlyph("main", nullptr)));
    if (Stage == 5) s_window->Construct(ZQ_Rectangle<long>(0, 0, 50, 50));
    if (Stage == 10) s_window->Destroy();
  }
};

// nullptr: no file; "/": a folder of that name; else the file's bytes.
void Place(const ZQ_FileName& File, const char* Contents) {
  const std::string path = File.GetPathName().GetText();
  std::remove(path.c_str());
  ::RemoveDirectoryA(path.c_str());
  if (Contents && std::string(Contents) == "/") ::CreateDirectoryA(path.c_str(), nullptr);
  else if (Contents) std::ofstream(path, std::ios::binary) << Contents;
}

// The texts of the items between the Help menu's two sections.
std::string InfoItems() {
  std::string items;
  ZQF_MenuElement* group = ZQF_PLUGIN_GetAppMainMenu()->GetSection(31)->GetNextSibling();
  if (group == ZQF_PLUGIN_GetAppMainMenu()->GetSection(32)) return items;
  for (ZQF_MenuElement* item = group->GetFirstChild(); item; item = item->GetNextSibling()) {
    items += static_cast<ZQF_StandardTextMenuElement*>(item)->GetText().GetText() + std::string("|");
  }
  return items;
}

class ShowAppInfoPluginTest : public WindowTest {
 protected:
  void TearDown() override {
    Place(GetReadMeFilePath(), nullptr);
    Place(GetVersionHistoryFilePath(), nullptr);
    WindowTest::TearDown();
  }
  AbcMetrics metrics;
};

TEST_F(ShowAppInfoPluginTest, OffersAnItemForEachFileInTheHomeDirectoryAtStage4) {
  const std::string home = ZQ_ApplicationMetrics::GetHomeDirectory().GetText();
  EXPECT_EQ(GetReadMeFilePath().GetPathName().GetText(), home + "ReadMe_Abc.txt");
  EXPECT_EQ(GetVersionHistoryFilePath().GetPathName().GetText(), home + "Abc_VersionHistory.txt");
  const struct {
    const char *why, *readMe, *history, *items;
  } kCases[] = {
      {"neither: no group", nullptr, nullptr, ""},
      {"both, read-me first", "r", "h", "Show &ReadMe File|Show &Version History|"},
      {"only the history", nullptr, "h", "Show &Version History|"},
      {"an empty read-me counts", "", nullptr, "Show &ReadMe File|"},
      {"a folder does not count", "/", "h", "Show &Version History|"},
  };
  ZQF_ApplicationFunctions functions;
  functions.GetMainWindow = &GetTestMainWindow;
  const ZQF_ApplicationFunctions saved = ZQF_ApplicationLink_Register(functions);
  RunStages(8, 13);  // each row is a program run of its own
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Place(GetReadMeFilePath(), c.readMe);
    Place(GetVersionHistoryFilePath(), c.history);
    InfoPersonality personality;
    ASSERT_EQ(RunStages(1, 7).failedStage, 0);
    EXPECT_EQ(InfoItems(), c.items);
    RunStages(8, 13);
  }
  ZQF_ApplicationLink_Register(saved);
  RunStages(1, 7);
}

TEST_F(ShowAppInfoPluginTest, ShowsTheFileAsItIsNowAndReportsOneThatVanished) {
  ZQF_PLUGIN_ShowAppInfoPlugin plugin;
  std::string fiveMegabytes;
  while (fiveMegabytes.size() < (5u << 20)) fiveMegabytes += std::string(79, 'x') + "\n";
  const struct {
    void (ZQF_PLUGIN_ShowAppInfoPlugin::*show)();
    ZQ_FileName file;
    const char *title, *contents, *shot;
  } kCases[] = {
      {&ZQF_PLUGIN_ShowAppInfoPlugin::ShowAppReadMe, GetReadMeFilePath(), "Abc ReadMe File",
       "Abc 2.0\r\n\r\nStation\tWBGT\r\nNorth\t28.4\r\n", "appinfo-readme"},
      {&ZQF_PLUGIN_ShowAppInfoPlugin::ShowAppVersionHistory, GetVersionHistoryFilePath(),
       "Abc Version History", "2.0\tFirst release.", nullptr},
      {&ZQF_PLUGIN_ShowAppInfoPlugin::ShowAppReadMe, GetReadMeFilePath(), "Abc ReadMe File", "",
       "appinfo-readme-empty"},
      {&ZQF_PLUGIN_ShowAppInfoPlugin::ShowAppReadMe, GetReadMeFilePath(), "Abc ReadMe File",
       "lone\rcarriage\rreturns\r", nullptr},
      {&ZQF_PLUGIN_ShowAppInfoPlugin::ShowAppReadMe, GetReadMeFilePath(), "Abc ReadMe File",
       fiveMegabytes.c_str(), nullptr},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.title) + ", " + std::to_string(std::strlen(c.contents)) + " bytes");
    Place(c.file, c.contents);
    IdleStep::Queue([&] {
      auto* report = static_cast<ZQF_SimpleTextReportDialogBox*>(NewestDialog());
      EXPECT_EQ(report->GetTitle(), ZQ_String(c.title));
      EXPECT_TRUE(report->GetReportText() ==
                  ZQF_SimpleTextReportDialogBox::PrepareReportText(ZQ_String(c.contents), 1));
      if (c.shot) SaveScreenshot(report->GetWindow()->GetWindowHandle(), c.shot);
      report->Close();
    });
    (plugin.*c.show)();
  }
  EXPECT_TRUE(ReportedErrors().empty());
  Place(GetReadMeFilePath(), nullptr);
  plugin.ShowAppReadMe();  // returns at once: no report waits
  ASSERT_EQ(ReportedErrors().size(), 1u);
  EXPECT_NE(ReportedErrors()[0].find("ReadMe_Abc.txt"), std::string::npos) << ReportedErrors()[0];
}

}  // namespace
