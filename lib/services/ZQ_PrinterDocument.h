// ZQ_PrinterDocument.h: a print job in progress - a printer device context
// with a started document, its pages and their printing areas. Made by
// ZQ_PrinterManager::CreatePrinterDocument. The handle shares one reference-
// counted ZQ_PrinterDocumentImp; the last handle released ends the job, or
// aborts it when a page is still open. Misuse (a page begun twice, finished
// without being begun) is an assertion failure; failed Windows calls throw
// ZQ_Exception. One thread only.
#ifndef ZQ_PRINTERDOCUMENT_H
#define ZQ_PRINTERDOCUMENT_H

#include "ZQLOW_WINGDI_Utils.h"
#include "ZQLOW_Windows.h"
#include "ZQ_PrinterPrintOptions.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

class ZQ_PrinterDocumentImp {
 public:
  // Runs the print dialog when PrinterInitialization is 0, creates the
  // device context and starts the job. Options is borrowed and must outlive
  // the document. Throws ZQ_CancelCurrentOperationException when a dialog is
  // cancelled; nothing is left behind then.
  ZQ_PrinterDocumentImp(const ZQ_String& DocumentName, ZQ_PrinterPrintOptions& Options,
                        int PrinterInitialization);
  // Ends the job (aborts it when a page is open) and deletes the context.
  // Failures are reported and logged, never thrown.
  ~ZQ_PrinterDocumentImp();
  ZQ_PrinterDocumentImp(const ZQ_PrinterDocumentImp&) = delete;
  ZQ_PrinterDocumentImp& operator=(const ZQ_PrinterDocumentImp&) = delete;

  long ReferenceCount = 0;  // counts the handles
  ZQ_String DocumentName;
  ZQ_PrinterPrintOptions* Options = nullptr;
  int PrinterInitialization = 0;
  HDC hDC = nullptr;
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
  explicit ZQ_PrinterDocument(ZQ_PrinterDocumentImp* Imp);
  ZQ_PrinterDocument(const ZQ_PrinterDocument& Other);
  ZQ_PrinterDocument& operator=(const ZQ_PrinterDocument& Other);
  ~ZQ_PrinterDocument();

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
  void Release();
  ZQ_PrinterDocumentImp* Imp;
};

#endif
