// ZQF_StandardButtonGlyph.h: the standard look of a push button: a raised
// frame that sinks while the button is pressed (state down or pressed
// look), a face in the button-face colour, the content shifted down and
// right by one step while pressed, the focus indicator inside the frame and
// an optional tooltip text. Subclasses supply the content: its margin, its
// size and its drawing, into the content box given as their own box.
// Desired size: the content's, grown on each side by the up border and the
// content margin. UI thread only.
#ifndef ZQF_STANDARDBUTTONGLYPH_H
#define ZQF_STANDARDBUTTONGLYPH_H

#include "ZQF_ButtonGlyph.h"
#include "ZQ_String.h"

class ZQF_StandardButtonGlyph : public ZQF_ButtonGlyph {
 public:
  // No auto-repeat.
  ZQF_StandardButtonGlyph(int ToggleMode, int InitialState);

  void UpdateMyDesiredSize() override;
  void DrawSelf(ZQF_Canvas& Canvas) override;
  // Answers a tooltip query with the tooltip text when there is one.
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;

  // Border codes of the frame: 5 (raised) and 3 (sunken).
  virtual int GetUpBorderCode();
  virtual int GetDownBorderCode();
  // Between the frame and the content, on each side.
  virtual ZQ_Point<long> GetContentMargin() = 0;
  // Between the frame and the focus indicator, on each side.
  virtual ZQ_Point<long> GetFocusIndicatorMargin() = 0;
  // Sets DesiredSize to the content's size.
  virtual void StandardButtonUpdateDesiredSize() = 0;
  // Draws the content; the glyph's box is the content box meanwhile.
  virtual void StandardButtonDrawSelf(ZQF_Canvas& Canvas) = 0;

  const ZQ_String& GetTooltipText() const { return TooltipText; }
  void SetTooltipText(const ZQ_String& Text) { TooltipText = Text; }
  // State down or pressed look.
  bool IsDrawnPressed() const { return GetState() == State_Down || IsPressedLook(); }

 private:
  // Makes Box (window coordinates) the glyph's box and the canvas origin.
  void SetBoxForDrawing(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Box);

  ZQ_String TooltipText;
};

#endif
