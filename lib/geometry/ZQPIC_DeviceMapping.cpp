#include "ZQPIC_DeviceMapping.h"

#include <algorithm>
#include <cmath>

#include "ZQ_Numeric.h"

bool ZQPIC_DeviceMapping::ToDevice(const ZQ_Point<double>& P, POINT& Device) const {
  ZQ_Point<double> pixels;
  if (!ToDevicePixels(P, pixels)) return false;
  Device = ToDevicePoint(pixels);
  return true;
}

bool ZQPIC_DeviceMapping::ToDevicePixels(const ZQ_Point<double>& P, ZQ_Point<double>& Device) const {
  const double x = PixelRect.X + P.X * PerMm.X;
  const double y = PixelRect.Y + PixelRect.Height - P.Y * PerMm.Y;
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  const double limit = 1152921504606846976.0;  // 2^60
  Device = ZQ_Point<double>(std::clamp(x, -limit, limit), std::clamp(y, -limit, limit));
  return true;
}

POINT ZQPIC_DeviceMapping::ToDevicePoint(const ZQ_Point<double>& DevicePixels) const {
  return POINT{Clamp(DevicePixels.X), Clamp(DevicePixels.Y)};
}

long ZQPIC_DeviceMapping::ToDeviceLength(double Pixels) const {
  return std::isfinite(Pixels) ? Clamp(Pixels) : 0;
}

ZQ_Point<double> ZQPIC_DeviceMapping::ToMillimeters(double DeviceX, double DeviceY) const {
  return ZQ_Point<double>((DeviceX - PixelRect.X) / PerMm.X,
                          (PixelRect.Y + PixelRect.Height - DeviceY) / PerMm.Y);
}

RECT ZQPIC_DeviceMapping::GetDeviceRect() const {
  return RECT{Clamp(PixelRect.X), Clamp(PixelRect.Y), Clamp(PixelRect.X + PixelRect.Width),
              Clamp(PixelRect.Y + PixelRect.Height)};
}

ZQPIC_DeviceMapping ZQPIC_DeviceMapping::GetSection(const ZQ_Rectangle<double>& RectMm) const {
  const ZQ_Rectangle<double> pixels(
      PixelRect.X + RectMm.X * PerMm.X,
      PixelRect.Y + PixelRect.Height - (RectMm.Y + RectMm.Height) * PerMm.Y,
      RectMm.Width * PerMm.X, RectMm.Height * PerMm.Y);
  return ZQPIC_DeviceMapping(pixels, PerMm, Limit);
}

long ZQPIC_DeviceMapping::Clamp(double DevicePixel) const {
  const double rounded = ZQ_Round(DevicePixel);
  if (std::isnan(rounded)) return 0;
  if (rounded > Limit) return Limit;
  if (rounded < -Limit) return -Limit;
  return static_cast<long>(rounded);
}
