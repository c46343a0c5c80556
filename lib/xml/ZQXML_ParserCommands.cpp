// ZQXML_Parser: the parser commands "[-define name 'value'-]",
// "[-defdefine name 'value'-]" and "[-include 'uri'-]". A command writes no
// text; an include is read in its place.
#include "ZQXML_Parser.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Internationalization.h"

void ZQXML_Parser::ParseCommand() {
  const MarkType command = GetPosition();
  Skip(2);
  SkipWhitespace();
  const MarkType keywordStart = GetPosition();
  const ZQ_String keyword = ReadKeyword();
  if (keyword == "define" || keyword == "defdefine") {
    SkipWhitespace();
    if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedCommand, command);
    const ZQ_String name = ReadName();
    if (name.IsEmpty())
      FailFoundInsteadOf(ZQXML_FormatParserMessage(ZQXML_ParserMessage::ExpectedName));
    SkipWhitespace();
    const ZQ_String value = ReadCommandArgument(command);
    ExpectCommandEnd(command);
    const bool isDefdefine = keyword == "defdefine";
    // "defdefine" counts an entity of the DTD as defined.
    if (!isDefdefine || !FindEntity(name)) Entities.Define(name, value, isDefdefine);
  } else if (keyword == "include") {
    SkipWhitespace();
    const ZQ_String target = ReadCommandArgument(command);
    ExpectCommandEnd(command);
    Include(command, target);
  } else {
    if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedCommand, command);
    Fail(ZQXML_ParserMessage::UnknownCommand, keywordStart,
         keyword.IsEmpty() ? ZQ_String(GetCurrentChar()) : keyword);
  }
}

// 'text': everything up to the next apostrophe, as it stands.
ZQ_String ZQXML_Parser::ReadCommandArgument(const MarkType& Command) {
  if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedCommand, Command);
  if (GetCurrentChar() != '\'') FailFoundInsteadOf("\"'\"");
  AdvanceChar();
  const MarkType start = GetPosition();
  const MarkType end = FindLiteral("'", 1);
  if (end.IsNull()) Fail(ZQXML_ParserMessage::UnclosedCommand, Command);
  return GetTextBetweenMarks(start, end);
}

void ZQXML_Parser::ExpectCommandEnd(const MarkType& Command) {
  SkipWhitespace();
  if (IsAtEnd()) Fail(ZQXML_ParserMessage::UnclosedCommand, Command);
  if (!LookingAt("-]")) FailFoundInsteadOf("\"-]\"");
  Skip(2);
}

// The command is replaced by the resource's text: a file is read as a file
// (its errors then name it), another URI's resource as text described by
// its URI.
void ZQXML_Parser::Include(const MarkType& Command, const ZQ_String& Target) {
  const MarkType after = GetPosition();
  ZQ_URI uri;
  if (!ResolveInclude(Target, Command.SectionP->DataSourceP, uri))
    Fail(ZQXML_ParserMessage::MissingInclude, Command, Target);
  if (uri.IsFileURI()) {
    const ZQ_FileName file = uri.GetFileName();
    const unsigned long size = ZQ_FileUtils::GetFileSize(file);
    const unsigned long limit = static_cast<unsigned long>(ZQXML_EntityTable::MaxExpansionBytes);
    CheckSpliceLimits(Entities, Command, static_cast<long>(size > limit ? limit + 1 : size));
    ReplaceTextWithFile(Command, after, file, ZQ_String(), 0);
    return;
  }
  const ZQ_String text = uri.LoadResourceIntoString();
  CheckSpliceLimits(Entities, Command, text.GetLength());
  ReplaceTextWithString(Command, after, text,
                        ZQ_Internationalization_Translate("reading") + " " + uri.GetText(), 0);
  if (!text.IsEmpty()) NoteSourceURI(GetCurrentDataSource(), uri);
}

// A URI with a scheme stands for itself; a relative one is looked for
// beside the text that holds the command, then under each base URI.
bool ZQXML_Parser::ResolveInclude(const ZQ_String& Target, const DataSourceType* Source,
                                  ZQ_URI& Found) const {
  const ZQ_URI reference(Target);
  if (reference.HasScheme()) {
    Found = reference;
    return reference.ResourceExists();
  }
  ZQ_URI base;
  if (GetBaseOf(Source, base)) {
    const ZQ_URI candidate = reference.MakeAbsolute(base);
    if (candidate.ResourceExists()) {
      Found = candidate;
      return true;
    }
  }
  for (long i = 0; i < NumBaseURIs; ++i) {
    const ZQ_URI candidate = reference.MakeAbsolute(BaseURIs[i]);
    if (candidate.ResourceExists()) {
      Found = candidate;
      return true;
    }
  }
  return false;
}

// The file or URI of Source or, for texts that are neither (entity
// replacement texts), of the nearest text around it that is one.
bool ZQXML_Parser::GetBaseOf(const DataSourceType* Source, ZQ_URI& Base) const {
  for (; Source; Source = Source->Parent) {
    if (Source->FileName.IsNotNull()) {
      Base = ZQ_URI_MakeFromFileName(Source->FileName);
      return true;
    }
    for (long i = 0; i < NumSourceURIs; ++i) {
      if (SourceURIs[i].Source == Source) {
        Base = SourceURIs[i].URI;
        return true;
      }
    }
  }
  return false;
}

void ZQXML_Parser::NoteSourceURI(const DataSourceType* Source, const ZQ_URI& URI) {
  SourceURIs[NumSourceURIs].Source = Source;
  SourceURIs[NumSourceURIs].URI = URI;
  ++NumSourceURIs;
}
