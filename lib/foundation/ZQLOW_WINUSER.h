// ZQLOW_WINUSER.h: checked wrappers of the window, menu, input, caret and
// clipboard functions the system calls. Each has the Windows function's
// parameters and result, calls it once, judges the result by the test of its
// row and hands a failure to ZQLOW_WIN_ReportAPIFunctionFailure
// (ZQLOW_WIN_Core.h): in the running program a failed call throws
// ZQ_Exception. When the report returns (other failure modes) the wrapper
// returns the failed result unchanged.
// Tests (ZQLOW_WIN_Check.h): FailsOnZero - 0, FALSE, null or a zero atom;
// ...Cleared - the last error is set to 0 first; ...SayingFunctionFailed -
// reported as "Function failed"; FailsOnAllOnes - -1; FailsOnZeroWithError -
// 0 and a non-zero last error; FailsOnNegativeCleared - below 0; Unchecked -
// the caller judges the result.
// Wrappers that run a modal loop or dispatch messages (MessageBoxA,
// TrackPopupMenu, DispatchMessageA) re-enter window procedures, which must
// not let an exception escape. UI thread only.
#ifndef ZQLOW_WINUSER_H
#define ZQLOW_WINUSER_H

#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"

// clang-format off
#define ZQLOW_WINUSER_TABLE(X)                                                                     \
  X(BOOL, AdjustWindowRectEx, , (LPRECT Rect, DWORD Style, BOOL HasMenu, DWORD ExStyle),           \
    (Rect, Style, HasMenu, ExStyle), FailsOnZero)                                                  \
  X(BOOL, AppendMenu, A, (HMENU Menu, UINT Flags, UINT_PTR NewItemID, LPCSTR NewItem),             \
    (Menu, Flags, NewItemID, NewItem), FailsOnZero)                                                \
  X(HDC, BeginPaint, , (HWND Window, LPPAINTSTRUCT Paint), (Window, Paint), FailsOnZeroCleared)    \
  X(BOOL, BringWindowToTop, , (HWND Window), (Window), FailsOnZero)                                \
  X(BOOL, ClientToScreen, , (HWND Window, LPPOINT Point), (Window, Point),                         \
    FailsOnZeroSayingFunctionFailed)                                                               \
  X(BOOL, ClipCursor, , (const RECT* Rect), (Rect), FailsOnZero)                                   \
  X(BOOL, CloseClipboard, , (), (), FailsOnZero)                                                   \
  X(BOOL, CreateCaret, , (HWND Window, HBITMAP Bitmap, int Width, int Height),                     \
    (Window, Bitmap, Width, Height), FailsOnZero)                                                  \
  X(HICON, CreateIconIndirect, , (PICONINFO IconInfo), (IconInfo), FailsOnZero)                    \
  X(HMENU, CreateMenu, , (), (), FailsOnZeroCleared)                                               \
  X(HMENU, CreatePopupMenu, , (), (), FailsOnZeroCleared)                                          \
  X(HWND, CreateWindowEx, A, (DWORD ExStyle, LPCSTR ClassName, LPCSTR WindowName, DWORD Style,     \
    int X, int Y, int Width, int Height, HWND Parent, HMENU Menu, HINSTANCE Instance,              \
    LPVOID Param), (ExStyle, ClassName, WindowName, Style, X, Y, Width, Height, Parent, Menu,      \
    Instance, Param), FailsOnZeroCleared)                                                          \
  X(BOOL, DestroyCaret, , (), (), FailsOnZero)                                                     \
  X(BOOL, DestroyMenu, , (HMENU Menu), (Menu), FailsOnZero)                                        \
  X(BOOL, DestroyWindow, , (HWND Window), (Window), FailsOnZero)                                   \
  X(LRESULT, DispatchMessage, A, (const MSG* Message), (Message), Unchecked)                       \
  /* The canvas judges it: a failure is its assertion. */                                          \
  X(BOOL, DrawFocusRect, , (HDC DC, const RECT* Rect), (DC, Rect), Unchecked)                      \
  /* 0 is no failure: nothing was drawn. */                                                        \
  X(int, DrawText, A, (HDC DC, LPCSTR Text, int Count, LPRECT Rect, UINT Format),                  \
    (DC, Text, Count, Rect, Format), FailsOnNegativeCleared)                                       \
  X(BOOL, EmptyClipboard, , (), (), FailsOnZero)                                                   \
  X(BOOL, EnableMenuItem, , (HMENU Menu, UINT ItemID, UINT Enable), (Menu, ItemID, Enable),        \
    FailsOnAllOnesCleared)                                                                         \
  X(BOOL, EnableWindow, , (HWND Window, BOOL Enable), (Window, Enable), Unchecked)                 \
  X(BOOL, EndPaint, , (HWND Window, const PAINTSTRUCT* Paint), (Window, Paint), Unchecked)         \
  X(int, FillRect, , (HDC DC, const RECT* Rect, HBRUSH Brush), (DC, Rect, Brush), FailsOnZero)     \
  X(UINT, GetCaretBlinkTime, , (), (), FailsOnZero)                                                \
  X(BOOL, GetClientRect, , (HWND Window, LPRECT Rect), (Window, Rect), FailsOnZero)                \
  X(HANDLE, GetClipboardData, , (UINT Format), (Format), FailsOnZero)                              \
  X(HDC, GetDC, , (HWND Window), (Window), FailsOnZeroCleared)                                     \
  X(HWND, GetFocus, , (), (), Unchecked)                                                           \
  X(SHORT, GetKeyState, , (int VirtualKey), (VirtualKey), Unchecked)                               \
  X(HMENU, GetMenu, , (HWND Window), (Window), Unchecked)                                          \
  X(int, GetMenuItemCount, , (HMENU Menu), (Menu), FailsOnAllOnes)                                 \
  X(BOOL, GetMessage, A, (LPMSG Message, HWND Window, UINT FilterMin, UINT FilterMax),             \
    (Message, Window, FilterMin, FilterMax), FailsOnAllOnesCleared)                                \
  X(DWORD, GetSysColor, , (int Index), (Index), Unchecked)                                         \
  X(int, GetSystemMetrics, , (int Index), (Index), Unchecked)                                      \
  /* Null for a window without a system menu: not an error. */                                      \
  X(HMENU, GetSystemMenu, , (HWND Window, BOOL Revert), (Window, Revert), Unchecked)               \
  X(int, GetUpdateRgn, , (HWND Window, HRGN Region, BOOL Erase), (Window, Region, Erase),          \
    FailsOnZeroCleared)                                                                            \
  X(BOOL, GetWindowRect, , (HWND Window, LPRECT Rect), (Window, Rect), FailsOnZero)                \
  X(BOOL, HideCaret, , (HWND Window), (Window), FailsOnZero)                                       \
  /* A yes-or-no question: FALSE is an answer. */                                                   \
  X(BOOL, IsIconic, , (HWND Window), (Window), Unchecked)                                          \
  X(BOOL, IsZoomed, , (HWND Window), (Window), Unchecked)                                          \
  X(BOOL, IsWindow, , (HWND Window), (Window), Unchecked)                                          \
  X(BOOL, InsertMenu, A, (HMENU Menu, UINT Position, UINT Flags, UINT_PTR NewItemID,               \
    LPCSTR NewItem), (Menu, Position, Flags, NewItemID, NewItem), FailsOnZero)                     \
  X(BOOL, InvalidateRect, , (HWND Window, const RECT* Rect, BOOL Erase), (Window, Rect, Erase),    \
    FailsOnZeroCleared)                                                                            \
  X(BOOL, InvalidateRgn, , (HWND Window, HRGN Region, BOOL Erase), (Window, Region, Erase),        \
    Unchecked)                                                                                     \
  X(BOOL, IsClipboardFormatAvailable, , (UINT Format), (Format), Unchecked)                        \
  X(BOOL, KillTimer, , (HWND Window, UINT_PTR TimerID), (Window, TimerID), FailsOnZero)            \
  X(HBITMAP, LoadBitmap, A, (HINSTANCE Instance, LPCSTR BitmapName), (Instance, BitmapName),       \
    FailsOnZeroCleared)                                                                            \
  X(HCURSOR, LoadCursor, A, (HINSTANCE Instance, LPCSTR CursorName), (Instance, CursorName),       \
    FailsOnZero)                                                                                   \
  X(int, MessageBox, A, (HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Type),                      \
    (Owner, Text, Caption, Type), Unchecked)                                                       \
  X(BOOL, MoveWindow, , (HWND Window, int X, int Y, int Width, int Height, BOOL Repaint),          \
    (Window, X, Y, Width, Height, Repaint), FailsOnZeroCleared)                                    \
  X(BOOL, OpenClipboard, , (HWND NewOwner), (NewOwner), FailsOnZero)                               \
  X(BOOL, PeekMessage, A, (LPMSG Message, HWND Window, UINT FilterMin, UINT FilterMax,             \
    UINT RemoveFlags), (Message, Window, FilterMin, FilterMax, RemoveFlags), Unchecked)            \
  X(BOOL, PostMessage, A, (HWND Window, UINT Message, WPARAM WParam, LPARAM LParam),               \
    (Window, Message, WParam, LParam), FailsOnZero)                                                \
  X(void, PostQuitMessage, , (int ExitCode), (ExitCode), Unchecked)                                \
  X(ATOM, RegisterClass, A, (const WNDCLASSA* WindowClass), (WindowClass), FailsOnZero)            \
  X(UINT, RegisterWindowMessage, A, (LPCSTR String), (String), FailsOnZeroCleared)                 \
  X(BOOL, ReleaseCapture, , (), (), FailsOnZeroCleared)                                            \
  /* 0 is also "not released" without an error: only an error fails. */                           \
  X(int, ReleaseDC, , (HWND Window, HDC DC), (Window, DC), FailsOnZeroWithError)                   \
  X(BOOL, ScreenToClient, , (HWND Window, LPPOINT Point), (Window, Point),                         \
    FailsOnZeroSayingFunctionFailed)                                                               \
  X(int, ScrollWindowEx, , (HWND Window, int DX, int DY, const RECT* Scroll, const RECT* Clip,      \
    HRGN Update, LPRECT UpdateRect, UINT Flags),                                                   \
    (Window, DX, DY, Scroll, Clip, Update, UpdateRect, Flags), FailsOnZero)                        \
  X(HWND, SetCapture, , (HWND Window), (Window), Unchecked)                                        \
  X(BOOL, SetCaretPos, , (int X, int Y), (X, Y), FailsOnZero)                                      \
  X(HANDLE, SetClipboardData, , (UINT Format, HANDLE Memory), (Format, Memory), FailsOnZero)       \
  X(HCURSOR, SetCursor, , (HCURSOR Cursor), (Cursor), Unchecked)                                   \
  X(HWND, SetFocus, , (HWND Window), (Window), Unchecked)                                          \
  X(BOOL, SetMenu, , (HWND Window, HMENU Menu), (Window, Menu), FailsOnZero)                       \
  X(UINT_PTR, SetTimer, , (HWND Window, UINT_PTR TimerID, UINT ElapseMs, TIMERPROC TimerProc),     \
    (Window, TimerID, ElapseMs, TimerProc), FailsOnZeroCleared)                                    \
  X(BOOL, SetWindowPos, , (HWND Window, HWND InsertAfter, int X, int Y, int Width, int Height,     \
    UINT Flags), (Window, InsertAfter, X, Y, Width, Height, Flags), FailsOnZero)                   \
  X(BOOL, SetWindowText, A, (HWND Window, LPCSTR Text), (Window, Text), FailsOnZero)               \
  X(BOOL, ShowCaret, , (HWND Window), (Window), FailsOnZero)                                       \
  X(BOOL, ShowWindow, , (HWND Window, int Show), (Window, Show), Unchecked)                        \
  X(BOOL, SystemParametersInfo, A, (UINT Action, UINT Param, PVOID Value, UINT WinIni),            \
    (Action, Param, Value, WinIni), FailsOnZero)                                                   \
  X(BOOL, TrackPopupMenu, , (HMENU Menu, UINT Flags, int X, int Y, int Reserved, HWND Window,      \
    const RECT* Rect), (Menu, Flags, X, Y, Reserved, Window, Rect), Unchecked)                     \
  X(BOOL, TranslateMessage, , (const MSG* Message), (Message), Unchecked)                          \
  X(BOOL, UpdateWindow, , (HWND Window), (Window), FailsOnZeroCleared)
// clang-format on

namespace ZQLOW_WINUSER {

ZQLOW_WINUSER_TABLE(ZQLOW_WIN_DECLARE)

// Tries up to 50 times, sleeping 100 ms after each failed try (the cursor
// position is briefly unavailable while the desktop switches, for example to
// a screen saver); reports only when every try failed.
BOOL GetCursorPos(LPPOINT Point);

// A thread id of 0, or (with a ProcessID pointer) a stored process id of 0,
// is a failure; the last error is cleared first.
DWORD GetWindowThreadProcessId(HWND Window, LPDWORD ProcessID);

// LoadIconA and MessageBeep without any check: the caller judges the result.
HICON LoadIcon_DoNotThrowException(HINSTANCE Instance, LPCSTR IconName);
BOOL MessageBeep_DoNotThrowException(UINT Type);

}  // namespace ZQLOW_WINUSER

#endif
