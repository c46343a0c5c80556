// ZQF_DebugMenu.h: the hidden debugging aids every framework program carries.
// A standard message hook, installed at stage 4, watches for F12: Ctrl+Alt+F12
// adds the untranslated "&Debug" menu to the menu bar (once per run, and only
// once the main menu plug-in has installed ZQF_DebugMenu_MainMenuHook), and
// Alt+F12 runs the library's test function. The menu shows system
// information, opens the glyph browser (ZQF_GlyphBrowser.h), runs the test
// and timing functions, sends a typed debug command into the main window's
// glyph tree, asks for a drawing-speed test and provokes each kind of error.
// The dialogs run modally; a cancelled one throws
// ZQ_CancelCurrentOperationException, except the debug command query, whose
// cancel only keeps the text. Main thread only.
#ifndef ZQF_DEBUGMENU_H
#define ZQF_DEBUGMENU_H

#include "ZQF_Message.h"
#include "ZQ_String.h"

class ZQF_MenuElement;

// Carries a typed debug command to the glyphs that understand one.
class ZQF_Debug_ExecuteDebugCommandCommandMessage : public ZQF_CommandMessage {
 public:
  explicit ZQF_Debug_ExecuteDebugCommandCommandMessage(const ZQ_String& Command)
      : Command(Command) {}
  const ZQ_String& GetCommand() const { return Command; }

 private:
  ZQ_String Command;
};

// Stage 4: installs ZQF_DebugMenu::HookCallback at the front of the standard
// message hooks and forgets that the menu was shown (a run starts there).
// Other stages: nothing.
void ZQF_DebugMenu_InitializationServiceCallback(int Stage);

namespace ZQF_DebugMenu {

// Takes F12 (framework key 29) with Shift up and Alt down, key-down and
// key-up alike: with Control the menu, without it the test function, both
// on key-down only. Every other message passes untouched.
void HookCallback(ZQF_Message& Message);
// Adds the "&Debug" menu as the last menu of the bar; nothing when there is
// no hook yet or it was added already.
void DisplayDebugMenu();
// Fills Group (a menu element) with the debug items, in menu order.
void AddDebugMenuElements(ZQF_MenuElement* Group);

// The item handlers.
// ZQ_WriteExecutionEnvironment in a text report titled "Debug Stats".
void DisplaySystemInformation();
void ActivateGlyphBrowser();
// ZQ_MainTestFunction on the debugging log.
void CallTestFunction();
// Asks for a command (offering the last one), remembers it even when the
// query is cancelled, dispatches it to the main window's top-level glyph
// unless cancelled, and beeps when no glyph handled it.
void SendDebugCommand();
// ZQ_PerformTimingTest of an empty loop, to the log and in a text report
// titled "Results of timing test".
void CallTimingFunction();

bool HasDebugMenuBeenShown();
// Empty until a command was entered; kept for the whole run.
const ZQ_String& GetLastDebugCommand();

}  // namespace ZQF_DebugMenu

#endif
