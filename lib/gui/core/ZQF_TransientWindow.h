// ZQF_TransientWindow.h: a small window that floats above the others and is
// never activated (dropdown lists, tooltips, the wheel-scroll origin mark):
// a child of the desktop window with the tool-window and topmost styles, of
// class "ZQFTRANSWIN", which asks Windows to save what it covers. Users
// that must not take input disable it once after creation. UI thread only.
#ifndef ZQF_TRANSIENTWINDOW_H
#define ZQF_TRANSIENTWINDOW_H

#include "ZQF_Window.h"

class ZQF_TransientWindow : public ZQF_Window {
 public:
  explicit ZQF_TransientWindow(ZQF_TopLevelGlyph* TopLevelGlyph) : ZQF_Window(TopLevelGlyph) {}

  void Cust_RegisterWindowClass() override;
  ZQ_String Cust_GetWindowClassName() override;
  DWORD Cust_GetWindowStyle() override;
  DWORD Cust_GetWindowExtendedStyle() override;
  HWND Cust_GetParentWindowHandle() override;
};

#endif
