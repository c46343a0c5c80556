// A real window of tab pages in both placements, an image display and a
// red-tinted field, saved to <build>/screenshots for a person to see.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "LayoutFormSupport.h"
#include "ZQF_TabSelectableClientGlyph_TabButtonGroup.h"

namespace {

class TabAndImageScreenshot : public WindowTest {};

TEST_F(TabAndImageScreenshot, TabPagesImageAndRedTint) {
  PictureAndTintColumn side;
  ZQF_TabSelectableClientGlyph* top = TemperatureTabs(0);
  ZQF_RowGlyph* row = new ZQF_RowGlyph;
  row->SetSpacing(10);
  row->AddToRight(top);
  row->AddToRight(TemperatureTabs(1));
  row->AddToRight(side.Column);
  ZQF_Window* window =
      OpenAround(new ZQF_MarginGlyph(row, 8, 8, 0), ZQ_Rectangle<long>(40, 40, 760, 150));
  window->SetFocus();
  top->GetTabStrip()->PutOnFocusPath();
  const ZQIMG_Image shot = SaveScreenshot(window->GetWindowHandle(), "tab-pages-and-images");
  const ZQ_Rectangle<long> field = side.Tinted->GetBoundingBox();
  const ZQR_Color face = shot.GetPixelColor(field.X + 2, field.Y + field.Height / 2);
  EXPECT_GE(face.GetRed(), 128);
  EXPECT_LT(face.GetGreen(), 128);
}

}  // namespace
