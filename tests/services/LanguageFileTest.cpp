#include "ZQ_Internationalization_LanguageFile.h"

#include <gtest/gtest.h>

#include <string>

#include "../foundation/AssertionTestSupport.h"
#include "../foundation/ScratchFileSupport.h"
#include "../foundation/StringTestSupport.h"
#include "../foundation/WinApiTestSupport.h"
#include "LanguageFileTestSupport.h"
#include "ZQ_Exception.h"

namespace {

// Failed file opens throw (mode 0) instead of ending the program.
using LanguageFile = ApiFailureModeTest;

// The name and description of the exception Read throws ("" when none).
std::pair<std::string, std::string> ReadFailure(const std::string& Name) {
  ZQ_Internationalization_LanguageFile file;
  try {
    file.Read(ZQ_FileName(Name.c_str()));
  } catch (const ZQ_Exception& e) {
    return {Text(e.GetName()), Text(e.GetDescription())};
  }
  return {"", ""};
}

std::string FileLine(const std::string& Name) {
  return "This error occurred while reading the language file \"" + Name + "\".";
}

TEST_F(LanguageFile, ReadsEntriesWithTranslationsFlagsAndTimeStamps) {
  ScratchFolder folder("LanguageFileRead");
  for (long version : {0L, 1L}) {
    SCOPED_TRACE(version);
    const std::string name = folder.Put(
        "de.langimp",
        LanguageFileBytes("de",
                          {{"Open", {"Offnen"}, 0, 1000, 55000},
                           {"{$1} file", {"{$1} Datei", "{$1} Dateien"}, 1, 0, 0},
                           {"Plural without forms", {}, 1, 0, 0}},
                          version));
    ZQ_Internationalization_LanguageFile file;
    file.Read(ZQ_FileName(name.c_str()));
    EXPECT_EQ(Text(file.GetLocaleCode()), "de");
    EXPECT_TRUE(file.IsLanguageImplementationFile());
    EXPECT_EQ(Text(file.GetNotes()), "notes");
    EXPECT_EQ(file.GetNumPluralForms(), 2);
    ASSERT_EQ(file.GetNumStrings(), 3);
    EXPECT_TRUE(file.ContainsUntranslatedText("{$1} file"));
    EXPECT_FALSE(file.ContainsUntranslatedText("Close"));

    const auto& open = file.GetTranslatedStringFromIndex(0);
    EXPECT_EQ(Text(open.GetUntranslatedText()), "Open");
    EXPECT_FALSE(open.HasPluralForms());
    EXPECT_EQ(Text(open.GetTranslation(0)), "Offnen");
    EXPECT_EQ(open.GetTimeStamp().GetTime().GetMillisecondsSinceMidnight(), 1000);
    EXPECT_EQ(open.GetTimeStamp().GetDate().GetModifiedJulianDate(), 55000);
    EXPECT_EQ(Text(open.Remark4), "r4");

    const long plural = file.GetTranslatedStringIndexFromUntranslatedText("{$1} file");
    EXPECT_EQ(plural, 1);
    const auto& files = file.GetTranslatedStringFromIndex(plural);
    EXPECT_TRUE(files.HasPluralForms());
    ASSERT_EQ(files.GetNumPluralForms(), 2);
    EXPECT_EQ(Text(files.GetTranslation(1)), "{$1} Dateien");
    EXPECT_EQ(file.GetTranslatedStringFromIndex(2).GetNumPluralForms(), 0);
  }
}

TEST_F(LanguageFile, ANewTextGetsANewEntryAtTheEnd) {
  ZQ_Internationalization_LanguageFile file;
  EXPECT_EQ(file.GetTranslatedStringIndexFromUntranslatedText("a"), 0);
  EXPECT_EQ(file.GetTranslatedStringIndexFromUntranslatedText("b"), 1);
  EXPECT_EQ(file.GetTranslatedStringIndexFromUntranslatedText("a"), 0);
  EXPECT_EQ(file.GetNumStrings(), 2);
  EXPECT_EQ(Text(file.GetTranslatedStringFromIndex(1).GetUntranslatedText()), "b");
  EXPECT_EQ(Text(file.GetCharacterSet()), "CP1252");
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { file.GetTranslatedStringFromIndex(2); }),
                       "Index < NumStrings"));
  EXPECT_TRUE(FailedOn(
      AssertionFailureOf([&] { file.GetTranslatedStringFromIndex(0).GetTranslation(0); }),
      "PluralFormIndex < GetNumPluralForms()"));
}

TEST_F(LanguageFile, ATemplateReadsWithoutError) {
  ScratchFolder folder("LanguageFileTemplate");
  const std::string name =
      folder.Put("t.langtemplate", LanguageFileBytes("", {{"Open", {""}, 0, 0, 0}}));
  ZQ_Internationalization_LanguageFile file;
  file.Read(ZQ_FileName(name.c_str()));
  EXPECT_FALSE(file.IsLanguageImplementationFile());
  EXPECT_EQ(file.GetNumStrings(), 1);
}

TEST_F(LanguageFile, FormatErrorsNameTheProblemAndTheFile) {
  ScratchFolder folder("LanguageFileErrors");
  std::string badUID = LanguageFileBytes("de", {});
  badUID[4] = 0x18;
  std::string negativeCount = LanguageFileBytes("de", {{"x", {"y"}, 0, 0, 0}});
  // The translation count follows the header and the text "x".
  const size_t countAt = negativeCount.size() - (4 + 1 + 4 + 4 + 4 + 4 + 4 * 6) - 4;
  negativeCount.replace(countAt, 4, std::string("\xFF\xFF\xFF\xFF", 4));
  const struct { const char* file; std::string bytes; const char* description; const char* why; }
      kCases[] = {
          {"uid.langimp", badUID, "Not a valid language file", "wrong file type"},
          {"v2.langimp", LanguageFileBytes("de", {}, 2),
           "This is a version 2 language file.  I can process language files up to version 1.",
           "version above 1"},
          {"dup.langimp",
           LanguageFileBytes("de", {{"Open", {"a"}, 0, 0, 0}, {"Open", {"b"}, 0, 0, 0}}),
           "The langauge file contains more than one entry for the string \"Open\".",
           "two entries for one text"},
          {"short.langimp", LanguageFileBytes("de", {{"Open", {"a"}, 0, 0, 0}}).substr(0, 40),
           nullptr, "a file that ends early fails in the stream"},
          {"neg.langimp", negativeCount, nullptr, "a negative translation count is damage"},
      };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string name = folder.Put(c.file, c.bytes);
    const auto failure = ReadFailure(name);
    ASSERT_FALSE(failure.first.empty());
    if (c.description) {
      EXPECT_EQ(failure.first, "Error reading language file");
      EXPECT_EQ(failure.second, WithParagraph(c.description, FileLine(name)));
    } else {
      const std::string line = FileLine(name);
      ASSERT_GE(failure.second.size(), line.size());
      EXPECT_EQ(failure.second.substr(failure.second.size() - line.size()), line);
    }
  }
}

// The settings registry refuses these too; a file may not slip them in.
TEST_F(LanguageFile, TimeStampsOfNoLegalDateOrTimeOfDayAreDamagedData) {
  ScratchFolder folder("LanguageFileTimeStamps");
  const struct { long milliseconds, mjd; const char* failure; } kCases[] = {
      {0, -100762, ""}, {86399999, 416786, ""},  // the first and the last legal moment
      {86400000, 55000, "Damaged data"}, {-1, 55000, "Damaged data"},
      {0, -100763, "Damaged data"}, {0, -2401464, "Damaged data"},
  };
  for (const auto& c : kCases) {
    const std::string name =
        folder.Put("stamp.langimp", LanguageFileBytes("de", {{"Open", {"a"}, 0, c.milliseconds, c.mjd}}));
    EXPECT_EQ(ReadFailure(name).first, c.failure) << c.milliseconds << " ms, day " << c.mjd;
  }
}

TEST_F(LanguageFile, AMissingFileFailsWithTheFileLine) {
  ScratchFolder folder("LanguageFileMissing");
  const std::string name = folder / "none.langimp";
  const auto failure = ReadFailure(name);
  const std::string line = FileLine(name);
  ASSERT_GE(failure.second.size(), line.size());
  EXPECT_EQ(failure.second.substr(failure.second.size() - line.size()), line);
}

// A damaged file is reported as such: never an assertion, a crash or a huge
// allocation, whatever byte is cut off or changed.
TEST_F(LanguageFile, EveryTruncationAndByteDamageIsAReadError) {
  ScratchFolder folder("LanguageFileDamage");
  const std::string bytes = LanguageFileBytes(
      "de", {{"Open", {"Offnen"}, 0, 1000, 55000}, {"{$1} file", {"a", "b"}, 1, 0, 0}});
  const auto isReadError = [](const std::string& Name) {
    return Name.empty() || Name == "Error reading language file" || Name == "Damaged data";
  };
  for (size_t length = 0; length < bytes.size(); ++length) {
    const std::string name = ReadFailure(folder.Put("cut.langimp", bytes.substr(0, length))).first;
    EXPECT_TRUE(isReadError(name) && !name.empty()) << "length " << length << ": " << name;
  }
  for (size_t at = 0; at < bytes.size(); ++at) {
    for (unsigned char value : {0x00, 0x7F, 0x80, 0xFF}) {
      std::string damaged = bytes;
      damaged[at] = static_cast<char>(value);
      const std::string name = ReadFailure(folder.Put("bad.langimp", damaged)).first;
      EXPECT_TRUE(isReadError(name)) << "byte " << at << " = " << int(value) << ": " << name;
    }
  }
}

}  // namespace
