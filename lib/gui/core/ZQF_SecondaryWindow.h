// ZQF_SecondaryWindow.h: the window of a dialog box, owned by another
// window: by its owner window when one is set before Construct, else by the
// program main window. UI thread only.
#ifndef ZQF_SECONDARYWINDOW_H
#define ZQF_SECONDARYWINDOW_H

#include "ZQF_Window.h"

class ZQF_SecondaryWindow : public ZQF_Window {
 public:
  explicit ZQF_SecondaryWindow(ZQF_TopLevelGlyph* TopLevelGlyph) : ZQF_Window(TopLevelGlyph) {}

  // Takes effect only before Construct: the parent is read at creation.
  void SetOwnerWindow(ZQF_Window* Owner) { OwnerWindow = Owner; }
  ZQF_Window* GetOwnerWindow() const { return OwnerWindow; }

  HWND Cust_GetParentWindowHandle() override;

 private:
  ZQF_Window* OwnerWindow = nullptr;
};

#endif
