// The breaking text display glyph: the choice of a wrapping width.
#include "ZQF_SimpleBreakingTextDisplayGlyph.h"

#include <algorithm>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQR_DeviceContext.h"
#include "ZQ_Assertion.h"

ZQF_SimpleBreakingTextDisplayGlyph::ZQF_SimpleBreakingTextDisplayGlyph(const ZQ_String& Text)
    : Text(Text), Font(ZQF_GetFontMetric(ZQF_FontMetric_Label)) {}

ZQF_SimpleBreakingTextDisplayGlyph::~ZQF_SimpleBreakingTextDisplayGlyph() = default;

long ZQF_SimpleBreakingTextDisplayGlyph::Share(long Pixels, float Fraction) {
  return static_cast<long>(static_cast<long double>(Pixels) * Fraction);
}

long ZQF_SimpleBreakingTextDisplayGlyph::ChooseWrappingWidth(long AreaWidth,
                                                             float PreferredFraction,
                                                             long OneLineWidth, bool HasLineFeed) {
  const long preferred = Share(AreaWidth, PreferredFraction);
  if (HasLineFeed) return preferred;
  if (preferred > OneLineWidth) return OneLineWidth + 1;
  if (OneLineWidth < 2 * preferred) return static_cast<long>((OneLineWidth / 2) * 1.1);
  if (OneLineWidth < 3 * preferred) return static_cast<long>((OneLineWidth / 3) * 1.1);
  return preferred;
}

ZQ_Point<long> ZQF_SimpleBreakingTextDisplayGlyph::ComputeBalancedSize() const {
  const ZQ_Rectangle<long>& area = ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea);
  long oneLine = 0;
  {
    const ZQR_DeviceContext dc = ZQF_GetMetricDC();
    oneLine = Font.GetSize(dc.GetHDC(), Text).X;
  }
  long width =
      ChooseWrappingWidth(area.Width, PreferredWidthFraction, oneLine, Text.Find('\n') >= 0);
  const long maximumWidth = Share(area.Width, MaximumWidthFraction);
  const long maximumHeight = Share(area.Height, MaximumHeightFraction);
  ZQ_Point<long> size = ZQF_Canvas::ComputeSizeWithLineBreaks(Text, Font, width);
  while (size.Y > maximumHeight && width < maximumWidth) {
    width = static_cast<long>(std::min(width * 1.2, static_cast<double>(maximumWidth)));
    size = ZQF_Canvas::ComputeSizeWithLineBreaks(Text, Font, width);
  }
  return size;
}

ZQ_Point<long> ZQF_SimpleBreakingTextDisplayGlyph::ComputeOwnLinesSize() const {
  long widest = 0;
  {
    const ZQR_DeviceContext dc = ZQF_GetMetricDC();
    int start = 0;
    while (start <= Text.GetLength()) {
      int end = Text.Find("\n", start);
      if (end < 0) end = Text.GetLength();
      widest = std::max(
          widest, Font.GetSize(dc.GetHDC(), ZQ_String(Text.GetText() + start, end - start)).X);
      start = end + 1;
    }
  }
  return ZQF_Canvas::ComputeSizeWithLineBreaks(Text, Font, widest + 2);
}

ZQ_Point<long> ZQF_SimpleBreakingTextDisplayGlyph::ComputeFixedLinesSize() const {
  ZQ_String sample(".");
  for (long i = 1; i < LineCount; ++i) sample += "\r\n.";
  return ZQF_Canvas::ComputeSizeWithLineBreaks(sample, Font, 10 * ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px).X);
}

void ZQF_SimpleBreakingTextDisplayGlyph::UpdateMyDesiredSize() {
  const long most = ZQF_AlignmentGlyph::StretchMaximum;
  if (BreakingMode == 2) {
    const long height = ComputeFixedLinesSize().Y;
    DesiredSize.SetX(most, 0, most);
    DesiredSize.SetY(height, height, height);
    return;
  }
  ZQ_ASSERT_TEXT(BreakingMode == 0 || BreakingMode == 1, "false");
  const ZQ_Point<long> size = BreakingMode == 0 ? ComputeBalancedSize() : ComputeOwnLinesSize();
  DesiredSize.SetX(size.X, size.X, HorizontallyStretchable ? most : size.X);
  DesiredSize.SetY(size.Y, size.Y, VerticallyStretchable ? most : size.Y);
}

void ZQF_SimpleBreakingTextDisplayGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  Canvas.SetFont(Font);
  Canvas.SetTextColor(TextColor.GetColor());
  Canvas.SetBackgroundColor(BackgroundColor.GetColor());
  Canvas.Fill(GetLocalBoundingBox(), BackgroundColor.GetColor());
  Canvas.SetDrawMode(1);
  Canvas.DrawWithLineBreaks(Text, GetLocalBoundingBox(), HorizontalAlignment, 0);
  Canvas.SetDrawMode(0);
}
