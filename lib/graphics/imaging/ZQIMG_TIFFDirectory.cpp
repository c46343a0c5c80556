#include "ZQIMG_TIFFDirectory.h"

#include <algorithm>

namespace {

constexpr unsigned kTagImageWidth = 256, kTagImageLength = 257, kTagStripOffsets = 273,
                   kTagRowsPerStrip = 278, kTagStripByteCounts = 279, kTagTileWidth = 322,
                   kTagTileLength = 323, kTagTileOffsets = 324, kTagTileByteCounts = 325,
                   kTagJPEGInterchangeFormat = 513, kTagJPEGInterchangeFormatLength = 514;
// The tags whose values are offsets of further IFDs; SubIFDs hold images
// (reduced resolutions, previews), the others metadata.
const struct {
  unsigned Tag;
  bool HoldsImage;
} kPointerTags[] = {{330, true}, {34665, false}, {34853, false}, {40965, false}};
// A file that reaches more IFDs than this is refused: far more than pages,
// previews and metadata need, and few enough to check quickly.
constexpr size_t kMaxDirectories = 256;

// Bytes per value of TIFF field types 1 to 13; 0 for an unknown type.
size_t TypeSize(unsigned Type) {
  static const unsigned char kSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8, 4};
  return Type < sizeof kSizes ? kSizes[Type] : 0;
}

}  // namespace

ZQIMG_TIFFDirectory::ZQIMG_TIFFDirectory(const ZQIMG_ByteReader& In) : In(In) {
  if (!In.Has(0, 8)) return;
  IsLittleEndian = In.U32LE(0) == 0x002A4949;
  if (!IsLittleEndian && In.U32LE(0) != 0x2A004D4D) return;
  const size_t ifd = U32(4);
  if (ifd >= 8 && In.Has(ifd, 2) && In.Has(ifd + 2, 12 * size_t{U16(ifd)})) FirstIFD = ifd;
}

size_t ZQIMG_TIFFDirectory::FindEntry(size_t IFD, unsigned Tag) const {
  if (!IsValid()) return 0;
  for (unsigned i = 0; i < U16(IFD); ++i) {
    const size_t entry = IFD + 2 + 12 * size_t{i};
    if (U16(entry) == Tag) return entry;
  }
  return 0;
}

bool ZQIMG_TIFFDirectory::GetValues(size_t IFD, unsigned Tag, std::vector<uint32_t>& Values,
                                    bool IsPointer) const {
  const size_t entry = FindEntry(IFD, Tag);
  if (!entry) return false;
  const unsigned type = U16(entry + 2);
  const uint32_t count = U32(entry + 4);
  const bool isAccepted = type == 4 || type == (IsPointer ? 13u : 3u);
  const size_t size = TypeSize(type);
  if (!isAccepted || count == 0 || count > In.GetSize() / size) return false;
  size_t at = entry + 8;
  if (size * count > 4) at = U32(entry + 8);
  if (!In.Has(at, size * count)) return false;
  Values.clear();
  for (uint32_t i = 0; i < count; ++i)
    Values.push_back(type == 3 ? U16(at + 2 * i) : U32(at + 4 * i));
  return true;
}

long long ZQIMG_TIFFDirectory::GetValue(size_t IFD, unsigned Tag, long long Default) const {
  if (!FindEntry(IFD, Tag)) return Default;
  std::vector<uint32_t> values;
  return GetValues(IFD, Tag, values, false) ? values[0] : -1;
}

bool ZQIMG_TIFFDirectory::IsWellFormedIFD(size_t Offset) const {
  // Below 8 lies the header.
  if (Offset < 8 || !In.Has(Offset, 2) || !In.Has(Offset + 2, 12 * size_t{U16(Offset)} + 4))
    return false;
  unsigned previousTag = 0;
  for (unsigned i = 0; i < U16(Offset); ++i) {
    const size_t entry = Offset + 2 + 12 * size_t{i};
    const unsigned tag = U16(entry);
    const size_t size = TypeSize(U16(entry + 2));
    const uint32_t count = U32(entry + 4);
    if ((i > 0 && tag <= previousTag) || size == 0 || count > In.GetSize() / size) return false;
    if (size * count > 4 && !In.Has(U32(entry + 8), size * count)) return false;
    previousTag = tag;
  }
  return true;
}

bool ZQIMG_TIFFDirectory::HasPiecesInData(size_t IFD, unsigned OffsetsTag, unsigned CountsTag,
                                          long long Expected) const {
  std::vector<uint32_t> offsets, counts;
  if (!GetValues(IFD, OffsetsTag, offsets, false) || !GetValues(IFD, CountsTag, counts, false) ||
      offsets.size() != counts.size() || static_cast<long long>(offsets.size()) != Expected)
    return false;
  for (size_t i = 0; i < offsets.size(); ++i)
    if (!In.Has(offsets[i], counts[i])) return false;
  return true;
}

bool ZQIMG_TIFFDirectory::HasImageInData(size_t IFD) const {
  const bool hasStrips = FindEntry(IFD, kTagStripOffsets),
             hasTiles = FindEntry(IFD, kTagTileOffsets),
             hasJPEG = FindEntry(IFD, kTagJPEGInterchangeFormat);
  if (hasJPEG &&
      !HasPiecesInData(IFD, kTagJPEGInterchangeFormat, kTagJPEGInterchangeFormatLength, 1))
    return false;
  if (hasStrips == hasTiles) return !hasStrips && hasJPEG;
  const long long width = GetValue(IFD, kTagImageWidth, -1),
                  height = GetValue(IFD, kTagImageLength, -1);
  if (width <= 0 || height <= 0) return false;
  if (hasTiles) {
    const long long tileWidth = GetValue(IFD, kTagTileWidth, -1),
                    tileLength = GetValue(IFD, kTagTileLength, -1);
    if (tileWidth <= 0 || tileLength <= 0) return false;
    return HasPiecesInData(
        IFD, kTagTileOffsets, kTagTileByteCounts,
        ((width + tileWidth - 1) / tileWidth) * ((height + tileLength - 1) / tileLength));
  }
  const long long rowsPerStrip = std::min(GetValue(IFD, kTagRowsPerStrip, height), height);
  if (rowsPerStrip <= 0) return false;
  return HasPiecesInData(IFD, kTagStripOffsets, kTagStripByteCounts,
                         (height + rowsPerStrip - 1) / rowsPerStrip);
}

bool ZQIMG_TIFFDirectory::IsWellFormed() const {
  // The platform's decoder reads the first IFD's image, and strips only.
  if (!IsValid() || !FindEntry(FirstIFD, kTagStripOffsets) || FindEntry(FirstIFD, kTagTileOffsets))
    return false;
  struct Pending {
    size_t Offset;
    bool HoldsImage;
  };
  std::vector<Pending> pending{{FirstIFD, true}};
  std::vector<size_t> seen;
  while (!pending.empty()) {
    const Pending ifd = pending.back();
    pending.pop_back();
    if (std::find(seen.begin(), seen.end(), ifd.Offset) != seen.end()) return false;
    seen.push_back(ifd.Offset);
    if (!IsWellFormedIFD(ifd.Offset) || (ifd.HoldsImage && !HasImageInData(ifd.Offset)))
      return false;
    if (const uint32_t next = U32(ifd.Offset + 2 + 12 * size_t{U16(ifd.Offset)}))
      pending.push_back({next, ifd.HoldsImage});
    for (const auto& pointer : kPointerTags) {
      std::vector<uint32_t> offsets;
      if (!FindEntry(ifd.Offset, pointer.Tag)) continue;
      if (!GetValues(ifd.Offset, pointer.Tag, offsets, true)) return false;
      for (const uint32_t offset : offsets) pending.push_back({offset, pointer.HoldsImage});
    }
    if (seen.size() + pending.size() > kMaxDirectories) return false;
  }
  return true;
}
