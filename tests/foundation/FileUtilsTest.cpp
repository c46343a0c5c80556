#include "ZQ_FileUtils.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

#include "ScratchFileSupport.h"
#include "WinApiTestSupport.h"

namespace {

using FileUtils = ApiFailureModeTest;

ZQ_String Z(const std::string& Text) { return ZQ_String(Text.c_str()); }
std::string S(const ZQ_String& Text) { return Text.GetText(); }

std::string AbsoluteName(const std::string& Name) {
  char buffer[MAX_PATH];
  GetFullPathNameA(Name.c_str(), MAX_PATH, buffer, nullptr);
  return buffer;
}

bool IsDirectory(const std::string& Name) {
  const DWORD attributes = GetFileAttributesA(Name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TEST_F(FileUtils, ExistenceTellsFilesFromDirectories) {
  const ScratchFolder folder("zq-fileutils-exists");
  const std::string file = folder.Put("a file.txt", "x");
  const std::string dir = folder.MakeFolder("dir");
  const struct {
    std::string name;
    bool isFile;
    bool isDirectory;
    const char* why;
  } kCases[] = {
      {file, true, false, "a file"},
      {"\"" + file + "\"", true, false, "a quoted file name"},
      {dir, false, true, "a directory"},
      {dir + "\\", false, true, "a directory with a trailing separator"},
      {dir + "/", false, true, "a directory with a trailing slash"},
      {folder / "missing", false, false, "nothing of that name"},
      {folder / "a*.txt", false, false, "a name with \"*\" that matches a file"},
      {folder / "a file.tx?", false, false, "a name with \"?\" that matches a file"},
      {folder / "a file.tx>", false, false, "a name with \">\" that matches a file"},
      {"", false, false, "an empty name"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_FileUtils::FileExists(Z(c.name)), c.isFile);
    EXPECT_EQ(ZQ_FileUtils::FileExists(ZQ_FileName(c.name.c_str())), c.isFile);
    EXPECT_EQ(ZQ_FileUtils::DirectoryExists(Z(c.name)), c.isDirectory);
  }
}

TEST_F(FileUtils, DirectoryExistsKeepsTheCurrentDirectory) {
  const ScratchFolder folder("zq-fileutils-keep");
  const std::string before = S(ZQ_FileUtils::GetCurrentDirectoryA());
  EXPECT_TRUE(ZQ_FileUtils::DirectoryExists(Z(folder.path)));
  EXPECT_FALSE(ZQ_FileUtils::DirectoryExists(Z(folder / "missing")));
  EXPECT_EQ(S(ZQ_FileUtils::GetCurrentDirectoryA()), before);
}

TEST_F(FileUtils, CanBeOpenedForReadingUnlessMissingOrLocked) {
  const ScratchFolder folder("zq-fileutils-open");
  const std::string file = folder.Put("f.txt", "x");
  EXPECT_TRUE(ZQ_FileUtils::CanBeOpenedForReading(ZQ_FileName(file.c_str())));
  EXPECT_FALSE(ZQ_FileUtils::CanBeOpenedForReading(ZQ_FileName((folder / "missing").c_str())));
  const HANDLE writer =
      CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_FALSE(ZQ_FileUtils::CanBeOpenedForReading(ZQ_FileName(file.c_str())));
  CloseHandle(writer);
}

TEST_F(FileUtils, GetFileSizeReadsTheSizeOrAppendsItsSentence) {
  const ScratchFolder folder("zq-fileutils-size");
  EXPECT_EQ(ZQ_FileUtils::GetFileSize(ZQ_FileName(folder.Put("five.txt", "12345").c_str())), 5u);
  EXPECT_EQ(ZQ_FileUtils::GetFileSize(ZQ_FileName(folder.Put("empty.txt", "").c_str())), 0u);
  const std::string missing = folder / "missing.txt";
  const ApiFailure failure =
      ApiFailureOf([&] { ZQ_FileUtils::GetFileSize(ZQ_FileName(missing.c_str())); });
  EXPECT_EQ(failure.description,
            WithParagraph(SystemText(ERROR_FILE_NOT_FOUND),
                          "This error occurred while attempting to determine the size of file \"" +
                              missing + "\"."));
}

TEST_F(FileUtils, FailuresCarryTheSentenceOfTheirOperation) {
  const ScratchFolder folder("zq-fileutils-sentences");
  const std::string missing = folder / "missing";
  const std::string file = folder.Put("file.txt", "x");
  const std::string copy = folder.Put("copy.txt", "old");
  const struct {
    const char* why;
    std::function<void()> call;
    DWORD code;
    std::string sentence;
  } kCases[] = {
      {"deleting a missing file unconditionally",
       [&] { ZQ_FileUtils::Delete(ZQ_FileName(missing.c_str()), 0); }, ERROR_FILE_NOT_FOUND,
       "This error occurred while attempting to delete the file \"" + missing + "\"."},
      {"creating an existing directory unconditionally",
       [&] { ZQ_FileUtils::CreateDirectoryA(Z(folder.path + "\\"), 0); }, ERROR_ALREADY_EXISTS,
       "This error occurred while attempting to create the directory \"" + folder.path + "\"."},
      {"removing a missing directory unconditionally",
       [&] { ZQ_FileUtils::RemoveDirectoryA(Z(missing), 0); }, ERROR_FILE_NOT_FOUND,
       "This error occurred while attempting to remove the directory \"" + missing + "\"."},
      {"copying onto an existing file with Mode 0",
       [&] { ZQ_FileUtils::Copy(ZQ_FileName(file.c_str()), ZQ_FileName(copy.c_str()), 0); },
       ERROR_FILE_EXISTS,
       "This error occurred while attempting to copy the file \"" + AbsoluteName(file) +
           "\" to \"" + AbsoluteName(copy) + "\"."},
      {"deleting a tree that is missing, unconditionally",
       [&] { ZQ_FileUtils::DeleteTree(Z(missing), 0); }, ERROR_FILE_NOT_FOUND,
       "This error occurred while attempting to remove the directory \"" + missing + "\"."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ApiFailure failure = ApiFailureOf(c.call);
    ASSERT_TRUE(failure.thrown);
    EXPECT_EQ(failure.description, WithParagraph(SystemText(c.code), c.sentence));
  }
  EXPECT_EQ(ScratchFolder::Get(copy), "old") << "the failed copy left the file alone";
}

TEST_F(FileUtils, ConditionalModesDoNothingWhenThereIsNothingToDo) {
  const ScratchFolder folder("zq-fileutils-modes");
  const std::string missing = folder / "missing";
  EXPECT_NO_THROW(ZQ_FileUtils::Delete(ZQ_FileName(missing.c_str()), 1));
  EXPECT_NO_THROW(ZQ_FileUtils::SafeDelete(ZQ_FileName(missing.c_str())));
  EXPECT_NO_THROW(ZQ_FileUtils::SafeDelete(missing.c_str()));
  EXPECT_NO_THROW(ZQ_FileUtils::RemoveDirectoryA(Z(missing), 1));
  EXPECT_NO_THROW(ZQ_FileUtils::SafeRemoveDirectory(Z(missing)));
  EXPECT_NO_THROW(ZQ_FileUtils::CreateDirectoryA(Z(folder.path), 1));
  EXPECT_NO_THROW(ZQ_FileUtils::SafeCreateDirectory(Z(folder.path)));
}

TEST_F(FileUtils, CopyOverwritesOnlyInMode1) {
  const ScratchFolder folder("zq-fileutils-copy");
  const std::string src = folder.Put("src.txt", "new");
  const std::string dest = folder.Put("dest.txt", "old");
  ZQ_FileUtils::Copy(ZQ_FileName(src.c_str()), ZQ_FileName(dest.c_str()), 1);
  EXPECT_EQ(ScratchFolder::Get(dest), "new");
  const std::string fresh = folder / "fresh.txt";
  ZQ_FileUtils::Copy(ZQ_FileName(src.c_str()), ZQ_FileName(fresh.c_str()), 0);
  EXPECT_EQ(ScratchFolder::Get(fresh), "new");
}

TEST_F(FileUtils, DirectoryChainCreatesEachMissingLevel) {
  const ScratchFolder folder("zq-fileutils-chain");
  const struct {
    std::string name;
    std::string deepest;
    const char* why;
  } kCases[] = {
      {folder / "a\\b\\c", folder / "a\\b\\c", "backslashes"},
      {folder / "a\\b\\d\\", folder / "a\\b\\d", "a trailing separator; a and b exist"},
      {folder / "e/f/g", folder / "e\\f\\g", "slashes"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_FileUtils::CreateDirectoryChain(Z(c.name), 0);
    EXPECT_TRUE(IsDirectory(c.deepest));
  }
  // A chain from a drive root creates nothing above the folder.
  ZQ_FileUtils::SafeCreateDirectory(Z(folder / "h\\i"));
  EXPECT_TRUE(IsDirectory(folder / "h\\i"));
}

TEST_F(FileUtils, DeleteTreeRemovesEverythingBelowAndTheDirectory) {
  const ScratchFolder folder("zq-fileutils-tree");
  folder.MakeFolder("t");
  folder.Put("t\\1.txt", "1");
  folder.MakeFolder("t\\u");
  folder.Put("t\\u\\2.txt", "2");
  folder.MakeFolder("t\\u\\v");
  folder.MakeFolder("t\\w");
  folder.Put("t\\w\\3.txt", "3");
  ZQ_FileUtils::DeleteTree(Z(folder / "t"), 0);
  EXPECT_FALSE(ScratchFolder::Exists(folder / "t"));
  EXPECT_TRUE(IsDirectory(folder.path));

  folder.MakeFolder("s");
  folder.Put("s\\1.txt", "1");
  const std::string file = folder.Put("plain.txt", "p");
  ZQ_FileUtils::SafeDelete(Z(folder / "s"));
  ZQ_FileUtils::SafeDelete(Z(file));
  EXPECT_FALSE(ScratchFolder::Exists(folder / "s"));
  EXPECT_FALSE(ScratchFolder::Exists(file));
}

TEST_F(FileUtils, SafeCopyDirectoryCopiesTheTreeOfFiles) {
  const ScratchFolder folder("zq-fileutils-copytree");
  folder.MakeFolder("src");
  folder.Put("src\\a.txt", "a");
  folder.MakeFolder("src\\sub");
  folder.Put("src\\sub\\b.txt", "b");
  folder.MakeFolder("src\\empty");
  ZQ_FileUtils::SafeCopyDirectory(Z(folder / "src"), Z(folder / "dest\\deeper"));
  EXPECT_EQ(ScratchFolder::Get(folder / "dest\\deeper\\a.txt"), "a");
  EXPECT_EQ(ScratchFolder::Get(folder / "dest\\deeper\\sub\\b.txt"), "b");
  EXPECT_FALSE(ScratchFolder::Exists(folder / "dest\\deeper\\empty")) << "files only are copied";
}

TEST_F(FileUtils, TemporaryDirectoryChangeRestoresTheCurrentDirectory) {
  const ScratchFolder folder("zq-fileutils-cd");
  const std::string before = S(ZQ_FileUtils::GetCurrentDirectoryA());
  ASSERT_EQ(before.back(), '\\');
  {
    ZQ_TemporaryDirectoryChange change(Z(folder.path + "\\"));
    EXPECT_EQ(S(ZQ_FileUtils::GetCurrentDirectoryA()), folder.path + "\\");
    EXPECT_TRUE(ZQ_FileUtils::FileExists(ZQ_String("local.txt")) == false);
    folder.Put("local.txt", "x");
    EXPECT_TRUE(ZQ_FileUtils::FileExists(ZQ_String("local.txt")));
  }
  EXPECT_EQ(S(ZQ_FileUtils::GetCurrentDirectoryA()), before);
  const ApiFailure failure =
      ApiFailureOf([&] { ZQ_TemporaryDirectoryChange change(Z(folder / "missing")); });
  EXPECT_TRUE(failure.thrown);
  EXPECT_EQ(S(ZQ_FileUtils::GetCurrentDirectoryA()), before);
}

TEST_F(FileUtils, HomeAndTemporaryDirectoriesEndInASeparator) {
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string home = module;
  home.erase(home.find_last_of("\\/") + 1);
  EXPECT_EQ(S(ZQ_FileUtils::GetHomeDirectory()), home);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  EXPECT_EQ(S(ZQ_FileUtils::GetTemporaryDirectory()), temp);
  EXPECT_EQ(S(ZQ_FileUtils::GetTemporaryDirectory()).back(), '\\');
}

TEST_F(FileUtils, TemporaryFileNamesAreNewAndOfOneForm) {
  const ScratchFolder folder("zq-fileutils-tempname");
  const ZQ_String dir = Z(folder.path);
  const std::string kExtensions[] = {"tmp", ".tmp"};
  std::string previous;
  for (const std::string& extension : kExtensions) {
    SCOPED_TRACE(extension);
    const std::string name =
        S(ZQ_FileUtils::GetTemporaryFileName("zq", Z(extension), dir).GetPathName());
    const std::string head = folder.path + "\\zq";
    ASSERT_EQ(name.compare(0, head.size(), head), 0) << name;
    ASSERT_EQ(name.compare(name.size() - 4, 4, ".tmp"), 0) << name;
    const std::string digits = name.substr(head.size(), name.size() - head.size() - 4);
    EXPECT_FALSE(digits.empty());
    EXPECT_LE(digits.size(), 8u);
    for (const char d : digits) EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(d))) << name;
    EXPECT_NE(name, previous) << "two calls give two names";
    EXPECT_FALSE(ScratchFolder::Exists(name));
    previous = name;
  }
  const std::string bare = S(ZQ_FileUtils::GetTemporaryFileName("x", "", dir).GetPathName());
  EXPECT_EQ(bare.find('.', folder.path.size() + 1), std::string::npos) << "no extension: " << bare;
}

TEST_F(FileUtils, StripNonfileCharsKeepsPrintableNameCharacters) {
  const struct {
    std::string in;
    const char* want;
  } kCases[] = {
      {"a:b/c?.txt", "abc.txt"},
      {"a\tb\x80\xFF" "c", "abc"},
      {"<x|y>\"*\\", "xy"},
      {"keep spaces ~!", "keep spaces ~!"},
      {std::string("nul\0here", 8), "nulhere"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(S(ZQ_FileUtils::StripNonfileChars(ZQ_String(c.in.data(), static_cast<int>(c.in.size())))),
              c.want);
  }
}

TEST_F(FileUtils, TrailingSeparatorsGoOnlyAfterNameCharacters) {
  const struct {
    const char* in;
    const char* stripped;
    const char* appended;
  } kCases[] = {
      {"dir\\", "dir", "dir\\"},  {"dir/", "dir", "dir/"},    {"dir", "dir", "dir\\"},
      {"C:\\", "C:\\", "C:\\"},   {"\\", "\\", "\\"},         {"", "", ""},
      {"a\\\\", "a\\\\", "a\\\\"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(S(ZQ_FileUtils::Util_RemoveTrailingSeparator(c.in)), c.stripped);
    EXPECT_EQ(S(ZQ_FileUtils::Util_AppendSeparator(c.in)), c.appended);
  }
}

TEST_F(FileUtils, FindFileInDirectoryJoinsTheNames) {
  const ScratchFolder folder("zq-fileutils-find");
  folder.Put("here.txt", "x");
  ZQ_FileName found;
  EXPECT_TRUE(ZQ_FileUtils::Util_FindFileInDirectory(Z(folder.path), "here.txt", found));
  EXPECT_EQ(S(found.GetPathName()), folder / "here.txt");
  EXPECT_FALSE(ZQ_FileUtils::Util_FindFileInDirectory(Z(folder.path + "\\"), "gone.txt", found));
  EXPECT_EQ(S(found.GetPathName()), folder / "here.txt") << "a miss leaves the result alone";
}

TEST(ZQ_SubstituteParameters, FillsTheFirstSymbolWithTheValue) {
  const struct {
    const char* text;
    const char* want;
  } kCases[] = {
      {"Deleting {$1} now", "Deleting x now"},
      {"{$2} and {$1}", " and x"},
      {"{$1}{$1}", "xx"},
      {"{} then {}", "x then "},
      {"no symbols", "no symbols"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(S(ZQ_SubstituteParameters(ZQ_String(c.text), "x")), c.want);
    EXPECT_EQ(S(ZQ_SubstituteParameters(ZQ_String(c.text), ZQ_String("x"))), c.want);
  }
}
