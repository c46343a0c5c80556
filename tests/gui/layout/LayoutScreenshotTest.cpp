// Pictures of the representative forms drawn through their top-level
// glyphs into memory, written to <build>/screenshots for a person to see.
#include <gtest/gtest.h>

#include "../core/DrawingTestSupport.h"
#include "LayoutFormSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_TopLevelGlyph.h"

namespace {

class LayoutScreenshots : public GuiStageTest {};

void Picture(ZQF_Glyph* Root, long Width, long Height, const char* Name) {
  ZQF_TopLevelGlyph top(Root);
  top.ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, Width, Height));
  DibSurface surface(Width, Height);
  ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
  canvas.SetKeyboardCues(3);
  top.ProcessWindowDraw(canvas);
  surface.SaveScreenshot(Name);
  EXPECT_EQ(surface.GetPixel(Width - 1, Height - 1), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
}

TEST_F(LayoutScreenshots, WeatherFormAndAlignedTable) {
  WeatherForm form;
  Picture(form.root, 480, 420, "layout-weather-form");
  AlignedTable table;
  Picture(table.table, 360, 160, "layout-aligned-table");
}

}  // namespace
