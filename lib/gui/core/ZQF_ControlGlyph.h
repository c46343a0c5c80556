// ZQF_ControlGlyph.h: the base of the glyphs the user operates (buttons,
// edits, lists...). A control takes the focus when a mouse button goes down
// on it (when focusable and enabled), repaints itself when it gains or loses
// the focus, draws a border of its border code and answers the interaction
// queries of a containing grid. One flags word: bit 0 computes its desired
// size, bit 1 focusable, bits 2-5 border code, bit 6 border focus option.
// Labels find the control they label by this class
// (ZQF_Glyph::SearchForChildControl).
// ZQF_ControlChangeNotificationMessage is what a control dispatches when its
// value changes; it travels up the parent chain and carries the control.
#ifndef ZQF_CONTROLGLYPH_H
#define ZQF_CONTROLGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQF_Message.h"

class ZQF_ControlGlyph : public ZQF_DrawableGlyph {
 public:
  ZQF_ControlGlyph() = default;

  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseRightDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleFocusChange(ZQF_FocusChangeMessage& Message, bool SecondTry) override;

  virtual void SetComputesDesiredSize(bool Computes);
  virtual void SetFocusable(bool Focusable);
  // Called after the keyboard (not the mouse) gave the control the focus.
  virtual void HandleKeyboardInitiatedDialogFocusGain();
  // Keeps the code's low four bits.
  virtual void SetBorderStyle(int Code);

  bool GetComputesDesiredSize() const { return (ControlFlags & Flag_ComputesDesiredSize) != 0; }
  bool IsFocusable() const { return (ControlFlags & Flag_Focusable) != 0; }
  void MakeFocusable() { SetFocusable(true); }
  void MakeUnfocusable() { SetFocusable(false); }
  int GetBorderStyle() const { return static_cast<int>((ControlFlags >> BorderShift) & 15); }
  void SetBorderOption(bool Option) { SetFlag(Flag_BorderOption, Option); }
  bool GetBorderOption() const { return (ControlFlags & Flag_BorderOption) != 0; }
  void DrawControlBorder(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Rectangle);
  // Stops computing the desired size and stores this one; a stale desired
  // size stays stale, so the next desired-size pass still runs.
  void SetFixedDesiredSize(const ZQ_Point<long>& Natural, const ZQ_Point<long>& Minimum,
                           const ZQ_Point<long>& Maximum);

 private:
  enum : unsigned long {
    Flag_ComputesDesiredSize = 1,
    Flag_Focusable = 2,
    BorderShift = 2,
    Flag_BorderOption = 64
  };
  void SetFlag(unsigned long Flag, bool On) {
    ControlFlags = On ? (ControlFlags | Flag) : (ControlFlags & ~Flag);
  }
  void FocusOnPress(bool SecondTry);

  unsigned long ControlFlags = Flag_ComputesDesiredSize | Flag_Focusable | (3 << BorderShift);
};

class ZQF_ControlChangeNotificationMessage : public ZQF_NotificationMessage {
 public:
  explicit ZQF_ControlChangeNotificationMessage(ZQF_ControlGlyph* Control) : Control(Control) {}
  ZQF_ControlGlyph* GetControl() const { return Control; }

 private:
  ZQF_ControlGlyph* Control;
};

#endif
