#include <gtest/gtest.h>

#include "RegistryTestSupport.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_UIDRegistry.h"

namespace {
const ZQ_UID kSample(0x01234567, 0x89ABCDEF, 0, 0x1357);
const char* const kSampleText = "0123-4567-89ab-cdef-0000-0000-0000-1357";
}  // namespace

TEST(ZQ_UIDRegistry, SetStoresTheTextForm) {
  ZQ_RegistryFolder folder;
  ZQ_SetUID(folder, "Id", kSample);
  ASSERT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegString>(folder, "Id"), nullptr);
  EXPECT_EQ(ZQ_GetString(folder, "Id", ""), kSampleText);
  EXPECT_EQ(ZQ_GetUID(folder, "Id", ZQ_UID()), kSample);
}

TEST(ZQ_UIDRegistry, UnusableEntriesGiveTheDefault) {
  const ZQ_UID fallback = ZQ_MakeUID(77);
  const struct { const char* stored; bool isString; const char* why; } kCases[] = {
      {nullptr, false, "missing key"},
      {"not an identifier", true, "invalid text"},
      {"0123-4567-89ab-cdef-0000-0000-0000-135", true, "38 characters"},
      {"", true, "empty text"},
      {"5", false, "another class"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_RegistryFolder folder;
    if (c.stored && c.isString) ZQ_SetString(folder, "Id", c.stored);
    if (c.stored && !c.isString) ZQ_SetInt32(folder, "Id", 5);
    EXPECT_EQ(ZQ_GetUID(folder, "Id", fallback), fallback);
  }
  // Blanks around the text are allowed.
  ZQ_RegistryFolder folder;
  ZQ_SetString(folder, "Id", std::string("  ").append(kSampleText).append(" ").c_str());
  EXPECT_EQ(ZQ_GetUID(folder, "Id", fallback), kSample);
}

TEST(ZQ_UIDRegistry, LegacyItemWritesItsWordsAndLoadsAsText) {
  ZQ_RegUID item(kSample);
  EXPECT_TRUE(item.IsLegacyDatatype());
  const std::string bytes = RegistryBytes().Int(43).Int(0x01234567).Int(0x89ABCDEF).Int(0).Int(0x1357).Get();
  EXPECT_EQ(WriteToBytes(item), bytes);

  ZQ_RegistryFolder folder;
  LoadFromBytes(RegistryBytes().FolderHeader(1).Str("Doc").Get() + bytes, folder);
  ASSERT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegString>(folder, "Doc"), nullptr);
  EXPECT_EQ(ZQ_GetString(folder, "Doc", ""), kSampleText);
}

TEST(ZQ_UIDRegistry, GetReadsAnUnconvertedLegacyItem) {
  ZQ_RegistryFolder folder;
  folder.AddItem("Id", new ZQ_RegUID(kSample));
  EXPECT_EQ(ZQ_GetUID(folder, "Id", ZQ_UID()), kSample);
  ZQ_SetUID(folder, "Id", ZQ_MakeUID(5));  // replaces the legacy item
  EXPECT_EQ(ZQ_GetRegistryItemOfClass<ZQ_RegUID>(folder, "Id"), nullptr);
  EXPECT_EQ(ZQ_GetUID(folder, "Id", ZQ_UID()), ZQ_MakeUID(5));
}
