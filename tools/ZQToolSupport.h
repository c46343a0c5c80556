// ZQToolSupport.h: what the release tools' console programs share: the run
// that turns failures into one line on stderr and an exit code (0 done, 1
// failed, 2 a command line the program does not understand), and replacing
// a file by a finished temporary one.
#ifndef ZQTOOLSUPPORT_H
#define ZQTOOLSUPPORT_H

#include <functional>

#include "ZQ_String.h"

// Thrown for a command line (or response file) the program does not
// understand: exit code 2.
struct ZQTool_UsageError {
  ZQ_String Why;
};

// Where a failure's one line goes: stderr unless a program shows it otherwise.
using ZQTool_Reporter = void (*)(const char* ToolName, const ZQ_String& Line);
void ZQTool_ReportOnStandardError(const char* ToolName, const ZQ_String& Line);

// Runs Body with failed Windows calls and assertions throwing ZQ_Exception.
// Body's result is the exit code; a ZQ_Exception gives 1 and a usage error 2,
// each reported as one line "<ToolName>: <why>".
int ZQTool_Run(const char* ToolName, int (*Body)(int, char**), int argc, char** argv,
               ZQTool_Reporter Report = &ZQTool_ReportOnStandardError);

// Text on one line: line ends and the empty lines between paragraphs become
// single blanks.
ZQ_String ZQTool_OneLine(const ZQ_String& Text);

// The sentence of a failure as the tools print it: its description, or its
// name when that says more (a bare Windows failure).
class ZQ_Exception;
ZQ_String ZQTool_Describe(const ZQ_Exception& Failure);

// The temporary name under which ZQTool_WriteFileSafely writes Final.
ZQ_String ZQTool_GetTemporaryName(const ZQ_String& Final);

// Calls Write with the temporary name of Final, then moves the finished
// temporary file over Final (which may exist), so that Final is either the
// old file or the complete new one. When anything throws, the temporary
// file is deleted and the failure passes on.
void ZQTool_WriteFileSafely(const ZQ_String& Final,
                            const std::function<void(const ZQ_String& Temporary)>& Write);

#endif
