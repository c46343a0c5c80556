#include <gtest/gtest.h>

#include <string>

#include "../services/RegistryTestSupport.h"
#include "ZQR_GraphicsRegistry.h"
#include "ZQ_Hasher.h"
#include "ZQ_RandomNumberGenerator.h"
#include "ZQ_RegistryValueItems.h"

namespace {

ZQR_AbstractFont SampleFont() {
  ZQR_AbstractFont font("Arial", 10.5f, 700, true, 22.5f);
  font.SetFontFamily(2);
  font.SetPitch(1);
  font.SetCharacterSet(ANSI_CHARSET);
  return font;
}

// SampleFont's fields after its typeface, in the legacy item's layout.
RegistryBytes& SampleFontFields(RegistryBytes& Bytes) {
  const float height = 10.5f, angle = 22.5f;
  return Bytes.Raw(&height, 4).Int(700).Int(1).Raw(&angle, 4).Int(2).Int(1).Int(ANSI_CHARSET);
}

std::string FileWithOldItems() {
  RegistryBytes bytes;
  bytes.FolderHeader(2).Str("Colour").Int(18).Int(0x00C08040).Str("Font").Int(20).Str("Arial");
  return SampleFontFields(bytes).Get();
}

}  // namespace

TEST(ZQR_GraphicsRegistry, ColourAndFontRoundTripInTheirCurrentForms) {
  ZQ_RegistryFolder folder;
  ZQR_SetColor(folder, "Back", ZQR_Color(0x12, 0x34, 0x56));
  ZQR_SetAbstractFont(folder, "Font", SampleFont());
  EXPECT_EQ(ZQ_GetRegistryItemOfClass<ZQ_RegUInt32>(folder, "Back")->GetValue(), 0x00563412u);
  EXPECT_EQ(ZQR_GetColor(folder, "Back", ZQR_Color_Black), ZQR_Color(0x12, 0x34, 0x56));
  EXPECT_TRUE(ZQR_GetAbstractFont(folder, "Font", ZQR_AbstractFont()) == SampleFont());
  const ZQ_RegistryFolder* sub = folder.GetFolderIfExists("Font");
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->GetNumItems(), 8);
  EXPECT_EQ(ZQ_GetString(*sub, "Typeface", ""), "Arial");
  EXPECT_EQ(ZQ_GetDouble(*sub, "Height", 0), 10.5);
  // A second set overwrites the same subfolder; a colour replaces the font.
  ZQR_SetAbstractFont(folder, "Font", ZQR_AbstractFont());
  EXPECT_EQ(folder.GetFolderIfExists("Font"), sub);
  EXPECT_TRUE(ZQR_GetAbstractFont(folder, "Font", SampleFont()) == ZQR_AbstractFont());
  ZQR_SetColor(folder, "Font", ZQR_Color_Red);
  EXPECT_EQ(ZQR_GetColor(folder, "Font", ZQR_Color_Black), ZQR_Color_Red);
}

TEST(ZQR_GraphicsRegistry, GettersFallBackOnTheDefault) {
  ZQ_RegistryFolder folder;
  ZQ_SetString(folder, "Text", "red");
  ZQ_SetInt32(*folder.GetFolder("Part"), "Weight", 900);
  ZQ_SetString(*folder.GetFolder("Part"), "Height", "not a number");
  const ZQR_Color fallback(1, 2, 3);
  for (const char* key : {"Missing", "Text", "Part"}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(ZQR_GetColor(folder, key, fallback), fallback);
    if (key[0] != 'P') {
      EXPECT_TRUE(ZQR_GetAbstractFont(folder, key, SampleFont()) == SampleFont());
    }
  }
  // A subfolder's missing or mistyped entries come from the default.
  ZQR_AbstractFont want = SampleFont();
  want.SetWeight(900);
  EXPECT_TRUE(ZQR_GetAbstractFont(folder, "Part", SampleFont()) == want);
}

TEST(ZQR_GraphicsRegistry, LegacyItemsWriteAndHashTheirLayout) {
  RegistryBytes fontBytes, fontHashBytes;
  SampleFontFields(fontBytes.Int(20).Str("Arial"));
  // A hash takes a string's characters without its length.
  SampleFontFields(fontHashBytes.Int(20).Raw("Arial", 5));
  const std::string colourBytes = RegistryBytes().Int(18).Int(0x00C08040).Get();
  const struct { const ZQ_RegistryItem* item; std::string bytes, hashBytes; const char* why; } kCases[] = {
      {new ZQR_RegColor(0x00C08040), colourBytes, colourBytes, "colour"},
      {new ZQR_RegAbstractFont(SampleFont()), fontBytes.Get(), fontHashBytes.Get(), "font"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(WriteToBytes(*c.item), c.bytes);
    ZQ_Hasher fromItem, fromBytes;
    c.item->AddToHash(fromItem);
    fromBytes << ToZQ(c.hashBytes);
    EXPECT_EQ(fromItem.GetHash(), fromBytes.GetHash());
    EXPECT_TRUE(c.item->IsLegacyDatatype());
    delete c.item;
  }
}

TEST(ZQR_GraphicsRegistry, OldItemsInAFileLoadInTheirCurrentForms) {
  ZQ_RegistryFolder folder;
  LoadFromBytes(FileWithOldItems(), folder);
  EXPECT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegUInt32>(folder, "Colour"), nullptr);
  EXPECT_EQ(ZQR_GetColor(folder, "Colour", ZQR_Color_Black), ZQR_Color(0x40, 0x80, 0xC0));
  EXPECT_NE(folder.GetFolderIfExists("Font"), nullptr);
  EXPECT_TRUE(ZQR_GetAbstractFont(folder, "Font", ZQR_AbstractFont()) == SampleFont());
}

TEST(ZQR_GraphicsRegistry, DamagedOldItemsThrowExceptions) {
  const std::string header = RegistryBytes().FolderHeader(1).Str("K").Get();
  const float height = 10.0f;
  const struct { std::string bytes; const char* why; } kCases[] = {
      {header + RegistryBytes().Int(18).Short(1).Get(), "colour cut short"},
      {header + RegistryBytes().Int(20).Int(5).Raw("Ari", 3).Get(), "typeface cut short"},
      {header + RegistryBytes().Int(20).Int(-1).Get(), "negative typeface length"},
      {header + RegistryBytes().Int(20).Int(0x7FFFFFF0).Raw("Arial", 5).Get(), "huge typeface length"},
      {header + RegistryBytes().Int(20).Str("Arial").Raw(&height, 4).Int(400).Get(), "fields cut short"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_RegistryFolder folder;
    EXPECT_EQ(ExceptionNameOf([&] { LoadFromBytes(c.bytes, folder); }), "Damaged data");
  }
}

// Seeded, so that a failure repeats: any byte of a file with both old items
// replaced, bytes cut off or inserted; each load either succeeds or throws.
TEST(ZQR_GraphicsRegistry, RandomlyDamagedFilesLoadOrThrowButNeverCrash) {
  const std::string original = FileWithOldItems();
  ZQ_RandomNumberGenerator random(20261207);
  int loaded = 0;
  for (int round = 0; round < 4000; ++round) {
    std::string damaged = original;
    for (int edits = 1 + static_cast<int>(random.GetRandomInteger(3)); edits > 0; --edits) {
      const size_t at = random.GetRandomInteger(static_cast<std::uint32_t>(damaged.size()));
      const char value = static_cast<char>(random.GetRandomInteger(256));
      switch (random.GetRandomInteger(3)) {
        case 0: damaged[at] = value; break;
        case 1: damaged.erase(at, 1 + random.GetRandomInteger(4)); break;
        default: damaged.insert(at, 1, value); break;
      }
      if (damaged.empty()) damaged = original;
    }
    ZQ_RegistryFolder folder;
    const std::string name = ExceptionNameOf([&] { LoadFromBytes(damaged, folder); });
    ASSERT_TRUE(name.empty() || name == "Damaged data" || name == "Error reading binary stream")
        << "round " << round << ": " << name;
    loaded += name.empty();
  }
  // The mutations reach both outcomes.
  EXPECT_GT(loaded, 100);
  EXPECT_LT(loaded, 3900);
}
