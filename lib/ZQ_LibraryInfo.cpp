// ZQ_LibraryInfo.cpp: the library's build number. The release tool raises
// the definition below by 2 with each release of an application, so keep it
// the file's first "#define LibraryBuildNumber".
#include "ZQ_LibraryInfo.h"

#define LibraryBuildNumber 1

long ZQ_GetLibraryBuildNumber() { return LibraryBuildNumber; }
