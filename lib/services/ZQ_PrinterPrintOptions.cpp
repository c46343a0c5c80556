#include "ZQ_PrinterPrintOptions.h"

ZQ_PrinterPrintOptions& ZQ_PrinterPrintOptions::GetDefault() {
  static ZQ_PrinterPrintOptions s_default;
  return s_default;
}
