// The document display control in real windows: which scroll bars a
// document gets and the width it is laid out at, the sizing modes, scroll
// positions and their conversions, jumps, deferred requests, painting, bad
// settings and hostile or failing documents.
#include <cmath>
#include <limits>

#include "DocumentDisplayTestSupport.h"
#include "DocumentsTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Numeric.h"

namespace {

using Display = ZQFOxZQF_DocumentDisplayGlyph;
const std::string kLongWord = "<zqfo_para>" + std::string(300, 'W') + "</zqfo_para>";
const double kNaN = std::numeric_limits<double>::quiet_NaN();

double MmPerPixelY() { return Display::GetPixelToMillimeterScalingFactor().Y; }

// The document's height in pixels laid out at Width pixels.
long HeightAt(Display& D, long Width) {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  ZQPIC_DeviceContextCanvas canvas(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, 100, 100), 0);
  canvas.Initialize();
  D.Repaginate(canvas, Width, 0);
  return D.GetDocumentSizeInPixels().Y;
}

// The top of the view on the page, in millimetres.
double ViewTop(Display& D) {
  const ZQ_Rectangle<long> view = D.GetDocumentDisplayRectInCanvasCoords();
  return D.ClientToPage(view.X, view.Y).Y;
}

}  // namespace

TEST_F(DocumentDisplayTest, ScrollBarsOnlyWhenTheDocumentNeedsThemAndTheirStates) {
  // A paragraph one line taller without the width the vertical bar takes: it
  // overflows the display by less than a scroll line only with the bar.
  std::string almost;
  long almostHeight = 0;
  Display* probe = OpenDisplay(Lines(1), 300, 300);
  const long full = probe->GetDocumentDisplayRectInCanvasCoords().Width;
  const long narrow = full - probe->GetVerticalScrollBar()->GetDesiredSize().Natural.X;
  for (std::string text = " a"; text.size() < 800 && almost.empty(); text += " a") {
    probe->SetInputDocument(MakeDisplayDocument(Document("<zqfo_para>" + text + "</zqfo_para>")), false);
    const long wide = HeightAt(*probe, full);
    if (HeightAt(*probe, narrow) > wide) almost = "<zqfo_para>" + text + "</zqfo_para>", almostHeight = wide;
  }
  ASSERT_FALSE(almost.empty());
  const struct {
    const char* why;
    std::string body;
    long height;
    bool vertical, horizontal;
    const char* screenshot;
  } kCases[] = {
      {"fits", Lines(3), 300, false, false, "DocumentDisplayShort"},
      {"taller by less than a line at the narrower width", almost, almostHeight + 2 * ZQF_Canvas::GetBorderSize(3).Y,
       false, false, nullptr},
      {"taller", Lines(60), 300, true, false, nullptr},
      {"wider: the page takes the widest word", kLongWord, 300, false, true, nullptr},
      {"both", kLongWord + Lines(60), 300, true, true, "DocumentDisplayLongAndWide"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Display* display = OpenDisplay(c.body, 300, c.height);
    if (c.screenshot) SaveScreenshot(window->GetWindowHandle(), c.screenshot);
    EXPECT_EQ(display->IsVerticalScrollBarShown(), c.vertical);
    EXPECT_EQ(display->IsHorizontalScrollBarShown(), c.horizontal);
    const ZQ_Point<long> document = display->GetDocumentSizeInPixels();
    const ZQ_Rectangle<long> view = display->GetDocumentDisplayRectInCanvasCoords();
    EXPECT_EQ(document.X == view.Width, !c.horizontal);  // else laid out at the width shown
    EXPECT_EQ(document.Y <= view.Height, !c.vertical);
    const ZQ_Point<long> lines = display->GetScrollLineSize();
    const std::pair<bool, ZQF_ScrollBarGlyph*> kBars[] = {{c.vertical, display->GetVerticalScrollBar()},
                                                          {c.horizontal, display->GetHorizontalScrollBar()}};
    for (int i = 0; i < 2; ++i) {
      ZQF_ScrollBarGlyph* bar = kBars[i].second;
      EXPECT_EQ(bar->IsBoundingBoxEmpty(), !kBars[i].first);
      if (!kBars[i].first) continue;
      EXPECT_EQ(bar->GetDocumentSize(), i ? document.X : document.Y);
      EXPECT_EQ(bar->GetPageSize(), i ? view.Width : view.Height);
      EXPECT_EQ(bar->GetLineSize(), i ? lines.X : lines.Y);
    }
  }
}

TEST_F(DocumentDisplayTest, DesiredSizeOfEachSizingMode) {
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(3);
  const long half = ZQ_Round(ZQF_GetSizeMetric(ZQF_SizeMetric_ScreenPx).X * 0.5);
  std::string words;
  for (int i = 0; i < 200; ++i) words += "word ";
  const struct {
    const char* why;
    std::string body;
    int mode;
    double fraction;
  } kCases[] = {
      {"fill", "<zqfo_para>" + words + "</zqfo_para>", 0, 0.5},
      {"fixed at the preferred width", "<zqfo_para>" + words + "</zqfo_para>", 2, 0.5},
      {"flexible, preferred width below the widest word", kLongWord, 1, 0.01},
      {"flexible, preferred width above the widest layout", "<zqfo_para>Hi</zqfo_para>", 1, 1.0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Display display(MakeDisplayDocument(Document(c.body)));
    display.SetSizingMode(c.mode);
    display.SetPreferredWidthFraction(c.fraction);
    display.UpdateDesiredSize();
    const ZQF_DesiredSize& size = display.GetDesiredSize();
    const ZQ_Point<long> document = display.GetDocumentSizeInPixels();
    if (c.mode == 0) {
      EXPECT_EQ(size.Natural, ZQ_Point<long>(536870912, 536870912));
      EXPECT_EQ(size.Maximum, size.Natural);
      EXPECT_EQ(size.Minimum, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px));
    } else if (c.mode == 2) {
      EXPECT_EQ(size.Natural, ZQ_Point<long>(half + 2 * border.X, document.Y + 2 * border.Y));
      EXPECT_EQ(size.Minimum, size.Natural);
      EXPECT_EQ(size.Maximum, size.Natural);
    } else {
      // Laid out at the clamped width: the narrowest or the widest layout.
      const long expected = c.fraction < 0.5 ? size.Minimum.X : size.Maximum.X;
      EXPECT_EQ(document.X, expected);
      EXPECT_EQ(size.Natural, ZQ_Point<long>(expected, document.Y + 2 * border.Y));
      EXPECT_EQ(size.Minimum.Y, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).Y);
    }
  }
}

TEST_F(DocumentDisplayTest, NewDocumentsKeepOrResetTheScrollAndWaitForTheFirstLayout) {
  Display unplaced(MakeDisplayDocument(Document(Lines(2))));
  unplaced.SetInputDocument(MakeDisplayDocument(Document(Lines(60))), false);
  EXPECT_FALSE(unplaced.IsLaidOut());
  EXPECT_EQ(unplaced.GetDocumentSizeInPixels(), ZQ_Point<long>(0, 0));

  Display* display = OpenDisplay(Lines(60), 300, 300);
  display->ScrollLineDown(3);
  const long scrolled = display->GetVerticalScrollBar()->GetSliderPosition();
  EXPECT_EQ(scrolled, 3 * display->GetScrollLineSize().Y);
  display->SetInputDocument(MakeDisplayDocument(Document(Lines(70))), true);
  EXPECT_EQ(display->GetVerticalScrollBar()->GetSliderPosition(), scrolled);
  display->SetInputDocument(MakeDisplayDocument(Document(Lines(70))), false);
  EXPECT_EQ(display->GetVerticalScrollBar()->GetSliderPosition(), 0);
  display->SetInputDocument(MakeDisplayDocument(Document(Lines(2))), true);
  EXPECT_FALSE(display->IsVerticalScrollBarShown());
}

TEST_F(DocumentDisplayTest, ScrollingMovesOnlyShownBarsAndShowsWhatARepaintWould) {
  Display* display = OpenDisplay(Lines(60), 300, 300);
  const HWND handle = window->GetWindowHandle();
  auto* vertical = display->GetVerticalScrollBar();
  const long line = display->GetScrollLineSize().Y, page = vertical->GetPageSize();
  const long end = vertical->GetMaxSliderPosition();
  const struct {
    const char* why;
    void (*scroll)(Display&);
    long from, to;
  } kCases[] = {
      {"lines down", [](Display& D) { D.ScrollLineDown(2); }, 0, 2 * line},
      {"a line up", [](Display& D) { D.ScrollLineUp(1); }, 2 * line, line},
      {"a page down keeps a line", [](Display& D) { D.ScrollPageDown(); }, 0, page - line},
      {"a page up", [](Display& D) { D.ScrollPageUp(); }, page - line, 0},
      {"to the bottom", [](Display& D) { D.ScrollToBottom(); }, 0, end},
      {"to the top", [](Display& D) { D.ScrollToTop(); }, end, 0},
      {"no horizontal bar: nothing moves",
       [](Display& D) {
         D.ScrollLineRight(), D.ScrollPageRight(), D.ScrollLineLeft(), D.ScrollPageLeft(), D.ScrollToHorizontalBegin();
       },
       line, line},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    vertical->SetSliderPosition(c.from, true);
    CaptureClientArea(handle);
    c.scroll(*display);
    EXPECT_EQ(vertical->GetSliderPosition(), c.to);
    EXPECT_EQ(display->GetHorizontalScrollBar()->GetSliderPosition(), 0);
    // The moved picture and the drawn strip equal a full repaint.
    const ZQIMG_Image scrolled = CaptureClientArea(handle);
    ::InvalidateRect(handle, nullptr, FALSE);
    const ZQIMG_Image repainted = CaptureClientArea(handle);
    long differing = 0;
    for (long y = 0; y < scrolled.GetHeight(); ++y)
      for (long x = 0; x < scrolled.GetWidth(); ++x) differing += scrolled.GetPixelColor(x, y) != repainted.GetPixelColor(x, y);
    EXPECT_EQ(differing, 0);
  }
  display = OpenDisplay(Lines(2), 300, 300);  // no bars: nothing moves
  display->ScrollLineDown(5);
  display->ScrollToBottom();
  display->SetScrollAmountInMillimeters(10, 10);
  EXPECT_EQ(display->GetScrollAmountInMillimeters(), ZQ_Point<double>(0, 0));
}

TEST_F(DocumentDisplayTest, ScrollAmountsAndPageCoordinatesAgree) {
  Display* display = OpenDisplay(kLongWord + Lines(60), 300, 300);
  const ZQ_Point<double> mm = Display::GetPixelToMillimeterScalingFactor();
  const ZQ_Point<double> view = display->GetDocumentDisplaySizeInMillimeters();
  const ZQ_Point<double> end(display->GetRenderer().GetPageWidth() - view.X, view.Y);
  const struct {
    const char* why;
    double x, y, wantX, wantY;
  } kCases[] = {
      {"inside the page", 20, 150, 20, 150},
      {"beyond the ends: clamped by the bars", 1e308, -1e308, end.X, end.Y},
      {"not finite: ignored", kNaN, std::numeric_limits<double>::infinity(), end.X, end.Y},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    display->SetScrollAmountInMillimeters(c.x, c.y);
    const ZQ_Point<double> amount = display->GetScrollAmountInMillimeters();
    EXPECT_NEAR(amount.X, c.wantX, mm.X + 1e-9);
    EXPECT_NEAR(amount.Y, c.wantY, mm.Y + 1e-9);
    // The view's corners on the page: its top left is the scroll amount.
    const ZQ_Rectangle<long> r = display->GetDocumentDisplayRectInCanvasCoords();
    for (int corner = 0; corner < 4; ++corner) {
      const long right = corner & 1, bottom = corner >> 1;
      const ZQ_Point<double> page = display->ClientToPage(r.X + right * r.Width, r.Y + bottom * r.Height);
      EXPECT_NEAR(page.X, amount.X + right * view.X, 1e-6);
      EXPECT_NEAR(page.Y, amount.Y - bottom * view.Y, mm.Y);
    }
  }
}

TEST_F(DocumentDisplayTest, JumpsPutTheElementOneMillimetreBelowTheTopOrBeep) {
  Display* display = OpenDisplay(Lines(60), 300, 300);
  std::vector<std::string> calls;
  int beeps = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::MessageBeep> beep([&](UINT) { return ++beeps, TRUE; });
  struct Host {
    std::vector<std::string>* calls;
    void Jump(const ZQ_String& Id) { calls->push_back(std::string("jump ") + Id.GetText()); }
    void NotFound(const ZQ_String& Id) { calls->push_back(std::string("missing ") + Id.GetText()); }
    void Before() { calls->push_back("before"); }
  } host{&calls};
  using Callback = ZQ_Functor1<const ZQ_String&>;
  ZQFO_ContentArea_SearchResult target;
  display->GetRenderer().SearchForContentAreaById("p40", target);
  ASSERT_TRUE(target.Found);
  const struct {
    const char* why;
    std::string id;
    bool notify, host, hostJumps;
    std::vector<std::string> calls;
    bool moves;
  } kCases[] = {
      {"found", "p40", false, true, false, {}, true},
      {"found, the host told first", "p40", true, true, false, {"before"}, true},
      {"the host jumps itself", "p40", true, true, true, {"jump p40"}, false},
      {"missing, the host told", "p99", true, true, false, {"missing p99"}, false},
      {"missing without a host: a beep", "p99", true, false, false, {}, false},
      {"empty: a beep", "", false, true, false, {}, false},
      {"100,000 characters: a beep", std::string(100000, 'x'), false, false, false, {}, false},
      {"markup characters: a beep", "]]>&\"'", false, false, false, {}, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    display->ScrollToTop();
    calls.clear();
    beeps = 0;
    display->SetJumpToElementCallback(c.hostJumps ? Callback(&host, &Host::Jump) : Callback());
    display->SetElementNotFoundCallback(c.host ? Callback(&host, &Host::NotFound) : Callback());
    display->SetBeforeJumpCallback(c.host ? ZQ_Functor0(&host, &Host::Before) : ZQ_Functor0());
    display->JumpToElementWithID(c.id.c_str(), c.notify);
    EXPECT_EQ(beeps, std::string(c.why).find("beep") != std::string::npos ? 1 : 0);
    EXPECT_EQ(calls, c.calls);
    const double top = target.Rectangle.Y + target.Rectangle.Height;
    EXPECT_NEAR(ViewTop(*display), c.moves ? top + 1.0 : display->GetRenderer().GetPageHeight(), MmPerPixelY());
  }
}

TEST_F(DocumentDisplayTest, PendingRequestsWaitForTheFirstPaint) {
  const struct {
    const char* why;
    bool jump, scroll;
  } kCases[] = {{"a jump", true, false}, {"a scroll", false, true}, {"both: the jump wins", true, true}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    auto* display = new Display(MakeDisplayDocument(Document(Lines(60))));
    if (c.jump) display->SetPendingJumpElementID("p30");
    if (c.scroll) display->SetPendingScrollAmount(0, 300);
    OpenAround(display, ZQ_Rectangle<long>(100, 100, 300, 300));
    ZQFO_ContentArea_SearchResult target;
    display->GetRenderer().SearchForContentAreaById("p30", target);
    const double want = c.jump ? target.Rectangle.Y + target.Rectangle.Height + 1.0 : 300.0;
    EXPECT_NEAR(display->GetScrollAmountInMillimeters().Y, want, MmPerPixelY());
    display->ScrollToTop();  // applied once: a later paint keeps the top
    ::InvalidateRect(display->GetParentWindowHandle(), nullptr, TRUE);
    ::UpdateWindow(display->GetParentWindowHandle());
    EXPECT_EQ(display->GetVerticalScrollBar()->GetSliderPosition(), 0);
  }
}

TEST_F(DocumentDisplayTest, PaintsPaletteColoursCornerAndSmallDisplays) {
  const int kMetrics[] = {12, 13, 14, 28, 29, 31, 32, 33};  // distinct colours
  for (int i = 0; i < 8; ++i) ZQF_SetColorMetricForTesting(kMetrics[i], ZQR_Color(30 * i + 20, 200 - 20 * i, (70 * i) % 256));
  const char* const kNames[] = {"default background", "window text", "window background",
                                "subtle highlighted text", "subtle highlighted background", "hyperlink text",
                                "gray text", "tooltips text", "tooltips background"};
  const ZQR_Color kWant[] = {ZQF_GetColorMetric(ZQF_ColorMetric_DocumentBackground), ZQF_GetColorMetric(ZQF_ColorMetric_LabelText), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground),
                             ZQF_GetColorMetric(ZQF_ColorMetric_DocumentText), ZQF_GetColorMetric(ZQF_ColorMetric_DocumentShade), ZQF_GetColorMetric(ZQF_ColorMetric_HyperlinkText),
                             ZQR_BlendColors(ZQF_GetColorMetric(ZQF_ColorMetric_DocumentBackground), ZQF_GetColorMetric(ZQF_ColorMetric_DocumentText), 0.5),
                             ZQF_GetColorMetric(ZQF_ColorMetric_TooltipText), ZQF_GetColorMetric(ZQF_ColorMetric_TooltipBackground)};
  std::string table = "<zqfo_table>";  // one row per name, in the name's colour
  for (const char* name : kNames)
    table += std::string("<zqfo_row background_color='standard color - ") + name + "'><zqfo_flowcell min_width='40 mm'>" +
             name + "</zqfo_flowcell></zqfo_row>";
  Display* display = OpenDisplay(table + "</zqfo_table>" + kLongWord + Lines(30), 320, 400);
  const ZQIMG_Image shot = SaveScreenshot(window->GetWindowHandle(), "DocumentDisplayPalette");
  const ZQ_Rectangle<long> view = display->GetDocumentDisplayRectInCanvasCoords();
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(kNames[i]);
    long count = 0;
    for (long y = view.Y; y < view.Y + view.Height; ++y)
      for (long x = view.X; x < view.X + view.Width; x += 4) count += shot.GetPixelColor(x, y) == kWant[i];
    EXPECT_GT(count, 100);
  }
  // The square between the two bars.
  EXPECT_EQ(shot.GetPixelColor(view.X + view.Width + 2, view.Y + view.Height + 2), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  // A display smaller than size metric 6 is one field of colour 32.
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(3), smallest = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px);
  OpenDisplay(Lines(2), smallest.X + 2 * border.X - 1, smallest.Y + 2 * border.Y + 10);
  const ZQIMG_Image tiny = CaptureClientArea(window->GetWindowHandle());
  EXPECT_EQ(tiny.GetPixelColor(border.X + smallest.X / 2, border.Y + smallest.Y / 2), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
}

TEST_F(DocumentDisplayTest, AFailingDocumentShowsTheErrorPictureAndTheControlKeepsWorking) {
  const std::string before = ZQ_GetDebugLogText().GetText();
  Display* display = nullptr;
  {
    const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);  // text measuring fails with an exception
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetTextExtentPoint32A> broken(ZQLOW_WIN_Answer(FALSE, 87));
    display = OpenDisplay(Lines(60), 200, 150);
    ::InvalidateRect(window->GetWindowHandle(), nullptr, TRUE);
    ::UpdateWindow(window->GetWindowHandle());
  }
  EXPECT_TRUE(display->GetRenderer().GetRepaginationFailed());
  EXPECT_TRUE(ReportedErrors().empty());
  const std::string log = ZQ_GetDebugLogText().GetText();
  const std::string entry = "The document display could not lay its document out";
  const size_t first = log.find(entry, before.size());
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(log.find(entry, first + 1), std::string::npos);  // once per document
  SaveScreenshot(window->GetWindowHandle(), "DocumentDisplayError");
  display->ScrollLineDown(1);  // the 100 x 100 mm error page scrolls
  EXPECT_GT(display->GetVerticalScrollBar()->GetSliderPosition(), 0);
  display->SetInputDocument(MakeDisplayDocument(Document(Lines(60))), false);
  EXPECT_FALSE(display->GetRenderer().GetRepaginationFailed());
}

TEST_F(DocumentDisplayTest, BadSettingsAreRefusedOrClamped) {
  Display display(MakeDisplayDocument(Document(Lines(2))));
  const double preferred = display.GetPreferredWidthInPixels();
  for (double fraction : {0.0, -1.0, 1.0000001, kNaN}) {
    EXPECT_THROW(display.SetPreferredWidthFraction(fraction), ZQ_Exception) << fraction;  // "0.0 < F and F <= 1.0"
    EXPECT_EQ(display.GetPreferredWidthInPixels(), preferred);
  }
  const std::pair<double, long> kMargins[] = {{kNaN, 7}, {-5, 0}, {1e308, 536870912}, {3.4, 3}};
  for (const auto& m : kMargins) {
    display.SetMarginsInPixels(7, 7);
    display.SetMarginsInPixels(m.first, m.first);
    const Display::MarginsType& got = display.GetMarginsInPixels();
    EXPECT_EQ(ZQ_Point<long>(got.Left, got.Bottom), ZQ_Point<long>(m.second, m.second)) << m.first;
  }
}

TEST_F(DocumentDisplayTest, HostileDocumentsLayOutToFiniteSizes) {
  std::string columns = "<zqfo_table><zqfo_row>", nested, empty;
  for (int i = 0; i < 1000; ++i) columns += "<zqfo_flowcell>c" + std::to_string(i) + "</zqfo_flowcell>";
  // As deep as the XML reader takes: 1,000 elements with the document's
  // three outer ones and the paragraph.
  for (int i = 0; i < 996; ++i) nested = "<zqfo_blockgroup>" + nested + "</zqfo_blockgroup>";
  nested.insert(996 * 17, "<zqfo_para>deep</zqfo_para>");
  for (int i = 0; i < 100000; ++i) empty += "<zqfo_para/>";
  const std::string wide = TemporaryImageURI(ZQIMG_Image(65535, 1, 24), "ZQDisplayWide.png").GetText().GetText();
  const std::string kCases[] = {
      empty,
      "<zqfo_para><zqfo_img src='" + wide + "'/></zqfo_para>",
      "<zqfo_para>" + std::string(100000, 'x') + "</zqfo_para>",
      columns + "</zqfo_row></zqfo_table>",
      "<zqfo_para font_height='0pt'>nothing to see</zqfo_para>",
      nested,
  };
  for (const std::string& body : kCases) {
    SCOPED_TRACE(body.substr(0, 60));
    Display* display = OpenDisplay(body, 300, 300);
    const ZQ_Point<double> page = display->GetRenderer().GetPageSize();
    EXPECT_TRUE(std::isfinite(page.X) && std::isfinite(page.Y));
    EXPECT_TRUE(ReportedErrors().empty());
    display->ScrollToBottom();
    ::UpdateWindow(window->GetWindowHandle());
  }
}
