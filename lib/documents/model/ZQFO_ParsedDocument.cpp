#include "ZQFO_ParsedDocument.h"

#include "ZQFO_Block.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQFO_PageSequenceGenerator.h"
#include "ZQXML_TextEncoding.h"
#include "ZQ_Assertion.h"
#include "ZQ_ProgressReportService.h"

ZQFO_ParsedDocumentSectionImp::ZQFO_ParsedDocumentSectionImp(ZQFO_DistributionContext& Context,
                                                             const ZQFO_BlockStream& Stream,
                                                             ZQFO_PageSequenceGenerator* Generator)
    : Context(Context), PrimaryBlockStream(Stream), Generator(Generator) {}

ZQFO_ParsedDocumentSectionImp::~ZQFO_ParsedDocumentSectionImp() { delete Generator; }

ZQFO_ParsedDocumentSection::ZQFO_ParsedDocumentSection(ZQFO_DistributionContext& Context,
                                                       const ZQFO_BlockStream& Stream,
                                                       ZQFO_PageSequenceGenerator* Generator)
    : Imp(new ZQFO_ParsedDocumentSectionImp(Context, Stream, Generator)) {
  Imp->ReferenceCount = 1;
}

ZQFO_ParsedDocumentSection::ZQFO_ParsedDocumentSection(const ZQFO_ParsedDocumentSection& Other) : Imp(Other.Imp) {
  ++Imp->ReferenceCount;
}

ZQFO_ParsedDocumentSection& ZQFO_ParsedDocumentSection::operator=(const ZQFO_ParsedDocumentSection& Other) {
  ++Other.Imp->ReferenceCount;
  Release();
  Imp = Other.Imp;
  return *this;
}

ZQFO_ParsedDocumentSection::~ZQFO_ParsedDocumentSection() { Release(); }

void ZQFO_ParsedDocumentSection::Release() {
  ZQ_ASSERT_LOG_ONLY(Imp->ReferenceCount > 0);
  if (--Imp->ReferenceCount <= 0) delete Imp;
}

bool ZQFO_ParsedDocumentSection::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) const {
  const ZQFO_BlockStream& stream = Imp->PrimaryBlockStream;
  for (long i = 0; i < stream.GetNumBlocks(); ++i) {
    if (ZQ_ProgressReportService_CheckForUpdate()) return false;
    stream.GetBlock(i)->ExportToHTML(Export, Stage);
  }
  return true;
}

ZQFO_ParsedDocument::ZQFO_ParsedDocument(ZQFO_DistributionContext& Context)
    : Context(&Context), Options(Context.OptionsFactory.GetFormattingOptions()) {}

bool ZQFO_ParsedDocument::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) const {
  ZQ_TextStreamFormatter& out = Export.GetFormatter();
  if (Stage == 1) {
    out << "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n\n<html>\n\n<head>\n"
        << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
        // The name is the user's text: markup characters in it stay text.
        << "<title>"
        << ZQXML_EncodeSpecialCharacters(Context->DocumentName, ZQXML_Encode_LessThan | ZQXML_Encode_GreaterThan |
                                                                    ZQXML_Encode_Ampersand | ZQXML_Encode_DoubleQuote)
        << "</title>\n</head>\n\n<body bgcolor=\"" << Options->BackgroundColor.GetWebName() << "\">\n";
  }
  for (const ZQFO_ParsedDocumentSection& section : Sections) {
    if (ZQ_ProgressReportService_CheckForUpdate()) return false;
    if (!section.ExportToHTML(Export, Stage)) return false;
  }
  if (Stage == 1) out << "\n</body>\n</html>\n";
  return true;
}
