// ZQF_AdjustablePaneGlyph.h: two client glyphs (panes) split by a bar the
// user drags. The abstract base keeps the bar's position as the first pane's
// share of the extent along the split axis, which panes are shown (first,
// second or both), draws the background and the bar, runs the bar's drag,
// answers the pane commands and their updates, and moves the focus between
// the innermost panes of a nest of pane glyphs with Ctrl+F6 (forward) and
// Ctrl+Shift+F6 (back). The variants (ZQF_HorizontalAdjustablePaneGlyph,
// ZQF_VerticalAdjustablePaneGlyph) choose the axis. The glyph owns both
// panes; the second pane is first in the child list. Also the pane command
// classes. Unknown codes fail assertions. UI thread only.
#ifndef ZQF_ADJUSTABLEPANEGLYPH_H
#define ZQF_ADJUSTABLEPANEGLYPH_H

#include <vector>

#include "ZQF_Glyph.h"
#include "ZQF_SeparatorDragOperation.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQR_Color.h"

class ZQF_NextPaneCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_PreviousPaneCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_ShowFirstPaneToggleCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_ShowSecondPaneToggleCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_ShowBothPanesToggleCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_NextPaneCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};
class ZQF_PreviousPaneCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};
class ZQF_ShowFirstPaneToggleCommandUpdateMessage : public ZQF_StandardToggleCommandUpdateMessage {
};
class ZQF_ShowSecondPaneToggleCommandUpdateMessage : public ZQF_StandardToggleCommandUpdateMessage {
};
class ZQF_ShowBothPanesToggleCommandUpdateMessage : public ZQF_StandardToggleCommandUpdateMessage {
};

class ZQF_AdjustablePaneGlyph : public ZQF_DrawableGlyph {
 public:
  // The pane visibility codes.
  enum { Visibility_FirstOnly = 0, Visibility_SecondOnly = 1, Visibility_Both = 2 };
  // The directions of SelectPane.
  enum { Direction_Next = 0, Direction_Previous = 1 };

  void DrawSelf(ZQF_Canvas& Canvas) override;
  // Places both panes; a pane left with an empty box stops being the focus
  // child, so a hidden pane never keeps the focus.
  void AcceptLayout() override;
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) override;
  // A press on the bar drags it.
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  // Over the bar: the left-right (side by side) or up-down resize cursor.
  void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) override;
  // Ctrl+F6 and Ctrl+Shift+F6.
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;

  // Both colour metric 32.
  virtual ZQR_Color GetSplitterColor();
  virtual ZQR_Color GetBackgroundColor();
  // True when the panes lie side by side.
  virtual bool IsHorizontal() const = 0;
  // First pane, bar and second pane in the glyph's own coordinates, each
  // within the glyph's box; hidden ones are empty.
  virtual void ComputeLayoutRects(ZQ_Rectangle<long>& First, ZQ_Rectangle<long>& Splitter,
                                  ZQ_Rectangle<long>& Second) const = 0;
  // Runs the bar's drag; a completed one moves the bar, a cancelled one
  // changes nothing.
  virtual void Util_HandleClickOnSeparator() = 0;

  // A Visibility_ code; an initialised glyph is laid out again.
  void SetPaneVisibility(long Code);
  long GetPaneVisibility() const { return PaneVisibility; }
  // Stores Fraction clamped to [0.05, 0.95]; an initialised glyph is laid
  // out again.
  void SetPaneSplitterPosition(double Fraction);
  double GetPaneSplitterPosition() const { return SplitterPosition; }
  // Puts the next or previous selectable innermost pane on the focus path,
  // wrapping around; the current one is the first on the focus path.
  void SelectPane(long Direction);

  ZQF_Glyph* GetFirstPane() const { return FirstPane; }
  ZQF_Glyph* GetSecondPane() const { return SecondPane; }
  // Pixels.
  long GetSplitterWidth() const { return SplitterWidth; }

 protected:
  // A null client becomes a null drawable glyph. Position is stored as
  // given (no clamping); the first pane becomes the focus child.
  ZQF_AdjustablePaneGlyph(ZQF_Glyph* FirstClient, ZQF_Glyph* SecondClient, double Position);

  // What the variants share, along X (Horizontal) or Y.
  void Util_UpdateDesiredSizeAlong(bool Horizontal);
  void Util_ComputeLayoutRectsAlong(bool Horizontal, ZQ_Rectangle<long>& First,
                                    ZQ_Rectangle<long>& Splitter, ZQ_Rectangle<long>& Second) const;

  // The bar's drag along the split axis, in screen pixels: where the bar
  // starts, the band it may move in (5 % to 95 % of the glyph, inside the
  // work area), and the finish callback that turns the result into a
  // position. Lives on the stack while the drag runs.
  class SplitterDrag {
   public:
    explicit SplitterDrag(ZQF_AdjustablePaneGlyph* Pane);
    long GetBarPosition() const { return BarPosition; }
    const ZQ_Rectangle<long>& GetLimit() const { return Limit; }
    ZQF_SeparatorDragCallback GetFinishCallback() {
      return ZQF_SeparatorDragCallback(this, &SplitterDrag::Finish);
    }

   private:
    void Finish(long Position, bool Cancelled);

    ZQF_AdjustablePaneGlyph* Pane;
    long Origin;
    long Extent;
    long BarPosition;
    ZQ_Rectangle<long> Limit;
  };

 private:
  static void FindSelectablePanes(ZQF_Glyph* Glyph, std::vector<ZQF_Glyph*>& Panes);
  static void AddSelectablePane(ZQF_Glyph* Pane, bool Selectable, std::vector<ZQF_Glyph*>& Panes);
  bool IsOverSplitter(const ZQF_MouseMessage& Message) const;
  // The pane action a command or update names, or -1; show actions count
  // only while the visibility commands are enabled.
  long AnsweredAction(long Action) const;

  ZQF_Glyph* FirstPane;
  ZQF_Glyph* SecondPane;
  double SplitterPosition;
  double MinimumSplitterPosition = 0.05;
  double MaximumSplitterPosition = 0.95;
  long SplitterWidth;
  bool FirstPaneSelectable = true;
  bool SecondPaneSelectable = true;
  long PaneVisibility = Visibility_Both;
  bool PaneVisibilityCommandsEnabled = true;
};

#endif
