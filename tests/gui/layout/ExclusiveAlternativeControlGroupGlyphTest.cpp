// Radio groups headless: spacing and placement of choices and clients, which
// clients are enabled, arrows, clicks and mnemonics with the notifications
// each sends, assertions, and the marker's lifetime.
#include <gtest/gtest.h>

#include <functional>

#include "ChoiceTestSupport.h"
#include "ZQF_ExclusiveAlternativeControlGroupGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"

namespace {

using RadioGroups = GuiStageTest;
using Group = ZQF_ExclusiveAlternativeControlGroupGlyph;

// The group inside a recorder. Shared: P without a client, A sharing into
// B's client X, C with client Y. Otherwise plain choices A-E, B and D
// disabled.
struct RadioTree {
  ChoiceRecorder root;
  Group* group = new Group;
  SizedGlyph* x = nullptr;
  SizedGlyph* y = nullptr;
  std::vector<ZQF_RadioButtonGlyph*> buttons;

  explicit RadioTree(bool Shared) {
    root.AddToBottom(group);
    if (Shared) {
      x = new SizedGlyph(60, 16);
      y = new SizedGlyph(70, 18);
      group->AddToBottom("&P", nullptr);
      group->AddToBottom("&A", Group::ShareNextClient);
      group->AddToBottom("&B", x);
      group->AddToBottom("&C", y);
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
  EXPECT_EQ(ChildKinds(t.group), "R G" + std::to_string(ZQF_GetSizeMetric(5).Y) + " R R M G" +
                                     std::to_string(ZQF_GetSizeMetric(3).Y) + " R M");
  const ZQ_Rectangle<long> b = t.buttons[2]->GetBoundingBox(), x = t.x->GetBoundingBox();
  EXPECT_EQ(ZQ_Point<long>(x.X, x.Y),
            ZQ_Point<long>(ZQF_GetSizeMetric(9).X, b.Y + b.Height + ZQF_GetSizeMetric(3).Y));
  EXPECT_EQ(t.group->GetValue(), 0);
  struct Case {
    long selected;
    bool xEnabled, yEnabled;
  } cases[] = {{0, false, false}, {1, true, false}, {2, true, false}, {3, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected);
    t.group->SetValue(c.selected);
    EXPECT_EQ(t.x->IsEnabled(), c.xEnabled);
    EXPECT_EQ(t.y->IsEnabled(), c.yEnabled);
    EXPECT_EQ(t.CheckedAndFocused(), c.selected);
  }
  t.group->SetFocusChild(t.x->GetParent());
  t.group->SetValue(3);  // the selection already: the focus stays
  EXPECT_EQ(t.group->GetFocusChild(), t.x->GetParent());
  t.group->SetEnabled(false);
  t.group->SetValue(1);  // clients wait while the group is disabled
  EXPECT_FALSE(t.x->IsEnabled());
  t.group->SetEnabled(true);
  EXPECT_TRUE(t.x->IsEnabled());
  EXPECT_FALSE(t.y->IsEnabled());
  EXPECT_EQ(t.root.Text(), "");
}

TEST_F(RadioGroups, ClientOfAnUnlabelledChoiceStandsBesideItsBox) {
  ChoiceRecorder root;
  Group* group = new Group;
  SizedGlyph* beside = new SizedGlyph(50, 20);
  group->AddToBottom("", beside);
  root.AddToBottom(group);
  LayOut(root, Box(0, 0, 300, 400));
  EXPECT_EQ(ChildKinds(group), "W");
  auto* button = dynamic_cast<ZQF_RadioButtonGlyph*>(group->GetFirstChild()->GetFirstChild());
  ASSERT_NE(button, nullptr);
  ZQ_Rectangle<long> picture, label, hot;
  button->GetLayoutRectangles(picture, label, hot);
  EXPECT_EQ(picture.X, ZQF_GetSizeMetric(1).X);
  const ZQ_Rectangle<long>& box = button->GetBoundingBox();
  EXPECT_EQ(beside->GetBoundingBox().X, box.X + box.Width);
}

TEST_F(RadioGroups, ArrowsSkipDisabledButtonsAndNotifyTheNewOne) {
  struct Case {
    long from;
    unsigned char key;
    bool eDisabled;
    long to;
    const char* log;
  } cases[] = {{0, 16, false, 2, "up C:1 indicators"}, {0, 14, false, 2, "up C:1 indicators"},
               {2, 15, false, 0, "up A:1 indicators"}, {2, 11, false, 0, "up A:1 indicators"},
               {2, 16, false, 4, "up E:1 indicators"}, {4, 16, false, 4, "indicators"},
               {0, 15, false, 0, "indicators"},        {2, 16, true, 2, "indicators"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " key " + std::to_string(c.key));
    RadioTree t(false);
    t.buttons[4]->SetEnabled(!c.eDisabled);
    t.group->SetValue(c.from);
    ZQF_DownKeyMessage key(c.key, false, false, false);
    t.root.Dispatch(key);
    EXPECT_TRUE(key.IsHandled());
    EXPECT_EQ(t.group->GetValue(), c.to);
    EXPECT_EQ(t.CheckedAndFocused(), c.to);
    EXPECT_EQ(t.root.Text(), c.log);
  }
  RadioTree t(false);
  ZQF_DownKeyMessage letter('Q', false, false, false);
  t.root.Dispatch(letter);
  EXPECT_FALSE(letter.IsHandled());
}

TEST_F(RadioGroups, MnemonicSelectsWithOneUpNotification) {
  struct Case {
    int button;
    bool apply, enabled;
    long selected;
    const char* log;
  } cases[] = {{2, true, true, 2, "down C up C:1"},
               {0, true, true, 0, "down A up A:1"},
               {2, false, true, 0, ""},
               {2, true, false, 0, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.button) + (c.apply ? " apply" : "") + (c.enabled ? "" : " off"));
    RadioTree t(false);
    t.buttons[c.button]->SetEnabled(c.enabled);
    ZQF_MnemonicQueryMessage query("abcde"[c.button], c.apply);
    t.buttons[c.button]->Dispatch(query);
    EXPECT_TRUE(query.IsHandled());
    EXPECT_EQ(t.CheckedAndFocused(), c.selected);
    EXPECT_EQ(t.root.Text(), c.log);
  }
}

// A press on a radio button selects it and its release is the click; a
// press on a client selects its choice at once.
TEST_F(RadioGroups, ClicksOnButtonsAndOnClients) {
  RadioTree t(true);
  const auto click = [&](ZQF_Glyph* Target) {
    const ZQ_Rectangle<long> box = Target->GetBoundingBox();
    ZQF_LeftDownMouseMessage down(box.X + 4, box.Y + box.Height / 2, false, false, false);
    t.root.Dispatch(down);
    const std::string atPress = t.root.Text() + " |";
    ZQF_LeftUpMouseMessage up(box.X + 4, box.Y + box.Height / 2, false, false, false);
    t.root.Dispatch(up);
    t.root.Log.clear();
    return atPress;
  };
  EXPECT_EQ(click(t.buttons[3]), "down C |");
  EXPECT_EQ(t.group->GetValue(), 3);
  EXPECT_EQ(click(t.x), "up B:1 |");
  EXPECT_EQ(t.CheckedAndFocused(), 2);
  EXPECT_TRUE(t.x->IsEnabled());
  EXPECT_EQ(click(t.x), " |");  // selected already
  ZQF_RightDownMouseMessage right(t.y->GetBoundingBox().X + 2, t.y->GetBoundingBox().Y + 2, false,
                                  false, false);
  t.root.Dispatch(right);
  EXPECT_EQ(t.group->GetValue(), 3);
}

TEST_F(RadioGroups, AssertionsOnIndexes) {
  Group empty;
  EXPECT_TRUE(
      FailedOn(AssertionFailureOf([&] { empty.GetValue(); }), "SelectedButtonIndex < NumButtons"));
  RadioTree t(true);
  struct Case {
    std::function<void()> call;
    const char* text;
  } cases[] = {
      {[&] { t.group->SetValue(4); }, "Index < NumButtons"},
      {[&] { t.group->SetValue(-1); }, "Index < NumButtons"},
      {[&] { t.group->SetSelectedButton(7, true); }, "NewSelectedButtonIndex < NumButtons"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string failure = AssertionFailureOf(c.call);
    EXPECT_TRUE(FailedOn(failure, c.text)) << failure;
    EXPECT_NE(failure.find("ZQF_ExclusiveAlternativeControlGroupGlyph"), std::string::npos);
    EXPECT_EQ(t.group->GetValue(), 0);
  }
}

TEST_F(RadioGroups, MarkerLivesFromStageOneToStageThirteen) {
  EXPECT_NE(Group::ShareNextClient, nullptr);
  RunStages(8, 13);
  EXPECT_EQ(Group::ShareNextClient, nullptr);
  ASSERT_EQ(RunStages(1, 7).failedStage, 0);
  EXPECT_NE(Group::ShareNextClient, nullptr);
}

}  // namespace
