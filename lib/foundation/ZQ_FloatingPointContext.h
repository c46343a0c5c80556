// ZQ_FloatingPointContext.h: the floating-point unit's control and status
// words, and a scope object that fixes the control word for the code it
// encloses. Words are in the x87 layout (control: exception masks in bits 0-5,
// precision in 8-9, rounding in 10-11, infinity in 12; status: exception flags
// in bits 0-5) and reach the unit through the C runtime, which keeps the SSE
// unit's MXCSR in step: unmasked exceptions trap in double arithmetic as well.
// One thread; nothing throws.
#pragma once

// Exception bits, the same positions in both words (mask and flag).
enum ZQ_FPException : unsigned long {
  ZQ_FPException_Invalid = 0x01,
  ZQ_FPException_Denormal = 0x02,
  ZQ_FPException_ZeroDivide = 0x04,
  ZQ_FPException_Overflow = 0x08,
  ZQ_FPException_Underflow = 0x10,
  ZQ_FPException_Precision = 0x20
};

// The current control word. Reserved bits read as zero.
unsigned long ZQ_GetFPControlWord();
// The current status word: the exception flags raised since they were last
// cleared.
unsigned long ZQ_GetFPStatusWord();

// While it lives: round to nearest, 64-bit precision, affine infinity;
// precision, underflow and denormal exceptions masked; invalid operation,
// division by zero and overflow unmasked, so that they raise a structured
// floating-point exception (STATUS_FLOAT_* from the x87 unit, or
// STATUS_FLOAT_MULTIPLE_TRAPS from SSE) at the faulting operation.
// Construction and destruction both clear pending exception flags first, so
// that a flag raised earlier cannot fire when exceptions are unmasked.
class ZQ_FloatingPointContext {
 public:
  static constexpr unsigned long ControlWord = 0x1332;
  static constexpr unsigned long ControlMask = 0x1F3F;  // masks, precision, rounding, infinity

  ZQ_FloatingPointContext();
  // Restores the fields of ControlMask as they were at construction.
  ~ZQ_FloatingPointContext();

  ZQ_FloatingPointContext(const ZQ_FloatingPointContext&) = delete;
  ZQ_FloatingPointContext& operator=(const ZQ_FloatingPointContext&) = delete;

 private:
  unsigned long m_savedControlWord;  // x87 layout
};
