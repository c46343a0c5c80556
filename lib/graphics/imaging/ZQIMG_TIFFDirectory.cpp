#include "ZQIMG_TIFFDirectory.h"

namespace {

constexpr unsigned kTagImageLength = 257, kTagStripOffsets = 273, kTagRowsPerStrip = 278,
                   kTagStripByteCounts = 279, kTagTileOffsets = 324;
// More IFDs than this in a chain is taken for a loop.
constexpr int kMaxDirectories = 64;

// Bytes per value of TIFF field types 1 to 12; 0 for an unknown type.
size_t TypeSize(unsigned Type) {
  static const unsigned char kSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
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

size_t ZQIMG_TIFFDirectory::FindEntry(unsigned Tag) const {
  if (!IsValid()) return 0;
  for (unsigned i = 0; i < U16(FirstIFD); ++i) {
    const size_t entry = FirstIFD + 2 + 12 * size_t{i};
    if (U16(entry) == Tag) return entry;
  }
  return 0;
}

bool ZQIMG_TIFFDirectory::GetValues(unsigned Tag, std::vector<uint32_t>& Values) const {
  const size_t entry = FindEntry(Tag);
  if (!entry) return false;
  const unsigned type = U16(entry + 2);
  const uint32_t count = U32(entry + 4);
  if ((type != 3 && type != 4) || count == 0 || count > In.GetSize()) return false;
  const size_t size = TypeSize(type);
  size_t at = entry + 8;
  if (size * count > 4) at = U32(entry + 8);
  if (!In.Has(at, size * count)) return false;
  Values.clear();
  for (uint32_t i = 0; i < count; ++i)
    Values.push_back(type == 3 ? U16(at + 2 * i) : U32(at + 4 * i));
  return true;
}

long long ZQIMG_TIFFDirectory::GetValue(unsigned Tag, long long Default) const {
  if (!FindEntry(Tag)) return Default;
  std::vector<uint32_t> values;
  return GetValues(Tag, values) ? values[0] : -1;
}

bool ZQIMG_TIFFDirectory::IsWellFormedIFD(size_t Offset) const {
  if (!In.Has(Offset, 2) || !In.Has(Offset + 2, 12 * size_t{U16(Offset)} + 4)) return false;
  unsigned previousTag = 0;
  for (unsigned i = 0; i < U16(Offset); ++i) {
    const size_t entry = Offset + 2 + 12 * size_t{i};
    const unsigned tag = U16(entry);
    const size_t size = TypeSize(U16(entry + 2));
    const uint32_t count = U32(entry + 4);
    if ((i > 0 && tag <= previousTag) || size == 0 || count > In.GetSize()) return false;
    if (size * count > 4 && !In.Has(U32(entry + 8), size * count)) return false;
    previousTag = tag;
  }
  return true;
}

bool ZQIMG_TIFFDirectory::HaveStripsInData() const {
  std::vector<uint32_t> offsets, counts;
  if (FindEntry(kTagTileOffsets) || !GetValues(kTagStripOffsets, offsets) ||
      !GetValues(kTagStripByteCounts, counts) || offsets.size() != counts.size())
    return false;
  const long long height = GetValue(kTagImageLength, -1);
  long long rowsPerStrip = GetValue(kTagRowsPerStrip, height);
  if (height <= 0 || rowsPerStrip <= 0) return false;
  if (rowsPerStrip > height) rowsPerStrip = height;
  if (static_cast<long long>(offsets.size()) != (height + rowsPerStrip - 1) / rowsPerStrip)
    return false;
  for (size_t i = 0; i < offsets.size(); ++i)
    if (!In.Has(offsets[i], counts[i])) return false;
  return true;
}

bool ZQIMG_TIFFDirectory::IsWellFormed() const {
  if (!IsValid() || !HaveStripsInData()) return false;
  size_t ifd = FirstIFD;
  for (int n = 0; n < kMaxDirectories; ++n) {
    if (!IsWellFormedIFD(ifd)) return false;
    ifd = U32(ifd + 2 + 12 * size_t{U16(ifd)});
    if (ifd == 0) return true;
  }
  return false;
}
