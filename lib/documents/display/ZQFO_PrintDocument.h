// ZQFO_PrintDocument.h: prints a document, or shows its print preview. The
// document display does not exist yet: every call throws ZQ_Exception
// "Printing is not available" and prints nothing, which is why document views
// answer CanPrint and CanPrintPreview with false.
#ifndef ZQFO_PRINTDOCUMENT_H
#define ZQFO_PRINTDOCUMENT_H

class ZQFO_Document;

void ZQFO_PrintDocument(const ZQFO_Document& Document, bool Preview);

#endif
