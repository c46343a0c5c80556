// ZQIMG_TIFFDirectory.h: the image file directories (IFDs) of a TIFF file
// held in memory, in either byte order ("II" or "MM"): the first one's
// values, and a check of the whole structure before another decoder sees
// it. Every offset and count read is checked against the data. Throws
// nothing.
#ifndef ZQIMG_TIFFDIRECTORY_H
#define ZQIMG_TIFFDIRECTORY_H

#include <cstdint>
#include <vector>

#include "ZQIMG_ByteReader.h"

class ZQIMG_TIFFDirectory {
 public:
  // In must outlive the object.
  explicit ZQIMG_TIFFDirectory(const ZQIMG_ByteReader& In);

  // The header is TIFF's and the first IFD lies in the data.
  bool IsValid() const noexcept { return FirstIFD != 0; }
  // The values of Tag in the first IFD, when it is there as SHORTs or LONGs
  // that lie in the data.
  bool GetValues(unsigned Tag, std::vector<uint32_t>& Values) const {
    return GetValues(FirstIFD, Tag, Values, false);
  }
  // The first value of Tag; Default when the tag is absent, -1 when it is
  // unreadable.
  long long GetValue(unsigned Tag, long long Default) const {
    return GetValue(FirstIFD, Tag, Default);
  }

  // Every IFD the file reaches - the chain from the header, and at any depth
  // every IFD that a SubIFDs, Exif, GPS or Interoperability pointer (LONG or
  // IFD values) names, and their chains - lies in the data, is reached once
  // only (no cycle), and there are at most 256 of them. Each has entries of
  // known types in ascending tag order whose values lie in the data. Each
  // image IFD (the chains of the header and of SubIFDs) stores its image in
  // strips or tiles, or as one JPEG stream, every one of which lies in the
  // data; the first IFD in strips only.
  bool IsWellFormed() const;

 private:
  unsigned U16(size_t Offset) const { return IsLittleEndian ? In.U16LE(Offset) : In.U16BE(Offset); }
  uint32_t U32(size_t Offset) const { return IsLittleEndian ? In.U32LE(Offset) : In.U32BE(Offset); }
  // The offset of the entry of Tag in the IFD at IFD, or 0.
  size_t FindEntry(size_t IFD, unsigned Tag) const;
  // IsPointer: LONG or IFD values, else SHORT or LONG.
  bool GetValues(size_t IFD, unsigned Tag, std::vector<uint32_t>& Values, bool IsPointer) const;
  long long GetValue(size_t IFD, unsigned Tag, long long Default) const;
  bool IsWellFormedIFD(size_t Offset) const;
  bool HasImageInData(size_t IFD) const;
  // The pieces that OffsetsTag and CountsTag list, Expected many, lie in the
  // data.
  bool HasPiecesInData(size_t IFD, unsigned OffsetsTag, unsigned CountsTag,
                       long long Expected) const;

  const ZQIMG_ByteReader& In;
  bool IsLittleEndian = true;
  size_t FirstIFD = 0;
};

#endif
