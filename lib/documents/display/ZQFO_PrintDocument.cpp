// Printing a document: the request goes into the default print options, the
// printer service opens the job, the document is laid out once on the first
// sheet's printable area and the chosen pages follow one a sheet.
#include "ZQFO_PrintDocument.h"

#include <algorithm>

#include "ZQFO_Document.h"
#include "ZQFO_DocumentRenderer.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQ_Assertion.h"
#include "ZQ_PrinterManager.h"
#include "ZQ_StackTrace.h"

namespace {

// "All pages" before the document's page count is known; clamped later.
const long kLastPossiblePage = 9999999;

void PrepareDefaultOptions(const ZQFO_Document& Doc, const ZQFO_PrintDocumentOptions& Request,
                           ZQ_PrinterPrintOptions& Options) {
  switch (Request.PrintRange) {
    case ZQFO_PrintDocumentOptions::PrintRange_AsBefore: break;
    case ZQFO_PrintDocumentOptions::PrintRange_All:
      Options.SetPrintRange(ZQ_PrinterPrintOptions::PrintRange_All);
      break;
    case ZQFO_PrintDocumentOptions::PrintRange_Selection:
      Options.SetPrintRange(ZQ_PrinterPrintOptions::PrintRange_Selection);
      break;
    case ZQFO_PrintDocumentOptions::PrintRange_PageRange:
      Options.SetPrintRange(ZQ_PrinterPrintOptions::PrintRange_PageRange);
      break;
    default: ZQ_ASSERT(false); return;
  }
  Options.SetSelectionAllowed(Doc.GetSelectionMethod() != ZQFO_Document::SelectionMethod_None);
  Options.SetPageRangeAllowed(true);
  Options.ClearPageRange();
  Options.SetOutputFileName(Request.OutputFileName);
  Options.SetPrinterName(Request.PrinterName);
}

}  // namespace

std::vector<long> ZQFO_PrintDocument_ChoosePages(unsigned long PrintRange, long FirstPage,
                                                 long LastPage, ZQ_ReadOnlyIterator<long> Selection,
                                                 long NumPages) {
  std::vector<long> pages;
  long first = 0, last = kLastPossiblePage;
  switch (PrintRange) {
    case ZQ_PrinterPrintOptions::PrintRange_All: break;
    case ZQ_PrinterPrintOptions::PrintRange_Selection:
      // Number 0 or below is no page: a blank sheet, like one past the end.
      for (; Selection.IsValid(); Selection.Advance())
        pages.push_back(*Selection > 0 ? *Selection - 1 : -1);
      return pages;
    case ZQ_PrinterPrintOptions::PrintRange_PageRange:
      // The printer service counts pages from 1; -1 leaves an end open.
      if (FirstPage != -1) first = FirstPage - 1;
      if (LastPage != -1) last = LastPage - 1;
      break;
    default: ZQ_ASSERT(false); return pages;
  }
  first = std::max(0L, std::min(first, NumPages - 1));
  last = std::max(0L, std::min(last, NumPages - 1));
  if (last < first) std::swap(first, last);
  for (long page = first; page <= last; ++page) pages.push_back(page);
  return pages;
}

void ZQFO_PrintDocument(const ZQFO_Document& Doc, const ZQFO_PrintDocumentOptions& Options) {
  ZQ_TRACE_FUNCTION("ZQFO_PrintDocument");
  ZQ_ASSERT_TEXT((Doc.GetSelectionMethod() == ZQFO_Document::SelectionMethod_PageNumbers) ||
                     (Doc.GetSelectionMethod() == ZQFO_Document::SelectionMethod_None),
                 "(Doc.GetSelectionMethod() == ZQFO_Document::SelectionMethod_PageNumbers) or "
                 "(Doc.GetSelectionMethod() == ZQFO_Document::SelectionMethod_None)");
  ZQ_PrinterPrintOptions& defaults = ZQ_PrinterPrintOptions::GetDefault();
  PrepareDefaultOptions(Doc, Options, defaults);
  ZQ_PrinterDocument printer = ZQ_PrinterManager::CreatePrinterDocument(
      Doc.GetName(), defaults,
      Options.ShowPrintDialog ? ZQ_PrinterManager::PrinterInitialization_RunPrintDialog
                              : ZQ_PrinterManager::PrinterInitialization_UseDefaultPrinter);
  const bool isSelection = printer.GetPrintRange() == ZQ_PrinterPrintOptions::PrintRange_Selection;
  ZQ_TRACE_NOTE("rendering");
  ZQFO_DocumentRenderer renderer(Doc);
  ZQ_TRACE_NOTE("printing");
  // The page count is known only after the layout on the first sheet, which
  // is therefore always begun, unless an empty selection asks for none.
  std::vector<long> pages(1, 0);
  if (isSelection)
    pages = ZQFO_PrintDocument_ChoosePages(printer.GetPrintRange(), -1, -1,
                                           Doc.GetSelectionPageNumbers(), 0);
  for (size_t sheet = 0; sheet < pages.size(); ++sheet) {
    printer.BeginPage();
    {
      ZQPIC_DeviceContextCanvas canvas(printer.GetHDC(), printer.GetPrintingArea(), 1);
      canvas.Initialize();
      if (sheet == 0) {
        renderer.Repaginate(canvas, ZQFO_DocumentRenderer::CanvasSize, ZQFO_DocumentRenderer::CanvasSize);
        if (!isSelection)
          pages = ZQFO_PrintDocument_ChoosePages(printer.GetPrintRange(), printer.GetFirstPage(),
                                                 printer.GetLastPage(), ZQ_ReadOnlyIterator<long>(),
                                                 renderer.GetNumPages());
      }
      const long page = pages[sheet];
      if (page >= 0 && page < renderer.GetNumPages()) renderer.Render(canvas, page, 0.0, 0.0);
    }
    printer.FinishPage();
  }
}
