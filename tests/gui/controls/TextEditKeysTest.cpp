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
const char* const kJoined = "ab cdef gh\nij";
// Lines with equal beginnings: vertical moves land on equal columns.
const char* const kSame = "ab cd\nab cd gh\nab";
const char* const kWords = "abc_1 ,def";
const char* const kHigh =
    "ab\xE9"
    "cd";

const KeyCase kKeyCases[] = {
    // Moves: Shift extends, no wrapping at the ends of a line.
    {"left", 1, 0, kText, 0, 2, -1, ZQF_Key_Left, "", kText, 0, 1, 1, E::Kind_CaretMovement, true},
    {"shift left extends", 1, 0, kText, 0, 2, -1, ZQF_Key_Left, "s", kText, 0, 1, 2, 5, true},
    {"left at a line start", 1, 0, kText, 1, 0, -1, ZQF_Key_Left, "", kText, 1, 0, 6, -1, true},
    {"right at a line end", 1, 0, kText, 0, 5, -1, ZQF_Key_Right, "", kText, 0, 5, 5, -1, true},
    {"right beyond the end", 1, E::Option_CaretBeyondLineEnd, kText, 0, 5, -1, ZQF_Key_Right, "",
     kText, 0, 6, 5, 5, true},
    // Words, across line ends and over bytes above 127.
    {"ctrl right", 1, 0, kText, 0, 0, -1, ZQF_Key_Right, "c", kText, 0, 3, 3, 5, true},
    {"alt right", 1, 0, kText, 0, 0, -1, ZQF_Key_Right, "a", kText, 0, 2, 2, 5, true},
    {"ctrl left over a line end", 1, 0, kText, 1, 0, -1, ZQF_Key_Left, "c", kText, 0, 3, 3, 5,
     true},
    {"alt left", 1, 0, kText, 1, 0, -1, ZQF_Key_Left, "a", kText, 0, 5, 5, 5, true},
    {"ctrl right at the end", 1, 0, kText, 2, 0, -1, ZQF_Key_Right, "c", kText, 2, 2, 14, 5, true},
    {"ctrl right inside abc_1", 0, 0, kWords, 0, 1, -1, ZQF_Key_Right, "c", kWords, 0, 7, 7, 5,
     true},
    {"alt right from the start", 0, 0, kWords, 0, 0, -1, ZQF_Key_Right, "a", kWords, 0, 5, 5, 5,
     true},
    {"byte 233 separates", 0, 0, kHigh, 0, 0, -1, ZQF_Key_Right, "c", kHigh, 0, 3, 3, 5, true},
    // Lines, pages, ends.
    {"up keeps the x", 1, 0, kSame, 1, 4, -1, ZQF_Key_Up, "", kSame, 0, 4, 4, 5, true},
    {"down to a shorter line", 1, 0, kSame, 1, 5, -1, ZQF_Key_Down, "", kSame, 2, 2, 17, 5, true},
    {"ctrl up is a page", 1, 0, kSame, 2, 1, -1, ZQF_Key_Up, "c", kSame, 0, 1, 1, 5, true},
    {"ctrl page up", 1, 0, kText, 2, 1, -1, ZQF_Key_PageUp, "c", kText, 0, 0, 0, 5, true},
    {"ctrl shift end", 1, 0, kText, 0, 1, -1, ZQF_Key_End, "cs", kText, 2, 2, 1, 5, true},
    {"home", 1, 0, kText, 1, 3, -1, ZQF_Key_Home, "", kText, 1, 0, 6, 5, true},
    {"alt home", 1, 0, kText, 1, 3, -1, ZQF_Key_Home, "a", kText, 1, 3, 9, -1, false},
    // Editing keys.
    {"insert", 1, 0, kText, 0, 0, -1, ZQF_Key_Insert, "", kText, 0, 0, 0, E::Kind_Nothing, true},
    {"delete joins lines", 1, 0, kText, 0, 5, -1, ZQF_Key_Delete, "", kJoined, 0, 5, 5,
     E::Kind_CutOrDelete, true},
    {"shift delete cuts", 1, 0, kText, 0, 0, 3, ZQF_Key_Delete, "s", "cd\nef gh\nij", 0, 0, 0, 4,
     true},
    {"backspace joins", 1, 0, kText, 1, 0, -1, ZQF_Key_Backspace, "", kJoined, 0, 5, 5, 4, true},
    {"backspace at 0", 1, 0, kText, 0, 0, -1, ZQF_Key_Backspace, "", kText, 0, 0, 0, -1, true},
    {"tab to the dialog", 0, 0, "ab", 0, 1, -1, ZQF_Key_Tab, "", "ab", 0, 1, 1, -1, false},
    {"tab accepted", 0, E::Option_AcceptsTab, "ab", 0, 1, -1, ZQF_Key_Tab, "s", "a\tb", 0, 2, 2,
     E::Kind_TypedCharacter, true},
    {"enter in a field", 0, 0, "ab", 0, 1, -1, ZQF_Key_Enter, "", "ab", 0, 1, 1, -1, false},
    {"enter splits", 2, 0, "ab", 0, 1, -1, ZQF_Key_Enter, "", "a\nb", 1, 0, 2, 1, true},
    {"typed over a selection", 1, 0, kText, 0, 0, 5, 'x', "s", "x\nef gh\nij", 0, 1, 1, 1, true},
    {"altgr", 0, 0, "ab", 0, 2, -1, '@', "ca", "ab@", 0, 3, 3, 1, true},
    {"ctrl alone", 0, 0, "ab", 0, 2, -1, 'Q', "c", "ab", 0, 2, 2, -1, false},
    {"above 126", 0, 0, "ab", 0, 2, -1, 200, "", "ab", 0, 2, 2, -1, false},
    // Read-only: keys only scroll; editing keys pass.
    {"read-only character", 1, E::Option_ReadOnly, kText, 0, 0, -1, 'x', "", kText, 0, 0, 0, -1,
     false},
    {"read-only ctrl c", 1, E::Option_ReadOnly, kText, 0, 0, -1, 'C', "cs", kText, 0, 0, 0, -1,
     true},
    {"read-only right", 1, E::Option_ReadOnly, kText, 0, 0, -1, ZQF_Key_Right, "", kText, 0, 0, 0,
     E::Kind_Scrolling, true},
};

bool Has(const char* Modifiers, char Which) {
  return std::string(Modifiers).find(Which) != std::string::npos;
}

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

// Page moves keep one line of the old page and move at least one; on a
// read-only field the keys only scroll.
TEST_F(TextEditKeys, PageMovesAndReadOnlyScrolling) {
  const struct {
    long visible;
    bool readOnly;
    ZQF_KeyCode key;
    bool control;
    long from, line, top;
  } cases[] = {
      {1, false, ZQF_Key_PageDown, false, 0, 1, 1}, {5, false, ZQF_Key_PageDown, false, 0, 4, 4},
      {5, false, ZQF_Key_PageUp, false, 10, 6, 2},  {4, true, ZQF_Key_PageDown, false, 0, 0, 3},
      {4, true, ZQF_Key_End, true, 0, 0, 8},        {4, true, ZQF_Key_Down, true, 0, 0, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.visible * 100 + c.key);
    auto* edit = new RecordingTextEdit(1);
    TextEditRig rig(edit, 200, edit->ComputeHeightToHoldNLines(c.visible));
    ASSERT_EQ(edit->GetNumVisibleLines(), c.visible);
    edit->SetValue("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11");
    edit->Imp_MoveCaret(c.from, 0, false);
    edit->SetReadOnly(c.readOnly);
    EXPECT_TRUE(rig.Key(c.key, false, c.control));
    EXPECT_EQ(edit->GetCaretLine(), c.line);
    EXPECT_EQ(edit->GetTopLine(), c.top);
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
