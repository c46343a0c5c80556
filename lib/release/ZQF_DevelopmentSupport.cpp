// ZQF_DevelopmentSupport.cpp: the command-line element, the run and its
// error report, the manager's settings, derived names and the order of the
// release steps.
#include <string>

#include "ZQF_DevelopmentSupport.h"

#include <memory>

#include "ZQF_Application.h"
#include "ZQF_DevelopmentSupport_Imp.h"
#include "ZQLOW_SHELLAPI.h"
#include "ZQLOW_WINBASE.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Assertion.h"
#include "ZQ_CommandLine.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Internationalization_Locale.h"
#include "ZQ_Process.h"
#include "ZQ_ProgressReportService.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

ZQ_OneParameterFlagCommandLineElement& DevelopmentSupportElement() {
  static ZQ_OneParameterFlagCommandLineElement element("DevelopmentSupport", "");
  return element;
}
// Made at static initialisation, so that the parser at stage 1 sees it.
ZQ_OneParameterFlagCommandLineElement& s_elementRegistered = DevelopmentSupportElement();
ZQ_StageCallbackRegistration s_registration(&ZQF_DevelopmentSupport_InitializationServiceCallback,
                                            ZQ_InitializationService::Position_DevelopmentSupport);

// Completes a folder of the settings: a drive-less absolute folder is put
// on the home folder's drive, a relative one below the home folder. The
// run changes the current folder (under Wine "\x\" then means C:\x\).
ZQ_String CompleteDirectory(const ZQ_String& Directory, const ZQ_String& Home) {
  if (Directory.IsEmpty()) return Directory;
  ZQ_String full = Directory;
  const bool hasDrive = full.GetLength() > 1 && full[1] == ':';
  const bool isUNC = full.BeginsWith("\\\\");
  if (!hasDrive && !isUNC) {
    if (full[0] == '\\' || full[0] == '/')
      full = Home.GetLeft(2) + full;
    else
      full = Home + full;
  }
  return ZQ_FileUtils::Util_AppendSeparator(full);
}

ZQ_String RequiredSetting(const ZQ_RegistryFolder& Folder, const char* Key) {
  const ZQ_String value = ZQ_GetString(Folder, Key, ZQ_String());
  if (value.IsEmpty())
    ZQF_DevelopmentSupport_Imp_Fail(ZQ_String("The release settings (folder "
                                              "\"NamedTopics\\DevelopmentSupport\" of the "
                                              "settings file) have no value \"") +
                                    Key + "\".");
  return value;
}

ZQ_String GetUserDesktopDirectory() {
  char path[MAX_PATH] = "";
  ZQLOW_SHELLAPI::SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path);
  return ZQ_FileUtils::Util_AppendSeparator(path);
}

}  // namespace

// ---- Shared helpers ----

ZQ_String ZQF_DevelopmentSupport_Imp_Lower(const ZQ_String& Text) {
  ZQ_String lower = Text;
  lower.ConvertToLowerCase();
  return lower;
}

void ZQF_DevelopmentSupport_Imp_Fail(const ZQ_String& Sentence) {
  throw ZQ_Exception("Release Failed", Sentence);
}

void ZQF_DevelopmentSupport_Imp_Move(const ZQ_String& File, const ZQ_String& Destination) {
  ZQLOW_WINBASE::MoveFileExA(File.GetText(), Destination.GetText(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
}

void ZQF_DevelopmentSupport_Imp_SaveSafely(const ZQ_String& Text, const ZQ_String& File) {
  const ZQ_String temporary = File + ".release.tmp";
  try {
    ZQ_SaveStringAsFile(Text, temporary);
    ZQF_DevelopmentSupport_Imp_Move(temporary, File);
  } catch (...) {
    try {
      ZQ_FileUtils::SafeDelete(ZQ_FileName(temporary));
    } catch (...) {
    }
    throw;
  }
}

// ---- Settings ----

ZQF_DevelopmentSupportSettings ZQF_DevelopmentSupport_ReadSettings(const ZQ_RegistryFolder& Folder,
                                                                   bool IsSourceReleased) {
  ZQF_DevelopmentSupportSettings settings;
  settings.LibraryDirectory = RequiredSetting(Folder, "LibraryDirectory");
  settings.WebTemplateDirectory = RequiredSetting(Folder, "WebTemplateDirectory");
  settings.WebSiteDirectory = RequiredSetting(Folder, "WebSiteDirectory");
  settings.CopyrightFirstYear = RequiredSetting(Folder, "CopyrightFirstYear");
  settings.CopyrightHolder = RequiredSetting(Folder, "CopyrightHolder");
  if (IsSourceReleased) settings.TouchProgram = RequiredSetting(Folder, "TouchProgram");
  settings.ZipProgram = ZQ_GetString(Folder, "ZipProgram", settings.ZipProgram);
  settings.SelfExtractorProgram =
      ZQ_GetString(Folder, "SelfExtractorProgram", settings.SelfExtractorProgram);
  settings.DesktopDirectory = ZQ_GetString(Folder, "DesktopDirectory", ZQ_String());
  settings.PDFWaitSeconds = ZQ_GetDouble(Folder, "PDFWaitSeconds", settings.PDFWaitSeconds);
  return settings;
}

// ---- The run ----

ZQF_DevelopmentSupportManager* ZQF_DevelopmentSupport_CreateDefaultManager() {
  return new ZQF_DevelopmentSupportManager;
}

ZQF_DevelopmentSupport_ManagerFactory ZQF_DevelopmentSupport_CreateManager =
    &ZQF_DevelopmentSupport_CreateDefaultManager;

void ZQF_DevelopmentSupport_InitializationServiceCallback(int Stage) {
  if (Stage != ZQ_InitializationService::Stage_InitializeInteractive) return;
  ZQ_OneParameterFlagCommandLineElement& element = DevelopmentSupportElement();
  if (!element.GetValue()) return;
  if (ZQF_DevelopmentSupport_Imp_Lower(element.GetParameter()) == "release")
    ZQF_DevelopmentSupport_Run(0);
}

ZQ_FileName ZQF_DevelopmentSupport_GetErrorReportFileName() {
  ZQ_FileName report = ZQ_GetContainingExecutableFileName();
  report.SetFileName("DevelopmentSupportErrorReport.txt", ZQ_FileName::SetMode_Replace);
  return report;
}

void ZQF_DevelopmentSupport_Run(long Mode) {
  ZQ_String activity;
  if (Mode == 0)
    activity = "releasing";
  else
    ZQ_ASSERT_TEXT(false, "false");
  const ZQ_FileName reportFile = ZQF_DevelopmentSupport_GetErrorReportFileName();
  ZQ_FileUtils::SafeDelete(reportFile);
  ZQ_String report;
  try {
    std::unique_ptr<ZQF_DevelopmentSupportManager> manager(ZQF_DevelopmentSupport_CreateManager());
    ZQ_ProgressReportService_Task task("Releasing project", 0, 0);
    manager->Release();
  } catch (const ZQ_Exception& Failure) {
    report = "Error occurred while " + activity + " application\n" + Failure.GetName() + "\n" +
             Failure.GetDescription() + "\n";
  } catch (...) {
    report = "Unknown error occurred while " + activity + " application\n";
  }
  if (!report.IsEmpty()) {
    ZQ_WriteDebugLogEntry(report);
    ZQ_SaveStringAsFile(report, reportFile);
    ZQF_SetCancelledStartExitCode(1);
  }
  throw ZQ_CancelCurrentOperationException();
}

// ---- The manager: data, names, settings ----

ZQF_DevelopmentSupportManager::ZQF_DevelopmentSupportManager() = default;
ZQF_DevelopmentSupportManager::~ZQF_DevelopmentSupportManager() = default;

ZQ_String ZQF_DevelopmentSupportManager::GetApplicationName() const {
  return ZQ_GetApplicationMetrics().GetApplicationName();
}
ZQ_String ZQF_DevelopmentSupportManager::GetVersionString() const {
  return ZQ_GetApplicationMetrics().GetVersionString();
}

long ZQF_DevelopmentSupportManager::GetBuildNumber() const {
  // Checked whatever the assertion mode: a release named Build-999 must
  // never be published.
  if (BuildNumber <= 0)
    ZQF_DevelopmentSupport_Imp_Fail("The build number has not been read (\"BuildNumber > 0\").");
  return BuildNumber;
}

void ZQF_DevelopmentSupportManager::SetSettings(const ZQF_DevelopmentSupportSettings& NewSettings) {
  Settings = NewSettings;
  const ZQ_String home = GetHomeDirectory();
  Settings.LibraryDirectory = CompleteDirectory(Settings.LibraryDirectory, home);
  Settings.WebTemplateDirectory = CompleteDirectory(Settings.WebTemplateDirectory, home);
  Settings.WebSiteDirectory = CompleteDirectory(Settings.WebSiteDirectory, home);
  Settings.DesktopDirectory = CompleteDirectory(Settings.DesktopDirectory, home);
  const ZQ_String& extractor = Settings.SelfExtractorProgram;
  if (!extractor.IsEmpty() && (extractor[0] == '\\' || extractor[0] == '/') &&
      !extractor.BeginsWith("\\\\"))
    Settings.SelfExtractorProgram = home.GetLeft(2) + extractor;
  HasSettings = true;
}

void ZQF_DevelopmentSupportManager::PrepareSettings() {
  if (!HasSettings) {
    const ZQ_RegistryFolder& folder =
        ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("DevelopmentSupport");
    SetSettings(ZQF_DevelopmentSupport_ReadSettings(folder, ShouldReleaseSourceCode()));
  }
  if (Settings.DesktopDirectory.IsEmpty()) Settings.DesktopDirectory = GetUserDesktopDirectory();
}

ZQ_String ZQF_DevelopmentSupportManager::GetHomeDirectory() {
  return ZQ_FileUtils::GetHomeDirectory();
}
ZQ_String ZQF_DevelopmentSupportManager::GetReleaseDirectory() {
  return GetHomeDirectory() + "..\\Release\\";
}
ZQ_String ZQF_DevelopmentSupportManager::GetSourceDirectory() { return GetHomeDirectory() + "source\\"; }
ZQ_String ZQF_DevelopmentSupportManager::GetDocsDirectory() { return GetSourceDirectory() + "docs\\"; }
ZQ_String ZQF_DevelopmentSupportManager::GetIconsDirectory() { return GetSourceDirectory() + "icons\\"; }
ZQ_String ZQF_DevelopmentSupportManager::GetLibraryDirectory() {
  return Settings.LibraryDirectory;
}
ZQ_String ZQF_DevelopmentSupportManager::GetLibraryDocsDirectory() {
  return GetLibraryDirectory() + "docs\\";
}
ZQ_String ZQF_DevelopmentSupportManager::GetWebTemplateDirectory() {
  return Settings.WebTemplateDirectory;
}
ZQ_String ZQF_DevelopmentSupportManager::GetWebSiteDirectory() {
  return Settings.WebSiteDirectory;
}
ZQ_String ZQF_DevelopmentSupportManager::GetUsersGuideFileName() {
  return GetDocsDirectory() + GetApplicationName() + " Users Guide.rxl";
}
ZQ_String ZQF_DevelopmentSupportManager::GetRequiredHardDriveSpaceTextFileName() {
  return GetDocsDirectory() + GetApplicationName() + "_RequiredHardDriveSpace_Text.rxl";
}
ZQ_String ZQF_DevelopmentSupportManager::GetMainIconFileName() {
  return GetIconsDirectory() + GetApplicationName() + "_MainIcon.ico";
}
ZQ_String ZQF_DevelopmentSupportManager::GetReadMeFileName() {
  return ZQ_GetApplicationMetrics().GetReadMeFileName();
}
ZQ_String ZQF_DevelopmentSupportManager::GetVersionHistoryFileName() {
  return ZQ_GetApplicationMetrics().GetVersionHistoryFileName();
}
ZQ_String ZQF_DevelopmentSupportManager::GetTextUsersGuideFileName() {
  return GetApplicationName() + "_users_guide.txt";
}
ZQ_String ZQF_DevelopmentSupportManager::GetPDFUsersGuideFileName() {
  return GetApplicationName() + "_users_guide.pdf";
}
ZQ_String ZQF_DevelopmentSupportManager::GetWebReleaseDirectory() {
  return GetWebSiteDirectory() + GetReleaseName() + "\\";
}
ZQ_String ZQF_DevelopmentSupportManager::GetReleaseName() {
  return GetBuildNamePrefix() + std::to_string(BuildNumber).c_str();
}
ZQ_String ZQF_DevelopmentSupportManager::GetBuildNamePrefix() { return GetApplicationName() + "_Build"; }
ZQ_String ZQF_DevelopmentSupportManager::GetReleaseSourceDirectory() { return GetHomeDirectory(); }
ZQ_String ZQF_DevelopmentSupportManager::GetLocaleDirectoryName() {
  return ZQ_Internationalization_GetLocaleDirectoryName();
}
bool ZQF_DevelopmentSupportManager::KeepReleaseDirectory() { return false; }
ZQ_String ZQF_DevelopmentSupportManager::GetInstallProgramName() {
  return "Install_" + GetApplicationName() + ".exe";
}
ZQ_String ZQF_DevelopmentSupportManager::GetDefaultInstallDirectory() {
  return "c:\\" + GetApplicationName();
}
bool ZQF_DevelopmentSupportManager::ShouldReleaseSourceCode() { return true; }
ZQ_String ZQF_DevelopmentSupportManager::GetSourceZipFileName() {
  return GetApplicationName() + "Source.zip";
}
ZQ_String ZQF_DevelopmentSupportManager::GetAppVersionHeaderFileName() {
  return GetSourceDirectory() + GetApplicationName() + "_Version.h";
}
ZQ_String ZQF_DevelopmentSupportManager::GetLibraryInfoFileName() {
  return GetLibraryDirectory() + "ZQ_LibraryInfo.cpp";
}

ZQ_FileName ZQF_DevelopmentSupportManager::GetWebReleaseFileName(const ZQ_String& Name) {
  return ZQ_FileName(ZQF_DevelopmentSupport_Imp_Lower(GetWebReleaseDirectory() + Name));
}

// ---- Outside programs ----

ZQ_String ZQF_DevelopmentSupport_Imp_Quote(const ZQ_String& Text) {
  if (Text.Find(' ') == ZQ_NoMatch || Text.BeginsWith("\"")) return Text;
  return "\"" + Text + "\"";
}

void ZQF_DevelopmentSupportManager::RunOutsideProgram(const ZQ_String& Program,
                                                      const ZQ_String& Arguments) {
  const ZQ_String commandLine = ZQF_DevelopmentSupport_Imp_Quote(Program) + " " + Arguments;
  const ZQ_String folder = ZQ_FileUtils::GetCurrentDirectoryA();
  int returnCode = 0;
  try {
    returnCode = ZQ_ExecuteProcess(commandLine, ZQ_String());
  } catch (const ZQ_Exception& Failure) {
    ZQF_DevelopmentSupport_Imp_Fail("The program could not be started: " + commandLine +
                                    " (in the folder " + folder + "). " +
                                    Failure.GetDescription());
  }
  if (returnCode != 0) {
    ZQ_WriteDebugLogEntry("ERROR : \"ReturnCode == 0\" failed for " + commandLine + "\n");
    ZQF_DevelopmentSupport_Imp_Fail("The command line " + commandLine + " ended with exit code " +
                                    std::to_string(returnCode).c_str() + " (in the folder " +
                                    folder + ").");
  }
}

// ---- The release ----

void ZQF_DevelopmentSupportManager::Release() {
  PrepareSettings();
  ParseAppBuildNumber();
  UpdateHistoryFile();
  DeleteReleaseDirectory();
  CreateWebReleaseDirectory();
  CopyFilesToReleaseDirectory();
  UpdateInstallationFile();
  CopyReadMeFileToWebSite();
  CopyHistoryFileToWebSite();
  CopyUsersGuideToWebSite();
  if (ShouldReleaseSourceCode()) ReleaseSourceCode();
  // The templates are written into a staging folder and replace the
  // published ones only when both steps succeeded.
  const ZQ_String staging = GetReleaseDirectory() + "WebTemplates\\";
  ZQ_FileUtils::SafeDelete(staging);
  ZQ_FileUtils::SafeCreateDirectory(staging);
  TemplateStagingDirectory = staging;
  try {
    UpdateWebPage();
    CreateReleaseNotificationEmail();
  } catch (...) {
    TemplateStagingDirectory = ZQ_String();
    throw;
  }
  TemplateStagingDirectory = ZQ_String();
  PublishStagedWebTemplates(staging);
  // The old build's web folder goes only now, so a failed run leaves the
  // previous release as it was published.
  RemoveOldWebReleaseDirectories();
  IncrementAppBuildNumber();
  IncrementLibraryBuildNumber();
  if (!KeepReleaseDirectory()) DeleteReleaseDirectory();
}
