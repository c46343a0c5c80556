// The text edit control's editing primitives: typing, inserting text,
// deleting, stripping trailing blanks, the length limit and the clipboard.
#include <algorithm>

#include "ZQF_TextEditGlyph.h"
#include "ZQR_Clipboard.h"
#include "ZQ_Assertion.h"

namespace {

bool IsBlank(char C) { return C == '\t' || C == '\n' || C == '\r' || C == ' '; }

// Removes the spaces and tabs that end each line; KeepFinalRun keeps the
// run at the very end of the text.
ZQ_String StripLineEnds(const ZQ_String& Text, bool KeepFinalRun) {
  ZQ_String result = ZQ_String::WithCapacity(Text.GetLength());
  const char* text = Text.GetText();
  const int length = Text.GetLength();
  int lineStart = 0;
  while (lineStart <= length) {
    int lineEnd = lineStart;
    while (lineEnd < length && text[lineEnd] != '\n') ++lineEnd;
    int keep = lineEnd;
    if (!(KeepFinalRun && lineEnd == length)) {
      while (keep > lineStart && (text[keep - 1] == ' ' || text[keep - 1] == '\t')) --keep;
    }
    result.Append(text + lineStart, keep - lineStart);
    if (lineEnd < length) result += '\n';
    lineStart = lineEnd + 1;
  }
  return result;
}

}  // namespace

void ZQF_TextEditGlyph::Util_ReplaceRange(long Start, long Length, const ZQ_String& Text) {
  Buffer->Replace(Start, Length, Text.GetText(), Text.GetLength());
}

// The column of the line's first character that is not blank; -1 when the
// line is blank.
long ZQF_TextEditGlyph::Util_FirstNonBlankColumn(long Line) const {
  const char* text = Buffer->GetLineText(Line);
  const long length = Buffer->GetLineLength(Line);
  for (long column = 0; column < length; ++column) {
    if (!IsBlank(text[column])) return column;
  }
  return -1;
}

void ZQF_TextEditGlyph::Imp_InsertChar(char Character) {
  if (Character == '\r') Character = '\n';
  const long line = Util_ToCaretLineRange(CaretLine);
  const long lineLength = Buffer->GetLineLength(line);
  const bool selected = IsAnyTextSelected();
  if (Character == ' ' && GetCaretBeyondLineEnd() && GetStripTrailingBlanksMode() &&
      CaretColumn >= lineLength) {
    // Trailing blanks would be stripped anyway: the caret only moves.
    if (selected) Imp_DeleteRight();
    Imp_MoveCaret(CaretLine, CaretColumn + 1, false);
    return;
  }
  const long caret = Util_GetCaretPosition();
  long start = caret;
  long removed = 0;
  ZQ_String text(Character);
  if (selected) {
    start = std::min(caret, AnchorPosition);
    removed = std::abs(caret - AnchorPosition);
  } else if (CaretColumn > lineLength && Character != '\n') {
    text = ZQ_String(' ', CaretColumn - lineLength) + text;
  } else if (GetOverwriteMode() && CaretColumn < lineLength) {
    // The line feed that ends a line is never overwritten.
    removed = 1;
  }
  Util_ReplaceRange(start, removed, text);
  Util_SetCaretFromPosition(start + text.GetLength());
  TopLine = Util_ToTopLineRange(TopLine);
  Imp_ScrollToShowCaret();
  Util_CollapseOrKeepAnchor(false);
  Util_UpdateScrollBarStates();
  if (Character == '\n' && GetAutoIndent()) Util_AutoIndentNewLine();
  if (Character == '\n' && GetStripTrailingBlanksMode()) Imp_StripTrailingBlanks(CaretLine - 1);
  PrivateImpUtil_InsureNumCharactersNotOverMaximum();
}

// The new line below the caret's old one takes the indentation of the
// nearest line above with text. A line that already starts with blanks
// keeps them and the caret goes to the nearest column; otherwise spaces
// are put at its start (halves rounded down).
void ZQF_TextEditGlyph::Util_AutoIndentNewLine() {
  long line = CaretLine - 1;
  long column = -1;
  for (; line >= 0 && column < 0; --line) column = Util_FirstNonBlankColumn(line);
  if (column < 0) return;
  const long x = Util_LineColumnToXCoordinate(line + 1, column);
  const long ownFirst = Util_FirstNonBlankColumn(CaretLine);
  if (ownFirst != 0 && Buffer->GetLineLength(CaretLine) > 0 && ownFirst != -1) {
    Imp_MoveCaret(CaretLine, Util_LineXCoordinateToColumn(CaretLine, x), false);
    return;
  }
  const long space = std::max(1L, Util_GetSpaceWidth());
  const long count = (2 * x + space - 1) / (2 * space);
  if (count <= 0) return;
  const long start = Buffer->GetLineStart(CaretLine);
  Util_ReplaceRange(start, 0, ZQ_String(' ', count));
  Imp_MoveCaret(CaretLine, count, false);
}

void ZQF_TextEditGlyph::Imp_InsertText(const ZQ_String& Text) {
  ZQ_String text = GetStripTrailingBlanksMode() ? Util_StripInternalTrailingWhitespace(Text) : Text;
  const long caret = Util_GetCaretPosition();
  long start = caret;
  long removed = 0;
  if (IsAnyTextSelected()) {
    start = std::min(caret, AnchorPosition);
    removed = std::abs(caret - AnchorPosition);
  } else {
    const long lineLength = Buffer->GetLineLength(Util_ToCaretLineRange(CaretLine));
    if (CaretColumn > lineLength && !text.BeginsWith("\n")) {
      text = ZQ_String(' ', CaretColumn - lineLength) + text;
    }
  }
  Util_ReplaceRange(start, removed, text);
  Util_SetCaretFromPosition(start + text.GetLength());
  TopLine = Util_ToTopLineRange(TopLine);
  Util_CollapseOrKeepAnchor(false);
  Imp_ScrollToShowCaret();
  Util_UpdateScrollBarStates();
  if (GetStripTrailingBlanksMode()) Imp_StripTrailingBlanks(CaretLine);
  PrivateImpUtil_InsureNumCharactersNotOverMaximum();
}

void ZQF_TextEditGlyph::Util_DeleteSelectionOrCharacter(long Start, long End) {
  Util_ReplaceRange(Start, End - Start, ZQ_String());
  Util_SetCaretFromPosition(Start);
  TopLine = Util_ToTopLineRange(TopLine);
  Imp_ScrollToShowCaret();
  AnchorPosition = Start;
  Util_UpdateScrollBarStates();
  if (GetStripTrailingBlanksMode()) Imp_StripTrailingBlanks(CaretLine);
}

void ZQF_TextEditGlyph::Imp_DeleteRight() {
  const long caret = Util_GetCaretPosition();
  if (IsAnyTextSelected()) {
    Util_DeleteSelectionOrCharacter(std::min(caret, AnchorPosition),
                                    std::max(caret, AnchorPosition));
  } else if (caret < Buffer->GetLength()) {
    Util_DeleteSelectionOrCharacter(caret, caret + 1);
  }
}

void ZQF_TextEditGlyph::Imp_DeleteLeft() {
  const long caret = Util_GetCaretPosition();
  const bool selected = IsAnyTextSelected();
  if (!selected && CaretColumn > Buffer->GetLineLength(Util_ToCaretLineRange(CaretLine))) {
    Imp_MoveCaret(CaretLine, CaretColumn - 1, false);
  } else if (selected) {
    Util_DeleteSelectionOrCharacter(std::min(caret, AnchorPosition),
                                    std::max(caret, AnchorPosition));
  } else if (caret > 0) {
    Util_DeleteSelectionOrCharacter(caret - 1, caret);
  }
}

void ZQF_TextEditGlyph::Imp_Backspace() {
  const long first = CaretLine < Buffer->GetNumLines() ? Util_FirstNonBlankColumn(CaretLine) : -1;
  if (!GetAutoIndent() || CaretColumn <= 0 || CaretLine <= 0 || IsAnyTextSelected() ||
      (first >= 0 && CaretColumn > first)) {
    Imp_DeleteLeft();
    return;
  }
  // Back to the previous indentation stop above.
  long target = 0;
  for (long line = CaretLine - 1; line >= 0; --line) {
    const long column = Util_FirstNonBlankColumn(line);
    if (column < 0) continue;
    const long x = Util_LineColumnToXCoordinate(line, column);
    if (x < CaretX) {
      target = Util_LineXCoordinateToColumn(CaretLine, x);
      break;
    }
  }
  AnchorPosition = Util_GetCaretPosition();
  Imp_MoveCaret(CaretLine, target, true);
  Imp_DeleteLeft();
  if (GetStripTrailingBlanksMode()) Imp_StripTrailingBlanks(CaretLine);
}

void ZQF_TextEditGlyph::Imp_StripTrailingBlanks(long Line) {
  ZQ_ASSERT(GetStripTrailingBlanksMode());
  const long start = Buffer->GetLineStart(Line);
  const long end = start + Buffer->GetLineLength(Line);
  const char* text = Buffer->GetCharacters();
  long run = end;
  while (run > start && text[run - 1] == ' ') --run;
  const long count = end - run;
  if (count == 0) return;
  Util_ReplaceRange(run, count, ZQ_String());
  if (AnchorPosition >= run) AnchorPosition = std::max(run, AnchorPosition - count);
  if (Line == CaretLine) CaretColumn = Util_ToCaretColumnRange(CaretLine, CaretColumn);
  Util_RecomputeCaretX();
  Util_UpdateScrollBarStates();
}

ZQ_String ZQF_TextEditGlyph::Util_StripInternalTrailingWhitespace(const ZQ_String& Text) const {
  return StripLineEnds(Text, true);
}

void ZQF_TextEditGlyph::Imp_ToggleInsertMode() {
  Options ^= Option_OverwriteMode;
  ResetCaretBlinkTimer();
}

void ZQF_TextEditGlyph::Imp_SelectAll() {
  AnchorPosition = Buffer->GetLength();
  CaretLine = 0;
  CaretColumn = 0;
  CaretX = 0;
  Imp_ScrollToShowCaret();
  Util_UpdateScrollBarStates();
}

void ZQF_TextEditGlyph::Imp_SetText(const ZQ_String& Text) {
  Buffer->SetText(GetStripTrailingBlanksMode() ? StripLineEnds(Text, false) : Text);
  AnchorPosition = Util_ToAnchorPosRange(AnchorPosition);
  if (IsInitialized()) {
    TopLine = AnchorPosition = CaretLine = CaretColumn = CaretX = ScrollX = 0;
    Util_UpdateScrollBarStates();
  }
  PrivateImpUtil_InsureNumCharactersNotOverMaximum();
}

// Input beyond the limit is accepted first and then cut off, the view and
// caret kept as far as the shorter text allows.
void ZQF_TextEditGlyph::PrivateImpUtil_InsureNumCharactersNotOverMaximum() {
  const long length = Buffer->GetLength();
  if (length <= MaximumLength) return;
  const bool keep = IsInitialized();
  UserConfigurationToken token{};
  if (keep) token = Imp_GetUserConfiguration();
  Buffer->Replace(MaximumLength, length - MaximumLength, "", 0);
  if (GetStripTrailingBlanksMode()) Buffer->SetText(StripLineEnds(Buffer->GetText(), false));
  if (keep) {
    Imp_LoadUserConfiguration(token);
  } else {
    AnchorPosition = Util_ToAnchorPosRange(AnchorPosition);
  }
}

// --- The clipboard: text as it comes, no line-end conversion.

void ZQF_TextEditGlyph::UtilImp_Copy() {
  if (IsAnyTextSelected()) {
    ZQR_Clipboard::SetContents(GetSelectionText());
  } else if (GetReadOnly()) {
    ZQR_Clipboard::SetContents(GetValue());
  }
}

void ZQF_TextEditGlyph::UtilImp_Cut() {
  if (!IsAnyTextSelected()) return;
  ZQR_Clipboard::SetContents(GetSelectionText());
  Imp_DeleteRight();
}

void ZQF_TextEditGlyph::UtilImp_Paste() {
  if (!ZQR_Clipboard::ContentsAvailableAsText()) return;
  ZQ_String text = ZQR_Clipboard::GetContentsAsText();
  if (IsSingleLine()) {
    for (char end : {'\r', '\n'}) {
      const int at = text.Find(end);
      if (at >= 0) text = text.GetLeft(at);
    }
  }
  Imp_InsertText(text);
}
