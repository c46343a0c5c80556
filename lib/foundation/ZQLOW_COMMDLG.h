// ZQLOW_COMMDLG.h: the common dialogs (open, save, page set-up, print).
// Each wrapper returns nothing: a dialog the user cancelled throws
// ZQ_CancelCurrentOperationException (nothing logged); a dialog that failed
// is reported through ZQLOW_WIN_ReportAPIFunctionFailure (ZQLOW_WIN_Core.h)
// with the description of its extended error code, so the running program
// sees a ZQ_Exception. The dialogs run a modal loop: hook procedures must not
// let an exception escape. UI thread only.
#ifndef ZQLOW_COMMDLG_H
#define ZQLOW_COMMDLG_H

#include "ZQLOW_Windows.h"
#include "ZQ_String.h"

namespace ZQLOW_COMMDLG {

void GetOpenFileNameA(OPENFILENAMEA* OpenFileName);
void GetSaveFileNameA(OPENFILENAMEA* OpenFileName);
void PageSetupDlgA(PAGESETUPDLGA* PageSetup);
void PrintDlgA(PRINTDLGA* PrintDialog);

// Judges the result of the dialog function named FunctionName ("PrintDlg"):
// non-zero returns; otherwise CommDlgExtendedError() 0 (cancelled) throws
// ZQ_CancelCurrentOperationException, and any other code is reported as a
// failure of that function.
void CommonDialogBoxErrorCheck(BOOL Result, const char* FunctionName);

// The description of an extended error code (untranslated), or "The error
// code was " followed by the code in decimal and "." for a code not listed.
ZQ_String GetExtendedErrorDescription(DWORD Code);

}  // namespace ZQLOW_COMMDLG

#endif
