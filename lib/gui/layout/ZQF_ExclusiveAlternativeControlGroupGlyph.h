// ZQF_ExclusiveAlternativeControlGroupGlyph.h: a column of radio buttons of
// which exactly one is selected; the selection is an index in the order the
// choices were added (the first one added starts selected). Each choice may
// carry a client glyph (an input that belongs to it), which is enabled only
// while its choice is selected; a click on a disabled client selects its
// choice. A choice added with ShareNextClient as its client has none of its
// own and enables the next choice's client as well. The group owns its
// radio buttons, clients and spacing glue as children; its table only
// points at them, and drops the entry of a button deleted from outside (the
// selection index follows) and forgets a deleted client.
// ShareNextClient exists from initialization stage 1 to stage 13, so groups
// are filled only after stage 1. Index arguments out of range fail
// assertions. UI thread only.
#ifndef ZQF_EXCLUSIVEALTERNATIVECONTROLGROUPGLYPH_H
#define ZQF_EXCLUSIVEALTERNATIVECONTROLGROUPGLYPH_H

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_RadioButtonGlyph.h"
#include "ZQ_Array.h"

class ZQF_ExclusiveAlternativeControlGroupGlyph : public ZQF_ColumnGlyph {
 public:
  struct ButtonInfoStruct {
    ZQF_RadioButtonGlyph* Button = nullptr;
    ZQF_Glyph* Client = nullptr;
    bool SharesNextClient = false;
  };

  // The marker client: this choice enables the next choice's client.
  static ZQF_Glyph* ShareNextClient;

  ZQF_ExclusiveAlternativeControlGroupGlyph();
  ~ZQF_ExclusiveAlternativeControlGroupGlyph() override;

  // Appends a radio button of Label and its Client (null for none; owned by
  // the group from now on), with spacing that sets apart runs of choices
  // sharing one client. A client stands indented under a labelled button,
  // or beside the box of a button without a label.
  void AddToBottom(const ZQ_String& Label, ZQF_Glyph* Client);

  // Selects Index without a notification; moves the focus to its button.
  void SetValue(long Index);
  long GetValue() const;
  long GetNumButtons() const { return NumButtons; }
  // Nothing happens when Index is already selected. Otherwise the new
  // button is checked (with an up notification when Notify) and takes the
  // focus, the others are cleared, and the clients follow.
  void SetSelectedButton(long Index, bool Notify);
  // Enables the clients of the selected choice (and of the choices sharing
  // into it) and disables the others; does nothing while the group is
  // disabled.
  void SetClientEnabledStates();
  // Selects (with notification) the choice whose client lies under the
  // window point (X, Y), unless it is selected already.
  void ClickOnDisabledClientTest(long X, long Y);

  void InitializeSelf() override;
  // Re-enabling keeps the clients of unselected choices disabled.
  void SetChildrenEnabled(bool Enabled) override;
  // A radio button of this group that went down is selected; the
  // notification travels on.
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  // Second try: the arrow keys select the previous or next enabled choice.
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseRightDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) override;

 private:
  bool NeedsGlueBefore(bool IsMarker) const;
  void PlaceChoice(ZQF_RadioButtonGlyph* Button, ZQF_Glyph* Client, bool HasLabel);
  ZQF_RadioButtonGlyph* ButtonAt(long Index) const;
  long FindButton(const ZQF_Glyph* Button) const;
  long FindEnabledButton(long From, int Step) const;
  void CheckClientClick(const ZQF_MouseMessage& Message, bool SecondTry);
  // A glyph is being destroyed: drop what points at it.
  void ForgetDestroyedPart(const ZQF_Glyph* Glyph);
  static void OnGlyphDestroyed(ZQF_Glyph* Glyph);

  long SelectedButtonIndex = 0;
  long NumButtons = 0;
  ZQ_AutosizeArray<ButtonInfoStruct> ButtonInfoTable;
};

// Makes ShareNextClient at stage 1 and deletes it at stage 13. Registered
// by the unit.
void ZQF_ExclusiveAlternativeControlGroupGlyph_InitializationServiceCallback(int Stage);

#endif
