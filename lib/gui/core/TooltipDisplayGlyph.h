// TooltipDisplayGlyph.h: the content of a plain-text tooltip window: the
// text centred in a box of colour metric 28 with a border of border code 1,
// in colour metric 29. Its desired size is a nominal 100 x 100: the window
// is sized from outside, from the text's extent. Its border and margins are
// also the frame the tooltip module keeps around every tip, plain or
// document.
#ifndef TOOLTIPDISPLAYGLYPH_H
#define TOOLTIPDISPLAYGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_Point.h"
#include "ZQ_String.h"

class TooltipDisplayGlyph : public ZQF_DrawableGlyph {
 public:
  TooltipDisplayGlyph(const ZQ_String& Text, const ZQR_ConcreteFont& Font);
  void UpdateMyDesiredSize() override;
  void DrawSelf(ZQF_Canvas& Canvas) override;

  // Border code 1, for every tip.
  static int GetBorderCode();
  // The thickness of that border.
  static ZQ_Point<long> GetBorderSize();
  // The room between the border and the text: size metric 1.
  static ZQ_Point<long> GetMargins();

 private:
  ZQ_String Text;
  ZQR_ConcreteFont Font;
};

#endif
