// The text edit control's mouse selection, wheel and middle-button
// scrolling, cursor, focus changes, the shared caret blink and drag
// autorepeat timers, and the user configuration.
#include <algorithm>
#include <cmath>

#include "ZQF_Metrics.h"
#include "ZQF_MouseWheel.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_RegistryValueItems.h"

namespace {

// One per program: at most one control blinks, one drag selects.
ZQF_TextEditGlyphCaretBlinkTimer* s_blinkTimer = nullptr;
ZQF_TextEditGlyphAutorepeatTimer* s_autorepeatTimer = nullptr;
bool s_caretVisible = true;
bool s_selectAllClick = false;
long s_stepCounterX = 0;
long s_stepCounterY = 0;

const char* const kTopLine = "UserConfiguration_TopLine";
const char* const kCaretLine = "UserConfiguration_CaretLine";
const char* const kCaretColumn = "UserConfiguration_CaretColumn";
const char* const kAnchorLine = "UserConfiguration_AnchorLine";
const char* const kAnchorColumn = "UserConfiguration_AnchorColumn";
const char* const kScrollX = "UserConfiguration_ScrollX";
const char* const kOptions = "UserConfiguration_Options";

// Rounds to the nearest whole number, halves down.
long RoundHalfDown(double Value) { return static_cast<long>(std::ceil(Value - 0.5)); }

void StopAutorepeatTimer() {
  delete s_autorepeatTimer;
  s_autorepeatTimer = nullptr;
}

bool IsBlank(char C) { return C == '\t' || C == '\n' || C == '\r' || C == ' '; }

}  // namespace

ZQF_TextEditGlyph::~ZQF_TextEditGlyph() {
  if (s_blinkTimer && s_blinkTimer->GetControl() == this) StopCaretBlinkTimer();
  // The autorepeat timer holds its control: it must not tick a dead one.
  if (s_autorepeatTimer && s_autorepeatTimer->GetControl() == this) StopAutorepeatTimer();
}

// --- Timers.

ZQF_TextEditGlyphCaretBlinkTimer::ZQF_TextEditGlyphCaretBlinkTimer(ZQF_TextEditGlyph* Control)
    : ZQ_Timer(static_cast<int>(ZQF_GetTimeMetric(ZQF_TimeMetric_CaretBlink)), ZQ_Functor0()), Control(Control) {}

void ZQF_TextEditGlyphCaretBlinkTimer::Restart() {
  KillTimer();
  BlinkedMs = 0;
  SetTimer(static_cast<int>(ZQF_GetTimeMetric(ZQF_TimeMetric_CaretBlink)));
}

void ZQF_TextEditGlyphCaretBlinkTimer::Tick() {
  ZQF_TextEditGlyph::ToggleCaretVisible();
  Control->QueueCaretVisualStateUpdate();
  BlinkedMs += static_cast<int>(ZQF_GetTimeMetric(ZQF_TimeMetric_CaretBlink));
  if (BlinkedMs >= BlinkingTimeMs && ZQF_TextEditGlyph::IsCaretVisible()) KillTimer();
}

ZQF_TextEditGlyphAutorepeatTimer::ZQF_TextEditGlyphAutorepeatTimer(ZQF_TextEditGlyph* Control)
    : ZQ_Timer(1000 / 20, ZQ_Functor0()), Control(Control) {}

void ZQF_TextEditGlyphAutorepeatTimer::Tick() { Control->HandleTimerEvent(); }

void ZQF_TextEditGlyph::StartCaretBlinkTimer(ZQF_TextEditGlyph* Control, bool Visible) {
  StopCaretBlinkTimer();
  s_caretVisible = Visible;
  s_blinkTimer = new ZQF_TextEditGlyphCaretBlinkTimer(Control);
}

void ZQF_TextEditGlyph::StopCaretBlinkTimer() {
  delete s_blinkTimer;
  s_blinkTimer = nullptr;
}

void ZQF_TextEditGlyph::ResetCaretBlinkTimer() {
  // Restarted in place: typing resets it at every character.
  s_caretVisible = true;
  if (s_blinkTimer) s_blinkTimer->Restart();
}

ZQF_TextEditGlyphCaretBlinkTimer* ZQF_TextEditGlyph::GetCaretBlinkTimer() { return s_blinkTimer; }
ZQF_TextEditGlyphAutorepeatTimer* ZQF_TextEditGlyph::GetAutorepeatTimer() {
  return s_autorepeatTimer;
}
bool ZQF_TextEditGlyph::IsCaretVisible() { return s_caretVisible; }
void ZQF_TextEditGlyph::ToggleCaretVisible() { s_caretVisible = !s_caretVisible; }
bool ZQF_TextEditGlyph::GetSelectAllClick() { return s_selectAllClick; }
void ZQF_TextEditGlyph::SetSelectAllClick(bool Value) { s_selectAllClick = Value; }

void ZQF_TextEditGlyph::QueueCaretVisualStateUpdate() {
  const ZQ_Rectangle<long> caret = Util_ComputeCaretRect();
  const ZQ_Rectangle<long>& box = GetBoundingBox();
  if (caret.Width > 0 && caret.Height > 0) {
    InvalidateRect(box.X + caret.X, box.Y + caret.Y, caret.Width, caret.Height);
  }
}

// One tick of a drag selection: the caret follows the pointer, and beyond
// the text area it moves at a rate that doubles every unit of distance.
void ZQF_TextEditGlyph::HandleTimerEvent() {
  // A capture taken away (WM_CANCELMODE) ends the drag without a release.
  if (!HasMouseCapture()) {
    if (s_autorepeatTimer && s_autorepeatTimer->GetControl() == this) StopAutorepeatTimer();
    return;
  }
  if (s_selectAllClick) return;
  const HitCheck hit = Util_PerformHitCheck(GetCurrentMouseLocation());
  if (hit.ZoneX == 0 && hit.ZoneY == 0) {
    Imp_MoveCaret(Util_TextEditAreaXYToLineColumn({hit.ValueX, hit.ValueY}).Line,
                  Util_TextEditAreaXYToLineColumn({hit.ValueX, hit.ValueY}).Column, true);
  } else {
    Util_AutorepeatAxis(hit.ZoneY, hit.ValueY, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap6Px).Y, 3, s_stepCounterY, true);
    Util_AutorepeatAxis(hit.ZoneX, hit.ValueX, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X, 4, s_stepCounterX, false);
  }
  Util_QueueRepaint();
}

void ZQF_TextEditGlyph::Util_AutorepeatAxis(int Zone, long Distance, long Unit, int Exponent,
                                            long& Counter, bool Vertical) {
  if (Zone == 0) return;
  const double rate =
      std::ceil(std::min(std::pow(2.0, double(Distance) / std::max(1L, Unit) + Exponent), 10000.0));
  long steps = 0;
  if (rate >= 20) {
    steps = RoundHalfDown(rate / 20);
  } else if (++Counter >= RoundHalfDown(20 / rate)) {
    Counter = 0;
    steps = 1;
  }
  if (steps == 0) return;
  if (Zone == 1) steps = -steps;
  if (Vertical) {
    Imp_MoveCaretVerticallyNLines(steps, true);
  } else {
    Imp_MoveCaretHorizontallyNColumns(steps, true);
  }
}

// --- Mouse.

void ZQF_TextEditGlyph::Util_PlaceCaretAtPoint(const ZQ_Point<long>& Local, bool Extend) {
  const HitCheck hit = Util_PerformHitCheck(Local);
  const ZQF_TextEditLineColumn at = Util_TextEditAreaXYToLineColumn({hit.ValueX, hit.ValueY});
  Imp_MoveCaret(at.Line, at.Column, Extend);
}

void ZQF_TextEditGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  Util_LeaveBackgroundSelectedState();
  if (!SecondTry) {
    s_selectAllClick = !IsOnFocusPath() && IsEnabled() && IsFocusable() && IsSingleLine();
  }
  ZQF_ControlGlyph::HandleMouseLeftDown(Message, SecondTry);
  if (!SecondTry || IsDisabled() || Message.IsHandled()) return;
  const ZQ_Point<long> local = WindowToGlyph(Message.GetPosition());
  if (s_selectAllClick) {
    CaptureMouse();
    Imp_SelectAll();
    Util_EnterBackgroundSelectedState();
  } else {
    const HitCheck hit = Util_PerformHitCheck(local);
    if (hit.ZoneX == 0 && hit.ZoneY == 0) {
      CaptureMouse();
      s_stepCounterX = s_stepCounterY = 0;
      StopAutorepeatTimer();
      s_autorepeatTimer = new ZQF_TextEditGlyphAutorepeatTimer(this);
      Util_PlaceCaretAtPoint(local, Message.MatchesModifierKeys(1, 0, 0));
    }
  }
  Util_QueueRepaint();
  Message.SetHandled();
}

void ZQF_TextEditGlyph::HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseMove(Message, SecondTry);
  if (!HasMouseCapture() || s_selectAllClick || IsDisabled()) return;
  const HitCheck hit = Util_PerformHitCheck(WindowToGlyph(Message.GetPosition()));
  const ZQF_TextEditLineColumn at = Util_TextEditAreaXYToLineColumn({hit.ValueX, hit.ValueY});
  if (hit.ZoneX == 0 && hit.ZoneY == 0) {
    Imp_MoveCaret(at.Line, at.Column, true);
  } else if (hit.ZoneX == 0) {
    Imp_MoveCaret(CaretLine, Util_LineXCoordinateToColumn(CaretLine, hit.ValueX + ScrollX), true);
  } else if (hit.ZoneY == 0) {
    Imp_MoveCaret(at.Line, CaretColumn, true);
  } else {
    return;
  }
  Util_QueueRepaint();
}

void ZQF_TextEditGlyph::HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftUp(Message, SecondTry);
  if (s_autorepeatTimer && s_autorepeatTimer->GetControl() == this) StopAutorepeatTimer();
  if (!HasMouseCapture()) return;
  ReleaseMouse();
  if (s_selectAllClick) {
    s_selectAllClick = false;
    return;
  }
  const ZQ_Point<long> local = WindowToGlyph(Message.GetPosition());
  const HitCheck hit = Util_PerformHitCheck(local);
  if (hit.ZoneX == 0 && hit.ZoneY == 0) Util_PlaceCaretAtPoint(local, true);
  Util_RespondToChange(Change_Caret | Change_Scroll | Change_Anchor, Source_Mouse,
                       Kind_CaretMovement);
}

void ZQF_TextEditGlyph::HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftDoubleClick(Message, SecondTry);
  if (!SecondTry || IsDisabled() || Message.IsHandled()) return;
  const ZQ_Point<long> local = WindowToGlyph(Message.GetPosition());
  const HitCheck hit = Util_PerformHitCheck(local);
  if (hit.ZoneX != 0 || hit.ZoneY != 0) return;
  Util_LeaveBackgroundSelectedState();
  Util_SelectWordAt(local);
  Util_QueueRepaint();
  Message.SetHandled();
}

// A word with the blanks after it, or a run of blanks with the word
// before it.
void ZQF_TextEditGlyph::Util_SelectWordAt(const ZQ_Point<long>& Local) {
  const HitCheck hit = Util_PerformHitCheck(Local);
  const ZQF_TextEditLineColumn at = Util_TextEditAreaXYToLineColumn({hit.ValueX, hit.ValueY});
  const long length = Buffer->GetLineLength(at.Line);
  if (length == 0) return;
  const char* text = Buffer->GetLineText(at.Line);
  const long c = std::min(at.Column, length);
  long s = std::max(c - 1, 0L);
  while (s > 0 && !(IsBlank(text[s - 1]) && !IsBlank(text[s]))) --s;
  long e = c;
  while (e < length && !(e > 0 && IsBlank(text[e - 1]) && !IsBlank(text[e]))) ++e;
  AnchorPosition = Buffer->GetLineStart(at.Line) + s;
  CaretLine = at.Line;
  CaretColumn = e;
  Util_RecomputeCaretX();
  Imp_ScrollToShowCaret();
  Util_UpdateScrollBarStates();
}

void ZQF_TextEditGlyph::HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) {
  // A one-line field has no lines to scroll: the wheel goes on to what
  // scrolls around it.
  if (SecondTry || IsDisabled() || Message.IsHandled() || IsSingleLine()) return;
  ZQF_TextEditGlyphUserChangeRecorder recorder(this);
  const long lines = std::max(1L, std::min(NumVisibleLines - 1, 3 * Message.GetNumNotches()));
  UtilImp_ScrollVertically(Message.GetDirection() == 1 ? lines : -lines);
  Message.SetHandled();
  recorder.CheckForChanges(Source_Mouse, Kind_Scrolling);
}

void ZQF_TextEditGlyph::Util_MouseWheelDragScrollCallback(double /*AmountX*/, double AmountY) {
  const long whole = static_cast<long>(AmountY >= 0 ? std::floor(AmountY) : -std::floor(-AmountY));
  UtilImp_ScrollVertically(whole);
  Util_QueueRepaint();
}

void ZQF_TextEditGlyph::HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseMiddleDown(Message, SecondTry);
  if (SecondTry || Message.IsHandled() || IsDisabled() ||
      Buffer->GetNumLines() <= NumVisibleLines) {
    return;
  }
  ZQF_TextEditGlyphUserChangeRecorder recorder(this);
  // As the list controls: vertical, whole lines, 4 to 99999 lines a second.
  ZQF_MouseWheel_BeginWheelScrollDragOperation(
      this, ZQF_WheelScrollCallback(this, &ZQF_TextEditGlyph::Util_MouseWheelDragScrollCallback), 0,
      0, 4.0, 99999.0);
  Message.SetHandled();
  recorder.CheckForChanges(Source_Mouse, Kind_Scrolling);
}

void ZQF_TextEditGlyph::HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseSetCursor(Message, SecondTry);
  if (SecondTry) return;
  ZQ_Rectangle<long> view, bar, corner, text;
  Util_ComputeLayoutRectangles(view, bar, corner, text);
  const ZQ_Point<long> local = WindowToGlyph(Message.GetPosition());
  const bool inView = local.X >= view.X && local.X < view.X + view.Width - bar.Width &&
                      local.Y >= view.Y && local.Y < view.Y + view.Height;
  if (HasMouseCapture() || inView) ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(ZQF_CursorMetric_IBeam));
}

// --- Focus.

void ZQF_TextEditGlyph::HandleFocusChange(ZQF_FocusChangeMessage& Message, bool SecondTry) {
  if (!SecondTry) {
    const bool withinWindow = Message.GetScope() == ZQF_FocusChangeMessage::Scope_Tree;
    if (!Message.IsGained()) {
      if (s_blinkTimer && s_blinkTimer->GetControl() == this) StopCaretBlinkTimer();
      if (withinWindow) {
        Util_LeaveBackgroundSelectedState();
        if (!GetKeepScrollOnFocusLoss()) {
          ZQF_TextEditGlyphUserChangeRecorder recorder(this);
          ScrollX = 0;
          Util_UpdateScrollBarStates();
          recorder.CheckForChanges(Source_Command, Kind_Scrolling);
        }
      }
    } else {
      StartCaretBlinkTimer(this, true);
      if (withinWindow && IsEnabled() && IsFocusable() && IsSingleLine()) {
        ZQF_TextEditGlyphUserChangeRecorder recorder(this);
        Imp_SelectAll();
        Util_EnterBackgroundSelectedState();
        recorder.CheckForChanges(Source_Command, Kind_SelectionChange);
      }
    }
  }
  ZQF_ControlGlyph::HandleFocusChange(Message, SecondTry);
}

void ZQF_TextEditGlyph::HandleKeyboardInitiatedDialogFocusGain() {
  if (!IsEnabled() || !IsFocusable() || !IsSingleLine()) return;
  ZQF_TextEditGlyphUserChangeRecorder recorder(this);
  Imp_SelectAll();
  Util_EnterBackgroundSelectedState();
  recorder.CheckForChanges(Source_Program, Kind_SelectionChange);
}

// --- User configuration.

ZQF_TextEditGlyph::UserConfigurationToken ZQF_TextEditGlyph::Imp_GetUserConfiguration() const {
  const ZQF_TextEditLineColumn anchor =
      Buffer->BufferPositionToLineColumn(Util_ToAnchorPosRange(AnchorPosition));
  return {TopLine, CaretLine, CaretColumn, anchor.Line, anchor.Column, ScrollX, Options};
}

void ZQF_TextEditGlyph::Imp_LoadUserConfiguration(const UserConfigurationToken& Token) {
  if ((Token.Options ^ Options) & Option_OverwriteMode) Options ^= Option_OverwriteMode;
  TopLine = Util_ToTopLineRange(Token.TopLine);
  CaretLine = Util_ToCaretLineRange(Token.CaretLine);
  CaretColumn = Util_ToCaretColumnRange(CaretLine, Token.CaretColumn);
  ScrollX = Util_ToScrollXRange(Token.ScrollX);
  const long anchorLine = Util_ToCaretLineRange(Token.AnchorLine);
  const long anchorColumn =
      std::max(0L, std::min(Token.AnchorColumn, Buffer->GetLineLength(anchorLine)));
  AnchorPosition =
      Util_ToAnchorPosRange(Buffer->LineColumnToBufferPosition({anchorLine, anchorColumn}));
  Util_RecomputeCaretX();
  Imp_ScrollToShowCaret();
  Util_UpdateScrollBarStates();
}

void ZQF_TextEditGlyph::SaveUserConfiguration(ZQ_RegistryFolder& Folder) {
  const UserConfigurationToken token = Imp_GetUserConfiguration();
  ZQ_SetInt32(Folder, kTopLine, token.TopLine);
  ZQ_SetInt32(Folder, kCaretLine, token.CaretLine);
  ZQ_SetInt32(Folder, kCaretColumn, token.CaretColumn);
  ZQ_SetInt32(Folder, kAnchorLine, token.AnchorLine);
  ZQ_SetInt32(Folder, kAnchorColumn, token.AnchorColumn);
  ZQ_SetInt32(Folder, kScrollX, token.ScrollX);
  ZQ_SetUInt32(Folder, kOptions, token.Options);
}

void ZQF_TextEditGlyph::LoadUserConfiguration(const ZQ_RegistryFolder& Folder) {
  ZQF_TextEditGlyphUserChangeRecorder recorder(this);
  UserConfigurationToken token;
  token.TopLine = ZQ_GetInt32(Folder, kTopLine, 0);
  token.CaretLine = ZQ_GetInt32(Folder, kCaretLine, 0);
  token.CaretColumn = ZQ_GetInt32(Folder, kCaretColumn, 0);
  token.AnchorLine = ZQ_GetInt32(Folder, kAnchorLine, 0);
  token.AnchorColumn = ZQ_GetInt32(Folder, kAnchorColumn, 0);
  token.ScrollX = ZQ_GetInt32(Folder, kScrollX, 0);
  token.Options = ZQ_GetUInt32(Folder, kOptions, 0);
  Imp_LoadUserConfiguration(token);
  recorder.CheckForChanges(Source_Program, Kind_UserConfigurationLoaded);
}
