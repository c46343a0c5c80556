// ZQF_ScrollingContainerGlyph.h: shows a client glyph that may be larger than
// the space it gets. The client sits in a clipping frame
// (ZQF_ContaineeFrameGlyph) and is laid out at its minimum size or the view's
// size, whichever is larger; a vertical and a horizontal scroll bar appear
// (by their policies) when the client's minimum size does not fit. Scrolling
// runs no new layout: it shifts the boxes of every glyph below the frame and
// repaints. The scroll position lives in the bars' slider positions and,
// mirrored, in the frame's client offset; a layout re-derives the offset
// from the sliders, clamped, so a resize keeps the position where it can.
// A pending position (>= 0) is used once by the next layout.
// Child order: horizontal bar, vertical bar, frame. A bar not shown is
// parked out of sight with an empty box. The container is a resize anchor.
// ZQF_ScrollingContainerScrollNotificationMessage follows every scroll made
// by one of its own bars or by the wheel. UI thread only.
#ifndef ZQF_SCROLLINGCONTAINERGLYPH_H
#define ZQF_SCROLLINGCONTAINERGLYPH_H

#include "ZQF_Color.h"
#include "ZQF_ContaineeFrameGlyph.h"
#include "ZQF_Message.h"

class ZQF_VerticalScrollBarGlyph;
class ZQF_HorizontalScrollBarGlyph;

class ZQF_ScrollingContainerGlyph : public ZQF_OrganizationalGlyph {
 public:
  // Scroll-bar policies.
  enum : int { Policy_Never = 0, Policy_Always = 1, Policy_AsNeeded = 2 };

  // A line step of 0 means size metric 7 (x for the horizontal, y for the
  // vertical step). Gap x lies between the view and the vertical bar, gap y
  // between the view and the horizontal bar.
  ZQF_ScrollingContainerGlyph(ZQF_Glyph* Client, long HorizontalLineStep, long VerticalLineStep,
                              int VerticalPolicy, int HorizontalPolicy, int BorderCode, long GapX,
                              long GapY);
  ~ZQF_ScrollingContainerGlyph() override;

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  bool IsResizeAnchor() const override;
  // Scrolls Descendant into view with a margin of size metric 6; false, so
  // that containers further up bring it into view too.
  bool MakeChildVisible(ZQF_Glyph* Descendant) override;
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  // A wheel turn that the glyphs under the pointer leave (second try) moves
  // the view by three vertical line steps a notch, as the vertical bar would.
  void HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) override;
  // The smallest view worth scrolling in: a tenth of the work area.
  virtual ZQ_Point<long> GetMinimumViewSize();

  // Rectangle in the client's own coordinates: its far edge comes into view
  // where possible, its near (left, top) edge when it is larger than the view.
  void ScrollToShow(const ZQ_Rectangle<long>& Rectangle);
  // Asserts "IsIndirectParentOf (this, aChildGlyph)".
  void ScrollToShow(ZQF_Glyph* Child, long MarginX, long MarginY);
  // The frame's client offset from the shown sliders, and its client extent.
  void SetContaineeLayout(const ZQ_Point<long>& ClientExtent);
  // Adds (DX, DY) to the box of every glyph below Glyph, not Glyph itself; a
  // glyph whose position is unset keeps it.
  static void ScrollChildren(ZQF_Glyph* Glyph, long DX, long DY);

  ZQF_ContaineeFrameGlyph* GetFrame() const { return Frame; }
  ZQF_Glyph* GetClient() const { return Frame->GetClient(); }
  ZQF_VerticalScrollBarGlyph* GetVerticalScrollBar() const { return VerticalBar; }
  ZQF_HorizontalScrollBarGlyph* GetHorizontalScrollBar() const { return HorizontalBar; }
  bool IsVerticalScrollBarShown() const;
  bool IsHorizontalScrollBarShown() const;
  void SetBackgroundColor(const ZQF_Color& Color) { BackgroundColor = Color; }
  // Slider positions for the next layout to restore; -1 leaves one alone.
  void SetPendingPositions(long Horizontal, long Vertical);

 private:
  ZQ_Point<long> GetBorderThickness() const;
  void PlaceBars(ZQ_Rectangle<long> Vertical, ZQ_Rectangle<long> Horizontal);
  void LayoutBar(ZQF_Glyph* Bar, const ZQ_Rectangle<long>& Box);

  ZQF_ContaineeFrameGlyph* Frame;
  long HorizontalLineStep;
  long VerticalLineStep;
  ZQF_VerticalScrollBarGlyph* VerticalBar;
  ZQF_HorizontalScrollBarGlyph* HorizontalBar;
  int VerticalPolicy;
  int HorizontalPolicy;
  int BorderCode;
  long GapX;
  long GapY;
  ZQF_Color BackgroundColor{32};
  bool ResizeAnchor = true;
  long PendingHorizontalPosition = -1;
  long PendingVerticalPosition = -1;
};

// A scrolling container scrolled through one of its own bars.
class ZQF_ScrollingContainerScrollNotificationMessage : public ZQF_NotificationMessage {
 public:
  explicit ZQF_ScrollingContainerScrollNotificationMessage(ZQF_ScrollingContainerGlyph* Container)
      : Container(Container) {}
  ZQF_ScrollingContainerGlyph* GetContainer() const { return Container; }

 private:
  ZQF_ScrollingContainerGlyph* Container;
};

#endif
