#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImagingTestSupport.h"
#include "ZQIMGIO.h"

namespace {

struct Entry {
  unsigned Tag, Type;
  uint32_t Count, Value;  // a SHORT value inline when Count is 1
};
struct Directory {
  std::vector<Entry> Entries;
  uint32_t Next;
};
// A Value or Next of kIFD + k is the offset of directory k; kPastEnd lies
// beyond every file written here.
constexpr uint32_t kIFD = 0xFFFF0000, kPastEnd = 0x100000;
const char kPixels[] = "\x10\x10\x10\x40\x40\x40\x80\x80\x80\xF0\xF0\xF0";  // page 1, RGB
const char kRefusal[] = "The TIFF directory is damaged or names a form that is not supported.";

// The header, the 2 x 2 grey pixels that every image directory shares, then
// the directories in order.
ZQ_String WriteTIFF(bool IsBigEndian, const std::vector<Directory>& Directories) {
  std::vector<uint32_t> offsets{12};
  for (const Directory& d : Directories)
    offsets.push_back(offsets.back() + 6 + 12 * d.Entries.size());
  std::string out = IsBigEndian ? "MM" : "II";
  auto put = [&](uint32_t Value, int Bytes) {
    if (Value >= kIFD) Value = offsets[Value - kIFD];
    for (int i = 0; i < Bytes; ++i)
      out += static_cast<char>(Value >> 8 * (IsBigEndian ? Bytes - 1 - i : i));
  };
  put(42, 2), put(12, 4), out += "\x10\x40\x80\xF0";
  for (const Directory& d : Directories) {
    put(static_cast<uint32_t>(d.Entries.size()), 2);
    for (const Entry& e : d.Entries) {
      put(e.Tag, 2), put(e.Type, 2), put(e.Count, 4);
      e.Type == 3 && e.Count == 1 ? (put(e.Value, 2), put(0, 2)) : put(e.Value, 4);
    }
    put(d.Next, 4);
  }
  return ZQ_String(out.data(), static_cast<int>(out.size()));
}

// A 2 x 2 grey image in strips, or in tiles at TileOffset, then More.
std::vector<Entry> GreyImage(std::vector<Entry> More = {}, uint32_t TileOffset = 0) {
  std::vector<Entry> entries = {{256, 3, 1, 2}, {257, 3, 1, 2}, {258, 3, 1, 8},
                                {259, 3, 1, 1}, {262, 3, 1, 1}, {273, 4, 1, 8},
                                {277, 3, 1, 1}, {278, 3, 1, 2}, {279, 4, 1, 4}};
  if (TileOffset)
    entries = {{256, 3, 1, 2},          {257, 3, 1, 2}, {258, 3, 1, 8}, {259, 3, 1, 1},
               {262, 3, 1, 1},          {277, 3, 1, 1}, {322, 3, 1, 2}, {323, 3, 1, 2},
               {324, 4, 1, TileOffset}, {325, 4, 1, 4}};
  entries.insert(entries.end(), More.begin(), More.end());
  return entries;
}

}  // namespace

// Page 1 has a SubIFD, Exif (with Interoperability) and GPS; page 2 follows.
TEST(ZQIMGIO, TIFFDirectoriesAreCheckedWhereverTheFileReachesThem) {
  const struct {
    void (*Change)(std::vector<Directory>&);
    bool IsAccepted;
    const char* why;
  } kCases[] = {
      {[](auto&) {}, true, "valid: two pages, a SubIFD, Exif, GPS, Interoperability"},
      {[](auto& d) { d[0].Entries[11].Type = 13; }, true, "valid: a pointer of type IFD"},
      {[](auto& d) { d[1].Entries = GreyImage({}, 8); }, true, "valid: page 2 in tiles"},
      {[](auto& d) { d[1].Entries = GreyImage({}, kPastEnd); }, false,
       "page 2's tile past the end"},
      {[](auto& d) { d[1].Entries[5].Value = kPastEnd; }, false, "page 2's strip past the end"},
      {[](auto& d) { d[2].Entries.resize(5); }, false, "a SubIFD without strips"},
      {[](auto& d) { d[0].Entries[9].Value = kPastEnd; }, false, "SubIFD past the end"},
      {[](auto& d) { d[0].Entries[10].Value = kPastEnd; }, false, "Exif IFD past the end"},
      {[](auto& d) { d[0].Entries[11].Value = kPastEnd; }, false, "GPS IFD past the end"},
      {[](auto& d) { d[3].Entries[1].Value = kPastEnd; }, false, "Interoperability past the end"},
      {[](auto& d) { d[1].Next = kIFD; }, false, "page 2 leads back to page 1"},
      {[](auto& d) { d[4].Entries[0].Count = 8; }, false, "a value past the end (GPS)"},
      {[](auto& d) {
         for (uint32_t i = 1; i <= 251; ++i) d.push_back({GreyImage(), i < 251 ? kIFD + 6 + i : 0});
         d[1].Next = kIFD + 6;
       },
       false, "257 directories, one more than allowed"},
  };
  for (const auto& c : kCases)
    for (const bool isBigEndian : {false, true}) {
      SCOPED_TRACE(std::string(c.why) + (isBigEndian ? ", MM" : ", II"));
      std::vector<Directory> d = {
          {GreyImage({{330, 4, 1, kIFD + 2}, {34665, 4, 1, kIFD + 3}, {34853, 4, 1, kIFD + 4}}),
           kIFD + 1},
          {GreyImage(), 0},
          {GreyImage(), 0},
          {{{36864, 7, 4, 0x30323330}, {40965, 4, 1, kIFD + 5}}, 0},
          {{{0, 1, 4, kPastEnd}}, 0},
          {{{1, 2, 4, 0x00383952}}, 0}};
      c.Change(d);
      const ZQ_String file = WriteTIFF(isBigEndian, d);
      if (c.IsAccepted)
        EXPECT_EQ(MaxDifference(ZQIMGIO_LoadFromBuffer(file), kPixels), 0);
      else
        EXPECT_STREQ(ExceptionDescription([&] { ZQIMGIO_LoadFromBuffer(file); }).GetText(),
                     kRefusal);
    }
}
