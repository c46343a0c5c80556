// ZQF_MainApplicationWindow.h: the application's one main window: an
// overlapped window of class "ZQFMAINAPPWIN" with the application's icon,
// placed and sized by Windows, recorded as the program main window (the
// default parent of plain and unowned secondary windows). Its destruction
// ends the main message loop. UI thread only.
#ifndef ZQF_MAINAPPLICATIONWINDOW_H
#define ZQF_MAINAPPLICATIONWINDOW_H

#include "ZQF_Window.h"

class ZQF_MainApplicationWindow : public ZQF_Window {
 public:
  explicit ZQF_MainApplicationWindow(ZQF_TopLevelGlyph* TopLevelGlyph)
      : ZQF_Window(TopLevelGlyph) {}

  // The base handling (the object is deleted), then PostQuitMessage (0).
  bool OnDestroy() override;

  // The main icon resource, or the stock asterisk icon when it is missing.
  void Cust_RegisterWindowClass() override;
  ZQ_String Cust_GetWindowClassName() override;
  DWORD Cust_GetWindowStyle() override;
  HWND Cust_GetParentWindowHandle() override;
  long Cust_GetDefaultWidth() override;
  long Cust_GetDefaultHeight() override;
  long Cust_GetDefaultX() override;
  long Cust_GetDefaultY() override;
  bool Cust_IsProgramMainWindow() override;
};

#endif
