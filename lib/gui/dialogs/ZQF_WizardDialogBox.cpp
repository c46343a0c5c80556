// The wizard dialog and its pages.
#include "ZQF_WizardDialogBox.h"

#include "ZQF_DesiredSizeModificationGlyph.h"
#include "ZQF_DialogBoxManagerGlyph.h"
#include "ZQF_ImageDisplayGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_NullContainerGlyph.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQF_Validator.h"
#include "ZQIMGIO.h"
#include "ZQ_Internationalization.h"

namespace {

// Natural, minimum and maximum kept from the wrapper on both axes.
const unsigned long PageSizeOptions = 0xC99;
const long PageMaximumSize = 0x20000000;

ZQF_StandardTextButtonGlyph* MakeButton(const char* Key) {
  return new ZQF_StandardTextButtonGlyph(ZQ_Internationalization_Translate(ZQ_String(Key)),
                                         ZQF_ButtonGlyph::ToggleMode_OneState,
                                         ZQF_ButtonGlyph::State_Up);
}

// The notification every page gets when its client has been built.
ZQF_NotificationMessage& SharedNotification() {
  static ZQF_StandardNotificationMessage s_message;
  return s_message;
}

}  // namespace

// --- ZQF_WizardDialogBoxPage

ZQF_Glyph* ZQF_WizardDialogBoxPage::CreateClient(ZQF_NotificationMessage& Shared) {
  auto* column = new ZQF_ColumnGlyph(0);
  auto* sized = new ZQF_DesiredSizeModificationGlyph(column, PageSizeOptions);
  try {
    Init_AddControls(column);
    column->Initialize();
    const ZQ_Rectangle<long>& workArea = ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea);
    sized->SetHorizontalDesiredSize(4 * workArea.Width / 3, workArea.Width / 2, PageMaximumSize);
    sized->SetVerticalDesiredSize(2 * workArea.Height / 3, workArea.Height / 5, PageMaximumSize);
    Init_LoadControls();
    HandleNotification(Shared);
  } catch (...) {
    delete sized;
    throw;
  }
  return sized;
}

// --- ZQF_WizardDialogBox

ZQF_WizardDialogBox::ZQF_WizardDialogBox(const ZQ_String& Title, ZQF_WizardDialogBoxPage* FirstPage)
    : ZQF_StandardDialogBox(ZQF_DialogBoxModality_Modal, Title, ZQF_ButtonPlacement_BelowRight, false),
      FirstPage(FirstPage) {}

ZQF_WizardDialogBox::~ZQF_WizardDialogBox() = default;

void ZQF_WizardDialogBox::Init_AddButtons() {
  BackButton = MakeButton("ZQF_WizardDialogBox-:-&Back");
  AddButton(BackButton, false, ZQ_Functor0(this, &ZQF_WizardDialogBox::RespondToBackButton));
  NextButton = MakeButton("ZQF_WizardDialogBox-:-&Next");
  AddButton(NextButton, true, ZQ_Functor0(this, &ZQF_WizardDialogBox::RespondToProceedButton));
  AddCancelButton(nullptr, false);
}

ZQF_AlignmentGlyph* ZQF_WizardDialogBox::Init_CreateClientControlOrganizer() {
  auto* organizer = new ZQF_WizardDialogBoxPrimaryOrganizerGlyph(this);
  organizer->SetSpacing(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X);
  return organizer;
}

void ZQF_WizardDialogBox::Init_AddClientControls(ZQF_AlignmentGlyph* Organizer) {
  ImageDisplay = nullptr;
  if (Cust_DisplayWizardImage()) {
    ImageDisplay = new ZQF_ImageDisplayGlyph(Cust_GetWizardImage());
    Organizer->AddToEnd(ImageDisplay);
  }
  PageArea = new ZQF_ChangeableClientNullContainerGlyph();
  Organizer->AddToEnd(PageArea);
  // Each run starts again at the first page.
  PageStack.RemoveAll();
  PushPage(FirstPage);
}

ZQIMG_Image ZQF_WizardDialogBox::Cust_GetWizardImage() {
  static const ZQIMG_Image s_picture = ZQIMGIO_LoadFromResource(ZQ_String("ZQF_STANDARDWIZARDIMAGE"));
  return s_picture;
}

ZQF_WizardDialogBoxPage* ZQF_WizardDialogBox::GetCurrentPage() {
  return PageStack.IsEmpty() ? nullptr : PageStack.GetTop();
}

void ZQF_WizardDialogBox::PushPage(ZQF_WizardDialogBoxPage* Page) {
  PageStack.Push(Page);
  DisplayCurrentPage();
}

void ZQF_WizardDialogBox::PopPage() {
  PageStack.Pop();
  DisplayCurrentPage();
}

void ZQF_WizardDialogBox::DisplayCurrentPage() {
  ZQF_WizardDialogBoxPage* page = GetCurrentPage();
  PageArea->SetClient(page ? page->CreateClient(SharedNotification()) : nullptr,
                      ZQF_ChangeableClientNullContainerGlyph::Disposal_Delete);
  UpdateBackButtonEnabledStatus();
  UpdateNextButtonEnabledStatus();
  if (Cust_DisplayWizardImage()) {
    ZQ_ASSERT_TEXT(ImageDisplay != nullptr, "ImageDisplay");
    if (ImageDisplay) ImageDisplay->SetImage(GetWizardImage());
  }
  SelectFirstPageControl();
}

void ZQF_WizardDialogBox::SelectFirstPageControl() {
  if (!GetWindow() || !GetDialogBoxManager()) return;
  ZQF_ControlGlyph* first = ZQF_DialogActionGlyph::GetFirstControl(PageArea);
  if (!first && NextButton->IsEnabled()) first = NextButton;
  if (first) GetDialogBoxManager()->SelectControl(first);
}

void ZQF_WizardDialogBox::UpdateBackButtonEnabledStatus() {
  BackButton->SetEnabled(PageStack.GetNumElements() > 1);
}

void ZQF_WizardDialogBox::UpdateNextButtonEnabledStatus() {
  ZQF_WizardDialogBoxPage* page = GetCurrentPage();
  NextButton->SetEnabled(page && page->Cust_CanProceedToNextPage());
  const char* key = page && page->IsLastPage ? "ZQF_WizardDialogBox-:-&Finish"
                                             : "ZQF_WizardDialogBox-:-&Next";
  const ZQ_String label = ZQ_Internationalization_Translate(ZQ_String(key));
  if (NextButton->GetText() == label) return;
  NextButton->SetText(label);
  // Finish may be wider or narrower than Next.
  NextButton->Resize();
}

void ZQF_WizardDialogBox::RespondToProceedButton() {
  ZQF_WizardDialogBoxPage* page = GetCurrentPage();
  const bool canProceed = page && page->Cust_CanProceedToNextPage();
  ZQ_ASSERT_TEXT(canProceed, "GetCurrentPage()->Cust_CanProceedToNextPage()");
  if (!canProceed) return;
  ZQF_InsureValidated(PageArea);
  page->SaveControls();
  page->Cust_LeavePageForward();
  if (page->IsLastPage) {
    RespondToOKButton();
    return;
  }
  ZQF_WizardDialogBoxPage* next = page->GetNextPage();
  ZQ_ASSERT_TEXT(next != nullptr, "NextPage");
  if (next) PushPage(next);
}

ZQIMG_Image ZQF_WizardDialogBox::GetWizardImage() {
  ZQ_ASSERT_TEXT(Cust_DisplayWizardImage(), "Cust_DisplayWizardImage()");
  if (ZQF_WizardDialogBoxPage* page = GetCurrentPage()) {
    const ZQIMG_Image own = page->Cust_GetWizardImage();
    if (!own.IsEmpty()) return own;
  }
  return Cust_GetWizardImage();
}

void ZQF_WizardDialogBox::HandlePageNotification(ZQF_NotificationMessage& Message) {
  ZQF_WizardDialogBoxPage* page = GetCurrentPage();
  if (!page) return;
  page->HandleNotification(Message);
  UpdateNextButtonEnabledStatus();
}

// --- ZQF_WizardDialogBoxPrimaryOrganizerGlyph

ZQF_WizardDialogBoxPrimaryOrganizerGlyph::ZQF_WizardDialogBoxPrimaryOrganizerGlyph(
    ZQF_WizardDialogBox* Wizard)
    : ZQF_RowGlyph(0), Wizard(Wizard) {}

void ZQF_WizardDialogBoxPrimaryOrganizerGlyph::HandleNotification(ZQF_NotificationMessage& Message,
                                                                 bool SecondTry) {
  ZQF_RowGlyph::HandleNotification(Message, SecondTry);
  // Left unhandled: the dialog's manager still sees it.
  if (!SecondTry && !Message.IsHandled()) Wizard->HandlePageNotification(Message);
}
