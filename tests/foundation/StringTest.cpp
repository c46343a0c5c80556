#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "AssertionTestSupport.h"
#include "StringTestSupport.h"
#include "ZQ_Assertion.h"
#include "ZQ_String.h"

namespace {

// ---------------------------------------------------------------------------
// Sharing and copy on write

TEST(ZQ_String, CopiesShareOneRepresentationWithoutAllocating) {
  const ZQ_String original("shared text");
  const char* text = original.GetText();
  ZQ_String copy(original);
  ZQ_String assigned;
  assigned = copy;
  ZQ_String moved(std::move(copy));
  EXPECT_EQ(assigned.GetText(), text);
  EXPECT_EQ(moved.GetText(), text);
  EXPECT_EQ(original.GetNumReferences(), 3);
  EXPECT_EQ(copy.GetLength(), 0);  // a moved-from string is empty
}

TEST(ZQ_String, SelfAssignmentKeepsTheRepresentation) {
  ZQ_String s("abc");
  const char* text = s.GetText();
  ZQ_String& alias = s;
  s = alias;
  EXPECT_EQ(s.GetText(), text);
  EXPECT_EQ(s.GetNumReferences(), 1);
  EXPECT_EQ(Text(s), "abc");
}

// Every writer, applied to one of two owners, must leave the other's text
// and representation alone.
TEST(ZQ_String, WritersNeverChangeAnotherOwnersText) {
  const struct { const char* why; void (*write)(ZQ_String&); const char* want; } kCases[] = {
      {"Append", [](ZQ_String& s) { s.Append('!', 2); }, "abcdef!!"},
      {"Append buffer", [](ZQ_String& s) { s.Append("xy", 2); }, "abcdefxy"},
      {"Prepend", [](ZQ_String& s) { s.Prepend('>'); }, ">abcdef"},
      {"Pad", [](ZQ_String& s) { s.Pad(8, 0, '.'); }, "abcdef.."},
      {"Replace", [](ZQ_String& s) { s.Replace(1, 2, "XY", 2); }, "aXYdef"},
      {"ReplaceWithoutShrinking", [](ZQ_String& s) { s.ReplaceWithoutShrinking(0, 6, "", 0); }, ""},
      {"assign text", [](ZQ_String& s) { s = "new"; }, "new"},
      {"append text", [](ZQ_String& s) { s += "gh"; }, "abcdefgh"},
      {"append char", [](ZQ_String& s) { s += 'g'; }, "abcdefg"},
      {"Empty", [](ZQ_String& s) { s.Empty(); }, ""},
      {"Empty with capacity", [](ZQ_String& s) { s.Empty(3); }, ""},
      {"MakeUnique", [](ZQ_String& s) { s.MakeUnique(); }, "abcdef"},
      {"Reallocate", [](ZQ_String& s) { s.Reallocate(3); }, "abc"},
      {"lower case", [](ZQ_String& s) { s.ConvertToUpperCase(); s.ConvertToLowerCase(); }, "abcdef"},
      {"upper case", [](ZQ_String& s) { s.ConvertToUpperCase(); }, "ABCDEF"},
      {"index", [](ZQ_String& s) { s[0] = 'z'; }, "zbcdef"},
      {"fragment assignment", [](ZQ_String& s) { s(1, 2) = ZQ_String("--"); }, "a--def"},
      {"fragment index", [](ZQ_String& s) { s(2, 2)[1] = '#'; }, "abc#ef"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQ_String other("abcdef");
    const char* otherText = other.GetText();
    ZQ_String writer = other;
    c.write(writer);
    EXPECT_EQ(Text(writer), c.want);
    EXPECT_EQ(Text(other), "abcdef");
    EXPECT_EQ(other.GetText(), otherText);
    EXPECT_EQ(other.GetNumReferences(), 1);
    // An emptied string may share the permanent empty representation.
    if (writer.GetLength() > 0) {
      EXPECT_EQ(writer.GetNumReferences(), 1);
    }
  }
}

TEST(ZQ_String, ReadingNeverUnshares) {
  const ZQ_String a("abcdef");
  const ZQ_String b = a;
  EXPECT_EQ(b[2], 'c');
  EXPECT_EQ(a.Find("cd"), 2);
  EXPECT_EQ(a.Compare(b), 0);
  EXPECT_TRUE(b(1, 2) == "bc");
  EXPECT_EQ(a.GetNumReferences(), 2);
}

TEST(ZQ_String, TheEmptyRepresentationSurvivesItsOwners) {
  const char* emptyText = ZQ_String().GetText();
  for (int i = 0; i < 1000; ++i) {
    ZQ_String a;
    ZQ_String b(a);
    ZQ_String c = std::move(b);
    c = a;
  }
  const ZQ_String later;
  EXPECT_EQ(later.GetText(), emptyText);
  EXPECT_EQ(later.GetLength(), 0);
  EXPECT_EQ(later.GetCapacity(), 0);
  EXPECT_EQ(later.GetText()[0], '\0');
  EXPECT_EQ(ZQ_String("").GetText(), emptyText);
}

// ---------------------------------------------------------------------------
// Capacity

TEST(ZQ_String, CapacityRuleStepsBy8UpTo255ThenPowersOfTwoMinus1) {
  const struct { int length; int want; } kCases[] = {
      {0, 7},     {1, 7},     {7, 7},     {8, 15},     {15, 15},
      {16, 23},   {247, 247}, {248, 255}, {255, 255},  {256, 511},
      {510, 511}, {511, 511}, {512, 1023}, {1023, 1023}, {1024, 2047}, {100000, 131071},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.length);
    EXPECT_EQ(ZQ_String::ComputeCapacity(c.length), c.want);
  }
}

TEST(ZQ_String, ConstructorsSizeTheirRepresentation) {
  const struct { const char* why; ZQ_String s; int length; int capacity; } kCases[] = {
      {"text: exact", ZQ_String("abcdefghij"), 10, 10},
      {"buffer: exact, NUL kept", ZQ_String("a\0b", 3), 3, 3},
      {"one char: default capacity", ZQ_String('x'), 1, 7},
      {"char and count: exact", ZQ_String('x', 9), 9, 9},
      {"with capacity", ZQ_String::WithCapacity(40), 0, 40},
      {"concatenation: rule", ZQ_String("abcd", 4, "efgh", 4), 8, 15},
      {"concatenation with null buffer", ZQ_String(nullptr, 5, "ab", 2), 2, 7},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(c.s.GetLength(), c.length);
    EXPECT_EQ(c.s.GetCapacity(), c.capacity);
    EXPECT_EQ(c.s.GetText()[c.length], '\0');
  }
  const ZQ_String source("0123456789");
  const ZQ_String fromFragment(source(1, 8));
  EXPECT_EQ(Text(fromFragment), "12345678");
  EXPECT_EQ(fromFragment.GetCapacity(), 15);
}

TEST(ZQ_String, ReplaceGrowsByTheRuleAndGivesSpareRoomBack) {
  ZQ_String s;
  std::string want;
  int reallocations = 0;
  const char* text = s.GetText();
  for (int i = 0; i < 300; ++i) {
    s += "x";
    want += "x";
    if (s.GetText() != text) ++reallocations, text = s.GetText();
    ASSERT_EQ(s.GetCapacity(), ZQ_String::ComputeCapacity(i + 1)) << i;
  }
  EXPECT_EQ(Text(s), want);
  EXPECT_EQ(s.GetCapacity(), 511);
  EXPECT_EQ(reallocations, 33);  // 32 steps of 8 to 255, then 511
  // Shrinking a large string below half its capacity reallocates.
  s.Replace(0, 100, nullptr, 0);
  EXPECT_EQ(s.GetLength(), 200);
  EXPECT_EQ(s.GetCapacity(), 207);
  // ReplaceWithoutShrinking keeps the block.
  ZQ_String big('y', 300);
  big.Reallocate(1023);
  big.ReplaceWithoutShrinking(0, 290, nullptr, 0);
  EXPECT_EQ(big.GetCapacity(), 1023);
  EXPECT_EQ(Text(big), std::string(10, 'y'));
}

TEST(ZQ_String, ReplaceInPlaceKeepsTheBlockWhenLittleRoomIsSpare) {
  ZQ_String s("abcdefghijkl");  // capacity 12
  s.Reallocate(15);
  const char* text = s.GetText();
  s.Replace(2, 3, "XYZW", 4);  // 13 characters: in place
  EXPECT_EQ(s.GetText(), text);
  EXPECT_EQ(Text(s), "abXYZWfghijkl");
  s.Replace(0, 8, nullptr, 0);  // 5 left, 10 spare: reallocated to 7
  EXPECT_NE(s.GetText(), text);
  EXPECT_EQ(s.GetCapacity(), 7);
  EXPECT_EQ(Text(s), "hijkl");
  ZQ_String grown('a', 200);
  grown.Replace(200, 0, std::string(56, 'b').c_str(), 56);  // 256 characters
  EXPECT_EQ(grown.GetCapacity(), 511);
  EXPECT_EQ(Text(grown), std::string(200, 'a') + std::string(56, 'b'));
}

TEST(ZQ_String, ReplacingWithTextOfTheSameStringReallocates) {
  ZQ_String s = ZQ_String::WithCapacity(31);
  s = "abcdef";
  s.ReplaceWithoutShrinking(3, 0, s.GetText(), s.GetLength());
  EXPECT_EQ(Text(s), "abcabcdefdef");
  s += s;
  EXPECT_EQ(Text(s), "abcabcdefdefabcabcdefdef");
  s.Replace(0, 3, s.GetText() + 6, 6);
  EXPECT_EQ(Text(s), "defdefabcdefdefabcabcdefdef");
}

TEST(ZQ_String, ReplaceCutsTheCountAndTreatsNullAsNothing) {
  ZQ_String s("abcdef");
  s.Replace(4, 100, "Z", 1);
  EXPECT_EQ(Text(s), "abcdZ");
  s.Replace(1, 1, nullptr, 7);
  EXPECT_EQ(Text(s), "acdZ");
}

TEST(ZQ_String, ReplaceOutsideTheTextFailsAndChangesNothing) {
  const struct { int start; int count; int textLength; const char* condition; } kCases[] = {
      {7, 0, 1, "(Start >= 0) and (Start <= GetLength())"},
      {-1, 1, 1, "(Start >= 0) and (Start <= GetLength())"},
      {ZQ_NoMatch, 0, 1, "(Start >= 0) and (Start <= GetLength())"},
      {0, -2, 1, "(Count >= 0) and (TextLength >= 0)"},
      {0, 1, -1, "(Count >= 0) and (TextLength >= 0)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.start);
    ZQ_String s("abcdef");
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { s.Replace(c.start, c.count, "X", c.textLength); }),
                         c.condition));
    EXPECT_EQ(Text(s), "abcdef");
  }
}

TEST(ZQ_String, AppendMakesExactRoomAndPrependUsesTheRule) {
  ZQ_String s("abc");
  s.Append('-', 4);
  EXPECT_EQ(Text(s), "abc----");
  EXPECT_EQ(s.GetCapacity(), 7);
  s.Prepend('>', 2);
  EXPECT_EQ(Text(s), ">>abc----");
  EXPECT_EQ(s.GetCapacity(), 15);
  const char* text = s.GetText();
  s.Prepend('<');  // fits: in place
  EXPECT_EQ(s.GetText(), text);
  EXPECT_EQ(Text(s), "<>>abc----");
  s.Append('x', 0);
  EXPECT_EQ(Text(s), "<>>abc----");
}

TEST(ZQ_String, EmptyWorksInPlaceOnlyWhenUnsharedAndLargeEnough) {
  ZQ_String s("abcdefghij");
  const char* text = s.GetText();
  s.Empty(5);
  EXPECT_EQ(s.GetText(), text);
  EXPECT_EQ(s.GetCapacity(), 10);
  EXPECT_EQ(s.GetLength(), 0);
  s.Empty(20);
  EXPECT_EQ(s.GetCapacity(), 20);
  ZQ_String copy = s;
  copy.Empty(5);
  EXPECT_EQ(copy.GetCapacity(), 5);
  EXPECT_EQ(s.GetCapacity(), 20);
}

TEST(ZQ_String, PadFillsTheWantedSide) {
  const struct { int length; int mode; const char* want; } kCases[] = {
      {5, 0, "ab***"}, {5, 1, "***ab"}, {5, 2, "**ab*"},
      {6, 2, "**ab**"}, {2, 0, "ab"},  {5, 3, "ab"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.want);
    ZQ_String s("ab");
    s.Pad(c.length, c.mode, '*');
    EXPECT_EQ(Text(s), c.want);
  }
  ZQ_String longer("abc");
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { longer.Pad(2, 0, '*'); }),
                       "GetLength() <= DesiredLength"));
}

// ---------------------------------------------------------------------------
// Indexing

TEST(ZQ_String, IndexOutsideTheTextFailsItsAssertion) {
  ZQ_String s("abc");
  const ZQ_String& c = s;
  for (int i : {3, 100, ZQ_NoMatch}) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { s[i] = 'x'; }),
                         "(i != ZQ_NoMatch) and (i < GetLength())"));
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { (void)c[i]; }),
                         "(i != ZQ_NoMatch) and (i < GetLength())"));
  }
  // A negative index other than ZQ_NoMatch would reach before the text.
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { s[-1] = 'x'; }), "i >= 0"));
  EXPECT_EQ(Text(s), "abc");
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { (void)ZQ_String().GetFirstChar(); }),
                       "GetLength() > 0"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { (void)ZQ_String().GetLastChar(); }),
                       "GetLength() > 0"));
}

TEST(ZQ_String, IgnoredIndexFailuresStayInsideTheText) {
  ZQ_String s("abc");
  {
    IgnoringAssertions ignoring;
    s[-1] = 'x';
    s[3] = 'y';
    s(0, 2)[5] = 'z';
    const ZQ_String& c = s;
    EXPECT_EQ(c[-5], '\0');
    EXPECT_EQ(ZQ_String().GetFirstChar(), '\0');
  }
  EXPECT_EQ(Text(s), "abc");
  EXPECT_EQ(s.GetText()[3], '\0');
}

// ---------------------------------------------------------------------------
// Queries

TEST(ZQ_String, FindReturnsTheFirstMatchFromStart) {
  const ZQ_String s("abcabcABC");
  const struct { const char* pattern; int start; bool ignoreCase; int want; const char* why; } kCases[] = {
      {"bc", 0, false, 1, "first match"},
      {"bc", 2, false, 4, "from a later start"},
      {"BC", 0, false, 7, "case matters"},
      {"BC", 0, true, 1, "case ignored"},
      {"", 4, false, 4, "empty pattern gives the start"},
      {"abcd", 6, false, ZQ_NoMatch, "start + length beyond the text"},
      {"C", 8, false, 8, "match at the very end"},
      {"x", 0, false, ZQ_NoMatch, "absent"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(s.Find(c.pattern, static_cast<int>(std::strlen(c.pattern)), c.start, c.ignoreCase), c.want);
  }
  EXPECT_EQ(s.Find('c'), 2);
  EXPECT_EQ(s.Find('z'), ZQ_NoMatch);
  EXPECT_EQ(s.Find("ca"), 2);
  EXPECT_EQ(s.Find(ZQ_String("ABC")), 6);
  EXPECT_TRUE(s.Contains("cab"));
  EXPECT_TRUE(s.Contains("CAB", true));
  EXPECT_FALSE(s.Contains("CAB"));
  EXPECT_EQ(s.FindLast('b'), 4);
  EXPECT_EQ(s.FindLast("abc"), 3);
  EXPECT_EQ(s.FindLast(""), ZQ_NoMatch);
  EXPECT_EQ(ZQ_String("a\0b", 3).FindLast('b'), ZQ_NoMatch);  // stops at the NUL
}

TEST(ZQ_String, FindFromANegativeStartFailsItsAssertion) {
  const ZQ_String s("abc");
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { s.Find("b", ZQ_NoMatch); }),
                       "(Start >= 0) and (PatternLength >= 0)"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { s.Find(static_cast<const char*>(nullptr), 0); }), "S"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { s.Find(nullptr, 1, 0, false); }), "Pattern"));
}

TEST(ZQ_String, CompareOrdersBytesThenLengths) {
  const struct { const char* a; const char* b; bool ignoreCase; int want; } kCases[] = {
      {"abc", "abd", false, -1}, {"ab", "abc", false, -1}, {"abc", "ab", false, 1},
      {"abc", "abc", false, 0},  {"ABC", "abc", true, 0},  {"ABC", "abc", false, -32},
      {"\xFF", "a", false, 0xFF - 'a'}, {"b", "A", true, 1}, {"", "", false, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
    EXPECT_EQ(ZQ_String(c.a).Compare(ZQ_String(c.b), c.ignoreCase), c.want);
  }
}

TEST(ZQ_String, CompareWithTextUsesSignedCharacters) {
  const struct { const char* a; const char* b; bool ignoreCase; int want; } kCases[] = {
      {"abc", "abd", false, -1}, {"ab", "abc", false, -1}, {"abc", "ab", false, 1},
      {"abc", "abc", false, 0},  {"ABC", "abc", true, 0},  {"\xFF", "a", false, -1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
    EXPECT_EQ(ZQ_String(c.a).Compare(c.b, c.ignoreCase), c.want);
  }
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { ZQ_String("a").Compare(static_cast<const char*>(nullptr)); }),
                       "cs2 != NULL"));
}

TEST(ZQ_String, HashesMatchTheirPublishedValues) {
  const struct { const char* text; bool ignoreCase; unsigned int want; } kCases[] = {
      {"abcd", false, 0x646362E1u}, {"abc", false, 0x00616203u},
      {"abcde", false, 0x8C6C5849u}, {"", false, 0u},
      {"abc", true, 0x00008C03u},   {"ABC", true, 0x00008C03u},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ZQ_String(c.text).GetHash(c.ignoreCase), c.want);
  }
  EXPECT_EQ(ZQ_CaseInsensitiveString("MiXeD").GetHash(), ZQ_CaseInsensitiveString("mixed").GetHash());
}

TEST(ZQ_String, EqualityComparesLengthsAndAllBytes) {
  EXPECT_TRUE(ZQ_String("abc") == ZQ_String("abc"));
  EXPECT_FALSE(ZQ_String("a\0b", 3) == ZQ_String("a\0c", 3));
  EXPECT_FALSE(ZQ_String("a\0b", 3) == "a");
  EXPECT_TRUE(ZQ_String("abc") == "abc");
  EXPECT_TRUE("abc" != ZQ_String("ab"));
  EXPECT_TRUE(ZQ_String("ab") < ZQ_String("abc"));
}

TEST(ZQ_String, PartsAndEnds) {
  const ZQ_String s("abcdef");
  EXPECT_EQ(Text(s.GetLeft(2)), "ab");
  EXPECT_EQ(Text(s.GetLeft(10)), "abcdef");
  EXPECT_EQ(Text(s.GetRight(2)), "ef");
  EXPECT_EQ(Text(s.GetRight(10)), "abcdef");
  EXPECT_EQ(ZQ_Left(s, 6).GetText(), s.GetText());  // shared, not copied
  EXPECT_EQ(Text(ZQ_Left(s, 3)), "abc");
  EXPECT_TRUE(s.BeginsWith("abc"));
  EXPECT_FALSE(s.BeginsWith("abcdefg"));
  EXPECT_TRUE(s.EndsWith(ZQ_String("def")));
  EXPECT_FALSE(s.EndsWith("cde"));
  EXPECT_EQ(s.GetFirstChar(), 'a');
  EXPECT_EQ(s.GetLastChar(), 'f');
}

TEST(ZQ_String, ConcatenationAndCaseConversions) {
  const ZQ_String s("Ab");
  EXPECT_EQ(Text(s + "Cd"), "AbCd");
  EXPECT_EQ(Text("Cd" + s), "CdAb");
  EXPECT_EQ(Text(s + s), "AbAb");
  EXPECT_EQ(Text(ZQ_ToLowerCase(s)), "ab");
  EXPECT_EQ(Text(ZQ_ToUpperCase(s)), "AB");
  EXPECT_EQ(Text(s), "Ab");
}

// ---------------------------------------------------------------------------
// Fragments and stripping

TEST(ZQ_String, StripFragmentDropsRunsAtTheChosenEnds) {
  const struct { const char* text; ZQ_StripType type; const char* want; bool emptyView; } kCases[] = {
      {"xxabxx", ZQ_Strip_Leading, "abxx", false},
      {"xxabxx", ZQ_Strip_Trailing, "xxab", false},
      {"xxabxx", ZQ_Strip_Both, "ab", false},
      {"xxx", ZQ_Strip_Both, "", true},
      {"", ZQ_Strip_Both, "", true},
      {"axb", ZQ_Strip_Both, "axb", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    const ZQ_String s(c.text);
    const ZQ_StringFragment f = s.GetStripFragment(c.type, 'x');
    EXPECT_EQ(f.GetBegin() == ZQ_NoMatch, c.emptyView);
    EXPECT_TRUE(f == c.want);
    EXPECT_EQ(Text(ZQ_StripChar(s, c.type, 'x')), c.want);
  }
  const ZQ_String plain("abc");
  EXPECT_EQ(ZQ_StripChar(plain, ZQ_Strip_Both, 'x').GetText(), plain.GetText());
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { plain.GetStripFragment(static_cast<ZQ_StripType>(0), 'x'); }),
                       "static_cast <int> (ST) != 0"));
}

TEST(ZQ_String, FragmentsCompareAndReplaceTheirRange) {
  ZQ_String s("hello world");
  EXPECT_TRUE(s(6, 5) == ZQ_String("world"));
  EXPECT_FALSE(s(6, 5) == ZQ_String("worl"));
  EXPECT_TRUE(s(0, 0) == "");
  s(0, 5) = ZQ_String("goodbye");
  EXPECT_EQ(Text(s), "goodbye world");
  ZQ_StringFragment empty(s, ZQ_NoMatch, 0);
  empty = ZQ_String("ignored");
  EXPECT_EQ(Text(s), "goodbye world");
  EXPECT_TRUE(empty == ZQ_String());
  EXPECT_FALSE(empty == "x");
  s(0, 4) = s;  // the string into itself
  EXPECT_EQ(Text(s), "goodbye worldbye world");
}

TEST(ZQ_String, FragmentsOutsideTheStringFailTheirAssertions) {
  const ZQ_String s("abc");
  const struct { int start; int length; const char* condition; } kCases[] = {
      {ZQ_NoMatch, 2, "(Start != ZQ_NoMatch) or (nextent == 0)"},
      {2, 2, "(Start == ZQ_NoMatch) or (Start + nextent <= str.GetLength())"},
      {-1, 1, "(Start == ZQ_NoMatch) or ((Start >= 0) and (nextent >= 0))"},
      {1, -1, "(Start == ZQ_NoMatch) or ((Start >= 0) and (nextent >= 0))"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.condition);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { s(c.start, c.length); }), c.condition));
  }
  ZQ_String t("abc");
  ZQ_StringFragment f = t(1, 2);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { f[2] = 'x'; }),
                       "(i != ZQ_NoMatch) and (i < GetLength())"));
  t = "a";  // the fragment now reaches past the text
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { (void)(f == "bc"); }),
                       "SF.Begin + SF.Length <= SF.Str->GetLength()"));
  EXPECT_FALSE(f == ZQ_String("bc"));
  EXPECT_EQ(ZQ_String(f).GetLength(), 0);
}

TEST(ZQ_String, NullTextsFailTheirAssertions) {
  const char* null = nullptr;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { ZQ_String s(null); }), "C"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { ZQ_String s(null, 3); }), "C"));
  ZQ_String s("abc");
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { s = null; }), "C"));
  EXPECT_EQ(Text(s), "abc");
  s += null;  // appending nothing
  EXPECT_EQ(Text(s), "abc");
}

TEST(ZQ_CaseInsensitiveString, ComparesAndOrdersWithoutCase) {
  const ZQ_CaseInsensitiveString a("Hello");
  const ZQ_CaseInsensitiveString b("hELLO");
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a != b);
  EXPECT_FALSE(a < b);
  EXPECT_TRUE(ZQ_CaseInsensitiveString("apple") < ZQ_CaseInsensitiveString("BANANA"));
  EXPECT_FALSE(static_cast<const ZQ_String&>(a) == static_cast<const ZQ_String&>(b));
}

}  // namespace

TEST(ZQ_String, AppendingCharactersKeepsTheCapacityRule) {
  // One character at a time: in place while there is room, else the block
  // grows by the capacity rule; blocks given back are reused for other texts.
  ZQ_String text;
  std::string want;
  for (int i = 0; i < 600; ++i) {
    const char letter = static_cast<char>('a' + i % 26);
    const ZQ_String other(letter, i % 70);  // takes and gives back blocks meanwhile
    text += letter;
    want += letter;
    ASSERT_EQ(text.GetCapacity(), ZQ_String::ComputeCapacity(i + 1)) << i;
    ASSERT_EQ(std::string(other.GetText()), std::string(static_cast<std::size_t>(i % 70), letter));
  }
  EXPECT_EQ(want, text.GetText());
  // A shared text, and one with too much room, take the way of Replace.
  const ZQ_String copy = text;
  text += '!';
  EXPECT_EQ(copy.GetLength(), 600);
  EXPECT_EQ(text.GetLength(), 601);
  ZQ_String roomy = ZQ_String::WithCapacity(100);
  roomy += 'x';
  EXPECT_EQ(roomy.GetCapacity(), 7);
}
