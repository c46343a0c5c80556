#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "StageTestSupport.h"
#include "ZQ_CommandLine.h"
#include "ZQ_CommandLineParser.h"
#include "ZQ_InitializationService.h"

namespace {

using Parser = ZQ_CommandLineParser;

// The tokens as the next stage-1 callback finds them, "+" marking a token
// that an element took: {"prog", "+-hidden"}.
std::vector<std::string> s_tokensAtStageOne;

void SnapshotTokens(int Stage) {
  if (Stage != ZQ_InitializationService::Stage_InitializeDefinition) return;
  s_tokensAtStageOne.clear();
  const Parser::TokenArray* tokens = Parser::GetTokens();
  if (!tokens) return;
  for (int i = 0; i < Parser::GetNumTokens(); ++i)
    s_tokensAtStageOne.push_back(((*tokens)[i].Used ? "+" : "") +
                                 std::string((*tokens)[i].Text.GetText()));
}

struct RegisterSnapshot {
  RegisterSnapshot() {
    ZQ_InitializationService::RegisterCallback(
        &SnapshotTokens, ZQ_InitializationService::Position_ProgressReportService);
  }
} s_registerSnapshot;

// Options like the system's own, made afresh for every run.
struct Options {
  ZQ_SimpleFlagCommandLineElement hidden{"hidden", false};
  ZQ_OneParameterFlagCommandLineElement loadHelp{"loadhelp", ""};
  ZQ_OneParameterFlagCommandLineElement development{"DevelopmentSupport", "none"};
};

const char kQuotesDoNotClose[] = "Command line error - Quotes do not close";
const char kQuotesDescription[] =
    "While parsing a command line, an opening double-quote character \" was encountered that "
    "did not have a matching closing double-quote character.";
const char kUnrecognized[] = "Command line error - Unrecognized command line option";

std::string UnrecognizedDescription(const std::string& Token) {
  return "While parsing a command line, an unrecognized command line option was encountered.  "
         "The option consisted of the text '" + Token + "'.";
}

using Tokens = std::vector<std::string>;

Tokens Tokenize(const char* Text) {
  Parser::TokenArray tokens(1);
  int numTokens = 0;
  Parser::ParseIntoTokens(Text, tokens, numTokens, 0);
  Tokens texts;
  for (int i = 0; i < numTokens; ++i) texts.push_back(tokens[i].Text.GetText());
  return texts;
}

TEST(CommandLineTokens, WhiteSpaceSeparatesAndQuotesGroup) {
  const struct { const char* text; Tokens want; const char* why; } kCases[] = {
      {"", {}, "empty text"},
      {" \t\r\n ", {}, "only white space"},
      {"prog -a  b\tc\r\nd", {"prog", "-a", "b", "c", "d"}, "tab, line feed, return, space"},
      {"a\fb\vc", {"a\fb\vc"}, "form feed and vertical tab are ordinary"},
      {"\"c d\"", {"c d"}, "quoted text is one token without its quotes"},
      {"ab\"c d\"", {"ab", "c d"}, "a quote ends a word and opens a token"},
      {"\"c d\"ef", {"c d", "ef"}, "the scan goes on after the closing quote"},
      {"\"\" x", {"", "x"}, "empty quotes give an empty token"},
      {"a\\\"b c\"", {"a\\", "b c"}, "a backslash escapes nothing"},
      {"\"C:\\Program Files\\Prog.exe\" -hidden", {"C:\\Program Files\\Prog.exe", "-hidden"},
       "quoted program path"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Tokenize(c.text), c.want);
  }
}

TEST(CommandLineTokens, AnUnmatchedQuoteIsAnError) {
  for (const char* text : {"\"abc", "a \"b\" \"c", "x\"", "\"\"\""}) {
    SCOPED_TRACE(text);
    try {
      Tokenize(text);
      ADD_FAILURE() << "no exception";
    } catch (const ZQ_Exception& e) {
      EXPECT_STREQ(e.GetName().GetText(), kQuotesDoNotClose);
      EXPECT_STREQ(e.GetDescription().GetText(), kQuotesDescription);
    }
  }
}

TEST(CommandLineTokens, InsertionMovesLaterTokensUp) {
  // Token "x" was taken before the insertion: its flag moves with it.
  const struct { int location; const char* text; Tokens want; int usedAt; const char* why; }
      kCases[] = {
          {1, "a \"b c\"", {"p", "a", "b c", "x", "y"}, 3, "after the program's name"},
          {3, "a", {"p", "x", "y", "a"}, 1, "at the end"},
          {2, "", {"p", "x", "y"}, 1, "empty text inserts nothing"},
          {0, "a b", {"a", "b"}, -1, "location 0 replaces everything"},
      };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Parser::TokenArray tokens(1);
    int numTokens = 0;
    Parser::ParseIntoTokens("p x y", tokens, numTokens, 0);
    tokens[1].Used = true;
    Parser::ParseIntoTokens(c.text, tokens, numTokens, c.location);
    Tokens texts;
    int usedAt = -1;
    for (int i = 0; i < numTokens; ++i) {
      texts.push_back(tokens[i].Text.GetText());
      if (tokens[i].Used) usedAt = i;
    }
    EXPECT_EQ(texts, c.want);
    EXPECT_EQ(usedAt, c.usedAt);
  }
}

TEST(CommandLineTokens, InsertionOutsideTheTokensIsAPreconditionFailure) {
  for (int location : {-1, 4}) {
    SCOPED_TRACE(location);
    Parser::TokenArray tokens(1);
    int numTokens = 0;
    Parser::ParseIntoTokens("p x y", tokens, numTokens, 0);
    const std::string failure =
        FailureOf([&] { Parser::ParseIntoTokens("a", tokens, numTokens, location); });
    EXPECT_TRUE(StartsWith(
        failure, AssertionMessage("(InsertionLocation >= 0) and (InsertionLocation <= NumTokens)",
                                  "ZQ_CommandLine")))
        << failure;
    EXPECT_EQ(numTokens, 3);
  }
}

TEST(CommandLineElements, AFlagTextMustBeANameWithoutDash) {
  const struct { const char* flag; const char* condition; } kCases[] = {
      {"", "FlagText.GetLength() != 0"},
      {"-hidden", "FlagText.GetFirstChar() != '-'"},
  };
  ZQ_CommandLineElement* const first = ZQ_CommandLineElement::GetFirstElement();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.flag);
    const std::string failure =
        FailureOf([&] { ZQ_SimpleFlagCommandLineElement element(c.flag, false); });
    EXPECT_TRUE(StartsWith(failure, AssertionMessage(c.condition, "ZQ_CommandLine"))) << failure;
    // The half-made element left the list again.
    EXPECT_EQ(ZQ_CommandLineElement::GetFirstElement(), first);
  }
}

class CommandLine : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    s_tokensAtStageOne.clear();
  }

  // Runs the stages on CommandLine with the usual options defined and checks
  // that Stage fails with this error.
  static void ExpectStageError(const std::string& CommandLine, int Stage, const std::string& Name,
                               const std::string& Description) {
    Options options;
    const StageRun run = RunStagesWithCommandLine(CommandLine);
    EXPECT_EQ(run.failedStage, Stage);
    EXPECT_EQ(run.name, Name);
    EXPECT_EQ(run.description, Description);
  }
};

TEST_F(CommandLine, FlagsMatchWithoutRegardToCaseAndTakeTheirSuffix) {
  const struct {
    const char* commandLine;
    bool hidden;
    bool development;
    const char* parameter;
    const char* why;
  } kCases[] = {
      {"prog", false, false, "none", "nothing given: the defaults"},
      {"prog -hidden", true, false, "none", "plain flag"},
      {"prog -Hidden", true, false, "none", "case ignored"},
      {"prog -HIDDEN+", true, false, "none", "plus suffix"},
      {"prog -hidden-", false, false, "none", "minus suffix"},
      {"prog -hidden -hidden-", false, false, "none", "the last occurrence wins"},
      {"prog -hidden- -hidden", true, false, "none", "the last occurrence wins again"},
      {"prog \"-hidden\"", true, false, "none", "quotes only group characters"},
      {"\"C:\\Program Files\\Prog.exe\" -hidden", true, false, "none", "quoted program path"},
      {"prog -DevelopmentSupport release", false, true, "release", "one parameter"},
      {"prog -developmentsupport+ release", false, true, "release", "plus on a parameter flag"},
      {"prog -DevelopmentSupport- release", false, false, "release", "minus on a parameter flag"},
      {"prog -DevelopmentSupport -hidden", false, true, "-hidden", "the parameter is any token"},
      {"prog -DevelopmentSupport \"\"", false, true, "", "an empty parameter"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Options options;
    const StageRun run = RunStagesWithCommandLine(c.commandLine);
    EXPECT_EQ(run.failedStage, 0) << run.name;
    EXPECT_EQ(options.hidden.GetValue(), c.hidden);
    EXPECT_EQ(options.development.GetValue(), c.development);
    EXPECT_STREQ(options.development.GetParameter().GetText(), c.parameter);
  }
}

TEST_F(CommandLine, TokensAreMarkedAsTheyAreTaken) {
  const struct { const char* commandLine; Tokens want; const char* why; } kCases[] = {
      {"prog", {"prog"}, "only the program's name"},
      {"", {""}, "no text at all: token 0 still stands for the program"},
      {"prog -loadhelp Guide.hlp -hidden", {"prog", "+-loadhelp", "+Guide.hlp", "+-hidden"},
       "both tokens of a parameter flag"},
      {"prog -hidden stray", {"prog", "+-hidden", "stray"}, "a stray token stays untaken"},
      {"prog -BatchErrorModeFlagFile flag.txt", {"prog", "+-BatchErrorModeFlagFile", "+flag.txt"},
       "the error reporting's option is accepted"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Options options;
    UseCommandLine(c.commandLine);
    RunStages(1, 1);
    EXPECT_EQ(s_tokensAtStageOne, c.want);
    ZQ_InitializationService::ResetForTesting();
  }
}

TEST_F(CommandLine, UnclaimedTokensAreReportedAtStageSeven) {
  const struct { const char* commandLine; const char* token; const char* why; } kCases[] = {
      {"prog stray", "stray", "a word"},
      {"prog -", "-", "a dash alone"},
      {"prog --", "--", "two dashes"},
      {"prog -hiddenx", "-hiddenx", "a longer name"},
      {"prog -hidden -unknown -other", "-unknown", "the first one only"},
      {"prog \"\"", "", "an empty token"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ExpectStageError(c.commandLine, 7, kUnrecognized, UnrecognizedDescription(c.token));
  }
}

TEST_F(CommandLine, StageSevenFreesTheTokensWhenAllWereTaken) {
  Options options;
  UseCommandLine("prog -hidden");
  RunStages(1, 6);
  EXPECT_NE(Parser::GetTokens(), nullptr);
  RunStages(7, 7);
  EXPECT_EQ(Parser::GetTokens(), nullptr);
  EXPECT_EQ(ZQ_InitializationService::GetMostRecentStageCompleted(), 7);
}

TEST_F(CommandLine, MalformedCommandLinesFailAtStageOne) {
  const struct { const char* commandLine; const char* name; const char* description; } kCases[] = {
      {"prog -DevelopmentSupport", "Command line error - Unexpected end of command line",
       "Additional text should appear on the command line after option '-DevelopmentSupport'."},
      {"prog -hidden -LOADHELP+", "Command line error - Unexpected end of command line",
       "Additional text should appear on the command line after option '-LOADHELP+'."},
      {"prog -@", "Command line error - No response file specified",
       "The name of a response file was expected after the -@ option on the command line."},
      {"prog -hidden \"unclosed", kQuotesDoNotClose, kQuotesDescription},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.commandLine);
    ExpectStageError(c.commandLine, 1, c.name, c.description);
  }
}

TEST_F(CommandLine, TheMostRecentElementOfANameTakesTheToken) {
  ZQ_SimpleFlagCommandLineElement older("twin", false);
  ZQ_SimpleFlagCommandLineElement newer("TWIN", false);
  EXPECT_EQ(RunStagesWithCommandLine("prog -twin").failedStage, 0);
  EXPECT_TRUE(newer.GetValue());
  EXPECT_FALSE(older.GetValue());
}

TEST_F(CommandLine, ADestroyedElementLeavesTheList) {
  {
    ZQ_SimpleFlagCommandLineElement gone("gone", false);
  }
  const StageRun run = RunStagesWithCommandLine("prog -gone");
  EXPECT_EQ(run.failedStage, 7);
  EXPECT_EQ(run.description, UnrecognizedDescription("-gone"));
}

TEST_F(CommandLine, AResponseFileReadsLikeTheCommandLine) {
  const ScratchFile response("StageTestResponse.rsp", "-hidden\r\n\"-loadhelp\" Guide.hlp\r\n");
  const ScratchFile empty("StageTestEmpty.rsp", "");
  const struct { std::string commandLine; Tokens want; const char* why; } kCases[] = {
      {"prog -@ " + response.Path(), {"prog", "+-hidden", "+-loadhelp", "+Guide.hlp"},
       "the file's tokens take the place of -@ and its name"},
      {"prog -hidden- -@ \"" + response.Path() + "\" x",
       {"prog", "+-hidden-", "+-hidden", "+-loadhelp", "+Guide.hlp", "x"},
       "in place, between the command line's tokens"},
      {"prog -@ " + empty.Path() + " -@ " + response.Path(),
       {"prog", "+-hidden", "+-loadhelp", "+Guide.hlp"}, "an empty file inserts nothing"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Options options;
    UseCommandLine(c.commandLine);
    EXPECT_EQ(RunStages(1, 1).failedStage, 0);
    EXPECT_EQ(s_tokensAtStageOne, c.want);
    EXPECT_TRUE(options.hidden.GetValue());
    EXPECT_STREQ(options.loadHelp.GetParameter().GetText(), "Guide.hlp");
    ZQ_InitializationService::ResetForTesting();
  }
}

TEST_F(CommandLine, ARelativeResponseFileNameIsTakenAgainstTheCurrentDirectory) {
  const ScratchFile response("StageTestRelative.rsp", "-hidden");
  char saved[MAX_PATH + 1];
  const DWORD length = ZQLOW_WINBASE::GetCurrentDirectoryA(sizeof saved, saved);
  ZQLOW_WINBASE::SetCurrentDirectoryA(TemporaryDirectory().c_str());
  Options options;
  const StageRun run = RunStagesWithCommandLine("prog -@ StageTestRelative.rsp");
  ZQLOW_WINBASE::SetCurrentDirectoryA(std::string(saved, length).c_str());
  EXPECT_EQ(run.failedStage, 0) << run.description;
  EXPECT_TRUE(options.hidden.GetValue());
}

TEST_F(CommandLine, BadResponseFilesAreErrors) {
  const ScratchFile unclosed("StageTestUnclosed.rsp", "-hidden \"-loadhelp");
  const ScratchFile truncated("StageTestTruncated.rsp", "-hidden -loadhelp");
  const std::string missing = TemporaryDirectory() + "StageTestNoSuchFile.rsp";
  const struct { std::string commandLine; std::string name; std::string description; } kCases[] = {
      {"prog -@ " + missing, "Command line error - Response file not found",
       "The response file " + missing + " could not be found."},
      {"prog -@ " + TemporaryDirectory(), "Command line error - Response file not found",
       "The response file " + TemporaryDirectory() + " could not be found."},
      {"prog -@ " + TemporaryDirectory() + "*.rsp", "Command line error - Response file not found",
       "The response file " + TemporaryDirectory() + "*.rsp could not be found."},
      {"prog -@ " + unclosed.Path(), kQuotesDoNotClose, kQuotesDescription},
      {"prog -@ " + truncated.Path(), "Command line error - Unexpected end of command line",
       "Additional text should appear on the command line after option '-loadhelp'."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.commandLine);
    ExpectStageError(c.commandLine, 1, c.name, c.description);
  }
}

// A chain of response files, each naming the next.
std::string ChainFileName(int Index) {
  return "StageTestChain" + std::to_string(Index) + ".rsp";
}
std::string ChainPath(int Index) { return TemporaryDirectory() + ChainFileName(Index); }

TEST_F(CommandLine, ResponseFilesNestSixteenDeep) {
  // The command line names file 1, and file i names file i + 1: file 16 is
  // the deepest that may be read.
  const int kDeepest = Parser::MaxResponseFileDepth;
  ASSERT_EQ(kDeepest, 16);
  std::vector<std::unique_ptr<ScratchFile>> chain;
  for (int i = 1; i < kDeepest; ++i)
    chain.emplace_back(new ScratchFile(ChainFileName(i), "-@ " + ChainPath(i + 1)));
  const ScratchFile beyond(ChainFileName(kDeepest + 1), "-hidden");
  {
    const ScratchFile deepest(ChainFileName(kDeepest), "-hidden");
    Options options;
    const StageRun run = RunStagesWithCommandLine("prog -@ " + ChainPath(1));
    EXPECT_EQ(run.failedStage, 0) << run.description;
    EXPECT_TRUE(options.hidden.GetValue());
  }
  const ScratchFile deepest(ChainFileName(kDeepest), "-@ " + ChainPath(kDeepest + 1));
  Options options;
  const StageRun run = RunStagesWithCommandLine("prog -@ " + ChainPath(1));
  EXPECT_EQ(run.failedStage, 1);
  EXPECT_EQ(run.name, "Command line error - Response files nested too deeply");
  EXPECT_EQ(run.description, "The response file " + ChainPath(kDeepest + 1) +
                                 " is named through more than 16 nested response files.  A "
                                 "response file must not name itself, directly or through other "
                                 "response files.");
  EXPECT_FALSE(options.hidden.GetValue());
}

TEST_F(CommandLine, AResponseFileThatNamesItselfIsAnErrorNotAnEndlessExpansion) {
  const std::string self = TemporaryDirectory() + "StageTestSelf.rsp";
  const std::string ping = TemporaryDirectory() + "StageTestPing.rsp";
  const std::string pong = TemporaryDirectory() + "StageTestPong.rsp";
  const ScratchFile selfFile("StageTestSelf.rsp", "-hidden -@ " + self);
  const ScratchFile pingFile("StageTestPing.rsp", "-@ " + pong);
  const ScratchFile pongFile("StageTestPong.rsp", "-@ " + ping + " -hidden");
  for (const std::string& file : {self, ping}) {
    SCOPED_TRACE(file);
    Options options;
    const StageRun run = RunStagesWithCommandLine("prog -@ " + file);
    EXPECT_EQ(run.failedStage, 1);
    EXPECT_EQ(run.name, "Command line error - Response files nested too deeply");
  }
}

// Files that name the next level's file 200 times each stay within the depth
// limit, yet three levels would expand to 8 million tokens and sixteen to
// 200^16.
TEST_F(CommandLine, ResponseFilesThatExpandTooFarAreAnError) {
  const std::string middle = TemporaryDirectory() + "StageTestManyMiddle.rsp";
  const std::string leaf = TemporaryDirectory() + "StageTestManyLeaf.rsp";
  std::string namesMiddle, namesLeaf, words;
  for (int i = 0; i < 200; ++i) {
    namesMiddle += "-@ " + middle + "\r\n";
    namesLeaf += "-@ " + leaf + "\r\n";
    words += "x ";
  }
  const ScratchFile top("StageTestManyTop.rsp", namesMiddle);
  const ScratchFile middleFile("StageTestManyMiddle.rsp", namesLeaf);
  const ScratchFile leafFile("StageTestManyLeaf.rsp", words);
  ExpectStageError("prog -@ " + top.Path(), 1, "Command line error - Response files too large",
                   "With the response file " + leaf +
                       ", the response files hold more than 100000 words or 4194304 characters in "
                       "all.  A response file must not name other response files so many times.");
  const ScratchFile blank("StageTestBlank.rsp", std::string(Parser::MaxResponseFileCharacters + 1, ' '));
  EXPECT_EQ(RunStagesWithCommandLine("prog -@ " + blank.Path()).name,
            "Command line error - Response files too large");
}

TEST_F(CommandLine, DefaultOptionsComeFirstSoTheCommandLineOverridesThem) {
  const struct { const char* defaults; const char* commandLine; bool hidden; Tokens want; }
      kCases[] = {
          {"-hidden", "prog -hidden-", false, {"prog", "+-hidden", "+-hidden-"}},
          {"-hidden-\r\n", "prog -hidden", true, {"prog", "+-hidden-", "+-hidden"}},
          {"\"-hidden\"", "prog", true, {"prog", "+-hidden"}},
          {"", "prog -hidden", true, {"prog", "+-hidden"}},
      };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.commandLine);
    const ScratchFile defaults(DefaultOptionsFileName(), c.defaults);
    Options options;
    UseCommandLine(c.commandLine);
    EXPECT_EQ(RunStages(1, 1).failedStage, 0);
    EXPECT_EQ(options.hidden.GetValue(), c.hidden);
    EXPECT_EQ(s_tokensAtStageOne, c.want);
    ZQ_InitializationService::ResetForTesting();
  }
}

TEST_F(CommandLine, DefaultOptionsMayNameResponseFilesAndMustCloseTheirQuotes) {
  const ScratchFile response("StageTestFromDefaults.rsp", "-DevelopmentSupport release");
  {
    const ScratchFile defaults(DefaultOptionsFileName(), "-@ \"" + response.Path() + "\"");
    Options options;
    EXPECT_EQ(RunStagesWithCommandLine("prog").failedStage, 0);
    EXPECT_STREQ(options.development.GetParameter().GetText(), "release");
  }
  const ScratchFile defaults(DefaultOptionsFileName(), "-hidden \"");
  Options options;
  const StageRun run = RunStagesWithCommandLine("prog");
  EXPECT_EQ(run.failedStage, 1);
  EXPECT_EQ(run.name, kQuotesDoNotClose);
}

}  // namespace
