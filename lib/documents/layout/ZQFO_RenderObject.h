// ZQFO_RenderObject.h: what distribution leaves on a page: positioned
// drawable pieces chained through their NextSibling link by the content area
// that owns them. Lengths in millimetres, y upward; X and Y are relative to
// the free part of the area until the area adds the object, then to the
// area. Seven kinds: the plain base (a crossed box), text, page-reference
// text, image, picture, line and error placeholder. Only text reports words.
// Drawing failures of the canvas (ZQ_Exception) pass out. UI thread only.
#ifndef ZQFO_RENDEROBJECT_H
#define ZQFO_RENDEROBJECT_H

#include "ZQCG_Line.h"
#include "ZQFO_FormattingOptions.h"
#include "ZQIMG_ColorTransformation.h"
#include "ZQPIC_Picture.h"
#include "ZQR_Color.h"
#include "ZQ_Array.h"
#include "ZQ_CountedPtr.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"
#include "ZQ_URI.h"

class ZQFO_Cache;
class ZQFO_ContentArea;
class ZQPIC_Canvas;

// One word and where it lies on the page (absolute millimetres).
struct ZQFO_WordInfo {
  ZQ_String Text;
  double X = 0;
  double Y = 0;
  // Drawn in the typeface "Symbol", where code 190 is the parser's em dash
  // rather than a "3/4" sign.
  bool SymbolFont = false;
};

// What a picture may also implement to lay itself out once for the box it
// will get, before it is drawn. Pictures are shared read-only, so the
// layout is const and keeps its result in mutable members.
class ZQFO_Picture_EarlyLayoutInterface {
 public:
  virtual ~ZQFO_Picture_EarlyLayoutInterface() = default;
  // Canvas is an initialised section canvas over Rectangle (millimetres).
  virtual void EarlyLayout(ZQPIC_Canvas& Canvas, const ZQ_Rectangle<double>& Rectangle) const = 0;
};

class ZQFO_RenderObject {
 public:
  ZQFO_RenderObject(const ZQFO_FormattingOptions& Options, double X, double Y, double Width,
                    double Height)
      : Options(Options), X(X), Y(Y), Width(Width), Height(Height) {}
  virtual ~ZQFO_RenderObject() = default;
  ZQFO_RenderObject(const ZQFO_RenderObject&) = delete;
  ZQFO_RenderObject& operator=(const ZQFO_RenderObject&) = delete;

  // Draws the object with the owning area's origin at (DX, DY). The base
  // draws both diagonals of its box and the box's outline 1 mm inside.
  virtual void Render(ZQPIC_Canvas& Canvas, double DX, double DY);
  // Stores the object's words at Words[Count], growing the array and Count.
  // Only text has words.
  virtual void CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count, double DX, double DY);

  ZQFO_FormattingOptions Options;
  double X, Y, Width, Height;
  ZQFO_RenderObject* NextSibling = nullptr;  // the owning area's chain

 protected:
  ZQ_Rectangle<double> PlacedBox(double DX, double DY) const { return {X + DX, Y + DY, Width, Height}; }
};

// A run of text in the options' font and text colour, the box's top-left
// corner at the text's top-left corner, drawn across the box's width.
class ZQFO_RenderObject_Text : public ZQFO_RenderObject {
 public:
  ZQFO_RenderObject_Text(const ZQFO_FormattingOptions& Options, double X, double Y, double Width,
                         double Height, const ZQ_String& Text)
      : ZQFO_RenderObject(Options, X, Y, Width, Height), Text(Text) {}
  void Render(ZQPIC_Canvas& Canvas, double DX, double DY) override;
  // Grows the array to max(2 x size, 2 x Count + 2) when full.
  void CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count, double DX, double DY) override;
  const ZQ_String& GetText() const { return Text; }
  void SetText(const ZQ_String& NewText) { Text = NewText; }

 protected:
  ZQ_String Text;
};

// A page number known only after distribution: "MMMMM" until the
// distribution context writes the page of Target; drawn inside its box by
// the options' line_justification (another value fails "false").
class ZQFO_RenderObject_Text_PageRefFixup : public ZQFO_RenderObject_Text {
 public:
  ZQFO_RenderObject_Text_PageRefFixup(const ZQFO_FormattingOptions& Options, double X, double Y,
                                      double Width, double Height, const ZQ_String& Target,
                                      const ZQ_String& Text = "MMMMM")
      : ZQFO_RenderObject_Text(Options, X, Y, Width, Height, Text), Target(Target) {}
  void Render(ZQPIC_Canvas& Canvas, double DX, double DY) override;
  // Page numbers are not words of the text.
  void CollectWordInfo(ZQ_Array<ZQFO_WordInfo>&, long&, double, double) override {}
  const ZQ_String& GetTarget() const { return Target; }
  // Box (borrowed) is the area that holds the object in its line.
  void SetBox(ZQFO_ContentArea* NewBox) { Box = NewBox; }
  // Gives back what the reserve held beyond the text (measured on
  // MeasuringCanvas, the layout's), narrowing the box in its line, so that
  // no blank stays between the number and the text around it.
  void FitBoxToText(ZQPIC_Canvas& MeasuringCanvas);

 private:
  ZQ_String Target;
  ZQFO_ContentArea* Box = nullptr;
};

// An image from the cache at DisplaySize pixels ((0, 0): its own size),
// stretched over the box.
class ZQFO_RenderObject_Img : public ZQFO_RenderObject {
 public:
  ZQFO_RenderObject_Img(const ZQFO_FormattingOptions& Options, double X, double Y, double Width,
                        double Height, const ZQ_CountedPtr<ZQFO_Cache>& Cache, const ZQ_URI& URI,
                        const ZQ_Point<long>& DisplaySize, const ZQIMG_ColorTransformation& Transformation);
  ~ZQFO_RenderObject_Img() override;
  void Render(ZQPIC_Canvas& Canvas, double DX, double DY) override;

 private:
  ZQ_CountedPtr<ZQFO_Cache> Cache;
  ZQ_URI URI;
  ZQ_Point<long> DisplaySize;
  ZQIMG_ColorTransformation Transformation;
};

// A host picture drawn in a section canvas over the box, with the options'
// colours and font. Runs the picture's early layout once, on Canvas, when
// it has one.
class ZQFO_RenderObject_Picture : public ZQFO_RenderObject {
 public:
  ZQFO_RenderObject_Picture(const ZQFO_FormattingOptions& Options, double X, double Y, double Width,
                            double Height, const ZQ_CountedPtr<const ZQPIC_Picture>& Picture,
                            ZQPIC_Canvas& Canvas);
  // A missing picture fails "Picture" and draws nothing.
  void Render(ZQPIC_Canvas& Canvas, double DX, double DY) override;

 private:
  void PrepareSection(ZQPIC_Canvas& Section) const;
  ZQ_CountedPtr<const ZQPIC_Picture> Picture;
};

// A polyline in area coordinates (the object's X and Y do not move it),
// drawn flat-ended: underlines and table rules.
class ZQFO_RenderObject_Line : public ZQFO_RenderObject {
 public:
  ZQFO_RenderObject_Line(const ZQFO_FormattingOptions& Options, double X, double Y, double Width,
                         double Height, const ZQCG_Line& Line, double ThicknessMm, const ZQR_Color& Color)
      : ZQFO_RenderObject(Options, X, Y, Width, Height), Line(Line), Thickness(ThicknessMm), Color(Color) {}
  void Render(ZQPIC_Canvas& Canvas, double DX, double DY) override;

 private:
  ZQCG_Line Line;
  double Thickness;
  ZQR_Color Color;
};

// The placeholder of an image or picture that cannot be had: a thin outline
// in the text colour with the error image centred.
class ZQFO_RenderObject_Error : public ZQFO_RenderObject {
 public:
  using ZQFO_RenderObject::ZQFO_RenderObject;
  void Render(ZQPIC_Canvas& Canvas, double DX, double DY) override;
};

#endif
