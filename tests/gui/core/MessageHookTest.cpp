#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GlyphTestSupport.h"
#include "GuiStageTestSupport.h"
#include "ZQF_MessageHook.h"

namespace {

class TestMessage : public ZQF_GenericMessage {};

// Standard hooks that log their name and may act on the running pass.
struct HookPass {
  std::vector<std::string> visits;
  std::vector<unsigned long> keys;
  std::function<void(const std::string&)> action;

  struct Hook {
    HookPass* pass;
    std::string name;
    void Call(ZQF_Message&) {
      pass->visits.push_back(name);
      if (pass->action) pass->action(name);
    }
  };
  std::vector<std::unique_ptr<Hook>> hooks;

  unsigned long Install(const std::string& name, unsigned long ownerKey = 0) {
    hooks.emplace_back(new Hook{this, name});
    keys.push_back(ZQF_InstallStandardMessageHook(
        ZQF_StandardMessageHookCallback(hooks.back().get(), &Hook::Call), ownerKey));
    return keys.back();
  }
  std::string Run() {
    visits.clear();
    TestMessage m;
    ZQF_ProcessStandardMessageHooks(m);
    std::string text;
    for (const std::string& v : visits) text += v;
    return text;
  }
  ~HookPass() {
    for (unsigned long key : keys) ZQF_UninstallStandardMessageHooks(key);
  }
};

TEST(MessageHooks, RemovalDuringAPass) {
  struct Case {
    const char* name;
    const char* removedBy;
    const char* removed;
    std::string firstPass;
    std::string secondPass;
  };
  // Installed 1, 2, 3: the pass visits 3, 2, 1.
  const std::vector<Case> cases = {
      {"the next record", "3", "2", "31", "31"},
      {"the running record", "2", "2", "321", "31"},
      {"a record already passed", "2", "3", "321", "21"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HookPass pass;
    for (const char* name : {"1", "2", "3"}) pass.Install(name);
    pass.action = [&](const std::string& running) {
      if (running == c.removedBy) ZQF_UninstallStandardMessageHooks(pass.keys[std::stoi(c.removed) - 1]);
    };
    EXPECT_EQ(pass.Run(), c.firstPass);
    pass.action = nullptr;
    EXPECT_EQ(pass.Run(), c.secondPass);
  }
}

TEST(MessageHooks, OwnerKeys) {
  HookPass pass;
  const unsigned long first = pass.Install("a");
  const unsigned long second = pass.Install("b");
  EXPECT_NE(first, second);
  pass.Install("c", 77);
  pass.Install("d", 77);
  ZQF_UninstallStandardMessageHooks(77);
  ZQF_UninstallStandardMessageHooks(first);
  EXPECT_EQ(pass.Run(), "b");
}

TEST(MessageHooks, FirstHandlingStandardHookEndsThePass) {
  HookPass pass;
  pass.Install("1");
  pass.Install("2");
  pass.Install("3");
  std::vector<std::string> seen;
  TestMessage m;
  pass.action = [&m](const std::string& name) {
    if (name == "2") m.SetHandled();
  };
  ZQF_ProcessStandardMessageHooks(m);
  EXPECT_EQ(pass.visits, (std::vector<std::string>{"3", "2"}));
}

// A standard hook that processes the hooks again, Depth passes deep.
struct NestingHook {
  int depth = 0;
  int limit = 0;
  void Call(ZQF_Message& m) {
    if (++depth < limit) ZQF_ProcessStandardMessageHooks(m);
  }
};

TEST(MessageHooks, NinthNestedPassFailsBeforeRegistering) {
  NestingHook hook;
  const unsigned long key = ZQF_InstallStandardMessageHook(
      ZQF_StandardMessageHookCallback(&hook, &NestingHook::Call), 0);
  TestMessage m;
  hook.limit = 9;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { ZQF_ProcessStandardMessageHooks(m); }),
                       "NumActiveHookCursors < MaxNumActiveHookCursors"));
  EXPECT_EQ(hook.depth, 8);
  // Every cursor was given back on the way out: eight passes fit again.
  hook.depth = 0;
  hook.limit = 8;
  EXPECT_EQ(AssertionFailureOf([&] { ZQF_ProcessStandardMessageHooks(m); }), "");
  ZQF_UninstallStandardMessageHooks(key);
}

void SetHandledByte(const ZQF_RawMessageRecord&, bool& handled) { handled = true; }
void ClearHandledByte(const ZQF_RawMessageRecord&, bool& handled) { handled = false; }
int s_rawCalls = 0;
void CountRawCall(const ZQF_RawMessageRecord&, bool&) { ++s_rawCalls; }

TEST(MessageHooks, RawHooksAllRunAndAnyClaimSwallows) {
  const ZQF_RawMessageRecord record{nullptr, WM_KEYDOWN, 0, 0};
  EXPECT_FALSE(ZQF_AreRawHooksInstalled());
  EXPECT_FALSE(ZQF_ProcessRawHooks(record));
  s_rawCalls = 0;
  // Run order: clear, set, count: the later clear does not undo the claim.
  const unsigned long key = ZQF_InstallRawHook(ZQF_RawHookCallback(&CountRawCall), 5);
  ZQF_InstallRawHook(ZQF_RawHookCallback(&SetHandledByte), 5);
  ZQF_InstallRawHook(ZQF_RawHookCallback(&ClearHandledByte), 5);
  EXPECT_TRUE(ZQF_ProcessRawHooks(record));
  EXPECT_EQ(s_rawCalls, 1);
  ZQF_UninstallRawHooks(key);
  EXPECT_FALSE(ZQF_AreRawHooksInstalled());
}

std::vector<ZQF_Glyph*> s_destroyed;
void RecordDestroyed(ZQF_Glyph* glyph) { s_destroyed.push_back(glyph); }

class GlyphActivityHooks : public StageSequenceTest {};

TEST_F(GlyphActivityHooks, ActFromStageTwoToStageTwelve) {
  ZQF_InstallGlyphActivityHook(ZQF_GlyphActivityHookCallback(&RecordDestroyed));
  s_destroyed.clear();
  ASSERT_EQ(RunStages(1, 7).failedStage, 0);
  RecordingGlyph* parent = new RecordingGlyph("p", nullptr);
  RecordingGlyph* child = new RecordingGlyph("c", nullptr);
  parent->AddChild(child, true);
  delete parent;
  EXPECT_EQ(s_destroyed, (std::vector<ZQF_Glyph*>{parent, child}));  // the parent first
  RunStages(8, 13);
  delete new RecordingGlyph("late", nullptr);
  EXPECT_EQ(s_destroyed.size(), 2u);
}

class StageMessageHooks : public GuiStageTest {};

TEST_F(StageMessageHooks, StageTwelveFreesTheLists) {
  ZQF_InstallRawHook(ZQF_RawHookCallback(&CountRawCall), 0);
  ZQF_InstallStandardMessageHook(ZQF_StandardMessageHookCallback(
      [](ZQF_Message& m) { m.SetHandled(); }), 0);
  RunStages(8, 13);
  EXPECT_FALSE(ZQF_AreRawHooksInstalled());
  TestMessage m;
  ZQF_ProcessStandardMessageHooks(m);
  EXPECT_FALSE(m.IsHandled());
  ASSERT_EQ(RunStages(1, 7).failedStage, 0);  // for the fixture's closing stages
}

}  // namespace
