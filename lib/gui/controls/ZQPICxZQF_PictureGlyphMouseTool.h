// ZQPICxZQF_PictureGlyphMouseTool.h: the mouse tools of the picture view.
// Each handler receives the view, the point in client pixels and the
// modifier keys, and returns whether it handled the event. The base handles
// only the middle button (wheel-button scrolling of the view), the middle
// button's release and the wheel (zoom by 2, 4 or 8 about the mouse).
// ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool zooms into a dragged rectangle,
// zooms in or centres at a click and zooms out at a right click: Shift
// pans, Control zooms, else the tool's default action.
// ZQPICxZQF_PropertiesPictureGlyphMouseTool shows the properties of what
// lies under a click. UI thread only.
#ifndef ZQPICXZQF_PICTUREGLYPHMOUSETOOL_H
#define ZQPICXZQF_PICTUREGLYPHMOUSETOOL_H

#include "ZQF_Message.h"
#include "ZQR_Cursor.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"

class ZQPICxZQF_PictureGlyph;

class ZQPICxZQF_PictureGlyphMouseTool {
 public:
  using View = ZQPICxZQF_PictureGlyph;
  using Keys = ZQF_ModifierKeys;

  virtual ~ZQPICxZQF_PictureGlyphMouseTool();
  virtual bool HandleMouseLeftDown(View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers);
  virtual bool HandleMouseLeftDoubleClick(View& Glyph, const ZQ_Point<long>& Point,
                                          const Keys& Modifiers);
  virtual bool HandleMouseLeftUp(View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers);
  virtual bool HandleMouseRightDown(View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers);
  virtual bool HandleMouseRightDoubleClick(View& Glyph, const ZQ_Point<long>& Point,
                                           const Keys& Modifiers);
  virtual bool HandleMouseRightUp(View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers);
  // Runs wheel-button scrolling of the view to its end.
  virtual bool HandleMouseMiddleDown(View& Glyph, const ZQ_Point<long>& Point,
                                     const Keys& Modifiers);
  virtual bool HandleMouseMiddleDoubleClick(View& Glyph, const ZQ_Point<long>& Point,
                                            const Keys& Modifiers);
  virtual bool HandleMouseMiddleUp(View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers);
  // ZoomIn: the wheel's zoom-in direction. Zooms by 2^min(Notches, 3), or by
  // its inverse, about Point.
  virtual bool HandleMouseWheel(View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers,
                                bool ZoomIn, long Notches);
  virtual bool HandleMouseMove(View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers);
  virtual bool HandleMouseSetCursor(View& Glyph, const ZQ_Point<long>& Point,
                                    const Keys& Modifiers);
};

class ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool : public ZQPICxZQF_PictureGlyphMouseTool {
 public:
  enum { Action_Zoom = 0, Action_Pan = 1 };

  explicit ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool(int DefaultAction = Action_Zoom);

  // 1 with Shift held, else 0 with Control held, else the default action.
  int GetAction(const Keys& Modifiers) const;

  bool HandleMouseLeftDown(View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers) override;
  bool HandleMouseLeftDoubleClick(View& Glyph, const ZQ_Point<long>& Point,
                                  const Keys& Modifiers) override;
  bool HandleMouseRightDown(View& Glyph, const ZQ_Point<long>& Point,
                            const Keys& Modifiers) override;
  bool HandleMouseRightDoubleClick(View& Glyph, const ZQ_Point<long>& Point,
                                   const Keys& Modifiers) override;
  // The magnifying glass for zooming, the pan cursor for panning.
  bool HandleMouseSetCursor(View& Glyph, const ZQ_Point<long>& Point,
                            const Keys& Modifiers) override;

  // The end of a left press: Area (screen pixels) reached the drag's
  // minimum, was only clicked at Point (client pixels), or was cancelled.
  void FinishPress(View& Glyph, const ZQ_Point<long>& Point, int Action,
                   const ZQ_Rectangle<long>& Area, bool LargeEnough, bool Cancelled);
  void ZoomIn(View& Glyph, const ZQ_Point<long>& Point);
  void ZoomOut(View& Glyph, const ZQ_Point<long>& Point);
  void CenterView(View& Glyph, const ZQ_Point<long>& Point);
  // Centres Area (canvas millimetres) and zooms it to fill the picture area.
  void ZoomArea(View& Glyph, const ZQ_Rectangle<double>& Area);

 private:
  int DefaultAction;
};

class ZQPICxZQF_PropertiesPictureGlyphMouseTool : public ZQPICxZQF_PictureGlyphMouseTool {
 public:
  bool HandleMouseLeftDown(View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers) override;
  bool HandleMouseSetCursor(View& Glyph, const ZQ_Point<long>& Point,
                            const Keys& Modifiers) override;
};

#endif
