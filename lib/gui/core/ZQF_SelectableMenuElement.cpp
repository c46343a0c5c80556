#include "ZQF_SelectableMenuElement.h"

#include <cstdint>

#include "ZQF_Glyph.h"
#include "ZQF_MenuSupportManager.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_Hasher.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

unsigned long AddressOf(const void* Object) {
  return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(Object));
}

}  // namespace

ZQF_SelectableMenuElement::ZQF_SelectableMenuElement()
    : MenuID(ZQF_MenuSupportManager::GetNewID()) {
  ZQF_MenuSupportManager::RegisterMenuID(MenuID, this);
}

ZQF_SelectableMenuElement::~ZQF_SelectableMenuElement() {
  ZQF_MenuSupportManager::DeregisterMenuID(MenuID, this);
}

void ZQF_SelectableMenuElement::DumpSelf(ZQ_TextStreamFormatter& Out,
                                         const ZQ_String& Indentation) {
  Out << Indentation << "Selectable, ID = " << MenuID;
  Out.NewLine();
}

bool ZQF_SelectableMenuElement::RespondToSelection(unsigned long ID) {
  ZQ_ASSERT(ID == MenuID);
  return true;
}

void ZQF_SelectableMenuElement::SetEnabled(HMENU Menu, bool Enabled) {
  ZQLOW_WINUSER::EnableMenuItem(Menu, MenuID, Enabled ? MF_ENABLED : MF_GRAYED);
}

ZQF_StandardTextMenuElement::ZQF_StandardTextMenuElement(
    const ZQ_String& Text, ZQF_CommandMessage* CommandMessage,
    ZQF_StandardCommandUpdateMessage* UpdateMessage)
    : Text(Text), CommandMessage(CommandMessage), UpdateMessage(UpdateMessage) {}

ZQF_StandardTextMenuElement::ZQF_StandardTextMenuElement(
    const ZQ_String& Text, const ZQ_Functor0& CommandCallback,
    const UpdateCallback& UpdateCallbackFunction)
    : Text(Text),
      CommandMessage(nullptr),
      UpdateMessage(nullptr),
      CommandCallback(CommandCallback),
      UpdateCallbackFunction(UpdateCallbackFunction) {}

ZQF_StandardTextMenuElement::~ZQF_StandardTextMenuElement() {
  delete CommandMessage;
  delete UpdateMessage;
}

void ZQF_StandardTextMenuElement::CreateAndAppendShadowElement(HMENU Menu) {
  ZQLOW_WINUSER::AppendMenuA(Menu, MF_STRING, GetMenuID(), Text.GetText());
}

void ZQF_StandardTextMenuElement::Update(HMENU Menu) { SetEnabled(Menu, QueryEnabled()); }

bool ZQF_StandardTextMenuElement::QueryEnabled() {
  if (UpdateMessage) {
    ZQF_Glyph* target = GetCommandDispatchTarget();
    if (!target) return false;
    UpdateMessage->Reset();
    target->Dispatch(*UpdateMessage);
    return UpdateMessage->IsAvailable();
  }
  bool enabled = true;
  if (UpdateCallbackFunction.IsSet()) UpdateCallbackFunction(enabled);
  return enabled;
}

void ZQF_StandardTextMenuElement::UpdateHash(ZQ_Hasher& Hasher) {
  Hasher << GetSerialNumber();
  AddTag(Hasher, 36770);
  Hasher << Text << AddressOf(CommandMessage) << AddressOf(UpdateMessage)
         << CommandCallback.IsSet() << UpdateCallbackFunction.IsSet();
}

void ZQF_StandardTextMenuElement::DumpSelf(ZQ_TextStreamFormatter& Out,
                                           const ZQ_String& Indentation) {
  Out << Indentation << "Standard Text, ID = " << GetMenuID() << ", Text = '" << Text << "'";
  Out.NewLine();
}

bool ZQF_StandardTextMenuElement::RespondToSelection(unsigned long ID) {
  ZQ_ASSERT_TEXT(ID == GetMenuID(), "ID == MenuID");
  ZQF_Glyph* target = CommandMessage ? GetCommandDispatchTarget() : nullptr;
  if (target) {
    CommandMessage->Reset();
    target->Dispatch(*CommandMessage);
  }
  if (CommandCallback.IsSet()) CommandCallback();
  return true;
}
