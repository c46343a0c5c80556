// The text button: its size, its text and its mnemonic click.
#include "ZQF_StandardTextButtonGlyph.h"

#include <cstdint>

#include "ZQF_ActionQueue.h"
#include "ZQF_Canvas.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"

namespace {

unsigned long OwnerKeyOf(const void* Button) {
  return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(Button));
}

}  // namespace

ZQF_StandardTextButtonGlyph::ZQF_StandardTextButtonGlyph(const ZQ_String& Text, int ToggleMode,
                                                         int InitialState)
    : ZQF_StandardButtonGlyph(ToggleMode, InitialState), Text(Text) {}

ZQF_StandardTextButtonGlyph::~ZQF_StandardTextButtonGlyph() {
  // A pending mnemonic click must not reach the freed button.
  ZQF_ActionQueue::RemoveAllActions(OwnerKeyOf(this));
}

ZQ_Point<long> ZQF_StandardTextButtonGlyph::GetContentMargin() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap3Px); }

ZQ_Point<long> ZQF_StandardTextButtonGlyph::GetFocusIndicatorMargin() {
  return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px);
}

ZQR_ConcreteFont ZQF_StandardTextButtonGlyph::GetFont() { return ZQF_GetFontMetric(ZQF_FontMetric_Button); }

void ZQF_StandardTextButtonGlyph::SetText(const ZQ_String& NewText) {
  Text = NewText;
  QueueVisualStateUpdate();
}

ZQ_Point<long> ZQF_StandardTextButtonGlyph::MeasureText() {
  return ZQF_MeasureLabelText(GetFont(), Text);
}

void ZQF_StandardTextButtonGlyph::StandardButtonUpdateDesiredSize() {
  const ZQ_Point<long> size = MeasureText();
  DesiredSize.SetFixedX(size.X);
  DesiredSize.SetFixedY(size.Y);
  if (HorizontallyStretchable) DesiredSize.Maximum.X = StretchableMaximumWidth;
}

void ZQF_StandardTextButtonGlyph::StandardButtonDrawSelf(ZQF_Canvas& Canvas) {
  const ZQ_Point<long> size = MeasureText();
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  long x = 0;
  if (HorizontalAlignment == 1) x = (box.Width - size.X) / 2;
  if (HorizontalAlignment == 2) x = box.Width - size.X;
  const ZQ_Point<long> at(x, (box.Height - size.Y) / 2);
  Canvas.SetFont(GetFont());
  if (IsEnabled()) {
    Canvas.DrawLabel(Text, at);
  } else {
    Canvas.DrawLabelDisabled(Text, at);
  }
}

void ZQF_StandardTextButtonGlyph::HandleGenericMessage(ZQF_GenericMessage& Message,
                                                       bool SecondTry) {
  ZQF_StandardButtonGlyph::HandleGenericMessage(Message, SecondTry);
  if (!SecondTry && !Message.IsHandled()) ApplyMnemonic(Message);
}

bool ZQF_StandardTextButtonGlyph::ApplyMnemonic(ZQF_GenericMessage& Message) {
  auto* query = dynamic_cast<ZQF_MnemonicQueryMessage*>(&Message);
  if (!query || !query->MatchesLabel(Text)) return false;
  if (query->IsApply() && IsEnabled()) {
    // At the next idle time, as an up notification alone.
    ZQF_ButtonGlyph* button = this;
    ZQF_ActionQueue::QueueOnetimeAction(
        ZQ_Functor0(button, &ZQF_ButtonGlyph::ProcessUpOverButtonEvent), OwnerKeyOf(this), true);
  }
  // Marked also when only asked, so that counting queries see the match.
  query->SetHandled();
  return true;
}
