// Drawing every glyph: clipped to its box, in its own coordinates, under
// its children; the top-level glyph's background.
#include "ZQF_Canvas.h"
#include "ZQF_Glyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_TopLevelGlyph.h"

namespace {

bool IsEmpty(const ZQ_Rectangle<long>& R) { return R.Width <= 0 || R.Height <= 0; }

void PopAndUse(ZQF_Canvas& Canvas) {
  Canvas.PopClippingRegion();
  Canvas.UseClippingRegion();
}

}  // namespace

void ZQF_Glyph::Draw(ZQF_Canvas& Canvas) {
  const ZQ_Rectangle<long>& box = BoundingBox;
  if (!Canvas.IsVisible(box.X, box.Y, box.Width, box.Height, 0)) return;
  Clip(Canvas, Clip_Self);
  Canvas.SetOrigin(box.GetTopLeft());
  const long depth = Canvas.GetClippingRegionDepth();
  DrawSelf(Canvas);
  // Clipping that DrawSelf left in place must not narrow the children.
  while (Canvas.GetClippingRegionDepth() > depth) PopAndUse(Canvas);
  DrawChildren(Canvas);
  PopAndUse(Canvas);
}

void ZQF_Glyph::DrawChildren(ZQF_Canvas& Canvas) {
  const bool onFocusPath = Canvas.IsOnFocusPath();
  for (ZQF_Glyph* child = FirstChild; child; child = child->NextSibling) {
    Canvas.SetOnFocusPath(onFocusPath && child == FocusChild);
    child->Draw(Canvas);
  }
  Canvas.SetOnFocusPath(onFocusPath);
}

bool ZQF_Glyph::Clip(ZQF_Canvas& Canvas, ClipFlag Flag) {
  Canvas.PushClippingRegion();
  bool isVisible = true;
  if (Flag == Clip_Self || Flag == Clip_SelfAndChildren) {
    isVisible = Canvas.IntersectClippingRegion(BoundingBox.X, BoundingBox.Y, BoundingBox.Width,
                                               BoundingBox.Height, 0);
  }
  if (isVisible && (Flag == Clip_Children || Flag == Clip_SelfAndChildren)) {
    isVisible = ExcludeDrawableChildren(this, Canvas, BoundingBox);
  }
  Canvas.UseClippingRegion();
  return isVisible;
}

bool ZQF_Glyph::ExcludeDrawableChildren(ZQF_Glyph* Glyph, ZQF_Canvas& Canvas,
                                        const ZQ_Rectangle<long>& Limit) {
  for (ZQF_Glyph* child = Glyph->FirstChild; child; child = child->NextSibling) {
    const ZQ_Rectangle<long> part = ZQ_Rectangle<long>::Intersection(child->BoundingBox, Limit);
    if (!child->IsDrawable()) {
      // Drawable glyphs below a layout-only one are excluded within it.
      if (!ExcludeDrawableChildren(child, Canvas, part)) return false;
    } else if (!IsEmpty(part) &&
               !Canvas.ExcludeClippingRegion(part.X, part.Y, part.Width, part.Height, 0)) {
      return false;
    }
  }
  return true;
}

void ZQF_TopLevelGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  Clip(Canvas, Clip_SelfAndChildren);
  Canvas.Fill(GetLocalBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
}
