// Hyperlinks: the address a link opens, its fixed size, the input that
// follows it, and its looks in a real window (focused, plain and disabled).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../core/DragTestSupport.h"
#include "../core/WindowTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_HyperlinkGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQLOW_SHELLAPI.h"
#include "ZQLOW_WIN_FakeCall.h"

namespace {

// Records what the shell was asked to open; no browser starts.
struct ShellRecorder {
  std::vector<std::string> Opened;
  ZQLOW_WIN_FakeCall<&ZQLOW_SHELLAPI::Calls::ShellExecuteA> fake{
      [this](HWND, LPCSTR Operation, LPCSTR File, LPCSTR, LPCSTR, INT) {
        Opened.push_back(std::string(Operation) + " " + File);
        return reinterpret_cast<HINSTANCE>(42);
      }};
};

class CountingLink : public ZQF_HyperlinkGlyph {
 public:
  explicit CountingLink(const ZQ_String& Text, bool Underlined = true)
      : ZQF_HyperlinkGlyph(Text), Underlined(Underlined) {}
  void FollowLink() override { ++NumFollowed; }
  bool Cust_IsUnderlined() override { return Underlined; }
  int NumFollowed = 0;
  bool Underlined;
};

// The extent of Text in the link font, grown by (DX, DY).
ZQ_Point<long> Measured(const char* Text, long DX, long DY) {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  const ZQ_Point<long> size = ZQF_GetFontMetric(ZQF_FontMetric_Label).GetSize(dc.GetHDC(), ZQ_String(Text));
  return ZQ_Point<long>(size.X + DX, size.Y + DY);
}

using Hyperlinks = GuiStageTest;

TEST_F(Hyperlinks, OpenTheAddressDerivedFromTheText) {
  const struct {
    const char* why;
    const char* text;
    const char* url;
    const char* opened;
  } kCases[] = {
      {"a colon keeps the text, at sign or not", "mailto:me@example.org", "",
       "open mailto:me@example.org"},
      {"an at sign without colon is mail", "me@example.org", "", "open mailto:me@example.org"},
      {"two slashes get the scheme only", "//example.org/x", "", "open http://example.org/x"},
      {"anything else is a web host", "www.example.org", "", "open http://www.example.org"},
      {"a given URL wins over the text", "Home page", "http://example.org/",
       "open http://example.org/"},
      {"a given URL without colon is a file", "Read me", "readme.txt", "open readme.txt"},
      {"hostile: empty", "", "", "open http://"},
      {"hostile: a lone colon", ":", "", "open :"},
      {"hostile: a lone at sign", "@", "", "open mailto:@"},
      {"hostile: two slashes alone", "//", "", "open http://"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ShellRecorder shell;
    URL_LinkGlyph link(c.text, c.url);
    link.FollowLink();
    EXPECT_EQ(shell.Opened, std::vector<std::string>{c.opened});
  }
}

TEST_F(Hyperlinks, SizeIsTheTextPlusTwoAndOneForTheUnderline) {
  const std::string longText(10000, 'w');
  const struct {
    const char* why;
    std::string text;
    bool underlined;
    ZQ_Point<long> expected;
  } kCases[] = {
      {"underlined text", "www.example.org", true,
       Measured("www.example.org", 2, 3)},
      {"plain text", "www.example.org", false, Measured("www.example.org", 2, 2)},
      {"an empty text takes a blank", "", true, Measured(" ", 2, 3)},
      {"hostile: 10,000 characters", longText, true,
       Measured(longText.c_str(), 2, 3)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    CountingLink link(c.text.c_str(), c.underlined);
    link.UpdateMyDesiredSize();
    const ZQF_DesiredSize& size = link.GetDesiredSize();
    EXPECT_EQ(size.Natural, c.expected);
    EXPECT_EQ(size.Minimum, c.expected);
    EXPECT_EQ(size.Maximum, c.expected);
  }
}

TEST_F(Hyperlinks, FollowOnClickAndOnReleaseOfSpaceOrEnter) {
  enum Kind { KeyDown, KeyUp, LeftUp };
  const struct {
    const char* why;
    Kind kind;
    ZQF_KeyCode key;
    bool enabled;
    bool handled;
    int followed;
  } kCases[] = {
      {"space pressed: claimed, nothing yet", KeyDown, ZQF_Key_Space, true, true, 0},
      {"enter pressed: claimed, nothing yet", KeyDown, ZQF_Key_Enter, true, true, 0},
      {"space released follows", KeyUp, ZQF_Key_Space, true, true, 1},
      {"enter released follows", KeyUp, ZQF_Key_Enter, true, true, 1},
      {"another key is left alone", KeyUp, 'A', true, false, 0},
      {"a click follows", LeftUp, 0, true, true, 1},
      {"disabled: space released is left alone", KeyUp, ZQF_Key_Space, false, false, 0},
      {"disabled: space pressed is left alone", KeyDown, ZQF_Key_Space, false, false, 0},
      {"disabled: a click is left alone", LeftUp, 0, false, false, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    CountingLink link("www.example.org");
    link.SetEnabled(c.enabled);
    bool handled = false;
    if (c.kind == LeftUp) {
      ZQF_LeftUpMouseMessage message(1, 1, false, false, false);
      link.HandleMouseLeftUp(message, false);
      handled = message.IsHandled();
    } else if (c.kind == KeyDown) {
      ZQF_DownKeyMessage message(c.key, false, false, false);
      link.HandleKey(message, false);
      handled = message.IsHandled();
    } else {
      ZQF_UpKeyMessage message(c.key, false, false, false);
      link.HandleKeyUp(message, false);
      handled = message.IsHandled();
    }
    EXPECT_EQ(handled, c.handled);
    EXPECT_EQ(link.NumFollowed, c.followed);
  }
}

TEST_F(Hyperlinks, ShowsThePointingHand) {
  CountingLink link("www.example.org");
  ZQF_SetCursorMouseMessage message(1, 1, false, false, false);
  link.HandleMouseSetCursor(message, false);
  EXPECT_TRUE(message.IsHandled());
  EXPECT_EQ(HandleOf(ZQR_Cursor::GetCursorToUse()), HandleOf(ZQF_GetCursorMetric(ZQF_CursorMetric_PointingHand)));
}

// The row of a link's underline (height - 2) as the screen shows it: how
// many pixels carry the link colour.
long UnderlinePixels(const ZQIMG_Image& Shot, const ZQF_Glyph* Link) {
  const ZQ_Rectangle<long>& box = Link->GetBoundingBox();
  long count = 0;
  for (long x = box.X; x < box.X + box.Width; ++x)
    count += Shot.GetPixelColor(x, box.Y + box.Height - 2) == ZQF_GetColorMetric(ZQF_ColorMetric_HyperlinkText);
  return count;
}

TEST_F(WindowTest, HyperlinksInAWindowScreenshot) {
  // Wine's default light theme makes the hot-tracking colour a near-white
  // grey (224, 224, 224); Windows' is a link blue, shown here.
  ZQF_SetColorMetricForTesting(31, ZQR_Color(0, 102, 204));
  ShellRecorder shell;
  auto* focused = new URL_LinkGlyph("www.example.org", "");
  auto* mail = new URL_LinkGlyph("support@example.org", "");
  auto* disabled = new URL_LinkGlyph("Unavailable link", "");
  auto* column = new ZQF_ColumnGlyph;
  column->SetSpacing(6);
  column->AddToBottom(new ZQF_StoredLabelGlyph("The latest version can be obtained at"));
  column->AddToBottom(focused);
  column->AddToBottom(mail);
  column->AddToBottom(disabled);
  ZQF_Window* window =
      OpenAround(new ZQF_MarginGlyph(column, 10, 10, 0), ZQ_Rectangle<long>(60, 60, 260, 120));
  disabled->SetEnabled(false);
  window->SetFocus();
  focused->PutOnFocusPath();
  PumpMessages();
  const ZQIMG_Image shot = SaveScreenshot(window->GetWindowHandle(), "Hyperlinks");

  // Enabled links are underlined across their whole width; the disabled one
  // is not, and shows no link colour at all.
  EXPECT_EQ(UnderlinePixels(shot, focused), focused->GetBoundingBox().Width);
  EXPECT_EQ(UnderlinePixels(shot, mail), mail->GetBoundingBox().Width);
  EXPECT_EQ(UnderlinePixels(shot, disabled), 0);

  // A click on the mail link opens the mail address; the disabled one nothing.
  for (ZQF_Glyph* link : {static_cast<ZQF_Glyph*>(mail), static_cast<ZQF_Glyph*>(disabled)}) {
    const ZQ_Point<long> at = link->GlyphToWindow(ZQ_Point<long>(3, 3));
    Send(window->GetWindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(at.X, at.Y));
    Send(window->GetWindowHandle(), WM_LBUTTONUP, 0, Point(at.X, at.Y));
  }
  EXPECT_EQ(shell.Opened, std::vector<std::string>{"open mailto:support@example.org"});
}

}  // namespace
