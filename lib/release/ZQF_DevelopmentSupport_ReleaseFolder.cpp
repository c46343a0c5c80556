// ZQF_DevelopmentSupport_ReleaseFolder.cpp: the release folder, the zip
// archive and the self-extracting installer.
#include <algorithm>

#include "ZQF_DevelopmentSupport.h"
#include "ZQF_DevelopmentSupport_Imp.h"
#include "ZQ_Assertion.h"
#include "ZQ_FileUtils.h"
#include "ZQ_FilenameIterator.h"
#include "ZQ_Internationalization_Locale.h"
#include "ZQ_Iterator.h"
#include "ZQ_ProgressReportService.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

const char kZipFileName[] = "temp.zip";
const char kResponseFileName[] = "TempRes342x.dat";

void DeleteQuietly(const ZQ_String& File) {
  try {
    ZQ_FileUtils::SafeDelete(ZQ_FileName(File));
  } catch (...) {
    // Clean-up after a failure must not hide the failure.
  }
}

}  // namespace

void ZQF_DevelopmentSupport_DeleteFilesInDirectory(const ZQ_String& DirectoryName) {
  ZQ_ASSERT_TEXT(!DirectoryName.IsEmpty(), "DirectoryName.IsNotNull()");
  if (DirectoryName.IsEmpty()) return;
  auto files = ZQ_GetFilenameIterator(DirectoryName, "*", ZQ_FilenameIterator_FilesOnly);
  for (; files.IsValid(); files.Advance()) ZQ_FileUtils::SafeDelete(files->GetFileName());
}

void ZQF_DevelopmentSupportManager::ChangeToHomeDirectory() {
  ZQ_FileUtils::SetCurrentDirectoryA(GetHomeDirectory());
}

void ZQF_DevelopmentSupportManager::ChangeToReleaseDirectory() {
  ZQ_FileUtils::SetCurrentDirectoryA(GetReleaseDirectory());
}

void ZQF_DevelopmentSupportManager::DeleteReleaseDirectory() {
  ZQ_ProgressReportService_Task task("Deleting release directory", 0);
  ChangeToHomeDirectory();
  ZQ_FileUtils::SafeDelete(GetReleaseDirectory());
}

void ZQF_DevelopmentSupportManager::WriteReleaseFileList(ZQ_TextStreamFormatter* Out) {
  WriteExecutableFileEntry(Out);
  WriteReadMeFileEntry(Out);
  WriteVersionHistoryFileEntry(Out);
  WriteDocumentationFileEntry(Out);
  WriteLocaleFileEntries(Out);
}

void ZQF_DevelopmentSupportManager::WriteExecutableFileEntry(ZQ_TextStreamFormatter* Out) {
  *Out << GetApplicationName() << ".exe\n";
}
void ZQF_DevelopmentSupportManager::WriteReadMeFileEntry(ZQ_TextStreamFormatter* Out) {
  *Out << GetReadMeFileName() << "\n";
}
void ZQF_DevelopmentSupportManager::WriteVersionHistoryFileEntry(ZQ_TextStreamFormatter* Out) {
  *Out << GetVersionHistoryFileName() << "\n";
}
void ZQF_DevelopmentSupportManager::WriteDocumentationFileEntry(ZQ_TextStreamFormatter* Out) {
  *Out << "Documentation\\*\n";
}

void ZQF_DevelopmentSupportManager::WriteLocaleFileEntries(ZQ_TextStreamFormatter* Out) {
  const ZQ_String locale = GetLocaleDirectoryName();
  const ZQ_String application = GetApplicationName();
  *Out << locale << "\\" << application << ZQ_Internationalization_GetLanguageTemplateFileExtension()
       << "\n";
  auto folders = ZQ_GetFilenameIterator(GetReleaseSourceDirectory() + locale + "\\",
                                        ZQ_Internationalization_GetLocaleImplementationDirectoryPrefix() + "*",
                                        ZQ_FilenameIterator_DirectoriesOnly);
  for (; folders.IsValid(); folders.Advance())
    *Out << locale << "\\" << folders->GetFileName().GetFileName() << "\\" << application
         << ZQ_Internationalization_GetSystemLanguageFileSuffix()
         << ZQ_Internationalization_GetLanguageImplementationFileExtension() << "\n";
}

void ZQF_DevelopmentSupportManager::CopyFilesToReleaseDirectory() {
  ZQ_StringStream list;
  WriteReleaseFileList(&list);
  const ZQ_String text = list;
  ZQ_ReadOnlyIterator<ZQ_String> lines = ZQ_GetStringLineIterator(text, '\n', 1);
  ZQ_ProgressReportService_Task task("Copying files to release directory",
                                     ZQ_CountElements(lines));
  for (; lines.IsValid(); lines.Advance()) {
    CopyToReleaseDirectory(*lines);
    task.Step();
  }
}

void ZQF_DevelopmentSupportManager::CopyToReleaseDirectory(ZQ_String Pattern) {
  CopyFiles(Pattern, GetReleaseSourceDirectory(), GetReleaseDirectory());
}

void ZQF_DevelopmentSupportManager::CopyFiles(ZQ_String Pattern, ZQ_String FromDir,
                                              ZQ_String ToDir) {
  const int separator = std::max(Pattern.FindLast('\\'), Pattern.FindLast('/'));
  if (separator >= 0) {
    auto appendSeparator = [](ZQ_String& Dir) {
      if (!Dir.IsEmpty() && Dir.GetLastChar() != '\\' && Dir.GetLastChar() != '/') Dir += '\\';
    };
    appendSeparator(FromDir);
    appendSeparator(ToDir);
    const ZQ_String folder = Pattern.GetLeft(separator + 1);
    FromDir += folder;
    ToDir += folder;
    Pattern = Pattern.GetRight(Pattern.GetLength() - separator - 1);
  }
  auto files = ZQ_GetFilenameIterator(FromDir, Pattern, ZQ_FilenameIterator_FilesOnly);
  ZQ_ProgressReportService_Task task("Copying " + Pattern + " from " + FromDir + " to " + ToDir,
                                     ZQ_CountElements(files));
  for (; files.IsValid(); files.Advance()) {
    ZQ_FileUtils::SafeCopy(files->GetFileName(), ZQ_FileName(ToDir + files->GetFileName().GetFileName()));
    task.Step();
  }
}

void ZQF_DevelopmentSupportManager::UpdateInstallationFile() {
  ZQ_ProgressReportService_Task task("Updating installation file", 0);
  ChangeToReleaseDirectory();
  const ZQ_String zipFile = CreateDistributionZipFile();
  const ZQ_String installProgram = GetInstallProgramName();
  try {
    CreateSelfExtractingInstallationFile(zipFile, installProgram);
    ZQ_FileUtils::SafeCopy(ZQ_FileName(installProgram), GetWebReleaseFileName(installProgram));
  } catch (...) {
    DeleteQuietly(zipFile);
    DeleteQuietly(installProgram);
    throw;
  }
  ZQ_FileUtils::SafeDelete(ZQ_FileName(zipFile));
  ZQ_FileUtils::SafeDelete(ZQ_FileName(installProgram));
}

ZQ_String ZQF_DevelopmentSupportManager::CreateDistributionZipFile() {
  ZQ_ProgressReportService_Task task("Creating distribution zip file", 0);
  try {
    RunOutsideProgram(GetSettings().ZipProgram, ZQ_String("-rP ") + kZipFileName + " *");
  } catch (...) {
    DeleteQuietly(kZipFileName);
    throw;
  }
  return kZipFileName;
}

ZQ_String ZQF_DevelopmentSupportManager::GetSelfExtractorResponseText() {
  ZQ_String response = "-win32\n-d " + GetDefaultInstallDirectory() + "\n-st \"Installing " +
                       GetApplicationName() + "\"\n";
  if (ZQ_FileUtils::FileExists(GetMainIconFileName()))
    response += "-i \"" + GetMainIconFileName() + "\"\n";
  return response + "-overwrite\n";
}

void ZQF_DevelopmentSupportManager::CreateSelfExtractingInstallationFile(ZQ_String ZipFile,
                                                                         ZQ_String InstallProgram) {
  ZQ_ProgressReportService_Task task("Creating self-extracting installation file", 0);
  const ZQ_String response = GetSelfExtractorResponseText();
  ZQ_FileName executable(ZipFile);
  executable.SetExtension("exe", ZQ_FileName::SetMode_Replace);
  const ZQ_String executableName = executable.GetPathName();
  try {
    ZQ_SaveStringAsFile(response, kResponseFileName);
    RunOutsideProgram(GetSettings().SelfExtractorProgram,
                      ZipFile + " @" + kResponseFileName);
    ZQ_FileUtils::SafeCopy(executable, ZQ_FileName(InstallProgram));
  } catch (...) {
    DeleteQuietly(ZipFile);
    DeleteQuietly(executableName);
    DeleteQuietly(kResponseFileName);
    throw;
  }
  ZQ_FileUtils::SafeDelete(ZQ_FileName(ZipFile));
  ZQ_FileUtils::SafeDelete(executable);
  ZQ_FileUtils::SafeDelete(ZQ_FileName(kResponseFileName));
}
