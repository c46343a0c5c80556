// ZQF_Caret.h: the guard of the Win32 system caret: whether it may be shown.
// Windows switch it off while they paint and when they lose the focus,
// control glyphs when they lose the focus. Nothing turns it on: text
// controls draw their own insertion mark, so no system caret is ever
// created, shown or destroyed. UI thread only.
#ifndef ZQF_CARET_H
#define ZQF_CARET_H

namespace ZQF_Caret {

void TurnOff();
// Around a window's painting; EnableAfterPainting also when drawing failed.
void DisableBeforePainting();
void EnableAfterPainting();

bool IsTurnedOn();
bool IsPaintingEnabled();

}  // namespace ZQF_Caret

#endif
