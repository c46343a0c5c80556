// Document tooltips: a real tooltip window showing a document, through the
// display control the registered factory makes.
#include "DocumentDisplayTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_Tooltips.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQF_TransientWindow.h"
#include "ZQR_Cursor.h"
#include "ZQ_Numeric.h"

namespace {

// A grey field that answers tooltip questions.
struct TipField : RecordingGlyph {
  TipField() : RecordingGlyph("tip", nullptr) { SetSize(200, 120); }
  void DrawSelf(ZQF_Canvas& Canvas) override { Canvas.Fill(GetLocalBoundingBox(), ZQR_Color(192, 192, 192)); }
};

}  // namespace

TEST_F(DocumentDisplayTest, ADocumentTooltipShowsItsDocumentBesideTheMouse) {
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(1), margins = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px);
  EXPECT_EQ(ZQF_Tooltips::GetExtra(), ZQ_Point<long>(border.X + margins.X, border.Y + margins.Y));
  // Two lines, a bold word and a small table.
  const ZQ_CountedPtr<ZQFO_Document> document(new ZQFO_Document(MakeDisplayDocument(Document(
      "<zqfo_para>Rest <zqfo_flowgroup font_weight='bold'>now</zqfo_flowgroup> in the shade.<zqfo_linebreak/>"
      "Drink a cup of water every 15 minutes.</zqfo_para><zqfo_table><zqfo_row><zqfo_flowcell>Work</zqfo_flowcell>"
      "<zqfo_flowcell>45 min</zqfo_flowcell></zqfo_row><zqfo_row><zqfo_flowcell>Rest</zqfo_flowcell><zqfo_flowcell>"
      "15 min</zqfo_flowcell></zqfo_row></zqfo_table>"))));
  auto* tip = new TipField;
  tip->OnOffer = [&](ZQF_Message& Message, bool SecondTry) {
    auto* question = dynamic_cast<ZQF_TooltipsMessage*>(&Message);
    if (!question || SecondTry) return;
    question->SetText("Rest now");
    question->SetDocument(document);
    question->SetHandled();
  };
  window = OpenAround(tip, ZQ_Rectangle<long>(300, 300, 200, 120));
  window->SetFocus();
  PumpMessages();
  const ZQ_Point<long> at(20, 30), screen = tip->WindowToScreen(at);
  ::SetCursorPos(screen.X, screen.Y);
  Send(window->GetWindowHandle(), WM_MOUSEMOVE, 0, Point(at.X, at.Y));
  ZQF_Tooltips& tips = ZQF_Tooltips::Get();
  if (tips.GetState() == ZQF_TooltipStateMachine::State_Pending)
    tips.RaiseEvent(ZQF_TooltipStateMachine::StateChange_TimerFireEvent);
  ZQF_TransientWindow* shown = tips.GetTooltipWindow();
  ASSERT_NE(shown, nullptr);
  ZQF_Glyph* top = shown->GetTopLevelGlyph();
  auto* display = dynamic_cast<ZQFOxZQF_DocumentDisplayGlyph*>(top->GetFirstChild());
  ASSERT_NE(display, nullptr);
  // Sized to its document, at most a third of the screen wide; a picture only.
  EXPECT_EQ(display->GetSizingMode(), ZQFOxZQF_DocumentDisplayGlyph::Sizing_Fixed);
  EXPECT_LE(display->GetDesiredSize().Natural.X, ZQ_Round(ZQF_GetSizeMetric(ZQF_SizeMetric_ScreenPx).X * 0.33) + 2 * border.X);
  EXPECT_TRUE(display->IsDisabled() && !display->IsFocusable() && display->GetBorderOption());
  EXPECT_EQ(display->GetBorderStyle(), 1);
  EXPECT_EQ(ZQ_Point<long>(display->GetMarginsInPixels().Left, display->GetMarginsInPixels().Top), margins);
  EXPECT_FALSE(display->GetRenderer().GetRepaginationFailed());
  EXPECT_FALSE(display->IsVerticalScrollBarShown() || display->IsHorizontalScrollBarShown());
  // Beside the mouse, as large as the top-level glyph wants.
  const ZQ_Point<long> c = ZQR_Cursor::GetCursorSize(), size = top->GetDesiredSize().Natural;
  const ZQ_Rectangle<long> place = shown->GetWindowRectangle();
  EXPECT_EQ(place, ZQF_Tooltips::ComputeTooltipWindowLayout(
                       size.X, size.Y, ZQ_Rectangle<long>(screen.X - c.X, screen.Y - c.Y, 2 * c.X, 2 * c.Y)));
  for (int i = 0; i < 50 && ::GetUpdateRect(shown->GetWindowHandle(), nullptr, FALSE); ++i) PumpMessages();
  const ZQ_Rectangle<long> both = ZQ_Rectangle<long>::Union(place, ZQ_Rectangle<long>(300, 300, 200, 120));
  SaveScreenRectangleShot(ZQ_Rectangle<long>(both.X - 10, both.Y - 10, both.Width + 20, both.Height + 20),
                          "DocumentTooltip");
  tips.Shutdown();
}
