#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ReleaseTestSupport.h"
#include "ZQLOW_WINBASE.h"
#include "ZQZipFormat.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_FilenameIterator.h"
#include "ZQ_Process.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

// The files of the scratch tree that every test packs.
const struct {
  const char* name;
  std::string bytes;
} kTree[] = {
    {"a.txt", std::string(2000, 'a')},
    {"empty.txt", ""},
    {"sub/b.bin", std::string("\x01\xff\x80\x00\x7f\x13", 6)},
    {"sub/deep/c.txt", "hello\r\n"},
};

ZQ_String Tool(const char* Name) { return ZQ_String("\"" ZQ_RELEASE_TOOLS_DIR "/") + Name + ".exe\""; }

// A scratch folder holding the tree under "src\".
class ReleaseTools : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    for (const auto& file : kTree) Write("src\\" + ZQ_String(file.name), file.bytes);
    ZQ_FileUtils::SafeCreateDirectory(Root + "out");
  }

  int Run(const ZQ_String& CommandLine, const char* Folder = "src") {
    return ZQ_ExecuteProcess(CommandLine, Root + Folder);
  }
  // Packs src with the zip program and makes an installer of it.
  void MakeInstaller(const char* Options) {
    ASSERT_EQ(Run(Tool("ZQZip") + " -rP ..\\out\\pack.zip *"), 0);
    Write("res.dat", Options);
    ASSERT_EQ(Run(Tool("ZQSelfExtractor") + " out\\pack.zip @res.dat", ""), 0);
  }
};

TEST_F(ReleaseTools, ZipPacksTheMatchesWithRelativeSortedNames) {
  const struct {
    const char* pattern;
    std::vector<int> files;  // rows of kTree, in the archive's order
    const char* why;
  } kCases[] = {
      {"*", {0, 1, 2, 3}, "everything below the current folder"},
      {"sub\\*", {2, 3}, "a folder part starts the search there and stays in the names"},
      {"*.txt,*.bin", {0, 1, 2, 3}, "comma alternatives, matched in every folder"},
      {"c.*", {3}, "a name pattern alone reaches into subfolders"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ASSERT_EQ(Run(Tool("ZQZip") + " -rP ..\\out\\x.zip " + c.pattern), 0);
    ZQZip_Reader reader(Read("out\\x.zip"));
    ASSERT_EQ(reader.GetNumEntries(), static_cast<int>(c.files.size()));
    for (size_t i = 0; i < c.files.size(); ++i) {
      const auto& file = kTree[c.files[i]];
      const ZQZip_Entry& entry = reader.GetEntry(static_cast<int>(i));
      EXPECT_STREQ(entry.Name.GetText(), file.name);
      EXPECT_TRUE(reader.Extract(static_cast<int>(i)) == Z(file.bytes));
      EXPECT_EQ(entry.Crc, ZQZip_Crc32(Z(file.bytes)));
      EXPECT_EQ(entry.Method, file.bytes.size() > 100 ? 8u : 0u) << "deflated only when smaller";
    }
  }
}

TEST_F(ReleaseTools, ZipSkipsTheArchiveItself) {
  ASSERT_EQ(Run(Tool("ZQZip") + " -rP self.zip *"), 0);
  ASSERT_EQ(Run(Tool("ZQZip") + " -rP self.zip *"), 0);
  EXPECT_EQ(ZQZip_Reader(Read("src\\self.zip")).GetNumEntries(), 4);
}

TEST_F(ReleaseTools, FailuresAndUnknownCommandLinesHaveTheirExitCodes) {
  ZQ_FileUtils::SafeCreateDirectory(Root + "src\\held.zip");
  Write("src\\unknown.dat", "-win32\n-d c:\\Calc\n-colour red\n");
  Write("src\\noicon.dat", "-d c:\\Calc\n-i \"missing.ico\"\n");
  Write("src\\bad.zip", "not an archive");
  ASSERT_EQ(Run(Tool("ZQZip") + " -rP good.zip *.txt"), 0);
  const struct {
    const char* program;
    const char* arguments;
    int want;
    const char* why;
  } kCases[] = {
      {"ZQZip", " -x a.zip *", 2, "zip: unknown option"},
      {"ZQZip", " -rP a.zip", 2, "zip: no pattern"},
      {"ZQZip", " -rP a.zip *.none", 1, "zip: nothing matches"},
      {"ZQZip", " -rP held.zip *.txt", 1, "zip: the archive's name is held by a folder"},
      {"ZQTouch", " -q *", 2, "touch: unknown option"},
      {"ZQTouch", " -D -s *.none", 1, "touch: nothing matches"},
      {"ZQSelfExtractor", " good.zip unknown.dat", 2, "self-extractor: no response file"},
      {"ZQSelfExtractor", " good.zip @unknown.dat", 2, "self-extractor: unknown option"},
      {"ZQSelfExtractor", " good.zip @missing.dat", 1, "self-extractor: missing response file"},
      {"ZQSelfExtractor", " good.zip @noicon.dat", 1, "self-extractor: -i names no file"},
      {"ZQSelfExtractor", " bad.zip @unknown.dat", 2, "response file read before the archive"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Run(Tool(c.program) + c.arguments), c.want);
  }
  Write("src\\plain.dat", "-d c:\\Calc\n");
  EXPECT_EQ(Run(Tool("ZQSelfExtractor") + " bad.zip @plain.dat"), 1) << "a damaged archive";
  for (const std::string& name : List())
    EXPECT_EQ(name.find(".zqtmp"), std::string::npos) << name << " left behind";
  EXPECT_FALSE(ZQ_FileUtils::FileExists(Root + "src\\good.exe"));
}

TEST_F(ReleaseTools, InstallersExtractWhatWasPackedReplacingFilesOnlyWhenAsked) {
  const struct {
    const char* options;
    const char* wantA;
    const char* why;
  } kCases[] = {
      {"-win32\n-d c:\\Calc\n-st \"Installing Calc\"\n-overwrite\n", nullptr, "-overwrite replaces"},
      {"-win32\n-d c:\\Calc\n-st \"Installing Calc\"\n", "old", "without it an existing file stays"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Write("dest\\a.txt", "old");
    MakeInstaller(c.options);
    EXPECT_EQ(Run("\"" + Root + "out\\pack.exe\" -quiet -d \"" + Root + "dest\"", ""), 0);
    for (const auto& file : kTree) {
      ZQ_String name(file.name);
      const bool isKept = c.wantA && name == "a.txt";
      EXPECT_TRUE(Read("dest\\" + name) == (isKept ? ZQ_String(c.wantA) : Z(file.bytes))) << file.name;
    }
    ZQ_FileUtils::SafeRemoveDirectory(Root + "dest");
  }
}

TEST_F(ReleaseTools, InstallersRefuseNamesOutsideTheirFolder) {
  for (const char* name : {"../evil.txt", "sub/../../evil.txt", "c:/evil.txt", "/evil.txt", "..\\evil.txt"}) {
    SCOPED_TRACE(name);
    {
      ZQZip_Writer writer(Root + "evil.zip");
      writer.AddEntry("fine.txt", "fine", 0, 0);
      writer.AddEntry(name, "evil", 0, 0);
      writer.Finish();
    }
    Write("res.dat", "-d c:\\Calc\n");
    EXPECT_EQ(Run(Tool("ZQSelfExtractor") + " evil.zip @res.dat", ""), 1) << "not even packed";
    // An installer made by hand, as a foreign self-extractor might.
    ZQ_String archive = Read("evil.zip");
    ZQZip_InstallerSettings settings;
    settings.Folder = "c:\\Calc";
    ZQ_SaveStringAsFile(ZQ_LoadFileIntoString(ZQ_RELEASE_TOOLS_DIR "/ZQInstallerStub.exe") + archive +
                            ZQZip_MakeInstallerTrailer(settings, archive.GetLength()),
                        Root + "evil.exe");
    EXPECT_EQ(Run("\"" + Root + "evil.exe\" -quiet -d \"" + Root + "dest\\deeper\"", ""), 1);
    EXPECT_FALSE(ZQ_FileUtils::DirectoryExists(Root + "dest")) << "nothing is written";
  }
}

TEST_F(ReleaseTools, TouchSetsTheStartTimeOnTheMatchesItReaches) {
  const struct {
    const char* options;
    std::vector<std::string> touched;
    const char* why;
  } kCases[] = {
      {"-D -s *", {"a.txt", "empty.txt", "sub\\", "sub\\b.bin", "sub\\deep\\", "sub\\deep\\c.txt"}, "all"},
      {"-s *", {"a.txt", "empty.txt", "sub\\b.bin", "sub\\deep\\c.txt"}, "-D alone adds folders"},
      {"-D *", {"a.txt", "empty.txt", "sub\\"}, "-s alone recurses"},
  };
  const FILETIME old = {0, 29000000};  // in 1801, far before any start
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    for (const std::string& name : List("src")) {
      ZQ_OwnedFileHandle file(ZQLOW_WINBASE::CreateFileA(
          (Root + "src\\" + name.c_str()).GetText(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
      ZQLOW_WINBASE::SetFileTime(file.Get(), nullptr, nullptr, &old);
    }
    ASSERT_EQ(Run(Tool("ZQTouch") + " " + c.options), 0);
    std::vector<std::string> touched;
    for (auto it = ZQ_GetFilenameIterator(Root + "src", "*", ZQ_FilenameIterator_Recursive); it.IsValid();
         it.Advance())
      if (it.GetCurrent().LastWriteTime.dwHighDateTime != old.dwHighDateTime)
        touched.push_back(std::string(it.GetCurrent().GetRelativeDirectory().GetText()) +
                          it.GetCurrent().GetFileName().GetFileName().GetText() +
                          (it.GetCurrent().IsDirectory() ? "\\" : ""));
    std::sort(touched.begin(), touched.end());
    EXPECT_EQ(touched, c.touched);
  }
}

TEST(ZQZip_Reader, DamagedArchivesAreRefused) {
  ZQ_String name = ZQ_FileUtils::GetTemporaryFileName("Zip", "zip", ZQ_FileUtils::GetTemporaryDirectory())
                       .GetPathName();
  {
    ZQZip_Writer writer(name);
    writer.AddEntry("a.txt", ZQ_String('a', 500), 0, 0);
    writer.Finish();
  }
  const ZQ_String good = ZQ_LoadFileIntoString(name);
  ZQ_FileUtils::SafeDelete(name);
  const struct {
    int at;  // byte to flip, from the start; -1 cuts the end record short
    const char* why;
  } kCases[] = {{37, "deflated data"}, {0, "local header"}, {-1, "end record cut short"},
                {good.Find("PK\1\2") + 27, "a size the data cannot hold"}};
  ZQZip_Reader(good).Extract(0);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_String bad = c.at < 0 ? good.GetLeft(good.GetLength() - 5) : good;
    if (c.at >= 0) bad[c.at] = static_cast<char>(bad[c.at] ^ 0x75);
    EXPECT_THROW(ZQZip_Reader(bad).Extract(0), ZQ_Exception);
  }
}

}  // namespace
