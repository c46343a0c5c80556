#include <gtest/gtest.h>

#include <string>

#include "../services/RegistryTestSupport.h"
#include "ZQPIC_Symbol.h"
#include "ZQ_RandomNumberGenerator.h"
#include "ZQ_RegistryValueItems.h"

namespace {

std::string FileWithOldSymbol() {
  return RegistryBytes().FolderHeader(2).Str("Marker").Int(25).Str("circle 2.5").Str("Other").Int(25).Str("").Get();
}

}  // namespace

TEST(ZQPIC_Symbol, SymbolsRoundTripAsStrings) {
  ZQ_RegistryFolder folder;
  ZQPIC_SetSymbol(folder, "Marker", ZQPIC_Symbol("square 1"));
  EXPECT_EQ(ZQ_GetRegistryItemOfClass<ZQ_RegString>(folder, "Marker")->GetValue(), "square 1");
  EXPECT_EQ(ZQPIC_GetSymbol(folder, "Marker", ZQPIC_Symbol()), ZQPIC_Symbol("square 1"));
  EXPECT_EQ(ZQPIC_GetSymbol(folder, "Missing", ZQPIC_Symbol("x")), ZQPIC_Symbol("x"));
  ZQ_SetInt32(folder, "Number", 5);
  EXPECT_EQ(ZQPIC_GetSymbol(folder, "Number", ZQPIC_Symbol("x")), ZQPIC_Symbol("x"));
}

TEST(ZQPIC_Symbol, TheLegacyItemWritesItsLayoutAndLoadsInTheCurrentForm) {
  const ZQPIC_RegSymbol_Legacy1 item(ZQ_String("circle 2.5"));
  EXPECT_EQ(WriteToBytes(item), RegistryBytes().Int(25).Str("circle 2.5").Get());
  EXPECT_TRUE(item.IsLegacyDatatype());
  ZQ_RegistryFolder folder;
  LoadFromBytes(FileWithOldSymbol(), folder);
  EXPECT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegString>(folder, "Marker"), nullptr);
  EXPECT_EQ(ZQPIC_GetSymbol(folder, "Marker", ZQPIC_Symbol()), ZQPIC_Symbol("circle 2.5"));
  EXPECT_EQ(ZQPIC_GetSymbol(folder, "Other", ZQPIC_Symbol("x")), ZQPIC_Symbol(""));
}

TEST(ZQPIC_Symbol, DamagedLegacyItemsThrowExceptions) {
  const std::string header = RegistryBytes().FolderHeader(1).Str("K").Get();
  const struct { std::string bytes; const char* why; } kCases[] = {
      {header + RegistryBytes().Int(25).Get(), "no payload"},
      {header + RegistryBytes().Int(25).Short(1).Get(), "length cut short"},
      {header + RegistryBytes().Int(25).Int(9).Raw("circ", 4).Get(), "text cut short"},
      {header + RegistryBytes().Int(25).Int(-1).Get(), "negative length"},
      {header + RegistryBytes().Int(25).Int(0x7FFFFFF0).Raw("circle", 6).Get(), "huge length"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_RegistryFolder folder;
    EXPECT_EQ(ExceptionNameOf([&] { LoadFromBytes(c.bytes, folder); }), "Damaged data");
  }
}

// Seeded, so that a failure repeats: a byte replaced or bytes cut out; each
// load either succeeds or throws.
TEST(ZQPIC_Symbol, RandomlyDamagedFilesLoadOrThrowButNeverCrash) {
  const std::string original = FileWithOldSymbol();
  ZQ_RandomNumberGenerator random(20261207);
  int loaded = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string damaged = original;
    const size_t at = random.GetRandomInteger(static_cast<std::uint32_t>(damaged.size()));
    const char value = static_cast<char>(random.GetRandomInteger(256));
    if (random.GetRandomInteger(2)) damaged[at] = value;
    else damaged.erase(at, 1 + random.GetRandomInteger(4));
    ZQ_RegistryFolder folder;
    const std::string name = ExceptionNameOf([&] { LoadFromBytes(damaged, folder); });
    ASSERT_TRUE(name.empty() || name == "Damaged data" || name == "Error reading binary stream")
        << "round " << round << ": " << name;
    loaded += name.empty();
  }
  EXPECT_GT(loaded, 50);
  EXPECT_LT(loaded, 2950);
}
