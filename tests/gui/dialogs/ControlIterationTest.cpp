// The control iterators, keyboard navigation and mnemonics on synthetic
// trees (no window).
#include "DialogTestSupport.h"
#include "ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h"
#include "ZQF_DialogActionGlyph.h"
#include "ZQF_RadioButtonGlyph.h"
#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_FakeCall.h"

namespace {

using DialogControls = GuiStageTest;

template <class G>
G* Add(ZQF_Glyph* Parent, G* Child, long X, long Y, long W, long H) {
  Parent->AddChild(Child, true);
  Child->SetBox(X, Y, W, H);
  return Child;
}

// root: group (c1 [inner control c1x], c2 [c2x]), c3, empty, radio. Every box
// laid out.
struct IterationTree {
  RecordingGlyph root{"root", nullptr};
  RecordingGlyph* group;
  NamedControl *c1, *c2, *c3;
  ZQF_RadioButtonGlyph* radio = new ZQF_RadioButtonGlyph(ZQ_String("&Radio"));
  IterationTree() {
    root.SetBox(0, 0, 300, 300);
    group = Add(&root, new RecordingGlyph("group", nullptr), 0, 0, 300, 100);
    c1 = Add(group, new NamedControl("c1"), 0, 0, 60, 20);
    Add(c1, new NamedControl("c1x"), 0, 0, 10, 10);
    c2 = Add(group, new NamedControl("c2"), 0, 30, 60, 20);
    Add(c2, new NamedControl("c2x"), 0, 30, 10, 10);
    c3 = Add(&root, new NamedControl("c3"), 0, 100, 60, 20);
    Add(&root, new RecordingGlyph("empty", nullptr), 0, 120, 10, 10);
    root.AddChild(radio, true);
  }
};

}  // namespace

TEST_F(DialogControls, TopmostIteratorNeverEntersAControlAndSkipsDisabledOnesWithTheirSubtrees) {
  IterationTree t;
  t.c2->SetEnabled(false);
  EXPECT_EQ(Names(ZQF_GetTopmostChildControlGlyphIterator(&t.root, false)), "c1 c2 c3 ?");
  EXPECT_EQ(Names(ZQF_GetTopmostChildControlGlyphIterator(&t.root, true)), "c1 c3 ?");
  RecordingGlyph empty("empty", nullptr);
  EXPECT_FALSE(ZQF_GetTopmostChildControlGlyphIterator(&empty, true).IsValid());
  ZQ_Iterator<ZQF_ControlGlyph*> copy = ZQF_GetTopmostChildControlGlyphIterator(&t.root, true);
  copy.Advance();
  ZQ_Iterator<ZQF_ControlGlyph*> clone = copy;
  EXPECT_EQ(Names(clone), "c3 ?");
  EXPECT_EQ(Names(copy), "c3 ?");
}

TEST_F(DialogControls, NavigationOrderLeavesOutWhatTheKeyboardCannotReach) {
  const struct {
    const char* why;
    std::function<void(IterationTree&)> change;
    const char* order;
  } rows[] = {
      {"every control reachable, the radio button checked",
       [](IterationTree& t) { t.radio->SetState(ZQF_ButtonGlyph::State_Down, false); },
       "c1 c2 c3 ?"},
      {"an unchecked radio button", [](IterationTree&) {}, "c1 c2 c3"},
      {"not focusable", [](IterationTree& t) { t.c2->SetFocusable(false); }, "c1 c3"},
      {"never laid out", [](IterationTree& t) { t.c2->SetBox(-9999999, 0, 60, 20); }, "c1 c3"},
      {"in a collapsed group", [](IterationTree& t) { t.group->SetBox(0, 0, 300, 0); }, "c3"},
      {"disabled", [](IterationTree& t) { t.c1->SetEnabled(false); }, "c2 c3"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    IterationTree t;
    t.root.LayoutChild(t.radio, ZQ_Rectangle<long>(0, 140, 60, 20));
    row.change(t);
    EXPECT_EQ(Names(GetDialogActionControlGlyphIter(&t.root)), row.order);
  }
}

TEST_F(DialogControls, MnemonicsAreReadLeftToRightWithDoubledAmpersandsLiteral) {
  const struct {
    const char* text;
    char c;
    bool has;
  } rows[] = {{"&&&x", 'x', true},   {"A&&x &x", 'x', true}, {"&&x", 'x', false},
              {"E&xit", 'X', true},  {"a&", 'a', false},     {"&a&&x", 'x', false},
              {"no marker", 'n', false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ZQF_HasMnemonicCharacter(ZQ_String(row.text), row.c), row.has);
  }
  // Buttons answer by the same rule.
  ZQF_StandardTextButtonGlyph button(ZQ_String("A&&x &x"), 0, 0);
  ZQF_MnemonicQueryMessage query('x', false);
  button.Dispatch(query);
  EXPECT_TRUE(query.IsHandled());
}

namespace {

// A navigable group: left (a "&x", b "&y"), right (c "&y", d "&z", e "&z").
struct NavigationTree {
  RecordingGlyph top{"top", nullptr};
  ZQF_DialogActionGlyph* group;
  RecordingGlyph* column = new RecordingGlyph("column", nullptr);
  NamedControl *a, *b, *c, *d, *e;
  NavigationTree() {
    top.SetBox(0, 0, 200, 200);
    top.AddChild(group = new ZQF_DialogActionGlyph(column), true);
    top.LayoutChild(group, ZQ_Rectangle<long>(0, 0, 200, 200));
    column->SetBox(0, 0, 200, 200);
    auto* left = Add(column, new RecordingGlyph("left", nullptr), 0, 0, 100, 200);
    auto* right = Add(column, new RecordingGlyph("right", nullptr), 100, 0, 100, 200);
    a = Add(left, new NamedControl("a", "&x"), 0, 0, 60, 20);
    b = Add(left, new NamedControl("b", "&y"), 0, 30, 60, 20);
    c = Add(right, new NamedControl("c", "&y"), 100, 0, 60, 20);
    d = Add(right, new NamedControl("d", "&z"), 100, 30, 60, 20);
    e = Add(right, new NamedControl("e", "&z"), 100, 60, 60, 20);
  }
  std::string Focused() {
    ZQF_ControlGlyph* control = ZQF_DialogActionGlyph::FindPotentialSelectedControl(group);
    return control ? static_cast<NamedControl*>(control)->Name : "none";
  }
  bool Key(ZQF_KeyCode Code, bool Shift, bool Control, bool Alt) {
    ZQF_DownKeyMessage key(Code, Shift, Control, Alt);
    group->Dispatch(key);
    return key.IsHandled();
  }
};

}  // namespace

TEST_F(DialogControls, TabAndShiftTabWrapAroundTheNavigationOrder) {
  NavigationTree t;
  std::string visited;
  for (int i = 0; i < 6; ++i) {
    t.Key(ZQF_Key_Tab, false, i == 2, false);
    visited += t.Focused();
  }
  EXPECT_EQ(visited, "bcdeab");
  EXPECT_TRUE(t.Key(ZQF_Key_Tab, true, false, false));
  EXPECT_EQ(t.Focused(), "a");
  t.Key(ZQF_Key_Tab, true, false, false);
  EXPECT_EQ(t.Focused(), "e");
  t.e->SetEnabled(false);  // a disabled current control counts as none
  t.Key(ZQF_Key_Tab, false, false, false);
  EXPECT_EQ(t.Focused(), "a");
  EXPECT_EQ(t.group->GetKeyboardNavigationIndicators(), ZQF_DialogActionGlyph::Indicator_Focus);
}

TEST_F(DialogControls, MnemonicSearchStopsAtTheFirstLevelWithAMatchAndBeepsUnlessItIsUnique) {
  int beeps = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::MessageBeep> fake([&](UINT) {
    ++beeps;
    return TRUE;
  });
  NavigationTree t;
  t.a->PutOnFocusPath();
  // "y": b beside the focus wins; c one level out is never reached.
  EXPECT_TRUE(t.Key('y', false, false, false));
  EXPECT_EQ(t.Focused(), "b");
  EXPECT_EQ(t.b->NumApplied + t.c->NumApplied * 10, 1);
  // "z" twice at the stopping level: a beep, nothing selected.
  EXPECT_TRUE(t.Key('Z', true, false, true));
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(t.Focused(), "b");
  EXPECT_EQ(t.group->GetKeyboardNavigationIndicators(), 3);  // Alt showed everything
  // A unique but disabled target beeps too; an unknown character stays free.
  t.e->Label = "&w";
  t.d->SetEnabled(false);
  EXPECT_TRUE(t.Key('z', false, false, false));
  EXPECT_EQ(beeps, 2);
  EXPECT_FALSE(t.Key('q', false, false, false));
  EXPECT_FALSE(t.Key('y', false, true, false));  // characters only with Control up
}

TEST_F(DialogControls, IndicatorsTurnOnByAltAndOffOnlyByTheToggleOrTheReset) {
  NavigationTree t;
  EXPECT_FALSE(t.Key(ZQF_Key_Alt, false, false, true));
  EXPECT_EQ(t.group->GetKeyboardNavigationIndicators(), 3);
  t.Key(ZQF_Key_Tab, false, false, false);
  EXPECT_TRUE(t.Key('K', false, true, true));
  EXPECT_EQ(t.group->GetKeyboardNavigationIndicators(), 0);
  EXPECT_TRUE(t.Key('K', false, true, true));
  EXPECT_EQ(t.group->GetKeyboardNavigationIndicators(), -1);
  ZQF_SetKeyboardNavigationIndicatorsToDefaultNotificationMessage reset;
  t.a->Dispatch(reset);
  EXPECT_EQ(t.group->GetKeyboardNavigationIndicators(), 0);
  ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage activate;
  t.a->Dispatch(activate);
  EXPECT_FALSE(activate.IsHandled());
  EXPECT_EQ(t.group->GetKeyboardNavigationIndicators(), 1);
}
