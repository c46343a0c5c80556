// ZQF_BusyCursor.h: the wait cursor while the progress report service shows
// a long task. When the display goes, the glyph under the pointer of the
// focused toolkit window chooses the cursor again; without such a window
// the cursor recorded before the task comes back. The display hook is
// registered with the service at stage 4 and stays registered. UI thread
// only.
#ifndef ZQF_BUSYCURSOR_H
#define ZQF_BUSYCURSOR_H

// Stage 4 registers the hook. Registered by the module.
void ZQF_BusyCursor_InitializationServiceCallback(int Stage);

#endif
