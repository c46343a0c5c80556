// The text edit control's keys: the read-only and editable key tables, the
// caret moves and the word rule.
#include <algorithm>

#include "ZQF_TextEditGlyph.h"
#include "ZQ_Assertion.h"

namespace {

bool IsWordCharacter(unsigned char C) {
  return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || (C >= '0' && C <= '9') || C == '_';
}

// Shift either way, the other two as asked.
bool Keys(const ZQF_KeyMessage& Key, int Control, int Alt) {
  return Key.MatchesModifierKeys(2, Control, Alt);
}

}  // namespace

void ZQF_TextEditGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (!SecondTry || IsDisabled() || Message.IsHandled()) return;
  SetSelectAllClick(false);
  ZQF_TextEditGlyphUserChangeRecorder recorder(this);
  int kind = Kind_Nothing;
  const ZQF_KeyCode code = Message.GetKeyCode();
  bool handled = false;
  if ((code == ZQF_Key_Insert && Message.MatchesModifierKeys(0, 1, 0)) ||
      ((code == 'C' || code == 'c') && Keys(Message, 1, 0))) {
    UtilImp_Copy();
    handled = true;
  } else if (GetReadOnly()) {
    handled = Util_HandleReadOnlyKey(Message);
    if (handled) kind = Kind_Scrolling;
  } else {
    handled = Util_HandleEditableKey(Message, kind);
  }
  if (handled) Message.SetHandled();
  recorder.CheckForChanges(Source_Keyboard, kind);
}

bool ZQF_TextEditGlyph::Util_HandleReadOnlyKey(ZQF_KeyMessage& Key) {
  const bool plain = Keys(Key, 0, 0);
  const bool control = Keys(Key, 1, 0);
  if (!plain && !control) return false;
  const long page = std::max(1L, NumVisibleLines - 1);
  switch (Key.GetKeyCode()) {
    case ZQF_Key_PageUp:
      plain ? UtilImp_ScrollVertically(-page) : UtilImp_ScrollToTop();
      return true;
    case ZQF_Key_PageDown:
      plain ? UtilImp_ScrollVertically(page) : UtilImp_ScrollToBottom();
      return true;
    case ZQF_Key_Home:
      plain ? UtilImp_ScrollToBeginningOfLine() : UtilImp_ScrollToTop();
      return true;
    case ZQF_Key_End:
      plain ? UtilImp_ScrollToEndOfVisibleLines() : UtilImp_ScrollToBottom();
      return true;
    case ZQF_Key_Left:
      Imp_ScrollHorizontally(plain ? -1 : -10);
      return true;
    case ZQF_Key_Right:
      Imp_ScrollHorizontally(plain ? 1 : 10);
      return true;
    case ZQF_Key_Up:
      UtilImp_ScrollVertically(plain ? -1 : -page);
      return true;
    case ZQF_Key_Down:
      UtilImp_ScrollVertically(plain ? 1 : page);
      return true;
    default:
      return false;
  }
}

bool ZQF_TextEditGlyph::Util_HandleEditableKey(ZQF_KeyMessage& Key, int& Kind) {
  const ZQF_KeyCode code = Key.GetKeyCode();
  const bool extend = Key.GetModifierKeys().Shift;
  const bool plain = Keys(Key, 0, 0);
  const bool control = Keys(Key, 1, 0);
  const bool alt = Keys(Key, 0, 1);
  Kind = Kind_CaretMovement;
  switch (code) {
    case ZQF_Key_Left:
    case ZQF_Key_Right: {
      const bool left = code == ZQF_Key_Left;
      if (plain) {
        left ? Imp_MoveCaretOneCharacterToLeft(extend) : Imp_MoveCaretOneCharacterToRight(extend);
      } else if (control || alt) {
        const int mode = control ? 0 : 1;
        left ? UtilImp_MoveCaretOneWordToLeft(extend, mode)
             : UtilImp_MoveCaretOneWordToRight(extend, mode);
      } else {
        return false;
      }
      return true;
    }
    case ZQF_Key_Up:
    case ZQF_Key_Down:
    case ZQF_Key_PageUp:
    case ZQF_Key_PageDown: {
      const bool up = code == ZQF_Key_Up || code == ZQF_Key_PageUp;
      const bool arrow = code == ZQF_Key_Up || code == ZQF_Key_Down;
      if (plain && arrow) {
        Imp_MoveCaretVerticallyNLines(up ? -1 : 1, extend);
      } else if (plain || (control && arrow)) {
        up ? Imp_MoveCaretUpOnePage(extend) : Imp_MoveCaretDownOnePage(extend);
      } else if (control) {
        up ? UtilImp_MoveCaretToTop(extend) : UtilImp_MoveCaretToBottom(extend);
      } else {
        return false;
      }
      return true;
    }
    case ZQF_Key_Home:
    case ZQF_Key_End: {
      const bool home = code == ZQF_Key_Home;
      if (plain) {
        home ? UtilImp_MoveCaretToBeginningOfLine(extend) : UtilImp_MoveCaretToEndOfLine(extend);
      } else if (control) {
        home ? UtilImp_MoveCaretToTop(extend) : UtilImp_MoveCaretToBottom(extend);
      } else {
        return false;
      }
      return true;
    }
    default:
      break;
  }
  if (code == ZQF_Key_Insert && Key.MatchesModifierKeys(0, 0, 0)) {
    Kind = Kind_Nothing;
    Imp_ToggleInsertMode();
    return true;
  }
  if ((code == ZQF_Key_Insert && Key.MatchesModifierKeys(1, 0, 0)) ||
      ((code == 'V' || code == 'v') && control)) {
    Kind = Kind_Paste;
    UtilImp_Paste();
    return true;
  }
  if ((code == ZQF_Key_Delete && Key.MatchesModifierKeys(1, 0, 0)) ||
      ((code == 'X' || code == 'x') && control)) {
    Kind = Kind_CutOrDelete;
    UtilImp_Cut();
    return true;
  }
  if ((code == ZQF_Key_Delete || code == ZQF_Key_Backspace) && Key.MatchesModifierKeys(0, 0, 0)) {
    Kind = Kind_CutOrDelete;
    code == ZQF_Key_Delete ? Imp_DeleteRight() : Imp_Backspace();
    return true;
  }
  Kind = Kind_TypedCharacter;
  if (code == ZQF_Key_Tab && plain && GetAcceptsTab()) {
    Imp_InsertChar('\t');
    return true;
  }
  if (code == ZQF_Key_Enter && plain && !IsSingleLine()) {
    Imp_InsertChar('\n');
    return true;
  }
  // AltGr arrives as Control and Alt together: its characters are typed.
  if (code >= 32 && code <= 126 && (plain || Keys(Key, 1, 1))) {
    Imp_InsertChar(static_cast<char>(code));
    return true;
  }
  Kind = Kind_Nothing;
  return false;
}

// --- Caret moves.

void ZQF_TextEditGlyph::Util_CollapseOrKeepAnchor(bool Extend) {
  if (!Extend) AnchorPosition = Util_GetCaretPosition();
}

void ZQF_TextEditGlyph::Util_AfterCaretMove(bool Extend) {
  Imp_ScrollToShowCaret();
  Util_CollapseOrKeepAnchor(Extend);
  Util_UpdateScrollBarStates();
}

void ZQF_TextEditGlyph::Util_SetCaretFromPosition(long Position) {
  const ZQF_TextEditLineColumn at = Buffer->BufferPositionToLineColumn(Position);
  CaretLine = at.Line;
  CaretColumn = at.Column;
  Util_RecomputeCaretX();
}

void ZQF_TextEditGlyph::Util_RecomputeCaretX() {
  CaretX = Util_LineColumnToXCoordinate(CaretLine, CaretColumn);
}

void ZQF_TextEditGlyph::Imp_MoveCaret(long Line, long Column, bool Extend) {
  CaretLine = Util_ToCaretLineRange(Line);
  CaretColumn = Util_ToCaretColumnRange(CaretLine, Column);
  Util_RecomputeCaretX();
  Util_AfterCaretMove(Extend);
}

void ZQF_TextEditGlyph::Imp_MoveCaretOneCharacterToLeft(bool Extend) {
  Imp_MoveCaret(CaretLine, std::max(0L, CaretColumn - 1), Extend);
}

void ZQF_TextEditGlyph::Imp_MoveCaretOneCharacterToRight(bool Extend) {
  Imp_MoveCaret(CaretLine, CaretColumn + 1, Extend);
}

void ZQF_TextEditGlyph::Imp_MoveCaretHorizontallyNColumns(long N, bool Extend) {
  Imp_MoveCaret(CaretLine, std::max(0L, CaretColumn + N), Extend);
}

void ZQF_TextEditGlyph::Imp_MoveCaretVerticallyNLines(long N, bool Extend) {
  CaretLine = Util_ToCaretLineRange(CaretLine + N);
  CaretColumn = Util_LineXCoordinateToColumn(CaretLine, CaretX);
  Util_AfterCaretMove(Extend);
}

void ZQF_TextEditGlyph::Imp_MoveCaretUpOnePage(bool Extend) {
  TopLine = Util_ToTopLineRange(TopLine - (NumVisibleLines - 1));
  Imp_MoveCaretVerticallyNLines(-std::max(1L, NumVisibleLines - 1), Extend);
}

void ZQF_TextEditGlyph::Imp_MoveCaretDownOnePage(bool Extend) {
  TopLine = Util_ToTopLineRange(TopLine + (NumVisibleLines - 1));
  Imp_MoveCaretVerticallyNLines(std::max(1L, NumVisibleLines - 1), Extend);
}

void ZQF_TextEditGlyph::UtilImp_MoveCaretToBeginningOfLine(bool Extend) {
  Imp_MoveCaret(CaretLine, 0, Extend);
}

void ZQF_TextEditGlyph::UtilImp_MoveCaretToEndOfLine(bool Extend) {
  Imp_MoveCaret(CaretLine, Buffer->GetLineLength(Util_ToCaretLineRange(CaretLine)), Extend);
}

// The top is the start of the text, the bottom its end.
void ZQF_TextEditGlyph::UtilImp_MoveCaretToTop(bool Extend) { Imp_MoveCaret(0, 0, Extend); }

void ZQF_TextEditGlyph::UtilImp_MoveCaretToBottom(bool Extend) {
  const long last = Buffer->GetNumLines() - 1;
  Imp_MoveCaret(last, Buffer->GetLineLength(last), Extend);
}

// Word moves scan the whole buffer, across line ends.
void ZQF_TextEditGlyph::UtilImp_MoveCaretOneWordToLeft(bool Extend, int Mode) {
  ZQ_ASSERT(Mode == 0 || Mode == 1);
  const unsigned char* text = reinterpret_cast<const unsigned char*>(Buffer->GetCharacters());
  long p = Util_GetCaretPosition();
  const bool firstSkipsWords = Mode == 1;
  while (p > 0 && IsWordCharacter(text[p - 1]) == firstSkipsWords) --p;
  while (p > 0 && IsWordCharacter(text[p - 1]) != firstSkipsWords) --p;
  const ZQF_TextEditLineColumn at = Buffer->BufferPositionToLineColumn(p);
  Imp_MoveCaret(at.Line, at.Column, Extend);
}

void ZQF_TextEditGlyph::UtilImp_MoveCaretOneWordToRight(bool Extend, int Mode) {
  ZQ_ASSERT(Mode == 0 || Mode == 1);
  const unsigned char* text = reinterpret_cast<const unsigned char*>(Buffer->GetCharacters());
  const long length = Buffer->GetLength();
  long p = Util_GetCaretPosition();
  const bool firstSkipsWords = Mode == 0;
  while (p < length && IsWordCharacter(text[p]) == firstSkipsWords) ++p;
  while (p < length && IsWordCharacter(text[p]) != firstSkipsWords) ++p;
  const ZQF_TextEditLineColumn at = Buffer->BufferPositionToLineColumn(p);
  Imp_MoveCaret(at.Line, at.Column, Extend);
}

// --- Scrolling without moving the caret.

void ZQF_TextEditGlyph::UtilImp_ScrollVertically(long NumLines) {
  TopLine = Util_ToTopLineRange(TopLine + NumLines);
  Util_UpdateScrollBarStates();
}

void ZQF_TextEditGlyph::UtilImp_ScrollToTop() { UtilImp_ScrollVertically(-TopLine); }

void ZQF_TextEditGlyph::UtilImp_ScrollToBottom() {
  UtilImp_ScrollVertically(Buffer->GetNumLines());
}

void ZQF_TextEditGlyph::UtilImp_ScrollToBeginningOfLine() {
  ScrollX = 0;
  Util_UpdateScrollBarStates();
}
