// ZQF_SimpleBreakingTextDisplayGlyph.h: a read-only text of any length,
// word-wrapped to its width. It chooses a good width for a text that has
// none: short texts stay on one line, longer ones are wrapped into two or
// three balanced lines, long ones at a share of the work area's width,
// widened while they are too high for it. Breaking modes: 0 that balanced
// width, 1 the text's own lines, 2 a fixed number of lines at any width.
// The setters only store; the caller asks for a layout.
#ifndef ZQF_SIMPLEBREAKINGTEXTDISPLAYGLYPH_H
#define ZQF_SIMPLEBREAKINGTEXTDISPLAYGLYPH_H

#include "ZQF_Color.h"
#include "ZQF_Glyph.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_String.h"

class ZQF_SimpleBreakingTextDisplayGlyph : public ZQF_DrawableGlyph {
 public:
  explicit ZQF_SimpleBreakingTextDisplayGlyph(const ZQ_String& Text);
  ~ZQF_SimpleBreakingTextDisplayGlyph() override;

  void SetFont(const ZQR_ConcreteFont& NewFont) { Font = NewFont; }
  void SetBreakingMode(long Mode) { BreakingMode = Mode; }
  void SetLineCount(long Count) { LineCount = Count; }
  void SetHorizontalAlignment(int Code) { HorizontalAlignment = Code; }
  void SetStretchable(bool Stretchable) {
    VerticallyStretchable = HorizontallyStretchable = Stretchable;
  }

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;

  // The first wrapping width of mode 0 for a text OneLineWidth wide on an
  // area AreaWidth wide: one line, two or three balanced lines, or the
  // preferred share of the area.
  static long ChooseWrappingWidth(long AreaWidth, float PreferredFraction, long OneLineWidth,
                                  bool HasLineFeed);
  // Whole pixels of Pixels x Fraction, formed wider and then truncated.
  static long Share(long Pixels, float Fraction);

 private:
  ZQ_Point<long> ComputeBalancedSize() const;
  ZQ_Point<long> ComputeOwnLinesSize() const;
  ZQ_Point<long> ComputeFixedLinesSize() const;

  ZQ_String Text;
  ZQR_ConcreteFont Font;
  ZQF_Color BackgroundColor{32};
  ZQF_Color TextColor{33};
  float PreferredWidthFraction = 0.35f;
  float MaximumWidthFraction = 0.8f;
  float MaximumHeightFraction = 0.8f;
  long BreakingMode = 0;
  long LineCount = 1;
  bool VerticallyStretchable = true;
  bool HorizontallyStretchable = true;
  int HorizontalAlignment = 0;
};

#endif
