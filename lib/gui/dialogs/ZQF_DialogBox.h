// ZQF_DialogBox.h: the framework of every dialog window. The caller
// constructs, configures and runs a dialog; Run builds the glyph tree through
// the virtual Init_ steps, wraps it in a self-drawn window border, shows it
// in a new secondary window (owned by the main window when there is one) at a
// computed place and, when modal, disables the other windows (those of
// modeless dialogs excepted) and runs a nested message loop until Close. A
// cancelled dialog (Cancel, Escape, the close button, a quit during the run)
// makes Run throw ZQ_CancelCurrentOperationException after its window is gone
// and the other windows are enabled again.
// The dialog owns its client glyph tree (rebuilt at each run); the window
// owns the top-level glyph and the border. UI thread only.
#ifndef ZQF_DIALOGBOX_H
#define ZQF_DIALOGBOX_H

#include "ZQF_SecondaryTopLevelGlyph.h"
#include "ZQ_List.h"
#include "ZQ_Map.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

class ZQF_SecondaryWindow;
class ZQF_WindowBorderGlyph;
class ZQF_WindowBorderGlyphOptionsSet;
class ZQF_ButtonGlyph;
class ZQ_RegistryFolder;

using ZQF_Rectangle = ZQ_Rectangle<long>;

enum ZQF_DialogBoxModality : int {
  ZQF_DialogBoxModality_Modeless = 0,
  ZQF_DialogBoxModality_Modal = 1,
  // The other windows are disabled, but Run returns at once.
  ZQF_DialogBoxModality_DisableOthers = 2
};

class ZQF_DialogBox {
 public:
  ZQF_DialogBox(int Modality, const ZQ_String& Title);
  // Closes a dialog that is still open, then deletes the client tree.
  virtual ~ZQF_DialogBox();
  ZQF_DialogBox(const ZQF_DialogBox&) = delete;
  ZQF_DialogBox& operator=(const ZQF_DialogBox&) = delete;

  // Run1, then throws ZQ_CancelCurrentOperationException when cancelled.
  virtual void Run();
  virtual void Close();
  virtual void Init_SetWindowBorderOptions(ZQF_WindowBorderGlyphOptionsSet* Options);
  virtual void Init_SetTitle() {}
  // The glyph tree that fills the dialog; the dialog owns it.
  virtual ZQF_Glyph* Init_CreateClientGlyphTree() = 0;
  virtual ZQF_WindowBorderGlyph* Init_CreateWindowBorderGlyph(ZQF_Glyph* Client);
  virtual ZQF_SecondaryWindow* Init_CreateContainingWindow(ZQF_SecondaryTopLevelGlyph* TopLevel);
  virtual void Init_InitializeData() {}
  virtual void Init_SelectInitialControl() {}
  virtual bool Cust_RemembersWindowLayout() { return true; }
  // Screen coordinates.
  virtual ZQF_Rectangle Init_CalculateInitialContainingWindowPosition();
  virtual bool Cust_HandlesEnterAndEscape() { return true; }
  // True when the press was taken.
  virtual bool RespondToButtonPress(ZQF_ButtonGlyph*) { return false; }
  // Cancels and closes.
  virtual void HandleContainingWindowCloseCommand();

  void AddHelpTopic(const ZQ_String& Topic, int Priority);
  void AddHelpTopics(const ZQ_String& Topics);
  void SetTitle(const ZQ_String& Title);
  const ZQ_String& GetTitle() const { return Title; }
  // Asserts "UserConfigurationFolder == NULL" and "aUserConfigurationFolder
  // != NULL". The folder is borrowed.
  void SetUserConfigurationFolder(ZQ_RegistryFolder* Folder);
  void SetFillsScreen(bool Flag) { FillsScreen = Flag; }
  void SetCancelled(bool Flag) { Cancelled = Flag; }
  bool IsCancelled() const { return Cancelled; }
  // A screen rectangle the dialog should not cover, grown by size metric 7.
  void AddPreciousArea(const ZQF_Rectangle& Area);

  // Modality 1: returns when Close pops the loop.
  void Run1();
  // Called by the top-level glyph when its window is destroyed by another
  // (its owner closing, DestroyWindow): the dialog keeps its client tree,
  // ends as cancelled, pops its loop and enables the windows it disabled.
  void HandleWindowDestroyedElsewhere(ZQF_SecondaryTopLevelGlyph* Glyph) noexcept;
  void Initialize();

  int GetModality() const { return Modality; }
  ZQF_SecondaryWindow* GetWindow() const { return Window; }
  ZQF_SecondaryTopLevelGlyph* GetTopLevelGlyph() const { return TopLevelGlyph; }
  ZQF_WindowBorderGlyph* GetWindowBorderGlyph() const { return WindowBorderGlyph; }
  ZQF_Glyph* GetClientGlyphTree() const { return ClientGlyphTree; }
  unsigned long GetRunSerial() const { return RunSerial; }

 private:
  void DisableOtherWindows();
  void EnableDisabledWindows();
  void CloseSteps();

  int Modality;
  bool FillsScreen = false;
  ZQF_SecondaryWindow* Window = nullptr;
  ZQF_SecondaryTopLevelGlyph* TopLevelGlyph = nullptr;
  ZQF_WindowBorderGlyph* WindowBorderGlyph = nullptr;
  ZQF_Glyph* ClientGlyphTree = nullptr;
  ZQ_String Title;
  ZQ_String HelpTopics;
  unsigned long RunSerial = 0;
  bool Cancelled = false;
  // Newest first.
  ZQ_List<ZQF_Rectangle> PreciousAreas;
  // By handle: a window destroyed meanwhile, and another made at its address,
  // is not enabled by mistake.
  ZQ_Map<HWND, bool> DisabledWindows{37};
  ZQ_RegistryFolder* UserConfigurationFolder = nullptr;
  HWND PreviousFocus = nullptr;
  // Set while Run1 pushed a loop that Close must pop.
  bool LoopPushed = false;
};

// The top-level glyph of every dialog window: the window's close command
// goes to the dialog, and the border's minimize and maximize requests
// minimize, maximize or restore the window.
class DialogBoxTopLevelGlyph : public ZQF_SecondaryTopLevelGlyph {
 public:
  DialogBoxTopLevelGlyph(ZQF_Glyph* Client, ZQF_DialogBox* Dialog)
      : ZQF_SecondaryTopLevelGlyph(Client), Dialog(Dialog) {}
  ~DialogBoxTopLevelGlyph() override;
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  ZQF_DialogBox* GetDialog() const { return Dialog; }

 private:
  ZQF_DialogBox* Dialog;
};

// The work area (no window is ever full screen).
ZQF_Rectangle GetAllowableDragBoundingRect();
// The grid point (81 x 61 over the allowed top-left corners) of least score
// |dx| + |dy| + 100 x the area of the precious areas covered; the first wins
// ties.
ZQF_Rectangle DetermineWindowPositionWhileAvoidingPreciousAreas(
    const ZQ_Point<long>& Initial, const ZQ_Point<long>& Size,
    const ZQ_List<ZQF_Rectangle>& PreciousAreas);

#endif
