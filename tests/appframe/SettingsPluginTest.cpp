#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "../services/RegistryTestSupport.h"
#include "../services/StageTestSupport.h"
#include "DebugLogMark.h"
#include "ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_SettingsFile.h"

namespace {

std::string SettingsPath() {
  return TemporaryDirectory() + "AppFrameSettings" + std::to_string(::GetCurrentProcessId()) + ".cfg";
}

class ScratchSettingsPlugin : public ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin {
 public:
  ZQ_FileName GetConfigurationRegistryFilename() override { return ZQ_FileName(SettingsPath().c_str()); }
};

// Also writes a dialog's setting while the registry is usable.
class SettingsPersonality : public ZQF_PLUGIN_ApplicationPersonality {
 public:
  void RegisterPlugins() override { Register(new ScratchSettingsPlugin); }
  void OnStage(long Stage) override {
    if (Stage == 5) ZQ_SetInt32(ZQF_PLUGIN_AppConfigRegistry_GetDialogBoxConfigFolder("Find"), "Width", 321);
  }
};

std::string Bytes(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
void Write(const std::string& Path, const std::string& Contents) {
  std::ofstream(Path, std::ios::binary) << Contents;
}

// What the file holds, read as the next run would.
struct Stored {
  long count = -1;
  long dialogWidth = -1;
  std::string kept;
};
Stored Read() {
  ZQ_RegistryFolder folder;
  Stored stored;
  if (!ZQ_LoadSettingsFile(ZQ_FileName(SettingsPath().c_str()), folder)) return stored;
  stored.count = ZQ_GetInt32(*folder.GetFolder("LastRunStatistics"), "ExecutionCount", 0);
  stored.dialogWidth =
      ZQ_GetInt32(*folder.GetFolder("DialogBoxConfiguration")->GetFolder("Find"), "Width", 0);
  stored.kept = ZQ_GetString(folder, "Kept", "").GetText();
  return stored;
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
    std::remove(SettingsPath().c_str());
    std::remove((SettingsPath() + ".bak").c_str());
    ::RemoveDirectoryA((SettingsPath() + ".tmp").c_str());
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

TEST_F(SettingsPluginTest, FirstRunCountsOneAndWritesXmlThatTheNextRunReads) {
  Run();
  EXPECT_NE(Bytes(SettingsPath()).find("ApplicationConfigurationRegistry"), std::string::npos);
  EXPECT_EQ(Read().count, 1);
  EXPECT_EQ(Read().dialogWidth, 321);
  Run();
  EXPECT_EQ(Read().count, 2);
}

TEST_F(SettingsPluginTest, BinaryFileIsReadThenReplacedByXml) {
  ZQ_RegistryFolder original;
  ZQ_SetInt32(*original.GetFolder("LastRunStatistics"), "ExecutionCount", 4);
  ZQ_SetString(original, "Kept", "yes");
  Write(SettingsPath(), WriteToBytes(original));
  Run();
  EXPECT_NE(Bytes(SettingsPath()).find("<?xml"), std::string::npos);
  EXPECT_EQ(Read().count, 5);
  EXPECT_EQ(Read().kept, "yes");
}

TEST_F(SettingsPluginTest, UnreadableFileGivesEmptySettingsAndIsKeptAsBak) {
  Run();
  std::string otherType = Bytes(SettingsPath());
  const std::string identifier = ZQ_SettingsFile_DocumentTypeIdentifier;
  otherType.replace(otherType.find(identifier), identifier.size(), "0012-fcc8-0000-cd5f-04d1-c90f-f796-9999");
  const struct {
    std::string contents;
    const char* why;
  } kCases[] = {
      {otherType, "XML of another document type"},
      {"\x01\x02 not settings at all", "a damaged file"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Write(SettingsPath(), c.contents);
    Write(SettingsPath() + ".bak", "an older copy");
    const LogMark mark;
    Run();
    EXPECT_EQ(Bytes(SettingsPath() + ".bak"), c.contents);
    EXPECT_EQ(Read().count, 1);  // the run started from empty settings
    EXPECT_NE(mark.Since().find("Settings file not loaded: " + SettingsPath()), std::string::npos);
    EXPECT_NE(mark.Since().find("Unreadable settings file kept as " + SettingsPath() + ".bak"),
              std::string::npos);
  }
}

TEST_F(SettingsPluginTest, UnkeepableUnreadableFileIsLeftAlone) {
  const std::string damaged = "\x01\x02 damaged";
  Write(SettingsPath(), damaged);
  ::CreateDirectoryA((SettingsPath() + ".bak").c_str(), nullptr);  // no copy can go there
  const LogMark mark;
  Run();
  ::RemoveDirectoryA((SettingsPath() + ".bak").c_str());
  EXPECT_EQ(Bytes(SettingsPath()), damaged);
  EXPECT_NE(mark.Since().find("could not be kept aside and is left as it is"), std::string::npos);
}

TEST_F(SettingsPluginTest, FailedSaveIsLoggedAndLeavesTheOldFile) {
  Run();
  const std::string before = Bytes(SettingsPath());
  // The writer saves through "<name>.tmp", which a directory now blocks.
  ASSERT_TRUE(::CreateDirectoryA((SettingsPath() + ".tmp").c_str(), nullptr));
  const LogMark mark;
  Run();
  EXPECT_EQ(Bytes(SettingsPath()), before);
  EXPECT_NE(mark.Since().find("Settings not saved: "), std::string::npos);
}

TEST_F(SettingsPluginTest, CountReachesTheFileOnlyAtStage12) {
  Run();
  Run(1, 11);
  EXPECT_EQ(Read().count, 1);
  Run(12, 13);
  EXPECT_EQ(Read().count, 2);
}

TEST_F(SettingsPluginTest, ASecondPluginFailsItsAssertion) {
  ScratchSettingsPlugin first;
  std::unique_ptr<ScratchSettingsPlugin> second;
  EXPECT_TRUE(FailedOn(FailureOf([&] { second.reset(new ScratchSettingsPlugin); }),
                       "AppConfigRegPluginInstance == NULL"));
}

}  // namespace
