#include <gtest/gtest.h>

#include "ZQ_Exception.h"
#include "ZQ_Hasher.h"
#include "ZQ_String.h"

namespace {

ZQ_String DigestOfText(const char* Text) {
  ZQ_Hasher Hasher;
  Hasher << ZQ_String(Text);
  return Hasher.GetHash().GetTextRepresentation();
}

ZQ_String DigestOfBytes(const unsigned char* Bytes, unsigned long Count) {
  ZQ_Hasher Hasher;
  Hasher.AddBytes(Bytes, Count);
  return Hasher.GetHash().GetTextRepresentation();
}

}  // namespace

TEST(ZQ_Hasher, GivesTheReferenceDigestsOfTheMd4Suite) {
  const struct { const char* in; const char* want; } kCases[] = {
      {"", "31d6-cfe0-d16a-e931-b73c-59d7-e0c0-89c0"},
      {"a", "bde5-2cb3-1de3-3e46-245e-05fb-dbd6-fb24"},
      {"abc", "a448-017a-af21-d852-5fc1-0ae8-7aa6-729d"},
      {"message digest", "d913-0a81-6454-9fe8-1887-4806-e1c7-014b"},
      {"abcdefghijklmnopqrstuvwxyz", "d79e-1c30-8aa5-bbcd-eea8-ed63-df41-2da9"},
      // 62 bytes: the padding spills into a second block
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "043f-8582-f241-db35-1ce6-27e1-53e7-f0e4"},
      // 80 bytes: one whole block compressed straight from the input
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "e33b-4ddc-9c38-f219-9c3e-7b16-4fcc-0536"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(DigestOfText(c.in), c.want);
  }
}

TEST(ZQ_Hasher, ValuesAddTheirLittleEndianBytes) {
  const unsigned char kOne32[] = {1, 0, 0, 0};
  const unsigned char kOne16[] = {1, 0};
  const unsigned char kTrue[] = {1};
  const unsigned char kFalse[] = {0};
  const unsigned char kNegative32[] = {0xFE, 0xFF, 0xFF, 0xFF};
  const unsigned char kDoubleOne[] = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
  const unsigned char kFloatOne[] = {0, 0, 0x80, 0x3F};
  const unsigned char kUID[] = {4, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0};
  const struct { void (*add)(ZQ_Hasher&); const unsigned char* bytes; unsigned long count; const char* why; } kCases[] = {
      {[](ZQ_Hasher& H) { H << 1; }, kOne32, 4, "int"},
      {[](ZQ_Hasher& H) { H << 1U; }, kOne32, 4, "unsigned int"},
      {[](ZQ_Hasher& H) { H << 1L; }, kOne32, 4, "long"},
      {[](ZQ_Hasher& H) { H << 1UL; }, kOne32, 4, "unsigned long"},
      {[](ZQ_Hasher& H) { H << -2L; }, kNegative32, 4, "negative long"},
      {[](ZQ_Hasher& H) { H << static_cast<short>(1); }, kOne16, 2, "short"},
      {[](ZQ_Hasher& H) { H << static_cast<unsigned short>(1); }, kOne16, 2, "unsigned short"},
      {[](ZQ_Hasher& H) { H << true; }, kTrue, 1, "true"},
      {[](ZQ_Hasher& H) { H << false; }, kFalse, 1, "false"},
      {[](ZQ_Hasher& H) { H << 1.0; }, kDoubleOne, 8, "double"},
      {[](ZQ_Hasher& H) { H << 1.0f; }, kFloatOne, 4, "float"},
      {[](ZQ_Hasher& H) { H << ZQ_UID(0x01020304, 0, 0, 0xFF); }, kUID, 16, "identifier"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Hasher Hasher;
    c.add(Hasher);
    EXPECT_EQ(Hasher.GetHash().GetTextRepresentation(), DigestOfBytes(c.bytes, c.count));
  }
}

TEST(ZQ_Hasher, TheDigestDoesNotDependOnHowTheInputIsSplit) {
  unsigned char Bytes[200];
  for (int i = 0; i < 200; ++i) Bytes[i] = static_cast<unsigned char>(i * 7 + 3);
  const struct { unsigned long total; unsigned long piece; } kCases[] = {
      {64, 1}, {64, 64}, {200, 1}, {200, 63}, {200, 65}, {200, 130}, {56, 5}, {55, 55},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.total << " bytes in pieces of " << c.piece);
    ZQ_Hasher Pieces;
    for (unsigned long At = 0; At < c.total; At += c.piece)
      Pieces.AddBytes(Bytes + At, c.total - At < c.piece ? c.total - At : c.piece);
    EXPECT_EQ(Pieces.GetHash().GetTextRepresentation(), DigestOfBytes(Bytes, c.total));
  }
}

TEST(ZQ_Hasher, AStringAddsItsCharactersWithoutLengthOrTerminator) {
  ZQ_Hasher Parts;
  Parts << ZQ_String("ab") << ZQ_String("") << ZQ_String("c");
  EXPECT_EQ(Parts.GetHash().GetTextRepresentation(), "a448-017a-af21-d852-5fc1-0ae8-7aa6-729d");
}

TEST(ZQ_Hasher, ASecondGetHashReturnsTheSameDigest) {
  ZQ_Hasher Hasher;
  Hasher << ZQ_String("abc");
  ZQ_UID First = Hasher.GetHash();
  EXPECT_EQ(Hasher.GetHash(), First);
  EXPECT_EQ(First.GetTextRepresentation(), "a448-017a-af21-d852-5fc1-0ae8-7aa6-729d");
}

TEST(ZQ_Hasher, AddingAfterTheDigestFailsItsAssertion) {
  ZQ_Hasher Hasher;
  ZQ_UID Digest = Hasher.GetHash();
  EXPECT_THROW(Hasher << 1L, ZQ_Exception);
  EXPECT_EQ(Hasher.GetHash(), Digest);
}
