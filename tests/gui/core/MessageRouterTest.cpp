#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GlyphTestSupport.h"
#include "ZQF_MessageHook.h"
#include "ZQF_StandardCommandMessage.h"

namespace {

class TestGenericMessage : public ZQF_GenericMessage {};

ZQF_DownKeyMessage Key(unsigned char Code = 'K') { return ZQF_DownKeyMessage(Code, false, false, false); }

TEST(MessageRouting, EachRouterVisitsTheTreeInItsOrder) {
  struct Case {
    const char* name;
    std::function<void(ThreeLevelTree&)> dispatch;
    std::string visits;
  };
  const std::vector<Case> cases = {
      {"focus path", [](ThreeLevelTree& t) { auto m = Key(); t.Root->Dispatch(m); },
       "root.Key1 a.Key1 a1.Key1 a1.Key2 a.Key2 root.Key2"},
      {"standard, up then down",
       [](ThreeLevelTree& t) { ZQF_StandardNotificationMessage m; t.A1->Dispatch(m); },
       "a1.Notification1 a.Notification1 root.Notification1 root.Notification2 a.Notification2 "
       "a1.Notification2"},
      {"mouse, under the point", [](ThreeLevelTree& t) {
         ZQF_LeftDownMouseMessage m(75, 75, false, false, false);
         t.Root->Dispatch(m);
       }, "root.LeftDown1 b.LeftDown1 b2.LeftDown1 b2.LeftDown2 b.LeftDown2 root.LeftDown2"},
      {"depth first, never the start glyph", [](ThreeLevelTree& t) {
         TestGenericMessage m;
         t.Root->Dispatch(m, ZQF_GetDepthFirstRouter(false));
       }, "a.Generic1 a1.Generic1 a2.Generic1 b.Generic1 b1.Generic1 b2.Generic1 b2.Generic2 "
          "b1.Generic2 b.Generic2 a2.Generic2 a1.Generic2 a.Generic2"},
      {"single glyph", [](ThreeLevelTree& t) {
         TestGenericMessage m;
         t.B->Dispatch(m, ZQF_GetSingleGlyphRouter());
       }, "b.Generic1 b.Generic2"},
      {"explicit router overrides the default", [](ThreeLevelTree& t) {
         auto m = Key();
         t.A1->Dispatch(m, ZQF_GetStandardRouter());
       }, "a1.Key1 a.Key1 root.Key1 root.Key2 a.Key2 a1.Key2"},
      {"skip-hidden focus path stops at an empty box", [](ThreeLevelTree& t) {
         t.A->SetBox(0, 0, 0, 100);
         auto m = Key();
         t.Root->Dispatch(m);
       }, "root.Key1 root.Key2"},
      {"focus change passes empty boxes", [](ThreeLevelTree& t) {
         t.A->SetBox(0, 0, 0, 100);
         ZQF_FocusChangeMessage m(1, 1);
         t.Root->Dispatch(m);
       }, "root.Focus1 a.Focus1 a1.Focus1 a1.Focus2 a.Focus2 root.Focus2"},
      {"skip-hidden route from a hidden glyph", [](ThreeLevelTree& t) {
         t.A->SetBox(0, 0, 0, 100);
         auto m = Key();
         t.A1->Dispatch(m);
       }, ""},
      {"depth first skips hidden subtrees", [](ThreeLevelTree& t) {
         t.B->SetBox(50, 0, 50, 0);
         TestGenericMessage m;
         t.Root->Dispatch(m, ZQF_GetDepthFirstRouter(true));
       }, "a.Generic1 a1.Generic1 a2.Generic1 a2.Generic2 a1.Generic2 a.Generic2"},
      {"depth first from a leaf", [](ThreeLevelTree& t) {
         TestGenericMessage m;
         t.A1->Dispatch(m, ZQF_GetDepthFirstRouter(false));
       }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VisitLog log;
    ThreeLevelTree tree(&log);
    c.dispatch(tree);
    EXPECT_EQ(Joined(log), c.visits);
  }
}

TEST(MessageRouting, FirstHandlerEndsTheRoute) {
  struct Case {
    const char* handler;
    int handlerTry;
    std::string visits;
  };
  const std::vector<Case> cases = {
      {"a", 1, "root.Key1 a.Key1"},
      {"a1", 2, "root.Key1 a.Key1 a1.Key1 a1.Key2"},
      {"root", 2, "root.Key1 a.Key1 a1.Key1 a1.Key2 a.Key2 root.Key2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.handler);
    VisitLog log;
    ThreeLevelTree tree(&log);
    RecordingGlyph* handler = c.handler == std::string("a") ? tree.A
                              : c.handler == std::string("a1") ? tree.A1 : tree.Root.get();
    handler->HandleOn("Key", c.handlerTry);
    auto m = Key();
    tree.Root->Dispatch(m);
    EXPECT_EQ(Joined(log), c.visits);
    EXPECT_EQ(m.GetHandlingGlyph(), handler);
    EXPECT_EQ(m.GetDispatchingGlyph(), tree.Root.get());
  }
}

TEST(MessageRouting, HandlingHookKeepsEveryGlyphOut) {
  VisitLog log;
  ThreeLevelTree tree(&log);
  const unsigned long key = ZQF_InstallStandardMessageHook(
      ZQF_StandardMessageHookCallback([](ZQF_Message& m) { m.SetHandled(); }), 0);
  auto m = Key();
  tree.Root->Dispatch(m);
  ZQF_UninstallStandardMessageHooks(key);
  EXPECT_TRUE(m.IsHandled());
  EXPECT_EQ(Joined(log), "");
}

TEST(MessageRouting, AlternativePathsBelowMarkedGlyphs) {
  struct Case {
    const char* name;
    bool marked;
    bool focusChange;
    const char* handledBy;  // a glyph claiming on its second try, or ""
    std::string visits;
  };
  const std::vector<Case> cases = {
      {"other children each down their path", true, false, "",
       "root.Command1 a.Command1 a1.Command1 a1.Command2 a.Command2 a2.Command1 a2.Command2 "
       "root.Command2 b.Command1 b1.Command1 b1.Command2 b.Command2"},
      {"ends at the first alternative handler", true, false, "a2",
       "root.Command1 a.Command1 a1.Command1 a1.Command2 a.Command2 a2.Command1 a2.Command2"},
      {"never for focus changes", true, true, "",
       "root.Focus1 a.Focus1 a1.Focus1 a1.Focus2 a.Focus2 root.Focus2"},
      {"never without the marker", false, false, "",
       "root.Command1 a.Command1 a1.Command1 a1.Command2 a.Command2 root.Command2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VisitLog log;
    ThreeLevelTree tree(&log, [&c](const std::string& name, VisitLog* l) -> RecordingGlyph* {
      if (c.marked && (name == "a" || name == "root")) return new AlternativePathsGlyph(name, l);
      return new RecordingGlyph(name, l);
    });
    if (*c.handledBy) tree.A2->HandleOn(c.focusChange ? "Focus" : "Command", 2);
    if (c.focusChange) {
      ZQF_FocusChangeMessage m(1, 1);
      tree.Root->Dispatch(m);
    } else {
      ZQF_CutCommandMessage m;
      tree.Root->Dispatch(m);
      if (*c.handledBy) {
        EXPECT_EQ(m.GetHandlingGlyph(), tree.A2);
      }
    }
    EXPECT_EQ(Joined(log), c.visits);
  }
}

TEST(MessageRouting, ForwardedRouteKeepsItsHandler) {
  VisitLog log;
  ThreeLevelTree tree(&log);
  tree.B1->HandleOn("Key", 1);
  tree.A->OnOffer = [&tree](ZQF_Message& m, bool secondTry) {
    if (!secondTry) tree.B1->Forward(m, ZQF_GetSingleGlyphRouter());
  };
  auto m = Key();
  tree.Root->Dispatch(m);
  EXPECT_EQ(Joined(log), "root.Key1 a.Key1 b1.Key1");
  EXPECT_EQ(m.GetHandlingGlyph(), tree.B1);
}

TEST(MessageRouting, NestedMouseDispatchDoesNotSteerTheOuterDescent) {
  VisitLog log;
  ThreeLevelTree tree(&log);
  VisitLog inner;
  tree.Root->OnOffer = [&tree, &inner](ZQF_Message& m, bool secondTry) {
    if (secondTry || !dynamic_cast<ZQF_LeftDownMouseMessage*>(&m)) return;
    ZQF_MoveMouseMessage nested(10, 10, false, false, false);
    tree.Root->Dispatch(nested);
  };
  ZQF_LeftDownMouseMessage m(75, 75, false, false, false);
  tree.Root->Dispatch(m);
  VisitLog outer;
  for (const std::string& visit : log) {
    if (visit.find("LeftDown") != std::string::npos) outer.push_back(visit);
  }
  EXPECT_EQ(Joined(outer),
            "root.LeftDown1 b.LeftDown1 b2.LeftDown1 b2.LeftDown2 b.LeftDown2 root.LeftDown2");
}

TEST(Messages, HandlingRules) {
  RecordingGlyph first("first", nullptr);
  RecordingGlyph second("second", nullptr);
  auto m = Key();
  m.SetHandled();
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { m.SetHandled(); }), "not Handled"));
  m.SetHandlingGlyph(&first);
  m.SetHandlingGlyph(&second);
  EXPECT_EQ(m.GetHandlingGlyph(), &first);

  auto unhandled = Key();
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { unhandled.GetHandlingGlyph(); }), "Handled"));
  first.Dispatch(unhandled);
  const unsigned long serial = unhandled.GetSerialNumber();
  unhandled.Reset();
  first.Dispatch(unhandled);
  EXPECT_EQ(unhandled.GetSerialNumber(), serial + 1);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { first.Dispatch(unhandled); }),
                       "DispatchingGlyph == NULL"));
}

TEST(Messages, UpdateQueriesStartUnanswered) {
  RecordingGlyph glyph("g", nullptr);
  ZQF_StandardToggleCommandUpdateMessage query;
  glyph.Dispatch(query);
  EXPECT_FALSE(query.IsHandled() || query.IsEnabled() || query.IsChecked());
  query.SetEnabled(true);
  query.SetChecked(true);
  query.SetHandled();
  query.Reset();
  EXPECT_FALSE(query.IsHandled() || query.IsEnabled() || query.IsChecked());
  glyph.Dispatch(query);  // dispatchable again
}

TEST(Messages, ModifierKeyWishes) {
  struct Case {
    bool shift, control, alt;
    bool matches;
  };
  const std::vector<Case> cases = {
      {false, true, false, true}, {true, true, false, true}, {false, true, true, false},
      {false, false, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.shift) + std::to_string(c.control) + std::to_string(c.alt));
    EXPECT_EQ(ZQF_DownKeyMessage('A', c.shift, c.control, c.alt).MatchesModifierKeys(2, 1, 0),
              c.matches);
    EXPECT_EQ(ZQF_LeftUpMouseMessage(0, 0, c.shift, c.control, c.alt).MatchesModifierKeys(2, 1, 0),
              c.matches);
  }
}

TEST(Messages, HelpMessageCollectsTopicsInRouteOrder) {
  VisitLog log;
  ThreeLevelTree tree(&log);
  tree.Root->AddHelpTopic("root", 0);
  tree.A->AppendHelpTopics("a;extra,5");
  tree.A1->AppendHelpTopics("leaf,x,-3;plus,+;;tail,");
  ZQF_KeyHelpMessage m;
  tree.Root->Dispatch(m);
  EXPECT_FALSE(m.IsHandled());
  std::string topics;
  for (ZQ_ReadOnlyIterator<ZQF_Help_TopicType> t = m.GetTopics(); t.IsValid(); t.Advance()) {
    topics += std::string(t->Name.GetText()) + "=" + std::to_string(t->Priority) + " ";
  }
  EXPECT_EQ(topics, "root=0 a=0 extra=5 leaf=-3 plus=-9999 =0 tail=0 ");
}

}  // namespace
