// ZQToolSupport.cpp: the console run of the release tools.
#include "ZQToolSupport.h"

#include <cstdio>

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"

namespace {

// A clean-up on the way out of a failure must not hide it.
void DeleteIfThere(const ZQ_String& Name) noexcept {
  try {
    if (ZQ_FileUtils::FileExists(Name)) ZQ_FileUtils::SafeDelete(Name);
  } catch (...) {
  }
}

}  // namespace

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

ZQ_String ZQTool_GetTemporaryName(const ZQ_String& Final) { return Final + ".zqtmp"; }

void ZQTool_WriteFileSafely(const ZQ_String& Final,
                            const std::function<void(const ZQ_String& Temporary)>& Write) {
  const ZQ_String temporary = ZQTool_GetTemporaryName(Final);
  try {
    Write(temporary);
    ZQLOW_WINBASE::MoveFileExA(temporary.GetText(), Final.GetText(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
  } catch (ZQ_Exception& Failure) {
    Failure.AppendToDescription("This error occurred while attempting to write \"" + Final + "\".");
    DeleteIfThere(temporary);
    throw;
  } catch (...) {
    DeleteIfThere(temporary);
    throw;
  }
}
