// ZQF_ApplicationLink.h: what the glyph core needs of the application
// object before it exists: nested message loops, the main window and its
// icon. The application framework registers its functions (from a static
// initialiser); a function it leaves null keeps the default here:
// - PushMessageLoop runs a nested loop (GetMessageA, TranslateMessage,
//   DispatchMessageA) until PopMessageLoop is called for it; an exception
//   that a window or timer procedure parked is rethrown after each dispatch,
//   and while the Windows queue is empty the loop performs idle actions
//   (ZQF_ActionQueue). A WM_QUIT ends the loop and is posted again for the
//   loop outside it.
// - GetMainWindow: null; PrepareForAppMainWindowDestruction: nothing;
//   GetMainIconResourceName: empty.
// UI thread only.
#ifndef ZQF_APPLICATIONLINK_H
#define ZQF_APPLICATIONLINK_H

#include "ZQ_String.h"

class ZQF_Window;

struct ZQF_ApplicationFunctions {
  void (*PushMessageLoop)() = nullptr;
  void (*PopMessageLoop)() = nullptr;
  ZQF_Window* (*GetMainWindow)() = nullptr;
  void (*PrepareForAppMainWindowDestruction)() = nullptr;
  ZQ_String (*GetMainIconResourceName)() = nullptr;
};

// Installs Functions; returns the ones it replaces.
ZQF_ApplicationFunctions ZQF_ApplicationLink_Register(const ZQF_ApplicationFunctions& Functions);

void ZQF_ApplicationLink_PushMessageLoop();
// Asserts that a loop is running ("NumberMessageLoopsActive > 0").
void ZQF_ApplicationLink_PopMessageLoop();
ZQF_Window* ZQF_ApplicationLink_GetMainWindow();
void ZQF_ApplicationLink_PrepareForAppMainWindowDestruction();
ZQ_String ZQF_ApplicationLink_GetMainIconResourceName();

#endif
