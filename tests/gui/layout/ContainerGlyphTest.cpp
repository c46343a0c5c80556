#include <gtest/gtest.h>

#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_EdgeContainerGlyph.h"
#include "ZQF_NullContainerGlyph.h"
#include "ZQF_SelectableClientNullContainerGlyph.h"
#include "ZQF_TopLevelGlyph.h"

namespace {

const long Big = ZQF_AlignmentGlyph::StretchMaximum;

TEST(ContainerGlyphs, AssertionTexts) {
  ZQF_NullContainerGlyph empty;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { empty.UpdateMyDesiredSize(); }), "Child"));
  ZQF_NullContainerGlyph full(new SizedGlyph(1, 1));
  SizedGlyph second(1, 1);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { full.SetClient(&second); }), "Child == NULL"));
  ZQF_ChangeableClientNullContainerGlyph changeable(new SizedGlyph(1, 1));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { changeable.SetClient(nullptr, 2); }), "false"));
}

TEST(ContainerGlyphs, ChangeableContainerDefaultAndReplacement) {
  ZQF_ChangeableClientNullContainerGlyph* changeable = new ZQF_ChangeableClientNullContainerGlyph;
  ZQF_TopLevelGlyph top(changeable);
  top.ProcessWindowSizeChange(Box(0, 0, 300, 200));
  const ZQF_DesiredSize& d = changeable->GetDesiredSize();
  EXPECT_EQ(d.Natural, ZQ_Point<long>(100, 100));
  EXPECT_EQ(d.Minimum, ZQ_Point<long>(0, 0));
  EXPECT_EQ(d.Maximum, ZQ_Point<long>(Big, Big));

  SizedGlyph* first = new SizedGlyph(10, 10, 0, 0, Big, Big);
  changeable->SetClient(first, 0);
  EXPECT_EQ(first->GetBoundingBox(), Box(0, 0, 300, 200));
  EXPECT_EQ(changeable->GetFocusChild(), first);
  SizedGlyph second(5, 5, 0, 0, Big, Big);
  changeable->SetClient(&second, 0);  // deletes the first
  EXPECT_EQ(changeable->GetFocusChild(), &second);
  EXPECT_EQ(second.GetBoundingBox(), Box(0, 0, 300, 200));
  changeable->SetClient(nullptr, 1);  // unlinks only
  EXPECT_EQ(changeable->GetFirstChild(), nullptr);
  EXPECT_EQ(second.GetParent(), nullptr);
}

struct SelectableTree {
  SizedGlyph* a = new SizedGlyph(50, 20, 0, 0, 70, 30);
  SizedGlyph* b = new SizedGlyph(30, 40, 0, 0, Big, Big);
  ZQF_SelectableClientNullContainerGlyph* selectable;
  ZQF_ColumnGlyph* column = new ZQF_ColumnGlyph;
  ZQF_TopLevelGlyph top{column};

  explicit SelectableTree(unsigned long Flags)
      : selectable(new ZQF_SelectableClientNullContainerGlyph(Flags)) {
    selectable->AddClient(a, a);
    selectable->AddClient(b, b);
    column->AddToBottom(selectable);
    column->AddToBottom(new SizedGlyph(10, 10, 0, 0, Big, Big));
    top.ProcessWindowSizeChange(Box(0, 0, 100, 100));
  }
};

TEST(ContainerGlyphs, SelectableContainerEnvelopeAndParking) {
  SelectableTree tree(1);
  EXPECT_EQ(tree.selectable->GetDesiredSize().Natural, ZQ_Point<long>(50, 40));
  EXPECT_EQ(tree.selectable->GetSelectedClient(), tree.b);
  tree.selectable->SelectClient(tree.a);
  EXPECT_EQ(tree.selectable->GetDesiredSize().Natural, ZQ_Point<long>(50, 40));
  const ZQ_Rectangle<long> box = tree.selectable->GetBoundingBox();
  EXPECT_EQ(tree.a->GetBoundingBox(), Box(box.X, box.Y, 70, 30));
  EXPECT_EQ(tree.b->GetBoundingBox(), Box(box.X - 20000, box.Y - 20000, 0, 0));
  EXPECT_EQ(tree.selectable->GetFocusChild(), tree.a);
  EXPECT_TRUE(tree.selectable->IsResizeAnchor());
}

TEST(ContainerGlyphs, SelectableContainerSizedBySelectionReachesAncestors) {
  SelectableTree tree(2);
  EXPECT_EQ(tree.selectable->GetDesiredSize().Natural, ZQ_Point<long>(30, 40));
  tree.selectable->SelectClientGlyph(tree.a);
  EXPECT_EQ(tree.selectable->GetDesiredSize().Natural, ZQ_Point<long>(50, 20));
  EXPECT_EQ(tree.column->GetDesiredSize().Natural, ZQ_Point<long>(50, 30));
  EXPECT_FALSE(tree.selectable->IsResizeAnchor());
}

// Throws out of its desired-size computation once asked to.
class ThrowingGlyph : public SizedGlyph {
 public:
  ThrowingGlyph() : SizedGlyph(10, 10) {}
  void UpdateMyDesiredSize() override {
    if (Throw) throw 7;
    SizedGlyph::UpdateMyDesiredSize();
  }
  bool Throw = false;
};

TEST(ContainerGlyphs, SelectionRestoresFlagsWhenTheLayoutThrows) {
  ZQF_SelectableClientNullContainerGlyph* selectable =
      new ZQF_SelectableClientNullContainerGlyph(0);
  ThrowingGlyph* thrower = new ThrowingGlyph;
  selectable->AddClient(thrower, nullptr);
  ZQF_TopLevelGlyph top(selectable);
  top.ProcessWindowSizeChange(Box(0, 0, 100, 100));
  thrower->Throw = true;
  thrower->MarkLayoutStale();
  EXPECT_THROW(selectable->SelectClientGlyph(thrower), int);
  EXPECT_FALSE(selectable->IsResizeAnchor());
}

struct EdgeCase {
  const char* name;
  bool topFirst;
  ZQ_Rectangle<long> top, left, centre;
};

TEST(ContainerGlyphs, EdgeContainerDocksInListOrder) {
  const EdgeCase cases[] = {
      {"top first", true, Box(0, 0, 200, 30), Box(0, 30, 40, 70), Box(40, 30, 160, 70)},
      {"left first", false, Box(40, 0, 160, 30), Box(0, 0, 40, 100), Box(40, 30, 160, 70)},
  };
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(c.name);
    SizedGlyph* centre = new SizedGlyph(10, 10, 0, 0, Big, Big);
    SizedGlyph* top = new SizedGlyph(20, 30, 0, 0, Big, Big);
    SizedGlyph* left = new SizedGlyph(40, 20, 0, 0, Big, Big);
    ZQF_EdgeContainerGlyph edge(centre);
    edge.AddEdgeChild(c.topFirst ? top : left, c.topFirst ? ZQF_EdgeContainerGlyph::Edge_Top
                                                          : ZQF_EdgeContainerGlyph::Edge_Left);
    edge.AddEdgeChild(c.topFirst ? left : top, c.topFirst ? ZQF_EdgeContainerGlyph::Edge_Left
                                                          : ZQF_EdgeContainerGlyph::Edge_Top);
    LayOut(edge, Box(0, 0, 200, 100));
    EXPECT_EQ(top->GetBoundingBox(), c.top);
    EXPECT_EQ(left->GetBoundingBox(), c.left);
    EXPECT_EQ(centre->GetBoundingBox(), c.centre);
  }
}

TEST(ContainerGlyphs, EdgeContainerSumsAreCappedAndThickEdgesLeaveNothing) {
  ZQF_EdgeContainerGlyph edge(new SizedGlyph(10, 10, 0, 0, Big, Big));
  SizedGlyph* bottom = new SizedGlyph(10, 150, 0, 0, Big, Big);
  edge.AddEdgeChild(bottom, ZQF_EdgeContainerGlyph::Edge_Bottom);
  edge.AddEdgeChild(new SizedGlyph(10, 10, 0, 0, Big, Big), ZQF_EdgeContainerGlyph::Edge_Top);
  LayOut(edge, Box(0, 0, 100, 100));
  EXPECT_EQ(edge.GetDesiredSize().Maximum, ZQ_Point<long>(Big, Big));
  EXPECT_EQ(edge.GetDesiredSize().Natural, ZQ_Point<long>(10, 170));
  EXPECT_EQ(bottom->GetBoundingBox(), Box(0, 0, 100, 100));
  EXPECT_EQ(edge.GetLastChild()->GetBoundingBox().Height, 0);

  ZQF_Glyph* centre = edge.GetLastChild();
  edge.RemoveChild(centre);  // edge children no longer followed by the centre
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { edge.UpdateMyDesiredSize(); }), "G"));
  delete centre;
}

}  // namespace
