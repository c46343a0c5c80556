// A real window of tab pages in both placements, an image display and a
// red-tinted field, saved to <build>/screenshots for a person to see.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "LayoutFormSupport.h"
#include "ZQF_HorizontalSeparatorLineGlyph.h"
#include "ZQF_ImageDisplayGlyph.h"
#include "ZQF_RedTintContainerGlyph.h"
#include "ZQF_TabSelectableClientGlyph.h"
#include "ZQF_TabSelectableClientGlyph_TabButtonGroup.h"

namespace {

ZQF_TabSelectableClientGlyph* Tabs(long Placement) {
  ZQF_TabSelectableClientGlyph* tabs = new ZQF_TabSelectableClientGlyph(Placement);
  const char* tabNames[] = {"&Air", "&Globe", "&Wet bulb"};
  const char* values[] = {"31.5", "44.0", "24.8"};
  for (int i = 0; i < 3; ++i) {
    ZQF_PropertyListGlyph* list = new ZQF_PropertyListGlyph;
    list->AddRowWithUnits("Temperature", ValueField(values[i]), "C");
    tabs->AddTab(tabNames[i], new ZQF_MarginGlyph(list, 6, 6, 0), ZQF_Color(32));
  }
  return tabs;
}

// A sun in black on light grey, the two colours the display recolours.
ZQIMG_Image SunPicture() {
  ZQIMG_Image image(24, 24, 24);
  for (long y = 0; y < 24; ++y) {
    unsigned char* p = image.GetRow24BitForWriting(y);
    for (long x = 0; x < 24; ++x, p += 3) {
      const long dx = x - 12, dy = y - 12, d = dx * dx + dy * dy;
      const bool ray = dx == 0 || dy == 0 || dx == dy || dx == -dy;
      p[0] = p[1] = p[2] = (d < 30 || (d < 120 && ray)) ? 0 : 192;
    }
  }
  return image;
}

class TabAndImageScreenshot : public WindowTest {};

TEST_F(TabAndImageScreenshot, TabPagesImageAndRedTint) {
  ZQF_ImageDisplayGlyph* sun = new ZQF_ImageDisplayGlyph(SunPicture());
  sun->SetRecolor(true);
  sun->SetScaleImage(true);
  sun->SetDesiredImageSize(48, -1);
  ZQF_RedTintContainerGlyph* tinted = new ZQF_RedTintContainerGlyph(ValueField("-12.0 (too low)"));
  ZQF_ColumnGlyph* side = new ZQF_ColumnGlyph(1);
  side->SetSpacing(6);
  side->AddToBottom(sun);
  side->AddToBottom(new ZQF_HorizontalSeparatorLineGlyph(3, 2, 2, ZQF_GetColorMetric(32)));
  side->AddToBottom(tinted);
  ZQF_TabSelectableClientGlyph* top = Tabs(0);
  ZQF_RowGlyph* row = new ZQF_RowGlyph;
  row->SetSpacing(10);
  row->AddToRight(top);
  row->AddToRight(Tabs(1));
  row->AddToRight(side);
  ZQF_Window* window =
      OpenAround(new ZQF_MarginGlyph(row, 8, 8, 0), ZQ_Rectangle<long>(40, 40, 760, 150));
  window->SetFocus();
  top->GetTabStrip()->PutOnFocusPath();
  const ZQIMG_Image shot = SaveScreenshot(window->GetWindowHandle(), "tab-pages-and-images");
  const ZQ_Rectangle<long> field = tinted->GetBoundingBox();
  const ZQR_Color face = shot.GetPixelColor(field.X + 2, field.Y + field.Height / 2);
  EXPECT_GE(face.GetRed(), 128);
  EXPECT_LT(face.GetGreen(), 128);
}

}  // namespace
