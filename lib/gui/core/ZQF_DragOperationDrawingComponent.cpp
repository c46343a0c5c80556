#include "ZQF_DragOperationDrawingComponent.h"

#include "ZQLOW_WINGDI.h"
#include "ZQR_Bitmap.h"
#include "ZQ_Owned.h"

namespace {

using OwnedGdiObject = ZQ_Owned<HGDIOBJ, &ZQLOW_WINGDI::DeleteObject>;

// Selects an object for the life of the scope, then the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC DC, HGDIOBJ Object) : DC(DC), Previous(ZQLOW_WINGDI::SelectObject(DC, Object)) {}
  ~SelectedObject() {
    try {
      ZQLOW_WINGDI::SelectObject(DC, Previous);
    } catch (...) {
    }
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC DC;
  HGDIOBJ Previous;
};

// The grey of the line feedback: inverted against the usual light grey
// surfaces it gives black, against white a dark grey.
const COLORREF LineColor = RGB(192, 192, 192);

}  // namespace

ZQF_DragOperationDrawingComponent::~ZQF_DragOperationDrawingComponent() = default;

void ZQF_DragOperationDrawingComponent::GetDrawArea(ZQ_Rectangle<long>&) const {}

void ZQF_FillDottedAreaDrawingComponent::Draw(HDC DC) const {
  // Loaded for each area: feedback is drawn seldom enough, and nothing
  // stays behind when the drag ends.
  const ZQR_Bitmap pattern(ZQ_String("ZQF_FineCheckerboardBitmap_BlackOnLightGray"));
  const OwnedGdiObject brush(ZQLOW_WINGDI::CreatePatternBrush(pattern.GetHBITMAP()));
  const SelectedObject selected(DC, brush.Get());
  ZQLOW_WINGDI::PatBlt(DC, Area.X, Area.Y, Area.Width, Area.Height, PATINVERT);
}

bool ZQF_FillDottedAreaDrawingComponent::Equal(
    const ZQF_DragOperationDrawingComponent& Other) const {
  const auto* other = dynamic_cast<const ZQF_FillDottedAreaDrawingComponent*>(&Other);
  return other && other->Area == Area;
}

void ZQF_DrawLineDrawingComponent::Draw(HDC DC) const {
  ZQLOW_WINGDI::SetROP2(DC, R2_XORPEN);
  const OwnedGdiObject pen(ZQLOW_WINGDI::CreatePen(PS_SOLID, PenWidth, LineColor));
  const SelectedObject selected(DC, pen.Get());
  ZQLOW_WINGDI::MoveToEx(DC, X1, Y1, nullptr);
  ZQLOW_WINGDI::LineTo(DC, X2, Y2);
}

bool ZQF_DrawLineDrawingComponent::Equal(const ZQF_DragOperationDrawingComponent& Other) const {
  const auto* other = dynamic_cast<const ZQF_DrawLineDrawingComponent*>(&Other);
  return other && other->X1 == X1 && other->Y1 == Y1 && other->X2 == X2 && other->Y2 == Y2 &&
         other->PenWidth == PenWidth;
}

void ZQF_DrawLineDrawingComponent::GetDrawArea(ZQ_Rectangle<long>& DrawArea) const {
  const long left = X1 < X2 ? X1 : X2;
  const long top = Y1 < Y2 ? Y1 : Y2;
  DrawArea = ZQ_Rectangle<long>(left, top, (X1 < X2 ? X2 : X1) - left, (Y1 < Y2 ? Y2 : Y1) - top);
  DrawArea.X -= PenWidth;
  DrawArea.Y -= PenWidth;
  DrawArea.Width += 2 * PenWidth;
  DrawArea.Height += 2 * PenWidth;
}

void ZQF_ClipDrawingComponent::Draw(HDC DC) const {
  ZQLOW_WINGDI::IntersectClipRect(DC, Area.X, Area.Y, Area.X + Area.Width, Area.Y + Area.Height);
}

bool ZQF_ClipDrawingComponent::Equal(const ZQF_DragOperationDrawingComponent& Other) const {
  const auto* other = dynamic_cast<const ZQF_ClipDrawingComponent*>(&Other);
  return other && other->Area == Area;
}
