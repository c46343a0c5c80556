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
  bool GetValues(unsigned Tag, std::vector<uint32_t>& Values) const;
  // The first value of Tag; Default when the tag is absent, -1 when it is
  // unreadable.
  long long GetValue(unsigned Tag, long long Default) const;

  // Every IFD of the chain has entries of known types whose values lie in
  // the data, in ascending tag order; the first IFD's image is stored in
  // strips (no tiles), each of which lies in the data.
  bool IsWellFormed() const;

 private:
  unsigned U16(size_t Offset) const { return IsLittleEndian ? In.U16LE(Offset) : In.U16BE(Offset); }
  uint32_t U32(size_t Offset) const { return IsLittleEndian ? In.U32LE(Offset) : In.U32BE(Offset); }
  // The offset of the entry of Tag in the first IFD, or 0.
  size_t FindEntry(unsigned Tag) const;
  bool IsWellFormedIFD(size_t Offset) const;
  bool HaveStripsInData() const;

  const ZQIMG_ByteReader& In;
  bool IsLittleEndian = true;
  size_t FirstIFD = 0;
};

#endif
