#include "ZQ_CommandLineParser.h"

#include "ZQLOW_WINBASE.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

// Failures name this module, not the build's path of the file.
#define ZQ_COMMANDLINE_ASSERT(condition, text)                                 \
  ((condition) ? static_cast<void>(0)                                          \
               : ZQ_ReportAssertionFailure((text), "ZQ_CommandLine", __LINE__))

namespace {

using TokenElementType = ZQ_CommandLineParser::TokenElementType;
using TokenArray = ZQ_CommandLineParser::TokenArray;

// The tokens of the last parse, from stage 1 until stage 7 frees them.
TokenArray* s_tokens = nullptr;
int s_numTokens = 0;

struct CommandLineOverride {
  bool IsActive = false;
  ZQ_String CommandLine;
  ZQ_FileName ExecutableFileName;
};

CommandLineOverride& Override() {
  static CommandLineOverride s_override;
  return s_override;
}

bool IsWhiteSpace(char Char) {
  return Char == '\t' || Char == '\n' || Char == '\r' || Char == ' ';
}

// Places Token after the first NumTokens tokens; a full array doubles.
void AppendToken(TokenArray& Tokens, int& NumTokens, const ZQ_String& Text) {
  const long size = Tokens.GetNumElements();
  if (NumTokens >= size) Tokens.Resize(size > 0 ? 2 * size : 1);
  TokenElementType& token = Tokens[NumTokens];
  token.Text = Text;
  token.Used = false;
  token.ResponseFileDepth = 0;
  ++NumTokens;
}

// Replaces the first NumTokens tokens with the tokens of Text.
void TokenizeFromStart(const ZQ_String& Text, TokenArray& Tokens, int& NumTokens) {
  NumTokens = 0;
  const char* text = Text.GetText();
  const int length = Text.GetLength();
  int i = 0;
  for (;;) {
    while (i < length && IsWhiteSpace(text[i])) ++i;
    if (i >= length) return;
    if (text[i] == '"') {
      const int start = i + 1;
      int end = start;
      while (end < length && text[end] != '"') ++end;
      if (end >= length) {
        throw ZQ_Exception(
            "Command line error - Quotes do not close",
            "While parsing a command line, an opening double-quote character \" was "
            "encountered that did not have a matching closing double-quote character.");
      }
      AppendToken(Tokens, NumTokens, ZQ_String(text + start, end - start));
      i = end + 1;
    } else {
      // A double quote ends a word and opens a quoted token.
      const int start = i;
      while (i < length && !IsWhiteSpace(text[i]) && text[i] != '"') ++i;
      AppendToken(Tokens, NumTokens, ZQ_String(text + start, i - start));
    }
  }
}

// A wildcard would let FindFirstFileA answer for some other file.
bool ResponseFileExists(const ZQ_String& Name) {
  if (Name.Find('*') >= 0 || Name.Find('?') >= 0) return false;
  return ZQ_FileUtils::FileExists(Name);
}

ZQ_FileName DefaultOptionsFileName() {
  ZQ_FileName name = Override().IsActive ? Override().ExecutableFileName
                                         : ZQ_GetContainingExecutableFileName();
  name.SetExtension("txt", ZQ_FileName::SetMode_Replace);
  name.SetBase(name.GetBase() + "DefaultCommandLineOptions", ZQ_FileName::SetMode_Replace);
  return name;
}

ZQ_String ProcessCommandLine() {
  if (Override().IsActive) return Override().CommandLine;
  const char* commandLine = ZQLOW_WINBASE::GetCommandLineA();
  return commandLine ? ZQ_String(commandLine) : ZQ_String();
}

// What the response files of one parse have put in so far. The depth limit
// alone lets a few files that name each other many times expand for years.
struct ExpansionTotals {
  long Tokens = 0;
  long Characters = 0;
};

void CheckExpansion(const ExpansionTotals& Totals, const ZQ_String& Name) {
  if (Totals.Tokens <= ZQ_CommandLineParser::MaxResponseFileTokens &&
      Totals.Characters <= ZQ_CommandLineParser::MaxResponseFileCharacters)
    return;
  ZQ_StringStream description;
  description << "With the response file " << Name << ", the response files hold more than "
              << ZQ_CommandLineParser::MaxResponseFileTokens << " words or "
              << ZQ_CommandLineParser::MaxResponseFileCharacters
              << " characters in all.  A response file must not name other response files "
              << "so many times.";
  throw ZQ_Exception("Command line error - Response files too large", description);
}

// Replaces the "-@" token at Index and the name after it with the named
// file's tokens.
void ExpandResponseFile(TokenArray& Tokens, int& NumTokens, int Index, ExpansionTotals& Totals) {
  ZQ_TRACE_FUNCTION("ZQ_CommandLineParser::ExpandResponseFile");
  if (Index + 1 >= NumTokens) {
    throw ZQ_Exception("Command line error - No response file specified",
                       "The name of a response file was expected after the -@ option on "
                       "the command line.");
  }
  const ZQ_String name = Tokens[Index + 1].Text;
  const int depth = Tokens[Index].ResponseFileDepth + 1;
  Tokens.RemoveElements(Index, NumTokens, 2);
  NumTokens -= 2;
  if (!ResponseFileExists(name)) {
    throw ZQ_Exception("Command line error - Response file not found",
                       "The response file " + name + " could not be found.");
  }
  if (depth > ZQ_CommandLineParser::MaxResponseFileDepth) {
    ZQ_StringStream description;
    description << "The response file " << name << " is named through more than "
                << ZQ_CommandLineParser::MaxResponseFileDepth
                << " nested response files.  A response file must not name itself, "
                << "directly or through other response files.";
    throw ZQ_Exception("Command line error - Response files nested too deeply",
                       description);
  }
  const ZQ_String text = ZQ_LoadFileIntoString(name);
  Totals.Characters += text.GetLength();
  CheckExpansion(Totals, name);
  const int numBefore = NumTokens;
  ZQ_CommandLineParser::ParseIntoTokens(text, Tokens, NumTokens, Index);
  const int numInserted = NumTokens - numBefore;
  for (int i = Index; i < Index + numInserted; ++i) Tokens[i].ResponseFileDepth = depth;
  Totals.Tokens += numInserted;
  CheckExpansion(Totals, name);
}

// The number of tokens from Index on that an element took (0: none did).
int OfferToElements(const TokenArray& Tokens, int NumTokens, int Index) {
  for (ZQ_CommandLineElement* element = ZQ_CommandLineElement::GetFirstElement(); element;
       element = element->GetNextElement()) {
    const int taken = element->ParseTokens(Tokens, NumTokens, Index);
    if (taken > 0) return taken < NumTokens - Index ? taken : NumTokens - Index;
  }
  return 0;
}

}  // namespace

void ZQ_CommandLineParser::ParseIntoTokens(const ZQ_String& Text, TokenArray& Tokens,
                                           int& NumTokens, int InsertionLocation) {
  ZQ_TRACE_FUNCTION("ZQ_CommandLineParser::ParseIntoTokens");
  ZQ_COMMANDLINE_ASSERT((InsertionLocation >= 0) && (InsertionLocation <= NumTokens),
                        "(InsertionLocation >= 0) and (InsertionLocation <= NumTokens)");
  if (!(InsertionLocation >= 0 && InsertionLocation <= NumTokens)) return;
  if (InsertionLocation == 0) {
    TokenizeFromStart(Text, Tokens, NumTokens);
    return;
  }
  TokenArray inserted(1);
  int numInserted = 0;
  TokenizeFromStart(Text, inserted, numInserted);
  if (numInserted == 0) return;
  Tokens.InsertElements(InsertionLocation, NumTokens, numInserted);
  for (int i = 0; i < numInserted; ++i) Tokens[InsertionLocation + i] = inserted[i];
  NumTokens += numInserted;
}

void ZQ_CommandLineParser::ParseCommandLine() {
  ZQ_TRACE_FUNCTION("ZQ_CommandLineParser::ParseCommandLine");
  delete s_tokens;
  s_tokens = nullptr;
  s_numTokens = 0;
  s_tokens = new TokenArray(1);
  TokenArray& tokens = *s_tokens;
  int& numTokens = s_numTokens;

  ParseIntoTokens(ProcessCommandLine(), tokens, numTokens, 0);
  // Token 0 stands for the program even when the command line is empty.
  if (numTokens == 0) AppendToken(tokens, numTokens, ZQ_String());

  // The default options come first, so the command line overrides them.
  const ZQ_FileName defaultOptions = DefaultOptionsFileName();
  if (ZQ_FileUtils::FileExists(defaultOptions))
    ParseIntoTokens(ZQ_LoadFileIntoString(defaultOptions), tokens, numTokens, 1);

  ExpansionTotals totals;
  int index = 1;
  while (index < numTokens) {
    if (tokens[index].Text == "-@") {
      // The file's first token is examined next: it may name a further file.
      ExpandResponseFile(tokens, numTokens, index, totals);
      continue;
    }
    const int taken = OfferToElements(tokens, numTokens, index);
    if (taken == 0) {
      ++index;
      continue;
    }
    for (int i = index; i < index + taken; ++i) tokens[i].Used = true;
    index += taken;
  }
}

void ZQ_CommandLineParser::CheckForUnrecognizedOptions() {
  ZQ_TRACE_FUNCTION("ZQ_CommandLineParser::CheckForUnrecognizedOptions");
  if (!s_tokens) return;
  for (int i = 1; i < s_numTokens; ++i) {
    const TokenElementType& token = (*s_tokens)[i];
    if (token.Used) continue;
    ZQ_StringStream description;
    description << "While parsing a command line, an unrecognized command line "
                << "option was encountered.  The option consisted of the text "
                << "'" << token.Text << "'.";
    throw ZQ_Exception("Command line error - Unrecognized command line option", description);
  }
  delete s_tokens;
  s_tokens = nullptr;
  s_numTokens = 0;
}

const ZQ_CommandLineParser::TokenArray* ZQ_CommandLineParser::GetTokens() { return s_tokens; }

int ZQ_CommandLineParser::GetNumTokens() { return s_numTokens; }

void ZQ_CommandLineParser::SetProcessCommandLineForTesting(
    const ZQ_String& CommandLine, const ZQ_FileName& ExecutableFileName) {
  CommandLineOverride& override = Override();
  override.IsActive = true;
  override.CommandLine = CommandLine;
  override.ExecutableFileName = ExecutableFileName;
}

void ZQ_CommandLineParser::ClearProcessCommandLineForTesting() {
  CommandLineOverride& override = Override();
  override.IsActive = false;
  override.CommandLine = ZQ_String();
  override.ExecutableFileName = ZQ_FileName();
}
