#include <gtest/gtest.h>

#include <vector>

#include "GlyphTestSupport.h"
#include "GuiStageTestSupport.h"
#include "ZQF_Caret.h"
#include "ZQF_Help.h"
#include "ZQF_Metrics.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_ProgressReportService.h"

namespace {

// The cursors Windows is told to show while it lives.
class AppliedCursors {
 public:
  std::vector<HCURSOR> applied;

 private:
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::SetCursor> watch{[this](HCURSOR Cursor) {
    applied.push_back(Cursor);
    return Cursor;
  }};
};

HCURSOR Stock(LPCSTR Id) { return LoadCursorA(nullptr, Id); }

TEST(Caret, GuardNeverTouchesTheSystemCaret) {
  int calls = 0;
  const auto count = [&](auto...) { return ++calls, TRUE; };
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::CreateCaret> create(count);
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::ShowCaret> show(count);
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::HideCaret> hide(count);
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::DestroyCaret> destroy(count);
  ZQF_Caret::DisableBeforePainting();
  EXPECT_FALSE(ZQF_Caret::IsPaintingEnabled());
  ZQF_Caret::EnableAfterPainting();
  ZQF_Caret::TurnOff();
  EXPECT_TRUE(ZQF_Caret::IsPaintingEnabled());
  EXPECT_FALSE(ZQF_Caret::IsTurnedOn());
  EXPECT_EQ(calls, 0);
}

class BusyCursor : public GuiStageTest {
 protected:
  void TearDown() override {
    ZQ_ProgressReportService_SetInitialDelay(0.1);
    GuiStageTest::TearDown();
  }
};

// No toolkit window has the focus here: the cursor saved at the display
// comes back.
TEST_F(BusyCursor, WaitCursorWhileATaskIsShown) {
  ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(ZQF_CursorMetric_IBeam));
  ZQR_Cursor::UseCursor();
  ZQ_ProgressReportService_SetInitialDelay(0);
  AppliedCursors cursors;
  {
    ZQ_ProgressReportService_Task task(ZQ_String("Long task"), 10);
    task.Step();
  }
  ZQ_ProgressReportService_Manager::DisplayErase();
  EXPECT_EQ(cursors.applied, (std::vector<HCURSOR>{Stock(IDC_WAIT), Stock(IDC_IBEAM)}));
}

class TopLevelCursors : public GuiStageTest {
 protected:
  void SetUp() override {
    GuiStageTest::SetUp();
    ZQF_Help_Module help;
    help.HelpAvailable = [] { return true; };
    savedHelp = ZQF_Help_RegisterModule(help);
    child = new RecordingGlyph("child", nullptr);
    top = new ZQF_TopLevelGlyph(child);
    window = new ZQF_Window(top);
    top->SetContainingWindow(window);
    top->ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 100, 100));
    child->SetBox(0, 0, 100, 100);
  }
  void TearDown() override {
    delete window;
    ZQF_Help_RegisterModule(savedHelp);
    GuiStageTest::TearDown();
  }
  std::vector<HCURSOR> CursorsOfSetCursorMessage() {
    AppliedCursors cursors;
    ZQF_SetCursorMouseMessage m(10, 10, false, false, false);
    top->Dispatch(m);
    ZQR_Cursor::UseCursor();
    return cursors.applied;
  }

  ZQF_Help_Module savedHelp;
  RecordingGlyph* child = nullptr;
  ZQF_TopLevelGlyph* top = nullptr;
  ZQF_Window* window = nullptr;
};

TEST_F(TopLevelCursors, ArrowUnlessAGlyphBelowChooses) {
  EXPECT_EQ(CursorsOfSetCursorMessage(), std::vector<HCURSOR>{Stock(IDC_ARROW)});
  child->OnOffer = [](ZQF_Message&, bool secondTry) {
    if (!secondTry) ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(ZQF_CursorMetric_IBeam));
  };
  EXPECT_EQ(CursorsOfSetCursorMessage(), std::vector<HCURSOR>{Stock(IDC_IBEAM)});
}

TEST_F(TopLevelCursors, WhatsThisModeShowsTheHelpCursor) {
  const HCURSOR help = LoadCursorA(GetModuleHandleA(nullptr), "ZQF_HelpCursor");
  {
    AppliedCursors cursors;
    top->HandleWhatsThisHelpRequest();
    EXPECT_EQ(cursors.applied, std::vector<HCURSOR>{help});  // at once
  }
  child->OnOffer = [](ZQF_Message&, bool) { ADD_FAILURE() << "the mode settles it"; };
  EXPECT_EQ(CursorsOfSetCursorMessage(), std::vector<HCURSOR>{help});
  child->OnOffer = nullptr;
  top->CancelWhatsThisHelpMode();
}

// Routed at a point like the tooltips route it.
class TooltipsMessage : public TopLevelCursors {};

TEST_F(TooltipsMessage, DefaultsComeBackWithReset) {
  ZQF_TooltipsMessage m;
  m.SetText(ZQ_String("tip"));
  m.SetTextPosition(ZQ_Point<long>(5, 6));
  m.SetFont(ZQF_GetFontMetric(ZQF_FontMetric_SansBold10));
  m.SetIdentity(ZQ_UID(1, 2, 3, 4));
  m.SetDisplayDelay(ZQF_GetTimeMetric(ZQF_TimeMetric_LabelTooltipDelay));
  child->HandleOn("Generic", 1);
  ZQF_TargetPointMessageRouter atPoint(ZQ_Point<long>(10, 10));
  top->Dispatch(m, &atPoint);
  EXPECT_EQ(m.GetHandlingGlyph(), child);
  m.Reset();
  EXPECT_FALSE(m.IsHandled());
  EXPECT_EQ(m.GetText().GetLength(), 0);
  EXPECT_EQ(m.GetTextPosition(), ZQ_Point<long>(-999999, -999999));
  EXPECT_TRUE(m.GetFont() == ZQF_GetFontMetric(ZQF_FontMetric_Tooltip));
  EXPECT_TRUE(m.GetIdentity() == ZQ_UID());
  EXPECT_EQ(m.GetDisplayDelay(), 500);
}

}  // namespace
