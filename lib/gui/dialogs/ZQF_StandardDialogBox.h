// ZQF_StandardDialogBox.h: the dialog that almost every dialog is: a client
// area of controls and a row (or column) of buttons, OK and Cancel by
// default, under a ZQF_DialogBoxManagerGlyph. It fixes the order in which the
// tree is built, the data loaded, the controls validated and the result
// applied, with an empty hook for each step. OK validates, saves, closes,
// lets the screen repaint and applies; Cancel undoes through its hook,
// closes and, when Apply was pressed before, applies again; Apply validates,
// saves and applies with the dialog open. A failed validation shows its box
// and ends the press with the dialog open.
// ZQF_SimpleDialogBox is a modal standard dialog whose client area is a
// column of glyphs, each with an optional label. UI thread only.
#ifndef ZQF_STANDARDDIALOGBOX_H
#define ZQF_STANDARDDIALOGBOX_H

#include "ZQF_DialogBox.h"
#include "ZQ_Functor.h"
#include "ZQ_List.h"

class ZQF_AlignmentGlyph;
class ZQF_ButtonGlyph;
class ZQF_ControlGlyph;
class ZQF_DialogBoxManagerGlyph;
class ZQF_MarginGlyph;
class ZQF_NotificationMessage;
class ZQF_ScrollingContainerGlyph;

// Where the buttons go: a row below the client at the left (0), centred (1)
// or at the right (2); a row above it likewise (3, 4, 5); a column at its
// right, buttons at the top (6).
enum ZQF_ButtonPlacement : unsigned {
  ZQF_ButtonPlacement_BelowLeft = 0,
  ZQF_ButtonPlacement_BelowCentered = 1,
  ZQF_ButtonPlacement_BelowRight = 2,
  ZQF_ButtonPlacement_AboveLeft = 3,
  ZQF_ButtonPlacement_AboveCentered = 4,
  ZQF_ButtonPlacement_AboveRight = 5,
  ZQF_ButtonPlacement_RightTop = 6
};

class ZQF_StandardDialogBox : public ZQF_DialogBox {
 public:
  ZQF_StandardDialogBox(int Modality, const ZQ_String& Title, unsigned ButtonPlacement,
                        bool UsesScroller);

  void Init_SetWindowBorderOptions(ZQF_WindowBorderGlyphOptionsSet* Options) override;
  ZQF_Glyph* Init_CreateClientGlyphTree() override;
  void Init_InitializeData() override;
  void Init_SelectInitialControl() override;
  // The Cancel button's reaction.
  void HandleContainingWindowCloseCommand() override;

  virtual void RespondToOKButton();
  virtual void RespondToCancelButton();
  virtual void RespondToApplyButton();
  virtual void Init_AddClientControls(ZQF_AlignmentGlyph* Organizer) = 0;
  virtual ZQF_AlignmentGlyph* Init_CreateClientControlOrganizer();
  // What goes into the main organizer in place of Glyph.
  virtual ZQF_Glyph* Init_DecorateClientArea(ZQF_Glyph* Glyph) { return Glyph; }
  virtual void Init_LoadControls() {}
  virtual void SaveControls() {}
  // Throws ZQ_CancelCurrentOperationException after showing a failure.
  virtual void ValidateControls();
  virtual void Cust_Apply() {}
  virtual void Init_PrepareData() {}
  virtual void Cust_RespondToCancel() {}
  // Every notification the manager did not handle.
  virtual void Cust_HandleNotification(ZQF_NotificationMessage&) {}
  // OK (default), then Cancel.
  virtual void Init_AddButtons();
  virtual ZQF_DialogBoxManagerGlyph* Init_CreateDialogBoxManager(ZQF_AlignmentGlyph* MainOrganizer);
  // Null for an invalid placement.
  virtual ZQF_MarginGlyph* Init_CreateButtonOrganizerMargin(ZQF_AlignmentGlyph* ButtonOrganizer);
  virtual ZQF_ScrollingContainerGlyph* Init_CreateClientControlScroller(
      ZQF_AlignmentGlyph* ClientOrganizer);
  // The first navigation stop, or the designated default when that stop is
  // another dialog button.
  virtual ZQF_ControlGlyph* Init_GetInitiallySelectedControl();
  // Size metric 5: x between buttons of a row, y of a column.
  virtual ZQ_Point<long> Cust_GetButtonSpacing();
  // The scroller's border code: none.
  virtual int Cust_GetClientControlScrollerOptions() { return 0; }

  // A null Button makes a "&OK" ("&Cancel") text button, translated; an
  // empty Callback calls RespondToOKButton (RespondToCancelButton)
  // virtually. Return the button.
  ZQF_ButtonGlyph* AddOKButton(ZQF_ButtonGlyph* Button = nullptr, bool IsDefault = false,
                               const ZQ_Functor0& Callback = ZQ_Functor0());
  ZQF_ButtonGlyph* AddCancelButton(ZQF_ButtonGlyph* Button = nullptr, bool IsDefault = false,
                                   const ZQ_Functor0& Callback = ZQ_Functor0());
  // A text button with Label as it is (not translated).
  ZQF_ButtonGlyph* AddButton(const ZQ_String& Label, bool IsDefault, const ZQ_Functor0& Callback);
  // Adds Button (owned by the tree) after a spacer, framed; the first button
  // or one flagged default goes on the focus path.
  ZQF_ButtonGlyph* AddButton(ZQF_ButtonGlyph* Button, bool IsDefault, const ZQ_Functor0& Callback);
  // A fixed glue of Factor x the button spacing, halves rounded down.
  void AddButtonSpacer(double Factor);
  void PerformApply() { Cust_Apply(); }
  // Asserts "DialogBoxManager".
  ZQF_ButtonGlyph* GetDefaultDefaultButton();

  unsigned GetButtonPlacement() const { return ButtonPlacement; }
  ZQF_AlignmentGlyph* GetButtonOrganizer() const { return ButtonOrganizer; }
  ZQF_AlignmentGlyph* GetClientControlOrganizer() const { return ClientControlOrganizer; }
  ZQF_ScrollingContainerGlyph* GetClientControlScroller() const { return ClientControlScroller; }
  ZQF_DialogBoxManagerGlyph* GetDialogBoxManager() const { return DialogBoxManager; }
  ZQF_ButtonGlyph* GetDefaultButton() const { return DefaultButton; }
  bool WasApplied() const { return Applied; }

 private:
  bool IsRow() const { return ButtonPlacement != ZQF_ButtonPlacement_RightTop; }

  unsigned ButtonPlacement;
  ZQF_AlignmentGlyph* ButtonOrganizer = nullptr;
  ZQF_ButtonGlyph* DefaultButton = nullptr;
  ZQF_DialogBoxManagerGlyph* DialogBoxManager = nullptr;
  ZQF_AlignmentGlyph* ClientControlOrganizer = nullptr;
  ZQF_ScrollingContainerGlyph* ClientControlScroller = nullptr;
  bool UsesScroller;
  bool Applied = false;
};

class ZQF_SimpleDialogBox : public ZQF_StandardDialogBox {
 public:
  // Modal.
  ZQF_SimpleDialogBox(const ZQ_String& Title, unsigned ButtonPlacement, bool UsesScroller);
  // Deletes the client glyphs.
  ~ZQF_SimpleDialogBox() override;

  // Takes the client glyphs back out of the closed tree, so that the next
  // run (which deletes the old tree) can show them again.
  void Close() override;

  void Init_AddClientControls(ZQF_AlignmentGlyph* Organizer) override;
  void Init_AddButtons() override;
  virtual void Init_BeforeAddClientControls() {}
  // The y of size metric 6.
  virtual long Cust_GetClientRowSpacing();

  // Before Run: Glyph (owned by the dialog's tree from the next run on) and
  // its label (empty: none).
  void AddToClientArea(ZQF_Glyph* Glyph, const ZQ_String& Label = ZQ_String());
  void SetShowCancelButton(bool Flag) { ShowCancelButton = Flag; }

 private:
  ZQ_List<ZQF_Glyph*> ClientGlyphs;
  ZQ_List<ZQ_String> ClientLabels;
  bool ShowCancelButton = true;
};

#endif
