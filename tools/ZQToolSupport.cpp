// ZQToolSupport.cpp: the console run of the release tools.
#include "ZQToolSupport.h"

#include <cstdio>

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"

ZQ_String ZQTool_OneLine(const ZQ_String& Text) {
  ZQ_String line;
  bool isAfterBreak = false;
  for (int i = 0; i < Text.GetLength(); ++i) {
    char c = Text[i];
    if (c == '\r' || c == '\n') {
      isAfterBreak = !line.IsEmpty();
      continue;
    }
    if (isAfterBreak && c != ' ') line += ' ';
    isAfterBreak = false;
    line += c;
  }
  return line;
}

ZQ_String ZQTool_Describe(const ZQ_Exception& Failure) {
  ZQ_String description = ZQTool_OneLine(Failure.GetDescription());
  ZQ_String name = Failure.GetName();
  if (name == description) return description;
  return name + ": " + description;
}

void ZQTool_ReportOnStandardError(const char* ToolName, const ZQ_String& Line) {
  std::fprintf(stderr, "%s: %s\n", ToolName, Line.GetText());
}

int ZQTool_Run(const char* ToolName, int (*Body)(int, char**), int argc, char** argv,
               ZQTool_Reporter Report) {
  ZQLOW_WIN_SetAPIFunctionFailureMode(0);
  ZQ_SetAssertionMode(3);
  try {
    return Body(argc, argv);
  } catch (const ZQTool_UsageError& Error) {
    Report(ToolName, ZQTool_OneLine(Error.Why));
    return 2;
  } catch (const ZQ_Exception& Failure) {
    Report(ToolName, ZQTool_Describe(Failure));
    return 1;
  }
}

void ZQTool_ReplaceFile(const ZQ_String& Temporary, const ZQ_String& Final) {
  try {
    ZQLOW_WINBASE::MoveFileExA(Temporary.GetText(), Final.GetText(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
  } catch (ZQ_Exception& Failure) {
    Failure.AppendToDescription("This error occurred while attempting to move the finished file to \"" +
                                Final + "\".");
    throw;
  }
}

void ZQTool_DeleteIfThere(const ZQ_String& Name) noexcept {
  try {
    if (ZQ_FileUtils::FileExists(Name)) ZQ_FileUtils::SafeDelete(Name);
  } catch (...) {
  }
}
