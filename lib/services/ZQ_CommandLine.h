// ZQ_CommandLine.h: command-line elements, the options that modules declare.
// An element is a static object naming one option, a flag ("-hidden") or a
// flag followed by one parameter ("-loadhelp Guide.hlp"), and holding its
// value. The parser (ZQ_CommandLineParser.h) offers every token to the
// elements at stage 1 (Stage_InitializeDefinition); read the values from
// stage 1 on, in the module's own stage callback or later. An element made
// after stage 1 keeps its default.
//   static ZQ_SimpleFlagCommandLineElement s_hidden("hidden", false);
//   ... if (s_hidden.GetValue()) ...
// Flags match without regard to case; a "+" or "-" suffix sets the flag's
// value (-hidden and -hidden+ give true, -hidden- false). Elements of the
// same name: the most recently made one takes the token.
// Misdeclared elements go to the assertion service (file "ZQ_CommandLine");
// a flag that wants a parameter and is the last token throws ZQ_Exception
// "Command line error - Unexpected end of command line". One thread only.
#ifndef ZQ_COMMANDLINE_H
#define ZQ_COMMANDLINE_H

#include "ZQ_Array.h"
#include "ZQ_String.h"

class ZQ_CommandLineElement {
 public:
  // One token of the command line: its text (quotes removed) and whether an
  // element took it. ResponseFileDepth counts the response files it came
  // through (0 for the command line and the default options file).
  struct TokenElementType {
    ZQ_String Text;
    bool Used = false;
    int ResponseFileDepth = 0;
  };
  using TokenArray = ZQ_Array<TokenElementType>;

  // Joins the list of elements, at its head.
  ZQ_CommandLineElement();
  ZQ_CommandLineElement(const ZQ_CommandLineElement&) = delete;
  ZQ_CommandLineElement& operator=(const ZQ_CommandLineElement&) = delete;
  // Leaves the list, so an element that is not static leaves no dangling
  // entry behind.
  virtual ~ZQ_CommandLineElement();

  // How many tokens from TokenIndex on this element takes (0: not its
  // option). Only the first NumTokens tokens are in use. May throw
  // ZQ_Exception for a malformed option.
  virtual int ParseTokens(const TokenArray& Tokens, int NumTokens,
                          int TokenIndex) = 0;

  // The list, most recently made element first.
  static ZQ_CommandLineElement* GetFirstElement();
  ZQ_CommandLineElement* GetNextElement() const { return Next; }

 private:
  ZQ_CommandLineElement* Next;
};

// An option without a parameter: "-" and FlagText, optionally followed by
// "+" or "-".
class ZQ_SimpleFlagCommandLineElement : public ZQ_CommandLineElement {
 public:
  // FlagText is the option's name without its leading "-"; it must not be
  // empty or begin with "-".
  ZQ_SimpleFlagCommandLineElement(const ZQ_String& FlagText, bool DefaultValue);

  // The default until a matching token is parsed.
  bool GetValue() const { return Value; }
  ZQ_String GetFlagText() const { return FlagText; }

  int ParseTokens(const TokenArray& Tokens, int NumTokens, int TokenIndex) override;

 private:
  bool Value;
  ZQ_String FlagText;
};

// An option that takes the next token, whatever it is (a text beginning
// with "-" too), as its parameter. GetValue() is false until the option is
// given (and after a "-" suffix), so an absent option can be told from an
// empty parameter.
class ZQ_OneParameterFlagCommandLineElement : public ZQ_SimpleFlagCommandLineElement {
 public:
  ZQ_OneParameterFlagCommandLineElement(const ZQ_String& FlagText,
                                        const ZQ_String& DefaultParameter);

  // The default, or the token that followed the flag.
  ZQ_String GetParameter() const { return Parameter; }

  // Throws ZQ_Exception "Command line error - Unexpected end of command
  // line" when the flag is the last token.
  int ParseTokens(const TokenArray& Tokens, int NumTokens, int TokenIndex) override;

 protected:
  // Called after Parameter is stored; does nothing here.
  virtual void NoteParameterParsed();

 private:
  ZQ_String Parameter;
};

// The command-line module's stage callback (registered at the second place):
// stage 1 parses the command line, stage 7 reports the first token that no
// element took. Throws the parser's ZQ_Exceptions.
void ZQ_CommandLine_InitializationServiceCallback(int Stage);

#endif
