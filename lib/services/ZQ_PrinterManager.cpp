#include "ZQ_PrinterManager.h"

#include <cmath>
#include <cstring>
#include <utility>

#include "ZQLOW_COMMDLG.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_WINGDI_Utils.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FileNameRegistry.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Internationalization.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_StackTrace.h"

// The dialogs' structures as the Windows versions the system targets know
// them; newer headers may add fields these sizes leave out.
static_assert(sizeof(PAGESETUPDLGA) == 84, "PAGESETUPDLGA size");
static_assert(sizeof(PRINTDLGA) == 66, "PRINTDLGA size");

namespace {

const char kFolderName[] = "PrinterOptionsState";
const DWORD kOpenFileNameSize = 76;  // without the Windows 2000 fields
const DWORD kOutputFileBufferSize = 4096;

struct PrinterState {
  ZQ_OwnedGlobalMemory hDevNames;
  ZQ_OwnedGlobalMemory hDevMode;
  ZQ_PrinterMargins Margins;
  ZQ_FileName QueriedOutputFileName{"print.out"};
  bool Initialized = false;
};

PrinterState& State() {
  static PrinterState s_state;
  return s_state;
}

// The window with the keyboard focus, else the program's main window.
HWND DialogOwner() {
  HWND focus = ZQLOW_WINUSER::GetFocus();
  return focus ? focus : ZQLOW_WIN_GetProgramMainWindowHandle();
}

void CheckDeviceNames(HGLOBAL DeviceNames) {
  if (!DeviceNames)
    throw ZQ_Exception(ZQ_Internationalization_Translate("Error Occurred While Printing"),
                       "hDevNames is NULL.");
}

// The margin unit of the page-setup dialog's returned flags.
unsigned long DistanceUnitsOf(DWORD Flags) {
  if (Flags & PSD_INTHOUSANDTHSOFINCHES) return ZQ_PrinterMargins::Units_ThousandthsOfInches;
  if (Flags & PSD_INHUNDREDTHSOFMILLIMETERS)
    return ZQ_PrinterMargins::Units_HundredthsOfMillimeters;
  ZQ_ASSERT_TEXT(false, "Result");
  return State().Margins.DistanceUnits;
}

// A dialog frees or keeps the memory it was handed: the state owns what it
// hands back, and frees nothing itself.
void TakeDialogHandles(HGLOBAL DeviceNames, HGLOBAL DeviceMode) {
  CheckDeviceNames(DeviceNames);
  PrinterState& state = State();
  state.hDevNames.Release();
  state.hDevNames.Reset(DeviceNames);
  state.hDevMode.Release();
  state.hDevMode.Reset(DeviceMode);
}

void TakePageSetupResult(const PAGESETUPDLGA& Setup) {
  TakeDialogHandles(Setup.hDevNames, Setup.hDevMode);
  PrinterState& state = State();
  state.Margins.Left = Setup.rtMargin.left;
  state.Margins.Top = Setup.rtMargin.top;
  state.Margins.Right = Setup.rtMargin.right;
  state.Margins.Bottom = Setup.rtMargin.bottom;
  state.Margins.DistanceUnits = DistanceUnitsOf(Setup.Flags);
}

// The device mode's fields kept in the settings, by key.
struct DeviceModeField {
  const char* Key;
  short DEVMODEA::*Field;
};
const DeviceModeField kDeviceModeFields[] = {
    {"Orientation", &DEVMODEA::dmOrientation},   {"PaperSize", &DEVMODEA::dmPaperSize},
    {"PaperLength", &DEVMODEA::dmPaperLength},   {"PaperWidth", &DEVMODEA::dmPaperWidth},
    {"DefaultSource", &DEVMODEA::dmDefaultSource},
};

// Locks a global memory handle for the life of the object.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL Memory)
      : memory(Memory), data(Memory ? ZQLOW_WINBASE::GlobalLock(Memory) : nullptr) {}
  ~GlobalLockScope() {
    if (data) ::GlobalUnlock(memory);  // unchecked: a destructor must not throw
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  void* Data() const { return data; }

 private:
  HGLOBAL memory;
  void* data;
};

void ReadSettings() {
  PrinterState& state = State();
  ZQ_RegistryFolder& folder = ZQ_AppConfigRegistry_GetNamedTopicConfigFolder(kFolderName);
  state.Margins.Top = ZQ_GetInt32(folder, "TopMargin", state.Margins.Top);
  state.Margins.Bottom = ZQ_GetInt32(folder, "BottomMargin", state.Margins.Bottom);
  state.Margins.Left = ZQ_GetInt32(folder, "LeftMargin", state.Margins.Left);
  state.Margins.Right = ZQ_GetInt32(folder, "RightMargin", state.Margins.Right);
  state.Margins.DistanceUnits = ZQ_GetUInt32(folder, "DistanceUnits", state.Margins.DistanceUnits);
  state.QueriedOutputFileName =
      ZQ_GetFileName(folder, "QueriedOutputFileName", state.QueriedOutputFileName);
  if (!state.hDevMode.IsValid()) return;
  GlobalLockScope lock(state.hDevMode.Get());
  DEVMODEA* mode = static_cast<DEVMODEA*>(lock.Data());
  for (const DeviceModeField& field : kDeviceModeFields)
    mode->*field.Field = static_cast<short>(ZQ_GetInt32(folder, field.Key, mode->*field.Field));
}

void WriteSettings() {
  PrinterState& state = State();
  ZQ_RegistryFolder& folder = ZQ_AppConfigRegistry_GetNamedTopicConfigFolder(kFolderName);
  ZQ_SetInt32(folder, "TopMargin", state.Margins.Top);
  ZQ_SetInt32(folder, "BottomMargin", state.Margins.Bottom);
  ZQ_SetInt32(folder, "LeftMargin", state.Margins.Left);
  ZQ_SetInt32(folder, "RightMargin", state.Margins.Right);
  ZQ_SetUInt32(folder, "DistanceUnits", state.Margins.DistanceUnits);
  ZQ_SetFileName(folder, "QueriedOutputFileName", state.QueriedOutputFileName);
  if (!state.hDevMode.IsValid()) return;
  GlobalLockScope lock(state.hDevMode.Get());
  const DEVMODEA* mode = static_cast<const DEVMODEA*>(lock.Data());
  for (const DeviceModeField& field : kDeviceModeFields)
    ZQ_SetInt32(folder, field.Key, static_cast<long>(mode->*field.Field));
}

// A margin in pixels, kept between 0 and the page's size: margins come from
// the settings file as any number, and the area's sums must not overflow.
long MarginPixels(long Margin, double PixelsPerUnit, long PageSize) {
  const double pixels = std::ceil(Margin * PixelsPerUnit);
  if (!(pixels > 0)) return 0;
  if (pixels < PageSize) return static_cast<long>(pixels);
  return PageSize > 0 ? PageSize : 0;
}

// Margins narrower than the unprintable border leave the printable area.
ZQ_Rectangle<long> ClippedToPrintable(ZQ_Rectangle<long> Area, const ZQ_PrinterDeviceCaps& Caps) {
  const ZQ_Rectangle<long> printable(0, 0, Caps.HorzRes, Caps.VertRes);
  return ZQ_Rectangle<long>::Intersection(Area, printable);
}

const ZQ_StageCallbackRegistration s_registered(&ZQ_Printer_InitializationServiceCallback,
                                                 ZQ_InitializationService::Position_Printer);

}  // namespace

void ZQ_PrinterManager::InsurePrinterOptionsStateInitialized() {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::InsurePrinterOptionsStateInitialized");
  PrinterState& state = State();
  if (state.Initialized) {
    ZQ_ASSERT_TEXT(state.hDevNames.IsValid(), "hDevNames");
    return;
  }
  ZQ_ASSERT_TEXT(!state.hDevNames.IsValid(), "hDevNames == NULL");
  PAGESETUPDLGA setup;
  std::memset(&setup, 0, sizeof setup);
  setup.lStructSize = sizeof setup;
  setup.hwndOwner = DialogOwner();
  setup.Flags = PSD_RETURNDEFAULT;
  ZQLOW_COMMDLG::PageSetupDlgA(&setup);
  TakePageSetupResult(setup);
  ReadSettings();
  state.Initialized = true;
}

void ZQ_PrinterManager::RunPageSetupDialogBox() {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::RunPageSetupDialogBox");
  InsurePrinterOptionsStateInitialized();
  PrinterState& state = State();
  PAGESETUPDLGA setup;
  std::memset(&setup, 0, sizeof setup);
  setup.lStructSize = sizeof setup;
  setup.hwndOwner = DialogOwner();
  setup.hDevNames = state.hDevNames.Get();
  setup.hDevMode = state.hDevMode.Get();
  setup.Flags = state.Margins.DistanceUnits | PSD_MARGINS;
  setup.rtMargin = {state.Margins.Left, state.Margins.Top, state.Margins.Right,
                    state.Margins.Bottom};
  ZQLOW_COMMDLG::PageSetupDlgA(&setup);
  TakePageSetupResult(setup);
}

bool ZQ_PrinterManager::RunPrintDialogBox(ZQ_PrinterPrintOptions& Options) {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::RunPrintDialogBox");
  PrinterState& state = State();
  PRINTDLGA print;
  std::memset(&print, 0, sizeof print);
  print.lStructSize = sizeof print;
  print.hwndOwner = DialogOwner();
  print.hDevNames = state.hDevNames.Get();
  print.hDevMode = state.hDevMode.Get();
  print.nCopies = 1;
  print.Flags = PD_USEDEVMODECOPIESANDCOLLATE;
  if (Options.PageRangeAllowed) {
    long from = Options.FirstPage < 1 ? 1 : Options.FirstPage;
    long to = Options.LastPage < 1 ? 9999 : Options.LastPage;
    if (from > to) std::swap(from, to);
    // The dialog holds pages in 16 bits, and 0xFFFF there means "no page":
    // a larger number would wrap.
    const long maxDialogPage = 0xFFFE;
    if (from > maxDialogPage) from = maxDialogPage;
    if (to > maxDialogPage) to = maxDialogPage;
    print.nFromPage = print.nMinPage = static_cast<WORD>(from);
    print.nToPage = print.nMaxPage = static_cast<WORD>(to);
    if (Options.PrintRange == ZQ_PrinterPrintOptions::PrintRange_PageRange)
      print.Flags |= PD_PAGENUMS;
  } else {
    print.Flags |= PD_NOPAGENUMS;
  }
  if (!Options.SelectionAllowed)
    print.Flags |= PD_NOSELECTION;
  else if (Options.PrintRange == ZQ_PrinterPrintOptions::PrintRange_Selection)
    print.Flags |= PD_SELECTION;
  ZQLOW_COMMDLG::PrintDlgA(&print);
  TakeDialogHandles(print.hDevNames, print.hDevMode);
  if (Options.PageRangeAllowed && (print.Flags & PD_PAGENUMS)) {
    Options.FirstPage = print.nFromPage;
    Options.LastPage = print.nToPage;
    Options.PrintRange = ZQ_PrinterPrintOptions::PrintRange_PageRange;
  } else {
    Options.PrintRange = (Options.SelectionAllowed && (print.Flags & PD_SELECTION))
                             ? ZQ_PrinterPrintOptions::PrintRange_Selection
                             : ZQ_PrinterPrintOptions::PrintRange_All;
  }
  return (print.Flags & PD_PRINTTOFILE) != 0;
}

void ZQ_PrinterManager::PromptForQueriedOutputFileName() {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::PromptForQueriedOutputFileName");
  PrinterState& state = State();
  char buffer[kOutputFileBufferSize];
  std::memset(buffer, 0, sizeof buffer);
  const ZQ_String current = state.QueriedOutputFileName.GetPathName();
  std::strncpy(buffer, current.GetText(), sizeof buffer - 1);
  const ZQ_String directory = state.QueriedOutputFileName.GetAbsolutePath();
  const ZQ_String title = ZQ_Internationalization_Translate("Select Name of File to Print To");
  OPENFILENAMEA open;
  std::memset(&open, 0, sizeof open);
  open.lStructSize = kOpenFileNameSize;
  open.hwndOwner = DialogOwner();
  open.lpstrFile = buffer;
  open.nMaxFile = sizeof buffer;
  open.lpstrInitialDir = directory.GetText();
  open.lpstrTitle = title.GetText();
  open.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
               OFN_LONGNAMES;
  open.lpstrDefExt = "out";
  ZQLOW_COMMDLG::GetSaveFileNameA(&open);
  state.QueriedOutputFileName = ZQ_FileName(ZQ_FileName(buffer).GetAbsolutePathName());
}

HDC ZQ_PrinterManager::CreatePrinterDeviceContext(bool InformationOnly,
                                                  const ZQ_String& PrinterName) {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::CreatePrinterDeviceContext");
  HDC dc = nullptr;
  if (!PrinterName.IsEmpty()) {
    dc = InformationOnly
             ? ZQLOW_WINGDI::CreateICA("winspool", PrinterName.GetText(), nullptr, nullptr)
             : ZQLOW_WINGDI::CreateDCA("winspool", PrinterName.GetText(), nullptr, nullptr);
  } else {
    PrinterState& state = State();
    ZQ_ASSERT_TEXT(state.hDevNames.IsValid(), "hDevNames");
    if (!state.hDevNames.IsValid()) return nullptr;
    GlobalLockScope names(state.hDevNames.Get());
    GlobalLockScope mode(state.hDevMode.Get());
    const DEVNAMES* devNames = static_cast<const DEVNAMES*>(names.Data());
    const char* base = static_cast<const char*>(names.Data());
    const char* driver = base + devNames->wDriverOffset;
    const char* device = base + devNames->wDeviceOffset;
    const DEVMODEA* devMode = static_cast<const DEVMODEA*>(mode.Data());
    dc = InformationOnly ? ZQLOW_WINGDI::CreateICA(driver, device, nullptr, devMode)
                         : ZQLOW_WINGDI::CreateDCA(driver, device, nullptr, devMode);
  }
  ZQ_ASSERT_TEXT(dc != nullptr, "hDC");
  return dc;
}

ZQ_CurrentPrinterInfoType ZQ_PrinterManager::ComputePrintingArea(
    const ZQ_PrinterDeviceCaps& Caps, const ZQ_PrinterMargins& Margins) {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::ComputePrintingArea");
  ZQ_CurrentPrinterInfoType info;
  const double mmPerPixelX = static_cast<double>(Caps.HorzSizeMm) / Caps.HorzRes;
  const double mmPerPixelY = static_cast<double>(Caps.VertSizeMm) / Caps.VertRes;
  info.PageWidth = Caps.PhysicalWidth * mmPerPixelX;
  info.PageHeight = Caps.PhysicalHeight * mmPerPixelY;

  const double mmPerUnit =
      Margins.DistanceUnits == ZQ_PrinterMargins::Units_ThousandthsOfInches ? 0.0254 : 0.01;
  const double pixelsPerUnitX = Caps.HorzRes * mmPerUnit / Caps.HorzSizeMm;
  const double pixelsPerUnitY = Caps.VertRes * mmPerUnit / Caps.VertSizeMm;
  const long left = MarginPixels(Margins.Left, pixelsPerUnitX, Caps.PhysicalWidth);
  const long right = MarginPixels(Margins.Right, pixelsPerUnitX, Caps.PhysicalWidth);
  const long top = MarginPixels(Margins.Top, pixelsPerUnitY, Caps.PhysicalHeight);
  const long bottom = MarginPixels(Margins.Bottom, pixelsPerUnitY, Caps.PhysicalHeight);

  const long innerWidth = Caps.PhysicalWidth - left - right - 1;
  info.PrintingAreaPixels = ClippedToPrintable(
      ZQ_Rectangle<long>(left - Caps.PhysicalOffsetX, top - Caps.PhysicalOffsetY, innerWidth,
                         Caps.PhysicalHeight - top - bottom - 1),
      Caps);
  const ZQ_Rectangle<long>& area = info.PrintingAreaPixels;
  info.PrintingArea.X = (area.X + Caps.PhysicalOffsetX) * mmPerPixelX;
  info.PrintingArea.Width = area.Width * mmPerPixelX;
  info.PrintingArea.Height = area.Height * mmPerPixelY;
  info.PrintingArea.Y =
      info.PageHeight - (area.Y + Caps.PhysicalOffsetY) * mmPerPixelY - info.PrintingArea.Height;

  ZQ_Rectangle<long> even = area;
  even.X = right - Caps.PhysicalOffsetX;
  even.Width = innerWidth;
  info.EvenPagePrintingAreaPixels = ClippedToPrintable(even, Caps);
  info.EvenPagePrintingArea = info.PrintingArea;
  info.EvenPagePrintingArea.X =
      (info.EvenPagePrintingAreaPixels.X + Caps.PhysicalOffsetX) * mmPerPixelX;
  info.EvenPagePrintingArea.Width = info.EvenPagePrintingAreaPixels.Width * mmPerPixelX;
  return info;
}

ZQ_CurrentPrinterInfoType ZQ_PrinterManager::ComputePrintingArea(HDC DC) {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::ComputePrintingArea");
  ZQ_ASSERT_TEXT(DC != nullptr, "hDC");
  ZQ_PrinterDeviceCaps caps;
  caps.HorzSizeMm = ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(DC, HORZSIZE);
  caps.VertSizeMm = ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(DC, VERTSIZE);
  caps.HorzRes = ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(DC, HORZRES);
  caps.VertRes = ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(DC, VERTRES);
  caps.PhysicalWidth = ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(DC, PHYSICALWIDTH);
  caps.PhysicalHeight = ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(DC, PHYSICALHEIGHT);
  caps.PhysicalOffsetX = ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(DC, PHYSICALOFFSETX);
  caps.PhysicalOffsetY = ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(DC, PHYSICALOFFSETY);
  return ComputePrintingArea(caps, State().Margins);
}

ZQ_CurrentPrinterInfoType ZQ_PrinterManager::GetCurrentPrinterInfo() {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::GetCurrentPrinterInfo");
  InsurePrinterOptionsStateInitialized();
  ZQ_OwnedDC dc(CreatePrinterDeviceContext(true, ZQ_String()));
  const ZQ_CurrentPrinterInfoType info = ComputePrintingArea(dc.Get());
  dc.Reset();  // a failure to delete is reported here; after a throw, only logged
  return info;
}

ZQ_PrinterMargins ZQ_PrinterManager::GetMargins() {
  InsurePrinterOptionsStateInitialized();
  return State().Margins;
}

ZQ_FileName ZQ_PrinterManager::GetQueriedOutputFileName() {
  InsurePrinterOptionsStateInitialized();
  return State().QueriedOutputFileName;
}

ZQ_PrinterDocument ZQ_PrinterManager::CreatePrinterDocument(const ZQ_String& DocumentName,
                                                            ZQ_PrinterPrintOptions& Options,
                                                            int PrinterInitialization) {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::CreatePrinterDocument");
  ZQ_TRACE_VARIABLE(DocumentName);
  return ZQ_PrinterDocument(new ZQ_PrinterDocumentImp(DocumentName, Options,
                                                      PrinterInitialization));
}

void ZQ_PrinterManager::SavePrinterOptionsState() {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::SavePrinterOptionsState");
  if (State().Initialized) WriteSettings();
}

void ZQ_PrinterManager::FreeHandles() {
  ZQ_TRACE_FUNCTION("ZQ_PrinterManager::FreeHandles");
  PrinterState& state = State();
  // Out of the state first: a failure to free one leaves neither held, and
  // the other is still freed (quietly, by its owner's destructor).
  ZQ_OwnedGlobalMemory names(std::move(state.hDevNames)), mode(std::move(state.hDevMode));
  // Without its handles the state is no longer loaded: a later printing
  // operation (a program that runs its stages again) loads it afresh.
  state.Initialized = false;
  names.Reset();
  mode.Reset();
}

void ZQ_Printer_InitializationServiceCallback(int Stage) {
  ZQ_TRACE_FUNCTION("ZQ_Printer_InitializationServiceCallback");
  if (Stage == ZQ_InitializationService::Stage_DeinitializeGlobal)
    ZQ_PrinterManager::SavePrinterOptionsState();
  else if (Stage == ZQ_InitializationService::Stage_DeinitializeDefinition)
    ZQ_PrinterManager::FreeHandles();
}
