// ZQF_LabelGlyph.h: one line of text, typically the caption of an input
// control, with an optional margin and border. Text, font, colours, margin,
// border, width in characters, alignments, stretchability and target come
// from Cust_ slots: constants in ZQF_LabelGlyph, a stored text in
// ZQF_StoredLabelGlyph, inline layout defaults (vertically centred, not
// stretchable) in ZQF_InlineStoredLabelGlyph and stored values for every
// attribute in ZQF_StoredAttributeLabelGlyph. Pressing the mnemonic of the
// text moves the focus to the target, by default the first visible control
// among the following siblings; a cut text is offered as a tooltip.
// Flags bit 0 draws the label in its normal colours even while disabled.
#ifndef ZQF_LABELGLYPH_H
#define ZQF_LABELGLYPH_H

#include "ZQF_Color.h"
#include "ZQF_Glyph.h"
#include "ZQR_Color.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_String.h"

// The extent of a caption without its mnemonic markers in Font, measured on
// the metric device context.
ZQ_Point<long> ZQF_MeasureLabelText(const ZQR_ConcreteFont& Font, const ZQ_String& Text);

class ZQF_LabelGlyph : public ZQF_DrawableGlyph {
 public:
  enum { Flag_NormalColorsWhenDisabled = 1 };

  explicit ZQF_LabelGlyph(unsigned long Flags = 0) : LabelFlags(Flags) {}
  ~ZQF_LabelGlyph() override;

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;

  virtual ZQ_String Cust_GetText();
  virtual ZQR_ConcreteFont Cust_GetFont();
  virtual ZQR_Color Cust_GetBackgroundColor();
  virtual ZQR_Color Cust_GetTextColor();
  virtual ZQ_Point<long> Cust_GetMargin();
  virtual int Cust_GetBorderCode();
  virtual int Cust_GetWidthInCharacters();
  virtual int Cust_GetHorizontalAlignment();
  virtual int Cust_GetVerticalAlignment();
  virtual bool Cust_IsHorizontallyStretchable();
  virtual bool Cust_IsVerticallyStretchable();
  // The first visible control among the following siblings' subtrees.
  virtual ZQF_Glyph* Cust_GetTargetGlyph();

  // The local box less margin and border: where the text goes.
  ZQ_Rectangle<long> GetTextRectangle();

 private:
  bool ApplyMnemonic(ZQF_GenericMessage& Message);
  bool AnswerTooltip(ZQF_GenericMessage& Message);

  unsigned long LabelFlags;
};

class ZQF_StoredLabelGlyph : public ZQF_LabelGlyph {
 public:
  explicit ZQF_StoredLabelGlyph(const ZQ_String& Text, unsigned long Flags = 0)
      : ZQF_LabelGlyph(Flags), Text(Text) {}
  ZQ_String GetText() const { return Text; }
  // An equal text changes nothing; another is stored and repainted, and its
  // size counts from the next layout.
  void SetText(const ZQ_String& NewText);
  ZQ_String Cust_GetText() override;

 private:
  ZQ_String Text;
};

class ZQF_InlineStoredLabelGlyph : public ZQF_StoredLabelGlyph {
 public:
  using ZQF_StoredLabelGlyph::ZQF_StoredLabelGlyph;
  int Cust_GetVerticalAlignment() override;
  bool Cust_IsHorizontallyStretchable() override;
};

class ZQF_StoredAttributeLabelGlyph : public ZQF_StoredLabelGlyph {
 public:
  explicit ZQF_StoredAttributeLabelGlyph(const ZQ_String& Text, unsigned long Flags = 0);

  // They only store: the caller asks for a layout or a repaint.
  void SetFont(const ZQR_ConcreteFont& NewFont) { Font = NewFont; }
  void SetBackgroundColor(const ZQF_Color& Color) { BackgroundColor = Color; }
  void SetTextColor(const ZQF_Color& Color) { TextColor = Color; }
  void SetMargins(long X, long Y) { Margin = ZQ_Point<long>(X, Y); }
  void SetVerticalAlignment(int Code) { VerticalAlignment = Code; }

  ZQR_ConcreteFont Cust_GetFont() override { return Font; }
  ZQR_Color Cust_GetBackgroundColor() override { return BackgroundColor.GetColor(); }
  ZQR_Color Cust_GetTextColor() override { return TextColor.GetColor(); }
  ZQ_Point<long> Cust_GetMargin() override { return Margin; }
  int Cust_GetBorderCode() override { return BorderCode; }
  int Cust_GetWidthInCharacters() override { return WidthInCharacters; }
  int Cust_GetHorizontalAlignment() override { return HorizontalAlignment; }
  int Cust_GetVerticalAlignment() override { return VerticalAlignment; }
  bool Cust_IsHorizontallyStretchable() override { return HorizontallyStretchable; }
  bool Cust_IsVerticallyStretchable() override { return VerticallyStretchable; }
  ZQF_Glyph* Cust_GetTargetGlyph() override;

 private:
  ZQR_ConcreteFont Font;
  ZQF_Color BackgroundColor{32};
  ZQF_Color TextColor{33};
  ZQ_Point<long> Margin{0, 0};
  int BorderCode = 0;
  int WidthInCharacters = 0;
  int HorizontalAlignment = 0;
  int VerticalAlignment = 0;
  bool HorizontallyStretchable = true;
  bool VerticallyStretchable = false;
  ZQF_Glyph* Target = nullptr;
};

#endif
