// ZQF_BitmapGlyph.h: shows a transparent bitmap stretched to the glyph, on
// the control background colour. It has the bitmap's size, or grows without
// limit in both directions when stretchable. Shares the bitmap's handles.
// UI thread only.
#ifndef ZQF_BITMAPGLYPH_H
#define ZQF_BITMAPGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQR_TransparentBitmap.h"

class ZQF_BitmapGlyph : public ZQF_DrawableGlyph {
 public:
  ZQF_BitmapGlyph(const ZQR_TransparentBitmap& Bitmap, bool Stretchable);

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;

 private:
  ZQR_TransparentBitmap Bitmap;
  bool Stretchable;
};

#endif
