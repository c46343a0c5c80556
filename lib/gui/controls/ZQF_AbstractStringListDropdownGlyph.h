// ZQF_AbstractStringListDropdownGlyph.h: the combo box of the library: a
// dropdown whose permanent display is a one-line text field showing the
// current choice and whose popup is a list of strings. A mouse choice in the
// popup takes the value and closes it, a keyboard one takes the value and
// leaves it open. While closed, Up and Down and the wheel step through the
// choices. Subclasses keep the choices and the value, build the popup's
// list and apply the display width (-1 the widest choice, -2 the sample
// text, n >= 0 n characters). A read-only display shows the current choice
// in the selection colours while it has the focus. UI thread only.
#ifndef ZQF_ABSTRACTSTRINGLISTDROPDOWNGLYPH_H
#define ZQF_ABSTRACTSTRINGLISTDROPDOWNGLYPH_H

#include "ZQF_DropdownControlGlyph.h"
#include "ZQF_TextEditGlyph.h"

class ZQF_ListGlyph;

// The display: a borderless single-line field whose selection fills its
// margins, one pixel less margin on every side (the dropdown insets it).
class ZQF_DropdownControl_TextPermanentGlyph : public ZQF_TextEditGlyph {
 public:
  ZQF_DropdownControl_TextPermanentGlyph();
  // Read-only: highlighted text on the focus path, window text otherwise.
  ZQR_Color Cust_GetTextColor(unsigned short Attribute) override;
  // Read-only: highlight on the focus path, window background otherwise.
  ZQR_Color Cust_GetBackgroundColor(unsigned short Attribute) override;
  long Cust_GetLeftMargin() override;
  long Cust_GetRightMargin() override;
  long Cust_GetTopMargin() override;
  long Cust_GetBottomMargin() override;
};

class ZQF_AbstractStringListDropdownGlyph : public ZQF_DropdownControlGlyph {
 public:
  explicit ZQF_AbstractStringListDropdownGlyph(long DisplayWidth);

  void InitializeSelf() override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) override;
  // Claimed on the first try: the display's text cursor never shows.
  void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) override;
  // A list change from the popup: 1 by the mouse, 0 by a key; else 3.
  int GetDropdownNotificationResponse(ZQF_NotificationMessage& Message, bool SecondTry) override;
  ZQF_Glyph* CreateDropdownGlyphTree() override;
  bool IsDropdownResizable() override;
  // Exactly when the text is not editable.
  bool OpensDropdownOnClick() override;

  // The popup's list, new each time.
  virtual ZQF_ListGlyph* CreateListGlyph() = 0;
  // False.
  virtual bool IsTextEditable();
  // True.
  virtual bool AllowsFirstLetterSelection();
  // Direction 0 the next choice, 1 the previous one; notifies a change.
  virtual void SelectAdjacent(int Direction) = 0;

  // The first child; anything else fails "TG".
  ZQF_TextEditGlyph* GetTextEditGlyph() const;
  // A programmatic change: no text notification.
  void UpdatePermanentDisplay(const ZQ_String& Text);

  long GetDisplayWidth() const { return DisplayWidth; }
  const ZQ_String& GetSampleText() const { return SampleText; }
  void SetSampleText(const ZQ_String& Text) {
    SampleText = Text;
    DisplayWidthStale = true;
  }

 protected:
  long DisplayWidth;
  ZQ_String SampleText;
  bool DisplayWidthStale = true;
};

#endif
