// ZQ_Process.h: starting other programs and waiting for them, and opening
// documents with the program the Windows shell associates with them.
// ZQ_Process is a handle on a reference-counted ZQ_ProcessReference that owns
// the process handle: copies share it, and the last one closes it. Failed
// Windows calls throw ZQ_Exception (under the API failure mode) with a
// sentence naming the command line or document appended. Waiting blocks the
// one thread. One thread only.
#ifndef ZQ_PROCESS_H
#define ZQ_PROCESS_H

#include "ZQLOW_Windows.h"
#include "ZQ_Functor.h"
#include "ZQ_ProcessStartupParameters.h"
#include "ZQ_String.h"

class ZQ_ProcessReference {
 public:
  // Takes ownership of Process (null for a null process).
  ZQ_ProcessReference(HANDLE Process, DWORD ProcessId);
  // Asserts "ReferenceCount == 0"; closes the process handle.
  ~ZQ_ProcessReference();
  ZQ_ProcessReference(const ZQ_ProcessReference&) = delete;
  ZQ_ProcessReference& operator=(const ZQ_ProcessReference&) = delete;

  int ReferenceCount;
  HANDLE Process;
  DWORD ProcessId;
};

class ZQ_Process {
 public:
  // A null process.
  ZQ_Process();
  // Takes Reference (not null) and raises its count.
  explicit ZQ_Process(ZQ_ProcessReference* Reference);
  ZQ_Process(const ZQ_Process& Other);
  ZQ_Process& operator=(const ZQ_Process& Other);
  // Asserts "ReferenceCount > 0"; the last handle deletes the reference.
  ~ZQ_Process();

  bool IsNull() const { return Ref->Process == nullptr; }
  HANDLE GetHandle() const { return Ref->Process; }
  DWORD GetProcessId() const { return Ref->ProcessId; }
  int GetNumReferences() const { return Ref->ReferenceCount; }

  // Whether the process still runs. Asserts "not IsNull()". A process that
  // ended with the code STILL_ACTIVE (259) counts as ended.
  bool IsProcessActive() const;
  // Waits until the process ends and returns its exit code. With Callback
  // set, calls it, checks the process and sleeps IntervalSeconds (at least
  // 1 ms) in turn; without one, waits without polling. Asserts
  // "not IsNull()".
  int WaitForExit(const ZQ_Functor0& Callback = ZQ_Functor0(),
                  double IntervalSeconds = 0.05) const;

 private:
  void Release();

  ZQ_ProcessReference* Ref;
};

// Starts CommandLine in InitialDirectory (the current directory when empty).
// Throws ZQ_Exception when the program cannot be started; its description
// ends with a sentence naming the command line and the directory.
ZQ_Process StartProcess(const ZQ_String& CommandLine, const ZQ_String& InitialDirectory,
                        const ZQ_ProcessStartupParameters& Parameters =
                            ZQ_ProcessStartupParameters::GetDefault());

// StartProcess, then WaitForExit without a callback; the exit code.
int ZQ_ExecuteProcess(const ZQ_String& CommandLine, const ZQ_String& InitialDirectory,
                      const ZQ_ProcessStartupParameters& Parameters =
                          ZQ_ProcessStartupParameters::GetDefault());

// Opens DocumentFileName with the shell's default action, owned by the
// program's main window; Parameters and InitialDirectory are passed when not
// empty. Returns ShellExecuteA's result. Throws ZQ_Exception on failure, its
// description ending with a sentence naming the document (and parameters).
HINSTANCE ZQ_DisplayDocumentUsingShellAssociation(
    const ZQ_String& DocumentFileName, const ZQ_String& Parameters,
    const ZQ_String& InitialDirectory,
    const ZQ_ProcessStartupParameters& StartupParameters =
        ZQ_ProcessStartupParameters::GetDefault());

#endif
