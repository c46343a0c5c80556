#include "ZQF_PLUGIN_ShowAppInfoPlugin.h"

#include "ZQF_MenuElement.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_SimpleTextReportDialogBox.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Internationalization.h"
#include "ZQ_ReportError.h"

namespace {

ZQ_FileName InHomeDirectory(const ZQ_String& FileName) {
  ZQ_FileName file(FileName);
  file.SetPath(ZQ_ApplicationMetrics::GetHomeDirectory(), ZQ_FileName::SetMode_Replace);
  return file;
}

// The translated title with the application's name in it.
ZQ_String Title(const char* Key) {
  return ZQ_SubstituteParameters(ZQ_Internationalization_Translate(Key),
                                 ZQ_GetApplicationMetrics().GetApplicationName());
}

void AddItem(ZQF_MenuElement* Group, const char* Text, const ZQ_Functor0& Command) {
  ZQF_MenuElement::Add(Group,
                       new ZQF_StandardTextMenuElement(ZQ_Internationalization_Translate(Text), Command,
                                                       ZQF_StandardTextMenuElement::UpdateCallback()),
                       ZQF_MenuElement::Position_LastChild);
}

}  // namespace

ZQ_FileName GetReadMeFilePath() {
  return InHomeDirectory(ZQ_GetApplicationMetrics().GetReadMeFileName());
}

ZQ_FileName GetVersionHistoryFilePath() {
  return InHomeDirectory(ZQ_GetApplicationMetrics().GetVersionHistoryFileName());
}

ZQF_PLUGIN_ShowAppInfoPlugin::~ZQF_PLUGIN_ShowAppInfoPlugin() = default;

void ZQF_PLUGIN_ShowAppInfoPlugin::Initialize(long Stage) {
  if (Stage == ZQ_InitializationService::Stage_InitializeGlobal) InstallMenuElements();
}

void ZQF_PLUGIN_ShowAppInfoPlugin::InstallMenuElements() {
  if (ZQF_PLUGIN_AppMainMenu* menu = ZQF_PLUGIN_GetAppMainMenu()) InstallReadMeAndHistoryMenuElements(menu);
}

void ZQF_PLUGIN_ShowAppInfoPlugin::InstallReadMeAndHistoryMenuElements(ZQF_PLUGIN_AppMainMenu* Menu) {
  if (!DoShowAppReadMe() && !DoShowAppVersionHistory()) return;
  auto* group = new ZQF_GroupMenuElement;
  // Before the last section, which holds the About item.
  Menu->AddElement(group, ZQF_PLUGIN_AppMainMenu::MenuSection_HelpLast, ZQF_MenuElement::Position_Before);
  if (DoShowAppReadMe()) {
    AddItem(group, "Show &ReadMe File", ZQ_Functor0(this, &ZQF_PLUGIN_ShowAppInfoPlugin::ShowAppReadMe));
  }
  if (DoShowAppVersionHistory()) {
    AddItem(group, "Show &Version History",
            ZQ_Functor0(this, &ZQF_PLUGIN_ShowAppInfoPlugin::ShowAppVersionHistory));
  }
}

bool ZQF_PLUGIN_ShowAppInfoPlugin::DoShowAppReadMe() { return ZQ_FileUtils::FileExists(GetReadMeFilePath()); }

bool ZQF_PLUGIN_ShowAppInfoPlugin::DoShowAppVersionHistory() {
  return ZQ_FileUtils::FileExists(GetVersionHistoryFilePath());
}

void ZQF_PLUGIN_ShowAppInfoPlugin::ShowAppReadMe() {
  DisplayFile(GetReadMeFilePath(), Title("{$1} ReadMe File"), "ZQF_Help_DisplayingReadmeFile_id");
}

void ZQF_PLUGIN_ShowAppInfoPlugin::ShowAppVersionHistory() {
  DisplayFile(GetVersionHistoryFilePath(), Title("{$1} Version History"),
              "ZQF_Help_DisplayingVersionHistory_id");
}

void ZQF_PLUGIN_ShowAppInfoPlugin::DisplayFile(const ZQ_FileName& File, const ZQ_String& Title,
                                               const ZQ_String& HelpTopic) {
  ZQ_String text;
  // The file may have gone since the menu was built: the user is told, and
  // the command ends normally.
  try {
    text = ZQ_LoadFileIntoString(File);
  } catch (const ZQ_Exception& e) {
    ZQ_ReportError(e, ZQ_ReportErrorLevel_Error);
    return;
  }
  ZQF_SimpleTextReportDialogBox report(text, Title, ZQF_SimpleTextReportDialogBox::Option_FixedPitch);
  report.AddHelpTopic(HelpTopic, 0);
  report.Run();
}
