#include <gtest/gtest.h>

#include <string>

#include "AssertionTestSupport.h"
#include "StringTestSupport.h"
#include "WinApiTestSupport.h"
#include "ZQLOW_Windows.h"
#include "ZQ_BinaryStreamParser.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_FileName.h"
#include "ZQ_Map.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

// Path, base and extension of a name, joined by "|".
std::string PartsOf(const ZQ_FileName& Name) {
  return Text(Name.GetPath()) + "|" + Text(Name.GetBase()) + "|" + Text(Name.GetExtension());
}

TEST(ZQ_FileName, TextIsSplitIntoPathBaseAndExtension) {
  const struct { const char* text; const char* parts; const char* why; } kCases[] = {
      {"C:\\data\\run.cfg", "C:\\data\\|run|.cfg", "the usual name"},
      {"dir/sub/name.tar.gz", "dir/sub/|name.tar|.gz", "the last dot starts the extension"},
      {"a.b.c", "|a.b|.c", "no path"},
      {"dir.x\\file", "dir.x\\|file|", "a dot in the path is no extension"},
      {".profile", "||.profile", "only an extension"},
      {"file.", "|file|.", "an extension of the dot alone"},
      {"dir\\", "dir\\||", "ending in a separator"},
      {"C:run.cfg", "|C:run|.cfg", "a drive colon is no separator"},
      {"mixed/seps\\x", "mixed/seps\\|x|", "both separators count"},
      {"plain", "|plain|", "neither dot nor separator"},
      {"", "||", "empty"},
      {"\"C:\\My Files\\a.txt\"", "C:\\My Files\\|a|.txt", "enclosing quotes are dropped"},
      {"C:\\My \"Files\"\\a.txt", "C:\\My Files\\|a|.txt", "every quote is dropped"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(PartsOf(ZQ_FileName(c.text)), c.parts);
    EXPECT_EQ(PartsOf(ZQ_FileName(ZQ_String(c.text))), c.parts);
    ZQ_FileName assigned("x.y");
    assigned = c.text;
    EXPECT_EQ(PartsOf(assigned), c.parts);
  }
}

TEST(ZQ_FileName, QueriesFollowTheParts) {
  const ZQ_FileName name("C:\\data\\run.cfg");
  EXPECT_EQ(Text(name.GetFileName()), "run.cfg");
  EXPECT_EQ(Text(name.GetPathName()), "C:\\data\\run.cfg");
  EXPECT_TRUE(name.HasExtension());
  EXPECT_FALSE(ZQ_FileName("dir.x\\file").HasExtension());
  EXPECT_TRUE(ZQ_FileName().IsNull());
  EXPECT_TRUE(name.IsNotNull());
}

TEST(ZQ_FileName, SettersReplaceOnePart) {
  using Setter = void (*)(ZQ_FileName&);
  const struct { const char* start; Setter set; const char* result; const char* why; } kCases[] = {
      {"run.cfg", [](ZQ_FileName& n) { n.SetPath("C:\\data", 0); }, "C:\\data\\|run|.cfg", "a separator is added"},
      {"run.cfg", [](ZQ_FileName& n) { n.SetPath("C:/data/", 0); }, "C:/data/|run|.cfg", "a separator is kept"},
      {"C:\\data\\run.cfg", [](ZQ_FileName& n) { n.SetPath("", 0); }, "|run|.cfg", "an empty path removes it"},
      {"C:\\data\\run.cfg", [](ZQ_FileName& n) { n.SetPath("\"D:\\x y\"", 0); }, "D:\\x y\\|run|.cfg", "quotes are dropped"},
      {"C:\\data\\run.cfg", [](ZQ_FileName& n) { n.SetBase("walk", 0); }, "C:\\data\\|walk|.cfg", "a new base"},
      {"C:\\data\\run.cfg", [](ZQ_FileName& n) { n.SetBase("", 0); }, "C:\\data\\||.cfg", "an empty base"},
      {"run", [](ZQ_FileName& n) { n.SetExtension("cfg", 0); }, "|run|.cfg", "a dot is put before"},
      {"run", [](ZQ_FileName& n) { n.SetExtension(".cfg", 0); }, "|run|.cfg", "the same with the dot"},
      {"run.cfg", [](ZQ_FileName& n) { n.SetExtension("", 0); }, "|run|", "an empty extension removes it"},
      {"C:\\data\\run.cfg", [](ZQ_FileName& n) { n.SetFileName("a.b.txt", 0); }, "C:\\data\\|a.b|.txt", "the file name is parsed again"},
      {"C:\\data\\run.cfg", [](ZQ_FileName& n) { n.SetFileName("noext", 0); }, "C:\\data\\|noext|", "a file name without extension"},
      // SetMode 1 keeps a part that is there
      {"C:\\data\\run.cfg", [](ZQ_FileName& n) { n.SetPath("D:\\", 1); }, "C:\\data\\|run|.cfg", "path kept"},
      {"run.cfg", [](ZQ_FileName& n) { n.SetPath("D:\\", 1); }, "D:\\|run|.cfg", "missing path set"},
      {"C:\\data\\run.cfg", [](ZQ_FileName& n) { n.SetBase("walk", 1); }, "C:\\data\\|run|.cfg", "base kept"},
      {"C:\\data\\.cfg", [](ZQ_FileName& n) { n.SetBase("walk", 1); }, "C:\\data\\|walk|.cfg", "missing base set"},
      {"run.cfg", [](ZQ_FileName& n) { n.SetExtension("txt", 1); }, "|run|.cfg", "extension kept"},
      {"run", [](ZQ_FileName& n) { n.SetExtension("txt", 1); }, "|run|.txt", "missing extension set"},
      {"C:\\data\\run.cfg", [](ZQ_FileName& n) { n.SetFileName("x.y", 1); }, "C:\\data\\|run|.cfg", "file name kept"},
      {"C:\\data\\", [](ZQ_FileName& n) { n.SetFileName("x.y", 1); }, "C:\\data\\|x|.y", "missing file name set"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_FileName name(c.start);
    c.set(name);
    EXPECT_EQ(PartsOf(name), c.result);
  }
}

TEST(ZQ_FileName, PartsThatBreakTheInvariantFailTheAssertion) {
  const struct { void (*set)(ZQ_FileName&); const char* condition; } kCases[] = {
      {[](ZQ_FileName& n) { n.SetExtension("a/b", 0); },
       "S.FindIndexOfFirstOccurence ('/') == ZQ_NoMatch and "
       "S.FindIndexOfFirstOccurence ('\\\\') == ZQ_NoMatch"},
      {[](ZQ_FileName& n) { n.SetExtension("a\\b", 0); },
       "S.FindIndexOfFirstOccurence ('/') == ZQ_NoMatch and "
       "S.FindIndexOfFirstOccurence ('\\\\') == ZQ_NoMatch"},
      {[](ZQ_FileName& n) { n.SetExtension(".a.b", 0); },
       "ZQ_String (Name (Eindex, Name.GetLength()-Eindex)).FindIndexOfLastOccurence ('.') == 0"},
      {[](ZQ_FileName& n) { n.SetBase("/", 0); },  // as SetExtension("/") fails
       "GetBase ().FindIndexOfFirstOccurence ('/') == ZQ_NoMatch and "
       "GetBase ().FindIndexOfFirstOccurence ('\\\\') == ZQ_NoMatch"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.condition);
    ZQ_FileName name("C:\\data\\run.cfg");
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { c.set(name); }), c.condition));
  }
}

// The binary form is the path name as a binary string; reading it back
// assigns it like text, dropping quotes.
TEST(ZQ_FileName, BinaryFormIsThePathNameAndReadsBackLikeText) {
  ZQ_String bytes;
  ZQ_StreamSink sink = ZQ_CreateStringStreamSink(&bytes);
  sink << ZQ_FileName("dir/a.tar.gz") << ZQ_String("\"C:\\My Files\\a.txt\"");
  EXPECT_EQ(Text(bytes).substr(0, 16), std::string("\x0C\0\0\0dir/a.tar.gz", 16));
  ZQ_FileName first, second("old.txt");
  ZQ_BinaryStreamParser parser(ZQ_CreateStringStreamSource(bytes));
  parser >> first >> second;
  EXPECT_EQ(PartsOf(first), "dir/|a.tar|.gz");
  EXPECT_EQ(PartsOf(second), "C:\\My Files\\|a|.txt");
}

std::string CurrentDirectory() {
  char directory[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, directory);
  return directory;
}

TEST(ZQ_FileName, AbsoluteNamesAreRelativeToTheCurrentDirectory) {
  std::string folder = CurrentDirectory();
  if (folder.back() != '\\') folder += '\\';
  const ZQ_FileName relative("sub\\run.cfg");
  EXPECT_EQ(Text(relative.GetAbsolutePathName()), folder + "sub\\run.cfg");
  EXPECT_EQ(Text(relative.GetAbsolutePath()), folder + "sub\\");
  EXPECT_EQ(Text(relative.GetShortestPathName()), folder + "sub\\run.cfg");
  EXPECT_EQ(Text(ZQ_FileName("C:\\a\\..\\b.txt").GetAbsolutePathName()), "C:\\b.txt");
  EXPECT_EQ(Text(ZQ_FileName().GetAbsolutePathName()), "");
}

using ZQ_FileNameFailures = ApiFailureModeTest;

// Windows refuses an 8-bit name this long before the buffer matters.
TEST_F(ZQ_FileNameFailures, NameTooLongIsReported) {
  const ZQ_FileName name(("C:\\" + std::string(1100, 'a')).c_str());
  const ApiFailure failure = ApiFailureOf([&] { name.GetAbsolutePathName(); });
  EXPECT_EQ(failure.name, "Function GetFullPathName Failed");
  EXPECT_EQ(failure.description, SystemText(ERROR_FILENAME_EXCED_RANGE));
}

TEST(ZQ_FileName, NamesEqualIgnoringCaseAndHashAlike) {
  const ZQ_FileName upper("C:\\A\\B.TXT");
  const ZQ_FileName lower("c:\\a\\b.txt");
  const ZQ_FileName other("c:\\a\\c.txt");
  EXPECT_TRUE(upper == lower);
  EXPECT_FALSE(upper == other);
  EXPECT_TRUE(ZQ_FileName("C:\\A\\x\\..\\B.TXT") == lower) << "compared as absolute names";
  EXPECT_EQ(ZQ_Hash(upper), ZQ_Hash(lower));
  ZQ_Map<ZQ_FileName, int> map;
  map.Insert(upper, 7);
  int value = 0;
  EXPECT_TRUE(map.GetValueIfExists(lower, value));
  EXPECT_EQ(value, 7);
}

TEST(ZQ_FileName, TextOutputIsTheAbsoluteNamePaddedLikeAString) {
  ZQ_StringStream stream;
  stream << SetWidth(12) << ZQ_FileName("C:\\x\\..\\a.txt");
  const std::string written = Text(stream);
  EXPECT_EQ(written.size(), 12u);
  EXPECT_NE(written.find("C:\\a.txt"), std::string::npos);
}

TEST(ZQ_FileName, ContainingExecutableIsThisProgram) {
  char module[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
  const ZQ_FileName executable = ZQ_GetContainingExecutableFileName();
  EXPECT_EQ(Text(executable.GetPathName()), std::string(module, length));
  EXPECT_EQ(Text(executable.GetBase()), "FoundationTests");
  EXPECT_EQ(Text(executable.GetExtension()), ".exe");
}

TEST(ZQ_FileName, WatchedNamePrintsItsPathNameInQuotes) {
  const ZQ_FileName name("C:\\data\\run.cfg");
  ASSERT_NE(ZQ_StackTrace_VarFormatterFunTable[18], nullptr);
  EXPECT_EQ(Text(ZQ_StackTrace_VarFormatterFunTable[18](&name)), "\"C:\\data\\run.cfg\"");
  EXPECT_EQ(ZQ_StackTrace_TypeCode<ZQ_FileName>::Value, 18);
}

}  // namespace
