// The scroll bar: its state and steps, geometry along the long axis, the
// mouse (trough paging, slider drag), the arrow buttons, drawing, and the
// drag state and auto-repeat timer shared by all scroll bars.
#include "ZQF_ScrollBarGlyph.h"

#include <algorithm>

#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_ScrollBarAutorepeatTimer.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_Window.h"
#include "ZQ_Assertion.h"
#include "ZQ_Numeric.h"

namespace {

// The drag state of the one scroll bar that can hold the mouse.
struct DragState {
  int State = ZQF_ScrollBarGlyph::Drag_None;
  long StartPosition = 0;
  ZQ_Point<long> StartPoint;
  ZQF_ScrollBarAutorepeatTimer* Timer = nullptr;
};
DragState s_drag;

// The natural and maximum length of a bar: it takes what it gets.
const long kNaturalLength = 536870912;

void MarkHandled(ZQF_Message& Message) {
  if (!Message.IsHandled()) Message.SetHandled();
}

}  // namespace

ZQF_ScrollBarGlyph::ZQF_ScrollBarGlyph(const ZQ_String& BackwardBitmap,
                                       const ZQ_String& ForwardBitmap, long DocumentSize,
                                       long PageSize, long LineSize, long SliderPosition,
                                       bool TrackSlider)
    : DocumentSize(DocumentSize),
      PageSize(PageSize),
      LineSize(LineSize),
      SliderPosition(SliderPosition),
      TrackSlider(TrackSlider) {
  AddButton(ForwardBitmap);
  ForwardButton = static_cast<ZQF_ButtonGlyph*>(GetFirstChild());
  AddButton(BackwardBitmap);
  BackwardButton = static_cast<ZQF_ButtonGlyph*>(GetFirstChild());
  MakeUnfocusable();
  SetFocusChild(nullptr);
  // Checks the numbers and disables an arrow that cannot move the slider.
  SetState(DocumentSize, PageSize, LineSize, SliderPosition, false);
}

ZQF_ScrollBarGlyph::~ZQF_ScrollBarGlyph() {
  // No tick may reach a freed bar; the glyph's own destructor lets go of the
  // mouse capture.
  if (s_drag.Timer && s_drag.Timer->GetScrollBar() == this) StopTimer();
  if (HasMouseCapture()) s_drag.State = Drag_None;
}

void ZQF_ScrollBarGlyph::AddButton(const ZQ_String& Bitmap) {
  auto* button = new ZQF_StandardBitmapButtonGlyph(Bitmap, ZQF_ButtonGlyph::ToggleMode_OneState,
                                                   ZQF_ButtonGlyph::State_Up);
  button->SetAutorepeatMode(ZQF_ButtonGlyph::AutorepeatMode_Down);
  AddChild(button, false);
}

// An arrow deleted from outside is no child any more: the bar goes on
// without it. Only addresses are compared; a deleted arrow is never touched.
ZQF_ButtonGlyph* ZQF_ScrollBarGlyph::IfStillChild(ZQF_ButtonGlyph* Button) const {
  for (ZQF_Glyph* child = GetFirstChild(); child; child = child->GetNextSibling()) {
    if (child == Button) return Button;
  }
  return nullptr;
}

ZQF_ButtonGlyph* ZQF_ScrollBarGlyph::GetBackwardButton() const { return IfStillChild(BackwardButton); }

ZQF_ButtonGlyph* ZQF_ScrollBarGlyph::GetForwardButton() const { return IfStillChild(ForwardButton); }

// --- State and steps.

void ZQF_ScrollBarGlyph::SetState(long Document, long Page, long Line, long Position,
                                  bool Notify) {
  DocumentSize = Document;
  PageSize = Page;
  LineSize = Line;
  SliderPosition = Position;
  ZQ_ASSERT_TEXT(1 <= DocumentSize, "1 <= DocumentSize");
  ZQ_ASSERT_TEXT(1 <= PageSize && PageSize <= DocumentSize,
                 "(1 <= PageSize) and (PageSize <= DocumentSize)");
  ZQ_ASSERT_TEXT(1 <= LineSize && LineSize <= DocumentSize,
                 "(1 <= LineSize) and (LineSize <= DocumentSize)");
  ZQ_ASSERT_TEXT(0 <= SliderPosition && SliderPosition <= GetMaxSliderPosition(),
                 "(0 <= SliderPosition) and (SliderPosition <= MaxSliderPosition)");
  if (Notify) {
    const bool tracking = s_drag.State == Drag_Slider && !HasMouseCapture();
    ZQF_ScrollBarChangeNotificationMessage message(this, tracking);
    Dispatch(message);
  }
  if (ZQF_ButtonGlyph* backward = GetBackwardButton()) backward->SetEnabled(SliderPosition >= 1);
  if (ZQF_ButtonGlyph* forward = GetForwardButton()) {
    forward->SetEnabled(SliderPosition < GetMaxSliderPosition());
  }
  QueueVisualStateUpdate();
}

void ZQF_ScrollBarGlyph::SetSliderPosition(long Position, bool Notify) {
  SetState(DocumentSize, PageSize, LineSize, Position, Notify);
}

void ZQF_ScrollBarGlyph::SetSliderPosition_Safe(long Position, bool Notify) {
  SetSliderPosition(std::max(0L, std::min(Position, GetMaxSliderPosition())), Notify);
}

void ZQF_ScrollBarGlyph::PerformLineBackward(bool Notify) {
  SetSliderPosition(std::max(0L, SliderPosition - LineSize), Notify);
}

void ZQF_ScrollBarGlyph::PerformLineForward(bool Notify) {
  SetSliderPosition(std::min(SliderPosition + LineSize, GetMaxSliderPosition()), Notify);
}

void ZQF_ScrollBarGlyph::PerformPageBackward(bool Notify) {
  SetSliderPosition(std::max(0L, SliderPosition - std::max(PageSize - LineSize, LineSize)),
                    Notify);
}

void ZQF_ScrollBarGlyph::PerformPageForward(bool Notify) {
  SetSliderPosition(
      std::min(SliderPosition + std::max(PageSize - LineSize, LineSize), GetMaxSliderPosition()),
      Notify);
}

void ZQF_ScrollBarGlyph::PerformScrollToStart(bool Notify) { SetSliderPosition(0, Notify); }

void ZQF_ScrollBarGlyph::PerformScrollToEnd(bool Notify) {
  SetSliderPosition(GetMaxSliderPosition(), Notify);
}

// --- Geometry.

ZQ_Point<long> ZQF_ScrollBarGlyph::FromAxes(long AlongAxis, long AcrossAxis) const {
  return GetOrientation() == 1 ? ZQ_Point<long>(AcrossAxis, AlongAxis)
                               : ZQ_Point<long>(AlongAxis, AcrossAxis);
}

ZQ_Rectangle<long> ZQF_ScrollBarGlyph::AxisRectangle(long Start, long Length) const {
  const ZQ_Rectangle<long>& box = GetBoundingBox();
  const ZQ_Point<long> origin = FromAxes(Start, 0);
  const ZQ_Point<long> size = FromAxes(Length, Across(ZQ_Point<long>(box.Width, box.Height)));
  return ZQ_Rectangle<long>(origin.X, origin.Y, size.X, size.Y);
}

long ZQF_ScrollBarGlyph::GetLength() const {
  return Along(ZQ_Point<long>(GetBoundingBox().Width, GetBoundingBox().Height));
}

long ZQF_ScrollBarGlyph::GetButtonLength(const ZQF_Glyph* Button) const {
  if (!Button) return 0;
  return Along(ZQ_Point<long>(Button->GetBoundingBox().Width, Button->GetBoundingBox().Height));
}

long ZQF_ScrollBarGlyph::GetTroughLength() const {
  return GetLength() - GetButtonLength(GetBackwardButton()) - GetButtonLength(GetForwardButton());
}

ZQF_ScrollBarGlyph::LongAxisCoordinates ZQF_ScrollBarGlyph::GetLongAxisCoordinates() const {
  const long trough = GetTroughLength();
  long before = 0;
  long after = 0;
  long slider = std::max(trough, 0L);
  if (trough > Along(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px))) {
    // Never longer than the trough: a short trough would push the slider
    // over the forward button.
    slider = std::min(trough, std::max(ZQ_MulDiv(trough, PageSize, DocumentSize),
                                       Along(ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar))));
    const long rest = trough - slider;
    const long range = GetMaxSliderPosition();
    before = range == 0 ? 0 : ZQ_MulDiv(rest, SliderPosition, range);
    after = rest - before;
  }
  const long b = GetButtonLength(GetBackwardButton());
  LongAxisCoordinates parts;
  parts.BackwardTrough = AxisRectangle(b, before);
  parts.Slider = AxisRectangle(b + before, slider);
  parts.ForwardTrough = AxisRectangle(b + before + slider, after);
  return parts;
}

int ZQF_ScrollBarGlyph::PerformHitTest(const ZQ_Point<long>& Point) const {
  const LongAxisCoordinates parts = GetLongAxisCoordinates();
  if (parts.BackwardTrough.Contains(Point)) return Hit_BackwardTrough;
  if (parts.ForwardTrough.Contains(Point)) return Hit_ForwardTrough;
  if (parts.Slider.Contains(Point)) return Hit_Slider;
  ZQ_Rectangle<long> nearby = ZQ_Rectangle<long>::Union(parts.BackwardTrough, parts.ForwardTrough);
  const ZQ_Point<long> reach = ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar);
  nearby.Inflate(2 * reach.X, 2 * reach.Y);
  return nearby.Contains(Point) ? Hit_Near : Hit_FarAway;
}

long ZQF_ScrollBarGlyph::MousePositionToSliderPosition(const ZQ_Point<long>& Point) const {
  const long trough = GetTroughLength();
  // A bar without a trough has nowhere to drag to.
  if (trough <= 0) return s_drag.StartPosition;
  const long delta = Along(Point) - Along(s_drag.StartPoint);
  const long position = s_drag.StartPosition + ZQ_MulDiv(delta, DocumentSize, trough);
  return std::max(0L, std::min(position, GetMaxSliderPosition()));
}

long ZQF_ScrollBarGlyph::DraggedSliderPosition(const ZQ_Point<long>& Point) const {
  return PerformHitTest(Point) == Hit_FarAway ? s_drag.StartPosition
                                               : MousePositionToSliderPosition(Point);
}

// --- Size and layout.

void ZQF_ScrollBarGlyph::UpdateMyDesiredSize() {
  const ZQ_Point<long> metric = ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar);
  const long thickness = Across(metric);
  const long minimum = 3 * Along(metric);
  if (GetOrientation() == 1) {
    DesiredSize.SetFixedX(thickness);
    DesiredSize.SetY(kNaturalLength, minimum, kNaturalLength);
  } else {
    DesiredSize.SetFixedY(thickness);
    DesiredSize.SetX(kNaturalLength, minimum, kNaturalLength);
  }
}

void ZQF_ScrollBarGlyph::AcceptLayout() {
  const long length = GetLength();
  long backward = Along(ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar));
  long forward = backward;
  if (2 * backward > length) {
    // Too short for two whole buttons: they share the length.
    backward = length / 2;
    forward = length - backward;
  }
  ZQF_ButtonGlyph* backwardButton = GetBackwardButton();
  ZQF_ButtonGlyph* forwardButton = GetForwardButton();
  if (!backwardButton) backward = 0;
  if (!forwardButton) forward = 0;
  if (backwardButton) LayoutChild(backwardButton, AxisRectangle(0, backward));
  if (forwardButton) LayoutChild(forwardButton, AxisRectangle(length - forward, forward));
}

// --- Mouse.

void ZQF_ScrollBarGlyph::StartPaging(int State) {
  CaptureMouse();
  s_drag.State = State;
  StartTimer(this);
  if (State == Drag_PagingBackward) {
    PerformPageBackward(true);
  } else {
    PerformPageForward(true);
  }
}

void ZQF_ScrollBarGlyph::PressAt(const ZQ_Point<long>& Point, ZQF_MouseMessage& Message) {
  switch (PerformHitTest(Point)) {
    case Hit_BackwardTrough:
      StartPaging(Drag_PagingBackward);
      break;
    case Hit_ForwardTrough:
      StartPaging(Drag_PagingForward);
      break;
    case Hit_Slider:
      s_drag.StartPosition = SliderPosition;
      s_drag.StartPoint = Point;
      CaptureMouse();
      s_drag.State = Drag_Slider;
      break;
    default:
      return;
  }
  MarkHandled(Message);
}

void ZQF_ScrollBarGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftDown(Message, SecondTry);
  if (SecondTry && IsEnabled() && !Message.IsHandled()) {
    PressAt(WindowToGlyph(Message.GetPosition()), Message);
  }
}

void ZQF_ScrollBarGlyph::HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftDoubleClick(Message, SecondTry);
  if (SecondTry && IsEnabled() && !Message.IsHandled()) {
    PressAt(WindowToGlyph(Message.GetPosition()), Message);
  }
}

void ZQF_ScrollBarGlyph::HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry) {
  if (Message.IsHandled() || s_drag.State != Drag_Slider || !HasMouseCapture()) {
    ZQF_ControlGlyph::HandleMouseMove(Message, SecondTry);
    return;
  }
  SetSliderPosition(DraggedSliderPosition(WindowToGlyph(Message.GetPosition())), TrackSlider);
  MarkHandled(Message);
}

void ZQF_ScrollBarGlyph::HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) {
  StopTimer();
  if (Message.IsHandled() || s_drag.State == Drag_None || !HasMouseCapture()) {
    ZQF_ControlGlyph::HandleMouseLeftUp(Message, SecondTry);
    return;
  }
  if (s_drag.State == Drag_Slider) {
    SetSliderPosition(DraggedSliderPosition(WindowToGlyph(Message.GetPosition())), true);
  }
  ReleaseMouse();
  s_drag.State = Drag_None;
  QueueVisualStateUpdate();
  MarkHandled(Message);
}

void ZQF_ScrollBarGlyph::HandleTimerEvent() {
  const int hit = PerformHitTest(GetCurrentMouseLocation());
  if (s_drag.State == Drag_PagingBackward && hit == Hit_BackwardTrough) {
    PerformPageBackward(true);
  } else if (s_drag.State == Drag_PagingForward && hit == Hit_ForwardTrough) {
    PerformPageForward(true);
  }
}

// --- Arrow buttons.

void ZQF_ScrollBarGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleNotification(Message, SecondTry);
  if (Message.IsHandled()) return;
  if (auto* down = dynamic_cast<ZQF_ButtonDownNotificationMessage*>(&Message)) {
    if (!down->GetButton()) return;
    if (down->GetButton() == GetBackwardButton()) {
      PerformLineBackward(true);
      MarkHandled(Message);
    } else if (down->GetButton() == GetForwardButton()) {
      PerformLineForward(true);
      MarkHandled(Message);
    }
  } else if (auto* up = dynamic_cast<ZQF_ButtonUpNotificationMessage*>(&Message)) {
    if (up->GetButton() == GetBackwardButton() || up->GetButton() == GetForwardButton()) {
      MarkHandled(Message);
    }
  }
}

// --- Drawing.

bool ZQF_ScrollBarGlyph::IsPaging(int State) const {
  return s_drag.State == State && HasMouseCapture();
}

void ZQF_ScrollBarGlyph::DrawEnabled(ZQF_Canvas& Canvas, const LongAxisCoordinates& Parts) {
  Canvas.DrawBorder(Parts.Slider, 5, 0);
  ZQ_Rectangle<long> inside = Parts.Slider;
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(5);
  inside.Deflate(border.X, border.Y);
  Canvas.Fill(inside, ZQF_GetColorMetric(ZQF_ColorMetric_ButtonFace));
  Canvas.Fill(Parts.BackwardTrough,
              ZQF_GetBrushMetric(IsPaging(Drag_PagingBackward) ? ZQF_BrushMetric_ShadowCheckerboard : ZQF_BrushMetric_FaceCheckerboard));
  Canvas.Fill(Parts.ForwardTrough, ZQF_GetBrushMetric(IsPaging(Drag_PagingForward) ? ZQF_BrushMetric_ShadowCheckerboard : ZQF_BrushMetric_FaceCheckerboard));
}

void ZQF_ScrollBarGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  const LongAxisCoordinates parts = GetLongAxisCoordinates();
  if (IsEnabled()) {
    DrawEnabled(Canvas, parts);
    return;
  }
  ZQ_Rectangle<long> all = ZQ_Rectangle<long>::Union(parts.BackwardTrough, parts.ForwardTrough);
  Canvas.DrawBorder(all, 2, 0);
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(2);
  all.Deflate(border.X, border.Y);
  Canvas.Fill(all, ZQF_GetColorMetric(ZQF_ColorMetric_ButtonFace));
}

// --- The shared drag state and timer.

int ZQF_ScrollBarGlyph::GetDragState() { return s_drag.State; }

void ZQF_ScrollBarGlyph::StartTimer(ZQF_ScrollBarGlyph* Bar) {
  StopTimer();
  s_drag.Timer = new ZQF_ScrollBarAutorepeatTimer(Bar);
}

void ZQF_ScrollBarGlyph::StopTimer() {
  // Forgotten first: the timer may be the one ticking now.
  ZQF_ScrollBarAutorepeatTimer* timer = s_drag.Timer;
  s_drag.Timer = nullptr;
  delete timer;
}

ZQF_ScrollBarAutorepeatTimer* ZQF_ScrollBarGlyph::GetAutorepeatTimer() { return s_drag.Timer; }
