// Both controllers' key tables, every row with matching and non-matching
// modifiers: whether the key is taken, where the focus goes, what is
// selected, which notifications follow and how many rows show.
#include <gtest/gtest.h>

#include "../core/GuiStageTestSupport.h"
#include "ListTestSupport.h"

namespace {

using ListController = GuiStageTest;

struct KeyCase {
  const char* why;
  int controller;
  const char* focus;  // before the key
  ZQF_KeyCode key;
  const char* modifiers;  // "s", "c", "a" held
  bool handled;
  const char* wantFocus;
  const char* wantSelected;
  int wantChanges;  // keyboard selection notifications
  long wantVisible;
};

// a+ (a1, a2 (a2x)), b (b1), c: five rows, three to a page.
const std::vector<std::string> kTree = {"a+", "  a1", "  a2", "    a2x", "b", "  b1", "c"};
// a+ (a1, a2+ (a2x)), b+ (b1), c: seven rows.
const std::vector<std::string> kOpenTree = {"a+", "  a1", "  a2+", "    a2x", "b+", "  b1", "c"};

void RunKeyCases(const std::vector<std::string>& Tree, const std::vector<KeyCase>& Cases) {
  for (const KeyCase& c : Cases) {
    SCOPED_TRACE(c.why);
    ListRig rig(1, 200, 3 * (ZQF_MeasureListText("M").Y + 2) + 4);
    rig.Fill(Tree);
    rig.List->SetController(c.controller);
    rig.List->SetFocus(rig.Rows[c.focus]);
    const std::string mods = c.modifiers;
    EXPECT_EQ(rig.Key(c.key, mods.find('s') != std::string::npos, mods.find('c') != std::string::npos,
                      mods.find('a') != std::string::npos),
              c.handled);
    EXPECT_EQ(rig.FocusName(), c.wantFocus);
    EXPECT_EQ(rig.SelectedNames(), c.wantSelected);
    EXPECT_EQ(rig.Parent.Changes[ZQF_ListGlyph::ListChange_Keyboard], c.wantChanges);
    EXPECT_EQ(rig.Parent.Indicators, c.wantChanges);
    EXPECT_EQ(rig.List->GetNumVisibleElements(), c.wantVisible);
  }
}

TEST_F(ListController, RegularKeyTable) {
  RunKeyCases(kTree, {
      {"Up", 0, "a1", ZQF_Key_Up, "", true, "a", "a", 1, 5},
      {"Up with Control is left", 0, "a1", ZQF_Key_Up, "c", false, "a1", "", 0, 5},
      {"Down", 0, "a2", ZQF_Key_Down, "", true, "b", "b", 1, 5},
      {"Down on the last row selects it again", 0, "c", ZQF_Key_Down, "", true, "c", "c", 1, 5},
      {"Down with Shift is left", 0, "a", ZQF_Key_Down, "s", false, "a", "", 0, 5},
      {"Page Down moves a page less one", 0, "a", ZQF_Key_PageDown, "", true, "a2", "a2", 1, 5},
      {"Page Up", 0, "c", ZQF_Key_PageUp, "", true, "a2", "a2", 1, 5},
      {"Page Up with Alt is left", 0, "c", ZQF_Key_PageUp, "a", false, "c", "", 0, 5},
      {"Home", 0, "b", ZQF_Key_Home, "", true, "a", "a", 1, 5},
      {"End", 0, "a", ZQF_Key_End, "", true, "c", "c", 1, 5},
      {"Left closes an open node", 0, "a", ZQF_Key_Left, "", true, "a", "a", 1, 3},
      {"Left goes to the parent", 0, "a1", ZQF_Key_Left, "", true, "a", "a", 1, 5},
      {"Left on a childless root stays", 0, "c", ZQF_Key_Left, "", true, "c", "c", 1, 5},
      {"Right opens a closed node", 0, "b", ZQF_Key_Right, "", true, "b", "b", 1, 6},
      {"Right goes to the first child", 0, "a", ZQF_Key_Right, "", true, "a1", "a1", 1, 5},
      {"Right on a childless row stays", 0, "c", ZQF_Key_Right, "", true, "c", "c", 1, 5},
      {"Right with Control is left", 0, "b", ZQF_Key_Right, "c", false, "b", "", 0, 5},
      {"Space toggles without selecting", 0, "a", ' ', "s", true, "a", "", 0, 3},
      {"Space with Control is left", 0, "a", ' ', "c", false, "a", "", 0, 5},
      {"plus opens", 0, "b", '+', "s", true, "b", "", 0, 6},
      {"equals opens", 0, "b", '=', "c", true, "b", "", 0, 6},
      {"plus with Alt is left", 0, "b", '+', "a", false, "b", "", 0, 5},
      {"minus closes", 0, "a1", '-', "", true, "a1", "", 0, 5},
      {"underscore on an open node closes it", 0, "a", '_', "s", true, "a", "", 0, 3},
      {"minus on a closed node is still taken", 0, "b", '-', "", true, "b", "", 0, 5},
      {"star opens everything, hidden nodes too", 0, "c", '*', "", true, "c", "", 0, 7},
      {"slash closes everything", 0, "a1", '/', "", true, "a", "", 0, 3},
      {"other characters are left", 0, "a", 'x', "", false, "a", "", 0, 5},
  });
}

TEST_F(ListController, MaintainIndentLevelKeyTable) {
  RunKeyCases(kOpenTree, {
      {"Down skips deeper rows", 1, "a", ZQF_Key_Down, "", true, "b", "b", 1, 7},
      {"Down into the next parent's children", 1, "a2", ZQF_Key_Down, "", true, "b1", "b1", 1, 7},
      {"Down past the level's last stays and reselects", 1, "c", ZQF_Key_Down, "", true, "c", "c", 1, 7},
      {"Up finds no row of the level above", 1, "a1", ZQF_Key_Up, "", true, "a1", "a1", 1, 7},
      {"Up skips deeper rows", 1, "c", ZQF_Key_Up, "", true, "b", "b", 1, 7},
      {"Page Down searches back, then forward", 1, "a", ZQF_Key_PageDown, "", true, "b", "b", 1, 7},
      {"Page Up searches forward first", 1, "c", ZQF_Key_PageUp, "", true, "b", "b", 1, 7},
      {"Home", 1, "b1", ZQF_Key_Home, "", true, "a1", "a1", 1, 7},
      {"End", 1, "a1", ZQF_Key_End, "", true, "b1", "b1", 1, 7},
      {"Left goes to the parent and closes nothing", 1, "a2", ZQF_Key_Left, "", true, "a", "a", 1, 7},
      {"Right goes by the regular table", 1, "a2", ZQF_Key_Right, "", true, "a2x", "a2x", 1, 7},
      {"Control+Down reaches no move", 1, "a", ZQF_Key_Down, "c", false, "a", "", 0, 7},
      {"Shift+Down reaches no move", 1, "a", ZQF_Key_Down, "s", false, "a", "", 0, 7},
  });
}

TEST_F(ListController, FocusElementHookTakesKeysFirst) {
  struct Greedy : NamedRow {
    using NamedRow::NamedRow;
    void HandleKey(ZQF_KeyMessage& Message, ZQF_ListGlyph*) override { Message.SetHandled(); }
  };
  ListRig rig(0);
  rig.List->InsertAsLastRoot(new Greedy("g"));
  rig.List->InsertAsLastRoot(new NamedRow("h"));
  EXPECT_TRUE(rig.Key(ZQF_Key_Down));
  EXPECT_EQ(rig.FocusName(), "g");
  EXPECT_EQ(rig.Parent.Changes[1], 0);
  // A disabled list takes no key.
  rig.List->SetEnabled(false);
  EXPECT_FALSE(rig.Key(ZQF_Key_Down));
}

}  // namespace
