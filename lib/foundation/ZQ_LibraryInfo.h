// ZQ_LibraryInfo.h: facts about the library itself. Its build number lives
// in lib/ZQ_LibraryInfo.cpp, where the release tool raises it by 2 with
// each release of an application; compiled into ZQFoundation.
#ifndef ZQ_LIBRARYINFO_H
#define ZQ_LIBRARYINFO_H

long ZQ_GetLibraryBuildNumber();

#endif
