#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GlyphTestSupport.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"

namespace {

// top-level glyph
//   root (stack): s2 (stack: l3), s1 (stack: l2, l1)
struct StackedTree {
  VisitLog log;
  StackGlyph* root = new StackGlyph("root", &log);
  StackGlyph* s1 = new StackGlyph("s1", &log);
  StackGlyph* s2 = new StackGlyph("s2", &log);
  RecordingGlyph* l1 = Leaf("l1", 10);
  RecordingGlyph* l2 = Leaf("l2", 20);
  RecordingGlyph* l3 = Leaf("l3", 30);
  ZQF_TopLevelGlyph top{root};

  StackedTree() {
    root->AddChild(s2, true);
    root->AddChild(s1, true);
    s2->AddChild(l3, true);
    s1->AddChild(l2, true);
    s1->AddChild(l1, true);
    top.ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 100, 100));
  }
  RecordingGlyph* Leaf(const char* name, long height) {
    RecordingGlyph* leaf = new RecordingGlyph(name, &log);
    leaf->SetSize(10, height);
    return leaf;
  }
  std::vector<RecordingGlyph*> All() const { return {root, s1, s2, l1, l2, l3}; }
  std::string Layouts() const {
    std::string counts;
    for (RecordingGlyph* g : All()) counts += g->Name + "=" + std::to_string(g->NumAcceptLayouts) + " ";
    return counts;
  }
};

TEST(GlyphLayout, FirstPassPlacesEveryGlyph) {
  StackedTree tree;
  EXPECT_EQ(tree.l3->GetBoundingBox(), ZQ_Rectangle<long>(0, 0, 100, 30));
  EXPECT_EQ(tree.l2->GetBoundingBox(), ZQ_Rectangle<long>(0, 30, 100, 20));
  EXPECT_EQ(tree.l1->GetBoundingBox(), ZQ_Rectangle<long>(0, 50, 100, 10));
  EXPECT_EQ(tree.top.GetDesiredSize().Natural, ZQ_Point<long>(10, 60));
  EXPECT_TRUE(tree.l1->IsInitialized());
}

TEST(GlyphLayout, ResizeWalkMarksOnlyThePath) {
  StackedTree tree;
  EXPECT_EQ(tree.l1->InvalidateToResizeAnchor(), &tree.top);
  for (RecordingGlyph* g : tree.All()) {
    SCOPED_TRACE(g->Name);
    const bool onPath = g == tree.l1 || g == tree.s1 || g == tree.root;
    EXPECT_EQ(g->GetDesiredSize().IsValid(), !onPath);
    EXPECT_EQ(g->GetBoundingBox().X == ZQF_Glyph::UnsetPosition, onPath);
  }
  EXPECT_TRUE(tree.top.GetDesiredSize().IsValid());
}

TEST(GlyphLayout, ResizeRelaysOnlyMovedBoxes) {
  StackedTree tree;
  const std::string before = tree.Layouts();
  EXPECT_EQ(before, "root=1 s1=1 s2=1 l1=1 l2=1 l3=1 ");
  tree.l1->SetSize(10, 15);
  tree.l1->Resize();
  EXPECT_EQ(tree.Layouts(), "root=2 s1=2 s2=1 l1=2 l2=1 l3=1 ");
  EXPECT_EQ(tree.l1->GetBoundingBox(), ZQ_Rectangle<long>(0, 50, 100, 15));
  EXPECT_EQ(tree.top.GetDesiredSize().Natural, ZQ_Point<long>(10, 65));

  // A box that does not change is not laid out again, even when the
  // desired size did.
  tree.l2->SetSize(12, 20);
  tree.s1->LayoutChild(tree.l2, ZQ_Rectangle<long>(0, 0, 100, 20));
  EXPECT_EQ(tree.l2->NumAcceptLayouts, 1);
}

TEST(GlyphLayout, NoAnchorNoLayout) {
  VisitLog log;
  ThreeLevelTree tree(&log);
  tree.A1->Resize();
  EXPECT_EQ(tree.Root->NumAcceptLayouts, 0);
  EXPECT_FALSE(tree.Root->GetDesiredSize().IsValid());
}

std::string FocusPath(const ThreeLevelTree& tree) {
  std::string path;
  for (ZQF_Glyph* g = tree.Root->GetFocusChild(); g; g = g->GetFocusChild()) {
    path += static_cast<RecordingGlyph*>(g)->Name + " ";
  }
  return path;
}

TEST(GlyphFocus, PutOnFocusPath) {
  struct Case {
    const char* name;
    std::function<void(ThreeLevelTree&)> prepare;
    bool accepted;
    std::string visits;
    std::string path;
  };
  const std::vector<Case> cases = {
      {"moves and tells both sides", [](ThreeLevelTree&) {}, true,
       "a.Focus1 a1.Focus1 a1.Focus2 a.Focus2 b.Focus1 b1.Focus1 b1.Focus2 b.Focus2", "b b1 "},
      {"refused by the old path", [](ThreeLevelTree& t) { t.A1->HandleOn("Focus", 1); }, false,
       "a.Focus1 a1.Focus1", "a a1 "},
      {"branching point without focus child", [](ThreeLevelTree& t) { t.Root->SetFocusChild(nullptr); },
       true, "b.Focus1 b1.Focus1 b1.Focus2 b.Focus2", "b b1 "},
      {"already on the path", [](ThreeLevelTree& t) { t.Root->SetFocusChild(t.B); }, true, "", "b b1 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VisitLog log;
    ThreeLevelTree tree(&log);
    c.prepare(tree);
    EXPECT_EQ(tree.B1->PutOnFocusPath(), c.accepted);
    EXPECT_EQ(Joined(log), c.visits);
    EXPECT_EQ(FocusPath(tree), c.path);
  }
}

TEST(GlyphFocus, NoWindowMeansNoFocus) {
  VisitLog log;
  ThreeLevelTree tree(&log);
  EXPECT_FALSE(tree.A1->IsOnFocusPath());
}

// Answers MakeChildVisible with true the first time it is asked.
class ScrollingGlyph : public RecordingGlyph {
 public:
  using RecordingGlyph::RecordingGlyph;
  bool MakeChildVisible(ZQF_Glyph*) override {
    Log->push_back(Name);
    return !scrolled && (scrolled = true);
  }
  bool scrolled = false;
};

TEST(GlyphFocus, MakeVisibleRestartsAtTheNearestAncestor) {
  VisitLog log;
  ThreeLevelTree tree(&log, [](const std::string& name, VisitLog* l) -> RecordingGlyph* {
    return new ScrollingGlyph(name, l);
  });
  static_cast<ScrollingGlyph*>(tree.A)->scrolled = true;  // only the root scrolls
  tree.A1->MakeVisible();
  EXPECT_EQ(Joined(log), "a root a root");
}

TEST(GlyphCapture, AbortEndsTheCaptureWithAReleaseAtMinusOne) {
  VisitLog log;
  RecordingGlyph glyph("g", &log);
  ZQ_Point<long> releasedAt;
  glyph.OnOffer = [&releasedAt](ZQF_Message& m, bool) {
    releasedAt = static_cast<ZQF_MouseMessage&>(m).GetPosition();
  };
  ZQF_Window::AbortMouseCapture();  // no capture: nothing
  EXPECT_TRUE(log.empty());
  glyph.CaptureMouse();
  EXPECT_TRUE(glyph.HasMouseCapture());
  ZQF_Window::AbortMouseCapture();
  EXPECT_EQ(Joined(log), "g.LeftUp1 g.LeftUp2");
  EXPECT_EQ(releasedAt, ZQ_Point<long>(-1, -1));
  EXPECT_FALSE(glyph.HasMouseCapture());
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { glyph.GetCapturedMouseLocation(); }),
                       "MouseIsCaptured()"));
}

}  // namespace
