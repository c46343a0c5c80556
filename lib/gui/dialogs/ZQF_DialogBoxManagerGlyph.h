// ZQF_DialogBoxManagerGlyph.h: the root of a standard dialog's tree. Beside
// Tab navigation and mnemonics (its base) it knows the dialog's buttons and
// the callbacks their presses run, decides the default button (a focused
// dialog button, else the designated default), turns Enter into a press of
// it and Escape into Cancel, sends button presses and unhandled
// notifications to the dialog, and scrolls a selected control into view in
// a scrolled client area.
// DialogBoxButtonFrameGlyph surrounds each dialog button with a frame of
// size metric 0, dark (colour metric 33) around the current default button,
// button-face coloured (32) around the others. UI thread only.
#ifndef ZQF_DIALOGBOXMANAGERGLYPH_H
#define ZQF_DIALOGBOXMANAGERGLYPH_H

#include "ZQF_DialogActionGlyph.h"
#include "ZQ_Functor.h"
#include "ZQ_Map.h"

class ZQF_ButtonGlyph;
class ZQF_ScrollingContainerGlyph;
class ZQF_StandardDialogBox;

class ZQF_DialogBoxManagerGlyph : public ZQF_DialogActionGlyph {
 public:
  // Takes ownership of MainOrganizer; Dialog is borrowed.
  ZQF_DialogBoxManagerGlyph(ZQF_Glyph* MainOrganizer, ZQF_StandardDialogBox* Dialog);

  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) override;
  // Also scrolls a client control into view.
  void SelectControl(ZQF_ControlGlyph* Control) override;

  // The button becomes the designated default with the flag, or when there
  // is none yet.
  void RegisterButton(ZQF_ButtonGlyph* Button, const ZQ_Functor0& Callback, bool IsDefault);
  bool IsDialogButton(ZQF_Glyph* Glyph) const;
  ZQF_ButtonGlyph* GetDefaultButton() const { return DefaultButton; }
  // A registered button on the focus path, else the designated default.
  ZQF_ButtonGlyph* GetCurrentDefaultButton();
  // Asserts "ClientControlScroller == NULL".
  void SetClientControlScroller(ZQF_ScrollingContainerGlyph* Scroller);

 private:
  bool HandlesEnterAndEscape(const ZQF_KeyMessage& Message, bool SecondTry) const;

  ZQF_StandardDialogBox* Dialog;
  ZQF_ButtonGlyph* DefaultButton = nullptr;
  ZQF_ScrollingContainerGlyph* ClientControlScroller = nullptr;
  ZQ_Map<ZQF_ButtonGlyph*, ZQ_Functor0> Buttons{37};
};

class DialogBoxButtonFrameGlyph : public ZQF_DrawableGlyph {
 public:
  // Takes ownership of Child (the button or a size override around it).
  DialogBoxButtonFrameGlyph(ZQF_Glyph* Child, ZQF_ButtonGlyph* Button,
                            ZQF_DialogBoxManagerGlyph* Manager);

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  // Repaints this frame and the designated default's on the first try.
  void HandleFocusChange(ZQF_FocusChangeMessage& Message, bool SecondTry) override;

  ZQF_ButtonGlyph* GetButton() const { return Button; }

 private:
  ZQF_DialogBoxManagerGlyph* Manager;
  ZQF_ButtonGlyph* Button;
};

#endif
