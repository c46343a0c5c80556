// ZQLOW_WINGDI.h: checked wrappers of the graphics functions the system
// calls. Each has the Windows function's parameters and result, calls it
// once, judges the result by the test of its row and hands a failure to
// ZQLOW_WIN_ReportAPIFunctionFailure (ZQLOW_WIN_Core.h): in the running
// program a failed call throws ZQ_Exception. When the report returns (other
// failure modes) the wrapper returns the failed result unchanged.
// Tests (ZQLOW_WIN_Check.h): FailsOnZero - 0, FALSE or null (ERROR for the
// region functions); ...Cleared - the last error is set to 0 first;
// ...SayingFunctionFailed - reported as "Function failed"; FailsOnAllOnes -
// 0xFFFFFFFF (CLR_INVALID, GDI_ERROR, SP_ERROR); FailsOnNotPositive - 0 or
// less; FailsOnNullOrGdiError - null or HGDI_ERROR; Unchecked - the caller
// judges the result.
// UI thread only.
#ifndef ZQLOW_WINGDI_H
#define ZQLOW_WINGDI_H

#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"

// clang-format off
#define ZQLOW_WINGDI_TABLE(X)                                                                      \
  X(int, AbortDoc, , (HDC DC), (DC), FailsOnAllOnes)                                               \
  X(BOOL, BeginPath, , (HDC DC), (DC), FailsOnZeroCleared)                                         \
  X(BOOL, BitBlt, , (HDC DC, int X, int Y, int Width, int Height, HDC SourceDC, int SourceX,       \
    int SourceY, DWORD RasterOperation),                                                           \
    (DC, X, Y, Width, Height, SourceDC, SourceX, SourceY, RasterOperation), Unchecked)             \
  X(int, CombineRgn, , (HRGN Destination, HRGN Source1, HRGN Source2, int Mode),                   \
    (Destination, Source1, Source2, Mode), FailsOnZeroCleared)                                     \
  X(HBITMAP, CreateBitmap, , (int Width, int Height, UINT Planes, UINT BitsPerPixel,               \
    const VOID* Bits), (Width, Height, Planes, BitsPerPixel, Bits), FailsOnZeroCleared)            \
  X(HBITMAP, CreateCompatibleBitmap, , (HDC DC, int Width, int Height), (DC, Width, Height),       \
    FailsOnZeroCleared)                                                                            \
  X(HDC, CreateCompatibleDC, , (HDC DC), (DC), FailsOnZeroCleared)                                 \
  X(HDC, CreateDC, A, (LPCSTR Driver, LPCSTR Device, LPCSTR Port, const DEVMODEA* DeviceMode),     \
    (Driver, Device, Port, DeviceMode), FailsOnZeroCleared)                                        \
  X(HBITMAP, CreateDIBitmap, , (HDC DC, const BITMAPINFOHEADER* Header, DWORD Init,                \
    const VOID* Bits, const BITMAPINFO* Info, UINT Usage),                                         \
    (DC, Header, Init, Bits, Info, Usage), FailsOnZeroCleared)                                     \
  X(HBITMAP, CreateDIBSection, , (HDC DC, const BITMAPINFO* Info, UINT Usage, VOID** Bits,        \
    HANDLE Section, DWORD Offset), (DC, Info, Usage, Bits, Section, Offset), FailsOnZeroCleared)   \
  X(HFONT, CreateFontIndirect, A, (const LOGFONTA* Font), (Font), FailsOnZeroCleared)              \
  X(HDC, CreateIC, A, (LPCSTR Driver, LPCSTR Device, LPCSTR Port, const DEVMODEA* DeviceMode),     \
    (Driver, Device, Port, DeviceMode), FailsOnZeroCleared)                                        \
  X(HBRUSH, CreatePatternBrush, , (HBITMAP Bitmap), (Bitmap), FailsOnZeroCleared)                  \
  X(HPEN, CreatePen, , (int Style, int Width, COLORREF Color), (Style, Width, Color),              \
    FailsOnZeroCleared)                                                                            \
  X(HRGN, CreatePolyPolygonRgn, , (const POINT* Points, const INT* Counts, int PolygonCount,       \
    int FillMode), (Points, Counts, PolygonCount, FillMode), FailsOnZeroCleared)                   \
  X(HRGN, CreateRectRgn, , (int Left, int Top, int Right, int Bottom), (Left, Top, Right, Bottom), \
    FailsOnZeroCleared)                                                                            \
  X(HBRUSH, CreateSolidBrush, , (COLORREF Color), (Color), FailsOnZeroCleared)                     \
  X(BOOL, DeleteDC, , (HDC DC), (DC), FailsOnZeroCleared)                                          \
  X(BOOL, DeleteObject, , (HGDIOBJ Object), (Object), FailsOnZeroCleared)                          \
  X(int, EndDoc, , (HDC DC), (DC), FailsOnNotPositive)                                             \
  X(int, EndPage, , (HDC DC), (DC), FailsOnNotPositive)                                            \
  X(BOOL, EndPath, , (HDC DC), (DC), FailsOnZeroCleared)                                           \
  X(HPEN, ExtCreatePen, , (DWORD Style, DWORD Width, const LOGBRUSH* Brush, DWORD StyleCount,      \
    const DWORD* StyleEntries), (Style, Width, Brush, StyleCount, StyleEntries),                   \
    FailsOnZeroCleared)                                                                            \
  X(int, ExtSelectClipRgn, , (HDC DC, HRGN Region, int Mode), (DC, Region, Mode),                  \
    FailsOnZeroCleared)                                                                            \
  X(BOOL, ExtTextOut, A, (HDC DC, int X, int Y, UINT Options, const RECT* Rect, LPCSTR String,     \
    UINT Count, const INT* Dx), (DC, X, Y, Options, Rect, String, Count, Dx), FailsOnZero)         \
  X(BOOL, ExtTextOut, W, (HDC DC, int X, int Y, UINT Options, const RECT* Rect, LPCWSTR String,    \
    UINT Count, const INT* Dx), (DC, X, Y, Options, Rect, String, Count, Dx), FailsOnZero)         \
  /* Only says whether every batched call succeeded: nothing to report. */                        \
  X(BOOL, GdiFlush, , (), (), Unchecked)                                                           \
  X(COLORREF, GetBkColor, , (HDC DC), (DC), FailsOnAllOnesCleared)                                 \
  /* GDI_ERROR is no failure to report: a glyph the font has no outline for. */                 \
  X(DWORD, GetGlyphOutline, A, (HDC DC, UINT Character, UINT Format, LPGLYPHMETRICS Metrics,       \
    DWORD BufferSize, LPVOID Buffer, const MAT2* Matrix),                                          \
    (DC, Character, Format, Metrics, BufferSize, Buffer, Matrix), Unchecked)                       \
  X(DWORD, GetGlyphOutline, W, (HDC DC, UINT Character, UINT Format, LPGLYPHMETRICS Metrics,       \
    DWORD BufferSize, LPVOID Buffer, const MAT2* Matrix),                                          \
    (DC, Character, Format, Metrics, BufferSize, Buffer, Matrix), Unchecked)                       \
  X(int, GetDIBits, , (HDC DC, HBITMAP Bitmap, UINT Start, UINT Lines, LPVOID Bits,                \
    LPBITMAPINFO Info, UINT Usage), (DC, Bitmap, Start, Lines, Bits, Info, Usage),                 \
    FailsOnZeroCleared)                                                                            \
  X(int, GetBkMode, , (HDC DC), (DC), FailsOnZeroCleared)                                          \
  X(BOOL, GetCharWidth, A, (HDC DC, UINT First, UINT Last, LPINT Widths),                          \
    (DC, First, Last, Widths), FailsOnZero)                                                        \
  X(BOOL, GetCharWidth32, A, (HDC DC, UINT First, UINT Last, LPINT Widths),                        \
    (DC, First, Last, Widths), FailsOnZero)                                                        \
  /* NULLREGION (1) is no failure: everything is clipped away. */                                 \
  X(int, GetClipBox, , (HDC DC, LPRECT Rect), (DC, Rect), FailsOnZero)                            \
  /* 0 is no failure: the context has no clipping region. */                                      \
  X(int, GetClipRgn, , (HDC DC, HRGN Region), (DC, Region), FailsOnAllOnesCleared)                 \
  X(HGDIOBJ, GetCurrentObject, , (HDC DC, UINT Type), (DC, Type), FailsOnZeroCleared)              \
  X(int, GetDeviceCaps, , (HDC DC, int Index), (DC, Index), Unchecked)                             \
  X(COLORREF, GetNearestColor, , (HDC DC, COLORREF Color), (DC, Color), FailsOnAllOnes)            \
  X(int, GetObject, A, (HANDLE Object, int Size, LPVOID Buffer), (Object, Size, Buffer),           \
    FailsOnZero)                                                                                   \
  X(int, GetRgnBox, , (HRGN Region, LPRECT Rect), (Region, Rect), FailsOnZeroCleared)              \
  X(int, GetROP2, , (HDC DC), (DC), FailsOnZeroCleared)                                            \
  X(HGDIOBJ, GetStockObject, , (int Index), (Index), FailsOnZeroCleared)                           \
  X(int, GetStretchBltMode, , (HDC DC), (DC), FailsOnZeroCleared)                                  \
  X(UINT, GetTextAlign, , (HDC DC), (DC), FailsOnAllOnes)                                          \
  /* DEFAULT_CHARSET, also on a failure: nothing to report. */                                  \
  X(int, GetTextCharset, , (HDC DC), (DC), Unchecked)                                              \
  X(COLORREF, GetTextColor, , (HDC DC), (DC), FailsOnAllOnesCleared)                               \
  X(BOOL, GetTextExtentPoint32, A, (HDC DC, LPCSTR String, int Count, LPSIZE Size),                \
    (DC, String, Count, Size), FailsOnZero)                                                        \
  X(BOOL, GetTextMetrics, A, (HDC DC, LPTEXTMETRICA Metrics), (DC, Metrics), FailsOnZero)          \
  X(BOOL, GetViewportOrgEx, , (HDC DC, LPPOINT Origin), (DC, Origin), FailsOnZeroCleared)          \
  X(int, IntersectClipRect, , (HDC DC, int Left, int Top, int Right, int Bottom),                  \
    (DC, Left, Top, Right, Bottom), FailsOnZeroCleared)                                            \
  X(BOOL, LineTo, , (HDC DC, int X, int Y), (DC, X, Y), FailsOnZeroSayingFunctionFailed)           \
  X(BOOL, MoveToEx, , (HDC DC, int X, int Y, LPPOINT Previous), (DC, X, Y, Previous),              \
    FailsOnZeroSayingFunctionFailed)                                                               \
  X(int, OffsetClipRgn, , (HDC DC, int X, int Y), (DC, X, Y), FailsOnZeroCleared)                  \
  X(BOOL, PatBlt, , (HDC DC, int X, int Y, int Width, int Height, DWORD RasterOperation),          \
    (DC, X, Y, Width, Height, RasterOperation), FailsOnZero)                                       \
  X(BOOL, Polygon, , (HDC DC, const POINT* Points, int Count), (DC, Points, Count), FailsOnZero)   \
  X(BOOL, PolyPolygon, , (HDC DC, const POINT* Points, const INT* Counts, int PolygonCount),       \
    (DC, Points, Counts, PolygonCount), FailsOnZero)                                               \
  X(BOOL, Polyline, , (HDC DC, const POINT* Points, int Count), (DC, Points, Count),               \
    FailsOnZeroCleared)                                                                            \
  X(BOOL, PolyPolyline, , (HDC DC, const POINT* Points, const DWORD* Counts, DWORD PolylineCount), \
    (DC, Points, Counts, PolylineCount), FailsOnZeroCleared)                                       \
  X(BOOL, RectVisible, , (HDC DC, const RECT* Rect), (DC, Rect), Unchecked)                        \
  X(BOOL, RestoreDC, , (HDC DC, int SavedDC), (DC, SavedDC), FailsOnZeroCleared)                   \
  X(int, SaveDC, , (HDC DC), (DC), FailsOnZeroCleared)                                             \
  X(int, SelectClipRgn, , (HDC DC, HRGN Region), (DC, Region), FailsOnZeroCleared)                 \
  X(HGDIOBJ, SelectObject, , (HDC DC, HGDIOBJ Object), (DC, Object), FailsOnNullOrGdiError)        \
  X(COLORREF, SetBkColor, , (HDC DC, COLORREF Color), (DC, Color), FailsOnAllOnesCleared)          \
  X(int, SetBkMode, , (HDC DC, int Mode), (DC, Mode), FailsOnZeroCleared)                          \
  X(BOOL, SetBrushOrgEx, , (HDC DC, int X, int Y, LPPOINT Previous), (DC, X, Y, Previous),        \
    FailsOnZero)                                                                                   \
  X(UINT, SetDIBColorTable, , (HDC DC, UINT Start, UINT Count, const RGBQUAD* Colors),           \
    (DC, Start, Count, Colors), FailsOnZero)                                                       \
  X(int, SetDIBits, , (HDC DC, HBITMAP Bitmap, UINT Start, UINT Lines, const VOID* Bits,           \
    const BITMAPINFO* Info, UINT Usage), (DC, Bitmap, Start, Lines, Bits, Info, Usage),            \
    FailsOnZeroCleared)                                                                            \
  X(int, SetPolyFillMode, , (HDC DC, int Mode), (DC, Mode), FailsOnZeroCleared)                   \
  X(int, SetROP2, , (HDC DC, int Mode), (DC, Mode), FailsOnZeroCleared)                            \
  X(int, SetStretchBltMode, , (HDC DC, int Mode), (DC, Mode), FailsOnZeroCleared)                  \
  X(UINT, SetTextAlign, , (HDC DC, UINT Align), (DC, Align), FailsOnAllOnes)                       \
  X(COLORREF, SetTextColor, , (HDC DC, COLORREF Color), (DC, Color), FailsOnAllOnes)               \
  X(BOOL, SetViewportOrgEx, , (HDC DC, int X, int Y, LPPOINT Previous), (DC, X, Y, Previous),      \
    FailsOnZeroCleared)                                                                            \
  X(int, StartDoc, A, (HDC DC, const DOCINFOA* DocInfo), (DC, DocInfo), FailsOnNotPositive)        \
  X(int, StartPage, , (HDC DC), (DC), FailsOnNotPositive)                                          \
  X(BOOL, StretchBlt, , (HDC DC, int X, int Y, int Width, int Height, HDC SourceDC, int SourceX,   \
    int SourceY, int SourceWidth, int SourceHeight, DWORD RasterOperation),                        \
    (DC, X, Y, Width, Height, SourceDC, SourceX, SourceY, SourceWidth, SourceHeight,               \
    RasterOperation), Unchecked)                                                                   \
  X(int, StretchDIBits, , (HDC DC, int X, int Y, int Width, int Height, int SourceX, int SourceY,  \
    int SourceWidth, int SourceHeight, const VOID* Bits, const BITMAPINFO* Info, UINT Usage,       \
    DWORD RasterOperation), (DC, X, Y, Width, Height, SourceX, SourceY, SourceWidth, SourceHeight, \
    Bits, Info, Usage, RasterOperation), FailsOnZero)                                              \
  X(BOOL, StrokePath, , (HDC DC), (DC), FailsOnZeroCleared)                                        \
  X(BOOL, TextOut, A, (HDC DC, int X, int Y, LPCSTR String, int Count), (DC, X, Y, String, Count), \
    FailsOnZero)
// clang-format on

namespace ZQLOW_WINGDI {

ZQLOW_WINGDI_TABLE(ZQLOW_WIN_DECLARE)

}  // namespace ZQLOW_WINGDI

#endif
