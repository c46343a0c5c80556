// ReleaseTestSupport.h: a scratch folder for the release tests: files
// written and read by relative name, the tree listed, removed afterwards.
#ifndef RELEASETESTSUPPORT_H
#define RELEASETESTSUPPORT_H

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_FilenameIterator.h"
#include "ZQ_TextOutputFileStream.h"

inline ZQ_String Z(const std::string& S) { return ZQ_String(S.data(), static_cast<int>(S.size())); }
inline std::string S(const ZQ_String& T) { return std::string(T.GetText(), T.GetLength()); }

class ScratchFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    Root = ZQ_FileUtils::GetTemporaryFileName("Rel", "tmp", ZQ_FileUtils::GetTemporaryDirectory())
               .GetPathName() + "\\";
    SavedDirectory = ZQ_FileUtils::GetCurrentDirectoryA();
  }
  void TearDown() override {
    ZQ_FileUtils::SetCurrentDirectoryA(SavedDirectory);
    ZQ_FileUtils::SafeRemoveDirectory(Root);
  }

  void Write(const ZQ_String& Name, const std::string& Bytes) {
    ZQ_FileUtils::SafeCreateDirectory(ZQ_FileName(Root + Name).GetPath());
    ZQ_SaveStringAsFile(Z(Bytes), Root + Name);
  }
  ZQ_String Read(const ZQ_String& Name) { return ZQ_LoadFileIntoString(Root + Name); }
  bool Exists(const ZQ_String& Name) { return ZQ_FileUtils::FileExists(Root + Name); }
  // Every name below Folder, sorted, folders ending in "\".
  std::vector<std::string> List(const ZQ_String& Folder = "") {
    std::vector<std::string> names;
    for (auto it = ZQ_GetFilenameIterator(Root + Folder, "*", ZQ_FilenameIterator_Recursive);
         it.IsValid(); it.Advance())
      names.push_back(S(it->GetRelativeDirectory() + it->GetFileName().GetFileName()) +
                      (it->IsDirectory() ? "\\" : ""));
    std::sort(names.begin(), names.end());
    return names;
  }

  ZQ_String Root;
  ZQ_String SavedDirectory;
};

#endif
