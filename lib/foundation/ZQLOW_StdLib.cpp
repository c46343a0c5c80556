#include "ZQLOW_StdLib.h"

#include <cfloat>
#include <cstdlib>

namespace ZQLOW_StdLib {

long double strtod(const char* Text, char** End) { return std::strtod(Text, End); }

long strtol(const char* Text, char** End, int Base) {
  return std::strtol(Text, End, Base);
}

double GetMostNegativeDouble() { return -DBL_MAX; }
double GetMostPositiveDouble() { return DBL_MAX; }

}  // namespace ZQLOW_StdLib
