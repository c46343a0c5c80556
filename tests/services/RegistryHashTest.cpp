#include <gtest/gtest.h>

#include <string>

#include "RegistryTestSupport.h"
#include "ZQ_DateAndTimeRegistry.h"
#include "ZQ_Hasher.h"
#include "ZQ_RegistryItemSequence.h"
#include "ZQ_RegistryValueItems.h"

namespace {

ZQ_UID HashOfItem(const ZQ_RegistryItem& Item) {
  ZQ_Hasher hasher;
  Item.AddToHash(hasher);
  return hasher.GetHash();
}

ZQ_UID HashOfBytes(const std::string& Bytes) {
  ZQ_Hasher hasher;
  hasher.AddBytes(Bytes.data(), static_cast<unsigned long>(Bytes.size()));
  return hasher.GetHash();
}

}  // namespace

TEST(ZQ_RegistryHash, ItemsAddTheirClassIdAndContents) {
  ZQ_RegistryFolder withInt;
  ZQ_SetInt32(withInt, "A", 5);
  ZQ_RegistryFolder withSub;
  ZQ_SetBool(*withSub.GetFolder("S"), "B", true);
  ZQ_RegistryItemSequence sequence;
  sequence.Append(new ZQ_RegString("xy"));
  sequence.Append(new ZQ_RegUInt32(9));
  const double half = 0.5;
  const float quarter = 0.25f;
  const struct {
    const ZQ_RegistryItem* item;
    std::string bytes;
    const char* why;
  } kCases[] = {
      {&withInt, RegistryBytes().Int(ZQ_RegistryFolder_ClassID).Get() + "A" + RegistryBytes().Int(3).Int(5).Get(),
       "folder: key characters without length, no entry count"},
      {&withSub,
       RegistryBytes().Int(ZQ_RegistryFolder_ClassID).Get() + "S" +
           RegistryBytes().Int(ZQ_RegistryFolder_ClassID).Get() + "B" + RegistryBytes().Int(4).Byte(1).Get(),
       "nested folder and bool"},
      {&sequence, RegistryBytes().Int(1000).Int(2).Int(7).Get() + "xy" + RegistryBytes().Int(17).Int(9).Get(),
       "sequence with its count"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(HashOfItem(*c.item), HashOfBytes(c.bytes));
  }
  const ZQ_RegDouble doubleItem(half);
  const ZQ_RegFloat floatItem(quarter);
  const ZQ_RegInt16 shortItem(-2);
  const ZQ_BinaryDataRegistryItem binaryItem(ZQ_String("\0\1", 2));
  const ZQ_RegDate dateItem(ZQ_Date(4, 7, 2009));
  const ZQ_RegPointInTime pointItem(ZQ_PointInTime(ZQ_Time(), ZQ_Date(4, 7, 2009)));
  EXPECT_EQ(HashOfItem(doubleItem), HashOfBytes(RegistryBytes().Int(6).Raw(&half, 8).Get()));
  EXPECT_EQ(HashOfItem(floatItem), HashOfBytes(RegistryBytes().Int(5).Raw(&quarter, 4).Get()));
  EXPECT_EQ(HashOfItem(shortItem), HashOfBytes(RegistryBytes().Int(11).Short(-2).Get()));
  EXPECT_EQ(HashOfItem(binaryItem), HashOfBytes(RegistryBytes().Int(2).Get() + std::string("\0\1", 2)));
  EXPECT_EQ(HashOfItem(dateItem), HashOfBytes(RegistryBytes().Int(13).Int(55016).Get()));
  EXPECT_EQ(HashOfItem(pointItem), HashOfBytes(RegistryBytes().Int(15).Int(0).Int(55016).Get()));
}

TEST(ZQ_RegistryHash, OldFileNameItemHashesItsUpperCasedAbsoluteName) {
  // A folder would convert the item on reading: it is made straight from
  // its bytes.
  const std::string bytes = RegistryBytes().Int(19).Str("c:\\dir\\file.txt").Get();
  ZQ_BinaryStreamParser parser(ZQ_CreateStringStreamSource(ToZQ(bytes)));
  ZQ_AutoPtr<ZQ_RegistryItem> item(ZQ_CreateRegistryItemFromBinaryStream(parser));
  EXPECT_TRUE(item->IsLegacyDatatype());
  EXPECT_EQ(WriteToBytes(*item), bytes);
  EXPECT_EQ(HashOfItem(*item), HashOfBytes(RegistryBytes().Int(19).Get() + "C:\\DIR\\FILE.TXT"));
}
