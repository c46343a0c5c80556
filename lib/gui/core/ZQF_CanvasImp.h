// ZQF_CanvasImp.h: the body of ZQF_Canvas, shared by the canvas's source
// files only. The canvas's pen is always the one selected into the context;
// the clipping region is the canvas's own, and the regions on the stack are
// owned by the stack until popped. UI thread only.
#ifndef ZQF_CANVASIMP_H
#define ZQF_CANVASIMP_H

#include "ZQLOW_Windows.h"
#include "ZQR_Color.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_Stack.h"

class ZQF_CanvasImp {
 public:
  // Device coordinates are kept within this distance of 0 where GDI would
  // misdraw beyond it.
  static constexpr long CoordinateLimit = 32500;

  ZQF_CanvasImp(HDC DeviceContext, HRGN ClippingRegion, bool OnFocusPath);
  ~ZQF_CanvasImp();
  ZQF_CanvasImp(const ZQF_CanvasImp&) = delete;
  ZQF_CanvasImp& operator=(const ZQF_CanvasImp&) = delete;

  // Glyph-local to device coordinates.
  ZQ_Point<long> ToDevice(const ZQ_Point<long>& P) const {
    return ZQ_Point<long>(P.X + OriginX, P.Y + OriginY);
  }
  RECT ToDeviceRect(const ZQ_Rectangle<long>& R) const {
    return RECT{R.X + OriginX, R.Y + OriginY, R.X + OriginX + R.Width, R.Y + OriginY + R.Height};
  }
  // The edges of R, plus the origin when AddOrigin, each kept within the
  // coordinate limit.
  RECT ClampedDeviceRect(const ZQ_Rectangle<long>& R, bool AddOrigin) const;
  static bool WithinLimit(long Coordinate) {
    return -CoordinateLimit <= Coordinate && Coordinate <= CoordinateLimit;
  }

  // A new pen of the line style and colour replaces the canvas's pen.
  void CreateNewPen();
  // A line through device points with the current pen.
  void Polyline(const POINT* Points, int Count);
  // Combines the clipping region with Rectangle (device coordinates) in
  // Mode; false when the region is then empty.
  bool CombineClippingRegion(const RECT& Rectangle, int Mode);

  HDC DeviceContext;
  long OriginX = 0;
  long OriginY = 0;
  bool OnFocusPath;
  ZQ_Stack<HRGN__*, 20> ClippingRegionStack;
  HRGN ClippingRegion;
  long ClipOffsetX = 0;
  long ClipOffsetY = 0;
  HPEN PreviousPen = nullptr;
  long LineStyle = 0;  // 0 solid, 1 dotted, 2 dashed, 3 no line
  long PenWidth = 0;   // one device pixel, always
  ZQR_Color PenColor = ZQR_Color_Black;
  ZQR_ConcreteFont Font;
  long DrawMode = 0;
  long KeyboardCues = 0;
  HPEN Pen = nullptr;
};

#endif
