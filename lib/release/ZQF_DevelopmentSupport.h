// ZQF_DevelopmentSupport.h: the release support tool. Started with the
// command-line element "-DevelopmentSupport release" (any letter case), it
// turns the build of an application into one published release at stage 6
// and ends the program: build numbers, version history, release folder, zip
// archive and installer, web release folder, user's guides, source archive,
// released web templates and the notification e-mail.
//
// The run creates its manager through ZQF_DevelopmentSupport_CreateManager;
// every step is a virtual operation of ZQF_DevelopmentSupportManager, so a
// subclass (a test's sandbox) can move folders or skip steps. Failures are
// ZQ_Exceptions (a failing step, outside program or file) and end the run
// with "DevelopmentSupportErrorReport.txt" beside the executable. The text
// work on whole texts (build numbers, history) is also offered as free
// functions. UI thread only; outside programs run one at a time.
#ifndef ZQF_DEVELOPMENTSUPPORT_H
#define ZQF_DEVELOPMENTSUPPORT_H

#include "ZQ_FileName.h"
#include "ZQ_Map.h"
#include "ZQ_String.h"
#include "ZQ_URI.h"

class ZQ_RegistryFolder;
class ZQ_TextStreamFormatter;
class ZQXML_Tree;
class ZQFO_Document;

// ---- Text work on whole texts ----

// Modes of ZQF_DevelopmentSupport_ProcessBuildNumber; other values only read.
const int ZQF_DevelopmentSupport_ReadBuildNumber = 0;
const int ZQF_DevelopmentSupport_RaiseBuildNumber = 1;

// Finds the first "#define " + Prefix + "BuildNumber" in Text (exact bytes),
// skips the spaces, tabs and line ends after it and reads the run of
// "+-.0-9Ee" there as a decimal 32-bit number, which it returns. Mode 1 also
// replaces that run by the number + 2; every other byte of Text stays.
// Throws ZQ_Exception named "Release Failed" when Text has no definition or
// the raised number would not fit 32 bits, and the conversion's ZQ_Exception
// when no whole number follows the key ("AppBuildNumberOld 3", "57.5").
// Text is unchanged whenever it throws.
long ZQF_DevelopmentSupport_ProcessBuildNumber(ZQ_String& Text, const ZQ_String& Prefix, int Mode);

// True when Line begins with "Version " (exact bytes).
bool ZQF_DevelopmentSupport_IsVersionLine(const ZQ_String& Line);

// Rewrites the version history Text for the version VersionString and
// returns the new version's change list ("what is new"):
// - lines end at LF, CR LF or a lone CR and come back with LF; a line is
//   blank when it holds nothing but spaces (a tab is content);
// - the leading blank lines, the title block and the blank lines below it
//   stay; a history whose first non-blank line is a "Version " line has no
//   title;
// - the "Version " heading block that follows (its non-blank lines and the
//   blank lines after them) is removed and written to the debugging log;
// - "Version " + VersionString and one empty line take its place; the rest
//   follows unchanged, its last line without a line end;
// - the change list is the rest up to the next "Version " line, each line
//   without as many leading characters as the first one has leading spaces
//   (a shorter line whole), trailing blanks and line ends trimmed.
ZQ_String ZQF_DevelopmentSupport_UpdateHistoryText(ZQ_String& Text, const ZQ_String& VersionString);
// The same with the new heading's lines (each ended by "\n") given whole:
// the manager's WriteVersionLine writes them.
ZQ_String ZQF_DevelopmentSupport_UpdateHistoryTextWithHeading(ZQ_String& Text, const ZQ_String& Heading);

// The copyright notice put on top of released source files:
// "/*  Copyright (c) " + FirstYear [+ "-" + ThisYear when they differ] +
// ", " + Holder + "  */" + LineEnd.
ZQ_String ZQF_DevelopmentSupport_FormatCopyrightNotice(const ZQ_String& FirstYear, int ThisYear,
                                                       const ZQ_String& Holder,
                                                       const ZQ_String& LineEnd);

// ---- Settings ----

// The developer's machine, read from the settings file's folder
// "NamedTopics\DevelopmentSupport". Folders end with "\"; a folder without a
// drive letter is completed against the home folder when the run starts.
struct ZQF_DevelopmentSupportSettings {
  ZQ_String LibraryDirectory;      // required: the library's source folder
  ZQ_String WebTemplateDirectory;  // required: receives the released templates
  ZQ_String WebSiteDirectory;      // required: the local copy of the web site
  ZQ_String CopyrightFirstYear;    // required
  ZQ_String CopyrightHolder;       // required
  ZQ_String TouchProgram;          // required while the source is released
  ZQ_String ZipProgram = "wzzip.exe";
  ZQ_String SelfExtractorProgram = "\\program files (x86)\\WinZip Self-Extractor\\wzipse32.exe";
  ZQ_String DesktopDirectory;      // empty: the user's desktop folder
  double PDFWaitSeconds = 120;
};

// Reads the settings from Folder. Throws ZQ_Exception "Release Failed"
// naming the first required key that is missing or empty ("TouchProgram"
// only when IsSourceReleased).
ZQF_DevelopmentSupportSettings ZQF_DevelopmentSupport_ReadSettings(const ZQ_RegistryFolder& Folder,
                                                                   bool IsSourceReleased);

// ---- The run ----

// Starts the run at stage 6 when the element's parameter is "release" in
// any letter case; any other stage or parameter does nothing.
void ZQF_DevelopmentSupport_InitializationServiceCallback(int Stage);

// One release run (Mode 0, the only mode; another fails the assertion
// "false"). Deletes an old error report, creates the manager, releases,
// writes the error report on failure and sets the program's exit code to 1
// for it. Never returns: it ends by throwing
// ZQ_CancelCurrentOperationException, which ends the program quietly.
void ZQF_DevelopmentSupport_Run(long Mode);

// The report that a failed run leaves beside the executable.
ZQ_FileName ZQF_DevelopmentSupport_GetErrorReportFileName();

class ZQF_DevelopmentSupportManager;
using ZQF_DevelopmentSupport_ManagerFactory = ZQF_DevelopmentSupportManager* (*)();
// Returns new ZQF_DevelopmentSupportManager.
ZQF_DevelopmentSupportManager* ZQF_DevelopmentSupport_CreateDefaultManager();
// The run creates its manager only through this pointer (tests change it).
extern ZQF_DevelopmentSupport_ManagerFactory ZQF_DevelopmentSupport_CreateManager;

// Seams of the user's guide conversions. The guide is the help module's
// formatting document (ZQF_Help_GetHelpFormattingDoc) unless a program
// registers a getter of its own. The print function defaults to
// ZQFO_PrintDocument with its dialog; tests install one that writes the PDF
// themselves.
using ZQF_DevelopmentSupport_HelpDocumentGetter = const ZQFO_Document& (*)();
using ZQF_DevelopmentSupport_PrintFunction = void (*)(const ZQFO_Document& Document);
void ZQF_DevelopmentSupport_SetHelpDocumentGetter(ZQF_DevelopmentSupport_HelpDocumentGetter Getter);
ZQF_DevelopmentSupport_PrintFunction ZQF_DevelopmentSupport_SetPrintFunction(
    ZQF_DevelopmentSupport_PrintFunction Print);
// The message box before printing; tests answer it. Returns the one replaced.
using ZQF_DevelopmentSupport_MessageFunction = void (*)(const ZQ_String& Text, const ZQ_String& Title);
ZQF_DevelopmentSupport_MessageFunction ZQF_DevelopmentSupport_SetMessageFunction(
    ZQF_DevelopmentSupport_MessageFunction Show);

// ---- The manager ----

// One release. A is the application name (application metrics, exactly as
// stored). Directories end with "\". Every step opens its own progress task.
class ZQF_DevelopmentSupportManager {
 public:
  struct ReleaseWebTemplateFileOptions {
    bool IsSelfContainedDocument = false;  // true only for the user's guide
    ZQ_String TitlePrefix;                 // before section titles
    ZQ_String WebFileNamePrefix;           // before the sections' web file names
  };

  ZQF_DevelopmentSupportManager();
  ZQF_DevelopmentSupportManager(const ZQF_DevelopmentSupportManager&) = delete;
  ZQF_DevelopmentSupportManager& operator=(const ZQF_DevelopmentSupportManager&) = delete;

  // Virtual operations in slot order.
  virtual ~ZQF_DevelopmentSupportManager();
  virtual ZQ_String GetHomeDirectory();
  virtual ZQ_String GetReleaseDirectory();  // home + "..\Release\"
  virtual ZQ_String GetSourceDirectory();   // home + "source\"
  virtual ZQ_String GetDocsDirectory();     // source + "docs\"
  virtual ZQ_String GetIconsDirectory();    // source + "icons\"
  virtual ZQ_String GetLibraryDirectory();
  virtual ZQ_String GetLibraryDocsDirectory();
  virtual ZQ_String GetWebTemplateDirectory();
  virtual ZQ_String GetWebSiteDirectory();
  virtual ZQ_String GetUsersGuideFileName();                 // docs + A + " Users Guide.rxl"
  virtual ZQ_String GetRequiredHardDriveSpaceTextFileName();  // docs + A + "_RequiredHardDriveSpace_Text.rxl"
  virtual ZQ_String GetMainIconFileName();                   // icons + A + "_MainIcon.ico"
  virtual ZQ_String GetReadMeFileName();
  virtual ZQ_String GetVersionHistoryFileName();
  virtual ZQ_String GetTextUsersGuideFileName();  // A + "_users_guide.txt"
  virtual ZQ_String GetPDFUsersGuideFileName();   // A + "_users_guide.pdf"
  virtual void Release();
  virtual void ParseAppBuildNumber();
  virtual void UpdateHistoryFile();
  virtual void UpdateHistoryText(ZQ_String& Text);
  virtual bool IsVersionLine(const ZQ_String& Line);
  virtual void WriteVersionLine(ZQ_TextStreamFormatter* Out);
  virtual void RemoveOldWebReleaseDirectories();
  virtual void CreateWebReleaseDirectory();
  virtual ZQ_String GetWebReleaseDirectory();  // web site + release name + "\"
  virtual ZQ_String GetReleaseName();          // A + "_Build" + BuildNumber
  virtual ZQ_String GetBuildNamePrefix();      // A + "_Build"
  virtual void DeleteReleaseDirectory();
  virtual void CopyFilesToReleaseDirectory();
  virtual void WriteReleaseFileList(ZQ_TextStreamFormatter* Out);
  virtual ZQ_String GetReleaseSourceDirectory();
  virtual void WriteExecutableFileEntry(ZQ_TextStreamFormatter* Out);
  virtual void WriteReadMeFileEntry(ZQ_TextStreamFormatter* Out);
  virtual void WriteVersionHistoryFileEntry(ZQ_TextStreamFormatter* Out);
  virtual void WriteDocumentationFileEntry(ZQ_TextStreamFormatter* Out);
  virtual void WriteLocaleFileEntries(ZQ_TextStreamFormatter* Out);
  virtual ZQ_String GetLocaleDirectoryName();
  virtual bool KeepReleaseDirectory();  // false
  virtual void UpdateInstallationFile();
  virtual ZQ_String GetInstallProgramName();  // "Install_" + A + ".exe"
  virtual ZQ_String CreateDistributionZipFile();
  virtual ZQ_String GetDefaultInstallDirectory();  // "c:\" + A
  virtual void CreateSelfExtractingInstallationFile(ZQ_String ZipFile, ZQ_String InstallProgram);
  virtual void CopyReadMeFileToWebSite();
  virtual void CopyHistoryFileToWebSite();
  virtual void CopyUsersGuideToWebSite();
  virtual bool ShouldReleaseSourceCode();  // true
  virtual void ReleaseSourceCode();
  virtual ZQ_String GetSourceZipFileName();  // A + "Source.zip"
  virtual void ProcessSourceFile(const ZQ_FileName& File, bool IsApplicationFile);
  virtual void AddCopyrightNotice(ZQ_String& Text, bool IsApplicationFile);
  virtual ZQ_String GetCopyrightNotice(bool IsApplicationFile);
  virtual ZQ_String FormatCopyrightNotice(const ZQ_String& FirstYear, const ZQ_String& Holder);
  virtual void ExpandTabsForFileType(ZQ_String& Text, const ZQ_String& Extension);
  virtual void UpdateWebPage();
  virtual void DeleteReleasedWebTemplateFiles();
  virtual void WriteSynthesizedReleasedWebTemplateFiles();
  virtual void ReleaseDocumentWebTemplates();
  virtual void CreateReleaseNotificationEmail();
  virtual ZQ_String GetReleaseNotificationEmailTemplateFileName();
  virtual void IncrementAppBuildNumber();
  virtual ZQ_String GetAppVersionHeaderFileName();  // source + A + "_Version.h"
  virtual void IncrementAppBuildNumberInText(ZQ_String& Text);
  virtual void IncrementLibraryBuildNumber();
  virtual ZQ_String GetLibraryInfoFileName();  // library + "ZQ_LibraryInfo.cpp"
  virtual void IncrementLibraryBuildNumberInText(ZQ_String& Text);

  // ---- Non-virtual ----
  ZQ_String GetApplicationName() const;
  ZQ_String GetVersionString() const;
  void SetBuildNumber(long Number) { BuildNumber = Number; }
  // Asserts "BuildNumber > 0" (a "Release Failed" ZQ_Exception whatever the
  // assertion mode).
  long GetBuildNumber() const;
  const ZQ_String& GetWhatIsNew() const { return WhatIsNew; }

  // The settings; until set, Release reads them from the settings file.
  // Setting them completes their folders against the home folder.
  void SetSettings(const ZQF_DevelopmentSupportSettings& NewSettings);
  const ZQF_DevelopmentSupportSettings& GetSettings() const { return Settings; }

  // Mode 0 reads BuildNumber; mode 1 raises the number in Text by 2.
  void ProcessBuildNumber(ZQ_String& Text, const ZQ_String& Prefix, int Mode);

  // Folders and copies (release folder, source release).
  void ChangeToHomeDirectory();
  void ChangeToReleaseDirectory();
  void CopyToReleaseDirectory(ZQ_String Pattern);
  // Files (no folders, no recursion) of FromDir matching the file part of
  // Pattern (comma alternatives); a folder part before the later of the last
  // "\" and "/" is added to both folders. Copies overwrite.
  void CopyFiles(ZQ_String Pattern, ZQ_String FromDir, ZQ_String ToDir);
  // Runs Program with Arguments (both quoted where they hold a blank) in the
  // current folder; a start failure or an exit code other than 0 throws
  // "Release Failed" naming the command line, the code and the folder.
  void RunOutsideProgram(const ZQ_String& Program, const ZQ_String& Arguments);

  // The self-extractor's response file: "-win32", "-d " + the install
  // folder, "-st" and the title, "-i" and the main icon when it exists,
  // "-overwrite", each ended by "\n".
  ZQ_String GetSelfExtractorResponseText();

  // Web release.
  ZQ_String GetReleasedWebTemplatePrefix();  // lower(A) + "_released_"
  void WriteReleasedWebTemplateFile(const ZQ_String& Name, const ZQ_String& Text);
  void WriteLinkWebTemplateFile(ZQ_String Name, ZQ_String LinkText, ZQ_String Target,
                                ZQ_String Folder);
  void WriteSizeWebTemplateFile(const ZQ_String& Name, const ZQ_FileName& File);
  void ReleaseUsersGuideWebTemplates();
  void ReleaseRequiredHardDriveSpaceWebTemplate();
  // Where released templates are written: the web template folder, or the
  // staging folder while steps 12 and 13 run.
  ZQ_String GetReleasedWebTemplateOutputDirectory();
  // Lower-cased web release folder + Name.
  ZQ_FileName GetWebReleaseFileName(const ZQ_String& Name);

  // User's guide.
  void CreateTextVersionOfDocument(const ZQFO_Document& Document, const ZQ_FileName& File);
  void CreatePDFVersionOfDocument(const ZQFO_Document& Document, const ZQ_FileName& File);

  // Web templates.
  ZQ_FileName ReleaseWebTemplateFile(ZQ_URI SrcURI, const ReleaseWebTemplateFileOptions& Options);
  ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> GetBaseURIs();
  ZQ_FileName GetReleasedFileName(ZQ_URI URI);
  void ProcessWebTemplateTree(ZQXML_Tree& Tree, const ReleaseWebTemplateFileOptions& Options);
  void RedirectImageReferences(ZQXML_Tree& Tree);
  void AddIdsToSections(ZQXML_Tree& Tree);
  void CreateSectionTitles(ZQXML_Tree& Tree, const ReleaseWebTemplateFileOptions& Options);

 private:
  void PrepareSettings();
  void PublishStagedWebTemplates(const ZQ_String& StagingDirectory);

  long BuildNumber = -999;
  ZQ_String WhatIsNew;
  ZQ_Map<ZQ_FileName, bool> ReleasedFiles{37};
  ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> BaseURIs;  // never valid until first use
  bool HasBaseURIs = false;
  ZQF_DevelopmentSupportSettings Settings;
  bool HasSettings = false;
  ZQ_String TemplateStagingDirectory;  // empty outside steps 12 and 13
  // Released sources by destination, to tell a second source of one name.
  ZQ_Map<ZQ_FileName, ZQ_String> ReleasedSources{37};
};

// The web file name of a section: letters, digits and "_" of Name,
// lower-cased, + ".htm".
ZQ_String ZQF_DevelopmentSupport_MakeSectionWebFileName(const ZQ_String& Name);

// Deletes every file (not the subfolders) of a folder; asserts
// "DirectoryName.IsNotNull()". No step calls it.
void ZQF_DevelopmentSupport_DeleteFilesInDirectory(const ZQ_String& DirectoryName);

#endif
