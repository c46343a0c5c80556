// ZQLOW_WIN_Check.h: the failure tests of the Windows-API wrappers and the
// macros that make a wrapper from one table row. Only the wrapper families'
// .cpp files include it.
//
// A row of a family's table is
//   X(Result, Name, Letter, (Parameters), (Arguments), Test)
// and becomes the function Namespace::NameLetter(Parameters), which pushes
// its trace frame, calls the Windows function once through its call-table
// entry Namespace::Calls::NameLetter (ZQLOW_WIN_Calls.h), applies Test to the
// result, reports a failure under "Name" (the Windows name without its
// character-set letter) and returns the result. Test is one of the policies
// below: Prepare() runs just before the call (some clear the last error),
// Judge() right after it, so that it reads the last error before anything
// else can change it.
#ifndef ZQLOW_WIN_CHECK_H
#define ZQLOW_WIN_CHECK_H

#include <cstdint>
#include <type_traits>

#include "ZQLOW_WIN_Calls.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"
#include "ZQ_StackTrace.h"

namespace ZQLOW_WIN_Check {

// The low 32 bits of a result, whether a handle, a pointer or a number:
// 0xFFFFFFFF is -1, INVALID_HANDLE_VALUE, CLR_INVALID, GDI_ERROR alike.
template <class R>
std::uint32_t Bits(R Result) {
  if constexpr (std::is_pointer_v<R>)
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Result));
  else
    return static_cast<std::uint32_t>(Result);
}

inline void Report(const char* Name, const char* Text = nullptr,
                   unsigned Options = 0) {
  ZQLOW_WIN_ReportAPIFunctionFailure(Name, Text, Options);
}

struct KeepLastError {
  static void Prepare() {}
};
// For results that mean failure only together with the last error, or whose
// failure may leave the last error untouched: a stale code must not count.
struct ClearLastError {
  static void Prepare() { ::SetLastError(0); }
};

// Result 0 (FALSE, null, a zero atom or count).
struct FailsOnZero : KeepLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (!Result) Report(Name);
  }
};
struct FailsOnZeroCleared : ClearLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (!Result) Report(Name);
  }
};
// Result 0 reported with a fixed text instead of the system's.
struct FailsOnZeroSayingFunctionFailed : KeepLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (!Result) Report(Name, "Function failed");
  }
};
// Result 0xFFFFFFFF (-1).
struct FailsOnAllOnes : KeepLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (Bits(Result) == 0xFFFFFFFFu) Report(Name);
  }
};
struct FailsOnAllOnesCleared : ClearLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (Bits(Result) == 0xFFFFFFFFu) Report(Name);
  }
};
// INVALID_HANDLE_VALUE, logged without flushing the log: the log's own file
// is opened through this call.
struct FailsOnAllOnesLogUnflushed : KeepLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (Bits(Result) == 0xFFFFFFFFu)
      Report(Name, nullptr, ZQLOW_WIN_ReportOption_DoNotFlushLog);
  }
};
// 0xFFFFFFFF is also a valid low word of a size or position: only the last
// error tells, so it is cleared first.
struct FailsOnAllOnesWithError : ClearLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (Bits(Result) == 0xFFFFFFFFu && ::GetLastError() != 0) Report(Name);
  }
};
// 0 is also a success value (an unlocked block, a released context): only
// the last error tells, so it is cleared first.
struct FailsOnZeroWithError : ClearLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (!Result && ::GetLastError() != 0) Report(Name);
  }
};
struct FailsOnNotPositive : KeepLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (Result <= 0) Report(Name);
  }
};
struct FailsOnNegativeCleared : ClearLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (Result < 0) Report(Name);
  }
};
// A free function that hands back the block it could not free.
struct FailsOnNotNull : KeepLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (Result) Report(Name);
  }
};
// Null or HGDI_ERROR.
struct FailsOnNullOrGdiError : ClearLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (!Result || Result == HGDI_ERROR) Report(Name);
  }
};
// ShellExecute's instance value: 32 or less is an error code.
struct FailsOnShellError : KeepLastError {
  template <class R> static void Judge(R Result, const char* Name) {
    if (reinterpret_cast<INT_PTR>(Result) <= 32) Report(Name);
  }
};

// Passes the result through: the caller judges it.
struct Unchecked : KeepLastError {
  template <class R> static void Judge(R, const char*) {}
};

// Makes the call between the test's two halves and returns its result.
template <class Test, class WindowsCall>
auto Call(const char* Name, WindowsCall Function) -> decltype(Function()) {
  Test::Prepare();
  if constexpr (std::is_void_v<decltype(Function())>) {
    Function();
  } else {
    const auto result = Function();
    Test::Judge(result, Name);
    return result;
  }
}

}  // namespace ZQLOW_WIN_Check

// A wrapper from a table row, defined inside the family's namespace; the
// including file defines ZQLOW_WIN_FAMILY as the namespace's name in quotes.
// Name and Letter are only pasted and quoted, so Windows' generic A/W macros
// never expand them.
#define ZQLOW_WIN_DEFINE(Result, Name, Letter, Parameters, Arguments, Test)    \
  Result Name##Letter Parameters {                                             \
    ZQ_TRACE_FUNCTION(ZQLOW_WIN_FAMILY "::" #Name #Letter);                    \
    return ZQLOW_WIN_Check::Call<ZQLOW_WIN_Check::Test>(                       \
        #Name, [&] { return Calls::Name##Letter Arguments; });                 \
  }

#endif
