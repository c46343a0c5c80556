#include "ZQF_Message.h"

#include "ZQF_Glyph.h"
#include "ZQF_MessageRouter.h"
#include "ZQ_Assertion.h"

ZQF_Message::~ZQF_Message() = default;

void ZQF_Message::Reset() {
  Handled = false;
  DispatchingGlyph = nullptr;
  HandlingGlyph = nullptr;
}

void ZQF_Message::SetHandled() {
  ZQ_ASSERT_TEXT(!Handled, "not Handled");
  Handled = true;
}

void ZQF_Message::SetHandlingGlyph(ZQF_Glyph* Glyph) {
  if (!HandlingGlyph) HandlingGlyph = Glyph;
}

ZQF_Glyph* ZQF_Message::GetHandlingGlyph() const {
  ZQ_ASSERT(Handled);
  ZQ_ASSERT(HandlingGlyph);
  return HandlingGlyph;
}

void ZQF_Message::Stamp(ZQF_Glyph* Dispatcher, unsigned long SerialNumber) {
  ZQ_ASSERT_TEXT(DispatchingGlyph == nullptr, "DispatchingGlyph == NULL");
  DispatchingGlyph = Dispatcher;
  Serial = SerialNumber;
}

bool ZQF_ModifierKeys::Matches(int ShiftWish, int ControlWish, int AltWish) const {
  auto matches = [](bool down, int wish) { return wish == 2 || (wish == 1) == down; };
  return matches(Shift, ShiftWish) && matches(Control, ControlWish) && matches(Alt, AltWish);
}

ZQF_MessageRouter* ZQF_KeyMessage::GetDefaultRouter() { return ZQF_GetFocusPathRouter(true); }

void ZQF_DownKeyMessage::CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) {
  Glyph->HandleKey(*this, SecondTry);
}

void ZQF_UpKeyMessage::CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) {
  Glyph->HandleKeyUp(*this, SecondTry);
}

ZQF_MessageRouter* ZQF_MouseMessage::GetDefaultRouter() { return ZQF_GetMouseRouter(); }

#define ZQF_DEFINE_MOUSE_MESSAGE(Name, Handler)                  \
  void Name::CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) {    \
    Glyph->Handler(*this, SecondTry);                            \
  }
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_LeftDownMouseMessage, HandleMouseLeftDown)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_LeftDoubleClickMouseMessage, HandleMouseLeftDoubleClick)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_LeftUpMouseMessage, HandleMouseLeftUp)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_RightDownMouseMessage, HandleMouseRightDown)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_RightDoubleClickMouseMessage, HandleMouseRightDoubleClick)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_RightUpMouseMessage, HandleMouseRightUp)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_MiddleDownMouseMessage, HandleMouseMiddleDown)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_MiddleDoubleClickMouseMessage, HandleMouseMiddleDoubleClick)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_MiddleUpMouseMessage, HandleMouseMiddleUp)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_WheelMouseMessage, HandleMouseWheel)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_MoveMouseMessage, HandleMouseMove)
ZQF_DEFINE_MOUSE_MESSAGE(ZQF_SetCursorMouseMessage, HandleMouseSetCursor)
#undef ZQF_DEFINE_MOUSE_MESSAGE

ZQF_MessageRouter* ZQF_FocusChangeMessage::GetDefaultRouter() {
  return ZQF_GetFocusPathRouter(false);
}

void ZQF_FocusChangeMessage::CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) {
  Glyph->HandleFocusChange(*this, SecondTry);
}

ZQF_MessageRouter* ZQF_CommandMessage::GetDefaultRouter() { return ZQF_GetFocusPathRouter(true); }

void ZQF_CommandMessage::CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) {
  Glyph->HandleCommand(*this, SecondTry);
}

ZQF_MessageRouter* ZQF_UpdateMessage::GetDefaultRouter() { return ZQF_GetFocusPathRouter(true); }

void ZQF_UpdateMessage::CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) {
  Glyph->HandleUpdate(*this, SecondTry);
}

ZQF_MessageRouter* ZQF_NotificationMessage::GetDefaultRouter() {
  return ZQF_GetStandardRouter();
}

void ZQF_NotificationMessage::CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) {
  Glyph->HandleNotification(*this, SecondTry);
}

ZQF_MessageRouter* ZQF_GenericMessage::GetDefaultRouter() { return ZQF_GetStandardRouter(); }

void ZQF_GenericMessage::CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) {
  Glyph->HandleGenericMessage(*this, SecondTry);
}

void ZQF_HelpMessage::CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) {
  Glyph->HandleHelp(*this, SecondTry);
}

void ZQF_HelpMessage::AddTopic(const ZQF_Help_TopicType& Topic) {
  const long capacity = Topics.GetNumElements();
  if (NumTopics == capacity) {
    Topics.Resize(capacity * 2 > NumTopics * 2 + 2 ? capacity * 2 : NumTopics * 2 + 2);
  }
  Topics[NumTopics++] = Topic;
}

ZQ_ReadOnlyIterator<ZQF_Help_TopicType> ZQF_HelpMessage::GetTopics() {
  return ZQ_ReadOnlyIterator<ZQF_Help_TopicType>(Topics.GetIterator(0, NumTopics));
}

ZQF_MessageRouter* ZQF_KeyHelpMessage::GetDefaultRouter() { return ZQF_GetFocusPathRouter(true); }

ZQF_MessageRouter* ZQF_MouseHelpMessage::GetDefaultRouter() { return ZQF_GetMouseRouter(); }
