// MORV_ModelInstrumentation.h: the model entry with the solvers' iteration
// counts, for the benchmark and the tests. CalculateMORV is this with no counts.
#pragma once

namespace MORV_ModelInstrumentation {

struct SolverIterations {
  int globe = 0;  // 0 when the solver did not run
  int naturalWetBulb = 0;
  int psychrometricWetBulb = 0;
};

int CalculateCountingIterations(
    int year, int month, int day, int hour, int minute, int gmtOffset, int averagingAdjustment,
    float latitude, float longitude, float solar, float pressure, float airTemperature,
    float relativeHumidity, float speed, float windHeight, float deltaTemperature, int urban,
    float* estimatedSpeed2m, float* globeTemperature, float* naturalWetBulbTemperature,
    float* psychrometricWetBulbTemperature, float* wetBulbGlobeTemperature,
    SolverIterations* iterations);

}  // namespace MORV_ModelInstrumentation
