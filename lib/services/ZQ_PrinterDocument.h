// ZQ_PrinterDocument.h: a print job in progress - a printer device context
// with a started document, its pages and their printing areas. Made by
// ZQ_PrinterManager::CreatePrinterDocument. The handle shares one reference-
// counted ZQ_PrinterDocumentImp; the last handle released ends the job, or
// aborts it when a page is still open. Misuse (a page begun twice, finished
// without being begun) is an assertion failure; failed Windows calls throw
// ZQ_Exception. One thread only.
#ifndef ZQ_PRINTERDOCUMENT_H
#define ZQ_PRINTERDOCUMENT_H

#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_WINGDI_Utils.h"
#include "ZQLOW_Windows.h"
#include "ZQ_CountedBody.h"
#include "ZQ_PrinterPrintOptions.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

class ZQ_PrinterDocumentImp : public ZQ_CountedBody {
 public:
  // Runs the print dialog when PrinterInitialization is 0, creates the
  // device context and starts the job. Options is borrowed and must outlive
  // the document. Throws ZQ_CancelCurrentOperationException when a dialog is
  // cancelled; nothing is left behind then.
  ZQ_PrinterDocumentImp(const ZQ_String& DocumentName, ZQ_PrinterPrintOptions& Options,
                        int PrinterInitialization);
  // Ends the job (aborts it when a page is open) and deletes the context.
  // Failures, and handles still counted ("ReferenceCount == 0"), are logged,
  // never thrown.
  ~ZQ_PrinterDocumentImp();
  ZQ_String DocumentName;
  ZQ_PrinterPrintOptions* Options = nullptr;
  int PrinterInitialization = 0;
  ZQ_OwnedDC hDC;
  bool PageInProgress = false;
  long PageCount = 0;
  ZQ_Rectangle<long> PrintingArea;          // pixels
  ZQ_Rectangle<long> EvenPagePrintingArea;  // pixels
  bool PrintToFile = false;  // the print dialog's print-to-file box
  ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState ClippingRegionState;

 private:
  void StartJob();
  // Ends or aborts the job and deletes the context without throwing.
  void CloseJob() noexcept;
};

class ZQ_PrinterDocument {
 public:
  // Takes a share of Imp, an object created with new. Copies share it;
  // releasing a share asserts "ReferenceCount > 0", and the last handle
  // deletes the job.
  explicit ZQ_PrinterDocument(ZQ_PrinterDocumentImp* Imp);

  // The request's range after the print dialog (ZQ_PrinterPrintOptions).
  unsigned long GetPrintRange() const;
  long GetFirstPage() const;
  long GetLastPage() const;

  // Opens the next page (StartPage) and saves the context's clipping region;
  // asserts "not PageInProgress".
  void BeginPage();
  // Closes the page (EndPage) and restores the clipping region; asserts
  // "PageInProgress".
  void FinishPage();

  HDC GetHDC() const;
  // In device pixels: the even-page area on even pages (when the request
  // mirrors margins), else the normal one.
  ZQ_Rectangle<long> GetPrintingArea() const;
  long GetPageCount() const;
  bool IsPageInProgress() const;

 private:
  ZQ_CountedHandle<ZQ_PrinterDocumentImp> Imp;
};

#endif
