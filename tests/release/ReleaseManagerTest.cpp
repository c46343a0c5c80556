#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ReleaseTestSupport.h"
#include "ZQF_DevelopmentSupport.h"
#include "ZQXML_Node.h"
#include "ZQXML_Reader.h"
#include "ZQZipFormat.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_CommandLine.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_Exception.h"
#include "ZQ_Numeric.h"
#include "ZQ_Process.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

class CalcMetrics : public ZQ_ApplicationMetrics {
 public:
  ZQ_String GetApplicationName() const override { return "Calc"; }
  ZQ_String GetVersionString() const override { return "2.4"; }
};

// The manager of a scratch tree: its home is Root + "home\".
class SandboxManager : public ZQF_DevelopmentSupportManager {
 public:
  explicit SandboxManager(const ZQ_String& Home) : Home(Home) {}
  ZQ_String GetHomeDirectory() override { return Home; }
  ZQ_String Home;
};

const char kGuide[] =
    "<section webpagetype='contents'><title>Calc</title>\n"
    "<section id='intro'><title>Getting\n  Started</title><para><img src='logo.png'/></para></section>\n"
    "<section type='appendix'><title>Keys</title><para><img src='logo.png'/></para></section>\n"
    "<section webname='Getting Started!'><title>More</title><para><img src='logo.png'/>"
    "<img src='intres:ZQF_QuestionBitmap'/></para></section>\n"
    "</section>\n";

// A home, a library, a web site with an old build, web templates with an
// old release, a desktop.
class ReleaseManager : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    Write("home\\Calc.exe", "MZ calc");
    Write("home\\ReadMe_Calc.txt", "read me");
    Write("home\\Calc_VersionHistory.txt", "Calc\n\nVersion 2.4 (in progress)\n\n  - <faster>\n\nVersion 2.3\n");
    Write("home\\Documentation\\manual.txt", "manual");
    Write("home\\Documentation\\deeper\\not.txt", "not copied");
    Write("home\\Calc.mak", "all:\n");
    Write("home\\source\\Calc_Version.h", "#define AppBuildNumber 57\n");
    Write("home\\source\\main.cpp", "int a;\t// x\nlong bb;\t// y\r\n");
    Write("home\\source\\Calc.rc", "tab\there");
    Write("home\\source\\Extension_Private_Codes.h", "secret");
    Write("home\\source\\Extension_Private\\x.cpp", "secret");
    Write("home\\source\\icons\\Calc_MainIcon.ico", "icon");
    Write("home\\source\\docs\\Calc Users Guide.rxl", kGuide);
    Write("home\\source\\docs\\logo.png", "png bytes");
    Write("lib\\ZQ_LibraryInfo.cpp", "#define LibraryBuildNumber 1\n");
    Write("lib\\core\\a.h", "int\tb;\n");
    Write("lib\\docs\\ZQ_ReleaseNotificationEmail.rxl",
          "<section><title>Calc released</title>&what_is_new;</section>");
    Write("web\\calc_build55\\install_calc.exe", "old");
    Write("templates\\calc_released_version.rxl", "2.3");
    Write("templates\\other.rxl", "other");
    ZQ_FileUtils::SafeCreateDirectory(Root + "desktop");
  }

  ZQF_DevelopmentSupportSettings MakeSettings() {
    ZQF_DevelopmentSupportSettings settings;
    settings.LibraryDirectory = Root + "lib\\";
    settings.WebTemplateDirectory = Root + "templates\\";
    settings.WebSiteDirectory = Root + "web\\";
    settings.DesktopDirectory = Root + "desktop\\";
    settings.CopyrightFirstYear = "2001";
    settings.CopyrightHolder = "Calc Makers";
    settings.ZipProgram = ZQ_RELEASE_TOOLS_DIR "/ZQZip.exe";
    settings.TouchProgram = ZQ_RELEASE_TOOLS_DIR "/ZQTouch.exe";
    settings.SelfExtractorProgram = ZQ_RELEASE_TOOLS_DIR "/ZQSelfExtractor.exe";
    return settings;
  }
  std::unique_ptr<SandboxManager> MakeManager() {
    auto manager = std::make_unique<SandboxManager>(Root + "home\\");
    manager->SetSettings(MakeSettings());
    return manager;
  }

  static long CountWorkFolders() {
    return ZQ_CountElements(ZQ_GetFilenameIterator(ZQ_FileUtils::GetTemporaryDirectory(), "Source*.tmp", 0));
  }

  CalcMetrics Metrics;
};

TEST_F(ReleaseManager, NamesDeriveFromTheApplicationAndTheBuild) {
  auto m = MakeManager();
  EXPECT_THROW(m->GetBuildNumber(), ZQ_Exception) << "not read yet";
  m->SetBuildNumber(57);
  const ZQ_String home = Root + "home\\";
  const struct {
    ZQ_String got, want;
  } kCases[] = {
      {m->GetReleaseName(), "Calc_Build57"},
      {m->GetInstallProgramName(), "Install_Calc.exe"},
      {m->GetDefaultInstallDirectory(), "c:\\Calc"},
      {m->GetSourceZipFileName(), "CalcSource.zip"},
      {m->GetUsersGuideFileName(), home + "source\\docs\\Calc Users Guide.rxl"},
      {m->GetReleaseDirectory(), home + "..\\Release\\"},
      {m->GetWebReleaseDirectory(), Root + "web\\Calc_Build57\\"},
      {m->GetReleasedWebTemplatePrefix(), "calc_released_"},
  };
  for (const auto& c : kCases) EXPECT_STREQ(c.got.GetText(), c.want.GetText());
  EXPECT_TRUE(m->ShouldReleaseSourceCode());
  EXPECT_FALSE(m->KeepReleaseDirectory());
}

TEST_F(ReleaseManager, SettingsNameTheMissingKeyAndFoldersBecomeFullPaths) {
  const char* kRequired[] = {"LibraryDirectory", "WebTemplateDirectory", "WebSiteDirectory",
                             "CopyrightFirstYear", "CopyrightHolder", "TouchProgram"};
  for (const char* missing : kRequired) {
    SCOPED_TRACE(missing);
    ZQ_RegistryFolder folder;
    for (const char* key : kRequired)
      if (ZQ_String(key) != missing) ZQ_SetString(folder, key, "x\\");
    try {
      ZQF_DevelopmentSupport_ReadSettings(folder, true);
      ADD_FAILURE() << "no failure";
    } catch (const ZQ_Exception& e) {
      EXPECT_TRUE(e.GetDescription().Contains(missing));
    }
    if (ZQ_String(missing) == "TouchProgram") {
      EXPECT_EQ(ZQF_DevelopmentSupport_ReadSettings(folder, false).PDFWaitSeconds, 120);
    }
  }
  auto m = MakeManager();
  ZQF_DevelopmentSupportSettings settings = MakeSettings();
  settings.LibraryDirectory = "\\lib";
  settings.WebSiteDirectory = "..\\web";
  m->SetSettings(settings);
  EXPECT_STREQ(m->GetLibraryDirectory().GetText(), (Root.GetLeft(2) + "\\lib\\").GetText())
      << "the home folder's drive, not the current one";
  EXPECT_STREQ(m->GetWebSiteDirectory().GetText(), (Root + "home\\..\\web\\").GetText());
}

// The element as the command line leaves it, then the stage callback.
class ReleaseStart : public ScratchFolderTest {
 protected:
  class CountingManager : public ZQF_DevelopmentSupportManager {
   public:
    void Release() override { ++s_numRuns; }
  };
  static ZQF_DevelopmentSupportManager* CountingFactory() { return new CountingManager; }
  void TearDown() override {
    ZQF_DevelopmentSupport_CreateManager = &ZQF_DevelopmentSupport_CreateDefaultManager;
    ZQ_FileUtils::SafeDelete(ZQF_DevelopmentSupport_GetErrorReportFileName());
    ScratchFolderTest::TearDown();
  }
  static ZQ_OneParameterFlagCommandLineElement* Element() {
    for (auto* e = ZQ_CommandLineElement::GetFirstElement(); e; e = e->GetNextElement()) {
      auto* flag = dynamic_cast<ZQ_OneParameterFlagCommandLineElement*>(e);
      if (flag && flag->GetFlagText() == "DevelopmentSupport") return flag;
    }
    return nullptr;
  }
  static int s_numRuns;
};
int ReleaseStart::s_numRuns = 0;

class FailingManager : public ZQF_DevelopmentSupportManager {
 public:
  void Release() override {
    if (s_throwLibraryException) throw ZQ_Exception("Bad Thing", "It broke.");
    throw 42;
  }
  static bool s_throwLibraryException;
};
bool FailingManager::s_throwLibraryException = true;

TEST_F(ReleaseStart, OnlyTheParameterReleaseInAnyCaseStartsTheRunAtStageSix) {
  ZQ_OneParameterFlagCommandLineElement* element = Element();
  ASSERT_NE(element, nullptr);
  ZQF_DevelopmentSupport_CreateManager = &CountingFactory;
  const struct {
    const char* parameter;  // nullptr: the element is absent ("-DevelopmentSupport-")
    int stage;
    bool starts;
  } kCases[] = {{"release", 6, true},   {"Release", 6, true}, {"RELEASE", 6, true},
                {"release2", 6, false}, {nullptr, 6, false},  {"release", 5, false},
                {"release", 7, false}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.parameter ? c.parameter : "absent") + " at " + std::to_string(c.stage));
    ZQ_CommandLineElement::TokenArray tokens(2);
    tokens[0].Text = c.parameter ? "-DevelopmentSupport" : "-DevelopmentSupport-";
    tokens[1].Text = c.parameter ? c.parameter : "";
    element->ParseTokens(tokens, 2, 0);
    s_numRuns = 0;
    if (c.starts)
      EXPECT_THROW(ZQF_DevelopmentSupport_InitializationServiceCallback(c.stage),
                   ZQ_CancelCurrentOperationException);
    else
      ZQF_DevelopmentSupport_InitializationServiceCallback(c.stage);
    EXPECT_EQ(s_numRuns, c.starts ? 1 : 0);
    EXPECT_FALSE(ZQ_FileUtils::FileExists(ZQF_DevelopmentSupport_GetErrorReportFileName()));
  }
}

TEST_F(ReleaseStart, AFailedRunLeavesItsReportAndASuccessfulOneRemovesIt) {
  const struct {
    ZQF_DevelopmentSupport_ManagerFactory factory;
    bool throwsLibraryException;
    const char* report;  // nullptr: none
  } kCases[] = {
      {[]() -> ZQF_DevelopmentSupportManager* { return new FailingManager; }, true,
       "Error occurred while releasing application\nBad Thing\nIt broke.\n"},
      {[]() -> ZQF_DevelopmentSupportManager* { return new FailingManager; }, false,
       "Unknown error occurred while releasing application\n"},
      {&CountingFactory, false, nullptr},
  };
  ZQ_SaveStringAsFile("old report", ZQF_DevelopmentSupport_GetErrorReportFileName());
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.report ? c.report : "success");
    ZQF_DevelopmentSupport_CreateManager = c.factory;
    FailingManager::s_throwLibraryException = c.throwsLibraryException;
    EXPECT_THROW(ZQF_DevelopmentSupport_Run(0), ZQ_CancelCurrentOperationException);
    const ZQ_FileName report = ZQF_DevelopmentSupport_GetErrorReportFileName();
    ASSERT_EQ(ZQ_FileUtils::FileExists(report), c.report != nullptr);
    if (c.report) {
      EXPECT_STREQ(ZQ_LoadFileIntoString(report).GetText(), c.report);
    }
  }
}

TEST_F(ReleaseManager, TheReleaseListNamesLocaleFilesOfEveryLocaleFolder) {
  const struct {
    std::vector<const char*> folders;
    const char* want;
  } kCases[] = {
      {{}, "Calc.exe\nReadMe_Calc.txt\nCalc_VersionHistory.txt\nDocumentation\\*\nLocale\\Calc.langtemplate\n"},
      {{"Locale_fr", "Other", "Locale_de"},
       "Calc.exe\nReadMe_Calc.txt\nCalc_VersionHistory.txt\nDocumentation\\*\nLocale\\Calc.langtemplate\n"
       "Locale\\Locale_de\\Calc_system.langimp\nLocale\\Locale_fr\\Calc_system.langimp\n"},
  };
  for (const auto& c : kCases) {
    for (const char* folder : c.folders) ZQ_FileUtils::SafeCreateDirectory(Root + "home\\Locale\\" + folder);
    Write("home\\Locale\\Locale_xx.txt", "a file, not a folder");
    ZQ_StringStream list;
    MakeManager()->WriteReleaseFileList(&list);
    // The locale folders come in the file system's order: sort those lines.
    std::vector<std::string> lines;
    std::string got = S(list);
    for (size_t at = 0, end; (end = got.find('\n', at)) != std::string::npos; at = end + 1)
      lines.push_back(got.substr(at, end + 1 - at));
    std::sort(lines.begin() + std::min<size_t>(5, lines.size()), lines.end());
    got.clear();
    for (const std::string& line : lines) got += line;
    EXPECT_EQ(got, c.want);
  }
}

TEST_F(ReleaseManager, CopyFilesTakesFilesOfOneFolderWithItsFolderPart) {
  auto m = MakeManager();
  const struct {
    const char* pattern;
    std::vector<std::string> want;  // below out\ afterwards
  } kCases[] = {
      {"Documentation\\*", {"Documentation\\", "Documentation\\manual.txt"}},
      {"source/Calc_*.h,*.rc", {"source\\", "source\\Calc.rc", "source\\Calc_Version.h"}},
      {"*.none", {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.pattern);
    m->CopyFiles(c.pattern, Root + "home", Root + "out");
    EXPECT_EQ(List("out"), c.want);
    ZQ_FileUtils::SafeDelete(Root + "out");
  }
}

TEST_F(ReleaseManager, CopyrightNoticesCarryTheYearsAndTheFilesLineEnd) {
  const struct {
    const char* first;
    int year;
    const char* lineEnd;
    const char* want;
  } kCases[] = {
      {"2001", 2026, "\n", "/*  Copyright (c) 2001-2026, Calc Makers  */\n"},
      {"2026", 2026, "\r\n", "/*  Copyright (c) 2026, Calc Makers  */\r\n"},
  };
  for (const auto& c : kCases)
    EXPECT_STREQ(ZQF_DevelopmentSupport_FormatCopyrightNotice(c.first, c.year, "Calc Makers", c.lineEnd).GetText(),
                 c.want);
  auto m = MakeManager();
  ZQ_String text = "/*  Copyright (c) 2001, X  */\r\nint a;\r\n";
  m->AddCopyrightNotice(text, false);
  EXPECT_TRUE(S(text).find("Calc Makers  */\r\n/*  Copyright (c) 2001, X  */\r\n") != std::string::npos)
      << "a second notice above the first";
}

TEST_F(ReleaseManager, OneReleaseGivesExactlyTheExpectedTree) {
  const long workFolders = CountWorkFolders();
  MakeManager()->Release();
  EXPECT_EQ(Read("home\\source\\Calc_Version.h"), "#define AppBuildNumber 59\n");
  EXPECT_EQ(Read("lib\\ZQ_LibraryInfo.cpp"), "#define LibraryBuildNumber 3\n");
  EXPECT_EQ(S(Read("home\\Calc_VersionHistory.txt")), "Calc\n\nVersion 2.4\n\n  - <faster>\n\nVersion 2.3");
  EXPECT_FALSE(ZQ_FileUtils::DirectoryExists(Root + "Release"));
  EXPECT_EQ(List("web"), (std::vector<std::string>{"calc_build57\\", "calc_build57\\calc_versionhistory.txt",
                                                   "calc_build57\\calcsource.zip",
                                                   "calc_build57\\install_calc.exe",
                                                   "calc_build57\\readme_calc.txt"}));
  EXPECT_EQ(List("templates"),
            (std::vector<std::string>{
                "calc_released_build.rxl", "calc_released_calcusersguide.rxl",
                "calc_released_installprogramlink.rxl", "calc_released_installprogramsize.rxl",
                "calc_released_intres_zqf_questionbitmap.png", "calc_released_logo.png",
                "calc_released_pdfusersguidelink.rxl", "calc_released_pdfusersguidesize.rxl",
                "calc_released_readmelink.rxl", "calc_released_releasedate.rxl",
                "calc_released_releasenotificationemail.rxl", "calc_released_sourcecodelink.rxl",
                "calc_released_sourcecodesize.rxl", "calc_released_textusersguidelink.rxl",
                "calc_released_textusersguidesize.rxl", "calc_released_version.rxl",
                "calc_released_versionhistorylink.rxl", "other.rxl"}));
  const auto size = [&](const char* Name) {
    return S(ZQ_FormatByteCount(ZQ_FileUtils::GetFileSize(Root + "web\\calc_build57\\" + Name)));
  };
  const struct {
    const char* name;
    std::string want;
  } kTemplates[] = {
      {"version", "2.4"},
      {"build", "57"},
      {"releasedate", S(ZQ_Date::GetCurrentLocalDate().Format("{Date}"))},
      {"readmelink", "[-defdefine linktext 'Calc ReadMe File'-]<link target='calc_build57/readme_calc.txt'>&linktext;</link>"},
      {"versionhistorylink", "[-defdefine linktext 'What&#39;s New?'-]<link target='calc_build57/calc_versionhistory.txt'>&linktext;</link>"},
      {"textusersguidelink", "[-defdefine linktext 'Download as Plain Text'-]<link target='calc_build57/calc_users_guide.txt'>&linktext;</link>"},
      {"pdfusersguidelink", "[-defdefine linktext 'Download as PDF File'-]<link target='calc_build57/calc_users_guide.pdf'>&linktext;</link>"},
      {"installprogramlink", "[-defdefine linktext 'Download Calc'-]<link target='calc_build57/install_calc.exe'>&linktext;</link>"},
      {"sourcecodelink", "[-defdefine linktext 'Download Calc Source Code'-]<link target='calc_build57/calcsource.zip'>&linktext;</link>"},
      {"installprogramsize", size("install_calc.exe")},
      {"textusersguidesize", "?????"},
      {"pdfusersguidesize", "?????"},
      {"sourcecodesize", size("calcsource.zip")},
  };
  for (const auto& t : kTemplates) {
    SCOPED_TRACE(t.name);
    std::string want = t.want;
    for (size_t at; (at = want.find(' ')) != std::string::npos && std::string(t.name).find("size") != std::string::npos;)
      want.replace(at, 1, "&nbsp;");
    EXPECT_EQ(S(Read(ZQ_String("templates\\calc_released_") + t.name + ".rxl")), want);
  }
  EXPECT_EQ(S(Read("templates\\calc_released_releasenotificationemail.rxl")),
            "<?xml version='1.0'?>\n<section><title>Calc released</title><pre>&#45; &#60;faster&#62;</pre></section>\n");

  // The installer holds the release list and the response file's settings;
  // the source archive the notices.
  ZQZip_InstallerSettings installer;
  ZQ_String archive;
  ZQZip_ReadInstaller(Read("web\\calc_build57\\install_calc.exe"), installer, archive);
  EXPECT_STREQ(installer.Title.GetText(), "Installing Calc");
  EXPECT_STREQ(installer.Folder.GetText(), "c:\\Calc");
  EXPECT_TRUE(installer.Overwrite);
  ASSERT_EQ(ZQ_ExecuteProcess("\"" + Root + "web\\calc_build57\\install_calc.exe\" -quiet -d \"" + Root +
                                  "installed\"",
                              ""),
            0);
  EXPECT_EQ(List("installed"), (std::vector<std::string>{"Calc.exe", "Calc_VersionHistory.txt", "Documentation\\",
                                                         "Documentation\\manual.txt", "ReadMe_Calc.txt"}));
  ZQZip_Reader source(Read("web\\calc_build57\\calcsource.zip"));
  std::vector<std::string> names;
  for (int i = 0; i < source.GetNumEntries(); ++i) names.push_back(S(source.GetEntry(i).Name));
  EXPECT_EQ(names, (std::vector<std::string>{
                       "CalcSource/Calc.mak", "CalcSource/Calc/Calc.rc", "CalcSource/Calc/Calc_Version.h",
                       "CalcSource/Calc/docs/Calc Users Guide.rxl", "CalcSource/Calc/docs/logo.png",
                       "CalcSource/Calc/icons/Calc_MainIcon.ico", "CalcSource/Calc/main.cpp",
                       "CalcSource/ZQLib/ZQ_LibraryInfo.cpp", "CalcSource/ZQLib/core/a.h",
                       "CalcSource/ZQLib/docs/ZQ_ReleaseNotificationEmail.rxl"}));
  const std::string notice =
      S(ZQF_DevelopmentSupport_FormatCopyrightNotice("2001", ZQ_Date::GetCurrentLocalDate().GetDMY().Year,
                                                     "Calc Makers", "\n"));
  const struct {
    const char* entry;
    std::string want;
  } kSources[] = {
      {"CalcSource/Calc/main.cpp", notice + "int a;   // x\nlong bb; // y\r\n"},
      {"CalcSource/ZQLib/core/a.h", notice + "int b;\n"},
      {"CalcSource/Calc/Calc.rc", "tab\there"},
  };
  for (const auto& c : kSources) {
    SCOPED_TRACE(c.entry);
    for (int i = 0; i < source.GetNumEntries(); ++i)
      if (S(source.GetEntry(i).Name) == c.entry) {
        EXPECT_EQ(S(source.Extract(i)), c.want);
      }
  }
  EXPECT_EQ(CountWorkFolders(), workFolders) << "the source release's work folder is gone";
}

TEST_F(ReleaseManager, AFailedReleaseLeavesThePreviousOneAsPublished) {
  const struct {
    const char* zipProgram;
    const char* emailTemplate;  // nullptr: removed
    const char* wantInDescription;
  } kCases[] = {
      {"missing.exe", "<section><title>x</title></section>", "missing.exe -rP temp.zip *"},
      {ZQ_RELEASE_TOOLS_DIR "/ZQTouch.exe", "<section><title>x</title></section>", "exit code 2"},
      {ZQ_RELEASE_TOOLS_DIR "/ZQZip.exe", nullptr, "ZQ_ReleaseNotificationEmail.rxl"},
  };
  const std::vector<std::string> web = List("web"), templates = List("templates");
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.wantInDescription);
    ZQ_FileUtils::SafeDelete(Root + "lib\\docs\\ZQ_ReleaseNotificationEmail.rxl");
    if (c.emailTemplate) Write("lib\\docs\\ZQ_ReleaseNotificationEmail.rxl", c.emailTemplate);
    auto m = MakeManager();
    ZQF_DevelopmentSupportSettings settings = MakeSettings();
    settings.ZipProgram = c.zipProgram;
    m->SetSettings(settings);
    try {
      m->Release();
      ADD_FAILURE() << "no failure";
    } catch (const ZQ_Exception& e) {
      EXPECT_STREQ(e.GetName().GetText(), "Release Failed");
      EXPECT_TRUE(e.GetDescription().Contains(c.wantInDescription)) << e.GetDescription().GetText();
    }
    EXPECT_EQ(Read("home\\source\\Calc_Version.h"), "#define AppBuildNumber 57\n");
    EXPECT_EQ(Read("lib\\ZQ_LibraryInfo.cpp"), "#define LibraryBuildNumber 1\n");
    EXPECT_EQ(List("templates"), templates);
    EXPECT_TRUE(Exists("web\\calc_build55\\install_calc.exe"));
    for (const std::string& name : List("Release"))
      EXPECT_TRUE(name.find("temp") == std::string::npos && name.find("TempRes") == std::string::npos) << name;
  }
}

TEST_F(ReleaseManager, ABuildNumberThatCannotBeRaisedFailsBeforeAnythingIsWritten) {
  for (const char* library : {"#define LibraryBuildNumber 2147483647\n", "no definition\n"}) {
    SCOPED_TRACE(library);
    Write("lib\\ZQ_LibraryInfo.cpp", library);
    const std::vector<std::string> before = List();
    EXPECT_THROW(MakeManager()->Release(), ZQ_Exception);
    EXPECT_EQ(List(), before);
  }
}

TEST_F(ReleaseManager, TheGuideIsReleasedWithItsImagesOnceNumberedTitlesAndIds) {
  auto m = MakeManager();
  m->SetBuildNumber(57);
  m->ReleaseUsersGuideWebTemplates();
  const ZQXML_Tree tree = ZQXML_Reader(ZQ_FileName(Root + "templates\\calc_released_calcusersguide.rxl")).Read();
  ZQXML_ReadOnlyNodeSequence sections = tree.GetRootNode()->SelectNodes(ZQXML_Axis_All, ZQXML_NodeType_Element, "section");
  ASSERT_EQ(sections.GetCount(), 4);
  const struct {
    const char* title;
    const char* tocname;
    const char* webfilename;
  } kSections[] = {
      {"Calc User's Guide, Chapter 1: Getting Started", "Chapter 1: Getting Started", "calc_usersguide_gettingstarted.htm"},
      {"Calc User's Guide, Appendix A: Keys", "Appendix A: Keys", "calc_usersguide_keys.htm"},
      {"Calc User's Guide, Chapter 2: More", "Chapter 2: Getting Started!", "calc_usersguide_gettingstarted.htm"},
  };
  for (int i = 0; i < 3; ++i) {
    const ZQXML_Node* section = sections[i + 1];
    SCOPED_TRACE(kSections[i].title);
    EXPECT_STREQ(section->FindChildElement("title")->GetFirstChild()->GetValue().GetText(), kSections[i].title);
    EXPECT_STREQ(section->GetAttributeValue("webtitle", "").GetText(), kSections[i].title);
    EXPECT_STREQ(section->GetAttributeValue("tocname", "").GetText(), kSections[i].tocname);
    EXPECT_STREQ(section->GetAttributeValue("webfilename", "").GetText(), kSections[i].webfilename);
  }
  EXPECT_STREQ(sections[1]->GetAttributeValue("id", "").GetText(), "intro") << "an id stays";
  const std::string first = S(sections[0]->GetAttributeValue("id", "")), next = S(sections[2]->GetAttributeValue("id", ""));
  ASSERT_TRUE(first.size() > 7 && first.substr(0, 4) == "Calc" && first.substr(first.size() - 3) == "_id") << first;
  EXPECT_EQ(std::stol(next.substr(4)), std::stol(first.substr(4)) + 1) << "one counter";
  ZQXML_ReadOnlyNodeSequence images = tree.GetRootNode()->SelectNodes(ZQXML_Axis_All, ZQXML_NodeType_Element, "img");
  ASSERT_EQ(images.GetCount(), 4);
  for (int i = 0; i < 3; ++i) EXPECT_STREQ(images[i]->GetAttributeValue("src", "").GetText(), "calc_released_logo.png");
  EXPECT_STREQ(images[3]->GetAttributeValue("src", "").GetText(), "calc_released_intres_zqf_questionbitmap.png");
  EXPECT_EQ(Read("templates\\calc_released_logo.png"), "png bytes");
  EXPECT_EQ(S(Read("templates\\calc_released_intres_zqf_questionbitmap.png")).substr(0, 4), "\x89PNG");
}

TEST_F(ReleaseManager, GuidesThatCannotStandAloneFailWithTheReason) {
  std::string deepNotes = "<section webpagetype='contents'><title>C</title>";
  for (int i = 0; i < 600; ++i) deepNotes += "<note>";
  for (int i = 0; i < 600; ++i) deepNotes += "</note>";
  deepNotes += "</section>";
  const struct {
    const char* guide;
    const char* extraFile;
    const char* wantInDescription;
  } kCases[] = {
      {"<section webpagetype='contents'><title>C</title><para><img src='gone.png'/></para></section>", "",
       "gone.png does not exist"},
      {"<section webpagetype='contents'><title>C</title><para><img src='logo.png'/><img src='sub/logo.png'/>"
       "</para></section>",
       "home\\source\\docs\\sub\\logo.png", "Two sources are released under one name, calc_released_logo.png"},
      {"<section><title>C</title></section>", "", "contents"},
      {deepNotes.c_str(), "",
       "Found an element nested more than 498 deep.\n\nThis error occurred at line 1 and column 3031"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.wantInDescription);
    Write("home\\source\\docs\\Calc Users Guide.rxl", c.guide);
    if (*c.extraFile) Write(c.extraFile, "another picture");
    auto m = MakeManager();
    m->SetBuildNumber(57);
    try {
      m->ReleaseUsersGuideWebTemplates();
      ADD_FAILURE() << "no failure";
    } catch (const ZQ_Exception& e) {
      EXPECT_TRUE(e.GetDescription().Contains(c.wantInDescription)) << e.GetDescription().GetText();
    }
  }
}

// A release without source code, and an application's own e-mail template.
class ReleaseWithoutSource : public SandboxManager {
 public:
  using SandboxManager::SandboxManager;
  bool ShouldReleaseSourceCode() override { return false; }
};

TEST_F(ReleaseManager, ASubclassMaySkipTheSourceAndBringItsOwnEmail) {
  Write("home\\source\\docs\\Calc_ReleaseNotificationEmail.rxl", "<section><title>Own</title></section>");
  ZQ_FileUtils::SafeDelete(Root + "home\\source\\icons\\Calc_MainIcon.ico");
  ReleaseWithoutSource m(Root + "home\\");
  m.SetSettings(MakeSettings());
  m.Release();
  EXPECT_EQ(S(Read("templates\\calc_released_sourcecodesize.rxl")), "?????");
  EXPECT_FALSE(Exists("web\\calc_build57\\calcsource.zip"));
  EXPECT_NE(S(Read("templates\\calc_released_releasenotificationemail.rxl")).find("Own"), std::string::npos);
  EXPECT_TRUE(Exists("web\\calc_build57\\install_calc.exe")) << "made without an icon";
}

class BigCalcMetrics : public CalcMetrics {
 public:
  ZQ_String GetApplicationName() const override { return "Big Calc"; }
};

TEST_F(ReleaseManager, AnApplicationNameWithABlankReachesTheOutsidePrograms) {
  BigCalcMetrics metrics;  // the current metrics while it lives
  Write("home\\source\\Big Calc_Version.h", "#define AppBuildNumber 7\n");
  Write("home\\Big Calc.exe", "MZ big");
  MakeManager()->Release();
  EXPECT_EQ(List("web\\big calc_build7"),
            (std::vector<std::string>{"big calcsource.zip", "install_big calc.exe"}));
  ZQZip_Reader source(Read("web\\big calc_build7\\big calcsource.zip"));
  EXPECT_STREQ(source.GetEntry(0).Name.GetText(), "Big CalcSource/Big Calc/Big Calc_Version.h");
}

TEST_F(ReleaseManager, TheResponseFileNamesTheIconOnlyWhenItExists) {
  const ZQ_String icon = Root + "home\\source\\icons\\Calc_MainIcon.ico";
  const std::string withIcon = "-win32\n-d c:\\Calc\n-st \"Installing Calc\"\n-i \"" + S(icon) + "\"\n-overwrite\n";
  EXPECT_EQ(S(MakeManager()->GetSelfExtractorResponseText()), withIcon);
  ZQ_FileUtils::SafeDelete(icon);
  EXPECT_EQ(S(MakeManager()->GetSelfExtractorResponseText()), "-win32\n-d c:\\Calc\n-st \"Installing Calc\"\n-overwrite\n");
}

class DatedHeadingManager : public SandboxManager {
 public:
  using SandboxManager::SandboxManager;
  void WriteVersionLine(ZQ_TextStreamFormatter* Out) override { *Out << "Version 2.4, May\n\n"; }
};

TEST_F(ReleaseManager, TheHistoryGetsTheHeadingThatWriteVersionLineWrites) {
  DatedHeadingManager m(Root + "home\\");
  ZQ_String history = "Calc\n\nVersion 2.4 (in progress)\n\n  - a\n";
  m.UpdateHistoryText(history);
  EXPECT_STREQ(history.GetText(), "Calc\n\nVersion 2.4, May\n\n  - a");
  EXPECT_STREQ(m.GetWhatIsNew().GetText(), "- a");
}

TEST_F(ReleaseManager, TheLibrarysEmailTemplateQuotesTheChangeList) {
  auto m = MakeManager();
  ZQF_DevelopmentSupportSettings settings = MakeSettings();
  settings.LibraryDirectory = ZQ_RELEASE_LIBRARY_DIR "\\";
  m->SetSettings(settings);
  ZQ_String history = "Calc\n\nVersion 2.4\n\n  - a & b\n";
  m->UpdateHistoryText(history);
  m->CreateReleaseNotificationEmail();
  EXPECT_NE(S(Read("templates\\calc_released_releasenotificationemail.rxl")).find("<pre>&#45; a &#38; b</pre>"),
            std::string::npos);
}

TEST_F(ReleaseManager, DeletingTheFilesOfAFolderKeepsItsSubfolders) {
  ZQF_DevelopmentSupport_DeleteFilesInDirectory(Root + "home\\Documentation\\");
  EXPECT_EQ(List("home\\Documentation"), (std::vector<std::string>{"deeper\\", "deeper\\not.txt"}));
  EXPECT_THROW(ZQF_DevelopmentSupport_DeleteFilesInDirectory(""), ZQ_Exception) << "DirectoryName.IsNotNull()";
}

}  // namespace
