#include <gtest/gtest.h>

#include <string>
#include <typeindex>
#include <vector>

#include "GlyphTestSupport.h"
#include "ZQF_Help.h"
#include "ZQF_MessageHook.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_Tooltips.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"

namespace {

// What the help module was asked to show.
struct HelpRequests {
  static inline std::vector<std::string> shown;
  static bool Available() { return true; }
  static void Topics(ZQ_ReadOnlyIterator<ZQF_Help_TopicType>& topics) {
    std::string names = "topics:";
    for (; topics.IsValid(); topics.Advance()) names += std::string(" ") + topics->Name.GetText();
    shown.push_back(names);
  }
  static void Contents() { shown.push_back("contents"); }
};

// The client: answers update queries when told to, and logs the classes of
// the queries and commands it sees (first try).
class ClientGlyph : public RecordingGlyph {
 public:
  ClientGlyph() : RecordingGlyph("client", nullptr) { AddHelpTopic("client"); }
  bool answerQueries = false;
  std::vector<std::type_index> seen;

  void HandleUpdate(ZQF_UpdateMessage& m, bool secondTry) override {
    if (secondTry) return;
    seen.emplace_back(typeid(m));
    if (!answerQueries) return;
    static_cast<ZQF_StandardCommandUpdateMessage&>(m).SetEnabled(true);
    m.SetHandled();
  }
  void HandleCommand(ZQF_CommandMessage& m, bool secondTry) override {
    if (secondTry) return;
    seen.emplace_back(typeid(m));
    if (auto* print = dynamic_cast<ZQF_PrintCommandMessage*>(&m)) printOption = print->GetPrintOption();
  }
  bool printOption = false;
};

class CountingTopLevelGlyph : public ZQF_TopLevelGlyph {
 public:
  using ZQF_TopLevelGlyph::ZQF_TopLevelGlyph;
  int destroys = 0;
  void DestroyContainingWindow() override { ++destroys; }
};

class TopLevelGlyph : public testing::Test {
 public:  // the ways out of the what's-this mode reach in
  void SetUp() override {
    HelpRequests::shown.clear();
    ZQF_Help_Module help;
    help.HelpAvailable = &HelpRequests::Available;
    help.DisplayTopics = &HelpRequests::Topics;
    help.DisplayContents = &HelpRequests::Contents;
    savedHelp = ZQF_Help_RegisterModule(help);
    client = new ClientGlyph;
    top = new CountingTopLevelGlyph(client);
    window = new ZQF_Window(top);
    top->SetContainingWindow(window);
    top->ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 200, 100));
    client->SetBox(0, 0, 200, 100);
  }
  void TearDown() override {
    delete window;  // with the tree
    ZQF_Help_RegisterModule(savedHelp);
  }

  bool PressKey(ZQF_KeyCode code, bool shift, bool control, bool alt = false) {
    ZQF_DownKeyMessage key(code, shift, control, alt);
    top->Dispatch(key);
    return key.IsHandled();
  }
  // True when the mode ended and left no suspension and no raw hook.
  bool ModeLeftCleanly() const {
    return !top->IsWhatsThisHelpModeActive() && ZQF_Tooltips_GetSuspensionCount() == 0 &&
           !ZQF_AreRawHooksInstalled();
  }

  ZQF_Help_Module savedHelp;
  ClientGlyph* client = nullptr;
  CountingTopLevelGlyph* top = nullptr;
  ZQF_Window* window = nullptr;
};

TEST_F(TopLevelGlyph, KeyBindingsQueryThenCommand) {
  using T = std::type_index;
  struct Case {
    ZQF_KeyCode code;
    bool shift, control;
    T query, command;
  };
  const std::vector<Case> cases = {
      {'P', false, true, typeid(ZQF_PrintCommandUpdateMessage), typeid(ZQF_PrintCommandMessage)},
      {'p', false, true, typeid(ZQF_PrintCommandUpdateMessage), typeid(ZQF_PrintCommandMessage)},
      {'P', true, true, typeid(ZQF_PageSetupCommandUpdateMessage), typeid(ZQF_PageSetupCommandMessage)},
      {'W', true, true, typeid(ZQF_PrintPreviewCommandUpdateMessage), typeid(ZQF_PrintPreviewCommandMessage)},
      {'X', false, true, typeid(ZQF_CutCommandUpdateMessage), typeid(ZQF_CutCommandMessage)},
      {ZQF_Key_Delete, true, false, typeid(ZQF_CutCommandUpdateMessage), typeid(ZQF_CutCommandMessage)},
      {'c', true, true, typeid(ZQF_CopyCommandUpdateMessage), typeid(ZQF_CopyCommandMessage)},
      {ZQF_Key_Insert, false, true, typeid(ZQF_CopyCommandUpdateMessage), typeid(ZQF_CopyCommandMessage)},
      {'V', false, true, typeid(ZQF_PasteCommandUpdateMessage), typeid(ZQF_PasteCommandMessage)},
      {ZQF_Key_Insert, true, false, typeid(ZQF_PasteCommandUpdateMessage), typeid(ZQF_PasteCommandMessage)},
      {'A', false, true, typeid(ZQF_SelectAllCommandUpdateMessage), typeid(ZQF_SelectAllCommandMessage)},
  };
  for (const Case& c : cases) {
    for (bool answered : {false, true}) {
      SCOPED_TRACE(std::to_string(c.code) + (c.shift ? " shift" : "") + (c.control ? " control" : "") +
                   (answered ? " answered" : " unanswered"));
      client->seen.clear();
      client->answerQueries = answered;
      EXPECT_TRUE(PressKey(c.code, c.shift, c.control));
      std::vector<T> expected{c.query};
      if (answered) expected.push_back(c.command);
      EXPECT_EQ(client->seen, expected);
    }
  }
  EXPECT_TRUE(client->printOption);
}

TEST_F(TopLevelGlyph, UnboundKeysAndKeysTakenBelow) {
  struct Case {
    const char* name;
    ZQF_KeyCode code;
    bool shift, control, alt;
    bool clientTakes;
  };
  const std::vector<Case> cases = {
      {"no binding", 'Q', false, true, false, false},
      {"Alt spoils Control+P", 'P', false, true, true, false},
      {"taken on the first try", 'C', false, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    client->seen.clear();
    client->HandleOn("Key", c.clientTakes ? 1 : 0);
    EXPECT_EQ(PressKey(c.code, c.shift, c.control, c.alt), c.clientTakes);
    EXPECT_TRUE(client->seen.empty());
  }
}

TEST_F(TopLevelGlyph, HelpKeys) {
  EXPECT_TRUE(PressKey(ZQF_Key_F1, false, false));
  EXPECT_TRUE(PressKey(ZQF_Key_F1, false, true));
  EXPECT_EQ(HelpRequests::shown, (std::vector<std::string>{"topics: client", "contents"}));
  EXPECT_TRUE(PressKey(ZQF_Key_F1, true, false));
  EXPECT_TRUE(top->IsWhatsThisHelpModeActive());
  top->CancelWhatsThisHelpMode();
}

TEST_F(TopLevelGlyph, ContainerRequestsBecomeWindowCommands) {
  struct Case {
    const char* name;
    std::function<bool(ZQF_Glyph*)> request;
    std::type_index command;
    int destroys;
  };
  const std::vector<Case> cases = {
      {"close", [](ZQF_Glyph* g) { ZQF_ContainerCloseRequestNotificationMessage m; g->Dispatch(m); return m.IsHandled(); },
       typeid(ZQF_CloseWindowCommandMessage), 1},
      {"move", [](ZQF_Glyph* g) { ZQF_ContainerPositionDragRequestNotificationMessage m; g->Dispatch(m); return m.IsHandled(); },
       typeid(ZQF_BeginWindowPositionDragCommandMessage), 0},
      {"size", [](ZQF_Glyph* g) { ZQF_ContainerSizeDragRequestNotificationMessage m; g->Dispatch(m); return m.IsHandled(); },
       typeid(ZQF_BeginWindowSizeDragCommandMessage), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    client->seen.clear();
    top->destroys = 0;
    EXPECT_TRUE(c.request(client));
    EXPECT_EQ(client->seen, std::vector<std::type_index>{c.command});
    EXPECT_EQ(top->destroys, c.destroys);
  }
  ZQF_ContainerToggleMaximizeRequestNotificationMessage maximize;
  client->Dispatch(maximize);
  EXPECT_FALSE(maximize.IsHandled());
}

TEST_F(TopLevelGlyph, WhatsThisModeEveryWayOut) {
  struct Case {
    const char* name;
    std::function<void(TopLevelGlyph&)> wayOut;
    bool showsHelp;
  };
  const std::vector<Case> cases = {
      {"left click inside", [](TopLevelGlyph& t) {
         ZQF_LeftUpMouseMessage up(10, 10, false, false, false);
         t.top->Dispatch(up);
         EXPECT_TRUE(up.IsHandled());
       }, true},
      {"left click outside", [](TopLevelGlyph& t) {
         ZQF_LeftUpMouseMessage up(500, 10, false, false, false);
         t.top->Dispatch(up);
       }, false},
      {"Escape, consumed",
       [](TopLevelGlyph& t) { EXPECT_TRUE(t.PressKey(ZQF_Key_Escape, false, false)); }, false},
      {"another key, processed", [](TopLevelGlyph& t) {
         EXPECT_TRUE(t.PressKey('C', false, true));
         EXPECT_EQ(t.client->seen.back(), std::type_index(typeid(ZQF_CopyCommandUpdateMessage)));
       }, false},
      {"middle button", [](TopLevelGlyph& t) {
         ZQF_MiddleDownMouseMessage m(10, 10, false, false, false);
         t.top->Dispatch(m);
       }, false},
      {"right button", [](TopLevelGlyph& t) {
         ZQF_RightDownMouseMessage m(10, 10, false, false, false);
         t.top->Dispatch(m);
       }, false},
      {"wheel", [](TopLevelGlyph& t) {
         ZQF_WheelMouseMessage m(10, 10, false, false, false, 1, 1);
         t.top->Dispatch(m);
       }, false},
      {"window gains the focus", [](TopLevelGlyph& t) { t.top->ProcessWindowGainFocus(); }, false},
      {"window loses the focus", [](TopLevelGlyph& t) { t.top->ProcessWindowLoseFocus(); }, false},
      {"a raw Windows message", [](TopLevelGlyph&) {
         EXPECT_FALSE(ZQF_ProcessRawHooks(ZQF_RawMessageRecord{nullptr, WM_MOUSEMOVE, 0, 0}));
         EXPECT_FALSE(ZQF_ProcessRawHooks(ZQF_RawMessageRecord{nullptr, WM_NCRBUTTONDOWN, 0, 0}));
       }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HelpRequests::shown.clear();
    client->seen.clear();
    {
      ZQF_Help_WhatsThisCommandMessage command;
      top->Dispatch(command);
    }
    ASSERT_TRUE(top->IsWhatsThisHelpModeActive());
    EXPECT_EQ(ZQF_Tooltips_GetSuspensionCount(), 1);
    ZQF_LeftDownMouseMessage swallowed(10, 10, false, false, false);
    top->Dispatch(swallowed);
    EXPECT_EQ(swallowed.GetHandlingGlyph(), top);
    c.wayOut(*this);
    EXPECT_TRUE(ModeLeftCleanly());
    EXPECT_EQ(HelpRequests::shown.size(), c.showsHelp ? 1u : 0u);
  }
}

TEST_F(TopLevelGlyph, WindowsMessagesThatEndWhatsThisMode) {
  const UINT ending[] = {WM_CANCELMODE,     WM_SYSKEYDOWN,      WM_KILLFOCUS,     WM_ACTIVATEAPP,
                         WM_ACTIVATE,       WM_INITMENU,        WM_INITMENUPOPUP, WM_NCLBUTTONDBLCLK,
                         WM_NCLBUTTONDOWN,  WM_NCMBUTTONDBLCLK, WM_NCMBUTTONDOWN, WM_NCRBUTTONDBLCLK,
                         WM_NCRBUTTONDOWN};
  for (UINT message : ending) {
    SCOPED_TRACE(message);
    top->HandleWhatsThisHelpRequest();
    EXPECT_FALSE(ZQF_ProcessRawHooks(ZQF_RawMessageRecord{nullptr, message, 0, 0}));
    EXPECT_TRUE(ModeLeftCleanly());
  }
  top->HandleWhatsThisHelpRequest();
  for (UINT message : {WM_MOUSEMOVE, WM_KEYDOWN, WM_PAINT, WM_NCMOUSEMOVE}) {
    ZQF_ProcessRawHooks(ZQF_RawMessageRecord{nullptr, message, 0, 0});
  }
  EXPECT_TRUE(top->IsWhatsThisHelpModeActive());
  top->CancelWhatsThisHelpMode();
}

TEST_F(TopLevelGlyph, ClosingInWhatsThisModeResumesTooltips) {
  top->HandleWhatsThisHelpRequest();
  delete window;
  window = nullptr;
  EXPECT_EQ(ZQF_Tooltips_GetSuspensionCount(), 0);
  EXPECT_FALSE(ZQF_AreRawHooksInstalled());
}

TEST_F(TopLevelGlyph, SetCursorIsSettledOnTheSecondTry) {
  ZQF_SetCursorMouseMessage m(10, 10, false, false, false);
  top->Dispatch(m);
  EXPECT_EQ(m.GetHandlingGlyph(), top);
}

TEST_F(TopLevelGlyph, SameWindowSizeCausesNoLayout) {
  client->NumAcceptLayouts = 0;
  top->ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 300, 100));
  top->ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 300, 100));
  EXPECT_EQ(client->NumAcceptLayouts, 1);
  EXPECT_EQ(client->GetBoundingBox(), ZQ_Rectangle<long>(0, 0, 300, 100));
}

}  // namespace
