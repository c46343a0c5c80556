// ZQF_MessageHook.h: three global hook lists that let a component watch
// traffic not addressed to it.
// - Standard message hooks see every glyph message at dispatch, before any
//   router, and may claim it: the first hook that sets the message handled
//   ends the pass, and no router runs.
// - Raw hooks see every Windows message that reaches the window procedure
//   before the window object; all of them run, and the message is swallowed
//   when any of them set the handled byte.
// - Glyph activity hooks hear of every glyph being destroyed, from stage 2
//   to stage 12 only.
// Hooks installed last run first; a hook may install or remove hooks while
// it runs (see ZQF_HookList.h). Installing returns the owner key (the
// record's address for key 0); removal takes every record of a key. The
// stage callbacks free the lists at stage 12. UI thread only.
#ifndef ZQF_MESSAGEHOOK_H
#define ZQF_MESSAGEHOOK_H

#include "ZQLOW_Windows.h"
#include "ZQ_Functor.h"
#include "ZQ_Functor2.h"

class ZQF_Glyph;
class ZQF_Message;

// A Windows message exactly as the window procedure received it.
struct ZQF_RawMessageRecord {
  HWND Window;
  UINT Message;
  WPARAM WParam;
  LPARAM LParam;
};

using ZQF_StandardMessageHookCallback = ZQ_Functor1<ZQF_Message&>;
using ZQF_RawHookCallback = ZQ_Functor2<const ZQF_RawMessageRecord&, bool&>;
using ZQF_GlyphActivityHookCallback = ZQ_Functor1<ZQF_Glyph*>;

unsigned long ZQF_InstallStandardMessageHook(const ZQF_StandardMessageHookCallback& Callback,
                                             unsigned long OwnerKey);
void ZQF_UninstallStandardMessageHooks(unsigned long OwnerKey);
// Dispatch's pass: stops at the first hook that handles the message.
void ZQF_ProcessStandardMessageHooks(ZQF_Message& Message);

unsigned long ZQF_InstallRawHook(const ZQF_RawHookCallback& Callback, unsigned long OwnerKey);
void ZQF_UninstallRawHooks(unsigned long OwnerKey);
bool ZQF_AreRawHooksInstalled();
// True when the Windows message is swallowed.
bool ZQF_ProcessRawHooks(const ZQF_RawMessageRecord& Record);

// Appends; there is no removal.
void ZQF_InstallGlyphActivityHook(const ZQF_GlyphActivityHookCallback& Callback);
// Calls every activity hook with Glyph, in installation order, while active.
void ZQF_ProcessGlyphActivityHooks(ZQF_Glyph* Glyph);

// Activity hooks act from stage 2 to stage 12.
void GlyphActivityHook_InitializationServiceCallback(int Stage);
// Free their lists at stage 12.
void ZQF_StandardMessageHook_InitializationServiceCallback(int Stage);
void ZQF_RawMessageHook_InitializationServiceCallback(int Stage);

#endif
