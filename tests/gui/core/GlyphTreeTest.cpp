#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GlyphTestSupport.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_NullDrawableGlyph.h"
#include "ZQ_StringStream.h"

namespace {

// The children's names in list order, and the focus child's name.
std::string Children(const ZQF_Glyph* Parent) {
  std::string names;
  for (ZQF_Glyph* c = Parent->GetFirstChild(); c; c = c->GetNextSibling()) {
    names += (names.empty() ? "" : " ") + static_cast<RecordingGlyph*>(c)->Name;
  }
  const ZQF_Glyph* focus = Parent->GetFocusChild();
  return names + " | " + (focus ? static_cast<const RecordingGlyph*>(focus)->Name : "-");
}

struct Family {
  RecordingGlyph Parent{"p", nullptr};
  RecordingGlyph* X = new RecordingGlyph("x", nullptr);
  RecordingGlyph* Y = new RecordingGlyph("y", nullptr);
  RecordingGlyph* Z = new RecordingGlyph("z", nullptr);
  Family() {
    Parent.AddChild(X, true);
    Parent.AddChild(Y, true);
    Parent.AddChild(Z, true);
  }
};

TEST(GlyphTree, StructuralOperationsKeepOrderAndFocusChild) {
  struct Case {
    const char* name;
    std::function<void(Family&)> change;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"first child becomes the focus child", [](Family&) {}, "x y z | x"},
      {"front insertion leaves the focus child",
       [](Family& f) { f.Parent.AddChild(new RecordingGlyph("w", nullptr), false); },
       "w x y z | x"},
      {"removing the focus child", [](Family& f) { f.Parent.DeleteChild(f.X); }, "y z | -"},
      {"mode 0 drops the focus child", [](Family& f) {
         f.Parent.SetFocusChild(f.Z);
         f.Parent.MoveChildToFront(f.Z, 0);
       }, "z x y | -"},
      {"mode 1 rotates and keeps it", [](Family& f) {
         f.Parent.SetFocusChild(f.Y);
         f.Parent.MoveChildToFront(f.Y, 1);
       }, "y z x | y"},
      {"before the first", [](Family& f) {
         f.Parent.AddBeforeChild(new RecordingGlyph("w", nullptr), f.X);
       }, "w x y z | x"},
      {"before a later one",
       [](Family& f) { f.Parent.AddBeforeChild(new RecordingGlyph("w", nullptr), f.Z); },
       "x y w z | x"},
      {"splice in, then out", [](Family& f) {
         RecordingGlyph* wrapper = new RecordingGlyph("w", nullptr);
         wrapper->SpliceInToContain(f.X);
         if (Children(&f.Parent) != "w y z | w" || Children(wrapper) != "x | x") return;
         wrapper->SpliceOut();
         delete wrapper;
       }, "x y z | x"},
      {"splice out a glyph with children", [](Family& f) {
         f.Y->AddChild(new RecordingGlyph("y1", nullptr), true);
         f.Y->AddChild(new RecordingGlyph("y2", nullptr), true);
         f.Parent.SetFocusChild(f.Y);
         f.Y->SpliceOut();
         delete f.Y;
       }, "x y1 y2 z | y1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Family family;
    c.change(family);
    EXPECT_EQ(Children(&family.Parent), c.expected);
  }
}

TEST(GlyphTree, RemovedChildLeadsNowhere) {
  Family family;
  family.Parent.RemoveChild(family.Y);
  EXPECT_EQ(family.Y->GetNextSibling(), nullptr);
  EXPECT_EQ(family.Y->GetParent(), nullptr);
  delete family.Y;
}

TEST(GlyphTree, MisuseFailsItsAssertion) {
  struct Case {
    const char* condition;
    std::function<void(Family&, RecordingGlyph& stranger)> misuse;
  };
  const std::vector<Case> cases = {
      {"Child", [](Family&, RecordingGlyph& s) { s.RemoveChild(&s); }},
      {"PreceedingSibling", [](Family& f, RecordingGlyph& s) { f.Parent.RemoveChild(&s); }},
      {"aChild->Parent == this", [](Family& f, RecordingGlyph& s) { f.Parent.MoveChildToFront(&s, 0); }},
      {"false", [](Family& f, RecordingGlyph&) { f.Parent.MoveChildToFront(f.Y, 2); }},
      {"Parent", [](Family&, RecordingGlyph& s) { s.SpliceOut(); }},
      {"IsDirectChildOf (aChild, this)", [](Family& f, RecordingGlyph& s) { f.Parent.GetChildAfter(&s); }},
      {"(FocusChild == NULL) or IsDirectChildOf (FocusChild, this)",
       [](Family& f, RecordingGlyph& s) { f.Parent.SetFocusChild(&s); }},
      {"not IsInitialized()", [](Family& f, RecordingGlyph&) {
         f.X->Initialize();
         f.X->InitializeSelf();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.condition);
    Family family;
    RecordingGlyph stranger("s", nullptr);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { c.misuse(family, stranger); }), c.condition));
  }
}

TEST(GlyphTree, EnablingIsInheritedAndSkipsMatchingSubtrees) {
  Family family;
  family.Parent.SetEnabled(false);
  RecordingGlyph* late = new RecordingGlyph("late", nullptr);
  family.Parent.AddChild(late, true);
  EXPECT_TRUE(late->IsDisabled());

  // y stays enabled on its own while its child is disabled: enabling the
  // parent skips y, whose state already matches, together with its subtree.
  family.Y->SetEnabled(true);
  RecordingGlyph* deep = new RecordingGlyph("deep", nullptr);
  family.Y->AddChild(deep, true);
  deep->SetEnabled(false);
  family.Parent.SetEnabled(true);
  EXPECT_TRUE(late->IsEnabled());
  EXPECT_TRUE(family.X->IsEnabled());
  EXPECT_TRUE(deep->IsDisabled());
}

TEST(GlyphTree, DesiredSizeMarking) {
  ZQF_DesiredSize size;
  EXPECT_EQ(size.Natural.X, -2);  // a stale 1
  size.MakeStale();
  EXPECT_EQ(size.Natural.X, -2);
  size.MakeValid();
  EXPECT_EQ(size.Natural.X, 1);

  const long unbounded = ZQF_DesiredSize::UnboundedMaximum;
  struct Case { long maximum, expected; };
  for (const Case& c : {Case{5, unbounded}, Case{unbounded + 1, unbounded + 1}}) {
    SCOPED_TRACE(c.maximum);
    ZQF_DesiredSize s;
    s.Maximum.X = c.maximum;
    s.SetInfiniteMaximumX();
    EXPECT_EQ(s.Maximum.X, c.expected);
  }
  ZQF_DesiredSize fixed;
  fixed.SetFixedX(3);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { fixed + ZQ_Point<long>(-4, 0); }), "0 <= Minimum.X"));
}

TEST(GlyphTree, SearchForChildControlSkipsEmptyContainers) {
  RecordingGlyph root("root", nullptr);
  root.SetBox(0, 0, 10, 10);
  RecordingGlyph* container = new RecordingGlyph("container", nullptr);
  root.AddChild(container, true);
  container->SetBox(0, 0, 0, 10);
  ZQF_ControlGlyph* control = new ZQF_ControlGlyph;
  container->AddChild(control, true);
  container->LayoutChild(control, ZQ_Rectangle<long>(0, 0, 5, 5));
  EXPECT_EQ(ZQF_Glyph::SearchForChildControl(&root), nullptr);
  container->SetBox(0, 0, 5, 10);
  EXPECT_EQ(ZQF_Glyph::SearchForChildControl(&root), control);
}

TEST(GlyphTree, MouseLocationOutsideAnyWindow) {
  RecordingGlyph glyph("g", nullptr);
  EXPECT_EQ(glyph.GetCurrentMouseLocation(), ZQ_Point<long>(-9999, -9999));
}

TEST(GlyphTree, HelpTopicsFormAListText) {
  RecordingGlyph glyph("g", nullptr);
  glyph.AddHelpTopic("a");
  glyph.AddHelpTopic("b", 5);
  glyph.AppendHelpTopics("c,-100");
  EXPECT_STREQ(glyph.GetHelpTopics().GetText(), "a;b,5;c,-100");
}

TEST(GlyphTree, DebugDescription) {
  RecordingGlyph parent("p", nullptr);
  ZQF_NullDrawableGlyph* child = new ZQF_NullDrawableGlyph;
  parent.AddChild(child, true);
  ZQ_StringStream before;
  child->WriteDebugDescription(before);
  const std::string text = before.GetText();
  EXPECT_EQ(text.rfind("Type = ZQF_NullDrawableGlyph\nID = ", 0), 0u) << text;
  EXPECT_NE(text.find("\nDesired Size: none (no layout yet)\nBoundingBox = "), std::string::npos);

  parent.UpdateDesiredSize();
  ZQ_StringStream after;
  child->WriteDebugDescription(after);
  const std::string laidOut = after.GetText();
  EXPECT_NE(laidOut.find("\nDesired Size: Natural = (1, 1)\n              Minumum = (0, 0)\n"
                         "              Maximum = (536870912, 536870912)\n"
                         "BoundingBox = (-9999999, -9999999, 0, 0)\nParent = "),
            std::string::npos)
      << laidOut;
  EXPECT_NE(laidOut.find("   Sibling = 0   Focus Child = 0\nChildren = \n"), std::string::npos)
      << laidOut;
}

}  // namespace
