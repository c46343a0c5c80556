// Border glyphs, group-box captions and Util_AddClient.
#include "ZQF_BorderGlyph.h"

#include <algorithm>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQ_Assertion.h"

ZQF_BorderGlyph::ZQF_BorderGlyph(ZQF_Glyph* Client, const ZQ_String& Caption, long CaptionPosition,
                                 const ZQ_Point<long>& Margin, int BorderCode, long Options)
    : Caption(Caption),
      Client(Client),
      CaptionPosition(CaptionPosition),
      Margin(Margin),
      BorderCode(BorderCode),
      Options(Options) {
  AddChild(Client, false);
}

ZQF_BorderGlyph::~ZQF_BorderGlyph() = default;

ZQ_Point<long> ZQF_BorderGlyph::GetCaptionSize() const {
  if (Caption.GetLength() == 0) return ZQ_Point<long>(0, 0);
  return ZQF_MeasureLabelText(ZQF_GetFontMetric(ZQF_FontMetric_Label), Caption);
}

void ZQF_BorderGlyph::UpdateMyDesiredSize() {
  const ZQ_Point<long> t = ZQF_Canvas::GetBorderSize(BorderCode);
  const ZQ_Point<long> label = GetCaptionSize();
  long minimumWidth = 2 * (ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X + ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).X);
  const long growX = 2 * (t.X + Margin.X);
  long growY = 2 * (t.Y + Margin.Y);
  if (Caption.GetLength() > 0) {
    ZQ_ASSERT_TEXT(label.Y >= t.Y, "LabelSize.Y >= BorderThickness.Y");
    growY = label.Y + t.Y + 2 * Margin.Y;
    minimumWidth += label.X;
  }
  const ZQF_DesiredSize& client = Client->GetDesiredSize();
  DesiredSize.SetX(std::max(client.Natural.X + growX, minimumWidth),
                   std::max(client.Minimum.X + growX, minimumWidth),
                   std::max(client.Maximum.X + growX, minimumWidth));
  DesiredSize.SetY(client.Natural.Y + growY, client.Minimum.Y + growY, client.Maximum.Y + growY);
}

void ZQF_BorderGlyph::CalculateLayoutRectangles(ZQ_Rectangle<long>& Frame,
                                                ZQ_Rectangle<long>& ClientBox,
                                                ZQ_Rectangle<long>& CaptionText,
                                                ZQ_Rectangle<long>& CaptionBackground) {
  const ZQ_Point<long> t = ZQF_Canvas::GetBorderSize(BorderCode);
  const ZQ_Point<long> label = GetCaptionSize();
  const long s3 = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).X;
  const long s5 = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X;
  const long w = GetBoundingBox().Width;
  const long h = GetBoundingBox().Height;
  // Without a caption the border line itself fills the caption's rows:
  // nothing lies outside or inside it, and the frame is the whole glyph.
  const long band = Caption.GetLength() > 0 ? label.Y : t.Y;
  const long a = (band - t.Y) / 2;
  const long b = (band - t.Y) - a;
  const bool top = CaptionPosition <= 2;
  Frame = ZQ_Rectangle<long>(0, 0, std::max(w, 2 * (s5 + s3)),
                             std::max(h, band + t.Y + 2 * Margin.Y));
  CaptionBackground = ZQ_Rectangle<long>(0, top ? 0 : h - label.Y, 0, label.Y);
  if (top) {
    Frame.TrimTop(a);
  } else {
    Frame.TrimBottom(a);
  }
  CaptionBackground.Width = std::max(0L, std::min(Frame.Width - 2 * s5, label.X + 2 * s3));
  const long column = CaptionPosition % 3;
  CaptionBackground.X = column == 0   ? s5
                        : column == 1 ? (w - CaptionBackground.Width) / 2
                                      : w - s5 - CaptionBackground.Width;
  ClientBox = Frame;
  ClientBox.Deflate(t.X + Margin.X, t.Y + Margin.Y);
  if (top) {
    ClientBox.TrimTop(b);
  } else {
    ClientBox.TrimBottom(b);
  }
  CaptionText = CaptionBackground;
  CaptionText.TrimLeft(s3);
  CaptionText.TrimRight(s3);
}

void ZQF_BorderGlyph::AcceptLayout() {
  ZQ_Rectangle<long> frame, client, text, background;
  CalculateLayoutRectangles(frame, client, text, background);
  LayoutChild(Client, client);
}

void ZQF_BorderGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  ZQ_Rectangle<long> frame, client, text, background;
  CalculateLayoutRectangles(frame, client, text, background);
  const ZQR_Color& face = ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground);
  Clip(Canvas, Clip_Children);
  Canvas.Fill(GetLocalBoundingBox(), face);
  Canvas.PopClippingRegion();
  Canvas.UseClippingRegion();
  Canvas.DrawBorder(frame, BorderCode, 0);
  if (Caption.GetLength() > 0) {
    Canvas.Fill(background, face);
    Canvas.SetBackgroundColor(face);
    Canvas.SetTextColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelText));
    Canvas.SetFont(ZQF_GetFontMetric(ZQF_FontMetric_Label));
    if (IsEnabled()) {
      Canvas.DrawLabel(Caption, text, 0, 0, true);
    } else {
      Canvas.DrawLabelDisabled(Caption, text, 0, 0, true);
    }
  }
}

void ZQF_FocusFirstControlInside(ZQF_Glyph* Caption, ZQF_Glyph* Client) {
  if (!Caption->IsEnabled() || !Client) return;
  ZQF_Glyph* first = ZQF_Glyph::SearchForChildControl(Client);
  ZQF_ControlGlyph* control = dynamic_cast<ZQF_ControlGlyph*>(first);
  if (!control || !control->IsEnabled()) return;
  control->PutOnFocusPath();
  control->HandleKeyboardInitiatedDialogFocusGain();
}

void ZQF_BorderGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleGenericMessage(Message, SecondTry);
  if (SecondTry || Message.IsHandled()) return;
  ZQF_MnemonicQueryMessage* query = dynamic_cast<ZQF_MnemonicQueryMessage*>(&Message);
  if (!query || !query->MatchesLabel(Caption)) return;
  if (query->IsApply()) ZQF_FocusFirstControlInside(this, Client);
  query->SetHandled();
}

ZQF_SunkenBorderGlyph::ZQF_SunkenBorderGlyph(ZQF_Glyph* Client)
    : ZQF_BorderGlyph(Client, ZQ_String(), 0, ZQ_Point<long>(0, 0), 3, 0) {}

ZQF_SunkenBorderGlyph::~ZQF_SunkenBorderGlyph() = default;

void Util_AddClient(ZQF_AlignmentGlyph* Container, ZQF_Glyph* Client) {
  Container->AddToEnd(Client);
  Client->Resize();
}
