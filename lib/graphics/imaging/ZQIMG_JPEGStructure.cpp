#include "ZQIMG_JPEGStructure.h"

namespace {

class JPEGChecker {
 public:
  explicit JPEGChecker(const ZQIMG_ByteReader& In) : In(In) {}

  bool Check() {
    if (!In.Has(0, 2) || In.U8(0) != 0xFF || In.U8(1) != 0xD8) return false;
    size_t at = 2;
    for (;;) {
      if (!In.Has(at, 2) || In.U8(at) != 0xFF) return false;
      while (In.Has(at + 1, 1) && In.U8(at + 1) == 0xFF) ++at;  // fill bytes
      if (!In.Has(at + 1, 1)) return false;
      const unsigned marker = In.U8(at + 1);
      at += 2;
      if (marker == 0xD9) return HasFrame && HasScan;
      if (!In.Has(at, 2) || In.U16BE(at) < 2 || !In.Has(at, In.U16BE(at))) return false;
      const size_t length = In.U16BE(at);
      if (!CheckSegment(marker, at + 2, length - 2)) return false;
      at += length;
      if (marker == 0xDA && !SkipEntropyCodedData(at)) return false;
    }
  }

 private:
  bool CheckSegment(unsigned Marker, size_t At, size_t Length) {
    if (Marker == 0xDB) return CheckQuantisationTables(At, Length);
    if (Marker == 0xC4) return CheckHuffmanTables(At, Length);
    if (Marker == 0xDA) return CheckScanHeader(At, Length);
    if (Marker == 0xDD) return Length == 2;
    if (Marker >= 0xC0 && Marker <= 0xCF && Marker != 0xC8 && Marker != 0xCC)
      return CheckFrameHeader(At, Length);
    // Application data, comments, arithmetic conditioning, line counts.
    return (Marker >= 0xE0 && Marker <= 0xEF) || Marker == 0xFE || Marker == 0xCC || Marker == 0xDC;
  }

  bool CheckQuantisationTables(size_t At, size_t Length) {
    const size_t end = At + Length;
    while (At < end) {
      const unsigned precision = In.U8(At) >> 4, table = In.U8(At) & 15;
      if (precision > 1 || table > 3) return false;
      At += 1 + 64 * (precision + 1);
    }
    return At == end;
  }

  bool CheckHuffmanTables(size_t At, size_t Length) {
    const size_t end = At + Length;
    while (At < end) {
      if ((In.U8(At) >> 4) > 1 || (In.U8(At) & 15) > 3 || At + 17 > end) return false;
      size_t count = 0;
      for (size_t i = 1; i <= 16; ++i) count += In.U8(At + i);
      if (count > 256) return false;
      At += 17 + count;
    }
    return At == end;
  }

  bool CheckFrameHeader(size_t At, size_t Length) {
    if (HasFrame || Length < 6) return false;
    const unsigned components = In.U8(At + 5);
    if (components < 1 || components > 4 || Length != 6 + 3 * size_t{components}) return false;
    for (unsigned i = 0; i < components; ++i) {
      const size_t c = At + 6 + 3 * size_t{i};
      const unsigned h = In.U8(c + 1) >> 4, v = In.U8(c + 1) & 15;
      if (h < 1 || h > 4 || v < 1 || v > 4 || In.U8(c + 2) > 3) return false;
      ComponentIds[i] = In.U8(c);
    }
    ComponentCount = components;
    HasFrame = true;
    return true;
  }

  bool CheckScanHeader(size_t At, size_t Length) {
    if (!HasFrame || Length < 4) return false;
    const unsigned components = In.U8(At);
    if (components < 1 || components > ComponentCount || Length != 4 + 2 * size_t{components})
      return false;
    for (unsigned i = 0; i < components; ++i) {
      bool isKnown = false;
      for (unsigned k = 0; k < ComponentCount; ++k)
        isKnown = isKnown || ComponentIds[k] == In.U8(At + 1 + 2 * i);
      if (!isKnown || (In.U8(At + 2 + 2 * i) >> 4) > 3 || (In.U8(At + 2 + 2 * i) & 15) > 3)
        return false;
    }
    HasScan = true;
    return true;
  }

  // Moves At past the scan's data, to the 0xFF of the next marker: within
  // the data 0xFF is followed only by a stuffed 0 or a restart marker.
  bool SkipEntropyCodedData(size_t& At) {
    for (; In.Has(At, 2); ++At) {
      if (In.U8(At) != 0xFF) continue;
      const unsigned next = In.U8(At + 1);
      if (next != 0 && (next < 0xD0 || next > 0xD7) && next != 0xFF) return true;
    }
    return false;
  }

  const ZQIMG_ByteReader& In;
  bool HasFrame = false;
  bool HasScan = false;
  unsigned ComponentCount = 0;
  unsigned ComponentIds[4] = {0, 0, 0, 0};
};

}  // namespace

bool ZQIMG_IsWellFormedJPEG(const ZQIMG_ByteReader& In) { return JPEGChecker(In).Check(); }
