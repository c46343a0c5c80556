// The bitmap button with a callback.
#include "ZQF_CallbackStandardBitmapButtonGlyph.h"

ZQF_CallbackStandardBitmapButtonGlyph::ZQF_CallbackStandardBitmapButtonGlyph(
    const ZQ_String& BitmapResource, const ZQ_Functor0& Callback, int ToggleMode, int InitialState)
    : ZQF_StandardBitmapButtonGlyph(BitmapResource, ToggleMode, InitialState), Callback(Callback) {}

void ZQF_CallbackStandardBitmapButtonGlyph::DispatchButtonUpNotification() {
  Callback();
  ZQF_ButtonGlyph::DispatchButtonUpNotification();
}
