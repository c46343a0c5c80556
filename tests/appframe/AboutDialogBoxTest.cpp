// The about box: its body lines and gaps from injected metrics, the About
// item and its hook on a real main window, the box opened and closed by a
// key, and the picture behind F + double click.
#include <memory>
#include <string>

#include "../gui/dialogs/DialogTestSupport.h"
#include "ZQF_Application.h"
#include "ZQF_ApplicationMetrics.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_HyperlinkGlyph.h"
#include "ZQF_ImageDisplayGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_MessageHookGlyph.h"
#include "ZQF_PLUGIN_AboutDialogBoxPlugin.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_Exception.h"

namespace {

// Metrics whose optional texts and logo a test sets.
class AboutMetrics : public ZQF_ApplicationMetrics {
 public:
  ZQ_String GetApplicationName() const override { return name; }
  ZQ_String GetVersionString() const override { return "2.5"; }
  int GetBuildNumber() const override { return 317; }
  ZQ_String GetShortDescription() const override { return "Estimates the heat stress outdoors"; }
  ZQ_String GetNoticeText() const override { return notice; }
  ZQ_String GetLatestVersionAddress() const override { return latest; }
  ZQ_String GetOrganizationName() const override { return organization; }
  ZQ_String GetContactEmailAddress() const override { return email; }
  ZQ_String GetWebSiteAddress() const override { return web; }
  bool IsCompanyLogoAvailable() override { return withLogo && ZQF_ApplicationMetrics::IsCompanyLogoAvailable(); }

  ZQ_String name = "Frame Test", notice, latest, organization, email, web;
  bool withLogo = false;
};

// "text" for a label, "[text>url]" for a link, "{...}" for the right-aligned
// block, blank separated.
std::string Describe(ZQF_Glyph* Container) {
  std::string text;
  for (ZQF_Glyph* g = Container->GetFirstChild(); g; g = g->GetNextSibling()) {
    std::string item;
    if (auto* link = dynamic_cast<URL_LinkGlyph*>(g)) {
      item = "[" + std::string(link->GetText().GetText()) + ">" + link->GetURL().GetText() + "]";
    } else if (auto* label = dynamic_cast<ZQF_StoredLabelGlyph*>(g)) {
      item = "'" + std::string(label->GetText().GetText()) + "'";
    } else {
      item = dynamic_cast<ZQF_ImageDisplayGlyph*>(g) ? "logo"
             : dynamic_cast<ZQF_RowGlyph*>(g) ? "{" + Describe(g->GetFirstChild()->GetNextSibling()) + "}"
                                              : "?";
    }
    text += (text.empty() ? "" : " ") + item;
  }
  return text;
}

class AboutBoxTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    harnessMain = ZQLOW_WIN_GetProgramMainWindowHandle();
    metrics.reset(new AboutMetrics);
  }
  void TearDown() override {
    if (app && app->GetMainWindow() && app->GetMainWindow()->GetWindowHandle()) {
      ::DestroyWindow(app->GetMainWindow()->GetWindowHandle());
    }
    PumpMessages();
    app.reset();
    metrics.reset();
    ZQF_GetInstalledExtensionNames().RemoveAll();
    ZQLOW_WIN_SetProgramMainWindowHandle(harnessMain);
    WindowTest::TearDown();
  }
  HWND harnessMain = nullptr;
  std::unique_ptr<AboutMetrics> metrics;
  std::unique_ptr<ZQF_Application> app;
};

TEST_F(AboutBoxTest, BodyLeavesOutExactlyTheEmptyTexts) {
  const std::string version = "'' 'Version 2.5, Build 317'";
  const std::string empty3 = "'' '' ''";
  const std::string longText(10000, 'x');
  const struct {
    const char* why;
    const char *notice, *latest, *organization, *email, *web, *name;
    bool extensions;
    std::string want;
  } kCases[] = {
      {"every optional text empty: version, three blanks, an empty block",
       "", "", "", "", "", "Frame Test", false, version + " " + empty3 + " {}"},
      {"a blank is not empty", " ", "", " ", "", "", "Frame Test", false,
       version + " '' ' ' " + empty3 + " {' '}"},
      {"every section, links derived or mailto", "Beta build.", "wbgt.example.org/latest",
       "Heat Lab", "desk@example.org", "www.example.org", "Frame Test", true,
       version + " '' 'Installed Extensions:' '    Alpha' '    Beta' '' 'Beta build.' '' "
                 "'The latest version of Frame Test can be obtained at' "
                 "[wbgt.example.org/latest>http://wbgt.example.org/latest] " + empty3 +
           " {'Heat Lab' [desk@example.org>mailto:desk@example.org] "
           "[www.example.org>http://www.example.org]}"},
      {"a name holding a placeholder is shown as it is", "", "https://x.example/get", "", "", "",
       "{$1}", false,
       version + " '' 'The latest version of {$1} can be obtained at' "
                 "[https://x.example/get>https://x.example/get] " + empty3 + " {}"},
      {"an ampersand is shown, not taken as a mnemonic", "R&D only", "", "A & B", "", "",
       "Frame Test", false, version + " '' 'R&&D only' " + empty3 + " {'A && B'}"},
      {"a very long notice stays one line", longText.c_str(), "", "", "", "", "Frame Test",
       false, version + " '' '" + longText + "' " + empty3 + " {}"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    metrics->notice = c.notice, metrics->latest = c.latest, metrics->name = c.name;
    metrics->organization = c.organization, metrics->email = c.email, metrics->web = c.web;
    ZQF_GetInstalledExtensionNames().RemoveAll();
    for (const char* name : {"Alpha", "Beta"}) {
      if (c.extensions) ZQF_GetInstalledExtensionNames().Append(name);
    }
    ZQF_PLUGIN_AboutDialogBox dialog;
    ZQF_ColumnGlyph column;
    dialog.AddBodyText(&column);
    EXPECT_EQ(Describe(&column), c.want);
  }
}

TEST_F(AboutBoxTest, GapsFollowTheSizeMetricsAndTheLogoReplacesTheName) {
  metrics->withLogo = true;
  metrics->organization = "Heat Lab";
  ZQF_PLUGIN_AboutDialogBox dialog;
  ZQF_ColumnGlyph client;
  dialog.Init_AddClientControls(&client);
  // The glues' fixed sizes: the column's heights, then the row's widths.
  std::string gaps;
  for (ZQF_Glyph* g = client.GetFirstChild(); g; g = g->GetNextSibling()) {
    if (g->GetFirstChild()) {
      for (ZQF_Glyph* h = g->GetFirstChild(); h; h = h->GetNextSibling()->GetNextSibling()) {
        gaps += " " + std::to_string(h->GetDesiredSize().Natural.X);
        if (!h->GetNextSibling()) break;
      }
    } else {
      gaps += " " + std::to_string(g->GetDesiredSize().Natural.Y);
    }
  }
  EXPECT_EQ(gaps, " 8 16 24 12 16");

  ZQF_ColumnGlyph block;
  dialog.BuildOrganizationInfo(&block);
  EXPECT_EQ(Describe(&block), "logo");
  auto* logo = static_cast<ZQF_ImageDisplayGlyph*>(block.GetFirstChild());
  EXPECT_EQ(logo->CalculateDesiredImageSize().X, 128);
}

TEST_F(AboutBoxTest, AboutItemOpensTheBoxWithOkFocusedAndEscapeClosesIt) {
  static int s_deleted = 0;
  struct CountedBox : ZQF_PLUGIN_AboutDialogBox {
    ~CountedBox() override { ++s_deleted; }
  };
  struct RecordingPlugin : ZQF_PLUGIN_AboutDialogBoxPlugin {
    ZQF_PLUGIN_AboutDialogBox* CreateAboutDialogBox() override { return opened = new CountedBox; }
    ZQF_PLUGIN_AboutDialogBox* opened = nullptr;
  } plugin;
  metrics->withLogo = true;
  metrics->latest = "wbgt.example.org/latest";
  metrics->email = "desk@example.org", metrics->web = "www.example.org";
  metrics->notice = "Test build: not for field use.";
  app.reset(new ZQF_Application);
  ZQF_PLUGIN_AppMainMenuPlugin menuPlugin;
  menuPlugin.Initialize(2);
  app->InitializeInstance();
  app->InitializeMainWindow();
  app->DisplayMainWindow(SW_SHOWNA);
  PumpMessages();
  plugin.Initialize(4);

  ZQF_MenuElement* section = ZQF_PLUGIN_GetAppMainMenu()->GetSection(32);
  auto* item = dynamic_cast<ZQF_StandardTextMenuElement*>(section->GetFirstChild());
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(std::string(item->GetText().GetText()), "&About");
  ZQF_PLUGIN_AboutCommandUpdateMessage update;
  app->GetMainWindowMessageHookGlyph()->ProcessMessageHooks(update, false);
  EXPECT_TRUE(update.IsAvailable());

  std::string title;
  bool okFocused = false;
  IdleStep::Queue([&] {
    const HWND box = plugin.opened->GetWindow()->GetWindowHandle();
    title = plugin.opened->GetTitle().GetText();
    okFocused = plugin.opened->GetDefaultButton()->IsOnFocusPath();
    SaveScreenshot(box, "about-box");
    PostKey(box, VK_ESCAPE);
  });
  // Chosen as the menu bar does: the item dispatches its command into the
  // main window's tree, where the hook claims it.
  ZQF_PLUGIN_GetAppMainMenu()->SetAssociatedWindow(app->GetMainWindow());
  try {
    item->RespondToSelection(item->GetMenuID());
  } catch (const ZQ_CancelCurrentOperationException&) {
  }
  EXPECT_EQ(s_deleted, 1);  // also when Escape ended Run by the cancel exception
  EXPECT_EQ(title, "About Frame Test");
  EXPECT_TRUE(okFocused);
  menuPlugin.Initialize(13);
}

TEST_F(AboutBoxTest, DoubleClickOnTheBitmapShowsThePictureOnlyWithFHeld) {
  ZQF_PLUGIN_AboutDialogBox dialog;
  std::unique_ptr<ZQF_Glyph> bitmap(dialog.CreatePrimaryBitmapGlyph());
  for (const bool withF : {false, true}) {
    SCOPED_TRACE(withF ? "F held" : "F up");
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::GetKeyState> fake(
        [withF](int Key) -> SHORT { return Key == 0x46 && withF ? -128 : 0; });
    int shown = 0;
    // Queued only when a box is due: a step left over would run later.
    if (withF) IdleStep::Queue([&] {
      // The picture's box is the modal window in front.
      const HWND box = ::GetActiveWindow();
      if (!box) return;
      ++shown;
      SaveScreenshot(box, "about-box-f-picture");
      PostKey(box, VK_RETURN);
    });
    ZQF_LeftDoubleClickMouseMessage click(4, 4, false, false, false);
    bitmap->HandleMouseLeftDoubleClick(click, false);  // OK ends the box: no cancel
    PumpMessages();
    EXPECT_EQ(click.IsHandled(), withF);
    EXPECT_EQ(shown, withF ? 1 : 0);
  }
}

}  // namespace
