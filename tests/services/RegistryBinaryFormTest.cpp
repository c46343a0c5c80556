#include <gtest/gtest.h>

#include <string>

#include "RegistryTestSupport.h"
#include "ZQ_RegistryItemSequence.h"
#include "ZQ_RegistryValueItems.h"

namespace {

const char kStreamError[] = "Error reading binary stream";

// A tree with an item of every class of this module, nested twice.
void FillSampleTree(ZQ_RegistryFolder& Root) {
  ZQ_SetInt32(Root, "Int", -5);
  ZQ_SetUInt32(Root, "UInt", 4000000000UL);
  ZQ_SetDouble(Root, "Double", 3.25);
  ZQ_SetBool(Root, "Bool", true);
  ZQ_SetString(Root, "String", "text");
  Root.AddItem("Binary", new ZQ_BinaryDataRegistryItem(ZQ_String("\0\xFF\x01", 3)));
  ZQ_RegistryFolder* sub = Root.GetFolder("Sub");
  ZQ_SetString(*sub, "Empty", "");
  ZQ_RegistryItemSequence* sequence = sub->GetSequence("List");
  sequence->Append(new ZQ_RegInt32(1));
  sequence->Append(new ZQ_RegistryFolder);
  sequence->Append(new ZQ_RegString("x"));
}

}  // namespace

TEST(ZQ_RegistryBinaryForm, WritesTheDocumentedBytes) {
  ZQ_RegistryFolder empty;
  ZQ_RegistryFolder withInt;
  ZQ_SetInt32(withInt, "A", 5);
  ZQ_RegistryFolder withSub;
  ZQ_SetBool(*withSub.GetFolder("S"), "B", true);
  ZQ_RegistryFolder withAll;
  ZQ_SetUInt32(withAll, "U", 0x01020304);
  const double half = 0.5;
  const struct {
    const ZQ_RegistryFolder* folder;
    std::string bytes;
    const char* why;
  } kCases[] = {
      {&empty, RegistryBytes().FolderHeader(0).Get(), "empty root: eight bytes"},
      {&withInt, RegistryBytes().FolderHeader(1).Str("A").Int(3).Int(5).Get(), "one integer"},
      {&withSub, RegistryBytes().FolderHeader(1).Str("S").FolderHeader(1).Str("B").Int(4).Byte(1).Get(),
       "nested folder with a bool"},
      {&withAll, RegistryBytes().FolderHeader(1).Str("U").Int(17).Int(0x01020304).Get(), "unsigned"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(WriteToBytes(*c.folder), c.bytes);
  }
  EXPECT_EQ(RegistryBytes().FolderHeader(0).Get(), std::string("\x37\xD4\x8F\x12\0\0\0\0", 8));

  ZQ_RegistryItemSequence sequence;
  sequence.Append(new ZQ_RegDouble(half));
  sequence.Append(new ZQ_RegString(""));
  EXPECT_EQ(WriteToBytes(sequence),
            RegistryBytes().Int(1000).Int(2).Int(6).Raw(&half, 8).Int(7).Int(0).Get());
}

TEST(ZQ_RegistryBinaryForm, WrittenTreeReadsBackEqual) {
  ZQ_RegistryFolder original;
  FillSampleTree(original);
  const std::string bytes = WriteToBytes(original);
  ZQ_RegistryFolder copy;
  ZQ_SetInt32(copy, "Stale", 1);  // loading replaces the contents
  LoadFromBytes(bytes, copy);
  EXPECT_FALSE(copy.DoesExist("Stale"));
  EXPECT_TRUE(RegistryFoldersEqual(copy, original));
  EXPECT_EQ(ZQ_GetUInt32(copy, "UInt", 0), 4000000000UL);
  const auto* binary = ZQ_GetRegistryItemOfClass<ZQ_BinaryDataRegistryItem>(copy, "Binary");
  ASSERT_NE(binary, nullptr);
  EXPECT_EQ(binary->GetValue(), ZQ_String("\0\xFF\x01", 3));
  ZQ_RegistryItemSequence* list = copy.GetFolder("Sub")->GetSequenceIfExists("List");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->GetNumItems(), 3);
  EXPECT_NE(dynamic_cast<ZQ_RegistryFolder*>(list->GetItem(1)), nullptr);
}

TEST(ZQ_RegistryBinaryForm, LegacyAndAliasItemsReadAsCurrentClasses) {
  const float tenth = 0.1f;
  const double seven = 7.0;
  const std::string bytes = RegistryBytes()
                                .FolderHeader(7)
                                .Str("I16").Int(11).Short(-2)
                                .Str("U16").Int(16).Short(-1)  // 65535
                                .Str("F").Int(5).Raw(&tenth, 4)
                                .Str("Old Int").Int(8).Int(7)
                                .Str("OldDouble").Int(21).Raw(&seven, 8)
                                .Str("OldUInt").Int(38).Int(9)
                                .Str("Seq").Int(1000).Int(1).Int(8).Int(3)
                                .Get();
  const std::string report = "Bad RegistryFolder Key \"Old Int\"";
  const int reportsBefore = CountInDebugLog(report);
  ZQ_RegistryFolder folder;
  LoadFromBytes(bytes, folder);
  EXPECT_EQ(CountInDebugLog(report), reportsBefore);  // keys from files are stripped silently
  EXPECT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegInt32>(folder, "I16"), nullptr);
  EXPECT_EQ(ZQ_GetInt32(folder, "I16", 0), -2);
  EXPECT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegUInt32>(folder, "U16"), nullptr);
  EXPECT_EQ(ZQ_GetUInt32(folder, "U16", 0), 65535u);
  EXPECT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegDouble>(folder, "F"), nullptr);
  EXPECT_EQ(ZQ_GetDouble(folder, "F", 0), static_cast<double>(tenth));
  EXPECT_EQ(ZQ_GetInt32(folder, "OldInt", 0), 7);
  EXPECT_EQ(ZQ_GetDouble(folder, "OldDouble", 0), 7.0);
  EXPECT_EQ(ZQ_GetUInt32(folder, "OldUInt", 0), 9u);
  // Written back under the current ids only.
  ZQ_RegistryFolder alias;
  LoadFromBytes(RegistryBytes().FolderHeader(1).Str("A").Int(8).Int(7).Get(), alias);
  EXPECT_EQ(WriteToBytes(alias), RegistryBytes().FolderHeader(1).Str("A").Int(3).Int(7).Get());
}

TEST(ZQ_RegistryBinaryForm, WrongFirstClassIdLeavesTheFolderUntouched) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "Kept", 1);
  try {
    LoadFromBytes(RegistryBytes().Int(1000).Int(0).Get(), folder);
    FAIL() << "no exception";
  } catch (const ZQ_Exception& e) {
    EXPECT_STREQ(e.GetName().GetText(), kStreamError);
    EXPECT_STREQ(e.GetDescription().GetText(),
                 "An error occured while reading a registry folder from a binary stream.");
  }
  EXPECT_EQ(ZQ_GetInt32(folder, "Kept", 0), 1);
}

TEST(ZQ_RegistryBinaryForm, DamagedStreamsThrowExceptionsNotAssertions) {
  const std::string header = RegistryBytes().FolderHeader(1).Str("K").Get();
  std::string deep = RegistryBytes().Int(ZQ_RegistryFolder_ClassID).Get();
  for (int i = 0; i < 200; ++i) deep += RegistryBytes().Int(1).Str("N").Int(ZQ_RegistryFolder_ClassID).Get();
  deep += RegistryBytes().Int(0).Get();
  const struct {
    std::string bytes;
    const char* name;
    const char* why;
  } kCases[] = {
      {RegistryBytes().FolderHeader(-1).Get(), "Damaged data", "negative entry count"},
      {RegistryBytes().FolderHeader(0x7FFFFFFF).Get(), "Damaged data", "count beyond the data"},
      {RegistryBytes().FolderHeader(1).Int(0x7FFFFFF0).Get(), "Damaged data", "key length beyond the data"},
      {header + RegistryBytes().Int(99).Int(0).Get(), kStreamError, "unknown class id"},
      {header + RegistryBytes().Int(1000).Int(-3).Get(), "Damaged data", "negative sequence count"},
      {header + RegistryBytes().Int(1000).Int(1).Int(11).Short(1).Get(), kStreamError,
       "legacy item in a sequence"},
      {RegistryBytes().FolderHeader(2).Str("A").Int(3).Int(1).Str("A ").Int(3).Int(2).Get(), kStreamError,
       "two keys equal once stripped"},
      {RegistryBytes().FolderHeader(1).Str("%%").Int(3).Int(1).Get(), kStreamError, "key strips to nothing"},
      {RegistryBytes().FolderHeader(1).Str("").Int(3).Int(1).Get(), kStreamError, "empty key"},
      {header + RegistryBytes().Int(7).Int(-1).Get(), "Damaged data", "negative string length"},
      {deep, kStreamError, "folders nested 200 deep"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_RegistryFolder folder;
    EXPECT_EQ(ExceptionNameOf([&] { LoadFromBytes(c.bytes, folder); }), c.name);
  }
}

TEST(ZQ_RegistryBinaryForm, UnknownClassIdIsLogged) {
  const int before = CountInDebugLog("ClassID = 123456\n");
  ZQ_RegistryFolder folder;
  ExceptionNameOf([&] {
    LoadFromBytes(RegistryBytes().FolderHeader(1).Str("K").Int(123456).Get(), folder);
  });
  EXPECT_EQ(CountInDebugLog("ClassID = 123456\n"), before + 1);
}

TEST(ZQ_RegistryBinaryForm, EveryTruncationAndByteDamageIsAnException) {
  ZQ_RegistryFolder original;
  FillSampleTree(original);
  const std::string bytes = WriteToBytes(original);
  for (size_t length = 0; length < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    ZQ_RegistryFolder folder;
    const std::string name = ExceptionNameOf([&] { LoadFromBytes(bytes.substr(0, length), folder); });
    EXPECT_TRUE(name == "Damaged data" || name == kStreamError) << name;
  }
  // Any byte replaced by a few telling values: either it still reads, or it
  // is reported as damaged data; never an assertion or a crash.
  for (size_t at = 0; at < bytes.size(); ++at) {
    for (unsigned char value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
      std::string damaged = bytes;
      damaged[at] = static_cast<char>(value);
      ZQ_RegistryFolder folder;
      const std::string name = ExceptionNameOf([&] { LoadFromBytes(damaged, folder); });
      EXPECT_TRUE(name.empty() || name == "Damaged data" || name == kStreamError)
          << "byte " << at << " = " << int(value) << ": " << name;
    }
  }
}

TEST(ZQ_RegistryBinaryForm, RegisteringAClassIdTwiceFails) {
  EXPECT_TRUE(StartsWith(ExceptionNameOf([] {
                          ZQ_RegisterRegistryItemCreationFunction(
                              3, [] { return static_cast<ZQ_RegistryItem*>(new ZQ_RegInt32); });
                        }),
                        AssertionFailure("ValueIsNew")));
  ZQ_RegistryFolder folder;
  LoadFromBytes(RegistryBytes().FolderHeader(1).Str("A").Int(3).Int(5).Get(), folder);
  EXPECT_EQ(ZQ_GetInt32(folder, "A", 0), 5);  // the first registration stands
}
