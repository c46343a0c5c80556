// ZQXML_Parser: construction and the structure of a document (prolog, tags,
// elements, comments, processing instructions, document type).
#include "ZQXML_Parser.h"

#include "ZQ_Assertion.h"
#include "ZQ_ParameterSymbol.h"

namespace {

// The attribute names of a start tag are compared in a list up to this
// many, then looked up in a map.
const long kListedTagAttributes = 16;

ZQ_String Quoted(char Char) { return ZQ_String("\"") + ZQ_String(Char) + "\""; }

}  // namespace

ZQXML_Parser::ZQXML_Parser(const ZQ_String& Text, const ZQ_String& Description, long Options)
    : ZQXML_TextScanner(Text, Description, static_cast<int>(Options)) {}

ZQXML_Parser::ZQXML_Parser(const ZQ_FileName& File, const ZQ_String& Description, long Options)
    : ZQXML_TextScanner(File, Description, static_cast<int>(Options)) {}

ZQXML_Parser::ZQXML_Parser(const ZQ_URI& URI, const ZQ_String& Description, long Options)
    : ZQXML_TextScanner(URI, Description, static_cast<int>(Options)) {
  NoteSourceURI(GetCurrentDataSource(), URI);
}

void ZQXML_Parser::DefineEntityVariable(const ZQ_String& Name, const ZQ_String& Value) {
  Entities.Define(Name, Value, false);
}

void ZQXML_Parser::AddBaseURIs(ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> URIs) {
  for (; URIs.IsValid(); URIs.Advance()) BaseURIs[NumBaseURIs++] = URIs.GetCurrent();
}

void ZQXML_Parser::SetDocumentTypeDefinition(const ZQXML_DocumentTypeDefinition& NewDefinition) {
  Definition = NewDefinition;
  HasDefinition = true;
}

void ZQXML_Parser::SetKeepCharacterDataInElementContent(bool Keep) {
  KeepCharacterDataInElementContent = Keep;
}

void ZQXML_Parser::SetReadAsContentUnderDummyRoot(bool IsFragment) {
  ReadAsContentUnderDummyRoot = IsFragment;
}

void ZQXML_Parser::Imp_StartElement(const ZQ_String&) {}
void ZQXML_Parser::Imp_Attribute(const ZQ_String&, const ZQ_String&) {}
void ZQXML_Parser::Imp_EndElement() {}
void ZQXML_Parser::Imp_Text(const ZQ_String&) {}
void ZQXML_Parser::Imp_Comment(const ZQ_String&) {}

void ZQXML_Parser::Parse() {
  ZQ_ASSERT(not HasParsed);
  if (HasParsed) return;
  HasParsed = true;
  if (HasDefinition) Validator.reset(new ZQXML_Validator(Definition));
  if (ReadAsContentUnderDummyRoot) {
    ParseContent(true);
    return;
  }
  ParseMisc(true);
  if (IsAtEnd()) Fail(ZQXML_ParserMessage::NoRootElement, GetPosition());
  ParseStartTag();
  ParseContent(false);
  ParseMisc(false);
}

// White space, comments, processing instructions and commands around the
// root element. Before it, stops at the root's "<".
void ZQXML_Parser::ParseMisc(bool BeforeRoot) {
  for (;;) {
    SkipWhitespace();
    if (IsAtEnd()) return;
    const MarkType start = GetPosition();
    if (LookingAt("[-")) {
      ParseCommand();
    } else if (GetCurrentChar() != '<') {
      Fail(ZQXML_ParserMessage::TextOutsideRootElement, start, DescribeCurrent());
    } else if (LookingAt("<?")) {
      ParseProcessingInstruction();
    } else if (LookingAt("<!--")) {
      ParseComment();
    } else if (LookingAt("<!DOCTYPE")) {
      if (!BeforeRoot) Fail(ZQXML_ParserMessage::MisplacedDocumentType, start);
      ParseDocumentType();
    } else if (LookingAt("</")) {
      Skip(2);
      Fail(ZQXML_ParserMessage::EndTagOutsideElement, start, ReadName());
    } else if (BeforeRoot) {
      return;
    } else {
      AdvanceChar();
      Fail(ZQXML_ParserMessage::SecondRootElement, start, ReadName());
    }
  }
}

// Everything inside the root element, or a fragment's whole input, without
// recursion.
void ZQXML_Parser::ParseContent(bool IsFragment) {
  while (IsFragment || NumOpenElements > 0) {
    ReadCharacterData();
    if (IsAtEnd()) {
      FlushText();
      if (NumOpenElements == 0) return;
      const OpenElement& open = OpenElements[NumOpenElements - 1];
      Fail(ZQXML_ParserMessage::UnclosedElement, open.Start, open.Name);
    }
    if (LookingAt("<!--")) {
      FlushText();
      ParseComment();
    } else if (LookingAt("</")) {
      FlushText();
      if (NumOpenElements == 0) {
        const MarkType start = GetPosition();
        Skip(2);
        Fail(ZQXML_ParserMessage::EndTagOutsideElement, start, ReadName());
      }
      ParseEndTag();
    } else if (LookingAt("<?")) {
      ParseProcessingInstruction();  // writes nothing: the text goes on
    } else if (LookingAt("<!DOCTYPE")) {
      Fail(ZQXML_ParserMessage::MisplacedDocumentType, GetPosition());
    } else {
      FlushText();
      ParseStartTag();
    }
  }
}

void ZQXML_Parser::ParseStartTag() {
  const MarkType start = GetPosition();
  AdvanceChar();
  const ZQ_String name = ReadName();
  if (name.IsEmpty())
    FailFoundInsteadOf(ZQXML_FormatParserMessage(ZQXML_ParserMessage::ExpectedName));
  if (NumOpenElements >= MaxElementNesting)
    Fail(ZQXML_ParserMessage::ElementsNestTooDeep, start,
         ZQ_SubstituteParameters("{$1}", MaxElementNesting));
  if (Validator) Validate(Validator->StartElement(name), start);
  Imp_StartElement(name);
  NumTagAttributes = 0;
  for (;;) {
    const bool isSpaced = SkipWhitespace();
    if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedTag, start, name);
    if (GetCurrentChar() == '>') {
      AdvanceChar();
      if (Validator) Validate(Validator->EndStartTag(), start);
      OpenElements[NumOpenElements].Name = name;
      OpenElements[NumOpenElements].Start = start;
      ++NumOpenElements;
      return;
    }
    if (GetCurrentChar() == '/') {
      AdvanceChar();
      ExpectInTag('>', start, name);
      if (Validator) {
        Validate(Validator->EndStartTag(), start);
        Validate(Validator->EndElement(), start);
      }
      Imp_EndElement();
      return;
    }
    if (!isSpaced) FailFoundInsteadOf("\">\", \"/>\"");
    ParseAttribute(start, name);
  }
}

void ZQXML_Parser::ParseAttribute(const MarkType& TagStart, const ZQ_String& ElementName) {
  const MarkType nameStart = GetPosition();
  const ZQ_String name = ReadName();
  if (name.IsEmpty())
    FailFoundInsteadOf(ZQXML_FormatParserMessage(ZQXML_ParserMessage::ExpectedName));
  SkipWhitespace();
  ExpectInTag('=', TagStart, ElementName);
  SkipWhitespace();
  const ZQ_String value = ReadAttributeValue(name, TagStart, ElementName);
  if (IsRepeatedAttribute(name))
    Fail(ZQXML_ParserMessage::DuplicateAttribute, nameStart, name, ElementName);
  if (Validator) Validate(Validator->Attribute(name, value), TagStart);
  Imp_Attribute(name, value);
}

void ZQXML_Parser::ExpectInTag(char Char, const MarkType& TagStart,
                               const ZQ_String& ElementName) {
  if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedTag, TagStart, ElementName);
  if (GetCurrentChar() != Char) FailFoundInsteadOf(Quoted(Char));
  AdvanceChar();
}

bool ZQXML_Parser::IsRepeatedAttribute(const ZQ_String& Name) {
  if (NumTagAttributes < kListedTagAttributes) {
    for (long i = 0; i < NumTagAttributes; ++i)
      if (TagAttributes[i] == Name) return true;
    TagAttributes[NumTagAttributes++] = Name;
    return false;
  }
  if (NumTagAttributes == kListedTagAttributes) {
    ManyTagAttributes.RemoveAll();
    for (long i = 0; i < NumTagAttributes; ++i) ManyTagAttributes.Set(TagAttributes[i], true);
  }
  ++NumTagAttributes;
  return !ManyTagAttributes.Set(Name, true);
}

void ZQXML_Parser::ParseEndTag() {
  const MarkType start = GetPosition();
  Skip(2);
  const ZQ_String name = ReadName();
  if (name.IsEmpty())
    FailFoundInsteadOf(ZQXML_FormatParserMessage(ZQXML_ParserMessage::ExpectedName));
  const OpenElement& open = OpenElements[NumOpenElements - 1];
  if (name != open.Name) Fail(ZQXML_ParserMessage::MismatchedEndTag, start, name, open.Name);
  SkipWhitespace();
  ExpectInTag('>', start, "/" + name);
  if (Validator) Validate(Validator->EndElement(), start);
  --NumOpenElements;
  Imp_EndElement();
}

void ZQXML_Parser::ParseComment() {
  const MarkType start = GetPosition();
  Skip(4);
  Imp_Comment(ReadTextUpTo(start, "-->", 3, ZQXML_ParserMessage::UnclosedComment));
}

void ZQXML_Parser::ParseProcessingInstruction() {
  const MarkType start = GetPosition();
  Skip(2);
  const ZQ_String target = ReadName();
  if (target.IsEmpty())
    FailFoundInsteadOf(ZQXML_FormatParserMessage(ZQXML_ParserMessage::ExpectedName));
  if (target == "xml" && (IsAtEnd() || GetCurrentChar() == '?' || SkipWhitespace())) {
    // Each text (an included file too) may begin with its declaration.
    if (start.CharP != start.SectionP->DataSourceP->TextStart)
      Fail(ZQXML_ParserMessage::MisplacedDeclaration, start);
    ParseXMLDeclaration(start);
    return;
  }
  if (FindLiteral("?>", 2).IsNull())
    Fail(ZQXML_ParserMessage::UnclosedProcessingInstruction, start);
}

// version, encoding and standalone, each in either quotes; the encoding is
// not used: the bytes are read as they are.
void ZQXML_Parser::ParseXMLDeclaration(const MarkType& Start) {
  for (;;) {
    SkipWhitespace();
    if (LookingAt("?>")) {
      Skip(2);
      return;
    }
    if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedProcessingInstruction, Start);
    const ZQ_String name = ReadName();
    if (name != "version" && name != "encoding" && name != "standalone")
      FailFoundInsteadOf("\"version\", \"encoding\", \"standalone\", \"?>\"");
    SkipWhitespace();
    ExpectInTag('=', Start, "?xml");
    SkipWhitespace();
    const char quote = IsAtEnd() ? '\0' : GetCurrentChar();
    if (quote != '\'' && quote != '"') FailFoundInsteadOf("\"'\", '\"'");
    AdvanceChar();
    const char terminator[1] = {quote};
    if (FindLiteral(terminator, 1).IsNull())
      Fail(ZQXML_ParserMessage::UnclosedProcessingInstruction, Start);
  }
}

// <!DOCTYPE name ...> is skipped; an internal subset is refused: DTDs are
// given to the parser.
void ZQXML_Parser::ParseDocumentType() {
  const MarkType start = GetPosition();
  Skip(9);
  for (;;) {
    if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedDocumentType, start);
    const char c = GetCurrentChar();
    if (c == '[') Fail(ZQXML_ParserMessage::InternalSubset, GetPosition());
    AdvanceChar();
    if (c == '>') return;
    if (c == '\'' || c == '"') {
      const char terminator[1] = {c};
      if (FindLiteral(terminator, 1).IsNull())
        Fail(ZQXML_ParserMessage::UnclosedDocumentType, start);
    }
  }
}
