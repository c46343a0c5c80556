#include "ZQF_DragOperationDrawingContext.h"

#include <cmath>

#include "ZQF_Metrics.h"
#include "ZQLOW_WINGDI_Owned.h"

namespace {

// GetDrawArea's preset: still there afterwards means "no area" (clips).
const long NoArea = -9999999;

long NotNegative(long Value) { return Value < 0 ? 0 : Value; }

// The nearest integer, halves going down.
long RoundHalfDown(double Value) { return static_cast<long>(std::ceil(Value - 0.5)); }

}  // namespace

void ZQF_DragOperationDrawingContext::Add(ZQF_DragOperationDrawingComponent* Component) {
  try {
    Components.Append(Component);
  } catch (...) {
    delete Component;
    throw;
  }
}

void ZQF_DragOperationDrawingContext::FillDottedArea(long X, long Y, long Width, long Height) {
  Add(new ZQF_FillDottedAreaDrawingComponent(ZQ_Rectangle<long>(X, Y, Width, Height)));
}

void ZQF_DragOperationDrawingContext::DrawLine(long X1, long Y1, long X2, long Y2, long PenWidth) {
  Add(new ZQF_DrawLineDrawingComponent(X1, Y1, X2, Y2, PenWidth));
}

void ZQF_DragOperationDrawingContext::Clip(const ZQ_Rectangle<long>& Rectangle) {
  Add(new ZQF_ClipDrawingComponent(Rectangle));
}

void ZQF_DragOperationDrawingContext::DrawDottedRectangle(long X, long Y, long Width, long Height,
                                                          long BorderWidthX, long BorderWidthY) {
  const long innerWidth = NotNegative(Width - 2 * BorderWidthX);
  FillDottedArea(X + (Width - BorderWidthX), Y, NotNegative(BorderWidthX), NotNegative(Height));
  FillDottedArea(X, Y, NotNegative(BorderWidthX), NotNegative(Height));
  FillDottedArea(X + BorderWidthX, Y + (Height - BorderWidthY), innerWidth,
                 NotNegative(BorderWidthY));
  FillDottedArea(X + BorderWidthX, Y, innerWidth, NotNegative(BorderWidthY));
}

void ZQF_DragOperationDrawingContext::DrawArrowhead(long FromX, long FromY, long TipX, long TipY,
                                                    long PenWidth, double HalfAngle) {
  if (FromX == TipX && FromY == TipY) return;
  const double pi = 3.14159265358979323846;
  const double a = HalfAngle * pi / 180.0;
  const double length = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).X;
  const double shaft =
      std::atan2(static_cast<double>(TipY - FromY), static_cast<double>(TipX - FromX));
  for (const double phi : {shaft + pi + a, shaft + pi - a}) {
    DrawLine(TipX, TipY, TipX + RoundHalfDown(length * std::cos(phi)),
             TipY + RoundHalfDown(length * std::sin(phi)), PenWidth);
  }
}

void ZQF_DragOperationDrawingContext::Clear() {
  while (!Components.IsEmpty()) {
    delete Components.GetHead();
    Components.RemoveHead();
  }
}

void ZQF_DragOperationDrawingContext::RealizeDrawing() const {
  const ZQ_OwnedDC screen(ZQLOW_WINGDI::CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
  DrawOn(screen.Get());
}

void ZQF_DragOperationDrawingContext::DrawOn(HDC DC) const {
  for (auto i = Components.GetIterator(); i.IsValid(); i.Advance()) (*i)->Draw(DC);
}

ZQ_Rectangle<long> ZQF_DragOperationDrawingContext::GetDrawingBoundingBox() const {
  bool found = false;
  ZQ_Rectangle<long> box(ZQ_NoMatch, ZQ_NoMatch, 0, 0);
  for (auto i = Components.GetIterator(); i.IsValid(); i.Advance()) {
    ZQ_Rectangle<long> area(NoArea, 0, 0, 0);
    (*i)->GetDrawArea(area);
    if (area.X == NoArea) continue;
    box = found ? ZQ_Rectangle<long>::GetBoundingRectangle(box, area) : area;
    found = true;
  }
  return box;
}

bool ZQF_DragOperationDrawingContext::operator==(
    const ZQF_DragOperationDrawingContext& Other) const {
  if (GetNumComponents() != Other.GetNumComponents()) return false;
  auto other = Other.Components.GetIterator();
  for (auto i = Components.GetIterator(); i.IsValid(); i.Advance(), other.Advance()) {
    if (!(*i)->Equal(**other)) return false;
  }
  return true;
}
