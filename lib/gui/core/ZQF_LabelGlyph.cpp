// Label glyphs: size, drawing, mnemonics and the cut-text tooltip.
#include "ZQF_LabelGlyph.h"

#include <cstring>

#include "ZQF_Canvas.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQR_DeviceContext.h"

ZQ_Point<long> ZQF_MeasureLabelText(const ZQR_ConcreteFont& Font, const ZQ_String& Text) {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  return Font.GetSize(dc.GetHDC(), ZQF_StripMnemonicAmpersands(Text));
}

ZQF_LabelGlyph::~ZQF_LabelGlyph() = default;

ZQ_String ZQF_LabelGlyph::Cust_GetText() { return ZQ_String(); }
ZQR_ConcreteFont ZQF_LabelGlyph::Cust_GetFont() { return ZQF_GetFontMetric(ZQF_FontMetric_Label); }
ZQR_Color ZQF_LabelGlyph::Cust_GetBackgroundColor() { return ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground); }
ZQR_Color ZQF_LabelGlyph::Cust_GetTextColor() { return ZQF_GetColorMetric(ZQF_ColorMetric_LabelText); }
ZQ_Point<long> ZQF_LabelGlyph::Cust_GetMargin() { return ZQ_Point<long>(0, 0); }
int ZQF_LabelGlyph::Cust_GetBorderCode() { return 0; }
int ZQF_LabelGlyph::Cust_GetWidthInCharacters() { return 0; }
int ZQF_LabelGlyph::Cust_GetHorizontalAlignment() { return 0; }
int ZQF_LabelGlyph::Cust_GetVerticalAlignment() { return 0; }
bool ZQF_LabelGlyph::Cust_IsHorizontallyStretchable() { return true; }
bool ZQF_LabelGlyph::Cust_IsVerticallyStretchable() { return false; }

ZQF_Glyph* ZQF_LabelGlyph::Cust_GetTargetGlyph() {
  for (ZQF_Glyph* sibling = GetNextSibling(); sibling; sibling = sibling->GetNextSibling()) {
    if (ZQF_Glyph* control = SearchForChildControl(sibling)) return control;
  }
  return nullptr;
}

void ZQF_LabelGlyph::UpdateMyDesiredSize() {
  const ZQR_ConcreteFont font = Cust_GetFont();
  ZQ_Point<long> size;
  if (const int n = Cust_GetWidthInCharacters(); n > 0) {
    const ZQR_DeviceContext dc = ZQF_GetMetricDC();
    size = ZQ_Point<long>(font.GetAverageCharWidth(dc.GetHDC()) * n, font.GetHeight(dc.GetHDC()));
  } else {
    const ZQ_String text = Cust_GetText();
    size = text.GetLength() == 0 ? ZQ_Point<long>(0, ZQF_MeasureLabelText(font, "X").Y)
                                 : ZQF_MeasureLabelText(font, text);
  }
  const ZQ_Point<long> margin = Cust_GetMargin();
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(Cust_GetBorderCode());
  size.X += 2 * (margin.X + border.X);
  size.Y += 2 * (margin.Y + border.Y);
  DesiredSize.SetX(size.X, size.X, size.X);
  DesiredSize.SetY(size.Y, size.Y, size.Y);
  if (Cust_IsHorizontallyStretchable()) DesiredSize.SetInfiniteMaximumX();
  if (Cust_IsVerticallyStretchable()) DesiredSize.SetInfiniteMaximumY();
}

ZQ_Rectangle<long> ZQF_LabelGlyph::GetTextRectangle() {
  ZQ_Rectangle<long> box = GetLocalBoundingBox();
  const ZQ_Point<long> margin = Cust_GetMargin();
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(Cust_GetBorderCode());
  box.Deflate(margin.X + border.X, margin.Y + border.Y);
  return box;
}

void ZQF_LabelGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  Canvas.SetFont(Cust_GetFont());
  Canvas.SetTextColor(Cust_GetTextColor());
  Canvas.SetBackgroundColor(Cust_GetBackgroundColor());
  Canvas.SetDrawMode(1);
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  Canvas.Fill(box, Cust_GetBackgroundColor());
  Canvas.DrawBorder(box, Cust_GetBorderCode(), 0);
  const ZQ_Rectangle<long> text = GetTextRectangle();
  const int h = Cust_GetHorizontalAlignment();
  const int v = Cust_GetVerticalAlignment();
  if (IsEnabled() || (LabelFlags & Flag_NormalColorsWhenDisabled) != 0) {
    Canvas.DrawLabel(Cust_GetText(), text, h, v, true);
  } else {
    Canvas.DrawLabelDisabled(Cust_GetText(), text, h, v, true);
  }
  Canvas.SetDrawMode(0);
}

void ZQF_LabelGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleGenericMessage(Message, SecondTry);
  if (Message.IsHandled() || !SecondTry) return;
  if (!ApplyMnemonic(Message)) AnswerTooltip(Message);
}

bool ZQF_LabelGlyph::ApplyMnemonic(ZQF_GenericMessage& Message) {
  ZQF_MnemonicQueryMessage* query = dynamic_cast<ZQF_MnemonicQueryMessage*>(&Message);
  if (!query || !query->MatchesLabel(Cust_GetText())) return false;
  if (query->IsApply() && IsEnabled()) {
    ZQF_Glyph* target = Cust_GetTargetGlyph();
    if (target && target->IsEnabled()) {
      target->PutOnFocusPath();
      if (ZQF_ControlGlyph* control = dynamic_cast<ZQF_ControlGlyph*>(target)) {
        control->HandleKeyboardInitiatedDialogFocusGain();
      }
    }
  }
  query->SetHandled();
  return true;
}

bool ZQF_LabelGlyph::AnswerTooltip(ZQF_GenericMessage& Message) {
  ZQF_TooltipsMessage* tooltips = dynamic_cast<ZQF_TooltipsMessage*>(&Message);
  if (!tooltips) return false;
  const ZQ_String text = ZQF_StripMnemonicAmpersands(Cust_GetText());
  if (text.GetLength() == 0) return false;
  const ZQR_ConcreteFont font = Cust_GetFont();
  const ZQ_Point<long> size = ZQF_MeasureLabelText(font, text);
  ZQ_Rectangle<long> placed(0, 0, size.X, size.Y);
  placed.AlignWithin(GetTextRectangle(), Cust_GetHorizontalAlignment(), Cust_GetVerticalAlignment(),
                     ZQ_Rectangle<long>::Fit_ShrinkToBound);
  if (!placed.Contains(GetCurrentMouseLocation()) || size.X <= placed.Width) return false;
  const ZQ_Point<long> corner = GlyphToScreen(placed.GetTopLeft());
  tooltips->SetText(text);
  tooltips->SetDisplayDelay(ZQF_GetTimeMetric(ZQF_TimeMetric_LabelTooltipDelay));
  tooltips->SetTextPosition(corner);
  tooltips->SetIdentity(
      ZQ_UID(static_cast<unsigned long>(corner.X), static_cast<unsigned long>(corner.Y), 0, 0));
  tooltips->SetFont(font);
  tooltips->SetHandled();
  return true;
}

void ZQF_StoredLabelGlyph::SetText(const ZQ_String& NewText) {
  if (NewText.GetLength() == Text.GetLength() &&
      memcmp(NewText.GetText(), Text.GetText(), Text.GetLength()) == 0) {
    return;
  }
  Text = NewText;
  QueueVisualStateUpdate();
}

ZQ_String ZQF_StoredLabelGlyph::Cust_GetText() { return Text; }

int ZQF_InlineStoredLabelGlyph::Cust_GetVerticalAlignment() { return 1; }
bool ZQF_InlineStoredLabelGlyph::Cust_IsHorizontallyStretchable() { return false; }

ZQF_StoredAttributeLabelGlyph::ZQF_StoredAttributeLabelGlyph(const ZQ_String& Text,
                                                             unsigned long Flags)
    : ZQF_StoredLabelGlyph(Text, Flags), Font(ZQF_LabelGlyph::Cust_GetFont()) {}

ZQF_Glyph* ZQF_StoredAttributeLabelGlyph::Cust_GetTargetGlyph() {
  return Target ? Target : ZQF_LabelGlyph::Cust_GetTargetGlyph();
}
