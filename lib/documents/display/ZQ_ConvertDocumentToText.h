// ZQ_ConvertDocumentToText.h: a document as plain text that keeps its visual
// arrangement. The document is laid out in Courier New 10 on one continuous
// page 165.1 mm wide, and every word is placed on a character grid of
// 2.11667 x 3.72525 mm (twelve characters an inch), so that columns, table
// cells, indentation and up to two blank lines survive; blanks pad a line
// up to column 4,096 at most, a word beyond follows after one blank. Lines
// end in "\n". Layout failures (ZQ_Exception, also for memory running out)
// pass out after the measuring surface is released. UI thread only.
#ifndef ZQ_CONVERTDOCUMENTTOTEXT_H
#define ZQ_CONVERTDOCUMENTTOTEXT_H

#include "ZQFO_RenderObject.h"
#include "ZQ_FileName.h"
#include "ZQ_String.h"

class ZQFO_Document;

// The word record the export places on the grid.
using ZQFO_ExportDocumentToText_WordInfo = ZQFO_WordInfo;

ZQ_String ZQ_ConvertDocumentToText(const ZQFO_Document& Document);
// Also passes on the file failures of ZQ_SaveStringAsFile.
void ZQ_ConvertDocumentToTextFile(const ZQFO_Document& Document, const ZQ_FileName& FileName);

#endif
