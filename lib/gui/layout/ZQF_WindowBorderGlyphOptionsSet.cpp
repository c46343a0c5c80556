#include "ZQF_WindowBorderGlyphOptionsSet.h"

#include "ZQF_Help.h"
#include "ZQF_Metrics.h"

namespace {

// Colour and font metric keys that the border reads live.
enum {
  ActiveBorderColor = ZQF_ColorMetric_ActiveBorder,
  ActiveCaptionColor = ZQF_ColorMetric_ActiveCaption,
  CaptionTextColor = ZQF_ColorMetric_CaptionText,
  ShadowColor = ZQF_ColorMetric_ButtonShadow,
  HighlightColor = ZQF_ColorMetric_ButtonHighlight,
  InactiveBorderColor = ZQF_ColorMetric_InactiveBorder,
  InactiveCaptionColor = ZQF_ColorMetric_InactiveCaption,
  InactiveCaptionTextColor = ZQF_ColorMetric_InactiveCaptionText,
  ControlBackgroundColor = ZQF_ColorMetric_LabelBackground,
  CaptionFont = ZQF_FontMetric_Caption
};

}  // namespace

ZQF_WindowBorderGlyphOptionsSet::ZQF_WindowBorderGlyphOptionsSet() { ResetToDefault(); }

ZQF_WindowBorderGlyphOptionsSet::~ZQF_WindowBorderGlyphOptionsSet() = default;

void ZQF_WindowBorderGlyphOptionsSet::ResetToDefault() {
  HasTitleBarFlag = true;
  Title = ZQ_String();
  Bitmap = ZQF_ButtonImage();
  ShowTitleTextFlag = true;
  ShowBitmapFlag = false;
  TitleBarHeightOverride = 0;
  OuterEdgeBorderCode = 5;
  TitleBarMargin = ZQ_Point<long>(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px).Y);
  OuterBorderSize = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px);
  InnerBorderSize = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px);
  ClientMargin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap6Px);
  TitleBarGap = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).Y;
  CornerThreshold = ZQF_GetSizeMetric(ZQF_SizeMetric_SizingCorner);
  TitleHorizontalAlignment = 0;
  TitleVerticalAlignment = 1;
  ShowCloseButtonFlag = true;
  ShowHelpButtonFlag = ZQF_Help_HelpAvailable();
  ShowMinimizeButtonFlag = false;
  ShowMaximizeButtonFlag = false;
  ShowSizeGripFlag = true;
  MinimizedFlag = false;
  MaximizedFlag = false;
  MovableFlag = true;
  ResizableFlag = true;
  ActiveTitleBarColor = ActiveCaptionColor;
  ActiveTitleTextColor = CaptionTextColor;
  InactiveTitleBarColor = InactiveCaptionColor;
  InactiveTitleTextColor = InactiveCaptionTextColor;
  HiddenInFullScreenFlag = false;
}

// Through the getter, so that a subclass that shows the maximize button
// also gets the double click that goes with it.
bool ZQF_WindowBorderGlyphOptionsSet::CanMaximizeByDoubleClick() { return ShowMaximizeButton(); }

ZQR_Color ZQF_WindowBorderGlyphOptionsSet::GetActiveFrameColor() {
  return ZQF_GetColorMetric(ActiveBorderColor);
}

ZQR_Color ZQF_WindowBorderGlyphOptionsSet::GetInactiveFrameColor() {
  return ZQF_GetColorMetric(InactiveBorderColor);
}

ZQR_Color ZQF_WindowBorderGlyphOptionsSet::GetFaceColor() {
  return ZQF_GetColorMetric(ControlBackgroundColor);
}

ZQR_Color ZQF_WindowBorderGlyphOptionsSet::GetSizeGripShadowColor() {
  return ZQF_GetColorMetric(ShadowColor);
}

ZQR_Color ZQF_WindowBorderGlyphOptionsSet::GetSizeGripHighlightColor() {
  return ZQF_GetColorMetric(HighlightColor);
}

ZQR_Color ZQF_WindowBorderGlyphOptionsSet::GetClientBackgroundColor() {
  return ZQF_GetColorMetric(ControlBackgroundColor);
}

ZQR_ConcreteFont ZQF_WindowBorderGlyphOptionsSet::GetActiveTitleFont() {
  return ZQF_GetFontMetric(CaptionFont);
}

ZQR_ConcreteFont ZQF_WindowBorderGlyphOptionsSet::GetInactiveTitleFont() {
  return ZQF_GetFontMetric(CaptionFont);
}
