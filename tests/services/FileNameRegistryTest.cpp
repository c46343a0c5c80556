#include <gtest/gtest.h>

#include "RegistryTestSupport.h"
#include "ZQ_FileNameRegistry.h"
#include "ZQ_RegistryValueItems.h"

TEST(ZQ_FileNameRegistry, FileNameIsStoredAsItsPathString) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "Output", 1);
  ZQ_SetFileName(folder, "Output", ZQ_FileName("C:\\Data\\report.txt"));
  EXPECT_EQ(ZQ_GetString(folder, "Output", ""), ZQ_String("C:\\Data\\report.txt"));
  EXPECT_EQ(ZQ_GetFileName(folder, "Output", ZQ_FileName()).GetPathName(),
            ZQ_String("C:\\Data\\report.txt"));
  EXPECT_EQ(ZQ_GetFileName(folder, "Missing", ZQ_FileName("x.dat")).GetPathName(), ZQ_String("x.dat"));
  ZQ_SetBool(folder, "Flag", true);
  EXPECT_EQ(ZQ_GetFileName(folder, "Flag", ZQ_FileName("y.dat")).GetPathName(), ZQ_String("y.dat"));
}

TEST(ZQ_FileNameRegistry, OldFileNameItemLoadsAsAString) {
  ZQ_RegistryFolder folder;
  LoadFromBytes(RegistryBytes().FolderHeader(1).Str("Last").Int(19).Str("\"C:\\a b\\c.txt\"").Get(), folder);
  // Quotes are dropped as a file name drops them, then the string is current.
  ASSERT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegString>(folder, "Last"), nullptr);
  EXPECT_EQ(ZQ_GetString(folder, "Last", ""), ZQ_String("C:\\a b\\c.txt"));
}
