// ZQXML_Parser.h: the XML parser. It reads a text, a file or a URI's
// resource (ZQ_AbstractTextStreamParser) and reports what it finds, in
// document order, to handlers that a derived class overrides (the reader
// builds a tree from them). It expands character references, the five
// predefined entities and the entities defined by commands or
// DefineEntityVariable (a replacement text is spliced in where it is used and
// parsed there); it merges adjacent pieces of text into one; it runs the
// parser commands "[-define name 'value'-]", "[-defdefine name 'value'-]" and
// "[-include 'uri'-]" written in character data or attribute values.
// Every fault of the input throws ZQ_AbstractTextStreamParserException at the
// construct at fault, with the line and column inside the text where it lies
// (an included file, an entity's replacement text). Opening an input or an
// included resource may also throw the ZQ_Exception of files and URIs.
// Limits keep bad input from hanging or exhausting the stack: texts nest at
// most 64 deep (entities, includes), splicing adds at most 32 MB in all (each
// splice counted as at least 256 bytes, for its bookkeeping), and elements
// nest at most 1,000 deep. NUL bytes are refused. One parse per parser; one thread only.
#ifndef ZQXML_PARSER_H
#define ZQXML_PARSER_H

#include <memory>

#include "ZQXML_CharBuffer.h"
#include "ZQXML_EntityTable.h"
#include "ZQXML_ParserMessages.h"
#include "ZQXML_StringCache.h"
#include "ZQ_AbstractTextStreamParser.h"
#include "ZQ_Map.h"
#include "ZQ_URI.h"

class ZQXML_Parser : public ZQ_AbstractTextStreamParser {
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

  static const long MaxElementNesting = 1000;

  // Reads the whole input, calling the handlers. Once per parser (assertion
  // "not HasParsed").
  void Parse();

 protected:
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
  // Reading position (ZQXML_ParserCursor.cpp)
  const char* Here() const { return GetPosition().CharP; }
  const char* HereEnd() const { return GetPosition().SectionP->End; }
  void MoveTo(const char* Char) { SetPosition(MarkType(GetPosition().SectionP, Char)); }
  void Skip(long N);
  bool LookingAt(const char* Literal, long Length) const;
  template <size_t N>
  bool LookingAt(const char (&Literal)[N]) const { return LookingAt(Literal, N - 1); }
  // Moves past the next occurrence of Literal and returns where it starts;
  // at the end of the input returns a null mark.
  MarkType FindLiteral(const char* Literal, long Length);
  // Skips blanks, tabs and line ends; true when there were any.
  bool SkipWhitespace();
  // The name at the position (empty when none starts there), moved past.
  ZQ_String ReadName();
  ZQ_String ReadKeyword();
  ZQ_String DescribeCurrent() const;
  [[noreturn]] void Fail(ZQXML_ParserMessage Message, MarkType At,
                         const ZQ_String& Value1 = ZQ_String(),
                         const ZQ_String& Value2 = ZQ_String());
  [[noreturn]] void FailFoundInsteadOf(const ZQ_String& Expected);

  // Document structure (ZQXML_Parser.cpp)
  void ParseMisc(bool BeforeRoot);
  void ParseElement();
  void ParseStartTag();
  void ParseAttribute(const MarkType& TagStart, const ZQ_String& ElementName);
  void ExpectInTag(char Char, const MarkType& TagStart, const ZQ_String& ElementName);
  bool IsRepeatedAttribute(const ZQ_String& Name);
  void ParseEndTag();
  void ParseComment();
  void ParseProcessingInstruction();
  void ParseXMLDeclaration(const MarkType& Start);
  void ParseDocumentType();

  // Text (ZQXML_ParserText.cpp)
  // Copies the bytes up to the next one of StopClass or the section's end
  // into Output and moves past them; true when a byte of StopClass follows.
  bool CopyRunUntil(unsigned char StopClass, ZQXML_CharBuffer& Output);
  // A "[": a command, or the character itself.
  void ReadBracket(ZQXML_CharBuffer& Output);
  // A line end or tab (a CR LF is one) as Replacement.
  void ReadLineEnd(ZQXML_CharBuffer& Output, char Replacement);
  void ReadCharacterData();
  void FlushText();
  ZQ_String ReadAttributeValue(const ZQ_String& AttributeName, const MarkType& TagStart,
                               const ZQ_String& ElementName);
  void ReadReference(ZQXML_CharBuffer& Output);
  void ReadCharacterReference(ZQXML_CharBuffer& Output, const MarkType& Ampersand);
  void ExpandEntity(const MarkType& Ampersand, const ZQ_String& Name,
                    const ZQXML_EntityTable::Entity& Definition);
  void ReadCData();
  ZQ_String ReadTextUpTo(const MarkType& Construct, const char* Terminator, long Length,
                         ZQXML_ParserMessage Unclosed);
  // Fails at At when a splice of Length bytes there would cross a limit.
  void CheckSpliceLimits(const MarkType& At, long Length);

  // Commands (ZQXML_ParserCommands.cpp)
  void ParseCommand();
  ZQ_String ReadCommandArgument(const MarkType& Command);
  void ExpectCommandEnd(const MarkType& Command);
  void Include(const MarkType& Command, const ZQ_String& Target);
  bool ResolveInclude(const ZQ_String& Target, const DataSourceType* Source,
                      ZQ_URI& Found) const;
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
  ZQXML_StringCache Strings;
  ZQXML_CharBuffer Text;   // the text node being gathered
  ZQXML_CharBuffer Value;  // the attribute value being gathered
  ZQXML_CharBuffer Scratch;
  ZQ_AutosizeArray<OpenElement> OpenElements;
  long NumOpenElements = 0;
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
};

#endif
