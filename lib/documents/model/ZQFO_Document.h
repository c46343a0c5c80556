// ZQFO_Document.h: a formatted document: a validated zqfo_* XML tree with a
// name, the external context that resolves its pictures and links, and an
// optional selection of page numbers for printing; and ZQFO_DocumentStream,
// the text stream into which programs write zqfo_* markup and from which
// they take the parsed document. A document is a copy-on-write handle:
// copies share one ZQFO_DocumentRef, and every setter first gives its
// handle a private copy. The document DTD and the default tree are parsed
// once and shared. Malformed or invalid markup throws the XML parser's
// ZQ_Exception. UI thread only.
#ifndef ZQFO_DOCUMENT_H
#define ZQFO_DOCUMENT_H

#include "ZQFO_ExternalContext.h"
#include "ZQXML_DocumentTypeDefinition.h"
#include "ZQXML_Tree.h"
#include "ZQ_Array.h"
#include "ZQ_Iterator.h"
#include "ZQ_StringStream.h"

class ZQR_AbstractFont;
class ZQR_Color;

// The document DTD (resource "intres:ZQFO_DocumentDTD") parsed anew, with
// zqfo_document as the root every document must have (fragments are not
// checked); its errors throw ZQ_Exception.
ZQXML_DocumentTypeDefinition CreateDocumentDTD();
// The document DTD, parsed on the first call and shared until program end.
ZQXML_DocumentTypeDefinition ZQFO_GetDocumentDTD();
// How often CreateDocumentDTD has run in this program, for tests.
long ZQFO_GetNumDocumentDTDParses();
// The tree every new document starts with: one section holding one block
// stream holding one empty paragraph. Parsed once, shared.
ZQXML_Tree GetDefaultFormattingObjectsTree();

// The data that document handles share.
class ZQFO_DocumentRef {
 public:
  // Count 0, the default tree, an empty context, no selection, no name.
  ZQFO_DocumentRef();
  // Asserts "ReferenceCount == 0".
  ~ZQFO_DocumentRef();
  ZQFO_DocumentRef(const ZQFO_DocumentRef&) = delete;
  ZQFO_DocumentRef& operator=(const ZQFO_DocumentRef&) = delete;

  void IncrementReferenceCount() { ++ReferenceCount; }
  // Asserts "ReferenceCount > 0"; deletes this at 0.
  void DecrementReferenceCount();

  long ReferenceCount = 0;
  ZQXML_Tree FormattingObjectsTree;
  ZQFO_ExternalContext ExternalContext;
  long SelectionMethod = 0;  // ZQFO_Document::SelectionMethod_...
  ZQ_Array<long> SelectionPageNumbers;
  ZQ_String Name;
};

class ZQFO_Document {
 public:
  static const long SelectionMethod_None = 0;
  static const long SelectionMethod_PageNumbers = 1;

  // A new document: the default tree, count 1.
  ZQFO_Document();
  ZQFO_Document(const ZQFO_Document& Other);
  ZQFO_Document& operator=(const ZQFO_Document& Other);
  ~ZQFO_Document();

  void SetName(const ZQ_String& Name);
  const ZQ_String& GetName() const { return Ref->Name; }
  // The tree is shared, not copied.
  void SetFormattingObjectsTree(const ZQXML_Tree& Tree);
  const ZQXML_Tree& GetFormattingObjectsTree() const { return Ref->FormattingObjectsTree; }
  // Copies the context's pictures (shared) and base URI.
  void SetExternalContext(const ZQFO_ExternalContext& Context);
  const ZQFO_ExternalContext& GetExternalContext() const { return Ref->ExternalContext; }
  // The numbers in iteration order; method 1 with at least one, else 0.
  void SetSelectionPageNumbers(ZQ_ReadOnlyIterator<long> PageNumbers);
  long GetSelectionMethod() const { return Ref->SelectionMethod; }
  // Reads this document's data: valid while the document is not changed.
  ZQ_ReadOnlyIterator<long> GetSelectionPageNumbers() const;

  // Handles sharing this document's data, for tests.
  long GetReferenceCount() const { return Ref->ReferenceCount; }

 private:
  // Gives this handle a private copy of shared data (asserts
  // "Ref->ReferenceCount > 1").
  void MakeDistinct();
  void PrepareForChange() {
    if (Ref->ReferenceCount > 1) MakeDistinct();
  }

  ZQFO_DocumentRef* Ref;
};

class ZQFO_DocumentStream : public ZQ_StringStream {
 public:
  ZQFO_DocumentStream();
  ~ZQFO_DocumentStream() override;

  // Parses all text written so far, validated against the document DTD, into
  // the document's tree. On an XML or validation error (ZQ_Exception) the
  // document keeps its previous tree; running out of memory throws a
  // ZQ_Exception too.
  void ParseDocSource();
  // ParseDocSource, then a handle on the document. Each call parses again.
  ZQFO_Document GetDocument();

  // Attribute texts for the element being written, each with its leading
  // blank and closing "' ".
  void WriteFontAttributes(const ZQR_AbstractFont& Font);
  void WriteTextColorAttribute(const ZQR_Color& Color);
  void WriteBackgroundColorAttribute(const ZQR_Color& Color);
  void WriteCellBorderColorAttribute(const ZQR_Color& Color);

 private:
  void WriteColorAttribute(const char* Name, const ZQR_Color& Color);

  ZQFO_Document Document;
};

// The writers under the names the report code uses.
void ZQFO_DocumentStream_WriteFontAttributes(ZQFO_DocumentStream& Stream, const ZQR_AbstractFont& Font);
void ZQFO_DocumentStream_WriteTextColorAttribute(ZQFO_DocumentStream& Stream, const ZQR_Color& Color);
void ZQFO_DocumentStream_WriteBackgroundColorAttribute(ZQFO_DocumentStream& Stream,
                                                       const ZQR_Color& Color);
void ZQFO_DocumentStream_WriteCellBorderColorAttribute(ZQFO_DocumentStream& Stream,
                                                       const ZQR_Color& Color);

#endif
