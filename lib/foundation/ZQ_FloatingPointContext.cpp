#include "ZQ_FloatingPointContext.h"

#include "ZQ_StackTrace.h"

#include <float.h>

namespace {

// msvcrt speaks its own portable layout (_EM_*, _SW_*, _PC_*, _RC_*, _IC_*);
// the library speaks the x87 layout. The exception bits map one by one. The
// runtime's status bits (_SW_INEXACT 0x1 ... _SW_INVALID 0x10, _SW_DENORMAL
// 0x80000; mingw's float.h lacks the names) equal its mask bits, so one table
// translates both words.
struct ExceptionBit {
  unsigned long x87;
  unsigned long runtime;
};
constexpr ExceptionBit kExceptionBits[] = {
    {ZQ_FPException_Invalid, _EM_INVALID},     {ZQ_FPException_Denormal, _EM_DENORMAL},
    {ZQ_FPException_ZeroDivide, _EM_ZERODIVIDE}, {ZQ_FPException_Overflow, _EM_OVERFLOW},
    {ZQ_FPException_Underflow, _EM_UNDERFLOW}, {ZQ_FPException_Precision, _EM_INEXACT},
};

constexpr unsigned long kX87Exceptions = 0x003F;
constexpr unsigned long kX87Precision = 0x0300;  // 00 24-bit, 10 53-bit, 11 64-bit
constexpr unsigned long kX87Rounding = 0x0C00;   // 00 nearest, 01 down, 10 up, 11 chop
constexpr unsigned long kX87Infinity = 0x1000;   // 1 affine
// The x87 rounding field is the runtime's, two bits higher.
constexpr int kRoundingShift = 2;

unsigned long ExceptionsToRuntime(unsigned long x87) {
  unsigned long runtime = 0;
  for (const ExceptionBit& bit : kExceptionBits)
    if (x87 & bit.x87) runtime |= bit.runtime;
  return runtime;
}

unsigned long ExceptionsToX87(unsigned long runtime) {
  unsigned long x87 = 0;
  for (const ExceptionBit& bit : kExceptionBits)
    if (runtime & bit.runtime) x87 |= bit.x87;
  return x87;
}

unsigned long ControlToRuntime(unsigned long x87) {
  unsigned long runtime = ExceptionsToRuntime(x87 & kX87Exceptions);
  switch (x87 & kX87Precision) {
    case 0x0300: runtime |= _PC_64; break;
    case 0x0200: runtime |= _PC_53; break;
    default: runtime |= _PC_24; break;  // 01 is reserved
  }
  runtime |= (x87 & kX87Rounding) >> kRoundingShift;
  if (x87 & kX87Infinity) runtime |= _IC_AFFINE;
  return runtime;
}

// A mask selects whole fields: any bit of a field selects all of it.
unsigned long MaskToRuntime(unsigned long x87Mask) {
  unsigned long runtime = ExceptionsToRuntime(x87Mask & kX87Exceptions);
  if (x87Mask & kX87Precision) runtime |= _MCW_PC;
  if (x87Mask & kX87Rounding) runtime |= _MCW_RC;
  if (x87Mask & kX87Infinity) runtime |= _MCW_IC;
  return runtime;
}

unsigned long ControlToX87(unsigned long runtime) {
  unsigned long x87 = ExceptionsToX87(runtime & _MCW_EM);
  switch (runtime & _MCW_PC) {
    case _PC_64: x87 |= 0x0300; break;
    case _PC_53: x87 |= 0x0200; break;
    default: break;  // _PC_24
  }
  x87 |= (runtime & _MCW_RC) << kRoundingShift;
  if (runtime & _IC_AFFINE) x87 |= kX87Infinity;
  return x87;
}

// _control87, not _controlfp: on x86 _controlfp leaves the denormal mask
// alone, and the context fixes it too.
void SetControlWord(unsigned long x87, unsigned long x87Mask) {
  _control87(ControlToRuntime(x87), MaskToRuntime(x87Mask));
}

}  // namespace

unsigned long ZQ_GetFPControlWord() { return ControlToX87(_control87(0, 0)); }

unsigned long ZQ_GetFPStatusWord() { return ExceptionsToX87(_statusfp()); }

ZQ_FloatingPointContext::ZQ_FloatingPointContext() {
  ZQ_TRACE_FUNCTION("ZQ_FloatingPointContext::ZQ_FloatingPointContext");
  _clearfp();
  m_savedControlWord = ZQ_GetFPControlWord();
  SetControlWord(ControlWord, ControlMask);
}

// No trace frame: a push may throw, and a destructor must not.
ZQ_FloatingPointContext::~ZQ_FloatingPointContext() {
  _clearfp();
  SetControlWord(m_savedControlWord, ControlMask);
}
