// The document display control in real windows: which scroll bars a
// document gets and the width it is laid out at, the sizing modes, scroll
// positions and their conversions, jumps, deferred requests, painting and a
// document whose layout fails.
#include <limits>

#include "DocumentDisplayTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINUSER.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQ_Numeric.h"
#include "ZQ_DebugLog.h"

namespace {

const std::string kLongWord = "<zqfo_para>" + std::string(300, 'W') + "</zqfo_para>";

std::string Document(const std::string& Body) {
  return "<zqfo_document><zqfo_section><zqfo_blockstream>" + Body +
         "</zqfo_blockstream></zqfo_section></zqfo_document>";
}

std::string ParagraphBodies(int Count) {
  std::string body;
  for (int i = 0; i < Count; ++i) body += "<zqfo_para id='p" + std::to_string(i) + "'>Line " + std::to_string(i) + "</zqfo_para>";
  return body;
}

// The document's height in pixels laid out at Width pixels.
long HeightAt(ZQFOxZQF_DocumentDisplayGlyph& Display, long Width) {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  ZQPIC_DeviceContextCanvas canvas(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, 100, 100), 0);
  canvas.Initialize();
  Display.Repaginate(canvas, Width, 0);
  return Display.GetDocumentSizeInPixels().Y;
}

}  // namespace

TEST_F(DocumentDisplayTest, ScrollBarsOnlyWhenTheDocumentNeedsThemAndTheirStates) {
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(3);
  // A paragraph that needs one line more without the room of the vertical bar:
  // its document is taller than the display by less than a scroll line only
  // while the bar is shown.
  std::string almost;
  long almostHeight = 0;
  {
    ZQFOxZQF_DocumentDisplayGlyph* probe = OpenDisplay(Paragraphs(1), 300, 300);
    const long full = probe->GetDocumentDisplayRectInCanvasCoords().Width;
    const long narrow = full - probe->GetVerticalScrollBar()->GetDesiredSize().Natural.X;
    for (int words = 1; words < 400 && almost.empty(); ++words) {
      std::string text;
      for (int i = 0; i < words; ++i) text += " a";  // fine steps
      probe->SetInputDocument(MakeDisplayDocument(Document("<zqfo_para>" + text + "</zqfo_para>")), false);
      const long wide = HeightAt(*probe, full);
      if (HeightAt(*probe, narrow) > wide) almost = text, almostHeight = wide;
    }
    ASSERT_FALSE(almost.empty());
  }
  const struct {
    const char* why;
    std::string markup;
    long height;
    bool vertical, horizontal;
  } kCases[] = {
      {"fits", Paragraphs(2), 300, false, false},
      {"taller by less than a line at the narrower width", Document("<zqfo_para>" + almost + "</zqfo_para>"),
       almostHeight + 2 * border.Y, false, false},
      {"taller", Paragraphs(60), 300, true, false},
      {"wider", Document(kLongWord), 300, false, true},
      {"both", Document(kLongWord + ParagraphBodies(60)), 300, true, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQFOxZQF_DocumentDisplayGlyph* display = OpenDisplay(c.markup, 300, c.height);
    EXPECT_EQ(display->IsVerticalScrollBarShown(), c.vertical);
    EXPECT_EQ(display->IsHorizontalScrollBarShown(), c.horizontal);
    const ZQ_Point<long> document = display->GetDocumentSizeInPixels();
    const ZQ_Rectangle<long> view = display->GetDocumentDisplayRectInCanvasCoords();
    if (!c.horizontal) {
      EXPECT_EQ(document.X, view.Width);  // laid out at the width shown
    }
    if (!c.vertical) {
      EXPECT_LE(document.Y, view.Height);
    }
    const struct {
      bool shown;
      ZQF_ScrollBarGlyph* bar;
      long document, page, line;
    } kBars[] = {{c.vertical, display->GetVerticalScrollBar(), document.Y, view.Height,
                  display->GetScrollLineSize().Y},
                 {c.horizontal, display->GetHorizontalScrollBar(), document.X, view.Width,
                  display->GetScrollLineSize().X}};
    for (const auto& b : kBars) {
      if (!b.shown) continue;
      EXPECT_EQ(b.bar->GetDocumentSize(), b.document);
      EXPECT_EQ(b.bar->GetPageSize(), b.page);
      EXPECT_EQ(b.bar->GetLineSize(), b.line);
      EXPECT_FALSE(b.bar->GetBoundingBox().Width < 1 || b.bar->GetBoundingBox().Height < 1);
    }
  }
}

TEST_F(DocumentDisplayTest, DesiredSizeOfEachSizingMode) {
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(3);
  const long half = ZQ_Round(ZQF_GetSizeMetric(11).X * 0.5);
  const std::string text = Document("<zqfo_para>" +
                                    [] { std::string s; for (int i = 0; i < 200; ++i) s += "word "; return s; }() +
                                    "</zqfo_para>");
  const struct {
    const char* why;
    std::string markup;
    int mode;
    double fraction;
  } kCases[] = {
      {"fill", text, 0, 0.5},
      {"fixed at the preferred width", text, 2, 0.5},
      {"flexible, preferred width below the widest word", Document(kLongWord), 1, 0.01},
      {"flexible, preferred width above the widest layout", Document("<zqfo_para>Hi</zqfo_para>"), 1, 1.0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQFOxZQF_DocumentDisplayGlyph display(MakeDisplayDocument(c.markup));
    display.SetSizingMode(c.mode);
    display.SetPreferredWidthFraction(c.fraction);
    display.UpdateDesiredSize();
    const ZQF_DesiredSize& size = display.GetDesiredSize();
    const ZQ_Point<long> document = display.GetDocumentSizeInPixels();
    if (c.mode == 0) {
      EXPECT_EQ(size.Natural, ZQ_Point<long>(536870912, 536870912));
      EXPECT_EQ(size.Maximum, ZQ_Point<long>(536870912, 536870912));
      EXPECT_EQ(size.Minimum, ZQF_GetSizeMetric(9));
    } else if (c.mode == 2) {
      EXPECT_EQ(document.X, half);
      EXPECT_EQ(size.Natural, ZQ_Point<long>(half + 2 * border.X, document.Y + 2 * border.Y));
      EXPECT_EQ(size.Minimum, size.Natural);
      EXPECT_EQ(size.Maximum, size.Natural);
    } else {
      // Laid out at the clamped width: the narrowest or the widest layout.
      const long expected = c.fraction < 0.5 ? size.Minimum.X : size.Maximum.X;
      EXPECT_EQ(document.X, expected);
      EXPECT_EQ(size.Natural.X, expected);
      EXPECT_EQ(size.Minimum.Y, ZQF_GetSizeMetric(7).Y);
      EXPECT_EQ(size.Natural.Y, document.Y + 2 * border.Y);
    }
  }
}

TEST_F(DocumentDisplayTest, NewDocumentsKeepOrResetTheScrollAndWaitForTheFirstLayout) {
  ZQFOxZQF_DocumentDisplayGlyph unplaced(MakeDisplayDocument(Paragraphs(2)));
  unplaced.SetInputDocument(MakeDisplayDocument(Paragraphs(60)), false);
  EXPECT_FALSE(unplaced.IsLaidOut());
  EXPECT_EQ(unplaced.GetDocumentSizeInPixels(), ZQ_Point<long>(0, 0));

  ZQFOxZQF_DocumentDisplayGlyph* display = OpenDisplay(Paragraphs(60), 300, 300);
  display->ScrollLineDown(3);
  const long scrolled = display->GetVerticalScrollBar()->GetSliderPosition();
  EXPECT_EQ(scrolled, 3 * display->GetScrollLineSize().Y);
  display->SetInputDocument(MakeDisplayDocument(Paragraphs(70)), true);
  EXPECT_EQ(display->GetVerticalScrollBar()->GetSliderPosition(), scrolled);
  display->SetInputDocument(MakeDisplayDocument(Paragraphs(70)), false);
  EXPECT_EQ(display->GetVerticalScrollBar()->GetSliderPosition(), 0);
  display->SetInputDocument(MakeDisplayDocument(Paragraphs(2)), true);  // now short: no bar
  EXPECT_FALSE(display->IsVerticalScrollBarShown());
}

TEST_F(DocumentDisplayTest, ScrollingMovesOnlyShownBars) {
  ZQFOxZQF_DocumentDisplayGlyph* display = OpenDisplay(Paragraphs(60), 300, 300);
  auto* vertical = display->GetVerticalScrollBar();
  auto* horizontal = display->GetHorizontalScrollBar();
  using Display = ZQFOxZQF_DocumentDisplayGlyph;
  const long line = display->GetScrollLineSize().Y, page = vertical->GetPageSize();
  const long end = vertical->GetMaxSliderPosition();
  const struct {
    const char* why;
    void (*scroll)(Display&);
    long from, to;
  } kCases[] = {
      {"line down twice", [](Display& D) { D.ScrollLineDown(2); }, 0, 2 * line},
      {"line up", [](Display& D) { D.ScrollLineUp(1); }, 2 * line, line},
      {"page down keeps a line", [](Display& D) { D.ScrollPageDown(); }, 0, page - line},
      {"page up", [](Display& D) { D.ScrollPageUp(); }, page - line, 0},
      {"to bottom", [](Display& D) { D.ScrollToBottom(); }, 0, end},
      {"to top", [](Display& D) { D.ScrollToTop(); }, end, 0},
      // No horizontal bar: the horizontal operations leave everything.
      {"line right", [](Display& D) { D.ScrollLineRight(); }, line, line},
      {"page right", [](Display& D) { D.ScrollPageRight(); }, line, line},
      {"line left", [](Display& D) { D.ScrollLineLeft(); }, line, line},
      {"page left", [](Display& D) { D.ScrollPageLeft(); }, line, line},
      {"horizontal begin", [](Display& D) { D.ScrollToHorizontalBegin(); }, line, line},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    vertical->SetSliderPosition(c.from, false);
    const long horizontalBefore = horizontal->GetSliderPosition();
    c.scroll(*display);
    EXPECT_EQ(vertical->GetSliderPosition(), c.to);
    EXPECT_EQ(horizontal->GetSliderPosition(), horizontalBefore);
  }
  // A short document: nothing moves, the scroll amount stays 0.
  display = OpenDisplay(Paragraphs(2), 300, 300);
  display->ScrollLineDown(5);
  display->ScrollToBottom();
  display->SetScrollAmountInMillimeters(10, 10);
  EXPECT_EQ(display->GetScrollAmountInMillimeters(), ZQ_Point<double>(0, 0));
  EXPECT_EQ(display->GetVerticalScrollBar()->GetSliderPosition(), 0);
}

TEST_F(DocumentDisplayTest, ScrollAmountsAndPageCoordinatesAgree) {
  ZQFOxZQF_DocumentDisplayGlyph* display = OpenDisplay(Document(kLongWord + ParagraphBodies(60)), 300, 300);
  ASSERT_TRUE(display->IsVerticalScrollBarShown() && display->IsHorizontalScrollBarShown());
  const ZQ_Point<double> mm = ZQFOxZQF_DocumentDisplayGlyph::GetPixelToMillimeterScalingFactor();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const ZQ_Point<double> pageSize = display->GetRenderer().GetPageSize();
  const struct {
    const char* why;
    double x, y, wantX, wantY;
  } kCases[] = {
      {"inside the page", 20, 150, 20, 150},
      {"beyond the ends: clamped by the bars", 1e308, -1e308, pageSize.X - display->GetDocumentDisplaySizeInMillimeters().X,
       display->GetDocumentDisplaySizeInMillimeters().Y},
      {"not finite: ignored", nan, inf, pageSize.X - display->GetDocumentDisplaySizeInMillimeters().X,
       display->GetDocumentDisplaySizeInMillimeters().Y},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    display->SetScrollAmountInMillimeters(c.x, c.y);
    const ZQ_Point<double> amount = display->GetScrollAmountInMillimeters();
    EXPECT_NEAR(amount.X, c.wantX, mm.X + 1e-9);
    EXPECT_NEAR(amount.Y, c.wantY, mm.Y + 1e-9);
    // The view's corners on the page: its top left is the scroll amount.
    const ZQ_Rectangle<long> view = display->GetDocumentDisplayRectInCanvasCoords();
    const ZQ_Point<double> size = display->GetDocumentDisplaySizeInMillimeters();
    const struct {
      long x, y;
      double pageX, pageY;
    } kCorners[] = {{view.X, view.Y, amount.X, amount.Y},
                    {view.X + view.Width, view.Y, amount.X + size.X, amount.Y},
                    {view.X, view.Y + view.Height, amount.X, amount.Y - size.Y},
                    {view.X + view.Width, view.Y + view.Height, amount.X + size.X, amount.Y - size.Y}};
    for (const auto& corner : kCorners) {
      const ZQ_Point<double> page = display->ClientToPage(corner.x, corner.y);
      EXPECT_NEAR(page.X, corner.pageX, 1e-6);
      EXPECT_NEAR(page.Y, corner.pageY, mm.Y);
    }
  }
}

TEST_F(DocumentDisplayTest, JumpsPutTheElementOneMillimetreBelowTheTopOrBeep) {
  ZQFOxZQF_DocumentDisplayGlyph* display = OpenDisplay(Document(ParagraphBodies(60)), 300, 300);
  std::vector<std::string> calls;
  int beeps = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::MessageBeep> beep([&](UINT) {
    ++beeps;
    return TRUE;
  });
  struct Host {
    std::vector<std::string>* calls;
    void Jump(const ZQ_String& Id) { calls->push_back(std::string("jump ") + Id.GetText()); }
    void NotFound(const ZQ_String& Id) { calls->push_back(std::string("missing ") + Id.GetText()); }
    void Before() { calls->push_back("before"); }
  } host{&calls};
  ZQFO_ContentArea_SearchResult target;
  display->GetRenderer().SearchForContentAreaById("p40", target);
  ASSERT_TRUE(target.Found);
  const double top = target.Rectangle.Y + target.Rectangle.Height;
  const std::string quoted = "p\"4'0";
  const struct {
    const char* why;
    std::string id;
    bool notify, hostCallbacks, jumpCallback;
    int beeps;
    std::vector<std::string> calls;
    bool moves;
  } kCases[] = {
      {"found", "p40", false, false, false, 0, {}, true},
      {"found, the host told first", "p40", true, true, false, 0, {"before"}, true},
      {"the host jumps itself", "p40", true, true, true, 0, {"jump p40"}, false},
      {"missing, the host told", "p99", true, true, false, 0, {"missing p99"}, false},
      {"missing without a host callback", "p99", true, false, false, 1, {}, false},
      {"missing: empty", "", false, true, false, 1, {}, false},
      {"missing: 100,000 characters", std::string(100000, 'x'), false, false, false, 1, {}, false},
      {"missing: markup characters", "]]>&" + quoted, false, false, false, 1, {}, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    display->ScrollToTop();
    calls.clear();
    beeps = 0;
    display->SetJumpToElementCallback(c.jumpCallback ? ZQ_Functor1<const ZQ_String&>(&host, &Host::Jump)
                                                     : ZQ_Functor1<const ZQ_String&>());
    display->SetElementNotFoundCallback(c.hostCallbacks ? ZQ_Functor1<const ZQ_String&>(&host, &Host::NotFound)
                                                        : ZQ_Functor1<const ZQ_String&>());
    display->SetBeforeJumpCallback(c.hostCallbacks ? ZQ_Functor0(&host, &Host::Before) : ZQ_Functor0());
    display->JumpToElementWithID(c.id.c_str(), c.notify);
    EXPECT_EQ(beeps, c.beeps);
    EXPECT_EQ(calls, c.calls);
    const ZQ_Rectangle<long> view = display->GetDocumentDisplayRectInCanvasCoords();
    const double viewTop = display->ClientToPage(view.X, view.Y).Y;
    if (c.moves)
      EXPECT_NEAR(viewTop, top + 1.0, ZQFOxZQF_DocumentDisplayGlyph::GetPixelToMillimeterScalingFactor().Y);
    else
      EXPECT_EQ(display->GetVerticalScrollBar()->GetSliderPosition(), 0);
  }
}

TEST_F(DocumentDisplayTest, PendingRequestsWaitForTheFirstPaint) {
  const struct {
    const char* why;
    bool jump, scroll;
  } kCases[] = {{"a jump", true, false}, {"a scroll", false, true}, {"both: the jump wins", true, true}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    auto* display = new ZQFOxZQF_DocumentDisplayGlyph(MakeDisplayDocument(Document(ParagraphBodies(60))));
    if (c.jump) display->SetPendingJumpElementID("p30");
    if (c.scroll) display->SetPendingScrollAmount(0, 300);
    EXPECT_EQ(display->GetVerticalScrollBar()->GetSliderPosition(), 0);
    OpenAround(display, ZQ_Rectangle<long>(100, 100, 300, 300));
    ZQFO_ContentArea_SearchResult target;
    display->GetRenderer().SearchForContentAreaById("p30", target);
    const double want = c.jump ? target.Rectangle.Y + target.Rectangle.Height + 1.0 : 300.0;
    EXPECT_NEAR(display->GetScrollAmountInMillimeters().Y, want,
                ZQFOxZQF_DocumentDisplayGlyph::GetPixelToMillimeterScalingFactor().Y);
    // Applied once: scrolling away stays.
    display->ScrollToTop();
    ::InvalidateRect(display->GetParentWindowHandle(), nullptr, TRUE);
    ::UpdateWindow(display->GetParentWindowHandle());
    EXPECT_EQ(display->GetVerticalScrollBar()->GetSliderPosition(), 0);
  }
}

TEST_F(DocumentDisplayTest, PaintsPaletteColoursCornerAndSmallDisplays) {
  // Distinct colours for the metrics the screen palette reads.
  const int kMetrics[] = {12, 13, 14, 28, 29, 31, 32, 33};
  for (int i = 0; i < 8; ++i)
    ZQF_SetColorMetricForTesting(kMetrics[i], ZQR_Color(30 * i + 20, 200 - 20 * i, (70 * i) % 256));
  const char* const kNames[] = {"default background", "window text", "window background",
                                "subtle highlighted text", "subtle highlighted background", "hyperlink text",
                                "gray text", "tooltips text", "tooltips background"};
  const ZQR_Color kWant[] = {ZQF_GetColorMetric(12), ZQF_GetColorMetric(33), ZQF_GetColorMetric(32),
                             ZQF_GetColorMetric(14), ZQF_GetColorMetric(13), ZQF_GetColorMetric(31),
                             ZQR_BlendColors(ZQF_GetColorMetric(12), ZQF_GetColorMetric(14), 0.5),
                             ZQF_GetColorMetric(29), ZQF_GetColorMetric(28)};
  // One table row per name, filled with the name's colour.
  std::string body = "<zqfo_table>";
  for (int i = 0; i < 9; ++i)
    body += std::string("<zqfo_row background_color='standard color - ") + kNames[i] +
            "'><zqfo_flowcell min_width='40 mm'>" + kNames[i] + "</zqfo_flowcell></zqfo_row>";
  body += "</zqfo_table>";
  ZQFOxZQF_DocumentDisplayGlyph* display = OpenDisplay(Document(body + kLongWord + ParagraphBodies(30)), 320, 400);
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
  ASSERT_TRUE(display->IsVerticalScrollBarShown() && display->IsHorizontalScrollBarShown());
  EXPECT_EQ(shot.GetPixelColor(view.X + view.Width + 2, view.Y + view.Height + 2), ZQF_GetColorMetric(32));

  // A display smaller than size metric 6 is one field of colour 32.
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(3), smallest = ZQF_GetSizeMetric(6);
  OpenDisplay(Paragraphs(2), smallest.X + 2 * border.X - 1, smallest.Y + 2 * border.Y + 10);
  const ZQIMG_Image tiny = CaptureClientArea(window->GetWindowHandle());
  EXPECT_EQ(tiny.GetPixelColor(border.X + smallest.X / 2, border.Y + smallest.Y / 2), ZQF_GetColorMetric(32));
}

TEST_F(DocumentDisplayTest, AFailingDocumentShowsTheErrorPictureAndTheControlKeepsWorking) {
  const std::string before = ZQ_GetDebugLogText().GetText();
  ZQFOxZQF_DocumentDisplayGlyph* display = nullptr;
  {
    const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);  // text measuring fails with an exception
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetTextExtentPoint32A> broken(ZQLOW_WIN_Answer(FALSE, 87));
    display = OpenDisplay(Paragraphs(60), 200, 150);
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
  // The 100 x 100 mm error page scrolls in a small window.
  const ZQIMG_Image shot = SaveScreenshot(window->GetWindowHandle(), "DocumentDisplayError");
  EXPECT_TRUE(display->IsVerticalScrollBarShown());
  display->ScrollLineDown(1);
  EXPECT_GT(display->GetVerticalScrollBar()->GetSliderPosition(), 0);
  display->SetInputDocument(MakeDisplayDocument(Paragraphs(60)), false);
  EXPECT_FALSE(display->GetRenderer().GetRepaginationFailed());
  EXPECT_GT(display->GetRenderer().GetNumPages(), 0);
}

TEST_F(DocumentDisplayTest, Screenshots) {
  OpenDisplay(Paragraphs(3), 300, 300);
  SaveScreenshot(window->GetWindowHandle(), "DocumentDisplayShort");
  OpenDisplay(Document(kLongWord + ParagraphBodies(60)), 300, 300);
  SaveScreenshot(window->GetWindowHandle(), "DocumentDisplayLongAndWide");
}

TEST_F(DocumentDisplayTest, ScrolledPixelsEqualAFullRepaint) {
  ZQFOxZQF_DocumentDisplayGlyph* display = OpenDisplay(Document(kLongWord + ParagraphBodies(60)), 300, 300);
  const HWND handle = window->GetWindowHandle();
  using Display = ZQFOxZQF_DocumentDisplayGlyph;
  const struct {
    const char* why;
    void (*scroll)(Display&);
  } kCases[] = {
      {"a line down", [](Display& D) { D.ScrollLineDown(1); }},
      {"three lines up", [](Display& D) { D.ScrollLineUp(3); }},
      {"a page down", [](Display& D) { D.ScrollPageDown(); }},
      {"right", [](Display& D) { D.ScrollLineRight(); }},
      {"to the bottom", [](Display& D) { D.ScrollToBottom(); }},
  };
  display->ScrollLineDown(5);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    CaptureClientArea(handle);
    c.scroll(*display);
    const ZQIMG_Image scrolled = CaptureClientArea(handle);
    ::InvalidateRect(handle, nullptr, FALSE);
    const ZQIMG_Image repainted = CaptureClientArea(handle);
    long differing = 0;
    for (long y = 0; y < scrolled.GetHeight(); ++y)
      for (long x = 0; x < scrolled.GetWidth(); ++x) differing += scrolled.GetPixelColor(x, y) != repainted.GetPixelColor(x, y);
    EXPECT_EQ(differing, 0);
  }
}
