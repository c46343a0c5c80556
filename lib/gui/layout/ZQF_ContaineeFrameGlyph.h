// ZQF_ContaineeFrameGlyph.h: the clipping frame of a scrolling container. Its
// one child, the client, is laid out at the client offset (0 or negative:
// where the client's origin lies in the frame) with the client extent, and
// drawn clipped to the frame over the frame's background. The frame asks for
// exactly the client's desired size. UI thread only.
#ifndef ZQF_CONTAINEEFRAMEGLYPH_H
#define ZQF_CONTAINEEFRAMEGLYPH_H

#include "ZQF_Color.h"
#include "ZQF_Glyph.h"

class ZQF_ContaineeFrameGlyph : public ZQF_DrawableGlyph {
 public:
  explicit ZQF_ContaineeFrameGlyph(ZQF_Glyph* Client);
  ~ZQF_ContaineeFrameGlyph() override;

  void DrawSelf(ZQF_Canvas& Canvas) override;
  // Asserts that the client's desired size is computed and consistent.
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;

  ZQF_Glyph* GetClient() const { return GetFirstChild(); }
  const ZQ_Point<long>& GetClientOffset() const { return ClientOffset; }
  void SetClientOffset(const ZQ_Point<long>& Offset) { ClientOffset = Offset; }
  const ZQ_Point<long>& GetClientExtent() const { return ClientExtent; }
  void SetClientExtent(const ZQ_Point<long>& Extent) { ClientExtent = Extent; }
  const ZQF_Color& GetBackgroundColor() const { return BackgroundColor; }
  void SetBackgroundColor(const ZQF_Color& Color) { BackgroundColor = Color; }

 private:
  ZQ_Point<long> ClientOffset{0, 0};
  ZQ_Point<long> ClientExtent{1, 1};
  ZQF_Color BackgroundColor{32};
};

#endif
