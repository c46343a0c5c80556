// Document tooltips: the display control the registered factory makes and
// a real tooltip window showing a document over a window.
#include "DocumentDisplayTestSupport.h"
#include "TooltipDisplayGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQF_Tooltips.h"
#include "ZQF_TransientWindow.h"
#include "ZQR_Cursor.h"
#include "ZQ_Numeric.h"

namespace {

const char* const kTipMarkup =
    "<zqfo_document><zqfo_section><zqfo_blockstream>"
    "<zqfo_para>Rest <zqfo_flowgroup font_weight='bold'>now</zqfo_flowgroup> in the shade."
    "<zqfo_linebreak/>Drink a cup of water every 15 minutes.</zqfo_para>"
    "<zqfo_table><zqfo_row><zqfo_flowcell>Work</zqfo_flowcell><zqfo_flowcell>45 min</zqfo_flowcell></zqfo_row>"
    "<zqfo_row><zqfo_flowcell>Rest</zqfo_flowcell><zqfo_flowcell>15 min</zqfo_flowcell></zqfo_row></zqfo_table>"
    "</zqfo_blockstream></zqfo_section></zqfo_document>";

// Answers every tooltip question with Document.
class DocumentTipGlyph : public RecordingGlyph {
 public:
  explicit DocumentTipGlyph(const ZQFO_Document& Tip)
      : RecordingGlyph("tip", nullptr), Document(new ZQFO_Document(Tip)) {
    SetSize(200, 120);
    OnOffer = [this](ZQF_Message& Message, bool SecondTry) {
      auto* question = dynamic_cast<ZQF_TooltipsMessage*>(&Message);
      if (!question || SecondTry) return;
      question->SetText("Rest now");
      question->SetDocument(Document);
      question->SetHandled();
    };
  }
  void DrawSelf(ZQF_Canvas& Canvas) override { Canvas.Fill(GetLocalBoundingBox(), ZQF_GetColorMetric(32)); }
  ZQ_CountedPtr<ZQFO_Document> Document;
};

}  // namespace

TEST_F(DocumentDisplayTest, TheTooltipFactoryMakesAFixedDisabledUnfocusableDisplay) {
  const ZQF_TooltipDocumentGlyphFactory factory = ZQF_Tooltips_GetDocumentGlyphFactory();
  ASSERT_NE(factory, nullptr);
  std::string words;
  for (int i = 0; i < 300; ++i) words += " shade";
  const ZQ_CountedPtr<ZQFO_Document> document(
      new ZQFO_Document(MakeDisplayDocument(Paragraphs(1).replace(Paragraphs(1).find("Line 0"), 6, words))));
  std::unique_ptr<ZQF_Glyph> glyph(factory(document, 0.33, 2, 3));
  auto* display = dynamic_cast<ZQFOxZQF_DocumentDisplayGlyph*>(glyph.get());
  ASSERT_NE(display, nullptr);
  EXPECT_EQ(display->GetSizingMode(), ZQFOxZQF_DocumentDisplayGlyph::Sizing_Fixed);
  EXPECT_TRUE(display->IsDisabled());
  EXPECT_FALSE(display->IsFocusable());
  EXPECT_EQ(display->GetBorderStyle(), 1);
  EXPECT_TRUE(display->GetBorderOption());
  EXPECT_EQ(display->GetMarginsInPixels().Left, 2);
  EXPECT_EQ(display->GetMarginsInPixels().Top, 3);
  display->UpdateDesiredSize();
  const long third = ZQ_Round(ZQF_GetSizeMetric(11).X * 0.33);
  EXPECT_EQ(display->GetDesiredSize().Natural.X, third + 2 * ZQF_Canvas::GetBorderSize(1).X);
}

TEST_F(DocumentDisplayTest, ADocumentTooltipShowsItsDocumentBesideTheMouse) {
  // The frame: border code 1 and size metric 1.
  EXPECT_EQ(ZQF_Tooltips::GetExtra(), ZQ_Point<long>(ZQF_Canvas::GetBorderSize(1).X + ZQF_GetSizeMetric(1).X,
                                                     ZQF_Canvas::GetBorderSize(1).Y + ZQF_GetSizeMetric(1).Y));
  auto* tip = new DocumentTipGlyph(MakeDisplayDocument(kTipMarkup));
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
  EXPECT_FALSE(display->GetRenderer().GetRepaginationFailed());
  const ZQ_Point<long> c = ZQR_Cursor::GetCursorSize();
  const ZQ_Point<long> size = top->GetDesiredSize().Natural;
  const ZQ_Rectangle<long> place = shown->GetWindowRectangle();
  EXPECT_EQ(place, ZQF_Tooltips::ComputeTooltipWindowLayout(
                       size.X, size.Y, ZQ_Rectangle<long>(screen.X - c.X, screen.Y - c.Y, 2 * c.X, 2 * c.Y)));
  // The whole document, without bars.
  EXPECT_FALSE(display->IsVerticalScrollBarShown() || display->IsHorizontalScrollBarShown());
  for (int i = 0; i < 50 && ::GetUpdateRect(shown->GetWindowHandle(), nullptr, FALSE); ++i) PumpMessages();
  const ZQ_Rectangle<long> both = ZQ_Rectangle<long>::Union(place, ZQ_Rectangle<long>(300, 300, 200, 120));
  SaveScreenRectangleShot(ZQ_Rectangle<long>(both.X - 10, both.Y - 10, both.Width + 20, both.Height + 20),
                          "DocumentTooltip");
  tips.Shutdown();
}
