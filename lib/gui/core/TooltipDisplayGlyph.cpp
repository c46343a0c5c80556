#include "TooltipDisplayGlyph.h"

#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"

namespace {

const long NominalSize = 100;
const int BackgroundColorKey = ZQF_ColorMetric_TooltipBackground;
const int TextColorKey = ZQF_ColorMetric_TooltipText;
const int Centred = 1;

}  // namespace

TooltipDisplayGlyph::TooltipDisplayGlyph(const ZQ_String& Text, const ZQR_ConcreteFont& Font)
    : Text(Text), Font(Font) {}

int TooltipDisplayGlyph::GetBorderCode() { return 1; }

ZQ_Point<long> TooltipDisplayGlyph::GetBorderSize() { return ZQF_Canvas::GetBorderSize(GetBorderCode()); }

ZQ_Point<long> TooltipDisplayGlyph::GetMargins() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px); }

void TooltipDisplayGlyph::UpdateMyDesiredSize() {
  DesiredSize.SetX(NominalSize, NominalSize, NominalSize);
  DesiredSize.SetY(NominalSize, NominalSize, NominalSize);
}

void TooltipDisplayGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  const ZQR_Color& background = ZQF_GetColorMetric(BackgroundColorKey);
  Canvas.SetFont(Font);
  Canvas.SetTextColor(ZQF_GetColorMetric(TextColorKey));
  Canvas.SetBackgroundColor(background);
  Canvas.SetDrawMode(1);
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  Canvas.Fill(box, background);
  Canvas.DrawBorder(box, GetBorderCode(), 0);
  Canvas.Draw(Text, box, Centred, Centred);
  Canvas.SetDrawMode(0);
}
