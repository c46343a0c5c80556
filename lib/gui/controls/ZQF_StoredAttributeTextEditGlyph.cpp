// Text edits with stored colours, font and margins, and the read-only
// display sized to its text.
#include "ZQF_StoredAttributeTextEditGlyph.h"

#include <algorithm>

#include "ZQF_Metrics.h"
#include "ZQ_Assertion.h"
#include "ZQ_Iterator.h"

ZQF_StoredAttributeTextEditGlyph::ZQF_StoredAttributeTextEditGlyph(int Mode)
    : ZQF_TextEditGlyph(Mode),
      Font(ZQF_GetFontMetric(ZQF_FontMetric_Field)),
      LeftMargin(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X),
      RightMargin(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X),
      TopMargin(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y),
      BottomMargin(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y) {}

void ZQF_StoredAttributeTextEditGlyph::SetMargins(long Left, long Right, long Top, long Bottom) {
  LeftMargin = Left;
  RightMargin = Right;
  TopMargin = Top;
  BottomMargin = Bottom;
}

ZQR_Color ZQF_StoredAttributeTextEditGlyph::Cust_GetTextColor(unsigned short) {
  return TextColor.GetColor();
}

ZQR_Color ZQF_StoredAttributeTextEditGlyph::Cust_GetBackgroundColor(unsigned short) {
  return BackgroundColor.GetColor();
}

ZQR_ConcreteFont ZQF_StoredAttributeTextEditGlyph::Cust_GetFont(unsigned short) { return Font; }

namespace {

int FontMetricOfChoice(int FontChoice) {
  switch (FontChoice) {
    case 0:
      return ZQF_FontMetric_Field;
    case 1:
      return ZQF_FontMetric_FixedPitch;
    default:
      ZQ_ASSERT(false);
      return ZQF_FontMetric_Field;
  }
}

}  // namespace

ZQF_StandardFixedSizeReadOnlyTextEditGlyph::ZQF_StandardFixedSizeReadOnlyTextEditGlyph(
    const ZQ_String& Text, int FontChoice, bool FixedWidth, bool FixedHeight, int BorderStyle)
    : ZQF_StoredAttributeTextEditGlyph(1), FixedWidth(FixedWidth), FixedHeight(FixedHeight) {
  SetReadOnly(true);
  SetBorderStyle(BorderStyle);
  SetBackgroundColor(ZQF_Color(ZQF_ColorMetric_LabelBackground));
  SetTextColor(ZQF_Color(ZQF_ColorMetric_LabelText));
  SetFont(ZQF_GetFontMetric(FontMetricOfChoice(FontChoice)));
  SetText(Text);
}

void ZQF_StandardFixedSizeReadOnlyTextEditGlyph::SetText(const ZQ_String& Text) {
  ZQF_TextEditGlyph::SetText(Text);
  long numLines = 0;
  long longest = 1;
  for (ZQ_ReadOnlyIterator<ZQ_String> line = ZQ_GetStringLineIterator(Text, '\n', 0);
       line.IsValid(); line.Advance()) {
    ++numLines;
    longest = std::max(longest, static_cast<long>(line.GetCurrent().GetLength()));
  }
  SetFixedSize(longest, std::max(1L, numLines), FixedWidth, FixedHeight);
}
