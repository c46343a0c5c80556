#include <gtest/gtest.h>

#include <map>
#include <string>

#include "TranslationTestSupport.h"
#include "ZQ_Internationalization.h"

namespace {

class Translation : public testing::Test {
 protected:
  TestDictionary dictionary{{{"File-:-Open", "Menu-:-Ouvrir"},
                             {"Open", "Ouvrir (sans contexte)"},
                             {"Deleting {$1} now", "{$1} wird gelöscht, {$1}!"}}};
};

TEST_F(Translation, NormalModeLooksUpTheWholeTextAndStripsTheContext) {
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
  const struct { const char* text; const char* want; const char* why; } kCases[] = {
      {"File-:-Open", "Ouvrir", "entry found: its own prefix is removed too"},
      {"Edit-:-Open", "Open", "the prefix is part of the key: no entry"},
      {"Open", "Ouvrir (sans contexte)", "plain key"},
      {"Close", "Close", "no entry: the text itself"},
      {"a-:-b-:-c", "b-:-c", "only the first marker goes"},
      {"", "", "empty text"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_STREQ(ZQ_Internationalization_Translate(c.text).GetText(), c.want);
  }
}

TEST_F(Translation, NoTranslationModeOnlyStripsTheContext) {
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NoTranslation);
  const ZQ_String plain("Open");
  const ZQ_String translated = ZQ_Internationalization_Translate(plain);
  EXPECT_STREQ(translated.GetText(), "Open");
  EXPECT_EQ(translated.GetText(), plain.GetText());  // returned unchanged, shared
  EXPECT_STREQ(ZQ_Internationalization_Translate("File-:-Open").GetText(), "Open");
}

TEST_F(Translation, WithoutADictionaryEveryTextStandsForItself) {
  ZQ_Internationalization_SetDictionaryLookup(nullptr);
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
  EXPECT_STREQ(ZQ_Internationalization_Translate("File-:-Open").GetText(), "Open");
  EXPECT_STREQ(ZQ_Internationalization_Translate("Open").GetText(), "Open");
}

TEST_F(Translation, StripContextMarkerRemovesUpToTheFirstMarker) {
  const struct { const char* text; const char* want; } kCases[] = {
      {"File-:-Open", "Open"}, {"-:-", ""}, {"no marker", "no marker"},
      {"x-:-y-:-z", "y-:-z"}, {"-:", "-:"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    ZQ_String text(c.text);
    ZQ_Internationalization_StripContextMarkerText(text);
    EXPECT_STREQ(text.GetText(), c.want);
  }
}

TEST_F(Translation, PlaceholdersAreFilledAfterTranslation) {
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
  const ZQ_String filled = ZQ_Internationalization_FillPlaceholders(
      ZQ_Internationalization_Translate("Deleting {$1} now"), ZQ_String("x"));
  EXPECT_STREQ(filled.GetText(), "x wird gelöscht, x!");
}

TEST(ZQ_Internationalization, FillPlaceholdersReplacesPlainNumberedSymbols) {
  const struct { const char* text; const char* want; const char* why; } kCases[] = {
      {"Deleting {$1} now", "Deleting A now", "one value"},
      {"{$2} before {$1}", "B before A", "order moved by the translation"},
      {"{$1}{$1}", "AA", "repeated"},
      {"{$3} and {$0}", " and ", "numbers without a value give nothing"},
      {"{$1", "{$1", "unclosed"},
      {"{$} {$x} {1}", "{$} {$x} {1}", "no placeholders: no $ followed by a digit"},
      {"[{$1w3}] [{l$2w3}]", "[  A] [B  ]", "a format text around the number"},
      {"{$1,}", "A", "a format text without effect on a text"},
      {"{{$1}}", "{A}", "braces around a symbol"},
      {"", "", "empty template"},
  };
  const ZQ_String values[] = {"A", "B"};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_STREQ(ZQ_Internationalization_FillPlaceholders(c.text, values, 2).GetText(), c.want);
  }
}

TEST(ZQ_Internationalization, InsertedValuesAreNotScannedAgain) {
  EXPECT_STREQ(ZQ_Internationalization_FillPlaceholders("<{$1}>", ZQ_String("{$1}")).GetText(),
               "<{$1}>");
  EXPECT_STREQ(
      ZQ_Internationalization_FillPlaceholders("{$1}{$2}", ZQ_String("{$"), ZQ_String("2}")).GetText(),
      "{$2}");
}

}  // namespace
