// ZQF_StandardTextButtonGlyph.h: a standard button showing one line of
// text, which may carry one mnemonic "&". The text is centred by default;
// the button can be widened without limit unless told otherwise. Typing the
// mnemonic in a dialog clicks the button at the next idle time (an up
// notification only, no down notification); the destructor drops such a
// pending click. SetText stores and repaints; it does not lay out again.
// UI thread only.
#ifndef ZQF_STANDARDTEXTBUTTONGLYPH_H
#define ZQF_STANDARDTEXTBUTTONGLYPH_H

#include "ZQF_StandardButtonGlyph.h"
#include "ZQR_ConcreteFont.h"

class ZQF_StandardTextButtonGlyph : public ZQF_StandardButtonGlyph {
 public:
  // The widest maximum of a stretchable text button's content.
  static constexpr long StretchableMaximumWidth = 0x3333333;

  ZQF_StandardTextButtonGlyph(const ZQ_String& Text, int ToggleMode, int InitialState);
  // Removes the idle actions queued under this button's key.
  ~ZQF_StandardTextButtonGlyph() override;

  // Carries out or confirms a matching mnemonic query on the first try.
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;
  // Size metric 2.
  ZQ_Point<long> GetContentMargin() override;
  // Size metric 0.
  ZQ_Point<long> GetFocusIndicatorMargin() override;
  void StandardButtonUpdateDesiredSize() override;
  void StandardButtonDrawSelf(ZQF_Canvas& Canvas) override;
  // Font metric 6.
  virtual ZQR_ConcreteFont GetFont();

  const ZQ_String& GetText() const { return Text; }
  void SetText(const ZQ_String& NewText);
  // 0 left, 1 centred, 2 right.
  int GetHorizontalAlignment() const { return HorizontalAlignment; }
  void SetHorizontalAlignment(int Code) { HorizontalAlignment = Code; }
  bool IsHorizontallyStretchable() const { return HorizontallyStretchable; }
  void SetHorizontallyStretchable(bool Stretchable) { HorizontallyStretchable = Stretchable; }

 private:
  bool ApplyMnemonic(ZQF_GenericMessage& Message);
  ZQ_Point<long> MeasureText();

  ZQ_String Text;
  int HorizontalAlignment = 1;
  bool HorizontallyStretchable = true;
};

#endif
