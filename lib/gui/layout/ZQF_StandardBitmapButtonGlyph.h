// ZQF_StandardBitmapButtonGlyph.h: a standard button showing a picture from
// the program's bitmap resources, drawn in two key colours: light grey
// (192, 192, 192) becomes the button face colour and black the button text
// colour; a disabled button shows the greyed picture. The picture is
// stretched over the content box unless told otherwise, then it keeps its
// size, centred. A click never gives it the focus. UI thread only.
#ifndef ZQF_STANDARDBITMAPBUTTONGLYPH_H
#define ZQF_STANDARDBITMAPBUTTONGLYPH_H

#include "ZQF_ButtonImage.h"
#include "ZQF_StandardButtonGlyph.h"

class ZQF_StandardBitmapButtonGlyph : public ZQF_StandardButtonGlyph {
 public:
  // BitmapResource names a BITMAP resource of the program, loaded when the
  // button first needs it.
  ZQF_StandardBitmapButtonGlyph(const ZQ_String& BitmapResource, int ToggleMode, int InitialState);

  // Size metric 0.
  ZQ_Point<long> GetContentMargin() override;
  // (0, 0).
  ZQ_Point<long> GetFocusIndicatorMargin() override;
  // Without the frame (SetDrawFrame false) both border codes are 0; the
  // picture still shifts while pressed.
  int GetUpBorderCode() override;
  int GetDownBorderCode() override;
  void StandardButtonUpdateDesiredSize() override;
  void StandardButtonDrawSelf(ZQF_Canvas& Canvas) override;

  const ZQF_ButtonImage& GetUpImage() const { return UpImage; }
  const ZQF_ButtonImage& GetDownImage() const { return DownImage; }
  bool GetStretchImage() const { return StretchImage; }
  void SetStretchImage(bool Stretch) { StretchImage = Stretch; }
  bool GetDrawFrame() const { return DrawFrame; }
  void SetDrawFrame(bool Draw) { DrawFrame = Draw; }

 private:
  ZQF_ButtonImage UpImage;
  ZQF_ButtonImage DownImage;
  bool StretchImage = true;
  bool DrawFrame = true;
};

#endif
