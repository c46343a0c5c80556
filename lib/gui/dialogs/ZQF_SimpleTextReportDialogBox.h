// ZQF_SimpleTextReportDialogBox.h: a block of plain text (a report, a log
// excerpt) shown read-only in a modal simple dialog with "Copy to
// Clipboard" and OK (the default, focused at the start). The constructor
// prepares the text: carriage returns go, tabs become four spaces, and with
// the margin option every line is indented by two spaces between an empty
// first line and one empty last line, trailing blank lines removed. The
// text shows in a read-only multi-line text edit sized to hold it (widened by
// the scroll bar when taller than three quarters of the work area) that
// grows with the window; the copy button copies its selection, or all of it
// when nothing is selected. UI thread only.
#ifndef ZQF_SIMPLETEXTREPORTDIALOGBOX_H
#define ZQF_SIMPLETEXTREPORTDIALOGBOX_H

#include "ZQF_StandardDialogBox.h"

class ZQF_StoredAttributeTextEditGlyph;

class ZQF_SimpleTextReportDialogBox : public ZQF_SimpleDialogBox {
 public:
  // Bits of Options.
  enum : long { Option_FixedPitch = 1, Option_Margin = 2, Option_CancelButton = 4 };

  ZQF_SimpleTextReportDialogBox(const ZQ_String& Text, const ZQ_String& Title, long Options);

  // The plain dialog box's border, not the standard dialog's.
  void Init_SetWindowBorderOptions(ZQF_WindowBorderGlyphOptionsSet* Options) override;
  void Init_AddClientControls(ZQF_AlignmentGlyph* Organizer) override;
  // "&Copy to Clipboard", Cancel with its option, OK (default).
  void Init_AddButtons() override;
  // The default button.
  ZQF_ControlGlyph* Init_GetInitiallySelectedControl() override;

  void RespondToCopyButtonPress();

  const ZQ_String& GetReportText() const { return ReportText; }
  // Null before the first run; owned by the dialog's tree.
  ZQF_StoredAttributeTextEditGlyph* GetTextDisplay() const { return TextDisplay; }
  // The text as the dialog shows it.
  static ZQ_String PrepareReportText(const ZQ_String& Text, long Options);

 private:
  ZQ_String ReportText;
  long Options;
  ZQF_StoredAttributeTextEditGlyph* TextDisplay = nullptr;
};

#endif
