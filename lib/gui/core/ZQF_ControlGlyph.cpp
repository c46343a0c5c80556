// The control glyph: focus on press, repaint on focus change, grid queries.
#include "ZQF_ControlGlyph.h"

#include "ZQF_Canvas.h"
#include "ZQF_Caret.h"
#include "ZQF_GridInteractionQueryMessage.h"

void ZQF_ControlGlyph::SetComputesDesiredSize(bool Computes) {
  SetFlag(Flag_ComputesDesiredSize, Computes);
}

void ZQF_ControlGlyph::SetFocusable(bool Focusable) { SetFlag(Flag_Focusable, Focusable); }

void ZQF_ControlGlyph::HandleKeyboardInitiatedDialogFocusGain() {}

void ZQF_ControlGlyph::SetBorderStyle(int Code) {
  ControlFlags = (ControlFlags & ~(15UL << BorderShift)) |
                 ((static_cast<unsigned long>(Code) & 15) << BorderShift);
}

void ZQF_ControlGlyph::DrawControlBorder(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Rectangle) {
  Canvas.DrawBorder(Rectangle, GetBorderStyle(), GetBorderOption() ? 1 : 0);
}

void ZQF_ControlGlyph::SetFixedDesiredSize(const ZQ_Point<long>& Natural,
                                           const ZQ_Point<long>& Minimum,
                                           const ZQ_Point<long>& Maximum) {
  SetComputesDesiredSize(false);
  const bool stale = !DesiredSize.IsValid();
  DesiredSize.Natural = Natural;
  DesiredSize.Minimum = Minimum;
  DesiredSize.Maximum = Maximum;
  if (stale) DesiredSize.MakeStale();
}

void ZQF_ControlGlyph::FocusOnPress(bool SecondTry) {
  if (!SecondTry && IsFocusable() && IsEnabled()) PutOnFocusPath();
}

void ZQF_ControlGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  FocusOnPress(SecondTry);
  ZQF_DrawableGlyph::HandleMouseLeftDown(Message, SecondTry);
}

void ZQF_ControlGlyph::HandleMouseRightDown(ZQF_MouseMessage& Message, bool SecondTry) {
  FocusOnPress(SecondTry);
  ZQF_DrawableGlyph::HandleMouseRightDown(Message, SecondTry);
}

void ZQF_ControlGlyph::HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) {
  FocusOnPress(SecondTry);
  ZQF_DrawableGlyph::HandleMouseMiddleDown(Message, SecondTry);
}

void ZQF_ControlGlyph::HandleFocusChange(ZQF_FocusChangeMessage& Message, bool SecondTry) {
  if (!SecondTry) {
    if (!Message.IsGained()) ZQF_Caret::TurnOff();
    QueueVisualStateUpdate();
  }
  ZQF_DrawableGlyph::HandleFocusChange(Message, SecondTry);
}

void ZQF_ControlGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  using KeyQuery = ZQF_GridGlyph_ContainingGridInteractionQueryKeyMessage;
  using MouseQuery = ZQF_GridGlyph_ContainingGridInteractionQueryMouseMessage;
  if (!SecondTry) {
    if (KeyQuery* query = dynamic_cast<KeyQuery*>(&Message)) {
      if (IsOnFocusPath()) {
        query->Answer = 1;
      } else if (ZQF_IsNavigationKeyMessage(*query)) {
        query->Answer = 0;
      } else {
        PutOnFocusPath();
        HandleKeyboardInitiatedDialogFocusGain();
        query->Answer = 1;
      }
      query->SetHandled();
    }
  } else if (MouseQuery* query = dynamic_cast<MouseQuery*>(&Message)) {
    query->Answer = IsOnFocusPath() ? 1 : 0;
    query->SetHandled();
  }
  if (!Message.IsHandled()) ZQF_DrawableGlyph::HandleGenericMessage(Message, SecondTry);
}
