// The document display control: its sizes, layout with the scroll-bar
// decisions, painting, scrolling and jumps.
#include "ZQFOxZQF_DocumentDisplayGlyph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ZQF_Canvas.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_WINUSER.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQPIC_ScreenMillimetersPerPixel.h"
#include "ZQ_Assertion.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_Numeric.h"
#include "ZQ_Sound.h"

namespace {

constexpr double kMaximumExtent = static_cast<double>(ZQFOxZQF_DocumentDisplayGlyph::MaximumExtent);

// Millimetres to whole pixels for the conversions that must not overflow:
// ceil (Length / PerPixel - 0.00001), at most MaximumExtent.
long CeilToPixels(double Length, double PerPixel) {
  const double pixels = std::ceil(Length / PerPixel - 0.00001);
  if (!(pixels > 0)) return 0;
  return static_cast<long>(std::min(pixels, kMaximumExtent));
}

// A pixel count from a finite double, clamped into 0 .. MaximumExtent.
long ClampedPixels(double Pixels) {
  return static_cast<long>(ZQ_Round(std::min(std::max(Pixels, 0.0), kMaximumExtent)));
}

long Clamp(long Value, long Low, long High) { return std::max(Low, std::min(Value, High)); }

ZQ_Point<long> NaturalSize(ZQF_Glyph* Glyph) {
  if (!Glyph->GetDesiredSize().IsValid()) Glyph->UpdateDesiredSize();
  return Glyph->GetDesiredSize().Natural;
}

}  // namespace

ZQFOxZQF_DocumentDisplayGlyph::ZQFOxZQF_DocumentDisplayGlyph(const ZQFO_Document& Document)
    : Renderer(Document),
      VerticalScrollBar(new ZQF_VerticalScrollBarGlyph(100, 10, 1, 0, true)),
      HorizontalScrollBar(new ZQF_HorizontalScrollBarGlyph(100, 10, 1, 0, true)),
      ScrollLineSize(2 * ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px).X, 2 * ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px).Y),
      MarginsInPixels{ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).X, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).X, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).Y,
                      ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).Y},
      PreferredWidthInPixels(ZQ_Round(ZQF_GetSizeMetric(ZQF_SizeMetric_ScreenPx).X * 0.5)),
      PendingScrollAmount(NoScrollAmount, NoScrollAmount) {
  SetComputesDesiredSize(true);
  SetFocusable(true);
  SetBorderStyle(3);
  SetBorderOption(true);
  AddHelpTopic("ZQF_DocumentDisplayControl_id");
  AddChild(VerticalScrollBar, true);
  AddChild(HorizontalScrollBar, true);
  Renderer.SetStylesheet(CreateScreenStylesheet());
}

ZQFOxZQF_DocumentDisplayGlyph::~ZQFOxZQF_DocumentDisplayGlyph() = default;

ZQFO_Stylesheet ZQFOxZQF_DocumentDisplayGlyph::CreateScreenStylesheet() {
  ZQFO_Stylesheet stylesheet;
  static const int kMetricOfSlot[] = {
      ZQF_ColorMetric_DocumentText,   ZQF_ColorMetric_DocumentBackground, ZQF_ColorMetric_LabelText,
      ZQF_ColorMetric_LabelBackground, ZQF_ColorMetric_DocumentText,      ZQF_ColorMetric_DocumentShade,
      ZQF_ColorMetric_HyperlinkText,  -1,                                 -1,
      ZQF_ColorMetric_TooltipText,    ZQF_ColorMetric_TooltipBackground};
  for (long slot = 0; slot < ZQFO_Stylesheet::NumColors; ++slot)
    if (kMetricOfSlot[slot] >= 0) stylesheet.SetColor(slot, ZQF_GetColorMetric(kMetricOfSlot[slot]));
  // Gray text: half way between the window's background and its text.
  stylesheet.SetColor(7, ZQR_BlendColors(ZQF_GetColorMetric(ZQF_ColorMetric_DocumentBackground), ZQF_GetColorMetric(ZQF_ColorMetric_DocumentText), 0.5));
  return stylesheet;
}

ZQ_Point<double> ZQFOxZQF_DocumentDisplayGlyph::GetPixelToMillimeterScalingFactor() {
  return ZQPIC_GetScreenMillimetersPerPixel();
}

// --- Settings.

void ZQFOxZQF_DocumentDisplayGlyph::SetInputDocument(const ZQFO_Document& Document,
                                                     bool KeepScrollPosition) {
  Renderer.SetDocument(Document);
  FailureLogged = false;
  if (!LaidOut) return;
  if (!KeepScrollPosition) {
    VerticalScrollBar->SetSliderPosition_Safe(0, false);
    HorizontalScrollBar->SetSliderPosition_Safe(0, false);
  }
  AcceptLayout();
  QueueVisualStateUpdate();
}

void ZQFOxZQF_DocumentDisplayGlyph::SetPreferredWidthFraction(double F) {
  ZQ_ASSERT_TEXT(0.0 < F && F <= 1.0, "0.0 < F and F <= 1.0");
  if (!(0.0 < F && F <= 1.0)) return;
  PreferredWidthInPixels = ZQ_Round(ZQF_GetSizeMetric(ZQF_SizeMetric_ScreenPx).X * F);
}

void ZQFOxZQF_DocumentDisplayGlyph::SetMarginsInPixels(double Horizontal, double Vertical) {
  if (std::isfinite(Horizontal)) MarginsInPixels.Left = MarginsInPixels.Right = ClampedPixels(Horizontal);
  if (std::isfinite(Vertical)) MarginsInPixels.Bottom = MarginsInPixels.Top = ClampedPixels(Vertical);
}

void ZQFOxZQF_DocumentDisplayGlyph::SetPendingScrollAmount(double X, double Y) {
  if (!std::isfinite(X) || !std::isfinite(Y)) return;
  PendingScrollAmount = ZQ_Point<double>(X, Y);
}

// --- Layout.

void ZQFOxZQF_DocumentDisplayGlyph::Repaginate(ZQPIC_Canvas& Canvas, long WidthInPixels,
                                               long HeightInPixels) {
  const ZQ_Point<double> s = GetPixelToMillimeterScalingFactor();
  Renderer.SetStylesheet(CreateScreenStylesheet());
  Renderer.SetMargins(MarginsInPixels.Left * s.X + 0.00001, MarginsInPixels.Right * s.X + 0.00001,
                      MarginsInPixels.Top * s.Y + 0.00001, MarginsInPixels.Bottom * s.Y + 0.00001);
  if (WidthInPixels < 1) WidthInPixels = GetDocumentDisplayRectInCanvasCoords().Width;
  const double width = WidthInPixels * s.X;
  const double height = HeightInPixels > 0 ? HeightInPixels * s.Y : ZQFO_DocumentRenderer::Continuous;
  Renderer.Repaginate(Canvas, width, height);
  // Content wider than the view (a long word, a wide table) would be cut off
  // at the page's edge: the page takes the narrowest width the document
  // allows, and the horizontal bar reaches the rest.
  if (!Renderer.GetRepaginationFailed() && Renderer.GetMinimumPageWidth() > width)
    Renderer.Repaginate(Canvas, ZQFO_DocumentRenderer::MinWidth, height);
}

void ZQFOxZQF_DocumentDisplayGlyph::SafeRepaginate(ZQPIC_Canvas& Canvas, long WidthInPixels,
                                                   long HeightInPixels) {
  try {
    Repaginate(Canvas, WidthInPixels, HeightInPixels);
  } catch (const ZQ_Exception& Error) {
    // The renderer is in its failed state now and shows the error picture.
    NoteLayoutFailure(Error);
  }
}

void ZQFOxZQF_DocumentDisplayGlyph::NoteLayoutFailure(const ZQ_Exception& Error) {
  if (FailureLogged) return;
  FailureLogged = true;
  ZQ_WriteDebugLogEntry("The document display could not lay its document out: " +
                        Error.GetDescription() + "\n");
}

void ZQFOxZQF_DocumentDisplayGlyph::UpdateMyDesiredSize() {
  if (SizingMode == Sizing_Fill) {
    const ZQ_Point<long> minimum = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px);
    DesiredSize.SetX(MaximumExtent, minimum.X, MaximumExtent);
    DesiredSize.SetY(MaximumExtent, minimum.Y, MaximumExtent);
    return;
  }
  if (SizingMode != Sizing_FlexibleWidth && SizingMode != Sizing_Fixed) {
    ZQ_ASSERT_TEXT(false, "false");
    return;
  }
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  ZQPIC_DeviceContextCanvas canvas(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, 100, 100), 0);
  canvas.Initialize();
  const long preferred = static_cast<long>(PreferredWidthInPixels);
  SafeRepaginate(canvas, preferred, 0);
  const ZQ_Point<double> s = GetPixelToMillimeterScalingFactor();
  const long minimumWidth = CeilToPixels(Renderer.GetMinimumPageWidth(), s.X);
  const long maximumWidth = std::max(minimumWidth, CeilToPixels(Renderer.GetMaximumPageWidth(), s.X));
  const long clamped = Clamp(preferred, minimumWidth, maximumWidth);
  if (clamped != preferred) SafeRepaginate(canvas, clamped, 0);

  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(GetBorderStyle());
  const ZQ_Point<long> document = GetDocumentSizeInPixels();
  const long width = std::min(document.X + 2 * border.X, MaximumExtent);
  const long height = std::min(document.Y + 2 * border.Y, MaximumExtent);
  if (SizingMode == Sizing_Fixed) {
    DesiredSize.SetFixedX(width);
    DesiredSize.SetFixedY(height);
    return;
  }
  const long minimumHeight = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).Y;
  DesiredSize.SetX(Clamp(width, minimumWidth, maximumWidth), minimumWidth, maximumWidth);
  DesiredSize.SetY(Clamp(height, minimumHeight, MaximumExtent), minimumHeight, MaximumExtent);
}

ZQ_Rectangle<long> ZQFOxZQF_DocumentDisplayGlyph::GetInteriorRect() const {
  ZQ_Rectangle<long> area = GetLocalBoundingBox();
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(GetBorderStyle());
  area.Deflate(border.X, border.Y);
  return area;
}

void ZQFOxZQF_DocumentDisplayGlyph::AcceptLayout() {
  PaintedScrollValid = false;
  const ZQ_Rectangle<long> area = GetInteriorRect();
  const ZQ_Point<long> smallest = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px);
  if (area.Width < smallest.X || area.Height < smallest.Y) {
    // Parked out of sight (a hidden row) or given no room: nothing shows, so
    // nothing is laid out, and no page is cut to a sliver that clips every
    // block. The next layout with room lays the document out.
    LaidOut = false;
    HorizontalScrollBarShown = VerticalScrollBarShown = false;
    PlaceScrollBars();
    return;
  }
  LaidOut = true;
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  ZQPIC_DeviceContextCanvas canvas(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, area.Width, area.Height), 0);
  canvas.Initialize();

  HorizontalScrollBarShown = false;
  VerticalScrollBarShown = true;
  SafeRepaginate(canvas, 0, 0);
  if (!DocumentFitsVertically()) {
    // Only a little too tall: the wider layout without the bar may fit.
    const long excess = GetDocumentSizeInPixels().Y - GetDocumentDisplayRectInCanvasCoords().Height;
    if (excess < ScrollLineSize.Y) {
      VerticalScrollBarShown = false;
      SafeRepaginate(canvas, 0, 0);
      if (!DocumentFitsVertically()) {
        VerticalScrollBarShown = true;
        SafeRepaginate(canvas, 0, 0);
      }
    }
    HorizontalScrollBarShown = !DocumentFitsHorizontally();
  } else if (DocumentFitsHorizontally()) {
    VerticalScrollBarShown = false;
    SafeRepaginate(canvas, 0, 0);
  } else {
    VerticalScrollBarShown = false;
    if (DocumentFitsHorizontally()) {
      SafeRepaginate(canvas, 0, 0);
    } else {
      HorizontalScrollBarShown = true;
      if (!DocumentFitsVertically())
        VerticalScrollBarShown = true;
      else
        SafeRepaginate(canvas, 0, 0);
    }
  }
  // The horizontal bar takes height: what it hides must stay reachable.
  if (!VerticalScrollBarShown && !DocumentFitsVertically()) {
    VerticalScrollBarShown = true;
    SafeRepaginate(canvas, 0, 0);
    HorizontalScrollBarShown = !DocumentFitsHorizontally();
  }
  if (SizingMode != Sizing_Fill && DocumentFitsVertically())
    SafeRepaginate(canvas, 0, GetDocumentDisplayRectInCanvasCoords().Height);
  PlaceScrollBars();
}

void ZQFOxZQF_DocumentDisplayGlyph::PlaceScrollBars() {
  const ZQ_Rectangle<long> area = GetInteriorRect();
  const long barWidth = NaturalSize(VerticalScrollBar).X;
  const long barHeight = NaturalSize(HorizontalScrollBar).Y;
  const long hHeight = HorizontalScrollBarShown ? barHeight : 0;
  const long vWidth = VerticalScrollBarShown ? barWidth : 0;
  const ZQ_Rectangle<long> empty;
  LayoutChild(VerticalScrollBar,
              VerticalScrollBarShown ? ZQ_Rectangle<long>(area.X + area.Width - barWidth, area.Y, barWidth,
                                                          std::max(0L, area.Height - hHeight))
                                     : empty);
  LayoutChild(HorizontalScrollBar,
              HorizontalScrollBarShown ? ZQ_Rectangle<long>(area.X, area.Y + area.Height - barHeight,
                                                            std::max(0L, area.Width - vWidth), barHeight)
                                       : empty);

  const ZQ_Point<long> document = GetDocumentSizeInPixels();
  const ZQ_Rectangle<long> display = GetDocumentDisplayRectInCanvasCoords();
  const auto setState = [](ZQF_ScrollBarGlyph* Bar, long DocumentSize, long PageSize, long LineSize) {
    DocumentSize = std::max(1L, DocumentSize);
    PageSize = Clamp(PageSize, 1, DocumentSize);
    Bar->SetState(DocumentSize, PageSize, Clamp(LineSize, 1, DocumentSize),
                  Clamp(Bar->GetSliderPosition(), 0, DocumentSize - PageSize), false);
  };
  if (VerticalScrollBarShown) setState(VerticalScrollBar, document.Y, display.Height, ScrollLineSize.Y);
  if (HorizontalScrollBarShown) setState(HorizontalScrollBar, document.X, display.Width, ScrollLineSize.X);
}

// --- Geometry.

ZQ_Rectangle<long> ZQFOxZQF_DocumentDisplayGlyph::GetDocumentDisplayRectInCanvasCoords() const {
  ZQ_Rectangle<long> area = GetInteriorRect();
  if (VerticalScrollBarShown) area.Width -= NaturalSize(VerticalScrollBar).X;
  if (HorizontalScrollBarShown) area.Height -= NaturalSize(HorizontalScrollBar).Y;
  area.Width = std::max(area.Width, 1L);
  area.Height = std::max(area.Height, 1L);
  return area;
}

ZQ_Point<double> ZQFOxZQF_DocumentDisplayGlyph::GetDocumentDisplaySizeInMillimeters() const {
  const ZQ_Rectangle<long> display = GetDocumentDisplayRectInCanvasCoords();
  const ZQ_Point<double> s = GetPixelToMillimeterScalingFactor();
  return ZQ_Point<double>(display.Width * s.X, display.Height * s.Y);
}

ZQ_Point<long> ZQFOxZQF_DocumentDisplayGlyph::GetDocumentSizeInPixels() const {
  // Nothing is laid out yet: an empty page.
  if (Renderer.GetNeedsRepagination() && !Renderer.GetRepaginationFailed()) return ZQ_Point<long>(0, 0);
  const ZQ_Point<double> page = Renderer.GetPageSize();
  const ZQ_Point<double> s = GetPixelToMillimeterScalingFactor();
  return ZQ_Point<long>(CeilToPixels(page.X, s.X), CeilToPixels(page.Y, s.Y));
}

bool ZQFOxZQF_DocumentDisplayGlyph::DocumentFitsHorizontally() const {
  return GetDocumentSizeInPixels().X <= GetDocumentDisplayRectInCanvasCoords().Width;
}

bool ZQFOxZQF_DocumentDisplayGlyph::DocumentFitsVertically() const {
  return GetDocumentSizeInPixels().Y <= GetDocumentDisplayRectInCanvasCoords().Height;
}

ZQ_Point<double> ZQFOxZQF_DocumentDisplayGlyph::GetScrollAmountInMillimeters() const {
  const ZQ_Point<double> s = GetPixelToMillimeterScalingFactor();
  ZQ_Point<double> amount(0, 0);
  if (HorizontalScrollBarShown) amount.X = HorizontalScrollBar->GetSliderPosition() * s.X;
  if (VerticalScrollBarShown)
    amount.Y = (GetDocumentSizeInPixels().Y - VerticalScrollBar->GetSliderPosition()) * s.Y;
  return amount;
}

void ZQFOxZQF_DocumentDisplayGlyph::SetScrollAmountInMillimeters(double X, double Y) {
  const ZQ_Point<double> s = GetPixelToMillimeterScalingFactor();
  if (VerticalScrollBarShown && std::isfinite(Y))
    VerticalScrollBar->SetSliderPosition_Safe(GetDocumentSizeInPixels().Y - ClampedPixels(Y / s.Y), false);
  if (HorizontalScrollBarShown && std::isfinite(X))
    HorizontalScrollBar->SetSliderPosition_Safe(ClampedPixels(X / s.X), false);
  ShowScrollChange();
}

ZQ_Point<long> ZQFOxZQF_DocumentDisplayGlyph::GetScrollPositions() const {
  return ZQ_Point<long>(HorizontalScrollBarShown ? HorizontalScrollBar->GetSliderPosition() : 0,
                        VerticalScrollBarShown ? VerticalScrollBar->GetSliderPosition() : 0);
}

void ZQFOxZQF_DocumentDisplayGlyph::ShowScrollChange() {
  const ZQ_Point<long> now = GetScrollPositions();
  if (Painting) return;  // the paint under way draws the new positions
  ZQF_Window* window = GetParentWindow();
  const HWND handle = window ? window->GetWindowHandle() : nullptr;
  if (PaintedScrollValid && handle) {
    const long dx = now.X - PaintedScroll.X, dy = now.Y - PaintedScroll.Y;
    if (dx == 0 && dy == 0) return;
    // Only what this control shows moves: a container may show part of it.
    ZQ_Rectangle<long> view = GlyphToWindow(GetDocumentDisplayRectInCanvasCoords());
    for (const ZQF_Glyph* g = GetParent(); g; g = g->GetParent())
      view = ZQ_Rectangle<long>::Intersection(view, g->GetBoundingBox());
    // One direction at a time, by less than the view: the rest stays valid.
    if ((dx == 0 || dy == 0) && std::labs(dx) < view.Width && std::labs(dy) < view.Height) {
      const RECT area = {view.X, view.Y, view.X + view.Width, view.Y + view.Height};
      ZQ_OwnedRegion uncovered(ZQLOW_WINGDI::CreateRectRgn(0, 0, 0, 0));
      ZQLOW_WINUSER::ScrollWindowEx(handle, -dx, -dy, &area, &area, uncovered.Get(), nullptr, 0);
      PaintedScroll = now;
      // Drawn at once rather than invalidated: the next paint would draw the
      // box around the uncovered strip and the moved slider, which is the
      // whole view.
      try {
        const ZQR_DeviceContext dc(ZQLOW_WINUSER::GetDC(handle), handle, 1);
        ZQF_Canvas canvas(dc, uncovered.Release(), IsOnFocusPath());
        canvas.UseClippingRegion();
        canvas.SetOrigin(GetBoundingBox().GetTopLeft());
        DrawSelf(canvas);
        return;
      } catch (const ZQ_Exception&) {
        // The window's paint draws the view again and reports what fails.
      }
    }
  }
  PaintedScrollValid = false;
  QueueVisualStateUpdate();
}

ZQ_Point<double> ZQFOxZQF_DocumentDisplayGlyph::GetRenderOffset() const {
  const ZQ_Point<double> s = GetPixelToMillimeterScalingFactor();
  const long horizontal = HorizontalScrollBarShown ? HorizontalScrollBar->GetSliderPosition() : 0;
  const long vertical = VerticalScrollBarShown ? VerticalScrollBar->GetSliderPosition() : 0;
  const double pageHeight = GetDocumentSizeInPixels().Y > 0 ? Renderer.GetPageHeight() : 0.0;
  return ZQ_Point<double>(-(horizontal * s.X),
                          vertical * s.Y - (pageHeight - GetDocumentDisplaySizeInMillimeters().Y));
}

ZQ_Point<double> ZQFOxZQF_DocumentDisplayGlyph::ClientToPage(long X, long Y) const {
  const ZQ_Rectangle<long> display = GetDocumentDisplayRectInCanvasCoords();
  const ZQ_Point<double> s = GetPixelToMillimeterScalingFactor();
  const ZQ_Point<double> offset = GetRenderOffset();
  return ZQ_Point<double>((X - display.X) * s.X - offset.X, (display.Y + display.Height - Y) * s.Y - offset.Y);
}

// --- Drawing.

void ZQFOxZQF_DocumentDisplayGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  if (IsBoundingBoxEmpty()) return;
  DrawControlBorder(Canvas, GetLocalBoundingBox());
  const ZQ_Rectangle<long> display = GetDocumentDisplayRectInCanvasCoords();
  const ZQ_Point<long> smallest = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px);
  if (display.Width < smallest.X || display.Height < smallest.Y) {
    Canvas.Fill(GetInteriorRect(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
    return;
  }
  if (!LaidOut) AcceptLayout();
  Painting = true;
  struct PaintEnd {
    bool& Flag;
    ~PaintEnd() { Flag = false; }
  } paintEnd{Painting};
  // A request applied now may move a view this paint does not cover whole.
  const bool applyingRequest = !PendingJumpElementID.IsEmpty() || PendingScrollAmount.X > NoScrollLimit;
  if (!PendingJumpElementID.IsEmpty()) {
    const ZQ_String id = PendingJumpElementID;
    PendingJumpElementID = ZQ_String();
    // The jump replaces a scroll asked for before it, which a later paint
    // would otherwise still apply.
    PendingScrollAmount = ZQ_Point<double>(NoScrollAmount, NoScrollAmount);
    JumpToElementWithID(id, false);
  } else if (PendingScrollAmount.X > NoScrollLimit) {
    const ZQ_Point<double> amount = PendingScrollAmount;
    PendingScrollAmount = ZQ_Point<double>(NoScrollAmount, NoScrollAmount);
    SetScrollAmountInMillimeters(amount.X, amount.Y);
  }
  // A paint of the bars or the border alone leaves the page as it is.
  if (Canvas.IsVisible(display.X, display.Y, display.Width, display.Height, 1)) {
    // The paint context's logical coordinates are the window's.
    ZQPIC_DeviceContextCanvas page(Canvas.GetHDC(), GlyphToWindow(display), 0);
    page.Initialize();
    if (Renderer.GetNeedsRepagination() && !Renderer.GetRepaginationFailed())
      SafeRepaginate(page, 0, 0);
    const ZQ_Point<double> offset = GetRenderOffset();
    Renderer.Render(page, 0, offset.X, offset.Y);
    // A paint covers whatever the screen did not show at the current
    // positions: from now on it shows them.
    PaintedScroll = GetScrollPositions();
    PaintedScrollValid = !applyingRequest;
  }
  if (applyingRequest) {
    PaintedScrollValid = false;
    QueueVisualStateUpdate();  // after this paint
  }
  if (VerticalScrollBarShown && HorizontalScrollBarShown) {
    const ZQ_Rectangle<long> area = GetInteriorRect();
    Canvas.Fill(ZQ_Rectangle<long>(display.X + display.Width, display.Y + display.Height,
                                   area.X + area.Width - (display.X + display.Width),
                                   area.Y + area.Height - (display.Y + display.Height)),
                ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  }
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleNotification(Message, SecondTry);
  if (Message.IsHandled()) return;
  auto* change = dynamic_cast<ZQF_ScrollBarChangeNotificationMessage*>(&Message);
  if (!change) return;
  ZQF_ScrollBarGlyph* bar = change->GetScrollBar();
  if (bar != VerticalScrollBar && bar != HorizontalScrollBar) return;
  ShowScrollChange();
  Message.SetHandled();
}

// --- Jumps.

void ZQFOxZQF_DocumentDisplayGlyph::JumpToElementWithID(const ZQ_String& Id, bool Notify) {
  if (Notify && JumpToElementCallback.IsSet()) {
    JumpToElementCallback(Id);
    return;
  }
  ZQFO_ContentArea_SearchResult result;
  if (!Renderer.GetNeedsRepagination() || Renderer.GetRepaginationFailed())
    Renderer.SearchForContentAreaById(Id, result);
  if (!result.Found) {
    if (Notify && ElementNotFoundCallback.IsSet())
      ElementNotFoundCallback(Id);
    else
      ZQ_Beep();
    return;
  }
  if (Notify && BeforeJumpCallback.IsSet()) BeforeJumpCallback();
  SetScrollAmountInMillimeters(GetScrollAmountInMillimeters().X,
                               result.Rectangle.Y + result.Rectangle.Height + 1.0);
}

// --- Scrolling.

void ZQFOxZQF_DocumentDisplayGlyph::ScrollLineDown(long N) {
  if (VerticalScrollBarShown)
    for (long i = 0; i < N; ++i) VerticalScrollBar->PerformLineForward(true);
}

void ZQFOxZQF_DocumentDisplayGlyph::ScrollLineUp(long N) {
  if (VerticalScrollBarShown)
    for (long i = 0; i < N; ++i) VerticalScrollBar->PerformLineBackward(true);
}

void ZQFOxZQF_DocumentDisplayGlyph::ScrollPageDown() {
  if (VerticalScrollBarShown) VerticalScrollBar->PerformPageForward(true);
}

void ZQFOxZQF_DocumentDisplayGlyph::ScrollPageUp() {
  if (VerticalScrollBarShown) VerticalScrollBar->PerformPageBackward(true);
}

void ZQFOxZQF_DocumentDisplayGlyph::ScrollToTop() {
  if (VerticalScrollBarShown) VerticalScrollBar->PerformScrollToStart(true);
}

void ZQFOxZQF_DocumentDisplayGlyph::ScrollToBottom() {
  if (VerticalScrollBarShown) VerticalScrollBar->PerformScrollToEnd(true);
}

void ZQFOxZQF_DocumentDisplayGlyph::ScrollLineLeft() {
  if (HorizontalScrollBarShown) HorizontalScrollBar->PerformLineBackward(true);
}

void ZQFOxZQF_DocumentDisplayGlyph::ScrollLineRight() {
  if (HorizontalScrollBarShown) HorizontalScrollBar->PerformLineForward(true);
}

void ZQFOxZQF_DocumentDisplayGlyph::ScrollPageLeft() {
  if (HorizontalScrollBarShown) HorizontalScrollBar->PerformPageBackward(true);
}

void ZQFOxZQF_DocumentDisplayGlyph::ScrollPageRight() {
  if (HorizontalScrollBarShown) HorizontalScrollBar->PerformPageForward(true);
}

void ZQFOxZQF_DocumentDisplayGlyph::ScrollToHorizontalBegin() {
  if (HorizontalScrollBarShown) HorizontalScrollBar->PerformScrollToStart(true);
}
