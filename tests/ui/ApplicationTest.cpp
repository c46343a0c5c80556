// The program's application classes in process: the metrics and pictures;
// a whole start through the stages with the program's own personality (its
// title, menu bar, workspace client, and the fields saved into the options
// when the window closes); the about box's lines; the splash screen's
// document, sizes, and its closing by Enter or Escape.
#include <memory>
#include <string>
#include <vector>

#include "../gui/core/MenuTestSupport.h"
#include "../gui/dialogs/DialogTestSupport.h"
#include "MORV_Application.h"
#include "MORV_WorkspaceGlyph.h"
#include "OptionsTestSupport.h"
#include "ZQFO_Document.h"
#include "ZQFOxZQF_DocumentDisplayGlyph.h"
#include "ZQF_DesiredSizeModificationGlyph.h"
#include "ZQF_HyperlinkGlyph.h"
#include "ZQF_ImageDisplayGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQR_Bitmap.h"

namespace {

// "'text'" for a label, "[text>url]" for a link, "logo", blank separated.
std::string Describe(ZQF_Glyph* Container) {
  std::string text;
  for (ZQF_Glyph* g = Container->GetFirstChild(); g; g = g->GetNextSibling()) {
    std::string item = "?";
    if (auto* link = dynamic_cast<URL_LinkGlyph*>(g)) {
      item = "[" + std::string(link->GetText().GetText()) + ">" + link->GetURL().GetText() + "]";
    } else if (auto* label = dynamic_cast<ZQF_StoredLabelGlyph*>(g)) {
      item = "'" + std::string(label->GetText().GetText()) + "'";
    } else if (dynamic_cast<ZQF_ImageDisplayGlyph*>(g)) {
      item = "logo";
    }
    text += (text.empty() ? "" : " ") + item;
  }
  return text;
}

// Every glyph of class T in the tree, in tree order.
template <class T>
void FindInTree(ZQF_Glyph* Root, std::vector<T*>& Found) {
  if (auto* found = dynamic_cast<T*>(Root)) Found.push_back(found);
  for (ZQF_Glyph* g = Root->GetFirstChild(); g; g = g->GetNextSibling()) FindInTree(g, Found);
}

class MorvMetricsTest : public WindowTest {
 protected:
  void SetUp() override { WindowTest::SetUp(), metrics.reset(new MORVApplicationMetrics); }
  void TearDown() override { metrics.reset(), WindowTest::TearDown(); }
  std::unique_ptr<MORVApplicationMetrics> metrics;
};

TEST_F(MorvMetricsTest, NameTheProgramItsPublisherAndItsEmbeddedPictures) {
  const MORVApplicationMetrics& m = *metrics;
  const struct {
    const char* what;
    ZQ_String got;
    const char* want;
  } kCases[] = {
      {"version", m.GetVersionString(), "1.2"},
      {"name", m.GetApplicationName(), "MORV"},
      {"short description", m.GetShortDescription(), "A utility for estimating the Wet Bulb Globe Temperature"},
      {"description", m.GetDescription(), "A utility for estimating the Wet Bulb Globe Temperature"},
      {"organisation", m.GetOrganizationName(), "The MORV project"},
      {"address: two empty parts", m.GetOrganizationAddress(), ", "},
      {"e-mail", m.GetContactEmailAddress(), "morv@example.org"},
      {"web", m.GetWebSiteAddress(), "www.example.org/morv"},
      {"no copyright line", m.GetCopyrightText(), ""},
      {"no trademarks line", m.GetTrademarksText(), ""},
      {"read-me beside the program", m.GetReadMeFileName(), "ReadMe_MORV.txt"},
      {"history beside the program", m.GetVersionHistoryFileName(), "MORV_VersionHistory.txt"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_STREQ(c.got.GetText(), c.want);
  }
  EXPECT_EQ(m.GetVersionNumber(), 1.2f);
  EXPECT_EQ(m.GetBuildNumber(), 35);
  EXPECT_EQ(&ZQF_GetApplicationMetrics(), metrics.get());
  // The pictures the names point at are embedded.
  EXPECT_NE(::LoadIconA(::GetModuleHandleA(nullptr), m.GetMainIconResourceName().GetText()), nullptr);
  const ZQ_Point<long> bitmapSize = metrics->GetMainBitmap()->GetSize();
  EXPECT_EQ(std::make_pair(bitmapSize.X, bitmapSize.Y), std::make_pair(32L, 32L));
  ASSERT_TRUE(metrics->IsCompanyLogoAvailable());
  EXPECT_GT(metrics->GetCompanyLogo()->GetWidth(), 0);
}

TEST_F(MorvMetricsTest, AboutBoxDescribesTheModelAndShowsTheLogoAboveABlankLineAndTheLinks) {
  MORV_AboutDialogBox dialog;
  ZQF_ColumnGlyph body, organization;
  dialog.AddAdditionalInfoToBodyText(&body);
  EXPECT_EQ(Describe(&body),
            "'' 'This program implements the model of outdoor wet' "
            "'bulb globe temperature described in...' '' "
            "'     an energy balance of a black globe and a wetted wick' "
            "'     in sunshine, sky radiation and moving air, solved for' "
            "'     their temperatures from routine weather measurements,' "
            "'     with the sun's position found from the date and place.' '' "
            "'Written by the MORV project.'");
  dialog.BuildOrganizationInfo(&organization);
  EXPECT_EQ(Describe(&organization),
            "logo '' [morv@example.org>mailto:morv@example.org] "
            "[www.example.org/morv>http://www.example.org/morv]");
  EXPECT_EQ(dialog.GetCompanyLogoWidth(), 6 * ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px).X);
}

TEST_F(MorvMetricsTest, SplashShowsTheLogoTheDescriptionAndTheDisclaimerAtHalfTheScreen) {
  ZQFO_DocumentStream stream;
  MORV_WriteSplashScreenDocument(stream);
  EXPECT_EQ(std::string(static_cast<const ZQ_String&>(stream).GetText()),
            "<zqfo_document><zqfo_section><zqfo_blockstream font_family='sansserif'>\n"
            "<zqfo_para justification='center'><zqfo_img src='intres:MORV_PellmarLogoTwo' "
            "standard_colors='true' width='2 in'/></zqfo_para>\n"
            "<zqfo_para justification='center' block_space_before='4mm'>MORV estimates the outdoor "
            "wet bulb globe temperature from standard weather measurements.</zqfo_para>\n"
            "<zqfo_para justification='center' block_space_before='4mm'>Its results are estimates: "
            "they are no substitute for measuring the heat stress where people work.</zqfo_para>\n"
            "</zqfo_blockstream></zqfo_section></zqfo_document>\n");
  EXPECT_NO_THROW(stream.GetDocument());

  // Run for real: Enter (OK) and Escape (no Cancel button, but the key and
  // the close button cancel) both just close it.
  for (UINT key : {VK_RETURN, VK_ESCAPE}) {
    SCOPED_TRACE(key);
    static std::string s_seen;
    s_seen.clear();
    IdleStep::Queue([key] {
      ZQF_DialogBox* dialog = NewestDialog();
      if (!dialog) return;
      s_seen = dialog->GetTitle().GetText();
      ZQF_Glyph* top = dialog->GetWindow()->GetTopLevelGlyph();
      std::vector<ZQFOxZQF_DocumentDisplayGlyph*> displays;
      std::vector<ZQF_StandardTextButtonGlyph*> buttons;
      FindInTree(top, displays), FindInTree(top, buttons);
      auto* sized = displays.size() == 1
                        ? dynamic_cast<ZQF_DesiredSizeModificationGlyph*>(displays[0]->GetParent())
                        : nullptr;
      if (sized) {
        const ZQF_DesiredSize& size = sized->GetDesiredSize();
        const ZQ_Point<long> screen = ZQF_GetSizeMetric(ZQF_SizeMetric_ScreenPx), minimum = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px);
        EXPECT_EQ(size.Natural.X, screen.X / 2);
        EXPECT_EQ(size.Natural.Y, screen.Y / 2);
        EXPECT_EQ(std::make_pair(size.Minimum.X, size.Minimum.Y), std::make_pair(minimum.X, minimum.Y));
        EXPECT_EQ(size.Maximum.X, 1L << 29);
      }
      s_seen += sized ? " sized" : " unsized";
      for (auto* button : buttons) s_seen += std::string(" ") + button->GetText().GetText();
      if (key == VK_RETURN) SaveScreenshot(dialog->GetWindow()->GetWindowHandle(), "MORV-SplashInProcess");
      PressKey(dialog->GetWindow()->GetWindowHandle(), key);
    });
    EXPECT_NO_THROW(DisplaySplashScreen());
    EXPECT_EQ(s_seen, "Welcome to MORV sized &OK");
  }
}

// A start of the program in this process, as its WinMain performs it, with
// the program's metrics, application object and personality; the settings
// file (MORV.cfg beside this test program) is removed before and after.
class MorvStartTest : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    harnessMain = ZQLOW_WIN_GetProgramMainWindowHandle();
    ::DeleteFileA(SettingsFile().c_str());
    metrics.reset(new MORVApplicationMetrics);
    personality.reset(new MORV_ApplicationPersonality);
    app.reset(new MORVApplication);
  }
  void TearDown() override {
    if (app->GetMainWindow() && ::IsWindow(app->GetMainWindow()->GetWindowHandle())) Close();
    RunStages(10, 13);
    PumpMessages();
    app.reset(), personality.reset(), metrics.reset();
    ::DeleteFileA(SettingsFile().c_str());
    ZQLOW_WIN_SetProgramMainWindowHandle(harnessMain);
    StageSequenceTest::TearDown();
  }
  static std::string SettingsFile() {
    char name[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, name, sizeof name);
    const std::string exe = name;
    return exe.substr(0, exe.find_last_of('\\') + 1) + "MORV.cfg";
  }
  HWND Start() {
    EXPECT_EQ(RunStages(1, 3).failedStage, 0);
    app->InitializeInstance();
    EXPECT_EQ(RunStages(4, 4).failedStage, 0);
    app->InitializeMainWindow();
    EXPECT_EQ(RunStages(5, 5).failedStage, 0);
    app->DisplayMainWindow(SW_SHOWNA);
    EXPECT_EQ(RunStages(6, 7).failedStage, 0);
    PumpMessages();
    return app->GetMainWindow()->GetWindowHandle();
  }
  // Stages 8 and 9, then the window goes.
  void Close() {
    app->CloseApplicationCallback();
    PumpMessages();
  }

  HWND harnessMain = nullptr;
  SavedOptions savedOptions;
  std::unique_ptr<MORVApplicationMetrics> metrics;
  std::unique_ptr<MORV_ApplicationPersonality> personality;
  std::unique_ptr<MORVApplication> app;
};

TEST_F(MorvStartTest, MainWindowIsTitledHasTheProgramsMenuAndTheWorkspaceWhoseFieldsAreSavedAtClose) {
  MORV_Workspace::AirTemperature_C = 20;
  const HWND window = Start();
  char title[100] = "";
  ::GetWindowTextA(window, title, sizeof title);
  EXPECT_STREQ(title, "MORV");
  // No print items, no Edit menu, no help items (there is no help file).
  EXPECT_EQ(Describe(::GetMenu(window)), "&File(E&xit)|&Options(&Edit Options)|&Help(&About)");

  // Stage 4 loaded the options into the workspace, the client's scrolled form.
  ASSERT_NE(MORV_GlobalWorkspace, nullptr);
  auto* scroller = dynamic_cast<ZQF_ScrollingContainerGlyph*>(app->GetClient());
  ASSERT_NE(scroller, nullptr);
  EXPECT_EQ(scroller->GetClient(), MORV_GlobalWorkspace);
  EXPECT_STREQ(MORV_GlobalWorkspace->AirTemperatureField->GetValue().GetText(), "68");
  SaveScreenshot(window, "MORV-InProcess");

  // Stage 8 stores the fields' valid values and lets the workspace go.
  MORV_GlobalWorkspace->AirTemperatureField->SetValue("95");
  Close();
  EXPECT_EQ(MORV_Workspace::AirTemperature_C, 35.0);
  EXPECT_EQ(MORV_GlobalWorkspace, nullptr);
}

TEST_F(MorvStartTest, InAWindowSmallerThanTheFormTheWheelAndTheKeyboardReachEveryRow) {
  const HWND window = Start();
  ::SetFocus(window);
  auto* scroller = dynamic_cast<ZQF_ScrollingContainerGlyph*>(app->GetClient());
  ASSERT_NE(scroller, nullptr);
  MORV_WorkspaceGlyph* ws = MORV_GlobalWorkspace;
  const ZQ_Rectangle<long>& view = scroller->GetFrame()->GetBoundingBox();
  auto isInView = [&](ZQF_Glyph* Glyph) {
    const ZQ_Rectangle<long>& box = Glyph->GetBoundingBox();
    return box.Width > 0 && box.X >= view.X && box.Y >= view.Y &&
           box.X + box.Width <= view.X + view.Width && box.Y + box.Height <= view.Y + view.Height;
  };
  SetModifierKeys(false, false, false);
  const struct {
    long width, height;
    bool isScrolled;  // the form is taller than the window
  } sizes[] = {{800, 600, true}, {1024, 768, false}};
  for (const auto& size : sizes) {
    const std::string name = "MORV-" + std::to_string(size.width) + "x" + std::to_string(size.height);
    SCOPED_TRACE(name);
    ::MoveWindow(window, 0, 0, size.width, size.height, TRUE);
    PumpMessages();
    EXPECT_EQ(scroller->IsVerticalScrollBarShown(), size.isScrolled);
    EXPECT_TRUE(isInView(ws->AirTemperatureField));
    EXPECT_EQ(isInView(ws->OSHALabels[2]), !size.isScrolled);
    SaveScreenshot(window, name);
    if (!size.isScrolled) continue;
    // The wheel over the form, notch by notch, until the last row shows.
    POINT middle{view.X + view.Width / 2, view.Y + view.Height / 2};
    ::ClientToScreen(window, &middle);
    for (int notch = 0; notch < 50 && !isInView(ws->OSHALabels[2]); ++notch) {
      Send(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), Point(middle.x, middle.y));
    }
    EXPECT_TRUE(isInView(ws->OSHALabels[2]));
    EXPECT_FALSE(isInView(ws->AirTemperatureField));
    SaveScreenshot(window, name + "-scrolled");
    // Shift+Tab to the last field, Tab around to the first, out of view
    // until the focus reaches it.
    SetModifierKeys(true, false, false);
    PressKey(window, VK_TAB);
    SetModifierKeys(false, false, false);
    PressKey(window, VK_TAB);
    EXPECT_TRUE(ws->AirTemperatureField->IsOnFocusPath());
    EXPECT_TRUE(isInView(ws->AirTemperatureField));
  }
}

}  // namespace
