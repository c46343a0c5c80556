// Editing in the text edit control: the steps of typing a character
// (padding, overwrite, line ends, auto-indent), Backspace to the indent
// stop, stripping of trailing blanks with the anchor, the length limit,
// change notifications, commands and their updates, and the clipboard.
#include <gtest/gtest.h>

#include "TextEditTestSupport.h"
#include "ZQF_Metrics.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_StoredAttributeTextEditGlyph.h"
#include "ZQR_Clipboard.h"
#include "ZQ_RegistryFolder.h"

namespace {

using TextEditEditing = GuiStageTest;
using E = ZQF_TextEditGlyph;

// A monospaced field (an even space width); option bit 8 makes its tab one
// and a half spaces wide.
const unsigned long kHalfTabs = 256;
class MonospacedEdit : public RecordingTextEdit {
 public:
  explicit MonospacedEdit(int Mode, long Maximum = 0x7fffffff) : RecordingTextEdit(Mode, Maximum) {}
  ZQR_ConcreteFont Cust_GetFont(unsigned short) override {
    static const ZQR_ConcreteFont s_font(ZQF_GetMetricDC(), 3, 12, 0, 96);
    return s_font;
  }
  long Cust_GetTabWidth(long, const long* Widths) override {
    return HalfTabs ? Widths[' '] * 3 / 2 : Widths[' '];
  }
  bool HalfTabs = false;
};

struct EditCase {
  const char* why;
  unsigned long options;
  const char* text;
  long anchor;  // -1: at the caret
  long line, column;
  const char* typed;  // through Imp_InsertChar, or "\b" Backspace, "\x7f" Delete
  const char* result;
  long toLine, toColumn, toAnchor;
};

const EditCase kEditCases[] = {
    {"a space past the end only moves when blanks are stripped",
     E::Option_CaretBeyondLineEnd | E::Option_StripTrailingBlanksMode, "ab", -1, 0, 2, " ", "ab", 0,
     3, 2},
    {"typing past the end pads with spaces", E::Option_CaretBeyondLineEnd, "ab\ncd", -1, 0, 4, "x",
     "ab  x\ncd", 0, 5, 5},
    {"a line feed past the end is not padded", E::Option_CaretBeyondLineEnd, "ab", -1, 0, 4, "\n",
     "ab\n", 1, 0, 3},
    {"a carriage return is a line feed", 0, "ab", -1, 0, 1, "\r", "a\nb", 1, 0, 2},
    {"overwrite replaces", E::Option_OverwriteMode, "abc", -1, 0, 1, "x", "axc", 0, 2, 2},
    {"overwrite inserts at a line end", E::Option_OverwriteMode, "ab\ncd", -1, 0, 2, "x", "abx\ncd",
     0, 3, 3},
    {"overwrite by a line feed", E::Option_OverwriteMode, "abc", -1, 0, 1, "\n", "a\nc", 1, 0, 2},
    {"auto-indent under tabs", E::Option_AutoIndent, "\t\tab", -1, 0, 4, "\n", "\t\tab\n  ", 1, 2,
     7},
    {"auto-indent at half a space rounds down", E::Option_AutoIndent | kHalfTabs, "\ta\n", -1, 1, 0,
     "\n", "\ta\n\n ", 2, 1, 5},
    {"auto-indent keeps existing blanks", E::Option_AutoIndent, "  b\n  a", -1, 1, 0, "\n",
     "  b\n\n  a", 2, 2, 7},
    {"backspace to the indent stop", E::Option_AutoIndent, "  a\n      b", -1, 1, 6, "\b",
     "  a\n  b", 1, 2, 6},
    {"backspace after text deletes one", E::Option_AutoIndent, "  a\n  bc", -1, 1, 4, "\b",
     "  a\n  b", 1, 3, 7},
    {"enter strips the line above, the anchor follows", E::Option_StripTrailingBlanksMode, "ab  ",
     -1, 0, 4, "\n", "ab\n", 1, 0, 3},
    {"delete strips, the anchor stays at the run", E::Option_StripTrailingBlanksMode, "ab   ", -1,
     0, 3, "\x7f", "ab", 0, 2, 2},
    {"tabs are not stripped", E::Option_StripTrailingBlanksMode, "a", -1, 0, 1, "\t\n", "a\t\n", 1,
     0, 3},
};

TEST_F(TextEditEditing, TypingDeletingAndStripping) {
  for (const EditCase& c : kEditCases) {
    SCOPED_TRACE(c.why);
    auto* edit = new MonospacedEdit(1);
    TextEditRig rig(edit);
    edit->Set(c.options & 255);
    edit->HalfTabs = (c.options & kHalfTabs) != 0;
    edit->SetValue(c.text);
    if (c.anchor >= 0) {
      edit->Select(c.anchor, c.line, c.column);
    } else {
      edit->Imp_MoveCaret(c.line, c.column, false);
    }
    for (const char* p = c.typed; *p; ++p) {
      if (*p == '\b') {
        rig.Key(ZQF_Key_Backspace);
      } else if (*p == '\x7f') {
        rig.Key(ZQF_Key_Delete);
      } else {
        edit->Imp_InsertChar(*p);
      }
    }
    EXPECT_EQ(rig.Text(), c.result);
    EXPECT_EQ(edit->GetCaretLine(), c.toLine);
    EXPECT_EQ(edit->GetCaretColumn(), c.toColumn);
    EXPECT_EQ(edit->GetAnchorPosition(), c.toAnchor);
  }
}

// Input beyond the limit is taken and then cut, the caret kept in range.
TEST_F(TextEditEditing, TheLengthLimitCutsAfterTheInsertion) {
  auto* edit = new MonospacedEdit(1, 5);
  TextEditRig rig(edit);
  ZQR_Clipboard::SetContents("0123456789");
  EXPECT_TRUE(rig.Key('V', false, true));
  EXPECT_EQ(rig.Text(), "01234");
  EXPECT_EQ(edit->GetCaretColumn(), 5);
  edit->SetValue("abcdefgh");
  rig.Type("xy");
  EXPECT_EQ(rig.Text(), "xyabc");
  EXPECT_EQ(edit->GetCaretColumn(), 2);
}

TEST_F(TextEditEditing, EachUserEditNotifiesOnceProgramChangesNever) {
  auto* edit = new RecordingTextEdit(1);
  TextEditRig rig(edit);
  rig.Type("abc");
  EXPECT_EQ(rig.Notifications, 3);
  EXPECT_EQ(edit->LastSource, E::Source_Keyboard);
  edit->SetValue("one\ntwo");
  edit->SelectAll();
  edit->SetSelectionText("x");
  ZQ_RegistryFolder folder;
  edit->SaveUserConfiguration(folder);
  edit->LoadUserConfiguration(folder);
  EXPECT_EQ(rig.Notifications, 3);
  EXPECT_EQ(rig.Text(), "x");
  rig.Key(ZQF_Key_Delete);  // nothing to delete
  rig.Key(ZQF_Key_Right);
  EXPECT_EQ(rig.Notifications, 3);
  edit->SelectAll();
  ZQF_CutCommandMessage cut;
  rig.Root->Dispatch(cut);
  EXPECT_TRUE(cut.IsHandled());
  EXPECT_EQ(rig.Notifications, 4);
  EXPECT_EQ(edit->LastSource, E::Source_Command);
  EXPECT_EQ(edit->LastKind, E::Kind_CutOrDelete);
}

TEST_F(TextEditEditing, CommandUpdatesByReadOnlyAndSelection) {
  const struct {
    const char* why;
    bool readOnly, selected, clipboard, enabled;
    const char* answers;  // cut, copy, paste, delete, select all: 1 on, 0 off, - unanswered
  } cases[] = {
      {"editable, nothing selected", false, false, false, true, "00001"},
      {"editable, selected, clipboard text", false, true, true, true, "11111"},
      {"read-only", true, false, true, true, "-1--1"},
      {"disabled", false, true, true, false, "-----"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    auto* edit = new RecordingTextEdit(1);
    TextEditRig rig(edit);
    edit->SetValue("abc");
    if (c.selected) edit->SelectAll();
    edit->SetReadOnly(c.readOnly);
    edit->SetEnabled(c.enabled);
    if (c.clipboard) {
      ZQR_Clipboard::SetContents("x");
    } else {
      EmptyTheClipboard();
    }
    ZQF_CutCommandUpdateMessage cut;
    ZQF_CopyCommandUpdateMessage copy;
    ZQF_PasteCommandUpdateMessage paste;
    ZQF_DeleteCommandUpdateMessage del;
    ZQF_SelectAllCommandUpdateMessage all;
    ZQF_StandardCommandUpdateMessage* updates[] = {&cut, &copy, &paste, &del, &all};
    for (int i = 0; i < 5; ++i) {
      rig.Root->Dispatch(*updates[i]);
      const char want = c.answers[i];
      EXPECT_EQ(updates[i]->IsHandled(), want != '-') << i;
      EXPECT_EQ(updates[i]->IsEnabled(), want == '1') << i;
    }
    // Read-only: cut, paste and delete do nothing.
    ZQF_PasteCommandMessage pasteCommand;
    rig.Root->Dispatch(pasteCommand);
    EXPECT_EQ(pasteCommand.IsHandled(), !c.readOnly && c.enabled);
  }
}

TEST_F(TextEditEditing, ClipboardWithoutLineEndConversion) {
  const struct {
    const char* why;
    int mode;
    unsigned long options;
    const char* text;
    const char* clipboard;  // before the keys
    ZQF_KeyCode key;
    bool shift;
    const char* result;
    const char* clipboardAfter;
  } cases[] = {
      {"a read-only field copies everything", 1, E::Option_ReadOnly, "a\nb", "", 'C', false, "a\nb",
       "a\nb"},
      {"a single-line paste stops at the line end", 0, 0, "", "a\r\nb", 'V', false, "a", "a\r\nb"},
      {"a multi-line paste keeps carriage returns", 1, 0, "", "a\r\nb", ZQF_Key_Insert, true,
       "a\r\nb", "a\r\nb"},
      {"a strip-mode paste keeps the final run", 1, E::Option_StripTrailingBlanksMode, "z",
       "x  \ny \t", 'V', false, "x\ny \tz", "x  \ny \t"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    auto* edit = new RecordingTextEdit(c.mode);
    TextEditRig rig(edit);
    edit->Set(c.options);
    edit->SetValue(c.text);
    ZQR_Clipboard::SetContents(c.clipboard);
    rig.Key(c.key, c.shift, c.key != ZQF_Key_Insert);
    EXPECT_EQ(rig.Text(), c.result);
    EXPECT_STREQ(ZQR_Clipboard::GetContentsAsText().GetText(), c.clipboardAfter);
  }
}

}  // namespace
