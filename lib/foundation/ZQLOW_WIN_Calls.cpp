#include "ZQLOW_WIN_Calls.h"

// The compiler takes the import library's address of each function, a
// constant, so the table is filled when the program is loaded.
#define ZQLOW_WIN_DEFINE_CALL(Function) decltype(&::Function) Function = &::Function;
#define ZQLOW_WIN_DEFINE_ROW_CALL(Result, Name, Letter, Parameters, Arguments, Test) \
  ZQLOW_WIN_DEFINE_CALL(Name##Letter)

ZQLOW_WIN_ALL_CALLS(ZQLOW_WIN_DEFINE_ROW_CALL, ZQLOW_WIN_DEFINE_CALL)
