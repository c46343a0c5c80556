// The bitmap glyph.
#include "ZQF_BitmapGlyph.h"

#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"

ZQF_BitmapGlyph::ZQF_BitmapGlyph(const ZQR_TransparentBitmap& Bitmap, bool Stretchable)
    : Bitmap(Bitmap), Stretchable(Stretchable) {}

void ZQF_BitmapGlyph::UpdateMyDesiredSize() {
  const ZQ_Point<long> size = Bitmap.GetSize();
  DesiredSize.SetFixedX(size.X);
  DesiredSize.SetFixedY(size.Y);
  if (!Stretchable) return;
  DesiredSize.SetInfiniteMaximumX();
  DesiredSize.SetInfiniteMaximumY();
}

void ZQF_BitmapGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  Canvas.Fill(box, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  Canvas.Draw(Bitmap, ZQ_Point<long>(0, 0), ZQ_Point<long>(box.Width, box.Height));
}
