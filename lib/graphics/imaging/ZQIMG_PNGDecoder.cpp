#include "ZQIMG_PNGDecoder.h"

#include <zlib.h>

#include <cstring>
#include <vector>

#include "ZQIMG_ByteReader.h"
#include "ZQIMG_PNGCommon.h"
#include "ZQ_StackTrace.h"

namespace {

const char kEndsEarly[] = "The PNG data ends early.";
const char kDamagedData[] = "The PNG image data is damaged.";

constexpr uint32_t kIHDR = 0x49484452, kPLTE = 0x504C5445, kIDAT = 0x49444154, kIEND = 0x49454E44,
                   kTRNS = 0x74524E53;

struct Header {
  long Width = 0;
  long Height = 0;
  unsigned Depth = 0;
  unsigned ColorType = 0;
  bool IsInterlaced = false;
  unsigned Channels = 0;
};

// Everything the chunks say, with the places of the image data.
struct PNGFile {
  Header Head;
  unsigned char Palette[256][4];  // red, green, blue, alpha
  size_t PaletteCount = 0;
  bool HasKey = false;  // tRNS of colour types 0 and 2
  unsigned Key[3] = {0, 0, 0};
  std::vector<ZQIMG_ByteReader> Data;  // the IDAT chunks' contents
};

unsigned ChannelsOf(unsigned ColorType) {
  switch (ColorType) {
    case 0:
    case 3:
      return 1;
    case 2:
      return 3;
    case 4:
      return 2;
    case 6:
      return 4;
    default:
      return 0;
  }
}

bool IsAllowedDepth(unsigned ColorType, unsigned Depth) {
  switch (ColorType) {
    case 0:
      return Depth == 1 || Depth == 2 || Depth == 4 || Depth == 8 || Depth == 16;
    case 3:
      return Depth == 1 || Depth == 2 || Depth == 4 || Depth == 8;
    default:
      return Depth == 8 || Depth == 16;
  }
}

Header ReadHeader(const ZQIMG_ByteReader& Chunk) {
  if (Chunk.GetSize() != 13) ZQIMG_ThrowLoadError("The PNG header is damaged.");
  Header head;
  ZQIMG_CheckDecodedSize(Chunk.U32BE(0), Chunk.U32BE(4));
  head.Width = static_cast<long>(Chunk.U32BE(0));
  head.Height = static_cast<long>(Chunk.U32BE(4));
  head.Depth = Chunk.U8(8);
  head.ColorType = Chunk.U8(9);
  head.Channels = ChannelsOf(head.ColorType);
  if (head.Channels == 0 || !IsAllowedDepth(head.ColorType, head.Depth) || Chunk.U8(10) != 0 ||
      Chunk.U8(11) != 0 || Chunk.U8(12) > 1)
    ZQIMG_ThrowLoadError("The PNG header names a form that does not exist.");
  head.IsInterlaced = Chunk.U8(12) == 1;
  return head;
}

void ReadPalette(const ZQIMG_ByteReader& Chunk, PNGFile& File) {
  const size_t count = Chunk.GetSize() / 3;
  if (Chunk.GetSize() % 3 != 0 || count == 0 || count > 256 ||
      (File.Head.ColorType == 3 && count > (size_t{1} << File.Head.Depth)))
    ZQIMG_ThrowLoadError("The PNG palette is damaged.");
  for (size_t i = 0; i < count; ++i) {
    for (size_t c = 0; c < 3; ++c)
      File.Palette[i][c] = static_cast<unsigned char>(Chunk.U8(3 * i + c));
    File.Palette[i][3] = 255;
  }
  File.PaletteCount = count;
}

void ReadTransparency(const ZQIMG_ByteReader& Chunk, PNGFile& File) {
  const unsigned type = File.Head.ColorType;
  const size_t size = Chunk.GetSize();
  if (type == 3) {
    if (size > File.PaletteCount) ZQIMG_ThrowLoadError("The PNG transparency is damaged.");
    for (size_t i = 0; i < size; ++i) File.Palette[i][3] = static_cast<unsigned char>(Chunk.U8(i));
  } else if (type == 0 || type == 2) {
    if (size != 2 * size_t{File.Head.Channels})
      ZQIMG_ThrowLoadError("The PNG transparency is damaged.");
    for (unsigned c = 0; c < File.Head.Channels; ++c) File.Key[c] = Chunk.U16BE(2 * c);
    if (type == 0) File.Key[1] = File.Key[2] = File.Key[0];
    File.HasKey = true;
  }
}

// Checks the chunk at At (length, type, data, CRC) and returns its data.
ZQIMG_ByteReader ReadChunk(const ZQIMG_ByteReader& In, size_t At, uint32_t& Type) {
  In.Need(At, 8, kEndsEarly);
  const uint32_t length = In.U32BE(At);
  if (length > 0x7FFFFFFF) ZQIMG_ThrowLoadError("A PNG chunk is damaged.");
  In.Need(At + 8, size_t{length} + 4, kEndsEarly);
  Type = In.U32BE(At + 4);
  const uLong crc = crc32(0, In.GetData() + At + 4, length + 4);
  if (crc != In.U32BE(At + 8 + length))
    ZQIMG_ThrowLoadError("A PNG chunk is damaged (its CRC is wrong).");
  return ZQIMG_ByteReader(In.GetData() + At + 8, length);
}

void HandleChunk(uint32_t Type, const ZQIMG_ByteReader& Chunk, PNGFile& File) {
  if (Type == kPLTE) {
    if (!File.Data.empty()) ZQIMG_ThrowLoadError("The PNG chunks are out of order.");
    ReadPalette(Chunk, File);
  } else if (Type == kTRNS) {
    ReadTransparency(Chunk, File);
  } else if (Type == kIDAT) {
    File.Data.push_back(Chunk);
  } else if (Type == kIHDR || !(Type & 0x20000000)) {
    // A second header, or a critical chunk that we do not know.
    ZQIMG_ThrowLoadError("The PNG file holds a chunk that cannot be understood.");
  }
}

PNGFile ReadChunks(const ZQIMG_ByteReader& In) {
  PNGFile file;
  uint32_t type = 0;
  size_t at = 8;
  const ZQIMG_ByteReader header = ReadChunk(In, at, type);
  if (type != kIHDR) ZQIMG_ThrowLoadError("The PNG header is missing.");
  file.Head = ReadHeader(header);
  at += 12 + header.GetSize();
  for (;;) {
    const ZQIMG_ByteReader chunk = ReadChunk(In, at, type);
    at += 12 + chunk.GetSize();
    if (type == kIEND) break;
    HandleChunk(type, chunk, file);
  }
  if (file.Data.empty()) ZQIMG_ThrowLoadError("The PNG image data is missing.");
  if (file.Head.ColorType == 3 && file.PaletteCount == 0)
    ZQIMG_ThrowLoadError("The PNG palette is missing.");
  return file;
}

// Inflates the IDAT chunks, one row at a time.
class Inflater {
 public:
  explicit Inflater(const std::vector<ZQIMG_ByteReader>& Data) : Data(Data) {
    if (inflateInit(&Stream) != Z_OK) ZQIMG_ThrowLoadError(kDamagedData);
  }
  ~Inflater() { inflateEnd(&Stream); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  // Exactly Count bytes into Target.
  void Read(unsigned char* Target, size_t Count) {
    Stream.next_out = Target;
    Stream.avail_out = static_cast<uInt>(Count);
    while (Stream.avail_out > 0)
      if (Step() == Z_STREAM_END && Stream.avail_out > 0) ZQIMG_ThrowLoadError(kEndsEarly);
  }
  // The data must end here: more is an error.
  void Finish() {
    unsigned char extra;
    Stream.next_out = &extra;
    Stream.avail_out = 1;
    while (Step() != Z_STREAM_END)
      if (Stream.avail_out == 0)
        ZQIMG_ThrowLoadError("The PNG image data is longer than its header says.");
  }

 private:
  // One inflate call, fed the next chunk when the input is used up. Without
  // input zlib may still have output pending: only no progress at all means
  // that the data ends early.
  int Step() {
    if (Stream.avail_in == 0 && Next < Data.size()) {
      Stream.next_in = const_cast<Bytef*>(Data[Next].GetData());
      Stream.avail_in = static_cast<uInt>(Data[Next].GetSize());
      ++Next;
    }
    const int result = inflate(&Stream, Z_NO_FLUSH);
    if (result == Z_BUF_ERROR && Stream.avail_in == 0 && Next == Data.size())
      ZQIMG_ThrowLoadError(kEndsEarly);
    if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
      ZQIMG_ThrowLoadError(kDamagedData);
    return result;
  }

  const std::vector<ZQIMG_ByteReader>& Data;
  size_t Next = 0;
  z_stream Stream{};
};

// Undoes the filter of Row (Length bytes) given the row above (zeros for the
// first) and the bytes per complete pixel. One loop per type: this runs for
// every row of every image.
void Unfilter(unsigned Filter, unsigned char* Row, const unsigned char* Above, size_t Length,
              size_t Step) {
  const size_t first = Length < Step ? Length : Step;
  auto add = [&](size_t I, int Predicted) {
    Row[I] = static_cast<unsigned char>(Row[I] + Predicted);
  };
  switch (Filter) {
    case 0:
      break;
    case 1:
      for (size_t i = Step; i < Length; ++i) add(i, Row[i - Step]);
      break;
    case 2:
      for (size_t i = 0; i < Length; ++i) add(i, Above[i]);
      break;
    case 3:
      for (size_t i = 0; i < first; ++i) add(i, Above[i] / 2);
      for (size_t i = Step; i < Length; ++i) add(i, (Row[i - Step] + Above[i]) / 2);
      break;
    case 4:
      for (size_t i = 0; i < first; ++i) add(i, Above[i]);
      for (size_t i = Step; i < Length; ++i)
        add(i, ZQIMG_PNGPaeth(Row[i - Step], Above[i], Above[i - Step]));
      break;
    default:
      ZQIMG_ThrowLoadError("A PNG row names an unknown filter.");
  }
}

// Sample I (of Depth bits) of an unfiltered row.
unsigned SampleAt(const unsigned char* Row, size_t I, unsigned Depth) {
  switch (Depth) {
    case 16:
      return (Row[2 * I] << 8) | Row[2 * I + 1];
    case 8:
      return Row[I];
    default: {
      const size_t bit = I * Depth;
      return (Row[bit / 8] >> (8 - Depth - bit % 8)) & ((1u << Depth) - 1);
    }
  }
}

unsigned char To8Bits(unsigned Sample, unsigned Depth) {
  if (Depth == 16) return static_cast<unsigned char>((Sample * 255u + 32767u) / 65535u);
  return static_cast<unsigned char>(Sample * 255u / ((1u << Depth) - 1));
}

unsigned char OnWhite(unsigned char Color, unsigned Alpha) {
  return static_cast<unsigned char>((Color * Alpha + 255 * (255 - Alpha) + 127) / 255);
}

// Writes pixel I of an unfiltered row as blue, green, red to Target.
void ConvertPixel(const PNGFile& File, const unsigned char* Row, size_t I, unsigned char* Target) {
  const Header& head = File.Head;
  unsigned raw[4] = {0, 0, 0, 0};
  for (unsigned c = 0; c < head.Channels; ++c)
    raw[c] = SampleAt(Row, I * head.Channels + c, head.Depth);
  unsigned char rgb[3];
  unsigned alpha = 255;
  if (head.ColorType == 3) {
    if (raw[0] >= File.PaletteCount)
      ZQIMG_ThrowLoadError("A PNG pixel's colour index lies outside the palette.");
    std::memcpy(rgb, File.Palette[raw[0]], 3);
    alpha = File.Palette[raw[0]][3];
  } else {
    const bool isGrey = head.ColorType == 0 || head.ColorType == 4;
    for (unsigned c = 0; c < 3; ++c) rgb[c] = To8Bits(raw[isGrey ? 0 : c], head.Depth);
    if (head.ColorType == 4 || head.ColorType == 6)
      alpha = To8Bits(raw[head.Channels - 1], head.Depth);
    const unsigned g = isGrey ? raw[0] : raw[1], b = isGrey ? raw[0] : raw[2];
    if (File.HasKey && raw[0] == File.Key[0] && g == File.Key[1] && b == File.Key[2]) alpha = 0;
  }
  for (unsigned c = 0; c < 3; ++c) Target[2 - c] = OnWhite(rgb[c], alpha);
}

// 8-bit RGB without transparency: the bytes only change their order.
bool IsPlainRGB(const PNGFile& File) {
  return File.Head.ColorType == 2 && File.Head.Depth == 8 && !File.HasKey;
}

void ConvertPlainRGBRow(const unsigned char* Row, long Width, unsigned char* Target) {
  for (long x = 0; x < Width; ++x, Row += 3, Target += 3) {
    Target[0] = Row[2];
    Target[1] = Row[1];
    Target[2] = Row[0];
  }
}

struct Pass {
  long X0, Y0, DX, DY;
};
const Pass kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                       {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
const Pass kWhole = {0, 0, 1, 1};

void DecodePass(const PNGFile& File, const Pass& P, Inflater& Data, ZQIMG_Image& Image) {
  const Header& head = File.Head;
  const long width = head.Width > P.X0 ? (head.Width - P.X0 + P.DX - 1) / P.DX : 0;
  const long height = head.Height > P.Y0 ? (head.Height - P.Y0 + P.DY - 1) / P.DY : 0;
  if (width == 0 || height == 0) return;
  const size_t bitsPerPixel = size_t{head.Depth} * head.Channels;
  const size_t length = (width * bitsPerPixel + 7) / 8, step = (bitsPerPixel + 7) / 8;
  std::vector<unsigned char> rows(2 * length + 1, 0);
  unsigned char* above = rows.data() + 1 + length;
  for (long y = 0; y < height; ++y) {
    Data.Read(rows.data(), length + 1);
    Unfilter(rows[0], rows.data() + 1, above, length, step);
    unsigned char* target = Image.GetRow24BitForWriting(P.Y0 + y * P.DY);
    if (IsPlainRGB(File) && P.DX == 1)
      ConvertPlainRGBRow(rows.data() + 1, width, target);
    else
      for (long x = 0; x < width; ++x)
        ConvertPixel(File, rows.data() + 1, x, target + 3 * (P.X0 + x * P.DX));
    std::memcpy(above, rows.data() + 1, length);
  }
}

}  // namespace

ZQIMG_Image ZQIMG_DecodePNG(const ZQ_String& Bytes) {
  ZQ_TRACE_FUNCTION("ZQIMG_DecodePNG");
  const ZQIMG_ByteReader in(Bytes);
  in.Need(0, 8, kEndsEarly);
  if (std::memcmp(in.GetData(), ZQIMG_PNGSignature, 8) != 0)
    ZQIMG_ThrowLoadError("The data is no PNG image.");
  const PNGFile file = ReadChunks(in);
  ZQIMG_Image image = ZQIMG_MakeDecodedImage(file.Head.Width, file.Head.Height);
  Inflater data(file.Data);
  if (file.Head.IsInterlaced)
    for (const Pass& pass : kAdam7) DecodePass(file, pass, data, image);
  else
    DecodePass(file, kWhole, data, image);
  data.Finish();
  return image;
}
