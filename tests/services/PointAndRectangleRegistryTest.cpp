#include <gtest/gtest.h>

#include "RegistryTestSupport.h"
#include "ZQ_Hasher.h"
#include "ZQ_PointAndRectangleRegistry.h"
#include "ZQ_RegistryValueItems.h"

TEST(ZQ_PointAndRectangleRegistry, RectangleIsASubfolderOfFourIntegers) {
  ZQ_RegistryFolder folder;
  ZQ_SetRectangle_Int32(folder, "Main", ZQ_Rectangle<long>(10, 20, 300, 400));
  const ZQ_RegistryFolder* sub = folder.GetFolderIfExists("Main");
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->GetNumItems(), 4);
  const struct { const char* key; long want; } kEntries[] = {
      {"OriginX", 10}, {"OriginY", 20}, {"ExtentX", 300}, {"ExtentY", 400}};
  for (const auto& entry : kEntries) {
    SCOPED_TRACE(entry.key);
    ASSERT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegInt32>(*sub, entry.key), nullptr);
    EXPECT_EQ(ZQ_GetInt32(*sub, entry.key, -1), entry.want);
  }
  EXPECT_EQ(ZQ_GetRectangle_Int32(folder, "Main", ZQ_Rectangle<long>()), ZQ_Rectangle<long>(10, 20, 300, 400));
}

TEST(ZQ_PointAndRectangleRegistry, EachTypeRoundTripsThroughItsLayout) {
  ZQ_RegistryFolder folder;
  ZQ_SetPoint_Int32(folder, "PI", ZQ_Point<long>(-3, 4));
  ZQ_SetPoint_Double(folder, "PD", ZQ_Point<double>(0.1, -2.5));
  ZQ_SetRectangle_Double(folder, "RD", ZQ_Rectangle<double>(0.5, 1.5, 2.25, 1e300));
  EXPECT_EQ(ZQ_GetPoint_Int32(folder, "PI", ZQ_Point<long>()), ZQ_Point<long>(-3, 4));
  EXPECT_EQ(ZQ_GetPoint_Double(folder, "PD", ZQ_Point<double>()), ZQ_Point<double>(0.1, -2.5));
  EXPECT_EQ(ZQ_GetRectangle_Double(folder, "RD", ZQ_Rectangle<double>()),
            ZQ_Rectangle<double>(0.5, 1.5, 2.25, 1e300));
  EXPECT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegDouble>(*folder.GetFolderIfExists("PD"), "Y"), nullptr);
  EXPECT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegDouble>(*folder.GetFolderIfExists("RD"), "ExtentY"), nullptr);
  // Setting again overwrites the same subfolder.
  const ZQ_RegistryFolder* sub = folder.GetFolderIfExists("PI");
  ZQ_SetPoint_Int32(folder, "PI", ZQ_Point<long>(7, 8));
  EXPECT_EQ(folder.GetFolderIfExists("PI"), sub);
  EXPECT_EQ(ZQ_GetPoint_Int32(folder, "PI", ZQ_Point<long>()), ZQ_Point<long>(7, 8));
}

TEST(ZQ_PointAndRectangleRegistry, MissingEntriesKeepTheDefaultsFields) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(*folder.GetFolder("Main"), "OriginX", 5);
  EXPECT_EQ(ZQ_GetRectangle_Int32(folder, "Main", ZQ_Rectangle<long>(1, 2, 3, 4)), ZQ_Rectangle<long>(5, 2, 3, 4));
  ZQ_SetDouble(*folder.GetFolder("Where"), "Y", 9.5);
  EXPECT_EQ(ZQ_GetPoint_Double(folder, "Where", ZQ_Point<double>(1, 2)), ZQ_Point<double>(1, 9.5));
  // An old float entry reads widened.
  folder.GetFolder("Old")->AddItem("X", new ZQ_RegFloat(0.1f));
  EXPECT_EQ(ZQ_GetPoint_Double(folder, "Old", ZQ_Point<double>()).X, static_cast<double>(0.1f));
}

TEST(ZQ_PointAndRectangleRegistry, OtherClassesGiveTheDefaultAndAreReplacedBySet) {
  ZQ_RegistryFolder folder;
  ZQ_SetString(folder, "P", "text");
  ZQ_SetPoint_Int32(folder, "Q", ZQ_Point<long>(1, 1));
  ZQ_SetInt32(folder, "N", 3);
  const ZQ_Point<long> fallback(-1, -2);
  EXPECT_EQ(ZQ_GetPoint_Int32(folder, "P", fallback), fallback);
  EXPECT_EQ(ZQ_GetPoint_Int32(folder, "Missing", fallback), fallback);
  EXPECT_EQ(ZQ_GetRectangle_Double(folder, "N", ZQ_Rectangle<double>(1, 2, 3, 4)), ZQ_Rectangle<double>(1, 2, 3, 4));
  // A point subfolder read as a rectangle finds none of its entries.
  EXPECT_EQ(ZQ_GetRectangle_Int32(folder, "Q", ZQ_Rectangle<long>(1, 2, 3, 4)), ZQ_Rectangle<long>(1, 2, 3, 4));
  ZQ_SetPoint_Int32(folder, "P", ZQ_Point<long>(6, 7));
  EXPECT_EQ(ZQ_GetString(folder, "P", "gone"), "gone");
  EXPECT_EQ(ZQ_GetPoint_Int32(folder, "P", fallback), ZQ_Point<long>(6, 7));
}

TEST(ZQ_PointAndRectangleRegistry, LegacyItemsWriteAndHashTheirOwnClassId) {
  const struct { const ZQ_RegistryItem* item; std::string bytes; const char* why; } kCases[] = {
      {new ZQ_RegPoint_Int32(ZQ_Point<long>(3, -4)), RegistryBytes().Int(41).Int(3).Int(-4).Get(), "point int"},
      {new ZQ_RegRectangle_Int32(ZQ_Rectangle<long>(1, 2, 3, 4)),
       RegistryBytes().Int(42).Int(1).Int(2).Int(3).Int(4).Get(), "rectangle int"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(WriteToBytes(*c.item), c.bytes);
    ZQ_Hasher fromItem, fromBytes;
    c.item->AddToHash(fromItem);
    fromBytes << ZQ_String(c.bytes.data(), static_cast<int>(c.bytes.size()));
    EXPECT_EQ(fromItem.GetHash(), fromBytes.GetHash());
    EXPECT_TRUE(c.item->IsLegacyDatatype());
    delete c.item;
  }
  const double x = 0.5, y = -1.25;
  EXPECT_EQ(WriteToBytes(ZQ_RegPoint_Double(ZQ_Point<double>(x, y))),
            RegistryBytes().Int(39).Raw(&x, 8).Raw(&y, 8).Get());
  EXPECT_EQ(WriteToBytes(ZQ_RegRectangle_Double(ZQ_Rectangle<double>(x, y, x, y))),
            RegistryBytes().Int(40).Raw(&x, 8).Raw(&y, 8).Raw(&x, 8).Raw(&y, 8).Get());
}

TEST(ZQ_PointAndRectangleRegistry, LegacyItemsInAFileLoadAsSubfolders) {
  const double a = 1.5, b = 2.5, c = 3.5, d = 4.5;
  // Each class under its own id and under its older alias.
  const std::string bytes = RegistryBytes()
                                .FolderHeader(8)
                                .Str("P41").Int(41).Int(3).Int(4)
                                .Str("P9").Int(9).Int(5).Int(6)
                                .Str("D39").Int(39).Raw(&a, 8).Raw(&b, 8)
                                .Str("D22").Int(22).Raw(&c, 8).Raw(&d, 8)
                                .Str("R42").Int(42).Int(1).Int(2).Int(3).Int(4)
                                .Str("R10").Int(10).Int(5).Int(6).Int(7).Int(8)
                                .Str("RD40").Int(40).Raw(&a, 8).Raw(&b, 8).Raw(&c, 8).Raw(&d, 8)
                                .Str("RD23").Int(23).Raw(&d, 8).Raw(&c, 8).Raw(&b, 8).Raw(&a, 8)
                                .Get();
  ZQ_RegistryFolder folder;
  LoadFromBytes(bytes, folder);
  ASSERT_EQ(folder.GetNumItems(), 8);
  for (auto it = folder.GetIterator(); it.IsValid(); it.Advance()) {
    SCOPED_TRACE(it->GetKey().GetText());
    EXPECT_NE(dynamic_cast<const ZQ_RegistryFolder*>(it->GetValue().Get()), nullptr);
  }
  EXPECT_EQ(ZQ_GetPoint_Int32(folder, "P41", ZQ_Point<long>()), ZQ_Point<long>(3, 4));
  EXPECT_EQ(ZQ_GetPoint_Int32(folder, "P9", ZQ_Point<long>()), ZQ_Point<long>(5, 6));
  EXPECT_EQ(ZQ_GetPoint_Double(folder, "D39", ZQ_Point<double>()), ZQ_Point<double>(a, b));
  EXPECT_EQ(ZQ_GetPoint_Double(folder, "D22", ZQ_Point<double>()), ZQ_Point<double>(c, d));
  EXPECT_EQ(ZQ_GetRectangle_Int32(folder, "R42", ZQ_Rectangle<long>()), ZQ_Rectangle<long>(1, 2, 3, 4));
  EXPECT_EQ(ZQ_GetRectangle_Int32(folder, "R10", ZQ_Rectangle<long>()), ZQ_Rectangle<long>(5, 6, 7, 8));
  EXPECT_EQ(ZQ_GetRectangle_Double(folder, "RD40", ZQ_Rectangle<double>()), ZQ_Rectangle<double>(a, b, c, d));
  const ZQ_RegistryFolder* sub = folder.GetFolderIfExists("RD23");
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(ZQ_GetDouble(*sub, "OriginX", 0), d);
  EXPECT_EQ(ZQ_GetDouble(*sub, "ExtentY", 0), a);
}

TEST(ZQ_PointAndRectangleRegistry, GetReadsALegacyItemOfItsOwnTypeOnly) {
  ZQ_RegistryFolder folder;
  folder.AddItem("P", new ZQ_RegPoint_Int32(ZQ_Point<long>(3, 4)));
  EXPECT_EQ(ZQ_GetPoint_Int32(folder, "P", ZQ_Point<long>()), ZQ_Point<long>(3, 4));
  EXPECT_EQ(ZQ_GetPoint_Double(folder, "P", ZQ_Point<double>(9, 9)), ZQ_Point<double>(9, 9));
  // Conversion replaces the item in place of its key.
  folder.GetItemIfExists("P")->ConvertFromLegacyDatatype(folder, "P");
  ASSERT_NE(folder.GetFolderIfExists("P"), nullptr);
  EXPECT_EQ(ZQ_GetInt32(*folder.GetFolderIfExists("P"), "Y", 0), 4);
}
