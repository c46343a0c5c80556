#include <gtest/gtest.h>

#include <functional>

#include "DebugLogMark.h"
#include "LayoutTestSupport.h"
#include "ZQFO_ContentArea.h"
#include "ZQ_Exception.h"

namespace {

using Rect = ZQ_Rectangle<double>;

void ExpectRect(const Rect& Actual, const Rect& Expected) {
  EXPECT_DOUBLE_EQ(Actual.X, Expected.X);
  EXPECT_DOUBLE_EQ(Actual.Y, Expected.Y);
  EXPECT_DOUBLE_EQ(Actual.Width, Expected.Width);
  EXPECT_DOUBLE_EQ(Actual.Height, Expected.Height);
}

}  // namespace

// A 60 x 100 mm area, y upward: the top is at y = 100.
TEST(ZQFO_ContentArea, StripsComeOffEachSideAndClampAtTheFreeSize) {
  const struct {
    const char* why;
    std::function<Rect(ZQFO_ContentArea&)> cut;
    Rect strip, free;
  } cases[] = {
      {"top within", [](ZQFO_ContentArea& a) { return a.CutTopStrip(10); }, {0, 90, 60, 10}, {0, 0, 60, 90}},
      {"top past", [](ZQFO_ContentArea& a) { return a.CutTopStrip(150); }, {0, 0, 60, 100}, {0, 0, 60, 0}},
      {"bottom within", [](ZQFO_ContentArea& a) { return a.CutBottomStrip(10); }, {0, 0, 60, 10}, {0, 10, 60, 90}},
      {"bottom past", [](ZQFO_ContentArea& a) { return a.CutBottomStrip(150); }, {0, 0, 60, 100}, {0, 100, 60, 0}},
      {"left within", [](ZQFO_ContentArea& a) { return a.CutLeftStrip(10); }, {0, 0, 10, 100}, {10, 0, 50, 100}},
      {"left past", [](ZQFO_ContentArea& a) { return a.CutLeftStrip(80); }, {0, 0, 60, 100}, {60, 0, 0, 100}},
      {"right within", [](ZQFO_ContentArea& a) { return a.CutRightStrip(10); }, {50, 0, 10, 100}, {0, 0, 50, 100}},
      {"right past", [](ZQFO_ContentArea& a) { return a.CutRightStrip(80); }, {0, 0, 60, 100}, {0, 0, 0, 100}},
      {"reserve top makes the strip a child", [](ZQFO_ContentArea& a) { return a.ReserveTop(10)->Area; },
       {0, 90, 60, 10}, {0, 0, 60, 90}},
      {"reserve bottom", [](ZQFO_ContentArea& a) { return a.ReserveBottom(150)->Area; }, {0, 0, 60, 100},
       {0, 100, 60, 0}},
      {"reserve left", [](ZQFO_ContentArea& a) { return a.ReserveLeft(10)->Area; }, {0, 0, 10, 100},
       {10, 0, 50, 100}},
      {"a portion leaves the free part", [](ZQFO_ContentArea& a) { return a.AccessPortion(5, 6, 7, 8)->Area; },
       {5, 6, 7, 8}, {0, 0, 60, 100}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ZQFO_ContentArea area(nullptr, 3, 4, 60, 100, 0);
    ExpectRect(c.cut(area), c.strip);
    ExpectRect(area.Free, c.free);
    if (area.FirstChild) {
      EXPECT_EQ(area.FirstChild->Flags, 0u);
    }
  }
}

TEST(ZQFO_ContentArea, RenderObjectsMoveByTheFreeOriginAndChainIntoTheirLayer) {
  std::string log;
  ZQFO_ContentArea area(nullptr, 0, 0, 40, 20, 0);
  area.CutLeftStrip(3);
  area.CutBottomStrip(2);
  auto* first = new RecordingRenderObject(log, "a", 1, 1);
  auto* second = new RecordingRenderObject(log, "b");
  auto* overlay = new RecordingRenderObject(log, "c");
  area.AddRenderObject(first, 0);
  area.AddRenderObject(second, 0);
  area.AddRenderObject(overlay, 1);
  area.AddRenderObject(new RecordingRenderObject(log, "dropped"), 2);
  EXPECT_DOUBLE_EQ(first->X, 4);
  EXPECT_DOUBLE_EQ(first->Y, 3);
  EXPECT_EQ(area.RenderObjects, second);  // newest first
  EXPECT_EQ(second->NextSibling, first);
  EXPECT_EQ(area.OverlayRenderObjects, overlay);
  EXPECT_THROW(area.AddRenderObject(second, 0), ZQ_Exception);
  ZQFO_ContentArea child(nullptr, 0, 0, 1, 1, 0), sibling(nullptr, 0, 0, 1, 1, 0);
  child.NextSibling = &sibling;
  EXPECT_THROW(area.AddChildContentArea(&child), ZQ_Exception);
  child.NextSibling = nullptr;
}

TEST(ZQFO_ContentArea, TheChainGrowsAPageAtATimeAndLinksBothWays) {
  TestLayout layout;
  ZQFO_ContentArea* first = layout.NewPage()->GetFirstDefaultContentArea();
  const ZQFO_ChapterStrings none;
  ZQFO_ContentArea* second = first->GetNextArea(none, layout.Context);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(layout.Document.GetNumPages(), 2);
  EXPECT_EQ(first->Next, second);
  EXPECT_EQ(second->Prev, first);
  EXPECT_EQ(first->GetNextArea(none, layout.Context), second);
  EXPECT_EQ(layout.Document.GetNumPages(), 2);
  ZQFO_ContentArea loose(nullptr, 0, 0, 1, 1, 0);
  EXPECT_EQ(loose.GetNextArea(none, layout.Context), nullptr);
  ZQFO_ContentArea orphan(nullptr, 0, 0, 1, 1, ZQFO_ContentArea::Flag_MayGeneratePage);
  EXPECT_THROW(orphan.GetNextArea(none, layout.Context), ZQ_Exception);
}

TEST(ZQFO_ContentArea, WalksStopAtTheFirstAreaOfTheNextColumnOrPage) {
  TestLayout layout;
  ZQFO_ContentArea start(nullptr, 0, 0, 1, 1, 0), plain(nullptr, 0, 0, 1, 1, 0),
      column(nullptr, 0, 0, 1, 1, ZQFO_ContentArea::Flag_FirstInColumn),
      page(nullptr, 0, 0, 1, 1, ZQFO_ContentArea::Flag_FirstInColumn | ZQFO_ContentArea::Flag_FirstOnPage);
  start.Next = &plain;
  plain.Next = &column;
  column.Next = &page;
  const ZQFO_ChapterStrings none;
  EXPECT_EQ(start.GetFirstAreaInNextColumn(none, layout.Context), &column);
  EXPECT_EQ(start.GetFirstAreaOnNextPage(none, layout.Context), &page);
  EXPECT_EQ(page.GetFirstAreaOnNextPage(none, layout.Context), nullptr);
}

TEST(ZQFO_ContentArea, ParityWalksInsertOneEmptyPageWhenTheCountHasThatParity) {
  const struct {
    const char* why;
    long pagesBefore;
    bool even;
    long pagesAfter;
  } cases[] = {
      {"even walk after two pages: a blank third, content on the fourth", 2, true, 4},
      {"even walk after one page", 1, true, 2},
      {"odd walk after one page: a blank second, content on the third", 1, false, 3},
      {"odd walk after two pages", 2, false, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TestLayout layout;
    ZQFO_ContentArea* last = nullptr;
    for (long i = 0; i < c.pagesBefore; ++i) last = layout.NewPage()->GetFirstDefaultContentArea();
    const ZQFO_ChapterStrings none;
    ZQFO_ContentArea* next = c.even ? last->GetFirstAreaOnNextEvenPage(none, layout.Context)
                                    : last->GetFirstAreaOnNextOddPage(none, layout.Context);
    EXPECT_EQ(layout.Document.GetNumPages(), c.pagesAfter);
    EXPECT_EQ(next, layout.Document.GetPage(c.pagesAfter - 1)->GetFirstDefaultContentArea());
    EXPECT_EQ(last->Next, next);
  }
}

TEST(ZQFO_ContentArea, BaseObjectsDrawBeforeTheChildrenAndOverlaysAfterOutsideTheClipNothing) {
  std::string log;
  TestCanvas canvas;  // clip 50 x 25 mm
  ZQFO_ContentArea parent(nullptr, 10, 5, 30, 15, 0);
  parent.AddRenderObject(new RecordingRenderObject(log, "P0"), 0);
  parent.AddRenderObject(new RecordingRenderObject(log, "P1"), 1);
  ZQFO_ContentArea* child = parent.AccessPortion(2, 3, 5, 5);
  child->AddRenderObject(new RecordingRenderObject(log, "C0"), 0);
  child->AddRenderObject(new RecordingRenderObject(log, "C1"), 1);
  ZQFO_ContentArea* outside = parent.AccessPortion(100, 0, 5, 5);
  outside->AccessPortion(-100, 0, 5, 5)->AddRenderObject(new RecordingRenderObject(log, "hidden"), 0);
  parent.Render(canvas, 1, 1, 0);
  EXPECT_EQ(log, "P0@11,6;C0@13,9;");
  log.clear();
  parent.Render(canvas, 1, 1, 1);
  EXPECT_EQ(log, "C1@13,9;P1@11,6;");
  log.clear();
  parent.Render(canvas, 60, 0, 0);
  EXPECT_EQ(log, "");
}

TEST(ZQFO_ContentArea, BackgroundsFillOnlyWhereTheColourDiffersFromTheEnclosingOne) {
  TestCanvas canvas;
  canvas.Clear(ZQR_Color(255, 255, 255));
  ZQFO_ContentArea outer(nullptr, 0, 0, 50, 25, 0);
  outer.SetBackgroundColor(ZQR_Color(0, 0, 255));
  ZQFO_ContentArea* same = outer.AccessPortion(0, 0, 10, 25);
  same->SetBackgroundColor(ZQR_Color(0, 0, 255));
  ZQFO_ContentArea* red = outer.AccessPortion(20, 0, 10, 25);
  red->SetBackgroundColor(ZQR_Color(255, 0, 0));
  outer.AccessPortion(40, 0, 10, 25)->AccessPortion(0, 0, 10, 25)->SetBackgroundColor(ZQR_Color_Black);
  outer.RenderBackground(canvas, 0, 0, ZQR_Color(255, 255, 255));
  const ZQIMG_Image& image = canvas.GetSurfaceImage();
  // 4 pixels a millimetre; the area at x 40..50 has no colour of its own, so
  // its child's black meets the unset field's black and is not drawn.
  EXPECT_EQ(image.GetPixelColor(20, 50), ZQR_Color(0, 0, 255));
  EXPECT_EQ(image.GetPixelColor(100, 50), ZQR_Color(255, 0, 0));
  EXPECT_EQ(image.GetPixelColor(180, 50), ZQR_Color(0, 0, 255));
  ZQFO_ContentArea plain(nullptr, 0, 0, 50, 25, 0);
  canvas.Clear(ZQR_Color(255, 255, 255));
  plain.RenderBackground(canvas, 0, 0, ZQR_Color(255, 255, 255));
  EXPECT_EQ(image.GetPixelColor(100, 50), ZQR_Color(255, 255, 255));
}

TEST(ZQFO_ContentArea, AnIdSearchUnitesTheMatchesAndSkipsTheirChildren) {
  ZQFO_ContentArea top(nullptr, 1, 1, 40, 20, 0);
  top.AccessPortion(2, 2, 5, 5)->SetIdPath("{a}{x}");
  ZQFO_ContentArea* second = top.AccessPortion(10, 8, 5, 4);
  second->SetIdPath("{x}");
  second->AccessPortion(0, 0, 30, 30)->SetIdPath("{x}");  // inside a match: not searched
  top.AccessPortion(0, 0, 1, 1)->SetIdPath("{xy}");
  const struct {
    const char* id;
    bool found;
    Rect rectangle;
  } cases[] = {{"x", true, {3, 3, 13, 10}}, {"a", true, {3, 3, 5, 5}}, {"y", false, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    ZQFO_ContentArea_SearchResult result;
    top.SearchForContentAreaById(c.id, result, 0, 0);
    EXPECT_EQ(result.Found, c.found);
    if (c.found) ExpectRect(result.Rectangle, c.rectangle);
  }
}

TEST(ZQFO_DistributionContext, PageReferencesKeepTheFirstPageLogDuplicatesOnceAndMarkMissingTargets) {
  TestLayout layout;
  EXPECT_EQ(layout.Context.PageNumberText, "1");
  LogMark mark;
  layout.Context.AddPageReference("intro", "3");
  layout.Context.AddPageReference("intro", "4");
  layout.Context.AddPageReference("intro", "5");
  EXPECT_EQ(layout.Context.GetPageReference("intro"), "3");
  const std::string log = mark.Since();
  EXPECT_NE(log.find("intro"), std::string::npos);
  EXPECT_EQ(log.find("intro"), log.rfind("intro"));
  ZQFO_RenderObject_Text_PageRefFixup known(ZQFO_FormattingOptions(), 0, 0, 1, 1, "intro");
  ZQFO_RenderObject_Text_PageRefFixup missing(ZQFO_FormattingOptions(), 0, 0, 1, 1, "nowhere");
  EXPECT_EQ(known.GetText(), "MMMMM");
  layout.Context.AddPageRefFixupRenderObject(&known);
  layout.Context.AddPageRefFixupRenderObject(&missing);
  layout.Context.PerformPageRefFixups();
  EXPECT_EQ(known.GetText(), "3");
  EXPECT_EQ(missing.GetText(), "?");
}
