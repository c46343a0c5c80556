// Glue and margin glyphs.
#include "ZQF_GlueGlyphs.h"

#include <algorithm>

#include "ZQF_AlignmentGlyph.h"

ZQF_VerticalGlueGlyph::ZQF_VerticalGlueGlyph() {
  SetSize(0, 0, ZQF_AlignmentGlyph::StretchMaximum);
}

ZQF_VerticalGlueGlyph::ZQF_VerticalGlueGlyph(long Height) { SetSize(Height); }

void ZQF_VerticalGlueGlyph::SetSize(long Natural, long Minimum, long Maximum) {
  DesiredSize.Natural = ZQ_Point<long>(0, Natural);
  DesiredSize.Minimum = ZQ_Point<long>(0, Minimum);
  DesiredSize.Maximum = ZQ_Point<long>(0, Maximum);
}

ZQF_HorizontalGlueGlyph::ZQF_HorizontalGlueGlyph() {
  SetSize(0, 0, ZQF_AlignmentGlyph::StretchMaximum);
}

ZQF_HorizontalGlueGlyph::ZQF_HorizontalGlueGlyph(long Width) { SetSize(Width); }

ZQF_HorizontalGlueGlyph::ZQF_HorizontalGlueGlyph(long Natural, long Minimum, long Maximum) {
  SetSize(Natural, Minimum, Maximum);
}

void ZQF_HorizontalGlueGlyph::SetSize(long Natural, long Minimum, long Maximum) {
  DesiredSize.Natural = ZQ_Point<long>(Natural, 0);
  DesiredSize.Minimum = ZQ_Point<long>(Minimum, 0);
  DesiredSize.Maximum = ZQ_Point<long>(Maximum, 0);
}

ZQF_TwoDimensionalGlueGlyph::ZQF_TwoDimensionalGlueGlyph(long Width, long Height) {
  SetSize(Width, Height);
}

void ZQF_TwoDimensionalGlueGlyph::SetSize(long NaturalX, long NaturalY, long MinimumX,
                                          long MinimumY, long MaximumX, long MaximumY) {
  DesiredSize.Natural = ZQ_Point<long>(NaturalX, NaturalY);
  DesiredSize.Minimum = ZQ_Point<long>(MinimumX, MinimumY);
  DesiredSize.Maximum = ZQ_Point<long>(MaximumX, MaximumY);
}

ZQF_MarginGlyph::ZQF_MarginGlyph(ZQF_Glyph* Client, const ZQ_Point<long>& Size, long Options)
    : ZQF_MarginGlyph(Client, Size.Y, Size.Y, Size.X, Size.X, Options) {}

ZQF_MarginGlyph::ZQF_MarginGlyph(ZQF_Glyph* Client, long VerticalMargin, long HorizontalMargin,
                                 long Options)
    : ZQF_MarginGlyph(Client, VerticalMargin, VerticalMargin, HorizontalMargin, HorizontalMargin,
                      Options) {}

ZQF_MarginGlyph::ZQF_MarginGlyph(ZQF_Glyph* Client, long Top, long Bottom, long Left, long Right,
                                 long Options)
    : TopMargin(Top), BottomMargin(Bottom), LeftMargin(Left), RightMargin(Right), Options(Options) {
  AddChild(Client, true);
}

void ZQF_MarginGlyph::UpdateMyDesiredSize() {
  const ZQF_DesiredSize& client = GetFirstChild()->GetDesiredSize();
  client.CheckConsistency();
  client.CheckValidity();
  const long growX = LeftMargin + RightMargin;
  const long growY = TopMargin + BottomMargin;
  DesiredSize.SetX(client.Natural.X + growX, client.Minimum.X + growX, client.Maximum.X + growX);
  DesiredSize.SetY(client.Natural.Y + growY, client.Minimum.Y + growY, client.Maximum.Y + growY);
}

void ZQF_MarginGlyph::AcceptLayout() {
  const ZQ_Rectangle<long>& box = GetBoundingBox();
  LayoutChild(GetFirstChild(), ZQ_Point<long>(LeftMargin, TopMargin),
              ZQ_Point<long>(std::max(box.Width - LeftMargin - RightMargin, 0L),
                             std::max(box.Height - TopMargin - BottomMargin, 0L)));
}
