#include "ZQR_Clipboard.h"

#include <cstring>

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_StackTrace.h"

namespace {

// The clipboard's owner while it is open. SetClipboardData fails for a
// clipboard opened without a window, so the program keeps a hidden
// message-only window for it, made on first use and left to the end of the
// process (the data on the clipboard does not depend on it).
HWND GetClipboardWindow() {
  static const HWND s_window = ZQLOW_WINUSER::CreateWindowExA(
      0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  return s_window;
}

// The clipboard, open for the life of the object.
class ClipboardSession {
 public:
  ClipboardSession() { ZQLOW_WINUSER::OpenClipboard(GetClipboardWindow()); }
  ~ClipboardSession() {
    try {
      ZQLOW_WINUSER::CloseClipboard();
    } catch (...) {
      // Logged by the wrapper.
    }
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
};

// A global memory block, locked for the life of the object.
class LockedMemory {
 public:
  explicit LockedMemory(HGLOBAL Memory)
      : Memory(Memory), Bytes(static_cast<char*>(ZQLOW_WINBASE::GlobalLock(Memory))) {}
  ~LockedMemory() {
    try {
      ZQLOW_WINBASE::GlobalUnlock(Memory);
    } catch (...) {
    }
  }
  LockedMemory(const LockedMemory&) = delete;
  LockedMemory& operator=(const LockedMemory&) = delete;

  char* GetBytes() const noexcept { return Bytes; }

 private:
  const HGLOBAL Memory;
  char* const Bytes;
};

// A copy of Text up to its first NUL, NUL-terminated, in movable memory, as
// the clipboard takes it.
ZQ_OwnedGlobalMemory CopyToGlobalMemory(const ZQ_String& Text) {
  const size_t length = std::strlen(Text.GetText());
  ZQ_OwnedGlobalMemory memory(ZQLOW_WINBASE::GlobalAlloc(GMEM_MOVEABLE, length + 1));
  const LockedMemory locked(memory.Get());
  std::memcpy(locked.GetBytes(), Text.GetText(), length + 1);
  return memory;
}

}  // namespace

void ZQR_Clipboard::SetContents(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQR_Clipboard::SetContents");
  ZQ_OwnedGlobalMemory memory = CopyToGlobalMemory(Text);
  const ClipboardSession clipboard;
  ZQLOW_WINUSER::EmptyClipboard();
  ZQLOW_WINUSER::SetClipboardData(CF_TEXT, memory.Get());
  memory.Release();  // the clipboard owns it now
}

// The text ends at its first NUL or at the end of the block, whichever comes
// first: another program's block need not hold a NUL.
ZQ_String ZQR_Clipboard::GetContentsAsText() {
  ZQ_TRACE_FUNCTION("ZQR_Clipboard::GetContentsAsText");
  const ClipboardSession clipboard;
  if (!ZQLOW_WINUSER::IsClipboardFormatAvailable(CF_TEXT)) return ZQ_String();
  const HGLOBAL memory = ZQLOW_WINUSER::GetClipboardData(CF_TEXT);
  const size_t size = ZQLOW_WINBASE::GlobalSize(memory);
  if (size == 0) return ZQ_String();
  const LockedMemory locked(memory);
  const char* const end = static_cast<const char*>(std::memchr(locked.GetBytes(), 0, size));
  return ZQ_String(locked.GetBytes(), static_cast<int>(end ? end - locked.GetBytes() : size));
}

bool ZQR_Clipboard::ContentsAvailableAsText() {
  return ZQLOW_WINUSER::IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}
