// Check boxes and radio groups in a real window: a click on a disabled
// radio client selects its choice and repaints the client enabled; the
// picture shows check boxes in their three states beside the radio group
// with its clients.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "ChoiceTestSupport.h"
#include "LayoutFormSupport.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_ExclusiveAlternativeControlGroupGlyph.h"
#include "ZQF_Metrics.h"

namespace {

// Three check boxes (clear, checked, indeterminate) in a group box beside a
// radio group whose second and fourth choices have fields, the third sharing
// the fourth's.
struct ChoicePanel {
  ChoiceRecorder* root = new ChoiceRecorder;
  ZQF_CheckBoxGlyph* boxes[3];
  ZQF_ExclusiveAlternativeControlGroupGlyph* group = new ZQF_ExclusiveAlternativeControlGroupGlyph;
  ZQF_Glyph* height = ValueField("2.0 m");
  ZQF_Glyph* custom = ValueField("0.25");

  ChoicePanel() {
    ZQF_CheckBoxGroupGlyph* checks = new ZQF_CheckBoxGroupGlyph;
    const char* labels[] = {"Show &heat index", "Show &globe temperature", "&Round results"};
    const int states[] = {ZQF_ButtonGlyph::State_Up, ZQF_ButtonGlyph::State_Down,
                          ZQF_ButtonGlyph::State_Unknown};
    for (int i = 0; i < 3; ++i) {
      boxes[i] = new ZQF_CheckBoxGlyph(labels[i], true, states[i]);
      checks->AddToBottom(boxes[i]);
    }
    group->AddToBottom("&Measured at 2 m", nullptr);
    group->AddToBottom("Measured at &another height", height);
    group->AddToBottom("&Rural profile",
                       ZQF_ExclusiveAlternativeControlGroupGlyph::ShareNextClient);
    group->AddToBottom("&Urban profile, roughness", custom);
    ZQF_RowGlyph* row = new ZQF_RowGlyph;
    row->SetSpacing(12);
    row->AddToRight(new ZQF_BorderGlyph(checks, "Results", 0, ZQ_Point<long>(6, 4), 1, 0));
    row->AddToRight(new ZQF_BorderGlyph(group, "&Wind", 0, ZQ_Point<long>(6, 4), 1, 0));
    root->AddToBottom(row);
    root->AddToBottom(new ZQF_VerticalGlueGlyph());
  }
};

using ChoiceWindow = WindowTest;

TEST_F(ChoiceWindow, ClickOnADisabledClientSelectsItsChoice) {
  ChoicePanel panel;
  ZQF_Window* window = OpenAround(panel.root, ZQ_Rectangle<long>(40, 40, 560, 220));
  const HWND handle = window->GetWindowHandle();
  window->SetFocus();
  PumpMessages();
  // The field's text shows in the text colour only while it is enabled.
  const ZQ_Rectangle<long> field = panel.height->GetBoundingBox();
  const auto textPixels = [&] {
    const ZQIMG_Image image = CaptureClientArea(handle);
    long count = 0;
    for (long y = field.Y; y < field.Y + field.Height; ++y)
      for (long x = field.X; x < field.X + field.Width; ++x)
        count += image.GetPixelColor(x, y) == ZQF_GetColorMetric(33);
    return count;
  };
  ASSERT_FALSE(panel.height->IsEnabled());
  EXPECT_EQ(textPixels(), 0);

  const LPARAM centre = Point(field.X + field.Width / 2, field.Y + field.Height / 2);
  Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  Send(handle, WM_LBUTTONUP, 0, centre);
  EXPECT_EQ(panel.group->GetValue(), 1);
  EXPECT_TRUE(panel.height->IsEnabled());
  EXPECT_FALSE(panel.custom->IsEnabled());
  EXPECT_EQ(panel.root->Text(), "up Measured at another height:1");
  EXPECT_GT(textPixels(), 0);

  SaveScreenshot(handle, "window-check-boxes-and-radio-group");
}

}  // namespace
