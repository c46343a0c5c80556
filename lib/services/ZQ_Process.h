// ZQ_Process.h: starting other programs and waiting for them, and opening
// documents with the program the Windows shell associates with them.
// ZQ_Process is a handle on a reference-counted ZQ_ProcessReference that owns
// the process handle: copies share it, and the last one closes it. Failed
// Windows calls throw ZQ_Exception (under the API failure mode) with a
// sentence naming the command line or document appended. Waiting blocks the
// one thread. One thread only.
#ifndef ZQ_PROCESS_H
#define ZQ_PROCESS_H

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_Windows.h"
#include "ZQ_CountedBody.h"
#include "ZQ_Functor.h"
#include "ZQ_ProcessStartupParameters.h"
#include "ZQ_String.h"

class ZQ_ProcessReference : public ZQ_CountedBody {
 public:
  // Takes ownership of OwnedProcess (null for a null process), which the
  // destructor closes; the destructor logs "ReferenceCount == 0" when
  // handles are left.
  ZQ_ProcessReference(HANDLE OwnedProcess, DWORD ProcessId)
      : Process(OwnedProcess), ProcessId(ProcessId) {}

  ZQ_OwnedProcessHandle Process;
  DWORD ProcessId;
};

class ZQ_Process {
 public:
  // A null process.
  ZQ_Process();
  // Takes a share of Reference (not null), an object created with new.
  // Copies share it; releasing a share asserts "ReferenceCount > 0", and the
  // last handle deletes the reference.
  explicit ZQ_Process(ZQ_ProcessReference* Reference);

  bool IsNull() const { return !Ref->Process.IsValid(); }
  HANDLE GetHandle() const { return Ref->Process.Get(); }
  DWORD GetProcessId() const { return Ref->ProcessId; }
  int GetNumReferences() const { return Ref.GetReferenceCount(); }

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
  ZQ_CountedHandle<ZQ_ProcessReference> Ref;
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
