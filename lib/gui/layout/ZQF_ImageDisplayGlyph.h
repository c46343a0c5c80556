// ZQF_ImageDisplayGlyph.h: shows an in-memory image at a requested size. It
// keeps a display copy, optionally recoloured into the glyph's text and
// background colours and scaled, and rebuilds that copy at a draw only when
// something it depends on changed since the last rebuild (a change of the
// system colours included). The glyph has a fixed size: the desired image
// size, clamped at 0. Shares the image's pixels until a recolouring or a
// resize makes new ones. UI thread only.
#ifndef ZQF_IMAGEDISPLAYGLYPH_H
#define ZQF_IMAGEDISPLAYGLYPH_H

#include "ZQF_Color.h"
#include "ZQF_Glyph.h"
#include "ZQF_Metrics.h"
#include "ZQIMG_Image.h"
#include "ZQR_Color.h"

class ZQF_ImageDisplayGlyph : public ZQF_DrawableGlyph {
 public:
  explicit ZQF_ImageDisplayGlyph(const ZQIMG_Image& Image);

  // Marks the copy out of date. Another size lays the window out again; the
  // same size only asks for a repaint.
  void SetImage(const ZQIMG_Image& Image);
  // Width negative: the image's own size. Height negative: the width scaled
  // by the image's aspect ratio. Only stored: the next layout and draw see it.
  void SetDesiredImageSize(long Width, long Height);
  void SetRecolor(bool Recolor) { RecolorImage = Recolor; }
  void SetScaleImage(bool Scale) { ScaleImage = Scale; }

  // The size the image is shown at (may be 0 or less when asked so).
  ZQ_Point<long> CalculateDesiredImageSize() const;
  // Rebuilds the display copy when the image, a flag, a colour or the
  // desired size changed since the last rebuild.
  void InsureDisplayImageUpToDate();

  const ZQIMG_Image& GetImage() const { return Image; }
  const ZQIMG_Image& GetDisplayImage() const { return DisplayImage; }
  // How often the display copy was rebuilt, for tests and diagnostics.
  long GetNumRebuilds() const { return NumRebuilds; }

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;

 private:
  bool NeedsRebuild() const;
  void Rebuild();
  // The size a scaled copy gets: the desired image size, or the image's own
  // size when a side of it is not positive (nothing can be scaled to that).
  ZQ_Point<long> GetScaledSize() const;

  ZQIMG_Image Image;
  long DesiredImageWidth = -1;
  long DesiredImageHeight = -1;
  ZQR_Color FirstReferenceColor = ZQR_Color(0, 0, 0);
  ZQR_Color SecondReferenceColor = ZQR_Color(192, 192, 192);
  ZQF_Color TextColor = ZQF_Color(ZQF_ColorMetric_LabelText);
  ZQF_Color BackgroundColor = ZQF_Color(ZQF_ColorMetric_LabelBackground);
  bool RecolorImage = false;
  bool ScaleImage = false;
  bool DisplayImageOutOfDate = true;
  ZQR_Color LastFirstReferenceColor;
  ZQR_Color LastSecondReferenceColor;
  ZQR_Color LastTextColor;
  ZQR_Color LastBackgroundColor;
  bool LastRecolor = false;
  bool LastScaleImage = false;
  ZQIMG_Image DisplayImage = ZQIMG_Image(2, 2, 24);
  long NumRebuilds = 0;
};

#endif
