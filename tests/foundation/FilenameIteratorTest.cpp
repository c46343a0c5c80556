#include "ZQ_FilenameIterator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AssertionTestSupport.h"
#include "ScratchFileSupport.h"
#include "WinApiTestSupport.h"
#include "ZQ_RegularExpression.h"

namespace {

using FilenameIterator = ApiFailureModeTest;

// The tree the listings run over:
//   readme.txt  data.bin  sub\  sub\x.txt  sub\deeper\  sub\deeper\y.txt
//   sub2\  sub2\Z.TXT
class ListingTree {
 public:
  ListingTree() : folder("zq-filenames") {
    folder.Put("readme.txt", "12345");
    folder.Put("data.bin", "");
    folder.MakeFolder("sub");
    folder.Put("sub\\x.txt", "x");
    folder.MakeFolder("sub\\deeper");
    folder.Put("sub\\deeper\\y.txt", "y");
    folder.MakeFolder("sub2");
    folder.Put("sub2\\Z.TXT", "z");
  }
  ScratchFolder folder;
};

// Each record as "relative directory|name|d or f".
std::vector<std::string> Records(ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> It) {
  std::vector<std::string> records;
  for (; It.IsValid(); It.Advance()) {
    const ZQ_FilenameIterator_FileInfo& info = It.GetCurrent();
    records.push_back(std::string(info.GetRelativeDirectory().GetText()) + "|" +
                      info.GetFileName().GetFileName().GetText() + "|" +
                      (info.IsDirectory() ? "d" : "f"));
  }
  return records;
}

std::vector<std::string> Sorted(std::vector<std::string> Records) {
  std::sort(Records.begin(), Records.end());
  return Records;
}

size_t IndexOf(const std::vector<std::string>& Records, const std::string& Record) {
  return static_cast<size_t>(std::find(Records.begin(), Records.end(), Record) - Records.begin());
}

}  // namespace

TEST_F(FilenameIterator, OptionsSelectKindsAndDepth) {
  const ListingTree tree;
  const ZQ_String root(tree.folder.path.c_str());
  const struct {
    const char* why;
    const char* pattern;
    unsigned long options;
    std::vector<std::string> records;
  } kCases[] = {
      {"case is ignored", "*.TXT", 0, {"|readme.txt|f"}},
      {"every entry of the folder", "*", 0,
       {"|data.bin|f", "|readme.txt|f", "|sub2|d", "|sub|d"}},
      {"recursive", "*.txt", ZQ_FilenameIterator_Recursive,
       {"sub2\\|Z.TXT|f", "sub\\deeper\\|y.txt|f", "sub\\|x.txt|f", "|readme.txt|f"}},
      {"directories only, recursive", "*",
       ZQ_FilenameIterator_Recursive | ZQ_FilenameIterator_DirectoriesOnly,
       {"sub\\|deeper|d", "|sub2|d", "|sub|d"}},
      {"files only still descends", "*",
       ZQ_FilenameIterator_Recursive | ZQ_FilenameIterator_FilesOnly,
       {"sub2\\|Z.TXT|f", "sub\\deeper\\|y.txt|f", "sub\\|x.txt|f", "|data.bin|f", "|readme.txt|f"}},
      {"alternatives", "*.bin, x*", ZQ_FilenameIterator_Recursive,
       {"sub\\|x.txt|f", "|data.bin|f"}},
      {"the name alone is matched, not the path", "sub*", ZQ_FilenameIterator_Recursive,
       {"|sub2|d", "|sub|d"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Sorted(Records(ZQ_GetFilenameIterator(root, ZQ_String(c.pattern), c.options))),
              Sorted(c.records));
  }
}

TEST_F(FilenameIterator, DirectoryComesBeforeItsSubtreeAndSubtreesStayTogether) {
  const ListingTree tree;
  const std::vector<std::string> records = Records(ZQ_GetFilenameIterator(
      ZQ_String(tree.folder.path.c_str()), ZQ_String("*"), ZQ_FilenameIterator_Recursive));
  ASSERT_EQ(records.size(), 8u);
  // The starting folder's four entries first, whatever order the system
  // lists them in.
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(records[i].find('\\'), std::string::npos) << records[i];
  // Each subdirectory's whole subtree before the next subdirectory.
  const size_t sub = IndexOf(records, "sub\\|x.txt|f");
  const size_t deeper = IndexOf(records, "sub\\deeper\\|y.txt|f");
  const size_t sub2 = IndexOf(records, "sub2\\|Z.TXT|f");
  EXPECT_LT(sub, deeper);
  EXPECT_TRUE(sub2 < sub || sub2 > deeper) << "sub2 broke into the subtree of sub";
  EXPECT_LT(IndexOf(records, "sub\\|deeper|d"), deeper);
}

TEST_F(FilenameIterator, RecordsHoldTheFullNameSizeAndTimes) {
  const ListingTree tree;
  ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> it = ZQ_GetFilenameIterator(
      ZQ_String(tree.folder.path.c_str()), ZQ_String("readme.txt"), 0);
  ASSERT_TRUE(it.IsValid());
  const ZQ_FilenameIterator_FileInfo& info = it.GetCurrent();
  EXPECT_EQ(std::string(info.GetFileName().GetPathName().GetText()), tree.folder / "readme.txt");
  EXPECT_EQ(info.FileSize, 5u);
  EXPECT_FALSE(info.IsDirectory());
  EXPECT_NE(info.LastWriteTime.dwLowDateTime | info.LastWriteTime.dwHighDateTime, 0u);
  EXPECT_FALSE(it.Advance());
}

TEST_F(FilenameIterator, PathInThePatternMovesToTheDirectory) {
  const ListingTree tree;
  const struct {
    std::string directory;
    std::string pattern;
    std::string fileName;
    const char* why;
  } kCases[] = {
      {tree.folder.path, "sub\\*.txt", tree.folder / "sub\\x.txt", "a backslash"},
      {tree.folder.path + "\\", "sub/*.TXT", tree.folder.path + "\\sub/x.txt",
       "a slash, directory ending in a separator"},
      {tree.folder.path, "sub/deeper\\y*", tree.folder / "sub/deeper\\y.txt",
       "both separators: the later one splits"},
      {"", tree.folder / "sub\\x*", tree.folder / "sub\\x.txt",
       "an empty directory takes the whole path"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> it =
        ZQ_GetFilenameIterator(ZQ_String(c.directory.c_str()), ZQ_String(c.pattern.c_str()), 0);
    ASSERT_TRUE(it.IsValid());
    EXPECT_EQ(std::string(it.GetCurrent().GetFileName().GetPathName().GetText()), c.fileName);
    EXPECT_TRUE(it.GetCurrent().GetRelativeDirectory().IsEmpty());
    EXPECT_FALSE(it.Advance());
  }
}

TEST_F(FilenameIterator, ListingIsTakenOnceAndRewindsToTheSameRecords) {
  const ListingTree tree;
  ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> it = ZQ_GetFilenameIterator(
      ZQ_String(tree.folder.path.c_str()), ZQ_String("*"), ZQ_FilenameIterator_Recursive);
  const std::vector<std::string> first = Records(it);
  DeleteFileA((tree.folder / "readme.txt").c_str());
  it.Rewind();
  EXPECT_EQ(Records(it), first);
}

TEST_F(FilenameIterator, MissingDirectoryGivesAnInvalidIterator) {
  const ListingTree tree;
  EXPECT_FALSE(ZQ_GetFilenameIterator(ZQ_String((tree.folder / "nowhere").c_str()),
                                      ZQ_String("*"), ZQ_FilenameIterator_Recursive)
                   .IsValid());
}

TEST_F(FilenameIterator, BadPatternAndBadOptionsAreRefused) {
  const ListingTree tree;
  const ZQ_String root(tree.folder.path.c_str());
  const ApiFailure failure =
      ApiFailureOf([&] { ZQ_GetFilenameIterator(root, ZQ_String("[abc"), 0); });
  EXPECT_TRUE(failure.thrown);
  EXPECT_TRUE(FailedOn(
      AssertionFailureOf([&] {
        ZQ_GetFilenameIterator(root, ZQ_String("*"),
                               ZQ_FilenameIterator_DirectoriesOnly | ZQ_FilenameIterator_FilesOnly);
      }),
      "not ((Options & ZQ_FilenameIterator_DirectoriesOnly) and (Options & "
      "ZQ_FilenameIterator_FilesOnly))"));
}

TEST_F(FilenameIterator, FileOfMoreThan4GBReportsTheLow32BitsOfItsSize) {
  const ScratchFolder folder("zq-filenames-huge");
  folder.PutSparse("huge.bin", 0x100000005ull);
  ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> it =
      ZQ_GetFilenameIterator(ZQ_String(folder.path.c_str()), ZQ_String("huge.bin"), 0);
  ASSERT_TRUE(it.IsValid());
  EXPECT_EQ(it.GetCurrent().FileSize, 5u);
}

TEST_F(FilenameIterator, CompiledExpressionFormMatchesEachName) {
  const ListingTree tree;
  const ZQ_RegularExpression expression = ZQ_MakeSimpleRegularExpression("?.txt", 0);
  EXPECT_EQ(Sorted(Records(ZQ_GetFilenameIterator(ZQ_String(tree.folder.path.c_str()), expression,
                                                  ZQ_FilenameIterator_Recursive))),
            Sorted({"sub\\|x.txt|f", "sub\\deeper\\|y.txt|f"}))
      << "without option 1 the case counts: Z.TXT is left out";
}
