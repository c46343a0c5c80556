// ZQ_PrinterManager.h: the program's printer settings and the Windows print
// and page-setup dialogs. Keeps one shared printer choice (the device-names
// and device-mode global memory handles, owned here), the page margins with
// their unit and the file last chosen for printing to a file. They are read
// from the settings folder "PrinterOptionsState" on the first printing
// operation (the configuration registry must then be usable), written back
// at stage 10 and released at stage 13.
// Throws ZQ_CancelCurrentOperationException when the user cancels a dialog
// and ZQ_Exception when a dialog or a Windows call fails; misuse goes to the
// assertion service. One thread only: the state is program-wide and unlocked.
#ifndef ZQ_PRINTERMANAGER_H
#define ZQ_PRINTERMANAGER_H

#include "ZQLOW_Windows.h"
#include "ZQ_FileName.h"
#include "ZQ_PrinterDocument.h"
#include "ZQ_PrinterPrintOptions.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

// The geometry of a printer page. Millimetre areas are measured from the
// page's left and bottom edges (Y upwards); pixel areas from the top-left
// corner of the printable area, in device pixels.
struct ZQ_CurrentPrinterInfoType {
  double PageWidth = 0;   // mm, the physical page
  double PageHeight = 0;  // mm
  ZQ_Rectangle<double> PrintingArea;  // mm, inside the margins
  ZQ_Rectangle<long> PrintingAreaPixels;
  ZQ_Rectangle<double> EvenPagePrintingArea;  // left and right margins exchanged
  ZQ_Rectangle<long> EvenPagePrintingAreaPixels;
};

// The device capabilities the geometry is computed from (GetDeviceCaps).
struct ZQ_PrinterDeviceCaps {
  int HorzSizeMm = 0;
  int VertSizeMm = 0;
  int HorzRes = 0;  // pixels of the printable area
  int VertRes = 0;
  int PhysicalWidth = 0;  // pixels of the whole page
  int PhysicalHeight = 0;
  int PhysicalOffsetX = 0;  // pixels from the page edge to the printable area
  int PhysicalOffsetY = 0;
};

// Page margins in the page-setup dialog's units.
struct ZQ_PrinterMargins {
  enum {
    Units_ThousandthsOfInches = 4,      // PSD_INTHOUSANDTHSOFINCHES
    Units_HundredthsOfMillimeters = 8   // PSD_INHUNDREDTHSOFMILLIMETERS
  };
  long Left = 0;
  long Right = 0;
  long Top = 0;
  long Bottom = 0;
  unsigned long DistanceUnits = Units_HundredthsOfMillimeters;
};

class ZQ_PrinterManager {
 public:
  enum {
    PrinterInitialization_RunPrintDialog = 0,
    PrinterInitialization_UseDefaultPrinter = 1
  };

  // A document with a started print job. Options must outlive it; the print
  // dialog (PrinterInitialization_RunPrintDialog) writes the chosen range
  // back into it. A printer name in Options needs
  // PrinterInitialization_UseDefaultPrinter.
  static ZQ_PrinterDocument CreatePrinterDocument(const ZQ_String& DocumentName,
                                                  ZQ_PrinterPrintOptions& Options,
                                                  int PrinterInitialization);

  // Runs the page-setup dialog on the shared printer choice and margins.
  static void RunPageSetupDialogBox();

  // The geometry of the shared printer choice with the current margins.
  static ZQ_CurrentPrinterInfoType GetCurrentPrinterInfo();

  // The margins in force (after loading the state).
  static ZQ_PrinterMargins GetMargins();
  // The file last chosen for printing to a file ("print.out" at first).
  static ZQ_FileName GetQueriedOutputFileName();

  // The geometry for a device and margins; pure arithmetic. Margins are
  // rounded up to whole pixels.
  static ZQ_CurrentPrinterInfoType ComputePrintingArea(const ZQ_PrinterDeviceCaps& Caps,
                                                       const ZQ_PrinterMargins& Margins);
  // The same for a device context with the current margins; asserts "hDC".
  static ZQ_CurrentPrinterInfoType ComputePrintingArea(HDC DC);

  // Used by ZQ_PrinterDocument.
  // Loads the state on first use; every public operation calls it first.
  static void InsurePrinterOptionsStateInitialized();
  // The print dialog for a document: fills Options' range and returns
  // whether the user asked to print to a file.
  static bool RunPrintDialogBox(ZQ_PrinterPrintOptions& Options);
  // Asks for the file to print to; stores it as the queried output file.
  static void PromptForQueriedOutputFileName();
  // A device context (or, InformationOnly, an information context) for the
  // named printer, or for the shared choice when PrinterName is empty. The
  // caller owns it (ZQ_OwnedDC).
  static HDC CreatePrinterDeviceContext(bool InformationOnly, const ZQ_String& PrinterName);

  // Stage work: saves the state at stage 10, frees the handles at stage 13
  // (after which the next printing operation loads the state again).
  static void SavePrinterOptionsState();
  static void FreeHandles();
};

// Registered at Position_Printer by the module's static initialiser.
void ZQ_Printer_InitializationServiceCallback(int Stage);

#endif
