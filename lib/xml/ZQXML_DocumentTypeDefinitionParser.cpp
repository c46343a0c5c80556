#include "ZQXML_DocumentTypeDefinitionParser.h"

#include "ZQXML_CharacterClasses.h"
#include "ZQ_Assertion.h"
#include "ZQ_Internationalization.h"
#include "ZQ_ParameterSymbol.h"

namespace {

ZQ_String Quoted(const char* Text) { return ZQ_String("\"") + Text + "\""; }

}  // namespace

ZQXML_DocumentTypeDefinitionParser::ZQXML_DocumentTypeDefinitionParser(
    const ZQ_URI& URI, const ZQ_String& Description)
    : ZQXML_TextScanner(URI, Description, 0) {}

ZQXML_DocumentTypeDefinitionParser::ZQXML_DocumentTypeDefinitionParser(
    const ZQ_String& Text, const ZQ_String& Description)
    : ZQXML_TextScanner(Text, Description, 0) {}

ZQXML_DocumentTypeDefinition ZQXML_DocumentTypeDefinitionParser::Parse() {
  ZQ_ASSERT(not HasParsed);
  if (HasParsed) return Result;
  HasParsed = true;
  Result.GetModifiableBody();
  if (LookingAt("<?xml")) {
    const MarkType start = GetPosition();
    if (FindLiteral("?>", 2).IsNull()) Fail(ZQXML_ParserMessage::UnclosedProcessingInstruction, start);
  }
  for (;;) {
    SkipSeparators();
    if (IsAtEnd()) break;
    ParseDeclaration();
  }
  CheckModelNames();
  return Result;
}

void ZQXML_DocumentTypeDefinitionParser::SkipSeparators() {
  for (;;) {
    SkipWhitespace();
    if (IsAtEnd() || GetCurrentChar() != '%') return;
    ExpandParameterReference();
  }
}

void ZQXML_DocumentTypeDefinitionParser::ExpandParameterReference() {
  const MarkType start = GetPosition();
  AdvanceChar();
  const ZQ_String name = ReadRequiredName();
  Expect(';');
  const ZQXML_EntityTable::Entity* definition = ParameterEntities.Find(name);
  if (!definition) Fail(ZQXML_ParserMessage::UndefinedParameterEntity, start, name);
  SpliceEntity(ParameterEntities, start, name, *definition);
}

void ZQXML_DocumentTypeDefinitionParser::ParseDeclaration() {
  const MarkType start = GetPosition();
  if (LookingAt("<!--")) {
    Skip(4);
    FindCommentEnd(start);
    return;
  }
  if (LookingAt("<!ENTITY")) {
    Skip(8);
    ParseEntityDeclaration();
  } else if (LookingAt("<!ELEMENT")) {
    Skip(9);
    ParseElementDeclaration(start);
  } else if (LookingAt("<!ATTLIST")) {
    Skip(9);
    ParseAttributeListDeclaration();
  } else {
    Fail(ZQXML_ParserMessage::UnsupportedDeclaration, start, DescribeCurrent());
  }
  SkipSeparators();
  Expect('>');
}

void ZQXML_DocumentTypeDefinitionParser::ParseEntityDeclaration() {
  if (!SkipWhitespace()) FailFoundInsteadOf("\" \"");
  bool isParameterEntity = false;
  if (GetCurrentChar() == '%') {
    AdvanceChar();
    if (!SkipWhitespace()) FailFoundInsteadOf("\" \"");
    isParameterEntity = true;
  }
  const ZQ_String name = ReadRequiredName();
  SkipSeparators();
  const char quote = GetCurrentChar();
  if (quote != '"' && quote != '\'')
    Fail(ZQXML_ParserMessage::UnsupportedDeclaration, GetPosition(), DescribeCurrent());
  const ZQ_String value = ReadLiteral(!isParameterEntity);
  if (isParameterEntity)
    ParameterEntities.Define(name, value, true);
  else
    Result.GetModifiableBody().DefineEntity(name, value, true);
}

ZQ_String ZQXML_DocumentTypeDefinitionParser::ReadLiteral(bool ExpandReferences) {
  const MarkType opening = GetPosition();
  const char quote = GetCurrentChar();
  if (quote != '"' && quote != '\'') FailFoundInsteadOf("\"'\", '\"'");
  const DataSourceType* home = GetCurrentDataSource();
  AdvanceChar();
  ZQXML_CharBuffer value;
  for (;;) {
    if (IsAtEnd())
      Fail(ZQXML_ParserMessage::UnclosedLiteral, opening, ZQ_String("\"") + ZQ_String(quote) + "\"");
    const char c = GetCurrentChar();
    if (c == quote && GetCurrentDataSource() == home) break;
    if (c == '%' && ExpandReferences) {
      ExpandParameterReference();
      continue;
    }
    if (c == '\0') Fail(ZQXML_ParserMessage::NulCharacter, GetPosition());
    value.Append(c);
    AdvanceChar();
  }
  AdvanceChar();
  return value.ToString();
}

void ZQXML_DocumentTypeDefinitionParser::ParseElementDeclaration(const MarkType& Start) {
  SkipSeparators();
  const ZQ_String name = ReadRequiredName();
  ZQXML_DocumentTypeDefinitionBody& body = Result.GetModifiableBody();
  const long element = body.AddElement(name);
  if (body.GetElement(element).IsDeclared)
    Fail(ZQXML_ParserMessage::SecondElementDeclaration, Start, name);
  body.GetElement(element).IsDeclared = true;
  SkipSeparators();
  ParseContentSpecification(element);
}

void ZQXML_DocumentTypeDefinitionParser::ParseContentSpecification(long Element) {
  const MarkType start = GetPosition();
  ZQXML_ContentModel model;
  if (GetCurrentChar() == '(') {
    AdvanceChar();
    SkipSeparators();
    if (LookingAt("#PCDATA")) {
      model = ZQXML_ContentModel::MakeMixed(ParseMixedContent());
    } else {
      ZQXML_ContentParticle root;
      ParseGroup(root, 1);
      if (!ZQXML_ContentModel::Compile(root, model))
        Fail(ZQXML_ParserMessage::ModelTooComplex, start,
             Result.GetBody().GetElement(Element).Name,
             ZQ_SubstituteParameters(ZQ_Internationalization_Translate("{$1} names or {$2} states"),
                                     ZQXML_ContentModel::MaxNames, ZQXML_ContentModel::MaxStates, 0));
    }
  } else {
    const ZQ_String keyword = ReadName();
    if (keyword == "EMPTY")
      model = ZQXML_ContentModel::MakeEmpty();
    else if (keyword != "ANY")
      Fail(ZQXML_ParserMessage::FoundInsteadOf, start,
           keyword.IsEmpty() ? DescribeCurrent() : Quoted(keyword.GetText()),
           "\"EMPTY\", \"ANY\", \"(\"");
  }
  Result.GetModifiableBody().GetElement(Element).Model = model;
}

// After "(#PCDATA": "|" and names, then ")*"; or ")" alone.
std::vector<long> ZQXML_DocumentTypeDefinitionParser::ParseMixedContent() {
  Skip(7);
  std::vector<long> elements;
  for (;;) {
    SkipSeparators();
    if (GetCurrentChar() == ')') {
      AdvanceChar();
      if (!elements.empty() || GetCurrentChar() == '*') Expect('*');
      return elements;
    }
    Expect('|');
    SkipSeparators();
    elements.push_back(ReadModelName());
  }
}

// After "(": particles separated by all "," or all "|", then ")" and a
// repeat.
void ZQXML_DocumentTypeDefinitionParser::ParseGroup(ZQXML_ContentParticle& Group, long Depth) {
  if (Depth > MaxGroupNesting)
    Fail(ZQXML_ParserMessage::ModelNestsTooDeep, GetPosition(),
         ZQ_SubstituteParameters("{$1}", MaxGroupNesting));
  Group.Type = ZQXML_ContentParticle::Kind::Sequence;
  char separator = '\0';
  for (;;) {
    Group.Children.emplace_back();
    ParseContentParticle(Group.Children.back(), Depth);
    SkipSeparators();
    const char c = GetCurrentChar();
    if (c == ')') break;
    if ((c != ',' && c != '|') || (separator && c != separator))
      FailFoundInsteadOf(separator ? ZQ_String("\"") + ZQ_String(separator) + "\", \")\""
                                   : ZQ_String("\",\", \"|\", \")\""));
    separator = c;
    AdvanceChar();
  }
  AdvanceChar();
  if (separator == '|') Group.Type = ZQXML_ContentParticle::Kind::Choice;
  ReadRepeat(Group);
}

void ZQXML_DocumentTypeDefinitionParser::ParseContentParticle(ZQXML_ContentParticle& Particle,
                                                              long Depth) {
  SkipSeparators();
  if (GetCurrentChar() == '(') {
    AdvanceChar();
    ParseGroup(Particle, Depth + 1);
    return;
  }
  Particle.Type = ZQXML_ContentParticle::Kind::Element;
  Particle.Element = ReadModelName();
  ReadRepeat(Particle);
}

long ZQXML_DocumentTypeDefinitionParser::ReadModelName() {
  const MarkType start = GetPosition();
  const long element = Result.GetModifiableBody().AddElement(ReadRequiredName());
  const size_t index = static_cast<size_t>(element);
  if (FirstUse.size() <= index) FirstUse.resize(index + 1);
  if (FirstUse[index].IsNull()) FirstUse[index] = start;
  return element;
}

void ZQXML_DocumentTypeDefinitionParser::ReadRepeat(ZQXML_ContentParticle& Particle) {
  const char c = GetCurrentChar();
  if (c != '?' && c != '*' && c != '+') return;
  Particle.Repeat = c;
  AdvanceChar();
}

void ZQXML_DocumentTypeDefinitionParser::ParseAttributeListDeclaration() {
  SkipSeparators();
  const long element = Result.GetModifiableBody().AddElement(ReadRequiredName());
  for (;;) {
    SkipSeparators();
    if (IsAtEnd() || GetCurrentChar() == '>') return;
    ZQXML_AttributeDeclaration declaration;
    declaration.Name = ReadRequiredName();
    SkipSeparators();
    ParseAttributeType(declaration);
    SkipSeparators();
    ParseAttributeDefault(declaration);
    Result.GetModifiableBody().GetElement(element).AddAttribute(declaration);
  }
}

void ZQXML_DocumentTypeDefinitionParser::ParseAttributeType(ZQXML_AttributeDeclaration& Declaration) {
  using Kind = ZQXML_AttributeDeclaration::Kind;
  if (GetCurrentChar() == '(') {
    AdvanceChar();
    Declaration.Type = Kind::Enumeration;
    for (;;) {
      SkipSeparators();
      Declaration.AddValue(ReadNameToken());
      SkipSeparators();
      if (GetCurrentChar() == ')') break;
      if (GetCurrentChar() != '|') FailFoundInsteadOf("\"|\", \")\"");
      AdvanceChar();
    }
    AdvanceChar();
    return;
  }
  const MarkType start = GetPosition();
  const ZQ_String type = ReadName();
  if (type == "CDATA")
    Declaration.Type = Kind::CData;
  else if (type == "ID")
    Declaration.Type = Kind::Id;
  else if (type == "IDREF")
    Declaration.Type = Kind::IdRef;
  else if (type == "NMTOKEN")
    Declaration.Type = Kind::NameToken;
  else
    Fail(ZQXML_ParserMessage::FoundInsteadOf, start,
         type.IsEmpty() ? DescribeCurrent() : Quoted(type.GetText()),
         "\"CDATA\", \"ID\", \"IDREF\", \"NMTOKEN\", \"(\"");
}

void ZQXML_DocumentTypeDefinitionParser::ParseAttributeDefault(
    ZQXML_AttributeDeclaration& Declaration) {
  using Default = ZQXML_AttributeDeclaration::DefaultKind;
  if (GetCurrentChar() != '#') {
    Declaration.Default = Default::Value;
    Declaration.DefaultValue = ReadLiteral(false);
    return;
  }
  const MarkType start = GetPosition();
  AdvanceChar();
  const ZQ_String keyword = ReadName();
  if (keyword == "REQUIRED") {
    Declaration.Default = Default::Required;
  } else if (keyword == "IMPLIED") {
    Declaration.Default = Default::Implied;
  } else if (keyword == "FIXED") {
    SkipSeparators();
    Declaration.Default = Default::Fixed;
    Declaration.DefaultValue = ReadLiteral(false);
  } else {
    Fail(ZQXML_ParserMessage::FoundInsteadOf, start, Quoted(("#" + keyword).GetText()),
         "\"#REQUIRED\", \"#IMPLIED\", \"#FIXED\"");
  }
}

ZQ_String ZQXML_DocumentTypeDefinitionParser::ReadRequiredName() {
  const ZQ_String name = ReadName();
  if (name.IsEmpty())
    FailFoundInsteadOf(ZQXML_FormatParserMessage(ZQXML_ParserMessage::ExpectedName));
  return name;
}

ZQ_String ZQXML_DocumentTypeDefinitionParser::ReadNameToken() {
  ZQXML_CharBuffer token;
  while (!IsAtEnd() && ZQXML_CharacterClasses.Is(GetCurrentChar(), ZQXML_Class_NameChar)) {
    token.Append(GetCurrentChar());
    AdvanceChar();
  }
  if (token.IsEmpty())
    FailFoundInsteadOf(ZQXML_FormatParserMessage(ZQXML_ParserMessage::ExpectedName));
  return token.ToString();
}

void ZQXML_DocumentTypeDefinitionParser::Expect(char Char) {
  if (IsAtEnd() || GetCurrentChar() != Char)
    FailFoundInsteadOf(ZQ_String("\"") + ZQ_String(Char) + "\"");
  AdvanceChar();
}

void ZQXML_DocumentTypeDefinitionParser::CheckModelNames() {
  const ZQXML_DocumentTypeDefinitionBody& body = Result.GetBody();
  for (size_t i = 0; i < FirstUse.size(); ++i) {
    const ZQXML_ElementDeclaration& element = body.GetElement(static_cast<long>(i));
    if (!FirstUse[i].IsNull() && !element.IsDeclared)
      Fail(ZQXML_ParserMessage::UndeclaredElementInModel, FirstUse[i], element.Name);
  }
}
