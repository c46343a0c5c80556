// ZQFOxZQF_PrintPreviewDocument.h: the print preview, a modal dialog box over
// the whole work area: a toolbar (mouse tools, page setup, print, paging,
// 1 to 64 pages at a time, the status, Close) above the page area. Help is
// switched off while it runs. Exceptions of the printer and the layout pass
// out after the dialog is gone and help is back. UI thread only.
#ifndef ZQFOXZQF_PRINTPREVIEWDOCUMENT_H
#define ZQFOXZQF_PRINTPREVIEWDOCUMENT_H

#include "ZQFO_Document.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_DialogBox.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQ_Functor.h"

class ZQF_StoredLabelGlyph;
class ZQF_ToolbarGlyph;
class ZQFOxZQF_PrintPreviewPageDisplayGlyph;

// Shows Doc from page FirstPageIndex (from 0) until the user closes it.
void ZQFOxZQF_PrintPreviewDocument(const ZQFO_Document& Doc, long FirstPageIndex);

// The two mouse tools' commands and their toggle updates.
class SetInspectionToolToggleCommandMessage : public ZQF_StandardCommandMessage {};
class SetSelectionToolToggleCommandMessage : public ZQF_StandardCommandMessage {};
class SetInspectionToolToggleCommandUpdateMessage : public ZQF_StandardToggleCommandUpdateMessage {};
class SetSelectionToolToggleCommandUpdateMessage : public ZQF_StandardToggleCommandUpdateMessage {};

class PrintPreviewDialogBox : public ZQF_DialogBox {
 public:
  PrintPreviewDialogBox(const ZQFO_Document& Doc, long FirstPageIndex);
  ~PrintPreviewDialogBox() override;
  ZQF_Glyph* Init_CreateClientGlyphTree() override;

  // The toolbar's and the keys' actions; each queues a status update.
  void Print();
  void PageSetup();
  void OnePage();
  void TwoPage();
  void FourPage();
  void EightPage();
  void SixteenPage();
  void ThirtytwoPage();
  void SixtyfourPage();
  void GoBackToStart();
  void GoBackPage();
  void GoBackRow();
  void GoBackLine();
  void GoForwardLine();
  void GoForwardRow();
  void GoForwardPage();
  void GoForwardToEnd();
  void ZoomIn();
  void ZoomOut();
  void NonvirtualClose();

  bool IsPageInspectionMouseToolActive() const;
  bool IsPageSelectionMouseToolActive() const;
  void SetPageInspectionMouseTool();
  void SetPageSelectionMouseTool();

  // One status update at the next idle time, however many changes come
  // before it.
  void QueueStatusUpdate();
  void UpdateStatus();

  ZQFOxZQF_PrintPreviewPageDisplayGlyph* GetPageDisplay() const { return PageDisplay; }
  ZQF_StoredLabelGlyph* GetStatusLabel() const { return StatusLabel; }
  ZQF_ToolbarGlyph* GetToolbar() const { return Toolbar; }

 private:
  void InitializeToolbar(ZQF_ToolbarGlyph* Toolbar);
  void AddButton(ZQF_ToolbarGlyph* Toolbar, const char* BitmapName, const ZQ_String& Tooltip,
                 void (PrintPreviewDialogBox::*Action)(), int AutorepeatMode);
  void Show(long NumPages);
  unsigned long OwnerKey() const;

  ZQFO_Document Document;
  long InitialFirstPageIndex;
  ZQFOxZQF_PrintPreviewPageDisplayGlyph* PageDisplay = nullptr;  // owned by the glyph tree
  ZQF_StoredLabelGlyph* StatusLabel = nullptr;                   // owned by the glyph tree
  ZQF_ToolbarGlyph* Toolbar = nullptr;                           // owned by the glyph tree
  bool StatusUpdatePending = false;
};

// Above the toolbar and the page area: the preview's keys, the tool
// commands and their updates.
class PrintPreviewManagerGlyph : public ZQF_ColumnGlyph {
 public:
  explicit PrintPreviewManagerGlyph(PrintPreviewDialogBox* Dialog) : Dialog(Dialog) {}
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;

 private:
  PrintPreviewDialogBox* Dialog;  // borrowed: the dialog owns the tree
};

#endif
