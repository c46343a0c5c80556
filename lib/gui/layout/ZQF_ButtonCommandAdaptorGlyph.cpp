// The button-command adaptor.
#include "ZQF_ButtonCommandAdaptorGlyph.h"

#include "ZQF_ActionQueue.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_MessageRouter.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQ_Assertion.h"

ZQF_ButtonCommandAdaptorGlyph::ZQF_ButtonCommandAdaptorGlyph(
    ZQF_ButtonGlyph* Button, std::unique_ptr<ZQF_StandardCommandMessage> Command,
    std::unique_ptr<ZQF_StandardCommandUpdateMessage> UpdateMessage, long Mode)
    : ZQF_NullContainerGlyph(Button),
      Button(Button),
      Command(std::move(Command)),
      UpdateQuery(std::move(UpdateMessage)),
      Mode(Mode) {
  ZQF_ButtonGlyph* aClientButton = Button;
  if (IsToggleUpdate(*UpdateQuery)) {
    ZQ_ASSERT(aClientButton->GetToggleMode() == ZQF_ButtonGlyph::ToggleMode_TwoState);
  } else {
    ZQ_ASSERT(aClientButton->GetToggleMode() == ZQF_ButtonGlyph::ToggleMode_OneState);
  }
  ZQF_ActionQueue::QueueRepeatingAction(ZQ_Functor0(this, &ZQF_ButtonCommandAdaptorGlyph::Update),
                                        GetOwnerKey(), true);
}

ZQF_ButtonCommandAdaptorGlyph::~ZQF_ButtonCommandAdaptorGlyph() {
  ZQF_ActionQueue::RemoveAllActions(GetOwnerKey());
}

bool ZQF_ButtonCommandAdaptorGlyph::IsToggleUpdate(const ZQF_StandardCommandUpdateMessage& Update) {
  return dynamic_cast<const ZQF_StandardToggleCommandUpdateMessage*>(&Update) != nullptr;
}

void ZQF_ButtonCommandAdaptorGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool) {
  if (auto* up = dynamic_cast<ZQF_ButtonUpNotificationMessage*>(&Message)) {
    if (up->GetButton() != Button) return;
    Message.SetHandled();
    DispatchByMode(*Command);
  } else if (auto* down = dynamic_cast<ZQF_ButtonDownNotificationMessage*>(&Message)) {
    if (down->GetButton() == Button) Message.SetHandled();
  }
}

void ZQF_ButtonCommandAdaptorGlyph::Update() {
  DispatchByMode(*UpdateQuery);
  FollowAnswer();
}

void ZQF_ButtonCommandAdaptorGlyph::DispatchByMode(ZQF_Message& Message) {
  Message.Reset();
  switch (Mode) {
    case Dispatch_FromRootAlongFocusPath:
      GetRoot()->Dispatch(Message);
      break;
    case Dispatch_FromButtonUpParents:
      Button->Dispatch(Message, ZQF_GetStandardRouter());
      break;
    default:
      ZQ_ASSERT(false);
  }
}

void ZQF_ButtonCommandAdaptorGlyph::FollowAnswer() {
  if (!UpdateQuery->IsHandled()) {
    // A command that no glyph answers greys its button.
    if (Button->IsEnabled()) Button->SetEnabled(false);
    return;
  }
  if (Button->IsEnabled() != UpdateQuery->IsEnabled()) Button->SetEnabled(UpdateQuery->IsEnabled());
  if (auto* toggle = dynamic_cast<ZQF_StandardToggleCommandUpdateMessage*>(UpdateQuery.get())) {
    const int wanted =
        toggle->IsChecked() ? ZQF_ButtonGlyph::State_Down : ZQF_ButtonGlyph::State_Up;
    if (Button->GetState() != wanted) Button->SetState(wanted, false);
  }
}
