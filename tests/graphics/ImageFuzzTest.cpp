#include <gtest/gtest.h>

#include <random>

#include "ImagingTestSupport.h"
#include "ZQIMGIO.h"
#include "ZQIMG_ByteReader.h"
#include "ZQIMG_JPEGEncoder.h"
#include "ZQLOW_WIN_Core.h"

namespace {

// Recomputes the CRC of every whole chunk of a PNG file, so that damage
// reaches past the CRC check.
void FixPNGChecksums(ZQ_String& Bytes) {
  int at = 8;
  while (at + 12 <= Bytes.GetLength()) {
    const ZQIMG_ByteReader in(Bytes);
    const uint32_t length = in.U32BE(at);
    if (length > static_cast<uint32_t>(Bytes.GetLength() - at - 12)) return;
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef*>(Bytes.GetText() + at + 4), length + 4);
    for (int i = 0; i < 4; ++i)
      Bytes[at + 8 + static_cast<int>(length) + i] = static_cast<char>(crc >> (24 - 8 * i));
    at += 12 + static_cast<int>(length);
  }
}

// One seeded mutation of Bytes: bytes flipped, the end cut, a word set to a
// huge, negative or zero value, a slice duplicated or removed.
ZQ_String Mutate(const ZQ_String& Bytes, std::mt19937& Random) {
  ZQ_String out = Bytes;
  auto at = [&](int Room) {
    return static_cast<int>(Random() % static_cast<unsigned>(std::max(1, out.GetLength() - Room)));
  };
  switch (Random() % 6) {
    case 0:
      for (unsigned n = 1 + Random() % 4; n > 0 && out.GetLength() > 0; --n)
        out[at(0)] ^= static_cast<char>(1 + Random() % 255);
      break;
    case 1:
      return out.GetLeft(at(0));
    case 2: {
      static const uint32_t kValues[] = {0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, 0, 0x10000, 0xFFFF};
      const uint32_t value = kValues[Random() % 6];
      // Sizes of the headers lie early in the file: aim there half the time.
      const int i = Random() % 2 ? static_cast<int>(Random() % 40) : at(4);
      for (int k = 0; k < 4 && i + k < out.GetLength(); ++k)
        out[i + k] = static_cast<char>(value >> (8 * k));
      break;
    }
    case 3: {
      const int from = at(0), length = static_cast<int>(Random() % 64);
      out.Replace(at(0), 0, Bytes.GetText() + from, std::min(length, Bytes.GetLength() - from));
      break;
    }
    case 4: {
      const int from = at(0);
      out.Replace(from, std::min(static_cast<int>(1 + Random() % 32), out.GetLength() - from),
                  nullptr, 0);
      break;
    }
    default:
      out[at(0)] = static_cast<char>(Random() % 2 ? 0xFF : 0x00);
      break;
  }
  if (out.BeginsWith("\x89PNG") && Random() % 4 != 0) FixPNGChecksums(out);
  return out;
}

}  // namespace

// Each mutation loads or throws ZQ_Exception; none crashes, hangs or makes an
// image beyond the decoders' limits.
TEST(ZQIMGIO, MutatedFilesLoadOrThrowButNeverCrash) {
  const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
  std::vector<ZQ_String> seeds;
  for (const ImagingFixture& f : kImagingFixtures) seeds.push_back(LoadFixtureBytes(f.Resource));
  seeds.push_back(ZQIMG_EncodeJPEG(MakePictureImage(21, 13), 75));
  std::mt19937 random(20261207);
  long loaded = 0, refused = 0;
  for (const ZQ_String& seed : seeds) {
    const bool isGdiplusFormat =
        !seed.BeginsWith("\x89PNG") && !seed.BeginsWith("BM") && seed.GetFirstChar() != 40;
    for (int n = isGdiplusFormat ? 150 : 120; n > 0; --n) {
      const ZQ_String mutated = Mutate(seed, random);
      try {
        const ZQIMG_Image image = ZQIMGIO_LoadFromBuffer(mutated);
        EXPECT_LE(image.GetWidth(), ZQIMG_MaxDecodedSide);
        EXPECT_LE(image.GetWidth() * image.GetHeight(), ZQIMG_MaxDecodedPixels);
        ++loaded;
      } catch (const ZQ_Exception&) {
        ++refused;
      }
    }
  }
  EXPECT_GT(loaded, 500);
  EXPECT_GT(refused, 3000);
}
