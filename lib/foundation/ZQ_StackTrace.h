// ZQ_StackTrace.h: the library's own record of the calls in progress. One
// global stack of three-word entries, pushed at function entry and popped at
// every exit, exceptions included; a fatal-error report prints it.
// Kinds: -1 function entry (Text = qualified name), -2 source line (Text = the
// function's name, Value = line), -3 note (Text = the function's name, Value =
// the note text), 0 to 49 watched variable (Text = its name, Value = its
// address, Kind = the type code that selects a formatter).
// Frames are scoped objects, so an exception leaving a function removes its
// entries and no entry can outlive the variable it points to.
// One thread only.
#ifndef ZQ_STACKTRACE_H
#define ZQ_STACKTRACE_H

#include <cstdint>
#include <type_traits>

class ZQ_String;
class ZQ_TextStreamFormatter;

struct ZQ_StackTraceEntry {
  long Kind;
  const char* Text;
  std::intptr_t Value;
};

// Entry 0 of the array is never written; Top is the entry on top, Limit the
// last usable entry. Before the first push Base is null and Top == Limit ==
// a placeholder, so the first push grows the stack before it writes.
extern ZQ_StackTraceEntry* ZQ_StackTrace_Base;
extern ZQ_StackTraceEntry* ZQ_StackTrace_Top;
extern ZQ_StackTraceEntry* ZQ_StackTrace_Limit;

// Called by a push whose Top has passed Limit: doubles the array (2, 4, 8 ...
// entries, entry 0 included). Throws std::bad_alloc when memory is out, with
// the push undone.
void ZQ_StackTrace_GrowStack();

inline void ZQ_StackTrace_Push(long Kind, const char* Text,
                               std::intptr_t Value) {
  if (++ZQ_StackTrace_Top > ZQ_StackTrace_Limit) ZQ_StackTrace_GrowStack();
  ZQ_StackTrace_Top->Kind = Kind;
  ZQ_StackTrace_Top->Text = Text;
  ZQ_StackTrace_Top->Value = Value;
}

inline void ZQ_StackTrace_Pop() { --ZQ_StackTrace_Top; }

// Number of entries on the stack (entry 0 not counted).
inline long ZQ_StackTrace_GetDepth() {
  return ZQ_StackTrace_Base ? static_cast<long>(ZQ_StackTrace_Top - ZQ_StackTrace_Base)
                            : 0;
}

// Pops one entry when it goes out of scope, also during unwinding. The pushing
// constructor is what the frame macros use; the default one takes charge of an
// entry pushed just before.
class ZQ_StackTrace_ScopeRemover {
 public:
  ZQ_StackTrace_ScopeRemover() noexcept = default;
  ZQ_StackTrace_ScopeRemover(long Kind, const char* Text, std::intptr_t Value) {
    ZQ_StackTrace_Push(Kind, Text, Value);
  }
  ~ZQ_StackTrace_ScopeRemover() { ZQ_StackTrace_Pop(); }
  ZQ_StackTrace_ScopeRemover(const ZQ_StackTrace_ScopeRemover&) = delete;
  ZQ_StackTrace_ScopeRemover& operator=(const ZQ_StackTrace_ScopeRemover&) = delete;
};

// Watched-variable formatters: the table has one slot per type code.
const long ZQ_StackTrace_VarFormatterFunTableSize = 50;
using ZQ_StackTrace_VarFormatter = ZQ_String (*)(const void* Address);
extern ZQ_StackTrace_VarFormatter
    ZQ_StackTrace_VarFormatterFunTable[ZQ_StackTrace_VarFormatterFunTableSize];

// Define one static object of this class per type code a module serves. A code
// out of range or already taken is an assertion failure.
class ZQ_StackTrace_RegisterVarFormatter {
 public:
  ZQ_StackTrace_RegisterVarFormatter(long TypeCode,
                                     ZQ_StackTrace_VarFormatter Formatter);
};

// Writes the stack to Out under "Stack:", bottom first: one line per entry,
// the function names indented by 4 spaces, their lines, notes and watched
// variables by 8. A watched variable prints through its type code's
// formatter ("NO FORMATTER" when the slot is empty). An entry whose writing
// throws is finished with "    BAD STACK ITEM" and the dump goes on.
void ZQ_StackTrace_Dump(ZQ_TextStreamFormatter& Out);

// Type codes of the watched variables. Modules with a type of their own
// specialise ZQ_StackTrace_TypeCode next to it (14 and 15 points, 16 and 17
// rectangles, 18 file names, 19 and 20 identifiers, 21 to 24 elapsed time,
// date, time and point in time, 25 URIs; 26 to 49 are free).
template <class T> struct ZQ_StackTrace_TypeCode;  // no code: no watching
template <> struct ZQ_StackTrace_TypeCode<ZQ_String> { static constexpr long Value = 0; };
template <> struct ZQ_StackTrace_TypeCode<const char*> { static constexpr long Value = 1; };
template <> struct ZQ_StackTrace_TypeCode<char*> { static constexpr long Value = 1; };
template <> struct ZQ_StackTrace_TypeCode<char> { static constexpr long Value = 2; };
template <> struct ZQ_StackTrace_TypeCode<short> { static constexpr long Value = 4; };
template <> struct ZQ_StackTrace_TypeCode<int> { static constexpr long Value = 5; };
template <> struct ZQ_StackTrace_TypeCode<long> { static constexpr long Value = 6; };
template <> struct ZQ_StackTrace_TypeCode<unsigned char> { static constexpr long Value = 7; };
template <> struct ZQ_StackTrace_TypeCode<unsigned short> { static constexpr long Value = 8; };
template <> struct ZQ_StackTrace_TypeCode<unsigned int> { static constexpr long Value = 9; };
template <> struct ZQ_StackTrace_TypeCode<unsigned long> { static constexpr long Value = 10; };
template <> struct ZQ_StackTrace_TypeCode<double> { static constexpr long Value = 11; };
template <> struct ZQ_StackTrace_TypeCode<float> { static constexpr long Value = 12; };
template <> struct ZQ_StackTrace_TypeCode<bool> { static constexpr long Value = 13; };

template <class T> struct ZQ_StackTrace_TypeCode<const T> : ZQ_StackTrace_TypeCode<T> {};

#define ZQ_TRACE_CONCAT2(a, b) a##b
#define ZQ_TRACE_CONCAT(a, b) ZQ_TRACE_CONCAT2(a, b)

// Opens the calling function's frame: pushes its kind -1 entry for the rest
// of the scope. Write it first in the function body, with the qualified name:
//   ZQ_TRACE_FUNCTION("ZQ_String::Append");
#define ZQ_TRACE_FUNCTION(name)                                                \
  [[maybe_unused]] const char* const ZQ_TraceFunctionName = (name);            \
  ZQ_StackTrace_ScopeRemover ZQ_TraceFrame_(-1, ZQ_TraceFunctionName, 0)

// Watches a variable (usually a parameter) until the end of the scope; its
// type picks the formatter through ZQ_StackTrace_TypeCode.
#define ZQ_TRACE_VARIABLE(variable)                                            \
  ZQ_StackTrace_ScopeRemover ZQ_TRACE_CONCAT(ZQ_TraceVariable_, __LINE__)(     \
      ZQ_StackTrace_TypeCode<                                                  \
          typename std::remove_reference<decltype(variable)>::type>::Value,    \
      #variable, reinterpret_cast<std::intptr_t>(&(variable)))

// The same with an explicit type code (for example 3, a char written through
// the text formatter).
#define ZQ_TRACE_VARIABLE_CODE(typeCode, variable)                             \
  ZQ_StackTrace_ScopeRemover ZQ_TRACE_CONCAT(ZQ_TraceVariable_, __LINE__)(     \
      (typeCode), #variable, reinterpret_cast<std::intptr_t>(&(variable)))

// Records the source line reached, until the end of the scope. Needs
// ZQ_TRACE_FUNCTION earlier in the function.
#define ZQ_TRACE_LINE()                                                        \
  ZQ_StackTrace_ScopeRemover ZQ_TRACE_CONCAT(ZQ_TraceLine_, __LINE__)(         \
      -2, ZQ_TraceFunctionName, __LINE__)

// Leaves a note (a string literal or other text that outlives the scope) until
// the end of the scope. Needs ZQ_TRACE_FUNCTION earlier in the function.
#define ZQ_TRACE_NOTE(text)                                                    \
  ZQ_StackTrace_ScopeRemover ZQ_TRACE_CONCAT(ZQ_TraceNote_, __LINE__)(         \
      -3, ZQ_TraceFunctionName, reinterpret_cast<std::intptr_t>(              \
                                    static_cast<const char*>(text)))

#endif
