// Headless tests of the button-command adaptor and the button-building
// helpers, the idle queue pumped by hand.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../core/GuiStageTestSupport.h"
#include "ButtonTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_AddButton.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ButtonCommandAdaptorGlyph.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_StandardTextButtonGlyph.h"

namespace {

using B = ZQF_ButtonGlyph;
using Adaptor = ZQF_ButtonCommandAdaptorGlyph;

class TestCommandMessage : public ZQF_StandardCommandMessage {};
class TestUpdateMessage : public ZQF_StandardCommandUpdateMessage {};
class TestToggleUpdateMessage : public ZQF_StandardToggleCommandUpdateMessage {};

class ButtonCommandAdaptor : public GuiStageTest {};

void RunIdleActions() {
  ZQF_ActionQueue::ResetIdleCycle();
  while (ZQF_ActionQueue::ProcessNextAction()) {
  }
}

// Answers the test command's update (when Answering) and claims the command,
// logging "C"; logs any notification that reaches it as "N".
struct CommandAnswer {
  bool answering = false;
  bool enabled = true;
  bool checked = false;
  VisitLog* log = nullptr;

  void operator()(ZQF_Message& Message, bool SecondTry) const {
    if (SecondTry) return;
    if (dynamic_cast<TestCommandMessage*>(&Message)) {
      log->push_back("C");
      Message.SetHandled();
    } else if (auto* update = dynamic_cast<ZQF_StandardCommandUpdateMessage*>(&Message)) {
      if (!answering) return;
      update->SetEnabled(enabled);
      if (auto* toggle = dynamic_cast<ZQF_StandardToggleCommandUpdateMessage*>(update)) {
        toggle->SetChecked(checked);
      }
      update->SetHandled();
    } else if (dynamic_cast<ZQF_NotificationMessage*>(&Message)) {
      log->push_back("N");
    }
  }
};

// root (0, 0, 100, 100)
//   adaptor around the button (10, 10, 40, 20)
//   sibling (60, 10, 30, 20), the focus child at first
// Either the root or the sibling answers the command.
struct AdaptorRig {
  AdaptorRig(B* Button, ZQF_StandardCommandUpdateMessage* Update, long Mode, bool SiblingAnswers)
      : Root(new RecordingGlyph("root", nullptr)), Button(Button) {
    Answer.log = &Log;
    Adaptor = new ZQF_ButtonCommandAdaptorGlyph(
        Button, std::make_unique<TestCommandMessage>(),
        std::unique_ptr<ZQF_StandardCommandUpdateMessage>(Update), Mode);
    auto* sibling = new RecordingGlyph("sibling", nullptr);
    Root->SetBox(0, 0, 100, 100);
    Root->AddChild(sibling, true);
    Root->AddChild(Adaptor, true);
    Root->LayoutChild(Adaptor, ZQ_Rectangle<long>(10, 10, 40, 20));
    sibling->SetBox(60, 10, 30, 20);
    (SiblingAnswers ? sibling : Root.get())->OnOffer = [this](ZQF_Message& M, bool S) {
      Answer(M, S);
    };
  }
  // d left down, u left up, over the button.
  void Mouse(char Step) {
    ZQF_LeftDownMouseMessage down(30, 20, false, false, false);
    ZQF_LeftUpMouseMessage up(30, 20, false, false, false);
    ZQF_Message& message = Step == 'd' ? static_cast<ZQF_Message&>(down) : up;
    ZQF_Glyph* capturing = ZQF_Window::GetCapturingGlyph();
    (capturing ? capturing : Root.get())->Dispatch(message);
  }

  VisitLog Log;
  CommandAnswer Answer;
  std::unique_ptr<RecordingGlyph> Root;
  B* Button;
  Adaptor* Adaptor;
};

TEST_F(ButtonCommandAdaptor, IdleUpdatesEnableAndDisable) {
  AdaptorRig rig(new B(B::ToggleMode_OneState, B::State_Up, 0), new TestUpdateMessage, 0, true);
  RunIdleActions();
  EXPECT_FALSE(rig.Button->IsEnabled());  // nobody answers: greyed
  rig.Answer.answering = true;
  RunIdleActions();
  EXPECT_TRUE(rig.Button->IsEnabled());
  rig.Answer.enabled = false;
  RunIdleActions();
  EXPECT_FALSE(rig.Button->IsEnabled());
  RunIdleActions();  // every idle cycle asks again
  rig.Answer.enabled = true;
  RunIdleActions();
  EXPECT_TRUE(rig.Button->IsEnabled());
  EXPECT_EQ(Joined(rig.Log), "");
}

TEST_F(ButtonCommandAdaptor, ToggleButtonFollowsTheCheckedAnswerSilently) {
  AdaptorRig rig(new B(B::ToggleMode_TwoState, B::State_Up, 0), new TestToggleUpdateMessage, 0,
                 true);
  rig.Answer.answering = true;
  for (bool checked : {true, true, false}) {
    rig.Answer.checked = checked;
    RunIdleActions();
    EXPECT_EQ(rig.Button->GetState(), checked ? B::State_Down : B::State_Up);
  }
  EXPECT_EQ(Joined(rig.Log), "");  // no notification left the adaptor
}

TEST_F(ButtonCommandAdaptor, ClicksDispatchOneCommandByTheMode) {
  struct Case {
    const char* why;
    long mode;
    bool siblingAnswers;
    bool enabled;  // after the idle update
    std::string log;
  };
  const std::vector<Case> cases = {
      // The press puts the button on the focus path, under the root.
      {"mode 0: down the focus path from the root", 0, false, true, "C"},
      {"mode 1: up the button's parents", 1, false, true, "C"},
      {"mode 1 never reaches the focused sibling: greyed, no click", 1, true, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    AdaptorRig rig(new B(B::ToggleMode_OneState, B::State_Up, 0), new TestUpdateMessage, c.mode,
                   c.siblingAnswers);
    rig.Answer.answering = true;
    RunIdleActions();
    EXPECT_EQ(rig.Button->IsEnabled(), c.enabled);
    rig.Mouse('d');
    rig.Mouse('u');
    // Neither the down nor the up notification got past the adaptor.
    EXPECT_EQ(Joined(rig.Log), c.log);
  }
}

TEST_F(ButtonCommandAdaptor, ButtonDisabledWhileHeldSendsNoCommand) {
  AdaptorRig rig(new B(B::ToggleMode_OneState, B::State_Up, 0), new TestUpdateMessage, 0, true);
  rig.Answer.answering = true;
  RunIdleActions();
  rig.Mouse('d');
  rig.Answer.enabled = false;
  RunIdleActions();
  ASSERT_FALSE(rig.Button->IsEnabled());
  rig.Mouse('u');
  EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
  EXPECT_FALSE(rig.Button->IsPressedLook());
  EXPECT_EQ(Joined(rig.Log), "");
}

TEST_F(ButtonCommandAdaptor, Assertions) {
  const auto make = [](int toggle, ZQF_StandardCommandUpdateMessage* update) {
    return AssertionFailureOf([&] {
      Adaptor adaptor(new B(toggle, B::State_Up, 0), std::make_unique<TestCommandMessage>(),
                      std::unique_ptr<ZQF_StandardCommandUpdateMessage>(update), 0);
    });
  };
  EXPECT_TRUE(FailedOn(make(B::ToggleMode_OneState, new TestToggleUpdateMessage),
                       "aClientButton->GetToggleMode() == ZQF_ButtonGlyph::ToggleMode_TwoState"));
  EXPECT_TRUE(FailedOn(make(B::ToggleMode_TwoState, new TestUpdateMessage),
                       "aClientButton->GetToggleMode() == ZQF_ButtonGlyph::ToggleMode_OneState"));
  EXPECT_EQ(ZQF_ActionQueue::GetNumEntries(), 2);  // nothing queued by the failures
  AdaptorRig rig(new B(B::ToggleMode_OneState, B::State_Up, 0), new TestUpdateMessage, 2, true);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { rig.Adaptor->Update(); }), "false"));
}

TEST_F(ButtonCommandAdaptor, DestroyedAdaptorLeavesTheIdleQueue) {
  auto rig = std::make_unique<AdaptorRig>(new B(B::ToggleMode_OneState, B::State_Up, 0),
                                          new TestUpdateMessage, 0, true);
  EXPECT_EQ(ZQF_ActionQueue::GetNumEntries(), 3);
  rig.reset();
  RunIdleActions();  // would update a freed adaptor
  EXPECT_EQ(ZQF_ActionQueue::GetNumEntries(), 2);
}

// root -> column -> [holder, ...]: the holder, the column's focus child,
// answers the test command.
struct ButtonColumn {
  ButtonColumn() {
    Answer.log = &Log;
    Answer.answering = true;
    Root->AddChild(Column, true);
    Column->AddToBottom(Holder);
    Holder->OnOffer = [this](ZQF_Message& M, bool S) { Answer(M, S); };
  }
  // Lays the tree out and runs one idle cycle.
  void Settle() {
    LayOut(*Root, Box(0, 0, 200, 100));
    RunIdleActions();
  }
  VisitLog Log;
  CommandAnswer Answer;
  std::unique_ptr<StackGlyph> Root{new StackGlyph("root", nullptr)};
  ZQF_ColumnGlyph* Column = new ZQF_ColumnGlyph;
  SizedGlyph* Holder = new SizedGlyph(10, 10);
};

TEST_F(ButtonCommandAdaptor, AddButtonSetsToggleModeHelpAndDispatchMode) {
  struct Case {
    const char* why;
    int toggleBefore;
    bool toggleUpdate;
    bool alongFocusPath;  // only then does the update reach the holder
    int toggleAfter;
  };
  const std::vector<Case> cases = {
      {"a plain update: one-state, along the focus path", B::ToggleMode_TwoState, false, true,
       B::ToggleMode_OneState},
      {"a toggle update: two-state, up the parents", B::ToggleMode_OneState, true, false,
       B::ToggleMode_TwoState},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ButtonColumn tree;
    auto* button = new ZQF_StandardTextButtonGlyph("OK", c.toggleBefore, B::State_Up);
    std::unique_ptr<ZQF_StandardCommandUpdateMessage> update(new TestUpdateMessage);
    if (c.toggleUpdate) update.reset(new TestToggleUpdateMessage);
    Util_AddButton(tree.Column, button, std::make_unique<TestCommandMessage>(), std::move(update),
                   "Buttons", c.alongFocusPath);
    EXPECT_EQ(button->GetToggleMode(), c.toggleAfter);
    EXPECT_EQ(button->GetHelpTopics(), ZQ_String("Buttons"));
    ASSERT_NE(dynamic_cast<Adaptor*>(button->GetParent()), nullptr);
    EXPECT_EQ(button->GetParent()->GetParent(), tree.Column);
    tree.Settle();
    EXPECT_EQ(button->IsEnabled(), c.alongFocusPath);
  }
}

TEST_F(ButtonCommandAdaptor, AddBitmapButtonRepeatsCommandsOnRequest) {
  for (bool autorepeat : {true, false}) {
    SCOPED_TRACE(autorepeat);
    ButtonColumn tree;
    ZQF_StandardBitmapButtonGlyph* button = Util_AddBitmapButton(
        tree.Column, "ZQTEST_PlusButtonBitmap", std::make_unique<TestCommandMessage>(),
        std::make_unique<TestUpdateMessage>(), "Add a row", ZQ_String(), true, autorepeat);
    EXPECT_EQ(button->GetParent()->GetParent(), tree.Column);
    EXPECT_EQ(button->GetTooltipText(), ZQ_String("Add a row"));
    EXPECT_EQ(button->GetHelpTopics(), ZQ_String());
    tree.Settle();
    ASSERT_TRUE(button->IsEnabled());
    button->AutorepeatTick();  // a command per tick in mode 2, none in mode 0
    EXPECT_EQ(Joined(tree.Log), autorepeat ? "C" : "");
  }
}

}  // namespace
