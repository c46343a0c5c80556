// Check boxes: picture, geometry, size, drawing, presses, keys, mnemonics;
// and the check-box group's arrow keys.
#include "ZQF_CheckBoxGlyph.h"

#include <algorithm>

#include "ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h"
#include "ZQF_Canvas.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Message.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQ_Assertion.h"

namespace {


ZQ_Rectangle<long> Grown(ZQ_Rectangle<long> Rectangle, const ZQ_Point<long>& By) {
  Rectangle.Inflate(By.X, By.Y);
  return Rectangle;
}

}  // namespace

ZQF_CheckBoxGlyph::ZQF_CheckBoxGlyph(const ZQ_String& Label, bool ThreeState, int InitialState)
    : ZQF_ButtonGlyph(ThreeState ? ToggleMode_ThreeState : ToggleMode_TwoState, InitialState, 0),
      Label(Label) {}

void ZQF_CheckBoxGlyph::SetChecked(bool Checked, bool Notify) {
  SetState(Checked ? State_Down : State_Up, Notify);
}

int ZQF_CheckBoxGlyph::GetPictureKey(int Base) const {
  const int look = IsDisabled() ? 2 : (IsPressedLook() ? 1 : 0);
  return Base + 3 * look + static_cast<int>(GetState());
}

const ZQR_Bitmap& ZQF_CheckBoxGlyph::GetBitmap() {
  return ZQF_GetBitmapMetric(GetPictureKey(ZQF_BitmapMetric_CheckBoxUp));
}

ZQ_Point<long> ZQF_CheckBoxGlyph::GetPictureSize() { return GetBitmap().GetSize(); }

ZQ_Point<long> ZQF_CheckBoxGlyph::Cust_ComputeLabelSize() {
  return ZQF_MeasureLabelText(ZQF_GetFontMetric(ZQF_FontMetric_Button), Label);
}

void ZQF_CheckBoxGlyph::GetLayoutRectangles(ZQ_Rectangle<long>& BoxRect,
                                            ZQ_Rectangle<long>& LabelRect,
                                            ZQ_Rectangle<long>& HotArea) {
  const ZQ_Point<long> picture = GetPictureSize();
  const long height = GetBoundingBox().Height;
  if (Label.GetLength() == 0) {
    BoxRect = ZQ_Rectangle<long>(0, 0, picture.X, picture.Y);
    BoxRect.CenterIn(GetLocalBoundingBox());
    if (BoxAtStart) BoxRect.X = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X;
    LabelRect = BoxRect;
  } else {
    BoxRect = ZQ_Rectangle<long>(0, std::max(0L, (height - picture.Y) / 2), picture.X, picture.Y);
    const ZQ_Point<long> text = Cust_ComputeLabelSize();
    LabelRect = ZQ_Rectangle<long>(picture.X + ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X,
                                   std::max(0L, (height - text.Y) / 2), text.X, text.Y);
  }
  HotArea = Grown(ZQ_Rectangle<long>::Union(BoxRect, LabelRect), ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px));
}

void ZQF_CheckBoxGlyph::UpdateMyDesiredSize() {
  if (!GetComputesDesiredSize()) {
    DesiredSize.MakeValid();
    return;
  }
  const ZQ_Point<long> picture = GetPictureSize();
  const ZQ_Point<long> edge = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px), margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap3Px),
                       gap = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px);
  ZQ_Point<long> size;
  if (Label.GetLength() != 0) {
    const ZQ_Point<long> text = Cust_ComputeLabelSize();
    size = ZQ_Point<long>(gap.X + picture.X + text.X + margin.X,
                          std::max(picture.Y, text.Y + 2 * margin.Y));
  } else if (BoxAtStart) {
    size = ZQ_Point<long>(edge.X + picture.X + gap.X, 2 * edge.Y + picture.Y);
  } else {
    size = ZQ_Point<long>(picture.X + 2 * margin.X, picture.Y + 2 * margin.Y);
  }
  DesiredSize.SetFixedX(size.X);
  DesiredSize.SetFixedY(size.Y);
}

void ZQF_CheckBoxGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  Canvas.SetFont(ZQF_GetFontMetric(ZQF_FontMetric_Button));
  Canvas.SetTextColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelText));
  Canvas.SetBackgroundColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  Canvas.Fill(GetLocalBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  ZQ_Rectangle<long> box, label, hot;
  GetLayoutRectangles(box, label, hot);
  const ZQR_Bitmap& picture = GetBitmap();
  Canvas.Draw(picture, ZQ_Point<long>(box.X, box.Y), picture.GetSize());
  if (Label.GetLength() != 0) {
    Cust_DrawLabel(Canvas, label);
  } else if (Canvas.IsOnFocusPath()) {
    Canvas.DrawFocusIndicator(Grown(box, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px)));
  }
}

void ZQF_CheckBoxGlyph::Cust_DrawLabel(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Rectangle) {
  const ZQ_Point<long> origin(Rectangle.X, Rectangle.Y);
  if (IsEnabled()) {
    Canvas.DrawLabel(Label, origin);
  } else {
    Canvas.DrawLabelDisabled(Label, origin);
  }
  if (Canvas.IsOnFocusPath()) Canvas.DrawFocusIndicator(Grown(Rectangle, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px)));
}

bool ZQF_CheckBoxGlyph::IsInHotArea(const ZQF_MouseMessage& Message) {
  ZQ_Rectangle<long> box, label, hot;
  GetLayoutRectangles(box, label, hot);
  return hot.Contains(WindowToGlyph(Message.GetPosition()));
}

void ZQF_CheckBoxGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  if (IsInHotArea(Message)) ZQF_ButtonGlyph::HandleMouseLeftDown(Message, SecondTry);
}

void ZQF_CheckBoxGlyph::HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) {
  if (IsInHotArea(Message)) ZQF_ButtonGlyph::HandleMouseLeftDoubleClick(Message, SecondTry);
}

void ZQF_CheckBoxGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (Message.GetKeyCode() != ZQF_Key_Enter) ZQF_ButtonGlyph::HandleKey(Message, SecondTry);
}

void ZQF_CheckBoxGlyph::HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) {
  if (Message.GetKeyCode() != ZQF_Key_Enter) ZQF_ButtonGlyph::HandleKeyUp(Message, SecondTry);
}

void ZQF_CheckBoxGlyph::HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) {
  ZQF_ButtonGlyph::HandleGenericMessage(Message, SecondTry);
  if (SecondTry || Message.IsHandled()) return;
  const auto* query = dynamic_cast<ZQF_MnemonicQueryMessage*>(&Message);
  if (!query || !query->MatchesLabel(Label)) return;
  Message.SetHandled();
  if (query->IsApply() && IsEnabled()) ProcessUpOverButtonEvent();
}

// --- Groups.

int ZQF_GetGroupArrowKeyStep(const ZQF_KeyMessage& Message) {
  switch (Message.GetKeyCode()) {
    case ZQF_Key_Left:
    case ZQF_Key_Up:
      return -1;
    case ZQF_Key_Right:
    case ZQF_Key_Down:
      return 1;
    default:
      return 0;
  }
}

void ZQF_FinishGroupArrowKey(ZQF_Glyph* Group, ZQF_KeyMessage& Message) {
  ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage indicators;
  Group->Dispatch(indicators);
  Message.SetHandled();
}

ZQF_Glyph* ZQF_CheckBoxGroupGlyph::FindEnabledControl(ZQF_Glyph* From, bool Forward) const {
  ZQF_Glyph* g = From;
  for (;;) {
    g = Forward ? g->GetNextSibling() : GetChildBefore(g);
    if (!g || !dynamic_cast<ZQF_ControlGlyph*>(g)) return nullptr;
    if (g->IsEnabled()) return g;
  }
}

void ZQF_CheckBoxGroupGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  ZQF_Glyph* focus = GetFocusChild();
  const int step = ZQF_GetGroupArrowKeyStep(Message);
  if (!SecondTry || !focus || step == 0) {
    ZQF_ColumnGlyph::HandleKey(Message, SecondTry);
    return;
  }
  ZQ_ASSERT_TEXT(dynamic_cast<ZQF_ControlGlyph*>(focus), "CG");
  if (ZQF_Glyph* next = FindEnabledControl(focus, step > 0)) next->PutOnFocusPath();
  ZQF_FinishGroupArrowKey(this, Message);
}
