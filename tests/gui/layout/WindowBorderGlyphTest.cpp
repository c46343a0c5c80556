// The window border without a window: rectangles and desired sizes for
// several option sets, the title's width as a floor, the title bar's glyphs,
// the requests and cursors of the mouse table, and the title-bar buttons.
#include <gtest/gtest.h>

#include <string>

#include "../core/DragTestSupport.h"
#include "../core/DrawingTestSupport.h"
#include "WindowBorderTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_RectangleSizeDragOperation.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardTextButtonGlyph.h"

namespace {

using WindowBorder = GuiStageTest;
using R = ZQ_Rectangle<long>;
using P = ZQ_Point<long>;

std::string Text(const R& B) {
  return "(" + std::to_string(B.X) + " " + std::to_string(B.Y) + " " + std::to_string(B.Width) +
         " " + std::to_string(B.Height) + ")";
}

std::string Text(const ZQF_WindowBorderGlyph::LayoutRectangles& L) {
  std::string text;
  for (const R* r : {&L.Whole, &L.InsideEdge, &L.InsideFrameBand, &L.SizeGrip, &L.TitleGap,
                     &L.LeftMargin, &L.RightMargin, &L.BottomMargin, &L.TitleContents,
                     &L.TitleBar, &L.Client, &L.InsideFaceBand}) {
    text += (text.empty() ? "" : " ") + Text(*r);
  }
  return text;
}

// Default metrics: edge 2, bands 1 and 1, margins 6, title gap 8, title-bar
// margin (2, 1). The client asks for 100 x 50, from 30 x 10 to 1000 x 1000.
TEST_F(WindowBorder, RectanglesAndDesiredSizesFollowTheOptions) {
  const struct {
    const char* name;
    bool titleBar;
    P box, natural, minimum, maximum;
    // whole, edge, frame, grip, gap, left, right, bottom, contents, bar,
    // client, face
    const char* rectangles;
  } kCases[] = {
      {"no title bar", false, {120, 64}, {120, 64}, {50, 24}, {1020, 1014},
       "(0 0 120 64) (2 2 116 60) (3 3 114 58) (110 54 7 7) (0 0 0 0) (4 4 6 50) (110 4 6 50) "
       "(4 54 112 6) (0 0 0 0) (0 0 0 0) (10 4 100 50) (4 4 112 56)"},
      {"title bar 10 high", true, {120, 82}, {120, 82}, {50, 42}, {1020, 1032},
       "(0 0 120 82) (2 2 116 78) (3 3 114 76) (110 72 7 7) (4 14 112 8) (4 22 6 50) "
       "(110 22 6 50) (4 72 112 6) (6 5 108 8) (4 4 112 10) (10 22 100 50) (4 4 112 74)"},
      {"lower than its title bar", true, {120, 12}, {120, 82}, {50, 42}, {1020, 1032},
       "(0 0 120 12) (2 2 116 8) (3 3 114 6) (110 8 7 7) (4 8 112 0) (4 8 6 0) (110 8 6 0) "
       "(4 8 112 0) (6 5 108 2) (4 4 112 4) (10 8 100 0) (4 4 112 4)"},
      {"narrower than its margins", false, {12, 64}, {120, 64}, {50, 24}, {1020, 1014},
       "(0 0 12 64) (2 2 8 60) (3 3 6 58) (10 54 7 7) (0 0 0 0) (4 4 4 50) (10 4 0 50) "
       "(4 54 4 6) (0 0 0 0) (0 0 0 0) (10 4 0 50) (4 4 4 56)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    TestBorderOptions* options = new TestBorderOptions;
    options->SetHasTitleBar(c.titleBar);
    options->HeightOverride = 10;
    options->SetShowHelpButton(false);
    ZQF_WindowBorderGlyph border(new SizedGlyph(100, 50, 30, 10, 1000, 1000), options);
    LayOut(border, Box(0, 0, c.box.X, c.box.Y));
    const ZQF_DesiredSize& d = border.GetDesiredSize();
    EXPECT_EQ(d.Natural, c.natural);
    EXPECT_EQ(d.Minimum, c.minimum);
    EXPECT_EQ(d.Maximum, c.maximum);
    ZQF_WindowBorderGlyph::LayoutRectangles r;
    border.CalculateLayoutRectangles(r);
    EXPECT_EQ(Text(r), c.rectangles);
    EXPECT_EQ(border.GetClient()->GetBoundingBox(), r.Client);
    if (c.titleBar) {
      EXPECT_EQ(border.GetTitleBarRow()->GetBoundingBox(), r.TitleContents);
    }
  }
}

// A computed title bar is as high as the taller of its row and the caption
// font plus the margins; its width with the title's is a floor under all
// three widths.
TEST_F(WindowBorder, TitleBarHeightAndTheTitleWidthAsAFloor) {
  TestBorderOptions* options = new TestBorderOptions;
  ZQF_WindowBorderGlyph border(new SizedGlyph(1, 1), options);
  border.UpdateDesiredSize();
  const HDC dc = ZQF_GetMetricDC().GetHDC();
  const long font = options->GetActiveTitleFont().GetHeight(dc);
  const long bar = border.ComputeTitleBarHeightToUse();
  EXPECT_EQ(bar, std::max(border.GetTitleBarRow()->GetDesiredSize().Natural.Y, font) + 2);
  EXPECT_EQ(border.GetDesiredSize().Natural.Y, 1 + 8 + 6 + 8 + bar);
  const long untitled = border.GetDesiredSize().Natural.X;
  const ZQ_String title("A title far longer than the client");
  border.SetTitle(title);
  border.MarkLayoutStale();
  border.UpdateDesiredSize();
  const ZQF_DesiredSize& d = border.GetDesiredSize();
  EXPECT_EQ(d.Natural.X, untitled + options->GetActiveTitleFont().GetSize(dc, title).X);
  EXPECT_EQ(d.Natural.X, border.ComputeTitleBarNaturalWidth() + 8);
  EXPECT_EQ(d.Minimum.X, d.Natural.X);
  EXPECT_EQ(d.Maximum.X, d.Natural.X);
}

// The row from left to right: P bitmap placeholder, T title glue, g gap, and
// the buttons by role and picture.
std::string RowText(ZQF_WindowBorderGlyph& Border) {
  std::string text;
  for (ZQF_Glyph* g = Border.GetTitleBarRow()->GetFirstChild(); g; g = g->GetNextSibling()) {
    auto* button = dynamic_cast<ZQF_StandardBitmapButtonGlyph*>(g);
    const ZQF_Glyph* glue = Border.GetTitleGlue();
    const ZQF_Glyph* placeholder = Border.GetBitmapPlaceholder();
    text += g == glue                             ? " T"
            : g == placeholder                    ? " P"
            : !button                             ? " g"
            : button == Border.GetMinimizeButton() ? " min:"
            : button == Border.GetMaximizeButton() ? " max:"
            : button == Border.GetHelpButton()     ? " help:"
            : button == Border.GetCloseButton()    ? " close:"
                                                   : " g";
    for (const char* picture : {"Minimize", "Maximize", "Restore", "Help", "Close"}) {
      const ZQF_ButtonImage image(ZQ_String("ZQF_") + picture + "ButtonBitmap",
                                  ZQR_Color(192, 192, 192), ZQR_Color(0, 0, 0));
      if (button && button->GetUpImage() == image) text += picture;
    }
  }
  return text;
}

TEST_F(WindowBorder, TitleBarRowsFromTheOptions) {
  const struct {
    bool help, close, minimize, maximize, restore, bitmap;
    const char* row;
  } kCases[] = {
      {true, true, false, false, false, false, " T g help:Help g close:Close"},
      {false, true, false, false, false, false, " T g close:Close"},
      {true, true, true, true, false, true,
       " P g T g min:Minimize max:Maximize g help:Help g close:Close"},
      {false, false, true, true, true, false, " T g min:Restore max:Restore"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.row);
    TestBorderOptions* options = new TestBorderOptions;
    options->SetShowHelpButton(c.help);
    options->SetShowCloseButton(c.close);
    options->Minimize = c.minimize;
    options->Maximize = c.maximize;
    options->Minimized = options->Maximized = c.restore;
    options->Bitmap = c.bitmap;
    ZQF_WindowBorderGlyph border(new SizedGlyph(100, 50), options);
    EXPECT_EQ(RowText(border), c.row);
  }
  // A new picture rebuilds the row around its size and lays out again.
  TestBorderOptions* options = new TestBorderOptions;
  options->Bitmap = true;
  BorderRig rig(options, 200, 120);
  const ZQF_ButtonImage arrow("ZQTEST_ArrowButtonBitmap", ZQR_Color(192, 192, 192),
                              ZQR_Color(0, 0, 0));
  rig.Border->SetBitmap(arrow);
  EXPECT_EQ(rig.Border->GetBitmapPlaceholder()->GetDesiredSize().Natural, P(12, 10));
  EXPECT_FALSE(rig.Border->GetDesiredSize().IsValid());
  ZQF_Glyph* row = rig.Border->GetTitleBarRow();
  rig.Border->UpdateDesiredSize();
  rig.Border->SetBitmap(arrow);  // the same picture changes nothing
  EXPECT_EQ(rig.Border->GetTitleBarRow(), row);
  EXPECT_TRUE(rig.Border->GetDesiredSize().IsValid());
}

// A 120 x 82 border: title bar rows 4 to 13, gap 14 to 21, client (10, 22,
// 100, 50), grip (110, 72, 7, 7). d press, c double click, s set cursor
// (the edge code whose cursor is chosen, or "arrow" for the one set before;
// opposite corners and sides share their cursors).
TEST_F(WindowBorder, MouseTable) {
  const struct {
    const char* where;
    char kind;
    P point;
    bool movable, resizable, maximize;
    const char* result;
  } kCases[] = {
      {"title bar", 'd', {50, 8}, true, true, false, "move"},
      {"title bar, not movable", 'd', {50, 8}, false, true, false, ""},
      {"outer edge", 'd', {0, 40}, true, true, false, "size"},
      {"frame band", 'd', {2, 40}, true, true, false, "size"},
      {"face band", 'd', {50, 78}, true, true, false, "size"},
      {"edge, not resizable", 'd', {0, 40}, true, false, false, ""},
      {"size grip over the margins", 'd', {111, 73}, true, true, false, "size"},
      {"grip, not resizable", 'd', {111, 73}, true, false, false, ""},
      {"left margin", 'd', {5, 40}, true, true, false, ""},
      {"bottom margin", 'd', {50, 73}, true, true, false, ""},
      {"title gap", 'd', {50, 16}, true, true, false, ""},
      {"client", 'd', {50, 40}, true, true, false, ""},
      {"title bar, maximize button", 'c', {50, 8}, true, true, true, "maximize"},
      {"title bar, no maximize button", 'c', {50, 8}, true, true, false, ""},
      {"edge, maximize button", 'c', {0, 40}, true, true, true, ""},
      {"left edge", 's', {0, 40}, true, true, false, "7"},
      {"top-right corner", 's', {110, 1}, true, true, false, "2"},
      {"bottom band near the left", 's', {10, 80}, true, true, false, "6"},
      {"size grip", 's', {111, 73}, true, true, false, "4"},
      {"right margin", 's', {112, 40}, true, true, false, "arrow"},
      {"edge, not resizable", 's', {0, 40}, true, false, false, "arrow"},
      {"grip, not resizable", 's', {111, 73}, true, false, false, "arrow"},
  };
  const ZQR_Cursor arrow = ZQF_GetCursorMetric(ZQF_CursorMetric_Arrow);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.where);
    TestBorderOptions* options = new TestBorderOptions;
    options->HeightOverride = 10;
    options->Maximize = c.maximize;
    options->SetMovable(c.movable);
    options->SetResizable(c.resizable);
    options->SetShowHelpButton(false);
    BorderRig rig(options, 120, 82);
    ZQR_Cursor::SetCursorToUse(arrow);
    if (c.kind == 's') {
      EXPECT_FALSE(rig.Mouse<ZQF_SetCursorMouseMessage>(c.point));
      const std::string r = c.result;
      const ZQR_Cursor expected =
          r == "arrow" ? arrow : ZQF_RectangleSizeDragOperation::GetCursor(std::stoi(r));
      EXPECT_EQ(HandleOf(ZQR_Cursor::GetCursorToUse()), HandleOf(expected));
      continue;
    }
    const bool handled = c.kind == 'd' ? rig.Mouse<ZQF_LeftDownMouseMessage>(c.point)
                                       : rig.Mouse<ZQF_LeftDoubleClickMouseMessage>(c.point);
    EXPECT_EQ(rig.Requests, c.result);
    EXPECT_EQ(handled, *c.result != 0);
  }
}

// A click on each title-bar button; a click of the client's own passes by.
TEST_F(WindowBorder, TitleBarButtonsSendTheirRequests) {
  using Get = ZQF_StandardBitmapButtonGlyph* (ZQF_WindowBorderGlyph::*)() const;
  const struct {
    Get button;
    const char* requests;
  } kCases[] = {{&ZQF_WindowBorderGlyph::GetCloseButton, "close"},
                {&ZQF_WindowBorderGlyph::GetHelpButton, "whatsthis"},
                {&ZQF_WindowBorderGlyph::GetMinimizeButton, "minimize"},
                {&ZQF_WindowBorderGlyph::GetMaximizeButton, "maximize"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.requests);
    TestBorderOptions* options = new TestBorderOptions;
    options->SetShowHelpButton(true);
    options->Minimize = options->Maximize = true;
    BorderRig rig(options, 200, 120);
    const P centre = CentreOf((rig.Border->*c.button)());
    EXPECT_TRUE(rig.Mouse<ZQF_LeftDownMouseMessage>(centre));
    EXPECT_EQ(rig.Requests, "");  // the press moves nothing
    EXPECT_TRUE(rig.Mouse<ZQF_LeftUpMouseMessage>(centre));
    EXPECT_EQ(rig.Requests, c.requests);
  }
  ZQF_StandardTextButtonGlyph* ok = new ZQF_StandardTextButtonGlyph("OK", 0, 0);
  BorderRig rig(new TestBorderOptions, 200, 120, ok);
  ZQF_ButtonUpNotificationMessage up(ok);
  ok->Dispatch(up);
  EXPECT_EQ(rig.Requests, "up");
  EXPECT_FALSE(up.IsHandled());
}

TEST_F(WindowBorder, MisuseFailsItsAssertions) {
  TestBorderOptions* options = new TestBorderOptions;
  ZQF_WindowBorderGlyph border(new SizedGlyph(100, 50), options);
  LayOut(border, Box(0, 0, 200, 100));
  options->Bitmap = true;  // without RebuildTitleBar
  DibSurface surface(200, 100);
  ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
  EXPECT_TRUE(
      FailedOn(AssertionFailureOf([&] { border.Draw(canvas); }), "BitmapPlaceholderGlyph"));
  border.DeleteTitleBar();
  ZQF_Glyph* client = border.GetClient();
  border.RemoveChild(client);
  delete client;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { border.GetClient(); }), "Child"));
}

}  // namespace
