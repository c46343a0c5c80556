// ZQLOW_StdLib.h: the runtime library's number parsing and the extreme
// doubles (start values of minimum and maximum searches, open range ends).
#ifndef ZQLOW_STDLIB_H
#define ZQLOW_STDLIB_H

namespace ZQLOW_StdLib {

long double strtod(const char* Text, char** End);
long strtol(const char* Text, char** End, int Base);
double GetMostNegativeDouble();  // -DBL_MAX
double GetMostPositiveDouble();  // DBL_MAX

}  // namespace ZQLOW_StdLib

#endif
