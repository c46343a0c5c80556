// DialogCloser.h: answers the common dialogs (print, page setup, file name)
// that the calls of a test open, one scripted action per dialog, from a
// thread timer that runs inside their modal loops. The tests print on the
// prefix's default printer, "ZQ File Printer", a PostScript print-to-file
// printer; every job is given a file to print into.
#ifndef DIALOG_CLOSER_H
#define DIALOG_CLOSER_H

#include <set>
#include <string>
#include <vector>

#include "ZQLOW_Windows.h"

// Control identifiers of the print dialog (dlgs.h, which the lean Windows
// headers leave out): the print-to-file box, the "Pages" choice and the page
// range fields.
const int kPrintToFileBox = 0x410;  // chx1
const int kPagesChoice = 0x422;     // rad3 (rad1 all, rad2 selection)
const int kFromPageField = 0x480;   // edt1
const int kToPageField = 0x481;     // edt2

// What the dialog closer does to one common dialog.
struct DialogAction {
  int button;            // IDOK or IDCANCEL
  int checkBoxToTick;    // a check box to tick first, 0 for none
  bool readPageRange;    // record the print dialog's page fields
  const char* typeFromPage = nullptr;  // not null: choose "Pages" and type the range
  const char* typeToPage = nullptr;
};

struct DialogScript {
  std::vector<DialogAction> actions;
  size_t next = 0;
  std::set<HWND> handled;
  std::string fromPage, toPage;  // as the print dialog showed them
};
inline DialogScript s_script;

inline BOOL CALLBACK FindNewDialog(HWND Window, LPARAM Found) {
  char className[32] = "";
  GetClassNameA(Window, className, sizeof className);
  if (std::string(className) == "#32770" && IsWindowVisible(Window) &&
      !s_script.handled.count(Window)) {
    *reinterpret_cast<HWND*>(Found) = Window;
    return FALSE;
  }
  return TRUE;
}

inline void CALLBACK CloseDialogs(HWND, UINT, UINT_PTR, DWORD) {
  if (s_script.next >= s_script.actions.size()) return;
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindNewDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  s_script.handled.insert(dialog);
  const DialogAction& action = s_script.actions[s_script.next++];
  if (action.readPageRange) {
    char text[16] = "";
    GetDlgItemTextA(dialog, kFromPageField, text, sizeof text);
    s_script.fromPage = text;
    GetDlgItemTextA(dialog, kToPageField, text, sizeof text);
    s_script.toPage = text;
  }
  if (action.typeFromPage) {
    SetDlgItemTextA(dialog, kFromPageField, action.typeFromPage);
    SetDlgItemTextA(dialog, kToPageField, action.typeToPage);
    CheckRadioButton(dialog, 0x420, kPagesChoice, kPagesChoice);
  }
  if (action.checkBoxToTick) CheckDlgButton(dialog, action.checkBoxToTick, BST_CHECKED);
  PostMessageA(dialog, WM_COMMAND, action.button, 0);
}

// Answers the dialogs of the calls that follow, in order, until destroyed.
class DialogCloser {
 public:
  explicit DialogCloser(std::vector<DialogAction> Actions) {
    s_script = DialogScript();
    s_script.actions = std::move(Actions);
    timer = SetTimer(nullptr, 0, 50, CloseDialogs);
  }
  ~DialogCloser() { KillTimer(nullptr, timer); }
  DialogCloser(const DialogCloser&) = delete;
  DialogCloser& operator=(const DialogCloser&) = delete;
  size_t DialogsAnswered() const { return s_script.next; }

 private:
  UINT_PTR timer;
};

#endif
