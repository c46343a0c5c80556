// Pictures of representative canvas drawings, written to <build>/screenshots
// for a person to look at: the border codes, labels and text, and a panel
// of glyphs drawn through its top-level glyph.
#include <gtest/gtest.h>

#include <string>

#include "DrawingTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_TopLevelGlyph.h"

namespace {

class Screenshots : public GuiStageTest {};

// A label in a border of its code, in a cell of a grid of Columns columns.
class BorderCell : public ZQF_DrawableGlyph {
 public:
  BorderCell(int Code, const char* Text, long Options) : Code(Code), Text(Text), Options(Options) {}
  void DrawSelf(ZQF_Canvas& Canvas) override {
    const ZQ_Rectangle<long> box = GetLocalBoundingBox();
    Canvas.Fill(box, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
    Canvas.DrawBorder(box, Code, Options);
    Canvas.SetFont(ZQF_GetFontMetric(ZQF_FontMetric_Label));
    Canvas.SetTextColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelText));
    Canvas.SetDrawMode(1);
    ZQ_Rectangle<long> inside = box;
    inside.Deflate(3, 3);
    Canvas.DrawLabel(ZQ_String(Text.c_str()), inside, 1, 1, true);
  }

 private:
  int Code;
  std::string Text;
  long Options;
};

class GridGlyph : public ZQF_DrawableGlyph {
 public:
  explicit GridGlyph(int Columns) : Columns(Columns) {}
  void DrawSelf(ZQF_Canvas& Canvas) override {
    Clip(Canvas, Clip_SelfAndChildren);
    Canvas.Fill(GetLocalBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_DocumentBackground));
  }
  void AcceptLayout() override {
    int i = 0;
    const long width = (GetBoundingBox().Width - 8) / Columns;
    for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling(), ++i) {
      LayoutChild(c, ZQ_Point<long>(4 + (i % Columns) * width + 2, 4 + (i / Columns) * 34),
                  ZQ_Point<long>(width - 4, 30));
    }
  }
  void UpdateMyDesiredSize() override { DesiredSize.MakeValid(); }

 private:
  int Columns;
};

TEST_F(Screenshots, BorderCodesLabelsAndAPanel) {
  {
    DibSurface surface(360, 80, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
    ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), true);
    canvas.SetKeyboardCues(3);
    for (int code = 1; code <= 8; ++code) {
      canvas.DrawBorder(ZQ_Rectangle<long>(8 + (code - 1) * 44, 8, 38, 28), code, 0);
      canvas.DrawBorder(ZQ_Rectangle<long>(8 + (code - 1) * 44, 44, 38, 28), code, 1);
    }
    canvas.DrawHorizontalSeparatorLine(4, 356, 40, 3);
    surface.SaveScreenshot("canvas-borders");
    EXPECT_GT(surface.CountPixels(ZQF_GetColorMetric(ZQF_ColorMetric_ButtonHighlight)), 0);
  }
  {
    DibSurface surface(240, 150, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
    ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), true);
    canvas.SetFont(ZQF_GetFontMetric(ZQF_FontMetric_Label));
    canvas.SetTextColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelText));
    canvas.SetBackgroundColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
    canvas.SetDrawMode(1);
    canvas.SetKeyboardCues(3);
    canvas.DrawLabel(ZQ_String("&File (cues on)"), ZQ_Point<long>(8, 8));
    canvas.SetKeyboardCues(0);
    canvas.DrawLabel(ZQ_String("&File (cues off)"), ZQ_Point<long>(8, 26));
    canvas.DrawLabel(ZQ_String("&File (no mnemonic)"), ZQ_Rectangle<long>(8, 44, 200, 16), 0, 0,
                     false);
    canvas.DrawLabelDisabled(ZQ_String("&Disabled label"), ZQ_Point<long>(8, 62));
    canvas.SetKeyboardCues(3);
    canvas.DrawFocusIndicator(ZQ_Rectangle<long>(4, 80, 232, 64));
    canvas.DrawWithLineBreaks(ZQ_String("Word-wrapped text, centred in its box by its height."),
                              ZQ_Rectangle<long>(8, 82, 224, 60), 1, 1);
    surface.SaveScreenshot("canvas-labels");
    EXPECT_GT(surface.CountPixels(ZQF_GetColorMetric(ZQF_ColorMetric_LabelText)), 0);
  }
  {
    GridGlyph* grid = new GridGlyph(4);
    const char* names[] = {"&Open", "&Save", "Save &As", "&Print", "Cu&t", "&Copy",
                           "&Paste", "&Delete", "&Help", "A&bout", "E&xit", "&Undo"};
    for (int i = 0; i < 12; ++i) grid->AddChild(new BorderCell(1 + i % 7, names[i], 1), true);
    ZQF_TopLevelGlyph top(grid);
    top.ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 320, 112));
    grid->SetFocusChild(grid->GetFirstChild()->GetNextSibling());
    DibSurface surface(320, 112);
    ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), true);
    canvas.SetKeyboardCues(3);
    top.ProcessWindowDraw(canvas);
    surface.SaveScreenshot("glyph-panel");
    EXPECT_EQ(surface.GetPixel(1, 1), ZQF_GetColorMetric(ZQF_ColorMetric_DocumentBackground));
  }
}

}  // namespace
