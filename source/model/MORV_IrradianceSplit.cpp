// Split of the measured global irradiance into its direct-beam fraction.
#include "MORV_Model.h"
#include "MORV_ModelMath.h"

#include <cmath>

using namespace MORV_ModelMath;

int ComputeSolarIrradianceSplit(int year, int month, double day, float latitude, float longitude,
                                float* solar, float* cosZenith, float* directFraction) {
  double rightAscension, declination, elevation, refraction, azimuth, distance;
  if (ComputeSolarPosition(year, month, day, 0.0, latitude, longitude, &rightAscension,
                           &declination, &elevation, &refraction, &azimuth, &distance) != 0)
    return -1;

  const float cza = static_cast<float>(std::cos((90.0 - elevation) * RadiansPerDegree));
  // Below about half a degree of elevation the top-of-atmosphere value is
  // meaningless for the split; treat it as none.
  float toa = static_cast<float>(1367.0 * (cza > 0.0f ? cza : 0.0f) / (distance * distance));
  if (cza < 0.00873) toa = 0.0f;

  float fdir = 0.0f;
  if (toa > 0.0f) {
    float normalized = *solar / toa;
    if (normalized >= 0.85f) normalized = 0.85f;
    *solar = normalized * toa;
    if (normalized > 0.0f) {
      fdir = static_cast<float>(Exponential(3.0 - 1.34 * normalized - 1.65 / normalized));
      if (fdir > 0.9f) fdir = 0.9f;
      if (!(fdir > 0.0f)) fdir = 0.0f;
    }
  }
  *cosZenith = cza;
  *directFraction = fdir;
  return 0;
}
