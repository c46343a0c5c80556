// ZQPIC_GlyphOutline.h: a glyph's outline as GetGlyphOutline gives it
// (GGO_NATIVE: lines and quadratic or cubic splines in 16.16 fixed point,
// y up), placed on a device and flattened into closed contours that filled
// together by the nonzero winding rule draw the glyph. Curves are divided
// down to a quarter pixel only where they come near what the device shows;
// elsewhere their chords stand for them, which changes nothing that shows.
// So a glyph a kilometre high costs what shows of it.
#ifndef ZQPIC_GLYPHOUTLINE_H
#define ZQPIC_GLYPHOUTLINE_H

#include <vector>

#include "ZQLOW_Windows.h"
#include "ZQPIC_DeviceClip.h"

// Appends to Contours the contours of the outline in Buffer (Size bytes),
// each cut at Clip's margin (ZQPIC_DeviceClip::CutPolygon), with their point
// counts to Counts. Where the glyph shows, its contours do not depend on how
// much shows: the same glyph repainted in parts fills the same pixels. Origin: the glyph's origin in device pixels;
// Scale: device pixels per unit of the outline. A record that runs past its
// contour or the buffer ends that contour or the outline.
void ZQPIC_AppendGlyphOutline(const void* Buffer, DWORD Size, const ZQ_Point<double>& Origin, double Scale,
                              const ZQPIC_DeviceClip& Clip, ZQPIC_DeviceClip::Points& Contours,
                              std::vector<int>& Counts);

#endif
