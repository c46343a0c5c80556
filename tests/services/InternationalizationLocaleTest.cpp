#include "ZQ_Internationalization_Locale.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "../foundation/AssertionTestSupport.h"
#include "../foundation/ScratchFileSupport.h"
#include "../foundation/StringTestSupport.h"
#include "../foundation/WinApiTestSupport.h"
#include "LanguageFileTestSupport.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_FatalError.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StringStream.h"

namespace {

const long kMjd2008 = ZQ_Date(1, 6, 2008).GetModifiedJulianDate();
const long kMjd2009 = ZQ_Date(1, 6, 2009).GetModifiedJulianDate();

// A program "Prog.exe" in a scratch folder, translating in mode 2 against
// the real dictionary, which starts afresh in each test.
class Locale : public ApiFailureModeTest {
 protected:
  void SetUp() override {
    ApiFailureModeTest::SetUp();
    savedMode = ZQ_Internationalization_GetOperationMode();
    savedLookup = ZQ_Internationalization_SetDictionaryLookup(nullptr);
    ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
    ZQ_Internationalization_SetExecutableFileNameForTesting(ZQ_String((folder / "Prog.exe").c_str()));
    ZQ_Internationalization_ResetTranslationDictionaryForTesting();
    folder.MakeFolder("Locale");
  }
  void TearDown() override {
    ZQ_Internationalization_ResetTranslationDictionaryForTesting();
    ZQ_Internationalization_SetExecutableFileNameForTesting(ZQ_FileName());
    ZQ_Internationalization_SetDictionaryLookup(savedLookup);
    ZQ_Internationalization_SetOperationMode(savedMode);
    ApiFailureModeTest::TearDown();
  }

  void SelectLocale(const std::string& FileText) {
    folder.Put("Locale\\Prog_Current_Locale.txt", FileText);
  }
  void PutLanguageFiles(const std::string& Code, const std::string* SystemBytes,
                        const std::string* UserBytes) {
    folder.MakeFolder("Locale\\Locale_" + Code);
    if (SystemBytes) folder.Put("Locale\\Locale_" + Code + "\\Prog_system.langimp", *SystemBytes);
    if (UserBytes) folder.Put("Locale\\Locale_" + Code + "\\Prog_user.langimp", *UserBytes);
  }
  std::string Translate(const char* In) { return Text(ZQ_Internationalization_Translate(In)); }

  ScratchFolder folder{"LocaleTest"};
  int savedMode = 0;
  ZQ_Internationalization_DictionaryLookup savedLookup = nullptr;
};

TEST_F(Locale, PathsFollowTheExecutableNameAndLocaleCode) {
  ZQ_Internationalization_SetExecutableFileNameForTesting("C:\\P\\Prog.exe");
  EXPECT_EQ(Text(ZQ_Internationalization_GetAppLocaleDirectory()), "C:\\P\\Locale\\");
  EXPECT_EQ(Text(ZQ_Internationalization_GetAppCurrentLocaleFileName().GetPathName()),
            "C:\\P\\Locale\\Prog_Current_Locale.txt");
  EXPECT_EQ(Text(ZQ_Internationalization_GetAppSystemLanguageImplementationFileName("de")
                     .GetPathName()),
            "C:\\P\\Locale\\Locale_de\\Prog_system.langimp");
  EXPECT_EQ(Text(ZQ_Internationalization_GetAppUserLanguageImplementationFileName("de")
                     .GetPathName()),
            "C:\\P\\Locale\\Locale_de\\Prog_user.langimp");
  EXPECT_EQ(Text(ZQ_Internationalization_GetLanguageTemplateFileExtension()), ".langtemplate");
  EXPECT_TRUE(FailedOn(
      AssertionFailureOf([] { ZQ_Internationalization_GetAppLocaleImplementationDirectory("en"); }),
      "LocaleCode != ZQ_Internationalization_GetDefaultLocaleCode()"));
}

TEST_F(Locale, CurrentLocaleCodeIsTheFirstLineWithoutSpaces) {
  folder.MakeFolder("Locale\\Locale_de");
  const struct { const char* file; const char* want; const char* why; } kCases[] = {
      {nullptr, "en", "no current-locale file"},
      {"  de  \r\nfr", "de", "spaces stripped, first line only"},
      {"de\nfr", "de", "line feed alone"},
      {"    ", "en", "only spaces"},
      {"", "en", "empty file"},
      {"en", "en", "the default itself"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Internationalization_ResetTranslationDictionaryForTesting();
    if (c.file) SelectLocale(c.file);
    EXPECT_EQ(Text(ZQ_Internationalization_GetCurrentLocaleCode_Debugging()), "unknown");
    EXPECT_EQ(Text(ZQ_Internationalization_GetCurrentLocaleCode()), c.want);
    EXPECT_EQ(Text(ZQ_Internationalization_GetCurrentLocaleCode_Debugging()), c.want);
  }
}

TEST_F(Locale, DefaultLocaleTranslatesNothingButStripsTheContext) {
  EXPECT_EQ(Translate("File-:-Open"), "Open");
  EXPECT_EQ(Text(ZQ_Internationalization_GetCurrentLocaleCode()), "en");
}

TEST_F(Locale, ALocaleWithoutItsDirectoryDeletesTheFileAndThrows) {
  SelectLocale("xx");
  const std::string localeFile = folder / "Locale\\Prog_Current_Locale.txt";
  try {
    // As in a real start: the first translation in mode 2 asks for the code.
    Translate("Open");
    FAIL() << "no exception";
  } catch (const ZQ_Exception& e) {
    EXPECT_EQ(Text(e.GetName()), "Missing Locale Implementation Directory");
    EXPECT_EQ(Text(e.GetDescription()),
              "The locale directory associated with the current language does not exist.\n\n"
              "The current language is specified in the file \"" + localeFile +
                  "\".  This erroneous file has been deleted.  This should correct this "
                  "problem, although the next time this application starts, it will use the "
                  "default language, English.");
  }
  EXPECT_EQ(GetFileAttributesA(localeFile.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Text(ZQ_Internationalization_GetCurrentLocaleCode_Debugging()), "unknown");
  // The dictionary counts as initialised and stays empty; the code is asked
  // again and, the file gone, is the default.
  EXPECT_EQ(Translate("Open"), "Open");
  EXPECT_EQ(Text(ZQ_Internationalization_GetCurrentLocaleCode()), "en");
}

TEST_F(Locale, UserEntriesReplaceSystemEntriesUnlessOlder) {
  const struct {
    long systemMjd, systemMs, userMjd, userMs;
    const char* want;
    const char* why;
  } kCases[] = {
      {kMjd2008, 0, kMjd2009, 0, "user", "a newer user entry wins"},
      {kMjd2009, 0, kMjd2008, 0, "system", "an older user entry is ignored"},
      {kMjd2009, 500, kMjd2009, 500, "user", "the same time stamp: the user entry wins"},
      {kMjd2009, 501, kMjd2009, 500, "system", "same day, earlier time of day"},
      {0, 0, 0, 0, "user", "entries stamped at the earliest point in time"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Internationalization_ResetTranslationDictionaryForTesting();
    SelectLocale("de");
    const std::string system =
        LanguageFileBytes("de", {{"Open", {"system"}, 0, c.systemMs, c.systemMjd}});
    const std::string user = LanguageFileBytes("de", {{"Open", {"user"}, 0, c.userMs, c.userMjd}});
    PutLanguageFiles("de", &system, &user);
    EXPECT_EQ(Translate("Open"), c.want);
    EXPECT_EQ(Translate("Close"), "Close");
  }
}

TEST_F(Locale, EmptyTranslationsLeaveTextsUntranslatedAndHideNothing) {
  SelectLocale("de");
  const std::string system = LanguageFileBytes(
      "de", {{"Open", {""}, 0, 0, kMjd2008}, {"Save", {"Speichern"}, 0, 0, kMjd2008},
             {"Broken", {}, 0, 0, kMjd2008}});
  const std::string user = LanguageFileBytes(
      "de", {{"Open", {"Offnen"}, 0, 0, kMjd2009}, {"Save", {""}, 0, 0, kMjd2009}});
  PutLanguageFiles("de", &system, &user);
  EXPECT_EQ(Translate("Open"), "Offnen");
  EXPECT_EQ(Translate("Save"), "Speichern");
  EXPECT_EQ(Translate("Broken"), "Broken");
}

TEST_F(Locale, PluralFormsFillNumberedKeys) {
  SelectLocale("pt_BR");
  const std::string system = LanguageFileBytes(
      "pt_BR", {{"{$1} file", {"{$1} arquivo", "", "{$1} arquivos"}, 1, 0, 0},
                {"none", {}, 1, 0, 0}});
  PutLanguageFiles("pt_BR", &system, nullptr);
  EXPECT_EQ(Translate("0~~{$1} file"), "{$1} arquivo");
  EXPECT_EQ(Translate("1~~{$1} file"), "1~~{$1} file");
  EXPECT_EQ(Translate("2~~{$1} file"), "{$1} arquivos");
  EXPECT_EQ(Translate("{$1} file"), "{$1} file");
}

TEST_F(Locale, TemplatesAndFilesOfAnotherLocaleAreRejected) {
  ScratchFolder files("LocaleLoad");
  const struct { const char* code; const char* description; const char* why; } kCases[] = {
      {"", "This is a language template file.  A language implementation file was expected.",
       "template"},
      {"fr", nullptr, "another locale"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string name = files.Put("x.langimp", LanguageFileBytes(c.code, {}));
    ZQ_Map<ZQ_String, ZQ_String> dictionary;
    ZQ_Map<ZQ_String, ZQ_PointInTime> times;
    try {
      LoadDictionaryFile(ZQ_FileName(name.c_str()), dictionary, times, "de");
      FAIL() << "no exception";
    } catch (const ZQ_Exception& e) {
      EXPECT_EQ(Text(e.GetName()), "Error reading language file");
      const std::string want = c.description
                                   ? c.description
                                   : "The locale of language file \"" + name +
                                         "\" is \"fr\".  This does not match the expected "
                                         "locale of \"de\".";
      EXPECT_EQ(Text(e.GetDescription()), want);
    }
  }
  ZQ_Map<ZQ_String, ZQ_String> dictionary;
  ZQ_Map<ZQ_String, ZQ_PointInTime> times;
  LoadDictionaryFile(ZQ_FileName((files / "missing.langimp").c_str()), dictionary, times, "de");
}

TEST_F(Locale, ALanguageFileErrorComesOutOfTheFirstTranslation) {
  SelectLocale("de");
  const std::string system = LanguageFileBytes("fr", {{"Open", {"Ouvrir"}, 0, 0, 0}});
  PutLanguageFiles("de", &system, nullptr);
  try {
    Translate("Open");
    FAIL() << "no exception";
  } catch (const ZQ_Exception& e) {
    EXPECT_EQ(Text(e.GetName()), "Error reading language file");
  }
  // The dictionary counts as initialised and stays empty.
  EXPECT_EQ(Translate("Open"), "Open");
}

TEST_F(Locale, ModeOneLeavesTheDictionaryUnloaded) {
  SelectLocale("de");
  const std::string system = LanguageFileBytes("de", {{"Open", {"Offnen"}, 0, 0, 0}});
  PutLanguageFiles("de", &system, nullptr);
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NoTranslation);
  EXPECT_EQ(GetTranslationDictionary("Open").KeyExists("Open"), false);
  EXPECT_EQ(Translate("Open"), "Open");
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
  EXPECT_EQ(Translate("Open"), "Offnen");
}

TEST_F(Locale, FatalErrorReportNamesTheCurrentLanguage) {
  // Before stage 1 (mode 1) nothing determines the code; in mode 2 the
  // report's own translations do.
  const struct { int mode; const char* want; const char* why; } kCases[] = {
      {ZQ_Internationalization_OperationMode_NoTranslation, "Unknown", "not yet determined"},
      {ZQ_Internationalization_OperationMode_Normal, "German - Austria", "determined"},
  };
  folder.MakeFolder("Locale\\Locale_de_AT");
  SelectLocale("de_AT");
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Internationalization_SetOperationMode(c.mode);
    ZQ_StringStream out;
    ZQ_WriteExecutionEnvironment(out);
    const std::string line = std::string("    Current Language            = ") + c.want + "\n";
    EXPECT_NE(Text(out).find(line), std::string::npos) << Text(out);
  }
}

// Runs inside the message box's modal loop: writes the box's text to stderr
// for the parent to check, then answers it.
void CALLBACK AnswerDictionaryBox(HWND, UINT, UINT_PTR, DWORD) {
  const HWND box = FindWindowA("#32770", "Cannot Initialize Translation Dictionary");
  if (!box) return;
  char text[1024] = "";
  for (int id : {0xFFFF, 100})
    if (!text[0]) GetDlgItemTextA(box, id, text, sizeof text);
  std::fprintf(stderr, "box: %s\n", text);
  std::fflush(stderr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(LocaleDeathTest, DictionaryRequestBeforeTheProgramEntryShowsABoxAndEndsAbnormally) {
  EXPECT_EXIT(
      {
        ZQ_Internationalization_ResetTranslationDictionaryForTesting();
        ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NotStarted);
        SetTimer(nullptr, 0, 50, AnswerDictionaryBox);
        GetTranslationDictionary("Open");
        std::fprintf(stderr, "returned\n");
        std::exit(0);
      },
      [](int ExitCode) { return ExitCode != 0 && ExitCode != 1; },
      "box: An attempt was made to access the translation dictionary before the "
      "InitializeDefinition initialization stage.  The untranslated text was \"Open\".");
}

TEST(ZQ_Internationalization_LocaleNames, CodesGiveTheirEnglishNames) {
  const struct { const char* code; const char* want; const char* why; } kCases[] = {
      {"en", "English", "language"},
      {"EN", "English", "codes compare without regard to case"},
      {"be", "Byelorussian; Belarusian", "a name with two forms"},
      {"pt_BR", "Portuguese - Brazil", "language and country"},
      {"de_at", "German - Austria", "lower-case country"},
      {"xx", "Unknown", "unknown language"},
      {"en_XX", "English - Unknown", "unknown country"},
      {"unknown", "Unknown", "what the fatal-error report passes before the code is known"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Text(ZQ_Internationalization_LocaleNames_LocaleCodeToDescriptiveName(c.code)),
              c.want);
  }
  EXPECT_EQ(Text(ZQ_Internationalization_LocaleNames_CountryCodeToDescriptiveName("AS")),
            "Samoa (American)");
  EXPECT_EQ(Text(ZQ_Internationalization_LocaleNames_CountryCodeToDescriptiveName("YU")),
            "Yugoslavia");
  EXPECT_EQ(ZQ_Internationalization_LocaleNames_GetNumLanguages(), 167);
  EXPECT_EQ(ZQ_Internationalization_LocaleNames_GetNumCountries(), 239);
  EXPECT_EQ(Text(ZQ_Internationalization_GetDefaultLocaleDescriptiveName()), "English");
}

}  // namespace
