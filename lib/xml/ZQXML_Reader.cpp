#include "ZQXML_Reader.h"

#include "ZQXML_NodeKinds.h"

ZQXML_Reader::ZQXML_Reader(const ZQ_String& Text, const ZQ_String& Description, long Options)
    : ZQXML_Parser(Text, Description, Options),
      Document(new ZQXML_Node_Document),
      Current(Document.get()) {}

ZQXML_Reader::ZQXML_Reader(const char* Text, const ZQ_String& Description, long Options)
    : ZQXML_Reader(ZQ_String(Text), Description, Options) {}

ZQXML_Reader::ZQXML_Reader(const ZQ_FileName& File, const ZQ_String& Description, long Options)
    : ZQXML_Parser(File, Description, Options),
      Document(new ZQXML_Node_Document),
      Current(Document.get()) {}

ZQXML_Reader::ZQXML_Reader(const ZQ_URI& URI, const ZQ_String& Description, long Options)
    : ZQXML_Parser(URI, Description, Options),
      Document(new ZQXML_Node_Document),
      Current(Document.get()) {}

ZQXML_Reader::~ZQXML_Reader() = default;

ZQXML_Tree ZQXML_Reader::Read() {
  if (!Document) {
    Parse();  // fails its assertion
    return ZQXML_Tree();
  }
  Document->IsFragment = IsReadingFragment();
  Parse();
  return ZQXML_Tree(Document.release());
}

void ZQXML_Reader::Imp_StartElement(const ZQ_String& Name) {
  ZQXML_Node* element = new ZQXML_Node_Element(Name);
  Current->AddLastChild(element);
  Current = element;
}

void ZQXML_Reader::Imp_Attribute(const ZQ_String& Name, const ZQ_String& Value) {
  Current->AddLastChild(new ZQXML_Node_Attribute(Name, Value));
}

void ZQXML_Reader::Imp_EndElement() { Current = Current->GetParent(); }

void ZQXML_Reader::Imp_Text(const ZQ_String& Text) {
  Current->AddLastChild(new ZQXML_Node_Text(Text));
}

void ZQXML_Reader::Imp_Comment(const ZQ_String& Text) {
  Current->AddLastChild(new ZQXML_Node_Comment(Text));
}
