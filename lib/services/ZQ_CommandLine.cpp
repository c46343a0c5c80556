#include "ZQ_CommandLine.h"

#include "ZQ_Assertion.h"
#include "ZQ_CommandLineParser.h"
#include "ZQ_Exception.h"
#include "ZQ_InitializationService.h"
#include "ZQ_StackTrace.h"

// Failures name this module, not the build's path of the file.
#define ZQ_COMMANDLINE_ASSERT(condition, text)                                 \
  ((condition) ? static_cast<void>(0)                                          \
               : ZQ_ReportAssertionFailure((text), "ZQ_CommandLine", __LINE__))

namespace {

// Elements are static objects of many files, made in no fixed order: the
// list head is made on first use.
ZQ_CommandLineElement*& FirstElement() {
  static ZQ_CommandLineElement* s_first = nullptr;
  return s_first;
}

const ZQ_StageCallbackRegistration s_registerStageCallback(&ZQ_CommandLine_InitializationServiceCallback,
                                                           ZQ_InitializationService::Position_CommandLine);

}  // namespace

ZQ_CommandLineElement::ZQ_CommandLineElement() : Next(FirstElement()) {
  FirstElement() = this;
}

ZQ_CommandLineElement::~ZQ_CommandLineElement() {
  for (ZQ_CommandLineElement** link = &FirstElement(); *link; link = &(*link)->Next) {
    if (*link == this) {
      *link = Next;
      break;
    }
  }
}

ZQ_CommandLineElement* ZQ_CommandLineElement::GetFirstElement() { return FirstElement(); }

ZQ_SimpleFlagCommandLineElement::ZQ_SimpleFlagCommandLineElement(const ZQ_String& FlagText,
                                                                 bool DefaultValue)
    : Value(DefaultValue), FlagText(FlagText) {
  ZQ_TRACE_FUNCTION("ZQ_SimpleFlagCommandLineElement::ZQ_SimpleFlagCommandLineElement");
  ZQ_COMMANDLINE_ASSERT(FlagText.GetLength() != 0, "FlagText.GetLength() != 0");
  ZQ_COMMANDLINE_ASSERT(FlagText.GetLength() == 0 || FlagText.GetFirstChar() != '-',
                        "FlagText.GetFirstChar() != '-'");
}

int ZQ_SimpleFlagCommandLineElement::ParseTokens(const TokenArray& Tokens, int NumTokens,
                                                 int TokenIndex) {
  ZQ_TRACE_FUNCTION("ZQ_SimpleFlagCommandLineElement::ParseTokens");
  ZQ_TRACE_VARIABLE(FlagText);
  ZQ_COMMANDLINE_ASSERT(0 <= TokenIndex && TokenIndex < NumTokens,
                        "(TokenIndex >= 0) and (TokenIndex < NumTokens)");
  if (!(0 <= TokenIndex && TokenIndex < NumTokens)) return 0;

  const ZQ_String& token = Tokens[TokenIndex].Text;
  if (token.GetLength() < 2 || token.GetFirstChar() != '-') return 0;
  int nameLength = token.GetLength() - 1;
  bool newValue = true;
  const char last = token.GetLastChar();
  if (last == '+' || last == '-') {
    newValue = last == '+';
    --nameLength;
  }
  if (ZQ_String(token.GetText() + 1, nameLength).Compare(FlagText, true) != 0) return 0;
  Value = newValue;
  return 1;
}

ZQ_OneParameterFlagCommandLineElement::ZQ_OneParameterFlagCommandLineElement(
    const ZQ_String& FlagText, const ZQ_String& DefaultParameter)
    : ZQ_SimpleFlagCommandLineElement(FlagText, false), Parameter(DefaultParameter) {}

int ZQ_OneParameterFlagCommandLineElement::ParseTokens(const TokenArray& Tokens,
                                                       int NumTokens, int TokenIndex) {
  ZQ_TRACE_FUNCTION("ZQ_OneParameterFlagCommandLineElement::ParseTokens");
  if (ZQ_SimpleFlagCommandLineElement::ParseTokens(Tokens, NumTokens, TokenIndex) == 0)
    return 0;
  if (TokenIndex + 2 > NumTokens) {
    throw ZQ_Exception("Command line error - Unexpected end of command line",
                       "Additional text should appear on the command line after option '" +
                           Tokens[TokenIndex].Text + "'.");
  }
  Parameter = Tokens[TokenIndex + 1].Text;
  NoteParameterParsed();
  return 2;
}

void ZQ_OneParameterFlagCommandLineElement::NoteParameterParsed() {}

void ZQ_CommandLine_InitializationServiceCallback(int Stage) {
  ZQ_TRACE_FUNCTION("ZQ_CommandLine_InitializationServiceCallback");
  if (Stage == ZQ_InitializationService::Stage_InitializeDefinition)
    ZQ_CommandLineParser::ParseCommandLine();
  else if (Stage == ZQ_InitializationService::Stage_InitializeComplete)
    ZQ_CommandLineParser::CheckForUnrecognizedOptions();
}
