// Hyperlinks: fixed size, drawing, the activating input and the URL link.
#include "ZQF_HyperlinkGlyph.h"

#include "ZQF_Canvas.h"
#include "ZQF_Message.h"
#include "ZQF_Metrics.h"
#include "ZQR_Cursor.h"
#include "ZQR_DeviceContext.h"
#include "ZQ_URI.h"

namespace {

enum {
  kBackgroundColorMetric = ZQF_ColorMetric_HyperlinkBackground,
  kTextColorMetric = ZQF_ColorMetric_HyperlinkText,
  kFontMetric = ZQF_FontMetric_Label,
  kPointingHandCursorMetric = ZQF_CursorMetric_PointingHand
};

bool IsActivatingKey(const ZQF_KeyMessage& Message) {
  return Message.GetKeyCode() == ZQF_Key_Space || Message.GetKeyCode() == ZQF_Key_Enter;
}

ZQ_String DeriveURL(const ZQ_String& Text) {
  if (Text.Find(':') != ZQ_NoMatch) return Text;
  if (Text.Find('@') != ZQ_NoMatch) return "mailto:" + Text;
  if (Text.BeginsWith("//")) return "http:" + Text;
  return "http://" + Text;
}

}  // namespace

ZQF_HyperlinkGlyph::ZQF_HyperlinkGlyph(const ZQ_String& Text) : Text(Text) {
  SetComputesDesiredSize(true);
  SetFocusable(true);
  SetBorderStyle(3);
  SetBorderOption(false);
}

ZQF_HyperlinkGlyph::~ZQF_HyperlinkGlyph() = default;

bool ZQF_HyperlinkGlyph::Cust_IsUnderlined() { return true; }
ZQR_Color ZQF_HyperlinkGlyph::Cust_GetBackgroundColor() {
  return ZQF_GetColorMetric(kBackgroundColorMetric);
}
ZQR_Color ZQF_HyperlinkGlyph::Cust_GetTextColor() { return ZQF_GetColorMetric(kTextColorMetric); }
ZQR_ConcreteFont ZQF_HyperlinkGlyph::Cust_GetFont() { return ZQF_GetFontMetric(kFontMetric); }

void ZQF_HyperlinkGlyph::UpdateMyDesiredSize() {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  // An empty link still takes the room of one blank, so it stays visible.
  ZQ_Point<long> size = Cust_GetFont().GetSize(dc.GetHDC(), Text.IsEmpty() ? ZQ_String(" ") : Text);
  size.X += 2;
  size.Y += 2 + (Cust_IsUnderlined() ? 1 : 0);
  DesiredSize.SetX(size.X, size.X, size.X);
  DesiredSize.SetY(size.Y, size.Y, size.Y);
}

void ZQF_HyperlinkGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  const ZQR_Color textColor = Cust_GetTextColor();
  Canvas.SetFont(Cust_GetFont());
  Canvas.SetTextColor(textColor);
  Canvas.SetBackgroundColor(Cust_GetBackgroundColor());
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  Canvas.Fill(box, Cust_GetBackgroundColor());
  ZQ_Rectangle<long> textBox = box;
  textBox.Deflate(1, 1);
  Canvas.SetDrawMode(1);
  if (IsEnabled()) {
    Canvas.Draw(Text, textBox, 0, 0);
  } else {
    Canvas.DrawDisabled(Text, textBox, 0, 0);
  }
  Canvas.SetDrawMode(0);
  if (Canvas.IsOnFocusPath()) Canvas.DrawFocusIndicator(box);
  if (Cust_IsUnderlined() && IsEnabled()) {
    const long y = box.Height >= 2 ? box.Height - 2 : 0;
    Canvas.SetLineStyle(0);
    Canvas.SetPenColor(textColor);
    Canvas.DrawLine(ZQ_Point<long>(0, y), ZQ_Point<long>(box.Width, y));
  }
}

void ZQF_HyperlinkGlyph::HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) {
  if (SecondTry || IsDisabled()) {
    ZQF_ControlGlyph::HandleMouseLeftUp(Message, SecondTry);
    return;
  }
  Message.SetHandled();
  FollowLink();
}

void ZQF_HyperlinkGlyph::HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) {
  if (SecondTry) {
    ZQF_ControlGlyph::HandleMouseSetCursor(Message, SecondTry);
    return;
  }
  ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(kPointingHandCursorMetric));
  Message.SetHandled();
}

void ZQF_HyperlinkGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (SecondTry || IsDisabled() || !IsActivatingKey(Message)) {
    ZQF_ControlGlyph::HandleKey(Message, SecondTry);
    return;
  }
  // Claimed so that no default button acts on the press; the release follows.
  Message.SetHandled();
}

void ZQF_HyperlinkGlyph::HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) {
  if (SecondTry || IsDisabled() || !IsActivatingKey(Message)) {
    ZQF_ControlGlyph::HandleKeyUp(Message, SecondTry);
    return;
  }
  Message.SetHandled();
  FollowLink();
}

URL_LinkGlyph::URL_LinkGlyph(const ZQ_String& Text, const ZQ_String& URL)
    : ZQF_HyperlinkGlyph(Text), URL(URL.IsEmpty() ? DeriveURL(Text) : URL) {}

URL_LinkGlyph::~URL_LinkGlyph() = default;

void URL_LinkGlyph::FollowLink() {
  ZQ_AbsoluteURI(ZQ_URI_MakeFromFileName(URL, 0)).Goto();
}
