// ZQXML_Reader.h: reads an XML text, file or URI's resource into a tree
// (ZQXML_Tree). The parser's setters (entities, base URIs) apply before
// Read. Read parses once and throws the parser's exceptions; a reader that
// failed has no tree. One thread only.
#ifndef ZQXML_READER_H
#define ZQXML_READER_H

#include <memory>

#include "ZQXML_Parser.h"
#include "ZQXML_Tree.h"

class ZQXML_Node;
class ZQXML_Node_Document;

class ZQXML_Reader : public ZQXML_Parser {
 public:
  // Description: what reading means in messages; empty for the text
  // parser's default ("reading internal data", or "reading" and the name).
  ZQXML_Reader(const ZQ_String& Text, const ZQ_String& Description = ZQ_String(),
               long Options = 0);
  // The same for a literal, which would otherwise be as near a file name.
  ZQXML_Reader(const char* Text, const ZQ_String& Description = ZQ_String(), long Options = 0);
  ZQXML_Reader(const ZQ_FileName& File, const ZQ_String& Description = ZQ_String(),
               long Options = 0);
  ZQXML_Reader(const ZQ_URI& URI, const ZQ_String& Description = ZQ_String(), long Options = 0);
  ~ZQXML_Reader() override;

  // Parses the input and returns its tree. Once per reader (a second call
  // fails the assertion "not HasParsed" and returns an empty tree).
  ZQXML_Tree Read();

 protected:
  void Imp_StartElement(const ZQ_String& Name) override;
  void Imp_Attribute(const ZQ_String& Name, const ZQ_String& Value) override;
  void Imp_EndElement() override;
  void Imp_Text(const ZQ_String& Text) override;
  void Imp_Comment(const ZQ_String& Text) override;

 private:
  std::unique_ptr<ZQXML_Node_Document> Document;
  ZQXML_Node* Current;  // the innermost open node, borrowed from Document
};

#endif
