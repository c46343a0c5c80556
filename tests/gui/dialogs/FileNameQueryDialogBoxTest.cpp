// The file-name dialog: the OPENFILENAME record it hands the system (read
// through fakes of the common-dialog calls), the choice read back, the
// remembered folders, cancels and failures that change nothing, and one real
// open and one real save dialog under Wine, ended by posted input.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../core/WindowTestSupport.h"
#include "ZQF_FileNameQueryDialogBox.h"
#include "ZQLOW_COMMDLG.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_Timer.h"

#include <commctrl.h>

namespace {

std::string TextOrNull(const char* Text) { return Text ? Text : "<null>"; }

// The double-NUL-terminated filter list with each NUL written as "|".
std::string FilterBytes(const char* Filter) {
  if (!Filter) return "<null>";
  std::string bytes;
  for (const char* p = Filter; !(p[0] == '\0' && p[-1] == '\0') || p == Filter; ++p)
    bytes += *p ? *p : '|';
  return bytes;
}

// Answers every dialog with Chosen and ChosenIndex, or fails it (AnswerFalse)
// with ExtendedError, 0 being the user's cancel; keeps what it was given.
struct FakeDialogs {
  FakeDialogs(std::string Chosen = "C:\\data\\report.htm", DWORD ChosenIndex = 1)
      : chosen(Chosen), chosenIndex(ChosenIndex) {}
  BOOL Answer(OPENFILENAMEA* Record) {
    ++calls;
    seen = *Record;
    filter = FilterBytes(Record->lpstrFilter);
    file = Record->lpstrFile;
    initialDirectory = TextOrNull(Record->lpstrInitialDir);
    title = TextOrNull(Record->lpstrTitle);
    defaultExtension = TextOrNull(Record->lpstrDefExt);
    if (answerFalse) return FALSE;
    strcpy(Record->lpstrFile, chosen.c_str());
    Record->nFilterIndex = chosenIndex;
    return TRUE;
  }
  int calls = 0;
  OPENFILENAMEA seen{};
  std::string filter, file, initialDirectory, title, defaultExtension;
  std::string chosen;
  DWORD chosenIndex;
  bool answerFalse = false;
  DWORD extendedError = 0;
  ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::GetOpenFileNameA> open{
      [this](OPENFILENAMEA* R) { return Answer(R); }};
  ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::GetSaveFileNameA> save{
      [this](OPENFILENAMEA* R) { return Answer(R); }};
  ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::CommDlgExtendedError> error{
      [this]() { return extendedError; }};
};

ZQ_String Remembered(const char* ConfigurationName) {
  ZQ_RegistryFolder& dialogs = *ZQ_GetApplicationConfigurationRegistry()
                                    .GetFolder("DialogBoxConfiguration")
                                    ->GetFolder("FileNameQueryDialogBox");
  return ZQ_GetString(*dialogs.GetFolder(ConfigurationName), "Directory", "<missing>");
}

using FileNameDialogs = WindowTest;

TEST_F(FileNameDialogs, FiltersReachTheSystemAsStarredPatterns) {
  const struct {
    const char* why;
    const char* patterns1;
    const char* patterns2;  // "" for no second filter
    bool noAllFiles;
    long defaultTag;
    const char* filter;
    DWORD index;
  } kCases[] = {
      {"split at commas, stripped, All files added", "htm, html", "", false, 0,
       "HTML|*htm;*html|All files|**|", 0},
      {"one pattern stays unstripped", " htm ", "", false, 0, "HTML|* htm |All files|**|", 0},
      {"a star already stands for all files", "htm", "*", false, 0, "HTML|*htm|Text|**|", 0},
      {"so does a dot-star among stripped pieces", "htm", "txt,  .* ", false, 0,
       "HTML|*htm|Text|*txt;*.*|", 0},
      {"no All files when refused", "htm", "", true, 0, "HTML|*htm|", 0},
      {"the default tag selects its filter", "htm", "txt", false, 7, "HTML|*htm|Text|*txt|All files|**|",
       2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    FakeDialogs fake;
    ZQF_FileNameQueryDialogBox dialog;
    dialog.AddFilter("HTML", c.patterns1, 3, false);
    if (*c.patterns2) dialog.AddFilter("Text", c.patterns2, 7, c.defaultTag == 7);
    dialog.SetNoAllFilesFilter(c.noAllFiles);
    dialog.Run();
    EXPECT_EQ(fake.filter, c.filter);
    EXPECT_EQ(fake.seen.nFilterIndex, c.index);
  }
  FakeDialogs fake;
  ZQF_FileNameQueryDialogBox bare;
  bare.SetNoAllFilesFilter(true);
  bare.Run();
  EXPECT_EQ(fake.filter, "<null>");
  EXPECT_EQ(fake.seen.nFilterIndex, 0u);
}

TEST_F(FileNameDialogs, RecordCarriesOwnerTitleExtensionAndFlags) {
  const HWND focused = reinterpret_cast<HWND>(0x1234);
  const struct {
    const char* why;
    HWND focus;
    const char* title;
    const char* extension;
    bool mustExist, overwrite;
    HWND owner;
    const char* seenTitle;
    const char* seenExtension;
    DWORD flags;
  } kCases[] = {
      {"defaults: focus owner, system title", focused, "", "", true, true, focused, "<null>",
       "<null>", 0x0020100E},
      {"no focus: the program's main window", nullptr, "Export", ".htm", false, false,
       ZQLOW_WIN_GetProgramMainWindowHandle(), "Export", "htm", 0x0020000C},
      {"only the overwrite prompt", focused, "", "txt", false, true, focused, "<null>", "txt",
       0x0020000E},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    FakeDialogs fake;
    const HWND focus = c.focus;
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::GetFocus> fakeFocus([focus] { return focus; });
    ZQF_FileNameQueryDialogBox dialog;
    dialog.SetTitle(c.title);
    dialog.SetDefaultExtension(c.extension);
    dialog.SetFileMustExist(c.mustExist);
    dialog.SetOverwritePrompt(c.overwrite);
    dialog.SetFileName(ZQ_FileName("start.htm"));
    dialog.Run();
    EXPECT_EQ(fake.seen.lStructSize, 76u);
    EXPECT_EQ(fake.seen.hwndOwner, c.owner);
    EXPECT_EQ(fake.seen.hInstance, ZQLOW_WIN_GetProgramInstanceHandle());
    EXPECT_EQ(fake.title, c.seenTitle);
    EXPECT_EQ(fake.defaultExtension, c.seenExtension);
    EXPECT_EQ(fake.seen.Flags, c.flags);
    EXPECT_EQ(fake.file, "start.htm");
    EXPECT_EQ(fake.seen.nMaxFile, 4096u);
  }
}

TEST_F(FileNameDialogs, InitialFolderIsTheGivenOneElseTheRemembered) {
  const struct {
    const char* why;
    const char* name;
    const char* given;
    const char* expected;
  } kCases[] = {
      // Runs in order: each choice is remembered for the next row.
      {"nothing remembered yet: none", "Export", "", "<null>"},
      {"the last choice of the same name", "Export", "", "C:\\data\\"},
      {"a given folder wins", "Export", "D:\\given", "D:\\given"},
      {"another name remembers apart", "Import", "", "<null>"},
      {"no name shares Default", "", "", "<null>"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    FakeDialogs fake("C:\\data\\report.htm");
    ZQF_FileNameQueryDialogBox dialog;
    dialog.SetConfigurationName(c.name);
    dialog.SetInitialDirectory(c.given);
    dialog.Run();
    EXPECT_EQ(fake.initialDirectory, c.expected);
  }
  EXPECT_EQ(Remembered("Default"), "C:\\data\\");
  EXPECT_EQ(Remembered("Import"), "C:\\data\\");
}

TEST_F(FileNameDialogs, ChoiceIsReadBackAbsoluteWithItsFilter) {
  ZQ_SetString(*ZQ_GetApplicationConfigurationRegistry()
                    .GetFolder("DialogBoxConfiguration")
                    ->GetFolder("FileNameQueryDialogBox")
                    ->GetFolder("ReadBack"),
               "Directory", "C:\\before\\");
  const std::string current = ZQ_FileName("x").GetAbsolutePath().GetText();
  const struct {
    const char* why;
    const char* chosen;
    DWORD index;
    std::string file;
    long tag;
  } kCases[] = {
      {"the second filter chosen", "C:\\data\\report.htm", 2, "C:\\data\\report.htm", 9},
      {"a relative name made absolute", "report.htm", 1, current + "report.htm", 4},
      {"no filter index", "C:\\data\\report.htm", 0, "C:\\data\\report.htm", 0},
      {"an index past the filters", "C:\\data\\report.htm", 7, "C:\\data\\report.htm", 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    FakeDialogs fake(c.chosen, c.index);
    ZQF_FileNameQueryDialogBox dialog;
    dialog.SetConfigurationName("ReadBack");
    dialog.AddFilter("HTML", "htm", 4, true);
    dialog.AddFilter("Text", "txt", 9, false);
    dialog.SetNoAllFilesFilter(true);
    dialog.Run();
    EXPECT_EQ(std::string(dialog.GetFileName().GetPathName().GetText()), c.file);
    EXPECT_EQ(dialog.GetSelectedFilterTag(), c.tag);
    EXPECT_EQ(std::string(Remembered("ReadBack").GetText()),
              c.file.substr(0, c.file.find_last_of('\\') + 1));
  }
}

TEST_F(FileNameDialogs, CancelFailureAndOverlongNameChangeNothing) {
  const std::string name4095(4095, 'n');
  const std::string name4096(4096, 'n');
  const struct {
    const char* why;
    std::string initial;
    bool answerFalse;
    DWORD extendedError;
    const char* thrown;
    int calls;
  } kCases[] = {
      {"the user cancels", "keep.htm", true, 0, "cancel", 1},
      {"the dialog fails", "keep.htm", true, 0x3002, "error", 1},
      {"hostile: a name of 4,096 bytes is refused", name4096, false, 0, "error", 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_SetString(*ZQ_GetApplicationConfigurationRegistry()
                      .GetFolder("DialogBoxConfiguration")
                      ->GetFolder("FileNameQueryDialogBox")
                      ->GetFolder("Kept"),
                 "Directory", "C:\\before\\");
    FakeDialogs fake;
    fake.answerFalse = c.answerFalse;
    fake.extendedError = c.extendedError;
    ZQF_FileNameQueryDialogBox dialog;
    dialog.SetConfigurationName("Kept");
    dialog.SetFileName(ZQ_FileName(c.initial.c_str()));
    dialog.AddFilter("HTML", "htm", 4, true);
    std::string thrown = "none";
    std::string description;
    try {
      dialog.Run();
    } catch (const ZQ_CancelCurrentOperationException&) {
      thrown = "cancel";
    } catch (const ZQ_Exception& e) {
      thrown = "error";
      description = e.GetDescription().GetText();
    }
    EXPECT_EQ(thrown, c.thrown);
    EXPECT_EQ(fake.calls, c.calls);
    EXPECT_EQ(std::string(dialog.GetFileName().GetPathName().GetText()), c.initial);
    EXPECT_EQ(dialog.GetSelectedFilterTag(), 4);
    EXPECT_EQ(Remembered("Kept"), "C:\\before\\");
    if (c.extendedError) {
      EXPECT_NE(description.find("A file name is invalid."), std::string::npos);
    }
    if (c.calls == 0) {
      EXPECT_NE(description.find("4095"), std::string::npos) << description;
      EXPECT_EQ(dialog.GetFilterOptions().Filters.GetNumElements(), 1);
    }
  }
  FakeDialogs fake;
  ZQF_FileNameQueryDialogBox longest;
  longest.SetFileName(ZQ_FileName(name4095.c_str()));
  longest.Run();
  EXPECT_EQ(fake.file, name4095);
}

TEST_F(FileNameDialogs, MisuseFailsItsAssertions) {
  const struct {
    const char* why;
    std::function<void()> statement;
    const char* condition;
  } kCases[] = {
      {"an empty pattern among commas", [] { ZQF_FilterInfoStruct("HTML", "htm,,html", 1); },
       "not (*Iter).IsNull()"},
      {"an empty pattern text", [] { ZQF_FilterInfoStruct("HTML", "", 1); },
       "not (*Iter).IsNull()"},
      {"a mode other than open and save", [] {
         ZQF_FileNameQueryDialogBox dialog;
         dialog.SetMode(2);
         dialog.Run();
       }, "false"},
      {"a dot inside the default extension",
       [] { ZQF_FileNameQueryDialogBox().SetDefaultExtension(".tar.gz"); },
       "not DefaultExtension.Contains (\".\")"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(FailedOn(AssertionFailureOf(c.statement), c.condition));
  }
}

// The dialog template's name field and name combo box.
constexpr int kNameEditId = 0x480;
constexpr int kNameComboId = 0x47c;

// A real common dialog, ended from inside its modal loop by a timer once it
// is the active window: cancelled, or given Typed and confirmed.
struct DialogCloser {
  explicit DialogCloser(std::string Typed) : typed(std::move(Typed)) {}
  void Tick() {
    HWND dialog = ::GetActiveWindow();
    char className[32] = {};
    if (!dialog || !::GetClassNameA(dialog, className, sizeof className) ||
        std::string(className) != "#32770" || acted) {
      return;
    }
    acted = true;
    if (typed.empty()) {
      ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    // The name field: an edit of its own, or the edit of the extended name
    // combo box (Wine's explorer-style dialog).
    HWND edit = ::GetDlgItem(dialog, kNameEditId);
    if (!edit) {
      edit = reinterpret_cast<HWND>(
          ::SendMessageA(::GetDlgItem(dialog, kNameComboId), CBEM_GETEDITCONTROL, 0, 0));
    }
    ::SetWindowTextA(edit, typed.c_str());
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  }
  std::string typed;
  bool acted = false;
  ZQ_Timer timer{100, ZQ_Functor0(this, &DialogCloser::Tick)};
};

TEST_F(FileNameDialogs, RealOpenDialogCancelledAndSaveDialogAnswered) {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  {
    DialogCloser closer("");
    ZQF_FileNameQueryDialogBox dialog;
    dialog.SetConfigurationName("RealRun");
    dialog.SetTitle("Open a test file");
    dialog.AddFilter("Text", "txt", 2, true);
    EXPECT_THROW(dialog.Run(), ZQ_CancelCurrentOperationException);
    EXPECT_TRUE(closer.acted);
    EXPECT_EQ(Remembered("RealRun"), "<missing>");
  }
  const std::string base = "periph_save_" + std::to_string(::GetTickCount());
  ::DeleteFileA((std::string(temp) + base + ".txt").c_str());
  DialogCloser closer(base);
  ZQF_FileNameQueryDialogBox dialog;
  dialog.SetMode(ZQF_FileNameQueryDialogBox::Mode_Save);
  dialog.SetConfigurationName("RealRun");
  dialog.SetInitialDirectory(temp);
  dialog.SetDefaultExtension("txt");
  dialog.AddFilter("Text", "txt", 2, true);
  dialog.Run();
  EXPECT_EQ(std::string(dialog.GetFileName().GetPathName().GetText()),
            ZQ_FileName((std::string(temp) + base + ".txt").c_str()).GetAbsolutePathName().GetText());
  EXPECT_EQ(dialog.GetSelectedFilterTag(), 2);
  EXPECT_EQ(std::string(Remembered("RealRun").GetText()),
            ZQ_FileName(temp).GetAbsolutePathName().GetText());
}

}  // namespace
