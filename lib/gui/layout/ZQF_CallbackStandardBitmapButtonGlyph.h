// ZQF_CallbackStandardBitmapButtonGlyph.h: a bitmap button that calls a
// stored callback on every click and every auto-repeated up notification,
// before the up notification leaves. UI thread only.
#ifndef ZQF_CALLBACKSTANDARDBITMAPBUTTONGLYPH_H
#define ZQF_CALLBACKSTANDARDBITMAPBUTTONGLYPH_H

#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQ_Functor.h"

class ZQF_CallbackStandardBitmapButtonGlyph : public ZQF_StandardBitmapButtonGlyph {
 public:
  ZQF_CallbackStandardBitmapButtonGlyph(const ZQ_String& BitmapResource,
                                        const ZQ_Functor0& Callback, int ToggleMode,
                                        int InitialState);
  // The callback, then the up notification.
  void DispatchButtonUpNotification() override;

 private:
  ZQ_Functor0 Callback;
};

#endif
