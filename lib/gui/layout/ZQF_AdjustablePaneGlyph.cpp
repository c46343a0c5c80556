// The adjustable pane base: layout along an axis, drawing, the bar's drag,
// pane commands and focus cycling.
#include "ZQF_AdjustablePaneGlyph.h"

#include <algorithm>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_Message.h"
#include "ZQF_Metrics.h"
#include "ZQF_NullDrawableGlyph.h"
#include "ZQR_Cursor.h"
#include "ZQ_Assertion.h"
#include "ZQ_Numeric.h"

namespace {

const int SplitterWidthSizeMetric = ZQF_SizeMetric_Gap4Px;
const int PaneColorMetric = ZQF_ColorMetric_LabelBackground;
const int WorkAreaMetric = ZQF_AreaMetric_WorkArea;
const int ResizePaneNSCursor = ZQF_CursorMetric_ResizePaneNS;
const int ResizePaneEWCursor = ZQF_CursorMetric_ResizePaneEW;

// What a pane command or its update asks for. The two select actions equal
// the SelectPane directions; a show action less Action_ShowFirst is the
// visibility code.
enum {
  Action_None = -1,
  Action_Next = 0,
  Action_Previous = 1,
  Action_ShowFirst = 2,
  Action_ShowSecond = 3,
  Action_ShowBoth = 4
};

template <class Next, class Previous, class ShowFirst, class ShowSecond, class ShowBoth>
long ActionOf(const ZQF_Message& Message) {
  const ZQF_Message* m = &Message;
  if (dynamic_cast<const Next*>(m)) return Action_Next;
  if (dynamic_cast<const Previous*>(m)) return Action_Previous;
  if (dynamic_cast<const ShowFirst*>(m)) return Action_ShowFirst;
  if (dynamic_cast<const ShowSecond*>(m)) return Action_ShowSecond;
  if (dynamic_cast<const ShowBoth*>(m)) return Action_ShowBoth;
  return Action_None;
}

const auto CommandAction =
    &ActionOf<ZQF_NextPaneCommandMessage, ZQF_PreviousPaneCommandMessage,
              ZQF_ShowFirstPaneToggleCommandMessage, ZQF_ShowSecondPaneToggleCommandMessage,
              ZQF_ShowBothPanesToggleCommandMessage>;
const auto UpdateAction =
    &ActionOf<ZQF_NextPaneCommandUpdateMessage, ZQF_PreviousPaneCommandUpdateMessage,
              ZQF_ShowFirstPaneToggleCommandUpdateMessage,
              ZQF_ShowSecondPaneToggleCommandUpdateMessage,
              ZQF_ShowBothPanesToggleCommandUpdateMessage>;

ZQF_Glyph* ClientOrNull(ZQF_Glyph* Client) { return Client ? Client : new ZQF_NullDrawableGlyph; }

// Halves go down, then the fraction is cut off.
long RoundToPixels(double Value) { return static_cast<long>(ZQ_Round(Value)); }

// A band from Start of Length along the axis, across the whole Breadth.
ZQ_Rectangle<long> Band(bool Horizontal, long Start, long Length, long Breadth) {
  return Horizontal ? ZQ_Rectangle<long>(Start, 0, Length, Breadth)
                    : ZQ_Rectangle<long>(0, Start, Breadth, Length);
}

long Along(bool Horizontal, const ZQ_Point<long>& P) { return Horizontal ? P.X : P.Y; }
long Across(bool Horizontal, const ZQ_Point<long>& P) { return Horizontal ? P.Y : P.X; }

}  // namespace

ZQF_AdjustablePaneGlyph::ZQF_AdjustablePaneGlyph(ZQF_Glyph* FirstClient, ZQF_Glyph* SecondClient,
                                                 double Position)
    : FirstPane(ClientOrNull(FirstClient)),
      SecondPane(ClientOrNull(SecondClient)),
      SplitterPosition(Position),
      SplitterWidth(ZQF_GetSizeMetric(SplitterWidthSizeMetric).X) {
  AddChild(FirstPane, true);
  AddChild(SecondPane, false);
  SetFocusChild(FirstPane);
}

void ZQF_AdjustablePaneGlyph::Util_UpdateDesiredSizeAlong(bool Horizontal) {
  const ZQF_DesiredSize& a = FirstPane->GetDesiredSize();
  const ZQF_DesiredSize& b = SecondPane->GetDesiredSize();
  auto sum = [&](const ZQ_Point<long>& A, const ZQ_Point<long>& B) {
    using Alignment = ZQF_AlignmentGlyph;
    return Alignment::CappedSum(Alignment::CappedSum(Along(Horizontal, A), Along(Horizontal, B)),
                                SplitterWidth);
  };
  const long crossNatural = std::max(Across(Horizontal, a.Natural), Across(Horizontal, b.Natural));
  const long crossMinimum = std::max(Across(Horizontal, a.Minimum), Across(Horizontal, b.Minimum));
  const long crossMaximum = std::max(
      std::min(Across(Horizontal, a.Maximum), Across(Horizontal, b.Maximum)), crossNatural);
  const long natural = sum(a.Natural, b.Natural);
  const long minimum = sum(a.Minimum, b.Minimum);
  const long maximum = sum(a.Maximum, b.Maximum);
  if (Horizontal) {
    DesiredSize.SetX(natural, minimum, maximum);
    DesiredSize.SetY(crossNatural, crossMinimum, crossMaximum);
  } else {
    DesiredSize.SetY(natural, minimum, maximum);
    DesiredSize.SetX(crossNatural, crossMinimum, crossMaximum);
  }
}

void ZQF_AdjustablePaneGlyph::Util_ComputeLayoutRectsAlong(bool Horizontal,
                                                           ZQ_Rectangle<long>& First,
                                                           ZQ_Rectangle<long>& Splitter,
                                                           ZQ_Rectangle<long>& Second) const {
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  const ZQ_Point<long> extent(box.Width, box.Height);
  const long length = Along(Horizontal, extent);
  const long breadth = Across(Horizontal, extent);
  const ZQ_Rectangle<long> none(0, 0, 0, 0);
  First = Splitter = Second = none;
  switch (PaneVisibility) {
    case Visibility_FirstOnly:
      First = box;
      break;
    case Visibility_SecondOnly:
      Second = box;
      break;
    case Visibility_Both: {
      const long split = RoundToPixels(length * SplitterPosition);
      const long rest = std::max(length - split - SplitterWidth, 0L);
      First = Band(Horizontal, 0, split, breadth);
      Splitter = Band(Horizontal, split, SplitterWidth, breadth);
      Second = Band(Horizontal, split + SplitterWidth, rest, breadth);
      break;
    }
    default:
      ZQ_ASSERT_TEXT(false, "false");
  }
  // A position outside [0, 1] (the constructor does not clamp) must not
  // place a pane outside the glyph.
  First = ZQ_Rectangle<long>::Intersection(First, box);
  Splitter = ZQ_Rectangle<long>::Intersection(Splitter, box);
  Second = ZQ_Rectangle<long>::Intersection(Second, box);
}

void ZQF_AdjustablePaneGlyph::AcceptLayout() {
  ZQ_Rectangle<long> first, splitter, second;
  ComputeLayoutRects(first, splitter, second);
  LayoutChild(FirstPane, first);
  LayoutChild(SecondPane, second);
  for (ZQF_Glyph* pane : {FirstPane, SecondPane}) {
    if (pane->IsBoundingBoxEmpty() && GetFocusChild() == pane) SetFocusChild(nullptr);
  }
}

void ZQF_AdjustablePaneGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  // The fills must not paint over the panes.
  Clip(Canvas, Clip_Children);
  Canvas.Fill(GetLocalBoundingBox(), GetBackgroundColor());
  ZQ_Rectangle<long> first, splitter, second;
  ComputeLayoutRects(first, splitter, second);
  Canvas.Fill(splitter, GetSplitterColor());
}

ZQR_Color ZQF_AdjustablePaneGlyph::GetSplitterColor() {
  return ZQF_GetColorMetric(PaneColorMetric);
}

ZQR_Color ZQF_AdjustablePaneGlyph::GetBackgroundColor() {
  return ZQF_GetColorMetric(PaneColorMetric);
}

void ZQF_AdjustablePaneGlyph::SetPaneVisibility(long Code) {
  PaneVisibility = Code;
  if (IsInitialized()) Resize();
}

void ZQF_AdjustablePaneGlyph::SetPaneSplitterPosition(double Fraction) {
  SplitterPosition = std::min(MaximumSplitterPosition, std::max(MinimumSplitterPosition, Fraction));
  if (IsInitialized()) Resize();
}

// --- The bar under the mouse.

bool ZQF_AdjustablePaneGlyph::IsOverSplitter(const ZQF_MouseMessage& Message) const {
  ZQ_Rectangle<long> first, splitter, second;
  ComputeLayoutRects(first, splitter, second);
  return splitter.Contains(WindowToGlyph(Message.GetPosition()));
}

void ZQF_AdjustablePaneGlyph::HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleMouseSetCursor(Message, SecondTry);
  if (SecondTry || !IsOverSplitter(Message)) return;
  ZQR_Cursor::SetCursorToUse(
      ZQF_GetCursorMetric(IsHorizontal() ? ResizePaneEWCursor : ResizePaneNSCursor));
}

void ZQF_AdjustablePaneGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleMouseLeftDown(Message, SecondTry);
  if (!SecondTry || Message.IsHandled() || !IsOverSplitter(Message)) return;
  Util_HandleClickOnSeparator();
  Message.SetHandled();
}

ZQF_AdjustablePaneGlyph::SplitterDrag::SplitterDrag(ZQF_AdjustablePaneGlyph* Pane) : Pane(Pane) {
  const bool horizontal = Pane->IsHorizontal();
  const ZQ_Rectangle<long> box = Pane->WindowToScreen(Pane->GetBoundingBox());
  Origin = horizontal ? box.X : box.Y;
  Extent = horizontal ? box.Width : box.Height;
  BarPosition = RoundToPixels(Extent * Pane->SplitterPosition) + Origin;
  Limit = ZQ_Rectangle<long>::Intersection(box, ZQF_GetAreaMetric(WorkAreaMetric));
  const long nearTrim = RoundToPixels(Extent * Pane->MinimumSplitterPosition);
  const long farTrim = RoundToPixels(Extent * (1.0 - Pane->MaximumSplitterPosition));
  if (horizontal) {
    Limit.TrimLeft(nearTrim);
    Limit.TrimRight(farTrim);
  } else {
    Limit.TrimTop(nearTrim);
    Limit.TrimBottom(farTrim);
  }
}

void ZQF_AdjustablePaneGlyph::SplitterDrag::Finish(long Position, bool Cancelled) {
  // A cancelled drag leaves the bar where it was.
  if (Cancelled) return;
  Pane->SetPaneSplitterPosition(static_cast<double>(Position - Origin) / std::max(1L, Extent));
}

// --- Keys and commands.

void ZQF_AdjustablePaneGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (!SecondTry && !Message.IsHandled() && Message.GetKeyCode() == ZQF_Key_F6) {
    if (Message.MatchesModifierKeys(0, 1, 0)) {
      SelectPane(Direction_Next);
      Message.SetHandled();
    } else if (Message.MatchesModifierKeys(1, 1, 0)) {
      SelectPane(Direction_Previous);
      Message.SetHandled();
    }
  }
  ZQF_DrawableGlyph::HandleKey(Message, SecondTry);
}

long ZQF_AdjustablePaneGlyph::AnsweredAction(long Action) const {
  if (Action >= Action_ShowFirst && !PaneVisibilityCommandsEnabled) return Action_None;
  return Action;
}

void ZQF_AdjustablePaneGlyph::HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleCommand(Message, SecondTry);
  if (Message.IsHandled() || SecondTry) return;
  const long action = AnsweredAction(CommandAction(Message));
  if (action == Action_None) return;
  if (action < Action_ShowFirst) {
    SelectPane(action);
  } else {
    SetPaneVisibility(action - Action_ShowFirst);
  }
  Message.SetHandled();
}

void ZQF_AdjustablePaneGlyph::HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleUpdate(Message, SecondTry);
  if (Message.IsHandled() || SecondTry) return;
  const long action = AnsweredAction(UpdateAction(Message));
  if (action == Action_None) return;
  static_cast<ZQF_StandardCommandUpdateMessage&>(Message).SetEnabled(true);
  if (action >= Action_ShowFirst) {
    static_cast<ZQF_StandardToggleCommandUpdateMessage&>(Message).SetChecked(
        PaneVisibility == action - Action_ShowFirst);
  }
  Message.SetHandled();
}

// --- Focus cycling.

void ZQF_AdjustablePaneGlyph::SelectPane(long Direction) {
  if (Direction != Direction_Next && Direction != Direction_Previous) {
    ZQ_ASSERT_TEXT(false, "false");
    return;
  }
  std::vector<ZQF_Glyph*> panes;
  FindSelectablePanes(this, panes);
  if (panes.empty()) return;
  const size_t count = panes.size();
  size_t current = 0;
  while (current < count && !panes[current]->IsOnFocusPath()) ++current;
  if (current == count) current = 0;
  const size_t target =
      Direction == Direction_Next ? (current + 1) % count : (current + count - 1) % count;
  panes[target]->PutOnFocusPath();
}

void ZQF_AdjustablePaneGlyph::FindSelectablePanes(ZQF_Glyph* Glyph,
                                                  std::vector<ZQF_Glyph*>& Panes) {
  if (auto* pane = dynamic_cast<ZQF_AdjustablePaneGlyph*>(Glyph)) {
    AddSelectablePane(pane->FirstPane,
                      pane->FirstPaneSelectable && pane->PaneVisibility != Visibility_SecondOnly,
                      Panes);
    AddSelectablePane(pane->SecondPane,
                      pane->SecondPaneSelectable && pane->PaneVisibility != Visibility_FirstOnly,
                      Panes);
    return;
  }
  for (ZQF_Glyph* child = Glyph->GetFirstChild(); child; child = child->GetNextSibling()) {
    FindSelectablePanes(child, Panes);
  }
}

void ZQF_AdjustablePaneGlyph::AddSelectablePane(ZQF_Glyph* Pane, bool Selectable,
                                                std::vector<ZQF_Glyph*>& Panes) {
  if (!Selectable) return;
  const size_t before = Panes.size();
  FindSelectablePanes(Pane, Panes);
  // A pane without nested panes is itself the target.
  if (Panes.size() == before) Panes.push_back(Pane);
}
