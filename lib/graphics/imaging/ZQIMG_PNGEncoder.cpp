#include "ZQIMG_PNGEncoder.h"

#include <zlib.h>

#include <cstdlib>
#include <new>
#include <vector>

#include "ZQIMG_Conversion.h"
#include "ZQIMG_PNGCommon.h"
#include "ZQ_Exception.h"
#include "ZQ_StackTrace.h"

namespace {

void AppendU32(ZQ_String& Out, uint32_t Value) {
  const char bytes[] = {static_cast<char>(Value >> 24), static_cast<char>(Value >> 16),
                        static_cast<char>(Value >> 8), static_cast<char>(Value)};
  Out.Append(bytes, 4);
}

void AppendChunk(ZQ_String& Out, const char* Type, const unsigned char* Data, size_t Length) {
  AppendU32(Out, static_cast<uint32_t>(Length));
  const int typeStart = Out.GetLength();
  Out.Append(Type, 4);
  if (Length) Out.Append(reinterpret_cast<const char*>(Data), static_cast<int>(Length));
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(Out.GetText() + typeStart),
                          static_cast<uInt>(Length + 4));
  AppendU32(Out, static_cast<uint32_t>(crc));
}

// Row filtered with Filter into Target (Length bytes); Above is the previous
// row (zeros for the first). Returns the sum of the absolute values.
unsigned long Filter(unsigned Type, const unsigned char* Row, const unsigned char* Above, size_t Length,
                     unsigned char* Target) {
  unsigned long sum = 0;
  for (size_t i = 0; i < Length; ++i) {
    const int left = i >= 3 ? Row[i - 3] : 0, up = Above[i], upLeft = i >= 3 ? Above[i - 3] : 0;
    const unsigned predicted = Type == 0   ? 0
                               : Type == 1 ? left
                               : Type == 2 ? up
                               : Type == 3 ? (left + up) / 2
                                           : ZQIMG_PNGPaeth(left, up, upLeft);
    Target[i] = static_cast<unsigned char>(Row[i] - predicted);
    sum += static_cast<unsigned long>(std::abs(static_cast<signed char>(Target[i])));
  }
  return sum;
}

// Appends to Out the filter byte and the filtered row with the smallest sum.
void AppendBestFilteredRow(const unsigned char* Row, const unsigned char* Above, size_t Length,
                           std::vector<unsigned char>& Trial, std::vector<unsigned char>& Out) {
  unsigned long bestSum = 0;
  unsigned best = 0;
  for (unsigned type = 0; type < 5; ++type) {
    const unsigned long sum = Filter(type, Row, Above, Length, Trial.data());
    if (type == 0 || sum < bestSum) {
      bestSum = sum;
      best = type;
    }
  }
  Out.push_back(static_cast<unsigned char>(best));
  const size_t at = Out.size();
  Out.resize(at + Length);
  Filter(best, Row, Above, Length, Out.data() + at);
}

// The image's rows as red, green, blue, each filtered.
std::vector<unsigned char> FilteredRows(const ZQIMG_Image& Image) {
  const size_t length = 3 * static_cast<size_t>(Image.GetWidth());
  std::vector<unsigned char> out, trial(length), rows(2 * length, 0);
  out.reserve((length + 1) * Image.GetHeight());
  unsigned char *row = rows.data(), *above = rows.data() + length;
  for (long y = 0; y < Image.GetHeight(); ++y) {
    const unsigned char* source = Image.GetRow(y);
    for (size_t i = 0; i < length; i += 3) {
      row[i] = source[i + 2];
      row[i + 1] = source[i + 1];
      row[i + 2] = source[i];
    }
    AppendBestFilteredRow(row, above, length, trial, out);
    std::swap(row, above);
  }
  return out;
}

std::vector<unsigned char> Deflate(const std::vector<unsigned char>& Raw) {
  uLongf size = compressBound(static_cast<uLong>(Raw.size()));
  std::vector<unsigned char> packed(size);
  if (compress2(packed.data(), &size, Raw.data(), static_cast<uLong>(Raw.size()), 6) != Z_OK)
    throw std::bad_alloc();
  packed.resize(size);
  return packed;
}

}  // namespace

ZQ_String ZQIMG_EncodePNG(const ZQIMG_Image& Image) {
  ZQ_TRACE_FUNCTION("ZQIMG_EncodePNG");
  ZQ_ASSERT(!Image.IsEmpty());
  const ZQIMG_Image rgb = ZQIMG_ConvertTo24Bits(Image);
  const std::vector<unsigned char> packed = Deflate(FilteredRows(rgb));
  ZQ_String out = ZQ_String::WithCapacity(static_cast<int>(packed.size()) + 64);
  out.Append(reinterpret_cast<const char*>(ZQIMG_PNGSignature), 8);
  unsigned char header[13] = {0};
  for (int i = 0; i < 4; ++i) {
    header[i] = static_cast<unsigned char>(rgb.GetWidth() >> (24 - 8 * i));
    header[4 + i] = static_cast<unsigned char>(rgb.GetHeight() >> (24 - 8 * i));
  }
  header[8] = 8;  // bits per sample
  header[9] = 2;  // RGB
  AppendChunk(out, "IHDR", header, sizeof header);
  AppendChunk(out, "IDAT", packed.data(), packed.size());
  AppendChunk(out, "IEND", nullptr, 0);
  return out;
}
