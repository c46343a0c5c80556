// ZQF_MetricPictures.h: the pictures the metrics make from the toolkit's
// resources: the checkerboard pattern brush and the recoloured check-box and
// radio-button bitmaps. Drawn on the metric device context. Failed Windows
// calls throw through the wrappers. UI thread only.
#ifndef ZQF_METRICPICTURES_H
#define ZQF_METRICPICTURES_H

#include "ZQR_Bitmap.h"
#include "ZQR_Brush.h"
#include "ZQR_Color.h"

// The 8 x 8 checkerboard with its black cells in Black and its white cells
// in White.
ZQR_Brush ZQF_MakeCheckerboardBrush(const ZQR_Color& Black, const ZQR_Color& White);

// The three pictures of one 4-bit check-box or radio-button resource,
// recoloured from its key colours to the colour metrics: the normal one, the
// one with the face colour inside the box, and the disabled one. A missing
// resource fails "hRsrc", a key colour missing from the palette "false".
struct ZQF_ButtonBitmaps {
  ZQR_Bitmap Normal;
  ZQR_Bitmap FaceInterior;
  ZQR_Bitmap Disabled;
};
ZQF_ButtonBitmaps ZQF_MakeButtonBitmaps(const char* ResourceName);

#endif
