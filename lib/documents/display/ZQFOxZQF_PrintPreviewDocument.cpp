// The print preview dialog box, its toolbar and its keys.
#include "ZQFOxZQF_PrintPreviewDocument.h"

#include <cstdint>
#include <memory>

#include "ZQFOxZQF_PrintPreviewPageDisplayGlyph.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_CallbackStandardBitmapButtonGlyph.h"
#include "ZQF_CallbackTextButtonGlyph.h"
#include "ZQF_DialogActionGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Message.h"
#include "ZQF_HelpAvailability.h"
#include "ZQF_ToolbarGlyph.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Internationalization.h"
#include "ZQ_PrinterManager.h"

namespace {

ZQ_String PreviewTitle(const ZQFO_Document& Doc) {
  const ZQ_ApplicationMetrics& metrics = ZQ_GetApplicationMetrics();
  ZQ_String title = metrics.GetApplicationName() + " " + metrics.GetVersionString() + " - " +
                    ZQ_Internationalization_Translate("Print Preview");
  if (Doc.GetName().GetLength() > 0) title = title + " - " + Doc.GetName();
  return title;
}

// Help is off while the preview runs and on again on every way out.
class HelpSwitchedOff {
 public:
  HelpSwitchedOff() { ZQF_Help_DisableHelp(); }
  ~HelpSwitchedOff() { ZQF_Help_EnableHelp(); }
  HelpSwitchedOff(const HelpSwitchedOff&) = delete;
  HelpSwitchedOff& operator=(const HelpSwitchedOff&) = delete;
};

}  // namespace

void ZQFOxZQF_PrintPreviewDocument(const ZQFO_Document& Doc, long FirstPageIndex) {
  const HelpSwitchedOff noHelp;
  // Deleted on every way out, a failure to build its tree included.
  const std::unique_ptr<PrintPreviewDialogBox> dialog(new PrintPreviewDialogBox(Doc, FirstPageIndex));
  dialog->Run();
}

// ---------------------------------------------------------------- the dialog

PrintPreviewDialogBox::PrintPreviewDialogBox(const ZQFO_Document& Doc, long FirstPageIndex)
    : ZQF_DialogBox(ZQF_DialogBoxModality_Modal, PreviewTitle(Doc)),
      Document(Doc),
      InitialFirstPageIndex(FirstPageIndex) {
  SetFillsScreen(true);
  QueueStatusUpdate();
}

PrintPreviewDialogBox::~PrintPreviewDialogBox() { ZQF_ActionQueue::RemoveAllActions(OwnerKey()); }

unsigned long PrintPreviewDialogBox::OwnerKey() const {
  return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(this));
}

ZQF_Glyph* PrintPreviewDialogBox::Init_CreateClientGlyphTree() {
  Toolbar = new ZQF_ToolbarGlyph(ZQF_ToolbarGlyph::ButtonActive_FocusPath, -1, -1);
  auto* manager = new PrintPreviewManagerGlyph(this);
  manager->AddToEnd(Toolbar);
  InitializeToolbar(Toolbar);
  PageDisplay = new ZQFOxZQF_PrintPreviewPageDisplayGlyph(Document);
  if (InitialFirstPageIndex != 0) PageDisplay->SetFirstPageIndexVisible(InitialFirstPageIndex);
  manager->AddToEnd(new ZQF_BorderGlyph(PageDisplay, ZQ_String(), 0, ZQ_Point<long>(0, 0), 1, 0));
  Toolbar->PutOnFocusPath();
  return new ZQF_DialogActionGlyph(manager);
}

void PrintPreviewDialogBox::AddButton(ZQF_ToolbarGlyph* Bar, const char* BitmapName, const ZQ_String& Tooltip,
                                      void (PrintPreviewDialogBox::*Action)(), int AutorepeatMode) {
  auto* button = new ZQF_CallbackStandardBitmapButtonGlyph(BitmapName, ZQ_Functor0(this, Action), 0, 0);
  button->SetTooltipText(Tooltip);
  button->SetFocusable(true);
  button->SetAutorepeatMode(AutorepeatMode);
  Bar->AddClient(button);
}

void PrintPreviewDialogBox::InitializeToolbar(ZQF_ToolbarGlyph* Bar) {
  const long focusPath = ZQF_ToolbarGlyph::ButtonActive_Default;
  Bar->AddBitmapButton("ZQF_MagnifyingGlassToolbarButtonBitmap", std::make_unique<SetInspectionToolToggleCommandMessage>(),
                       std::make_unique<SetInspectionToolToggleCommandUpdateMessage>(),
                       ZQ_Internationalization_Translate("Page Inspection Mouse Tool"), ZQ_String(), focusPath, false);
  Bar->AddBitmapButton("ZQF_PointingHandToolbarButtonBitmap", std::make_unique<SetSelectionToolToggleCommandMessage>(),
                       std::make_unique<SetSelectionToolToggleCommandUpdateMessage>(),
                       ZQ_Internationalization_Translate("Page Selection Mouse Tool"), ZQ_String(), focusPath, false);
  // The buttons: a spacer before a row whose bitmap is null. The tooltip is
  // translated, then the key hint (never translated) follows.
  const int repeat = ZQF_ButtonGlyph::AutorepeatMode_UpAndDown;
  using Action = void (PrintPreviewDialogBox::*)();
  static const struct {
    const char* Bitmap;
    const char* Tooltip;
    const char* KeyHint;
    Action Act;
    int Autorepeat;
  } kButtons[] = {
      {nullptr, nullptr, nullptr, nullptr, 0},
      {"ZQF_PageSetupToolbarButtonBitmap", "Page setup", "  (Ctrl-Shift-P)", &PrintPreviewDialogBox::PageSetup, 0},
      {"ZQF_PrintToolbarButtonBitmap", "Print {$1}", "  (Ctrl-P)", &PrintPreviewDialogBox::Print, 0},
      {nullptr, nullptr, nullptr, nullptr, 0},
      {"ZQF_BackToStartToolbarButtonBitmap", "Go to first page", "  (Home)", &PrintPreviewDialogBox::GoBackToStart, 0},
      {"ZQF_BackPageToolbarButtonBitmap", "Go back number of pages currently displayed on screen", "  (Page Up)",
       &PrintPreviewDialogBox::GoBackPage, repeat},
      {"ZQF_BackLineToolbarButtonBitmap", "Go back one page", "  (Left Arrow)", &PrintPreviewDialogBox::GoBackLine,
       repeat},
      {"ZQF_ForwardLineToolbarButtonBitmap", "Go forward one page", "  (Right Arrow)",
       &PrintPreviewDialogBox::GoForwardLine, repeat},
      {"ZQF_ForwardPageToolbarButtonBitmap", "Go forward number of pages currently displayed on screen",
       "  (Page Down)", &PrintPreviewDialogBox::GoForwardPage, repeat},
      {"ZQF_ForwardToEndToolbarButtonBitmap", "Go to last page", "  (End)", &PrintPreviewDialogBox::GoForwardToEnd, 0},
      {nullptr, nullptr, nullptr, nullptr, 0},
      {"ZQFOxZQF_OnePage_ToolbarButtonBitmap", "Show 1 page at a time", "  (Ctrl-1)", &PrintPreviewDialogBox::OnePage, 0},
      {"ZQFOxZQF_TwoPages_ToolbarButtonBitmap", "Show 2 pages at a time", "  (Ctrl-2)", &PrintPreviewDialogBox::TwoPage,
       0},
      {"ZQFOxZQF_FourPages_ToolbarButtonBitmap", "Show 4 pages at a time", "  (Ctrl-3)",
       &PrintPreviewDialogBox::FourPage, 0},
      {"ZQFOxZQF_EightPages_ToolbarButtonBitmap", "Show 8 pages at a time", "  (Ctrl-4)",
       &PrintPreviewDialogBox::EightPage, 0},
      {"ZQFOxZQF_SixteenPages_ToolbarButtonBitmap", "Show 16 pages at a time", "  (Ctrl-5)",
       &PrintPreviewDialogBox::SixteenPage, 0},
      {"ZQFOxZQF_ThirtytwoPages_ToolbarButtonBitmap", "Show 32 pages at a time", "  (Ctrl-6)",
       &PrintPreviewDialogBox::ThirtytwoPage, 0},
      {"ZQFOxZQF_SixtyfourPages_ToolbarButtonBitmap", "Show 64 pages at a time", "  (Ctrl-7)",
       &PrintPreviewDialogBox::SixtyfourPage, 0},
      {nullptr, nullptr, nullptr, nullptr, 0},
  };
  for (const auto& b : kButtons) {
    if (!b.Bitmap) {
      Bar->AddSpacer(1);
      continue;
    }
    // "Print {$1}" takes the document's name after the translation.
    const ZQ_String tooltip =
        ZQ_Internationalization_FillPlaceholders(ZQ_Internationalization_Translate(b.Tooltip), Document.GetName());
    AddButton(Bar, b.Bitmap, tooltip + b.KeyHint, b.Act, b.Autorepeat);
  }
  StatusLabel = new ZQF_StoredLabelGlyph(ZQ_String());
  Bar->AddClient(StatusLabel);
  Bar->AddSpacer(1);
  auto* close = new ZQF_CallbackTextButtonGlyph(ZQ_Internationalization_Translate("&Close"),
                                                ZQ_Functor0(this, &PrintPreviewDialogBox::NonvirtualClose), 0, 0);
  Bar->AddClient(close);
  close->PutOnFocusPath();
}

// ---------------------------------------------------------------- actions

#define ZQ_PREVIEW_ACTION(Name, Call) \
  void PrintPreviewDialogBox::Name() { \
    Call;                              \
    QueueStatusUpdate();               \
  }
ZQ_PREVIEW_ACTION(Print, PageDisplay->Print())
ZQ_PREVIEW_ACTION(PageSetup, (ZQ_PrinterManager::RunPageSetupDialogBox(), PageDisplay->NoteNewPageSetup()))
ZQ_PREVIEW_ACTION(OnePage, PageDisplay->SetNumPagesVisible(1))
ZQ_PREVIEW_ACTION(TwoPage, PageDisplay->SetNumPagesVisible(2))
ZQ_PREVIEW_ACTION(FourPage, PageDisplay->SetNumPagesVisible(4))
ZQ_PREVIEW_ACTION(EightPage, PageDisplay->SetNumPagesVisible(8))
ZQ_PREVIEW_ACTION(SixteenPage, PageDisplay->SetNumPagesVisible(16))
ZQ_PREVIEW_ACTION(ThirtytwoPage, PageDisplay->SetNumPagesVisible(32))
ZQ_PREVIEW_ACTION(SixtyfourPage, PageDisplay->SetNumPagesVisible(64))
ZQ_PREVIEW_ACTION(GoBackToStart, PageDisplay->GoBackToStart())
ZQ_PREVIEW_ACTION(GoBackPage, PageDisplay->GoBackPage())
ZQ_PREVIEW_ACTION(GoBackRow, PageDisplay->GoBackRow())
ZQ_PREVIEW_ACTION(GoBackLine, PageDisplay->GoBackLine())
ZQ_PREVIEW_ACTION(GoForwardLine, PageDisplay->GoForwardLine())
ZQ_PREVIEW_ACTION(GoForwardRow, PageDisplay->GoForwardRow())
ZQ_PREVIEW_ACTION(GoForwardPage, PageDisplay->GoForwardPage())
ZQ_PREVIEW_ACTION(GoForwardToEnd, PageDisplay->GoForwardToEnd())
ZQ_PREVIEW_ACTION(ZoomIn, PageDisplay->ZoomIn())
ZQ_PREVIEW_ACTION(ZoomOut, PageDisplay->ZoomOut())
#undef ZQ_PREVIEW_ACTION

void PrintPreviewDialogBox::NonvirtualClose() { Close(); }

bool PrintPreviewDialogBox::IsPageInspectionMouseToolActive() const {
  return PageDisplay->GetMouseTool() == ZQFOxZQF_PrintPreviewPageDisplayGlyph::MouseTool_Inspection;
}
bool PrintPreviewDialogBox::IsPageSelectionMouseToolActive() const {
  return PageDisplay->GetMouseTool() == ZQFOxZQF_PrintPreviewPageDisplayGlyph::MouseTool_Selection;
}
void PrintPreviewDialogBox::SetPageInspectionMouseTool() {
  PageDisplay->SetMouseTool(ZQFOxZQF_PrintPreviewPageDisplayGlyph::MouseTool_Inspection);
}
void PrintPreviewDialogBox::SetPageSelectionMouseTool() {
  PageDisplay->SetMouseTool(ZQFOxZQF_PrintPreviewPageDisplayGlyph::MouseTool_Selection);
}

void PrintPreviewDialogBox::QueueStatusUpdate() {
  if (StatusUpdatePending) return;
  StatusUpdatePending = true;
  ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(this, &PrintPreviewDialogBox::UpdateStatus), OwnerKey(), true);
}

void PrintPreviewDialogBox::UpdateStatus() {
  StatusUpdatePending = false;
  // Queued by the constructor, before the tree exists.
  if (!StatusLabel || !PageDisplay) return;
  const ZQ_String text = PageDisplay->GetPagesDisplayedDescription();
  if (text.GetLength() == StatusLabel->GetText().GetLength() && text == StatusLabel->GetText()) return;
  StatusLabel->SetText(text);
  StatusLabel->Resize();
}

// ---------------------------------------------------------------- the manager

void PrintPreviewManagerGlyph::HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) {
  ZQF_ColumnGlyph::HandleCommand(Message, SecondTry);
  if (!SecondTry || Message.IsHandled()) return;
  if (dynamic_cast<SetInspectionToolToggleCommandMessage*>(&Message)) {
    Dialog->SetPageInspectionMouseTool();
    Message.SetHandled();
  } else if (dynamic_cast<SetSelectionToolToggleCommandMessage*>(&Message)) {
    Dialog->SetPageSelectionMouseTool();
    Message.SetHandled();
  }
}

void PrintPreviewManagerGlyph::HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) {
  ZQF_ColumnGlyph::HandleUpdate(Message, SecondTry);
  if (!SecondTry || Message.IsHandled()) return;
  if (auto* inspection = dynamic_cast<SetInspectionToolToggleCommandUpdateMessage*>(&Message)) {
    inspection->SetEnabled(true);
    inspection->SetChecked(Dialog->IsPageInspectionMouseToolActive());
    Message.SetHandled();
  } else if (auto* selection = dynamic_cast<SetSelectionToolToggleCommandUpdateMessage*>(&Message)) {
    selection->SetEnabled(true);
    selection->SetChecked(Dialog->IsPageSelectionMouseToolActive());
    Message.SetHandled();
  }
}

void PrintPreviewManagerGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ColumnGlyph::HandleMouseLeftDown(Message, SecondTry);
  if (!SecondTry) Dialog->QueueStatusUpdate();
}

void PrintPreviewManagerGlyph::HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_ColumnGlyph::HandleMouseLeftDoubleClick(Message, SecondTry);
  if (!SecondTry) Dialog->QueueStatusUpdate();
}

void PrintPreviewManagerGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  ZQF_ColumnGlyph::HandleKey(Message, SecondTry);
  if (SecondTry) return;
  using Action = void (PrintPreviewDialogBox::*)();
  // Alt is up in every row; Shift and Control: 0 up, 1 down, 2 either.
  struct KeyRow {
    ZQF_KeyCode Key;
    int Shift, Control;
    Action Act;
  };
  static const KeyRow kKeys[] = {
      {ZQF_Key_PageUp, 2, 2, &PrintPreviewDialogBox::GoBackPage},
      {ZQF_Key_PageDown, 2, 2, &PrintPreviewDialogBox::GoForwardPage},
      {ZQF_Key_Home, 2, 2, &PrintPreviewDialogBox::GoBackToStart},
      {ZQF_Key_End, 2, 2, &PrintPreviewDialogBox::GoForwardToEnd},
      {ZQF_Key_Left, 2, 2, &PrintPreviewDialogBox::GoBackLine},
      {ZQF_Key_Right, 2, 2, &PrintPreviewDialogBox::GoForwardLine},
      {ZQF_Key_Up, 2, 2, &PrintPreviewDialogBox::GoBackRow},
      {ZQF_Key_Down, 2, 2, &PrintPreviewDialogBox::GoForwardRow},
      {ZQF_Key_Enter, 2, 2, &PrintPreviewDialogBox::NonvirtualClose},
      {ZQF_Key_Escape, 2, 2, &PrintPreviewDialogBox::NonvirtualClose},
      {'+', 2, 2, &PrintPreviewDialogBox::ZoomIn},
      {'=', 2, 2, &PrintPreviewDialogBox::ZoomIn},
      {'-', 2, 2, &PrintPreviewDialogBox::ZoomOut},
      {'_', 2, 2, &PrintPreviewDialogBox::ZoomOut},
      {'1', 2, 1, &PrintPreviewDialogBox::OnePage},
      {'2', 2, 1, &PrintPreviewDialogBox::TwoPage},
      {'3', 2, 1, &PrintPreviewDialogBox::FourPage},
      {'4', 2, 1, &PrintPreviewDialogBox::EightPage},
      {'5', 2, 1, &PrintPreviewDialogBox::SixteenPage},
      {'6', 2, 1, &PrintPreviewDialogBox::ThirtytwoPage},
      {'7', 2, 1, &PrintPreviewDialogBox::SixtyfourPage},
      {'P', 0, 1, &PrintPreviewDialogBox::Print},
      {'p', 0, 1, &PrintPreviewDialogBox::Print},
      {'P', 1, 1, &PrintPreviewDialogBox::PageSetup},
      {'p', 1, 1, &PrintPreviewDialogBox::PageSetup},
  };
  Dialog->QueueStatusUpdate();
  if (Message.IsHandled()) return;
  for (const KeyRow& row : kKeys) {
    if (Message.GetKeyCode() != row.Key || !Message.MatchesModifierKeys(row.Shift, row.Control, 0)) continue;
    Message.SetHandled();
    (Dialog->*row.Act)();
    return;
  }
}
