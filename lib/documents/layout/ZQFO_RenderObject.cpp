#include "ZQFO_RenderObject.h"

#include <cmath>

#include "ZQFO_Cache.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_ErrorImage.h"
#include "ZQPIC_Canvas.h"
#include "ZQPIC_CanvasSectionCanvas.h"
#include "ZQ_Assertion.h"

namespace {

// The outline of R shrunk by Inset on every side, never below zero size.
void DrawShrunkOutline(ZQPIC_Canvas& Canvas, const ZQ_Rectangle<double>& R, double Inset) {
  const double w = std::max(0.0, R.Width - 2 * Inset), h = std::max(0.0, R.Height - 2 * Inset);
  const double x = R.X + std::min(Inset, R.Width / 2), y = R.Y + std::min(Inset, R.Height / 2);
  ZQCG_Line outline(5);
  outline.AddPoint({x, y});
  outline.AddPoint({x + w, y});
  outline.AddPoint({x + w, y + h});
  outline.AddPoint({x, y + h});
  outline.AddPoint({x, y});
  Canvas.CanvasDraw(outline);
}

void DrawSegment(ZQPIC_Canvas& Canvas, const ZQ_Point<double>& From, const ZQ_Point<double>& To) {
  ZQCG_Line segment(2);
  segment.AddPoint(From);
  segment.AddPoint(To);
  Canvas.CanvasDraw(segment);
}

// Restores the canvas's graphics state on every way out.
class GraphicsStateScope {
 public:
  explicit GraphicsStateScope(ZQPIC_Canvas& Canvas) : Canvas(Canvas) { Canvas.PushGraphicsState(); }
  ~GraphicsStateScope() { Canvas.PopGraphicsState(); }
  GraphicsStateScope(const GraphicsStateScope&) = delete;
  GraphicsStateScope& operator=(const GraphicsStateScope&) = delete;

 private:
  ZQPIC_Canvas& Canvas;
};

}  // namespace

void ZQFO_RenderObject::Render(ZQPIC_Canvas& Canvas, double DX, double DY) {
  Canvas.SetLineWidthInMillimeters(0.0);
  Canvas.SetDrawingColor(ZQR_Color_Black);
  const ZQ_Rectangle<double> r = PlacedBox(DX, DY);
  DrawSegment(Canvas, {r.X, r.Y}, {r.X + r.Width, r.Y + r.Height});
  DrawSegment(Canvas, {r.X, r.Y + r.Height}, {r.X + r.Width, r.Y});
  DrawShrunkOutline(Canvas, r, 1.0);
}

void ZQFO_RenderObject::CollectWordInfo(ZQ_Array<ZQFO_WordInfo>&, long&, double, double) {}

void ZQFO_RenderObject_Text::Render(ZQPIC_Canvas& Canvas, double DX, double DY) {
  if (!(Canvas.GetGraphicsState().Font == Options->Font)) Canvas.SetFont(Options->Font);
  Canvas.SetTextColor(Options->TextColor);
  // Across the width the layout measured, so that the blanks it left between
  // words stay what it measured on any device.
  Canvas.CanvasDraw(Text, {X + DX, Y + DY + Options->FontMetrics.Height}, Width);
}

void ZQFO_RenderObject_Text::CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count, double DX,
                                             double DY) {
  if (Count >= Words.GetNumElements())
    Words.Resize(std::max(2 * Words.GetNumElements(), 2 * Count + 2));
  ZQFO_WordInfo& word = Words[Count];
  word.Text = Text;
  word.X = X + DX;
  word.Y = Y + DY;
  word.SymbolFont = Options->Font.GetTypeface() == "Symbol";
  ++Count;
}

void ZQFO_RenderObject_Text_PageRefFixup::Render(ZQPIC_Canvas& Canvas, double DX, double DY) {
  double x = X + DX;
  long justification = 0;
  switch (Options->LineJustification) {
    case 0:
    case 3: break;
    case 1: justification = 1, x += Width * 0.5; break;
    case 2: justification = 2, x += Width; break;
    default: ZQ_ASSERT_TEXT(false, "false"); return;
  }
  const long previous = Canvas.GetHorizontalJustification();
  Canvas.SetFont(Options->Font);
  Canvas.SetTextColor(Options->TextColor);
  Canvas.SetHorizontalJustification(justification);
  try {
    Canvas.CanvasDraw(Text, {x, Y + DY + Options->FontMetrics.Height});
  } catch (...) {
    Canvas.SetHorizontalJustification(previous);
    throw;
  }
  Canvas.SetHorizontalJustification(previous);
}

void ZQFO_RenderObject_Text_PageRefFixup::FitBoxToText(ZQPIC_Canvas& MeasuringCanvas) {
  static const double kAnchorByJustification[] = {0, 0.5, 1, 0};  // left, centre, right, full
  const long justification = Options->LineJustification;
  if (!Box || justification < 0 || justification > 3) return;
  if (!(MeasuringCanvas.GetGraphicsState().Font == Options->Font)) MeasuringCanvas.SetFont(Options->Font);
  const double textWidth = MeasuringCanvas.GetTextSizeInMillimeters(Text).X;
  if (!(textWidth < Width)) return;
  // A line too narrow for the reserve clipped the box, not the object: the
  // number is placed in what the box really got.
  Box->NarrowInLine(Box->Area.Width - textWidth, kAnchorByJustification[justification]);
  Width = textWidth;
}

ZQFO_RenderObject_Img::ZQFO_RenderObject_Img(const ZQFO_FormattingOptions& Options, double X, double Y,
                                             double Width, double Height, const ZQ_CountedPtr<ZQFO_Cache>& Cache,
                                             const ZQ_URI& URI, const ZQ_Point<long>& DisplaySize,
                                             const ZQIMG_ColorTransformation& Transformation)
    : ZQFO_RenderObject(Options, X, Y, Width, Height), Cache(Cache), URI(URI), DisplaySize(DisplaySize),
      Transformation(Transformation) {}

ZQFO_RenderObject_Img::~ZQFO_RenderObject_Img() = default;

void ZQFO_RenderObject_Img::Render(ZQPIC_Canvas& Canvas, double DX, double DY) {
  const ZQIMG_Image image = Cache->GetImage(URI, DisplaySize, Transformation);
  // The box's lower-left corner is the anchor: bottom edge, left edge.
  Canvas.SetVerticalJustification(2);
  try {
    Canvas.CanvasDraw(image, {X + DX, Y + DY}, Width, Height);
  } catch (...) {
    Canvas.SetVerticalJustification(0);
    throw;
  }
  Canvas.SetVerticalJustification(0);
}

ZQFO_RenderObject_Picture::ZQFO_RenderObject_Picture(const ZQFO_FormattingOptions& Options, double X, double Y,
                                                     double Width, double Height,
                                                     const ZQ_CountedPtr<const ZQPIC_Picture>& Picture,
                                                     ZQPIC_Canvas& Canvas)
    : ZQFO_RenderObject(Options, X, Y, Width, Height), Picture(Picture) {
  const auto* early = dynamic_cast<const ZQFO_Picture_EarlyLayoutInterface*>(Picture.Get());
  if (!early) return;
  GraphicsStateScope scope(Canvas);
  const ZQ_Rectangle<double> box(X, Y, Width, Height);
  ZQPIC_CanvasSectionCanvas section(Canvas, box);
  PrepareSection(section);
  early->EarlyLayout(section, box);
}

void ZQFO_RenderObject_Picture::PrepareSection(ZQPIC_Canvas& Section) const {
  Section.Initialize();
  Section.SetBackgroundColor(Options->BackgroundColor);
  Section.SetTextColor(Options->TextColor);
  Section.SetDrawingColor(Options->TextColor);
  Section.SetFont(Options->Font);
}

void ZQFO_RenderObject_Picture::Render(ZQPIC_Canvas& Canvas, double DX, double DY) {
  ZQ_ASSERT_TEXT(Picture.Get() != nullptr, "Picture");
  if (!Picture.Get()) return;
  GraphicsStateScope scope(Canvas);
  ZQPIC_CanvasSectionCanvas section(Canvas, PlacedBox(DX, DY));
  PrepareSection(section);
  ZQPIC_Picture::DrawPicture(*Picture, section);
}

void ZQFO_RenderObject_Line::Render(ZQPIC_Canvas& Canvas, double DX, double DY) {
  ZQCG_Line moved = Line;
  moved.Move(DX, DY);
  const long previous = Canvas.GetLineEndcapStyle();
  Canvas.SetDrawingColor(Color);
  Canvas.SetLineWidthInMillimeters(Thickness);
  Canvas.SetLineEndcapStyle(2);
  try {
    Canvas.CanvasDraw(moved);
  } catch (...) {
    Canvas.SetLineEndcapStyle(previous);
    throw;
  }
  Canvas.SetLineEndcapStyle(previous);
}

void ZQFO_RenderObject_Error::Render(ZQPIC_Canvas& Canvas, double DX, double DY) {
  GraphicsStateScope scope(Canvas);
  const ZQ_Rectangle<double> r = PlacedBox(DX, DY);
  const double lineWidth = 0.1;
  Canvas.SetHorizontalJustification(1);
  Canvas.SetVerticalJustification(1);
  Canvas.SetLineWidthInMillimeters(lineWidth);
  Canvas.SetDrawingColor(Options->TextColor);
  Canvas.ClearDashPattern();
  Canvas.ResetLineJoinStyle();
  Canvas.ResetLineEndcapStyle();
  const ZQIMG_Image image = ZQFO_GetErrorImage();
  const ZQ_Point<double> factor = Canvas.GetDevicePerImagePixelFactor();
  const ZQ_Point<double> perMm = Canvas.GetDevicePixelsPerMillimeter();
  const double widthMm = std::fabs(image.GetWidth() * factor.X) / perMm.X;
  const double heightMm = std::fabs(image.GetHeight() * factor.Y) / perMm.Y;
  DrawShrunkOutline(Canvas, r, 1.1 * lineWidth);
  Canvas.CanvasDraw(image, {r.X + r.Width / 2, r.Y + r.Height / 2}, widthMm, heightMm);
}
