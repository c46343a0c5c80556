// ZQFO_PrintDocument.h: prints a formatted document on a Windows printer, one
// page a sheet, all pages, a page range or the document's selection. The
// print request's changes go into the program-wide default print options and
// stay there for later requests. Throws ZQ_CancelCurrentOperationException
// when the print dialog is cancelled and passes on the exceptions of the
// printer service and of the layout; the job is then aborted. UI thread only.
#ifndef ZQFO_PRINTDOCUMENT_H
#define ZQFO_PRINTDOCUMENT_H

#include <vector>

#include "ZQ_FileName.h"
#include "ZQ_Iterator.h"
#include "ZQ_String.h"

class ZQFO_Document;

struct ZQFO_PrintDocumentOptions {
  enum {
    PrintRange_AsBefore = 0,  // what the print dialog last showed
    PrintRange_All = 1,
    PrintRange_Selection = 2,
    PrintRange_PageRange = 3
  };
  bool ShowPrintDialog = true;  // false: straight to the printer
  long PrintRange = PrintRange_AsBefore;
  ZQ_FileName OutputFileName;   // empty: the printer
  ZQ_String PrinterName;        // empty: the default printer
};

void ZQFO_PrintDocument(const ZQFO_Document& Doc, const ZQFO_PrintDocumentOptions& Options);

// The sheets of a job, as page indices from 0; an index outside
// 0 .. NumPages - 1 is a blank sheet. PrintRange is the printer's code
// (ZQ_PrinterPrintOptions::PrintRange_...); FirstPage and LastPage count from
// 1, -1 leaving that end open; Selection counts from 1 and is printed as
// given, in its order. Another range code fails "false".
std::vector<long> ZQFO_PrintDocument_ChoosePages(unsigned long PrintRange, long FirstPage,
                                                 long LastPage, ZQ_ReadOnlyIterator<long> Selection,
                                                 long NumPages);

#endif
