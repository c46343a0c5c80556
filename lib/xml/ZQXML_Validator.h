// ZQXML_Validator.h: checks the events of one parse against a DTD: each
// element declared and allowed at its place by its parent's content model,
// each content complete at its end tag, attributes declared, required ones
// present, enumerations, fixed values and name tokens kept, and text only
// where the model allows it. The bottom level (the document, or the dummy
// root of a fragment) takes any content. It answers with faults; the parser
// raises them where they belong. One thread only.
#ifndef ZQXML_VALIDATOR_H
#define ZQXML_VALIDATOR_H

#include <vector>

#include "ZQXML_DocumentTypeDefinition.h"
#include "ZQXML_ParserMessages.h"

struct ZQXML_ValidationFault {
  bool IsFault = false;
  ZQXML_ParserMessage Message = ZQXML_ParserMessage::FoundInsteadOf;
  ZQ_String Value1;
  ZQ_String Value2;
};

class ZQXML_Validator {
 public:
  // IsFragment: the bottom level is a dummy root, which takes any elements.
  ZQXML_Validator(const ZQXML_DocumentTypeDefinition& Definition, bool IsFragment);

  ZQXML_ValidationFault StartElement(const ZQ_String& Name);
  ZQXML_ValidationFault Attribute(const ZQ_String& Name, const ZQ_String& Value);
  // After the last attribute of a start tag.
  ZQXML_ValidationFault EndStartTag();
  ZQXML_ValidationFault EndElement();

  enum class TextUse { Keep, Drop, Refuse };
  // What becomes of text in the innermost open element: white space in
  // element content is dropped unless KeepWhitespace; other text there is
  // refused.
  TextUse JudgeText(const ZQ_String& Text, bool KeepWhitespace) const;
  // The innermost open element's name (empty at the bottom level).
  ZQ_String GetCurrentName() const;

 private:
  struct Level {
    const ZQXML_ElementDeclaration* Element = nullptr;  // null: any content
    long State = 0;
  };
  ZQ_String DescribeExpected(const Level& Parent) const;

  ZQXML_DocumentTypeDefinition Definition;
  const ZQXML_DocumentTypeDefinitionBody& Body;
  bool IsFragment;
  std::vector<Level> Levels;
  // The attributes seen in the current start tag: those whose stamp is the
  // tag's.
  std::vector<unsigned long> SeenStamps;
  unsigned long Stamp = 0;
};

#endif
