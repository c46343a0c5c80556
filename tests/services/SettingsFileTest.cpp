#include <gtest/gtest.h>

#include <string>

#include "RegistryTestSupport.h"
#include "StageTestSupport.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_SettingsFile.h"
#include "ZQ_RegistryValueItems.h"

namespace {

// A stand-in for the XML subsystem: files beginning "<xml>" are its
// documents; it loads one fixed entry and records saves.
std::string s_savedTo;
bool FakeContains(const ZQ_FileName& File) { return StartsWith(ZQ_LoadFileIntoString(File).GetText(), "<xml>"); }
long FakeLoad(const ZQ_FileName&, ZQ_RegistryFolder& Folder, const ZQ_String& Name, const ZQ_String&) {
  Folder.Clear();
  ZQ_SetString(Folder, "FromXML", Name);
  return 0;
}
void FakeSave(const ZQ_FileName& File, const ZQ_RegistryFolder&, const ZQ_String&, const ZQ_String&) {
  s_savedTo = File.GetPathName().GetText();
}

class SettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    savedApiMode = ZQLOW_WIN_GetAPIFunctionFailureMode();
    ZQLOW_WIN_SetAPIFunctionFailureMode(0);  // as the running program has it
  }
  void TearDown() override {
    ZQ_SetSettingsFileXMLForm({nullptr, nullptr, nullptr});
    ZQLOW_WIN_SetAPIFunctionFailureMode(savedApiMode);
  }
  int savedApiMode = 1;
};

}  // namespace

TEST_F(SettingsFile, BinaryFileIsLoaded) {
  ZQ_RegistryFolder original;
  ZQ_SetInt32(original, "Runs", 12);
  ScratchFile file("RegistrySettingsBinary.dat", WriteToBytes(original));
  ZQ_RegistryFolder folder;
  EXPECT_TRUE(ZQ_LoadSettingsFile(ZQ_FileName(file.Path().c_str()), folder));
  EXPECT_EQ(ZQ_GetInt32(folder, "Runs", 0), 12);
}

TEST_F(SettingsFile, UnreadableFilesLeaveEmptySettings) {
  ZQ_RegistryFolder original;
  ZQ_SetInt32(original, "Runs", 12);
  const std::string good = WriteToBytes(original);
  const struct {
    std::string contents;
    const char* why;
  } kCases[] = {
      {"", "empty file"},
      {"<?xml version=\"1.0\"?><registry/>", "XML while no XML form is installed"},
      {good.substr(0, good.size() - 1), "binary form cut short"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ScratchFile file("RegistrySettingsDamaged.dat", c.contents);
    ZQ_RegistryFolder folder;
    ZQ_SetInt32(folder, "Old", 1);
    const int logged = CountInDebugLog("Settings file not loaded: ");
    EXPECT_FALSE(ZQ_LoadSettingsFile(ZQ_FileName(file.Path().c_str()), folder));
    EXPECT_EQ(folder.GetNumItems(), 0);
    EXPECT_EQ(CountInDebugLog("Settings file not loaded: "), logged + 1);
  }
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "Old", 1);
  EXPECT_FALSE(ZQ_LoadSettingsFile(ZQ_FileName((TemporaryDirectory() + "NoSuchSettings.dat").c_str()), folder));
  EXPECT_EQ(folder.GetNumItems(), 0);  // the first run starts empty
}

TEST_F(SettingsFile, InstalledXMLFormReadsDocumentsAndWritesEveryFile) {
  ZQ_RegistryFolder folder;
  EXPECT_EQ(ExceptionNameOf([&] { ZQ_SaveSettingsFile(ZQ_FileName("C:\\s.xml"), folder); }),
            "Settings not saved");
  ZQ_SetSettingsFileXMLForm({&FakeContains, &FakeLoad, &FakeSave});
  ScratchFile xml("RegistrySettings.xml", "<xml>");
  EXPECT_TRUE(ZQ_LoadSettingsFile(ZQ_FileName(xml.Path().c_str()), folder));
  EXPECT_EQ(ZQ_GetString(folder, "FromXML", ""), ZQ_String("ApplicationConfigurationRegistry"));
  // A binary file is still read when the XML form is there.
  ZQ_RegistryFolder original;
  ZQ_SetBool(original, "Binary", true);
  ScratchFile binary("RegistrySettingsBinary2.dat", WriteToBytes(original));
  EXPECT_TRUE(ZQ_LoadSettingsFile(ZQ_FileName(binary.Path().c_str()), folder));
  EXPECT_TRUE(ZQ_GetBool(folder, "Binary", false));
  s_savedTo.clear();
  ZQ_SaveSettingsFile(ZQ_FileName("C:\\s.xml"), folder);
  EXPECT_EQ(s_savedTo, "C:\\s.xml");
}
