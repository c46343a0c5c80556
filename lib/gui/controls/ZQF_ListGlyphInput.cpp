// The list's message handlers, its selection notifications and their delay.
#include <algorithm>
#include <cstdlib>

#include "ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h"
#include "ZQF_DragOperationDrawingContext.h"
#include "ZQF_DragOperationMessage.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_ListGlyph.h"
#include "ZQF_ListGlyphController.h"
#include "ZQF_ListGlyphTimers.h"
#include "ZQF_Metrics.h"
#include "ZQF_MouseWheel.h"
#include "ZQF_ScrollBarGlyph.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQ_Assertion.h"

// --- Keys.

void ZQF_ListGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (!SecondTry || IsDisabled() || IsEmpty()) return;
  SelectionChanged = false;
  GetFocusElement()->HandleKey(Message, this);
  if (!Message.IsHandled()) Controller->HandleKey(Message);
  if (SelectionChanged) DispatchListChangeNotification(ListChange_Keyboard);
}

void ZQF_ListGlyph::HandleKeyUp(ZQF_KeyMessage&, bool) {
  if (!ChangeNotificationPending) return;
  ChangeNotificationPending = false;
  StartChangeNotificationDelayTimer();
}

// --- Mouse.

ZQ_Point<long> ZQF_ListGlyph::ElementRelative(ZQF_ListGlyphElement* Element,
                                              const ZQ_Point<long>& Local) const {
  const long left = GetElementIndentation(Element) - GetHorizontalScrollPosition() + GetBorderThickness().X;
  return ZQ_Point<long>(Local.X - left, Local.Y);
}

void ZQF_ListGlyph::PressOnRow(ZQF_MouseMessage& Message, bool DoubleClick) {
  const ZQ_Point<long> local = WindowToGlyph(Message.GetPosition());
  ZQF_ListGlyphElement* element = PerformElementHitCheck(local);
  if (!element) {
    Message.SetHandled();
    return;
  }
  SelectionChanged = false;
  switch (PerformElementSectionHitCheck(local, element)) {
    case ElementSection_Content:
      CaptureMouse();
      if (DoubleClick) {
        element->HandleMouseLeftDoubleClick(Message, ElementRelative(element, local), this);
        if (!Message.IsHandled()) Controller->HandleMouseLeftDoubleClick(Message, element);
      } else {
        element->HandleMouseLeftDown(Message, ElementRelative(element, local), this);
        if (!Message.IsHandled()) Controller->HandleMouseLeftDown(Message, element);
      }
      break;
    case ElementSection_NodeBitmap:
      // The first click of a double click already toggled the node.
      if (!DoubleClick) {
        SetFocus(element);
        SelectFocusElement(true);
        ToggleOpen(element);
        ScrollToShowElementAndChildren(element);
      }
      Message.SetHandled();
      break;
    default:
      Message.SetHandled();
  }
  if (SelectionChanged) DispatchListChangeNotification(ListChange_Mouse);
}

void ZQF_ListGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftDown(Message, SecondTry);
  if (IsDisabled() || !SecondTry || IsEmpty() || Message.IsHandled()) return;
  PressOnRow(Message, false);
}

void ZQF_ListGlyph::HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftDoubleClick(Message, SecondTry);
  if (IsDisabled() || !SecondTry || IsEmpty() || Message.IsHandled()) return;
  PressOnRow(Message, true);
}

void ZQF_ListGlyph::HandleMouseRightDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseRightDown(Message, SecondTry);
  if (IsDisabled() || !SecondTry || IsEmpty() || Message.IsHandled()) return;
  const ZQ_Point<long> local = WindowToGlyph(Message.GetPosition());
  ZQF_ListGlyphElement* element = PerformElementHitCheck(local);
  if (!element || PerformElementSectionHitCheck(local, element) != ElementSection_Content) return;
  SelectionChanged = false;
  element->HandleMouseRightDown(Message, ElementRelative(element, local), this);
  if (!Message.IsHandled()) Controller->HandleMouseRightDown(Message, element);
  if (SelectionChanged) DispatchListChangeNotification(ListChange_Mouse);
}

void ZQF_ListGlyph::HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseMiddleDown(Message, SecondTry);
  if (IsDisabled() || SecondTry || IsEmpty() || Message.IsHandled()) return;
  Message.SetHandled();
  ZQF_MouseWheel_BeginWheelScrollDragOperation(
      this, ZQF_WheelScrollCallback(this, &ZQF_ListGlyph::MouseWheelDragScrollCallback), 0, 0, 4.0,
      99999.0);
}

void ZQF_ListGlyph::MouseWheelDragScrollCallback(double, double AmountY) {
  if (AmountY < 0) {
    ScrollLineUp(static_cast<long>(-AmountY));
  } else {
    ScrollLineDown(static_cast<long>(AmountY));
  }
}

void ZQF_ListGlyph::HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) {
  if (IsDisabled() || SecondTry || IsEmpty() || Message.IsHandled()) return;
  const long lines = std::max(std::min(3 * Message.GetNumNotches(), PageSize - 1), 1L);
  if (Message.GetDirection() == 0) {
    ScrollLineUp(lines);
  } else {
    ScrollLineDown(lines);
  }
  Message.SetHandled();
}

// Focus and select the row under the pointer, without a notification.
void ZQF_ListGlyph::FollowMouse(const ZQ_Point<long>& Local) {
  ZQF_ListGlyphElement* element = IsEmpty() ? nullptr : PerformElementHitCheck(Local);
  if (!element) return;
  const int section = PerformElementSectionHitCheck(Local, element);
  if (section != ElementSection_Content && section != ElementSection_NodeBitmap &&
      section != ElementSection_Indentation) {
    return;
  }
  // Every move over the focus row would repaint the list for nothing.
  if (element == GetFocusElement() && element->IsSelected()) return;
  StateChange_ChangeFocusElement(ComputeIndex(element, Subset_Visible));
  Select(element, true);
}

void ZQF_ListGlyph::HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry) {
  if (IsDisabled() || SecondTry || Message.IsHandled()) return;
  const ZQ_Point<long> local = WindowToGlyph(Message.GetPosition());
  if (HasMouseCapture()) {
    const ZQ_Point<long> captured = GetCapturedMouseLocation(), threshold = ZQF_GetSizeMetric(ZQF_SizeMetric_DragThreshold);
    if (std::labs(captured.X - local.X) < threshold.X && std::labs(captured.Y - local.Y) < threshold.Y) {
      return;
    }
    ReleaseMouse();
    Message.SetHandled();
    if (ZQF_ListGlyphElement* focus = GetFocusElement()) focus->HandleDragStart();
  } else if (SelectFollowsMouse) {
    FollowMouse(local);
  }
}

void ZQF_ListGlyph::HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) {
  if (IsDisabled() || SecondTry || Message.IsHandled()) return;
  if (HasMouseCapture()) {
    ReleaseMouse();
    Message.SetHandled();
  } else if (SelectFollowsMouse) {
    FollowMouse(WindowToGlyph(Message.GetPosition()));
    Message.SetHandled();
    DispatchListChangeNotification(ListChange_Mouse);
  }
}

// --- Commands, updates, bars, tooltips and drags.

void ZQF_ListGlyph::HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleCommand(Message, SecondTry);
  if (SecondTry || IsDisabled() || Message.IsHandled()) return;
  if (ZQF_ListGlyphElement* focus = GetFocusElement()) focus->HandleCommand(Message, this);
}

void ZQF_ListGlyph::HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleUpdate(Message, SecondTry);
  if (SecondTry || IsDisabled() || Message.IsHandled()) return;
  if (ZQF_ListGlyphElement* focus = GetFocusElement()) focus->HandleUpdate(Message, this);
}

void ZQF_ListGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) {
  auto* change = dynamic_cast<ZQF_ScrollBarChangeNotificationMessage*>(&Message);
  if (!change || IsEmpty() || Message.IsHandled()) {
    ZQF_ControlGlyph::HandleNotification(Message, SecondTry);
    return;
  }
  ZQF_ScrollBarGlyph* bar = change->GetScrollBar();
  if (bar == GetFirstChild() && bar == GetVerticalScrollBar()) {
    StateChange_ChangeTopVisibleElement(ClampTopIndex(bar->GetSliderPosition()));
  } else if (GetFirstChild() && bar == GetFirstChild()->GetNextSibling() &&
             bar == GetHorizontalScrollBar()) {
    QueueVisualStateUpdate();
  } else {
    return;
  }
  Message.SetHandled();
}

void ZQF_ListGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleGenericMessage(Message, SecondTry);
  if (!SecondTry || IsDisabled() || Message.IsHandled()) return;
  if (auto* tooltips = dynamic_cast<ZQF_TooltipsMessage*>(&Message)) {
    const ZQ_Point<long> local = GetCurrentMouseLocation();
    if (ZQF_ListGlyphElement* element = PerformElementHitCheck(local)) {
      element->HandleTooltipsMessage(*tooltips, local, GetElementRect(element), this);
    }
  } else if (dynamic_cast<ZQF_DragOperationMessage*>(&Message)) {
    RespondToDragOperation(Message);
  }
}

void ZQF_ListGlyph::RespondToDragOperation(ZQF_GenericMessage& Message) {
  auto& drag = static_cast<ZQF_DragOperationMessage&>(Message);
  const ZQ_Point<long> local = GetCurrentMouseLocation();
  ZQF_ListGlyphAutoscrollTimer::RespondToDragOperationMessage(this, local);
  ZQF_ListGlyphElement* element = PerformElementHitCheck(local);
  if (!element || PerformElementSectionHitCheck(local, element) != ElementSection_Content) return;
  element->HandleDragOperationMessage(drag);
  if (!drag.IsHandled()) return;
  const ZQ_Rectangle<long> ElementRect = GetElementRect(element);
  ZQ_ASSERT_TEXT(ElementRect.Width > 0, "ElementRect.Extent.X > 0");
  ZQF_DragOperationDrawingContext* context = drag.GetDrawingContext();
  if (!context || ElementRect.Width <= 0) return;
  const ZQ_Rectangle<long> screen = GlyphToScreen(ElementRect);
  const ZQ_Point<long> thickness = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px);
  context->DrawDottedRectangle(screen.X, screen.Y, screen.Width, screen.Height, thickness.X,
                               thickness.Y);
}

// --- Notifications.

void ZQF_ListGlyph::DispatchListChangeNotification(int Kind) {
  if (Kind == ListChange_Keyboard) {
    ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage indicators;
    Dispatch(indicators);
  }
  if (ChangeNotificationDelay != 0 && Kind == ListChange_Keyboard) {
    ChangeNotificationPending = true;
    return;
  }
  ZQF_ListSelectionChangeNotificationMessage change(this, Kind);
  Dispatch(change);
}

void ZQF_ListGlyph::StartChangeNotificationDelayTimer() {
  StopChangeNotificationDelayTimer();
  ChangeNotificationDelayTimer =
      new ZQF_ListGlyphChangeNotificationDelayTimer(this, ChangeNotificationDelay, ListChange_Keyboard);
}

void ZQF_ListGlyph::StopChangeNotificationDelayTimer() {
  delete ChangeNotificationDelayTimer;
  ChangeNotificationDelayTimer = nullptr;
}

void ZQF_ListGlyph::ProcessDelayedListChangeNotification(int Kind) {
  // One notification per start: the timer goes first.
  StopChangeNotificationDelayTimer();
  ZQF_ListSelectionChangeNotificationMessage change(this, Kind);
  Dispatch(change);
}
