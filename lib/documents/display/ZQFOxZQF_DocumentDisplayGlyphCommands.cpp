// The document display control towards the user: the print, preview, page
// setup and export commands, the scrolling keys, links under the mouse,
// middle-button auto-scroll, the wheel, and following links.
#include <algorithm>
#include <cstdint>
#include <string>

#include "ZQFOxZQF_DocumentDisplayCommands.h"
#include "ZQFOxZQF_DocumentDisplayGlyph.h"
#include "ZQFOxZQF_InternalURIHandler.h"
#include "ZQFOxZQF_PrintPreviewDocument.h"
#include "ZQFO_ExportDocumentToHTML.h"
#include "ZQFO_PrintDocument.h"
#include "ZQF_FileNameQueryDialogBox.h"
#include "ZQF_Message.h"
#include "ZQF_Metrics.h"
#include "ZQF_MouseWheel.h"
#include "ZQF_ScrollBarGlyph.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQR_Cursor.h"
#include "ZQ_ConvertDocumentToText.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Internationalization.h"
#include "ZQ_Numeric.h"
#include "ZQ_PrinterManager.h"
#include "ZQ_URI.h"

namespace {

enum { ExportFilter_HTML = 1, ExportFilter_Text = 2 };

using Display = ZQFOxZQF_DocumentDisplayGlyph;

// The keys: Control 0 up, 1 down, 2 either; Shift likewise; Alt up always.
struct KeyRow {
  ZQF_KeyCode Key;
  int Shift, Control;
  void (*Act)(Display&);
};
const KeyRow kKeys[] = {
    {ZQF_Key_Down, 2, 0, [](Display& D) { D.ScrollLineDown(1); }},
    {ZQF_Key_Down, 2, 1, [](Display& D) { D.ScrollPageDown(); }},
    {ZQF_Key_Up, 2, 0, [](Display& D) { D.ScrollLineUp(1); }},
    {ZQF_Key_Up, 2, 1, [](Display& D) { D.ScrollPageUp(); }},
    {ZQF_Key_PageDown, 2, 0, [](Display& D) { D.ScrollPageDown(); }},
    {ZQF_Key_PageDown, 2, 1, [](Display& D) { D.ScrollToBottom(); }},
    {ZQF_Key_PageUp, 2, 0, [](Display& D) { D.ScrollPageUp(); }},
    {ZQF_Key_PageUp, 2, 1, [](Display& D) { D.ScrollToTop(); }},
    {ZQF_Key_Home, 2, 2, [](Display& D) { D.ScrollToTop(); D.ScrollToHorizontalBegin(); }},
    {ZQF_Key_End, 2, 2, [](Display& D) { D.ScrollToBottom(); D.ScrollToHorizontalBegin(); }},
    {ZQF_Key_Left, 2, 0, [](Display& D) { D.ScrollLineLeft(); }},
    {ZQF_Key_Left, 2, 1, [](Display& D) { D.ScrollPageLeft(); }},
    {ZQF_Key_Right, 2, 0, [](Display& D) { D.ScrollLineRight(); }},
    {ZQF_Key_Right, 2, 1, [](Display& D) { D.ScrollPageRight(); }},
    {'H', 0, 1, [](Display& D) { ZQFOxZQF_DocumentDisplay_HandleExportDocumentRequest(D); }},
    {'h', 0, 1, [](Display& D) { ZQFOxZQF_DocumentDisplay_HandleExportDocumentRequest(D); }},
    {'P', 0, 1, [](Display& D) { ZQFOxZQF_DocumentDisplay_HandlePrintRequest(D, true); }},
    {'p', 0, 1, [](Display& D) { ZQFOxZQF_DocumentDisplay_HandlePrintRequest(D, true); }},
    {'P', 1, 1, [](Display&) { ZQ_PrinterManager::RunPageSetupDialogBox(); }},
    {'p', 1, 1, [](Display&) { ZQ_PrinterManager::RunPageSetupDialogBox(); }},
    {'W', 0, 1, [](Display& D) { ZQFOxZQF_DocumentDisplay_HandlePrintPreviewRequest(D); }},
    {'w', 0, 1, [](Display& D) { ZQFOxZQF_DocumentDisplay_HandlePrintPreviewRequest(D); }},
};

// Moves a shown bar's slider by Lines scroll lines of LinePixels, rounded.
void ScrollBy(ZQF_ScrollBarGlyph* Bar, bool Shown, double Lines, long LinePixels) {
  if (!Shown || Lines == 0) return;
  Bar->SetSliderPosition_Safe(Bar->GetSliderPosition() + static_cast<long>(ZQ_Round(LinePixels * Lines)), true);
}

}  // namespace

// ---------------------------------------------------------------- requests

void ZQFOxZQF_DocumentDisplay_HandlePrintRequest(ZQFOxZQF_DocumentDisplayGlyph& Display, bool ShowPrintDialog) {
  ZQFO_PrintDocumentOptions options;
  options.ShowPrintDialog = ShowPrintDialog;
  ZQFO_PrintDocument(Display.GetInputDocument(), options);
}

void ZQFOxZQF_DocumentDisplay_HandlePrintPreviewRequest(ZQFOxZQF_DocumentDisplayGlyph& Display) {
  ZQFOxZQF_PrintPreviewDocument(Display.GetInputDocument(), 0);
}

void ZQFOxZQF_DocumentDisplay_HandleExportDocumentRequest(ZQFOxZQF_DocumentDisplayGlyph& Display) {
  const ZQFO_Document document = Display.GetInputDocument();
  ZQF_FileNameQueryDialogBox dialog;
  dialog.SetMode(1);
  dialog.AddFilter("HTML", "htm,html", ExportFilter_HTML, true);
  dialog.AddFilter("Text", "txt", ExportFilter_Text, false);
  dialog.SetTitle(ZQ_Internationalization_Translate("Export report"));
  dialog.SetDefaultExtension("htm");
  dialog.SetOverwritePrompt(true);
  dialog.SetNoAllFilesFilter(true);
  dialog.SetConfigurationName("ZQFOxZQF_DocumentDisplayGlyph_ExportDocument");
  ZQ_FileName proposed(document.GetName().IsEmpty() ? ZQ_Internationalization_Translate("Report")
                                                    : ZQ_FileUtils::StripNonfileChars(document.GetName()));
  proposed.SetExtension(ZQ_String(), ZQ_FileName::SetMode_Replace);
  dialog.SetFileName(proposed);
  dialog.Run();  // a cancel ends the request here
  const ZQ_FileName destination = dialog.GetFileName();
  if (dialog.GetSelectedFilterTag() == ExportFilter_Text)
    ZQ_ConvertDocumentToTextFile(document, destination);
  else
    ZQFO_ExportDocumentToHTML(document, destination, ZQFO_ExportDocumentToHTML_Options());
}

// ---------------------------------------------------------------- handlers

void ZQFOxZQF_DocumentDisplayGlyph::HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleCommand(Message, SecondTry);
  if (!SecondTry || Message.IsHandled()) return;
  if (auto* print = dynamic_cast<ZQF_PrintCommandMessage*>(&Message)) {
    Message.SetHandled();
    ZQFOxZQF_DocumentDisplay_HandlePrintRequest(*this, print->GetPrintOption());
  } else if (dynamic_cast<ZQF_PrintPreviewCommandMessage*>(&Message)) {
    Message.SetHandled();
    ZQFOxZQF_DocumentDisplay_HandlePrintPreviewRequest(*this);
  } else if (dynamic_cast<ZQF_PageSetupCommandMessage*>(&Message)) {
    Message.SetHandled();
    ZQ_PrinterManager::RunPageSetupDialogBox();
  } else if (dynamic_cast<ZQFOxZQF_ExportDocumentCommandMessage*>(&Message)) {
    Message.SetHandled();
    ZQFOxZQF_DocumentDisplay_HandleExportDocumentRequest(*this);
  }
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleUpdate(Message, SecondTry);
  if (!SecondTry || Message.IsHandled()) return;
  auto* update = dynamic_cast<ZQF_StandardCommandUpdateMessage*>(&Message);
  if (update && (dynamic_cast<ZQF_PrintCommandUpdateMessage*>(update) ||
                 dynamic_cast<ZQF_PrintPreviewCommandUpdateMessage*>(update) ||
                 dynamic_cast<ZQF_PageSetupCommandUpdateMessage*>(update) ||
                 dynamic_cast<ZQFOxZQF_ExportDocumentCommandUpdateMessage*>(update))) {
    update->SetEnabled(true);
    Message.SetHandled();
  }
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleKey(Message, SecondTry);
  if (!SecondTry || Message.IsHandled()) return;
  for (const KeyRow& row : kKeys) {
    if (Message.GetKeyCode() != row.Key || !Message.MatchesModifierKeys(row.Shift, row.Control, 0)) continue;
    Message.SetHandled();
    row.Act(*this);
    return;
  }
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftDown(Message, SecondTry);
  if (!SecondTry || Message.IsHandled()) return;
  const ZQ_Point<long> local = WindowToGlyph(Message.GetPosition());
  if (IsLinkTargetAtPoint(local.X, local.Y)) Message.SetHandled();
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseLeftUp(Message, SecondTry);
  if (!SecondTry || Message.IsHandled()) return;
  const ZQ_Point<long> local = WindowToGlyph(Message.GetPosition());
  const ZQ_String target = FindLinkTargetAtPoint(local.X, local.Y);
  if (target.IsEmpty()) return;
  Message.SetHandled();
  FollowLink(target);
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseSetCursor(Message, SecondTry);
  if (!SecondTry || Message.IsHandled()) return;
  const ZQ_Point<long> local = WindowToGlyph(Message.GetPosition());
  if (!IsLinkTargetAtPoint(local.X, local.Y)) return;
  ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(ZQF_CursorMetric_PointingHand));
  Message.SetHandled();
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseMiddleDown(Message, SecondTry);
  if (!SecondTry || Message.IsHandled()) return;
  int direction;  // the drag's axis mode: 0 vertical, 1 horizontal, 2 both
  if (IsVerticalScrollBarShown() && IsHorizontalScrollBarShown())
    direction = 2;
  else if (IsVerticalScrollBarShown())
    direction = 0;
  else if (IsHorizontalScrollBarShown())
    direction = 1;
  else
    return;  // nothing to scroll
  Message.SetHandled();
  ZQF_MouseWheel_BeginWheelScrollDragOperation(
      this, ZQF_WheelScrollCallback(this, &ZQFOxZQF_DocumentDisplayGlyph::MouseWheelDragScrollCallback), direction,
      1, 0.1, 99999.0);
}

void ZQFOxZQF_DocumentDisplayGlyph::HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseWheel(Message, SecondTry);
  // A document that fits leaves the wheel to what scrolls around it.
  if (SecondTry || Message.IsHandled() || IsDisabled() || !IsVerticalScrollBarShown()) return;
  const long lineHeight = std::max(1L, GetScrollLineSize().Y);
  const long documentLines = GetDocumentSizeInPixels().Y / lineHeight;
  const long lines = std::max(1L, std::min(Message.GetNumNotches(), documentLines - 1));
  Message.SetHandled();
  if (Message.GetDirection() == 0)
    ScrollLineUp(lines);
  else
    ScrollLineDown(lines);
}

void ZQFOxZQF_DocumentDisplayGlyph::MouseWheelDragScrollCallback(double DX, double DY) {
  ScrollBy(GetVerticalScrollBar(), IsVerticalScrollBarShown(), DY, GetScrollLineSize().Y);
  ScrollBy(GetHorizontalScrollBar(), IsHorizontalScrollBarShown(), DX, GetScrollLineSize().X);
}

// ---------------------------------------------------------------- links

void ZQFOxZQF_DocumentDisplayGlyph::FollowLink(const ZQ_String& Target) {
  if (Target.IsEmpty()) return;
  const std::string target = Target.GetText();
  if (target[0] == '#') {
    JumpToElementWithID(ZQ_String(target.substr(1).c_str()), true);
    return;
  }
  ZQ_URI base = GetInputDocument().GetExternalContext().GetBaseURI();
  if (base.IsEmpty()) base = ZQ_URI_GetCurrentDirectoryURI();
  const size_t colon = target.find(':');
  if (colon != std::string::npos && colon > 0 && colon < target.size() - 1 &&
      ZQFOxZQF_InternalURIHandler_HandleIfPossible(ZQ_String(target.substr(0, colon).c_str()),
                                                   ZQ_String(target.substr(colon + 1).c_str()), base, this)) {
    return;
  }
  // A target without a scheme names a file beside the document.
  const ZQ_URI uri = colon == std::string::npos ? ZQ_URI(Target).MakeAbsolute(base)
                                                : ZQ_URI_MakeFromFileName(Target, 0);
  ZQ_AbsoluteURI(uri).Goto();
}

ZQ_String ZQFOxZQF_DocumentDisplayGlyph::FindLinkTargetAtPoint(long X, long Y) const {
  if (GetRenderer().GetNeedsRepagination() && !GetRenderer().GetRepaginationFailed()) return ZQ_String();
  return GetRenderer().GetLinkTargetAtPoint(ClientToPage(X, Y), 0);
}

bool ZQFOxZQF_DocumentDisplayGlyph::IsLinkTargetAtPoint(long X, long Y) const {
  return !FindLinkTargetAtPoint(X, Y).IsEmpty();
}
