#include "ZQPIC_Canvas.h"

#include <cmath>

#include "ZQCG_Line.h"
#include "ZQCG_Polygon.h"
#include "ZQIMG_Image.h"
#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

namespace {

bool IsJustificationCode(long Code) { return Code >= 0 && Code <= 2; }

bool IsFinite(const ZQ_Point<double>& P) { return std::isfinite(P.X) && std::isfinite(P.Y); }

}  // namespace

ZQPIC_Canvas::~ZQPIC_Canvas() = default;

void ZQPIC_Canvas::Initialize() {
  ZQ_TRACE_FUNCTION("ZQPIC_Canvas::Initialize");
  if (!Initialized) Imp_Initialize();
  Initialized = true;
  SetToDefaultGraphicsState();
}

void ZQPIC_Canvas::PushGraphicsState() { SavedStates.Push(State); }

void ZQPIC_Canvas::PopGraphicsState() {
  if (SavedStates.IsEmpty()) {
    SavedStates.Pop();  // reports "N > 0"
    return;
  }
  State = SavedStates.Pop();
}

void ZQPIC_Canvas::SetToDefaultGraphicsState() {
  State = ZQPIC_GraphicsState();
  Imp_RealiseFont(State);
}

void ZQPIC_Canvas::SetFont(const ZQR_AbstractFont& Font) {
  State.Font = Font;
  Imp_RealiseFont(State);
}

void ZQPIC_Canvas::SetBackgroundMode(long Mode) {
  ZQ_TRACE_FUNCTION("ZQPIC_Canvas::SetBackgroundMode");
  const bool known = Mode == 0 || Mode == 1;
  ZQ_ASSERT_TEXT(known, "(Mode == 0) or (Mode == 1)");
  if (known) State.BackgroundMode = Mode;
}

void ZQPIC_Canvas::SetHorizontalJustification(long Code) {
  ZQ_TRACE_FUNCTION("ZQPIC_Canvas::SetHorizontalJustification");
  ZQ_ASSERT_TEXT(IsJustificationCode(Code), "(Code >= 0) and (Code <= 2)");
  if (IsJustificationCode(Code)) State.HorizontalJustification = Code;
}

void ZQPIC_Canvas::SetVerticalJustification(long Code) {
  ZQ_TRACE_FUNCTION("ZQPIC_Canvas::SetVerticalJustification");
  ZQ_ASSERT_TEXT(IsJustificationCode(Code), "(Code >= 0) and (Code <= 2)");
  if (IsJustificationCode(Code)) State.VerticalJustification = Code;
}

void ZQPIC_Canvas::SetLineEndcapStyle(long Code) {
  ZQ_TRACE_FUNCTION("ZQPIC_Canvas::SetLineEndcapStyle");
  ZQ_ASSERT_TEXT(IsJustificationCode(Code), "(Code >= 0) and (Code <= 2)");
  if (IsJustificationCode(Code)) State.LineEndcapStyle = Code;
}

void ZQPIC_Canvas::CanvasDraw(const ZQ_String& Text, const ZQ_Point<double>& At) {
  AssertInitialized();
  if (Text.IsEmpty() || !IsFinite(At)) return;
  // Only a horizontal placement other than the start needs the width.
  const double width = State.HorizontalJustification ? GetTextSizeInMillimeters(Text).X : 0;
  Imp_DrawText(Text, PlaceBox(At, ZQ_Point<double>(width, State.FontMetrics.Height)));
}

void ZQPIC_Canvas::CanvasDraw(const ZQ_String& Text, const ZQ_Point<double>& At, double WidthMm) {
  if (!(WidthMm > 0 && std::isfinite(WidthMm))) {
    CanvasDraw(Text, At);
    return;
  }
  AssertInitialized();
  if (Text.IsEmpty() || !IsFinite(At)) return;
  const ZQ_Point<double> topLeft = PlaceBox(At, ZQ_Point<double>(WidthMm, State.FontMetrics.Height));
  TextSpanMm = WidthMm;
  try {
    Imp_DrawText(Text, topLeft);
  } catch (...) {
    TextSpanMm = 0;
    throw;
  }
  TextSpanMm = 0;
}

void ZQPIC_Canvas::CanvasDraw(const ZQIMG_Image& Image, const ZQ_Point<double>& At,
                              double WidthMM, double HeightMM) {
  AssertInitialized();
  const ZQ_Point<long> sizePx = Imp_GetDeviceSize(WidthMM, HeightMM);
  if (Image.IsEmpty() || !IsFinite(At) || sizePx.X == 0 || sizePx.Y == 0) return;
  // Placed by its size on the device, so that rounding cannot shift it.
  const ZQ_Point<double> perMm = GetDevicePixelsPerMillimeter();
  const ZQ_Point<double> sizeMm(sizePx.X / perMm.X, sizePx.Y / perMm.Y);
  Imp_DrawImage(Image, PlaceBox(At, sizeMm), sizePx);
}

void ZQPIC_Canvas::CanvasDraw(const ZQCG_Line& Line) {
  AssertInitialized();
  Imp_DrawPolyline(Line);
}

void ZQPIC_Canvas::CanvasDraw(const ZQCG_Polygon& Polygon) {
  AssertInitialized();
  Imp_FillPolygon(Polygon, State.BackgroundColor);
}

void ZQPIC_Canvas::Clear() { Clear(GetDefaultBackgroundColor()); }

void ZQPIC_Canvas::Clear(const ZQR_Color& Color) {
  AssertInitialized();
  if (GetDeviceKind() != 2) Imp_FillPolygon(ZQCG_Polygon(GetCanvasArea()), Color);
}

ZQ_Rectangle<double> ZQPIC_Canvas::GetCanvasArea() const {
  const ZQ_Point<double> size = GetCanvasSizeInMillimeters();
  return ZQ_Rectangle<double>(0, 0, size.X, size.Y);
}

ZQ_Point<double> ZQPIC_Canvas::PlaceBox(const ZQ_Point<double>& At,
                                        const ZQ_Point<double>& Size) const {
  return ZQ_Point<double>(At.X - Size.X * 0.5 * State.HorizontalJustification,
                          At.Y + Size.Y * 0.5 * State.VerticalJustification);
}

void ZQPIC_Canvas::AssertInitialized() const {
  ZQ_TRACE_FUNCTION("ZQPIC_Canvas::AssertInitialized");
  ZQ_ASSERT(Initialized);
}
