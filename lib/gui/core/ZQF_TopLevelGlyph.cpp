#include "ZQF_TopLevelGlyph.h"

#include <cctype>

#include "ZQF_ContextSensitiveMenu.h"
#include "ZQF_Help.h"
#include "ZQF_Message.h"
#include "ZQF_MessageBoxLink.h"
#include "ZQF_Metrics.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_Tooltips.h"
#include "ZQF_Window.h"
#include "ZQ_Assertion.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Sound.h"
#include "ZQ_Stopwatch.h"
#include "ZQ_StringStream.h"

namespace {

// Cursor metrics.
enum { kArrowCursor = ZQF_CursorMetric_Arrow, kHelpCursor = ZQF_CursorMetric_Help };
enum { Up = 0, Down = 1, Either = 2 };

struct KeyBinding {
  ZQF_KeyCode Key;
  int Shift;
  int Control;
  int Alt;
  void (ZQF_TopLevelGlyph::*Action)();
};

const KeyBinding s_keyBindings[] = {
    {'P', Up, Down, Up, &ZQF_TopLevelGlyph::DispatchPrintMessage},
    {'P', Down, Down, Up, &ZQF_TopLevelGlyph::DispatchPageSetupMessage},
    {'W', Either, Down, Up, &ZQF_TopLevelGlyph::DispatchPrintPreviewMessage},
    {'X', Either, Down, Up, &ZQF_TopLevelGlyph::DispatchCutMessage},
    {ZQF_Key_Delete, Down, Up, Up, &ZQF_TopLevelGlyph::DispatchCutMessage},
    {'C', Either, Down, Up, &ZQF_TopLevelGlyph::DispatchCopyMessage},
    {ZQF_Key_Insert, Up, Down, Up, &ZQF_TopLevelGlyph::DispatchCopyMessage},
    {'V', Either, Down, Up, &ZQF_TopLevelGlyph::DispatchPasteMessage},
    {ZQF_Key_Insert, Down, Up, Up, &ZQF_TopLevelGlyph::DispatchPasteMessage},
    {'A', Either, Down, Up, &ZQF_TopLevelGlyph::DispatchSelectAllMessage},
    {ZQF_Key_F1, Up, Up, Up, &ZQF_TopLevelGlyph::HandleTopicHelpRequest},
    {ZQF_Key_F1, Down, Up, Up, &ZQF_TopLevelGlyph::HandleWhatsThisHelpRequest},
    {ZQF_Key_F1, Up, Down, Up, &ZQF_TopLevelGlyph::HandleHelpContentsRequest},
};

bool KeyMatches(ZQF_KeyCode Bound, ZQF_KeyCode Pressed) {
  return Pressed == Bound || (std::isupper(Bound) && Pressed == std::tolower(Bound));
}

// The Windows messages that end the what's-this mode and are then processed
// as usual: losing the focus or the activation, menus, and clicks on the
// frame.
bool EndsWhatsThisHelpMode(UINT Message) {
  switch (Message) {
    case WM_CANCELMODE:
    case WM_SYSKEYDOWN:
    case WM_KILLFOCUS:
    case WM_ACTIVATEAPP:
    case WM_ACTIVATE:
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

template <class Update, class Command>
void DispatchIfAvailable(ZQF_Glyph* From, Command&& Performed) {
  Update query;
  From->Dispatch(query);
  if (query.IsAvailable()) From->Dispatch(Performed);
}

template <class Command>
void DispatchInsteadOf(ZQF_Glyph* From, ZQF_Message& Message) {
  Command command;
  From->Dispatch(command);
  Message.SetHandled();
}

void ShowTopics(ZQF_HelpMessage& Message) {
  ZQF_Help_DisplayTopics(new ZQ_ReadOnlyIterator<ZQF_Help_TopicType>(Message.GetTopics()));
}

}  // namespace

ZQF_TopLevelGlyph::ZQF_TopLevelGlyph(ZQF_Glyph* Client) { AddChild(Client, false); }

ZQF_TopLevelGlyph::~ZQF_TopLevelGlyph() {
  // A window closed in what's-this mode must not keep the tooltips
  // suspended for the rest of the run.
  if (WhatsThisHelpModeActive) ZQF_Tooltips_Resume();
  ZQF_UninstallRawHooks(GetOwnerKey());
}

void ZQF_TopLevelGlyph::UpdateMyDesiredSize() { DesiredSize = GetClient()->GetDesiredSize(); }

void ZQF_TopLevelGlyph::AcceptLayout() {
  const ZQ_Rectangle<long>& box = GetBoundingBox();
  LayoutChild(GetClient(), ZQ_Point<long>(0, 0), ZQ_Point<long>(box.Width, box.Height));
}

bool ZQF_TopLevelGlyph::IsResizeAnchor() const { return true; }

bool ZQF_TopLevelGlyph::MakeChildVisible(ZQF_Glyph*) {
  if (ContainingWindow) ContainingWindow->BringWindowToTop();
  return false;
}

void ZQF_TopLevelGlyph::HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) {
  if (!SecondTry) return;
  if (dynamic_cast<ZQF_BeginWindowPositionDragCommandMessage*>(&Message)) {
    if (ContainingWindow) ContainingWindow->BeginWindowPositionDrag();
  } else if (dynamic_cast<ZQF_BeginWindowSizeDragCommandMessage*>(&Message)) {
    if (ContainingWindow) ContainingWindow->BeginWindowSizeDrag();
  } else if (dynamic_cast<ZQF_CloseWindowCommandMessage*>(&Message)) {
    DestroyContainingWindow();
  } else if (dynamic_cast<ZQF_Help_RelevantTopicsCommandMessage*>(&Message)) {
    HandleTopicHelpRequest();
  } else if (dynamic_cast<ZQF_Help_WhatsThisCommandMessage*>(&Message)) {
    HandleWhatsThisHelpRequest();
  } else if (dynamic_cast<ZQF_Debug_TimeDrawingSpeedCommandMessage*>(&Message)) {
    DrawSpeedRequested = true;
    QueueVisualStateUpdate();
  } else {
    return;
  }
  Message.SetHandled();
}

void ZQF_TopLevelGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) {
  if (SecondTry) return;
  if (dynamic_cast<ZQF_ContainerPositionDragRequestNotificationMessage*>(&Message)) {
    DispatchInsteadOf<ZQF_BeginWindowPositionDragCommandMessage>(this, Message);
  } else if (dynamic_cast<ZQF_ContainerSizeDragRequestNotificationMessage*>(&Message)) {
    DispatchInsteadOf<ZQF_BeginWindowSizeDragCommandMessage>(this, Message);
  } else if (dynamic_cast<ZQF_ContainerCloseRequestNotificationMessage*>(&Message)) {
    DispatchInsteadOf<ZQF_CloseWindowCommandMessage>(this, Message);
  }
}

void ZQF_TopLevelGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool) {
  if (WhatsThisHelpModeActive) Message.SetHandled();  // the click is swallowed
}

void ZQF_TopLevelGlyph::HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) {
  if (SecondTry || !WhatsThisHelpModeActive) return;
  CancelWhatsThisHelpMode();
  if (ContainsPoint(Message.GetX(), Message.GetY())) ProcessWhatsThisHelpClick();
  Message.SetHandled();
}

void ZQF_TopLevelGlyph::HandleMouseRightDown(ZQF_MouseMessage& Message, bool SecondTry) {
  CancelWhatsThisHelpMode();
  if (!Message.IsHandled() && SecondTry && IsEnabled()) {
    ZQF_ContextSensitiveMenu_HandleRequest(this);
  }
}

void ZQF_TopLevelGlyph::HandleMouseMiddleDown(ZQF_MouseMessage&, bool) {
  CancelWhatsThisHelpMode();
}

void ZQF_TopLevelGlyph::HandleMouseWheel(ZQF_WheelMouseMessage&, bool) {
  CancelWhatsThisHelpMode();
}

void ZQF_TopLevelGlyph::HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) {
  if (WhatsThisHelpModeActive) {
    ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(kHelpCursor));
    Message.SetHandled();
  } else if (!SecondTry) {
    // The arrow, unless a glyph further down the route chooses another.
    ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(kArrowCursor));
  } else {
    Message.SetHandled();
  }
}

void ZQF_TopLevelGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (WhatsThisHelpModeActive) {
    CancelWhatsThisHelpMode();
    if (Message.GetKeyCode() == ZQF_Key_Escape) {
      Message.SetHandled();
      return;
    }
  }
  if (!SecondTry || Message.IsHandled()) return;
  for (const KeyBinding& binding : s_keyBindings) {
    if (KeyMatches(binding.Key, Message.GetKeyCode()) &&
        Message.MatchesModifierKeys(binding.Shift, binding.Control, binding.Alt)) {
      (this->*binding.Action)();
      Message.SetHandled();
      return;
    }
  }
}

void ZQF_TopLevelGlyph::DestroyContainingWindow() {
  if (ContainingWindow) ContainingWindow->Destroy();
}

bool ZQF_TopLevelGlyph::IsMainOrSecondaryWindowRoot() const { return false; }

void ZQF_TopLevelGlyph::SetContainingWindow(ZQF_Window* Window) {
  ZQ_ASSERT_TEXT(ContainingWindow == nullptr, "ContainingWindow == NULL");
  ContainingWindow = Window;
}

void ZQF_TopLevelGlyph::ProcessWindowDraw(ZQF_Canvas& Canvas) {
  if (DrawSpeedRequested) {
    DrawSpeedRequested = false;
    DrawForTenSeconds(Canvas);
  }
  Draw(Canvas);
}

void ZQF_TopLevelGlyph::DrawForTenSeconds(ZQF_Canvas& Canvas) {
  ZQ_Beep();
  ZQ_Stopwatch stopwatch;
  stopwatch.Start();
  long count = 0;
  while (stopwatch.GetElapsedSeconds() < 10.0) {
    Draw(Canvas);
    ++count;
  }
  const double elapsed = stopwatch.Stop();
  const double speed = count / elapsed;
  ZQ_Beep();
  ZQ_StringStream report;
  report << "Total time = " << elapsed << " s";
  report.NewLine();
  report << "Number of times drawn = " << count;
  report.NewLine();
  report << "Draw speed = " << speed << " Hz";
  report.NewLine();
  ZQ_WriteDebugLogEntry(report);
  ZQF_MessageBoxLink_ShowMessage(report, ZQ_String(), 1);
}

void ZQF_TopLevelGlyph::ProcessWindowSizeChange(const ZQ_Rectangle<long>& Rectangle) {
  if (Rectangle == GetBoundingBox()) return;
  SetBoundingBox(Rectangle);
  ProcessResize();
}

void ZQF_TopLevelGlyph::DispatchFocusChange(long Change) {
  CancelWhatsThisHelpMode();
  ZQF_FocusChangeMessage message(Change, ZQF_FocusChangeMessage::Scope_Window);
  Dispatch(message);
}

void ZQF_TopLevelGlyph::ProcessWindowGainFocus() {
  DispatchFocusChange(ZQF_FocusChangeMessage::Change_Gained);
}

void ZQF_TopLevelGlyph::ProcessWindowLoseFocus() {
  DispatchFocusChange(ZQF_FocusChangeMessage::Change_Lost);
}

void ZQF_TopLevelGlyph::DispatchPrintMessage() {
  DispatchIfAvailable<ZQF_PrintCommandUpdateMessage>(this, ZQF_PrintCommandMessage(true));
}

void ZQF_TopLevelGlyph::DispatchPageSetupMessage() {
  DispatchIfAvailable<ZQF_PageSetupCommandUpdateMessage>(this, ZQF_PageSetupCommandMessage());
}

void ZQF_TopLevelGlyph::DispatchPrintPreviewMessage() {
  DispatchIfAvailable<ZQF_PrintPreviewCommandUpdateMessage>(this,
                                                            ZQF_PrintPreviewCommandMessage());
}

void ZQF_TopLevelGlyph::DispatchCutMessage() {
  DispatchIfAvailable<ZQF_CutCommandUpdateMessage>(this, ZQF_CutCommandMessage());
}

void ZQF_TopLevelGlyph::DispatchCopyMessage() {
  DispatchIfAvailable<ZQF_CopyCommandUpdateMessage>(this, ZQF_CopyCommandMessage());
}

void ZQF_TopLevelGlyph::DispatchPasteMessage() {
  DispatchIfAvailable<ZQF_PasteCommandUpdateMessage>(this, ZQF_PasteCommandMessage());
}

void ZQF_TopLevelGlyph::DispatchSelectAllMessage() {
  DispatchIfAvailable<ZQF_SelectAllCommandUpdateMessage>(this, ZQF_SelectAllCommandMessage());
}

void ZQF_TopLevelGlyph::HandleTopicHelpRequest() {
  if (!ZQF_Help_HelpAvailable()) return;
  ZQF_KeyHelpMessage message;
  Dispatch(message);
  ShowTopics(message);
}

void ZQF_TopLevelGlyph::HandleHelpContentsRequest() {
  if (ZQF_Help_HelpAvailable()) ZQF_Help_DisplayContents();
}

void ZQF_TopLevelGlyph::HandleWhatsThisHelpRequest() {
  if (!ZQF_Help_HelpAvailable() || WhatsThisHelpModeActive) return;
  WhatsThisHelpModeActive = true;
  ZQF_Tooltips_Suspend();
  ZQF_InstallRawHook(
      ZQF_RawHookCallback(this, &ZQF_TopLevelGlyph::WhatsThisHelpModeRawHookCallback),
      GetOwnerKey());
  ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(kHelpCursor));
  ZQR_Cursor::UseCursor();
}

void ZQF_TopLevelGlyph::WhatsThisHelpModeRawHookCallback(const ZQF_RawMessageRecord& Record,
                                                         bool& Handled) {
  ZQ_ASSERT(WhatsThisHelpModeActive);
  if (!EndsWhatsThisHelpMode(Record.Message)) return;
  CancelWhatsThisHelpMode();
  Handled = false;
}

void ZQF_TopLevelGlyph::CancelWhatsThisHelpMode() {
  if (!WhatsThisHelpModeActive) return;
  WhatsThisHelpModeActive = false;
  ZQF_Tooltips_Resume();
  ZQF_UninstallRawHooks(GetOwnerKey());
  ZQ_ASSERT(ContainingWindow);
  if (ContainingWindow) ContainingWindow->SetCursorViaSetMouseCursorMessage();
}

void ZQF_TopLevelGlyph::ProcessWhatsThisHelpClick() {
  ZQF_MouseHelpMessage message;
  Dispatch(message);
  ShowTopics(message);
}
