// ZQFO_DocumentParser.h: turns a zqfo_* tree that passed validation against
// the document DTD into a parsed document: per zqfo_section a page sequence
// generator with its frame sets and a block stream of paragraphs and tables
// whose flow objects are made with the options in force at their elements.
// The options factory's stack is left as found; the context's chapter
// strings change. A validated tree makes the parser neither throw nor
// assert: values the DTD cannot check (start_page_number, columnspan) fall
// back to their defaults with a debug-log line. UI thread only.
#ifndef ZQFO_DOCUMENTPARSER_H
#define ZQFO_DOCUMENTPARSER_H

#include "ZQFO_ParsedDocument.h"
#include "ZQXML_Tree.h"

class ZQFO_Block_Paragraph;
class ZQFO_Block_Table;
class ZQFO_BlockStream;
class ZQFO_FlowObject;
class ZQFO_PageSequenceGenerator;
class ZQXML_Node;

// How the flow content last added to a paragraph ended.
const long ZQFO_TextEnding_Word = 0;
const long ZQFO_TextEnding_WhiteSpace = 1;  // also a line break or a bullet
const long ZQFO_TextEnding_Preformatted = 2;

class ZQFO_DocumentParser {
 public:
  // Tree is shared; Context is borrowed and outlives the parser.
  ZQFO_DocumentParser(const ZQXML_Tree& Tree, ZQFO_DistributionContext& Context);
  ZQFO_ParsedDocument Parse();

 private:
  void ParseDocumentElement(const ZQXML_Node& Element);
  void ProcessSection(const ZQXML_Node& Element);
  void ProcessPageSequenceGeneratorElement(const ZQXML_Node& Element, ZQFO_PageSequenceGenerator& Generator);
  ZQFO_BlockStream ProcessBlockStreamElement(const ZQXML_Node& Element);
  void ProcessChildBlockElements(const ZQXML_Node& Element, ZQFO_BlockStream& Stream);
  void ProcessBlockElement(const ZQXML_Node& Element, ZQFO_BlockStream& Stream);
  void ProcessParaElement(const ZQXML_Node& Element, ZQFO_BlockStream& Stream);
  void ProcessParagraph(const ZQXML_Node& Element, ZQFO_BlockStream& Stream);
  void ProcessTableElement(const ZQXML_Node& Element, ZQFO_BlockStream& Stream);
  ZQFO_Block_Table* ParseTableElement(const ZQXML_Node& Element);
  void ProcessBlockGroupElement(const ZQXML_Node& Element, ZQFO_BlockStream& Stream);
  void ProcessChildFlowNodes(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph);
  void ProcessFlowNode(const ZQXML_Node& Node, ZQFO_Block_Paragraph& Paragraph);
  void ProcessTextNode(const ZQXML_Node& Node, ZQFO_Block_Paragraph& Paragraph);
  void ProcessPreformattedTextNode(const ZQXML_Node& Node, ZQFO_Block_Paragraph& Paragraph);
  void ProcessFlowGroupElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph);
  void ProcessBulletElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph);
  void ProcessSymbolElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph);
  void ProcessFieldElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph);
  void ProcessImgElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph);
  void ProcessPictureElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph);
  void ProcessInlineTableElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph);
  void ProcessPageRefElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph);
  void ProcessLinebreakElement(const ZQXML_Node& Element, ZQFO_Block_Paragraph& Paragraph);
  // Joins or separates LastObject (may be null) and what follows: Next 0 a
  // word or inline element, 1 whitespace first, 2 preformatted text.
  void FixUpLastFlowObject(ZQFO_FlowObject* LastObject, long Next);

  ZQXML_Tree Tree;
  ZQFO_DistributionContext& Context;
  long LastTextEnding = ZQFO_TextEnding_Word;
  ZQFO_ParsedDocument Result;
};

// Parses Tree (validated against the document DTD) for Context.
ZQFO_ParsedDocument ZQFO_ParseDocument(const ZQXML_Tree& Tree, ZQFO_DistributionContext& Context);

// The character of a zqfo_symbol name in the "Symbol" typeface; an unknown
// name fails "false" and gives 'x'.
char ZQFO_GetSymbolCharacter(const ZQ_String& Name);
// Whether Name is a zqfo_symbol name, one the document DTD takes.
bool ZQFO_IsSymbolName(const ZQ_String& Name);

#endif
