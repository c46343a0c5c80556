#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../core/GlyphTestSupport.h"
#include "ZQF_MessageHookGlyph.h"
#include "ZQ_Exception.h"

namespace {

using Hook = ZQF_MessageHookGlyph;

// Hooks that log "<name><try>" and may act on the message they see.
struct HookSet {
  struct Logger {
    HookSet* set;
    std::string name;
    void Call(ZQF_Message& m, bool secondTry) {
      set->log.push_back(name + (secondTry ? "2" : "1"));
      if (set->action) set->action(name, m);
    }
  };
  VisitLog log;
  std::function<void(const std::string&, ZQF_Message&)> action;
  std::vector<std::unique_ptr<Logger>> loggers;

  void Install(Hook& glyph, const std::string& name, unsigned long mask) {
    loggers.emplace_back(new Logger{this, name});
    glyph.InstallMessageHook(Hook::HookCallback(loggers.back().get(), &Logger::Call), mask, 0);
  }
};

// root -> hook glyph -> leaf, the leaf on the focus path. Hooks and
// glyphs log into one log; the hook named Claimer marks what it sees handled.
struct HookTree {
  VisitLog log;
  std::unique_ptr<RecordingGlyph> root{new RecordingGlyph("root", &log)};
  Hook* hook = new Hook(new RecordingGlyph("leaf", &log));
  HookSet hooks;
  std::string claimer;

  HookTree() {
    root->AddChild(hook, true);
    // The focus path skips glyphs with empty boxes.
    root->SetBox(0, 0, 100, 100);
    root->LayoutChild(hook, root->GetLocalBoundingBox());
    hooks.action = [this](const std::string& name, ZQF_Message& m) {
      log.push_back("hook" + name);
      if (name == claimer) m.SetHandled();
    };
  }
};

TEST(MessageHookGlyph, HandlersOfferOnlyTheirInterest) {
  ZQF_DownKeyMessage keyDown(65, false, false, false);
  ZQF_UpKeyMessage keyUp(65, false, false, false);
  ZQF_LeftDownMouseMessage leftDown(0, 0, false, false, false);
  ZQF_LeftDoubleClickMouseMessage leftDouble(0, 0, false, false, false);
  ZQF_LeftUpMouseMessage leftUp(0, 0, false, false, false);
  ZQF_RightDownMouseMessage rightDown(0, 0, false, false, false);
  ZQF_RightDoubleClickMouseMessage rightDouble(0, 0, false, false, false);
  ZQF_RightUpMouseMessage rightUp(0, 0, false, false, false);
  ZQF_MoveMouseMessage move(0, 0, false, false, false);
  ZQF_SetCursorMouseMessage setCursor(0, 0, false, false, false);
  ZQF_FocusChangeMessage focus(1, 1);
  ZQF_CommandMessage command;
  ZQF_NotificationMessage notification;
  ZQF_UpdateMessage update;
  ZQF_GenericMessage generic;
  ZQF_MiddleDownMouseMessage middleDown(0, 0, false, false, false);
  ZQF_WheelMouseMessage wheel(0, 0, false, false, false, 1, 1);
  ZQF_KeyHelpMessage help;
  struct Case {
    const char* why;
    ZQF_Message* message;
    std::string seen;  // hooks are named after their bit
  };
  const std::vector<Case> cases = {
      {"key down", &keyDown, "1 all"},
      {"key up", &keyUp, "2 all"},
      {"left down", &leftDown, "4 all"},
      {"left double click", &leftDouble, "8 all"},
      {"left up", &leftUp, "10 all"},
      {"right down", &rightDown, "20 all"},
      {"right double click", &rightDouble, "40 all"},
      {"right up", &rightUp, "80 all"},
      {"move", &move, "100 all"},
      {"set cursor", &setCursor, "200 all"},
      {"focus change", &focus, "400 all"},
      {"command", &command, "800 all"},
      {"notification", &notification, "1000 all"},
      {"update", &update, "2000 all"},
      {"generic", &generic, "4000 all"},
      {"middle buttons are never hooked", &middleDown, ""},
      {"the wheel is never hooked", &wheel, ""},
      {"help is never hooked", &help, ""},
  };
  Hook glyph(new RecordingGlyph("leaf", nullptr));
  HookSet hooks;
  // Installed "all" first, so it runs after the one-bit hooks.
  hooks.Install(glyph, "all", Hook::Interest_All);
  for (unsigned long bit = 1; bit <= 0x4000; bit <<= 1) {
    char name[8];
    snprintf(name, sizeof name, "%lx", bit);
    hooks.Install(glyph, name, bit);
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    hooks.log.clear();
    c.message->CheckHandler(&glyph, false);
    std::string seen;
    for (std::string entry : hooks.log) {
      entry.pop_back();  // the try
      seen += (seen.empty() ? "" : " ") + entry;
    }
    EXPECT_EQ(seen, c.seen);
  }
}

TEST(MessageHookGlyph, RoutedMessagesMeetTheHooksFirstOnEachTry) {
  struct Case {
    const char* why;
    std::vector<std::pair<const char*, unsigned long>> installed;  // in order
    const char* claimer;
    bool key;  // a key message instead of a command
    std::string route;
  };
  const std::vector<Case> cases = {
      {"no hooks: the glyph is transparent", {}, "", false,
       "root.Command1 leaf.Command1 leaf.Command2 root.Command2"},
      {"newest first, on both tries", {{"A", 0x800}, {"B", 0x800}}, "", false,
       "root.Command1 hookB hookA leaf.Command1 leaf.Command2 hookB hookA root.Command2"},
      {"a claim ends the walk and the route", {{"A", 0x800}, {"B", 0x800}}, "B", false,
       "root.Command1 hookB"},
      {"an update-only hook stays silent", {{"U", 0x2000}}, "", false,
       "root.Command1 leaf.Command1 leaf.Command2 root.Command2"},
      {"a command hook sees no key beside a key hook", {{"K", 0x1}, {"C", 0x2800}}, "", true,
       "root.Key1 hookK leaf.Key1 leaf.Key2 hookK root.Key2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    HookTree tree;
    for (const auto& h : c.installed) tree.hooks.Install(*tree.hook, h.first, h.second);
    tree.claimer = c.claimer;
    ZQF_CommandMessage command;
    ZQF_DownKeyMessage key(65, false, false, false);
    tree.root->Dispatch(c.key ? static_cast<ZQF_Message&>(key) : command);
    EXPECT_EQ(Joined(tree.log), c.route);
  }
}

TEST(MessageHookGlyph, UnionMaskIsTheOrOfAllMasks) {
  Hook glyph(new RecordingGlyph("leaf", nullptr));
  HookSet hooks;
  hooks.Install(glyph, "k", Hook::Interest_Key);
  hooks.Install(glyph, "cu", Hook::Interest_Command | Hook::Interest_Update);
  EXPECT_EQ(glyph.GetUnionHookInterests(), 0x2801ul);
}

TEST(MessageHookGlyph, HookInstalledDuringAWalkWaitsForTheNext) {
  Hook glyph(new RecordingGlyph("leaf", nullptr));
  HookSet hooks;
  hooks.Install(glyph, "old", Hook::Interest_Command);
  hooks.action = [&](const std::string& name, ZQF_Message&) {
    if (name == "old" && hooks.loggers.size() == 1) hooks.Install(glyph, "new", Hook::Interest_Command);
  };
  ZQF_CommandMessage first;
  glyph.HandleCommand(first, false);
  EXPECT_EQ(Joined(hooks.log), "old1");
  hooks.log.clear();
  ZQF_CommandMessage second;
  glyph.HandleCommand(second, true);
  EXPECT_EQ(Joined(hooks.log), "new2 old2");
}

// A hook that walks the hooks again, nesting until its limit.
struct NestingHook {
  Hook* glyph = nullptr;
  int depth = 0;
  int limit = 0;
  bool throwAtLimit = false;
  void Call(ZQF_Message& m, bool secondTry) {
    if (++depth < limit) return glyph->ProcessMessageHooks(m, secondTry, Hook::Interest_Command);
    if (throwAtLimit) throw ZQ_Exception("Hook", "failed");
  }
};

TEST(MessageHookGlyph, NinthNestedWalkFailsAndThrowingHooksGiveTheirWalkBack) {
  Hook glyph(new RecordingGlyph("leaf", nullptr));
  NestingHook hook;
  hook.glyph = &glyph;
  glyph.InstallMessageHook(Hook::HookCallback(&hook, &NestingHook::Call), Hook::Interest_Command, 0);
  ZQF_CommandMessage m;
  hook.limit = 9;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { glyph.HandleCommand(m, false); }),
                       "NumActiveHookCursors < MaxNumActiveHookCursors"));
  EXPECT_EQ(hook.depth, 8);
  // Every walk was given back: eight walks fit again, also when the
  // innermost hook throws.
  hook.depth = 0;
  hook.limit = 8;
  hook.throwAtLimit = true;
  EXPECT_EQ(ExceptionNameOf([&] { glyph.HandleCommand(m, false); }), "Hook");
  hook.depth = 0;
  hook.throwAtLimit = false;
  EXPECT_EQ(AssertionFailureOf([&] { glyph.HandleCommand(m, false); }), "");
  EXPECT_EQ(hook.depth, 8);
}

}  // namespace
