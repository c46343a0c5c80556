// ZQF_DialogActionGlyph.h: the container that makes a subtree of controls a
// keyboard-navigable group. On keys its controls leave (second try): Tab and
// Shift+Tab move the focus in the order of GetDialogActionControlGlyphIter,
// wrapping at the ends; a character (with or without Alt, Control up) runs
// the mnemonic search; Alt, Tab and the activate notification switch on
// focus rectangles and mnemonic underlines, which only Ctrl+Alt+K and the
// reset notification switch off. A repeating idle action keeps some control
// focused while the group lies on its window's focus path. UI thread only.
#ifndef ZQF_DIALOGACTIONGLYPH_H
#define ZQF_DIALOGACTIONGLYPH_H

#include "ZQF_Message.h"
#include "ZQF_NullContainerGlyph.h"

class ZQF_ControlGlyph;

// Resets a dialog's keyboard indicators to none.
class ZQF_SetKeyboardNavigationIndicatorsToDefaultNotificationMessage
    : public ZQF_NotificationMessage {};

class ZQF_DialogActionGlyph : public ZQF_NullContainerGlyph {
 public:
  // Bits of the indicators.
  enum : long { Indicator_Focus = 1, Indicator_Mnemonics = 2 };

  // Takes ownership of Client; queues the focus keeper under this glyph's key.
  explicit ZQF_DialogActionGlyph(ZQF_Glyph* Client);
  // Removes the glyph's idle actions.
  ~ZQF_DialogActionGlyph() override;

  void DrawChildren(ZQF_Canvas& Canvas) override;
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;

  // Puts Control on the focus path, tells it the keyboard moved there and
  // scrolls it into view in the scrolling containers around it.
  virtual void SelectControl(ZQF_ControlGlyph* Control);

  // The first or last stop of Glyph's navigation order; null when none.
  ZQF_ControlGlyph* GetFirstControl() { return GetFirstControl(this); }
  static ZQF_ControlGlyph* GetFirstControl(ZQF_Glyph* Glyph);
  static ZQF_ControlGlyph* GetLastControl(ZQF_Glyph* Glyph);
  // The first control down the focus-child chain; null when none or when it
  // is disabled.
  static ZQF_ControlGlyph* FindPotentialSelectedControl(ZQF_Glyph* Glyph);

  void SelectNextControl();
  void SelectPreviousControl();
  // The idle check: selects the first control while none visible has the
  // focus. Changes nothing while one has it.
  void InsureControlHasFocus();
  // True whenever a target was found (after a beep, too).
  bool AttemptToApplyMnemonic(char Character);

  void ActivateKeyboardNavigationIndicator_Focus();
  void ActivateKeyboardNavigationIndicator_Menomics();
  void ToggleKeyboardNavigationIndicators();
  long GetKeyboardNavigationIndicators() const { return KeyboardNavigationIndicators; }

 private:
  unsigned long GetOwnerKey() const { return reinterpret_cast<unsigned long>(this); }
  void SetIndicators(long Indicators);

  long KeyboardNavigationIndicators = 0;
};

#endif
