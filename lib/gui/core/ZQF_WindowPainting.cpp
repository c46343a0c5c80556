// Painting and repaint requests. A window that has no Win32 window yet
// takes no repaint request. Painting itself (the back buffer, the requests
// collected during a paint) comes with the window code; until then these
// bodies do nothing.
#include "ZQF_Window.h"

bool ZQF_Window::OnPaint() { return false; }

void ZQF_Window::InvalidateRect(const ZQ_Rectangle<long>&) {
  if (!WindowHandle) return;
}

void ZQF_Window::AddToUpdateAfterPaintMessageRegion(long, long, long, long) {}

void ZQF_Window::AddToUpdateAfterPaintMessageRegion(HRGN) {}

void ZQF_Window::OnPaintRegular(HWND, ZQF_TopLevelGlyph*, HRGN, bool) {}

void ZQF_Window::OnPaintDoubleBuffer(HWND, ZQF_TopLevelGlyph*, long, long, long, long, HRGN,
                                     bool) {}

void ZQF_Window::CopyBackingBitmapToScreen(HWND, long, long, long, long, HDC) {}
