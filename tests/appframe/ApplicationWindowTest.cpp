#include <gtest/gtest.h>

#include "AppFrameTestSupport.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_EdgeContainerGlyph.h"
#include "ZQF_MainApplicationTopLevelGlyph.h"
#include "ZQF_MessageHookGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_NullDrawableGlyph.h"

namespace {

using ApplicationWindowTest = AppFrameTest;

TEST_F(ApplicationWindowTest, WindowHoldsTopLevelHookBorderEdgeContainerAndClientWithItsIcon) {
  const HWND window = OpenMainWindow();
  ZQF_Glyph* top = app->GetMainWindow()->GetTopLevelGlyph();
  ASSERT_NE(dynamic_cast<ZQF_MainApplicationTopLevelGlyph*>(top), nullptr);
  ZQF_Glyph* hook = top->GetFirstChild();
  EXPECT_EQ(hook, app->GetMainWindowMessageHookGlyph());
  auto* border = dynamic_cast<ZQF_BorderGlyph*>(hook->GetFirstChild());
  ASSERT_NE(border, nullptr);
  auto* edges = dynamic_cast<ZQF_EdgeContainerGlyph*>(border->GetFirstChild());
  ASSERT_NE(edges, nullptr);
  EXPECT_EQ(edges->GetCentre(), app->GetClient());
  EXPECT_NE(dynamic_cast<ZQF_NullDrawableGlyph*>(app->GetClient()), nullptr);

  // The border keeps half the frame size metric less one on each side.
  ZQ_Rectangle<long> frame, client, text, background;
  border->CalculateLayoutRectangles(frame, client, text, background);
  const ZQ_Point<long> size = ZQF_GetSizeMetric(ZQF_SizeMetric_FrameMargin);
  EXPECT_EQ(client.X, size.X / 2 - 1);
  EXPECT_EQ(client.Y, size.Y / 2 - 1);
  EXPECT_EQ(client.Width, border->GetLocalBoundingBox().Width - 2 * (size.X / 2 - 1));

  const HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), "ZQF_DefaultMainIcon");
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(::GetClassLongA(window, GCL_HICON)), icon);
}

std::string WindowText(HWND Window) {
  char text[200] = "";
  ::GetWindowTextA(Window, text, sizeof text);
  return text;
}

TEST_F(ApplicationWindowTest, TitlePartsJoinInKeyOrderAndReachTheWindowOnceItExists) {
  app->AddTitleText(2, "two");
  EXPECT_EQ(std::string(app->GetTitle().GetText()), "two");  // kept until the window exists
  app->AddTitleText(1, "one");
  const HWND window = OpenMainWindow();
  EXPECT_EQ(WindowText(window), "Frame Test 2.5 - one - two");  // part 0 from the metrics
  const struct {
    long key;
    const char* text;
    const char* want;
  } kCases[] = {
      {0, "zero", "zero - one - two"},
      {1, "uno", "zero - uno - two"},  // a key given again replaces its text
      {-5, "minus", "minus - zero - uno - two"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.want);
    app->AddTitleText(c.key, c.text);
    EXPECT_EQ(WindowText(window), c.want);
  }
  // An existing part 0 stays at the next start.
  app->Init_SetInitialTitle();
  EXPECT_EQ(WindowText(window), "minus - zero - uno - two");
}

TEST_F(ApplicationWindowTest, ShowCommandChoosesTheWindowState) {
  const struct {
    int command;
    const char* commandLine;
    bool zoomed, iconic, visible;
  } kCases[] = {
      {SW_SHOWNORMAL, "", true, false, true},  // a normal start maximizes
      {SW_SHOWDEFAULT, "", true, false, true},  // as a start from a command line does
      {SW_SHOWMINNOACTIVE, "", false, true, true},  // other commands pass
      {SW_SHOWNORMAL, " -hidden", false, false, false},
  };
  HWND window = nullptr;
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.command) + c.commandLine);
    if (window) ::DestroyWindow(window);  // the last one is the fixture's
    PumpMessages();
    app.reset();
    app.reset(new ZQF_Application);
    RunStages(8, 13);
    UseCommandLine("StageTestProgram.exe" + std::string(c.commandLine));
    ASSERT_EQ(RunStages(1, 7).failedStage, 0);
    window = OpenMainWindow(c.command);
    EXPECT_EQ(::IsZoomed(window) != FALSE, c.zoomed);
    EXPECT_EQ(::IsIconic(window) != FALSE, c.iconic);
    EXPECT_EQ(::IsWindowVisible(window) != FALSE, c.visible);
  }
  // A parse sets only the flags it meets: later tests want the flag off.
  RunStages(8, 13);
  UseCommandLine("StageTestProgram.exe -hidden-");
  ASSERT_EQ(RunStages(1, 7).failedStage, 0);
}

TEST_F(ApplicationWindowTest, SetClientTakesTheDefaultClientsPlaceAndFocusOnce) {
  // As a workspace plug-in does at stage 4, before the window is made.
  app->InitializeInstance();
  ZQF_Glyph* edges = app->GetClient()->GetParent();
  ASSERT_EQ(edges->GetFocusChild(), app->GetClient());
  auto* mine = new RecordingGlyph("mine", nullptr);
  app->SetClient(mine);
  EXPECT_EQ(app->GetClient(), mine);
  EXPECT_EQ(edges->GetFirstChild(), mine);
  EXPECT_EQ(edges->GetLastChild(), mine);
  EXPECT_EQ(edges->GetFocusChild(), mine);
  app->InitializeMainWindow();
  app->DisplayMainWindow(SW_SHOWNA);
  // The edge container lays the new client out in its centre.
  EXPECT_EQ(mine->GetBoundingBox().Width, edges->GetBoundingBox().Width);
  EXPECT_GT(mine->GetBoundingBox().Width, 0);

  RecordingGlyph another("another", nullptr);
  EXPECT_TRUE(FailedOn(FailureOf([&] { app->SetClient(&another); }), "DefaultClient != NULL"));
}

TEST_F(ApplicationWindowTest, SetClientRefusesNull) {
  app->InitializeInstance();
  EXPECT_TRUE(FailedOn(FailureOf([&] { app->SetClient(nullptr); }), "aNewClient != NULL"));
}

TEST_F(ApplicationWindowTest, ASecondApplicationFailsItsAssertion) {
  std::unique_ptr<ZQF_Application> second;
  EXPECT_TRUE(FailedOn(FailureOf([&] { second.reset(new ZQF_Application); }),
                       "NumApplicationInstances == 1"));
  EXPECT_TRUE(app->IsValid());  // the half-made second one no longer counts
}

}  // namespace
