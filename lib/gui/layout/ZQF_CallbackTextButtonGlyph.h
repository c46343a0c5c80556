// ZQF_CallbackTextButtonGlyph.h: a text button that calls a stored callback
// on every click, before the up notification leaves. UI thread only.
#ifndef ZQF_CALLBACKTEXTBUTTONGLYPH_H
#define ZQF_CALLBACKTEXTBUTTONGLYPH_H

#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQ_Functor.h"

class ZQF_CallbackTextButtonGlyph : public ZQF_StandardTextButtonGlyph {
 public:
  ZQF_CallbackTextButtonGlyph(const ZQ_String& Text, const ZQ_Functor0& Callback, int ToggleMode,
                              int InitialState);
  // The callback, then the up notification.
  void DispatchButtonUpNotification() override;

 private:
  ZQ_Functor0 Callback;
};

#endif
