// ZQF_TextEditGlyph.h: the toolkit's own, self-drawn text field: a
// single-line field (mode 0), a multi-line editor (1), or a multi-line
// editor that grows from 2 to 10 lines with its text (2). It owns its
// buffer and a vertical scroll bar child (its first child). Keys, mouse,
// commands and the context menu edit the text; every user edit dispatches
// one ZQF_TextEditorTextChangeNotificationMessage up the parent chain at
// once, while changes made by the program send none. It draws its own
// blinking caret (never the Windows caret). The editing state can be saved
// to and loaded from a settings folder.
// Editing and the key tables live in ZQF_TextEditGlyphKeys.cpp and
// ZQF_TextEditGlyphEditing.cpp, measuring, layout and drawing in
// ZQF_TextEditGlyphDisplay.cpp, mouse, focus, timers and the user
// configuration in ZQF_TextEditGlyphMouse.cpp.
// Pixel values are glyph-local unless named otherwise. Misuse fails
// assertions; failed Windows calls throw through the wrappers. UI thread
// only.
#ifndef ZQF_TEXTEDITGLYPH_H
#define ZQF_TEXTEDITGLYPH_H

#include <memory>
#include <vector>

#include "ZQF_ControlGlyph.h"
#include "ZQF_TextEditBuffer.h"
#include "ZQR_Color.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_Timer.h"

class ZQ_RegistryFolder;
class ZQF_VerticalScrollBarGlyph;
class ZQF_TextEditGlyphCaretBlinkTimer;
class ZQF_TextEditGlyphAutorepeatTimer;

class ZQF_TextEditGlyph : public ZQF_ControlGlyph {
 public:
  // Bits of the Options set.
  enum : unsigned long {
    Option_OverwriteMode = 1,
    Option_ReadOnly = 2,
    Option_CaretBeyondLineEnd = 4,
    Option_AutoIndent = 8,
    Option_StripTrailingBlanksMode = 16,
    Option_KeepScrollOnFocusLoss = 32,
    Option_AcceptsTab = 64,
    // The background-selected highlight fills the whole margin ring.
    Option_SelectionFillsMargins = 128
  };
  // Bits of the Mode set.
  enum : unsigned long {
    Mode_SingleLine = 1,
    Mode_MultiLine = 2,
    Mode_MultiLineGrowing = 4,
    Mode_BackgroundSelected = 8
  };
  // Bits of a change set.
  enum : long {
    Change_Text = 1,
    Change_Caret = 2,
    Change_Scroll = 4,
    Change_Anchor = 8,
    Change_OverwriteMode = 16,
    Change_All = 31
  };
  // Who changed the control.
  enum : int {
    Source_Keyboard = 0,
    Source_Mouse = 1,
    Source_Command = 2,
    Source_Program = 3,
    Source_Initialization = 4
  };
  // What kind of change it was.
  enum : int {
    Kind_Initialization = 0,
    Kind_TypedCharacter = 1,
    Kind_Paste = 2,
    Kind_SetValue = 3,
    Kind_CutOrDelete = 4,
    Kind_CaretMovement = 5,
    Kind_Scrolling = 6,
    Kind_SelectionChange = 7,
    Kind_UserConfigurationLoaded = 10,
    Kind_Nothing = 12
  };
  // The answer of Util_PerformHitCheck, per axis: zone 0 inside, 1 before
  // (left or above), 2 after; the value is the distance outside, or inside
  // the offset from the text area's left edge and the hit area's top.
  struct HitCheck {
    int ZoneX;
    int ZoneY;
    long ValueX;
    long ValueY;
  };
  // The editing state saved as user configuration.
  struct UserConfigurationToken {
    long TopLine;
    long CaretLine;
    long CaretColumn;
    long AnchorLine;
    long AnchorColumn;
    long ScrollX;
    unsigned long Options;
  };

  // Mode 0, 1 or 2 (else the assertion "false"). MaximumLength: the most
  // characters the text may hold, line feeds included; nothing changes it
  // later.
  explicit ZQF_TextEditGlyph(int Mode, long MaximumLength = 0x7fffffff);
  // Stops the caret blink and the drag autorepeat when they serve this
  // control.
  ~ZQF_TextEditGlyph() override;

  // --- Slots added by the control, in this order.
  virtual void SaveUserConfiguration(ZQ_RegistryFolder& Folder);
  virtual void LoadUserConfiguration(const ZQ_RegistryFolder& Folder);
  // One autorepeat tick of a drag selection.
  virtual void HandleTimerEvent();
  // Called by the change recorder when it starts, before the user's action.
  virtual void Util_ChangeRecordingStarted();
  virtual void Util_RespondToChange(long ChangeSet, int Source, int Kind);
  virtual void Util_DispatchChangeNotification();
  // Customisation: margins and extra line spacing in pixels.
  virtual long Cust_GetLeftMargin();
  virtual long Cust_GetRightMargin();
  virtual long Cust_GetTopMargin();
  virtual long Cust_GetBottomMargin();
  virtual long Cust_GetExtraLineSpacing();
  // 0 never, 1 always, 2 when the text is taller than the view.
  virtual int Cust_GetVerticalScrollBarPolicy();
  virtual unsigned short GetCharacterAttribute(long CharacterOffset);
  virtual ZQR_Color Cust_GetTextColor(unsigned short Attribute);
  virtual ZQR_Color Cust_GetBackgroundColor(unsigned short Attribute);
  virtual ZQR_ConcreteFont Cust_GetFont(unsigned short Attribute);
  virtual long Cust_GetGrowingModeMinimumLines();
  virtual long Cust_GetGrowingModeMaximumLines();
  // WidthTable: the 256 widths of the tab's font.
  virtual long Cust_GetTabWidth(long CharacterOffset, const long* WidthTable);

  // --- Glyph slots.
  void InitializeSelf() override;
  void UpdateMyDesiredSize() override;
  void DrawSelf(ZQF_Canvas& Canvas) override;
  void AcceptLayout() override;
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) override;
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) override;
  void HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleFocusChange(ZQF_FocusChangeMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleKeyboardInitiatedDialogFocusGain() override;

  // --- Value and selection.
  const ZQ_String& GetValue() const { return Buffer->GetText(); }
  const ZQ_String& GetText() const { return GetValue(); }
  void SetValue(const ZQ_String& Text);
  void SetText(const ZQ_String& Text) { SetValue(Text); }
  ZQ_String GetSelectionText() const;
  void SetSelectionText(const ZQ_String& Text);
  bool IsAnyTextSelected() const;
  bool IsAllTextSelected() const;
  // Anchor at the end, caret at the start.
  void SelectAll();
  void Copy();

  // --- Sizing (ZQF_TextEditGlyphDisplay.cpp).
  // Fixes the desired size to hold Lines lines of Characters characters
  // (or of SampleText's longest line); an unfixed axis may stretch.
  void SetFixedSize(long Characters, long Lines, bool FixedWidth, bool FixedHeight);
  void SetFixedSize(const ZQ_String& SampleText, long Lines, bool FixedWidth, bool FixedHeight);
  long ComputeHeightToHoldNLines(long NumLines);
  long ComputeWidthToHoldNChars(long NumChars);
  ZQ_Point<long> ComputeTextSize(const ZQ_String& Text);
  // Options bit 0 adds the scroll bar's width.
  ZQ_Point<long> ComputeSizeToHoldText(long Options);

  // --- Options; each setter returns the old value.
  bool GetOverwriteMode() const { return HasOption(Option_OverwriteMode); }
  bool GetReadOnly() const { return HasOption(Option_ReadOnly); }
  bool GetCaretBeyondLineEnd() const { return HasOption(Option_CaretBeyondLineEnd); }
  bool GetAutoIndent() const { return HasOption(Option_AutoIndent); }
  bool GetStripTrailingBlanksMode() const { return HasOption(Option_StripTrailingBlanksMode); }
  bool GetKeepScrollOnFocusLoss() const { return HasOption(Option_KeepScrollOnFocusLoss); }
  bool GetAcceptsTab() const { return HasOption(Option_AcceptsTab); }
  bool GetSelectionFillsMargins() const { return HasOption(Option_SelectionFillsMargins); }
  bool SetReadOnly(bool Value) { return SetOption(Option_ReadOnly, Value); }
  bool SetCaretBeyondLineEnd(bool Value) { return SetOption(Option_CaretBeyondLineEnd, Value); }
  bool SetAutoIndent(bool Value) { return SetOption(Option_AutoIndent, Value); }
  bool SetStripTrailingBlanksMode(bool Value) {
    return SetOption(Option_StripTrailingBlanksMode, Value);
  }
  bool SetKeepScrollOnFocusLoss(bool Value) {
    return SetOption(Option_KeepScrollOnFocusLoss, Value);
  }
  bool SetAcceptsTab(bool Value) { return SetOption(Option_AcceptsTab, Value); }
  bool SetSelectionFillsMargins(bool Value) {
    return SetOption(Option_SelectionFillsMargins, Value);
  }

  // --- State read by tests, dialogs and subclasses.
  const ZQF_TextEditBuffer& GetBuffer() const { return *Buffer; }
  unsigned long GetMode() const { return Mode; }
  unsigned long GetOptions() const { return Options; }
  long GetMaximumLength() const { return MaximumLength; }
  long GetNumVisibleLines() const { return NumVisibleLines; }
  long GetTopLine() const { return TopLine; }
  long GetAnchorPosition() const { return AnchorPosition; }
  long GetCaretLine() const { return CaretLine; }
  long GetCaretColumn() const { return CaretColumn; }
  long GetCaretX() const { return CaretX; }
  long GetScrollX() const { return ScrollX; }
  long GetLaidOutNumLines() const { return LaidOutNumLines; }
  bool IsInBackgroundSelectedState() const { return (Mode & Mode_BackgroundSelected) != 0; }
  // The caret's buffer position, line and column limited to the text.
  long Util_GetCaretPosition() const;

  // --- Geometry (ZQF_TextEditGlyphDisplay.cpp).
  long Util_GetLineHeight();
  long Util_GetFontHeight();
  long Util_GetCaretAllowance();
  ZQ_Rectangle<long> Util_GetTextArea();
  long Util_LineColumnToXCoordinate(long Line, long Column);
  long Util_LineXCoordinateToColumn(long Line, long X);
  // Point relative to the text area.
  ZQF_TextEditLineColumn Util_TextEditAreaXYToLineColumn(const ZQ_Point<long>& Point);
  // Point glyph-local.
  HitCheck Util_PerformHitCheck(const ZQ_Point<long>& Point);
  ZQ_Rectangle<long> Util_ComputeCaretRect();
  ZQF_VerticalScrollBarGlyph* Util_GetVerticalScrollBar() const;
  void Util_EnterBackgroundSelectedState();
  void Util_LeaveBackgroundSelectedState();
  void Util_UpdateScrollBarStates();
  void Imp_ScrollToShowCaret();

  // --- The shared caret blink and drag autorepeat (one per program).
  static void StartCaretBlinkTimer(ZQF_TextEditGlyph* Control, bool Visible);
  static void StopCaretBlinkTimer();
  static void ResetCaretBlinkTimer();
  static ZQF_TextEditGlyphCaretBlinkTimer* GetCaretBlinkTimer();
  static ZQF_TextEditGlyphAutorepeatTimer* GetAutorepeatTimer();
  static bool IsCaretVisible();
  // Set by a press that gave the focus to a single-line field, so that the
  // press selects all; every key clears it.
  static bool GetSelectAllClick();
  static void SetSelectAllClick(bool Value);
  static void ToggleCaretVisible();
  void QueueCaretVisualStateUpdate();
  // Queues a repaint of the whole control unless one is still pending.
  void Util_QueueRepaint();

 protected:
  bool HasOption(unsigned long Bit) const { return (Options & Bit) != 0; }
  bool SetOption(unsigned long Bit, bool Value);
  bool IsSingleLine() const { return (Mode & Mode_SingleLine) != 0; }

  // --- Editing primitives (keys, mouse and commands).
  void Imp_MoveCaret(long Line, long Column, bool Extend);
  void Imp_MoveCaretOneCharacterToLeft(bool Extend);
  void Imp_MoveCaretOneCharacterToRight(bool Extend);
  void Imp_MoveCaretUpOneLine(bool Extend) { Imp_MoveCaretVerticallyNLines(-1, Extend); }
  void Imp_MoveCaretDownOneLine(bool Extend) { Imp_MoveCaretVerticallyNLines(1, Extend); }
  void Imp_MoveCaretUpOnePage(bool Extend);
  void Imp_MoveCaretDownOnePage(bool Extend);
  void Imp_MoveCaretVerticallyNLines(long N, bool Extend);
  void Imp_MoveCaretHorizontallyNColumns(long N, bool Extend);
  // Mode 0 to the start of a word, 1 to the end of one.
  void UtilImp_MoveCaretOneWordToLeft(bool Extend, int Mode);
  void UtilImp_MoveCaretOneWordToRight(bool Extend, int Mode);
  void UtilImp_MoveCaretToBeginningOfLine(bool Extend);
  void UtilImp_MoveCaretToEndOfLine(bool Extend);
  void UtilImp_MoveCaretToTop(bool Extend);
  void UtilImp_MoveCaretToBottom(bool Extend);
  void UtilImp_ScrollVertically(long NumLines);
  void UtilImp_ScrollToTop();
  void UtilImp_ScrollToBottom();
  void UtilImp_ScrollToBeginningOfLine();
  void UtilImp_ScrollToEndOfVisibleLines();
  void Imp_ScrollHorizontally(long NumCharacters);
  void Imp_InsertChar(char Character);
  void Imp_InsertText(const ZQ_String& Text);
  void Imp_Backspace();
  void Imp_DeleteLeft();
  void Imp_DeleteRight();
  void Imp_StripTrailingBlanks(long Line);
  void Imp_ToggleInsertMode();
  void UtilImp_Cut();
  void UtilImp_Copy();
  void UtilImp_Paste();
  void Imp_SelectAll();
  void Imp_SetText(const ZQ_String& Text);
  void PrivateImpUtil_InsureNumCharactersNotOverMaximum();

  // --- Ranges.
  long Util_ToTopLineRange(long Line) const;
  long Util_ToAnchorPosRange(long Position) const;
  long Util_ToCaretLineRange(long Line) const;
  long Util_ToCaretColumnRange(long Line, long Column) const;
  long Util_ToScrollXRange(long X) const;

  UserConfigurationToken Imp_GetUserConfiguration() const;
  void Imp_LoadUserConfiguration(const UserConfigurationToken& Token);

 private:
  friend class ZQF_TextEditGlyphUserChangeRecorder;

  // A font's measures, kept while the font lives in a slot.
  struct FontMeasures {
    ZQR_ConcreteFont Font;
    long Widths[256];
    long Height;
    long ExternalLeading;
    long MaxCharWidth;
  };
  const FontMeasures& Util_GetFontMeasures(unsigned short Attribute);
  long Util_GetCharacterWidth(long CharacterOffset);
  long Util_GetSpaceWidth();
  ZQ_Point<long> Util_GetBorderThickness();
  // View (box less border), vertical bar, corner and text area, glyph-local.
  void Util_ComputeLayoutRectangles(ZQ_Rectangle<long>& View, ZQ_Rectangle<long>& Bar,
                                    ZQ_Rectangle<long>& Corner, ZQ_Rectangle<long>& TextArea);
  unsigned long Util_GetFormatCode(long CharacterOffset);
  void Util_ApplyFormatCode(ZQF_Canvas& Canvas, unsigned long Code);
  void DrawLine(ZQF_Canvas& Canvas, long Line, const ZQ_Rectangle<long>& TextArea);
  void DrawMargins(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& View,
                   const ZQ_Rectangle<long>& TextArea, bool Highlighted);
  ZQR_Color Util_GetCurrentBackground();
  void Util_CollapseOrKeepAnchor(bool Extend);
  void Util_AfterCaretMove(bool Extend);
  void Util_SetCaretFromPosition(long Position);
  void Util_RecomputeCaretX();
  bool Util_HandleEditableKey(ZQF_KeyMessage& Key, int& Kind);
  bool Util_HandleReadOnlyKey(ZQF_KeyMessage& Key);
  void Util_ReplaceRange(long Start, long Length, const ZQ_String& Text);
  void Util_DeleteSelectionOrCharacter(long Start, long End);
  long Util_FirstNonBlankColumn(long Line) const;
  void Util_AutoIndentNewLine();
  ZQ_String Util_StripInternalTrailingWhitespace(const ZQ_String& Text) const;
  void Util_MouseWheelDragScrollCallback(double AmountX, double AmountY);
  void Util_PlaceCaretAtPoint(const ZQ_Point<long>& Local, bool Extend);
  void Util_SelectWordAt(const ZQ_Point<long>& Local);
  void Util_AutorepeatAxis(int Zone, long Distance, long Unit, int Exponent, long& Counter,
                           bool Vertical);

  std::unique_ptr<ZQF_TextEditBuffer> Buffer;
  long NumVisibleLines = 1;
  long TopLine = 0;
  long AnchorPosition = 0;
  long CaretLine = 0;
  long CaretColumn = 0;
  long LaidOutNumLines = 1;
  const long MaximumLength;
  long CaretX = 0;
  long ScrollX = 0;
  unsigned long Options = 0;
  unsigned long Mode;
  std::vector<std::unique_ptr<FontMeasures>> FontCache;
  // A repaint of the whole box is queued and not yet drawn: under Wine each
  // InvalidateRect costs tens of microseconds, more than a typed character.
  bool RepaintQueued = false;
};

// Brackets an operation that may change a control: remembers the view,
// caret, anchor and options, and reports what changed.
class ZQF_TextEditGlyphUserChangeRecorder {
 public:
  explicit ZQF_TextEditGlyphUserChangeRecorder(ZQF_TextEditGlyph* Control);
  // Calls Util_RespondToChange when anything changed; returns the change set.
  long CheckForChanges(int Source, int Kind);

 private:
  ZQF_TextEditGlyph* Control;
  long TopLine;
  long AnchorPosition;
  long CaretLine;
  long CaretColumn;
  long ScrollX;
  unsigned long Options;
};

// A user changed the text of a text edit control.
class ZQF_TextEditorTextChangeNotificationMessage : public ZQF_ControlChangeNotificationMessage {
 public:
  explicit ZQF_TextEditorTextChangeNotificationMessage(ZQF_TextEditGlyph* Control)
      : ZQF_ControlChangeNotificationMessage(Control) {}
};

// Toggles the shared caret-visible flag at the caret blink time, for
// BlinkingTimeMs after its start or restart; then it leaves the caret shown
// and stops, so that an idle program is not woken at every blink. Typing,
// a caret move or the focus restart it.
class ZQF_TextEditGlyphCaretBlinkTimer : public ZQ_Timer {
 public:
  // The system's default caret timeout.
  static const int BlinkingTimeMs = 5000;

  explicit ZQF_TextEditGlyphCaretBlinkTimer(ZQF_TextEditGlyph* Control);
  ZQF_TextEditGlyph* GetControl() const { return Control; }
  // Blinks again from a shown caret for another BlinkingTimeMs.
  void Restart();
  void Tick() override;

 private:
  ZQF_TextEditGlyph* Control;
  int BlinkedMs = 0;  // since the start or the last restart
};

// Scrolls a drag selection beyond the text area: 20 ticks a second.
class ZQF_TextEditGlyphAutorepeatTimer : public ZQ_Timer {
 public:
  explicit ZQF_TextEditGlyphAutorepeatTimer(ZQF_TextEditGlyph* Control);
  ZQF_TextEditGlyph* GetControl() const { return Control; }
  void Tick() override;

 private:
  ZQF_TextEditGlyph* Control;
};

#endif
