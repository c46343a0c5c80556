// Client label glyphs.
#include "ZQF_ClientLabelGlyph.h"

#include <algorithm>

#include "ZQF_BorderGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQ_Assertion.h"

ZQF_ClientLabelGlyph::ZQF_ClientLabelGlyph(ZQF_Glyph* Client, long LabelPosition)
    : LabelPosition(LabelPosition) {
  if (Client) AddChild(Client, false);
}

ZQF_ClientLabelGlyph::~ZQF_ClientLabelGlyph() = default;

ZQ_String ZQF_ClientLabelGlyph::Cust_GetText() { return ZQ_String(); }
bool ZQF_ClientLabelGlyph::Cust_HasBitmap() { return false; }
ZQR_Bitmap ZQF_ClientLabelGlyph::Cust_GetBitmap() { return ZQR_Bitmap(); }
int ZQF_ClientLabelGlyph::Cust_GetHorizontalSpacing() {
  return ZQF_GetSizeMetric(IsAboveOrBelow() ? ZQF_SizeMetric_Gap24Px : ZQF_SizeMetric_Gap12Px).X;
}
int ZQF_ClientLabelGlyph::Cust_GetVerticalSpacing() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y; }
int ZQF_ClientLabelGlyph::Cust_GetBitmapSpacing() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).Y; }
ZQ_String ZQF_ClientLabelGlyph::Cust_GetTooltipText() { return Cust_GetText(); }
ZQ_String ZQF_ClientLabelGlyph::Cust_GetBitmapTooltipText() { return ZQ_String(); }
ZQR_Color ZQF_ClientLabelGlyph::Cust_GetBackgroundColor() { return ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground); }
ZQR_Color ZQF_ClientLabelGlyph::Cust_GetTextColor() { return ZQF_GetColorMetric(ZQF_ColorMetric_LabelText); }
ZQR_ConcreteFont ZQF_ClientLabelGlyph::Cust_GetFont() { return ZQF_GetFontMetric(ZQF_FontMetric_Label); }

bool ZQF_ClientLabelGlyph::IsAboveOrBelow() const {
  return LabelPosition == 0 || LabelPosition == 1 || LabelPosition == 5 || LabelPosition == 6;
}

int ZQF_ClientLabelGlyph::GetHorizontalTextAlignment() const {
  return LabelPosition == 1 || LabelPosition == 6 ? 1 : 0;
}

int ZQF_ClientLabelGlyph::GetVerticalTextAlignment() const {
  return LabelPosition == 2 ? 0 : LabelPosition == 4 ? 2 : 1;
}

ZQ_Point<long> ZQF_ClientLabelGlyph::GetCaptionSize() {
  ZQ_Point<long> size = ZQF_MeasureLabelText(Cust_GetFont(), Cust_GetText());
  if (Cust_HasBitmap()) {
    const ZQ_Point<long> bitmap = Cust_GetBitmap().GetSize();
    size.X += Cust_GetBitmapSpacing() + bitmap.X;
    size.Y = std::max(size.Y, bitmap.Y);
  }
  return size;
}

void ZQF_ClientLabelGlyph::UpdateMyDesiredSize() {
  ZQ_ASSERT_TEXT(GetFirstChild() != nullptr, "Child");
  ZQ_ASSERT_TEXT(LabelPosition >= 0 && LabelPosition <= 6, "false");
  if (!GetFirstChild()) return;
  const ZQF_DesiredSize& client = GetFirstChild()->GetDesiredSize();
  const ZQ_Point<long> s = GetCaptionSize();
  const long h = Cust_GetHorizontalSpacing();
  ZQ_Point<long> natural = client.Natural, minimum = client.Minimum, maximum = client.Maximum;
  for (ZQ_Point<long>* p : {&natural, &minimum, &maximum}) {
    if (IsAboveOrBelow()) {
      p->Y += Cust_GetVerticalSpacing() + s.Y;
      p->X = std::max(p->X + h, s.X);
    } else {
      p->X += s.X + h;
      p->Y = std::max(p->Y, s.Y);
    }
  }
  DesiredSize.Natural = natural;
  DesiredSize.Minimum = minimum;
  DesiredSize.Maximum = maximum;
}

void ZQF_ClientLabelGlyph::CalculateLayoutRectangles(ZQ_Rectangle<long>& Caption,
                                                     ZQ_Rectangle<long>& Bitmap,
                                                     ZQ_Rectangle<long>& ClientBox) {
  const ZQ_Point<long> s = GetCaptionSize();
  const long h = Cust_GetHorizontalSpacing();
  const long v = Cust_GetVerticalSpacing();
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  Caption = ClientBox = box;
  if (IsAboveOrBelow()) {
    const bool above = LabelPosition <= 1;
    if (!above) Caption.Y = std::max(box.Y, box.Y + box.Height - s.Y);
    Caption.Height = s.Y;
    if (LabelPosition == 0 || LabelPosition == 5) ClientBox.TrimLeft(h);
    if (above) {
      ClientBox.TrimTop(v + s.Y);
    } else {
      ClientBox.TrimBottom(v + s.Y);
    }
    const long clientMaximum = GetFirstChild() ? GetFirstChild()->GetDesiredSize().Maximum.X : 0;
    ClientBox.Width = std::min(ClientBox.Width, clientMaximum);
  } else {
    Caption.Width = std::min(box.Width, s.X);
    ClientBox.TrimLeft(s.X + h);
  }
  Bitmap = ZQ_Rectangle<long>(Caption.X, Caption.Y, 0, 0);
  if (Cust_HasBitmap()) {
    const ZQ_Point<long> size = Cust_GetBitmap().GetSize();
    Bitmap =
        ZQ_Rectangle<long>(Caption.X, Caption.Y + (Caption.Height - size.Y) / 2, size.X, size.Y);
    Caption.TrimLeft(size.X + Cust_GetBitmapSpacing());
  }
}

void ZQF_ClientLabelGlyph::AcceptLayout() {
  ZQ_Rectangle<long> caption, bitmap, client;
  CalculateLayoutRectangles(caption, bitmap, client);
  if (GetFirstChild()) LayoutChild(GetFirstChild(), client);
}

void ZQF_ClientLabelGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  ZQ_Rectangle<long> caption, bitmap, client;
  CalculateLayoutRectangles(caption, bitmap, client);
  Canvas.SetTextColor(Cust_GetTextColor());
  Canvas.SetBackgroundColor(Cust_GetBackgroundColor());
  Canvas.SetFont(Cust_GetFont());
  Canvas.SetDrawMode(1);
  Clip(Canvas, Clip_Children);
  Canvas.Fill(GetLocalBoundingBox(), Cust_GetBackgroundColor());
  Canvas.PopClippingRegion();
  Canvas.UseClippingRegion();
  const int horizontal = GetHorizontalTextAlignment();
  const int vertical = GetVerticalTextAlignment();
  if (IsEnabled()) {
    Canvas.DrawLabel(Cust_GetText(), caption, horizontal, vertical, true);
  } else {
    Canvas.DrawLabelDisabled(Cust_GetText(), caption, horizontal, vertical, true);
  }
  if (Cust_HasBitmap()) {
    Canvas.Draw(Cust_GetBitmap(), bitmap.GetTopLeft(), ZQ_Point<long>(bitmap.Width, bitmap.Height));
  }
}

void ZQF_ClientLabelGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleGenericMessage(Message, SecondTry);
  if (Message.IsHandled()) return;
  if (SecondTry) {
    AnswerTooltip(Message);
    return;
  }
  ZQF_MnemonicQueryMessage* query = dynamic_cast<ZQF_MnemonicQueryMessage*>(&Message);
  if (!query || !query->MatchesLabel(Cust_GetText())) return;
  if (query->IsApply()) ZQF_FocusFirstControlInside(this, GetFirstChild());
  query->SetHandled();
}

namespace {

long AlignedOffset(long Room, long Extent, int Alignment) {
  if (Alignment == 1) return std::max(0L, (Room - Extent) / 2);
  if (Alignment == 2) return std::max(0L, Room - Extent);
  return 0;
}

}  // namespace

bool ZQF_ClientLabelGlyph::AnswerTooltip(ZQF_GenericMessage& Message) {
  ZQF_TooltipsMessage* tooltips = dynamic_cast<ZQF_TooltipsMessage*>(&Message);
  if (!tooltips) return false;
  ZQ_Rectangle<long> caption, bitmap, client;
  CalculateLayoutRectangles(caption, bitmap, client);
  const ZQ_Point<long> mouse = GetCurrentMouseLocation();
  const ZQ_String bitmapTip = Cust_GetBitmapTooltipText();
  if (Cust_HasBitmap() && bitmapTip.GetLength() > 0 && bitmap.Contains(mouse)) {
    tooltips->SetText(bitmapTip);
    tooltips->SetDisplayDelay(ZQF_GetTimeMetric(ZQF_TimeMetric_LabelTooltipDelay));
    tooltips->SetHandled();
    return true;
  }
  const ZQ_String text = ZQF_StripMnemonicAmpersands(Cust_GetText());
  const ZQ_String tip = ZQF_StripMnemonicAmpersands(Cust_GetTooltipText());
  const ZQR_ConcreteFont font = Cust_GetFont();
  const ZQ_Point<long> s = ZQF_MeasureLabelText(font, text);
  if (tip.GetLength() == 0 || !caption.Contains(mouse) || s.X <= caption.Width) return false;
  tooltips->SetText(tip);
  tooltips->SetDisplayDelay(ZQF_GetTimeMetric(ZQF_TimeMetric_LabelTooltipDelay));
  if (tip == text) {
    const ZQ_Point<long> corner = GlyphToScreen(
        ZQ_Point<long>(caption.X + AlignedOffset(caption.Width, s.X, GetHorizontalTextAlignment()),
                       caption.Y + AlignedOffset(caption.Height, s.Y, GetVerticalTextAlignment())));
    tooltips->SetTextPosition(corner);
    tooltips->SetIdentity(
        ZQ_UID(static_cast<unsigned long>(corner.X), static_cast<unsigned long>(corner.Y), 0, 0));
    tooltips->SetFont(font);
  }
  tooltips->SetHandled();
  return true;
}
