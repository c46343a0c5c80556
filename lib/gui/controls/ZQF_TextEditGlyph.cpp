// The text edit control: construction, value and selection, the change
// recorder and notification, commands, their updates and the context menu.
#include "ZQF_TextEditGlyph.h"

#include <algorithm>

#include "ZQF_ContextSensitiveMenuMessage.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQR_Clipboard.h"
#include "ZQ_Assertion.h"

namespace {

unsigned long ModeFromArgument(int Mode) {
  switch (Mode) {
    case 0:
      return ZQF_TextEditGlyph::Mode_SingleLine;
    case 1:
      return ZQF_TextEditGlyph::Mode_MultiLine;
    case 2:
      return ZQF_TextEditGlyph::Mode_MultiLineGrowing;
    default:
      ZQ_ASSERT(false);
      return ZQF_TextEditGlyph::Mode_SingleLine;
  }
}

}  // namespace

ZQF_TextEditGlyph::ZQF_TextEditGlyph(int Mode, long MaximumLength)
    : Buffer(new ZQF_TextEditBuffer), MaximumLength(MaximumLength), Mode(ModeFromArgument(Mode)) {
  SetComputesDesiredSize(true);
  SetFocusable(true);
  AddChild(new ZQF_VerticalScrollBarGlyph(1, 1, 1, 0, true), true);
}

void ZQF_TextEditGlyph::InitializeSelf() {
  ZQF_ControlGlyph::InitializeSelf();
  if (Mode & Mode_MultiLineGrowing) LaidOutNumLines = Buffer->GetNumLines();
  Util_RespondToChange(Change_All, Source_Initialization, Kind_Initialization);
}

// --- Value and selection.

void ZQF_TextEditGlyph::SetValue(const ZQ_String& Text) {
  if (!IsInitialized()) {
    Imp_SetText(Text);
    return;
  }
  ZQF_TextEditGlyphUserChangeRecorder recorder(this);
  Imp_SetText(Text);
  recorder.CheckForChanges(Source_Program, Kind_SetValue);
}

ZQ_String ZQF_TextEditGlyph::GetSelectionText() const {
  const long caret = Util_GetCaretPosition();
  const long start = std::min(caret, AnchorPosition);
  return ZQ_String(Buffer->GetCharacters() + start, std::max(caret, AnchorPosition) - start);
}

void ZQF_TextEditGlyph::SetSelectionText(const ZQ_String& Text) {
  ZQF_TextEditGlyphUserChangeRecorder recorder(this);
  Imp_InsertText(Text);
  recorder.CheckForChanges(Source_Program, Kind_SelectionChange);
}

bool ZQF_TextEditGlyph::IsAnyTextSelected() const {
  return AnchorPosition != Util_GetCaretPosition();
}

bool ZQF_TextEditGlyph::IsAllTextSelected() const {
  const long caret = Util_GetCaretPosition();
  const long length = Buffer->GetLength();
  return (AnchorPosition == 0 && caret == length) || (caret == 0 && AnchorPosition == length);
}

void ZQF_TextEditGlyph::SelectAll() {
  ZQF_TextEditGlyphUserChangeRecorder recorder(this);
  Imp_SelectAll();
  recorder.CheckForChanges(Source_Program, Kind_SelectionChange);
}

void ZQF_TextEditGlyph::Copy() { UtilImp_Copy(); }

bool ZQF_TextEditGlyph::SetOption(unsigned long Bit, bool Value) {
  const bool old = HasOption(Bit);
  if (old != Value) Options ^= Bit;
  return old;
}

long ZQF_TextEditGlyph::Util_GetCaretPosition() const {
  const long line = std::max(0L, std::min(CaretLine, Buffer->GetNumLines() - 1));
  const long column = std::max(0L, std::min(CaretColumn, Buffer->GetLineLength(line)));
  return Buffer->LineColumnToBufferPosition({line, column});
}

// --- Change recording.

ZQF_TextEditGlyphUserChangeRecorder::ZQF_TextEditGlyphUserChangeRecorder(ZQF_TextEditGlyph* Control)
    : Control(Control),
      TopLine(Control->TopLine),
      AnchorPosition(Control->AnchorPosition),
      CaretLine(Control->CaretLine),
      CaretColumn(Control->CaretColumn),
      ScrollX(Control->ScrollX),
      Options(Control->Options) {
  Control->Buffer->Changed = false;
  Control->Util_ChangeRecordingStarted();
}

long ZQF_TextEditGlyphUserChangeRecorder::CheckForChanges(int Source, int Kind) {
  long changes = 0;
  if (Control->Buffer->Changed) changes |= ZQF_TextEditGlyph::Change_Text;
  if (Control->CaretLine != CaretLine || Control->CaretColumn != CaretColumn) {
    changes |= ZQF_TextEditGlyph::Change_Caret;
  }
  if (Control->TopLine != TopLine || Control->ScrollX != ScrollX) {
    changes |= ZQF_TextEditGlyph::Change_Scroll;
  }
  if (Control->AnchorPosition != AnchorPosition) changes |= ZQF_TextEditGlyph::Change_Anchor;
  if ((Control->Options ^ Options) & ZQF_TextEditGlyph::Option_OverwriteMode) {
    changes |= ZQF_TextEditGlyph::Change_OverwriteMode;
  }
  if (changes) Control->Util_RespondToChange(changes, Source, Kind);
  return changes;
}

void ZQF_TextEditGlyph::Util_ChangeRecordingStarted() {}

void ZQF_TextEditGlyph::Util_RespondToChange(long ChangeSet, int Source, int /*Kind*/) {
  if (!IsAllTextSelected()) Util_LeaveBackgroundSelectedState();
  Util_QueueRepaint();
  if (!(ChangeSet & Change_Text)) return;
  if (Source == Source_Keyboard || Source == Source_Mouse || Source == Source_Command) {
    Util_DispatchChangeNotification();
  }
  Util_RecomputeCaretX();
  if ((Mode & Mode_MultiLineGrowing) && Buffer->GetNumLines() != LaidOutNumLines) {
    LaidOutNumLines = Buffer->GetNumLines();
    Resize();
  }
}

void ZQF_TextEditGlyph::Util_DispatchChangeNotification() {
  ZQF_TextEditorTextChangeNotificationMessage message(this);
  Dispatch(message);
}

// --- Commands, updates, the context menu and the scroll bar.

void ZQF_TextEditGlyph::HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) {
  if (!SecondTry || IsDisabled()) return;
  ZQF_TextEditGlyphUserChangeRecorder recorder(this);
  int kind = -1;
  const bool editable = !GetReadOnly();
  if (editable && dynamic_cast<ZQF_CutCommandMessage*>(&Message)) {
    UtilImp_Cut();
    kind = Kind_CutOrDelete;
  } else if (editable && dynamic_cast<ZQF_PasteCommandMessage*>(&Message)) {
    UtilImp_Paste();
    kind = Kind_Paste;
  } else if (editable && dynamic_cast<ZQF_DeleteCommandMessage*>(&Message)) {
    Imp_DeleteRight();
    kind = Kind_CutOrDelete;
  } else if (dynamic_cast<ZQF_CopyCommandMessage*>(&Message)) {
    UtilImp_Copy();
    kind = Kind_Nothing;
  } else if (dynamic_cast<ZQF_SelectAllCommandMessage*>(&Message)) {
    Imp_SelectAll();
    kind = Kind_SelectionChange;
  }
  if (kind < 0) return;
  Message.SetHandled();
  recorder.CheckForChanges(Source_Command, kind);
}

void ZQF_TextEditGlyph::HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) {
  if (!SecondTry || IsDisabled()) return;
  auto* update = dynamic_cast<ZQF_StandardCommandUpdateMessage*>(&Message);
  if (!update) return;
  const bool editable = !GetReadOnly();
  const bool selected = IsAnyTextSelected();
  if (editable && (dynamic_cast<ZQF_CutCommandUpdateMessage*>(update) ||
                   dynamic_cast<ZQF_DeleteCommandUpdateMessage*>(update))) {
    update->SetEnabled(selected);
  } else if (editable && dynamic_cast<ZQF_PasteCommandUpdateMessage*>(update)) {
    update->SetEnabled(ZQR_Clipboard::ContentsAvailableAsText());
  } else if (dynamic_cast<ZQF_CopyCommandUpdateMessage*>(update)) {
    update->SetEnabled(selected || !editable);
  } else if (dynamic_cast<ZQF_SelectAllCommandUpdateMessage*>(update)) {
    update->SetEnabled(true);
  } else {
    return;
  }
  update->SetHandled();
}

void ZQF_TextEditGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleGenericMessage(Message, SecondTry);
  auto* menu = dynamic_cast<ZQF_ContextSensitiveMenuMessage*>(&Message);
  if (!SecondTry || !menu || menu->IsHandled() || IsDisabled() || !IsOnFocusPath()) return;
  const bool editable = !GetReadOnly();
  const bool selected = IsAnyTextSelected();
  // Menu sections: 2 the clipboard, 3 deletion, 4 selection; 1 appends.
  auto add = [menu](const char* Text, ZQF_CommandMessage* Command,
                    ZQF_StandardCommandUpdateMessage* Update, long Section) {
    menu->AddElement(new ZQF_StandardTextMenuElement(Text, Command, Update), Section, 1);
  };
  if (editable && selected) {
    add("Cut", new ZQF_CutCommandMessage, new ZQF_CutCommandUpdateMessage, 2);
  }
  if (!editable || selected) {
    add("Copy", new ZQF_CopyCommandMessage, new ZQF_CopyCommandUpdateMessage, 2);
  }
  if (editable && ZQR_Clipboard::ContentsAvailableAsText()) {
    add("Paste", new ZQF_PasteCommandMessage, new ZQF_PasteCommandUpdateMessage, 2);
  }
  add("Select All", new ZQF_SelectAllCommandMessage, new ZQF_SelectAllCommandUpdateMessage, 4);
  if (editable && selected) {
    add("Delete", new ZQF_DeleteCommandMessage, new ZQF_DeleteCommandUpdateMessage, 3);
  }
}

void ZQF_TextEditGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) {
  auto* scroll = dynamic_cast<ZQF_ScrollBarChangeNotificationMessage*>(&Message);
  if (!scroll || Message.IsHandled() ||
      scroll->GetScrollBar() != static_cast<ZQF_ScrollBarGlyph*>(Util_GetVerticalScrollBar())) {
    ZQF_ControlGlyph::HandleNotification(Message, SecondTry);
    return;
  }
  ZQF_TextEditGlyphUserChangeRecorder recorder(this);
  TopLine = Util_ToTopLineRange(scroll->GetScrollBar()->GetSliderPosition());
  Message.SetHandled();
  recorder.CheckForChanges(Source_Mouse, Kind_Scrolling);
}
