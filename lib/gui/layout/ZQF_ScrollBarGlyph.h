// ZQF_ScrollBarGlyph.h: the self-drawn scroll bar, the base of the vertical
// and the horizontal variant. It shows which part of a document is visible
// and lets the user move it: two arrow buttons step by a line (repeating
// while held), a press in the trough steps by a page (repeating while held,
// until the slider reaches the pointer), and the slider can be dragged; a
// slider dragged far away from the bar snaps back to where the drag began.
// The bar scrolls nothing itself: each change, when asked to notify,
// dispatches a ZQF_ScrollBarChangeNotificationMessage up the parent chain.
// One drag state and one auto-repeat timer serve all scroll bars, as only
// one can hold the mouse. A bar destroyed while the timer serves it stops
// the timer, and one destroyed while holding the mouse lets it go.
// Geometry is along the long axis, in glyph-local coordinates.
// UI thread only.
#ifndef ZQF_SCROLLBARGLYPH_H
#define ZQF_SCROLLBARGLYPH_H

#include "ZQF_ControlGlyph.h"

class ZQF_ButtonGlyph;
class ZQF_ScrollBarAutorepeatTimer;

class ZQF_ScrollBarGlyph : public ZQF_ControlGlyph {
 public:
  // The answers of PerformHitTest.
  enum : int {
    Hit_BackwardTrough = 0,
    Hit_ForwardTrough = 1,
    Hit_Slider = 2,
    Hit_Near = 3,
    Hit_FarAway = 4
  };
  // The shared drag state.
  enum : int { Drag_None = 0, Drag_PagingBackward = 1, Drag_PagingForward = 2, Drag_Slider = 3 };

  // The three rectangles along the long axis, each the bar's thickness
  // across.
  struct LongAxisCoordinates {
    ZQ_Rectangle<long> BackwardTrough;
    ZQ_Rectangle<long> Slider;
    ZQ_Rectangle<long> ForwardTrough;
  };

  ~ZQF_ScrollBarGlyph() override;

  // 1 vertical, 0 horizontal.
  virtual int GetOrientation() const = 0;

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry) override;

  // Asserts the ranges, notifies when asked, enables each arrow button while
  // the slider can move its way, and queues a repaint.
  void SetState(long DocumentSize, long PageSize, long LineSize, long SliderPosition, bool Notify);
  void SetSliderPosition(long Position, bool Notify);
  // Clamps to 0 .. GetMaxSliderPosition () first.
  void SetSliderPosition_Safe(long Position, bool Notify);
  void SetTrackSlider(bool Track) { TrackSlider = Track; }

  void PerformLineBackward(bool Notify);
  void PerformLineForward(bool Notify);
  // A page step keeps one line of the old view, but moves at least a line.
  void PerformPageBackward(bool Notify);
  void PerformPageForward(bool Notify);
  void PerformScrollToStart(bool Notify);
  void PerformScrollToEnd(bool Notify);

  LongAxisCoordinates GetLongAxisCoordinates() const;
  // Point in glyph-local coordinates.
  int PerformHitTest(const ZQ_Point<long>& Point) const;
  // Where a slider drag that began at the remembered point puts the slider
  // with the pointer at Point (glyph-local).
  long MousePositionToSliderPosition(const ZQ_Point<long>& Point) const;
  // One auto-repeat tick: pages again while the pointer stays in the trough
  // being paged.
  void HandleTimerEvent();

  // Null once the arrow was deleted: the bar then counts it 0 long.
  ZQF_ButtonGlyph* GetBackwardButton() const;
  ZQF_ButtonGlyph* GetForwardButton() const;
  long GetDocumentSize() const { return DocumentSize; }
  long GetPageSize() const { return PageSize; }
  long GetLineSize() const { return LineSize; }
  long GetSliderPosition() const { return SliderPosition; }
  long GetMaxSliderPosition() const { return DocumentSize - PageSize; }
  bool GetTrackSlider() const { return TrackSlider; }

  static int GetDragState();
  // Replaces the running auto-repeat timer by one for Bar.
  static void StartTimer(ZQF_ScrollBarGlyph* Bar);
  static void StopTimer();
  // Null while no scroll-bar timer runs.
  static ZQF_ScrollBarAutorepeatTimer* GetAutorepeatTimer();

 protected:
  // Builds the forward and then the backward arrow button, each at the
  // front, so the backward button ends first.
  ZQF_ScrollBarGlyph(const ZQ_String& BackwardBitmap, const ZQ_String& ForwardBitmap,
                     long DocumentSize, long PageSize, long LineSize, long SliderPosition,
                     bool TrackSlider);

 private:
  void AddButton(const ZQ_String& Bitmap);
  ZQF_ButtonGlyph* IfStillChild(ZQF_ButtonGlyph* Button) const;
  // The long axis (x or y) of a point, a size or a rectangle's origin.
  long Along(const ZQ_Point<long>& P) const { return GetOrientation() == 1 ? P.Y : P.X; }
  long Across(const ZQ_Point<long>& P) const { return GetOrientation() == 1 ? P.X : P.Y; }
  ZQ_Point<long> FromAxes(long AlongAxis, long AcrossAxis) const;
  ZQ_Rectangle<long> AxisRectangle(long Start, long Length) const;
  long GetLength() const;
  long GetButtonLength(const ZQF_Glyph* Button) const;
  long GetTroughLength() const;
  void PressAt(const ZQ_Point<long>& Point, ZQF_MouseMessage& Message);
  void StartPaging(int State);
  // The slider position for the pointer during a drag: back to the start
  // when the pointer is far away.
  long DraggedSliderPosition(const ZQ_Point<long>& Point) const;
  void DrawEnabled(ZQF_Canvas& Canvas, const LongAxisCoordinates& Parts);
  bool IsPaging(int State) const;

  long DocumentSize;
  long PageSize;
  long LineSize;
  long SliderPosition;
  bool TrackSlider;
  ZQF_ButtonGlyph* BackwardButton = nullptr;  // a child, or deleted
  ZQF_ButtonGlyph* ForwardButton = nullptr;
};

// A scroll bar's slider moved. Tracking is set only while a slider drag is
// in progress and the notifying bar is not the glyph holding the mouse, so
// a bar's own drag reports false.
class ZQF_ScrollBarChangeNotificationMessage : public ZQF_ControlChangeNotificationMessage {
 public:
  ZQF_ScrollBarChangeNotificationMessage(ZQF_ScrollBarGlyph* Bar, bool Tracking)
      : ZQF_ControlChangeNotificationMessage(Bar), Tracking(Tracking) {}
  ZQF_ScrollBarGlyph* GetScrollBar() const {
    return static_cast<ZQF_ScrollBarGlyph*>(GetControl());
  }
  bool IsTracking() const { return Tracking; }

 private:
  bool Tracking;
};

#endif
