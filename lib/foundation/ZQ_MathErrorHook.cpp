// The C runtime's maths-error hook. msvcrt calls _matherr only once it has
// been registered with __setusermatherr, which this module's static
// initialiser does through __mingw_setusermatherr: that registers the hook
// with msvcrt and also with the maths functions that the mingw runtime
// implements itself (sqrt among them), which report through their own
// pointer. The hook hands each error record to ZQ_HandleMathError, inside
// the callback guard: the runtime's frames cannot be unwound, and an
// exception there (an out-of-memory while the report is composed) leaves the
// error to the runtime's own treatment.
// This file includes no runtime maths header: those declare _matherr as
// imported, with a record type of their own.
#include "ZQ_CallbackGuard.h"
#include "ZQ_FatalError.h"

namespace {
// The runtime's error record (struct _exception of its maths header).
struct MathErrorRecord {
  int type;
  char* name;
  double arg1;
  double arg2;
  double retval;
};
}  // namespace

extern "C" {
void __cdecl __mingw_setusermatherr(int(__cdecl*)(MathErrorRecord*));

// Non-zero: the error is handled and retval is the function's result (msvcrt
// honours it for its own functions); zero: the runtime's own treatment.
int __cdecl _matherr(MathErrorRecord* Record) noexcept {
  return ZQ_CallbackGuard(0, [Record] {
    return ZQ_HandleMathError(Record->type, Record->name, Record->arg1, Record->arg2,
                              Record->retval);
  });
}
}

namespace {
const bool s_registered = (__mingw_setusermatherr(&_matherr), true);
}  // namespace
