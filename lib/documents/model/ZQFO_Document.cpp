#include "ZQFO_Document.h"

#include "ZQFO_LibraryExceptions.h"
#include "ZQR_AbstractFont.h"
#include "ZQR_Color.h"
#include "ZQXML_DocumentTypeDefinitionParser.h"
#include "ZQXML_Reader.h"
#include "ZQ_Assertion.h"

namespace {

long s_numDocumentDTDParses = 0;

const char kDefaultTreeText[] =
    "<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para></zqfo_para></zqfo_blockstream>"
    "</zqfo_section></zqfo_document>";

ZQXML_Tree ReadValidDocument(const ZQ_String& Text) {
  ZQXML_Reader reader(Text);
  reader.SetDocumentTypeDefinition(ZQFO_GetDocumentDTD());
  return reader.Read();
}

}  // namespace

ZQXML_DocumentTypeDefinition CreateDocumentDTD() {
  ++s_numDocumentDTDParses;
  ZQXML_DocumentTypeDefinition definition = ZQXML_DocumentTypeDefinitionParser(ZQ_URI("intres:ZQFO_DocumentDTD")).Parse();
  // Only a document element holds sections, and only sections make pages:
  // any other root would lay out to no page at all.
  definition.SetRootElementName("zqfo_document");
  return definition;
}

// A failed first parse leaves the cache empty: the next call tries again.
ZQXML_DocumentTypeDefinition ZQFO_GetDocumentDTD() {
  static const ZQXML_DocumentTypeDefinition s_dtd = CreateDocumentDTD();
  return s_dtd;
}

long ZQFO_GetNumDocumentDTDParses() { return s_numDocumentDTDParses; }

ZQXML_Tree GetDefaultFormattingObjectsTree() {
  static const ZQXML_Tree s_tree = ReadValidDocument(ZQ_String(kDefaultTreeText));
  return s_tree;
}

// ---------------------------------------------------------------- shared data

ZQFO_DocumentRef::ZQFO_DocumentRef() : FormattingObjectsTree(GetDefaultFormattingObjectsTree()) {}

ZQFO_DocumentRef::~ZQFO_DocumentRef() { ZQ_ASSERT_LOG_ONLY(ReferenceCount == 0); }

void ZQFO_DocumentRef::DecrementReferenceCount() {
  ZQ_ASSERT(ReferenceCount > 0);
  if (ReferenceCount <= 0) return;
  if (--ReferenceCount == 0) delete this;
}

// ---------------------------------------------------------------- handle

ZQFO_Document::ZQFO_Document() : Ref(new ZQFO_DocumentRef) { Ref->IncrementReferenceCount(); }

ZQFO_Document::ZQFO_Document(const ZQFO_Document& Other) : Ref(Other.Ref) {
  Ref->IncrementReferenceCount();
}

ZQFO_Document& ZQFO_Document::operator=(const ZQFO_Document& Other) {
  Other.Ref->IncrementReferenceCount();  // first: Other may share this data
  ZQFO_DocumentRef* old = Ref;
  Ref = Other.Ref;
  old->DecrementReferenceCount();
  return *this;
}

ZQFO_Document::~ZQFO_Document() { Ref->DecrementReferenceCount(); }

void ZQFO_Document::MakeDistinct() {
  ZQ_ASSERT_TEXT(Ref->ReferenceCount > 1, "Ref->ReferenceCount > 1");
  auto* copy = new ZQFO_DocumentRef;
  copy->FormattingObjectsTree = Ref->FormattingObjectsTree;
  copy->ExternalContext = Ref->ExternalContext;
  copy->SelectionMethod = Ref->SelectionMethod;
  copy->SelectionPageNumbers = Ref->SelectionPageNumbers;
  copy->Name = Ref->Name;
  copy->IncrementReferenceCount();
  Ref->DecrementReferenceCount();
  Ref = copy;
}

void ZQFO_Document::SetName(const ZQ_String& Name) {
  PrepareForChange();
  Ref->Name = Name;
}

void ZQFO_Document::SetFormattingObjectsTree(const ZQXML_Tree& Tree) {
  PrepareForChange();
  Ref->FormattingObjectsTree = Tree;
}

void ZQFO_Document::SetExternalContext(const ZQFO_ExternalContext& Context) {
  PrepareForChange();
  Ref->ExternalContext = Context;  // the pictures shared, and the base URI
}

void ZQFO_Document::SetSelectionPageNumbers(ZQ_ReadOnlyIterator<long> PageNumbers) {
  PrepareForChange();
  ZQ_Array<long> numbers(ZQ_CountElements(PageNumbers));
  for (long i = 0; PageNumbers.IsValid(); PageNumbers.Advance()) numbers[i++] = *PageNumbers;
  Ref->SelectionMethod = numbers.GetNumElements() > 0 ? SelectionMethod_PageNumbers : SelectionMethod_None;
  Ref->SelectionPageNumbers = numbers;
}

ZQ_ReadOnlyIterator<long> ZQFO_Document::GetSelectionPageNumbers() const {
  return ZQ_ReadOnlyIterator<long>(Ref->SelectionPageNumbers.GetIterator());
}

// ---------------------------------------------------------------- stream

ZQFO_DocumentStream::ZQFO_DocumentStream() = default;
ZQFO_DocumentStream::~ZQFO_DocumentStream() = default;

void ZQFO_DocumentStream::ParseDocSource() {
  ZQFO_WithLibraryExceptions("read the document",
                             [&] { Document.SetFormattingObjectsTree(ReadValidDocument(*this)); });
}

ZQFO_Document ZQFO_DocumentStream::GetDocument() {
  ParseDocSource();
  return Document;
}

void ZQFO_DocumentStream::WriteFontAttributes(const ZQR_AbstractFont& Font) {
  *this << " font_typeface='" << Font.GetTypeface() << "' ";
  *this << " font_height='" << static_cast<double>(Font.GetHeight()) << " pt' ";
  *this << " font_weight='" << (Font.GetWeight() == 400 ? "normal" : "bold") << "' ";
  *this << " font_italic='" << (Font.GetItalicStyle() ? "true" : "false") << "' ";
}

void ZQFO_DocumentStream::WriteColorAttribute(const char* Name, const ZQR_Color& Color) {
  *this << " " << Name << "='" << Color.GetWebName() << "' ";
}

void ZQFO_DocumentStream::WriteTextColorAttribute(const ZQR_Color& Color) {
  WriteColorAttribute("text_color", Color);
}

void ZQFO_DocumentStream::WriteBackgroundColorAttribute(const ZQR_Color& Color) {
  WriteColorAttribute("background_color", Color);
}

void ZQFO_DocumentStream::WriteCellBorderColorAttribute(const ZQR_Color& Color) {
  WriteColorAttribute("cell_border_color", Color);
}

void ZQFO_DocumentStream_WriteFontAttributes(ZQFO_DocumentStream& Stream, const ZQR_AbstractFont& Font) {
  Stream.WriteFontAttributes(Font);
}
void ZQFO_DocumentStream_WriteTextColorAttribute(ZQFO_DocumentStream& Stream, const ZQR_Color& Color) {
  Stream.WriteTextColorAttribute(Color);
}
void ZQFO_DocumentStream_WriteBackgroundColorAttribute(ZQFO_DocumentStream& Stream,
                                                       const ZQR_Color& Color) {
  Stream.WriteBackgroundColorAttribute(Color);
}
void ZQFO_DocumentStream_WriteCellBorderColorAttribute(ZQFO_DocumentStream& Stream,
                                                       const ZQR_Color& Color) {
  Stream.WriteCellBorderColorAttribute(Color);
}
