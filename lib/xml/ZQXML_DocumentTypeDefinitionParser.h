// ZQXML_DocumentTypeDefinitionParser.h: reads a DTD into a
// ZQXML_DocumentTypeDefinition. It accepts a leading text declaration
// ("<?xml ... ?>", its encoding ignored), comments, element declarations
// (EMPTY, ANY, mixed content, children models), attribute lists (CDATA, ID,
// IDREF, NMTOKEN and enumerations, with #REQUIRED, #IMPLIED, #FIXED or a
// default value) and internal entities. Parameter entities are expanded by
// splicing their text where they are referenced: between declarations,
// inside declarations and in the values of general entities (a parameter
// entity's own value is kept as written and expanded where it is used). A
// general entity's value is kept raw and parsed where a document uses it.
// The first declaration of an entity or an attribute binds. Everything else
// (external entities, notations, conditional sections, processing
// instructions), a second declaration of an element, and an element named
// in a content model but never declared throw the text parser's exception
// at the construct at fault. One parse per parser; one thread only.
#ifndef ZQXML_DOCUMENTTYPEDEFINITIONPARSER_H
#define ZQXML_DOCUMENTTYPEDEFINITIONPARSER_H

#include <vector>

#include "ZQXML_DocumentTypeDefinition.h"
#include "ZQXML_TextScanner.h"
#include "ZQ_URI.h"

class ZQXML_DocumentTypeDefinitionParser : public ZQXML_TextScanner {
 public:
  // Reads the resource URI names. Description as for ZQXML_Parser.
  explicit ZQXML_DocumentTypeDefinitionParser(const ZQ_URI& URI,
                                              const ZQ_String& Description = ZQ_String());
  // Reads a DTD text held in memory.
  ZQXML_DocumentTypeDefinitionParser(const ZQ_String& Text, const ZQ_String& Description);

  // Models nest at most this deep.
  static const long MaxGroupNesting = 64;

  ZQXML_DocumentTypeDefinition Parse();

 private:
  // Skips white space and expands the parameter entities referenced there.
  void SkipSeparators();
  void ExpandParameterReference();
  void ParseDeclaration();
  void ParseEntityDeclaration();
  // A quoted literal, read raw up to the same quote in the same text; with
  // ExpandReferences, parameter entity references inside are expanded.
  ZQ_String ReadLiteral(bool ExpandReferences);
  void ParseElementDeclaration(const MarkType& Start);
  void ParseContentSpecification(long Element);
  std::vector<long> ParseMixedContent();
  void ParseGroup(ZQXML_ContentParticle& Group, long Depth);
  void ParseContentParticle(ZQXML_ContentParticle& Particle, long Depth);
  void ReadRepeat(ZQXML_ContentParticle& Particle);
  // The index of the element named at the position in a model.
  long ReadModelName();
  void ParseAttributeListDeclaration();
  void ParseAttributeType(ZQXML_AttributeDeclaration& Declaration);
  void ParseAttributeDefault(ZQXML_AttributeDeclaration& Declaration);
  ZQ_String ReadRequiredName();
  ZQ_String ReadNameToken();
  void Expect(char Char);
  void CheckModelNames();

  ZQXML_EntityTable ParameterEntities;
  ZQXML_DocumentTypeDefinition Result;
  // Per element index: where a content model first names it (or null).
  std::vector<MarkType> FirstUse;
  bool HasParsed = false;
};

#endif
