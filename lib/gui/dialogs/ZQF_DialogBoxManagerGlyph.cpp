// The dialog box manager glyph and the frames of dialog buttons.
#include "ZQF_DialogBoxManagerGlyph.h"

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_StandardDialogBox.h"

ZQF_DialogBoxManagerGlyph::ZQF_DialogBoxManagerGlyph(ZQF_Glyph* MainOrganizer,
                                                     ZQF_StandardDialogBox* Dialog)
    : ZQF_DialogActionGlyph(MainOrganizer), Dialog(Dialog) {}

void ZQF_DialogBoxManagerGlyph::RegisterButton(ZQF_ButtonGlyph* Button,
                                               const ZQ_Functor0& Callback, bool IsDefault) {
  Buttons.Set(Button, Callback);
  if (IsDefault || !DefaultButton) DefaultButton = Button;
}

bool ZQF_DialogBoxManagerGlyph::IsDialogButton(ZQF_Glyph* Glyph) const {
  auto* button = dynamic_cast<ZQF_ButtonGlyph*>(Glyph);
  return button && Buttons.KeyExists(button);
}

ZQF_ButtonGlyph* ZQF_DialogBoxManagerGlyph::GetCurrentDefaultButton() {
  for (ZQF_Glyph* glyph = this; glyph; glyph = glyph->GetFocusChild()) {
    if (auto* button = dynamic_cast<ZQF_ButtonGlyph*>(glyph)) {
      if (Buttons.KeyExists(button)) return button;
      break;
    }
  }
  return DefaultButton;
}

void ZQF_DialogBoxManagerGlyph::SetClientControlScroller(ZQF_ScrollingContainerGlyph* Scroller) {
  ZQ_ASSERT_TEXT(ClientControlScroller == nullptr, "ClientControlScroller == NULL");
  ClientControlScroller = Scroller;
}

void ZQF_DialogBoxManagerGlyph::SelectControl(ZQF_ControlGlyph* Control) {
  ZQF_DialogActionGlyph::SelectControl(Control);
  if (!ClientControlScroller || IsDialogButton(Control)) return;
  ZQF_Glyph* organizer = Dialog->GetClientControlOrganizer();
  ZQF_Glyph* item = Control;
  while (item && item->GetParent() != organizer) item = item->GetParent();
  ZQ_ASSERT_TEXT(item != nullptr, "Child");
  if (!item) return;
  ClientControlScroller->ScrollToShow(item, 0, 0);
  const ZQ_Point<long> margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px);
  ClientControlScroller->ScrollToShow(Control, margin.X, margin.Y);
}

bool ZQF_DialogBoxManagerGlyph::HandlesEnterAndEscape(const ZQF_KeyMessage& Message,
                                                      bool SecondTry) const {
  return !Message.IsHandled() && SecondTry && Dialog->Cust_HandlesEnterAndEscape();
}

void ZQF_DialogBoxManagerGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  ZQF_DialogActionGlyph::HandleKey(Message, SecondTry);
  if (!HandlesEnterAndEscape(Message, SecondTry)) return;
  if (Message.GetKeyCode() == ZQF_Key_Enter) {
    if (ZQF_ButtonGlyph* button = GetCurrentDefaultButton()) button->Forward(Message);
  } else if (Message.GetKeyCode() == ZQF_Key_Escape) {
    Message.SetHandled();
    Dialog->RespondToCancelButton();
  }
}

void ZQF_DialogBoxManagerGlyph::HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) {
  ZQF_Glyph::HandleKeyUp(Message, SecondTry);
  if (!HandlesEnterAndEscape(Message, SecondTry) || Message.GetKeyCode() != ZQF_Key_Enter) return;
  if (ZQF_ButtonGlyph* button = GetCurrentDefaultButton()) button->Forward(Message);
}

void ZQF_DialogBoxManagerGlyph::HandleNotification(ZQF_NotificationMessage& Message,
                                                   bool SecondTry) {
  ZQF_DialogActionGlyph::HandleNotification(Message, SecondTry);
  if (Message.IsHandled()) return;
  if (auto* up = dynamic_cast<ZQF_ButtonUpNotificationMessage*>(&Message)) {
    ZQF_ButtonGlyph* button = up->GetButton();
    if (Dialog->RespondToButtonPress(button)) {
      Message.SetHandled();
      return;
    }
    ZQ_Functor0 callback;
    if (Buttons.GetValueIfExists(button, callback)) {
      Message.SetHandled();
      callback();
      return;
    }
  } else if (auto* down = dynamic_cast<ZQF_ButtonDownNotificationMessage*>(&Message)) {
    if (Buttons.KeyExists(down->GetButton())) {
      Message.SetHandled();
      return;
    }
  }
  Dialog->Cust_HandleNotification(Message);
}

// --- DialogBoxButtonFrameGlyph

DialogBoxButtonFrameGlyph::DialogBoxButtonFrameGlyph(ZQF_Glyph* Child, ZQF_ButtonGlyph* Button,
                                                     ZQF_DialogBoxManagerGlyph* Manager)
    : Manager(Manager), Button(Button) {
  AddChild(Child, true);
}

void DialogBoxButtonFrameGlyph::UpdateMyDesiredSize() {
  const ZQ_Point<long> frame = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px);
  const ZQF_DesiredSize& child = GetFirstChild()->GetDesiredSize();
  DesiredSize.SetX(child.Natural.X + 2 * frame.X, child.Minimum.X + 2 * frame.X,
                   child.Maximum.X + 2 * frame.X);
  DesiredSize.SetY(child.Natural.Y + 2 * frame.Y, child.Minimum.Y + 2 * frame.Y,
                   child.Maximum.Y + 2 * frame.Y);
}

void DialogBoxButtonFrameGlyph::AcceptLayout() {
  const ZQ_Point<long> frame = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px);
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  const long width = box.Width - 2 * frame.X;
  const long height = box.Height - 2 * frame.Y;
  LayoutChild(GetFirstChild(), ZQ_Point<long>(frame.X, frame.Y),
              ZQ_Point<long>(width > 0 ? width : 0, height > 0 ? height : 0));
}

void DialogBoxButtonFrameGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  const bool isDefault = Manager->GetCurrentDefaultButton() == Button;
  Canvas.DrawBorder(GetLocalBoundingBox(), ZQF_GetColorMetric(isDefault ? ZQF_ColorMetric_LabelText : ZQF_ColorMetric_LabelBackground),
                    ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px));
}

void DialogBoxButtonFrameGlyph::HandleFocusChange(ZQF_FocusChangeMessage& Message,
                                                  bool SecondTry) {
  ZQF_DrawableGlyph::HandleFocusChange(Message, SecondTry);
  if (SecondTry) return;
  QueueVisualStateUpdate();
  ZQF_Glyph* frame = Manager->GetDefaultButton();
  while (frame && !dynamic_cast<DialogBoxButtonFrameGlyph*>(frame)) frame = frame->GetParent();
  ZQ_ASSERT_TEXT(frame != nullptr, "Frame");
  if (frame) frame->QueueVisualStateUpdate();
}
