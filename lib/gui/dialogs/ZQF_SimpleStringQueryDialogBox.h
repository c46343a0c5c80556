// ZQF_SimpleStringQueryDialogBox.h: a small modal simple dialog that asks
// for one line of text (40 characters wide, the width free to grow) or one
// block (60 by 20, growing both ways) in a labelled text field, with OK and
// Cancel at the right below it. Cancel throws
// ZQ_CancelCurrentOperationException out of Run; the field keeps its text
// either way. UI thread only.
#ifndef ZQF_SIMPLESTRINGQUERYDIALOGBOX_H
#define ZQF_SIMPLESTRINGQUERYDIALOGBOX_H

#include "ZQF_StandardDialogBox.h"

class ZQF_TextEditGlyph;

class ZQF_SimpleStringQueryDialogBox : public ZQF_SimpleDialogBox {
 public:
  ZQF_SimpleStringQueryDialogBox(const ZQ_String& Title, const ZQ_String& Label,
                                 const ZQ_String& InitialText, bool MultiLine);

  // The field's text.
  ZQ_String GetValue() const;
  // Owned by the dialog (its client area).
  ZQF_TextEditGlyph* GetTextEdit() const { return TextEdit; }

 private:
  ZQF_TextEditGlyph* TextEdit;
};

#endif
