#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include "../foundation/ScratchFileSupport.h"
#include "../services/RegistryTestSupport.h"
#include "DebugLogMark.h"
#include "ZQXREG_RegistryDocument.h"
#include "ZQ_DateAndTimeRegistry.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_SettingsFile.h"
#include "XmlTestSupport.h"

namespace {

const ZQ_UID kTypeId(ZQ_String("0012-fcc8-0000-cd5f-04d1-c90f-f796-1034"));
const char kTypeName[] = "ApplicationConfigurationRegistry";

std::string Document(const std::string& Items, const char* Id = "0012-fcc8-0000-cd5f-04d1-c90f-f796-1034") {
  return "<?xml version='1.0'?>\n<registry doctypename='ApplicationConfigurationRegistry' doctypeid='" +
         std::string(Id) + "'>\n" + Items + "</registry>\n";
}

ZQ_String AllBytes(int From, int To) {
  std::string bytes;
  for (int c = From; c <= To; ++c) bytes += static_cast<char>(c);
  return ToZQ(bytes);
}

void FillEveryType(ZQ_RegistryFolder& Folder) {
  ZQ_SetInt32(Folder, "Int", LONG_MIN);
  ZQ_SetUInt32(Folder, "UInt", 0xDEADBEEFul);
  ZQ_SetDouble(Folder, "Tenth", 0.1);
  ZQ_SetDouble(Folder, "Tiny", 1e-300);
  ZQ_SetDouble(Folder, "NegativeZero", -0.0);
  ZQ_SetBool(Folder, "Yes", true);
  ZQ_SetBool(Folder, "No", false);
  ZQ_SetString(Folder, "Text", ToZQ("tab\tCR\rLF\nCRLF\r\n'\"[-]<&>") + AllBytes(1, 31) + AllBytes(127, 255));
  Folder.AddItem("Data", new ZQ_BinaryDataRegistryItem(AllBytes(0, 255)));
  Folder.AddItem("First", new ZQ_RegDate(ZQ_Date(1, 1, 1583)));
  Folder.AddItem("Last", new ZQ_RegDate(ZQ_Date(31, 12, 2999)));
  ZQ_Time time;
  time.SetHMS(23, 59, 59, 999);
  Folder.AddItem("Time", new ZQ_RegTime(time));
  ZQ_RegistryFolder* began = Folder.GetFolder("Began");
  began->AddItem("Time", new ZQ_RegTime(ZQ_Time()));
  began->AddItem("Date", new ZQ_RegDate(ZQ_Date(7, 12, 2026)));
  began->GetFolder("Empty");
  ZQ_RegistryItemSequence* sequence = Folder.GetSequence("Sequence");
  sequence->Append(new ZQ_RegString(ToZQ("a b")));
  sequence->Append(new ZQ_RegInt32(-1));
  sequence->Append(new ZQ_RegistryItemSequence);
  auto* inner = new ZQ_RegistryFolder;
  ZQ_SetString(*inner, "Inside", "sequence");
  sequence->Append(inner);
}

}  // namespace

class RegistryDocument : public testing::Test {
 protected:
  ScratchFolder scratch{"ZQRegistryDocument"};
  ZQ_FileName File(const char* Name) const { return ZQ_FileName((scratch / Name).c_str()); }
};

TEST_F(RegistryDocument, EveryItemTypeRoundTrips) {
  ZQ_RegistryFolder original;
  FillEveryType(original);
  const ZQ_FileName file = File("every.xml");
  ZQXREG_SaveFolderToFileInXMLFormat(original, file, kTypeName, kTypeId);
  ZQ_RegistryFolder loaded;
  ZQ_SetInt32(loaded, "Stale", 1);
  ZQXREG_LoadFolderFromFileInXMLFormat(loaded, file, kTypeName, kTypeId);
  EXPECT_TRUE(RegistryTreesEqual(original, loaded)) << ScratchFolder::Get(scratch / "every.xml");
  const double negativeZero = ZQ_GetDouble(loaded, "NegativeZero", 1.0);
  EXPECT_TRUE(std::signbit(negativeZero) && negativeZero == 0.0);
  EXPECT_FALSE(ScratchFolder::Exists(scratch / "every.xml.tmp"));
}

TEST_F(RegistryDocument, TheWrittenTextIsOneElementPerLineIndentedByLevel) {
  ZQ_RegistryFolder folder;
  ZQ_RegistryFolder* statistics = folder.GetFolder("LastRunStatistics");
  ZQ_SetInt32(*statistics, "ExecutionCount", 3);
  ZQ_SetString(folder, "Name", ToZQ("a\x01\nb"));
  ZQ_SetString(folder, "Nul", ToZQ(std::string("x\0y", 3)));
  ZQ_SetUInt32(folder, "Mask", 0xAul);
  std::string expected;
  for (auto items = folder.GetIterator(); items.IsValid(); items.Advance()) {
    const std::string key = items.GetCurrent().GetKey().GetText();
    if (key == "LastRunStatistics")
      expected += "  <folder key='LastRunStatistics'>\n    <int key='ExecutionCount'>3</int>\n  </folder>\n";
    else if (key == "Name")
      expected += "  <text key='Name'>a&#1;&#10;b</text>\n";
    else if (key == "Nul")
      expected += "  <text key='Nul'>xy</text>\n";
    else
      expected += "  <uint key='Mask'>0000000A</uint>\n";
  }
  ZQXREG_SaveFolderToFileInXMLFormat(File("text.xml"), folder, kTypeName, kTypeId);
  EXPECT_EQ(ScratchFolder::Get(scratch / "text.xml"), Document(expected));
}

TEST_F(RegistryDocument, FileContainsRegistryDocumentNeverThrows) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "Runs", 2);
  const struct {
    const char* name;
    std::string contents;  // "<none>": no file
    bool want;
  } kCases[] = {
      {"missing.xml", "<none>", false},
      {"empty.xml", "", false},
      {"binary.dat", WriteToBytes(folder), false},
      {"other.xml", Document("", "0012-fcc8-0000-cd5f-04d1-c90f-f796-1035"), false},
      {"otherroot.xml", "<settings doctypename='x' doctypeid='0012-fcc8-0000-cd5f-04d1-c90f-f796-1034'/>", false},
      {"malformed.xml", Document("<int key='a'>1</int").substr(0, 120), false},
      {"invalid.xml", Document("<number key='a'>1</number>\n"), false},
      {"ours.xml", Document("<int key='a'>1</int>\n"), true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    if (c.contents != "<none>") scratch.Put(c.name, c.contents);
    EXPECT_EQ(ZQXREG_FileContainsRegistryDocument(File(c.name), kTypeId), c.want);
  }
}

TEST_F(RegistryDocument, BadDocumentsThrowNamingTheKey) {
  const struct {
    std::string contents;
    const char* wanted;  // in the description
  } kCases[] = {
      {Document("<int key='a'>x</int>\n"), "/a"},
      {Document("<folder key='f'><bool key='b'>yes</bool></folder>\n"), "/f/b"},
      {Document("<data key='d'>0</data>\n"), "/d"},
      {Document("<data key='d'>0G</data>\n"), "/d"},
      {Document("<sequence key='s'><int>5</int><date>2026-13-01</date></sequence>\n"), "/s[1]"},
      {Document("<time key='t'>25:00</time>\n"), "/t"},
      {Document("<int key='a'>1</int><int key='a'>2</int>\n"), "/a"},
      {Document("<int key='!!'>1</int>\n"), "!!"},
      {Document("<int>1</int>\n"), "\"\""},
      {Document("", "0012-fcc8-0000-cd5f-04d1-c90f-f796-1035"), "0012-fcc8-0000-cd5f-04d1-c90f-f796-1035"},
      {"<registry doctypename='Other' doctypeid='0012-fcc8-0000-cd5f-04d1-c90f-f796-1034'/>", "Other"},
      {Document("<int key='a'>1</int>\n<text key='b'/>\n<unknown/>"), "unknown"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.contents);
    scratch.Put("bad.xml", c.contents);
    ZQ_RegistryFolder folder;
    const CaughtError error =
        ErrorOf([&] { ZQXREG_LoadFolderFromFileInXMLFormat(File("bad.xml"), folder, kTypeName, kTypeId); });
    EXPECT_NE(error.Kind, "") << "throws ZQ_Exception";
    EXPECT_NE(error.Description.find(c.wanted), std::string::npos) << error.Description;
  }
  ZQ_RegistryFolder folder;
  EXPECT_NE(ErrorOf([&] { ZQXREG_LoadFolderFromFileInXMLFormat(File("none.xml"), folder, kTypeName, kTypeId); })
                .Kind,
            "");
}

TEST_F(RegistryDocument, KeysAreStrippedLikeTheFolderStripsThem) {
  scratch.Put("keys.xml", Document("<int key='two words'>2</int>\n<sequence key='s'><int key='ignored'>1</int></sequence>\n"));
  ZQ_RegistryFolder folder;
  ZQXREG_LoadFolderFromFileInXMLFormat(File("keys.xml"), folder, kTypeName, kTypeId);
  EXPECT_EQ(ZQ_GetInt32(folder, "twowords", 0), 2);
  ASSERT_NE(folder.GetSequenceIfExists("s"), nullptr);
  EXPECT_EQ(folder.GetSequenceIfExists("s")->GetNumItems(), 1);
}

TEST_F(RegistryDocument, AFailedSaveLeavesTheEarlierFile) {
  const std::string target = scratch.Put("settings.xml", "earlier content");
  scratch.MakeFolder("settings.xml.tmp");
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "Runs", 1);
  EXPECT_NE(ErrorOf([&] {
              ZQXREG_SaveFolderToFileInXMLFormat(File("settings.xml"), folder, kTypeName, kTypeId);
            }).Kind,
            "");
  EXPECT_EQ(ScratchFolder::Get(target), "earlier content");
}

TEST_F(RegistryDocument, ABinarySettingsFileComesBackAsXML) {
  ZQ_RegistryFolder original;
  FillEveryType(original);
  const std::string path = scratch.Put("settings.dat", WriteToBytes(original));
  ZQ_RegistryFolder loaded;
  ASSERT_TRUE(ZQ_LoadSettingsFile(ZQ_FileName(path.c_str()), loaded));
  ZQ_SaveSettingsFile(ZQ_FileName(path.c_str()), loaded);
  EXPECT_EQ(ScratchFolder::Get(path).substr(0, 21), "<?xml version='1.0'?>");
  ZQ_RegistryFolder again;
  ASSERT_TRUE(ZQ_LoadSettingsFile(ZQ_FileName(path.c_str()), again));
  EXPECT_TRUE(RegistryTreesEqual(original, again));
}

TEST_F(RegistryDocument, ASettingsFileLeavesOutOnlyTheItemsThatDoNotRead) {
  // Line 4 of the file holds the fault; the items around it read.
  const struct {
    const char* item;
    const char* logged;  // the key path in the log line
    const char* why;
  } kCases[] = {
      {"<int key='b'>0x7fffffff</int>", "/b", "an int in hexadecimal"},
      {"<float key='b'>NaN</float>", "/b", "a float that is not a number"},
      {"<float key='b'>-1e309</float>", "/b", "a float beyond the range"},
      {"<folder key='b'><int key='n'>NaN</int><int key='m'>5</int></folder>", "/b/n", "a bad item in a folder"},
      {"<int key='a'>2</int>", "/a appears twice", "a repeated key: the first is kept"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    scratch.Put("settings.xml", Document("<int key='a'>1</int>\n" + std::string(c.item) +
                                         "\n<folder key='f'><text key='t'>x</text></folder>\n"));
    ZQ_RegistryFolder folder;
    const LogMark mark;
    EXPECT_EQ(ZQXREG_LoadFolderFromFileInXMLFormatLeavingOutBadItems(File("settings.xml"), folder, kTypeName, kTypeId),
              1);
    EXPECT_EQ(ZQ_GetInt32(folder, "a", 0), 1);
    EXPECT_EQ(ZQ_GetString(*folder.GetFolder("f"), "t", ""), ZQ_String("x"));
    const ZQ_RegistryFolder* inner = folder.GetFolderIfExists("b");
    EXPECT_TRUE(std::string(c.logged) == "/b/n" ? inner && ZQ_GetInt32(*folder.GetFolder("b"), "m", 0) == 5
                                                 : !folder.DoesExist("b"));
    const std::string logged = mark.Since();
    EXPECT_NE(logged.find("settings.xml, line 4: "), std::string::npos) << logged;
    EXPECT_NE(logged.find(c.logged), std::string::npos) << logged;
  }
}

TEST_F(RegistryDocument, ASettingsFileThatDoesNotParseIsLoggedWithTheReadersErrorAndPlace) {
  const std::string path = scratch.Put("settings.cfg", Document("<int key='a'>1</int>\n<int key='b'>2</in>\n"));
  ZQ_RegistryFolder folder;
  const LogMark mark;
  EXPECT_FALSE(ZQ_LoadSettingsFile(ZQ_FileName(path.c_str()), folder));
  const std::string logged = mark.Since();
  EXPECT_NE(logged.find("at line 4 and column"), std::string::npos) << logged;
  EXPECT_EQ(logged.find("binary stream"), std::string::npos) << logged;
}
