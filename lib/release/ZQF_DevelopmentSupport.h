// ZQF_DevelopmentSupport.h: the release support tool. Here its text work on
// whole texts: reading and raising the build-number definitions of source
// files, and rewriting the version history for the version being released.
// Loading and saving the files is the caller's. One thread only.
#ifndef ZQF_DEVELOPMENTSUPPORT_H
#define ZQF_DEVELOPMENTSUPPORT_H

#include "ZQ_String.h"

// Modes of ZQF_DevelopmentSupport_ProcessBuildNumber; other values only read.
const int ZQF_DevelopmentSupport_ReadBuildNumber = 0;
const int ZQF_DevelopmentSupport_RaiseBuildNumber = 1;

// Finds the first "#define " + Prefix + "BuildNumber" in Text (exact bytes),
// skips the spaces, tabs and line ends after it and reads the run of
// "+-.0-9Ee" there as a decimal 32-bit number, which it returns. Mode 1 also
// replaces that run by the number + 2; every other byte of Text stays.
// Throws ZQ_Exception named "Release Failed" when Text has no definition or
// the raised number would not fit 32 bits, and the conversion's ZQ_Exception
// when no whole number follows the key ("AppBuildNumberOld 3", "57.5").
// Text is unchanged whenever it throws.
long ZQF_DevelopmentSupport_ProcessBuildNumber(ZQ_String& Text, const ZQ_String& Prefix, int Mode);

// True when Line begins with "Version " (exact bytes).
bool ZQF_DevelopmentSupport_IsVersionLine(const ZQ_String& Line);

// Rewrites the version history Text for the version VersionString and
// returns the new version's change list ("what is new"):
// - lines end at LF, CR LF or a lone CR and come back with LF; a line is
//   blank when it holds nothing but spaces (a tab is content);
// - the leading blank lines, the title block and the blank lines below it
//   stay; a history whose first non-blank line is a "Version " line has no
//   title;
// - the "Version " heading block that follows (its non-blank lines and the
//   blank lines after them) is removed and written to the debugging log;
// - "Version " + VersionString and one empty line take its place; the rest
//   follows unchanged, its last line without a line end;
// - the change list is the rest up to the next "Version " line, each line
//   without as many leading characters as the first one has leading spaces
//   (a shorter line whole), trailing blanks and line ends trimmed.
ZQ_String ZQF_DevelopmentSupport_UpdateHistoryText(ZQ_String& Text, const ZQ_String& VersionString);

#endif
