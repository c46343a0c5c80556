#include "ZQLOW_WIN_Core.h"

#include <cstdio>
#include <cstdlib>

#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

HINSTANCE s_programInstance = nullptr;
HWND s_programMainWindow = nullptr;
int s_apiFailureMode = 1;

// Where the assertion service reports this failure when the mode selects an
// assertion: the layer's own name, not a build path.
const char kAssertionFileName[] = "ZQLOW_WIN_Core";
const long kAssertionLine = 244;

void WarnHandleNotSet(const char* Text) {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_Core::WarnHandleNotSet");
  ZQLOW_WINUSER::MessageBoxA(nullptr, ZQ_Internationalization_Translate(Text).GetText(),
                             ZQ_Internationalization_Translate("Error").GetText(), 0);
}

ZQ_String ComposeMessage(const char* FunctionName, const char* ErrorMessage,
                         DWORD LastError) {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_Core::ComposeMessage");
  if (ErrorMessage) return ZQ_String(ErrorMessage);
  if (LastError != 0) return ZQLOW_WIN_Code_ErrorCodeToMessage(LastError);
  ZQ_String message = ZQ_Internationalization_FillPlaceholders(
      ZQ_Internationalization_Translate(
          "A call to the Microsoft Windows function \"{$1}\" failed."),
      ZQ_String(FunctionName));
  message += '\n';
  return message;
}

ZQ_String BuildLogEntry(const ZQ_String& Name, const ZQ_String& Message) {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_Core::BuildLogEntry");
  ZQ_String entry("\n\n\nIn function ZQLOW_WIN_ReportAPIFunctionFailure\n");
  entry += "    API Function Failure Error\n";
  entry += "    Name = '";
  entry += Name;
  entry += "'\n    Message = '";
  entry += Message;
  entry += "'\n\n";
  return entry;
}

// The same road as a fatal assertion failure: the installed fatal report, or
// until there is one the message on stderr and exit code 1.
[[noreturn]] void ReportFatal(const ZQ_String& Message) {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_Core::ReportFatal");
  const ZQ_AssertionFatalHook hook = ZQ_SetAssertionFatalHook(nullptr);
  ZQ_SetAssertionFatalHook(hook);
  if (hook) hook(Message.GetText());
  ZQ_FatalErrorInProgress = true;
  std::fputs(Message.GetText(), stderr);
  std::fputs("\n", stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

void ZQLOW_WIN_SetProgramInstanceHandle(HINSTANCE Instance) {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_SetProgramInstanceHandle");
  s_programInstance = Instance;
}

HINSTANCE ZQLOW_WIN_GetProgramInstanceHandle() {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_GetProgramInstanceHandle");
  if (!s_programInstance)
    WarnHandleNotSet("Program instance handle not set in module ZQLOW_WIN_Core.");
  return s_programInstance;
}

void ZQLOW_WIN_SetProgramMainWindowHandle(HWND Window) {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_SetProgramMainWindowHandle");
  s_programMainWindow = Window;
}

HWND ZQLOW_WIN_GetProgramMainWindowHandle() {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_GetProgramMainWindowHandle");
  if (!s_programMainWindow)
    WarnHandleNotSet("Program main window handle not set in module ZQLOW_WIN_Core.");
  return s_programMainWindow;
}

void ZQLOW_WIN_SetAPIFunctionFailureMode(int Mode) {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_SetAPIFunctionFailureMode");
  s_apiFailureMode = Mode;
}

int ZQLOW_WIN_GetAPIFunctionFailureMode() {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_GetAPIFunctionFailureMode");
  return s_apiFailureMode;
}

void ZQLOW_WIN_ReportAPIFunctionFailure(const char* FunctionName,
                                        const char* ErrorMessage,
                                        unsigned Options) {
  // Before anything that might call Windows, the trace frame's growth
  // included.
  const DWORD lastError = ::GetLastError();
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_ReportAPIFunctionFailure");
  if (!FunctionName) FunctionName = "";
  if (ZQ_Internationalization_GetOperationMode() ==
      ZQ_Internationalization_OperationMode_NotStarted)
    ZQ_Internationalization_SetOperationMode(
        ZQ_Internationalization_OperationMode_NoTranslation);
  const ZQ_String message = ComposeMessage(FunctionName, ErrorMessage, lastError);
  const ZQ_String name = ZQ_Internationalization_FillPlaceholders(
      ZQ_Internationalization_Translate("Function {$1} Failed"),
      ZQ_String(FunctionName));
  ZQ_WriteDebugLogEntry(BuildLogEntry(name, message),
                        !(Options & ZQLOW_WIN_ReportOption_DoNotFlushLog));
  switch (s_apiFailureMode) {
    case 0:
      throw ZQ_Exception(name, message);
    case 1:
      ReportFatal(message);
    case 2:
      // Logged only: the caller receives the failed result.
      return;
    default:
      ZQ_ReportAssertionFailure("false", kAssertionFileName, kAssertionLine);
      return;
  }
}

ZQ_String ZQLOW_WIN_ComposeAPIFailureMessage(const char* FunctionName,
                                             const char* ErrorMessage) {
  const DWORD lastError = ::GetLastError();
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_ComposeAPIFailureMessage");
  return ComposeMessage(FunctionName ? FunctionName : "", ErrorMessage, lastError);
}

ZQ_String ZQLOW_WIN_Code_ErrorCodeToMessage(DWORD SystemErrorCode) {
  ZQ_TRACE_FUNCTION("ZQLOW_WIN_Code_ErrorCodeToMessage");
  char* buffer = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr,
      SystemErrorCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
      reinterpret_cast<char*>(&buffer), 0, nullptr);
  ZQ_String text;
  if (buffer) {
    text = ZQ_String(buffer, static_cast<int>(length));
    ::LocalFree(buffer);
  }
  // "...\r\n" becomes "...\n"; a text of just "\r\n" stays as it is.
  while (text.GetLength() > 2 && text.GetText()[text.GetLength() - 2] == '\r')
    text.Replace(text.GetLength() - 2, 1, nullptr, 0);
  return text;
}
