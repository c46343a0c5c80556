// Radio groups headless: spacing and placement of choices and clients, which
// clients are enabled, arrows, clicks and mnemonics with the notifications
// each sends, assertions, and the marker's lifetime.
#include <gtest/gtest.h>

#include "ChoiceTestSupport.h"
#include "ZQF_ExclusiveAlternativeControlGroupGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"

namespace {

using RadioGroups = GuiStageTest;
using Group = ZQF_ExclusiveAlternativeControlGroupGlyph;

// The group inside a recorder. Shared: P without a client, A sharing into
// B's client X, C with client Y, then a choice without a label whose client
// Z stands beside its box. Otherwise plain choices A-E, B and D disabled.
struct RadioTree {
  ChoiceRecorder root;
  Group* group = new Group;
  SizedGlyph* x = nullptr;
  SizedGlyph* y = nullptr;
  SizedGlyph* z = nullptr;
  std::vector<ZQF_RadioButtonGlyph*> buttons;

  explicit RadioTree(bool Shared) {
    root.AddToBottom(group);
    if (Shared) {
      x = new SizedGlyph(60, 16);
      y = new SizedGlyph(70, 18);
      z = new SizedGlyph(50, 20);
      group->AddToBottom("&P", nullptr);
      group->AddToBottom("&A", Group::ShareNextClient);
      group->AddToBottom("&B", x);
      group->AddToBottom("&C", y);
      group->AddToBottom("", z);
    } else {
      for (const char* label : {"&A", "&B", "&C", "&D", "&E"}) group->AddToBottom(label, nullptr);
    }
    LayOut(root, Box(0, 0, 300, 400));
    CollectRadioButtons(group, buttons);
    if (!Shared) {
      buttons[1]->SetEnabled(false);
      buttons[3]->SetEnabled(false);
    }
  }
  // The selected button's position among the states, which must be the
  // only one checked, and hold the focus.
  long CheckedAndFocused() {
    long checked = -1;
    for (size_t i = 0; i < buttons.size(); ++i) {
      if (buttons[i]->GetState() == ZQF_ButtonGlyph::State_Up) continue;
      checked = checked == -1 ? static_cast<long>(i) : -2;
    }
    ZQF_Glyph* focus = group;
    while (focus->GetFocusChild()) focus = focus->GetFocusChild();
    return checked >= 0 && buttons[checked] == focus ? checked : -3;
  }
};

// R radio, G<height> glue, M margin, W row.
std::string ChildKinds(ZQF_Glyph* Group) {
  std::string kinds;
  for (ZQF_Glyph* c = Group->GetFirstChild(); c; c = c->GetNextSibling()) {
    kinds += kinds.empty() ? "" : " ";
    if (dynamic_cast<ZQF_RadioButtonGlyph*>(c)) kinds += "R";
    if (dynamic_cast<ZQF_VerticalGlueGlyph*>(c))
      kinds += "G" + std::to_string(c->GetDesiredSize().Natural.Y);
    if (dynamic_cast<ZQF_MarginGlyph*>(c)) kinds += "M";
    if (dynamic_cast<ZQF_RowGlyph*>(c)) kinds += "W";
  }
  return kinds;
}

TEST_F(RadioGroups, SharedClientSpacingPlacementAndEnabling) {
  RadioTree t(true);
  EXPECT_EQ(ChildKinds(t.group), "R G" + std::to_string(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).Y) + " R R M G" +
                                     std::to_string(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y) + " R M W");
  const ZQ_Rectangle<long> b = t.buttons[2]->GetBoundingBox(), x = t.x->GetBoundingBox();
  EXPECT_EQ(ZQ_Point<long>(x.X, x.Y),
            ZQ_Point<long>(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px).X, b.Y + b.Height + ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y));
  const ZQ_Rectangle<long>& e = t.buttons[4]->GetBoundingBox();
  ZQ_Rectangle<long> picture, label, hot;
  t.buttons[4]->GetLayoutRectangles(picture, label, hot);
  EXPECT_EQ(picture.X, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X);
  EXPECT_EQ(t.z->GetBoundingBox().X, e.X + e.Width);
  EXPECT_EQ(t.group->GetValue(), 0);
  struct Case {
    long selected;
    const char* enabled;  // X, Y, Z
  } cases[] = {{0, "000"}, {1, "100"}, {2, "100"}, {3, "010"}, {4, "001"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected);
    t.group->SetValue(c.selected);
    EXPECT_EQ(
        std::string() + "01"[t.x->IsEnabled()] + "01"[t.y->IsEnabled()] + "01"[t.z->IsEnabled()],
        c.enabled);
    EXPECT_EQ(t.CheckedAndFocused(), c.selected);
  }
  t.group->SetFocusChild(t.x->GetParent());
  t.group->SetValue(4);  // the selection already: the focus stays
  EXPECT_EQ(t.group->GetFocusChild(), t.x->GetParent());
  t.group->SetEnabled(false);
  t.group->SetValue(1);  // clients wait while the group is disabled
  EXPECT_FALSE(t.x->IsEnabled());
  t.group->SetEnabled(true);
  EXPECT_TRUE(t.x->IsEnabled());
  EXPECT_FALSE(t.z->IsEnabled());
  EXPECT_EQ(t.root.Text(), "");
}

// From A, with B and D disabled: each arrow key selects the next enabled
// choice that way, with its up notification, or at an end nothing; the
// indicators show every time.
TEST_F(RadioGroups, ArrowsSkipDisabledButtonsAndNotifyTheNewOne) {
  RadioTree t(false);
  std::string selected;
  const auto press = [&](ZQF_KeyCode Key) {
    ZQF_DownKeyMessage key(Key, false, false, false);
    t.root.Dispatch(key);
    EXPECT_TRUE(key.IsHandled());
    selected += "ABCDE"[t.CheckedAndFocused()];
  };
  for (ZQF_KeyCode key : {ZQF_Key_Down, ZQF_Key_Right, ZQF_Key_Down, ZQF_Key_Up, ZQF_Key_Left,
                          ZQF_Key_Up})
    press(key);
  EXPECT_EQ(selected, "CEECAA");
  EXPECT_EQ(t.root.Text(),
            "up C:1 indicators up E:1 indicators indicators up C:1 indicators up A:1 indicators "
            "indicators");
  t.buttons[2]->SetEnabled(false);
  t.buttons[4]->SetEnabled(false);
  t.root.Log.clear();
  press(ZQF_Key_Down);  // nothing enabled that way
  EXPECT_EQ(t.root.Text() + selected.substr(6), "indicatorsA");
  ZQF_DownKeyMessage letter('Q', false, false, false);
  t.root.Dispatch(letter);
  EXPECT_FALSE(letter.IsHandled());
}

// Applied to C, then to C selected: down and one up notification each;
// counted on A, or applied to the disabled B: claimed, nothing else.
TEST_F(RadioGroups, MnemonicSelectsWithOneUpNotification) {
  RadioTree t(false);
  const struct {
    int button;
    bool apply;
  } queries[] = {{2, true}, {2, true}, {0, false}, {1, true}};
  for (const auto& q : queries) {
    ZQF_MnemonicQueryMessage query("abcde"[q.button], q.apply);
    t.buttons[q.button]->Dispatch(query);
    EXPECT_TRUE(query.IsHandled());
  }
  EXPECT_EQ(t.CheckedAndFocused(), 2);
  EXPECT_EQ(t.root.Text(), "down C up C:1 down C up C:1");
}

// A press on a radio button selects it and its release is the click; a
// press on a client selects its choice at once; assertions guard indexes.
TEST_F(RadioGroups, ClicksOnButtonsAndClientsAndIndexAssertions) {
  RadioTree t(true);
  for (ZQF_Glyph* target : {static_cast<ZQF_Glyph*>(t.buttons[3]), static_cast<ZQF_Glyph*>(t.x)}) {
    const ZQ_Rectangle<long> box = target->GetBoundingBox();
    ZQF_LeftDownMouseMessage down(box.X + 4, box.Y + box.Height / 2, false, false, false);
    t.root.Dispatch(down);
    t.root.Log.push_back("|");
    ZQF_LeftUpMouseMessage up(box.X + 4, box.Y + box.Height / 2, false, false, false);
    t.root.Dispatch(up);
  }
  EXPECT_EQ(t.root.Text(), "down C | up C:1 up B:1 |");
  EXPECT_EQ(t.CheckedAndFocused(), 2);
  EXPECT_TRUE(t.x->IsEnabled());
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { t.group->SetValue(5); }), "Index < NumButtons"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { t.group->SetValue(-1); }), "Index < NumButtons"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { t.group->SetSelectedButton(7, false); }),
                       "NewSelectedButtonIndex < NumButtons"));
  EXPECT_EQ(t.group->GetValue(), 2);
  Group empty;
  EXPECT_TRUE(
      FailedOn(AssertionFailureOf([&] { empty.GetValue(); }), "SelectedButtonIndex < NumButtons"));
}

TEST_F(RadioGroups, MarkerLivesFromStageOneToStageThirteen) {
  EXPECT_NE(Group::ShareNextClient, nullptr);
  RunStages(8, 13);
  EXPECT_EQ(Group::ShareNextClient, nullptr);
  ASSERT_EQ(RunStages(1, 7).failedStage, 0);
  EXPECT_NE(Group::ShareNextClient, nullptr);
}

}  // namespace
