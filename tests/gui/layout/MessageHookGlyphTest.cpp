#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../core/GlyphTestSupport.h"
#include "ZQF_MessageHookGlyph.h"
#include "ZQ_Exception.h"

namespace {

using Hook = ZQF_MessageHookGlyph;

// root -> hook glyph -> leaf, the leaf on the focus path. Glyphs and hooks
// log into one log ("hook<name>"); OnCall runs after a hook logged.
struct HookTree {
  struct Logger {
    HookTree* tree;
    std::string name;
    void Call(ZQF_Message& m, bool) {
      tree->log.push_back("hook" + name);
      if (tree->onCall) tree->onCall(name, m);
    }
  };
  VisitLog log;
  std::function<void(const std::string&, ZQF_Message&)> onCall;
  std::vector<std::unique_ptr<Logger>> loggers;
  std::unique_ptr<RecordingGlyph> root{new RecordingGlyph("root", &log)};
  Hook* hook = new Hook(new RecordingGlyph("leaf", &log));

  HookTree() {
    root->AddChild(hook, true);
    root->SetBox(0, 0, 100, 100);  // the focus path skips empty boxes
    root->LayoutChild(hook, root->GetLocalBoundingBox());
  }
  void Install(const std::string& name, unsigned long mask) {
    loggers.emplace_back(new Logger{this, name});
    hook->InstallMessageHook(Hook::HookCallback(loggers.back().get(), &Logger::Call), mask, 0);
  }
};

TEST(MessageHookGlyph, RoutedMessagesMeetTheHooksFirstOnEachTry) {
  struct Case {
    const char* why;
    std::vector<std::pair<const char*, unsigned long>> installed;  // in order
    std::string claimer;
    bool key;          // a key message instead of a command
    bool installsNew;  // the first call installs hook "New"
    std::string route;
  };
  const std::vector<Case> cases = {
      {"newest first, on both tries", {{"A", 0x800}, {"B", 0x800}}, "", false, false,
       "root.Command1 hookB hookA leaf.Command1 leaf.Command2 hookB hookA root.Command2"},
      {"a claim ends the walk and the route", {{"A", 0x800}, {"B", 0x800}}, "B", false, false,
       "root.Command1 hookB"},
      {"outside the union mask: transparent", {{"U", 0x2000}}, "", false, false,
       "root.Command1 leaf.Command1 leaf.Command2 root.Command2"},
      {"a command hook sees no key beside a key hook", {{"K", 0x1}, {"C", 0x2800}}, "", true,
       false, "root.Key1 hookK leaf.Key1 leaf.Key2 hookK root.Key2"},
      {"a hook installed in a walk waits for the next", {{"A", 0x800}}, "", false, true,
       "root.Command1 hookA leaf.Command1 leaf.Command2 hookNew hookA root.Command2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    HookTree tree;
    for (const auto& h : c.installed) tree.Install(h.first, h.second);
    tree.onCall = [&](const std::string& name, ZQF_Message& m) {
      if (name == c.claimer) m.SetHandled();
      if (c.installsNew && tree.loggers.size() == 1) tree.Install("New", 0x800);
    };
    ZQF_CommandMessage command;
    ZQF_DownKeyMessage key('A', false, false, false);
    tree.root->Dispatch(c.key ? static_cast<ZQF_Message&>(key) : command);
    EXPECT_EQ(Joined(tree.log), c.route);
  }
}

// A hook that walks the hooks again until its limit, where it may throw.
struct NestingHook {
  Hook* glyph;
  int depth, limit;
  bool throwing;
  void Call(ZQF_Message& m, bool secondTry) {
    if (++depth < limit) return glyph->ProcessMessageHooks(m, secondTry, Hook::Interest_Command);
    if (throwing) throw ZQ_Exception("Hook", "failed");
  }
};

TEST(MessageHookGlyph, NinthNestedWalkFailsAndThrowingHooksGiveTheirWalkBack) {
  Hook glyph(new RecordingGlyph("leaf", nullptr));
  NestingHook hook{&glyph, 0, 0, false};
  glyph.InstallMessageHook(Hook::HookCallback(&hook, &NestingHook::Call), 0x800, 0);
  const auto walk = [&](int limit, bool throwing) {
    hook = NestingHook{&glyph, 0, limit, throwing};
    ZQF_CommandMessage m;
    return ExceptionNameOf([&] { glyph.HandleCommand(m, false); });
  };
  const std::string ninth = walk(9, false);
  EXPECT_TRUE(FailedOn(ninth, "NumActiveHookCursors < MaxNumActiveHookCursors")) << ninth;
  EXPECT_NE(ninth.find("ZQF_MessageHookGlyph"), std::string::npos) << ninth;
  EXPECT_EQ(hook.depth, 8);
  // Every walk was given back, also by a throwing hook: eight fit again.
  EXPECT_EQ(walk(8, true), "Hook");
  EXPECT_EQ(walk(8, false), "");
  EXPECT_EQ(hook.depth, 8);
}

}  // namespace
