// ZQF_RadioButtonGlyph.h: a two-state check box, first clear, drawn with the
// round pictures, whose click always checks it: a click on a selected radio
// button keeps it selected and still reports the click. Its group
// (ZQF_ExclusiveAlternativeControlGroupGlyph) clears the others when it
// hears the down notification. The label's mnemonic selects it like a
// click: down notification first, then the up notification. UI thread only.
#ifndef ZQF_RADIOBUTTONGLYPH_H
#define ZQF_RADIOBUTTONGLYPH_H

#include "ZQF_CheckBoxGlyph.h"

class ZQF_RadioButtonGlyph : public ZQF_CheckBoxGlyph {
 public:
  explicit ZQF_RadioButtonGlyph(const ZQ_String& Label);

  int GetNextState() override;
  const ZQR_Bitmap& GetBitmap() override;
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;
};

#endif
