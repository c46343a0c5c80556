// Installs a print-to-file PostScript printer in the test Wine prefix and makes
// it the default, so that printer device contexts and the print dialogs work
// without a print server. Does nothing when the printer already exists.
// Exit code 0 on success, 1 on failure (with the failing call on stderr).
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

const char kPrinterName[] = "ZQ File Printer";
const char kDriverName[] = "Wine PostScript Driver";

int Fail(const char* call) {
  std::fprintf(stderr, "InstallTestPrinter: %s failed, error %lu\n", call, GetLastError());
  return 1;
}

bool PrinterExists() {
  HANDLE printer = nullptr;
  if (!OpenPrinterA(const_cast<char*>(kPrinterName), &printer, nullptr)) return false;
  ClosePrinter(printer);
  return true;
}

// The PostScript driver needs a PPD file; winspool carries a generic one.
bool WriteGenericPpd() {
  char directory[MAX_PATH];
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory),
                                  sizeof directory, &needed))
    return false;
  std::string folder = std::string(directory) + "\\3";
  CreateDirectoryA(folder.c_str(), nullptr);  // may exist already

  HMODULE winspool = LoadLibraryA("winspool.drv");
  if (!winspool) return false;
  HRSRC resource = FindResourceA(winspool, MAKEINTRESOURCEA(1), "PPDFILE");
  HGLOBAL loaded = resource ? LoadResource(winspool, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = resource ? SizeofResource(winspool, resource) : 0;
  if (!bytes || size == 0) return false;

  const std::string path = folder + "\\generic.ppd";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes, size, &written, nullptr) && written == size;
  CloseHandle(file);
  return ok;
}

}  // namespace

int main() {
  if (PrinterExists()) {
    SetDefaultPrinterA(kPrinterName);
    return 0;
  }
  if (!WriteGenericPpd()) return Fail("writing generic.ppd");

  DRIVER_INFO_3A driver = {};
  driver.cVersion = 3;
  driver.pName = const_cast<char*>(kDriverName);
  driver.pDriverPath = const_cast<char*>("wineps.drv");
  driver.pDataFile = const_cast<char*>("generic.ppd");
  driver.pConfigFile = const_cast<char*>("wineps.drv");
  if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                           APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY))
    return Fail("AddPrinterDriverExA");

  PRINTER_INFO_2A info = {};
  info.pPrinterName = const_cast<char*>(kPrinterName);
  info.pPortName = const_cast<char*>("FILE:");
  info.pDriverName = const_cast<char*>(kDriverName);
  info.pPrintProcessor = const_cast<char*>("WinPrint");
  info.pDatatype = const_cast<char*>("RAW");
  HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (!printer) return Fail("AddPrinterA");
  ClosePrinter(printer);
  if (!SetDefaultPrinterA(kPrinterName)) return Fail("SetDefaultPrinterA");
  return 0;
}
