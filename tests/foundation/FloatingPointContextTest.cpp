#include "ZQ_FloatingPointContext.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX  // libstdc++ defines it too
#define NOMINMAX
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A vectored handler stands in for the structured exception handling that
// g++ lacks: it records the first floating-point trap, masks every exception
// in the faulting thread's context (x87 and SSE) and lets the operation run
// again, which then yields its masked result.
struct TrapRecord {
  bool isArmed = false;
  DWORD code = 0;
  unsigned long flags = 0;  // exception flags of the faulting unit, x87 layout
};
TrapRecord g_trap;

constexpr size_t kMxcsrOffset = 24;  // within the FXSAVE image

bool IsFloatingPointTrap(DWORD code) {
  return (code >= EXCEPTION_FLT_DENORMAL_OPERAND && code <= EXCEPTION_FLT_UNDERFLOW) ||
         code == 0xC00002B4 /* STATUS_FLOAT_MULTIPLE_FAULTS */ ||
         code == 0xC00002B5 /* STATUS_FLOAT_MULTIPLE_TRAPS */;
}

LONG CALLBACK RecordTrap(EXCEPTION_POINTERS* info) {
  const DWORD code = info->ExceptionRecord->ExceptionCode;
  if (!g_trap.isArmed || !IsFloatingPointTrap(code)) return EXCEPTION_CONTINUE_SEARCH;
  CONTEXT* context = info->ContextRecord;
  DWORD mxcsr;
  std::memcpy(&mxcsr, context->ExtendedRegisters + kMxcsrOffset, sizeof mxcsr);
  if (g_trap.code == 0) {
    g_trap.code = code;
    g_trap.flags = (mxcsr | context->FloatSave.StatusWord) & 0x3F;
  }
  context->FloatSave.ControlWord |= 0x3F;
  context->FloatSave.StatusWord &= ~0xBFu;
  mxcsr = (mxcsr | 0x1F80) & ~0x3Fu;
  std::memcpy(context->ExtendedRegisters + kMxcsrOffset, &mxcsr, sizeof mxcsr);
  return EXCEPTION_CONTINUE_EXECUTION;
}

class TrapRecorder {
 public:
  TrapRecorder() : m_handler(AddVectoredExceptionHandler(1, RecordTrap)) {
    g_trap = TrapRecord();
    g_trap.isArmed = true;
  }
  ~TrapRecorder() {
    g_trap.isArmed = false;
    RemoveVectoredExceptionHandler(m_handler);
  }

 private:
  void* m_handler;
};

volatile double g_zero = 0.0;
volatile double g_one = 1.0;
volatile double g_huge = 1e308;
volatile double g_tiny = 1e-308;
volatile double g_result = 0.0;

void DivideByZero() { g_result = g_one / g_zero; }
void ZeroOverZero() { g_result = g_zero / g_zero; }
void Overflow() { g_result = g_huge * g_huge; }
void Underflow() { g_result = g_tiny * g_tiny; }
void Inexact() { g_result = g_one / 3.0; }

}  // namespace

TEST(ZQ_FloatingPointContext, SetsTheControlWordWhileItLives) {
  const unsigned long before = ZQ_GetFPControlWord();
  {
    ZQ_FloatingPointContext context;
    EXPECT_EQ(ZQ_GetFPControlWord() & ZQ_FloatingPointContext::ControlMask, 0x1332u);
  }
  EXPECT_EQ(ZQ_GetFPControlWord(), before);
}

TEST(ZQ_FloatingPointContext, RestoresTheWordOfTheEnclosingContext) {
  const unsigned long before = ZQ_GetFPControlWord();
  {
    ZQ_FloatingPointContext outer;
    // Chop rounding and 53-bit precision, as other code may leave them.
    _control87(_RC_CHOP | _PC_53, _MCW_RC | _MCW_PC);
    const unsigned long changed = ZQ_GetFPControlWord();
    EXPECT_EQ(changed & 0x0F00u, 0x0E00u);
    {
      ZQ_FloatingPointContext inner;
      EXPECT_EQ(ZQ_GetFPControlWord() & ZQ_FloatingPointContext::ControlMask, 0x1332u);
    }
    EXPECT_EQ(ZQ_GetFPControlWord(), changed);
  }
  EXPECT_EQ(ZQ_GetFPControlWord(), before);
}

TEST(ZQ_FloatingPointContext, ClearsPendingExceptionFlags) {
  Inexact();
  DivideByZero();
  EXPECT_NE(ZQ_GetFPStatusWord() & ZQ_FPException_ZeroDivide, 0u);
  {
    ZQ_FloatingPointContext context;
    EXPECT_EQ(ZQ_GetFPStatusWord(), 0u);
    Underflow();
    EXPECT_NE(ZQ_GetFPStatusWord() & ZQ_FPException_Underflow, 0u);
  }
  EXPECT_EQ(ZQ_GetFPStatusWord(), 0u);
}

TEST(ZQ_FloatingPointContext, TrapsInvalidDivisionByZeroAndOverflowOnly) {
  const struct { void (*operation)(); bool isTrapped; unsigned long flag; const char* why; } kCases[] = {
      {DivideByZero, true, ZQ_FPException_ZeroDivide, "1 / 0"},
      {ZeroOverZero, true, ZQ_FPException_Invalid, "0 / 0"},
      {Overflow, true, ZQ_FPException_Overflow, "1e308 squared"},
      {Underflow, false, 0, "1e-308 squared"},
      {Inexact, false, 0, "1 / 3"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    TrapRecorder recorder;
    {
      ZQ_FloatingPointContext context;
      c.operation();
    }
    EXPECT_EQ(g_trap.code != 0, c.isTrapped);
    if (c.isTrapped) {
      EXPECT_NE(g_trap.flags & c.flag, 0u);
    }
    // Outside the context the operation is quiet again.
    g_trap.code = 0;
    c.operation();
    EXPECT_EQ(g_trap.code, 0u);
  }
}
