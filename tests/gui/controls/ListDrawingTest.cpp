// The list drawn offscreen in distinct system colours: selection colours on
// and off the focus path and disabled, the node boxes pixel for pixel after
// their colours were adapted, the lines of roots, middle and last children,
// the corner between the bars, and the hit sections at their boundaries.
// Also the screenshot of a tree in the three looks.
#include <gtest/gtest.h>

#include "../core/DrawingTestSupport.h"
#include "ListTestSupport.h"
#include "ZQF_ListGlyphNodeBitmapSet.h"
#include "ZQF_Metrics.h"

namespace {

using R = ZQ_Rectangle<long>;

ZQR_Color Metric(int Key) { return ZQF_GetColorMetric(Key); }

// The node sets keep the colours of their making: each test makes its own.
class ListDrawing : public DistinctColorsStageTest {
 protected:
  void SetUp() override {
    DistinctColorsStageTest::SetUp();
    ZQF_ListGlyphNodeBitmapSet::DeleteSharedSets();
  }
  void TearDown() override {
    ZQF_ListGlyphNodeBitmapSet::DeleteSharedSets();
    DistinctColorsStageTest::TearDown();
  }
};

void DrawList(ListRig& Rig, DibSurface& Surface, bool OnFocusPath) {
  ZQF_Canvas canvas(Surface.GetHDC(), Surface.NewWholeRegion(), OnFocusPath);
  Rig.List->Draw(canvas);
}

long CountIn(const DibSurface& Surface, const R& Area, const ZQR_Color& Color) {
  long count = 0;
  for (long y = Area.Y; y < Area.Y + Area.Height; ++y)
    for (long x = Area.X; x < Area.X + Area.Width; ++x) count += Surface.GetPixel(x, y) == Color;
  return count;
}

TEST_F(ListDrawing, SelectionColoursFollowFocusAndEnabling) {
  struct Case {
    const char* why;
    bool onFocusPath;
    bool enabled;
    int background;  // colour metric of the selected row's background
    int text;        // colour metric of its text
  } cases[] = {
      {"focused: highlight", true, true, 24, 25},
      {"not on the focus path: button face", false, true, 32, 33},
      {"disabled: no selection shown", true, false, 32, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ListRig rig(0, 150, 80);
    rig.Fill({"Selected row", "Other row"});
    rig.List->Select(rig.Rows["Selected row"], true);
    rig.List->SetEnabled(c.enabled);
    DibSurface surface(150, 80);
    DrawList(rig, surface, c.onFocusPath);
    const R row = rig.List->GetElementRect(rig.Rows["Selected row"]);
    EXPECT_EQ(surface.GetPixel(row.X + row.Width - 3, row.Y + 1), Metric(c.background));
    EXPECT_GT(CountIn(surface, row, Metric(c.text)), 10);
    // The other row stands on the list's background.
    const R other = rig.List->GetElementRect(rig.Rows["Other row"]);
    EXPECT_EQ(surface.GetPixel(other.X + other.Width - 3, other.Y + 1), Metric(c.enabled ? 9 : 32));
  }
}

// A node box's pixel rows, top first, separated by "|": "X" line, "o" inside,
// "." transparent.
struct BoxCase {
  int set;
  int nodeState;  // 0 open, 1 closed, 2 no children
  int line;       // colour metric of the lines, or -1 for dark grey
  const char* rows;
};

// Drawn over the lines: "o" (the box's inside) stays window background
// where a line passes under it; "." shows what lies below, line or not.
TEST_F(ListDrawing, NodeBoxesPixelForPixelAfterAdaptation) {
  const char* none9 = ".........|.........|.........|.........|.........|.........|.........|.........|.........|";
  const std::vector<BoxCase> cases = {
      {1, 1, 10, "...XXXX...|...XooX...|...XooX...|XXXXooXXXX|XooooooooX|XooooooooX|XXXXooXXXX|...XooX...|...XooX...|...XXXX...|"},
      {1, 0, 10, "..........|..........|..........|XXXXXXXXXX|XooooooooX|XooooooooX|XXXXXXXXXX|..........|..........|..........|"},
      {1, 2, 10, "..........|..........|..........|....XX....|...XooX...|...XooX...|....XX....|..........|..........|..........|"},
      {2, 1, 10, "XXXXXXXXX|XoooooooX|XoooXoooX|XoooXoooX|XoXXXXXoX|XoooXoooX|XoooXoooX|XoooooooX|XXXXXXXXX|"},
      {2, 0, 10, "XXXXXXXXX|XoooooooX|XoooooooX|XoooooooX|XoXXXXXoX|XoooooooX|XoooooooX|XoooooooX|XXXXXXXXX|"},
      {2, 2, 10, none9},
      {3, 1, -1, ".........|...XXX...|...XoX...|.XXXoXXX.|.XoooooX.|.XXXoXXX.|...XoX...|...XXX...|.........|"},
      {3, 0, -1, ".........|.........|.........|.XXXXXXX.|.XoooooX.|.XXXXXXX.|.........|.........|.........|"},
      {3, 2, -1, none9},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE("set " + std::to_string(c.set) + ", node state " + std::to_string(c.nodeState));
    ListRig rig(1, 150, 80);
    // Each box's row has a next sibling: its line runs under the box.
    rig.Fill({"root+", "  open+", "    child", "    child2", "  closed", "    hidden", "  last"});
    rig.List->SetNodeBitmapSet(c.set);
    DibSurface surface(150, 80);
    DrawList(rig, surface, true);
    ZQF_ListGlyphElement* row = c.nodeState == 0 ? rig.Rows["open"] : c.nodeState == 1 ? rig.Rows["closed"] : rig.Rows["child"];
    const R content = rig.List->GetElementRect(row);
    const std::string want = c.rows;
    const long size = static_cast<long>(want.find('|'));
    const long left = content.X - ((16 - size) / 2 + size + 4);
    const long top = content.Y + (content.Height - size) / 2;
    const ZQR_Color line = c.line < 0 ? ZQR_Color(128, 128, 128) : Metric(c.line);
    const ZQR_Color lines = Metric(10);
    std::string drawn;
    for (long y = 0; y < size; ++y) {
      for (long x = 0; x < size; ++x) {
        const ZQR_Color pixel = surface.GetPixel(left + x, top + y);
        if (want[y * (size + 1) + x] == '.') {
          drawn += pixel == Metric(9) || pixel == lines ? '.' : '?';
        } else {
          drawn += pixel == line ? 'X' : pixel == Metric(9) ? 'o' : '?';
        }
      }
      drawn += '|';
    }
    EXPECT_EQ(drawn, want);
  }
}

TEST_F(ListDrawing, LinesOfRootsMiddleAndLastChildren) {
  ListRig rig(1, 200, 120);
  rig.Fill({"a+", "  a1", "  a2+", "    a2x", "b"});
  DibSurface surface(200, 120);
  DrawList(rig, surface, false);
  const ZQR_Color line = Metric(10), background = Metric(9);
  // x of an element's node cell centre; its row's top, middle and last line.
  auto row = [&](const char* name) { return rig.List->GetElementRect(rig.Rows[name]); };
  auto column = [&](const char* name) { return row(name).X - 8 - 4; };
  auto top = [&](const char* name) { return row(name).Y; };
  auto mid = [&](const char* name) { return row(name).Y + row(name).Height / 2; };
  auto last = [&](const char* name) { return row(name).Y + row(name).Height - 1; };
  struct Case {
    const char* why;
    long x, y;
    bool isLine;
  } cases[] = {
      {"a middle child's line runs through its row", column("a1"), last("a1"), true},
      {"a middle child's line starts at the row top", column("a1"), top("a1"), true},
      {"a middle child's stub", column("a1") + 7, mid("a1"), true},
      {"a last child's corner ends at the middle", column("a2"), last("a2"), false},
      {"a last child's corner starts at the top", column("a2"), top("a2"), true},
      {"a last child's stub", column("a2") + 7, mid("a2"), true},
      {"no line below a last child's parent column", column("a2"), top("a2x"), false},
      {"a root with children has a stub", column("a") + 6, mid("a"), true},
      {"root columns have no vertical lines", column("a"), top("a1"), false},
      {"a childless root has no stub", column("b") + 6, mid("b"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const ZQR_Color pixel = surface.GetPixel(c.x, c.y);
    EXPECT_EQ(pixel, c.isLine ? line : background);
  }
}

// A check-box picture and a text; the highlight starts half a gap after the
// picture, which stands on the list's background.
class PictureRow : public ZQF_BitmapAndStringListGlyphElement {
 public:
  ZQ_String GetText() override { return "Picture row"; }
  ZQR_Bitmap GetBitmap(const ZQF_ListGlyphElementDrawState*) override {
    return ZQR_Bitmap(ZQ_String("ZQF_CheckBoxUpBitmap"));
  }
};

TEST_F(ListDrawing, BitmapAndTextRowsSizeAndHighlight) {
  ListRig rig(0, 200, 60);
  auto* row = new PictureRow;
  rig.List->InsertAsLastRoot(row);
  rig.List->Select(row, true);
  const long text = ZQF_MeasureListText("M").Y;
  EXPECT_EQ(row->GetHeight(), std::max(text + 2, 13L) + 2);
  EXPECT_EQ(row->GetWidth(), 8 + 13 + 8 + ZQF_MeasureListText("Picture row").X);
  DibSurface surface(200, 60);
  DrawList(rig, surface, true);
  const R r = rig.List->GetElementRect(row);
  EXPECT_EQ(surface.GetPixel(r.X + 8 + 13 + 4, r.Y + r.Height / 2), Metric(24)) << "half a gap after";
  EXPECT_EQ(surface.GetPixel(r.X + 8 + 13 + 3, r.Y + r.Height / 2), Metric(9)) << "the gap's first half";
  EXPECT_EQ(surface.GetPixel(r.X + 2, r.Y + r.Height / 2), Metric(9)) << "the left margin";
}

TEST_F(ListDrawing, CornerBetweenBothBarsIsButtonFace) {
  ListRig rig(0, 100, 60);
  for (int i = 0; i < 10; ++i) rig.List->InsertAsLastRoot(new BoxRow(300));
  DibSurface surface(100, 60);
  DrawList(rig, surface, false);
  const R area = rig.List->GetListArea();
  EXPECT_EQ(surface.GetPixel(area.X + area.Width + 3, area.Y + area.Height + 3), Metric(32));
  // An empty list draws only its border and background.
  ListRig empty(0, 100, 60);
  DibSurface blank(100, 60);
  DrawList(empty, blank, true);
  EXPECT_EQ(CountIn(blank, empty.List->GetListArea(), Metric(9)),
            empty.List->GetListArea().Width * empty.List->GetListArea().Height);
}

TEST_F(ListDrawing, IndentationAndHitSectionsAtTheirBoundaries) {
  using L = ZQF_ListGlyph;
  struct Case {
    const char* why;
    int kind;
    int set;
    const char* row;
    long x;  // from the list's left edge, past the 2-pixel border
    int want;
  } cases[] = {
      {"tree root: content from 24", 1, 2, "a", 24, L::ElementSection_Content},
      {"tree root: box just before", 1, 2, "a", 23, L::ElementSection_NodeBitmap},
      {"tree root: box from 4", 1, 2, "a", 4, L::ElementSection_NodeBitmap},
      {"tree root: indentation before", 1, 2, "a", 3, L::ElementSection_Indentation},
      {"left of the inner border", 1, 2, "a", -1, L::ElementSection_LeftBorder},
      {"tree child: content from 40", 1, 2, "a1", 40, L::ElementSection_Content},
      {"tree child: box before", 1, 2, "a1", 39, L::ElementSection_NodeBitmap},
      {"tree child: indentation before its box", 1, 2, "a1", 19, L::ElementSection_Indentation},
      {"tree without boxes: content from 8", 1, 0, "a", 8, L::ElementSection_Content},
      {"tree without boxes: no box section", 1, 0, "a", 7, L::ElementSection_Indentation},
      {"flat list: content from 4", 0, 2, "a", 4, L::ElementSection_Content},
      {"on the vertical bar", 0, 2, "a", 200 - 4 - 16, L::ElementSection_VerticalScrollBar},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ListRig rig(c.kind, 200, 40);
    rig.Fill({"a+", "  a1", "b", "c", "d", "e"});
    rig.List->SetNodeBitmapSet(c.set);
    const R row = rig.List->GetElementRect(rig.Rows[c.row]);
    const ZQ_Point<long> p(2 + c.x, row.Y + 1);
    EXPECT_EQ(rig.List->PerformElementSectionHitCheck(p, rig.Rows[c.row]), c.want);
  }
}

// For people: the program's colours and font, three looks side by side.
class ListScreenshot : public GuiStageTest {
 protected:
  void SetUp() override {
    GuiStageTest::SetUp();
    ZQF_ListGlyphNodeBitmapSet::DeleteSharedSets();
  }
  void TearDown() override {
    ZQF_ListGlyphNodeBitmapSet::DeleteSharedSets();
    GuiStageTest::TearDown();
  }
};

TEST_F(ListScreenshot, TreesInTheThreeLooks) {
  DibSurface surface(3 * 190 + 10, 200, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  const std::vector<std::string> tree = {"Weather station+", "  Temperature",     "  Humidity",
                                         "  Wind+",          "    Speed",         "    Direction",
                                         "  Radiation",      "Site+",             "  Latitude",
                                         "  Longitude",      "Results",           "  Wet bulb",
                                         "Options"};
  for (int set = 1; set <= 3; ++set) {
    ListRig rig(1, 180, 190);
    rig.Fill(tree);
    rig.List->SetNodeBitmapSet(set);
    rig.List->SetFocus(rig.Rows["Speed"]);
    rig.List->SelectFocusElement(true);
    rig.Parent.LayoutChild(rig.List, R(5 + (set - 1) * 190, 5, 180, 190));
    DrawList(rig, surface, set != 3);
  }
  surface.SaveScreenshot("list_tree_node_looks");
}

TEST_F(ListScreenshot, FlatListsOnAndOffTheFocusPath) {
  DibSurface surface(2 * 190 + 10, 110, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  for (bool onFocusPath : {true, false}) {
    ListRig rig(0);
    rig.Fill({"Dry bulb temperature", "Relative humidity", "Wind speed", "Global radiation", "Cloud cover"});
    rig.List->SetFocus(rig.Rows["Wind speed"]);
    rig.List->SelectFocusElement(true);
    rig.Parent.LayoutChild(rig.List, R(onFocusPath ? 5 : 195, 5, 180, 100));
    DrawList(rig, surface, onFocusPath);
  }
  surface.SaveScreenshot("list_flat_selection_on_and_off_focus");
}

}  // namespace
