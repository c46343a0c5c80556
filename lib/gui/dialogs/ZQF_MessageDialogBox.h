// ZQF_MessageDialogBox.h: the standard message box: a kind (question,
// information, warning, error), "&OK" and optionally "&Cancel". The error
// box about particular glyphs scrolls them into view, tints them red and
// keeps them uncovered while it is open, then gives the first the focus.
// This module also shows the glyph core's messages (ZQF_MessageBoxLink):
// OK only, a cancel dropped. UI thread only.
#ifndef ZQF_MESSAGEDIALOGBOX_H
#define ZQF_MESSAGEDIALOGBOX_H

#include "ZQF_SimpleMessageDialogBox.h"

class ZQF_Glyph;

class ZQF_MessageDialogBox : public ZQF_SimpleMessageDialogBox {
 public:
  // The initially selected button; also the results of the two buttons.
  enum : long { SelectedButton_OK = 0, SelectedButton_Cancel = 1 };

  // An empty title is the application name. Asserts "ShowCancelButton or
  // (InitiallySelectedButton != SelectedButton_Cancel)".
  ZQF_MessageDialogBox(const ZQ_String& Text, const ZQ_String& Title, int Kind,
                       long InitiallySelectedButton, bool ShowCancelButton);
};

class ZQF_ErrorMessageDialogBox : public ZQF_MessageDialogBox {
 public:
  // Titled "<application name>: <Title>", without Cancel. A null
  // InvalidGlyph names none.
  ZQF_ErrorMessageDialogBox(const ZQ_String& Title, const ZQ_String& Text,
                            ZQF_Glyph* InvalidGlyph, int Kind, long InitiallySelectedButton);
  // Before Run; borrowed.
  void AddInvalidGlyph(ZQF_Glyph* Glyph) { InvalidGlyphs.Append(Glyph); }
  void Run();

 private:
  ZQ_List<ZQF_Glyph*> InvalidGlyphs;
};

#endif
