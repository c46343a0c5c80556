// The image display: desired size, display copy and drawing.
#include "ZQF_ImageDisplayGlyph.h"

#include <algorithm>

#include "ZQF_Canvas.h"
#include "ZQIMG_ColorTransformation.h"
#include "ZQIMG_Resize.h"
#include "ZQ_Numeric.h"

namespace {

// Resize method 2 averages the covered source area when shrinking.
const long kResizeMethod = 2;

}  // namespace

ZQF_ImageDisplayGlyph::ZQF_ImageDisplayGlyph(const ZQIMG_Image& Image) : Image(Image) {}

void ZQF_ImageDisplayGlyph::SetImage(const ZQIMG_Image& NewImage) {
  DisplayImageOutOfDate = true;
  const bool sameSize = NewImage.GetSize() == Image.GetSize();
  Image = NewImage;
  if (sameSize) {
    QueueVisualStateUpdate();
  } else {
    Resize();
  }
}

void ZQF_ImageDisplayGlyph::SetDesiredImageSize(long Width, long Height) {
  DesiredImageWidth = Width;
  DesiredImageHeight = Height;
}

ZQ_Point<long> ZQF_ImageDisplayGlyph::CalculateDesiredImageSize() const {
  if (DesiredImageWidth < 0) return Image.GetSize();
  if (DesiredImageHeight >= 0) return ZQ_Point<long>(DesiredImageWidth, DesiredImageHeight);
  if (Image.GetWidth() <= 0) return ZQ_Point<long>(DesiredImageWidth, 0);
  const double height = static_cast<double>(Image.GetHeight()) / Image.GetWidth() *
                        DesiredImageWidth;
  // Bounded before the conversion: a huge width must not overflow a long.
  const double limit = static_cast<double>(ZQF_DesiredSize::UnboundedMaximum);
  return ZQ_Point<long>(DesiredImageWidth, static_cast<long>(std::min(ZQ_Round(height), limit)));
}

ZQ_Point<long> ZQF_ImageDisplayGlyph::GetScaledSize() const {
  const ZQ_Point<long> size = CalculateDesiredImageSize();
  return (size.X > 0 && size.Y > 0) ? size : Image.GetSize();
}

void ZQF_ImageDisplayGlyph::UpdateMyDesiredSize() {
  const ZQ_Point<long> size = CalculateDesiredImageSize();
  DesiredSize.SetFixedX(std::max(0L, size.X));
  DesiredSize.SetFixedY(std::max(0L, size.Y));
}

bool ZQF_ImageDisplayGlyph::NeedsRebuild() const {
  if (DisplayImageOutOfDate) return true;
  if (RecolorImage != LastRecolor) return true;
  if (RecolorImage &&
      (FirstReferenceColor != LastFirstReferenceColor ||
       SecondReferenceColor != LastSecondReferenceColor || TextColor.GetColor() != LastTextColor ||
       BackgroundColor.GetColor() != LastBackgroundColor)) {
    return true;
  }
  if (ScaleImage != LastScaleImage) return true;
  return ScaleImage && DisplayImage.GetSize() != GetScaledSize();
}

void ZQF_ImageDisplayGlyph::InsureDisplayImageUpToDate() {
  if (NeedsRebuild()) Rebuild();
}

void ZQF_ImageDisplayGlyph::Rebuild() {
  const ZQR_Color text = TextColor.GetColor();
  const ZQR_Color background = BackgroundColor.GetColor();
  ZQIMG_Image copy = Image;
  if (RecolorImage && !copy.IsEmpty()) {
    ZQIMG_ColorTransformation transformation(2);
    transformation.AddPair(FirstReferenceColor, text);
    transformation.AddPair(SecondReferenceColor, background);
    copy = transformation.Transform(copy);
  }
  // Scaled after recolouring, so that the resize blends the new colours.
  if (ScaleImage && !copy.IsEmpty()) copy = ZQIMG_Resize(copy, GetScaledSize(), kResizeMethod);
  DisplayImage = copy;
  DisplayImageOutOfDate = false;
  LastFirstReferenceColor = FirstReferenceColor;
  LastSecondReferenceColor = SecondReferenceColor;
  LastTextColor = text;
  LastBackgroundColor = background;
  LastRecolor = RecolorImage;
  LastScaleImage = ScaleImage;
  ++NumRebuilds;
}

void ZQF_ImageDisplayGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  InsureDisplayImageUpToDate();
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  if (DisplayImage.GetWidth() < box.Width || DisplayImage.GetHeight() < box.Height) {
    Canvas.Fill(box, BackgroundColor.GetColor());
  }
  Canvas.Draw(DisplayImage, ZQ_Point<long>(0, 0), ZQ_Point<long>(0, 0));
}
