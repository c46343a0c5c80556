// ZQF_StoredAttributeTextEditGlyph.h: two text edits whose look is stored
// rather than taken from the metric tables. ZQF_StoredAttributeTextEditGlyph
// keeps its own background and text colours, font and margins, settable
// after construction (character attributes are ignored).
// ZQF_StandardFixedSizeReadOnlyTextEditGlyph shows a fixed, read-only,
// multi-line text in dialogs, in the button-face colours and without
// margins, sized exactly to its text in the font's widest character. UI
// thread only.
#ifndef ZQF_STOREDATTRIBUTETEXTEDITGLYPH_H
#define ZQF_STOREDATTRIBUTETEXTEDITGLYPH_H

#include "ZQF_Color.h"
#include "ZQF_TextEditGlyph.h"

class ZQF_StoredAttributeTextEditGlyph : public ZQF_TextEditGlyph {
 public:
  // Colour metrics 9 and 10, font metric 7, margins of size metric 1.
  explicit ZQF_StoredAttributeTextEditGlyph(int Mode);

  void SetBackgroundColor(const ZQF_Color& Color) { BackgroundColor = Color; }
  void SetTextColor(const ZQF_Color& Color) { TextColor = Color; }
  // Keeps a share of Font.
  void SetFont(const ZQR_ConcreteFont& NewFont) { Font = NewFont; }
  void SetMargins(long Left, long Right, long Top, long Bottom);

  long Cust_GetLeftMargin() override { return LeftMargin; }
  long Cust_GetRightMargin() override { return RightMargin; }
  long Cust_GetTopMargin() override { return TopMargin; }
  long Cust_GetBottomMargin() override { return BottomMargin; }
  ZQR_Color Cust_GetTextColor(unsigned short Attribute) override;
  ZQR_Color Cust_GetBackgroundColor(unsigned short Attribute) override;
  ZQR_ConcreteFont Cust_GetFont(unsigned short Attribute) override;

 private:
  ZQF_Color BackgroundColor{9};
  ZQF_Color TextColor{10};
  ZQR_ConcreteFont Font;
  long LeftMargin;
  long RightMargin;
  long TopMargin;
  long BottomMargin;
};

class ZQF_StandardFixedSizeReadOnlyTextEditGlyph : public ZQF_StoredAttributeTextEditGlyph {
 public:
  // FontChoice 0: font metric 7, 1: font metric 4 (else the assertion
  // "false"). BorderStyle: the control's border code.
  ZQF_StandardFixedSizeReadOnlyTextEditGlyph(const ZQ_String& Text, int FontChoice, bool FixedWidth,
                                             bool FixedHeight, int BorderStyle);

  // Sets the text (no notification) and sizes the display for its longest
  // line (at least 1 character) by its line count.
  void SetText(const ZQ_String& Text);

  long Cust_GetLeftMargin() override { return 0; }
  long Cust_GetRightMargin() override { return 0; }
  long Cust_GetTopMargin() override { return 0; }
  long Cust_GetBottomMargin() override { return 0; }

 private:
  bool FixedWidth;
  bool FixedHeight;
};

#endif
