// Text fields in real windows: the select-all click, Shift and Ctrl+Shift
// clicks with the release's report, double clicks, focus moves inside the
// window against deactivation, the drag autorepeat rates, the caret blink,
// the middle-button scroll, the context menu, a field focused in a table,
// and a field deleted during a drag selection. Also the wheel and the user
// configuration, headless.
#include <gtest/gtest.h>

#include <string>

#include "../core/DragTestSupport.h"
#include "../core/WindowTestSupport.h"
#include "TextEditTestSupport.h"
#include "ZQF_ContextSensitiveMenu.h"
#include "ZQF_ContextSensitiveMenuMessage.h"
#include "ZQF_Metrics.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_TableLayoutGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQR_Clipboard.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_RegistryValueItems.h"

namespace {

using E = ZQF_TextEditGlyph;
using R = ZQ_Rectangle<long>;

const char* const kLines =
    "0 line\n1 line\n2 line\n3 line\n4 line\n5 line\n6 line\n7 line\n8 line\n9 line\n"
    "10 line\n11 line\n12 line\n13 line\n14 line\n15 line\n16 line\n17 line\n18 line\n19 line";

// Two single-line fields and a six-line editor, stacked, in a real window.
class TextEditWindow : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    auto* stack = new StackGlyph("stack", nullptr);
    A = new RecordingTextEdit(0);
    B = new RecordingTextEdit(0);
    C = new RecordingTextEdit(1);
    for (E* edit : {static_cast<E*>(A), static_cast<E*>(B), static_cast<E*>(C)}) {
      stack->AddChild(edit, true);
    }
    C->SetFixedSize(20, 6, false, true);
    A->SetValue("first field");
    B->SetValue("second field");
    C->SetValue(kLines);
    Window = OpenAround(stack, R(100, 100, 300, 220));
    Handle = Window->GetWindowHandle();
    ::SetFocus(Handle);
    PumpMessages();
  }
  // A point of Edit's text area (window coordinates): Column on Line.
  ZQ_Point<long> At(E* Edit, long Line, long Column) {
    const R text = Edit->Util_GetTextArea();
    const R& box = Edit->GetBoundingBox();
    return ZQ_Point<long>(
        box.X + text.X + Edit->Util_LineColumnToXCoordinate(Line, Column) - Edit->GetScrollX(),
        box.Y + text.Y + (Line - Edit->GetTopLine()) * Edit->Util_GetLineHeight() + 2);
  }
  void Click(const ZQ_Point<long>& P, WPARAM Keys = 0) {
    Send(Handle, WM_LBUTTONDOWN, MK_LBUTTON | Keys, Point(P.X, P.Y));
    Send(Handle, WM_LBUTTONUP, Keys, Point(P.X, P.Y));
  }

  RecordingTextEdit* A = nullptr;
  RecordingTextEdit* B = nullptr;
  RecordingTextEdit* C = nullptr;
  ZQF_Window* Window = nullptr;
  HWND Handle = nullptr;
};

// In order: the select-all click of a field that had no focus, a caret
// placing click, Shift and Ctrl+Shift clicks (each release reports caret,
// scroll and anchor from the mouse), and double clicks selecting a word with
// the blanks after it, or the word before a line end.
TEST_F(TextEditWindow, MouseSelection) {
  C->SetValue(ZQ_String("hello world\n\n") + kLines);
  const struct {
    const char* why;
    char field;   // 'B' or 'C'
    char action;  // c click, s Shift, x Ctrl+Shift, d double click
    long line, column;
    long anchor, caret;  // positions after
    bool whole;          // the background-selected state
  } cases[] = {
      {"a click into an unfocused field selects all", 'B', 'c', 0, 3, 12, 0, true},
      {"a second click places the caret", 'B', 'c', 0, 3, 3, 3, false},
      {"a click into the editor", 'C', 'c', 2, 2, 15, 15, false},
      {"shift extends", 'C', 's', 4, 4, 15, 31, false},
      {"ctrl shift collapses", 'C', 'x', 4, 5, 32, 32, false},
      {"double click inside a word", 'C', 'd', 0, 2, 0, 6, false},
      {"double click at the line end", 'C', 'd', 0, 11, 6, 11, false},
      {"a click on an empty line", 'C', 'c', 1, 0, 12, 12, false},
      {"a double click there selects nothing", 'C', 'd', 1, 0, 12, 12, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    RecordingTextEdit* edit = c.field == 'B' ? B : C;
    const ZQ_Point<long> p = At(edit, c.line, c.column);
    edit->ForgetChange();
    if (c.action == 'd') {
      Send(Handle, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(p.X, p.Y));
      Send(Handle, WM_LBUTTONUP, 0, Point(p.X, p.Y));
    } else {
      Click(p, c.action == 's' ? MK_SHIFT : c.action == 'x' ? MK_SHIFT | MK_CONTROL : 0);
    }
    EXPECT_TRUE(edit->IsOnFocusPath());
    EXPECT_EQ(edit->GetAnchorPosition(), c.anchor);
    EXPECT_EQ(edit->Util_GetCaretPosition(), c.caret);
    EXPECT_EQ(edit->IsInBackgroundSelectedState(), c.whole);
    if (c.field == 'C' && c.action != 'd') {
      EXPECT_EQ(edit->LastChangeSet, E::Change_Caret | E::Change_Scroll | E::Change_Anchor);
      EXPECT_EQ(edit->LastSource * 100 + edit->LastKind,
                E::Source_Mouse * 100 + E::Kind_CaretMovement);
    }
    EXPECT_EQ(Window->GetCapturingGlyph(), nullptr);
  }
}

// Scrolled back on a move inside the window unless kept; never on
// deactivation. The field that gains the focus in the window selects all.
TEST_F(TextEditWindow, FocusLossInsideTheWindowAgainstDeactivation) {
  const struct {
    const char* why;
    bool keep, deactivate;
    bool scrolled;
  } cases[] = {
      {"moved inside the window", false, false, false},
      {"moved, scroll kept", true, false, true},
      {"window deactivated", false, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    A->PutOnFocusPath();
    ::SetFocus(Handle);
    PumpMessages();
    A->SetKeepScrollOnFocusLoss(c.keep);
    A->SetValue(ZQ_String('W', 80));
    A->Imp_MoveCaret(0, 80, false);
    ASSERT_GT(A->GetScrollX(), 0);
    ASSERT_EQ(E::GetCaretBlinkTimer()->GetControl(), A);
    if (c.deactivate) {
      ::SetFocus(nullptr);
      PumpMessages();
      EXPECT_EQ(E::GetCaretBlinkTimer(), nullptr);
    } else {
      B->PutOnFocusPath();
      EXPECT_EQ(E::GetCaretBlinkTimer()->GetControl(), B);
      EXPECT_TRUE(B->IsAllTextSelected());
      EXPECT_TRUE(B->IsInBackgroundSelectedState());
    }
    EXPECT_EQ(A->GetScrollX() > 0, c.scrolled);
  }
}

// A press whose drag goes beyond the text area: 2^(d / u + 3) lines a
// second at d pixels below (u: size metric 4), 2^(d / u + 4) columns a
// second beside (u: size metric 5), at 20 ticks a second.
TEST_F(TextEditWindow, DragAutorepeatRates) {
  const long u = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap6Px).Y;
  const long ux = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X;
  C->SetValue(ZQ_String("0123456789012345678901234567890123456789\n") + kLines + "\n" + kLines);
  const struct {
    const char* why;
    long dx, dy;          // from the hit area's bottom left
    long lines, columns;  // moved in 4 ticks
  } cases[] = {
      {"just below: 8 a second, a line every 2 ticks", 0, 0, 2, 0},
      {"one unit below: 16, a line a tick", 0, u, 4, 0},
      {"three units below: 64, 3 lines a tick", 0, 3 * u, 12, 0},
      {"just left: 16 columns, one a tick", -1, -20, 0, -4},
      {"two units left: 70, 3.5 columns a tick, halves down", -1 - 2 * ux, -20, 0, -12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    C->Imp_MoveCaret(0, 0, false);
    const ZQ_Point<long> press = At(C, 0, 20);
    Send(Handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(press.X, press.Y));
    ASSERT_NE(E::GetAutorepeatTimer(), nullptr);
    const long line = C->GetCaretLine(), column = C->GetCaretColumn();
    const R text = C->Util_GetTextArea();
    const long bottom =
        text.Y + C->Util_GetFontHeight() + C->Util_GetLineHeight() * (C->GetNumVisibleLines() - 1);
    const long left = text.X - C->Cust_GetLeftMargin();
    const ZQ_Point<long> local(c.dx < 0 ? left + c.dx : text.X + 5, bottom + c.dy);
    const ZQ_Point<long> screen = C->GlyphToScreen(local);
    {
      const FakeCursorPosition pointer(screen.X, screen.Y);
      for (int tick = 0; tick < 4; ++tick) C->HandleTimerEvent();
    }
    EXPECT_EQ(C->GetCaretLine() - line, c.lines);
    // Vertical moves keep the x, so only sideways ones count columns.
    if (c.columns) {
      EXPECT_EQ(C->GetCaretColumn() - column, c.columns);
    }
    Send(Handle, WM_LBUTTONUP, 0, Point(press.X, press.Y));
    EXPECT_EQ(E::GetAutorepeatTimer(), nullptr);
  }
}

TEST_F(TextEditWindow, TheCaretBlinksAtTheSystemBlinkTime) {
  C->PutOnFocusPath();
  ASSERT_NE(E::GetCaretBlinkTimer(), nullptr);
  EXPECT_TRUE(E::IsCaretVisible());
  E::GetCaretBlinkTimer()->Tick();
  EXPECT_FALSE(E::IsCaretVisible());
  // Real time: the timer toggles the flag (waited for up to 10 s, which a
  // loaded machine may need).
  const bool before = E::IsCaretVisible();
  const DWORD start = ::GetTickCount();
  bool toggled = false;
  while (!toggled && ::GetTickCount() - start < 10000) {
    PumpMessages();
    ::Sleep(10);
    toggled = E::IsCaretVisible() != before;
  }
  EXPECT_TRUE(toggled) << "the caret blinked within 10 s";
}

TEST_F(TextEditWindow, TheCaretRestsShownFiveSecondsAfterTheFocusOrTheLastKey) {
  C->PutOnFocusPath();
  ZQ_Timer* timer = E::GetCaretBlinkTimer();
  ASSERT_NE(timer, nullptr);
  const long blinkMs = ZQF_GetTimeMetric(ZQF_TimeMetric_CaretBlink);
  for (const char* start : {"the focus", "a key"}) {
    SCOPED_TRACE(start);
    long ticks = 0;
    while (timer->IsTimerCreated() && ticks < 100) timer->ProcessTimerTick(), ++ticks;
    // The system's caret timeout, rounded up to a shown caret: then no
    // timer wakes the idle program.
    EXPECT_GE(ticks * blinkMs, 5000);
    EXPECT_LT(ticks * blinkMs, 5000 + 2 * blinkMs);
    EXPECT_TRUE(E::IsCaretVisible());
    Send(Handle, WM_CHAR, 'x', 1);
    EXPECT_TRUE(timer->IsTimerCreated());
  }
}

// A middle click starts the wheel-button scroll; moving below scrolls down.
TEST_F(TextEditWindow, MiddleButtonScrollsTheEditor) {
  // A click in place, then a timer moves the pointer 100 px down and ends
  // the drag by a press at its eighth tick.
  struct Script {
    void Step() {
      if (++Ticks == 1) {
        ::SetCursorPos(Press.x, Press.y + 100);
        ::PostMessageA(Window, WM_MOUSEMOVE, 0, MAKELPARAM(Client.x, Client.y + 100));
      } else if (Ticks == 8) {
        ::PostMessageA(Window, WM_LBUTTONDOWN, 0, 0);
        Timer.KillTimer();
      }
    }
    HWND Window;
    POINT Client, Press;
    int Ticks = 0;
    ZQ_Timer Timer{50, ZQ_Functor0(this, &Script::Step)};
  };
  const ZQ_Point<long> p = At(C, 1, 1);
  Script script{Handle, {p.X, p.Y}, {p.X, p.Y}};
  ::ClientToScreen(Handle, &script.Press);
  ::SetCursorPos(script.Press.x, script.Press.y);
  PumpMessages();
  ::PostMessageA(Handle, WM_MBUTTONUP, 0, MAKELPARAM(p.X + 1, p.Y + 1));
  Send(Handle, WM_MBUTTONDOWN, MK_MBUTTON, Point(p.X, p.Y));
  EXPECT_EQ(script.Ticks, 8);
  EXPECT_GT(C->GetTopLine(), 0);
  EXPECT_EQ(C->GetCaretLine(), 0) << "the caret stays";
  EXPECT_EQ(C->LastKind, E::Kind_Scrolling);
}

// "2:Cut,Copy|4:Select All": the items of sections 2 to 4.
std::string MenuTexts(ZQF_ContextSensitiveMenu& Menu) {
  std::string texts;
  for (long section = 2; section <= 4; ++section) {
    std::string items;
    for (ZQF_MenuElement* e = Menu.GetSection(section)->GetFirstChild(); e;
         e = e->GetNextSibling()) {
      items += (items.empty() ? "" : ",") +
               std::string(dynamic_cast<ZQF_StandardTextMenuElement&>(*e).GetText().GetText());
    }
    if (!items.empty()) texts += (texts.empty() ? "" : "|") + std::to_string(section) + ":" + items;
  }
  return texts;
}

TEST_F(TextEditWindow, ContextMenuEntriesByState) {
  const struct {
    const char* why;
    bool readOnly, selected, clipboard, enabled;
    const char* items;
  } cases[] = {
      {"editable, selected, clipboard", false, true, true, true,
       "2:Cut,Copy,Paste|3:Delete|4:Select All"},
      {"editable, nothing selected", false, false, false, true, "4:Select All"},
      {"read-only", true, false, true, true, "2:Copy|4:Select All"},
      {"disabled", false, true, true, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    C->SetEnabled(true);
    C->PutOnFocusPath();
    C->SetReadOnly(c.readOnly);
    C->Select(0, 0, c.selected ? 3 : 0);
    c.clipboard ? ZQR_Clipboard::SetContents("x") : EmptyTheClipboard();
    C->SetEnabled(c.enabled);
    const ZQ_Point<long> screen = C->GlyphToScreen(ZQ_Point<long>(20, 8));
    const FakeCursorPosition pointer(screen.X, screen.Y);
    ZQF_ContextSensitiveMenu menu;
    ZQF_ContextSensitiveMenuMessage message(&menu);
    Window->GetTopLevelGlyph()->Dispatch(message);
    EXPECT_EQ(MenuTexts(menu), c.items);
  }
}

// The autorepeat timer serves one drag: it ends at the next tick once the
// capture was taken away, and it goes with a field deleted during the drag.
TEST_F(TextEditWindow, NoAutorepeatTimerOutlivesItsDragOrItsField) {
  const ZQ_Point<long> press = At(C, 1, 1);
  Send(Handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(press.X, press.Y));
  C->ReleaseMouse();  // taken away without a release message
  E::GetAutorepeatTimer()->Tick();
  EXPECT_EQ(E::GetAutorepeatTimer(), nullptr);
  Send(Handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(press.X, press.Y));
  ASSERT_EQ(E::GetAutorepeatTimer()->GetControl(), C);
  ASSERT_EQ(E::GetCaretBlinkTimer()->GetControl(), C);
  C->GetParent()->DeleteChild(C);
  C = nullptr;
  EXPECT_EQ(E::GetAutorepeatTimer(), nullptr);
  EXPECT_EQ(E::GetCaretBlinkTimer(), nullptr);
  EXPECT_EQ(Window->GetCapturingGlyph(), nullptr);
  Send(Handle, WM_LBUTTONUP, 0, Point(press.X, press.Y));
}

TEST_F(WindowTest, AFieldFocusedInATableNamesItsCell) {
  auto* table = new ZQF_TableLayoutGlyph(2, 2, 0);
  auto* edit = new ZQF_TextEditGlyph(0);
  table->SetClient(0, 0, "Air");
  table->SetClient(1, 0, "Wind");
  table->SetClient(0, 1, new ZQF_TextEditGlyph(0));
  table->SetClient(1, 1, edit);
  const HWND window = OpenAround(table, R(100, 100, 300, 120))->GetWindowHandle();
  ::SetFocus(window);
  const R& box = edit->GetBoundingBox();
  Send(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(box.X + 5, box.Y + 5));
  Send(window, WM_LBUTTONUP, 0, Point(box.X + 5, box.Y + 5));
  long row = -1, column = -1;
  EXPECT_TRUE(table->GetFocusClientRowAndColumn(row, column));
  EXPECT_EQ(row, 1);
  EXPECT_EQ(column, 1);
}

// --- Headless: the wheel and the user configuration.

using TextEditHeadless = GuiStageTest;

TEST_F(TextEditHeadless, TheWheelScrollsThreeLinesAStepAtMostAPageLessOneTheBarByItsSteps) {
  const struct {
    long visible, notches, direction, top;  // the top line after, from 10
  } cases[] = {{10, 1, 1, 13}, {10, 2, 0, 4}, {3, 1, 1, 12}, {1, 1, 0, 9}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.visible * 10 + c.notches);
    auto* edit = new RecordingTextEdit(1);
    TextEditRig rig(edit, 200, edit->ComputeHeightToHoldNLines(c.visible));
    edit->SetValue(ZQ_String(kLines) + "\n" + kLines);
    edit->Imp_MoveCaret(10 + c.visible - 1, 0, false);
    edit->Imp_MoveCaret(10, 0, false);
    ASSERT_EQ(edit->GetTopLine(), 10);
    ZQF_WheelMouseMessage wheel(20, 20, false, false, false, c.direction, c.notches);
    rig.Root->Dispatch(wheel);
    EXPECT_TRUE(wheel.IsHandled());
    EXPECT_EQ(edit->GetTopLine(), c.top);
    EXPECT_EQ(edit->GetCaretLine(), 10);
    EXPECT_EQ(edit->LastKind, E::Kind_Scrolling);
  }
  // The field's own scroll bar scrolls it too.
  auto* edit = new RecordingTextEdit(1);
  TextEditRig rig(edit, 200, 60);
  edit->SetValue(kLines);
  edit->Util_GetVerticalScrollBar()->PerformLineForward(true);
  EXPECT_EQ(edit->GetTopLine(), 1);
  EXPECT_EQ(edit->LastSource * 100 + edit->LastKind, E::Source_Mouse * 100 + E::Kind_Scrolling);
}
TEST_F(TextEditHeadless, UserConfigurationRoundTripAndClamping) {
  auto* edit = new RecordingTextEdit(1);
  TextEditRig rig(edit, 100, 60);
  edit->SetValue(kLines);
  edit->SetAutoIndent(true);
  edit->Select(20, 12, 5);  // the anchor at line 2, column 6
  rig.Key(ZQF_Key_Insert);
  ZQ_RegistryFolder folder;
  edit->SaveUserConfiguration(folder);
  EXPECT_EQ(ZQ_GetInt32(folder, "UserConfiguration_AnchorLine", -1), 2);
  const long top = edit->GetTopLine();
  edit->SetValue(kLines);
  rig.Key(ZQF_Key_Insert);
  ZQ_SetUInt32(folder, "UserConfiguration_Options", E::Option_OverwriteMode | E::Option_ReadOnly);
  edit->LoadUserConfiguration(folder);
  EXPECT_EQ(edit->GetCaretLine() * 100 + edit->GetCaretColumn(), 1205);
  EXPECT_EQ(edit->GetAnchorPosition(), 20);
  EXPECT_EQ(edit->GetTopLine(), top);
  EXPECT_TRUE(edit->GetOverwriteMode());
  EXPECT_FALSE(edit->GetReadOnly()) << "only the overwrite bit is applied";
  EXPECT_EQ(edit->LastKind, E::Kind_UserConfigurationLoaded);
  // Values beyond the text are clamped.
  ZQ_SetInt32(folder, "UserConfiguration_CaretLine", 500);
  ZQ_SetInt32(folder, "UserConfiguration_CaretColumn", 500);
  ZQ_SetInt32(folder, "UserConfiguration_ScrollX", -7);
  edit->SetValue("ab\ncd");
  edit->LoadUserConfiguration(folder);
  EXPECT_EQ(edit->GetCaretLine() * 100 + edit->GetCaretColumn(), 102);
  EXPECT_EQ(edit->GetAnchorPosition(), 5);
  EXPECT_EQ(edit->GetScrollX() + edit->GetTopLine(), 0);
}

// A dialog that moved the focus here by keyboard: a single-line field
// selects all of itself, a multi-line one does nothing.
TEST_F(TextEditHeadless, KeyboardFocusGainSelectsAllOfASingleLineField) {
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    auto* edit = new RecordingTextEdit(mode);
    TextEditRig rig(edit);
    edit->SetValue("abc");
    edit->Imp_MoveCaret(0, 3, false);
    edit->ForgetChange();
    edit->HandleKeyboardInitiatedDialogFocusGain();
    EXPECT_EQ(edit->IsAllTextSelected(), mode == 0);
    EXPECT_EQ(edit->IsInBackgroundSelectedState(), mode == 0);
    EXPECT_EQ(edit->LastSource, mode == 0 ? E::Source_Program : -1);
  }
}

}  // namespace
