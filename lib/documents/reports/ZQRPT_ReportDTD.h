// ZQRPT_ReportDTD.h: the DTD of report markup (help pages, user's guides,
// release notes), read from the embedded resource "intres:ZQRPT_ReportDTD"
// and extended with entities that carry the running application's facts
// (&app_name;, &app_version;, &company_name; ...). The DTD parser's
// exceptions pass through. One thread only: the cache is a plain global.
#ifndef ZQRPT_REPORTDTD_H
#define ZQRPT_REPORTDTD_H

#include "ZQXML_DocumentTypeDefinition.h"

// A new definition: the resource parsed, then the 13 application entities
// with the values the current application metrics give now; documents read
// with it have a section as their root and nest at most
// ZQRPT_MaxReportNesting deep.
ZQXML_DocumentTypeDefinition CreateReportDTD();

// The definition made on the first successful call, shared by every later
// one. A failed build leaves the cache empty, so the next call tries again.
ZQXML_DocumentTypeDefinition ZQRPT_GetReportDTD();

// For tests: the function ZQRPT_GetReportDTD builds with (CreateReportDTD by
// default; null restores it), and emptying the cache. Returns the previous.
using ZQRPT_ReportDTDFactory = ZQXML_DocumentTypeDefinition (*)();
ZQRPT_ReportDTDFactory ZQRPT_SetReportDTDFactory(ZQRPT_ReportDTDFactory Factory);
void ZQRPT_ClearReportDTDCache();

#endif
