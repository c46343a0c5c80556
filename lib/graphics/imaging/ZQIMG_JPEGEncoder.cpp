#include "ZQIMG_JPEGEncoder.h"

#include <algorithm>
#include <vector>

#include "ZQIMG_Conversion.h"
#include "ZQ_StackTrace.h"

namespace {

// The standard's example tables (its annex K), in natural order.
// clang-format off
const unsigned char kBaseQuantisation[2][64] = {
    {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
     14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
     18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
     49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99},
    {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
     24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
     99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
     99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99}};
// clang-format on

// A Huffman table as the file stores it: the number of codes of each length
// 1 to 16, then the symbols in code order.
struct HuffmanSpec {
  unsigned char Counts[16];
  std::vector<unsigned char> Symbols;
};

// A, A + 1, ..., B.
void AppendRange(std::vector<unsigned char>& Symbols, unsigned A, unsigned B) {
  for (unsigned s = A; s <= B; ++s) Symbols.push_back(static_cast<unsigned char>(s));
}

HuffmanSpec LuminanceDC() {
  return {{0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
}
HuffmanSpec ChrominanceDC() {
  return {{0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
}

// The AC tables end in runs of consecutive symbols: from each first symbol
// up to the row's size 10.
HuffmanSpec LuminanceAC() {
  HuffmanSpec spec{{0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d},
                   {0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13,
                    0x51, 0x61, 0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42,
                    0xb1, 0xc1, 0x15, 0x52, 0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0a}};
  for (unsigned first : {0x16u, 0x25u, 0x34u, 0x43u, 0x53u, 0x63u, 0x73u, 0x83u, 0x92u, 0xa2u,
                         0xb2u, 0xc2u, 0xd2u, 0xe1u, 0xf1u})
    AppendRange(spec.Symbols, first, (first & 0xF0) + 10);
  return spec;
}

HuffmanSpec ChrominanceAC() {
  HuffmanSpec spec{{0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77},
                   {0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41,
                    0x51, 0x07, 0x61, 0x71, 0x13, 0x22, 0x32, 0x81, 0x08, 0x14, 0x42, 0x91,
                    0xa1, 0xb1, 0xc1, 0x09, 0x23, 0x33, 0x52, 0xf0, 0x15, 0x62, 0x72, 0xd1,
                    0x0a, 0x16, 0x24, 0x34, 0xe1, 0x25, 0xf1, 0x17, 0x18, 0x19, 0x1a, 0x26}};
  for (unsigned first : {0x27u, 0x35u, 0x43u, 0x53u, 0x63u, 0x73u, 0x82u, 0x92u, 0xa2u, 0xb2u,
                         0xc2u, 0xd2u, 0xe2u, 0xf2u})
    AppendRange(spec.Symbols, first, (first & 0xF0) + 10);
  return spec;
}

// Code and length of every symbol, made as the standard's annex C makes them.
struct HuffmanCodes {
  unsigned short Code[256] = {0};
  unsigned char Length[256] = {0};
};

HuffmanCodes MakeCodes(const HuffmanSpec& Spec) {
  HuffmanCodes codes;
  unsigned code = 0;
  size_t k = 0;
  for (unsigned length = 1; length <= 16; ++length, code <<= 1)
    for (unsigned i = 0; i < Spec.Counts[length - 1]; ++i, ++code, ++k) {
      codes.Code[Spec.Symbols[k]] = static_cast<unsigned short>(code);
      codes.Length[Spec.Symbols[k]] = static_cast<unsigned char>(length);
    }
  return codes;
}

// Zigzag position -> natural position.
struct Zigzag {
  unsigned char Natural[64];
  Zigzag() {
    int i = 0;
    for (int sum = 0; sum < 15; ++sum)
      for (int k = 0; k <= sum; ++k) {
        const int row = sum % 2 ? k : sum - k, column = sum - row;
        if (row < 8 && column < 8) Natural[i++] = static_cast<unsigned char>(8 * row + column);
      }
  }
};
const Zigzag kZigzag;

// The entropy-coded bytes, with a 0 after every 0xFF.
class BitWriter {
 public:
  explicit BitWriter(std::vector<unsigned char>& Out) : Out(Out) {}
  void Put(unsigned Bits, unsigned Count) {
    Buffer = (Buffer << Count) | (Bits & ((1u << Count) - 1));
    Used += Count;
    while (Used >= 8) {
      const unsigned char byte = static_cast<unsigned char>(Buffer >> (Used - 8));
      Out.push_back(byte);
      if (byte == 0xFF) Out.push_back(0);
      Used -= 8;
    }
  }
  // Pads the last byte with 1 bits.
  void Flush() {
    if (Used) Put(0x7F, 8 - Used);
  }

 private:
  std::vector<unsigned char>& Out;
  unsigned long Buffer = 0;
  unsigned Used = 0;
};

// The size category of a value: the number of bits of its magnitude.
unsigned Category(int Value) {
  unsigned magnitude = static_cast<unsigned>(Value < 0 ? -Value : Value), size = 0;
  while (magnitude) ++size, magnitude >>= 1;
  return size;
}

// The forward DCT of one row or column of eight (the factorisation of Arai,
// Agui and Nakajima): outputs are scaled per frequency, which the
// quantisation divisors undo.
void DCT8(float* D, int Step) {
  const float t0 = D[0] + D[7 * Step], t7 = D[0] - D[7 * Step];
  const float t1 = D[Step] + D[6 * Step], t6 = D[Step] - D[6 * Step];
  const float t2 = D[2 * Step] + D[5 * Step], t5 = D[2 * Step] - D[5 * Step];
  const float t3 = D[3 * Step] + D[4 * Step], t4 = D[3 * Step] - D[4 * Step];
  const float e10 = t0 + t3, e13 = t0 - t3, e11 = t1 + t2, e12 = t1 - t2;
  D[0] = e10 + e11;
  D[4 * Step] = e10 - e11;
  const float z1 = (e12 + e13) * 0.707106781f;
  D[2 * Step] = e13 + z1;
  D[6 * Step] = e13 - z1;
  const float o10 = t4 + t5, o11 = t5 + t6, o12 = t6 + t7;
  const float z5 = (o10 - o12) * 0.382683433f;
  const float z2 = 0.541196100f * o10 + z5, z4 = 1.306562965f * o12 + z5, z3 = o11 * 0.707106781f;
  const float z11 = t7 + z3, z13 = t7 - z3;
  D[5 * Step] = z13 + z2;
  D[3 * Step] = z13 - z2;
  D[Step] = z11 + z4;
  D[7 * Step] = z11 - z4;
}

class Encoder {
 public:
  Encoder(const ZQIMG_Image& Image, long Quality, std::vector<unsigned char>& Out)
      : Image(Image), Bits(Out) {
    static const double kScale[8] = {1.0, 1.387039845, 1.306562965, 1.175875602,
                                     1.0, 0.785694958, 0.541196100, 0.275899379};
    for (int t = 0; t < 2; ++t) {
      unsigned char table[64];
      ZQIMG_GetJPEGQuantisationTable(Quality, t, table);
      for (int i = 0; i < 64; ++i)
        Divisor[t][i] = static_cast<float>(1.0 / (table[i] * kScale[i / 8] * kScale[i % 8] * 8.0));
    }
    DC[0] = MakeCodes(LuminanceDC());
    DC[1] = MakeCodes(ChrominanceDC());
    AC[0] = MakeCodes(LuminanceAC());
    AC[1] = MakeCodes(ChrominanceAC());
  }

  void EncodeScan() {
    for (long y = 0; y < Image.GetHeight(); y += 8) {
      // The last row repeats below the image.
      for (int r = 0; r < 8; ++r) Rows[r] = Image.GetRow(std::min(y + r, Image.GetHeight() - 1));
      for (long x = 0; x < Image.GetWidth(); x += 8) EncodeUnit(x);
    }
    Bits.Flush();
  }

 private:
  // One 8 x 8 unit of each component from the rows in Rows; the last column
  // repeats right of the image.
  void EncodeUnit(long X0) {
    float blocks[3][64];
    for (int r = 0; r < 8; ++r) {
      for (int c = 0; c < 8; ++c) {
        const unsigned char* p = Rows[r] + 3 * std::min(X0 + c, Image.GetWidth() - 1);
        const float b = p[0], g = p[1], red = p[2];
        blocks[0][8 * r + c] = 0.299f * red + 0.587f * g + 0.114f * b - 128.0f;
        blocks[1][8 * r + c] = -0.168736f * red - 0.331264f * g + 0.5f * b;
        blocks[2][8 * r + c] = 0.5f * red - 0.418688f * g - 0.081312f * b;
      }
    }
    for (int k = 0; k < 3; ++k) EncodeBlock(blocks[k], k);
  }

  void EncodeBlock(float* Block, int Component) {
    const int t = Component ? 1 : 0;
    for (int i = 0; i < 8; ++i) DCT8(Block + 8 * i, 1);
    for (int i = 0; i < 8; ++i) DCT8(Block + i, 8);
    int zz[64];
    for (int i = 0; i < 64; ++i) {
      const int n = kZigzag.Natural[i];
      // Rounds half up, without a library call; size 10 is the largest AC
      // category of 8-bit samples.
      zz[i] =
          std::clamp(static_cast<int>(Block[n] * Divisor[t][n] + 16384.5f) - 16384, -1023, 1023);
    }
    const int diff = zz[0] - Previous[Component];
    Previous[Component] = zz[0];
    PutValue(DC[t], 0, diff);
    int run = 0;
    for (int i = 1; i < 64; ++i) {
      if (zz[i] == 0) {
        ++run;
        continue;
      }
      for (; run > 15; run -= 16) PutSymbol(AC[t], 0xF0);
      PutValue(AC[t], static_cast<unsigned>(run) << 4, zz[i]);
      run = 0;
    }
    if (run) PutSymbol(AC[t], 0x00);
  }

  void PutSymbol(const HuffmanCodes& Codes, unsigned Symbol) {
    Bits.Put(Codes.Code[Symbol], Codes.Length[Symbol]);
  }
  // The symbol RunBits + size, then the value's extra bits (one's complement
  // for negative values).
  void PutValue(const HuffmanCodes& Codes, unsigned RunBits, int Value) {
    const unsigned size = Category(Value);
    PutSymbol(Codes, RunBits | size);
    if (size) Bits.Put(static_cast<unsigned>(Value < 0 ? Value - 1 : Value), size);
  }

  const ZQIMG_Image& Image;
  const unsigned char* Rows[8] = {};
  BitWriter Bits;
  float Divisor[2][64];
  HuffmanCodes DC[2], AC[2];
  int Previous[3] = {0, 0, 0};
};

void PutU16(std::vector<unsigned char>& Out, unsigned Value) {
  Out.push_back(static_cast<unsigned char>(Value >> 8));
  Out.push_back(static_cast<unsigned char>(Value));
}

void PutMarker(std::vector<unsigned char>& Out, unsigned Marker, unsigned Length) {
  PutU16(Out, 0xFF00 | Marker);
  PutU16(Out, Length);
}

void PutBytes(std::vector<unsigned char>& Out, std::initializer_list<unsigned> Bytes) {
  for (unsigned b : Bytes) Out.push_back(static_cast<unsigned char>(b));
}

void PutHeaders(std::vector<unsigned char>& Out, const ZQIMG_Image& Image, long Quality) {
  PutU16(Out, 0xFFD8);
  PutMarker(Out, 0xE0, 16);  // JFIF 1.01, no units, aspect 1:1, no thumbnail
  PutBytes(Out, {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
  PutMarker(Out, 0xDB, 2 + 2 * 65);
  for (int t = 0; t < 2; ++t) {
    unsigned char table[64];
    ZQIMG_GetJPEGQuantisationTable(Quality, t, table);
    Out.push_back(static_cast<unsigned char>(t));
    for (int i = 0; i < 64; ++i) Out.push_back(table[kZigzag.Natural[i]]);
  }
  PutMarker(Out, 0xC0, 17);
  Out.push_back(8);
  PutU16(Out, static_cast<unsigned>(Image.GetHeight()));
  PutU16(Out, static_cast<unsigned>(Image.GetWidth()));
  PutBytes(Out, {3, 1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1});
  const HuffmanSpec specs[] = {LuminanceDC(), LuminanceAC(), ChrominanceDC(), ChrominanceAC()};
  const unsigned classes[] = {0x00, 0x10, 0x01, 0x11};
  size_t length = 2;
  for (const HuffmanSpec& spec : specs) length += 17 + spec.Symbols.size();
  PutMarker(Out, 0xC4, static_cast<unsigned>(length));
  for (int i = 0; i < 4; ++i) {
    Out.push_back(static_cast<unsigned char>(classes[i]));
    Out.insert(Out.end(), specs[i].Counts, specs[i].Counts + 16);
    Out.insert(Out.end(), specs[i].Symbols.begin(), specs[i].Symbols.end());
  }
  PutMarker(Out, 0xDA, 12);
  PutBytes(Out, {3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0});
}

}  // namespace

void ZQIMG_GetJPEGQuantisationTable(long Quality, int Table, unsigned char Entries[64]) {
  ZQ_ASSERT((Quality >= 1) and (Quality <= 100));
  ZQ_ASSERT((Table == 0) or (Table == 1));
  const long scale = Quality < 50 ? 5000 / Quality : 200 - 2 * Quality;
  for (int i = 0; i < 64; ++i) {
    const long entry = (kBaseQuantisation[Table][i] * scale + 50) / 100;
    Entries[i] = static_cast<unsigned char>(entry < 1 ? 1 : entry > 255 ? 255 : entry);
  }
}

ZQ_String ZQIMG_EncodeJPEG(const ZQIMG_Image& Image, long Quality) {
  ZQ_TRACE_FUNCTION("ZQIMG_EncodeJPEG");
  ZQ_ASSERT((Quality >= 1) and (Quality <= 100));
  ZQ_ASSERT(!Image.IsEmpty());
  // Baseline frames hold 16-bit sizes.
  ZQ_ASSERT((Image.GetWidth() <= 65535) and (Image.GetHeight() <= 65535));
  const ZQIMG_Image rgb = ZQIMG_ConvertTo24Bits(Image);
  std::vector<unsigned char> out;
  PutHeaders(out, rgb, Quality);
  Encoder(rgb, Quality, out).EncodeScan();
  PutU16(out, 0xFFD9);
  return ZQ_String(reinterpret_cast<const char*>(out.data()), static_cast<int>(out.size()));
}
