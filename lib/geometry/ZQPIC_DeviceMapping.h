// ZQPIC_DeviceMapping.h: how a canvas's millimetres (origin lower left, y
// up) land on a device context's pixels (MM_TEXT, y down): device
// x = PixelRect.X + x · perMm.X, device y = PixelRect.Y + PixelRect.Height
// − y · perMm.Y, in doubles, rounded. Rounded coordinates are clamped to
// ±Limit, so that extreme zooms never overflow GDI; coordinates that are not
// finite have no device point. A plain value.
#ifndef ZQPIC_DEVICEMAPPING_H
#define ZQPIC_DEVICEMAPPING_H

#include "ZQLOW_Windows.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"

class ZQPIC_DeviceMapping {
 public:
  ZQPIC_DeviceMapping(const ZQ_Rectangle<double>& PixelRect, const ZQ_Point<double>& PixelsPerMm,
                      long Limit)
      : PixelRect(PixelRect), PerMm(PixelsPerMm), Limit(Limit) {}

  // False, leaving Device unchanged, when P is not finite.
  bool ToDevice(const ZQ_Point<double>& P, POINT& Device) const;
  // The same unrounded: device pixels in doubles, within ±2^60 so that
  // their differences stay finite.
  bool ToDevicePixels(const ZQ_Point<double>& P, ZQ_Point<double>& Device) const;
  // Device pixels in doubles rounded and clamped as ToDevice does.
  POINT ToDevicePoint(const ZQ_Point<double>& DevicePixels) const;
  // A length in device pixels: rounded, within ±Limit; 0 when not finite.
  long ToDeviceLength(double Pixels) const;
  // A device point in millimetres.
  ZQ_Point<double> ToMillimeters(double DeviceX, double DeviceY) const;
  // PixelRect rounded, as GDI takes it.
  RECT GetDeviceRect() const;
  // The mapping of the canvas over RectMm of this one.
  ZQPIC_DeviceMapping GetSection(const ZQ_Rectangle<double>& RectMm) const;

  const ZQ_Rectangle<double>& GetPixelRect() const { return PixelRect; }
  const ZQ_Point<double>& GetPixelsPerMm() const { return PerMm; }

 private:
  long Clamp(double DevicePixel) const;

  ZQ_Rectangle<double> PixelRect;
  ZQ_Point<double> PerMm;
  long Limit;
};

#endif
