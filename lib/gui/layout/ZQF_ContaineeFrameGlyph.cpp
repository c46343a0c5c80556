// The clipping frame of a scrolling container.
#include "ZQF_ContaineeFrameGlyph.h"

#include "ZQF_Canvas.h"

ZQF_ContaineeFrameGlyph::ZQF_ContaineeFrameGlyph(ZQF_Glyph* Client) { AddChild(Client, true); }

ZQF_ContaineeFrameGlyph::~ZQF_ContaineeFrameGlyph() = default;

void ZQF_ContaineeFrameGlyph::UpdateMyDesiredSize() {
  const ZQF_DesiredSize& client = GetClient()->GetDesiredSize();
  client.CheckValidity();
  client.CheckConsistency();
  DesiredSize = client;
}

void ZQF_ContaineeFrameGlyph::AcceptLayout() { LayoutChild(GetClient(), ClientOffset, ClientExtent); }

void ZQF_ContaineeFrameGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  // The client draws over the background, inside the frame only.
  Clip(Canvas, Clip_Self);
  Canvas.Fill(GetLocalBoundingBox(), BackgroundColor.GetColor());
}
