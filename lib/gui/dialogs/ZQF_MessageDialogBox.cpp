// Message boxes: the general one, the standard kinds and the error box about
// glyphs; and the glyph core's message-box link.
#include "ZQF_MessageDialogBox.h"

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_BitmapGlyph.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_MessageBoxLink.h"
#include "ZQF_Metrics.h"
#include "ZQF_RedTintContainerGlyph.h"
#include "ZQF_SimpleBreakingTextDisplayGlyph.h"
#include "ZQF_StandardDialogBox.h"
#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"

namespace {

using ButtonInfo = ZQF_SimpleMessageDialogBoxImp::ButtonInfoStruct;

// The dialog one run of a message box shows.
class ConcreteSimpleMessageDialogBox : public ZQF_StandardDialogBox {
 public:
  explicit ConcreteSimpleMessageDialogBox(ZQF_SimpleMessageDialogBoxImp* Imp)
      : ZQF_StandardDialogBox(ZQF_DialogBoxModality_Modal, Imp->Title,
                              ZQF_ButtonPlacement_BelowCentered, false),
        Imp(Imp) {}

  void Init_AddClientControls(ZQF_AlignmentGlyph* Organizer) override {
    auto* text = new ZQF_SimpleBreakingTextDisplayGlyph(Imp->Text);
    text->SetBreakingMode(0);
    auto* row = new ZQF_RowGlyph(1);
    row->AddToRight(text);
    if (Imp->HasIcon) {
      row->SetSpacing(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).X);
      row->AddToLeft(new ZQF_BitmapGlyph(Imp->Icon, false));
    }
    auto* border = new ZQF_BorderGlyph(row, ZQ_String(), 0, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px), 6, 0);
    const ZQ_Point<long> side = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px);
    const ZQ_Point<long> topBottom = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px);
    Organizer->AddToStart(
        new ZQF_MarginGlyph(border, topBottom.Y, topBottom.Y, side.X, side.X, 0));
  }

  void Init_AddButtons() override {
    for (auto i = Imp->Buttons.GetIterator(); i.IsValid(); i.Advance()) {
      ButtonInfo& info = *i;
      info.Button = new ZQF_StandardTextButtonGlyph(info.Label, ZQF_ButtonGlyph::ToggleMode_OneState,
                                                    ZQF_ButtonGlyph::State_Up);
      AddButton(info.Button, info.IsDefault, ZQ_Functor0());
    }
  }

  ZQF_ControlGlyph* Init_GetInitiallySelectedControl() override {
    return GetDefaultDefaultButton();
  }

  bool RespondToButtonPress(ZQF_ButtonGlyph* Button) override {
    for (auto i = Imp->Buttons.GetIterator(); i.IsValid(); i.Advance()) {
      if (i->Button != Button) continue;
      if (i->IsCancel) {
        RespondToCancelButton();
      } else {
        Imp->Result = i->Result;
        Close();
      }
      return true;
    }
    return false;
  }

 private:
  ZQF_SimpleMessageDialogBoxImp* Imp;
};

void ShowCoreMessage(const ZQ_String& Text, const ZQ_String& Title, int Kind) {
  ZQF_MessageDialogBox box(Text, Title, Kind, ZQF_MessageDialogBox::SelectedButton_OK, false);
  try {
    box.Run();
  } catch (ZQ_CancelCurrentOperationException&) {
    // Escape or the close button: the message was seen.
  }
}

// The glyph core shows its messages in our boxes from the start.
const ZQF_MessageBoxFunction s_registered = ZQF_MessageBoxLink_Register(&ShowCoreMessage);

}  // namespace

// --- ZQF_SimpleMessageDialogBoxImp

ZQF_SimpleMessageDialogBoxImp::ZQF_SimpleMessageDialogBoxImp()
    : Icon(ZQR_Bitmap(), ZQR_Color(0xC0, 0xC0, 0xC0)) {}

void ZQF_SimpleMessageDialogBoxImp::Run() {
  for (auto i = Buttons.GetIterator(); i.IsValid(); i.Advance()) i->Button = nullptr;
  ConcreteSimpleMessageDialogBox dialog(this);
  for (auto i = PreciousAreas.GetIterator(); i.IsValid(); i.Advance()) dialog.AddPreciousArea(*i);
  dialog.Run();
}

// --- ZQF_SimpleMessageDialogBox

ZQF_SimpleMessageDialogBox::ZQF_SimpleMessageDialogBox() : Imp(new ZQF_SimpleMessageDialogBoxImp) {}

ZQF_SimpleMessageDialogBox::~ZQF_SimpleMessageDialogBox() { delete Imp; }

void ZQF_SimpleMessageDialogBox::SetBitmap(int Kind) {
  if (Kind < ZQF_MessageKind_Question || Kind > ZQF_MessageKind_Error) {
    ZQ_ASSERT_TEXT(false, "false");
    return;
  }
  SetBitmap(ZQR_TransparentBitmap(ZQF_GetBitmapMetric(ZQF_BitmapMetric_Question + Kind), ZQR_Color(0xC0, 0xC0, 0xC0)));
}

void ZQF_SimpleMessageDialogBox::SetBitmap(const ZQR_TransparentBitmap& Icon) {
  Imp->Icon = Icon;
  Imp->HasIcon = true;
}

void ZQF_SimpleMessageDialogBox::AddButton(const ZQ_String& Label, long Result, bool IsDefault) {
  ButtonInfo info;
  info.Label = ZQ_Internationalization_Translate(Label);
  info.Result = Result;
  info.IsDefault = IsDefault;
  Imp->Buttons.Append(info);
}

void ZQF_SimpleMessageDialogBox::AddCancelButton(const ZQ_String& Label, long Result,
                                                 bool IsDefault) {
  AddButton(Label, Result, IsDefault);
  Imp->Buttons.GetTail().IsCancel = true;
}

void ZQF_SimpleMessageDialogBox::SetDefaultButton(long Result) {
  for (auto i = Imp->Buttons.GetIterator(); i.IsValid(); i.Advance()) {
    i->IsDefault = i->Result == Result;
  }
}

// --- ZQF_MessageDialogBox

ZQF_MessageDialogBox::ZQF_MessageDialogBox(const ZQ_String& Text, const ZQ_String& Title,
                                           int Kind, long InitiallySelectedButton,
                                           bool ShowCancelButton) {
  ZQ_ASSERT_TEXT(ShowCancelButton || InitiallySelectedButton != SelectedButton_Cancel,
                 "ShowCancelButton or (InitiallySelectedButton != SelectedButton_Cancel)");
  SetText(Text);
  SetTitle(Title.IsEmpty() ? ZQ_GetApplicationMetrics().GetApplicationName() : Title);
  SetBitmap(Kind);
  AddButton(ZQ_Internationalization_Translate(ZQ_String("&OK")), SelectedButton_OK, false);
  if (ShowCancelButton) {
    AddCancelButton(ZQ_Internationalization_Translate(ZQ_String("&Cancel")),
                    SelectedButton_Cancel, false);
  }
  SetDefaultButton(InitiallySelectedButton);
}

// --- ZQF_ErrorMessageDialogBox

ZQF_ErrorMessageDialogBox::ZQF_ErrorMessageDialogBox(const ZQ_String& Title, const ZQ_String& Text,
                                                     ZQF_Glyph* InvalidGlyph, int Kind,
                                                     long InitiallySelectedButton)
    : ZQF_MessageDialogBox(Text,
                           ZQ_GetApplicationMetrics().GetApplicationName() + ZQ_String(": ") + Title,
                           Kind, InitiallySelectedButton, false) {
  if (InvalidGlyph) InvalidGlyphs.Append(InvalidGlyph);
}

void ZQF_ErrorMessageDialogBox::Run() {
  for (auto i = InvalidGlyphs.GetIterator(); i.IsValid(); i.Advance()) (*i)->MakeVisible();
  ZQ_List<ZQF_RedTintContainerGlyph*> tints;
  for (auto i = InvalidGlyphs.GetIterator(); i.IsValid(); i.Advance()) {
    ZQF_Glyph* glyph = *i;
    if (glyph->GetParent()) {
      auto* tint = new ZQF_RedTintContainerGlyph(nullptr);
      tint->SpliceInToContain(glyph);
      tints.Append(tint);
    }
    AddPreciousArea(glyph->WindowToScreen(glyph->GlyphToWindow(glyph->GetLocalBoundingBox())));
  }
  const auto removeTints = [&tints]() {
    for (auto i = tints.GetIterator(); i.IsValid(); i.Advance()) {
      (*i)->SpliceOut();
      delete *i;
    }
    tints.RemoveAll();
  };
  try {
    ZQF_MessageDialogBox::Run();
  } catch (...) {
    removeTints();
    if (!InvalidGlyphs.IsEmpty()) InvalidGlyphs.GetHead()->PutOnFocusPath();
    throw;
  }
  removeTints();
  if (!InvalidGlyphs.IsEmpty()) InvalidGlyphs.GetHead()->PutOnFocusPath();
}
