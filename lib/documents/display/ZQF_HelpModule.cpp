// ZQF_HelpModule.cpp: the help module's wiring: the command-line flags
// "help" and "loadhelp", its two stage callbacks, and the one record that
// fills the glyph core's help seam (ZQF_Help.h).
#include "ZQF_HelpAvailability.h"
#include "ZQF_HelpDialogBox.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Internationalization.h"

namespace {

void DisplayTopics(ZQ_ReadOnlyIterator<ZQF_Help_TopicType>& Topics) {
  // The seam deletes the iterator it lends; the window keeps a clone.
  ZQF_HelpDialogBox_DisplayTopics(ZQF_Help_GetHelpFileName(),
                                  new ZQ_ReadOnlyIterator<ZQF_Help_TopicType>(Topics));
}

void DisplayContents() { ZQF_HelpDialogBox_DisplayContents(ZQF_Help_GetHelpFileName()); }

void CheckShowHelpCommandLineOption() {
  if (!ZQF_Help_GetShowHelpFlag().GetValue()) return;
  if (!ZQF_Help_HelpAvailable())
    throw ZQ_Exception(
        ZQ_Internationalization_Translate("No Help Available"),
        ZQ_Internationalization_Translate("Sorry, but no help is available for this application."));
  ZQF_Help_DisplayContents();
}

void CheckLoadHelpCommandLineOption() {
  ZQ_OneParameterFlagCommandLineElement& flag = ZQF_Help_GetLoadHelpFlag();
  if (flag.GetValue()) ZQF_HelpDialogBox_DisplayContents(ZQ_FileName(flag.GetParameter()));
}

bool Register() {
  ZQF_Help_Module module;
  module.HelpAvailable = &ZQF_Help_HelpFileAvailable;
  module.DisplayTopics = &DisplayTopics;
  module.DisplayContents = &DisplayContents;
  ZQF_Help_RegisterModule(module);
  ZQ_InitializationService::RegisterCallback(&ZQF_Help_InitializationServiceCallback,
                                             ZQ_InitializationService::Position_Help);
  ZQ_InitializationService::RegisterCallback(&ZQF_HelpDialogBox_InitializationServiceCallback,
                                             ZQ_InitializationService::Position_HelpDialogBox);
  return true;
}

const bool s_registered = Register();

}  // namespace

ZQ_SimpleFlagCommandLineElement& ZQF_Help_GetShowHelpFlag() {
  static ZQ_SimpleFlagCommandLineElement s_flag("help", false);
  return s_flag;
}

ZQ_OneParameterFlagCommandLineElement& ZQF_Help_GetLoadHelpFlag() {
  static ZQ_OneParameterFlagCommandLineElement s_flag("loadhelp", "");
  return s_flag;
}

namespace {

// Both flags exist before the command line is parsed at stage 1.
const bool s_flagsMade = (ZQF_Help_GetShowHelpFlag(), ZQF_Help_GetLoadHelpFlag(), true);

}  // namespace

ZQFO_Document ZQF_Help_GetHelpFormattingDoc() {
  return ZQF_HelpDialogBox_GetHelpFormattingDoc(ZQF_Help_GetHelpFileName());
}

void ZQF_Help_InitializationServiceCallback(int Stage) {
  if (Stage != ZQ_InitializationService::Stage_InitializeInteractive) return;
  CheckShowHelpCommandLineOption();
  CheckLoadHelpCommandLineOption();
}
