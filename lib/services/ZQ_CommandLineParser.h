// ZQ_CommandLineParser.h: turns the process command line into tokens and
// hands them to the command-line elements (ZQ_CommandLine.h).
// Tokens come, in this order, from the default options file (the
// executable's base name + "DefaultCommandLineOptions" + ".txt", beside the
// executable) and from the command line, with response files ("-@" and a
// file name) expanded in place. White space is tab, line feed, carriage
// return and space; a double-quoted text is one token without its quotes;
// there are no escapes. Token 0 is the program's name.
// Statics only; the command-line module's stage callback calls
// ParseCommandLine at stage 1 and CheckForUnrecognizedOptions at stage 7.
// Every error is a ZQ_Exception named "Command line error - ...". One
// thread only.
#ifndef ZQ_COMMANDLINEPARSER_H
#define ZQ_COMMANDLINEPARSER_H

#include "ZQ_CommandLine.h"
#include "ZQ_FileName.h"
#include "ZQ_String.h"

class ZQ_CommandLineParser {
 public:
  using TokenElementType = ZQ_CommandLineElement::TokenElementType;
  using TokenArray = ZQ_CommandLineElement::TokenArray;

  // Response files may name response files this deep; one more is an error,
  // which is what a response file naming itself, directly or through
  // others, would otherwise expand to for ever.
  static constexpr int MaxResponseFileDepth = 16;
  // All response files of one command line together may hold this many
  // tokens and characters; more is an error. Real ones hold a few dozen
  // options, and the limits keep files that name each other many times from
  // expanding for hours.
  static constexpr long MaxResponseFileTokens = 100000;
  static constexpr long MaxResponseFileCharacters = 4L * 1024 * 1024;

  // Tokenises the command line, inserts the default options file's tokens
  // after the program's name, expands response files and offers every token
  // to the elements. Replaces the tokens of an earlier call. Throws
  // ZQ_Exception "Command line error - Quotes do not close", "... - No
  // response file specified", "... - Response file not found", "... -
  // Response files nested too deeply", "... - Response files too large", an
  // element's error, or a failed Windows call's exception.
  static void ParseCommandLine();

  // Throws ZQ_Exception "Command line error - Unrecognized command line
  // option" for the first token (after the program's name) that no element
  // took; otherwise frees the tokens. Does nothing when there are none.
  static void CheckForUnrecognizedOptions();

  // Tokenises Text into the places from InsertionLocation on: 0 replaces
  // every token (NumTokens starts from 0; a full array doubles), any other
  // place moves the later tokens up. InsertionLocation must lie within 0 to
  // NumTokens. Throws "Command line error - Quotes do not close".
  static void ParseIntoTokens(const ZQ_String& Text, TokenArray& Tokens,
                              int& NumTokens, int InsertionLocation);

  // The tokens of the last parse until stage 7 frees them (null then).
  static const TokenArray* GetTokens();
  static int GetNumTokens();

  // Test support; the program never calls these. Until cleared, the parser
  // reads CommandLine instead of the process command line and looks for the
  // default options file beside ExecutableFileName.
  static void SetProcessCommandLineForTesting(const ZQ_String& CommandLine,
                                              const ZQ_FileName& ExecutableFileName);
  static void ClearProcessCommandLineForTesting();
};

#endif
