// Radio buttons: always checked by a click; the mnemonic as a whole click.
#include "ZQF_RadioButtonGlyph.h"

#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"

ZQF_RadioButtonGlyph::ZQF_RadioButtonGlyph(const ZQ_String& Label)
    : ZQF_CheckBoxGlyph(Label, false, State_Up) {}

int ZQF_RadioButtonGlyph::GetNextState() { return State_Down; }

const ZQR_Bitmap& ZQF_RadioButtonGlyph::GetBitmap() {
  return ZQF_GetBitmapMetric(GetPictureKey(ZQF_BitmapMetric_RadioButtonUp));
}

// The down notification lets the group select this button; the click then
// completes as a mouse click would, so listeners hear one up notification.
void ZQF_RadioButtonGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  const auto* query = dynamic_cast<ZQF_MnemonicQueryMessage*>(&Message);
  if (SecondTry || !query || !query->MatchesLabel(GetLabel())) {
    ZQF_CheckBoxGlyph::HandleGenericMessage(Message, SecondTry);
    return;
  }
  if (query->IsApply() && IsEnabled()) {
    DispatchButtonDownNotification();
    ProcessUpOverButtonEvent();
  }
  Message.SetHandled();
}
