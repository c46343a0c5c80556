// Headless scrolling-container tests: children and desired size, the layout
// of view and bars, the position kept through layouts and clamped after a
// shrink, scrolling by its own bars only, ScrollToShow and MakeChildVisible,
// children out of sight or not yet placed, and drawing far from the origin.
#include <gtest/gtest.h>

#include "../core/DrawingTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"

namespace {

using C = ZQF_ScrollingContainerGlyph;
using R = ZQ_Rectangle<long>;
using P = ZQ_Point<long>;

class ScrollingContainerTest : public GuiStageTest {};

// Fills its box with one colour.
class FillGlyph : public SizedGlyph {
 public:
  FillGlyph(long Width, long Height, const ZQR_Color& Color)
      : SizedGlyph(Width, Height), Color(Color) {}
  void DrawSelf(ZQF_Canvas& Canvas) override { Canvas.Fill(GetLocalBoundingBox(), Color); }
  ZQR_Color Color;
};

// A column of Count fixed rows of Width x Height.
ZQF_ColumnGlyph* Rows(int Count, long Width, long Height) {
  auto* column = new ZQF_ColumnGlyph;
  for (int i = 0; i < Count; ++i) column->AddToBottom(new SizedGlyph(Width, Height));
  return column;
}

ZQF_Glyph* Row(ZQF_Glyph* Column, int Index) {
  ZQF_Glyph* row = Column->GetFirstChild();
  while (Index-- > 0) row = row->GetNextSibling();
  return row;
}

// The scroll position the frame shows.
P Scrolled(const C& Container) {
  const P& offset = Container.GetFrame()->GetClientOffset();
  return P(-offset.X, -offset.Y);
}

TEST_F(ScrollingContainerTest, ChildrenAndDesiredSize) {
  auto* client = new SizedGlyph(350, 450, 300, 400, 1000, 1000);
  C container(client, 0, 0, 2, 2, 2, 0, 0);
  EXPECT_EQ(container.GetFirstChild(), container.GetHorizontalScrollBar());
  EXPECT_EQ(container.GetHorizontalScrollBar()->GetNextSibling(), container.GetVerticalScrollBar());
  EXPECT_EQ(container.GetVerticalScrollBar()->GetNextSibling(), container.GetFrame());
  EXPECT_EQ(container.GetClient(), client);
  const ZQF_ScrollBarGlyph* bar = container.GetVerticalScrollBar();
  EXPECT_EQ(ZQ_Rectangle<long>(bar->GetDocumentSize(), bar->GetPageSize(), bar->GetLineSize(),
                               bar->GetSliderPosition()),
            R(100, 10, 1, 0));
  EXPECT_TRUE(container.IsResizeAnchor());
  container.UpdateDesiredSize();
  const ZQF_DesiredSize& size = container.GetDesiredSize();
  const ZQ_Rectangle<long>& workArea = ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea);
  EXPECT_EQ(size.Natural, P(352, 452));
  EXPECT_EQ(size.Minimum, P(std::min(300L, workArea.Width / 10 + 16) + 2,
                            std::min(400L, workArea.Height / 10 + 16) + 2));
  EXPECT_EQ(size.Maximum, P(1002, 1002));
}

// A 200 x 150 container, the client of fixed minimum size.
TEST_F(ScrollingContainerTest, Layout) {
  struct Case {
    const char* name;
    long clientX, clientY;
    int border;
    long gapX, gapY;
    R view, client, vertical, horizontal;
    long document, page;  // of the vertical bar, when shown
  } cases[] = {
      {"fits: no bars, the client takes the view", 100, 100, 2, 0, 0, R(1, 1, 198, 148),
       R(1, 1, 198, 148), R(-20000, -20000, 0, 0), R(-20000, -20000, 0, 0), 0, 0},
      {"taller", 100, 400, 2, 0, 0, R(1, 1, 182, 148), R(1, 1, 182, 400), R(184, 0, 16, 150),
       R(-20000, -20000, 0, 0), 400, 148},
      {"taller and wider", 300, 400, 2, 0, 0, R(1, 1, 182, 132), R(1, 1, 300, 400),
       R(184, 0, 16, 134), R(0, 134, 184, 16), 400, 132},
      {"with gaps", 300, 400, 0, 4, 3, R(0, 0, 180, 131), R(0, 0, 300, 400), R(184, 0, 16, 134),
       R(0, 134, 184, 16), 400, 131},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* client = new SizedGlyph(c.clientX, c.clientY);
    C container(client, 0, 0, 2, 2, c.border, c.gapX, c.gapY);
    LayOut(container, Box(0, 0, 200, 150));
    EXPECT_EQ(container.GetFrame()->GetBoundingBox(), c.view);
    EXPECT_EQ(client->GetBoundingBox(), c.client);
    EXPECT_EQ(container.GetVerticalScrollBar()->GetBoundingBox(), c.vertical);
    EXPECT_EQ(container.GetHorizontalScrollBar()->GetBoundingBox(), c.horizontal);
    EXPECT_EQ(Scrolled(container), P(0, 0));
    if (container.IsVerticalScrollBarShown()) {
      const ZQF_ScrollBarGlyph* bar = container.GetVerticalScrollBar();
      EXPECT_EQ(P(bar->GetDocumentSize(), bar->GetPageSize()), P(c.document, c.page));
      EXPECT_EQ(bar->GetLineSize(), 16);
    }
  }
}

// Client 100 x 400 in a 200 x 150 container without border: the vertical
// bar alone, page 150, at most 250.
TEST_F(ScrollingContainerTest, PositionKeptThroughLayoutsAndClamped) {
  struct Case {
    const char* name;
    long pending;  // -1: none
    long clientHeight, containerHeight;
    long position;
  } cases[] = {
      {"kept", -1, 400, 150, 200},
      {"a taller container clamps", -1, 400, 300, 100},
      {"a shorter client clamps", -1, 250, 150, 100},
      {"pending position restored", 30, 400, 150, 30},
      {"pending position clamped", 300, 400, 150, 250},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* client = new SizedGlyph(100, 400);
    C container(client, 0, 0, 2, 2, 0, 0, 0);
    LayOut(container, Box(0, 0, 200, 150));
    container.GetVerticalScrollBar()->SetSliderPosition(200, true);
    container.SetPendingPositions(-1, c.pending);
    client->SetSize(100, c.clientHeight);
    client->Resize();
    LayOut(container, Box(0, 0, 200, c.containerHeight));
    EXPECT_EQ(container.GetVerticalScrollBar()->GetSliderPosition(), c.position);
    EXPECT_EQ(Scrolled(container), P(0, c.position));
    EXPECT_EQ(client->GetBoundingBox().Y, -c.position);
  }
}

// A parent recording what reaches it: "scroll" for the container's scroll
// notification, "change" for a scroll-bar change.
struct NotifiedContainer {
  NotifiedContainer() : Parent(new RecordingGlyph("parent", nullptr)) {
    Inner = new ZQF_HorizontalScrollBarGlyph(100, 10, 1, 0, true);
    auto* column = Rows(30, 300, 20);
    column->AddToBottom(Inner);
    Container = new C(column, 0, 0, 2, 2, 0, 0, 0);
    Parent->SetBox(0, 0, 300, 300);
    Parent->AddChild(Container, true);
    Parent->OnOffer = [this](ZQF_Message& Message, bool SecondTry) {
      if (SecondTry) return;
      if (dynamic_cast<ZQF_ScrollingContainerScrollNotificationMessage*>(&Message)) {
        Log.push_back("scroll");
      } else if (dynamic_cast<ZQF_ScrollBarChangeNotificationMessage*>(&Message)) {
        Log.push_back("change");
      }
    };
    Container->UpdateDesiredSize();
    Parent->LayoutChild(Container, Box(0, 0, 200, 150));
  }
  VisitLog Log;
  std::unique_ptr<RecordingGlyph> Parent;
  C* Container;
  ZQF_HorizontalScrollBarGlyph* Inner;
};

// Scrolling moves every placed box below the frame; a box waiting for its
// layout keeps its unset position.
TEST_F(ScrollingContainerTest, ScrollsByItsOwnBarsOnly) {
  NotifiedContainer n;
  ZQF_Glyph* column = n.Container->GetClient();
  ZQF_Glyph* row = Row(column, 10);
  const R before = row->GetBoundingBox();
  Row(column, 3)->MarkLayoutStale();
  n.Container->GetVerticalScrollBar()->SetSliderPosition(50, true);
  n.Container->GetHorizontalScrollBar()->SetSliderPosition(7, true);
  EXPECT_EQ(Joined(n.Log), "scroll scroll");
  EXPECT_EQ(row->GetBoundingBox(), R(before.X - 7, before.Y - 50, before.Width, before.Height));
  EXPECT_EQ(column->GetBoundingBox().GetTopLeft(), P(-7, -50));
  EXPECT_EQ(Scrolled(*n.Container), P(7, 50));
  EXPECT_EQ(Row(column, 3)->GetBoundingBox().GetTopLeft(),
            P(ZQF_Glyph::UnsetPosition, ZQF_Glyph::UnsetPosition));
  n.Log.clear();
  n.Inner->SetSliderPosition(3, true);
  EXPECT_EQ(Joined(n.Log), "change");
  EXPECT_EQ(Scrolled(*n.Container), P(7, 50));
}

// Client 400 x 600 in a 200 x 150 container without border: view 184 x 134.
TEST_F(ScrollingContainerTest, ScrollToShow) {
  struct Case {
    const char* name;
    P from;
    R rectangle;
    P to;
  } cases[] = {
      {"already visible", P(0, 0), R(10, 10, 20, 20), P(0, 0)},
      {"below: its bottom edge comes into view", P(0, 0), R(10, 300, 20, 20), P(0, 186)},
      {"above: its top edge", P(0, 200), R(10, 50, 20, 20), P(0, 50)},
      {"taller than the view: its top edge wins", P(0, 0), R(10, 100, 20, 300), P(0, 100)},
      {"to the right", P(0, 0), R(350, 10, 40, 10), P(206, 0)},
      {"cut to the client", P(0, 0), R(380, 590, 100, 100), P(216, 466)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* client = new SizedGlyph(400, 600);
    C container(client, 0, 0, 2, 2, 0, 0, 0);
    LayOut(container, Box(0, 0, 200, 150));
    container.GetHorizontalScrollBar()->SetSliderPosition(c.from.X, true);
    container.GetVerticalScrollBar()->SetSliderPosition(c.from.Y, true);
    container.ScrollToShow(c.rectangle);
    EXPECT_EQ(Scrolled(container), c.to);
    EXPECT_EQ(client->GetBoundingBox().GetTopLeft(), P(-c.to.X, -c.to.Y));
    EXPECT_EQ(container.GetHorizontalScrollBar()->GetSliderPosition(), c.to.X);
    EXPECT_EQ(container.GetVerticalScrollBar()->GetSliderPosition(), c.to.Y);
  }
}

// 30 rows of 300 x 20 in a view of 184 x 134, scrolled to 100 first. A
// child not placed, or out of sight, leaves the position alone.
TEST_F(ScrollingContainerTest, MakeChildVisible) {
  struct Case {
    const char* name;
    int row;
    void (*prepare)(ZQF_Glyph* Row);
    P to;
  } cases[] = {
      {"below: 12 pixels of margin under it", 20, nullptr, P(0, 298)},
      {"above: 12 pixels over it", 2, nullptr, P(0, 28)},
      {"in view", 6, nullptr, P(0, 100)},
      {"the first row: the margin stops at the client", 0, nullptr, P(0, 0)},
      {"not placed", 20, [](ZQF_Glyph* Row) { Row->MarkLayoutStale(); }, P(0, 100)},
      {"out of sight", 20,
       [](ZQF_Glyph* Row) { Row->GetParent()->LayoutChild(Row, Box(-20000, -20000, 0, 0)); },
       P(0, 100)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ZQF_ColumnGlyph* column = Rows(30, 300, 20);
    C container(column, 0, 0, 2, 2, 0, 0, 0);
    LayOut(container, Box(0, 0, 200, 150));
    container.GetVerticalScrollBar()->SetSliderPosition(100, true);
    ZQF_Glyph* row = Row(column, c.row);
    if (c.prepare) c.prepare(row);
    EXPECT_FALSE(container.MakeChildVisible(row));
    EXPECT_EQ(Scrolled(container), c.to);
  }
}

TEST_F(ScrollingContainerTest, ScrollToShowAssertsTheChildIsBelow) {
  C container(new SizedGlyph(10, 10), 0, 0, 2, 2, 0, 0, 0);
  SizedGlyph stranger(5, 5);
  const std::string failure = AssertionFailureOf([&] { container.ScrollToShow(&stranger, 0, 0); });
  EXPECT_TRUE(FailedOn(failure, "IsIndirectParentOf (this, aChildGlyph)")) << failure;
}

using ScrollingContainerDrawing = DistinctColorsStageTest;

// A client 60,040 pixels tall scrolled to its end: the rows far beyond the
// device's coordinate range still draw where they belong.
TEST_F(ScrollingContainerDrawing, FarFromTheOrigin) {
  const ZQR_Color red(255, 0, 0), blue(0, 0, 255);
  auto* column = new ZQF_ColumnGlyph;
  column->AddToBottom(new FillGlyph(150, 60000, red));
  auto* last = new FillGlyph(150, 40, blue);
  column->AddToBottom(last);
  C container(column, 0, 0, 2, 2, 0, 0, 0);
  LayOut(container, Box(0, 0, 200, 150));
  container.ScrollToShow(last, 0, 0);
  EXPECT_EQ(Scrolled(container), P(0, 60040 - 150));
  DibSurface surface(200, 150);
  ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
  container.Draw(canvas);
  EXPECT_EQ(surface.GetPixel(50, 100), red);
  EXPECT_EQ(surface.GetPixel(50, 115), blue);
  EXPECT_EQ(surface.GetPixel(50, 149), blue);
  EXPECT_EQ(surface.GetPixel(170, 100), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));  // the frame beside the rows
}

}  // namespace
