// ZQLOW_WIN_FakeCall.h: for tests, puts a fake in place of one entry of the
// wrappers' call table (ZQLOW_WIN_Calls.h) for the life of a scope object,
// so that a wrapper meets exactly the result and last error the test chose:
//   const ZQLOW_WIN_FakeCall<&ZQLOW_WINBASE::Calls::CreateFileA> fake(
//       ZQLOW_WIN_Answer(INVALID_HANDLE_VALUE, ERROR_ACCESS_DENIED));
// The fake is any callable that takes the Windows function's arguments
// (captures allowed; it may write through the pointer arguments) and returns
// what converts to its result. The destructor puts back the entry it found,
// so fakes of one entry nest. One thread only.
#ifndef ZQLOW_WIN_FAKECALL_H
#define ZQLOW_WIN_FAKECALL_H

#include <functional>
#include <type_traits>
#include <utility>

#include "ZQLOW_WIN_Calls.h"
#include "ZQLOW_Windows.h"

template <auto* Entry, class Function = std::remove_pointer_t<decltype(Entry)>>
class ZQLOW_WIN_FakeCall;

template <auto* Entry, class Result, class... Parameters>
class ZQLOW_WIN_FakeCall<Entry, Result(WINAPI*)(Parameters...)> {
 public:
  template <class Fake>
  explicit ZQLOW_WIN_FakeCall(Fake Replacement)
      : Current(std::move(Replacement)), SavedEntry(*Entry), SavedFake(s_fake) {
    s_fake = &Current;
    *Entry = &CallFake;
  }
  ~ZQLOW_WIN_FakeCall() {
    *Entry = SavedEntry;
    s_fake = SavedFake;
  }
  ZQLOW_WIN_FakeCall(const ZQLOW_WIN_FakeCall&) = delete;
  ZQLOW_WIN_FakeCall& operator=(const ZQLOW_WIN_FakeCall&) = delete;

 private:
  using FakeFunction = std::function<Result(Parameters...)>;

  // The entry must hold a function of the Windows calling convention: this
  // one hands the call on to the innermost fake of the entry.
  static Result WINAPI CallFake(Parameters... Arguments) { return (*s_fake)(Arguments...); }

  static inline const FakeFunction* s_fake = nullptr;
  const FakeFunction Current;
  Result(WINAPI* const SavedEntry)(Parameters...);
  const FakeFunction* const SavedFake;
};

// A fake that sets the last error to LastError and returns Result, whatever
// the arguments.
template <class Result>
auto ZQLOW_WIN_Answer(Result Answer, DWORD LastError) {
  return [Answer, LastError](auto...) {
    ::SetLastError(LastError);
    return Answer;
  };
}

#endif
