// LayoutTestSupport.h: a leaf glyph with a given desired size, for the layout
// glyph tests, and a helper that lays a tree out in a box.
#ifndef LAYOUT_TEST_SUPPORT_H
#define LAYOUT_TEST_SUPPORT_H

#include "../core/GlyphTestSupport.h"

class SizedGlyph : public RecordingGlyph {
 public:
  SizedGlyph(long NaturalX, long NaturalY, long MinimumX, long MinimumY, long MaximumX,
             long MaximumY)
      : RecordingGlyph("sized", nullptr) {
    DesiredSize.SetX(NaturalX, MinimumX, MaximumX);
    DesiredSize.SetY(NaturalY, MinimumY, MaximumY);
  }
  // A fixed size.
  SizedGlyph(long Width, long Height) : SizedGlyph(Width, Height, Width, Height, Width, Height) {}
};

// Computes the desired sizes of Glyph's tree and lays it out in Box.
inline void LayOut(ZQF_Glyph& Glyph, const ZQ_Rectangle<long>& Box) {
  Glyph.UpdateDesiredSize();
  struct Placer : ZQF_OrganizationalGlyph {
    Placer() { SetBoundingBox(ZQ_Rectangle<long>(0, 0, 0, 0)); }
  } placer;
  placer.AddChild(&Glyph, true);
  placer.LayoutChild(&Glyph, Box);
  placer.RemoveChild(&Glyph);
}

inline ZQ_Rectangle<long> Box(long X, long Y, long W, long H) {
  return ZQ_Rectangle<long>(X, Y, W, H);
}

#endif
