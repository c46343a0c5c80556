// ZQF_DevelopmentSupport_SourceRelease.cpp: the source archive: the
// application's and the library's sources copied to a work folder, private
// files removed, notices added, tabs expanded, times set, packed.
#include <string>

#include "ZQF_DevelopmentSupport.h"
#include "ZQF_DevelopmentSupport_Imp.h"
#include "ZQF_DevelopmentSupport_TabWidthParser.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_FilenameIterator.h"
#include "ZQ_ProgressReportService.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

const char kProjectFilePatterns[] = "*.mak,*.zqdevprj";
const char kPrivateFilePattern[] = "*Extension_Private*";
const char kSourceFilePatterns[] = "*.cpp,*.cc,*.h";

// The line end the file's first line uses, so the notice matches it.
ZQ_String GetLineEnd(const ZQ_String& Text) {
  const int feed = Text.Find('\n');
  return feed > 0 && Text[feed - 1] == '\r' ? "\r\n" : "\n";
}

}  // namespace

ZQ_String ZQF_DevelopmentSupport_FormatCopyrightNotice(const ZQ_String& FirstYear, int ThisYear,
                                                       const ZQ_String& Holder,
                                                       const ZQ_String& LineEnd) {
  const ZQ_String thisYear = std::to_string(ThisYear).c_str();
  ZQ_String years = FirstYear;
  if (thisYear != FirstYear) years += "-" + thisYear;
  return "/*  Copyright (c) " + years + ", " + Holder + "  */" + LineEnd;
}

ZQ_String ZQF_DevelopmentSupportManager::FormatCopyrightNotice(const ZQ_String& FirstYear,
                                                               const ZQ_String& Holder) {
  return ZQF_DevelopmentSupport_FormatCopyrightNotice(
      FirstYear, ZQ_Date::GetCurrentLocalDate().GetDMY().Year, Holder, ZQ_String());
}

// The flag does not change the notice: library and application files carry
// the same one.
ZQ_String ZQF_DevelopmentSupportManager::GetCopyrightNotice(bool) {
  return FormatCopyrightNotice(GetSettings().CopyrightFirstYear, GetSettings().CopyrightHolder);
}

void ZQF_DevelopmentSupportManager::AddCopyrightNotice(ZQ_String& Text, bool IsApplicationFile) {
  Text = GetCopyrightNotice(IsApplicationFile) + GetLineEnd(Text) + Text;
}

void ZQF_DevelopmentSupportManager::ExpandTabsForFileType(ZQ_String& Text,
                                                          const ZQ_String& Extension) {
  if (Extension.IsEmpty()) return;
  const ZQF_DevelopmentSupport_TabWidthParser* parser =
      ZQF_DevelopmentSupport_TabWidthParser::GetAssociatedParser(Extension);
  if (parser) Text = ZQF_DevelopmentSupport_TabWidthParser::ExpandTabs(parser, Text);
}

void ZQF_DevelopmentSupportManager::ProcessSourceFile(const ZQ_FileName& File,
                                                      bool IsApplicationFile) {
  ZQ_String text = ZQ_LoadFileIntoString(File);
  AddCopyrightNotice(text, IsApplicationFile);
  ZQ_String extension = File.GetExtension();
  if (extension.BeginsWith(".")) extension = extension.GetRight(extension.GetLength() - 1);
  ExpandTabsForFileType(text, extension);
  ZQ_SaveStringAsFile(text, File);
}

void ZQF_DevelopmentSupportManager::ReleaseSourceCode() {
  ZQ_ProgressReportService_Task task("Releasing source code", 0);
  const ZQ_String application = GetApplicationName();
  const ZQ_String workFolder =
      ZQ_FileUtils::GetTemporaryFileName("Source", "tmp", ZQ_FileUtils::GetTemporaryDirectory())
          .GetAbsolutePathName() +
      "\\";
  const ZQ_String root = workFolder + application + "Source\\";
  try {
    ZQ_FileUtils::SafeCopyDirectory(GetLibraryDirectory(), root + "ZQLib");
    ZQ_FileUtils::SafeCopyDirectory(GetSourceDirectory(), root + application);
    CopyFiles(kProjectFilePatterns, GetHomeDirectory(), root);

    auto privates = ZQ_GetFilenameIterator(root, kPrivateFilePattern, ZQ_FilenameIterator_Recursive);
    for (; privates.IsValid(); privates.Advance()) {
      const ZQ_String name = privates->GetFileName().GetPathName();
      // A folder listed earlier may have taken this entry with it.
      if (privates->IsDirectory() || ZQ_FileUtils::FileExists(name)) ZQ_FileUtils::SafeDelete(name);
    }

    const unsigned long sourceOptions = ZQ_FilenameIterator_Recursive | ZQ_FilenameIterator_FilesOnly;
    auto libraryFiles = ZQ_GetFilenameIterator(root + "ZQLib\\", kSourceFilePatterns, sourceOptions);
    auto applicationFiles =
        ZQ_GetFilenameIterator(root + application + "\\", kSourceFilePatterns, sourceOptions);
    ZQ_ProgressReportService_Task files(
        "Releasing source code - processing files",
        ZQ_CountElements(libraryFiles) + ZQ_CountElements(applicationFiles));
    for (; libraryFiles.IsValid(); libraryFiles.Advance()) {
      ProcessSourceFile(libraryFiles->GetFileName(), false);
      files.Step();
    }
    for (; applicationFiles.IsValid(); applicationFiles.Advance()) {
      ProcessSourceFile(applicationFiles->GetFileName(), true);
      files.Step();
    }
    {
      ZQ_TemporaryDirectoryChange inWorkFolder(workFolder);
      RunOutsideProgram(GetSettings().TouchProgram, "-D -s *");
    }
    ZQ_ProgressReportService_Task zip("Releasing source code - creating zip file", 0);
    {
      ZQ_TemporaryDirectoryChange inWorkFolder(workFolder);
      RunOutsideProgram(GetSettings().ZipProgram,
                        "-rP " + ZQF_DevelopmentSupport_Imp_Quote(GetSourceZipFileName()) + " " +
                            ZQF_DevelopmentSupport_Imp_Quote(application + "Source\\*"));
      ZQ_FileUtils::SafeCopy(ZQ_FileName(workFolder + GetSourceZipFileName()),
                             GetWebReleaseFileName(GetSourceZipFileName()));
    }
  } catch (...) {
    // The work folder holds only copies.
    try {
      ZQ_FileUtils::SafeRemoveDirectory(workFolder);
    } catch (...) {
    }
    throw;
  }
  ZQ_FileUtils::SafeRemoveDirectory(workFolder);
}
