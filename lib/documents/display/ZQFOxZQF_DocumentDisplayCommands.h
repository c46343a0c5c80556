// ZQFOxZQF_DocumentDisplayCommands.h: what a document display control does
// for its user besides showing the document: the export command (with print,
// print preview and page setup, the framework's standard commands), and the
// requests behind them and their keys. Each request works on the control's
// input document; printer, dialog and file failures pass out, a cancelled
// dialog as ZQ_CancelCurrentOperationException. UI thread only.
#ifndef ZQFOXZQF_DOCUMENTDISPLAYCOMMANDS_H
#define ZQFOXZQF_DOCUMENTDISPLAYCOMMANDS_H

#include "ZQF_StandardCommandMessage.h"

class ZQFOxZQF_DocumentDisplayGlyph;

class ZQFOxZQF_ExportDocumentCommandMessage : public ZQF_StandardCommandMessage {};
class ZQFOxZQF_ExportDocumentCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};

// Prints the document, through the print dialog when ShowPrintDialog.
void ZQFOxZQF_DocumentDisplay_HandlePrintRequest(ZQFOxZQF_DocumentDisplayGlyph& Display, bool ShowPrintDialog);
// Shows the print preview from the first page.
void ZQFOxZQF_DocumentDisplay_HandlePrintPreviewRequest(ZQFOxZQF_DocumentDisplayGlyph& Display);
// Asks for a file (HTML or text) and exports the document into it.
void ZQFOxZQF_DocumentDisplay_HandleExportDocumentRequest(ZQFOxZQF_DocumentDisplayGlyph& Display);

#endif
