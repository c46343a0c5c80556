// The string query dialog.
#include "ZQF_SimpleStringQueryDialogBox.h"

#include "ZQF_TextEditGlyph.h"

ZQF_SimpleStringQueryDialogBox::ZQF_SimpleStringQueryDialogBox(const ZQ_String& Title,
                                                               const ZQ_String& Label,
                                                               const ZQ_String& InitialText,
                                                               bool MultiLine)
    : ZQF_SimpleDialogBox(Title, ZQF_ButtonPlacement_BelowRight, false),
      TextEdit(new ZQF_TextEditGlyph(MultiLine ? 1 : 0)) {
  AddToClientArea(TextEdit, Label);
  TextEdit->SetText(InitialText);
  if (MultiLine) {
    TextEdit->SetFixedSize(60, 20, false, false);
  } else {
    TextEdit->SetFixedSize(40, 1, false, true);
  }
}

ZQ_String ZQF_SimpleStringQueryDialogBox::GetValue() const { return TextEdit->GetText(); }
