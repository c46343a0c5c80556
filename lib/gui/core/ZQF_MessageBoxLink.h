// ZQF_MessageBoxLink.h: how the glyph core shows a message box before the
// dialog boxes exist: the dialog module registers its function (from a
// static initialiser); until then a message is only logged by its sender.
#ifndef ZQF_MESSAGEBOXLINK_H
#define ZQF_MESSAGEBOXLINK_H

#include "ZQ_String.h"

// Kind as the message dialog box takes it (1: information).
using ZQF_MessageBoxFunction = void (*)(const ZQ_String& Text, const ZQ_String& Title, int Kind);

// Returns the function it replaces (null for none).
ZQF_MessageBoxFunction ZQF_MessageBoxLink_Register(ZQF_MessageBoxFunction Function);
// Calls the registered function; nothing without one.
void ZQF_MessageBoxLink_ShowMessage(const ZQ_String& Text, const ZQ_String& Title, int Kind);

#endif
