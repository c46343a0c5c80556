// ZQPICxZQF_PictureGlyph.h: a view that shows a picture drawn in the
// picture's own user coordinates and lets the user zoom and pan it. Three
// coordinate systems: client (the glyph's pixels, y down), canvas
// (millimetres from the bottom left of the picture area, y up) and user
// (the picture's). UserToCanvas maps user to canvas coordinates; the view
// keeps its inverse, the canvas centre and that centre in user coordinates.
// The picture area is the glyph less its border. Mouse input goes to the
// view's mouse tool (ZQPICxZQF_PictureGlyphMouseTool.h), a zoom-and-pan
// tool unless another is set. Subclasses draw the picture (DrawPicture) and
// show the properties of a point (DisplayProperties). A zoom or move whose
// transformation would be singular or not finite leaves the view as it is.
// UI thread only.
#ifndef ZQPICXZQF_PICTUREGLYPH_H
#define ZQPICXZQF_PICTUREGLYPH_H

#include <memory>

#include "ZQCG_AffineTransformation.h"
#include "ZQF_ControlGlyph.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"

class ZQPIC_Canvas;
class ZQPICxZQF_PictureGlyphMouseTool;
struct ZQF_ModifierKeys;

class ZQPICxZQF_PictureGlyph : public ZQF_ControlGlyph {
 public:
  // Codes of the coordinate systems.
  enum { System_User = 0, System_Canvas = 1 };

  // The identity transformation: user units are canvas millimetres.
  ZQPICxZQF_PictureGlyph();
  ~ZQPICxZQF_PictureGlyph() override;

  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  void DrawSelf(ZQF_Canvas& Canvas) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseRightDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseRightDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseRightUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMiddleDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMiddleUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) override;
  void HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) override;

  // Draws the picture on Canvas (initialised, the picture area) through
  // UserToCanvas; the base draws nothing.
  virtual void DrawPicture(ZQPIC_Canvas& Canvas, const ZQCG_AffineTransformation& UserToCanvas);
  // Shows the properties of what lies at UserPoint; Extended is true when
  // Shift was held. The base does nothing.
  virtual void DisplayProperties(const ZQ_Point<double>& UserPoint, bool Extended);

  // Takes the tool over; null leaves mouse input unhandled.
  void SetMouseTool(std::unique_ptr<ZQPICxZQF_PictureGlyphMouseTool> Tool);
  ZQPICxZQF_PictureGlyphMouseTool* GetMouseTool() const { return MouseTool.get(); }
  // User units pushed outward at the corners of the view's bounding box in
  // mode 1.
  void SetViewMargins(double MarginX, double MarginY);

  // The picture area in client pixels.
  ZQ_Rectangle<long> GetPictureBoundingBox() const;
  // The picture area in millimetres, each at least 1.
  ZQ_Point<double> GetCanvasExtentInMillimeters() const;
  ZQ_Point<double> GetCanvasCenterInCanvasCoords() const;
  ZQ_Point<double> ClientToCanvas(const ZQ_Point<long>& ClientPoint) const;
  // System: System_User or System_Canvas (another code fails "false").
  ZQ_Point<double> ConvertToCanvasCoords(const ZQ_Point<double>& Point, int System) const;
  ZQ_Point<double> ConvertToUserCoords(const ZQ_Point<double>& Point, int System) const;

  const ZQCG_AffineTransformation& GetUserToCanvasTransformation() const { return UserToCanvas; }
  const ZQCG_AffineTransformation& GetCanvasToUserTransformation() const { return CanvasToUser; }
  // Stores the transformation with its inverse (a singular one fails
  // "Determinant != 0.0") and the canvas centre in both systems.
  void SetUserToCanvasTransformation(const ZQCG_AffineTransformation& Transformation);
  const ZQ_Point<double>& GetCanvasCenterInUserCoords() const { return CenterInUserCoords; }

  // The box around the picture area's corners in user coordinates; mode 1
  // first pushes each corner outward by the view margins.
  ZQ_Rectangle<double> GetCurrentViewBoundingBoxInUserCoords(int Mode) const;
  // Scales by Factor (> 0, assertion "ZoomFactor > 0.0") about Point, which
  // stays where it is on the canvas; redraws.
  void Zoom(double Factor, const ZQ_Point<double>& Point, int System);
  // Moves the picture so that UserPoint lies at CanvasPoint; redraws.
  void Translate(const ZQ_Point<double>& UserPoint, const ZQ_Point<double>& CanvasPoint);
  // Moves the picture by 10 mm per unit: DX to the left, DY up.
  void ScrollDiagonally(double DX, double DY);

 private:
  // The tool's answer to a mouse message, on the second try.
  void ForwardToTool(ZQF_MouseMessage& Message, bool SecondTry,
                     bool (ZQPICxZQF_PictureGlyphMouseTool::*Handler)(
                         ZQPICxZQF_PictureGlyph&, const ZQ_Point<long>&, const ZQF_ModifierKeys&));
  // Stores Transformation and redraws when it is usable.
  void ApplyIfUsable(const ZQCG_AffineTransformation& Transformation);

  ZQCG_AffineTransformation UserToCanvas;
  ZQCG_AffineTransformation CanvasToUser;
  ZQ_Point<double> CanvasCenter;
  ZQ_Point<double> CenterInUserCoords;
  ZQ_Point<double> ViewMargins;
  std::unique_ptr<ZQPICxZQF_PictureGlyphMouseTool> MouseTool;
};

#endif
