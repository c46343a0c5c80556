// The window border framing real popup windows under Xvfb: the close button
// closes its window through the top-level glyph; presses on the title bar,
// an edge and the grip move and size it (drags ended by input posted before
// they start); the look follows the focus; SetTitle repaints only a new
// text; a cut title answers the tooltip query; a screenshot of a dialog.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "WindowBorderTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQF_TooltipsMessage.h"

namespace {

using R = ZQ_Rectangle<long>;
using P = ZQ_Point<long>;

class WindowBorderWindow : public WindowTest {
 protected:
  ZQF_Window* OpenBordered(TestBorderOptions* Options, const R& Place = R(400, 300, 200, 150)) {
    border = new ZQF_WindowBorderGlyph(new SizedGlyph(100, 50, 40, 20, 1000, 1000), Options);
    return OpenAround(border, Place);
  }
  ZQF_WindowBorderGlyph* border = nullptr;
};

// A press at From, a move and a release at To (client pixels), the pointer
// at From and the focus in the window as the drag starts.
void PostPressMoveRelease(ZQF_Window* Window, const P& From, const P& To) {
  const R w = Window->GetWindowRectangle();
  const HWND h = Window->GetWindowHandle();
  ::SetCursorPos(w.X + From.X, w.Y + From.Y);
  ::SetFocus(h);
  PumpMessages();
  ::PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, Point(From.X, From.Y));
  ::PostMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, Point(To.X, To.Y));
  ::PostMessageA(h, WM_LBUTTONUP, 0, Point(To.X, To.Y));
  PumpMessages();
}

// One window for all cases: each opening or closing of a window changes the
// activation, which would cancel a drag that the change overtakes.
TEST_F(WindowBorderWindow, PressesMoveSizeAndCloseTheWindow) {
  const struct {
    const char* where;
    bool movable;
    P from, to;
    R result;
  } kCases[] = {
      {"title bar", true, {60, 10}, {160, 60}, {500, 350, 200, 150}},
      {"title bar, not movable", false, {60, 10}, {160, 60}, {400, 300, 200, 150}},
      {"size grip", true, {196, 146}, {246, 196}, {400, 300, 250, 200}},
      {"left edge", true, {0, 75}, {-30, 75}, {370, 300, 230, 150}},
  };
  ZQF_Window* window = OpenBordered(new TestBorderOptions);
  const HWND handle = window->GetWindowHandle();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.where);
    window->SetWindowRectangle(R(400, 300, 200, 150));
    border->GetOptions().SetMovable(c.movable);
    PostPressMoveRelease(window, c.from, c.to);
    EXPECT_EQ(window->GetWindowRectangle(), c.result);
  }
  const P close = CentreOf(border->GetCloseButton());
  PostPressMoveRelease(window, close, close);
  EXPECT_FALSE(::IsWindow(handle));
  EXPECT_TRUE(ReportedErrors().empty());
}

TEST_F(WindowBorderWindow, TheLookFollowsTheFocusAndSetTitleRepaintsOnlyANewText) {
  TestBorderOptions* options = new TestBorderOptions;
  options->SetTitle("Dialog");
  const HWND window = OpenBordered(options)->GetWindowHandle();
  for (const HWND focus : {window, HWND(nullptr), window}) {
    SCOPED_TRACE(focus ? "active" : "inactive");
    ::SetFocus(focus);
    PumpMessages();
    EXPECT_EQ(CaptureClientArea(window).GetPixelColor(5, 5), ZQF_GetColorMetric(focus ? ZQF_ColorMetric_ActiveCaption : ZQF_ColorMetric_InactiveCaption));
  }
  ::ValidateRect(window, nullptr);
  RECT update{};
  border->SetTitle("Dialog");
  EXPECT_FALSE(::GetUpdateRect(window, &update, FALSE));
  const ZQF_DesiredSize before = border->GetDesiredSize();
  border->SetTitle("Dialog with a longer title");
  ASSERT_TRUE(::GetUpdateRect(window, &update, FALSE));
  EXPECT_EQ(R(update.left, update.top, update.right - update.left, update.bottom - update.top),
            border->GetTitleBarRow()->GetBoundingBox());
  EXPECT_EQ(border->GetDesiredSize(), before);  // wider only at the next layout
}

TEST_F(WindowBorderWindow, ACutTitleAnswersTheTooltipQuery) {
  const char* const kLong = "A title far too long for the narrow window it names";
  const struct {
    const char* name;
    const char* title;
    bool titleBar;
    P pointer;  // client pixels
    bool shown;
  } kCases[] = {
      {"cut title, pointer on it", kLong, true, {20, 8}, true},
      {"cut title, pointer on the client", kLong, true, {60, 60}, false},
      {"short title", "Short", true, {10, 8}, false},
      {"no title bar", kLong, false, {20, 8}, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    TestBorderOptions* options = new TestBorderOptions;
    options->SetTitle(c.title);
    options->SetHasTitleBar(c.titleBar);
    ZQF_Window* window = OpenBordered(options, R(300, 200, 160, 120));
    ::SetCursorPos(300 + c.pointer.X, 200 + c.pointer.Y);
    ZQF_TooltipsMessage query;
    border->Dispatch(query);
    ASSERT_EQ(query.IsHandled(), c.shown);
    if (c.shown) {
      EXPECT_STREQ(query.GetText().GetText(), kLong);
      EXPECT_EQ(query.GetDisplayDelay(), ZQF_GetTimeMetric(ZQF_TimeMetric_TooltipDelay));
      // Shown below the pointer, told apart by the visible start of the
      // title on the screen, inside the title bar.
      EXPECT_EQ(query.GetTextPosition(), P(ZQF_TooltipsMessage::NoTextPosition,
                                           ZQF_TooltipsMessage::NoTextPosition));
      const ZQ_UID& id = query.GetIdentity();
      EXPECT_EQ(id.GetWord(0), 300u + border->GetTitleGlue()->GetBoundingBox().X);
      EXPECT_GE(id.GetWord(1), 200u + 4);
      EXPECT_LT(id.GetWord(1), 200u + 4 + border->ComputeTitleBarHeightToUse());
    }
    window->Destroy();
  }
}

TEST_F(WindowBorderWindow, ScreenshotOfADialogInTheBorder) {
  TestBorderOptions* options = new TestBorderOptions;
  options->SetTitle("Heat stress options");
  options->SetShowHelpButton(true);
  ZQF_RowGlyph* client = new ZQF_RowGlyph(1);
  client->AddToRight(new ZQF_HorizontalGlueGlyph());
  client->AddToRight(new ZQF_StandardTextButtonGlyph("OK", 0, 0));
  client->AddToRight(new ZQF_HorizontalGlueGlyph());
  border = new ZQF_WindowBorderGlyph(new ZQF_MarginGlyph(client, P(10, 10), 0), options);
  const HWND window = OpenAround(border, R(200, 200, 240, 110))->GetWindowHandle();
  ::SetFocus(window);
  PumpMessages();
  const ZQIMG_Image shot = SaveScreenshot(window, "WindowBorderDialog");
  EXPECT_EQ(shot.GetPixelColor(5, 5), ZQF_GetColorMetric(ZQF_ColorMetric_ActiveCaption));  // the active title bar
  EXPECT_EQ(shot.GetPixelColor(239, 109), ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D));  // the edge's corner
}

}  // namespace
