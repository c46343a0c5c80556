// The standard button's frame, face, focus indicator and tooltip.
#include "ZQF_StandardButtonGlyph.h"

#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_TooltipsMessage.h"

namespace {

// Runs Restore when the scope ends, also by an exception.
template <class Restore>
class ScopeRestorer {
 public:
  explicit ScopeRestorer(Restore R) : R(R) {}
  ScopeRestorer(const ScopeRestorer&) = delete;
  ScopeRestorer& operator=(const ScopeRestorer&) = delete;
  ~ScopeRestorer() { R(); }

 private:
  Restore R;
};

ZQ_Rectangle<long> Local(const ZQ_Rectangle<long>& Box) {
  return ZQ_Rectangle<long>(0, 0, Box.Width, Box.Height);
}

}  // namespace

ZQF_StandardButtonGlyph::ZQF_StandardButtonGlyph(int ToggleMode, int InitialState)
    : ZQF_ButtonGlyph(ToggleMode, InitialState, AutorepeatMode_None) {}

int ZQF_StandardButtonGlyph::GetUpBorderCode() { return 5; }
int ZQF_StandardButtonGlyph::GetDownBorderCode() { return 3; }

void ZQF_StandardButtonGlyph::UpdateMyDesiredSize() {
  if (!GetComputesDesiredSize()) {
    DesiredSize.MakeValid();
    return;
  }
  StandardButtonUpdateDesiredSize();
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(GetUpBorderCode());
  const ZQ_Point<long> margin = GetContentMargin();
  DesiredSize = DesiredSize + ZQ_Point<long>(2 * (border.X + margin.X), 2 * (border.Y + margin.Y));
}

void ZQF_StandardButtonGlyph::SetBoxForDrawing(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Box) {
  SetBoundingBox(Box);
  Canvas.SetOrigin(Box.GetTopLeft());
}

void ZQF_StandardButtonGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  const bool pressed = IsDrawnPressed();
  Canvas.DrawBorder(GetLocalBoundingBox(), pressed ? GetDownBorderCode() : GetUpBorderCode(),
                    GetBorderOption() ? 1 : 0);
  const ZQ_Rectangle<long> whole = GetBoundingBox();
  // The glyph's box stands for the part being drawn until the end.
  const auto restore = [&] { SetBoxForDrawing(Canvas, whole); };
  const ScopeRestorer<decltype(restore)> restorer(restore);
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(GetUpBorderCode());
  ZQ_Rectangle<long> face = whole;
  face.Deflate(border.X, border.Y);
  SetBoxForDrawing(Canvas, face);
  Canvas.Fill(Local(face), ZQF_GetColorMetric(ZQF_ColorMetric_ButtonFace));
  if (pressed) {
    const ZQ_Point<long> shift = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px);
    face.X += shift.X;
    face.Y += shift.Y;
    SetBoxForDrawing(Canvas, face);
  }
  Canvas.SetBackgroundColor(ZQF_GetColorMetric(ZQF_ColorMetric_ButtonFace));
  Canvas.SetTextColor(ZQF_GetColorMetric(ZQF_ColorMetric_ButtonText));
  Canvas.SetFont(ZQF_GetFontMetric(ZQF_FontMetric_Button));
  if (Canvas.IsOnFocusPath()) {
    ZQ_Rectangle<long> focus = Local(face);
    const ZQ_Point<long> margin = GetFocusIndicatorMargin();
    focus.Deflate(margin.X, margin.Y);
    Canvas.DrawFocusIndicator(focus);
  }
  ZQ_Rectangle<long> content = face;
  const ZQ_Point<long> margin = GetContentMargin();
  content.Deflate(margin.X, margin.Y);
  SetBoxForDrawing(Canvas, content);
  Clip(Canvas, Clip_Self);
  StandardButtonDrawSelf(Canvas);
}

void ZQF_StandardButtonGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  if (SecondTry && !Message.IsHandled() && TooltipText.GetLength() != 0) {
    if (ZQF_TooltipsMessage* query = dynamic_cast<ZQF_TooltipsMessage*>(&Message)) {
      query->SetText(TooltipText);
      query->SetHandled();
    }
  }
  if (!Message.IsHandled()) ZQF_ButtonGlyph::HandleGenericMessage(Message, SecondTry);
}
