#include <gtest/gtest.h>

#include <string>

#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"
#include "ZQ_Array.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSink.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Hasher.h"
#include "ZQ_StringStream.h"
#include "ZQ_URI.h"

namespace {

// A folder of its own under the temporary directory, removed afterwards.
class URIFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    Folder = ZQ_FileUtils::GetTemporaryDirectory() + "ZQ URI Test #%\\";
    ZQ_FileUtils::SafeRemoveDirectory(Folder);
    ZQ_FileUtils::SafeCreateDirectory(Folder + "one");
    ZQ_FileUtils::SafeCreateDirectory(Folder + "two");
  }
  void TearDown() override { ZQ_FileUtils::SafeRemoveDirectory(Folder); }

  ZQ_FileName Write(const ZQ_String& Name, const ZQ_String& Contents) {
    ZQ_FileName File(Folder + Name);
    ZQ_SeekableStreamSink Sink = ZQ_CreateFileStreamSink(File);
    Sink.Write(Contents.GetText(), static_cast<unsigned long>(Contents.GetLength()));
    return File;
  }

  ZQ_AbsoluteURI FolderURI(const char* Sub) {
    return ZQ_URI_MakeFromFileName(ZQ_FileName(Folder + Sub + "\\x"))
        .MakeAbsolute(ZQ_URI::FromEncodedText("."));
  }

  ZQ_String Folder;
  // Missing files are reported by throwing, as the running program does.
  ZQLOW_WIN_ScopedAPIFunctionFailureMode FailureMode{0};
};

ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> Over(ZQ_Array<ZQ_AbsoluteURI>& Bases) {
  return ZQ_ReadOnlyIterator<ZQ_AbsoluteURI>(Bases.GetIterator());
}

// Answers for the scheme "zqtest": a resource exists when its path is "yes".
class TestScheme : public ZQ_URI_SchemeImp {
 public:
  TestScheme() : ZQ_URI_SchemeImp("zqtest") {}
  ZQ_String GetSchemeName() const override { return "zqtest"; }
  bool ResourceExists(const ZQ_URI& URI) const override { return URI.GetPath() == "yes"; }
  bool IsRecognized() const override { return true; }
};

}  // namespace

TEST(ZQ_URI, EncodingEscapesByClassAndOption) {
  const struct { const char* in; ZQ_URI::EncodeOptions options; const char* want; const char* why; } kCases[] = {
      {"azAZ09", 0, "azAZ09", "letters and digits copied"},
      {"\"$&'(),-.@_", 0, "\"$&'(),-.@_", "harmless punctuation copied"},
      {"\x01\x1F{|}~\x7F\xE9", 0, "%01%1F%7B%7C%7D%7E%7F%E9", "controls and bytes from 0x7B escaped upper-case"},
      {";<=>[]^`", 0, "%3B%3C%3D%3E%5B%5D%5E%60", "always escaped"},
      {":/#?%+!*", 0, ":/#?%+!*", "optional escapes off"},
      {":/#?%+!*", 0x01FF, "%3A%2F%23%3F%25%2B%21%2A", "optional escapes on"},
      {"a b", 0, "a%20b", "space"},
      {"a b", 0x2000, "a+b", "space as plus"},
      {"a\\b", 0, "a\\b", "backslash copied"},
      {"a\\b", 0x1000, "a/b", "backslash as slash"},
      {"a\\b", 0x1001, "a%5Cb", "escaping wins over the slash"},
      {"C:\\D i r\\#1%.txt", 0x1028, "C:/D%20i%20r/%231%25.txt", "file-name options"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_URI::EncodeSpecialCharacters(c.in, c.options), c.want);
  }
}

TEST(ZQ_URI, DecodingReplacesCompleteEscapesOnly) {
  const struct { const char* in; ZQ_String want; const char* why; } kCases[] = {
      {"%41", "A", "upper-case escape"},
      {"%4a%4A", "JJ", "either case"},
      {"%G1", ZQ_String("\x01"), "a non-digit counts as 0"},
      {"%00x", ZQ_String("\0x", 2), "NUL kept inside the string"},
      {"ab%4", "ab%4", "one character after the percent at the end"},
      {"ab%", "ab%", "percent at the end"},
      {"a%20b%2520", "a b%20", "decoded once"},
      {"", "", "empty"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_URI::DecodeSpecialCharacters(c.in), c.want);
  }
}

TEST(ZQ_URI, FileNamesBecomeFileURIs) {
  const ZQ_URI FromText = ZQ_URI_MakeFromFileName("C:\\Dir\\a b.txt", ZQ_URI::Encode_FileName);
  EXPECT_EQ(FromText.GetText(), "file:C:/Dir/a%20b.txt");
  EXPECT_EQ(FromText.GetText(true), "file:C:/Dir/a b.txt");
  EXPECT_EQ(ZQ_URI_MakeFromFileName(ZQ_FileName("C:\\Dir\\a b.txt")).GetText(), "file:C:/Dir/a%20b.txt");
  const struct { ZQ_URI uri; const char* want; const char* why; } kCases[] = {
      {ZQ_URI("C:\\x y"), "file:C:\\x%20y", "drive letter gets the scheme"},
      {ZQ_URI("http://h/a b"), "http://h/a%20b", "a scheme stays"},
      {ZQ_URI("x"), "x", "one character"},
      {ZQ_URI::FromEncodedText("a b;"), "a b;", "taken as it is"},
      {ZQ_URI_MakeFromFileName("dir/f.txt", 0), "file:dir/f.txt", "no colon: file scheme"},
      {ZQ_URI_MakeFromFileName("intres:Logo", 0), "intres:Logo", "a colon: kept"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(c.uri.GetText(), c.want);
  }
  ZQ_URI Current = ZQ_URI_GetCurrentDirectoryURI();
  EXPECT_TRUE(Current.IsFileURI());
  EXPECT_TRUE(Current.GetText().EndsWith("/"));
  EXPECT_EQ(Current.GetText().Find('\\'), ZQ_NoMatch);
}

TEST(ZQ_URI, SchemeAndPathAreSlicesOfTheText) {
  const struct { const char* in; const char* scheme; const char* path; const char* decoded; } kCases[] = {
      {"file:x/y?a=1#b", "file", "x/y", "x/y"},
      {"file:x/y#top", "file", "x/y", "x/y"},
      {"file:a?b?c", "file", "a?b", "a?b"},
      {"intres:My%20Logo.bmp", "intres", "My%20Logo.bmp", "My Logo.bmp"},
      {"mailto:a@b:c", "mailto", "a@b:c", "a@b:c"},
      {":x", "", "x", "x"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.in);
    const ZQ_URI URI = ZQ_URI::FromEncodedText(c.in);
    EXPECT_EQ(URI.GetScheme(), c.scheme);
    EXPECT_EQ(URI.GetPath(), c.path);
    EXPECT_EQ(URI.GetPath(true), c.decoded);
  }
  const ZQ_URI NoScheme = ZQ_URI::FromEncodedText("a/b");
  EXPECT_THROW(NoScheme.GetScheme(), ZQ_Exception);
  EXPECT_THROW(NoScheme.GetPath(), ZQ_Exception);
  EXPECT_THROW(NoScheme.GetFileName(), ZQ_Exception);
  EXPECT_FALSE(NoScheme.IsFileURI());
  EXPECT_FALSE(NoScheme.ResourceExists());
}

TEST(ZQ_URI, OnlyTheExactFileSchemeIsAFileURI) {
  EXPECT_TRUE(ZQ_URI::FromEncodedText("file:a").IsFileURI());
  EXPECT_FALSE(ZQ_URI::FromEncodedText("FILE:a").IsFileURI());
  EXPECT_FALSE(ZQ_URI::FromEncodedText("files:a").IsFileURI());
  EXPECT_EQ(ZQ_URI::FromEncodedText("file:C:/a%20b.txt").GetFileName().GetPathName(), "C:/a b.txt");
}

TEST(ZQ_URI, MakeAbsoluteResolvesAgainstTheBase) {
  const struct { const char* base; const char* ref; const char* want; const char* why; } kCases[] = {
      {"file:C:/docs/a/b.html", "", "", "empty reference"},
      {"file:C:/docs/a/b.html", "intres:X", "intres:X", "a scheme: unchanged"},
      {"file:C:/docs/a/b.html", "c.html", "file:C:/docs/a/c.html", "sibling"},
      {"file:C:/docs/a/b.html", "./c.html", "file:C:/docs/a/c.html", "dot segment"},
      {"file:C:/docs/a/b.html", "../c.html", "file:C:/docs/c.html", "parent"},
      {"file:C:/docs/a/b.html", "../../c.html", "file:C:/c.html", "two parents"},
      {"file:a/b/x", "../c", "file:a/c", "parent back to the colon side"},
      {"file:a/./././b/x", "c", "file:a/b/c", "overlapping dot segments"},
      {"intres:Page", "Logo", "intres:Logo", "no slash: cut after the colon"},
      {"file:C:/docs/a/b.html", "/x.html", "file:C:/x.html", "root of a drive"},
      {"http://host/a/b", "/x", "http://host/x", "root below a longer slash run"},
      {"http://host/a/b", "//other/x", "http://other/x", "two slashes: the host"},
      {"file:abc", "/x", "file:abc/x", "no slash in the base"},
      {"file:C:/docs/b.html", "a b.html", "file:C:/docs/a%20b.html", "encoded with options 0"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQ_URI Ref = ZQ_URI::FromEncodedText(c.ref);
    EXPECT_EQ(Ref.MakeAbsolute(ZQ_URI::FromEncodedText(c.base)).GetText(), c.want);
  }
}

TEST(ZQ_URI, DotSegmentsResolveAsTheyAlwaysHave) {
  // Each "/./" and then each "/../" is removed as the leftmost one left.
  const struct { const char* base; const char* ref; const char* want; } kCases[] = {
      {"file:a/b/", "./c", "file:a/b/c"},
      {"file:a/b/", "././c", "file:a/b/c"},
      {"file:a/b/", ".//./c", "file:a/b//c"},
      {"file:a/b/", "c/././.d", "file:a/b/c/.d"},
      {"file:a/./b/", "c", "file:a/b/c"},
      {"file:a/b/", ".", "file:a/b/."},
      {"file:a", "./b", "file:./b"},
      {"file:a/b/", "../../../c", "file:../c"},
      {"file:C:/a/b.html", "../../../x", "file:C:../x"},
      {"file:a:b/c", "../d", "file:a:d"},
      {"intres:Page", "../x", "intres:../x"},
      {"file:a/b/", "c/d/../../e", "file:a/b/e"},
      {"file:a/b/", "..c/../d", "file:a/b/d"},
      {"file:a/b/", "c/..d/../e", "file:a/b/c/e"},
      {"file:a/b/", "c//../d", "file:a/b/c/d"},
      {"file:a/b/", "x/..//y", "file:a/b//y"},
      {"file:a/b/", "c/..", "file:a/b/c/.."},
      {"file:a/b/", "./.././../c/./d/../e", "file:c/e"},
      {"a/b", "../c", "file:c"},
      {"file:a/b/", "%2E/c", "file:a/b/%2E/c"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(std::string(c.base) + " + " + c.ref);
    const ZQ_URI Ref = ZQ_URI::FromEncodedText(c.ref);
    EXPECT_EQ(Ref.MakeAbsolute(ZQ_URI::FromEncodedText(c.base)).GetText(), c.want);
  }
}

TEST(ZQ_URI, LongRunsOfDotSegmentsResolve) {
  std::string dots, parents, down, up;
  for (int i = 0; i < 70000; ++i) dots += "./";
  for (int i = 0; i < 40000; ++i) parents += "b/../";
  for (int i = 0; i < 30000; ++i) down += "d/", up += "../";
  const std::string deep = down + up;
  const struct { std::string ref; const char* want; const char* why; } kCases[] = {
      {dots + "x", "file:a/x", "current segments"},
      {parents + "x", "file:a/x", "a segment and its parent, again and again"},
      {deep + "x", "file:a/x", "deep down and all the way up"},
      {dots + parents + "../x", "file:x", "both kinds"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQ_URI Ref =
        ZQ_URI::FromEncodedText(ZQ_String(c.ref.data(), static_cast<int>(c.ref.size())));
    EXPECT_EQ(Ref.MakeAbsolute(ZQ_URI::FromEncodedText("file:a/")).GetText(), c.want);
  }
}

TEST(ZQ_URI, RootedReferencesNeedABaseWithAScheme) {
  const struct { const char* base; const char* ref; } kCases[] = {
      {"a", "/"}, {"a/b", "/x"}, {"", "//host/x"}};
  for (auto& c : kCases) {
    SCOPED_TRACE(std::string(c.base) + " + " + c.ref);
    try {
      ZQ_URI::FromEncodedText(c.ref).MakeAbsolute(ZQ_URI::FromEncodedText(c.base));
      ADD_FAILURE() << "no exception";
    } catch (const ZQ_Exception& e) {
      EXPECT_EQ(e.GetName(), ZQ_String("Error resolving ") + c.ref);
      EXPECT_EQ(e.GetDescription(), ZQ_String(c.ref) +
                                        " begins with \"/\" and cannot be resolved against " +
                                        c.base + ", which has no scheme.");
    }
  }
}

TEST(ZQ_URI, EqualityComparesDecodedTexts) {
  EXPECT_EQ(ZQ_URI::FromEncodedText("file:a%20b"), ZQ_URI::FromEncodedText("file:a b"));
  EXPECT_EQ(ZQ_URI::FromEncodedText("file:%4a"), ZQ_URI::FromEncodedText("file:J"));
  EXPECT_NE(ZQ_URI::FromEncodedText("file:a"), ZQ_URI::FromEncodedText("FILE:a"));
}

TEST(ZQ_URI, UnrecognizedSchemesNeverExistAndCannotBeRead) {
  const ZQ_URI Mail = ZQ_URI::FromEncodedText("mailto:someone@example.com");
  EXPECT_FALSE(Mail.ResourceExists());
  EXPECT_FALSE(ZQ_URI_SchemeImp::Find("mailto").IsRecognized());
  ZQ_SeekableStreamSource Stream;
  EXPECT_FALSE(Mail.GetResourceStreamIfExists(Stream));
  try {
    Mail.GetResourceStream();
    FAIL() << "no exception";
  } catch (const ZQ_Exception& e) {
    EXPECT_EQ(e.GetName(), "Error reading mailto:someone@example.com");
    EXPECT_EQ(e.GetDescription(), "mailto:someone@example.com cannot be read.");
  }
}

TEST(ZQ_URI, RegistryFindsHandlersWithoutRegardToCase) {
  EXPECT_EQ(ZQ_URI_SchemeImp::Find("FiLe").GetSchemeName(), "file");
  EXPECT_EQ(ZQ_URI_SchemeImp::Find("INTRES").GetSchemeName(), "intres");
  EXPECT_EQ(ZQ_URI_SchemeImp::Find("zqtest").GetSchemeName(), "unrecognized");
  {
    TestScheme Scheme;
    EXPECT_TRUE(ZQ_URI::FromEncodedText("ZQTest:yes").ResourceExists());
    EXPECT_FALSE(ZQ_URI::FromEncodedText("zqtest:no").ResourceExists());
    // The default stream of a handler that exists but reads nothing.
    EXPECT_THROW(ZQ_URI::FromEncodedText("zqtest:yes").LoadResourceIntoString(), ZQ_Exception);
  }
  EXPECT_FALSE(ZQ_URI::FromEncodedText("zqtest:yes").ResourceExists());
}

TEST(ZQ_URI, TextHashAndTraceFormsUseTheStoredText) {
  const ZQ_URI URI = ZQ_URI::FromEncodedText("file:a%20b");
  ZQ_StringStream Out;
  Out << URI;
  EXPECT_EQ(ZQ_String(Out), "file:a%20b");
  ZQ_Hasher ByURI, ByText;
  ByURI << URI;
  ByText << ZQ_String("file:a%20b");
  EXPECT_EQ(ByURI.GetHash(), ByText.GetHash());
  ASSERT_NE(ZQ_StackTrace_VarFormatterFunTable[25], nullptr);
  EXPECT_EQ(ZQ_StackTrace_VarFormatterFunTable[ZQ_StackTrace_TypeCode<ZQ_URI>::Value](&URI),
            "\"file:a%20b\"");
}

TEST_F(URIFiles, FileURIsReadFilesWhoseNamesNeedEscapes) {
  Write("one\\a b#1%.txt", "contents");
  const ZQ_AbsoluteURI URI = ZQ_URI_MakeFromFileName(ZQ_FileName(Folder + "one\\a b#1%.txt"));
  EXPECT_TRUE(URI.GetText().EndsWith("Test%20%23%25/one/a%20b%231%25.txt"));
  EXPECT_TRUE(URI.ResourceExists());
  EXPECT_EQ(URI.LoadResourceIntoString(), "contents");
  ZQ_String Contents;
  EXPECT_TRUE(URI.GetResourceIfExists(Contents));
  EXPECT_EQ(Contents, "contents");
  // The registry ignores case; only IsFileURI minds it.
  const ZQ_URI Upper = ZQ_URI::FromEncodedText("FILE:" + URI.GetPath());
  EXPECT_TRUE(Upper.ResourceExists());

  const ZQ_AbsoluteURI Missing = ZQ_URI_MakeFromFileName(ZQ_FileName(Folder + "one\\none.txt"));
  EXPECT_FALSE(Missing.ResourceExists());
  ZQ_String Untouched = "old";
  EXPECT_FALSE(Missing.GetResourceIfExists(Untouched));
  EXPECT_EQ(Untouched, "old");
  EXPECT_THROW(Missing.LoadResourceIntoString(), ZQ_Exception);
}

TEST_F(URIFiles, RelativeTextsAreReadFromTheFirstBaseThatHoldsThem) {
  Write("two\\page.txt", "second");
  Write("one\\both.txt", "first");
  Write("two\\both.txt", "second");
  ZQ_Array<ZQ_AbsoluteURI> Bases(2);
  Bases[0] = FolderURI("one");
  Bases[1] = FolderURI("two");
  const struct { const char* text; const char* want; } kCases[] = {
      {"page.txt", "second"},
      {"both.txt", "first"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ZQ_LoadStreamIntoString(ZQ_URI_GetResourceStream(c.text, Over(Bases))), c.want);
    EXPECT_EQ(ZQ_URI_MakeAbsolute(c.text, Over(Bases)).LoadResourceIntoString(), c.want);
  }
  try {
    ZQ_URI_GetResourceStream("none.txt", Over(Bases));
    FAIL() << "no exception";
  } catch (const ZQ_Exception& e) {
    EXPECT_EQ(e.GetName(), "Error reading none.txt");
    EXPECT_EQ(e.GetDescription(), "none.txt could not be found.");
  }
  // Nothing found: the text against the current directory, not the directory itself.
  EXPECT_EQ(ZQ_URI_MakeAbsolute("none.txt", Over(Bases)),
            ZQ_URI::FromEncodedText("none.txt").MakeAbsolute(ZQ_URI_GetCurrentDirectoryURI()));
  // A text with a scheme ignores the bases.
  const ZQ_String Absolute = ZQ_URI_MakeFromFileName(ZQ_FileName(Folder + "two\\page.txt")).GetText();
  EXPECT_EQ(ZQ_LoadStreamIntoString(ZQ_URI_GetResourceStream(Absolute, Over(Bases))), "second");
  EXPECT_THROW(ZQ_URI_GetResourceStream("mailto:x@y", Over(Bases)), ZQ_Exception);
}

TEST(ZQ_URI, IntResNamesKeepOnlyLettersDigitsAndUnderscores) {
  const struct { const char* in; const char* want; } kCases[] = {
      {"intres:MORV_PellmarLogoTwo", "MORV_PellmarLogoTwo"},
      {"intres:My%20Logo.bmp", "MyLogobmp"},
      {"intres:a/b-c%E9d?x=1", "abcd"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(ZQ_URI_SchemeImp_IntRes::Util_TranslateToResourceName(ZQ_URI::FromEncodedText(c.in)),
              c.want);
  }
}

// The services tests embed no resources; the foundation tests' executable,
// built beside them, does. Its resources are read through the program
// instance handle.
TEST(ZQ_URI, IntResURIsReadEmbeddedResources) {
  char Path[MAX_PATH];
  GetModuleFileNameA(nullptr, Path, MAX_PATH);
  ZQ_String Folder(Path);
  Folder = Folder.GetLeft(Folder.FindLast('\\') + 1);
  const ZQ_String Foundation = Folder + "..\\foundation\\FoundationTests.exe";
  HMODULE Module = LoadLibraryExA(Foundation.GetText(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(Module, nullptr) << "no FoundationTests.exe beside the services tests";
  ZQLOW_WIN_ScopedAPIFunctionFailureMode FailureMode(0);
  ZQLOW_WIN_SetProgramInstanceHandle(Module);
  const ZQ_URI Text = ZQ_URI::FromEncodedText("intres:ZQ%20TEST.TEXT");
  const ZQ_URI Missing = ZQ_URI::FromEncodedText("intres:ZQNOSUCHRESOURCE");
  const bool Exists = Text.ResourceExists();
  const bool MissingExists = Missing.ResourceExists();
  ZQ_String Contents;
  bool Read = false;
  try {
    Contents = Text.LoadResourceIntoString();
    Read = true;
  } catch (const ZQ_Exception&) {
  }
  bool MissingThrows = false;
  try {
    Missing.GetResourceStream();
  } catch (const ZQ_Exception&) {
    MissingThrows = true;
  }
  ZQLOW_WIN_SetProgramInstanceHandle(GetModuleHandleA(nullptr));
  FreeLibrary(Module);
  EXPECT_TRUE(Exists);
  EXPECT_TRUE(Read);
  EXPECT_FALSE(Contents.IsEmpty());
  EXPECT_FALSE(MissingExists);
  EXPECT_TRUE(MissingThrows);
}
