// ZQF_Window.h: one Win32 window bound to one glyph tree. The window owns
// the tree's root, a top-level glyph; everything the user sees inside it is
// drawn by glyphs, and everything the user does reaches the glyphs as
// message objects. All toolkit windows share one window procedure, which
// finds the window object for the handle and calls its virtual handler for
// the Windows message; a handler returns true when it consumed the message,
// false to leave it to DefWindowProcA.
// Module state: the live windows in creation order, and the one mouse
// capture of the program (the capturing glyph starts the routing of every
// mouse message, whatever window it lies in).
// The window procedure (ZQF_WindowProcedure.cpp), the handlers with the key
// translation (ZQF_WindowMessageHandlers.cpp), the operations on the Win32
// window (ZQF_WindowOperations.cpp) and painting (ZQF_WindowPainting.cpp)
// each have a file. Painting is double-buffered by default: each paint
// draws the paint rectangle into a fresh bitmap and copies it in one go.
// UI thread only.
#ifndef ZQF_WINDOW_H
#define ZQF_WINDOW_H

#include "ZQLOW_Windows.h"
#include "ZQ_Iterator.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

class ZQF_Glyph;
class ZQF_TopLevelGlyph;
class ZQF_KeyMessage;
class ZQ_Exception;
struct ZQF_ModifierKeys;

// The argument of ZQF_Window::Show; any other value goes to ShowWindow as it
// is.
enum ZQF_ShowState : int {
  ZQF_ShowState_Normal = -8499,
  ZQF_ShowState_Minimized = -8498,
  ZQF_ShowState_Maximized = -8497,
  ZQF_ShowState_Restore = -8496,
  ZQF_ShowState_Hidden = -8495,
  ZQF_ShowState_Show = -8494
};

class ZQF_Window {
 public:
  // Takes ownership of TopLevelGlyph and joins the live windows; creates no
  // Win32 window.
  explicit ZQF_Window(ZQF_TopLevelGlyph* TopLevelGlyph);
  ZQF_Window(const ZQF_Window&) = delete;
  ZQF_Window& operator=(const ZQF_Window&) = delete;
  // Deletes the glyph tree and leaves the live windows ("i <
  // NumCurrentWindows" for a window that is not there).
  virtual ~ZQF_Window();

  // GetFocus () is this window's handle.
  virtual bool HasFocus();

  // Message handlers; true when the message was consumed.
  virtual bool OnActivate(bool Active);
  virtual bool OnActivateApp(bool Active);
  virtual bool OnCancelMode();
  virtual bool OnChar(UINT CharacterCode, LPARAM KeyData);
  virtual bool OnClose();
  virtual bool OnCommand(UINT NotificationCode, UINT Identifier, HWND Control);
  virtual bool OnCreate(CREATESTRUCTA* Create);
  virtual bool OnDestroy();
  virtual bool OnGetMinMaxInfo(MINMAXINFO* Info);
  virtual bool OnInitMenu(HMENU Menu);
  virtual bool OnInitMenuPopup(HMENU Menu, bool IsSystemMenu);
  virtual bool OnKeyDown(UINT VirtualKey, LPARAM KeyData);
  virtual bool OnKeyUp(UINT VirtualKey, LPARAM KeyData);
  virtual bool OnKillFocus();
  virtual bool OnLButtonDblClk(long X, long Y, UINT KeyFlags);
  virtual bool OnLButtonDown(long X, long Y, UINT KeyFlags);
  virtual bool OnLButtonUp(long X, long Y, UINT KeyFlags);
  virtual bool OnMButtonDblClk(long X, long Y, UINT KeyFlags);
  virtual bool OnMButtonDown(long X, long Y, UINT KeyFlags);
  virtual bool OnMButtonUp(long X, long Y, UINT KeyFlags);
  virtual bool OnMenuSelect(UINT Item, HMENU Menu, UINT Flags);
  virtual bool OnMouseMove(long X, long Y, UINT KeyFlags);
  // X and Y in screen coordinates.
  virtual bool OnMouseWheel(long X, long Y, short Delta);
  virtual bool OnPaint();
  virtual bool OnRButtonDblClk(long X, long Y, UINT KeyFlags);
  virtual bool OnRButtonDown(long X, long Y, UINT KeyFlags);
  virtual bool OnRButtonUp(long X, long Y, UINT KeyFlags);
  virtual bool OnSetCursor(UINT HitTest);
  virtual bool OnSetFocus();
  virtual bool OnSettingChange();
  virtual bool OnSize(UINT Width, UINT Height, UINT State);
  virtual bool OnSysChar(UINT CharacterCode, LPARAM KeyData);
  virtual bool OnSysColorChange();
  virtual bool OnSysKeyDown(UINT VirtualKey, LPARAM KeyData);
  virtual bool OnSysKeyUp(UINT VirtualKey, LPARAM KeyData);

  // Key translation: each fills Message with the framework key code and the
  // modifier keys, and answers whether it is to be dispatched. Characters
  // typed with Control alone are refused (their key-downs carry them); with
  // Control and Alt (AltGr) they are delivered.
  bool InitializeOnCharMessage(UINT CharacterCode, ZQF_KeyMessage& Message);
  bool InitializeOnKeyDownMessage(UINT VirtualKey, ZQF_KeyMessage& Message);
  bool InitializeOnKeyUpMessage(UINT VirtualKey, ZQF_KeyMessage& Message);

  // Customisation: the window class and the creation arguments.
  virtual void Cust_RegisterWindowClass();
  virtual ZQ_String Cust_GetWindowClassName();
  virtual DWORD Cust_GetWindowStyle();
  virtual DWORD Cust_GetWindowExtendedStyle();
  virtual HWND Cust_GetParentWindowHandle();
  virtual HMENU Cust_GetMenuHandle();
  virtual long Cust_GetDefaultWidth();
  virtual long Cust_GetDefaultHeight();
  virtual long Cust_GetDefaultX();
  virtual long Cust_GetDefaultY();
  virtual bool Cust_IsProgramMainWindow();
  virtual bool Cust_UseDoubleBuffering();

  // Creates the Win32 window; a width of 0 asks for the default place.
  void Construct(const ZQ_Rectangle<long>& Rectangle);
  // The object deletes itself when Windows destroys the window.
  void Destroy();

  HWND GetWindowHandle() const { return WindowHandle; }
  ZQF_TopLevelGlyph* GetTopLevelGlyph() const { return TopLevelGlyph; }
  void SetTitleText(const ZQ_String& NewTitleText);
  void Show(ZQF_ShowState State);
  void Update();
  ZQ_Rectangle<long> GetWindowRectangle();
  void SetWindowRectangle(const ZQ_Rectangle<long>& Rectangle);
  void Move(const ZQ_Rectangle<long>& Rectangle, bool Repaint);
  void BringWindowToTop();
  void MakeTopTopmost();
  void SetFocus();
  bool HasMenu();
  bool IsFullScreen() const { return false; }
  ZQ_Point<long> GetRequiredWindowSize(const ZQ_Point<long>& DesiredClientSize);
  // Nested disabling: the first push disables, the last pop enables.
  void DisablePush();
  void DisablePop();
  long GetDisableLevel() const { return DisableLevel; }

  // Repaint requests in client coordinates; nothing before creation.
  void InvalidateRect(const ZQ_Rectangle<long>& Rectangle);
  void AddToUpdateAfterPaintMessageRegion(long X, long Y, long Width, long Height);
  void AddToUpdateAfterPaintMessageRegion(HRGN Region);

  // The first live window with the handle; null when none.
  static ZQF_Window* GetWindowFromHandle(HWND Window);
  // The live window that has the keyboard focus, or null.
  static ZQF_Window* GetFocusWindow();
  // Over a copy of the live windows, in creation order.
  static ZQ_Iterator<ZQF_Window*> GetCurrentWindowsIterator();
  static long GetNumCurrentWindows();

  // The program's mouse capture.
  static void CaptureMouse(ZQF_Glyph* Glyph);
  static void ReleaseMouse();
  static ZQF_Glyph* GetCapturingGlyph();
  // The cursor's screen position when the capture began; asserts
  // "MouseIsCaptured()".
  static ZQ_Point<long> GetCapturedMouseLocation();
  // Ends a capture: the capturing glyph receives a left-button release at
  // (-1, -1) without modifier keys, then the capture is released.
  static void AbortMouseCapture();
  // The capturing glyph, or else this window's top-level glyph.
  ZQF_Glyph* GetTargetGlyphForMouseEvent();
  // Lets the glyph under the cursor choose the cursor; true when one did.
  bool SetCursorViaSetMouseCursorMessage();

  // Window drags, run modally: the callback moves or sizes the window when
  // the drag was not cancelled. The allowed area is the work area.
  ZQ_Rectangle<long> GetAllowableDragBoundingRect();
  void BeginWindowPositionDrag();
  void BeginWindowSizeDrag();
  void WindowDragCallback(const ZQ_Rectangle<long>& Rectangle, bool DragCanceled);

  static void FillWithDefaultValues(WNDCLASSA& WindowClass);
  static LRESULT CALLBACK WndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

 protected:
  // Registers the class of the default values with ExtraStyle and Icon,
  // once: Registered is set before registering.
  static void RegisterWindowClassOnce(bool& Registered, const char* ClassName, UINT ExtraStyle,
                                      HICON Icon);
  // Shift, Control and Alt from GetKeyState.
  static ZQF_ModifierKeys ReadModifierKeys();

 private:
  static LRESULT WndProc_CurrentlyProcessingFatalError(HWND Window, UINT Message, WPARAM WParam,
                                                       LPARAM LParam);
  static void OnPaintRegular(HWND Window, ZQF_TopLevelGlyph* Glyph, HRGN ClippingRegion,
                             bool HasFocus);
  static void OnPaintDoubleBuffer(HWND Window, ZQF_TopLevelGlyph* Glyph, long Left, long Top,
                                  long Right, long Bottom, HRGN ClippingRegion, bool HasFocus);
  static void CopyBackingBitmapToScreen(HWND Window, long Left, long Top, long Width, long Height,
                                        HDC MemoryDC);
  void OnPaintReentered();
  // Validates the update region, then draws its rectangle.
  void DrawUpdateRegion();
  void ReportDrawingError(const ZQ_Exception& Error);
  // Clears the paint state and hands the requests collected during the
  // paint to Windows.
  void FinishPaint();

  ZQF_TopLevelGlyph* TopLevelGlyph;
  HWND WindowHandle = nullptr;
  long DisableLevel = 0;
  bool ProcessingPaintMessageFlag = false;
  HRGN UpdateAfterPaintMessageRegion = nullptr;
  // Set by a drawing error, cleared by the next paint that succeeds: a
  // persistent error is reported once, not once per retried paint.
  bool DrawingErrorReported = false;
};

#endif
