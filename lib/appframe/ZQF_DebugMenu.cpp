#include "ZQF_DebugMenu.h"

#include <memory>

#include "ZQF_ApplicationLink.h"
#include "ZQF_GlyphBrowser.h"
#include "ZQF_MenuElement.h"
#include "ZQF_MessageHook.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_ParentMenuElement.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_SimpleStringQueryDialogBox.h"
#include "ZQF_SimpleTextReportDialogBox.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQ_DebugLog.h"
#include "ZQ_DebuggingAids.h"
#include "ZQ_Exception.h"
#include "ZQ_FatalError.h"
#include "ZQ_InitializationService.h"
#include "ZQ_ReportError.h"
#include "ZQ_Sound.h"
#include "ZQ_StringStream.h"

namespace {

const ZQ_StageCallbackRegistration s_registration(&ZQF_DebugMenu_InitializationServiceCallback,
                                                  ZQ_InitializationService::Position_DebugMenu);

bool s_isDebugMenuShown = false;

ZQ_String& LastDebugCommand() {
  static ZQ_String s_command;
  return s_command;
}

// The reports are lists of values in columns: fixed pitch keeps them lined up.
void ShowReport(const ZQ_String& Text, const char* Title) {
  ZQF_SimpleTextReportDialogBox report(Text, ZQ_String(Title),
                                       ZQF_SimpleTextReportDialogBox::Option_FixedPitch);
  report.Run();
}

void AddLast(ZQF_MenuElement* Parent, ZQF_MenuElement* Element) {
  ZQF_MenuElement::Add(Parent, Element, ZQF_MenuElement::Position_LastChild);
}

void AddHandlerItem(ZQF_MenuElement* Parent, const char* Label, void (*Handler)()) {
  AddLast(Parent, new ZQF_StandardTextMenuElement(ZQ_String(Label), ZQ_Functor0(Handler),
                                                  ZQF_StandardTextMenuElement::UpdateCallback()));
}

struct HandlerItem {
  const char* Label;
  void (*Handler)();
};

const HandlerItem kErrorItems[] = {
    {"Cause GPF Error", [] { ZQ_DebugCauseError(0); }},
    {"Cause Divide by Zero Error", [] { ZQ_DebugCauseError(1); }},
    {"Cause Assertion Failure Error", [] { ZQ_DebugCauseError(2); }},
    {"Cause Math Library Error", [] { ZQ_DebugCauseError(3); }},
    {"Cause bad_alloc Error", [] { ZQ_DebugCauseError(4); }},
    {"Cause bad_cast Error", [] { ZQ_DebugCauseError(5); }},
    {"Cause ZQ_ReportError Error",
     [] {
       ZQ_ReportError(ZQ_String("Test Error"), ZQ_String("Test Error Description"),
                      ZQ_ReportErrorLevel_Error);
     }},
    {"Cause ZQ_ReportError Warning",
     [] {
       ZQ_ReportError(ZQ_String("Test Warning"), ZQ_String("Test Warning Description"),
                      ZQ_ReportErrorLevel_Warning);
     }},
};

}  // namespace

void ZQF_DebugMenu_InitializationServiceCallback(int Stage) {
  if (Stage != ZQ_InitializationService::Stage_InitializeGlobal) return;
  s_isDebugMenuShown = false;
  // Installed last, so run first: no glyph can take the keys before it.
  ZQF_InstallStandardMessageHook(ZQF_StandardMessageHookCallback(&ZQF_DebugMenu::HookCallback), 0);
}

namespace ZQF_DebugMenu {

void HookCallback(ZQF_Message& Message) {
  auto* key = dynamic_cast<ZQF_KeyMessage*>(&Message);
  if (!key || key->GetKeyCode() != ZQF_Key_F12) return;
  const bool isKeyDown = dynamic_cast<ZQF_DownKeyMessage*>(key) != nullptr;
  if (key->MatchesModifierKeys(0, 1, 1)) {
    Message.SetHandled();
    if (isKeyDown) DisplayDebugMenu();
  } else if (key->MatchesModifierKeys(0, 0, 1)) {
    Message.SetHandled();
    if (isKeyDown) CallTestFunction();
  }
}

void DisplayDebugMenu() {
  if (!ZQF_DebugMenu_MainMenuHook || s_isDebugMenuShown) return;
  s_isDebugMenuShown = true;
  // Filled before it joins the bar: the hook deletes an element it cannot
  // place, which must not be touched afterwards.
  std::unique_ptr<ZQF_MenuElement> submenu(new ZQF_SubmenuParentMenuElement(ZQ_String("&Debug")));
  ZQF_MenuElement* group = new ZQF_GroupMenuElement;
  AddLast(submenu.get(), group);
  AddDebugMenuElements(group);
  ZQF_DebugMenu_MainMenuHook(submenu.release());
}

void AddDebugMenuElements(ZQF_MenuElement* Group) {
  const HandlerItem items[] = {
      {"&Display System Information", &DisplaySystemInformation},
      {"&ZQF_Glyph Browser", &ActivateGlyphBrowser},
      {"&Execute Test Function", &CallTestFunction},
      {"&Send Debug Command", &SendDebugCommand},
      {"Execute Ti&ming Function", &CallTimingFunction},
  };
  for (const HandlerItem& item : items) AddHandlerItem(Group, item.Label, item.Handler);
  AddLast(Group,
          new ZQF_StandardTextMenuElement(ZQ_String("&Time Drawing Speed"),
                                          new ZQF_Debug_TimeDrawingSpeedCommandMessage, nullptr));
  ZQF_MenuElement* errors = new ZQF_SubmenuParentMenuElement(ZQ_String("Error Generation"));
  AddLast(Group, errors);
  for (const HandlerItem& item : kErrorItems) AddHandlerItem(errors, item.Label, item.Handler);
}

void DisplaySystemInformation() {
  ZQ_StringStream text;
  ZQ_WriteExecutionEnvironment(text);
  ShowReport(text, "Debug Stats");
}

void ActivateGlyphBrowser() {
  std::unique_ptr<GlyphBrowserDialogBox> browser(new GlyphBrowserDialogBox);
  browser->Run();
}

void CallTestFunction() {
  ZQ_MainTestFunction(ZQ_DebugLog);
  ZQ_DebugLog.Flush();
}

void SendDebugCommand() {
  ZQF_SimpleStringQueryDialogBox query(ZQ_String("Enter Debug Command"),
                                       ZQ_String("Enter debug command to send"), LastDebugCommand(),
                                       false);
  // Cancel throws out of Run: the text is kept for next time, nothing is sent.
  try {
    query.Run();
  } catch (const ZQ_CancelCurrentOperationException&) {
    LastDebugCommand() = query.GetValue();
    return;
  }
  LastDebugCommand() = query.GetValue();
  ZQF_Debug_ExecuteDebugCommandCommandMessage command(LastDebugCommand());
  ZQF_Window* window = ZQF_ApplicationLink_GetMainWindow();
  if (window && window->GetTopLevelGlyph()) window->GetTopLevelGlyph()->Dispatch(command);
  if (!command.IsHandled()) ZQ_Beep();
}

void CallTimingFunction() {
  ZQ_StringStream text;
  ZQ_PerformTimingTest(text, ZQ_Functor0());
  ZQ_DebugLog.NewLine();
  ZQ_DebugLog << static_cast<const ZQ_String&>(text);
  ZQ_DebugLog.NewLine();
  ZQ_DebugLog.Flush();
  ShowReport(text, "Results of timing test");
}

bool HasDebugMenuBeenShown() { return s_isDebugMenuShown; }
const ZQ_String& GetLastDebugCommand() { return LastDebugCommand(); }

}  // namespace ZQF_DebugMenu
