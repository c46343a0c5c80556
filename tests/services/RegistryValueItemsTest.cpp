#include <gtest/gtest.h>

#include "RegistryTestSupport.h"
#include "ZQ_RegistryItemSequence.h"
#include "ZQ_RegistryValueItems.h"

TEST(ZQ_RegistryValueItems, GetReturnsTheDefaultForMissingKeysAndOtherClasses) {
  ZQ_RegistryFolder folder;
  ZQ_SetDouble(folder, "Double", 2.5);
  ZQ_SetInt32(folder, "Int", 1);
  ZQ_SetString(folder, "Text", "abc");
  folder.AddFolder("Folder");
  // Every getter against every stored class other than its own.
  for (const char* key : {"Missing", "Double", "Int", "Text", "Folder"}) {
    SCOPED_TRACE(key);
    if (std::string(key) != "Int") {
      EXPECT_EQ(ZQ_GetInt32(folder, key, -7), -7);
    }
    EXPECT_EQ(ZQ_GetUInt32(folder, key, 9u), 9u);
    if (std::string(key) != "Double") {
      EXPECT_EQ(ZQ_GetDouble(folder, key, 0.25), 0.25);
    }
    EXPECT_EQ(ZQ_GetBool(folder, key, true), true);
    if (std::string(key) != "Text") {
      EXPECT_EQ(ZQ_GetString(folder, key, "dflt"), ZQ_String("dflt"));
    }
  }
  EXPECT_EQ(folder.GetNumItems(), 4);  // the getters created nothing
  EXPECT_FALSE(folder.DoesExist("Missing"));
}

TEST(ZQ_RegistryValueItems, SetThenGetGivesTheValueBack) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "I", -2147483647L - 1);
  ZQ_SetUInt32(folder, "U", 4294967295UL);
  ZQ_SetDouble(folder, "D", -1.0e300);
  ZQ_SetBool(folder, "B", true);
  ZQ_SetString(folder, "S", ZQ_String("a\0b", 3));
  EXPECT_EQ(ZQ_GetInt32(folder, "I", 0), -2147483647L - 1);
  EXPECT_EQ(ZQ_GetUInt32(folder, "U", 0), 4294967295UL);
  EXPECT_EQ(ZQ_GetDouble(folder, "D", 0), -1.0e300);
  EXPECT_TRUE(ZQ_GetBool(folder, "B", false));
  EXPECT_EQ(ZQ_GetString(folder, "S", ""), ZQ_String("a\0b", 3));
}

TEST(ZQ_RegistryValueItems, SetReplacesAnItemOfAnotherClass) {
  ZQ_RegistryFolder folder;
  ZQ_SetDouble(folder, "K", 1.5);
  EXPECT_EQ(ZQ_GetInt32(folder, "K", 3), 3);
  ZQ_SetInt32(folder, "K", 4);
  EXPECT_EQ(ZQ_GetInt32(folder, "K", 3), 4);
  EXPECT_EQ(ZQ_GetDouble(folder, "K", 0.5), 0.5);

  ZQ_RegistryFolder* sub = folder.GetFolder("Sub");
  ZQ_SetInt32(*sub, "Inner", 1);
  ZQ_SetString(folder, "Sub", "now text");
  EXPECT_EQ(folder.GetFolderIfExists("Sub"), nullptr);
  EXPECT_EQ(ZQ_GetString(folder, "Sub", ""), ZQ_String("now text"));
}

TEST(ZQ_RegistryValueItems, SettingAgainKeepsTheSameItem) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "K", 1);
  const ZQ_RegistryItem* first = folder.GetItemIfExists("K");
  ZQ_SetInt32(folder, "K", 1);
  ZQ_SetInt32(folder, "K", 2);
  EXPECT_EQ(folder.GetItemIfExists("K"), first);
  EXPECT_EQ(ZQ_GetInt32(folder, "K", 0), 2);
}

TEST(ZQ_RegistryValueItems, BoolDoesNotReadAnInteger) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "Flag", 1);
  EXPECT_FALSE(ZQ_GetBool(folder, "Flag", false));
}

TEST(ZQ_RegistryValueItems, GettersReadTheLegacyCounterparts) {
  ZQ_RegistryFolder folder;
  folder.AddItem("I16", new ZQ_RegInt16(-1));
  folder.AddItem("U16", new ZQ_RegUInt16(65535));
  folder.AddItem("F", new ZQ_RegFloat(0.1f));
  EXPECT_EQ(ZQ_GetInt32(folder, "I16", 0), -1);
  EXPECT_EQ(ZQ_GetUInt32(folder, "U16", 0), 65535u);
  EXPECT_EQ(ZQ_GetDouble(folder, "F", 0), static_cast<double>(0.1f));
  EXPECT_NE(ZQ_GetDouble(folder, "F", 0), 0.1);
  // The other direction is not accepted.
  EXPECT_EQ(ZQ_GetUInt32(folder, "I16", 8), 8u);
  EXPECT_EQ(ZQ_GetInt32(folder, "U16", 8), 8);
}

TEST(ZQ_RegistryValueItems, LegacyItemsConvertToTheirCurrentClass) {
  ZQ_RegistryFolder folder;
  folder.AddItem("I16", new ZQ_RegInt16(-2));
  folder.AddItem("U16", new ZQ_RegUInt16(40000));
  folder.AddItem("F", new ZQ_RegFloat(0.5f));
  folder.GetItemIfExists("I16")->ConvertFromLegacyDatatype(folder, "I16");
  folder.GetItemIfExists("U16")->ConvertFromLegacyDatatype(folder, "U16");
  folder.GetItemIfExists("F")->ConvertFromLegacyDatatype(folder, "F");
  ASSERT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegInt32>(folder, "I16"), nullptr);
  ASSERT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegUInt32>(folder, "U16"), nullptr);
  ASSERT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegDouble>(folder, "F"), nullptr);
  EXPECT_EQ(ZQ_GetInt32(folder, "I16", 0), -2);
  EXPECT_EQ(ZQ_GetUInt32(folder, "U16", 0), 40000u);
  EXPECT_EQ(ZQ_GetDouble(folder, "F", 0), 0.5);
}

TEST(ZQ_RegistryValueItems, CurrentItemsHaveNoLegacyConversion) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "K", 1);
  EXPECT_TRUE(StartsWith(
      ExceptionNameOf([&] { folder.GetItemIfExists("K")->ConvertFromLegacyDatatype(folder, "K"); }),
      AssertionFailure("false")));
}

TEST(ZQ_RegistryValueItems, SetTakesAValueHeldByTheItemItReplaces) {
  ZQ_RegistryFolder folder;
  folder.AddItem("K", new ZQ_BinaryDataRegistryItem(ZQ_String("raw bytes of some length")));
  const auto* binary = ZQ_GetRegistryItemOfClass<ZQ_BinaryDataRegistryItem>(folder, "K");
  ZQ_SetString(folder, "K", binary->GetValue());
  EXPECT_EQ(ZQ_GetString(folder, "K", ""), ZQ_String("raw bytes of some length"));
}
