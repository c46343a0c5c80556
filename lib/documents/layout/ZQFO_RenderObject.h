// ZQFO_RenderObject.h: what distribution leaves on a page: positioned
// drawable pieces chained through their NextSibling link by the content area
// that owns them. Lengths in millimetres, y upward, relative to the area.
// The drawing kinds (text, images, pictures, lines, the error box) arrive
// with the block layout; here are the base and the page-reference text that
// the distribution context fills in. UI thread only.
#ifndef ZQFO_RENDEROBJECT_H
#define ZQFO_RENDEROBJECT_H

#include "ZQFO_FormattingOptions.h"
#include "ZQ_Array.h"
#include "ZQ_String.h"

class ZQPIC_Canvas;

// One word and where it lies on the page (absolute millimetres).
struct ZQFO_WordInfo {
  ZQ_String Text;
  double X = 0;
  double Y = 0;
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
  // draws nothing until the block layout gives it its crossed box.
  virtual void Render(ZQPIC_Canvas& Canvas, double DX, double DY);
  // Appends the object's words at Words[Count], growing Count. None here.
  virtual void CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count, double DX, double DY);

  ZQFO_FormattingOptions Options;
  double X, Y, Width, Height;
  ZQFO_RenderObject* NextSibling = nullptr;  // the owning area's chain
};

// A page number that is known only after distribution: "MMMMM" until the
// distribution context writes the text of the page recorded for Target.
class ZQFO_RenderObject_Text_PageRefFixup : public ZQFO_RenderObject {
 public:
  ZQFO_RenderObject_Text_PageRefFixup(const ZQFO_FormattingOptions& Options, double X, double Y,
                                      double Width, double Height, const ZQ_String& Target)
      : ZQFO_RenderObject(Options, X, Y, Width, Height), Target(Target) {}
  const ZQ_String& GetTarget() const { return Target; }
  const ZQ_String& GetText() const { return Text; }
  void SetText(const ZQ_String& NewText) { Text = NewText; }

 private:
  ZQ_String Text = "MMMMM";
  ZQ_String Target;
};

#endif
