// ZQF_GlueGlyphs.h: vertical, horizontal and two-dimensional glue, fixed gaps
// or springs (an unbounded maximum takes up spare space), and the margin
// glyph, which surrounds one client with fixed empty borders. The glue
// setters write the desired size directly and request no layout. Margin
// sums are not capped: a client maximum of 0x20000000 grows by the margins.
#ifndef ZQF_GLUEGLYPHS_H
#define ZQF_GLUEGLYPHS_H

#include "ZQF_GlueGlyph.h"

class ZQF_VerticalGlueGlyph : public ZQF_GlueGlyph {
 public:
  ZQF_VerticalGlueGlyph();                      // a vertical spring
  explicit ZQF_VerticalGlueGlyph(long Height);  // a fixed vertical gap
  void SetSize(long Height) { SetSize(Height, Height, Height); }
  void SetSize(long Natural, long Minimum, long Maximum);
};

class ZQF_HorizontalGlueGlyph : public ZQF_GlueGlyph {
 public:
  ZQF_HorizontalGlueGlyph();  // a horizontal spring
  explicit ZQF_HorizontalGlueGlyph(long Width);
  ZQF_HorizontalGlueGlyph(long Natural, long Minimum, long Maximum);
  void SetSize(long Width) { SetSize(Width, Width, Width); }
  void SetSize(long Natural, long Minimum, long Maximum);
};

class ZQF_TwoDimensionalGlueGlyph : public ZQF_GlueGlyph {
 public:
  ZQF_TwoDimensionalGlueGlyph(long Width, long Height);
  void SetSize(long Width, long Height) { SetSize(Width, Height, Width, Height, Width, Height); }
  void SetSize(long NaturalX, long NaturalY, long MinimumX, long MinimumY, long MaximumX,
               long MaximumY);
};

class ZQF_MarginGlyph : public ZQF_OrganizationalGlyph {
 public:
  // Size.X left and right, Size.Y top and bottom.
  ZQF_MarginGlyph(ZQF_Glyph* Client, const ZQ_Point<long>& Size, long Options);
  ZQF_MarginGlyph(ZQF_Glyph* Client, long VerticalMargin, long HorizontalMargin, long Options);
  ZQF_MarginGlyph(ZQF_Glyph* Client, long Top, long Bottom, long Left, long Right, long Options);
  void UpdateMyDesiredSize() override;
  // The client gets the box less the margins, never less than 0 x 0.
  void AcceptLayout() override;

 private:
  long TopMargin, BottomMargin, LeftMargin, RightMargin;
  long Options;  // stored; no option changes the behaviour
};

#endif
