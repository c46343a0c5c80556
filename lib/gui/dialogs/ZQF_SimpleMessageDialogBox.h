// ZQF_SimpleMessageDialogBox.h: the general message box of the GUI, drawn by
// the framework: a modal standard dialog with an optional icon left of a
// line-broken text and a centred row of buttons. The handle owns its
// implementation, which holds the text, title, icon, buttons and the screen
// areas the box should not cover; running it builds a dialog from them. A
// non-cancel button ends Run normally with its result recorded; a cancel
// button, Escape or the close button throw ZQ_CancelCurrentOperationException
// with the result left at -1. UI thread only.
#ifndef ZQF_SIMPLEMESSAGEDIALOGBOX_H
#define ZQF_SIMPLEMESSAGEDIALOGBOX_H

#include "ZQF_DialogBox.h"
#include "ZQR_TransparentBitmap.h"
#include "ZQ_List.h"
#include "ZQ_String.h"

class ZQF_ButtonGlyph;

// The kinds of message, each with its icon (bitmap metrics 18 to 21).
enum ZQF_MessageKind : int {
  ZQF_MessageKind_Question = 0,
  ZQF_MessageKind_Information = 1,
  ZQF_MessageKind_Warning = 2,
  ZQF_MessageKind_Error = 3
};

class ZQF_SimpleMessageDialogBoxImp {
 public:
  struct ButtonInfoStruct {
    ZQ_String Label;
    long Result = 0;
    bool IsDefault = false;
    bool IsCancel = false;
    // The button made for it while the box runs.
    ZQF_ButtonGlyph* Button = nullptr;
    bool operator==(const ButtonInfoStruct& Other) const { return this == &Other; }
  };

  ZQF_SimpleMessageDialogBoxImp();
  void Run();

  ZQ_String Text;
  ZQ_String Title;
  ZQR_TransparentBitmap Icon;
  bool HasIcon = false;
  ZQ_List<ButtonInfoStruct> Buttons;
  long Result = -1;
  ZQ_List<ZQF_Rectangle> PreciousAreas;
};

class ZQF_SimpleMessageDialogBox {
 public:
  ZQF_SimpleMessageDialogBox();
  virtual ~ZQF_SimpleMessageDialogBox();
  ZQF_SimpleMessageDialogBox(const ZQF_SimpleMessageDialogBox&) = delete;
  ZQF_SimpleMessageDialogBox& operator=(const ZQF_SimpleMessageDialogBox&) = delete;

  void SetText(const ZQ_String& Text) { Imp->Text = Text; }
  void SetTitle(const ZQ_String& Title) { Imp->Title = Title; }
  // The icon of a ZQF_MessageKind; any other kind asserts "false".
  void SetBitmap(int Kind);
  void SetBitmap(const ZQR_TransparentBitmap& Icon);
  // A screen rectangle the box should not cover.
  void AddPreciousArea(const ZQF_Rectangle& Area) { Imp->PreciousAreas.Append(Area); }
  // Label translated; the button reports Result.
  void AddButton(const ZQ_String& Label, long Result, bool IsDefault);
  // The same, acting as Cancel.
  void AddCancelButton(const ZQ_String& Label, long Result, bool IsDefault);
  // Exactly the buttons reporting Result become default.
  void SetDefaultButton(long Result);
  // Modal; throws ZQ_CancelCurrentOperationException when cancelled.
  void Run() { Imp->Run(); }
  // The pressed button's result; -1 until one was pressed.
  long GetResult() const { return Imp->Result; }
  const ZQ_String& GetText() const { return Imp->Text; }
  const ZQ_String& GetTitle() const { return Imp->Title; }

 private:
  ZQF_SimpleMessageDialogBoxImp* Imp;
};

#endif
