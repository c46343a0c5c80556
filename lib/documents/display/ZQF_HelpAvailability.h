// ZQF_HelpAvailability.h: whether help can be offered now, and where the
// help file is. Help is available while the help file exists and nobody has
// switched help off (print preview does while it runs; switching off nests).
// The file is looked for once per run, at the first question: a file that
// appears or goes later changes nothing, and a directory of that name does
// not count. The help module (ZQF_HelpModule.cpp) answers the glyph core's
// ZQF_Help_HelpAvailable with ZQF_Help_HelpFileAvailable. UI thread only.
#ifndef ZQF_HELPAVAILABILITY_H
#define ZQF_HELPAVAILABILITY_H

#include "ZQ_FileName.h"

// The application's home directory and the metrics' help file name.
ZQ_FileName ZQF_Help_GetHelpFileName();
// The help file exists and help is not switched off. For the help module
// record (ZQF_Help_Module::HelpAvailable).
bool ZQF_Help_HelpFileAvailable();
void ZQF_Help_DisableHelp();
// Asserts "DisableHelpCount > 0"; an unbalanced call leaves the count at 0.
void ZQF_Help_EnableHelp();

// Test support: forgets the answer about the file and the switching off.
void ZQF_Help_ResetAvailabilityForTesting();

#endif
