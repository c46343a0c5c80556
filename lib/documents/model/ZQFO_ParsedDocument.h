// ZQFO_ParsedDocument.h: a document parsed for one layout run: its sections
// in order, each holding its primary block stream and its page sequence
// generator, and the options in force before the root element's own
// attributes (the HTML page background comes from them). It writes the
// frame of an HTML export and has each section write its blocks, stopping
// as soon as the progress service reports a cancel. Sections are counted
// handles; a section owns its generator. The context is borrowed. UI thread
// only.
#ifndef ZQFO_PARSEDDOCUMENT_H
#define ZQFO_PARSEDDOCUMENT_H

#include <vector>

#include "ZQFO_BlockStream.h"
#include "ZQFO_FormattingOptions.h"

class ZQFO_DistributionContext;
class ZQFO_ExportDocumentToHTML_ExportContext;
class ZQFO_PageSequenceGenerator;

class ZQFO_ParsedDocumentSectionImp {
 public:
  ZQFO_ParsedDocumentSectionImp(ZQFO_DistributionContext& Context, const ZQFO_BlockStream& Stream,
                                ZQFO_PageSequenceGenerator* Generator);
  ~ZQFO_ParsedDocumentSectionImp();
  ZQFO_ParsedDocumentSectionImp(const ZQFO_ParsedDocumentSectionImp&) = delete;
  ZQFO_ParsedDocumentSectionImp& operator=(const ZQFO_ParsedDocumentSectionImp&) = delete;

  ZQFO_DistributionContext& Context;
  ZQFO_BlockStream PrimaryBlockStream;
  ZQFO_PageSequenceGenerator* Generator;  // owned
  long ReferenceCount = 0;
};

class ZQFO_ParsedDocumentSection {
 public:
  // Takes ownership of Generator.
  ZQFO_ParsedDocumentSection(ZQFO_DistributionContext& Context, const ZQFO_BlockStream& Stream,
                             ZQFO_PageSequenceGenerator* Generator);
  ZQFO_ParsedDocumentSection(const ZQFO_ParsedDocumentSection& Other);
  ZQFO_ParsedDocumentSection& operator=(const ZQFO_ParsedDocumentSection& Other);
  ~ZQFO_ParsedDocumentSection();
  bool operator==(const ZQFO_ParsedDocumentSection& Other) const { return Imp == Other.Imp; }

  ZQFO_BlockStream GetPrimaryBlockStream() const { return Imp->PrimaryBlockStream; }
  // Still owned by the section.
  ZQFO_PageSequenceGenerator* GetPageSequenceGenerator() const { return Imp->Generator; }
  // Each block's HTML for Stage; false when a cancel stopped it.
  bool ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) const;

 private:
  void Release();
  ZQFO_ParsedDocumentSectionImp* Imp;
};

class ZQFO_ParsedDocument {
 public:
  // Takes the options factory's current options.
  explicit ZQFO_ParsedDocument(ZQFO_DistributionContext& Context);

  void AddSection(const ZQFO_ParsedDocumentSection& Section) { Sections.push_back(Section); }
  // In document order.
  const std::vector<ZQFO_ParsedDocumentSection>& GetSections() const { return Sections; }
  const ZQFO_FormattingOptions& GetOptions() const { return Options; }
  // Stage 1 writes the head before the sections and the closing tags after
  // them; every stage has the sections export. A cancel stops at once,
  // closing tags unwritten; false then.
  bool ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) const;

 private:
  ZQFO_DistributionContext* Context;
  ZQFO_FormattingOptions Options;
  std::vector<ZQFO_ParsedDocumentSection> Sections;
};

#endif
