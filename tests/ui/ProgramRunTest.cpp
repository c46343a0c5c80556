// MORV.exe end to end: the real program copied with its texts to a scratch
// folder, started as a user starts it (with the development-mode marker
// unless a row says otherwise, and a prepared MORV.cfg where one is named),
// driven only by posted input, and read back from MORV.log, MORV.cfg and
// the screen. Expected results come from the same workspace built in this
// process on the same options.
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "../../tools/ProgramDriver.h"
#include "../gui/core/WindowTestSupport.h"
#include "DebugLogMark.h"
#include "MORV_WorkspaceChecks.h"
#include "MORV_WorkspaceGlyph.h"
#include "OptionsTestSupport.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQTZ_TimeZone.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_FileName.h"
#include "ZQ_SettingsFile.h"

namespace {

using namespace ProgramDriver;

const char* const kRecalculated = "Workspace recalculated:";
const char* const kMainClass = "ZQFMAINAPPWIN";
const char* const kMarker = "MORVDevelopmentModeMarkerFile.txt";
// In a recalculation line's quoted texts: the GMT label, the message, the
// six results (globe ... category).
const int kGMTItem = 5, kMessageItem = 9, kCategoryItem = 15;

std::string Folder() {
  return TemporaryDirectory() + "MORVRun" + std::to_string(::GetCurrentProcessId()) + "\\";
}
std::string Beside(const std::string& Name) { return Folder() + Name; }
std::string Bytes(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
bool Contains(const std::string& Text, const std::string& Part) {
  return Text.find(Part) != std::string::npos;
}
int Count(const std::string& Text, const std::string& Part) {
  int count = 0;
  for (size_t at = Text.find(Part); at != std::string::npos; at = Text.find(Part, at + 1)) ++count;
  return count;
}
// The recalculation lines of a log, one per line, in order.
std::vector<std::string> RecalculationLines(const std::string& Log) {
  std::vector<std::string> lines;
  for (size_t at = Log.find(kRecalculated); at != std::string::npos; at = Log.find(kRecalculated, at + 1)) {
    lines.push_back(Log.substr(at, Log.find('\n', at) - at));
  }
  return lines;
}
// The quoted texts of a recalculation line, unquoted.
std::vector<std::string> Items(const std::string& Line) {
  std::vector<std::string> items;
  bool isInside = false;
  for (size_t i = 0; i < Line.size(); ++i) {
    if (Line[i] != '"') {
      if (isInside) items.back() += Line[i];
    } else if (isInside && i + 1 < Line.size() && Line[i + 1] == '"') {
      items.back() += Line[++i];
    } else if ((isInside = !isInside)) {
      items.emplace_back();
    }
  }
  return items;
}
void SavePicture(const Capture& Shot, const std::string& Name) {
  if (Shot.Width) SaveCapture(Shot, ScreenshotFolder() + "\\" + Name + ".png");
}

// How long a run waits for what it expects of the program: generous, for a
// loaded machine; every wait ends as soon as its condition holds.
const DWORD kPatienceMs = 30000;

HWND DialogOf(const Program& Run, DWORD TimeoutMs = 0) {
  return WaitForOtherWindowOf(Run.GetId(), kMainClass, TimeoutMs);
}
// A dialog once it has the focus: keys posted before are dropped.
HWND WaitForDialog(const Program& Run) {
  return WaitForFocusedOtherWindowOf(Run.GetId(), kMainClass, kPatienceMs);
}
bool WaitUntilNoDialog(const Program& Run) {
  return WaitUntilNoOtherWindowOf(Run.GetId(), kMainClass, kPatienceMs);
}
// The program's log grows by Line (the file stays locked until the end of
// the run, but its size shows): the recalculation that writes it is done.
bool WaitForLogLine(long long SizeBefore, const std::string& Line) {
  return WaitForFileSize(Beside("MORV.log"), SizeBefore + static_cast<long long>(Line.size()),
                         kPatienceMs);
}

struct Ended {
  DWORD exitCode = STILL_ACTIVE;
  std::string log, settings, report;
};

class MorvProgramRun : public GuiStageTest {
 protected:
  void SetUp() override {
    GuiStageTest::SetUp();
    ::CreateDirectoryA(Folder().c_str(), nullptr);
    for (const char* name : {"MORV.exe", "ReadMe_MORV.txt", "MORV_VersionHistory.txt"}) {
      ASSERT_TRUE(::CopyFileA((std::string(ZQ_MORV_PROGRAM_FOLDER) + name).c_str(), Beside(name).c_str(), FALSE));
    }
    for (const char* name : {"MORV.log", "MORV.cfg", "MORV.cfg.bak", "MORV Fatal Error Report.txt"}) {
      ::DeleteFileA(Beside(name).c_str());
    }
    std::ofstream(Beside(kMarker)) << "development\n";
  }
  // MORV.cfg holding the current options, written as the program writes it.
  static void WriteSettings() {
    SaveOptions();
    ZQ_SaveSettingsFile(ZQ_FileName(Beside("MORV.cfg").c_str()), ZQ_GetApplicationConfigurationRegistry());
  }
  // The log line the workspace writes for the current options, after Edit
  // changed its fields (the options are given back after).
  static std::string ExpectedLine(void (*Edit)(MORV_WorkspaceGlyph&, const char*) = nullptr,
                                  const char* Text = "") {
    const SavedOptions restore;
    const LogMark mark;
    MORV_WorkspaceGlyph workspace;
    workspace.LoadControls();
    if (Edit) Edit(workspace, Text);
    workspace.UpdateCalculations();
    const std::vector<std::string> lines = RecalculationLines(mark.Since());
    return lines.empty() ? "(none)" : lines.back();
  }
  // Starts the program and waits for its painted main window (the splash
  // first answered by Enter when it shows).
  HWND Start(Program& Run) {
    EXPECT_TRUE(Run.Start(Beside("MORV.exe")));
    Run.WaitUntilIdle(kPatienceMs);
    const HWND main = WaitForWindowOf(Run.GetId(), "", kPatienceMs, kMainClass);
    EXPECT_NE(main, nullptr) << "the main window within 30 s";
    if (main) {
      EXPECT_NE(WaitForSteadyPicture(main, kPatienceMs).Width, 0) << "a steady painted main window within 30 s";
      EXPECT_TRUE(WaitForFocus(main, kPatienceMs)) << "the main window's focus within 30 s";
    }
    return main;
  }
  // File, E&xit; the run's exit code and files.
  static Ended Exit(Program& Run, HWND Main) {
    EXPECT_TRUE(ChooseMenuItem(Main, Run.GetId(), 'f', 'x', kPatienceMs)) << "the File menu within 30 s";
    return Collect(Run);
  }
  // A start and File, E&xit, with nothing done in between.
  Ended StartAndExit() {
    Program run;
    const HWND main = Start(run);
    return main ? Exit(run, main) : Collect(run);
  }
  static Ended Collect(Program& Run) {
    Ended ended;
    ended.exitCode = Run.WaitForExit(kPatienceMs);
    EXPECT_NE(ended.exitCode, static_cast<DWORD>(STILL_ACTIVE)) << "the program's end within 30 s";
    ended.log = Bytes(Beside("MORV.log"));
    ended.settings = Bytes(Beside("MORV.cfg"));
    ended.report = Bytes(Beside("MORV Fatal Error Report.txt"));
    return ended;
  }

  SavedOptions savedOptions;
};

TEST_F(MorvProgramRun, FirstStartComputesTheDefaultsAndTheMenuEndsItWritingItsSettings) {
  const std::string expected = ExpectedLine();
  Program run;
  const HWND main = Start(run);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(WindowText(main), "MORV");
  EXPECT_EQ(DialogOf(run), nullptr) << "the marker keeps the splash away";
  const Ended ended = Exit(run, main);
  EXPECT_EQ(ended.exitCode, 0u);
  EXPECT_EQ(ended.report, "");
  EXPECT_EQ(RecalculationLines(ended.log), std::vector<std::string>{expected});
  EXPECT_TRUE(Contains(ended.log, "End of Debugging Log")) << ended.log;
  EXPECT_TRUE(Contains(ended.settings, "<?xml")) << ended.settings;
  EXPECT_TRUE(Contains(ended.settings, "<int key='ExecutionCount'>1</int>")) << ended.settings;
  // The folder, its 23 options, the zone as a folder holding its id.
  const size_t at = ended.settings.find("<folder key='AppOptions'>");
  EXPECT_EQ(Count(ended.settings.substr(at, ended.settings.find("\n    </folder>", at) - at), "key='"), 25);
}

TEST_F(MorvProgramRun, TypedFieldsRecalculateOnceAfterTheLastKeyAndKeepOnlyValidValues) {
  const std::string first = ExpectedLine();
  const std::string air = MORV_GetNumericInputRule(MORV_InputField_AirTemperature).Name;
  const std::string wind = MORV_GetNumericInputRule(MORV_InputField_WindSpeed).Name;
  const auto typeAir = [](MORV_WorkspaceGlyph& w, const char* t) { w.AirTemperatureField->SetValue(t); };
  const auto typeWind = [](MORV_WorkspaceGlyph& w, const char* t) { w.WindSpeedField->SetValue(t); };
  const struct {
    const char* text;  // typed over the field's selected text
    int tabs;          // from the air temperature field, focused at start: 2 reach the wind speed
    void (*edit)(MORV_WorkspaceGlyph&, const char*);
    std::string message;
    const char* storedAir;  // the air temperature in MORV.cfg afterwards
  } kCases[] = {
      {"95", 0, typeAir, "", "35"},
      {"abc", 0, typeAir, GetErrorMessage_BadNumericFormat(air.c_str(), "abc").GetText(), "20"},
      {"1e309", 0, typeAir, GetErrorMessage_BadNumericFormat(air.c_str(), "1e309").GetText(), "20"},
      {"nan", 0, typeAir, GetErrorMessage_BadNumericFormat(air.c_str(), "nan").GetText(), "20"},
      {"-0.1", 2, typeWind, GetErrorMessage_UnrealisticallyLowValue(wind.c_str()).GetText(), "20"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    const std::string expected = ExpectedLine(c.edit, c.text);
    ::DeleteFileA(Beside("MORV.cfg").c_str());
    Program run;
    const HWND main = Start(run);
    ASSERT_NE(main, nullptr);
    const long long logged = FileSize(Beside("MORV.log"));
    for (int i = 0; i < c.tabs; ++i) PostKey(main, VK_TAB);
    PostText(main, c.text);
    // Half a second after the last key the recalculation writes its line.
    EXPECT_TRUE(WaitForLogLine(logged, expected)) << "the recalculation's line in MORV.log within 30 s";
    SavePicture(WaitForSteadyPicture(main, kPatienceMs), std::string("MORV-Typed-") + c.text);
    const Ended ended = Exit(run, main);
    EXPECT_EQ(ended.exitCode, 0u);
    const std::vector<std::string> lines = RecalculationLines(ended.log);
    ASSERT_EQ(lines.size(), 2u) << "one recalculation for the keys";
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1], expected);
    EXPECT_EQ(Items(lines[1])[kMessageItem], c.message);
    EXPECT_TRUE(Contains(ended.settings, std::string("<float key='AirTemperature_C'>") + c.storedAir))
        << ended.settings;
    EXPECT_TRUE(Contains(ended.settings, "<float key='WindSpeed_MperS'>4.4703999999999997</float>"));
  }
}

TEST_F(MorvProgramRun, SplashWithoutTheMarkerAboutBoxReadMeAndHistoryCloseByTheirKeys) {
  ::DeleteFileA(Beside(kMarker).c_str());
  Program run;
  ASSERT_TRUE(run.Start(Beside("MORV.exe")));
  run.WaitUntilIdle(kPatienceMs);
  const HWND splash = WaitForDialog(run);
  ASSERT_NE(splash, nullptr) << "the splash within 30 s";
  EXPECT_EQ(FindWindowOf(run.GetId(), "", kMainClass), nullptr) << "the splash comes at stage 5";
  SavePicture(WaitForSteadyPicture(splash, kPatienceMs), "MORV-Splash");
  PostKey(splash, VK_RETURN);
  const HWND main = WaitForWindowOf(run.GetId(), "", kPatienceMs, kMainClass);
  ASSERT_NE(main, nullptr) << "the main window within 30 s of Enter";
  WaitForSteadyPicture(main, kPatienceMs);
  EXPECT_TRUE(WaitUntilNoDialog(run)) << "the splash gone within 30 s of Enter";

  // Help, About and the read-me and history beside the program.
  for (const char item : {'a', 'r', 'v'}) {
    SCOPED_TRACE(item);
    ASSERT_TRUE(ChooseMenuItem(main, run.GetId(), 'h', item, kPatienceMs)) << "the Help menu within 30 s";
    const HWND box = WaitForDialog(run);
    ASSERT_NE(box, nullptr) << "the box within 30 s";
    SavePicture(WaitForSteadyPicture(box, kPatienceMs), std::string("MORV-Help-") + item);
    PostKey(box, VK_ESCAPE);
    ASSERT_TRUE(WaitUntilNoDialog(run)) << "the box closed within 30 s of Escape";
  }
  const Ended ended = Exit(run, main);
  EXPECT_EQ(ended.exitCode, 0u);
  EXPECT_EQ(ended.report, "");
}

// Another program's end request closes every top-level window of the
// process, hidden ones included (the main window before it is shown, the
// timer window). Under the splash the close waits for the main loop.
BOOL CALLBACK PostCloseToWindowOf(HWND Window, LPARAM Id) {
  DWORD owner = 0;
  ::GetWindowThreadProcessId(Window, &owner);
  if (owner == static_cast<DWORD>(Id)) ::PostMessageA(Window, WM_CLOSE, 0, 0);
  return TRUE;
}

TEST_F(MorvProgramRun, EndRequestToEveryWindowUnderTheSplashEndsTheProgramCleanly) {
  ::DeleteFileA(Beside(kMarker).c_str());
  Program run;
  ASSERT_TRUE(run.Start(Beside("MORV.exe")));
  run.WaitUntilIdle(kPatienceMs);
  ASSERT_NE(WaitForDialog(run), nullptr) << "the splash within 30 s";
  ::EnumWindows(&PostCloseToWindowOf, static_cast<LPARAM>(run.GetId()));
  // A splash that outlived the requests is answered.
  if (run.WaitForExit(kPatienceMs) == STILL_ACTIVE) {
    if (HWND still = DialogOf(run)) PostKey(still, VK_RETURN);
  }
  const Ended ended = Collect(run);
  EXPECT_EQ(ended.exitCode, 0u);
  EXPECT_EQ(ended.report, "");
  EXPECT_TRUE(Contains(ended.log, "End of Debugging Log"));
}

TEST_F(MorvProgramRun, OptionsDialogOpensByTheMenuEscapeChangesNothingAndClosingTheWindowUnderItIsSafe) {
  Program run;
  HWND main = Start(run);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(ChooseMenuItem(main, run.GetId(), 'o', 'e', kPatienceMs)) << "the Options menu within 30 s";
  HWND dialog = WaitForDialog(run);
  ASSERT_NE(dialog, nullptr) << "the options dialog within 30 s";
  SavePicture(WaitForSteadyPicture(dialog, kPatienceMs), "MORV-Options");
  PostKey(dialog, VK_ESCAPE);
  ASSERT_TRUE(WaitUntilNoDialog(run)) << "the dialog closed within 30 s of Escape";
  Ended ended = Exit(run, main);
  EXPECT_EQ(ended.exitCode, 0u);
  EXPECT_EQ(RecalculationLines(ended.log).size(), 1u) << "Escape recalculates nothing";

  // The main window closed while the dialog is open: the program ends
  // cleanly or keeps the dialog until it is answered, never a fatal report.
  Program second;
  main = Start(second);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(ChooseMenuItem(main, second.GetId(), 'o', 'e', kPatienceMs)) << "the Options menu within 30 s";
  dialog = WaitForDialog(second);
  ASSERT_NE(dialog, nullptr) << "the options dialog within 30 s";
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  // A dialog kept open is answered, and the main window asked again.
  if (second.WaitForExit(kPatienceMs) == STILL_ACTIVE) {
    if (HWND still = DialogOf(second)) PostKey(still, VK_ESCAPE);
    EXPECT_TRUE(WaitUntilNoDialog(second)) << "the dialog closed within 30 s of Escape";
    if (second.IsRunning()) ::PostMessageA(main, WM_CLOSE, 0, 0);
  }
  ended = Collect(second);
  EXPECT_EQ(ended.exitCode, 0u);
  EXPECT_EQ(ended.report, "");
}

std::string Replaced(std::string Text, const std::string& From, const std::string& To) {
  const size_t at = Text.find(From);
  return at == std::string::npos ? "(" + From + " not found)" : Text.replace(at, From.size(), To);
}

TEST_F(MorvProgramRun, DamagedSettingsFallBackToTheDefaultsAndKeepACopyOfTheFile) {
  const std::string defaults = ExpectedLine();
  WriteSettings();
  const std::string sound = Bytes(Beside("MORV.cfg"));
  std::string outOfRange;
  {
    using namespace MORV_Workspace;
    const SavedOptions restore;
    WindSpeed_MperS = -5, AirTemperature_C = 1e308, Humidity_percent = 400, Time = "25:00";
    Date = "1/1/2100", MetAveragingTime_Minutes = 5000, TimestampAnchor = 7, Latitude = 95;
    WriteSettings();
    outOfRange = Bytes(Beside("MORV.cfg"));
  }
  const std::string air = "<float key='AirTemperature_C'>20</float>";
  const struct {
    const char* why;
    std::string file;
    // The keys whose fallbacks are logged, each followed by a blank; "":
    // read as missing, nothing logged; null: the file is unreadable and
    // kept as MORV.cfg.bak.
    const char* fallbacks;
  } kCases[] = {
      {"garbage", "\x01\x02 this is not a settings file <<<", nullptr},
      {"truncated", sound.substr(0, sound.size() / 2), nullptr},
      {"text where a number belongs", Replaced(sound, air, "<text key='AirTemperature_C'>hot</text>"), ""},
      // The settings reader refuses a file with an unreadable number whole.
      {"not a number", Replaced(sound, air, "<float key='AirTemperature_C'>nan</float>"), nullptr},
      {"a huge number", Replaced(sound, air, "<float key='AirTemperature_C'>1e300</float>"),
       "AirTemperature_C "},
      {"zone id -1", Replaced(sound, "<int key='Id'>11</int>", "<int key='Id'>-1</int>"), "TimeZone "},
      {"zone id 99", Replaced(sound, "<int key='Id'>11</int>", "<int key='Id'>99</int>"), "TimeZone "},
      {"every value out of its range", outOfRange,
       "WindSpeed_MperS AirTemperature_C Humidity_percent Time Date MetAveragingTime_Minutes "
       "TimestampAnchor Latitude "},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ::DeleteFileA(Beside("MORV.cfg.bak").c_str());
    std::ofstream(Beside("MORV.cfg"), std::ios::binary) << c.file;
    const Ended ended = StartAndExit();
    EXPECT_EQ(ended.exitCode, 0u);
    EXPECT_EQ(ended.report, "");
    EXPECT_EQ(RecalculationLines(ended.log), std::vector<std::string>{defaults});
    const std::string keys = c.fallbacks ? c.fallbacks : "";
    for (size_t at = 0, end; (end = keys.find(' ', at)) != std::string::npos; at = end + 1) {
      EXPECT_TRUE(Contains(ended.log, "Settings: the stored option " + keys.substr(at, end - at) +
                                          " cannot be used")) << keys.substr(at, end - at);
    }
    if (!c.fallbacks) {
      EXPECT_EQ(Bytes(Beside("MORV.cfg.bak")), c.file) << "the unreadable file is kept";
    }
    EXPECT_TRUE(Contains(ended.settings, air)) << "a sound file is written again";
  }
}

TEST_F(MorvProgramRun, UnitSwitchInTheOptionsDialogRewritesTheFieldsAfterEnter) {
  MORV_Workspace::UserInputUnits = 1;
  const std::string metric = ExpectedLine();
  MORV_Workspace::UserInputUnits = 0;
  Program run;
  const HWND main = Start(run);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(ChooseMenuItem(main, run.GetId(), 'o', 'e', kPatienceMs)) << "the Options menu within 30 s";
  const HWND dialog = WaitForDialog(run);
  ASSERT_NE(dialog, nullptr) << "the options dialog within 30 s";
  WaitForSteadyPicture(dialog, kPatienceMs);
  const long long logged = FileSize(Beside("MORV.log"));
  PostKey(dialog, VK_DOWN);  // the input units, focused first: English to metric
  PostKey(dialog, VK_RETURN);
  ASSERT_TRUE(WaitUntilNoDialog(run)) << "the dialog closed within 30 s of Enter";
  EXPECT_TRUE(WaitForLogLine(logged, metric)) << "the recalculation's line in MORV.log within 30 s";
  SavePicture(WaitForSteadyPicture(main, kPatienceMs), "MORV-Metric");
  const Ended ended = Exit(run, main);
  EXPECT_EQ(ended.exitCode, 0u);
  const std::vector<std::string> lines = RecalculationLines(ended.log);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], metric);
  EXPECT_TRUE(Contains(ended.settings, "<int key='UserInputUnits'>1</int>")) << ended.settings;
}

TEST_F(MorvProgramRun, SystemZoneOfHalfAnHourGivesTheResultsOfTheWholeHourHalfAnHourEarlier) {
  // Wine honours TZ per process (POSIX form): the program's zone is +5:30.
  ::SetEnvironmentVariableA("TZ", "IST-5:30");
  const std::string system = ExpectedLine();
  using namespace MORV_Workspace;
  QueryOSForTimeZone = false, DaylightSavingTimeInEffect = false, Time = "1:30 pm";
  for (auto zone = ZQTZ_TimeZone::GetStandardTimeZones(); zone.IsValid(); zone.Advance()) {
    if ((*zone).GetOffsetHours() == 5) TimeZone = *zone;
  }
  const std::string wholeHour = ExpectedLine();
  QueryOSForTimeZone = true, Time = "2:00 pm";
  const Ended ended = StartAndExit();
  const std::vector<std::string> lines = RecalculationLines(ended.log);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], system);
  EXPECT_EQ(Items(lines[0])[kGMTItem], "(GMT+5.5)");
  const std::vector<std::string> got = Items(lines[0]), want = Items(wholeHour);
  ASSERT_EQ(got.size(), want.size());
  EXPECT_TRUE(std::equal(got.begin() + kMessageItem, got.end(), want.begin() + kMessageItem))
      << "the message, results, table and OSHA texts";
  EXPECT_EQ(Items(wholeHour)[kGMTItem], "(GMT+5)");
}

TEST_F(MorvProgramRun, HeatCategoryColoursShowOnTheScreen) {
  // Air temperatures that give each category, found with the workspace here.
  double airFor[6] = {-1, -1, -1, -1, -1, -1};
  for (double air = 15; air <= 45; air += 0.25) {
    MORV_Workspace::AirTemperature_C = air;
    const std::vector<std::string> items = Items(ExpectedLine());
    const int category = items.size() > kCategoryItem ? std::atoi(items[kCategoryItem].c_str()) : -1;
    if (category >= 0 && category <= 5 && airFor[category] < 0) airFor[category] = air;
  }
  for (int category : {0, 2, 3, 4, 5}) {
    SCOPED_TRACE(category);
    ASSERT_GE(airFor[category], 0) << "no air temperature gives it";
    MORV_Workspace::AirTemperature_C = airFor[category];
    WriteSettings();
    Program run;
    const HWND main = Start(run);
    ASSERT_NE(main, nullptr);
    const Capture shot = WaitForSteadyPicture(main, kPatienceMs);
    ASSERT_NE(shot.Width, 0) << "a steady picture of the main window within 30 s";
    SavePicture(shot, "MORV-Category" + std::to_string(category));
    for (int shown = 2; shown <= 5; ++shown) {
      const ZQR_Color colour = GetArmyHeatCategoryBackgroundColor(shown).GetColor();
      const DWORD rgb = (colour.GetRed() << 16) | (colour.GetGreen() << 8) | colour.GetBlue();
      EXPECT_EQ(shot.Contains(rgb), shown == category) << "colour of category " << shown;
    }
    EXPECT_EQ(Exit(run, main).exitCode, 0u);
  }
}

// Six significant digits, as the fields show a value.
double AsShown(double Value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", Value);
  return std::atof(text);
}

TEST_F(MorvProgramRun, ReferenceInputsGiveTheWorkspacesResults) {
  using namespace MORV_Workspace;
  std::ifstream vectors(ZQ_MODEL_TEST_DATA "/morv_vectors.txt");
  ASSERT_TRUE(vectors.good());
  std::string line;
  int runs = 0, failures = 0, anchors = 0;
  for (int row = 0; runs < 20 && std::getline(vectors, line); ++row) {
    int year, month, day, hour, minute, offset, adjustment, urban;
    double latitude, longitude, solar, pressure, air, humidity, wind, height, delta;
    if (line[0] == '#' || row % 37 != 0 ||
        std::sscanf(line.c_str(), "%d %d %d %d %d %d %d %lf %lf %lf %lf %lf %lf %lf %lf %lf %d", &year,
                    &month, &day, &hour, &minute, &offset, &adjustment, &latitude, &longitude, &solar,
                    &pressure, &air, &humidity, &wind, &height, &delta, &urban) != 17) {
      continue;
    }
    // What the options can say: a standard zone of that whole-hour offset,
    // the wind measured at 2 m or well away from it.
    bool isZone = false;
    for (auto zone = ZQTZ_TimeZone::GetStandardTimeZones(); zone.IsValid(); zone.Advance()) {
      if ((*zone).GetOffsetHours() == offset && !isZone) TimeZone = *zone, isZone = true;
    }
    if (!isZone || (height != 2 && height > 1.5 && height < 2.5)) continue;
    SCOPED_TRACE(line);
    ++runs;
    UserInputUnits = 1, UserOutputUnits = 2, QueryOSForTimeZone = false, DaylightSavingTimeInEffect = false;
    Latitude = AsShown(latitude), Longitude = AsShown(longitude), WindSpeedProfile = urban;
    WindMeasurementHeight_m = AsShown(height), MetAveragingTime_Minutes = std::abs(adjustment);
    TimestampAnchor = adjustment < 0 ? 0 : adjustment == 0 ? 1 : 2;
    Solar_WperM2 = AsShown(solar), Pressure_mb = AsShown(pressure), AirTemperature_C = AsShown(air);
    Humidity_percent = AsShown(humidity), WindSpeed_MperS = AsShown(wind);
    DeltaTemperature_10_2_C = AsShown(delta);
    char time[16], date[16];
    std::snprintf(time, sizeof time, "%d:%02d %s", (hour + 11) % 12 + 1, minute, hour < 12 ? "am" : "pm");
    std::snprintf(date, sizeof date, "%d/%d/%d", month, day, year);
    Time = time, Date = date;
    const std::string expected = ExpectedLine();
    WriteSettings();
    const Ended ended = StartAndExit();
    EXPECT_EQ(ended.exitCode, 0u);
    EXPECT_EQ(RecalculationLines(ended.log), std::vector<std::string>{expected});
    const std::vector<std::string> items = Items(expected);
    if (items.size() > kMessageItem && !items[kMessageItem].empty()) ++failures;
    anchors |= 1 << TimestampAnchor;
  }
  EXPECT_EQ(runs, 20);
  EXPECT_GT(failures, 0) << "the selection holds refused inputs too";
  EXPECT_EQ(anchors, 7) << "and every anchor";
}

// A window with a File menu holding E&xit, on a thread of its own, that
// drops its first menu key as a window does that a modal box has just left.
LONG volatile s_menuKeys = 0, s_exits = 0;
HWND volatile s_droppingWindow = nullptr;
LRESULT CALLBACK DroppingMenuWindow(HWND Window, UINT Message, WPARAM W, LPARAM L) {
  if (Message == WM_SYSCOMMAND && (W & 0xFFF0) == SC_KEYMENU && ::InterlockedIncrement(&s_menuKeys) == 1) return 0;
  if (Message == WM_COMMAND && LOWORD(W) == 7) ::InterlockedIncrement(&s_exits);
  if (Message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcA(Window, Message, W, L);
}
DWORD WINAPI RunDroppingMenuWindow(LPVOID) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &DroppingMenuWindow;
  windowClass.lpszClassName = "DroppingMenuWindow";
  ::RegisterClassA(&windowClass);
  const HMENU bar = ::CreateMenu(), file = ::CreatePopupMenu();
  ::AppendMenuA(file, MF_STRING, 7, "E&xit");
  ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  s_droppingWindow = ::CreateWindowExA(0, "DroppingMenuWindow", "Driver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                       200, nullptr, bar, nullptr, nullptr);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
  return 0;
}

TEST(ProgramDriver, AMenuKeyTheWindowDroppedIsSentAgainAndTheItemChosenOnce) {
  const HANDLE thread = ::CreateThread(nullptr, 0, &RunDroppingMenuWindow, nullptr, 0, nullptr);
  for (const DWORD start = ::GetTickCount(); !s_droppingWindow && Elapsed(start) < kPatienceMs;) ::Sleep(10);
  ASSERT_NE(s_droppingWindow, nullptr);
  EXPECT_TRUE(ChooseMenuItem(s_droppingWindow, ::GetCurrentProcessId(), 'f', 'x', kPatienceMs));
  for (const DWORD start = ::GetTickCount(); !s_exits && Elapsed(start) < kPatienceMs;) ::Sleep(10);
  EXPECT_EQ(s_exits, 1);
  EXPECT_EQ(s_menuKeys, 2);
  ::PostMessageA(s_droppingWindow, WM_CLOSE, 0, 0);
  ::WaitForSingleObject(thread, kPatienceMs);
  ::CloseHandle(thread);
}

}  // namespace
