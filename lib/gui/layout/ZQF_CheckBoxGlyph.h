// ZQF_CheckBoxGlyph.h: a button drawn as a small box picture and a label. Its
// button state is its value: up clear, down checked, unknown indeterminate;
// a two-state box toggles, a three-state one cycles clear, checked,
// indeterminate. Only presses inside the hot area (box and label, grown by a
// small margin) start a click, so the empty part of a wide box stays inert.
// Enter is left to the dialog's default button; space and the label's
// mnemonic click the box.
// ZQF_CheckBoxGroupGlyph is a column of check boxes between which the arrow
// keys move the focus, skipping disabled ones; it reports its assertion
// failures under this file, the check box's. UI thread only.
#ifndef ZQF_CHECKBOXGLYPH_H
#define ZQF_CHECKBOXGLYPH_H

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQR_Bitmap.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

class ZQF_CheckBoxGlyph : public ZQF_ButtonGlyph {
 public:
  // Label may hold one mnemonic "&" and may be empty.
  ZQF_CheckBoxGlyph(const ZQ_String& Label, bool ThreeState, int InitialState);

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) override;

  // The picture for the current state and look (a bitmap metric).
  virtual const ZQR_Bitmap& GetBitmap();
  // The label's extent without its mnemonic markers.
  virtual ZQ_Point<long> Cust_ComputeLabelSize();
  // Draws the label at Rectangle's origin, and the focus indicator around it.
  virtual void Cust_DrawLabel(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Rectangle);

  // Checked only: an indeterminate box answers false.
  bool GetValue() const { return IsChecked(); }
  bool IsChecked() const { return GetState() == State_Down; }
  void SetValue(bool Value) { SetChecked(Value, false); }
  void SetChecked(bool Checked, bool Notify);
  const ZQ_String& GetLabel() const { return Label; }
  // Without a label: the box at the start instead of centred.
  void SetBoxAtStart(bool AtStart) { BoxAtStart = AtStart; }

  // In the glyph's own coordinates: the picture, the label (the picture's
  // rectangle when there is no label) and the area where presses count.
  void GetLayoutRectangles(ZQ_Rectangle<long>& BoxRect, ZQ_Rectangle<long>& LabelRect,
                           ZQ_Rectangle<long>& HotArea);

 protected:
  // The bitmap metric key of the current picture among the nine that start
  // at Base: Base + 3 x look + state, where look is 2 when disabled, 1 while
  // pressed, else 0.
  int GetPictureKey(int Base) const;

 private:
  bool IsInHotArea(const ZQF_MouseMessage& Message);
  ZQ_Point<long> GetPictureSize();

  ZQ_String Label;
  bool BoxAtStart = false;
};

// Arrow keys in groups of choices: -1 for up (15) and left (11), +1 for
// down (16) and right (14), 0 for any other key.
int ZQF_GetGroupArrowKeyStep(const ZQF_KeyMessage& Message);
// What ends every arrow key a group takes: the dialog is told to show its
// keyboard indicators and the key is claimed, whether the focus moved or not.
void ZQF_FinishGroupArrowKey(ZQF_Glyph* Group, ZQF_KeyMessage& Message);

class ZQF_CheckBoxGroupGlyph : public ZQF_ColumnGlyph {
 public:
  ZQF_CheckBoxGroupGlyph() : ZQF_ColumnGlyph(0) {}

  void AddToBottom(ZQF_CheckBoxGlyph* CheckBox) { ZQF_ColumnGlyph::AddToBottom(CheckBox); }
  // Second try only, so that the focused check box had the key first: the
  // arrow keys move the focus to the previous or next enabled control; the
  // walk ends at the column's end or at a child that is not a control.
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;

 private:
  ZQF_Glyph* FindEnabledControl(ZQF_Glyph* From, bool Forward) const;
};

#endif
