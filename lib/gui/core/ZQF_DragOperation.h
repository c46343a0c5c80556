// ZQF_DragOperation.h: a modal mouse interaction. A glyph that received a
// button press hands the rest of the gesture to a drag object, which
// captures the mouse, confines the cursor, runs a nested message loop and
// shows its feedback straight on the screen with inverting drawing. It sees
// every mouse message through a standard message hook (no glyph receives
// one meanwhile) and every Windows message through a raw hook. It ends when
// the button goes up (in click mode, after a release without moving, at the
// next press), and is cancelled by Escape, the wheel, a second button,
// Alt+key, focus and activation changes, menus and non-client presses.
// Subclasses supply the feedback, the cursor, the clip area and what
// happens at the end; results reach callers only through a subclass's
// finish callback and the drag-operation hooks. Destroying the initiating
// glyph (or its window) while the drag runs ends it as cancelled.
// One drag runs at a time in the process (ZQF_PerformDraggingOperation);
// the caller owns the drag object and destroys it after the run. Assertion
// failures follow the program-wide mode. UI thread only.
#ifndef ZQF_DRAGOPERATION_H
#define ZQF_DRAGOPERATION_H

#include <memory>

#include "ZQF_MessageHook.h"
#include "ZQR_Cursor.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"

class ZQF_DragOperationDrawingContext;
class ZQF_Glyph;
class ZQF_Message;

class ZQF_DragOperation {
 public:
  // Both mouse positions start at the cursor's screen position.
  explicit ZQF_DragOperation(ZQF_Glyph* InitiatingGlyph);
  ZQF_DragOperation(const ZQF_DragOperation&) = delete;
  ZQF_DragOperation& operator=(const ZQF_DragOperation&) = delete;
  virtual ~ZQF_DragOperation();

  // Adds the picture for the current mouse position; the base adds nothing.
  virtual void DrawFeedback(ZQF_DragOperationDrawingContext& Context);
  // The base: the default arrow (cursor metric 0).
  virtual ZQR_Cursor GetCursor();
  // Screen pixels; the base: the whole screen (area metric 1).
  virtual ZQ_Rectangle<long> GetCursorClipArea();
  virtual void PerformFinishDragCallback(bool Cancelled);
  virtual void StartDrag();
  virtual void FinishDrag(bool Cancelled);
  virtual void ProcessMouseUp();
  virtual void ProcessMouseMove();
  virtual void ProcessMouseSetCursor();
  // Applies Cursor and shows NewContext in place of the stored picture;
  // nothing is drawn when the two pictures are equal.
  virtual void UpdateFeedback(const ZQR_Cursor& Cursor,
                              std::unique_ptr<ZQF_DragOperationDrawingContext> NewContext);

  // Starts the drag and runs the nested loop until EndDragOperation: true
  // then; false when the quit message ended the loop first (the drag is
  // then left to AbandonAfterError: no finish callback runs).
  bool BeginDragOperation();
  // Only from the drag's own callbacks, while its loop runs. Once: a call
  // while it runs (a cancelling message or a release that the finish
  // callbacks caused) does nothing.
  void EndDragOperation(bool Cancelled);
  void MessageHookCallback(ZQF_Message& Message);
  void RawHookCallback(const ZQF_RawMessageRecord& Record, bool& Handled);
  // Realises the stored picture once more, which removes it.
  void EraseFeedback();
  // The stored picture's box while it is shown, else (-9999, -9999, 0, 0).
  ZQ_Rectangle<long> GetFeedbackArea() const;

  // Null once the glyph has been destroyed during the drag.
  ZQF_Glyph* GetInitiatingGlyph() const { return InitiatingGlyph; }
  // Screen pixels.
  const ZQ_Point<long>& GetCurrentMousePosition() const { return CurrentMousePosition; }
  const ZQ_Point<long>& GetStartMousePosition() const { return StartMousePosition; }
  bool IsFeedbackDrawn() const { return FeedbackDrawn; }
  bool IsCancelled() const { return Cancelled; }
  bool IsReleasedWithoutMoving() const { return ReleasedWithoutMoving; }
  const ZQF_DragOperationDrawingContext& GetDrawingContext() const { return *DrawingContext; }

  // After an error cut the drag short (an exception or the quit message
  // left the nested loop, or a callback threw inside End): removes its hooks, capture,
  // confinement and feedback, so nothing points at a dead drag. Nothing
  // when the drag ended properly.
  void AbandonAfterError() noexcept;

 protected:
  // Only the wheel-button scroll drag allows click mode.
  void SetClickModeAllowed(bool Allowed) { ClickModeAllowed = Allowed; }

  ZQ_Point<long> CurrentMousePosition;
  ZQ_Point<long> StartMousePosition;

 private:
  void EraseFeedbackUnderPaint(HWND Window);
  // The glyph activity hook that every drag shares (there is no removal).
  static void InstallGlyphDestroyedHookOnce();
  static void OnGlyphDestroyed(ZQF_Glyph* Glyph);

  std::unique_ptr<ZQF_DragOperationDrawingContext> DrawingContext;
  ZQF_Glyph* InitiatingGlyph;
  bool FeedbackDrawn = false;
  bool Cancelled = false;
  bool ClickModeAllowed = false;
  bool ReleasedWithoutMoving = false;
  bool Ending = false;  // EndDragOperation has begun
};

// Runs Drag to its end (asserts "CurrentDragOperation == NULL"); the
// nested loop's answer: false when the quit message ended it.
bool ZQF_PerformDraggingOperation(ZQF_DragOperation& Drag);
// The drag being run, or null.
ZQF_DragOperation* ZQF_GetCurrentDragOperation();
// Glyph, or else the top-level glyph of the application's main window.
ZQF_Glyph* InsureHaveInitiatingGlyph(ZQF_Glyph* Glyph);

#endif
