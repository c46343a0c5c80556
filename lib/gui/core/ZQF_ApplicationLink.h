// ZQF_ApplicationLink.h: what the glyph core needs of the application
// object before it exists: nested message loops, the main window and its
// icon. The application framework registers its functions (from a static
// initialiser); a function it leaves null keeps the default here:
// - PushMessageLoop runs a nested loop (GetMessageA, TranslateMessage,
//   DispatchMessageA) until PopMessageLoop is called for it; an exception
//   that a window or timer procedure parked is rethrown after each dispatch,
//   and while the Windows queue is empty the loop performs idle actions
//   (ZQF_ActionQueue). A WM_QUIT ends the loop and is posted again for the
//   loop outside it. True when popped, false when a quit ended it.
// - YieldToMessageLoop runs the idle actions, then dispatches what waits;
//   false, after posting the quit message again, when it met one.
// - GetMainWindow: null; PrepareForAppMainWindowDestruction and Execute:
//   nothing; GetMainIconResourceName: empty.
// UI thread only.
#ifndef ZQF_APPLICATIONLINK_H
#define ZQF_APPLICATIONLINK_H

#include "ZQ_String.h"

class ZQF_Window;

struct ZQF_ApplicationFunctions {
  bool (*PushMessageLoop)() = nullptr;
  void (*PopMessageLoop)() = nullptr;
  ZQF_Window* (*GetMainWindow)() = nullptr;
  void (*PrepareForAppMainWindowDestruction)() = nullptr;
  ZQ_String (*GetMainIconResourceName)() = nullptr;
  // Window may be null.
  bool (*YieldToMessageLoop)(ZQF_Window* Window) = nullptr;
  // The application's hook after a window has been shown.
  void (*Execute)(ZQF_Window* Window) = nullptr;
  // True when the main window's close must wait (the program is still
  // starting); the application then closes it once its main loop runs.
  bool (*DeferMainWindowClose)() = nullptr;
};

// Installs Functions; returns the ones it replaces.
ZQF_ApplicationFunctions ZQF_ApplicationLink_Register(const ZQF_ApplicationFunctions& Functions);

// True when PopMessageLoop ended the loop, false when the quit message did
// (it is then waiting again for the loop outside).
bool ZQF_ApplicationLink_PushMessageLoop();
// Asserts that a loop is running ("NumberMessageLoopsActive > 0").
void ZQF_ApplicationLink_PopMessageLoop();
ZQF_Window* ZQF_ApplicationLink_GetMainWindow();
void ZQF_ApplicationLink_PrepareForAppMainWindowDestruction();
ZQ_String ZQF_ApplicationLink_GetMainIconResourceName();
// Processes what is pending; false when the quit message was met (it is
// posted again).
bool ZQF_ApplicationLink_YieldToMessageLoop(ZQF_Window* Window);
void ZQF_ApplicationLink_Execute(ZQF_Window* Window);
// False by default: the main window closes at once.
bool ZQF_ApplicationLink_DeferMainWindowClose();

#endif
