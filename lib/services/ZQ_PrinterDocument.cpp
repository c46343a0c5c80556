#include "ZQ_PrinterDocument.h"

#include <cstring>

#include "ZQLOW_WINGDI.h"
#include "ZQ_Assertion.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_PrinterManager.h"
#include "ZQ_StackTrace.h"

ZQ_PrinterDocumentImp::ZQ_PrinterDocumentImp(const ZQ_String& DocumentName,
                                             ZQ_PrinterPrintOptions& Options,
                                             int PrinterInitialization)
    : DocumentName(DocumentName), Options(&Options), PrinterInitialization(PrinterInitialization) {
  ZQ_TRACE_FUNCTION("ZQ_PrinterDocumentImp::ZQ_PrinterDocumentImp");
  using Manager = ZQ_PrinterManager;
  using Request = ZQ_PrinterPrintOptions;
  ZQ_ASSERT_TEXT(Options.PrinterName.IsEmpty() ||
                     PrinterInitialization == Manager::PrinterInitialization_UseDefaultPrinter,
                 "PrintOptions.PrinterName.IsNull() or (PrinterInitialization == "
                 "ZQ_PrinterManager::PrinterInitialization_UseDefaultPrinter)");
  if ((Options.PrintRange == Request::PrintRange_Selection && !Options.SelectionAllowed) ||
      (Options.PrintRange == Request::PrintRange_PageRange && !Options.PageRangeAllowed))
    Options.PrintRange = Request::PrintRange_All;

  Manager::InsurePrinterOptionsStateInitialized();
  if (PrinterInitialization == Manager::PrinterInitialization_RunPrintDialog)
    PrintToFile = Manager::RunPrintDialogBox(Options);

  // Owned from here: a cancelled file prompt or a failed StartDoc gives it
  // back with the half-made document.
  hDC.Reset(ZQ_PrinterManager::CreatePrinterDeviceContext(false, Options.PrinterName));
  ZQ_ASSERT_TEXT(hDC.IsValid(), "hDC");
  const ZQ_CurrentPrinterInfoType info = ZQ_PrinterManager::ComputePrintingArea(hDC.Get());
  PrintingArea = info.PrintingAreaPixels;
  EvenPagePrintingArea =
      Options.MirrorMargins ? info.EvenPagePrintingAreaPixels : info.PrintingAreaPixels;
  StartJob();
}

void ZQ_PrinterDocumentImp::StartJob() {
  ZQ_TRACE_FUNCTION("ZQ_PrinterDocumentImp::StartJob");
  ZQ_String output;
  if (Options->OutputFileName.IsNotNull()) {
    output = Options->OutputFileName.GetAbsolutePathName();
  } else if (PrintToFile) {
    ZQ_PrinterManager::PromptForQueriedOutputFileName();
    output = ZQ_PrinterManager::GetQueriedOutputFileName().GetAbsolutePathName();
  }
  DOCINFOA info;
  std::memset(&info, 0, sizeof info);
  info.cbSize = sizeof info;
  info.lpszDocName = DocumentName.GetText();
  info.lpszOutput = output.IsEmpty() ? nullptr : output.GetText();
  ZQLOW_WINGDI::StartDocA(hDC.Get(), &info);
}

ZQ_PrinterDocumentImp::~ZQ_PrinterDocumentImp() { CloseJob(); }

void ZQ_PrinterDocumentImp::CloseJob() noexcept {
  // The wrappers report (log, and in the running program throw) a failure;
  // a destructor must not let it out, and the context is deleted whatever
  // happened to the job.
  try {
    if (PageInProgress) {
      PageInProgress = false;
      ZQLOW_WINGDI::AbortDoc(hDC.Get());
    } else {
      ZQLOW_WINGDI::EndDoc(hDC.Get());
    }
  } catch (...) {
    ZQ_WriteDebugLogEntry("The print job could not be ended.\n");
  }
  try {
    hDC.Reset();
  } catch (...) {
    ZQ_WriteDebugLogEntry("The printer device context could not be deleted.\n");
  }
}

ZQ_PrinterDocument::ZQ_PrinterDocument(ZQ_PrinterDocumentImp* Imp) : Imp(Imp) {}

unsigned long ZQ_PrinterDocument::GetPrintRange() const { return Imp->Options->PrintRange; }
long ZQ_PrinterDocument::GetFirstPage() const { return Imp->Options->FirstPage; }
long ZQ_PrinterDocument::GetLastPage() const { return Imp->Options->LastPage; }

void ZQ_PrinterDocument::BeginPage() {
  ZQ_TRACE_FUNCTION("ZQ_PrinterDocument::BeginPage");
  ZQ_ASSERT_TEXT(!Imp->PageInProgress, "not PageInProgress");
  ZQ_ASSERT_TEXT(Imp->hDC.IsValid(), "hDC");
  if (Imp->PageInProgress) return;
  ++Imp->PageCount;
  Imp->ClippingRegionState.SaveClippingRegion(Imp->hDC.Get());
  Imp->PageInProgress = true;
  ZQLOW_WINGDI::StartPage(Imp->hDC.Get());
}

void ZQ_PrinterDocument::FinishPage() {
  ZQ_TRACE_FUNCTION("ZQ_PrinterDocument::FinishPage");
  ZQ_ASSERT_TEXT(Imp->PageInProgress, "PageInProgress");
  ZQ_ASSERT_TEXT(Imp->hDC.IsValid(), "hDC");
  if (!Imp->PageInProgress) return;
  Imp->PageInProgress = false;
  ZQLOW_WINGDI::EndPage(Imp->hDC.Get());
  Imp->ClippingRegionState.RestoreClippingRegion(Imp->hDC.Get());
}

HDC ZQ_PrinterDocument::GetHDC() const {
  ZQ_ASSERT_TEXT(Imp->hDC.IsValid(), "hDC");
  return Imp->hDC.Get();
}

ZQ_Rectangle<long> ZQ_PrinterDocument::GetPrintingArea() const {
  const bool isEvenPage = Imp->PageCount != 0 && Imp->PageCount % 2 == 0;
  return isEvenPage ? Imp->EvenPagePrintingArea : Imp->PrintingArea;
}

long ZQ_PrinterDocument::GetPageCount() const { return Imp->PageCount; }
bool ZQ_PrinterDocument::IsPageInProgress() const { return Imp->PageInProgress; }
