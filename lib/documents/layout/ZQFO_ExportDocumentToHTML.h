// ZQFO_ExportDocumentToHTML.h: writes a document as one HTML file, and each
// distinct image of it as a PNG or JPEG file beside it. The document is
// parsed and measured on a small screen-resolution image but not paginated:
// blocks write block-level HTML, paragraphs p or pre with inline tags,
// tables HTML tables. File and image failures (ZQ_Exception) pass out, and
// so does memory running out, as a ZQ_Exception. UI thread only.
#ifndef ZQFO_EXPORTDOCUMENTTOHTML_H
#define ZQFO_EXPORTDOCUMENTTOHTML_H

#include "ZQFO_Document.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQ_FileName.h"

void ZQFO_ExportDocumentToHTML(const ZQFO_Document& Document, const ZQ_FileName& FileName,
                               const ZQFO_ExportDocumentToHTML_Options& Options = {});

#endif
