// The bitmap button: its picture in the button's colours.
#include "ZQF_StandardBitmapButtonGlyph.h"

#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"

namespace {

// The colours the bitmaps are drawn in: light grey for the face, black for
// the symbol.
const ZQR_Color kFaceKeyColor(192, 192, 192);
const ZQR_Color kSymbolKeyColor(0, 0, 0);

}  // namespace

ZQF_StandardBitmapButtonGlyph::ZQF_StandardBitmapButtonGlyph(const ZQ_String& BitmapResource,
                                                             int ToggleMode, int InitialState)
    : ZQF_StandardButtonGlyph(ToggleMode, InitialState),
      UpImage(BitmapResource, kFaceKeyColor, kSymbolKeyColor),
      DownImage(UpImage) {
  MakeUnfocusable();
}

ZQ_Point<long> ZQF_StandardBitmapButtonGlyph::GetContentMargin() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px); }

ZQ_Point<long> ZQF_StandardBitmapButtonGlyph::GetFocusIndicatorMargin() {
  return ZQ_Point<long>(0, 0);
}

void ZQF_StandardBitmapButtonGlyph::StandardButtonUpdateDesiredSize() {
  const ZQ_Point<long> size = UpImage.GetSize();
  DesiredSize.SetFixedX(size.X);
  DesiredSize.SetFixedY(size.Y);
}

void ZQF_StandardBitmapButtonGlyph::StandardButtonDrawSelf(ZQF_Canvas& Canvas) {
  const ZQF_ButtonImage& image = IsDrawnPressed() ? DownImage : UpImage;
  const ZQR_Color& face = ZQF_GetColorMetric(ZQF_ColorMetric_ButtonFace);
  const ZQR_Color& symbol = ZQF_GetColorMetric(ZQF_ColorMetric_ButtonText);
  const ZQIMG_Image picture =
      IsEnabled() ? image.GetNormalImage(face, symbol) : image.GetDisabledImage(face, symbol);
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  if (StretchImage) {
    Canvas.Draw(picture, ZQ_Point<long>(0, 0), ZQ_Point<long>(box.Width, box.Height));
    return;
  }
  Canvas.Fill(box, face);
  const ZQ_Point<long> size = picture.GetSize();
  const ZQ_Point<long> at((box.Width - size.X) / 2, (box.Height - size.Y) / 2);
  Canvas.Draw(picture, at, size);
}

int ZQF_StandardBitmapButtonGlyph::GetUpBorderCode() {
  return DrawFrame ? ZQF_StandardButtonGlyph::GetUpBorderCode() : 0;
}

int ZQF_StandardBitmapButtonGlyph::GetDownBorderCode() {
  return DrawFrame ? ZQF_StandardButtonGlyph::GetDownBorderCode() : 0;
}
