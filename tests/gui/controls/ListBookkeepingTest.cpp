// The list's bookkeeping without a window: rows coming and going keep the
// focus and the top row on their elements, the row height, the widest row
// and the scroll bars follow, misuse fails the stated assertions; and a
// seeded run of 10,000 changes checked against the tree after each step.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "../core/GuiStageTestSupport.h"
#include "ListTestSupport.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_VerticalScrollBarGlyph.h"

namespace {

using ListBookkeeping = GuiStageTest;
using L = ZQF_ListGlyph;

TEST_F(ListBookkeeping, RowsComingAndGoingKeepFocusAndTopOnTheirElements) {
  struct Case {
    const char* why;
    const char* focus;  // focused before the change
    const char* top;    // scrolled to the top before the change
    void (*change)(ListRig&);
    const char* wantFocus;
    const char* wantTop;
  } cases[] = {
      {"a root added below changes nothing", "b", "b",
       [](ListRig& r) { r.List->InsertAsLastRoot(new NamedRow("z")); }, "b", "b"},
      {"opening above shifts both indices", "c", "c", [](ListRig& r) { r.List->Open(r.Rows["a"]); },
       "c", "c"},
      {"closing an ancestor moves the focus onto it", "a2", "a1",
       [](ListRig& r) { r.List->Close(r.Rows["a"]); }, "a", "a"},
      {"closing above shifts both back", "c", "b", [](ListRig& r) { r.List->Close(r.Rows["a"]); },
       "c", "b"},
      {"a child added above the focus keeps it", "b", "b",
       [](ListRig& r) { r.List->InsertAsLastChild(r.Rows["a"], new NamedRow("a3")); }, "b", "b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ListRig rig(1, 200, 3 * 18 + 4);
    rig.Fill({"a", "  a1", "  a2", "b", "c", "d", "e", "f"});
    if (std::string(c.why).find("closing") == 0) rig.List->Open(rig.Rows["a"]);
    rig.List->SetFocus(rig.Rows[c.focus]);
    rig.List->ScrollLineDown(rig.List->ComputeIndex(rig.Rows[c.top], L::Subset_Visible) -
                             rig.List->GetTopElementIndex());
    c.change(rig);
    EXPECT_EQ(rig.FocusName(), c.wantFocus);
    EXPECT_EQ(NameOf(rig.List->FindElementByIndex(rig.List->GetTopElementIndex(), L::Subset_Visible)),
              c.wantTop);
    EXPECT_EQ(rig.List->GetNumVisibleElements(), rig.List->CountNumOpenChildren(nullptr));
  }
}

TEST_F(ListBookkeeping, EmptyListRowHeightAndClear) {
  ListRig rig(0);
  EXPECT_TRUE(rig.List->IsEmpty());
  EXPECT_EQ(rig.List->GetFocusElement(), nullptr);
  EXPECT_EQ(rig.List->GetVerticalScrollBar()->GetDocumentSize(), 1);
  EXPECT_FALSE(rig.Key(ZQF_Key_Down));
  rig.List->SetChangeNotificationDelay(-1);
  EXPECT_EQ(rig.List->GetChangeNotificationDelay(), ZQF_GetTimeMetric(ZQF_TimeMetric_ListChangeDelay));
  rig.List->InsertAsLastRoot(new BoxRow(40));
  EXPECT_EQ(rig.List->GetElementHeight(), 16);
  struct TallRow : BoxRow {
    TallRow() : BoxRow(10) {}
    long GetHeight() override { return 20; }
  };
  TallRow* tall = new TallRow;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { rig.List->InsertAsLastRoot(tall); }),
                       "ElementHeight == NewElement->GetHeight()"));
  rig.List->Clear();
  EXPECT_EQ(rig.List->GetElementHeight(), 1);
  EXPECT_EQ(rig.List->GetMaxIndentedWidth(), 1);
  rig.List->InsertAsLastRoot(new NamedRow("text"));
  EXPECT_EQ(rig.List->GetElementHeight(), ZQF_MeasureListText("M").Y + 2);
}

TEST_F(ListBookkeeping, MisuseFailsTheStatedAssertions) {
  ListRig rig(1);
  rig.Fill({"a", "  a1", "b"});
  NamedRow stranger("x");
  struct Case {
    const char* condition;
    std::function<void()> misuse;
  } cases[] = {
      {"IsMember (ExistingElement, Subset_All)", [&] { rig.List->InsertAsLastChild(&stranger, new NamedRow("y")); }},
      {"IsMember (Element, Subset_Visible)", [&] { rig.List->SetFocus(rig.Rows["a1"]); }},
      {"IsMember (Element, Subset_All)", [&] { rig.List->Select(&stranger, true); }},
      {"Element", [&] { rig.List->FindElementByIndex(9, L::Subset_All); }},
      {"SearchElement", [&] { rig.List->ComputeIndex(&stranger, L::Subset_All); }},
      {"(0 <= ElementIndex) and (ElementIndex < NE)", [&] { rig.List->ScrollToMakeVisible(5L); }},
      {"false", [&] { rig.List->SetController(2); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.condition);
    EXPECT_TRUE(FailedOn(AssertionFailureOf(c.misuse), c.condition)) << AssertionFailureOf(c.misuse);
  }
  // Open, Close and ToggleOpen never assert.
  EXPECT_EQ(AssertionFailureOf([&] {
              rig.List->Close(rig.Rows["a"]);
              rig.List->Open(rig.Rows["b"]);
              rig.List->ToggleOpen(rig.Rows["a1"]);
            }),
            "");
}

TEST_F(ListBookkeeping, VirtualChildrenAreMadeOnceAtTheFirstOpening) {
  ListRig rig(1);
  auto* lazy = new LazyRow("n", 3);
  auto* empty = new LazyRow("e", 0);
  rig.List->InsertAsLastRoot(lazy);
  rig.List->InsertAsLastRoot(empty);
  EXPECT_EQ(rig.List->GetNumVisibleElements(), 2);
  rig.List->Open(lazy);
  rig.List->Close(lazy);
  rig.List->Open(lazy);
  EXPECT_EQ(lazy->NumCreations, 1);
  EXPECT_EQ(rig.List->GetNumVisibleElements(), 5);
  // A childless element cannot be opened.
  rig.List->Open(empty);
  EXPECT_TRUE(empty->IsClosed());
}

// The scroll bars and the list's indices as the tree says they must be.
void ExpectConsistent(L& List, ZQF_ListGlyphElement* WantFocus, long Step) {
  SCOPED_TRACE("step " + std::to_string(Step));
  long visible = 0, widest = 1;
  const long border = ZQF_Canvas::GetBorderSize(List.GetBorderStyle()).X;
  for (ZQF_ListGlyphElement* e = List.GetFirstRoot(); e; e = List.GetNext(e, L::Subset_Visible)) {
    ++visible;
    widest = std::max(widest, e->GetWidth() + List.GetElementIndentation(e) + border);
  }
  ASSERT_EQ(List.GetNumVisibleElements(), visible);
  ASSERT_EQ(List.GetMaxIndentedWidth(), widest);
  if (WantFocus) {
    ASSERT_EQ(List.GetFocusElement(), WantFocus);
  }
  ASSERT_GE(List.GetTopElementIndex(), 0);
  ASSERT_LE(List.GetTopElementIndex(), std::max(0L, visible - List.GetPageSize()));
  ASSERT_EQ(List.GetVerticalScrollBar()->GetDocumentSize(), std::max(visible, 1L));
  ASSERT_EQ(List.GetVerticalScrollBar()->GetSliderPosition(), List.GetTopElementIndex());
  ASSERT_EQ(List.GetHorizontalScrollBar()->GetDocumentSize(), widest);
}

TEST_F(ListBookkeeping, SeededChangesStayConsistentWithTheTree) {
  ListRig rig(1, 150, 100);
  std::mt19937 random(31);
  std::vector<ZQF_ListGlyphElement*> all;
  ZQF_ListGlyphElement* focus = nullptr;
  for (long step = 0; step < 10000; ++step) {
    const int action = random() % 100;
    if (action < 35 || all.empty()) {
      auto* row = new BoxRow(10 + random() % 300);
      if (all.empty() || random() % 4 == 0) {
        rig.List->InsertAsLastRoot(row);
      } else {
        rig.List->InsertAsLastChild(all[random() % all.size()], row);
      }
      all.push_back(row);
      if (!focus) focus = row;
    } else if (action < 60) {
      rig.List->Open(all[random() % all.size()]);
    } else if (action < 85) {
      ZQF_ListGlyphElement* closed = all[random() % all.size()];
      const bool hidesFocus = closed->IsOpen() && rig.List->IsOpenToRoot(closed) &&
                              focus != closed && [&] {
                                for (auto* a = focus->GetParent(); a; a = a->GetParent())
                                  if (a == closed) return true;
                                return false;
                              }();
      rig.List->Close(closed);
      if (hidesFocus) focus = closed;
    } else if (action < 98) {
      ZQF_ListGlyphElement* target = all[random() % all.size()];
      if (rig.List->IsOpenToRoot(target)) {
        rig.List->SetFocus(target);
        focus = target;
      }
      rig.List->ScrollLineDown(random() % 7 - 3);
    } else if (all.size() > 150 || action == 99) {
      rig.List->Clear();
      all.clear();
      focus = nullptr;
    }
    ExpectConsistent(*rig.List, focus, step);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
