// Check boxes and radio groups in a real window: a click on a disabled
// radio client selects its choice and repaints the client enabled; the
// picture shows check boxes in their three states beside the radio group
// with its clients.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "ChoiceTestSupport.h"
#include "ZQF_Metrics.h"

namespace {

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
        count += image.GetPixelColor(x, y) == ZQF_GetColorMetric(ZQF_ColorMetric_LabelText);
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
