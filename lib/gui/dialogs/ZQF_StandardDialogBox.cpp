// The standard and the simple dialog box.
#include "ZQF_StandardDialogBox.h"

#include <cmath>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ApplicationLink.h"
#include "ZQF_ClientLabelGlyph.h"
#include "ZQF_DesiredSizeModificationGlyph.h"
#include "ZQF_DialogBoxManagerGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_Metrics.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQF_Validator.h"
#include "ZQF_WindowBorderGlyphOptionsSet.h"
#include "ZQ_Internationalization.h"

namespace {

// The widest a dialog button's size override lets it grow.
const long ButtonMaximumWidth = 0xAAAAAAA;
// Label left of its glyph.
const long ClientLabelPosition = 2;

bool IsBelow(unsigned Placement) { return Placement <= 2 || Placement == 6; }

}  // namespace

ZQF_StandardDialogBox::ZQF_StandardDialogBox(int Modality, const ZQ_String& Title,
                                             unsigned ButtonPlacement, bool UsesScroller)
    : ZQF_DialogBox(Modality, Title), ButtonPlacement(ButtonPlacement), UsesScroller(UsesScroller) {}

void ZQF_StandardDialogBox::Init_SetWindowBorderOptions(ZQF_WindowBorderGlyphOptionsSet* Options) {
  ZQF_DialogBox::Init_SetWindowBorderOptions(Options);
  Options->SetShowCloseButton(true);
}

ZQF_Glyph* ZQF_StandardDialogBox::Init_CreateClientGlyphTree() {
  ZQF_AlignmentGlyph* mainOrganizer = nullptr;
  if (IsRow()) {
    ButtonOrganizer = new ZQF_RowGlyph(0);
    mainOrganizer = new ZQF_ColumnGlyph(1);
  } else {
    ButtonOrganizer = new ZQF_ColumnGlyph(0);
    mainOrganizer = new ZQF_RowGlyph(0);
  }
  ButtonOrganizer->SetCrossAxisStretchMode(0);
  DefaultButton = nullptr;
  ClientControlScroller = nullptr;
  // From here on the manager owns everything built.
  DialogBoxManager = Init_CreateDialogBoxManager(mainOrganizer);
  ZQF_Glyph* manager = DialogBoxManager;
  try {
    Init_AddButtons();
    const unsigned placement = ButtonPlacement;
    const bool glueAtEnd = placement == 0 || placement == 1 || placement == 3 ||
                           placement == 4 || placement == 6;
    const bool glueAtStart = placement == 1 || placement == 2 || placement == 4 || placement == 5;
    auto makeGlue = [this]() -> ZQF_Glyph* {
      if (IsRow()) return new ZQF_HorizontalGlueGlyph();
      return new ZQF_VerticalGlueGlyph();
    };
    if (glueAtEnd) ButtonOrganizer->AddToEnd(makeGlue());
    if (glueAtStart) ButtonOrganizer->AddToStart(makeGlue());
    ZQF_MarginGlyph* buttonMargin = Init_CreateButtonOrganizerMargin(ButtonOrganizer);
    if (!IsBelow(placement)) mainOrganizer->AddToEnd(buttonMargin);
    ClientControlOrganizer = Init_CreateClientControlOrganizer();
    if (!UsesScroller) {
      mainOrganizer->AddToEnd(Init_DecorateClientArea(ClientControlOrganizer));
    } else {
      ClientControlScroller = Init_CreateClientControlScroller(ClientControlOrganizer);
      mainOrganizer->AddToEnd(Init_DecorateClientArea(ClientControlScroller));
      DialogBoxManager->SetClientControlScroller(ClientControlScroller);
    }
    if (IsBelow(placement)) mainOrganizer->AddToEnd(buttonMargin);
    Init_AddClientControls(ClientControlOrganizer);
  } catch (...) {
    delete manager;
    DialogBoxManager = nullptr;
    throw;
  }
  return DialogBoxManager;
}

ZQF_DialogBoxManagerGlyph* ZQF_StandardDialogBox::Init_CreateDialogBoxManager(
    ZQF_AlignmentGlyph* MainOrganizer) {
  return new ZQF_DialogBoxManagerGlyph(MainOrganizer, this);
}

ZQF_AlignmentGlyph* ZQF_StandardDialogBox::Init_CreateClientControlOrganizer() {
  return new ZQF_ColumnGlyph(0);
}

ZQF_MarginGlyph* ZQF_StandardDialogBox::Init_CreateButtonOrganizerMargin(
    ZQF_AlignmentGlyph* ButtonOrganizerGlyph) {
  if (ButtonPlacement <= 2) {
    return new ZQF_MarginGlyph(ButtonOrganizerGlyph, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).Y, 0, 0, 0, 0);
  }
  if (ButtonPlacement <= 5) {
    return new ZQF_MarginGlyph(ButtonOrganizerGlyph, 0, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y, 0, 0, 0);
  }
  if (ButtonPlacement == 6) {
    return new ZQF_MarginGlyph(ButtonOrganizerGlyph, 0, 0, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X, 0, 0);
  }
  return nullptr;
}

ZQF_ScrollingContainerGlyph* ZQF_StandardDialogBox::Init_CreateClientControlScroller(
    ZQF_AlignmentGlyph* ClientOrganizer) {
  return new ZQF_ScrollingContainerGlyph(
      ClientOrganizer, 0, 0, ZQF_ScrollingContainerGlyph::Policy_AsNeeded,
      ZQF_ScrollingContainerGlyph::Policy_AsNeeded, Cust_GetClientControlScrollerOptions(), 0, 0);
}

ZQ_Point<long> ZQF_StandardDialogBox::Cust_GetButtonSpacing() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px); }

void ZQF_StandardDialogBox::Init_AddButtons() {
  AddOKButton(nullptr, true);
  AddCancelButton(nullptr, false);
}

ZQF_ButtonGlyph* ZQF_StandardDialogBox::AddOKButton(ZQF_ButtonGlyph* Button, bool IsDefault,
                                                    const ZQ_Functor0& Callback) {
  if (!Button) {
    Button = new ZQF_StandardTextButtonGlyph(ZQ_Internationalization_Translate(ZQ_String("&OK")),
                                             ZQF_ButtonGlyph::ToggleMode_OneState,
                                             ZQF_ButtonGlyph::State_Up);
  }
  // Through the virtual table: a subclass's override runs.
  const ZQ_Functor0 callback =
      Callback.IsEmpty() ? ZQ_Functor0(this, &ZQF_StandardDialogBox::RespondToOKButton) : Callback;
  return AddButton(Button, IsDefault, callback);
}

ZQF_ButtonGlyph* ZQF_StandardDialogBox::AddCancelButton(ZQF_ButtonGlyph* Button, bool IsDefault,
                                                        const ZQ_Functor0& Callback) {
  if (!Button) {
    Button = new ZQF_StandardTextButtonGlyph(
        ZQ_Internationalization_Translate(ZQ_String("&Cancel")),
        ZQF_ButtonGlyph::ToggleMode_OneState, ZQF_ButtonGlyph::State_Up);
  }
  const ZQ_Functor0 callback =
      Callback.IsEmpty() ? ZQ_Functor0(this, &ZQF_StandardDialogBox::RespondToCancelButton)
                         : Callback;
  return AddButton(Button, IsDefault, callback);
}

ZQF_ButtonGlyph* ZQF_StandardDialogBox::AddButton(const ZQ_String& Label, bool IsDefault,
                                                  const ZQ_Functor0& Callback) {
  return AddButton(new ZQF_StandardTextButtonGlyph(Label, ZQF_ButtonGlyph::ToggleMode_OneState,
                                                   ZQF_ButtonGlyph::State_Up),
                   IsDefault, Callback);
}

ZQF_ButtonGlyph* ZQF_StandardDialogBox::AddButton(ZQF_ButtonGlyph* Button, bool IsDefault,
                                                  const ZQ_Functor0& Callback) {
  const bool isFirst = DefaultButton == nullptr;
  if (!isFirst) AddButtonSpacer(1.0);
  ZQF_Glyph* framed = Button;
  if (IsRow()) {
    auto* sizeOverride = new ZQF_DesiredSizeModificationGlyph(
        Button, ZQF_DesiredSizeModificationGlyph::Option_KeepMaximumX);
    sizeOverride->SetHorizontalDesiredSize(0, 0, ButtonMaximumWidth);
    framed = sizeOverride;
  }
  ButtonOrganizer->AddToEnd(new DialogBoxButtonFrameGlyph(framed, Button, DialogBoxManager));
  if (IsDefault || isFirst) {
    DefaultButton = Button;
    Button->PutOnFocusPath();
  }
  DialogBoxManager->RegisterButton(Button, Callback, IsDefault);
  return Button;
}

void ZQF_StandardDialogBox::AddButtonSpacer(double Factor) {
  const ZQ_Point<long> spacing = Cust_GetButtonSpacing();
  // Halves round down.
  const auto size = [Factor](long Pixels) {
    return static_cast<long>(std::ceil(Factor * Pixels - 0.5));
  };
  if (IsRow()) {
    ButtonOrganizer->AddToEnd(new ZQF_HorizontalGlueGlyph(size(spacing.X)));
  } else {
    ButtonOrganizer->AddToEnd(new ZQF_VerticalGlueGlyph(size(spacing.Y)));
  }
}

ZQF_ButtonGlyph* ZQF_StandardDialogBox::GetDefaultDefaultButton() {
  ZQ_ASSERT_TEXT(DialogBoxManager != nullptr, "DialogBoxManager");
  return DialogBoxManager ? DialogBoxManager->GetDefaultButton() : nullptr;
}

void ZQF_StandardDialogBox::Init_InitializeData() {
  Init_PrepareData();
  Init_LoadControls();
}

ZQF_ControlGlyph* ZQF_StandardDialogBox::Init_GetInitiallySelectedControl() {
  ZQF_ControlGlyph* first = DialogBoxManager->GetFirstControl();
  ZQF_ButtonGlyph* designated = DialogBoxManager->GetDefaultButton();
  if (first && DialogBoxManager->IsDialogButton(first) && designated && designated != first) {
    return designated;
  }
  return first;
}

void ZQF_StandardDialogBox::Init_SelectInitialControl() {
  if (ZQF_ControlGlyph* control = Init_GetInitiallySelectedControl()) {
    DialogBoxManager->SelectControl(control);
  }
}

void ZQF_StandardDialogBox::ValidateControls() { ZQF_InsureValidated(DialogBoxManager); }

void ZQF_StandardDialogBox::RespondToOKButton() {
  ValidateControls();
  SaveControls();
  Close();
  ZQF_ApplicationLink_YieldToMessageLoop(nullptr);
  PerformApply();
}

void ZQF_StandardDialogBox::RespondToCancelButton() {
  Cust_RespondToCancel();
  SetCancelled(true);
  Close();
  ZQF_ApplicationLink_YieldToMessageLoop(nullptr);
  if (Applied) PerformApply();
}

void ZQF_StandardDialogBox::RespondToApplyButton() {
  Applied = true;
  ValidateControls();
  SaveControls();
  PerformApply();
}

void ZQF_StandardDialogBox::HandleContainingWindowCloseCommand() { RespondToCancelButton(); }

// --- ZQF_SimpleDialogBox

ZQF_SimpleDialogBox::ZQF_SimpleDialogBox(const ZQ_String& Title, unsigned ButtonPlacement,
                                         bool UsesScroller)
    : ZQF_StandardDialogBox(ZQF_DialogBoxModality_Modal, Title, ButtonPlacement, UsesScroller) {}

ZQF_SimpleDialogBox::~ZQF_SimpleDialogBox() {
  try {
    Close();
  } catch (...) {
    // The close steps are best effort here; the glyphs go in any case.
  }
  for (auto i = ClientGlyphs.GetIterator(); i.IsValid(); i.Advance()) {
    if (!(*i)->GetParent()) delete *i;
  }
}

void ZQF_SimpleDialogBox::Close() {
  ZQF_StandardDialogBox::Close();
  for (auto i = ClientGlyphs.GetIterator(); i.IsValid(); i.Advance()) {
    if (ZQF_Glyph* parent = (*i)->GetParent()) parent->RemoveChild(*i);
  }
}

long ZQF_SimpleDialogBox::Cust_GetClientRowSpacing() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px).Y; }

void ZQF_SimpleDialogBox::AddToClientArea(ZQF_Glyph* Glyph, const ZQ_String& Label) {
  ClientGlyphs.Append(Glyph);
  ClientLabels.Append(Label);
}

void ZQF_SimpleDialogBox::Init_AddClientControls(ZQF_AlignmentGlyph* Organizer) {
  Init_BeforeAddClientControls();
  Organizer->SetSpacing(Cust_GetClientRowSpacing());
  auto glyphs = ClientGlyphs.GetIterator();
  auto labels = ClientLabels.GetIterator();
  ZQ_ASSERT_TEXT(glyphs.IsValid(), "ClientGlyphIter");
  for (; glyphs.IsValid(); glyphs.Advance(), labels.Advance()) {
    ZQ_ASSERT_TEXT(labels.IsValid(), "ClientLabelIter");
    ZQF_Glyph* glyph = *glyphs;
    const ZQ_String& label = *labels;
    if (label.IsEmpty()) {
      Organizer->AddToEnd(glyph);
    } else {
      Organizer->AddToEnd(new ZQF_StoredTextClientLabelGlyph(glyph, label, ClientLabelPosition));
    }
  }
}

void ZQF_SimpleDialogBox::Init_AddButtons() {
  AddOKButton(nullptr, true);
  if (ShowCancelButton) AddCancelButton(nullptr, false);
}
