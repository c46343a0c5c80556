// The text report dialog.
#include "ZQF_SimpleTextReportDialogBox.h"

#include <algorithm>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_StoredAttributeTextEditGlyph.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StringSubs.h"

ZQF_SimpleTextReportDialogBox::ZQF_SimpleTextReportDialogBox(const ZQ_String& Text,
                                                             const ZQ_String& Title, long Options)
    : ZQF_SimpleDialogBox(Title, ZQF_ButtonPlacement_BelowRight, false),
      ReportText(PrepareReportText(Text, Options)),
      Options(Options) {
  SetShowCancelButton(false);
}

ZQ_String ZQF_SimpleTextReportDialogBox::PrepareReportText(const ZQ_String& Text, long Options) {
  const ZQ_String plain =
      ZQ_StringSubs::ExpandTabs(ZQ_StringSubs::RemoveCarriageReturns(Text), 4);
  if (!(Options & Option_Margin)) return plain;
  ZQ_String framed("\n");
  long start = 0;
  const long length = plain.GetLength();
  while (start <= length) {
    long end = start;
    while (end < length && plain[end] != '\n') ++end;
    const ZQ_String line = ZQ_StripChar(ZQ_String(plain.GetText() + start, end - start),
                                        ZQ_Strip_Trailing, ' ');
    framed += ZQ_String("  ") + line + ZQ_String("  \n");
    start = end + 1;
  }
  // An empty margin line is "\n" + four blanks + "\n": cut the last five.
  while (framed.EndsWith(ZQ_String("\n    \n"))) {
    framed = ZQ_String(framed.GetText(), framed.GetLength() - 5);
  }
  framed += ZQ_String("\n");
  return framed;
}

void ZQF_SimpleTextReportDialogBox::Init_SetWindowBorderOptions(
    ZQF_WindowBorderGlyphOptionsSet* BorderOptions) {
  ZQF_DialogBox::Init_SetWindowBorderOptions(BorderOptions);
}

void ZQF_SimpleTextReportDialogBox::Init_AddClientControls(ZQF_AlignmentGlyph* Organizer) {
  auto* display = new ZQF_StoredAttributeTextEditGlyph(1);
  TextDisplay = display;
  Organizer->AddToEnd(display);
  if (Options & Option_FixedPitch) display->SetFont(ZQF_GetFontMetric(ZQF_FontMetric_FixedPitch));
  display->SetReadOnly(true);
  display->SetBorderOption(true);
  display->SetText(ReportText);
  ZQ_Point<long> size = display->ComputeSizeToHoldText(0);
  // A text this tall scrolls: its lines keep their width beside the bar.
  if (size.Y > 0.75 * ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea).Height) size = display->ComputeSizeToHoldText(1);
  // A short or empty text still gets the field's least size.
  const ZQ_Point<long> least = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px);
  size = ZQ_Point<long>(std::max(size.X, least.X), std::max(size.Y, least.Y));
  display->SetFixedDesiredSize(size, least, ZQ_Point<long>(0x20000000, 0x20000000));
}

void ZQF_SimpleTextReportDialogBox::Init_AddButtons() {
  AddButton(ZQ_Internationalization_Translate(ZQ_String("&Copy to Clipboard")), false,
            ZQ_Functor0(this, &ZQF_SimpleTextReportDialogBox::RespondToCopyButtonPress));
  if (Options & Option_CancelButton) AddCancelButton(nullptr, false);
  AddOKButton(nullptr, true);
}

ZQF_ControlGlyph* ZQF_SimpleTextReportDialogBox::Init_GetInitiallySelectedControl() {
  return GetDefaultDefaultButton();
}

void ZQF_SimpleTextReportDialogBox::RespondToCopyButtonPress() {
  if (!TextDisplay->IsAnyTextSelected()) TextDisplay->SelectAll();
  TextDisplay->Copy();
}
