// Repaint requests and painting.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Exception.h"

namespace {

struct Invalidation {
  RECT Rect;
  BOOL Erase;
};

TEST_F(WindowTest, RepaintRequestsReachWindowsClamped) {
  ZQF_Window* window = OpenAround(new RecordingGlyph("c", nullptr));
  ZQF_Window unborn(new ZQF_TopLevelGlyph(new RecordingGlyph("u", nullptr)));
  std::vector<Invalidation> calls;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::InvalidateRect> fake(
      [&calls](HWND, const RECT* Rect, BOOL Erase) {
        calls.push_back({*Rect, Erase});
        return TRUE;
      });
  const struct {
    ZQ_Rectangle<long> Request;
    RECT Expected;
  } cases[] = {
      {ZQ_Rectangle<long>(10, 20, 30, 40), RECT{10, 20, 40, 60}},
      {ZQ_Rectangle<long>(50, 0, 100000 - 50, 10), RECT{50, 0, 32500, 10}},
      {ZQ_Rectangle<long>(-40000, -5, 40010, 5), RECT{-32500, -5, 10, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Request.X);
    calls.clear();
    window->InvalidateRect(c.Request);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Rect.left, c.Expected.left);
    EXPECT_EQ(calls[0].Rect.top, c.Expected.top);
    EXPECT_EQ(calls[0].Rect.right, c.Expected.right);
    EXPECT_EQ(calls[0].Rect.bottom, c.Expected.bottom);
    EXPECT_EQ(calls[0].Erase, FALSE);
  }
  calls.clear();
  unborn.InvalidateRect(ZQ_Rectangle<long>(0, 0, 10, 10));
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] {
                         window->AddToUpdateAfterPaintMessageRegion(0, 0, 1, 1);
                       }),
                       "ProcessingPaintMessageFlag"));
}

// Fills its box with a colour; can be told to throw, or to run an action,
// while drawing. Counts its draws.
class PaintedGlyph : public RecordingGlyph {
 public:
  explicit PaintedGlyph(const ZQR_Color& Color) : RecordingGlyph("painted", nullptr), Color(Color) {}
  void DrawSelf(ZQF_Canvas& Canvas) override {
    ++NumDraws;
    if (OnDraw) OnDraw();
    Canvas.Fill(GetLocalBoundingBox(), Color);
  }
  ZQR_Color Color;
  int NumDraws = 0;
  std::function<void()> OnDraw;
};

// Four quarters in four colours.
class QuartersGlyph : public RecordingGlyph {
 public:
  QuartersGlyph() : RecordingGlyph("quarters", nullptr) {
    for (const ZQR_Color& c : {ZQR_Color(200, 30, 30), ZQR_Color(30, 160, 40),
                               ZQR_Color(20, 40, 190), ZQR_Color(230, 210, 20)}) {
      AddChild(new PaintedGlyph(c), true);
    }
  }
  void AcceptLayout() override {
    const ZQ_Rectangle<long>& box = GetBoundingBox();
    int i = 0;
    for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling(), ++i) {
      LayoutChild(c, ZQ_Point<long>(i % 2 * box.Width / 2, i / 2 * box.Height / 2),
                  ZQ_Point<long>(box.Width / 2, box.Height / 2));
    }
  }
};

class UnbufferedWindow : public ZQF_Window {
 public:
  using ZQF_Window::ZQF_Window;
  bool Cust_UseDoubleBuffering() override { return false; }
};

bool SamePixels(const ZQIMG_Image& A, const ZQIMG_Image& B) {
  if (A.GetWidth() != B.GetWidth() || A.GetHeight() != B.GetHeight()) return false;
  for (long y = 0; y < A.GetHeight(); ++y)
    for (long x = 0; x < A.GetWidth(); ++x)
      if (A.GetPixelColor(x, y) != B.GetPixelColor(x, y)) return false;
  return true;
}

TEST_F(WindowTest, DoubleBufferedPixelsEqualUnbufferedOnes) {
  ZQF_Window* buffered = OpenAround(new QuartersGlyph);
  ZQF_Window* unbuffered =
      Open(new UnbufferedWindow(new ZQF_TopLevelGlyph(new QuartersGlyph)),
           ZQ_Rectangle<long>(320, 100, 200, 150));
  const ZQIMG_Image a = SaveScreenshot(buffered->GetWindowHandle(), "WindowDoubleBuffered");
  const ZQIMG_Image b = SaveScreenshot(unbuffered->GetWindowHandle(), "WindowUnbuffered");
  EXPECT_EQ(a.GetPixelColor(10, 10), ZQR_Color(200, 30, 30));
  EXPECT_EQ(a.GetPixelColor(190, 140), ZQR_Color(230, 210, 20));
  EXPECT_TRUE(SamePixels(a, b));
  // A repaint of a part only draws that part again, and the same pixels.
  buffered->InvalidateRect(ZQ_Rectangle<long>(90, 60, 30, 30));
  EXPECT_TRUE(SamePixels(a, CaptureClientArea(buffered->GetWindowHandle())));
}

TEST_F(WindowTest, BackBufferCoversThePaintRectangleOnly) {
  ZQF_Window* window = OpenAround(new QuartersGlyph);
  std::vector<std::string> calls;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::CreateCompatibleBitmap> bitmap(
      [&calls](HDC DC, int W, int H) {
        calls.push_back("bitmap " + std::to_string(W) + "x" + std::to_string(H));
        return ::CreateCompatibleBitmap(DC, W, H);
      });
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::SetViewportOrgEx> origin(
      [&calls](HDC DC, int X, int Y, LPPOINT P) {
        calls.push_back("origin " + std::to_string(X) + "," + std::to_string(Y));
        return ::SetViewportOrgEx(DC, X, Y, P);
      });
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::BitBlt> copy(
      [&calls](HDC D, int X, int Y, int W, int H, HDC S, int SX, int SY, DWORD Op) {
        calls.push_back("copy " + std::to_string(X) + "," + std::to_string(Y) + " " +
                        std::to_string(W) + "x" + std::to_string(H) + " from " +
                        std::to_string(SX) + "," + std::to_string(SY));
        return ::BitBlt(D, X, Y, W, H, S, SX, SY, Op);
      });
  window->InvalidateRect(ZQ_Rectangle<long>(120, 130, 10, 10));
  window->Update();
  EXPECT_EQ(calls, (std::vector<std::string>{"bitmap 10x10", "origin -120,-130",
                                             "copy 120,130 10x10 from 120,130"}));
}

TEST_F(WindowTest, RequestMadeWhileDrawingIsPaintedNext) {
  auto* glyph = new PaintedGlyph(ZQR_Color(10, 200, 10));
  ZQF_Window* window = OpenAround(glyph);
  glyph->OnDraw = [glyph] {
    if (glyph->Color == ZQR_Color(10, 200, 10)) {
      glyph->Color = ZQR_Color(200, 10, 200);  // changes while being drawn
      glyph->QueueVisualStateUpdate();
    }
  };
  glyph->QueueVisualStateUpdate();
  window->Update();
  PumpMessages();
  const ZQIMG_Image shot = SaveScreenshot(window->GetWindowHandle(), "WindowRepaintedAfterPaint");
  EXPECT_EQ(shot.GetPixelColor(50, 50), ZQR_Color(200, 10, 200));
}

TEST_F(WindowTest, DrawingErrorIsReportedOnceUntilAPaintSucceeds) {
  auto* glyph = new PaintedGlyph(ZQR_Color(10, 200, 10));
  ZQF_Window* window = OpenAround(glyph);
  const auto failing = std::make_shared<bool>(true);
  glyph->OnDraw = [failing] {
    if (*failing) throw ZQ_Exception("Broken", "cannot draw");
  };
  const int draws = glyph->NumDraws;
  glyph->QueueVisualStateUpdate();
  window->Update();
  PumpMessages();  // the retry after the report fails again, silently
  PumpMessages();
  EXPECT_EQ(ReportedErrors(), std::vector<std::string>{"cannot draw"});
  EXPECT_EQ(glyph->NumDraws - draws, 2);  // the paint and one retry
  *failing = false;
  glyph->QueueVisualStateUpdate();
  window->Update();
  *failing = true;
  glyph->QueueVisualStateUpdate();
  window->Update();
  EXPECT_EQ(ReportedErrors().size(), 2u);  // a success re-arms the report
  *failing = false;
  PumpMessages();
}

TEST_F(WindowTest, PaintArrivingDuringAPaintFillsGreyThenIsPaintedProperly) {
  auto* glyph = new PaintedGlyph(ZQR_Color(10, 200, 10));
  ZQF_Window* window = OpenAround(glyph);
  const HWND handle = window->GetWindowHandle();
  const auto nested = std::make_shared<bool>(true);
  glyph->OnDraw = [nested, handle] {
    if (!*nested) return;
    *nested = false;
    ::InvalidateRect(handle, nullptr, FALSE);
    ::SendMessageA(handle, WM_PAINT, 0, 0);  // as a loop nested in drawing would
  };
  const int draws = glyph->NumDraws;
  glyph->QueueVisualStateUpdate();
  window->Update();
  PumpMessages();
  EXPECT_EQ(glyph->NumDraws - draws, 2);  // the outer paint, then the collected area
  EXPECT_EQ(SaveScreenshot(handle, "WindowAfterNestedPaint").GetPixelColor(50, 50),
            ZQR_Color(10, 200, 10));
}

}  // namespace
