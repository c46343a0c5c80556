#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "../services/RegistryTestSupport.h"
#include "../services/StageTestSupport.h"
#include "DebugLogMark.h"
#include "ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_SettingsFile.h"

namespace {

const std::string kFile =
    TemporaryDirectory() + "AppFrameSettings" + std::to_string(::GetCurrentProcessId()) + ".cfg";

class ScratchSettingsPlugin : public ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin {
 public:
  ZQ_FileName GetConfigurationRegistryFilename() override { return ZQ_FileName(kFile.c_str()); }
};

// Also writes a dialog's setting while the registry is usable.
class SettingsPersonality : public ZQF_PLUGIN_ApplicationPersonality {
 public:
  void RegisterPlugins() override { Register(new ScratchSettingsPlugin); }
  void OnStage(long Stage) override {
    if (Stage == 5) ZQ_SetInt32(ZQF_PLUGIN_AppConfigRegistry_GetDialogBoxConfigFolder("Find"), "W", 321);
  }
};

std::string Bytes(const std::string& Path) {
  const ZQ_String text = ZQ_LoadFileIntoString(ZQ_FileName(Path.c_str()));
  return std::string(text.GetText(), text.GetLength());
}
void Write(const std::string& Path, const std::string& Contents) {
  std::FILE* file = std::fopen(Path.c_str(), "wb");
  std::fwrite(Contents.data(), 1, Contents.size(), file);
  std::fclose(file);
}

// The run count in the file, as the next run reads it (-1: unreadable).
long StoredCount(const char* OtherKey = nullptr, long* Other = nullptr) {
  ZQ_RegistryFolder folder;
  if (!ZQ_LoadSettingsFile(ZQ_FileName(kFile.c_str()), folder)) return -1;
  if (Other) *Other = ZQ_GetInt32(*folder.GetFolder("DialogBoxConfiguration")->GetFolder("Find"), OtherKey, 0);
  return ZQ_GetInt32(*folder.GetFolder("LastRunStatistics"), "ExecutionCount", 0);
}

class SettingsPluginTest : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    RemoveAll();
  }
  void TearDown() override {
    RemoveAll();
    StageSequenceTest::TearDown();
  }
  static void RemoveAll() {
    std::remove(kFile.c_str());
    std::remove((kFile + ".bak").c_str());
    ::RemoveDirectoryA((kFile + ".bak").c_str());
    ::RemoveDirectoryA((kFile + ".tmp").c_str());
  }
  // A run from stage 1 is a new program: a new personality and plug-in.
  void Run(int First = 1, int Last = 13) {
    if (First == 1) {
      personality.reset();
      personality.reset(new SettingsPersonality);
    }
    ASSERT_EQ(RunStages(First, Last).failedStage, 0);
  }
  std::unique_ptr<SettingsPersonality> personality;
};

TEST_F(SettingsPluginTest, RunsCountInAnXmlFileWrittenOnlyAtStage12) {
  Run();
  EXPECT_NE(Bytes(kFile).find("<?xml"), std::string::npos);
  long width = 0;
  EXPECT_EQ(StoredCount("W", &width), 1);
  EXPECT_EQ(width, 321);  // the dialog's folder
  Run(1, 11);
  EXPECT_EQ(StoredCount(), 1);
  Run(12, 13);
  EXPECT_EQ(StoredCount(), 2);
}

TEST_F(SettingsPluginTest, BinaryFileIsReadThenReplacedByXml) {
  ZQ_RegistryFolder original;
  ZQ_SetInt32(*original.GetFolder("LastRunStatistics"), "ExecutionCount", 4);
  Write(kFile, WriteToBytes(original));
  Run();
  EXPECT_NE(Bytes(kFile).find("<?xml"), std::string::npos);
  EXPECT_EQ(StoredCount(), 5);
}

TEST_F(SettingsPluginTest, UnreadableFileGivesEmptySettingsAndIsKeptAsBak) {
  Run();
  std::string otherType = Bytes(kFile);
  const std::string identifier = ZQ_SettingsFile_DocumentTypeIdentifier;
  otherType.replace(otherType.find(identifier), identifier.size(), "0012-fcc8-0000-cd5f-04d1-c90f-f796-9999");
  const struct {
    std::string contents;
    bool bakBlocked;  // a directory stands where the copy would go
    const char* why;
  } kCases[] = {
      {otherType, false, "XML of another document type"},
      {"\x01\x02 not settings at all", false, "a damaged file"},
      {"\x01\x02 damaged, no copy possible", true, "a damaged file that cannot be kept"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Write(kFile, c.contents);
    if (c.bakBlocked) {
      std::remove((kFile + ".bak").c_str());
      ::CreateDirectoryA((kFile + ".bak").c_str(), nullptr);
    } else {
      Write(kFile + ".bak", "an older copy");
    }
    const LogMark mark;
    Run();
    EXPECT_NE(mark.Since().find("Settings file not loaded: " + kFile), std::string::npos);
    if (c.bakBlocked) {
      EXPECT_EQ(Bytes(kFile), c.contents);  // left alone
      EXPECT_NE(mark.Since().find("could not be kept aside and is left as it is"), std::string::npos);
    } else {
      EXPECT_EQ(Bytes(kFile + ".bak"), c.contents);
      EXPECT_EQ(StoredCount(), 1);  // the run started from empty settings
      EXPECT_NE(mark.Since().find("Unreadable settings file kept as " + kFile + ".bak"), std::string::npos);
    }
  }
}

TEST_F(SettingsPluginTest, ItemsThatDoNotReadAreLeftOutTheRestLoadsAndTheFileIsKeptAsBak) {
  Run();
  const std::string written = Bytes(kFile);
  const std::string count = "<int key='ExecutionCount'>1</int>\n";
  ASSERT_NE(written.find(count), std::string::npos) << written;
  const struct {
    const char* item;  // after the run count
    const char* why;
  } kCases[] = {
      {"<int key='Width'>0x7fffffff</int>", "an int in hexadecimal"},
      {"<float key='Ratio'>NaN</float>", "a float that is not a number"},
      {"<float key='Ratio'>-1e309</float>", "a float beyond the range"},
      {"<int key='ExecutionCount'>7</int>", "a repeated key: the first is kept"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    std::string damaged = written;
    damaged.insert(damaged.find(count) + count.size(), std::string(c.item) + "\n");
    Write(kFile, damaged);
    const LogMark mark;
    Run();
    long width = 0;
    EXPECT_EQ(StoredCount("W", &width), 2);  // read and counted on
    EXPECT_EQ(width, 321);
    EXPECT_EQ(Bytes(kFile + ".bak"), damaged);
    EXPECT_NE(mark.Since().find("Settings file with items left out kept as " + kFile + ".bak"), std::string::npos);
    Write(kFile, written);
  }
}

TEST_F(SettingsPluginTest, FailedSaveIsLoggedAndLeavesTheOldFile) {
  Run();
  const std::string before = Bytes(kFile);
  // The writer saves through "<name>.tmp", which a directory now blocks.
  ASSERT_TRUE(::CreateDirectoryA((kFile + ".tmp").c_str(), nullptr));
  const LogMark mark;
  Run();
  EXPECT_EQ(Bytes(kFile), before);
  EXPECT_NE(mark.Since().find("Settings not saved: "), std::string::npos);
}

}  // namespace
