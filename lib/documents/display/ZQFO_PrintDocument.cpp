// Document printing: not available until the document display exists.
#include "ZQFO_PrintDocument.h"

#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"

void ZQFO_PrintDocument(const ZQFO_Document&, bool) {
  throw ZQ_Exception(ZQ_Internationalization_Translate("Printing is not available"),
                     ZQ_Internationalization_Translate(
                         "This program cannot print documents or show their print preview yet."));
}
