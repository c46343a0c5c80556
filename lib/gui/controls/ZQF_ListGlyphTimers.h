// ZQF_ListGlyphTimers.h: the two timers of the list control.
// ZQF_ListGlyphChangeNotificationDelayTimer sends a list's delayed keyboard
// selection notification once, at its first tick; the list owns it.
// ZQF_ListGlyphAutoscrollTimer scrolls a list by a row or a horizontal line
// while a drag hovers near one of its edges; at most one exists in the
// program (a global pointer holds it), it listens to every drag as a drag
// hook and deletes itself (Stop) when the pointer leaves the list area or
// the drag ends. UI thread only.
#ifndef ZQF_LISTGLYPHTIMERS_H
#define ZQF_LISTGLYPHTIMERS_H

#include "ZQF_DragOperationHookInterface.h"
#include "ZQ_Point.h"
#include "ZQ_Timer.h"

class ZQF_ListGlyph;

class ZQF_ListGlyphChangeNotificationDelayTimer : public ZQ_Timer {
 public:
  ZQF_ListGlyphChangeNotificationDelayTimer(ZQF_ListGlyph* List, long DelayMs, int ChangeKind);

 protected:
  // Calls the list's ProcessDelayedListChangeNotification, which deletes
  // this timer.
  void Tick() override;

 private:
  ZQF_ListGlyph* List;
  int ChangeKind;
};

class ZQF_ListGlyphAutoscrollTimer : public ZQ_Timer, public ZQF_DragOperationHookInterface {
 public:
  enum : int {
    AutoscrollEdge_Top = 0,
    AutoscrollEdge_Bottom = 1,
    AutoscrollEdge_Left = 2,
    AutoscrollEdge_Right = 3,
    AutoscrollEdge_None = 4
  };

  // First tick after time metric 0, then every time metric 1; installs
  // itself as a drag hook. Asserts the edge.
  ZQF_ListGlyphAutoscrollTimer(ZQF_ListGlyph* List, int Edge);
  // Removes the hook; the base kills the Windows timer.
  ~ZQF_ListGlyphAutoscrollTimer() override;

  void EndDragOperationNotification(bool Cancelled) override;
  // Reads the drag's current screen point.
  void MouseMoveNotification() override;
  void EndDragOperation();
  void ProcessMouseMove(const ZQ_Point<long>& ScreenPoint);

  ZQF_ListGlyph* GetList() const { return List; }
  int GetEdge() const { return Edge; }

  // Point: list-local. Keeps a timer of the same list and edge running,
  // replaces any other, or stops it off the edges.
  static void RespondToDragOperationMessage(ZQF_ListGlyph* List, const ZQ_Point<long>& Point);
  static int PerformAutoscrollEdgeHitCheck(ZQF_ListGlyph* List, const ZQ_Point<long>& Point);
  // Deletes the timer, if any.
  static void Stop();
  // Stops the timer when it serves List (a list being destroyed).
  static void StopFor(ZQF_ListGlyph* List);
  // Null when none runs.
  static ZQF_ListGlyphAutoscrollTimer* GetCurrent();

 protected:
  // One row up or down, or one line left or right.
  void Tick() override;

 private:
  ZQF_ListGlyph* List;
  int Edge;
};

#endif
