#include "ZQLOW_COMMDLG.h"

#include <cstdio>

#include "ZQLOW_WIN_Calls.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

// Searched in this order; the texts are the system documentation's own.
const struct {
  DWORD Code;
  const char* Description;
} kExtendedErrors[] = {
    {0xFFFF, "The dialog box could not be created. The common dialog box function's call to the DialogBox function failed. For example, this error occurs if the common dialog box call specifies an invalid window handle."},
    {0x0006, "The common dialog box function failed to find a specified resource."},
    {0x0002, "The common dialog box function failed during initialization. This error often occurs when sufficient memory is not available."},
    {0x0007, "The common dialog box function failed to load a specified resource."},
    {0x0005, "The common dialog box function failed to load a specified string."},
    {0x0008, "The common dialog box function failed to lock a specified resource."},
    {0x0009, "The common dialog box function was unable to allocate memory for internal structures."},
    {0x000A, "The common dialog box function was unable to lock the memory associated with a handle."},
    {0x0004, "The ENABLETEMPLATE flag was set in the Flags member of the initialization structure for the corresponding common dialog box, but you failed to provide a corresponding instance handle."},
    {0x000B, "The ENABLEHOOK flag was set in the Flags member of the initialization structure for the corresponding common dialog box, but you failed to provide a pointer to a corresponding hook procedure."},
    {0x0003, "The ENABLETEMPLATE flag was set in the Flags member of the initialization structure for the corresponding common dialog box, but you failed to provide a corresponding template."},
    {0x000C, "The RegisterWindowMessage function returned an error code when it was called by the common dialog box function."},
    {0x0001, "The lStructSize member of the initialization structure for the corresponding common dialog box is invalid."},
    {0x100A, "The PrintDlg function failed when it attempted to create an information context."},
    {0x100C, "You called the PrintDlg function with the DN_DEFAULTPRN flag specified in the wDefault member of the DEVNAMES structure, but the printer described by the other structure members did not match the current default printer. (This error occurs when you store the DEVNAMES structure and the user changes the default printer by using the Control Panel.)  To use the printer described by the DEVNAMES structure, clear the DN_DEFAULTPRN flag and call PrintDlg again.  To use the default printer, replace the DEVNAMES structure (and the DEVMODE structure, if one exists) with NULL; and call PrintDlg again."},
    {0x1009, "The data in the DEVMODE and DEVNAMES structures describes two different printers."},
    {0x1005, "The printer driver failed to initialize a DEVMODE structure. (This error code applies only to printer drivers written for Windows version 3.0 and later.)"},
    {0x1006, "The PrintDlg function failed during initialization, and there is no more specific extended error code to describe the failure. This is the generic default error code for the function."},
    {0x1004, "The PrintDlg function failed to load the device driver for the specified printer."},
    {0x1008, "A default printer does not exist."},
    {0x1007, "No printer drivers were found."},
    {0x1002, "The PrintDlg function failed to parse the strings in the [devices] section of the WIN.INI file."},
    {0x100B, "The [devices] section of the WIN.INI file did not contain an entry for the requested printer."},
    {0x1003, "The PD_RETURNDEFAULT flag was specified in the Flags member of the PRINTDLG structure, but the hDevMode or hDevNames member was not NULL."},
    {0x1001, "The PrintDlg function failed to load the required resources."},
    {0x2002, "The size specified in the nSizeMax member of the CHOOSEFONT structure is less than the size specified in the nSizeMin member."},
    {0x2001, "No fonts exist."},
    {0x3003, "The buffer pointed to by the lpstrFile member of the OPENFILENAME structure is too small for the file name specified by the user. The first two bytes of the lpstrFile buffer contain an integer value specifying the size, in bytes (ANSI version) or 16-bit characters (Unicode version), required to receive the full name."},
    {0x3002, "A file name is invalid."},
    {0x3001, "An attempt to subclass a list box failed because sufficient memory was not available."},
    {0x4001, "A member of the FINDREPLACE structure points to an invalid buffer."},
};

}  // namespace

namespace ZQLOW_COMMDLG {

ZQ_String GetExtendedErrorDescription(DWORD Code) {
  ZQ_TRACE_FUNCTION("ZQLOW_COMMDLG::GetExtendedErrorDescription");
  for (const auto& error : kExtendedErrors)
    if (error.Code == Code) return ZQ_String(error.Description);
  char digits[16];
  std::snprintf(digits, sizeof digits, "%lu", static_cast<unsigned long>(Code));
  ZQ_String description("The error code was ");
  description += digits;
  description += '.';
  return description;
}

void CommonDialogBoxErrorCheck(BOOL Result, const char* FunctionName) {
  ZQ_TRACE_FUNCTION("ZQLOW_COMMDLG::CommonDialogBoxErrorCheck");
  if (Result) return;
  const DWORD code = Calls::CommDlgExtendedError();
  if (code == 0) throw ZQ_CancelCurrentOperationException();
  ZQ_String message = ZQ_Internationalization_FillPlaceholders(
      ZQ_Internationalization_Translate(
          "A call to the Microsoft Windows function \"{$1}\" failed."),
      ZQ_String(FunctionName));
  message += "\n\n";
  message += GetExtendedErrorDescription(code);
  message += '\n';
  ZQLOW_WIN_ReportAPIFunctionFailure(FunctionName, message.GetText(), 0);
}

void GetOpenFileNameA(OPENFILENAMEA* OpenFileName) {
  ZQ_TRACE_FUNCTION("ZQLOW_COMMDLG::GetOpenFileNameA");
  CommonDialogBoxErrorCheck(Calls::GetOpenFileNameA(OpenFileName), "GetOpenFileName");
}

void GetSaveFileNameA(OPENFILENAMEA* OpenFileName) {
  ZQ_TRACE_FUNCTION("ZQLOW_COMMDLG::GetSaveFileNameA");
  CommonDialogBoxErrorCheck(Calls::GetSaveFileNameA(OpenFileName), "GetSaveFileName");
}

void PageSetupDlgA(PAGESETUPDLGA* PageSetup) {
  ZQ_TRACE_FUNCTION("ZQLOW_COMMDLG::PageSetupDlgA");
  CommonDialogBoxErrorCheck(Calls::PageSetupDlgA(PageSetup), "PageSetupDlg");
}

void PrintDlgA(PRINTDLGA* PrintDialog) {
  ZQ_TRACE_FUNCTION("ZQLOW_COMMDLG::PrintDlgA");
  CommonDialogBoxErrorCheck(Calls::PrintDlgA(PrintDialog), "PrintDlg");
}

}  // namespace ZQLOW_COMMDLG
