// TextEditTestSupport.h: a text edit control in a small glyph tree for the
// headless tests: a root glyph that counts the change notifications passing
// it, the control laid out inside it, keys sent along the focus path, and a
// control that records each change it responds to (set, source, kind);
// and emptying the clipboard.
#ifndef TEXT_EDIT_TEST_SUPPORT_H
#define TEXT_EDIT_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../core/GlyphTestSupport.h"
#include "../core/GuiStageTestSupport.h"
#include "ZQF_TextEditGlyph.h"

// Records the last change it responded to.
class RecordingTextEdit : public ZQF_TextEditGlyph {
 public:
  using ZQF_TextEditGlyph::ZQF_TextEditGlyph;
  void Util_RespondToChange(long ChangeSet, int Source, int Kind) override {
    LastChangeSet = ChangeSet;
    LastSource = Source;
    LastKind = Kind;
    ZQF_TextEditGlyph::Util_RespondToChange(ChangeSet, Source, Kind);
  }
  void ForgetChange() { LastChangeSet = LastSource = LastKind = -1; }
  // The protected option bits the tests switch.
  void Set(unsigned long Bits) {
    for (unsigned long bit = 1; bit <= 128; bit <<= 1) SetOption(bit, (Bits & bit) != 0);
  }
  using ZQF_TextEditGlyph::Imp_InsertChar;
  using ZQF_TextEditGlyph::Imp_MoveCaret;
  // Selects from Anchor (a position) to the caret at Line, Column.
  void Select(long Anchor, long Line, long Column) {
    const ZQF_TextEditLineColumn at = GetBuffer().BufferPositionToLineColumn(Anchor);
    Imp_MoveCaret(at.Line, at.Column, false);
    Imp_MoveCaret(Line, Column, true);
  }

  long LastChangeSet = -1;
  int LastSource = -1;
  int LastKind = -1;
};

inline void EmptyTheClipboard() {
  ::OpenClipboard(nullptr);
  ::EmptyClipboard();
  ::CloseClipboard();
}

// root (0, 0, Width + 20, Height + 20) holding the control at (10, 10).
struct TextEditRig {
  explicit TextEditRig(ZQF_TextEditGlyph* Control, long Width = 200, long Height = 100)
      : Root(new RecordingGlyph("root", nullptr)), Edit(Control) {
    Root->SetBox(0, 0, Width + 20, Height + 20);
    Root->AddChild(Control, true);
    Root->OnOffer = [this](ZQF_Message& Message, bool SecondTry) {
      if (!SecondTry && dynamic_cast<ZQF_TextEditorTextChangeNotificationMessage*>(&Message)) {
        ++Notifications;
      }
    };
    Root->Initialize();
    Root->UpdateDesiredSize();
    Root->LayoutChild(Control, ZQ_Point<long>(10, 10), ZQ_Point<long>(Width, Height));
  }
  // Sends a key down the focus path; true when the control took it.
  bool Key(ZQF_KeyCode Code, bool Shift = false, bool Control = false, bool Alt = false) {
    ZQF_DownKeyMessage message(Code, Shift, Control, Alt);
    Root->Dispatch(message);
    return message.IsHandled();
  }
  // Types each character; a line feed as Enter.
  void Type(const std::string& Text) {
    for (char c : Text) Key(c == '\n' ? ZQF_Key_Enter : static_cast<ZQF_KeyCode>(c));
  }
  std::string Text() const { return Edit->GetValue().GetText(); }

  std::unique_ptr<RecordingGlyph> Root;
  ZQF_TextEditGlyph* Edit;
  int Notifications = 0;
};

#endif
