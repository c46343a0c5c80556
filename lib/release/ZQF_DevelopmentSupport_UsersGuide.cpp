// ZQF_DevelopmentSupport_UsersGuide.cpp: the user's guide (the help
// document) published as plain text and, printed by the user to a PDF
// printer, as PDF.
#include <string>

#include "ZQFO_PrintDocument.h"
#include "ZQF_HelpDialogBox.h"
#include "ZQF_DevelopmentSupport.h"
#include "ZQF_DevelopmentSupport_Imp.h"
#include "ZQF_Help.h"
#include "ZQF_MessageDialogBox.h"
#include "ZQ_ConvertDocumentToText.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_ProgressReportService.h"
#include "ZQ_Sound.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

const char kTemporaryPDFName[] = "zqdev_temp.pdf";

// The default options: the print dialog, where the user picks the PDF
// printer and the file.
void PrintWithDialog(const ZQFO_Document& Document) {
  ZQFO_PrintDocument(Document, ZQFO_PrintDocumentOptions());
}

void ShowMessageBox(const ZQ_String& Text, const ZQ_String& Title) {
  ZQF_MessageDialogBox box(Text, Title, ZQF_MessageKind_Information,
                           ZQF_MessageDialogBox::SelectedButton_OK, false);
  box.Run();
}

ZQF_DevelopmentSupport_HelpDocumentGetter s_getHelpDocument = nullptr;
ZQF_DevelopmentSupport_PrintFunction s_print = &PrintWithDialog;
ZQF_DevelopmentSupport_MessageFunction s_showMessage = &ShowMessageBox;

// A PDF printer writes the file piece by piece: it is complete when it
// begins like a PDF and its size held over two polls.
bool IsCompletePDF(const ZQ_FileName& File, unsigned long& LastSize) {
  if (!ZQ_FileUtils::CanBeOpenedForReading(File)) return false;
  try {
    const unsigned long size = ZQ_FileUtils::GetFileSize(File);
    const bool isPDF = ZQ_LoadFileIntoString(File).BeginsWith("%PDF-");
    const bool isSteady = isPDF && size == LastSize && size > 0;
    LastSize = size;
    return isSteady;
  } catch (const ZQ_Exception&) {
    return false;  // still held by the printer
  }
}

}  // namespace

void ZQF_DevelopmentSupport_SetHelpDocumentGetter(ZQF_DevelopmentSupport_HelpDocumentGetter Getter) {
  s_getHelpDocument = Getter;
}

ZQF_DevelopmentSupport_PrintFunction ZQF_DevelopmentSupport_SetPrintFunction(
    ZQF_DevelopmentSupport_PrintFunction Print) {
  const ZQF_DevelopmentSupport_PrintFunction old = s_print;
  s_print = Print ? Print : &PrintWithDialog;
  return old;
}

ZQF_DevelopmentSupport_MessageFunction ZQF_DevelopmentSupport_SetMessageFunction(
    ZQF_DevelopmentSupport_MessageFunction Show) {
  const ZQF_DevelopmentSupport_MessageFunction old = s_showMessage;
  s_showMessage = Show ? Show : &ShowMessageBox;
  return old;
}

void ZQF_DevelopmentSupportManager::CopyUsersGuideToWebSite() {
  if (!ZQF_Help_HelpAvailable()) return;
  ZQ_ProgressReportService_Task task("Copying users guide to website", 0);
  const ZQFO_Document document = s_getHelpDocument ? s_getHelpDocument() : ZQF_Help_GetHelpFormattingDoc();
  CreateTextVersionOfDocument(document, GetWebReleaseFileName(GetTextUsersGuideFileName()));
  CreatePDFVersionOfDocument(document, GetWebReleaseFileName(GetPDFUsersGuideFileName()));
}

void ZQF_DevelopmentSupportManager::CreateTextVersionOfDocument(const ZQFO_Document& Document,
                                                                const ZQ_FileName& File) {
  ZQ_ProgressReportService_Task task("Creating text version of document", 0);
  ZQ_ConvertDocumentToTextFile(Document, File);
}

void ZQF_DevelopmentSupportManager::CreatePDFVersionOfDocument(const ZQFO_Document& Document,
                                                               const ZQ_FileName& File) {
  ZQ_ProgressReportService_Task task("Creating PDF version of document", 0);
  s_showMessage(ZQ_String("When print dialog box appears, create a PDF document on the desktop "
                          "named \"") +
                    kTemporaryPDFName + "\".",
                "Preparing to Create PDF Version of Document");
  const ZQ_FileName temporary(GetSettings().DesktopDirectory + kTemporaryPDFName);
  // No placeholder: a file from an earlier release must not pass for this one.
  ZQ_FileUtils::SafeDelete(temporary);
  s_print(Document);
  unsigned long lastSize = 0;
  double waitedSeconds = 0;
  while (!IsCompletePDF(temporary, lastSize)) {
    if (waitedSeconds >= GetSettings().PDFWaitSeconds)
      ZQF_DevelopmentSupport_Imp_Fail("No PDF file \"" + temporary.GetPathName() + "\" came within " +
                                      std::to_string(static_cast<long>(waitedSeconds)).c_str() +
                                      " seconds of printing.");
    ZQ_Sleep(1.0);
    waitedSeconds += 1.0;
    ZQ_ProgressReportService_CheckForUpdate();
  }
  ZQ_FileUtils::SafeCopy(temporary, File);
}
