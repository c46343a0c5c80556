#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../foundation/AssertionTestSupport.h"
#include "../foundation/StringTestSupport.h"
#include "ZQ_Assertion.h"
#include "ZQ_RegularExpression.h"

namespace {

ZQ_String Z(const std::string& s) { return ZQ_String(s.data(), static_cast<int>(s.size())); }

bool Matches(const char* pattern, int options, const std::string& text) {
  return ZQ_MakeSimpleRegularExpression(pattern, options).Match(Z(text));
}

// ---------------------------------------------------------------------------
// Matching

TEST(ZQ_RegularExpression, WildcardsSetsAndAlternativesMatchWholeTexts) {
  const struct { const char* pattern; int options; const char* text; bool want; const char* why; }
      kCases[] = {
          {"*.txt", 0, "readme.txt", true, "star then literal"},
          {"*.txt", 0, ".txt", true, "empty star"},
          {"*.txt", 0, "readme.txt1", false, "must match to the end"},
          {"*.txt", 0, "README.TXT", false, "case counts by default"},
          {"*.txt", 1, "README.TXT", true, "option 1 ignores case"},
          {"a?c", 0, "abc", true, "one character"},
          {"a?c", 0, "ac", false, "? needs a character"},
          {"a??c", 0, "abbc", true, "a run of ?"},
          {"a??c", 0, "abc", false, "a run of ? needs as many"},
          {"[a-c]x", 0, "bx", true, "range"},
          {"[a-c]x", 0, "dx", false, "outside the range"},
          {"[^a-c]x", 0, "dx", true, "negated"},
          {"[^a-c]x", 0, "ax", false, "negated excludes"},
          {"[a-]x", 0, "-x", true, "a trailing - is literal"},
          {"[-a]x", 0, "-x", true, "a leading - is literal"},
          {"[a-c-e]", 0, "-", true, "- right after a range is literal"},
          {"[a-c-e]", 0, "d", false, "- right after a range starts no range"},
          {"[c-a]", 0, "b", false, "a reversed range adds nothing"},
          {"[A-C]x", 1, "bX", true, "sets ignore case too"},
          {"[]x", 0, "x", false, "an empty set matches nothing"},
          {"*.txt, *.doc", 0, "a.doc", true, "second alternative"},
          {"*.txt, *.doc", 0, "a.txt", true, "first alternative"},
          {"*.txt, *.doc", 0, "a.pdf", false, "no alternative"},
          {"a,,b", 0, "", true, "an empty alternative matches the empty text"},
          {"a,,b", 0, "b", true, "last alternative"},
          {"a, b", 0, " b", false, "spaces around alternatives are dropped"},
          {"*", 0, "", true, "star alone, empty text"},
          {"*", 0, "anything at all", true, "star alone"},
          {"", 0, "", true, "empty pattern, empty text"},
          {"", 0, "x", false, "empty pattern, other text"},
          {"abc", 0, "abc", true, "plain literal"},
          {"abc", 0, "abcd", false, "plain literal is whole"},
          {"ABC", 1, "abc", true, "plain literal ignoring case"},
          {"a*", 0, "a", true, "trailing star"},
          {"a**", 0, "abc", true, "doubled trailing star"},
          {"a**c", 0, "abbbc", true, "doubled inner star"},
          {"*a*b*", 0, "xxaxxbxx", true, "several stars"},
          {"*a*b", 0, "ab", true, "stars may be empty"},
          {"*ab", 0, "aab", true, "star backs off to the last fit"},
          {"a]b", 0, "a]b", true, "] outside brackets is literal"},
          {"a\\b", 0, "a\\b", true, "without option 2 a backslash is literal"},
          {"a\\*b", 2, "a*b", true, "escaped star is literal"},
          {"a\\*b", 2, "axb", false, "escaped star matches only a star"},
          {"a\\,b", 2, "a,b", true, "escaped comma does not split"},
          {"a\\?", 2, "a?", true, "escaped ?"},
          {"\\[x", 2, "[x", true, "escaped bracket opens no set"},
          {"[ab],c", 0, "c", true, "comma outside brackets"},
      };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.why) + ": " + c.pattern + " ~ " + c.text);
    EXPECT_EQ(Matches(c.pattern, c.options, c.text), c.want);
  }
}

TEST(ZQ_RegularExpression, EscapedCharactersInSetsStandForThemselves) {
  const struct { const char* pattern; int options; const char* text; bool want; const char* why; }
      kCases[] = {
          {"[\\]]", 2, "]", true, "an escaped ] is a member"},
          {"[\\]]", 2, "x", false, "an escaped ] is no other character"},
          {"[\\\\]", 2, "\\", true, "an escaped backslash"},
          {"[a\\-z]", 2, "-", true, "an escaped - is a member"},
          {"[a\\-z]", 2, "b", false, "an escaped - makes no range"},
          {"[\\^a]", 2, "^", true, "an escaped leading ^ is a member"},
          {"[\\^a]", 2, "b", false, "an escaped leading ^ does not negate"},
          {"[\\a-\\c]", 2, "b", true, "a range between escaped ends"},
          {"[\\--/]", 2, ".", true, "an escaped - starts a range"},
          {"[\\*\\?]", 2, "x", false, "escaped wildcards are no wildcards"},
          {"[\\,]x", 2, ",x", true, "an escaped comma in a set does not split"},
          {"[\\]]", 0, "\\]", true, "without option 2 the backslash is the member"},
      };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.why) + ": " + c.pattern + " ~ " + c.text);
    EXPECT_EQ(Matches(c.pattern, c.options, c.text), c.want);
  }
}

TEST(ZQ_RegularExpression, CommasSplitInsideBracketsToo) {
  // "[a,b]" is the two alternatives "[a" and "b]": the first has no "]".
  EXPECT_THROW(ZQ_MakeSimpleRegularExpression("[a,b]"), ZQ_Exception);
}

TEST(ZQ_RegularExpression, SectionsMatchOnTheirOwn) {
  const ZQ_RegularExpression starting = ZQ_MakeSimpleRegularExpression("b*");
  const ZQ_String text("abc");
  const struct { int start, length; bool want; const char* why; } kCases[] = {
      {1, -1, true, "from index 1 to the end"},
      {0, -1, false, "the whole text starts with a"},
      {1, 1, true, "just b"},
      {2, 1, false, "just c"},
      {3, 0, false, "empty section at the end"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(starting.Match(text, c.start, c.length), c.want);
  }
  EXPECT_TRUE(ZQ_MakeSimpleRegularExpression("").Match(text, 3, 0));
  EXPECT_TRUE(ZQ_MakeSimpleRegularExpression("?").Match(text, 2, 1));
  EXPECT_FALSE(ZQ_MakeSimpleRegularExpression("b").Match(text, 1, 2));
}

TEST(ZQ_RegularExpression, SectionsOutsideTheTextAssertAndDoNotMatch) {
  const ZQ_RegularExpression all = ZQ_MakeSimpleRegularExpression("*");
  const ZQ_String text("abc");
  const struct { int start, length; } kCases[] = {{-1, 2}, {2, 2}, {4, -1}, {4, 0}, {1, 0x7FFFFFFF}};
  const char* kCondition = "0 <= SectionStart and (SectionStart + SectionLength) <= S.GetLength()";
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.start) + "," + std::to_string(c.length));
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { all.Match(text, c.start, c.length); }), kCondition));
    IgnoringAssertions ignoring;
    EXPECT_FALSE(all.Match(text, c.start, c.length));
  }
}

TEST(ZQ_RegularExpression, BytesAbove127AreOrdinaryCharacters) {
  EXPECT_TRUE(Matches("caf\xE9", 0, "caf\xE9"));
  EXPECT_TRUE(Matches("[\xE0-\xEF]", 0, "\xE9"));
  EXPECT_TRUE(Matches("[^a]", 0, "\xFF"));
  EXPECT_TRUE(Matches("a\\\xE9*", 2, "a\xE9xyz"));
  const std::string withNul("a\0b", 3);
  EXPECT_TRUE(Matches("a?b", 0, withNul));
}

// Whole-text wildcard matching by plain recursion over the pattern, written
// independently of the compiled chains, for a cross-check.
bool ReferenceSetContains(const std::string& set, unsigned char c) {
  size_t i = 0;
  bool negate = false;
  if (!set.empty() && set[0] == '^') negate = true, i = 1;
  bool found = false;
  int previous = -1;
  for (; i < set.size(); ++i) {
    const unsigned char s = set[i];
    if (s == '-' && previous >= 0 && i + 1 < set.size()) {
      const unsigned char last = set[++i];
      if (c >= previous && c <= last) found = true;
      previous = -1;
    } else {
      if (s == c) found = true;
      previous = s == '-' ? -1 : s;
    }
  }
  return found != negate;
}

bool ReferenceMatch(const std::string& p, size_t pi, const std::string& t, size_t ti) {
  if (pi == p.size()) return ti == t.size();
  if (p[pi] == '*') {
    for (size_t k = ti; k <= t.size(); ++k)
      if (ReferenceMatch(p, pi + 1, t, k)) return true;
    return false;
  }
  if (ti == t.size()) return false;
  if (p[pi] == '?') return ReferenceMatch(p, pi + 1, t, ti + 1);
  if (p[pi] == '[') {
    const size_t close = p.find(']', pi);
    return ReferenceSetContains(p.substr(pi + 1, close - pi - 1), t[ti]) &&
           ReferenceMatch(p, close + 1, t, ti + 1);
  }
  return p[pi] == t[ti] && ReferenceMatch(p, pi + 1, t, ti + 1);
}

TEST(ZQ_RegularExpression, AgreesWithPlainWildcardMatchingOnEveryShortCase) {
  const char* kPieces[] = {"a", "b", "*", "?", "[ab]", "[^a]", "ab"};
  const int kNumPieces = sizeof kPieces / sizeof kPieces[0];
  std::vector<std::string> texts{""};
  for (size_t i = 0; i < texts.size() && texts.size() < 1000; ++i)
    if (texts[i].size() < 5)
      for (const char c : {'a', 'b', 'c'}) texts.push_back(texts[i] + c);
  int disagreements = 0;
  // Every pattern of up to four pieces.
  std::vector<int> digits;
  for (int length = 1; length <= 4; ++length) {
    digits.assign(length, 0);
    for (;;) {
      std::string pattern;
      for (const int d : digits) pattern += kPieces[d];
      const ZQ_RegularExpression compiled = ZQ_MakeSimpleRegularExpression(Z(pattern));
      for (const auto& text : texts) {
        const bool want = ReferenceMatch(pattern, 0, text, 0);
        if (compiled.Match(Z(text)) != want && ++disagreements <= 5)
          ADD_FAILURE() << pattern << " ~ " << text << " should give " << want;
      }
      int d = 0;
      while (d < length && ++digits[d] == kNumPieces) digits[d++] = 0;
      if (d == length) break;
    }
  }
  EXPECT_EQ(disagreements, 0);
}

TEST(ZQ_RegularExpression, LongPatternsCompileMatchAndFreeWithoutDeepRecursion) {
  std::string pattern, text;
  for (int i = 0; i < 2000; ++i) pattern += "a?", text += "ab";
  const ZQ_RegularExpression longOne = ZQ_MakeSimpleRegularExpression(Z(pattern));
  EXPECT_TRUE(longOne.Match(Z(text)));
  EXPECT_FALSE(longOne.Match(Z(text + "x")));
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "?[ab]";
  EXPECT_NO_THROW(ZQ_MakeSimpleRegularExpression(Z(many)));  // built and freed
}

TEST(ZQ_RegularExpression, ManyStarsMatchLongTextsWithoutExponentialBacktracking) {
  // Each star tries the rest at a position at most once per match: tried
  // every way, these would take longer than any test run.
  const std::string as(2000, 'a');
  std::string abs;
  for (int i = 0; i < 1000; ++i) abs += "ab";
  const struct { const char* pattern; int options; std::string text; bool want; } kCases[] = {
      {"*a*a*a*a*b", 0, std::string(260, 'a'), false},
      {"*a*a*a*a*b", 0, as + "b", true},
      {"*a*a*a*a*a*a*a*a*a*a*b", 0, as, false},
      {"*A*A*A*A*B", 1, as, false},
      {"*a*a*a*a*b, *a*a*a*a*c, *a*a*a*a*a", 0, as + "c", true},
      {"*[ab]*[ab]*[ab]*[ab]*c", 0, abs, false},
      {"*?*?*?*?*?*b", 0, as, false},
      {"a*?a*?a*?a*?ab", 0, abs, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.pattern) + " ~ " + std::to_string(c.text.size()) + " characters");
    EXPECT_EQ(Matches(c.pattern, c.options, c.text), c.want);
  }
}

// ---------------------------------------------------------------------------
// Compile errors

TEST(ZQ_RegularExpression, AnUnclosedBracketThrowsNamingThePattern) {
  const struct { const char* pattern; int options; } kCases[] = {
      {"[abc", 0}, {"*.txt, [x", 0}, {"a\\]b[", 2}, {"ab[c\\]", 2}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.pattern);
    try {
      ZQ_MakeSimpleRegularExpression(c.pattern, c.options);
      ADD_FAILURE() << "no exception";
    } catch (const ZQ_Exception& e) {
      EXPECT_EQ(Text(e.GetName()), "No closing square bracket character in regular expression");
      EXPECT_EQ(Text(e.GetDescription()),
                std::string("The regular expression '") + c.pattern +
                    "' contains an opening square bracket character [ that does not have a "
                    "matching closing square bracket character ].");
    }
  }
}

// ---------------------------------------------------------------------------
// Handles

TEST(ZQ_RegularExpression, HandlesCountAllOwners) {
  ZQ_RegularExpression first = ZQ_MakeSimpleRegularExpression("a*");
  EXPECT_EQ(first.GetReferenceCount(), 1);
  {
    const ZQ_RegularExpression second(first);
    ZQ_RegularExpression third;
    EXPECT_EQ(third.GetReferenceCount(), 0);
    third = second;
    EXPECT_EQ(first.GetReferenceCount(), 3);
    third = third;
    EXPECT_EQ(first.GetReferenceCount(), 3);
    EXPECT_TRUE(third.Match("abc"));
  }
  EXPECT_EQ(first.GetReferenceCount(), 1);
  first = ZQ_MakeSimpleRegularExpression("b");
  EXPECT_TRUE(first.Match("b"));
  const ZQ_RegularExpression none;
  EXPECT_TRUE(none.Match(""));
  EXPECT_FALSE(none.Match("x"));
}

// ---------------------------------------------------------------------------
// Helpers

TEST(ZQ_RegularExpression, SpecialCharactersAreTheSixWildcardCharacters) {
  const struct { const char* text; bool want; } kCases[] = {
      {"plain.txt", false}, {"", false}, {"a,b", true}, {"*", true}, {"[", true},
      {"]", true},          {"?", true}, {"\\", true},  {"{}^-", false},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(ContainsSimpleRegularExpressionSpecialCharacters(c.text), c.want) << c.text;
}

TEST(ZQ_RegularExpression, EscapesEncodeAsHexadecimalAndDecodeBack) {
  const struct { std::string plain, encoded, decoded; const char* why; } kCases[] = {
      {"abc", "abc", "abc", "no backslash: unchanged"},
      {"a\\*b", "a\\x2ab", "a*b", "escaped star"},
      {"\\\\", "\\x5c", "\\", "escaped backslash"},
      {"a\\", "a", "a", "a backslash at the very end is dropped"},
      {"\\\xE9", "\\xe9", "\xE9", "a byte above 127 keeps two digits"},
      {std::string("\\\0", 2), "\\x00", std::string("\0", 1), "NUL"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Text(EncodeEscapedCharacters(Z(c.plain))), c.encoded);
    EXPECT_EQ(Text(DecodeEscapedCharacters(Z(c.encoded))), c.decoded);
  }
  EXPECT_EQ(Text(DecodeEscapedCharacters("\\x4A\\x4a")), "JJ");
}

TEST(ZQ_RegularExpression, MalformedEscapesAssertAndAreDropped) {
  const char* kX = "i < n and (Pattern [i] == 'x')";
  const char* kHex = "i < n and ZQLOW_Char::IsHexDigit (Pattern [i])";
  const struct { const char* encoded; const char* condition; const char* kept; } kCases[] = {
      {"a\\yb", kX, "ayb"}, {"a\\", kX, "a"}, {"a\\xg1", kHex, "axg1"}, {"\\x4", kHex, "x4"},
      {"\\x", kHex, "x"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.encoded);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { DecodeEscapedCharacters(c.encoded); }), c.condition));
    IgnoringAssertions ignoring;
    EXPECT_EQ(Text(DecodeEscapedCharacters(c.encoded)), c.kept);
  }
}

TEST(ZQ_RegularExpression, WholeWordsStandBetweenNonWordCharacters) {
  const char* kText = "an is_1 word.";
  const int n = 13;
  const struct { int start, end; bool want; const char* why; } kCases[] = {
      {0, 2, true, "at the start"},
      {3, 7, true, "underscore and digit belong to words"},
      {8, 12, true, "before a period"},
      {3, 5, false, "a word character follows"},
      {4, 7, false, "a word character precedes"},
      {2, 7, false, "a space inside"},
      {12, 13, false, "a period is no word"},
      {2, 2, false, "empty, right after a word"},
      {13, 13, true, "empty at the end after a period"},
      {1, 1, false, "empty inside a word"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(IsWholeWord(kText, n, c.start, c.end), c.want);
  }
}

}  // namespace
