// The text edit control's keys: both key tables in every mode (text, caret,
// anchor, kind of change and whether the key was taken), word moves across
// lines and over bytes above 127, page moves, and AltGr characters.
#include <gtest/gtest.h>

#include <algorithm>

#include "TextEditTestSupport.h"

namespace {

using TextEditKeys = GuiStageTest;
using E = ZQF_TextEditGlyph;

struct KeyCase {
  const char* why;
  int mode;
  unsigned long options;
  const char* text;
  long line, column;  // the caret before
  long anchor;        // the anchor before; -1 at the caret
  ZQF_KeyCode key;
  const char* modifiers;  // "s", "c", "a" in any combination
  const char* result;     // the text after
  long toLine, toColumn;  // the caret after
  long toAnchor;
  int kind;  // the kind of the change; -1 when nothing changed
  bool handled;
};

const char* const kText = "ab cd\nef gh\nij";
// Lines with equal beginnings: vertical moves land on equal columns.
const char* const kSame = "ab cd\nab cd gh\nab";

const KeyCase kKeyCases[] = {
    // Moves: one character, no wrapping at either end of a line.
    {"left", 1, 0, kText, 0, 2, -1, ZQF_Key_Left, "", kText, 0, 1, 1, E::Kind_CaretMovement, true},
    {"shift left extends", 1, 0, kText, 0, 2, -1, ZQF_Key_Left, "s", kText, 0, 1, 2, 5, true},
    {"left at a line start stays", 1, 0, kText, 1, 0, -1, ZQF_Key_Left, "", kText, 1, 0, 6, -1, true},
    {"right at a line end stays", 1, 0, kText, 0, 5, -1, ZQF_Key_Right, "", kText, 0, 5, 5, -1,
     true},
    {"right beyond the end when allowed", 1, E::Option_CaretBeyondLineEnd, kText, 0, 5, -1,
     ZQF_Key_Right, "", kText, 0, 6, 5, 5, true},
    // Words, across line ends.
    {"ctrl right to the next word start", 1, 0, kText, 0, 0, -1, ZQF_Key_Right, "c", kText, 0, 3,
     3, 5, true},
    {"alt right to a word end", 1, 0, kText, 0, 0, -1, ZQF_Key_Right, "a", kText, 0, 2, 2, 5, true},
    {"ctrl left over a line end", 1, 0, kText, 1, 0, -1, ZQF_Key_Left, "c", kText, 0, 3, 3, 5, true},
    {"alt left to the previous word end", 1, 0, kText, 1, 0, -1, ZQF_Key_Left, "a", kText, 0, 5,
     5, 5, true},
    {"ctrl shift right extends", 1, 0, kText, 0, 0, -1, ZQF_Key_Right, "cs", kText, 0, 3, 0, 5,
     true},
    {"ctrl right stops at the text end", 1, 0, kText, 2, 0, -1, ZQF_Key_Right, "c", kText, 2, 2,
     14, 5, true},
    {"ctrl right from inside a word", 0, 0, "abc_1 ,def", 0, 1, -1, ZQF_Key_Right, "c",
     "abc_1 ,def", 0, 7, 7, 5, true},
    {"alt right from the start", 0, 0, "abc_1 ,def", 0, 0, -1, ZQF_Key_Right, "a", "abc_1 ,def",
     0, 5, 5, 5, true},
    {"bytes above 127 separate words", 0, 0, "ab\xE9" "cd", 0, 0, -1, ZQF_Key_Right, "c",
     "ab\xE9" "cd", 0, 3, 3, 5, true},
    // Lines, pages, ends.
    {"up keeps the x", 1, 0, kSame, 1, 4, -1, ZQF_Key_Up, "", kSame, 0, 4, 4, 5, true},
    {"down to a shorter line", 1, 0, kSame, 1, 5, -1, ZQF_Key_Down, "", kSame, 2, 2, 17, 5, true},
    {"ctrl up is a page", 1, 0, kSame, 2, 1, -1, ZQF_Key_Up, "c", kSame, 0, 1, 1, 5, true},
    {"page down stops at the last line", 1, 0, kText, 0, 0, -1, ZQF_Key_PageDown, "", kText, 2, 0,
     12, 5, true},
    {"ctrl page up to the top", 1, 0, kText, 2, 1, -1, ZQF_Key_PageUp, "c", kText, 0, 0, 0, 5,
     true},
    {"ctrl page down to the bottom", 1, 0, kText, 0, 1, -1, ZQF_Key_PageDown, "cs", kText, 2, 2, 1,
     5, true},
    {"home", 1, 0, kText, 1, 3, -1, ZQF_Key_Home, "", kText, 1, 0, 6, 5, true},
    {"end", 1, 0, kText, 1, 1, -1, ZQF_Key_End, "", kText, 1, 5, 11, 5, true},
    {"ctrl home", 1, 0, kText, 1, 3, -1, ZQF_Key_Home, "c", kText, 0, 0, 0, 5, true},
    {"ctrl end", 1, 0, kText, 0, 3, -1, ZQF_Key_End, "c", kText, 2, 2, 14, 5, true},
    {"alt home is not a key", 1, 0, kText, 1, 3, -1, ZQF_Key_Home, "a", kText, 1, 3, 9, -1, false},
    // Editing keys.
    {"insert toggles overwrite", 1, 0, kText, 0, 0, -1, ZQF_Key_Insert, "", kText, 0, 0, 0,
     E::Kind_Nothing, true},
    {"delete joins lines", 1, 0, kText, 0, 5, -1, ZQF_Key_Delete, "", "ab cdef gh\nij", 0, 5, 5,
     E::Kind_CutOrDelete, true},
    {"delete removes the selection", 1, 0, kText, 0, 1, 4, ZQF_Key_Delete, "", "ad\nef gh\nij", 0,
     1, 1, 4, true},
    {"shift delete cuts", 1, 0, kText, 0, 0, 3, ZQF_Key_Delete, "s", "cd\nef gh\nij", 0, 0, 0, 4,
     true},
    {"backspace joins lines", 1, 0, kText, 1, 0, -1, ZQF_Key_Backspace, "", "ab cdef gh\nij", 0, 5,
     5, 4, true},
    {"backspace at the start does nothing", 1, 0, kText, 0, 0, -1, ZQF_Key_Backspace, "", kText,
     0, 0, 0, -1, true},
    {"ctrl x cuts", 1, 0, kText, 0, 0, 2, 'X', "c", " cd\nef gh\nij", 0, 0, 0, 4, true},
    {"tab left to the dialog", 0, 0, "ab", 0, 1, -1, ZQF_Key_Tab, "", "ab", 0, 1, 1, -1, false},
    {"tab typed when accepted", 0, E::Option_AcceptsTab, "ab", 0, 1, -1, ZQF_Key_Tab, "s", "a\tb",
     0, 2, 2, E::Kind_TypedCharacter, true},
    {"enter left to the dialog by a field", 0, 0, "ab", 0, 1, -1, ZQF_Key_Enter, "", "ab", 0, 1, 1,
     -1, false},
    {"enter splits a line", 2, 0, "ab", 0, 1, -1, ZQF_Key_Enter, "", "a\nb", 1, 0, 2, 1, true},
    {"a character replaces the selection", 1, 0, kText, 0, 0, 5, 'x', "s", "x\nef gh\nij", 0, 1, 1,
     1, true},
    {"altgr characters are typed", 0, 0, "ab", 0, 2, -1, '@', "ca", "ab@", 0, 3, 3, 1, true},
    {"ctrl alone blocks characters", 0, 0, "ab", 0, 2, -1, 'Q', "c", "ab", 0, 2, 2, -1, false},
    {"alt alone blocks characters", 0, 0, "ab", 0, 2, -1, 'q', "a", "ab", 0, 2, 2, -1, false},
    {"characters above 126 are ignored", 0, 0, "ab", 0, 2, -1, 200, "", "ab", 0, 2, 2, -1, false},
    {"an unlisted ctrl key passes", 0, 0, "ab", 0, 2, -1, 'A', "c", "ab", 0, 2, 2, -1, false},
    // Read-only: keys only scroll (the caret stays); editing keys pass.
    {"read-only refuses characters", 1, E::Option_ReadOnly, kText, 0, 0, -1, 'x', "", kText, 0, 0,
     0, -1, false},
    {"read-only refuses delete", 1, E::Option_ReadOnly, kText, 0, 0, -1, ZQF_Key_Delete, "", kText,
     0, 0, 0, -1, false},
    {"read-only takes ctrl c", 1, E::Option_ReadOnly, kText, 0, 0, -1, 'C', "cs", kText, 0, 0, 0,
     -1, true},
    {"read-only right scrolls", 1, E::Option_ReadOnly, kText, 0, 0, -1, ZQF_Key_Right, "", kText, 0,
     0, 0, E::Kind_Scrolling, true},
    {"read-only alt right passes", 1, E::Option_ReadOnly, kText, 0, 0, -1, ZQF_Key_Right, "a",
     kText, 0, 0, 0, -1, false},
};

bool Has(const char* Modifiers, char Which) { return std::string(Modifiers).find(Which) != std::string::npos; }

TEST_F(TextEditKeys, BothKeyTablesInEveryMode) {
  for (const KeyCase& c : kKeyCases) {
    SCOPED_TRACE(c.why);
    auto* edit = new RecordingTextEdit(c.mode);
    TextEditRig rig(edit);
    edit->Set(c.options);
    edit->SetValue(c.text);
    if (c.anchor >= 0) {
      const ZQF_TextEditLineColumn at = edit->GetBuffer().BufferPositionToLineColumn(c.anchor);
      edit->Imp_MoveCaret(at.Line, at.Column, false);
    }
    edit->Imp_MoveCaret(c.line, c.column, c.anchor >= 0);
    edit->ForgetChange();
    const bool overwrite = edit->GetOverwriteMode();
    EXPECT_EQ(rig.Key(c.key, Has(c.modifiers, 's'), Has(c.modifiers, 'c'), Has(c.modifiers, 'a')),
              c.handled);
    EXPECT_EQ(rig.Text(), c.result);
    EXPECT_EQ(edit->GetCaretLine(), c.toLine);
    EXPECT_EQ(edit->GetCaretColumn(), c.toColumn);
    EXPECT_EQ(edit->GetAnchorPosition(), c.toAnchor);
    EXPECT_EQ(edit->LastKind, c.kind);
    if (c.key == ZQF_Key_Insert && !*c.modifiers) {
      EXPECT_NE(edit->GetOverwriteMode(), overwrite);
    }
    if (c.kind >= 0) {
      EXPECT_EQ(edit->LastSource, E::Source_Keyboard);
    }
  }
}

// Page moves keep one line of the old page, and move at least one line.
TEST_F(TextEditKeys, PageMovesWithOneAndFiveVisibleLines) {
  const struct {
    long visible;
    ZQF_KeyCode key;
    long line, top;
  } cases[] = {{1, ZQF_Key_PageDown, 1, 1}, {5, ZQF_Key_PageDown, 4, 4}, {5, ZQF_Key_PageUp, 6, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.visible);
    auto* edit = new RecordingTextEdit(1);
    TextEditRig probe(new ZQF_TextEditGlyph(1));
    TextEditRig rig(edit, 200, probe.Edit->ComputeHeightToHoldNLines(c.visible));
    EXPECT_EQ(edit->GetNumVisibleLines(), c.visible);
    edit->SetValue("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11");
    if (c.key == ZQF_Key_PageUp) edit->Imp_MoveCaret(10, 0, false);
    rig.Key(c.key);
    EXPECT_EQ(edit->GetCaretLine(), c.line);
    EXPECT_EQ(edit->GetTopLine(), c.top);
  }
}

TEST_F(TextEditKeys, ReadOnlyKeysScrollTheView) {
  const struct {
    ZQF_KeyCode key;
    bool control;
    long top;
  } cases[] = {{ZQF_Key_Down, false, 1}, {ZQF_Key_PageDown, false, 3}, {ZQF_Key_End, true, 8},
               {ZQF_Key_Down, true, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.key));
    auto* edit = new RecordingTextEdit(1);
    TextEditRig probe(new ZQF_TextEditGlyph(1));
    TextEditRig rig(edit, 200, probe.Edit->ComputeHeightToHoldNLines(4));
    edit->SetReadOnly(true);
    edit->SetValue("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11");
    EXPECT_TRUE(rig.Key(c.key, false, c.control));
    EXPECT_EQ(edit->GetTopLine(), c.top);
    EXPECT_EQ(edit->GetCaretLine(), 0);
    EXPECT_EQ(edit->LastKind, ZQF_TextEditGlyph::Kind_Scrolling);
  }
}

TEST_F(TextEditKeys, NothingWhileDisabled) {
  auto* edit = new RecordingTextEdit(1);
  TextEditRig rig(edit);
  edit->SetEnabled(false);
  EXPECT_FALSE(rig.Key('x'));
  EXPECT_EQ(rig.Text(), "");
}

}  // namespace
