// ZQXML_Parser.h: the XML parser. It reads a text, a file or a URI's
// resource (ZQ_AbstractTextStreamParser) and reports what it finds, in
// document order, to handlers that a derived class overrides (the reader
// builds a tree from them). It expands character references, the five
// predefined entities and the entities defined by commands or
// DefineEntityVariable (a replacement text is spliced in where it is used and
// parsed there); it merges adjacent pieces of text into one; it runs the
// parser commands "[-define name 'value'-]", "[-defdefine name 'value'-]" and
// "[-include 'uri'-]" written in character data or attribute values.
// Given a DTD, it validates what it reads (ZQXML_Validator.h), drops white
// space in element content unless told to keep it, and knows the DTD's
// entities after those of commands. It can read a fragment as the content of
// a dummy root element.
// Every fault of the input throws ZQ_AbstractTextStreamParserException at the
// construct at fault, with the line and column inside the text where it lies
// (an included file, an entity's replacement text). Opening an input or an
// included resource may also throw the ZQ_Exception of files and URIs.
// Limits keep bad input from hanging or exhausting the stack: texts nest at
// most 64 deep (entities, includes), splicing adds at most 32 MB in all or
// four times the document's own length when that is more (each splice
// counted as at least 256 bytes, for its bookkeeping), a parse
// includes at most 1,000 times, and elements nest at most 1,000 deep. Each
// included resource is read once per parse: a file changed during the
// parse is read again only by the next one. NUL bytes are refused. One parse per parser; one thread only.
#ifndef ZQXML_PARSER_H
#define ZQXML_PARSER_H

#include <memory>

#include "ZQXML_DocumentTypeDefinition.h"
#include "ZQXML_TextScanner.h"
#include "ZQXML_Validator.h"
#include "ZQ_Map.h"
#include "ZQ_URI.h"

class ZQXML_Parser : public ZQXML_TextScanner {
 public:
  // Description: what reading the input means in messages; empty for the
  // text parser's default. Options: those of ZQ_AbstractTextStreamParser.
  ZQXML_Parser(const ZQ_String& Text, const ZQ_String& Description, long Options);
  ZQXML_Parser(const ZQ_FileName& File, const ZQ_String& Description, long Options);
  ZQXML_Parser(const ZQ_URI& URI, const ZQ_String& Description, long Options);

  // The same as a "define" command before the parse.
  void DefineEntityVariable(const ZQ_String& Name, const ZQ_String& Value);
  // Included resources that are not found beside the including text are
  // looked for under these URIs, in order.
  void AddBaseURIs(ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> BaseURIs);
  // The parse validates against Definition, knows its general entities
  // (after those of commands and DefineEntityVariable) and keeps to its
  // element nesting limit, when it sets one. Without one, only
  // well-formedness is checked.
  void SetDocumentTypeDefinition(const ZQXML_DocumentTypeDefinition& Definition);
  // White space in element content is kept as text instead of dropped.
  void SetKeepCharacterDataInElementContent(bool Keep);
  // The input is read as the content of a dummy root element that takes any
  // mix of text and elements and has no node of its own: the top-level
  // nodes become the document node's children.
  void SetReadAsContentUnderDummyRoot(bool IsFragment);

  static const long MaxElementNesting = 1000;
  static const long MaxIncludes = 1000;  // in one parse, at any depth

  // Elements nest at most Limit deep in this parse (1 to MaxElementNesting),
  // for readers whose trees grow deeper in later steps.
  void SetMaxElementNesting(long Limit);

  // Reads the whole input, calling the handlers. Once per parser (assertion
  // "not HasParsed").
  void Parse();

 protected:
  bool IsReadingFragment() const { return ReadAsContentUnderDummyRoot; }

  // Handlers, in document order; the defaults do nothing. A start tag's
  // attributes follow its Imp_StartElement; Imp_EndElement closes the
  // innermost open element (an empty one at once). Imp_Text receives each
  // maximal run of text, white space included, inside the root element.
  virtual void Imp_StartElement(const ZQ_String& Name);
  virtual void Imp_Attribute(const ZQ_String& Name, const ZQ_String& Value);
  virtual void Imp_EndElement();
  virtual void Imp_Text(const ZQ_String& Text);
  virtual void Imp_Comment(const ZQ_String& Text);

 private:
  // Document structure (ZQXML_Parser.cpp)
  void ParseMisc(bool BeforeRoot);
  // Content up to the end of the root element, or of a fragment's input.
  void ParseContent(bool IsFragment);
  void ParseStartTag();
  void ParseAttribute(const MarkType& TagStart, const ZQ_String& ElementName);
  void ExpectInTag(char Char, const MarkType& TagStart, const ZQ_String& ElementName);
  bool IsRepeatedAttribute(const ZQ_String& Name);
  void ParseEndTag();
  void ParseComment();
  void ParseProcessingInstruction();
  bool MayHoldDeclaration(const MarkType& At) const;
  void ParseXMLDeclaration(const MarkType& Start, bool IsIncluded);
  void ExpectInDeclaration(char Char, const MarkType& Start);
  void ReadDeclarationValue(long Index, const MarkType& Start);
  void ParseDocumentType();

  // Text (ZQXML_ParserText.cpp)
  // Copies the bytes up to the next one of StopClass or the section's end
  // into Output and moves past them; true when a byte of StopClass follows.
  bool CopyRunUntil(unsigned char StopClass, ZQXML_CharBuffer& Output);
  // A "[": a command, or the character itself.
  void ReadBracket(ZQXML_CharBuffer& Output);
  // A "]" of character data, which may not begin "]]>".
  void ReadClosingBracket();
  // A line end or tab (a CR LF is one) as Replacement.
  void ReadLineEnd(ZQXML_CharBuffer& Output, char Replacement);
  void ReadCharacterData();
  void FlushText();
  ZQ_String ReadAttributeValue(const ZQ_String& AttributeName, const MarkType& TagStart,
                               const ZQ_String& ElementName);
  void ReadReference(ZQXML_CharBuffer& Output);
  void ReadCharacterReference(ZQXML_CharBuffer& Output, const MarkType& Ampersand);
  // The entity of a command or DefineEntityVariable, else the DTD's, or null.
  const ZQXML_EntityTable::Entity* FindEntity(const ZQ_String& Name) const;
  void ReadCData();
  ZQ_String GetConstructText(const MarkType& Construct, const MarkType& Start,
                             const MarkType& End);

  // Validation (ZQXML_ParserValidation.cpp)
  void Validate(const ZQXML_ValidationFault& Fault, const MarkType& At);
  // Whether the gathered text goes to Imp_Text; text that the DTD does not
  // allow fails at its first character other than white space.
  bool AdmitText();

  // Commands (ZQXML_ParserCommands.cpp)
  void ParseCommand();
  ZQ_String ReadCommandArgument(const MarkType& Command);
  void ExpectCommandEnd(const MarkType& Command);
  void Include(const MarkType& Command, const ZQ_String& Target);
  ZQ_String ReadInclude(const MarkType& Command, const ZQ_URI& URI);
  bool ResolveInclude(const ZQ_String& Target, const DataSourceType* Source, ZQ_URI& Found);
  bool IncludeExists(const ZQ_URI& Candidate);
  bool GetBaseOf(const DataSourceType* Source, ZQ_URI& Base) const;
  void NoteSourceURI(const DataSourceType* Source, const ZQ_URI& URI);

  struct OpenElement {
    ZQ_String Name;
    MarkType Start;
  };
  struct SourceURI {
    const DataSourceType* Source = nullptr;
    ZQ_URI URI;
  };

  bool HasParsed = false;
  ZQXML_EntityTable Entities;
  ZQXML_CharBuffer Text;   // the text node being gathered
  MarkType TextStart;      // where it begins
  ZQXML_CharBuffer Value;  // the attribute value being gathered
  ZQXML_DocumentTypeDefinition Definition;
  bool HasDefinition = false;
  bool KeepCharacterDataInElementContent = false;
  bool ReadAsContentUnderDummyRoot = false;
  std::unique_ptr<ZQXML_Validator> Validator;  // while a validating parse runs
  ZQ_AutosizeArray<OpenElement> OpenElements;
  long NumOpenElements = 0;
  long MaxNesting = MaxElementNesting;
  // The attribute names of the current start tag: a list while short, a map
  // beyond, so that a tag with thousands of attributes stays linear.
  ZQ_AutosizeArray<ZQ_String> TagAttributes;
  long NumTagAttributes = 0;
  ZQ_Map<ZQ_String, bool> ManyTagAttributes;
  ZQ_AutosizeArray<ZQ_AbsoluteURI> BaseURIs;
  long NumBaseURIs = 0;
  // Data sources read from URIs other than files: the base of their includes.
  ZQ_AutosizeArray<SourceURI> SourceURIs;
  long NumSourceURIs = 0;
  // Included resources by absolute URI: the texts read, and those found
  // missing.
  ZQ_Map<ZQ_String, ZQ_String> IncludedTexts;
  ZQ_Map<ZQ_String, bool> MissingIncludes;
  long NumIncludes = 0;
};

#endif
