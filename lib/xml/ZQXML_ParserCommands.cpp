// ZQXML_Parser: the parser commands "[-define name 'value'-]",
// "[-defdefine name 'value'-]" and "[-include 'uri'-]". A command writes no
// text; an include is read in its place.
#include "ZQXML_Parser.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_Internationalization.h"
#include "ZQ_ParameterSymbol.h"

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

// The command is replaced by the resource's text: a file's as a file's (its
// errors then name it), another URI's as text described by its URI. Each
// resource is read once per parse and its text kept, as each of its uses
// costs its length of the expansion budget.
void ZQXML_Parser::Include(const MarkType& Command, const ZQ_String& Target) {
  if (NumIncludes == MaxIncludes)
    Fail(ZQXML_ParserMessage::TooManyIncludes, Command,
         ZQ_SubstituteParameters("{$1}", MaxIncludes));
  ++NumIncludes;
  const MarkType after = GetPosition();
  ZQ_URI uri;
  ZQ_String text;
  try {
    if (!ResolveInclude(Target, Command.SectionP->DataSourceP, uri))
      Fail(ZQXML_ParserMessage::MissingInclude, Command, Target);
    text = ReadInclude(Command, uri);
  } catch (const ZQ_AbstractTextStreamParserException&) {
    throw;
  } catch (const ZQ_Exception&) {
    // A resource that exists but cannot be read (locked, a device, a
    // scheme's failure) fails here too, where the command names it.
    const ZQ_String name =
        uri.IsFileURI() ? uri.GetFileName().GetAbsolutePathName() : uri.GetText();
    Fail(ZQXML_ParserMessage::UnreadableInclude, Command, Target, name.IsEmpty() ? Target : name);
  }
  CheckSpliceLimits(Entities, Command, text.GetLength());
  if (uri.IsFileURI()) {
    ReplaceTextWithFileText(Command, after, text, uri.GetFileName(), ZQ_String(), 0);
    return;
  }
  ReplaceTextWithString(Command, after, text,
                        ZQ_Internationalization_Translate("reading") + " " + uri.GetText(), 0);
  if (!text.IsEmpty()) NoteSourceURI(GetCurrentDataSource(), uri);
}

// The resource's text, kept from its first use. A file larger than the whole
// expansion budget is refused before it is read.
ZQ_String ZQXML_Parser::ReadInclude(const MarkType& Command, const ZQ_URI& URI) {
  const ZQ_String key = URI.GetText();
  ZQ_String text;
  if (IncludedTexts.GetValueIfExists(key, text)) return text;
  if (URI.IsFileURI()) {
    ZQ_SeekableStreamSource file =
        ZQ_CreateFileStreamSource(URI.GetFileName(), ZQ_FileStreamSource_UseReadFile);
    const long budget = ZQXML_EntityTable::GetExpansionBudget(
        ZQXML_EntityTable::GetDocumentLength(Command.SectionP->DataSourceP));
    if (file.GetSize() > static_cast<unsigned long>(budget))
      CheckSpliceLimits(Entities, Command, budget + 1);
    text = ZQ_LoadStreamIntoString(file);
  } else {
    text = URI.LoadResourceIntoString();
  }
  IncludedTexts.Set(key, text);
  return text;
}

// A URI with a scheme stands for itself; a relative one is looked for
// beside the text that holds the command, then under each base URI.
bool ZQXML_Parser::ResolveInclude(const ZQ_String& Target, const DataSourceType* Source,
                                  ZQ_URI& Found) {
  const ZQ_URI reference(Target);
  if (reference.HasScheme()) {
    Found = reference;
    return IncludeExists(reference);
  }
  ZQ_URI base;
  if (GetBaseOf(Source, base)) {
    const ZQ_URI candidate = reference.MakeAbsolute(base);
    if (IncludeExists(candidate)) {
      Found = candidate;
      return true;
    }
  }
  for (long i = 0; i < NumBaseURIs; ++i) {
    const ZQ_URI candidate = reference.MakeAbsolute(BaseURIs[i]);
    if (IncludeExists(candidate)) {
      Found = candidate;
      return true;
    }
  }
  return false;
}

// Whether the resource exists. Both answers hold for the rest of the parse,
// so that includes found under a base URI look beside the text only once.
bool ZQXML_Parser::IncludeExists(const ZQ_URI& Candidate) {
  const ZQ_String key = Candidate.GetText();
  if (IncludedTexts.KeyExists(key)) return true;
  if (MissingIncludes.KeyExists(key)) return false;
  if (Candidate.ResourceExists()) return true;
  MissingIncludes.Set(key, true);
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
