// ZQF_DragOperationDrawingComponent.h: one element of a drag's screen
// feedback, in screen pixels: a dotted area, a line, or a clip rectangle
// that restricts the elements drawn after it. Every visible element inverts
// the pixels it covers (a pattern or an exclusive-or pen), so drawing it
// twice restores the screen. Components compare by class and fields. Failed
// GDI calls throw ZQ_Exception through the wrappers. UI thread only.
#ifndef ZQF_DRAGOPERATIONDRAWINGCOMPONENT_H
#define ZQF_DRAGOPERATIONDRAWINGCOMPONENT_H

#include "ZQLOW_Windows.h"
#include "ZQ_Rectangle.h"

class ZQF_DragOperationDrawingComponent {
 public:
  virtual ~ZQF_DragOperationDrawingComponent();
  virtual void Draw(HDC DC) const = 0;
  // False for a component of another class.
  virtual bool Equal(const ZQF_DragOperationDrawingComponent& Other) const = 0;
  // Sets Area to the pixels drawn; the base leaves the caller's preset.
  virtual void GetDrawArea(ZQ_Rectangle<long>& Area) const;
};

// PATINVERT of the rectangle with the fine checkerboard pattern.
class ZQF_FillDottedAreaDrawingComponent : public ZQF_DragOperationDrawingComponent {
 public:
  explicit ZQF_FillDottedAreaDrawingComponent(const ZQ_Rectangle<long>& Area) : Area(Area) {}
  void Draw(HDC DC) const override;
  bool Equal(const ZQF_DragOperationDrawingComponent& Other) const override;
  void GetDrawArea(ZQ_Rectangle<long>& DrawArea) const override { DrawArea = Area; }

 private:
  ZQ_Rectangle<long> Area;
};

// A light grey line drawn with the exclusive-or mix mode, which stays set
// on the device context for the components after it.
class ZQF_DrawLineDrawingComponent : public ZQF_DragOperationDrawingComponent {
 public:
  ZQF_DrawLineDrawingComponent(long X1, long Y1, long X2, long Y2, long PenWidth)
      : X1(X1), Y1(Y1), X2(X2), Y2(Y2), PenWidth(PenWidth) {}
  void Draw(HDC DC) const override;
  bool Equal(const ZQF_DragOperationDrawingComponent& Other) const override;
  // The box spanned by the end points, grown by the pen width on each side.
  void GetDrawArea(ZQ_Rectangle<long>& DrawArea) const override;

 private:
  long X1, Y1, X2, Y2, PenWidth;
};

// Intersects the device context's clipping with the rectangle; draws and
// covers nothing itself.
class ZQF_ClipDrawingComponent : public ZQF_DragOperationDrawingComponent {
 public:
  explicit ZQF_ClipDrawingComponent(const ZQ_Rectangle<long>& Area) : Area(Area) {}
  void Draw(HDC DC) const override;
  bool Equal(const ZQF_DragOperationDrawingComponent& Other) const override;

 private:
  ZQ_Rectangle<long> Area;
};

#endif
