// ZQIMG_ByteReader.h: bounds-checked reading of the bytes of an image file,
// shared by the header reader and the decoders. Offsets and lengths read
// from a file are checked against the data before use, never trusted. The
// throwing members throw ZQ_Exception "Error loading image" (see
// ZQIMG_ThrowLoadError); the others leave the judgement to the caller.
#ifndef ZQIMG_BYTEREADER_H
#define ZQIMG_BYTEREADER_H

#include <cstddef>
#include <cstdint>

#include "ZQ_String.h"

class ZQIMG_Image;

// Throws ZQ_Exception named "Error loading image" with Description; both
// texts are translated.
[[noreturn]] void ZQIMG_ThrowLoadError(const char* Description);

// Files claiming more than this many pixels a side or in all are rejected
// before anything is allocated.
constexpr long ZQIMG_MaxDecodedSide = 65535;
constexpr long ZQIMG_MaxDecodedPixels = 67108864;
// Throws the load error for a size that is not positive or beyond the limits.
void ZQIMG_CheckDecodedSize(long long Width, long long Height);
// The 24-bit image a decoder fills, of a size within the limits; when memory
// for it is short, the load error "There is not enough memory for the
// image." (rather than the image's own "Error creating image").
ZQIMG_Image ZQIMG_MakeDecodedImage(long Width, long Height);

class ZQIMG_ByteReader {
 public:
  ZQIMG_ByteReader(const unsigned char* Data, size_t Size) noexcept : Data(Data), Size(Size) {}
  explicit ZQIMG_ByteReader(const ZQ_String& Bytes) noexcept
      : Data(reinterpret_cast<const unsigned char*>(Bytes.GetText())),
        Size(static_cast<size_t>(Bytes.GetLength())) {}

  size_t GetSize() const noexcept { return Size; }
  const unsigned char* GetData() const noexcept { return Data; }
  // True when Count bytes lie at Offset (no overflow for any values).
  bool Has(size_t Offset, size_t Count) const noexcept {
    return Offset <= Size && Count <= Size - Offset;
  }
  // Throws the load error with Description unless Has(Offset, Count).
  void Need(size_t Offset, size_t Count, const char* Description) const {
    if (!Has(Offset, Count)) ZQIMG_ThrowLoadError(Description);
  }

  // Unchecked reads: the caller has checked with Has or Need.
  unsigned U8(size_t Offset) const noexcept { return Data[Offset]; }
  unsigned U16LE(size_t Offset) const noexcept { return Data[Offset] | (Data[Offset + 1] << 8); }
  unsigned U16BE(size_t Offset) const noexcept { return (Data[Offset] << 8) | Data[Offset + 1]; }
  uint32_t U32LE(size_t Offset) const noexcept {
    return U16LE(Offset) | (static_cast<uint32_t>(U16LE(Offset + 2)) << 16);
  }
  uint32_t U32BE(size_t Offset) const noexcept {
    return (static_cast<uint32_t>(U16BE(Offset)) << 16) | U16BE(Offset + 2);
  }

 private:
  const unsigned char* Data;
  size_t Size;
};

#endif
