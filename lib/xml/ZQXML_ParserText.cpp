// ZQXML_Parser: character data, attribute values, references, entities and
// CDATA sections. Runs of plain bytes are scanned and copied in bulk.
#include <cstring>

#include "ZQXML_CharacterClasses.h"
#include "ZQXML_Parser.h"
#include "ZQ_ParameterSymbol.h"

namespace {

// The character of a predefined entity, or NUL.
char PredefinedEntity(const ZQ_String& Name) {
  if (Name == "lt") return '<';
  if (Name == "gt") return '>';
  if (Name == "amp") return '&';
  if (Name == "apos") return '\'';
  if (Name == "quot") return '"';
  return '\0';
}

int DigitValue(char Char, bool IsHexadecimal) {
  if (Char >= '0' && Char <= '9') return Char - '0';
  if (!IsHexadecimal) return -1;
  if (Char >= 'a' && Char <= 'f') return Char - 'a' + 10;
  if (Char >= 'A' && Char <= 'F') return Char - 'A' + 10;
  return -1;
}

// Appends Text with CR LF and lone CR turned into LF.
void AppendWithLineFeeds(ZQXML_CharBuffer& Output, const ZQ_String& Text) {
  const char* p = Text.GetText();
  const char* end = p + Text.GetLength();
  while (p < end) {
    if (*p == '\r') {
      Output.Append('\n');
      if (++p < end && *p == '\n') ++p;
      continue;
    }
    Output.Append(*p++);
  }
}

}  // namespace

bool ZQXML_Parser::CopyRunUntil(unsigned char StopClass, ZQXML_CharBuffer& Output) {
  const char* p = Here();
  const char* end = HereEnd();
  const char* run = p;
  while (p < end && !ZQXML_CharacterClasses.Is(*p, StopClass)) ++p;
  Output.Append(run, static_cast<long>(p - run));
  MoveTo(p);
  return p < end;
}

void ZQXML_Parser::ReadBracket(ZQXML_CharBuffer& Output) {
  if (LookingAt("[-")) {
    ParseCommand();
    return;
  }
  Output.Append('[');
  AdvanceChar();
}

// "]]>" ends only a CDATA section. It counts only as it is written in one
// text: a reference or a command between its characters splits it.
void ZQXML_Parser::ReadClosingBracket() {
  const char* p = Here();
  if (HereEnd() - p >= 3 && p[1] == ']' && p[2] == '>')
    Fail(ZQXML_ParserMessage::CDataEndInText, GetPosition());
  Text.Append(']');
  AdvanceChar();
}

void ZQXML_Parser::ReadLineEnd(ZQXML_CharBuffer& Output, char Replacement) {
  const bool isCarriageReturn = GetCurrentChar() == '\r';
  Output.Append(Replacement);
  AdvanceChar();
  if (isCarriageReturn && !IsAtEnd() && GetCurrentChar() == '\n') AdvanceChar();
}

// Gathers text into Text up to markup that is not a CDATA section, or to the
// end of the input.
void ZQXML_Parser::ReadCharacterData() {
  if (Text.IsEmpty()) TextStart = GetPosition();
  for (;;) {
    if (!CopyRunUntil(ZQXML_Class_InContent, Text)) {
      if (IsAtEnd()) return;
      continue;  // on into the next section
    }
    switch (GetCurrentChar()) {
      case '<':
        if (!LookingAt("<![CDATA[")) return;
        ReadCData();
        break;
      case '&':
        ReadReference(Text);
        break;
      case '[':
        ReadBracket(Text);
        break;
      case ']':
        ReadClosingBracket();
        break;
      case '\0':
        Fail(ZQXML_ParserMessage::NulCharacter, GetPosition());
      default:  // a carriage return, alone or before a line feed
        ReadLineEnd(Text, '\n');
        break;
    }
  }
}

void ZQXML_Parser::FlushText() {
  if (Text.IsEmpty()) return;
  if (Validator && !AdmitText()) {
    Text.Clear();
    return;
  }
  Imp_Text(Strings.Get(Text.GetData(), Text.GetLength()));
  Text.Clear();
}

ZQ_String ZQXML_Parser::ReadAttributeValue(const ZQ_String& AttributeName,
                                           const MarkType& TagStart,
                                           const ZQ_String& ElementName) {
  if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedTag, TagStart, ElementName);
  const char quote = GetCurrentChar();
  if (quote != '\'' && quote != '"') FailFoundInsteadOf("\"'\", '\"'");
  const MarkType opening = GetPosition();
  // A quote inside an entity's replacement text or an included text is data.
  const DataSourceType* home = opening.SectionP->DataSourceP;
  AdvanceChar();
  Value.Clear();
  for (;;) {
    if (!CopyRunUntil(ZQXML_Class_InValue, Value)) {
      if (IsAtEnd())
        Fail(ZQXML_ParserMessage::UnclosedAttributeValue, opening, AttributeName,
             ZQ_String("\"") + ZQ_String(quote) + "\"");
      continue;
    }
    const char c = GetCurrentChar();
    if (c == quote && GetCurrentDataSource() == home) {
      AdvanceChar();
      return Strings.Get(Value.GetData(), Value.GetLength());
    }
    switch (c) {
      case '<':
        Fail(ZQXML_ParserMessage::LessThanInAttribute, GetPosition(), AttributeName);
      case '&':
        ReadReference(Value);
        break;
      case '[':
        ReadBracket(Value);
        break;
      case '\0':
        Fail(ZQXML_ParserMessage::NulCharacter, GetPosition());
      case '\r':
      case '\t':
      case '\n':  // a CR LF is one line end: one blank
        ReadLineEnd(Value, ' ');
        break;
      default:  // the other quote, or this one inside a spliced text
        Value.Append(c);
        AdvanceChar();
        break;
    }
  }
}

void ZQXML_Parser::ReadReference(ZQXML_CharBuffer& Output) {
  const MarkType ampersand = GetPosition();
  AdvanceChar();
  if (!IsAtEnd() && GetCurrentChar() == '#') {
    ReadCharacterReference(Output, ampersand);
    return;
  }
  const ZQ_String name = ReadName();
  if (name.IsEmpty())
    Fail(ZQXML_ParserMessage::FoundInsteadOf, ampersand, DescribeCurrent(),
         ZQXML_FormatParserMessage(ZQXML_ParserMessage::ExpectedName));
  if (IsAtEnd() || GetCurrentChar() != ';')
    Fail(ZQXML_ParserMessage::FoundInsteadOf, ampersand, DescribeCurrent(), "\";\"");
  AdvanceChar();
  const char predefined = PredefinedEntity(name);
  if (predefined) {
    Output.Append(predefined);
    return;
  }
  const ZQXML_EntityTable::Entity* definition = FindEntity(name);
  if (!definition) Fail(ZQXML_ParserMessage::UndefinedEntity, ampersand, name);
  SpliceEntity(Entities, ampersand, name, *definition);
}

// "&#" decimal digits ";" or "&#x" hexadecimal digits ";", of a code from 1
// to 255: the byte set of the input.
void ZQXML_Parser::ReadCharacterReference(ZQXML_CharBuffer& Output, const MarkType& Ampersand) {
  AdvanceChar();
  const bool isHexadecimal = !IsAtEnd() && GetCurrentChar() == 'x';
  if (isHexadecimal) AdvanceChar();
  long code = 0;
  long digits = 0;
  for (; !IsAtEnd(); AdvanceChar()) {
    const int digit = DigitValue(GetCurrentChar(), isHexadecimal);
    if (digit < 0) break;
    if (code <= 255) code = code * (isHexadecimal ? 16 : 10) + digit;  // no overflow
    ++digits;
  }
  const bool isClosed = !IsAtEnd() && GetCurrentChar() == ';';
  if (isClosed) AdvanceChar();
  if (!isClosed || digits == 0 || code < 1 || code > 255)
    Fail(ZQXML_ParserMessage::BadCharacterReference, Ampersand,
         GetTextBetweenMarks(Ampersand, GetPosition()));
  Output.Append(static_cast<char>(code));
}

const ZQXML_EntityTable::Entity* ZQXML_Parser::FindEntity(const ZQ_String& Name) const {
  const ZQXML_EntityTable::Entity* entity = Entities.Find(Name);
  return entity || !HasDefinition ? entity : Definition.GetBody().FindEntity(Name);
}

void ZQXML_Parser::ReadCData() {
  const MarkType start = GetPosition();
  Skip(9);
  const MarkType textStart = GetPosition();
  const MarkType end = FindLiteral("]]>", 3);
  if (end.IsNull()) Fail(ZQXML_ParserMessage::UnclosedCData, start);
  Text.Append(GetConstructText(start, textStart, end));
}

// The text from Start to End with its line ends made line feeds; a NUL in it
// fails at Construct, the start of what is being read.
ZQ_String ZQXML_Parser::GetConstructText(const MarkType& Construct, const MarkType& Start,
                                         const MarkType& End) {
  const ZQ_String text = GetTextBetweenMarks(Start, End);
  if (std::memchr(text.GetText(), '\0', static_cast<size_t>(text.GetLength())))
    Fail(ZQXML_ParserMessage::NulCharacter, Construct);
  if (text.Find('\r') == ZQ_NoMatch) return text;
  Scratch.Clear();
  AppendWithLineFeeds(Scratch, text);
  return Scratch.ToString();
}
