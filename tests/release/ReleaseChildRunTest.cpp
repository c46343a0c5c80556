#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReleaseTestSupport.h"
#include "ZQ_Process.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_SettingsFile.h"

namespace {

// Calc copied into a scratch home, with the settings of a release beside it.
class ReleaseChildRun : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    ZQ_FileUtils::SafeCopy(ZQ_FileName(ZQ_RELEASE_CALC), ZQ_FileName(Root + "home\\Calc.exe"));
    Write("home\\source\\Calc_Version.h", "#define AppBuildNumber 57\n");
    Write("home\\source\\main.cpp", "int main() {}\n");
    Write("home\\ReadMe_Calc.txt", "read me");
    Write("home\\Documentation\\Calc Users Guide.rxl", "<section><title>Calc</title></section>");
    Write("lib\\ZQ_LibraryInfo.cpp", "#define LibraryBuildNumber 1\n");
    Write("lib\\docs\\ZQ_ReleaseNotificationEmail.rxl", "<section><title>Calc</title>&what_is_new;</section>");
    ZQ_FileUtils::SafeCreateDirectory(Root + "desktop");
    Write("home\\Calc_VersionHistory.txt", "Calc\n\nVersion 2.4 (in progress)\n\n  - faster\n");
    Write("web\\calc_build55\\install_calc.exe", "old");
    Write("templates\\calc_released_version.rxl", "2.3");
    Write("templates\\other.rxl", "other");
  }

  void WriteSettings(double PDFWaitSeconds, bool HasDesktop) {
    ZQ_RegistryFolder root;
    ZQ_RegistryFolder& folder = *root.GetFolder("NamedTopics")->GetFolder("DevelopmentSupport");
    const struct {
      const char* key;
      ZQ_String value;
    } kValues[] = {
        {"LibraryDirectory", Root + "lib\\"},
        {"WebTemplateDirectory", Root + "templates\\"},
        {"WebSiteDirectory", Root + "web\\"},
        {"DesktopDirectory", Root + "desktop\\"},
        {"CopyrightFirstYear", "2001"},
        {"CopyrightHolder", "Calc Makers"},
        {"ZipProgram", ZQ_RELEASE_TOOLS_DIR "/ZQZip.exe"},
        {"TouchProgram", ZQ_RELEASE_TOOLS_DIR "/ZQTouch.exe"},
        {"SelfExtractorProgram", ZQ_RELEASE_TOOLS_DIR "/ZQSelfExtractor.exe"},
    };
    for (const auto& v : kValues) ZQ_SetString(folder, v.key, v.value);
    if (!HasDesktop) folder.RemoveItem("DesktopDirectory");
    ZQ_SetDouble(folder, "PDFWaitSeconds", PDFWaitSeconds);
    ZQ_SaveSettingsFile(ZQ_FileName(Root + "home\\Calc.cfg"), root);
  }

  int RunCalc(const char* Arguments) {
    return ZQ_ExecuteProcess("\"" + Root + "home\\Calc.exe\" " + Arguments, Root + "home");
  }
};

TEST_F(ReleaseChildRun, AReleaseRunEndsTheProgramWithItsOutcome) {
  const struct {
    const char* arguments;
    double pdfWaitSeconds;
    int wantExitCode;
    bool hasDesktop;
    const char* wantReport;  // nullptr: none; else a part of it
    const char* why;
  } kCases[] = {
      {"-printmode cancel -DevelopmentSupport Release", 120, 1, true,
       "Unknown error occurred while releasing application\n", "a cancelled print dialog"},
      {"-printmode none -DevelopmentSupport release", 2, 1, true,
       "Error occurred while releasing application\nRelease Failed\nNo PDF file", "no PDF within the wait"},
      {"-printmode none -DevelopmentSupport release", 1, 1, false, "\\Desktop\\zqdev_temp.pdf",
       "the user's desktop by default"},
      {"-DevelopmentSupport release", 120, 0, true, nullptr, "a whole release"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    WriteSettings(c.pdfWaitSeconds, c.hasDesktop);
    EXPECT_EQ(RunCalc(c.arguments), c.wantExitCode);
    const bool hasReport = Exists("home\\DevelopmentSupportErrorReport.txt");
    ASSERT_EQ(hasReport, c.wantReport != nullptr);
    if (hasReport) {
      EXPECT_NE(S(Read("home\\DevelopmentSupportErrorReport.txt")).find(c.wantReport), std::string::npos)
          << S(Read("home\\DevelopmentSupportErrorReport.txt"));
      EXPECT_EQ(S(Read("home\\source\\Calc_Version.h")), "#define AppBuildNumber 57\n");
      EXPECT_FALSE(Exists("web\\calc_build57\\calc_users_guide.pdf"));
    }
  }
  EXPECT_EQ(List("web"), (std::vector<std::string>{"calc_build57\\", "calc_build57\\calc_users_guide.pdf",
                                                   "calc_build57\\calc_users_guide.txt",
                                                   "calc_build57\\calc_versionhistory.txt",
                                                   "calc_build57\\calcsource.zip",
                                                   "calc_build57\\install_calc.exe",
                                                   "calc_build57\\readme_calc.txt"}));
  EXPECT_EQ(S(Read("web\\calc_build57\\calc_users_guide.pdf")).substr(0, 5), "%PDF-");
  EXPECT_NE(S(Read("web\\calc_build57\\calc_users_guide.txt")).find("Calc adds numbers."), std::string::npos);
  EXPECT_EQ(S(Read("home\\source\\Calc_Version.h")), "#define AppBuildNumber 59\n");
  EXPECT_EQ(S(Read("lib\\ZQ_LibraryInfo.cpp")), "#define LibraryBuildNumber 3\n");
  EXPECT_FALSE(ZQ_FileUtils::DirectoryExists(Root + "Release"));
  EXPECT_EQ(S(Read("home\\Calc_VersionHistory.txt")), "Calc\n\nVersion 2.4\n\n  - faster");
  EXPECT_EQ(List("templates").size(), 15u) << "13 synthesized, the e-mail and the other file";
  EXPECT_EQ(S(Read("templates\\calc_released_textusersguidesize.rxl")).find("?"), std::string::npos);
}

}  // namespace
