// ZQF_DevelopmentSupport_Imp.h: helpers that the release tool's source files
// share; not for other modules.
#ifndef ZQF_DEVELOPMENTSUPPORT_IMP_H
#define ZQF_DEVELOPMENTSUPPORT_IMP_H

#include "ZQ_FileName.h"
#include "ZQ_String.h"

// Text in lower case.
ZQ_String ZQF_DevelopmentSupport_Imp_Lower(const ZQ_String& Text);

// Text in double quotes when it holds a blank (and is not quoted already).
ZQ_String ZQF_DevelopmentSupport_Imp_Quote(const ZQ_String& Text);

// Throws ZQ_Exception "Release Failed" with Sentence as its description.
[[noreturn]] void ZQF_DevelopmentSupport_Imp_Fail(const ZQ_String& Sentence);

// Saves Text over File through a temporary file beside it and a rename, so
// that File is the old or the whole new text.
void ZQF_DevelopmentSupport_Imp_SaveSafely(const ZQ_String& Text, const ZQ_String& File);

// Moves File to Destination, replacing it.
void ZQF_DevelopmentSupport_Imp_Move(const ZQ_String& File, const ZQ_String& Destination);

#endif
