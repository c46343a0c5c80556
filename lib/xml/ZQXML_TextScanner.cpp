// ZQXML_TextScanner: bulk scans inside the current section, and the slow
// paths for texts that run across sections.
#include "ZQXML_TextScanner.h"

#include <cstring>

#include "ZQXML_CharacterClasses.h"
#include "ZQ_ParameterSymbol.h"

namespace {

bool LookingAtAcrossSections(ZQ_AbstractTextStreamParser::MarkType Mark, const char* Literal,
                             long Length) {
  for (long i = 0; i < Length; ++i) {
    Mark.Normalize();
    if (Mark.CharP == Mark.SectionP->End || *Mark.CharP != Literal[i]) return false;
    ++Mark.CharP;
  }
  return true;
}

}  // namespace

void ZQXML_TextScanner::Skip(long N) {
  for (long i = 0; i < N; ++i) AdvanceChar();
}

bool ZQXML_TextScanner::LookingAt(const char* Literal, long Length) const {
  const MarkType& position = GetPosition();
  if (position.SectionP->End - position.CharP >= Length)
    return std::memcmp(position.CharP, Literal, static_cast<size_t>(Length)) == 0;
  return LookingAtAcrossSections(position, Literal, Length);
}

ZQ_AbstractTextStreamParser::MarkType ZQXML_TextScanner::FindLiteral(const char* Literal,
                                                                long Length) {
  for (;;) {
    DataSourceSectionType* section = GetPosition().SectionP;
    const char* end = section->End;
    for (const char* p = Here(); p < end; ++p) {
      p = static_cast<const char*>(std::memchr(p, Literal[0], static_cast<size_t>(end - p)));
      if (!p) break;
      const MarkType found(section, p);
      const bool isMatch = end - p >= Length
                               ? std::memcmp(p, Literal, static_cast<size_t>(Length)) == 0
                               : LookingAtAcrossSections(found, Literal, Length);
      if (isMatch) {
        MoveTo(p);
        Skip(Length);
        return found;
      }
    }
    const bool isLast = !section->Next;
    MoveTo(end);
    if (isLast) return MarkType();
  }
}

ZQ_AbstractTextStreamParser::MarkType ZQXML_TextScanner::FindCommentEnd(const MarkType& Start) {
  const MarkType end = FindLiteral("--", 2);
  if (end.IsNull() || IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedComment, Start);
  if (GetCurrentChar() != '>') Fail(ZQXML_ParserMessage::DoubleHyphenInComment, end);
  AdvanceChar();
  return end;
}

bool ZQXML_TextScanner::SkipWhitespace() {
  bool skipped = false;
  for (;;) {
    const char* p = Here();
    const char* end = HereEnd();
    const char* start = p;
    while (p < end && ZQXML_CharacterClasses.Is(*p, ZQXML_Class_Space)) ++p;
    if (p == start) return skipped;
    skipped = true;
    MoveTo(p);
    if (p < end || IsAtEnd()) return true;
  }
}

ZQ_String ZQXML_TextScanner::ReadName() {
  const char* p = Here();
  const char* end = HereEnd();
  if (p == end || !ZQXML_CharacterClasses.Is(*p, ZQXML_Class_NameStart)) return ZQ_String();
  const char* start = p++;
  while (p < end && ZQXML_CharacterClasses.Is(*p, ZQXML_Class_NameChar)) ++p;
  const bool mayGoOn = p == end && GetPosition().SectionP->Next;
  MoveTo(p);
  if (!mayGoOn) return Strings.Get(start, static_cast<long>(p - start));
  // The name runs on into the next section.
  Scratch.Clear();
  Scratch.Append(start, static_cast<long>(p - start));
  while (!IsAtEnd() && ZQXML_CharacterClasses.Is(GetCurrentChar(), ZQXML_Class_NameChar)) {
    Scratch.Append(GetCurrentChar());
    AdvanceChar();
  }
  return Strings.Get(Scratch.GetData(), Scratch.GetLength());
}

ZQ_String ZQXML_TextScanner::ReadKeyword() {
  Scratch.Clear();
  while (!IsAtEnd() && ZQXML_CharacterClasses.Is(GetCurrentChar(), ZQXML_Class_Letter)) {
    Scratch.Append(GetCurrentChar());
    AdvanceChar();
  }
  return Scratch.ToString();
}

ZQ_String ZQXML_TextScanner::DescribeCurrent() const {
  if (IsAtEnd()) return ZQXML_FormatParserMessage(ZQXML_ParserMessage::FoundEndOfText);
  const unsigned char c = static_cast<unsigned char>(GetCurrentChar());
  if (c >= 32 && c < 127)
    return ZQXML_FormatParserMessage(ZQXML_ParserMessage::FoundCharacter, ZQ_String(static_cast<char>(c)));
  return ZQXML_FormatParserMessage(ZQXML_ParserMessage::FoundCharacterCode,
                                   ZQ_SubstituteParameters("{$1}", static_cast<long>(c)));
}

void ZQXML_TextScanner::Fail(ZQXML_ParserMessage Message, MarkType At, const ZQ_String& Value1,
                        const ZQ_String& Value2) {
  ThrowErrorAt(ZQXML_FormatParserMessage(Message, Value1, Value2), At);
}

void ZQXML_TextScanner::FailFoundInsteadOf(const ZQ_String& Expected) {
  Fail(ZQXML_ParserMessage::FoundInsteadOf, GetPosition(), DescribeCurrent(), Expected);
}

void ZQXML_TextScanner::CheckSpliceLimits(ZQXML_EntityTable& Table, const MarkType& At,
                                          long Length) {
  if (ZQXML_EntityTable::GetNestingDepth(At.SectionP->DataSourceP) >=
      ZQXML_EntityTable::MaxSourceNesting)
    Fail(ZQXML_ParserMessage::SourcesNestTooDeep, At,
         ZQ_SubstituteParameters("{$1}", ZQXML_EntityTable::MaxSourceNesting));
  const long documentLength = ZQXML_EntityTable::GetDocumentLength(At.SectionP->DataSourceP);
  if (!Table.Admit(Length, documentLength))
    Fail(ZQXML_ParserMessage::ExpansionTooLarge, At,
         ZQ_SubstituteParameters("{$1}", ZQXML_EntityTable::GetExpansionBudget(documentLength)));
}

void ZQXML_TextScanner::SpliceEntity(ZQXML_EntityTable& Table, const MarkType& Start,
                                     const ZQ_String& Name,
                                     const ZQXML_EntityTable::Entity& Definition) {
  if (Table.IsBeingExpanded(Name, Start.SectionP->DataSourceP))
    Fail(ZQXML_ParserMessage::RecursiveEntity, Start, Name);
  if (Definition.Value.IsEmpty()) return;
  CheckSpliceLimits(Table, Start, Definition.Value.GetLength());
  ReplaceTextWithString(Start, GetPosition(), Definition.Value, Definition.Description, 0);
  Table.NoteExpansion(GetCurrentDataSource(), Name);
}
