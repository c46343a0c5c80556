// ZQF_WizardDialogBox.h: a modal standard dialog that leads the user through
// a sequence of pages, one at a time: a picture at the left, the current
// page beside it, and Back, Next (Finish on a last page) and Cancel below.
// The visited pages form a stack: Next validates the page's controls, lets
// the page store its values, asks it for the page that follows (so the path
// can branch on what was entered) and shows that one; Back returns to the
// page before. Finish completes the dialog as OK does. Each page builds a
// new client each time it is shown, so its controls are rebuilt from the
// values the page keeps.
// Pages are borrowed: the caller keeps them alive as long as the wizard.
// UI thread only.
#ifndef ZQF_WIZARDDIALOGBOX_H
#define ZQF_WIZARDDIALOGBOX_H

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_StandardDialogBox.h"
#include "ZQIMG_Image.h"
#include "ZQ_Stack.h"

class ZQF_ChangeableClientNullContainerGlyph;
class ZQF_ImageDisplayGlyph;
class ZQF_StandardTextButtonGlyph;

// One page of a wizard: a plain object (not a glyph) that makes the page's
// controls and keeps the page's values between showings.
class ZQF_WizardDialogBoxPage {
 public:
  virtual ~ZQF_WizardDialogBoxPage() = default;

  // Adds the page's controls to Column (owned by the new client).
  virtual void Init_AddControls(ZQF_AlignmentGlyph* Column) = 0;
  // After the controls are initialised: load the page's values into them.
  virtual void Init_LoadControls() {}
  // The user leaves the page forward, after SaveControls.
  virtual void Cust_LeavePageForward() {}
  // The page that follows this one (borrowed); asked only when IsLastPage is
  // false, and must not be null then.
  virtual ZQF_WizardDialogBoxPage* GetNextPage() { return nullptr; }
  // A notification from the page's controls, and the wizard's shared one
  // when the client has been built: the place to recompute what
  // Cust_CanProceedToNextPage answers. The wizard updates Next afterwards.
  virtual void HandleNotification(ZQF_NotificationMessage&) {}
  // Whether Next (Finish) is enabled.
  virtual bool Cust_CanProceedToNextPage() { return true; }
  // The user leaves the page forward, its controls valid: store the page's
  // values.
  virtual void SaveControls() {}
  // The picture for this page; an empty image uses the wizard's own.
  virtual ZQIMG_Image Cust_GetWizardImage() { return ZQIMG_Image(); }

  // A new client: the controls in a column, initialised and loaded, desiring
  // 4/3 of the work area's width and 2/3 of its height (at least a half and
  // a fifth). The caller owns it.
  ZQF_Glyph* CreateClient(ZQF_NotificationMessage& SharedNotification);

  // True for a page after which the wizard finishes.
  bool IsLastPage = false;
};

class ZQF_WizardDialogBox : public ZQF_StandardDialogBox {
 public:
  // FirstPage (borrowed) is shown first at every run.
  ZQF_WizardDialogBox(const ZQ_String& Title, ZQF_WizardDialogBoxPage* FirstPage);
  ~ZQF_WizardDialogBox() override;

  // Back, Next (the default) and Cancel.
  void Init_AddButtons() override;
  // The picture (when shown) and the page area, then the first page.
  void Init_AddClientControls(ZQF_AlignmentGlyph* Organizer) override;
  ZQF_AlignmentGlyph* Init_CreateClientControlOrganizer() override;
  void Cust_Apply() override { Apply(); }
  // The completion step after Finish; the base does nothing.
  virtual void Apply() {}
  virtual bool Cust_DisplayWizardImage() { return true; }
  // The library's picture, loaded once and kept for the program's life.
  virtual ZQIMG_Image Cust_GetWizardImage();

  // The top of the stack, or null when it is empty.
  ZQF_WizardDialogBoxPage* GetCurrentPage();
  void PushPage(ZQF_WizardDialogBoxPage* Page);
  // Asserts "N > 0" on an empty stack.
  void PopPage();
  void RespondToBackButton() { PopPage(); }
  // Next or Finish: validates the page (a failure shows its box and throws
  // ZQ_CancelCurrentOperationException, the page stays), lets it store its
  // values, then shows the next page or, on a last page, completes as OK.
  void RespondToProceedButton();
  // Asserts "Cust_DisplayWizardImage()". The current page's picture, else
  // the wizard's.
  ZQIMG_Image GetWizardImage();
  // Called by the primary organizer for the notifications of the pages.
  void HandlePageNotification(ZQF_NotificationMessage& Message);

  long GetNumPages() const { return PageStack.GetNumElements(); }
  ZQF_ChangeableClientNullContainerGlyph* GetPageArea() const { return PageArea; }
  ZQF_StandardTextButtonGlyph* GetBackButton() const { return BackButton; }
  ZQF_StandardTextButtonGlyph* GetNextButton() const { return NextButton; }
  ZQF_ImageDisplayGlyph* GetImageDisplay() const { return ImageDisplay; }

 private:
  void DisplayCurrentPage();
  void UpdateBackButtonEnabledStatus();
  void UpdateNextButtonEnabledStatus();
  // The new page's first control takes the focus (Next when it has none)
  // once the dialog is on screen.
  void SelectFirstPageControl();

  ZQF_WizardDialogBoxPage* FirstPage;
  ZQF_ChangeableClientNullContainerGlyph* PageArea = nullptr;
  ZQ_Stack<ZQF_WizardDialogBoxPage*, 20> PageStack;
  ZQF_StandardTextButtonGlyph* BackButton = nullptr;
  ZQF_StandardTextButtonGlyph* NextButton = nullptr;
  ZQF_ImageDisplayGlyph* ImageDisplay = nullptr;
};

// The wizard's client row: the picture and the page area. Notifications
// from the page's controls pass through it to the wizard on their way up.
class ZQF_WizardDialogBoxPrimaryOrganizerGlyph : public ZQF_RowGlyph {
 public:
  explicit ZQF_WizardDialogBoxPrimaryOrganizerGlyph(ZQF_WizardDialogBox* Wizard);
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;

 private:
  ZQF_WizardDialogBox* Wizard;
};

#endif
