// ZQF_DevelopmentSupport_WebRelease.cpp: the web release folder, the
// synthesized released templates and the notification e-mail.
#include <string>

#include "ZQF_DevelopmentSupport.h"
#include "ZQF_DevelopmentSupport_Imp.h"
#include "ZQRPT_ReportDTD.h"
#include "ZQXML_Reader.h"
#include "ZQXML_TextEncoding.h"
#include "ZQXML_XMLTreeUtil.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_FileUtils.h"
#include "ZQ_FilenameIterator.h"
#include "ZQ_Numeric.h"
#include "ZQ_ProgressReportService.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

ZQ_String Lower(const ZQ_String& Text) { return ZQF_DevelopmentSupport_Imp_Lower(Text); }

// What the e-mail's change list keeps as it is: line ends (and tabs);
// markup characters, other controls and upper bytes become references.
const unsigned long kWhatIsNewEncoding = 0x61F;

}  // namespace

void ZQF_DevelopmentSupportManager::RemoveOldWebReleaseDirectories() {
  ZQ_ProgressReportService_Task task("Remove old web release directory", 0);
  const ZQ_String current = Lower(GetReleaseName());
  auto folders = ZQ_GetFilenameIterator(GetWebSiteDirectory(), GetBuildNamePrefix() + "*",
                                        ZQ_FilenameIterator_DirectoriesOnly);
  for (; folders.IsValid(); folders.Advance()) {
    // The new build's folder is already published here.
    if (Lower(folders->GetFileName().GetFileName()) == current) continue;
    ZQ_FileUtils::SafeRemoveDirectory(folders->GetFileName().GetPathName());
  }
}

void ZQF_DevelopmentSupportManager::CreateWebReleaseDirectory() {
  const ZQ_String folder = Lower(GetWebReleaseDirectory());
  // Only a failed attempt at this very build leaves it: start it afresh.
  ZQ_FileUtils::SafeDelete(folder);
  ZQ_FileUtils::SafeCreateDirectory(folder);
}

void ZQF_DevelopmentSupportManager::CopyReadMeFileToWebSite() {
  ZQ_ProgressReportService_Task task("Copying readme file to website", 0);
  const ZQ_String file = GetReleaseDirectory() + GetReadMeFileName();
  if (ZQ_FileUtils::FileExists(file))
    ZQ_FileUtils::SafeCopy(ZQ_FileName(file), GetWebReleaseFileName(GetReadMeFileName()));
}

void ZQF_DevelopmentSupportManager::CopyHistoryFileToWebSite() {
  ZQ_ProgressReportService_Task task("Copying history file to website", 0);
  const ZQ_String file = GetReleaseDirectory() + GetVersionHistoryFileName();
  if (ZQ_FileUtils::FileExists(file))
    ZQ_FileUtils::SafeCopy(ZQ_FileName(file), GetWebReleaseFileName(GetVersionHistoryFileName()));
}

void ZQF_DevelopmentSupportManager::UpdateWebPage() {
  ZQ_ProgressReportService_Task task("Updating web page", 0);
  DeleteReleasedWebTemplateFiles();
  WriteSynthesizedReleasedWebTemplateFiles();
  ReleaseDocumentWebTemplates();
}

ZQ_String ZQF_DevelopmentSupportManager::GetReleasedWebTemplatePrefix() {
  return Lower(GetApplicationName()) + "_released_";
}

ZQ_String ZQF_DevelopmentSupportManager::GetReleasedWebTemplateOutputDirectory() {
  return TemplateStagingDirectory.IsEmpty() ? GetWebTemplateDirectory() : TemplateStagingDirectory;
}

void ZQF_DevelopmentSupportManager::DeleteReleasedWebTemplateFiles() {
  auto files = ZQ_GetFilenameIterator(GetReleasedWebTemplateOutputDirectory(),
                                      GetReleasedWebTemplatePrefix() + "*",
                                      ZQ_FilenameIterator_FilesOnly);
  for (; files.IsValid(); files.Advance()) ZQ_FileUtils::SafeDelete(files->GetFileName());
}

void ZQF_DevelopmentSupportManager::PublishStagedWebTemplates(const ZQ_String& StagingDirectory) {
  DeleteReleasedWebTemplateFiles();
  auto files = ZQ_GetFilenameIterator(StagingDirectory, "*", ZQ_FilenameIterator_FilesOnly);
  for (; files.IsValid(); files.Advance())
    ZQF_DevelopmentSupport_Imp_Move(files->GetFileName().GetPathName(),
                                    GetWebTemplateDirectory() + files->GetFileName().GetFileName());
  ZQ_FileUtils::SafeDelete(StagingDirectory);
}

void ZQF_DevelopmentSupportManager::WriteReleasedWebTemplateFile(const ZQ_String& Name,
                                                                 const ZQ_String& Text) {
  ZQ_SaveStringAsFile(
      Text, Lower(GetReleasedWebTemplateOutputDirectory() + GetReleasedWebTemplatePrefix() + Name + ".rxl"));
}

void ZQF_DevelopmentSupportManager::WriteLinkWebTemplateFile(ZQ_String Name, ZQ_String LinkText,
                                                             ZQ_String Target, ZQ_String Folder) {
  if (Folder.IsEmpty()) Folder = GetReleaseName();
  const ZQ_String href = Lower(Folder + "/" + Target);
  WriteReleasedWebTemplateFile(Name, "[-defdefine linktext '" +
                                         ZQXML_EncodeSpecialCharacters(LinkText, ZQXML_Encode_All) +
                                         "'-]<link target='" + href + "'>&linktext;</link>");
}

void ZQF_DevelopmentSupportManager::WriteSizeWebTemplateFile(const ZQ_String& Name,
                                                             const ZQ_FileName& File) {
  ZQ_String size = "?????";
  if (ZQ_FileUtils::FileExists(File))
    size = ZQXML_MakeSpacesNonbreaking(
        ZQ_FormatByteCount(static_cast<double>(ZQ_FileUtils::GetFileSize(File))));
  WriteReleasedWebTemplateFile(Name, size);
}

void ZQF_DevelopmentSupportManager::WriteSynthesizedReleasedWebTemplateFiles() {
  ZQ_ProgressReportService_Task task("Writing synthesized released web template files", 0);
  const ZQ_String application = GetApplicationName();
  WriteReleasedWebTemplateFile("Version", GetVersionString());
  WriteReleasedWebTemplateFile("Build", std::to_string(GetBuildNumber()).c_str());
  WriteReleasedWebTemplateFile("ReleaseDate", ZQ_Date::GetCurrentLocalDate().Format("{Date}"));
  WriteLinkWebTemplateFile("ReadMeLink", application + " ReadMe File", GetReadMeFileName(), "");
  WriteLinkWebTemplateFile("VersionHistoryLink", "What's New?", GetVersionHistoryFileName(), "");
  WriteLinkWebTemplateFile("TextUsersGuideLink", "Download as Plain Text",
                           GetTextUsersGuideFileName(), "");
  WriteLinkWebTemplateFile("PDFUsersGuideLink", "Download as PDF File", GetPDFUsersGuideFileName(),
                           "");
  WriteLinkWebTemplateFile("InstallProgramLink", "Download " + application,
                           GetInstallProgramName(), "");
  WriteLinkWebTemplateFile("SourceCodeLink", "Download " + application + " Source Code",
                           GetSourceZipFileName(), "");
  WriteSizeWebTemplateFile("InstallProgramSize", GetWebReleaseFileName(GetInstallProgramName()));
  WriteSizeWebTemplateFile("TextUsersGuideSize", GetWebReleaseFileName(GetTextUsersGuideFileName()));
  WriteSizeWebTemplateFile("PDFUsersGuideSize", GetWebReleaseFileName(GetPDFUsersGuideFileName()));
  WriteSizeWebTemplateFile("SourceCodeSize", GetWebReleaseFileName(GetSourceZipFileName()));
}

void ZQF_DevelopmentSupportManager::ReleaseDocumentWebTemplates() {
  ReleaseUsersGuideWebTemplates();
  ReleaseRequiredHardDriveSpaceWebTemplate();
}

void ZQF_DevelopmentSupportManager::ReleaseUsersGuideWebTemplates() {
  const ZQ_String guide = GetUsersGuideFileName();
  if (!ZQ_FileUtils::FileExists(guide)) return;
  ReleaseWebTemplateFileOptions options;
  options.IsSelfContainedDocument = true;
  options.TitlePrefix = GetApplicationName() + " User's Guide";
  options.WebFileNamePrefix = Lower(GetApplicationName() + "_usersguide_");
  ReleaseWebTemplateFile(ZQ_URI_MakeFromFileName(ZQ_FileName(guide)), options);
}

void ZQF_DevelopmentSupportManager::ReleaseRequiredHardDriveSpaceWebTemplate() {
  const ZQ_String text = GetRequiredHardDriveSpaceTextFileName();
  if (!ZQ_FileUtils::FileExists(text)) return;
  ReleaseWebTemplateFile(ZQ_URI_MakeFromFileName(ZQ_FileName(text)), ReleaseWebTemplateFileOptions());
}

ZQ_String ZQF_DevelopmentSupportManager::GetReleaseNotificationEmailTemplateFileName() {
  const ZQ_String own = GetDocsDirectory() + GetApplicationName() + "_ReleaseNotificationEmail.rxl";
  if (ZQ_FileUtils::FileExists(own)) return own;
  const ZQ_String library = GetLibraryDocsDirectory() + "ZQ_ReleaseNotificationEmail.rxl";
  if (!ZQ_FileUtils::FileExists(library))
    ZQF_DevelopmentSupport_Imp_Fail("There is no release notification e-mail template: neither \"" +
                                    own + "\" nor \"" + library + "\" exists.");
  return library;
}

void ZQF_DevelopmentSupportManager::CreateReleaseNotificationEmail() {
  ZQ_ProgressReportService_Task task("Creating release notification e-mail", 0);
  ZQXML_Reader reader{ZQ_FileName(GetReleaseNotificationEmailTemplateFileName())};
  reader.SetDocumentTypeDefinition(ZQRPT_GetReportDTD());
  reader.DefineEntityVariable(
      "what_is_new",
      "<pre>" + ZQXML_EncodeSpecialCharacters(WhatIsNew, kWhatIsNewEncoding) + "</pre>");
  const ZQXML_Tree tree = reader.Read();
  ZQXML_XMLTreeUtil_Write(tree, ZQ_FileName(Lower(GetReleasedWebTemplateOutputDirectory() +
                                                  GetReleasedWebTemplatePrefix() +
                                                  "releasenotificationemail.rxl")));
}
