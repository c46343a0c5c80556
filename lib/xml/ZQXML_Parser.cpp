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

// Whether Char may stand at Position of the value of the declaration's
// pseudo-attribute Index: a version number ([a-zA-Z0-9_.:-]+), an encoding
// name ([A-Za-z][A-Za-z0-9._-]*) or, for standalone, letters.
bool IsDeclarationValueChar(long Index, char Char, long Position) {
  const bool isLetter = (Char >= 'a' && Char <= 'z') || (Char >= 'A' && Char <= 'Z');
  if (Index == 2 || (Index == 1 && Position == 0)) return isLetter;
  const bool isNameChar =
      isLetter || (Char >= '0' && Char <= '9') || Char == '_' || Char == '.' || Char == '-';
  return isNameChar || (Index == 0 && Char == ':');
}

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

void ZQXML_Parser::SetMaxElementNesting(long Limit) {
  MaxNesting = Limit < 1 ? 1 : Limit > MaxElementNesting ? MaxElementNesting : Limit;
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
  if (HasDefinition) {
    Validator.reset(new ZQXML_Validator(Definition, ReadAsContentUnderDummyRoot));
    const long definitionLimit = Definition.GetBody().GetMaxElementNesting();
    if (definitionLimit > 0 && definitionLimit < MaxNesting) SetMaxElementNesting(definitionLimit);
  }
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
  if (NumOpenElements >= MaxNesting)
    Fail(ZQXML_ParserMessage::ElementsNestTooDeep, start, ZQ_SubstituteParameters("{$1}", MaxNesting));
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
  const MarkType textStart = GetPosition();
  const MarkType end = FindCommentEnd(start);
  Imp_Comment(GetConstructText(start, textStart, end));
}

void ZQXML_Parser::ParseProcessingInstruction() {
  const MarkType start = GetPosition();
  Skip(2);
  const MarkType targetStart = GetPosition();
  const ZQ_String target = ReadName();
  if (target.IsEmpty())
    FailFoundInsteadOf(ZQXML_FormatParserMessage(ZQXML_ParserMessage::ExpectedName));
  if (target.GetLength() == 3 && ZQ_ToLowerCase(target) == "xml") {
    if (target != "xml") Fail(ZQXML_ParserMessage::ReservedTarget, targetStart, target);
    if (!MayHoldDeclaration(start)) Fail(ZQXML_ParserMessage::MisplacedDeclaration, start);
    ParseXMLDeclaration(start, start.SectionP->DataSourceP->Parent != nullptr);
    return;
  }
  // The target ends at white space or at "?>" ("<?a=b?>" has no target).
  if (!LookingAt("?>") && !SkipWhitespace()) FailFoundInsteadOf("\" \", \"?>\"");
  if (FindLiteral("?>", 2).IsNull())
    Fail(ZQXML_ParserMessage::UnclosedProcessingInstruction, start);
}

// The document and each included text may begin with a declaration; an
// entity's replacement text may not.
bool ZQXML_Parser::MayHoldDeclaration(const MarkType& At) const {
  const DataSourceType* source = At.SectionP->DataSourceP;
  if (At.CharP != source->TextStart) return false;
  if (!source->Parent || source->FileName.IsNotNull()) return true;
  for (long i = 0; i < NumSourceURIs; ++i)
    if (SourceURIs[i].Source == source) return true;
  return false;
}

// version, then encoding, then standalone, each at most once and after
// white space. An included text may instead begin with an encoding alone,
// as a text declaration does. The encoding is not used: the bytes are read
// as they are.
void ZQXML_Parser::ParseXMLDeclaration(const MarkType& Start, bool IsIncluded) {
  static const char* const kNames[] = {"version", "encoding", "standalone", "?>"};
  const long kCount = 3;
  long next = 0;  // the first pseudo-attribute that may still follow
  for (;;) {
    const bool isSpaced = SkipWhitespace();
    if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedProcessingInstruction, Start);
    const bool isEnd = LookingAt("?>");
    if (isEnd && next > 0) {
      Skip(2);
      return;
    }
    const MarkType nameStart = GetPosition();
    const ZQ_String name = isEnd || !isSpaced ? ZQ_String() : ReadName();
    long index = next;
    while (index < kCount && name != kNames[index]) ++index;
    const bool skipsVersion = next == 0 && index > 0;
    if (index == kCount || (skipsVersion && (!IsIncluded || index != 1))) {
      // What could stand here: the names still allowed, then "?>" once the
      // version (or an included text's encoding) was read.
      ZQ_String expected;
      const long last = next > 0 ? kCount + 1 : (IsIncluded ? 2 : 1);
      for (long i = next; i < last; ++i)
        expected += ZQ_String(i > next ? ", \"" : "\"") + kNames[i] + "\"";
      if (!isEnd && !isSpaced) expected = next > 0 ? "\" \", \"?>\"" : "\" \"";
      Fail(ZQXML_ParserMessage::FoundInsteadOf, nameStart,
           name.IsEmpty() ? DescribeCurrent() : "\"" + name + "\"", expected);
    }
    ExpectInDeclaration('=', Start);
    ReadDeclarationValue(index, Start);
    next = skipsVersion ? kCount : index + 1;  // a text declaration ends with its encoding
  }
}

void ZQXML_Parser::ExpectInDeclaration(char Char, const MarkType& Start) {
  SkipWhitespace();
  if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedProcessingInstruction, Start);
  if (GetCurrentChar() != Char) FailFoundInsteadOf(Quoted(Char));
  AdvanceChar();
  SkipWhitespace();
}

// The quoted value of the declaration's pseudo-attribute Index (version,
// encoding, standalone), checked and skipped.
void ZQXML_Parser::ReadDeclarationValue(long Index, const MarkType& Start) {
  if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedProcessingInstruction, Start);
  const char quote = GetCurrentChar();
  if (quote != '\'' && quote != '"') FailFoundInsteadOf("\"'\", '\"'");
  AdvanceChar();
  const MarkType valueStart = GetPosition();
  long length = 0;
  for (; !IsAtEnd() && IsDeclarationValueChar(Index, GetCurrentChar(), length); ++length)
    AdvanceChar();
  if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedProcessingInstruction, Start);
  if (Index == 2) {
    const ZQ_String value = GetTextBetweenMarks(valueStart, GetPosition());
    if (value != "yes" && value != "no") {
      Fail(ZQXML_ParserMessage::FoundInsteadOf, valueStart,
           value.IsEmpty() ? DescribeCurrent() : "\"" + value + "\"", "\"yes\", \"no\"");
    }
  }
  if (GetCurrentChar() != quote || length == 0)
    FailFoundInsteadOf(Index == 2 ? Quoted(quote)
                                  : ZQXML_FormatParserMessage(
                                        Index == 0 ? ZQXML_ParserMessage::ExpectedVersionNumber
                                                   : ZQXML_ParserMessage::ExpectedEncodingName,
                                        Quoted(quote)));
  AdvanceChar();
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
