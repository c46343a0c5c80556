#include "MORV_Model.h"

#include <gtest/gtest.h>

TEST(AirProperties, SaturationVaporPressureAndDewPointInvertEachOther) {
  // 273.15 as a float is 273.149994: the pressure is a hair below 6.1121 * 1.004.
  EXPECT_NEAR(ComputeSaturationVaporPressure(273.15, 0), 6.1121 * 1.004, 3e-6);
  EXPECT_FLOAT_EQ(ComputeDewPoint(6.1121 * 1.004, 0), 273.15f);
  // Over ice the curve is steeper: less vapour below freezing.
  EXPECT_NEAR(ComputeSaturationVaporPressure(263.15, 1), 2.60911822, 1e-6);
  EXPECT_LT(ComputeSaturationVaporPressure(263.15, 1), ComputeSaturationVaporPressure(263.15, 0));
  EXPECT_NEAR(ComputeDewPoint(ComputeSaturationVaporPressure(263.15, 1), 1), 263.15, 2e-4);
  for (double t = 230.0; t <= 330.0; t += 5.0)
    EXPECT_NEAR(ComputeDewPoint(ComputeSaturationVaporPressure(t, 0), 0), t, 1e-3) << t;
}

TEST(AirProperties, TransportPropertiesAt300Kelvin) {
  // Tr = 300/97, collision integral 1.0316, 2.6693e-6 sqrt(28.97 T) / (3.617^2 Omega).
  EXPECT_NEAR(ComputeAirViscosity(300.0), 1.84381879e-05, 1e-12);
  // (Cp + 1.25 R_air) times the viscosity.
  EXPECT_NEAR(ComputeAirThermalConductivity(300.0), 0.0251173824, 1e-9);
  EXPECT_NEAR(ComputeWaterVaporDiffusivity(300.0, 1013.25), 2.62627218e-05, 1e-12);
  // Halving the pressure doubles the diffusivity.
  EXPECT_NEAR(ComputeWaterVaporDiffusivity(300.0, 506.625), 2 * 2.62627218e-05, 1e-11);
  EXPECT_NEAR(ComputeAtmosphericEmissivity(300.0, 0.5), 0.867489636, 1e-7);
}

TEST(AirProperties, HeatOfEvaporationIsLinearInTemperature) {
  EXPECT_FLOAT_EQ(ComputeHeatOfEvaporation(313.15), 2407300.0f);
  EXPECT_NEAR(ComputeHeatOfEvaporation(283.15), 2336200.0f, 1.0f);
}

TEST(AirProperties, ConvectionCoefficientsOfTheGlobeAndTheWick) {
  EXPECT_NEAR(ComputeSphereConvectionCoefficient(0.0508, 300.0, 1013.25, 2.0), 22.564621, 1e-4);
  EXPECT_NEAR(ComputeCylinderConvectionCoefficient(0.007, 300.0, 1013.25, 2.0), 51.9820137, 1e-4);
  // Calm air counts as 0.13 m/s.
  for (double calm : {0.0, 0.05, 0.13}) {
    EXPECT_EQ(ComputeSphereConvectionCoefficient(0.0508, 300.0, 1000.0, calm),
              ComputeSphereConvectionCoefficient(0.0508, 300.0, 1000.0, 0.13));
    EXPECT_EQ(ComputeCylinderConvectionCoefficient(0.007, 300.0, 1000.0, calm),
              ComputeCylinderConvectionCoefficient(0.007, 300.0, 1000.0, 0.13));
  }
  EXPECT_GT(ComputeSphereConvectionCoefficient(0.0508, 300.0, 1000.0, 0.14),
            ComputeSphereConvectionCoefficient(0.0508, 300.0, 1000.0, 0.13));
}
