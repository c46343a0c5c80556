#include <gtest/gtest.h>

#include "GlyphTestSupport.h"
#include "GuiStageTestSupport.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_GridInteractionQueryMessage.h"

namespace {

class TestControl : public ZQF_ControlGlyph {
 public:
  void HandleKeyboardInitiatedDialogFocusGain() override { ++NumKeyboardGains; }
  void UpdateMyDesiredSize() override { DesiredSize.MakeValid(); }
  int NumKeyboardGains = 0;
};

// parent: other, control
struct ControlTree {
  RecordingGlyph parent{"parent", nullptr};
  RecordingGlyph* other = new RecordingGlyph("other", nullptr);
  TestControl* control = new TestControl;
  ControlTree() {
    parent.AddChild(other, true);
    parent.AddChild(control, true);
    parent.SetBox(0, 0, 100, 100);
    other->SetBox(0, 0, 50, 100);
  }
  bool ControlHasFocus() const { return parent.GetFocusChild() == control; }
};

TEST(ControlGlyph, InitialFlagsAndBorderCode) {
  TestControl control;
  EXPECT_TRUE(control.GetComputesDesiredSize());
  EXPECT_TRUE(control.IsFocusable());
  EXPECT_EQ(control.GetBorderStyle(), 3);
  EXPECT_FALSE(control.GetBorderOption());
  control.SetBorderStyle(0x1A);
  control.SetBorderOption(true);
  EXPECT_EQ(control.GetBorderStyle(), 10);
  EXPECT_TRUE(control.IsFocusable());
}

TEST(ControlGlyph, PressFocusesOnlyFocusableEnabledControlsOnTheFirstTry) {
  struct Case {
    const char* name;
    bool focusable, enabled, secondTry, focused;
  } cases[] = {{"plain", true, true, false, true},
               {"second try", true, true, true, false},
               {"unfocusable", false, true, false, false},
               {"disabled", true, false, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ControlTree tree;
    tree.control->SetFocusable(c.focusable);
    tree.control->SetEnabled(c.enabled);
    ZQF_LeftDownMouseMessage press(0, 0, false, false, false);
    tree.control->HandleMouseLeftDown(press, c.secondTry);
    EXPECT_EQ(tree.ControlHasFocus(), c.focused);
    EXPECT_FALSE(press.IsHandled());
  }
}

// Headless, no window has the focus, so the control is never on the focus
// path here; the window tests cover the focused answers.
TEST(ControlGlyph, GridQueriesOnAnUnfocusedControl) {
  struct Case {
    const char* name;
    bool mouse, secondTry;
    ZQF_KeyCode key;
    long answer;
    bool handled, focused;
    int gains;
  } cases[] = {
      {"navigation key", false, false, ZQF_Key_Home, 0, true, false, 0},
      {"letter", false, false, 'A', 1, true, true, 1},
      {"key, second try", false, true, 'A', 0, false, false, 0},
      {"mouse", true, true, 0, 0, true, false, 0},
      {"mouse, first try", true, false, 0, 0, false, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ControlTree tree;
    tree.parent.SetFocusChild(tree.other);
    ZQF_DownKeyMessage key(c.key, false, false, false);
    ZQF_MoveMouseMessage move(0, 0, false, false, false);
    ZQF_GridGlyph_ContainingGridInteractionQueryKeyMessage keyQuery(key);
    ZQF_GridGlyph_ContainingGridInteractionQueryMouseMessage mouseQuery(move);
    ZQF_GridGlyph_ContainingGridInteractionQueryMessage& query =
        c.mouse ? static_cast<ZQF_GridGlyph_ContainingGridInteractionQueryMessage&>(mouseQuery)
                : keyQuery;
    tree.control->HandleGenericMessage(query, c.secondTry);
    EXPECT_EQ(query.Answer, c.answer);
    EXPECT_EQ(query.IsHandled(), c.handled);
    EXPECT_EQ(tree.ControlHasFocus(), c.focused);
    EXPECT_EQ(tree.control->NumKeyboardGains, c.gains);
  }
}

TEST(ControlGlyph, FixedDesiredSizeKeepsTheStaleMark) {
  for (bool stale : {true, false}) {
    SCOPED_TRACE(stale);
    TestControl control;
    if (!stale) control.UpdateMyDesiredSize();
    control.SetFixedDesiredSize(ZQ_Point<long>(30, 20), ZQ_Point<long>(10, 5),
                                ZQ_Point<long>(40, 20));
    EXPECT_FALSE(control.GetComputesDesiredSize());
    EXPECT_EQ(control.GetDesiredSize().IsValid(), !stale);
    control.UpdateMyDesiredSize();
    EXPECT_EQ(control.GetDesiredSize().Natural, ZQ_Point<long>(30, 20));
  }
}

TEST(ControlGlyph, ChangeNotificationCarriesTheControl) {
  TestControl control;
  ZQF_ControlChangeNotificationMessage changed(&control);
  EXPECT_EQ(changed.GetControl(), &control);
}

}  // namespace
