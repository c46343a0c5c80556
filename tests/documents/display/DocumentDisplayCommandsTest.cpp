// The document display control's keys, commands, wheel, middle button and
// links, in real windows; printing, preview and export go through their
// dialogs (faked where a real one would wait for a person).
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <set>

#include "../../gui/dialogs/DialogTestSupport.h"
#include "DocumentDisplayTestSupport.h"
#include "PrintTestSupport.h"
#include "ZQFOxZQF_DocumentDisplayCommands.h"
#include "ZQFOxZQF_PrintPreviewDocument.h"
#include "ZQFOxZQF_PrintPreviewPageDisplayGlyph.h"
#include "ZQ_Numeric.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQLOW_COMMDLG.h"
#include "ZQLOW_SHELLAPI.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_ConvertDocumentToText.h"
#include "ZQ_FileNameRegistry.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_Timer.h"

#include <commctrl.h>

namespace {

// Tall and wide: 120 lines and one word wider than the view.
std::string TallAndWide() {
  std::string body = "<zqfo_para>" + std::string(160, 'W') + "</zqfo_para>";
  for (int i = 0; i < 120; ++i) body += "<zqfo_para>Line " + std::to_string(i) + "</zqfo_para>";
  return body;
}

// Records what the shell was asked to open; nothing starts.
struct ShellRecorder {
  std::vector<std::string> opened;
  ZQLOW_WIN_FakeCall<&ZQLOW_SHELLAPI::Calls::ShellExecuteA> fake{
      [this](HWND, LPCSTR, LPCSTR File, LPCSTR, LPCSTR, INT) {
        opened.push_back(File);
        return reinterpret_cast<HINSTANCE>(42);
      }};
};

}  // namespace

class DocumentDisplayCommands : public DocumentDisplayTest {
 protected:
  long V() const { return display->GetVerticalScrollBar()->GetSliderPosition(); }
  long H() const { return display->GetHorizontalScrollBar()->GetSliderPosition(); }
  // Dispatches a key down to the control; true when it was handled.
  bool Key(ZQF_KeyCode Code, bool Shift, bool Control, bool Alt) {
    ZQF_DownKeyMessage key(Code, Shift, Control, Alt);
    display->Dispatch(key);
    return key.IsHandled();
  }
  ZQFOxZQF_DocumentDisplayGlyph* display = nullptr;
};

TEST_F(DocumentDisplayCommands, EveryKeyRowScrollsOrAsksAndItsNeighboursDoNothing) {
  display = OpenDisplay(TallAndWide(), 300, 200);
  ASSERT_TRUE(display->IsVerticalScrollBarShown() && display->IsHorizontalScrollBarShown());
  const long line = display->GetScrollLineSize().Y;
  const long maxV = display->GetVerticalScrollBar()->GetMaxSliderPosition();
  const long maxH = display->GetHorizontalScrollBar()->GetMaxSliderPosition();
  const long page = std::max(display->GetVerticalScrollBar()->GetPageSize() - line, line);
  int dialogs = 0;
  const auto cancel = [&](auto*) { ++dialogs; return FALSE; };  // CommDlgExtendedError 0: cancelled
  const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::PrintDlgA> print(cancel);
  const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::PageSetupDlgA> setup(cancel);
  const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::GetSaveFileNameA> save(cancel);
  const struct {
    ZQF_KeyCode key;
    bool shift, control, alt;
    long startV, startH, wantV, wantH;  // -1: unchanged
    int wantDialogs;
    bool wantHandled;
    const char* why;
  } kRows[] = {
      {ZQF_Key_Down, false, false, false, 0, 0, line, -1, 0, true, "Down: a line"},
      {ZQF_Key_Down, true, false, false, 0, 0, line, -1, 0, true, "Shift either"},
      {ZQF_Key_Down, false, true, false, 0, 0, page, -1, 0, true, "Ctrl+Down: a page"},
      {ZQF_Key_Down, false, false, true, 0, 0, 0, -1, 0, false, "Alt down: nothing"},
      {ZQF_Key_Up, false, false, false, 3 * line, 0, 2 * line, -1, 0, true, "Up: a line"},
      {ZQF_Key_PageDown, false, true, false, 0, 0, maxV, -1, 0, true, "Ctrl+Page Down: the end"},
      {ZQF_Key_PageUp, false, true, false, maxV, 0, 0, -1, 0, true, "Ctrl+Page Up: the top"},
      {ZQF_Key_Home, false, true, false, maxV, maxH, 0, 0, 0, true, "Home: top and left"},
      {ZQF_Key_End, false, false, false, 0, maxH, maxV, 0, 0, true, "End: bottom and left"},
      {ZQF_Key_Right, false, false, false, 0, 0, -1, display->GetScrollLineSize().X, 0, true, "Right: a line"},
      {ZQF_Key_Left, false, true, false, 0, maxH, -1, maxH - std::max(display->GetHorizontalScrollBar()->GetPageSize() -
                       display->GetScrollLineSize().X, display->GetScrollLineSize().X), 0, true, "Ctrl+Left: a page left"},
      {'H', false, true, false, 0, 0, -1, -1, 1, true, "Ctrl+H: export"},
      {'H', true, true, false, 0, 0, -1, -1, 0, false, "Ctrl+Shift+H: nothing"},
      {'P', false, true, false, 0, 0, -1, -1, 1, true, "Ctrl+P: print with the dialog"},
      {'P', true, true, false, 0, 0, -1, -1, 1, true, "Ctrl+Shift+P: page setup"},
      {'P', false, false, false, 0, 0, -1, -1, 0, false, "P alone: nothing"},
      {'x', false, true, false, 0, 0, -1, -1, 0, false, "another letter: nothing"},
  };
  for (const auto& c : kRows) {
    SCOPED_TRACE(c.why);
    display->GetVerticalScrollBar()->SetSliderPosition_Safe(c.startV, false);
    display->GetHorizontalScrollBar()->SetSliderPosition_Safe(c.startH, false);
    dialogs = 0;
    bool handled = false;
    try {
      handled = Key(c.key, c.shift, c.control, c.alt);
    } catch (const ZQ_CancelCurrentOperationException&) {
      handled = true;  // the request's dialog was cancelled
    }
    EXPECT_EQ(handled, c.wantHandled);
    EXPECT_EQ(dialogs, c.wantDialogs);
    EXPECT_EQ(V(), c.wantV < 0 ? c.startV : c.wantV);
    if (c.wantH >= 0) {
      EXPECT_EQ(H(), c.wantH);
    }
  }
}

// Ctrl+W shows the preview of the same document.
TEST_F(DocumentDisplayCommands, CtrlWShowsThePreview) {
  display = OpenDisplay(TallAndWide(), 300, 200);
  bool shown = false;
  IdleStep::Queue([&] {
    auto* preview = dynamic_cast<PrintPreviewDialogBox*>(NewestDialog());
    ASSERT_NE(preview, nullptr);
    shown = preview->GetPageDisplay()->GetNumPages() >= 1;
    ZQF_DownKeyMessage escape(ZQF_Key_Escape, false, false, false);
    preview->GetTopLevelGlyph()->Dispatch(escape);
  });
  EXPECT_TRUE(Key('w', false, true, false));
  EXPECT_TRUE(shown);
  EXPECT_EQ(NewestDialog(), nullptr);
}

TEST_F(DocumentDisplayCommands, TheFourCommandsAreEnabledAndPageSetupOpensItsDialog) {
  display = OpenDisplay(Lines(3), 300, 200);
  ZQF_PrintCommandUpdateMessage print;
  ZQF_PrintPreviewCommandUpdateMessage preview;
  ZQF_PageSetupCommandUpdateMessage setup;
  ZQFOxZQF_ExportDocumentCommandUpdateMessage exportUpdate;
  for (ZQF_StandardCommandUpdateMessage* update :
       std::vector<ZQF_StandardCommandUpdateMessage*>{&print, &preview, &setup, &exportUpdate}) {
    display->Dispatch(*update);
    EXPECT_TRUE(update->IsAvailable());
  }
  int setups = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::PageSetupDlgA> dialog([&](PAGESETUPDLGA*) {
    ++setups;
    return FALSE;  // cancelled
  });
  ZQF_PageSetupCommandMessage command;
  EXPECT_THROW(display->Dispatch(command), ZQ_CancelCurrentOperationException);
  EXPECT_TRUE(command.IsHandled());
  EXPECT_EQ(setups, 1);
}

TEST_F(DocumentDisplayCommands, TheWheelScrollsLinesAndTheMiddleButtonNeedsABar) {
  const struct {
    int paragraphs;
    long direction, notches;
    bool disabled;
    long start, wantLines;  // wanted move in scroll lines, down positive
    const char* why;
  } kCases[] = {
      {120, 1, 3, false, 0, 3, "three notches toward the user: three lines down"},
      {120, 0, 2, false, 10, -2, "away from the user: up"},
      {120, 1, 3, true, 0, 0, "a disabled control does not scroll"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    display = OpenDisplay(Lines(c.paragraphs), 300, 200);
    display->SetEnabled(!c.disabled);
    const long line = display->GetScrollLineSize().Y;
    display->GetVerticalScrollBar()->SetSliderPosition_Safe(c.start * line, false);
    ZQF_WheelMouseMessage wheel(150, 100, false, false, false, c.direction, c.notches);
    display->Dispatch(wheel);
    EXPECT_EQ(V(), (c.start + c.wantLines) * line);
  }
  // A short document in a low view: a notch of three lines moves fewer
  // lines than the document has.
  display = OpenDisplay(Lines(3), 300, 40);
  const long line = display->GetScrollLineSize().Y;
  const long lines = display->GetDocumentSizeInPixels().Y / line;
  ASSERT_TRUE(display->IsVerticalScrollBarShown());
  ZQF_WheelMouseMessage notch(150, 20, false, false, false, 1, 3);
  display->Dispatch(notch);
  EXPECT_EQ(V(), std::min(std::max(1L, std::min(3L, lines - 1)) * line, display->GetVerticalScrollBar()->GetMaxSliderPosition()));

  display = OpenDisplay(Lines(2), 300, 200);
  ZQF_MiddleDownMouseMessage middle(150, 100, false, false, false);
  display->Dispatch(middle);
  EXPECT_FALSE(middle.IsHandled()) << "a document that fits starts no auto-scroll";

  display = OpenDisplay(TallAndWide(), 300, 200);
  const ZQ_Point<long> step = display->GetScrollLineSize();
  display->MouseWheelDragScrollCallback(0.6, 1.4);
  EXPECT_EQ(V(), static_cast<long>(ZQ_Round(step.Y * 1.4)));
  EXPECT_EQ(H(), static_cast<long>(ZQ_Round(step.X * 0.6)));
}

TEST_F(DocumentDisplayCommands, LinksJumpBeepOrGoToTheShell) {
  display = OpenDisplay("<zqfo_para link_target='#far'>Go far</zqfo_para>" + Lines(80) +
                            "<zqfo_para id='far'>Far away</zqfo_para>",
                        300, 200);
  ZQFO_Document document = display->GetInputDocument();
  ZQFO_ExternalContext context = document.GetExternalContext();
  context.SetBaseURI(ZQ_URI_MakeFromFileName(ZQ_FileName("C:\\reports\\today.xml")));
  document.SetExternalContext(context);
  display->SetInputDocument(document, false);
  ShellRecorder shell;
  int beeps = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::MessageBeep> beep([&](UINT) { ++beeps; return TRUE; });
  const struct {
    const char* target;
    bool wantScrolled;
    int wantBeeps;
    const char* wantShell;  // "" when the shell is not asked
    const char* why;
  } kCases[] = {
      {"#far", true, 0, "", "an element of the document"},
      {"#nowhere", false, 1, "", "an unknown element beeps"},
      {"", false, 0, "", "nothing"},
      {"x:", false, 0, "x:", "a colon at the end is no scheme: the shell"},
      {"C:\\a.txt", false, 0, "C:\\a.txt", "a drive letter: the file"},
      {"ReadMe.txt", false, 0, "C:/reports/ReadMe.txt", "a relative name: beside the document"},
      {"../x.txt", false, 0, "C:/x.txt", "and up from there"},
      {"#", false, 1, "", "an empty id beeps"},
      {":", false, 0, ":", "a colon first is no scheme"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    display->ScrollToTop();
    shell.opened.clear();
    beeps = 0;
    display->FollowLink(c.target);
    EXPECT_EQ(V() > 0, c.wantScrolled);
    EXPECT_EQ(beeps, c.wantBeeps);
    EXPECT_EQ(shell.opened.empty() ? "" : shell.opened.front(), std::string(c.wantShell));
  }
  // A click on the link: the press is taken, the release follows it.
  display->ScrollToTop();
  PumpMessages();
  ZQ_Point<long> at(-1, -1);
  for (long y = 0; y < 60 && at.X < 0; ++y)
    for (long x = 0; x < 100 && at.X < 0; ++x)
      if (display->IsLinkTargetAtPoint(x, y)) at = display->GlyphToWindow(ZQ_Point<long>(x, y));
  ASSERT_GE(at.X, 0) << "the link is drawn";
  ZQF_LeftDownMouseMessage press(at.X, at.Y, false, false, false);
  display->Dispatch(press);
  ZQF_LeftUpMouseMessage release(at.X, at.Y, false, false, false);
  display->Dispatch(release);
  EXPECT_TRUE(press.IsHandled() && release.IsHandled());
  EXPECT_GT(V(), 0);
}

// Export: the proposed name, HTML or text by the chosen filter, a quiet
// cancel; the save dialog answers as the user would.
TEST_F(DocumentDisplayCommands, ExportWritesHTMLOrTextByTheChosenFilter) {
  ZQFO_Document document = MakeDisplayDocument(Document(Lines(3)));
  document.SetName("Heat: index?");
  display = OpenDisplay(Lines(3), 300, 200);
  display->SetInputDocument(document, false);
  const std::string folder = TemporaryDirectory();
  const struct {
    DWORD filterIndex;
    const char* file;
    bool cancel;
    const char* why;
  } kCases[] = {
      {1, "ExportTest.htm", false, "the first filter: HTML"},
      {2, "ExportTest.txt", false, "the second: text, as the plain-text export writes it"},
      {1, "", true, "cancel: nothing written, the request ends"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string path = folder + c.file;
    std::remove(path.c_str());
    std::string proposed, title;
    DWORD flags = 0;
    const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::GetSaveFileNameA> save([&](OPENFILENAMEA* Request) {
      proposed = Request->lpstrFile;
      title = Request->lpstrTitle ? Request->lpstrTitle : "";
      flags = Request->Flags;
      if (c.cancel) return FALSE;
      std::strcpy(Request->lpstrFile, path.c_str());
      Request->nFilterIndex = c.filterIndex;
      return TRUE;
    });
    ZQFOxZQF_ExportDocumentCommandMessage command;
    if (c.cancel) {
      EXPECT_THROW(display->Dispatch(command), ZQ_CancelCurrentOperationException);
      continue;
    }
    display->Dispatch(command);
    EXPECT_EQ(proposed, "Heat index") << "the characters a file name cannot hold are stripped";
    EXPECT_EQ(title, "Export report");
    EXPECT_FALSE(flags & OFN_OVERWRITEPROMPT) << "the question about replacing is asked for the completed name";
    const std::string written = ReadWholeFile(path);
    if (c.filterIndex == 2) {
      EXPECT_EQ(written, ZQ_ConvertDocumentToText(document).GetText());
    } else {
      EXPECT_NE(written.find("<html"), std::string::npos);
      EXPECT_NE(written.find("Line 2"), std::string::npos);
    }
    std::remove(path.c_str());
  }
}

namespace {

// Answers the real save dialog from a timer inside its modal loop: chooses
// the type at TypeIndex in "Files of type", types Name and confirms; then
// keeps the text of the question whether to replace a file and says yes.
struct SaveDialogDriver {
  SaveDialogDriver(int TypeIndex, std::string Name) : typeIndex(TypeIndex), name(std::move(Name)) {}
  static BOOL CALLBACK FindNew(HWND Window, LPARAM Driver) {
    auto* self = reinterpret_cast<SaveDialogDriver*>(Driver);
    char className[32] = "";
    GetClassNameA(Window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(Window) || self->handled.count(Window)) return TRUE;
    self->found = Window;
    return FALSE;
  }
  static BOOL CALLBACK CollectText(HWND Child, LPARAM Text) {
    char className[32] = "", text[512] = "";
    GetClassNameA(Child, className, sizeof className);
    GetWindowTextA(Child, text, sizeof text);
    if (_stricmp(className, "Static") == 0) *reinterpret_cast<std::string*>(Text) += text;
    return TRUE;
  }
  void Tick() {
    found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindNew, reinterpret_cast<LPARAM>(this));
    if (!found) return;
    handled.insert(found);
    if (handled.size() > 1) {  // the question
      EnumChildWindows(found, CollectText, reinterpret_cast<LPARAM>(&question));
      PostMessageA(found, WM_COMMAND, IDYES, 0);
      return;
    }
    const int kTypeCombo = 0x470, kNameEdit = 0x480, kNameCombo = 0x47c;  // cmb1, edt1, cmb13 (dlgs.h)
    HWND types = GetDlgItem(found, kTypeCombo);
    SendMessageA(types, CB_SETCURSEL, typeIndex, 0);
    SendMessageA(found, WM_COMMAND, MAKEWPARAM(kTypeCombo, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
    HWND edit = GetDlgItem(found, kNameEdit);
    if (!edit) edit = reinterpret_cast<HWND>(SendMessageA(GetDlgItem(found, kNameCombo), CBEM_GETEDITCONTROL, 0, 0));
    SetWindowTextA(edit, name.c_str());
    PostMessageA(found, WM_COMMAND, IDOK, 0);
  }
  int typeIndex;
  std::string name, question;
  std::set<HWND> handled;
  HWND found = nullptr;
  ZQ_Timer timer{50, ZQ_Functor0(this, &SaveDialogDriver::Tick)};
};

}  // namespace

// Export through the real save dialog: the type chosen there decides the
// content and, for a name without an extension, the extension; the question
// whether to replace names the file that is written.
TEST_F(DocumentDisplayCommands, ExportWritesTheTypeChosenInTheRealDialog) {
  display = OpenDisplay(Lines(3), 300, 200);
  const std::string base = TemporaryDirectory() + "ExportChoice";
  const struct {
    int typeIndex;  // 0 HTML, 1 Text
    const char* typed;
    const char* written;
    const char* why;
  } kCases[] = {
      {1, "", ".txt", "Text, no extension: text in .txt"},
      {0, "", ".htm", "HTML, no extension: HTML in .htm"},
      {1, ".log", ".log", "a typed extension is kept"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    for (const char* extension : {".htm", ".txt", ".log"}) std::ofstream(base + extension) << "before";
    SaveDialogDriver driver(c.typeIndex, base + c.typed);
    ZQFOxZQF_ExportDocumentCommandMessage command;
    display->Dispatch(command);
    EXPECT_NE(driver.question.find(std::string("ExportChoice") + c.written), std::string::npos) << driver.question;
    for (const char* extension : {".htm", ".txt", ".log"}) {
      const std::string content = ReadWholeFile(base + extension);
      if (std::string(extension) != c.written) {
        EXPECT_EQ(content, "before") << extension;
      } else if (c.typeIndex == 1) {
        EXPECT_EQ(content, ZQ_ConvertDocumentToText(display->GetInputDocument()).GetText());
      } else {
        EXPECT_NE(content.find("<html"), std::string::npos);
      }
      std::remove((base + extension).c_str());
    }
  }
}

// Ctrl+P runs the real print dialog; printing to a file writes the pages
// into the file last chosen.
TEST_F(DocumentDisplayCommands, CtrlPPrintsThroughThePrintDialog) {
  const std::string file = TemporaryDirectory() + "DisplayCtrlP.ps";
  std::remove(file.c_str());
  ZQ_SetFileName(ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("PrinterOptionsState"), "QueriedOutputFileName",
                 ZQ_FileName(file.c_str()));
  display = OpenDisplay(Lines(3), 300, 200);
  {
    DialogCloser closer({{IDOK, kPrintToFileBox, false}, {IDOK, 0, false}});
    EXPECT_TRUE(Key('p', false, true, false));
    EXPECT_EQ(closer.DialogsAnswered(), 2u);
  }
  const std::string output = ReadWholeFile(file);
  EXPECT_EQ(CountOf(output, "%%Page:"), 1u);
  EXPECT_NE(output.find("/L glyphshow"), std::string::npos);
  std::remove(file.c_str());
}
