// The document display control towards the user: commands, keys, the mouse
// and links. Until those are given their own behaviour, each handler keeps
// the control base's.
#include "ZQFOxZQF_DocumentDisplayGlyph.h"

void ZQFOxZQF_DocumentDisplayGlyph::HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleCommand(Message, SecondTry);
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleUpdate(Message, SecondTry);
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftDown(Message, SecondTry);
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftUp(Message, SecondTry);
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseMiddleDown(Message, SecondTry);
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseWheel(Message, SecondTry);
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseSetCursor(Message, SecondTry);
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleKey(Message, SecondTry);
}

void ZQFOxZQF_DocumentDisplayGlyph::FollowLink(const ZQ_String&) {}

ZQ_String ZQFOxZQF_DocumentDisplayGlyph::FindLinkTargetAtPoint(long X, long Y) const {
  if (GetRenderer().GetNeedsRepagination() && !GetRenderer().GetRepaginationFailed()) return ZQ_String();
  return GetRenderer().GetLinkTargetAtPoint(ClientToPage(X, Y), 0);
}

bool ZQFOxZQF_DocumentDisplayGlyph::IsLinkTargetAtPoint(long X, long Y) const {
  return !FindLinkTargetAtPoint(X, Y).IsEmpty();
}

void ZQFOxZQF_DocumentDisplayGlyph::MouseWheelDragScrollCallback(double, double) {}
