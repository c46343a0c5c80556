#include "ZQF_DropdownControlGlyph.h"

#include <algorithm>
#include <cstdint>

#include "ZQF_ButtonGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_DropdownWindow.h"
#include "ZQF_DropdownWindowBorderOptionsSet.h"
#include "ZQF_GridInteractionQueryMessage.h"
#include "ZQF_Metrics.h"
#include "ZQF_MouseWheel.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQF_WindowBorderGlyph.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"

namespace {

bool IsMousePress(UINT Message) {
  switch (Message) {
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

// An editable field along the display's focus chain shows its own caret.
bool ShowsOwnCaret(ZQF_Glyph* Display) {
  for (ZQF_Glyph* g = Display; g; g = g->GetFocusChild()) {
    auto* field = dynamic_cast<ZQF_TextEditGlyph*>(g);
    if (field && field->IsEnabled() && !field->GetReadOnly()) return true;
  }
  return false;
}

// The frame options of the popup: a raised edge and nothing else.
ZQF_DropdownWindowBorderOptionsSet* NewPopupFrameOptions(bool Resizable) {
  auto* options = new ZQF_DropdownWindowBorderOptionsSet;
  options->SetHasTitleBar(false);
  options->SetOuterEdgeBorderCode(5);
  options->SetOuterBorderSize(0, 0);
  options->SetInnerBorderSize(0, 0);
  options->SetShowCloseButton(false);
  options->SetShowHelpButton(false);
  options->SetMovable(false);
  options->SetResizable(false);
  options->SetClientMargin(0, 0);
  options->SetShowSizeGrip(false);
  options->SetResizable(Resizable);
  return options;
}

}  // namespace

ZQF_DropdownControlGlyph::ZQF_DropdownControlGlyph() {
  auto* arrow = new ZQF_StandardBitmapButtonGlyph("ZQF_DropDownArrowBitmap", 0, 0);
  arrow->SetDrawFrame(false);
  arrow->SetReleaseMouseOnExit(true);
  AddChild(arrow, false);
}

ZQF_DropdownControlGlyph::~ZQF_DropdownControlGlyph() {
  if (IsDropdownOpen()) DestroyDropdown();
}

ZQF_Glyph* ZQF_DropdownControlGlyph::GetArrowButton() const {
  return GetFirstChild() ? GetFirstChild()->GetNextSibling() : nullptr;
}

unsigned long ZQF_DropdownControlGlyph::GetOwnerKey() const {
  return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(this));
}

bool ZQF_DropdownControlGlyph::IsDropdownResizable() { return false; }
ZQ_Point<long> ZQF_DropdownControlGlyph::GetPermanentDisplayInset() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px); }
bool ZQF_DropdownControlGlyph::OpensDropdownOnClick() { return true; }

int ZQF_DropdownControlGlyph::GetDropdownNotificationResponse(ZQF_NotificationMessage&, bool) {
  return Response_NotForDropdown;
}

void ZQF_DropdownControlGlyph::SetFocusable(bool Focusable) {
  ZQF_ControlGlyph::SetFocusable(Focusable);
  if (auto* display = dynamic_cast<ZQF_ControlGlyph*>(GetPermanentDisplayGlyph())) {
    display->SetFocusable(Focusable);
  }
}

// --- Size, layout and drawing.

void ZQF_DropdownControlGlyph::UpdateMyDesiredSize() {
  ZQF_Glyph* display = GetPermanentDisplayGlyph();
  ZQF_Glyph* arrow = GetArrowButton();
  if (!GetComputesDesiredSize() || !display || !arrow) {
    DesiredSize.MakeValid();
    return;
  }
  const ZQF_DesiredSize& D = display->GetDesiredSize();
  const ZQF_DesiredSize& A = arrow->GetDesiredSize();
  D.CheckValidity();
  A.CheckValidity();
  const ZQ_Point<long> t = ZQF_Canvas::GetBorderSize(GetBorderStyle()), p = GetPermanentDisplayInset();
  const long extraX = 2 * (t.X + p.X), extraY = 2 * (t.Y + p.Y);
  // The arrow's height does not count: it takes the display's.
  DesiredSize.SetX(D.Natural.X + A.Natural.X + extraX, D.Minimum.X + A.Minimum.X + extraX,
                   D.Maximum.X + A.Maximum.X + extraX);
  DesiredSize.SetY(D.Natural.Y + extraY, D.Minimum.Y + extraY, D.Maximum.Y + extraY);
}

ZQ_Rectangle<long> ZQF_DropdownControlGlyph::GetDisplayArea(bool Inset) const {
  const ZQ_Point<long> t = ZQF_Canvas::GetBorderSize(GetBorderStyle());
  ZQ_Rectangle<long> inner = GetLocalBoundingBox();
  inner.Deflate(t.X, t.Y);
  const ZQF_Glyph* arrow = GetArrowButton();
  const long w = std::min(inner.Width, arrow ? arrow->GetDesiredSize().Natural.X : 0L);
  inner.Width -= w;
  if (Inset) {
    const ZQ_Point<long> p = const_cast<ZQF_DropdownControlGlyph*>(this)->GetPermanentDisplayInset();
    inner.Deflate(p.X, p.Y);
  }
  return inner;
}

void ZQF_DropdownControlGlyph::AcceptLayout() {
  const ZQ_Rectangle<long> display = GetDisplayArea(false);
  const ZQ_Point<long> t = ZQF_Canvas::GetBorderSize(GetBorderStyle());
  ZQ_Rectangle<long> inner = GetLocalBoundingBox();
  inner.Deflate(t.X, t.Y);
  const ZQ_Rectangle<long> arrowArea(inner.X + display.Width, inner.Y, inner.Width - display.Width,
                                     inner.Height);
  if (ZQF_Glyph* child = GetPermanentDisplayGlyph()) LayoutChild(child, GetDisplayArea(true));
  if (ZQF_Glyph* arrow = GetArrowButton()) LayoutChild(arrow, arrowArea);
}

void ZQF_DropdownControlGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  DrawControlBorder(Canvas, GetLocalBoundingBox());
  Canvas.DrawBorder(GetDisplayArea(false), ZQF_GetColorMetric(IsEnabled() ? ZQF_ColorMetric_FieldBackground : ZQF_ColorMetric_LabelBackground),
                    GetPermanentDisplayInset());
}

void ZQF_DropdownControlGlyph::DrawChildren(ZQF_Canvas& Canvas) {
  ZQF_ControlGlyph::DrawChildren(Canvas);
  if (Canvas.IsOnFocusPath() && ZQF_GetBoolMetric(ZQF_BoolMetric_FocusIndicators) && !ShowsOwnCaret(GetPermanentDisplayGlyph())) {
    Canvas.SetOrigin(GetBoundingBox().GetTopLeft());
    Canvas.DrawFocusIndicator(GetDisplayArea(true));
  }
}

// --- Opening and closing.

ZQ_Rectangle<long> ZQF_DropdownControlGlyph::ComputeDropdownPlacement(
    const ZQ_Rectangle<long>& S, const ZQ_Point<long>& FrameExtra, const ZQ_Rectangle<long>& C,
    const ZQF_DesiredSize& F) {
  const long above = C.Y - S.Y, below = (S.Y + S.Height) - (C.Y + C.Height);
  const long heightLimit = std::max(above, below) - FrameExtra.Y;
  const long clientWidth =
      std::min(S.Width - FrameExtra.X,
               std::max(F.Minimum.X, std::min(F.Maximum.X, std::max(C.Width - FrameExtra.X, F.Natural.X))));
  const long clientHeight = std::min(F.Natural.Y, heightLimit);
  const long width = clientWidth + FrameExtra.X, height = clientHeight + FrameExtra.Y;
  const long x = std::min(std::max(S.X, C.X), S.X + S.Width - width);
  const long y = height <= below ? C.Y + C.Height : C.Y - height;
  return ZQ_Rectangle<long>(x, y, width, height);
}

ZQ_Rectangle<long> ZQF_DropdownControlGlyph::CalculateDropdownWindowPlacement(
    ZQF_Window* Window, const ZQ_Rectangle<long>& ControlRectangle, const ZQF_DesiredSize& FrameSize) {
  const ZQ_Rectangle<long>& screen = ZQF_GetAreaMetric(ZQF_AreaMetric_Screen);
  const ZQ_Point<long> client(screen.Width / 2, screen.Height / 2);
  const ZQ_Point<long> window = Window->GetRequiredWindowSize(client);
  return ComputeDropdownPlacement(screen, ZQ_Point<long>(window.X - client.X, window.Y - client.Y),
                                  ControlRectangle, FrameSize);
}

void ZQF_DropdownControlGlyph::CreateDropdown() {
  if (IsDropdownOpen()) return;
  RememberValueForCancel();
  ZQF_Glyph* content = CreateDropdownGlyphTree();
  DropdownBorderOptions = NewPopupFrameOptions(IsDropdownResizable());
  auto* frame = new ZQF_WindowBorderGlyph(content, DropdownBorderOptions);
  DropdownWindow = new ZQF_DropdownWindow(new ZQF_DropdownListTopLevelGlyph(frame, this));
  DropdownWindow->Construct(ZQ_Rectangle<long>(0, 0, 0, 0));
  const ZQ_Rectangle<long>& box = GetBoundingBox();
  const ZQ_Point<long> corner = WindowToScreen(box.GetTopLeft());
  frame->UpdateDesiredSize();
  DropdownWindow->Move(CalculateDropdownWindowPlacement(
                           DropdownWindow, ZQ_Rectangle<long>(corner.X, corner.Y, box.Width, box.Height),
                           frame->GetDesiredSize()),
                       false);
  DropdownWindow->MakeTopTopmost();
  DropdownWindow->Show(static_cast<ZQF_ShowState>(SW_SHOWNA));
  DropdownWindow->Update();
  GivingFocusToPopup = true;
  DropdownWindow->SetFocus();
  GivingFocusToPopup = false;
  frame->PutOnFocusPath();
  InstallDropdownMonitorHooks();
  SetFocusChild(nullptr);
  QueueVisualStateUpdate();
}

void ZQF_DropdownControlGlyph::DestroyDropdown() {
  ZQF_ActionQueue::RemoveAllActions(GetOwnerKey());
  UninstallDropdownMonitorHooks();
  ZQF_DropdownWindow* window = DropdownWindow;
  DropdownWindow = nullptr;
  DropdownBorderOptions = nullptr;
  if (window) window->Destroy();
}

void ZQF_DropdownControlGlyph::CancelDropdown(bool Restore) {
  if (!IsDropdownOpen()) return;
  if (Restore) RestoreValueForCancel();
  const bool popupHadFocus = ZQLOW_WINUSER::GetFocus() == DropdownWindow->GetWindowHandle();
  DestroyDropdown();
  // The popup held the keyboard focus: the control's window takes it back.
  if (popupHadFocus) {
    if (ZQF_Window* window = GetParentWindow()) window->SetFocus();
  }
  if (IsFocusable() && GetPermanentDisplayGlyph()) GetPermanentDisplayGlyph()->PutOnFocusPath();
  QueueVisualStateUpdate();
  if (!Restore && !IsValueUnchangedSinceDropdown()) DispatchControlChangeNotification();
}

void ZQF_DropdownControlGlyph::DispatchControlChangeNotification() {
  ZQF_DropdownControlChangeNotificationMessage change(this);
  Dispatch(change);
}

void ZQF_DropdownControlGlyph::QueueClose(int Action) {
  ZQF_ActionQueue::QueueOnetimeAction(
      ZQF_QueuedAction(new ZQF_DropdownQueuedActionReference(this, Action)), GetOwnerKey(), true);
}

// --- The monitor.

void ZQF_DropdownControlGlyph::InstallDropdownMonitorHooks() {
  ZQF_InstallRawHook(ZQF_RawHookCallback(this, &ZQF_DropdownControlGlyph::DropdownMonitorRawCallback),
                     GetOwnerKey());
}

void ZQF_DropdownControlGlyph::UninstallDropdownMonitorHooks() { ZQF_UninstallRawHooks(GetOwnerKey()); }

bool ZQF_DropdownControlGlyph::IsPopupWindow(HWND Window) const {
  // The popup has no child windows.
  return DropdownWindow && Window == DropdownWindow->GetWindowHandle();
}

void ZQF_DropdownControlGlyph::DropdownMonitorRawCallback(const ZQF_RawMessageRecord& Record,
                                                          bool& Eat) {
  if (!IsDropdownOpen()) return;
  if (IsMousePress(Record.Message)) {
    // An outside press only closes: it does not reach what it hit.
    if (IsPopupWindow(Record.Window)) return;
    Eat = true;
    CancelDropdown(false);
  } else if (Record.Message == WM_SYSKEYDOWN) {
    Eat = Record.Window == GetParentWindowHandle();
    CancelDropdown(false);
  } else if (Record.Message == ZQF_MouseWheel_GetWheelMessageID()) {
    Eat = true;
    CancelDropdown(false);
  }
}

// --- Input.

void ZQF_DropdownControlGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (Message.IsHandled()) return;
  const ZQF_KeyCode key = Message.GetKeyCode();
  if (!IsDropdownOpen()) {
    if ((!SecondTry && key == ZQF_Key_Down && Message.MatchesModifierKeys(2, 0, 1)) ||
        (SecondTry && key == ZQF_Key_Space && Message.MatchesModifierKeys(2, 0, 2))) {
      CreateDropdown();
      Message.SetHandled();
    }
    return;
  }
  if (!SecondTry) {
    DropdownWindow->GetTopLevelGlyph()->Forward(Message);
  } else if (key == ZQF_Key_Escape && Message.MatchesModifierKeys(2, 0, 0)) {
    CancelDropdown(true);
    Message.SetHandled();
  } else if (key == ZQF_Key_Enter && Message.MatchesModifierKeys(2, 0, 0)) {
    CancelDropdown(false);
    Message.SetHandled();
  }
}

void ZQF_DropdownControlGlyph::HandlePopupKey(ZQF_KeyMessage& Message) {
  const ZQF_KeyCode key = Message.GetKeyCode();
  if ((key == ZQF_Key_Escape || key == ZQF_Key_Enter) && Message.MatchesModifierKeys(2, 0, 0)) {
    QueueClose(key == ZQF_Key_Escape ? 2 : 1);
    Message.SetHandled();
    return;
  }
  HandleKey(Message, true);
}

void ZQF_DropdownControlGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  const ZQ_Point<long> at = Message.GetPosition();
  ZQF_Glyph* display = GetPermanentDisplayGlyph();
  ZQF_Glyph* arrow = GetArrowButton();
  const bool onDisplay = display && display->GetBoundingBox().Contains(at);
  if ((SecondTry || !onDisplay) && IsFocusable() && IsEnabled()) PutOnFocusPath();
  if (OpensDropdownOnClick() && !SecondTry && IsEnabled() && !Message.IsHandled() &&
      !(arrow && arrow->GetBoundingBox().Contains(at))) {
    if (IsFocusable()) PutOnFocusPath();
    CreateDropdown();
    Message.SetHandled();
  }
}

void ZQF_DropdownControlGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) {
  ZQF_Glyph* arrow = GetArrowButton();
  if (!Message.IsHandled() && arrow) {
    if (auto* down = dynamic_cast<ZQF_ButtonDownNotificationMessage*>(&Message)) {
      if (down->GetButton() == arrow) {
        CreateDropdown();
        Message.SetHandled();
        return;
      }
    } else if (auto* up = dynamic_cast<ZQF_ButtonUpNotificationMessage*>(&Message)) {
      if (up->GetButton() == arrow) {
        Message.SetHandled();
        return;
      }
    }
  }
  ZQF_ControlGlyph::HandleNotification(Message, SecondTry);
}

void ZQF_DropdownControlGlyph::HandleFocusChange(ZQF_FocusChangeMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleFocusChange(Message, SecondTry);
  // The popup taking the focus is no reason to close it.
  if (!SecondTry && !Message.IsGained() && IsDropdownOpen() && !GivingFocusToPopup &&
      ZQLOW_WINUSER::GetFocus() != DropdownWindow->GetWindowHandle()) {
    CancelDropdown(false);
  }
}

void ZQF_DropdownControlGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  using MouseQuery = ZQF_GridGlyph_ContainingGridInteractionQueryMouseMessage;
  auto* query = dynamic_cast<MouseQuery*>(&Message);
  if (!SecondTry && query && !Message.IsHandled() &&
      dynamic_cast<const ZQF_LeftDownMouseMessage*>(&query->GetMouseMessage())) {
    query->Answer = OpensDropdownOnClick() ? 1 : 0;
    PutOnFocusPath();
    query->SetHandled();
    return;
  }
  if (!Message.IsHandled()) ZQF_ControlGlyph::HandleGenericMessage(Message, SecondTry);
}

// --- The companions.

bool ZQF_DropdownWindow::HasFocus() { return true; }

void ZQF_DropdownListTopLevelGlyph::HandleNotification(ZQF_NotificationMessage& Message,
                                                       bool SecondTry) {
  const int response = DropdownControl->GetDropdownNotificationResponse(Message, SecondTry);
  if (response == ZQF_DropdownControlGlyph::Response_NotForDropdown) {
    ZQF_TopLevelGlyph::HandleNotification(Message, SecondTry);
    return;
  }
  if (response != ZQF_DropdownControlGlyph::Response_Cancel) DropdownControl->TakeDropdownSelection();
  if (response != ZQF_DropdownControlGlyph::Response_Take) DropdownControl->QueueClose(response);
  Message.SetHandled();
}

void ZQF_DropdownListTopLevelGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  ZQF_TopLevelGlyph::HandleKey(Message, SecondTry);
  // Keys the control forwarded go back through the control's own routing;
  // only keys the popup received itself are handed over here.
  ZQF_Window* window = GetParentWindow();
  if (SecondTry && !Message.IsHandled() && window &&
      ZQLOW_WINUSER::GetFocus() == window->GetWindowHandle()) {
    DropdownControl->HandlePopupKey(Message);
  }
}

void ZQF_DropdownQueuedActionReference::Perform() {
  ZQ_ASSERT_TEXT(Action == 1 || Action == 2, "false");
  if (Action == 1 || Action == 2) Control->CancelDropdown(Action == 2);
}
