// A dialog-like panel of every control kind in one real window: text and
// bitmap buttons (one pressed, one disabled), check boxes in their three
// states, a radio group with clients, tab pages in both placements, a
// picture and a red-tinted field; saved for a person to see, with the looks
// a person would check read back from the screen.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "ButtonTestSupport.h"
#include "ChoiceTestSupport.h"
#include "LayoutFormSupport.h"
#include "ZQF_Metrics.h"
#include "ZQF_SelectableClientNullContainerGlyph.h"
#include "ZQF_TabSelectableClientGlyph_TabButtonGroup.h"

namespace {

// The middle of Glyph's top edge, where a button's frame shows raised or
// pressed.
ZQR_Color TopEdgeColor(const ZQIMG_Image& Shot, const ZQF_Glyph* Glyph) {
  const ZQ_Rectangle<long>& box = Glyph->GetBoundingBox();
  return Shot.GetPixelColor(box.X + box.Width / 2, box.Y);
}

long CountPixels(const ZQIMG_Image& Shot, const ZQ_Rectangle<long>& Area, const ZQR_Color& Color) {
  long count = 0;
  for (long y = Area.Y; y < Area.Y + Area.Height; ++y)
    for (long x = Area.X; x < Area.X + Area.Width; ++x) count += Shot.GetPixelColor(x, y) == Color;
  return count;
}

// [buttons, picture and tint] above the check boxes and radio group, above
// tab pages with their tabs on the top and on the bottom border.
TEST_F(WindowTest, ControlPanelScreenshot) {
  ButtonPanel buttons;
  ChoicePanel choices;
  PictureAndTintColumn side;
  ZQF_TabSelectableClientGlyph* tabs[] = {TemperatureTabs(0), TemperatureTabs(1)};
  auto* top = new ZQF_RowGlyph;
  top->SetSpacing(24);
  top->AddToRight(buttons.Column);
  top->AddToRight(side.Column);
  auto* pages = new ZQF_RowGlyph;
  pages->SetSpacing(12);
  for (ZQF_TabSelectableClientGlyph* t : tabs) pages->AddToRight(t);
  auto* panel = new ZQF_ColumnGlyph;
  panel->SetSpacing(10);
  panel->AddToBottom(top);
  panel->AddToBottom(choices.root);
  panel->AddToBottom(pages);
  ZQF_Window* window =
      OpenAround(new ZQF_MarginGlyph(panel, 10, 10, 0), ZQ_Rectangle<long>(40, 40, 600, 410));
  window->SetFocus();
  PumpMessages();
  // Selecting a choice moves the focus to it: OK takes it back afterwards.
  choices.group->SetSelectedButton(1, false);
  buttons.ShowStates();
  const ZQIMG_Image shot = SaveScreenshot(window->GetWindowHandle(), "ControlPanel");

  EXPECT_EQ(TopEdgeColor(shot, buttons.Buttons[0]), ZQF_GetColorMetric(ZQF_ColorMetric_ButtonHighlight));  // raised
  EXPECT_EQ(TopEdgeColor(shot, buttons.Buttons[1]), ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow));  // pressed
  EXPECT_EQ(TopEdgeColor(shot, buttons.Buttons[4]), ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow));
  EXPECT_TRUE(buttons.Buttons[0]->IsOnFocusPath());
  // The selected choice's field is enabled and shows its text; the others'
  // fields are greyed.
  EXPECT_TRUE(choices.height->IsEnabled());
  EXPECT_FALSE(choices.custom->IsEnabled());
  EXPECT_GT(CountPixels(shot, choices.height->GetBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelText)), 0);
  EXPECT_EQ(CountPixels(shot, choices.custom->GetBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelText)), 0);
  // The tab strips: above the pages, then to their left.
  const ZQ_Rectangle<long> strips[] = {tabs[0]->GetTabStrip()->GetBoundingBox(),
                                       tabs[1]->GetTabStrip()->GetBoundingBox()};
  EXPECT_LE(strips[0].Y + strips[0].Height, tabs[0]->GetPages()->GetBoundingBox().Y);
  EXPECT_LE(strips[1].X + strips[1].Width, tabs[1]->GetPages()->GetBoundingBox().X);
  // Clear and checked boxes are white inside; the indeterminate one is not.
  ZQR_Color inside[3];
  for (int i = 0; i < 3; ++i) {
    ZQ_Rectangle<long> box, label, hot;
    choices.boxes[i]->GetLayoutRectangles(box, label, hot);
    box = choices.boxes[i]->GlyphToWindow(box);
    inside[i] = shot.GetPixelColor(box.X + 2, box.Y + 2);
  }
  EXPECT_EQ(inside[0], inside[1]);
  EXPECT_NE(inside[2], inside[1]);
  const ZQ_Rectangle<long> field = side.Tinted->GetBoundingBox();
  const ZQR_Color face = shot.GetPixelColor(field.X + 2, field.Y + field.Height / 2);
  EXPECT_GE(face.GetRed(), 128);
  EXPECT_LT(face.GetGreen(), 128);
}

}  // namespace
