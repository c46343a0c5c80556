// Painting and repaint requests. The update region is validated before any
// glyph draws, so requests made while drawing are collected and given back
// to Windows when the paint ends instead of being lost in it. Every GDI
// object of a paint (region, back buffer, contexts) lives for that paint
// only and is freed also when drawing throws.
#include "ZQF_Canvas.h"
#include "ZQF_Caret.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_WINUSER.h"
#include "ZQR_Bitmap.h"
#include "ZQR_DeviceContext.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_ReportError.h"

namespace {

// GDI takes 16-bit coordinates: glyphs scrolled far away must not overflow.
const long CoordinateLimit = 32500;

long Clamped(long Value) {
  return Value < -CoordinateLimit ? -CoordinateLimit
                                  : (Value > CoordinateLimit ? CoordinateLimit : Value);
}

RECT ClampedEdges(long X, long Y, long Width, long Height) {
  return RECT{Clamped(X), Clamped(Y), Clamped(X + Width), Clamped(Y + Height)};
}

const long ReleaseWithReleaseDC = 1;
const long ReleaseWithDeleteDC = 0;

ZQR_DeviceContext WindowDC(HWND Window) {
  return ZQR_DeviceContext(ZQLOW_WINUSER::GetDC(Window), Window, ReleaseWithReleaseDC);
}

}  // namespace

void ZQF_Window::InvalidateRect(const ZQ_Rectangle<long>& Rectangle) {
  if (!WindowHandle) return;
  if (ProcessingPaintMessageFlag) {
    AddToUpdateAfterPaintMessageRegion(Rectangle.X, Rectangle.Y, Rectangle.Width,
                                       Rectangle.Height);
    return;
  }
  const RECT r = ClampedEdges(Rectangle.X, Rectangle.Y, Rectangle.Width, Rectangle.Height);
  ZQLOW_WINUSER::InvalidateRect(WindowHandle, &r, FALSE);
}

void ZQF_Window::AddToUpdateAfterPaintMessageRegion(long X, long Y, long Width, long Height) {
  ZQ_ASSERT_TEXT(ProcessingPaintMessageFlag, "ProcessingPaintMessageFlag");
  const RECT r = ClampedEdges(X, Y, Width, Height);
  const ZQ_OwnedRegion region(ZQLOW_WINGDI::CreateRectRgn(r.left, r.top, r.right, r.bottom));
  AddToUpdateAfterPaintMessageRegion(region.Get());
}

void ZQF_Window::AddToUpdateAfterPaintMessageRegion(HRGN Region) {
  if (UpdateAfterPaintMessageRegion) {
    ZQLOW_WINGDI::CombineRgn(UpdateAfterPaintMessageRegion, UpdateAfterPaintMessageRegion, Region,
                             RGN_OR);
    return;
  }
  ZQ_OwnedRegion collected(ZQLOW_WINGDI::CreateRectRgn(0, 0, 1, 1));
  ZQLOW_WINGDI::CombineRgn(collected.Get(), Region, nullptr, RGN_COPY);
  UpdateAfterPaintMessageRegion = collected.Release();
}

bool ZQF_Window::OnPaint() {
  if (ProcessingPaintMessageFlag) {
    OnPaintReentered();
    return true;
  }
  ProcessingPaintMessageFlag = true;
  try {
    ZQF_Caret::DisableBeforePainting();
    DrawUpdateRegion();
    DrawingErrorReported = false;
  } catch (const ZQ_CancelCurrentOperationException&) {
  } catch (const ZQ_Exception& e) {
    FinishPaint();
    ReportDrawingError(e);
    return true;
  } catch (...) {
    FinishPaint();
    throw;
  }
  FinishPaint();
  return true;
}

// A paint nested in a paint of the same window (a message loop run by
// drawing code): the area turns grey at once and is painted properly after
// the outer paint.
void ZQF_Window::OnPaintReentered() {
  const ZQ_OwnedRegion update(ZQLOW_WINGDI::CreateRectRgn(0, 0, 1, 1));
  ZQLOW_WINUSER::GetUpdateRgn(WindowHandle, update.Get(), FALSE);
  AddToUpdateAfterPaintMessageRegion(update.Get());
  PAINTSTRUCT paint;
  const HDC dc = ZQLOW_WINUSER::BeginPaint(WindowHandle, &paint);
  ZQLOW_WINUSER::FillRect(dc, &paint.rcPaint,
                          static_cast<HBRUSH>(ZQLOW_WINGDI::GetStockObject(GRAY_BRUSH)));
  ZQLOW_WINUSER::EndPaint(WindowHandle, &paint);
}

void ZQF_Window::DrawUpdateRegion() {
  PAINTSTRUCT paint;
  ZQLOW_WINUSER::BeginPaint(WindowHandle, &paint);
  ZQLOW_WINUSER::EndPaint(WindowHandle, &paint);
  const RECT r = paint.rcPaint;
  if (r.right <= r.left || r.bottom <= r.top) return;  // nothing to draw
  const HRGN region = ZQLOW_WINGDI::CreateRectRgn(r.left, r.top, r.right, r.bottom);
  const bool hasFocus = HasFocus();
  if (Cust_UseDoubleBuffering()) {
    OnPaintDoubleBuffer(WindowHandle, TopLevelGlyph, r.left, r.top, r.right, r.bottom, region,
                        hasFocus);
  } else {
    OnPaintRegular(WindowHandle, TopLevelGlyph, region, hasFocus);
  }
}

// A persistent error shows one box and causes one retry, not a box per
// retried paint nested in each box's modal loop.
void ZQF_Window::ReportDrawingError(const ZQ_Exception& Error) {
  if (DrawingErrorReported) return;
  DrawingErrorReported = true;
  ZQ_ReportError(Error, ZQ_ReportErrorLevel_Error);
  ZQLOW_WINUSER::InvalidateRect(WindowHandle, nullptr, FALSE);
}

void ZQF_Window::FinishPaint() {
  ProcessingPaintMessageFlag = false;
  ZQF_Caret::EnableAfterPainting();
  if (!UpdateAfterPaintMessageRegion) return;
  const ZQ_OwnedRegion collected(UpdateAfterPaintMessageRegion);
  UpdateAfterPaintMessageRegion = nullptr;
  ZQLOW_WINUSER::InvalidateRgn(WindowHandle, collected.Get(), FALSE);
}

void ZQF_Window::OnPaintRegular(HWND Window, ZQF_TopLevelGlyph* Glyph, HRGN ClippingRegion,
                                bool HasFocus) {
  ZQ_OwnedRegion region(ClippingRegion);
  const ZQR_DeviceContext dc = WindowDC(Window);
  ZQF_Canvas canvas(dc, region.Release(), HasFocus);
  Glyph->ProcessWindowDraw(canvas);
}

void ZQF_Window::OnPaintDoubleBuffer(HWND Window, ZQF_TopLevelGlyph* Glyph, long Left, long Top,
                                     long Right, long Bottom, HRGN ClippingRegion,
                                     bool HasFocus) {
  ZQ_OwnedRegion region(ClippingRegion);
  const long width = Right - Left;
  const long height = Bottom - Top;
  // The back buffer covers the paint rectangle only.
  ZQR_Bitmap backBuffer;
  backBuffer.CreateScreenCompatiableBitmap(width, height);
  const ZQR_DeviceContext memoryDC(ZQLOW_WINGDI::CreateCompatibleDC(nullptr), nullptr,
                                   ReleaseWithDeleteDC);
  ZQLOW_WINGDI::SelectObject(memoryDC, backBuffer.GetHBITMAP());
  // Client coordinates land in the bitmap; clipping regions are in device
  // coordinates and move by the same amount.
  ZQLOW_WINGDI::SetViewportOrgEx(memoryDC, -Left, -Top, nullptr);
  ZQF_Canvas canvas(memoryDC, region.Release(), HasFocus);
  canvas.SetClippingRegionOffset(-Left, -Top);
  Glyph->ProcessWindowDraw(canvas);
  CopyBackingBitmapToScreen(Window, Left, Top, width, height, memoryDC);
}

void ZQF_Window::CopyBackingBitmapToScreen(HWND Window, long Left, long Top, long Width,
                                           long Height, HDC MemoryDC) {
  const ZQR_DeviceContext dc = WindowDC(Window);
  ZQLOW_WINGDI::BitBlt(dc, Left, Top, Width, Height, MemoryDC, Left, Top, SRCCOPY);
}
