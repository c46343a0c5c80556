#include <gtest/gtest.h>

#include <string>

#include "AssertionTestSupport.h"
#include "WinApiTestSupport.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINGDI_Utils.h"

namespace {

const HDC kBadDC = reinterpret_cast<HDC>(0x1234);
const HGDIOBJ kBadObject = reinterpret_cast<HGDIOBJ>(0x1234);

// A memory context with a 32 x 32 bitmap selected, released at the end.
class MemoryCanvas {
 public:
  MemoryCanvas() {
    dc = CreateCompatibleDC(nullptr);
    HDC screen = GetDC(nullptr);
    bitmap = CreateCompatibleBitmap(screen, 32, 32);
    ReleaseDC(nullptr, screen);
    previous = SelectObject(dc, bitmap);
  }
  ~MemoryCanvas() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ previous;
};

using WinGdiWrappers = ApiFailureModeTest;

TEST_F(WinGdiWrappers, FailedCallsAreReportedUnderTheirNames) {
  static MemoryCanvas s_canvas;  // a context without a path or a document
  static const POINT s_points[2] = {};
  static const DWORD s_counts[1] = {2};
  // Calls that keep the last error are made with 0, so that a failure that
  // sets none shows the sentence naming the function.
  ExpectEachReported({
      // result 0
      {"text on an invalid context", [] { ZQLOW_WINGDI::TextOutA(kBadDC, 0, 0, "x", 1); }, "TextOut", ERROR_INVALID_HANDLE, nullptr},
      {"text out, extended", [] { ZQLOW_WINGDI::ExtTextOutA(kBadDC, 0, 0, 0, nullptr, "x", 1, nullptr); }, "ExtTextOut", ERROR_INVALID_HANDLE, nullptr},
      {"pattern fill", [] { ZQLOW_WINGDI::PatBlt(kBadDC, 0, 0, 1, 1, PATCOPY); }, "PatBlt", ERROR_INVALID_HANDLE, nullptr},
      {"text extent", [] { SIZE size; ZQLOW_WINGDI::GetTextExtentPoint32A(kBadDC, "x", 1, &size); }, "GetTextExtentPoint32", ERROR_INVALID_HANDLE, nullptr},
      {"character widths", [] { INT widths[2]; ZQLOW_WINGDI::GetCharWidthA(kBadDC, 65, 66, widths); }, "GetCharWidth", ERROR_INVALID_HANDLE, nullptr},
      {"character widths, 32-bit", [] { INT widths[2]; ZQLOW_WINGDI::GetCharWidth32A(kBadDC, 65, 66, widths); }, "GetCharWidth32", ERROR_INVALID_HANDLE, nullptr},
      {"current font of an invalid context", [] { ZQLOW_WINGDI::GetCurrentObject(kBadDC, OBJ_FONT); }, "GetCurrentObject", 0, nullptr},
      {"text metrics", [] { TEXTMETRICA metrics; SetLastError(0); ZQLOW_WINGDI::GetTextMetricsA(kBadDC, &metrics); }, "GetTextMetrics", 0, nullptr},
      {"object of an invalid handle", [] { SetLastError(0); ZQLOW_WINGDI::GetObjectA(kBadObject, 0, nullptr); }, "GetObject", 0, nullptr},
      // result 0, the last error cleared first
      {"delete an invalid object", [] { ZQLOW_WINGDI::DeleteObject(kBadObject); }, "DeleteObject", 0, nullptr},
      {"delete an invalid context", [] { ZQLOW_WINGDI::DeleteDC(kBadDC); }, "DeleteDC", ERROR_INVALID_HANDLE, nullptr},
      {"context like an invalid one", [] { ZQLOW_WINGDI::CreateCompatibleDC(kBadDC); }, "CreateCompatibleDC", 0, nullptr},
      {"missing display driver", [] { ZQLOW_WINGDI::CreateDCA("ZQ_NO_DRIVER", nullptr, nullptr, nullptr); }, "CreateDC", ERROR_MOD_NOT_FOUND, nullptr},
      {"information context of a missing driver", [] { ZQLOW_WINGDI::CreateICA("ZQ_NO_DRIVER", nullptr, nullptr, nullptr); }, "CreateIC", ERROR_MOD_NOT_FOUND, nullptr},
      {"brush of an invalid bitmap", [] { ZQLOW_WINGDI::CreatePatternBrush(reinterpret_cast<HBITMAP>(0x1234)); }, "CreatePatternBrush", 0, nullptr},
      {"stock object 999", [] { ZQLOW_WINGDI::GetStockObject(999); }, "GetStockObject", 0, nullptr},
      {"box of an invalid region", [] { RECT box; ZQLOW_WINGDI::GetRgnBox(reinterpret_cast<HRGN>(0x1234), &box); }, "GetRgnBox", 0, nullptr},
      {"combine invalid regions", [] { ZQLOW_WINGDI::CombineRgn(reinterpret_cast<HRGN>(0x1234), nullptr, nullptr, RGN_OR); }, "CombineRgn", 0, nullptr},
      {"begin a path", [] { ZQLOW_WINGDI::BeginPath(kBadDC); }, "BeginPath", ERROR_INVALID_HANDLE, nullptr},
      {"end a path never begun", [] { ZQLOW_WINGDI::EndPath(s_canvas.dc); }, "EndPath", ERROR_CAN_NOT_COMPLETE, nullptr},
      {"stroke a path never begun", [] { ZQLOW_WINGDI::StrokePath(s_canvas.dc); }, "StrokePath", ERROR_CAN_NOT_COMPLETE, nullptr},
      {"background mode", [] { ZQLOW_WINGDI::GetBkMode(kBadDC); }, "GetBkMode", ERROR_INVALID_HANDLE, nullptr},
      {"background mode 77", [] { ZQLOW_WINGDI::SetBkMode(s_canvas.dc, 77); }, "SetBkMode", ERROR_INVALID_PARAMETER, nullptr},
      {"raster operation", [] { ZQLOW_WINGDI::GetROP2(kBadDC); }, "GetROP2", ERROR_INVALID_HANDLE, nullptr},
      {"set raster operation", [] { ZQLOW_WINGDI::SetROP2(kBadDC, R2_COPYPEN); }, "SetROP2", ERROR_INVALID_HANDLE, nullptr},
      {"stretch mode", [] { ZQLOW_WINGDI::GetStretchBltMode(kBadDC); }, "GetStretchBltMode", ERROR_INVALID_HANDLE, nullptr},
      {"set stretch mode", [] { ZQLOW_WINGDI::SetStretchBltMode(kBadDC, 1); }, "SetStretchBltMode", ERROR_INVALID_HANDLE, nullptr},
      {"viewport origin", [] { POINT origin; ZQLOW_WINGDI::GetViewportOrgEx(kBadDC, &origin); }, "GetViewportOrgEx", ERROR_INVALID_HANDLE, nullptr},
      {"set viewport origin", [] { ZQLOW_WINGDI::SetViewportOrgEx(kBadDC, 0, 0, nullptr); }, "SetViewportOrgEx", ERROR_INVALID_HANDLE, nullptr},
      {"intersect clipping", [] { ZQLOW_WINGDI::IntersectClipRect(kBadDC, 0, 0, 1, 1); }, "IntersectClipRect", ERROR_INVALID_HANDLE, nullptr},
      {"offset clipping", [] { ZQLOW_WINGDI::OffsetClipRgn(kBadDC, 0, 0); }, "OffsetClipRgn", ERROR_INVALID_HANDLE, nullptr},
      {"select clipping", [] { ZQLOW_WINGDI::SelectClipRgn(kBadDC, nullptr); }, "SelectClipRgn", ERROR_INVALID_HANDLE, nullptr},
      {"select clipping, extended", [] { ZQLOW_WINGDI::ExtSelectClipRgn(kBadDC, nullptr, RGN_COPY); }, "ExtSelectClipRgn", ERROR_INVALID_HANDLE, nullptr},
      {"polyline", [] { ZQLOW_WINGDI::Polyline(kBadDC, s_points, 2); }, "Polyline", ERROR_INVALID_HANDLE, nullptr},
      {"polypolyline", [] { ZQLOW_WINGDI::PolyPolyline(kBadDC, s_points, s_counts, 1); }, "PolyPolyline", ERROR_INVALID_HANDLE, nullptr},
      // result 0 reported as "Function failed"
      {"line", [] { ZQLOW_WINGDI::LineTo(kBadDC, 1, 1); }, "LineTo", 0, "Function failed"},
      {"move", [] { ZQLOW_WINGDI::MoveToEx(kBadDC, 1, 1, nullptr); }, "MoveToEx", 0, "Function failed"},
      // result 0xFFFFFFFF
      {"text colour", [] { ZQLOW_WINGDI::SetTextColor(kBadDC, 0); }, "SetTextColor", ERROR_INVALID_HANDLE, nullptr},
      {"text alignment", [] { ZQLOW_WINGDI::SetTextAlign(kBadDC, 0); }, "SetTextAlign", ERROR_INVALID_HANDLE, nullptr},
      {"nearest colour", [] { SetLastError(0); ZQLOW_WINGDI::GetNearestColor(kBadDC, 0); }, "GetNearestColor", 0, nullptr},
      {"abort a document", [] { SetLastError(0); ZQLOW_WINGDI::AbortDoc(kBadDC); }, "AbortDoc", 0, nullptr},
      {"background colour", [] { ZQLOW_WINGDI::GetBkColor(kBadDC); }, "GetBkColor", ERROR_INVALID_HANDLE, nullptr},
      {"set background colour", [] { ZQLOW_WINGDI::SetBkColor(kBadDC, 0); }, "SetBkColor", ERROR_INVALID_HANDLE, nullptr},
      {"clipping region of an invalid context", [] { ZQLOW_WINGDI::GetClipRgn(kBadDC, nullptr); }, "GetClipRgn", 0, nullptr},
      // result 0 or less
      {"document on a memory context", [] { DOCINFOA info = {sizeof info, "x", nullptr, nullptr, 0}; SetLastError(0); ZQLOW_WINGDI::StartDocA(s_canvas.dc, &info); }, "StartDoc", 0, nullptr},
      {"end a page never started", [] { SetLastError(0); ZQLOW_WINGDI::EndPage(s_canvas.dc); }, "EndPage", 0, nullptr},
      {"end a document never started", [] { SetLastError(0); ZQLOW_WINGDI::EndDoc(s_canvas.dc); }, "EndDoc", 0, nullptr},
      // null or HGDI_ERROR
      {"select into an invalid context", [] { ZQLOW_WINGDI::SelectObject(kBadDC, GetStockObject(BLACK_PEN)); }, "SelectObject", ERROR_INVALID_HANDLE, nullptr},
      {"select an invalid object", [] { ZQLOW_WINGDI::SelectObject(s_canvas.dc, kBadObject); }, "SelectObject", 0, nullptr},
  });
}

TEST_F(WinGdiWrappers, ClearingWrappersDoNotReportAStaleLastError) {
  SetLastError(ERROR_ACCESS_DENIED);
  EXPECT_EQ(ApiFailureOf([] { ZQLOW_WINGDI::DeleteObject(kBadObject); }).description,
            CallFailedText("DeleteObject"));
}

TEST_F(WinGdiWrappers, DrawingOnAMemoryCanvasSucceeds) {
  const MemoryCanvas canvas;
  HBRUSH brush = ZQLOW_WINGDI::CreateSolidBrush(RGB(255, 0, 0));
  HGDIOBJ previousBrush = ZQLOW_WINGDI::SelectObject(canvas.dc, brush);
  EXPECT_EQ(ZQLOW_WINGDI::PatBlt(canvas.dc, 0, 0, 32, 32, PATCOPY), TRUE);
  EXPECT_EQ(GetPixel(canvas.dc, 5, 5), RGB(255, 0, 0));
  HPEN pen = ZQLOW_WINGDI::CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
  HGDIOBJ previousPen = ZQLOW_WINGDI::SelectObject(canvas.dc, pen);
  EXPECT_EQ(ZQLOW_WINGDI::MoveToEx(canvas.dc, 0, 10, nullptr), TRUE);
  EXPECT_EQ(ZQLOW_WINGDI::LineTo(canvas.dc, 32, 10), TRUE);
  EXPECT_EQ(GetPixel(canvas.dc, 5, 10), RGB(0, 0, 255));
  EXPECT_EQ(ZQLOW_WINGDI::SetBkMode(canvas.dc, TRANSPARENT), OPAQUE);
  EXPECT_EQ(ZQLOW_WINGDI::SetTextColor(canvas.dc, RGB(0, 255, 0)), RGB(0, 0, 0));
  EXPECT_EQ(ZQLOW_WINGDI::TextOutA(canvas.dc, 0, 0, "Hi", 2), TRUE);
  SIZE extent;
  EXPECT_EQ(ZQLOW_WINGDI::GetTextExtentPoint32A(canvas.dc, "Hi", 2, &extent), TRUE);
  EXPECT_GT(extent.cx, 0);
  EXPECT_EQ(ZQLOW_WINGDI::BeginPath(canvas.dc), TRUE);
  ZQLOW_WINGDI::MoveToEx(canvas.dc, 0, 0, nullptr);
  ZQLOW_WINGDI::LineTo(canvas.dc, 10, 10);
  EXPECT_EQ(ZQLOW_WINGDI::EndPath(canvas.dc), TRUE);
  EXPECT_EQ(ZQLOW_WINGDI::StrokePath(canvas.dc), TRUE);
  ZQLOW_WINGDI::SelectObject(canvas.dc, previousPen);
  ZQLOW_WINGDI::SelectObject(canvas.dc, previousBrush);
  EXPECT_EQ(ZQLOW_WINGDI::DeleteObject(pen), TRUE);
  EXPECT_EQ(ZQLOW_WINGDI::DeleteObject(brush), TRUE);
  EXPECT_EQ(NewLog(), "");
}

TEST_F(WinGdiWrappers, ContextWithoutClippingRegionIsNoFailure) {
  const MemoryCanvas canvas;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(ZQLOW_WINGDI::GetClipRgn(canvas.dc, region), 0);
  DeleteObject(region);
  EXPECT_EQ(NewLog(), "");
}

// The clipping box of the context, or an empty text when it has no clipping.
std::string ClippingOf(HDC DC) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  std::string text;
  if (GetClipRgn(DC, region) == 1) {
    RECT box;
    GetRgnBox(region, &box);
    text = std::to_string(box.left) + "," + std::to_string(box.top) + "," +
           std::to_string(box.right) + "," + std::to_string(box.bottom);
  }
  DeleteObject(region);
  return text;
}

TEST_F(WinGdiWrappers, SavedClippingRegionIsRestoredAndReleased) {
  const MemoryCanvas canvas;
  IntersectClipRect(canvas.dc, 2, 3, 12, 13);
  ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState state;
  state.SaveClippingRegion(canvas.dc);
  EXPECT_TRUE(state.IsStateSaved());
  EXPECT_NE(state.GetRegion(), nullptr);
  IntersectClipRect(canvas.dc, 4, 4, 6, 6);
  EXPECT_EQ(ClippingOf(canvas.dc), "4,4,6,6");
  state.RestoreClippingRegion(canvas.dc);
  EXPECT_EQ(ClippingOf(canvas.dc), "2,3,12,13");
  EXPECT_EQ(state.GetRegion(), nullptr);
  EXPECT_TRUE(state.IsStateSaved());
}

TEST_F(WinGdiWrappers, SavingAnUnclippedContextHoldsNoRegionAndRestoringRemovesClipping) {
  const MemoryCanvas canvas;
  ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState state;
  state.SaveClippingRegion(canvas.dc);
  EXPECT_EQ(state.GetRegion(), nullptr);
  IntersectClipRect(canvas.dc, 4, 4, 6, 6);
  state.RestoreClippingRegion(canvas.dc);
  EXPECT_EQ(ClippingOf(canvas.dc), "");
  EXPECT_EQ(NewLog(), "");
}

TEST(ZQLOW_WINGDI_Utils, RestoringWithoutSavingFailsTheAssertion) {
  ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState state;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { state.RestoreClippingRegion(nullptr); }),
                       "StateSaved"));
}

TEST(ZQLOW_WINGDI_Utils, MissingPhysicalSizeIsEstimatedAt0264MmAPixel) {
  const struct { int pixels; int mm; } kCases[] = {
      {1024, 270}, {768, 203}, {1280, 338}, {0, 0}, {1, 0}, {2, 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.pixels);
    EXPECT_EQ(ZQLOW_WINGDI_Utils_EstimateSizeMm(c.pixels), c.mm);
  }
}

TEST(ZQLOW_WINGDI_Utils, KnownPhysicalSizeIsKept) {
  const MemoryCanvas canvas;
  for (int index : {HORZSIZE, VERTSIZE, HORZRES, LOGPIXELSX}) {
    SCOPED_TRACE(index);
    const int reported = GetDeviceCaps(canvas.dc, index);
    ASSERT_NE(reported, 0);
    EXPECT_EQ(ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(canvas.dc, index), reported);
  }
}

}  // namespace
