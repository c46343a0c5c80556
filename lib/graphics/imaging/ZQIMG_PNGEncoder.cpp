#include "ZQIMG_PNGEncoder.h"

#include <zlib.h>

#include <new>
#include <utility>
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

// Row filtered with filter Type into Target (Length bytes, 3 per pixel);
// Above is the previous row (zeros for the first). Returns the sum of the
// filtered bytes' absolute values as signed bytes. One loop per type: this
// runs five times for every row.
unsigned long Filter(unsigned Type, const unsigned char* Row, const unsigned char* Above,
                     size_t Length, unsigned char* Target) {
  unsigned long sum = 0;
  auto emit = [&](size_t I, int Predicted) {
    const unsigned char value = static_cast<unsigned char>(Row[I] - Predicted);
    Target[I] = value;
    sum += value < 128 ? value : 256 - value;
  };
  const size_t first = Length < 3 ? Length : 3;
  switch (Type) {
    case 0:
      for (size_t i = 0; i < Length; ++i) emit(i, 0);
      break;
    case 1:
      for (size_t i = 0; i < first; ++i) emit(i, 0);
      for (size_t i = 3; i < Length; ++i) emit(i, Row[i - 3]);
      break;
    case 2:
      for (size_t i = 0; i < Length; ++i) emit(i, Above[i]);
      break;
    case 3:
      for (size_t i = 0; i < first; ++i) emit(i, Above[i] / 2);
      for (size_t i = 3; i < Length; ++i) emit(i, (Row[i - 3] + Above[i]) / 2);
      break;
    default:
      for (size_t i = 0; i < first; ++i) emit(i, Above[i]);
      for (size_t i = 3; i < Length; ++i)
        emit(i, ZQIMG_PNGPaeth(Row[i - 3], Above[i], Above[i - 3]));
      break;
  }
  return sum;
}

// Appends to Out the filter byte and the filtered row with the smallest sum
// (the lowest type on ties). Trial holds two rows of scratch space.
void AppendBestFilteredRow(const unsigned char* Row, const unsigned char* Above, size_t Length,
                           std::vector<unsigned char>& Trial, std::vector<unsigned char>& Out) {
  unsigned char *best = Trial.data(), *candidate = Trial.data() + Length;
  unsigned long bestSum = Filter(0, Row, Above, Length, best);
  unsigned bestType = 0;
  for (unsigned type = 1; type < 5; ++type) {
    const unsigned long sum = Filter(type, Row, Above, Length, candidate);
    if (sum < bestSum) {
      bestSum = sum;
      bestType = type;
      std::swap(best, candidate);
    }
  }
  Out.push_back(static_cast<unsigned char>(bestType));
  Out.insert(Out.end(), best, best + Length);
}

// The image's rows as red, green, blue, each filtered.
std::vector<unsigned char> FilteredRows(const ZQIMG_Image& Image) {
  const size_t length = 3 * static_cast<size_t>(Image.GetWidth());
  std::vector<unsigned char> out, trial(2 * length), rows(2 * length, 0);
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
