// The window border: title bar building, layout rectangles, sizes, drawing,
// and the requests it sends for presses, double clicks and its buttons.
#include "ZQF_WindowBorderGlyph.h"

#include <algorithm>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_Metrics.h"
#include "ZQF_RectangleSizeDragOperation.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQF_WindowBorderGlyphOptionsSet.h"
#include "ZQR_Cursor.h"
#include "ZQ_Assertion.h"
#include "ZQ_UID.h"

namespace {

const int kBottomRightEdgeCode = 4;

// The wider and the taller of the two title fonts' measures.
ZQ_Point<long> LargerTitleExtent(ZQF_WindowBorderGlyphOptionsSet& Options,
                                 const ZQ_String& Text) {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  const ZQR_ConcreteFont active = Options.GetActiveTitleFont();
  const ZQR_ConcreteFont inactive = Options.GetInactiveTitleFont();
  const ZQ_Point<long> a = active.GetSize(dc.GetHDC(), Text);
  const ZQ_Point<long> i = inactive.GetSize(dc.GetHDC(), Text);
  return ZQ_Point<long>(std::max(a.X, i.X),
                        std::max(active.GetHeight(dc.GetHDC()), inactive.GetHeight(dc.GetHDC())));
}

const ZQF_DesiredSize& CheckedDesiredSize(const ZQF_Glyph* Glyph) {
  const ZQF_DesiredSize& size = Glyph->GetDesiredSize();
  size.CheckValidity();
  size.CheckConsistency();
  return size;
}

}  // namespace

ZQF_WindowBorderGlyph::ZQF_WindowBorderGlyph(ZQF_Glyph* Client,
                                             ZQF_WindowBorderGlyphOptionsSet* Options)
    : Options(Options) {
  ZQ_ASSERT_TEXT(Client != nullptr, "Client");
  ZQ_ASSERT_TEXT(Options != nullptr, "Options");
  AddChild(Client, false);
  RebuildTitleBar();
}

ZQF_WindowBorderGlyph::~ZQF_WindowBorderGlyph() { delete Options; }

ZQF_Glyph* ZQF_WindowBorderGlyph::GetClient() const {
  ZQ_ASSERT_TEXT(GetFirstChild() != nullptr, "Child");
  return GetFirstChild();
}

ZQF_Glyph* ZQF_WindowBorderGlyph::GetTitleBarRow() const {
  return GetFirstChild() ? GetFirstChild()->GetNextSibling() : nullptr;
}

void ZQF_WindowBorderGlyph::SetTitle(const ZQ_String& Title) {
  if (Options->GetTitle() == Title) return;
  Options->SetTitle(Title);
  if (ZQF_Glyph* row = GetTitleBarRow()) row->QueueVisualStateUpdate();
}

void ZQF_WindowBorderGlyph::SetBitmap(const ZQF_ButtonImage& Bitmap) {
  if (Options->GetBitmap() == Bitmap) return;
  Options->SetBitmap(Bitmap);
  RebuildTitleBar();
  Resize();
}

ZQF_StandardBitmapButtonGlyph* ZQF_WindowBorderGlyph::AddButton(ZQF_RowGlyph* Row,
                                                                const char* Bitmap) {
  ZQF_StandardBitmapButtonGlyph* button = new ZQF_StandardBitmapButtonGlyph(Bitmap, 0, 0);
  Row->AddToRight(button);
  return button;
}

void ZQF_WindowBorderGlyph::RebuildTitleBar() {
  DeleteTitleBar();
  if (!Options->HasTitleBar()) return;
  ZQF_RowGlyph* row = new ZQF_RowGlyph(1);
  const long gap = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X;
  TitleGlue = new ZQF_HorizontalGlueGlyph();
  row->AddToRight(TitleGlue);
  if (Options->ShowBitmap()) {
    row->AddToLeft(new ZQF_HorizontalGlueGlyph(gap));
    const ZQ_Point<long> size = Options->GetBitmap().GetSize();
    BitmapPlaceholder = new ZQF_TwoDimensionalGlueGlyph(size.X, size.Y);
    row->AddToLeft(BitmapPlaceholder);
  }
  if (Options->ShowMinimizeButton() || Options->ShowMaximizeButton()) {
    row->AddToRight(new ZQF_HorizontalGlueGlyph(gap));
  }
  if (Options->ShowMinimizeButton()) {
    MinimizeButton = AddButton(
        row, Options->IsMinimized() ? "ZQF_RestoreButtonBitmap" : "ZQF_MinimizeButtonBitmap");
  }
  if (Options->ShowMaximizeButton()) {
    MaximizeButton = AddButton(
        row, Options->IsMaximized() ? "ZQF_RestoreButtonBitmap" : "ZQF_MaximizeButtonBitmap");
  }
  if (Options->ShowHelpButton()) {
    row->AddToRight(new ZQF_HorizontalGlueGlyph(gap));
    HelpButton = AddButton(row, "ZQF_HelpButtonBitmap");
  }
  if (Options->ShowCloseButton()) {
    row->AddToRight(new ZQF_HorizontalGlueGlyph(gap));
    CloseButton = AddButton(row, "ZQF_CloseButtonBitmap");
  }
  AddChild(row, true);
}

void ZQF_WindowBorderGlyph::DeleteTitleBar() {
  if (ZQF_Glyph* row = GetTitleBarRow()) DeleteChild(row);
  TitleGlue = nullptr;
  BitmapPlaceholder = nullptr;
  CloseButton = HelpButton = MinimizeButton = MaximizeButton = nullptr;
}

long ZQF_WindowBorderGlyph::ComputeTitleBarHeightToUse() {
  const long override = Options->GetTitleBarHeightOverride();
  if (override != 0) return override;
  ZQF_Glyph* row = GetTitleBarRow();
  if (!row) return 0;
  long height = CheckedDesiredSize(row).Natural.Y;
  if (Options->ShowTitleText()) {
    height = std::max(height, LargerTitleExtent(*Options, Options->GetTitle()).Y);
  }
  return height + 2 * Options->GetTitleBarMargin().Y;
}

long ZQF_WindowBorderGlyph::ComputeTitleBarNaturalWidth() {
  ZQF_Glyph* row = GetTitleBarRow();
  if (!row || !Options->HasTitleBar()) return 0;
  long width = 2 * Options->GetTitleBarMargin().X + CheckedDesiredSize(row).Natural.X;
  if (Options->ShowTitleText()) {
    width += LargerTitleExtent(*Options, Options->GetTitle()).X + ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X;
  }
  return width;
}

ZQ_Point<long> ZQF_WindowBorderGlyph::FrameThickness() {
  const ZQ_Point<long> edge = ZQF_Canvas::GetBorderSize(Options->GetOuterEdgeBorderCode());
  const ZQ_Point<long> outer = Options->GetOuterBorderSize();
  const ZQ_Point<long> inner = Options->GetInnerBorderSize();
  return ZQ_Point<long>(edge.X + outer.X + inner.X, edge.Y + outer.Y + inner.Y);
}

void ZQF_WindowBorderGlyph::CalculateLayoutRectangles(LayoutRectangles& R) {
  R.Whole = GetLocalBoundingBox();
  const ZQ_Point<long> edge = ZQF_Canvas::GetBorderSize(Options->GetOuterEdgeBorderCode());
  const ZQ_Point<long> outer = Options->GetOuterBorderSize();
  const ZQ_Point<long> inner = Options->GetInnerBorderSize();
  R.InsideEdge = R.Whole;
  R.InsideEdge.Deflate(edge.X, edge.Y);
  R.InsideFrameBand = R.InsideEdge;
  R.InsideFrameBand.Deflate(outer.X, outer.Y);
  R.InsideFaceBand = R.InsideFrameBand;
  R.InsideFaceBand.Deflate(inner.X, inner.Y);
  ZQ_Rectangle<long> a = R.InsideFaceBand;
  if (Options->HasTitleBar()) {
    R.TitleBar = a;
    R.TitleBar.Height = std::min(ComputeTitleBarHeightToUse(), a.Height);
    a.TrimTop(R.TitleBar.Height);
    R.TitleContents = R.TitleBar;
    R.TitleContents.Deflate(Options->GetTitleBarMargin().X, Options->GetTitleBarMargin().Y);
    R.TitleGap = a;
    R.TitleGap.Height = std::min(Options->GetTitleBarGap(), a.Height);
    a.TrimTop(R.TitleGap.Height);
  }
  const ZQ_Point<long> m = Options->GetClientMargin();
  R.Client = a;
  R.Client.DeflateX(m.X);
  R.Client.TrimBottom(m.Y);
  const ZQ_Rectangle<long>& c = R.Client;
  // A box narrower than its margins keeps them inside the face band.
  R.LeftMargin = ZQ_Rectangle<long>(a.X, a.Y, std::min(c.X - a.X, a.Width), c.Height);
  R.RightMargin = ZQ_Rectangle<long>(c.X + c.Width, a.Y,
                                     std::max(0L, a.X + a.Width - (c.X + c.Width)), c.Height);
  R.BottomMargin =
      ZQ_Rectangle<long>(a.X, c.Y + c.Height, a.Width, a.Y + a.Height - (c.Y + c.Height));
  if (Options->ShowSizeGrip()) {
    R.SizeGrip = ZQ_Rectangle<long>(c.X + c.Width, c.Y + c.Height, m.X + inner.X, m.Y + inner.Y);
  }
}

void ZQF_WindowBorderGlyph::UpdateMyDesiredSize() {
  const ZQ_Point<long> s = FrameThickness();
  const ZQ_Point<long> m = Options->GetClientMargin();
  const long extraX = 2 * s.X + 2 * m.X;
  long extraY = 2 * s.Y + m.Y;  // one margin below the client, none above
  if (Options->HasTitleBar()) extraY += Options->GetTitleBarGap() + ComputeTitleBarHeightToUse();
  const ZQF_DesiredSize& client = CheckedDesiredSize(GetClient());
  // The title bar spans the inside of the face band: a long title widens
  // the border and stops it from being made narrower.
  const long floor = ComputeTitleBarNaturalWidth() + 2 * s.X;
  DesiredSize.SetX(std::max(floor, client.Natural.X + extraX),
                   std::max(floor, client.Minimum.X + extraX),
                   std::max(floor, client.Maximum.X + extraX));
  DesiredSize.SetY(client.Natural.Y + extraY, client.Minimum.Y + extraY,
                   client.Maximum.Y + extraY);
}

void ZQF_WindowBorderGlyph::AcceptLayout() {
  LayoutRectangles r;
  CalculateLayoutRectangles(r);
  LayoutChild(GetClient(), r.Client);
  if (ZQF_Glyph* row = GetTitleBarRow()) LayoutChild(row, r.TitleContents);
}

ZQ_Rectangle<long> ZQF_WindowBorderGlyph::GetTitleTextRectangle(const LayoutRectangles& R) const {
  const long glueX = TitleGlue ? WindowToGlyph(TitleGlue->GetBoundingBox()).X : 0;
  const long glueWidth = TitleGlue ? TitleGlue->GetBoundingBox().Width : 0;
  return ZQ_Rectangle<long>(glueX, R.TitleContents.Y, glueWidth, R.TitleContents.Height);
}

void ZQF_WindowBorderGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  LayoutRectangles r;
  CalculateLayoutRectangles(r);
  const ZQR_Color face = Options->GetFaceColor();
  const bool active = Canvas.IsOnFocusPath();
  const ZQR_Color frame =
      active ? Options->GetActiveFrameColor() : Options->GetInactiveFrameColor();
  const ZQR_Color bar = (active ? Options->GetActiveTitleBarColor()
                                : Options->GetInactiveTitleBarColor()).GetColor();
  const ZQR_Color text = (active ? Options->GetActiveTitleTextColor()
                                 : Options->GetInactiveTitleTextColor()).GetColor();
  Canvas.DrawBorder(r.Whole, Options->GetOuterEdgeBorderCode(), 0);
  Canvas.DrawBorder(r.InsideEdge, frame, Options->GetOuterBorderSize());
  Canvas.DrawBorder(r.InsideFrameBand, face, Options->GetInnerBorderSize());
  for (const ZQ_Rectangle<long>* part :
       {&r.TitleGap, &r.LeftMargin, &r.RightMargin, &r.BottomMargin}) {
    Canvas.Fill(*part, face);
  }
  Canvas.Fill(r.TitleBar, bar);
  DrawSizeDragHandle(Canvas, *Options, r.SizeGrip);
  // The client's background shows wherever no drawable child draws.
  Clip(Canvas, Clip_Children);
  Canvas.Fill(r.Client, Options->GetClientBackgroundColor());
  Canvas.PopClippingRegion();
  Canvas.UseClippingRegion();
  DrawTitleBar(Canvas, r, bar, text);
}

void ZQF_WindowBorderGlyph::DrawTitleBar(ZQF_Canvas& Canvas, const LayoutRectangles& R,
                                         const ZQR_Color& Bar, const ZQR_Color& Text) {
  if (Options->ShowBitmap()) {
    ZQ_ASSERT_TEXT(BitmapPlaceholder != nullptr, "BitmapPlaceholderGlyph");
    if (BitmapPlaceholder) {
      const ZQIMG_Image picture = Options->GetBitmap().GetNormalImage(Bar, Text);
      Canvas.Draw(picture, WindowToGlyph(BitmapPlaceholder->GetBoundingBox()).GetTopLeft(),
                  picture.GetSize());
    }
  }
  if (!Options->HasTitleBar() || !Options->ShowTitleText()) return;
  const ZQ_Rectangle<long> rectangle = GetTitleTextRectangle(R);
  Canvas.SetFont(Canvas.IsOnFocusPath() ? Options->GetActiveTitleFont()
                                        : Options->GetInactiveTitleFont());
  Canvas.SetTextColor(Text);
  Canvas.SetBackgroundColor(Bar);
  Canvas.SetDrawMode(1);
  const int h = Options->GetTitleHorizontalAlignment();
  const int v = Options->GetTitleVerticalAlignment();
  if (IsEnabled()) {
    Canvas.Draw(Options->GetTitle(), rectangle, h, v);
  } else {
    Canvas.DrawDisabled(Options->GetTitle(), rectangle, h, v);
  }
  Canvas.SetDrawMode(0);
}

void ZQF_WindowBorderGlyph::DrawSizeDragHandle(ZQF_Canvas& Canvas,
                                               ZQF_WindowBorderGlyphOptionsSet& Options,
                                               const ZQ_Rectangle<long>& R) {
  const ZQR_Color face = Options.GetFaceColor();
  Canvas.Fill(R, face);
  const ZQR_Color shadow = Options.GetSizeGripShadowColor();
  const ZQR_Color pattern[] = {face, shadow, shadow, Options.GetSizeGripHighlightColor()};
  ZQ_Point<long> p(R.X + R.Width - 1, R.Y + R.Height - 1);
  ZQ_Point<long> q(R.X + R.Width, R.Y + R.Height - 2);
  const long groups = std::max(R.Width + R.Height - 1, 0L) / 4;
  for (long i = 0; i < groups; ++i) {
    for (const ZQR_Color& color : pattern) {
      Canvas.SetPenColor(color);
      Canvas.DrawLine(p, q);
      --p.X;
      --q.Y;
    }
  }
}

bool ZQF_WindowBorderGlyph::InResizeZone(const LayoutRectangles& R, const ZQ_Point<long>& P) {
  return R.Whole.Contains(P) && !R.InsideFaceBand.Contains(P);
}

template <class Request>
void ZQF_WindowBorderGlyph::SendRequest(ZQF_Message& Message) {
  // The request may close the window and delete this border: nothing of
  // the border is touched afterwards.
  Request request;
  Dispatch(request);
  Message.SetHandled();
}

void ZQF_WindowBorderGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  if (!SecondTry) return;
  LayoutRectangles r;
  CalculateLayoutRectangles(r);
  const ZQ_Point<long> p = WindowToGlyph(Message.GetPosition());
  if (r.TitleBar.Contains(p)) {
    if (Options->IsMovable()) {
      SendRequest<ZQF_ContainerPositionDragRequestNotificationMessage>(Message);
    }
  } else if ((r.SizeGrip.Contains(p) || InResizeZone(r, p)) && Options->IsResizable()) {
    SendRequest<ZQF_ContainerSizeDragRequestNotificationMessage>(Message);
  }
}

void ZQF_WindowBorderGlyph::HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message,
                                                       bool SecondTry) {
  if (!SecondTry) return;
  LayoutRectangles r;
  CalculateLayoutRectangles(r);
  if (r.TitleBar.Contains(WindowToGlyph(Message.GetPosition())) &&
      Options->CanMaximizeByDoubleClick()) {
    SendRequest<ZQF_ContainerToggleMaximizeRequestNotificationMessage>(Message);
  }
}

void ZQF_WindowBorderGlyph::HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) {
  if (SecondTry || !Options->IsResizable()) return;
  LayoutRectangles r;
  CalculateLayoutRectangles(r);
  const ZQ_Point<long> p = WindowToGlyph(Message.GetPosition());
  if (r.SizeGrip.Contains(p)) {
    ZQR_Cursor::SetCursorToUse(ZQF_RectangleSizeDragOperation::GetCursor(kBottomRightEdgeCode));
  } else if (InResizeZone(r, p)) {
    const int edge = ZQF_RectangleSizeDragOperation::ClassifyCursorLocation(
        r.Whole, Options->GetCornerThreshold(), p);
    ZQR_Cursor::SetCursorToUse(ZQF_RectangleSizeDragOperation::GetCursor(edge));
  }
}

void ZQF_WindowBorderGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool) {
  ZQF_ButtonUpNotificationMessage* up = dynamic_cast<ZQF_ButtonUpNotificationMessage*>(&Message);
  if (!up) return;
  const ZQF_ButtonGlyph* button = up->GetButton();
  if (button == CloseButton) {
    SendRequest<ZQF_ContainerCloseRequestNotificationMessage>(Message);
  } else if (button == MinimizeButton) {
    SendRequest<ZQF_ContainerToggleMinimizeRequestNotificationMessage>(Message);
  } else if (button == MaximizeButton) {
    SendRequest<ZQF_ContainerToggleMaximizeRequestNotificationMessage>(Message);
  } else if (button == HelpButton) {
    ZQF_Help_WhatsThisCommandMessage whatsThis;
    GetRoot()->Dispatch(whatsThis);
    Message.SetHandled();
  }
}

void ZQF_WindowBorderGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleGenericMessage(Message, SecondTry);
  ZQF_TooltipsMessage* tooltips = dynamic_cast<ZQF_TooltipsMessage*>(&Message);
  if (!SecondTry || Message.IsHandled() || !tooltips) return;
  const ZQ_String title = Options->GetTitle();
  if (!Options->HasTitleBar() || !Options->ShowTitleText() || title.GetLength() == 0) return;
  LayoutRectangles r;
  CalculateLayoutRectangles(r);
  const ZQR_ConcreteFont font =
      IsOnFocusPath() ? Options->GetActiveTitleFont() : Options->GetInactiveTitleFont();
  const ZQ_Point<long> size = font.GetSize(ZQF_GetMetricDC().GetHDC(), title);
  ZQ_Rectangle<long> placed(0, 0, size.X, size.Y);
  placed.AlignWithin(GetTitleTextRectangle(r), Options->GetTitleHorizontalAlignment(),
                     Options->GetTitleVerticalAlignment(), ZQ_Rectangle<long>::Fit_ShrinkToBound);
  if (!placed.Contains(GetCurrentMouseLocation()) || size.X <= placed.Width) return;
  const ZQ_Point<long> corner = GlyphToScreen(placed.GetTopLeft());
  tooltips->SetText(title);
  tooltips->SetDisplayDelay(ZQF_GetTimeMetric(ZQF_TimeMetric_TooltipDelay));
  tooltips->SetIdentity(
      ZQ_UID(static_cast<unsigned long>(corner.X), static_cast<unsigned long>(corner.Y), 0, 0));
  tooltips->SetFont(font);
  tooltips->SetHandled();
}

void ZQF_WindowBorderGlyph::HandleFocusChange(ZQF_FocusChangeMessage&, bool SecondTry) {
  // Each paint picks the active or inactive look.
  if (!SecondTry) QueueVisualStateUpdate();
}
