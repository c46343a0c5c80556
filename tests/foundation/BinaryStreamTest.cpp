#include "ZQ_BinaryStreamParser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

#include "ScratchFileSupport.h"
#include "WinApiTestSupport.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_FileStreamSource.h"

namespace {

using BinaryStream = ApiFailureModeTest;

std::string ToStd(const ZQ_String& Text) { return std::string(Text.GetText(), Text.GetLength()); }
ZQ_String FromStd(const std::string& Bytes) {
  return ZQ_String(Bytes.data(), static_cast<int>(Bytes.size()));
}

// The bytes one write puts into a fresh sink.
std::string Written(const std::function<void(ZQ_StreamSink&)>& Write) {
  ZQ_String bytes;
  ZQ_StreamSink sink = ZQ_CreateStringStreamSink(&bytes);
  Write(sink);
  return ToStd(bytes);
}

// A source over a buffer that cannot tell its size or seek: it only knows
// whether bytes are left, as a pipe would.
class PlainBufferSource : public ZQ_StreamSourceReference {
 public:
  explicit PlainBufferSource(const std::string& Bytes) : Bytes(Bytes) {}
  void Read(void* Dest, unsigned long N) override {
    if (N > Bytes.size() - Position) throw ZQ_Exception("Pipe", "read past the end");
    std::memcpy(Dest, Bytes.data() + Position, N);
    Position += N;
  }
  bool IsDataAvailable() override { return Position < Bytes.size(); }

 private:
  std::string Bytes;
  size_t Position = 0;
};

std::string LengthBytes(long Length) { return std::string(reinterpret_cast<char*>(&Length), 4); }

}  // namespace

TEST_F(BinaryStream, ValuesAreWrittenAsTheirLittleEndianBytes) {
  const struct {
    const char* why;
    std::function<void(ZQ_StreamSink&)> write;
    std::string bytes;
  } kCases[] = {
      {"bool true", [](ZQ_StreamSink& s) { s << true; }, std::string("\x01", 1)},
      {"bool false", [](ZQ_StreamSink& s) { s << false; }, std::string("\0", 1)},
      {"short -2", [](ZQ_StreamSink& s) { s << static_cast<short>(-2); }, "\xFE\xFF"},
      {"unsigned short", [](ZQ_StreamSink& s) { s << static_cast<unsigned short>(0x1234); },
       "\x34\x12"},
      {"int -1", [](ZQ_StreamSink& s) { s << -1; }, "\xFF\xFF\xFF\xFF"},
      {"unsigned int", [](ZQ_StreamSink& s) { s << 0x01020304u; }, "\x04\x03\x02\x01"},
      {"long 1", [](ZQ_StreamSink& s) { s << 1L; }, std::string("\x01\0\0\0", 4)},
      {"unsigned long", [](ZQ_StreamSink& s) { s << 0xA0B0C0D0ul; }, "\xD0\xC0\xB0\xA0"},
      {"double 1.0", [](ZQ_StreamSink& s) { s << 1.0; }, std::string("\0\0\0\0\0\0\xF0\x3F", 8)},
      {"string", [](ZQ_StreamSink& s) { s << ZQ_String("ab"); }, std::string("\x02\0\0\0ab", 6)},
      {"empty string: four zero bytes", [](ZQ_StreamSink& s) { s << ZQ_String(); },
       std::string("\0\0\0\0", 4)},
      {"string with a NUL", [](ZQ_StreamSink& s) { s << ZQ_String("a\0b", 3); },
       std::string("\x03\0\0\0a\0b", 7)},
      {"values follow without gaps",
       [](ZQ_StreamSink& s) { s << true << static_cast<short>(1) << 2L; },
       std::string("\x01\x01\0\x02\0\0\0", 7)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Written(c.write), c.bytes);
  }
}

TEST_F(BinaryStream, WrittenValuesReadBackIdentically) {
  const double kDoubles[] = {0.1, -0.0, 1e-310, std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::infinity()};
  ZQ_String bytes;
  {
    ZQ_StreamSink sink = ZQ_CreateStringStreamSink(&bytes);
    sink << true << static_cast<short>(-12345) << static_cast<unsigned short>(65535)
         << -2000000000L << 4000000000ul << ZQ_String("text\0with NUL", 13) << ZQ_String();
    for (const double d : kDoubles) sink << d;
  }
  ZQ_BinaryStreamParser parser(ZQ_CreateStringStreamSource(bytes));
  bool flag = false;
  short s = 0;
  unsigned short us = 0;
  long l = 0;
  unsigned long ul = 0;
  ZQ_String text("old"), empty("old");
  parser >> flag >> s >> us >> l >> ul >> text >> empty;
  EXPECT_TRUE(flag);
  EXPECT_EQ(s, -12345);
  EXPECT_EQ(us, 65535);
  EXPECT_EQ(l, -2000000000L);
  EXPECT_EQ(ul, 4000000000ul);
  EXPECT_EQ(ToStd(text), std::string("text\0with NUL", 13));
  EXPECT_EQ(text.GetText()[text.GetLength()], '\0') << "the read text is NUL-terminated";
  EXPECT_TRUE(empty.IsEmpty());
  for (const double want : kDoubles) {
    double got = 0;
    parser >> got;
    EXPECT_EQ(std::memcmp(&got, &want, sizeof got), 0) << want << " bit for bit";
  }
  EXPECT_FALSE(parser.GetSource().IsDataAvailable());
}

TEST_F(BinaryStream, ConvenienceReadersAndReadOnlyTypes) {
  const float f = 1.5f;
  std::string bytes = std::string("Z") + LengthBytes(-7) + LengthBytes(0x7FFFFFFF) +
                      std::string(reinterpret_cast<const char*>(&f), 4) + std::string("\x07", 1) +
                      LengthBytes(3) + "xyz";
  ZQ_BinaryStreamParser parser(ZQ_CreateStringStreamSource(FromStd(bytes)));
  EXPECT_EQ(parser.ReadChar(), 'Z');
  EXPECT_EQ(parser.ReadLong(), -7);
  EXPECT_EQ(parser.ReadUnsignedLong(), 0x7FFFFFFFul);
  float g = 0;
  bool flag = false;
  parser >> g >> flag;
  EXPECT_EQ(g, 1.5f);
  EXPECT_TRUE(flag) << "any byte but 0 reads as true";
  EXPECT_EQ(ToStd(parser.ReadString()), "xyz");
}

TEST_F(BinaryStream, ParserSharesItsSourceWhileItLives) {
  ZQ_SeekableStreamSource source = ZQ_CreateStringStreamSource("abc");
  {
    ZQ_BinaryStreamParser parser(source);
    EXPECT_EQ(source.GetReference()->GetReferenceCount(), 2);
    EXPECT_EQ(parser.ReadChar(), 'a');
  }
  EXPECT_EQ(source.GetReference()->GetReferenceCount(), 1);
  EXPECT_EQ(source.GetPosition(), 1u);
}

TEST_F(BinaryStream, DamagedDataThrowsAndLeavesTheTargetAlone) {
  const struct {
    const char* why;
    std::string bytes;
    std::function<void(ZQ_BinaryStreamParser&, ZQ_String&)> read;
    const char* description;
  } kCases[] = {
      {"a negative string length", LengthBytes(-1) + "abc",
       [](ZQ_BinaryStreamParser& p, ZQ_String& t) { p >> t; },
       "The binary data is damaged: it gives the negative length or count -1."},
      {"a string length of 2 GB with 3 bytes left", LengthBytes(0x7FFFFFFF) + "abc",
       [](ZQ_BinaryStreamParser& p, ZQ_String& t) { p >> t; },
       "The binary data is damaged: it gives the length or count 2147483647, but only 3 bytes "
       "remain."},
      {"a string one byte longer than the data", LengthBytes(4) + "abc",
       [](ZQ_BinaryStreamParser& p, ZQ_String& t) { t = p.ReadString(); },
       "The binary data is damaged: it gives the length or count 4, but only 3 bytes remain."},
      {"a length cut short", std::string("\x02\0", 2),
       [](ZQ_BinaryStreamParser& p, ZQ_String& t) { p >> t; },
       "The binary data ends inside a value: 4 bytes were to be read, but only 2 remain."},
      {"a double cut short", std::string("\0\0\0\0", 4),
       [](ZQ_BinaryStreamParser& p, ZQ_String&) {
         double d = 0;
         p >> d;
       },
       "The binary data ends inside a value: 8 bytes were to be read, but only 4 remain."},
      {"a negative count", LengthBytes(-5),
       [](ZQ_BinaryStreamParser& p, ZQ_String&) { p.ReadCount(4); },
       "The binary data is damaged: it gives the negative length or count -5."},
      {"a count whose elements cannot fit", LengthBytes(3) + std::string(8, 'x'),
       [](ZQ_BinaryStreamParser& p, ZQ_String&) { p.ReadCount(4); },
       "The binary data is damaged: it gives the length or count 3, but only 8 bytes remain."},
      {"a huge count of small elements", LengthBytes(0x40000000) + std::string(8, 'x'),
       [](ZQ_BinaryStreamParser& p, ZQ_String&) { p.ReadCount(8); },
       "The binary data is damaged: it gives the length or count 1073741824, but only 8 bytes "
       "remain."},
  };
  const ScratchFolder folder("zq-binary-damaged");
  for (const auto& c : kCases) {
    const std::string name = folder.Put("damaged.bin", c.bytes);
    const ZQ_SeekableStreamSource sources[] = {
        ZQ_CreateStringStreamSource(FromStd(c.bytes)),
        ZQ_CreateFileStreamSource(ZQ_String(name.c_str()), 0),
        ZQ_CreateFileStreamSource(ZQ_String(name.c_str()), ZQ_FileStreamSource_UseReadFile),
    };
    const char* const kSourceNames[] = {"string", "memory-mapped", "ReadFile"};
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(std::string(c.why) + " from a " + kSourceNames[i] + " source");
      ZQ_BinaryStreamParser parser(sources[i]);
      ZQ_String target("kept");
      const ApiFailure failure = ApiFailureOf([&] { c.read(parser, target); });
      EXPECT_TRUE(failure.thrown);
      EXPECT_EQ(failure.name, "Damaged data");
      EXPECT_EQ(failure.description, c.description);
      EXPECT_EQ(ToStd(target), "kept");
    }
  }
}

TEST_F(BinaryStream, FalseLengthOnAnUnsizedSourceFailsAtTheEndOfTheData) {
  const struct {
    const char* why;
    std::string bytes;
    const char* name;
  } kCases[] = {
      // Without a size to compare, the data runs out first and the source
      // reports it: no gigabyte is allocated on the length's word.
      {"2 GB announced, 3 bytes there", LengthBytes(0x7FFFFFFF) + "abc", "Pipe"},
      {"2 GB announced, the data ends between pieces",
       LengthBytes(0x7FFFFFFF) + std::string(8192, 'q'), "Damaged data"},
      {"one byte more than there", LengthBytes(5000) + std::string(4999, 'q'), "Pipe"},
      {"a negative length", LengthBytes(-2) + "abc", "Damaged data"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_BinaryStreamParser parser(ZQ_StreamSource(new PlainBufferSource(c.bytes)));
    ZQ_String target("kept");
    const ApiFailure failure = ApiFailureOf([&] { parser >> target; });
    EXPECT_TRUE(failure.thrown);
    EXPECT_EQ(failure.name, c.name);
    EXPECT_EQ(ToStd(target), "kept");
  }
  ZQ_BinaryStreamParser whole(ZQ_StreamSource(new PlainBufferSource(LengthBytes(5000) +
                                                                     std::string(5000, 'q'))));
  EXPECT_EQ(ToStd(whole.ReadString()), std::string(5000, 'q'));
}
