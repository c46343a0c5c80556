// ZQPIC_Picture.h: the abstract base of anything that draws itself on a
// canvas. Pictures are shared read-only (ZQ_CountedPtr<const ZQPIC_Picture>),
// so drawing is const. UI thread only.
#ifndef ZQPIC_PICTURE_H
#define ZQPIC_PICTURE_H

class ZQPIC_Canvas;

class ZQPIC_Picture {
 public:
  virtual ~ZQPIC_Picture();

  // Draws Picture on Canvas, which is initialised.
  static void DrawPicture(const ZQPIC_Picture& Picture, ZQPIC_Canvas& Canvas);

 protected:
  ZQPIC_Picture() = default;
  ZQPIC_Picture(const ZQPIC_Picture&) = default;
  ZQPIC_Picture& operator=(const ZQPIC_Picture&) = default;

  // The picture's drawing, in the canvas's millimetres.
  virtual void Imp_DrawPicture(ZQPIC_Canvas& Canvas) const = 0;
};

#endif
