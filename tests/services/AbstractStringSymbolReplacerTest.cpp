#include <gtest/gtest.h>

#include <map>
#include <string>

#include "../foundation/StringTestSupport.h"
#include "ZQ_AbstractStringSymbolReplacer.h"
#include "ZQ_Exception.h"

namespace {

// Knows the symbols of its table (names in upper case), ECHO (its parameters),
// DATE (a template of its own, expanded by the same replacer) and FAIL
// (throws).
class TableReplacer : public ZQ_AbstractStringSymbolReplacer {
 public:
  explicit TableReplacer(std::map<std::string, std::string> values) : values(std::move(values)) {}

  bool ProcessSymbol(ZQ_String& SymbolText, const ZQ_String& SymbolParameters) override {
    const std::string name = Text(SymbolText);
    seenNames += name + ";";
    if (name == "ECHO") {
      SymbolText = SymbolParameters;
      return true;
    }
    if (name == "DATE") {
      SymbolText = Process("{Day}.{Month}.");
      return true;
    }
    if (name == "FAIL") throw ZQ_Exception("handler", "failed");
    const auto found = values.find(name);
    if (found == values.end()) return false;
    SymbolText = found->second.c_str();
    return true;
  }

  // Filters with a member function: brackets the value and notes the
  // parameters it saw.
  void UseBracketFilter() {
    SetValueFilter(ZQ_StringSymbolReplacer_ValueFilter(this, &TableReplacer::Bracket));
  }
  void Bracket(ZQ_StringSymbolReplacer_FilterArguments& Arguments) {
    filteredParameters += Text(Arguments.Parameters) + ";";
    Arguments.Value = ZQ_String("<") + Arguments.Value + ">";
  }

  std::map<std::string, std::string> values;
  std::string seenNames;
  std::string filteredParameters;
};

std::string Expand(TableReplacer& replacer, const std::string& templateText) {
  const ZQ_String source(templateText.data(), static_cast<int>(templateText.size()));
  const ZQ_String result = replacer.Process(source);
  EXPECT_EQ(Text(source), templateText);  // the template itself is unchanged
  return Text(result);
}

TableReplacer MakeReplacer() {
  return TableReplacer({{"DAY", "9"},
                        {"MONTH", "September"},
                        {"YEAR", "1999"},
                        {"COUNT", "5"},
                        {"ZERO", "0"},
                        {"ZEROPOINT", "0.0"},
                        {"MINUSZERO", "-0"},
                        {"WORD", "many"},
                        {"EMPTY", ""},
                        {"SPACES", "   "},
                        {"NAME", "x"},
                        {"BRACE", "{Day}"}});
}

TEST(ZQ_AbstractStringSymbolReplacer, FieldsAreReplacedAndEverythingElseKept) {
  const struct { const char* in; const char* want; const char* why; } kCases[] = {
      {"{Month} {Day}, {Year}", "September 9, 1999", "plain fields"},
      {"no fields here", "no fields here", "no brace"},
      {"", "", "empty template"},
      {"{month}/{MONTH}", "September/September", "names ignore case"},
      {"{Day}{Month}", "9September", "fields side by side"},
      {"abc {Nosuch} def", "abc {Nosuch} def", "unknown field kept as written"},
      {"{}", "{}", "empty name"},
      {"{ X}", "{ X}", "empty name before white space"},
      {"{Year", "{Year", "cut short after the name"},
      {"a {Year {Month}", "a {Year {Month}", "no closing brace: the rest is literal"},
      {"x {", "x {", "brace at the very end"},
      {"{Day}}", "9}", "a stray closing brace is text"},
      {"{Echo  a {b} c}", "a {b} c", "white space after the name dropped; nested braces kept"},
      {"{Echo\t\r\n x}", "x", "tab, CR and LF are white space"},
      {"{Echo\vx}", "\vx", "vertical tab is not"},
      {"{Brace}", "{Day}", "a value is not scanned again"},
      {"{Date}{Year}", "9.September.1999", "a handler may expand a template of its own"},
      {"{Da-y}", "{Da-y}", "name stops at the dash: DA unknown, field kept whole"},
      {"caf\xE9 {Day\xE9}", "caf\xE9 9", "a byte above 127 ends a name and starts the parameters"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    TableReplacer replacer = MakeReplacer();
    EXPECT_EQ(Expand(replacer, c.in), c.want);
  }
}

TEST(ZQ_AbstractStringSymbolReplacer, ConditionalFieldsPrintTheirRestOnlyForNonZeroOrNonNullValues) {
  const struct { const char* in; const char* want; const char* why; } kCases[] = {
      {"{IFNOTZERO Count {Count} items}", "5 items", "not zero"},
      {"{IFNOTZERO Zero {Zero} items}", "", "zero"},
      {"{IFNOTZERO ZeroPoint x}", "", "0.0 is zero"},
      {"{IFNOTZERO MinusZero x}", "", "-0 is zero"},
      {"{IFNOTZERO Word rest}", "rest", "not a number counts as not zero"},
      {"{IFNOTZERO Empty rest}", "rest", "empty is not a number"},
      {"{IFNOTNULL {Name} ({Name})}", "(x)", "braced test symbol"},
      {"{IFNOTNULL {Empty} ({Empty})}", "", "empty is null"},
      {"{IFNOTNULL Spaces x}", "", "spaces only are null"},
      {"{IFNOTNULL {Name}  ({Name})}", " (x)", "only one white-space character is stepped over"},
      {"{IFNOTNULL   Name rest}", "rest", "white space before the test symbol dropped"},
      {"{IFNOTNULL -x}", "-x", "no test name: the parameters as they are"},
      {"{IFNOTNULL Nosuch text}", "Nosuch text", "unknown test symbol: the parameters"},
      {"{IFNOTNULL {Nosuch} text}", "{Nosuch} text", "unknown braced test symbol"},
      {"{IFNOTNULL {Name text}", "{IFNOTNULL {Name text}", "unbalanced: the field is literal"},
      {"{IFNOTNULL {Echo a} b}", "b", "test parameters reach the handler"},
      {"{IFNOTNULL {Echo} b}", "", "empty test parameters give an empty value"},
      {"{ifnotzero count n}", "n", "command names ignore case"},
      {"{IFNOTZERO Count}", "", "no rest"},
      {"a{IFNOTZERO Count {IFNOTNULL Name [{Name}]}}b", "a[x]b", "commands nest"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    TableReplacer replacer = MakeReplacer();
    EXPECT_EQ(Expand(replacer, c.in), c.want);
  }
}

TEST(ZQ_AbstractStringSymbolReplacer, LongNumbersAreNotZero) {
  // The number conversion takes at most 255 characters: a longer value is no
  // number, so it counts as not zero.
  TableReplacer replacer = MakeReplacer();
  replacer.values["LONGZERO"] = std::string(300, '0');
  EXPECT_EQ(Expand(replacer, "{IFNOTZERO LongZero shown}"), "shown");
  replacer.values["LONGZERO"] = std::string(255, '0');
  EXPECT_EQ(Expand(replacer, "{IFNOTZERO LongZero shown}"), "");
}

TEST(ZQ_AbstractStringSymbolReplacer, HandlersSeeUpperCaseNamesAndCommandsComeFirst) {
  TableReplacer replacer = MakeReplacer();
  Expand(replacer, "{dAy}{IFNOTZERO count x}");
  // IFNOTZERO went to the command, not to the symbol handler.
  EXPECT_EQ(replacer.seenNames, "DAY;COUNT;");
}

TEST(ZQ_AbstractStringSymbolReplacer, TheValueFilterSeesEveryValueWithItsParameters) {
  TableReplacer replacer = MakeReplacer();
  replacer.UseBracketFilter();
  EXPECT_EQ(Expand(replacer, "{Day p1} {Nosuch} {IFNOTNULL {Name q} {Month}}"),
            "<9> {Nosuch} <September>");
  EXPECT_EQ(replacer.filteredParameters, "p1;q;;");
  // The filtered value decides the condition: "<>" is not null.
  EXPECT_EQ(Expand(replacer, "{IFNOTNULL Empty shown}"), "shown");
}

TEST(ZQ_AbstractStringSymbolReplacer, HandlerErrorsPassThrough) {
  TableReplacer replacer = MakeReplacer();
  EXPECT_THROW(replacer.Process("a {Fail} b"), ZQ_Exception);
  EXPECT_THROW(replacer.Process("{IFNOTNULL Fail b}"), ZQ_Exception);
}

}  // namespace
