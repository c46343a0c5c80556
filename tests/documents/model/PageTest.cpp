#include <gtest/gtest.h>

#include "LayoutTestSupport.h"
#include "ZQFO_Page.h"
#include "ZQ_Exception.h"

namespace {

std::string Names(const ZQFO_Page_HelperStruct& Areas) {
  std::string names;
  for (long i = 0; i < Areas.NumAreas; ++i) names += Areas.Areas[i]->LinkTarget.GetText() + std::string(";");
  return names;
}

ZQFO_ContentArea* Named(ZQFO_ContentArea* Area, const char* Name) {
  Area->SetLinkTarget(Name);
  return Area;
}

}  // namespace

TEST(ZQFO_Page, PointQueriesAreHalfOpenFollowTheFirstContainingChildAndListInnermostFirst) {
  ZQFO_Page page(ZQFO_FormattingOptions(), nullptr);
  ZQFO_ContentArea* top = Named(new ZQFO_ContentArea(&page, 10, 10, 20, 10, 0), "top");
  Named(top->AccessPortion(0, 0, 5, 5), "second");  // added first: later in child order
  ZQFO_ContentArea* first = Named(top->AccessPortion(0, 0, 10, 10), "first");
  Named(first->AccessPortion(1, 1, 2, 2), "inner");
  page.AddTopLevelContentArea(top, "");
  const struct {
    const char* why;
    double x, y;
    const char* areas;
  } cases[] = {
      {"left and bottom edges inside", 10, 10, "first;top;"},
      {"innermost first; only the first of two overlapping children", 12, 12, "inner;first;top;"},
      {"right edge outside", 30, 12, ""},
      {"top edge outside", 12, 20, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Names(page.GetContentAreasContainingPoint(ZQ_Point<double>(c.x, c.y))), c.areas);
  }
  first->SetLinkTarget("");
  EXPECT_EQ(page.GetLinkTargetAtPoint(ZQ_Point<double>(12, 12)), "inner");
  EXPECT_EQ(page.GetLinkTargetAtPoint(ZQ_Point<double>(15, 15)), "top");
  EXPECT_EQ(page.GetLinkTargetAtPoint(ZQ_Point<double>(0, 0)), "");
}

TEST(ZQFO_Page, TheFirstAreaAddedWithoutAnIdIsTheDefaultOne) {
  ZQFO_Page page(ZQFO_FormattingOptions(), nullptr);
  page.AddTopLevelContentArea(new ZQFO_ContentArea(&page, 0, 0, 1, 1, 0), "frame");
  EXPECT_THROW(page.GetFirstDefaultContentArea(), ZQ_Exception);
  ZQFO_ContentArea* first = new ZQFO_ContentArea(&page, 0, 0, 1, 1, 0);
  page.AddTopLevelContentArea(first, "");
  page.AddTopLevelContentArea(new ZQFO_ContentArea(&page, 0, 0, 1, 1, 0), "");
  EXPECT_EQ(page.GetFirstDefaultContentArea(), first);
  ZQFO_ContentArea linked(&page, 0, 0, 1, 1, 0);
  linked.NextSibling = first;
  EXPECT_THROW(page.AddTopLevelContentArea(&linked, ""), ZQ_Exception);
  linked.NextSibling = nullptr;
}

TEST(ZQFO_Page, RenderClearsWhenOpaqueThenDrawsEveryBaseLayerBeforeAnyOverlay) {
  const struct {
    const char* why;
    const char* mode;
    bool cleared;
  } cases[] = {{"opaque", "opaque", true},
               {"page transparent", "page_transparent", false},
               {"all transparent", "all_transparent", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TestLayout layout;
    std::string log;
    layout.Context.OptionsFactory.PushCurrentOptionsStack();
    layout.Context.OptionsFactory.SetBackgroundColor(ZQR_Color(0, 255, 0), true);
    layout.Context.OptionsFactory.SetBackgroundColorMode(c.cleared ? 0 : (c.mode[0] == 'p' ? 1 : 2), true);
    ZQFO_Page page(layout.Context.OptionsFactory.GetFormattingOptions(), nullptr);
    layout.Context.OptionsFactory.PopCurrentOptionsStack();
    for (const char* name : {"a", "b"}) {
      auto* area = new ZQFO_ContentArea(&page, 0, 0, 10, 10, 0);
      area->AddRenderObject(new RecordingRenderObject(log, (std::string(name) + "0").c_str()), 0);
      area->AddRenderObject(new RecordingRenderObject(log, (std::string(name) + "1").c_str()), 1);
      page.AddTopLevelContentArea(area, "");
    }
    layout.Canvas.Clear(ZQR_Color(255, 255, 255));
    page.Render(layout.Canvas, ZQ_Point<double>(2, 3));
    EXPECT_EQ(log, "a0@2,3;b0@2,3;a1@2,3;b1@2,3;");
    EXPECT_EQ(layout.Canvas.GetSurfaceImage().GetPixelColor(100, 50),
              c.cleared ? ZQR_Color(0, 255, 0) : ZQR_Color(255, 255, 255));
  }
}
