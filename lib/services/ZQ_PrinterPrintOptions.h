// ZQ_PrinterPrintOptions.h: what one print request asks for - which pages,
// what the print dialog may offer, mirrored margins, and an optional output
// file or printer that replaces the shared printer choice. A plain value;
// a printer document borrows one and writes the dialog's choices back into
// it. Nothing here throws. One thread only.
#ifndef ZQ_PRINTERPRINTOPTIONS_H
#define ZQ_PRINTERPRINTOPTIONS_H

#include "ZQ_FileName.h"
#include "ZQ_String.h"

class ZQ_PrinterPrintOptions {
 public:
  enum {
    PrintRange_All = 0,
    PrintRange_Selection = 1,
    PrintRange_PageRange = 2
  };

  // The program-wide default request, made at the first call and destroyed
  // at static finalisation.
  static ZQ_PrinterPrintOptions& GetDefault();

  void SetPrintRange(unsigned long Range) { PrintRange = Range; }
  void SetSelectionAllowed(bool Allowed) { SelectionAllowed = Allowed; }
  void SetPageRangeAllowed(bool Allowed) { PageRangeAllowed = Allowed; }
  void SetMirrorMargins(bool Mirror) { MirrorMargins = Mirror; }
  // Pages are numbered from 1; -1 means none chosen.
  void SetPageRange(long First, long Last) { FirstPage = First; LastPage = Last; }
  void ClearPageRange() { FirstPage = -1; LastPage = -1; }
  // Not empty: the job is written into this file, with no prompt.
  void SetOutputFileName(const ZQ_FileName& Name) { OutputFileName = Name; }
  // Not empty: the job goes to this printer, without the print dialog.
  void SetPrinterName(const ZQ_String& Name) { PrinterName = Name; }

  unsigned long PrintRange = PrintRange_All;
  bool SelectionAllowed = false;
  bool PageRangeAllowed = false;
  bool MirrorMargins = false;  // even pages exchange left and right margins
  long FirstPage = -1;
  long LastPage = -1;
  ZQ_FileName OutputFileName;
  ZQ_String PrinterName;
};

#endif
