// The text button with a callback.
#include "ZQF_CallbackTextButtonGlyph.h"

ZQF_CallbackTextButtonGlyph::ZQF_CallbackTextButtonGlyph(const ZQ_String& Text,
                                                         const ZQ_Functor0& Callback,
                                                         int ToggleMode, int InitialState)
    : ZQF_StandardTextButtonGlyph(Text, ToggleMode, InitialState), Callback(Callback) {}

void ZQF_CallbackTextButtonGlyph::DispatchButtonUpNotification() {
  Callback();
  ZQF_ButtonGlyph::DispatchButtonUpNotification();
}
