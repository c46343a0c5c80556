// ZQZipFormat.cpp: ZIP records, deflate and inflate through zlib, and the
// installer trailer.
#include "ZQZipFormat.h"

#include <zlib.h>

#include <cstring>

#include "ZQ_Exception.h"

namespace {

const uint32_t kLocalHeaderSignature = 0x04034b50;
const uint32_t kCentralHeaderSignature = 0x02014b50;
const uint32_t kEndSignature = 0x06054b50;
const int kLocalHeaderSize = 30;
const int kCentralHeaderSize = 46;
const int kEndSize = 22;
const uint64_t kMaxArchiveSize = 0xFFFFFFFFull;
const int kMaxEntries = 0xFFFF;

// Ends every installer; the trailer before it is read backwards from here.
const char kInstallerMark[] = "ZQINST01";
const int kInstallerMarkSize = 8;
const int kInstallerFixedSize = 4 + 2 + 2 + 1 + kInstallerMarkSize;

[[noreturn]] void ThrowInvalid(const ZQ_String& Why) {
  throw ZQ_Exception("Invalid Archive", Why);
}

void Put16(ZQ_String& Out, uint32_t Value) {
  Out += static_cast<char>(Value & 0xFF);
  Out += static_cast<char>((Value >> 8) & 0xFF);
}
void Put32(ZQ_String& Out, uint32_t Value) {
  Put16(Out, Value & 0xFFFF);
  Put16(Out, Value >> 16);
}

// The fields that a local header and a central directory record share, from
// the version needed to the length of the (empty) extra field.
void PutEntryFields(ZQ_String& Out, uint16_t Version, uint16_t Method, uint16_t DosDate,
                    uint16_t DosTime, uint32_t Crc, uint32_t CompressedSize, uint32_t Size,
                    uint16_t NameLength) {
  Put16(Out, Version);
  Put16(Out, 0);  // flags
  Put16(Out, Method);
  Put16(Out, DosTime);
  Put16(Out, DosDate);
  Put32(Out, Crc);
  Put32(Out, CompressedSize);
  Put32(Out, Size);
  Put16(Out, NameLength);
  Put16(Out, 0);  // extra field
}

// Reads little-endian numbers from a byte range, checking every read
// against the range's end.
class ByteReader {
 public:
  ByteReader(const ZQ_String& Bytes, uint64_t At) : Bytes(Bytes), At(At) {}
  uint32_t Get(int Count) {
    if (At + Count > static_cast<uint64_t>(Bytes.GetLength())) ThrowInvalid("The archive is cut short.");
    uint32_t value = 0;
    for (int i = Count - 1; i >= 0; --i)
      value = (value << 8) | static_cast<unsigned char>(Bytes.GetText()[At + i]);
    At += Count;
    return value;
  }
  ZQ_String GetBytes(uint32_t Count) {
    if (At + Count > static_cast<uint64_t>(Bytes.GetLength())) ThrowInvalid("The archive is cut short.");
    ZQ_String bytes(Bytes.GetText() + At, static_cast<int>(Count));
    At += Count;
    return bytes;
  }
  uint64_t GetPosition() const { return At; }

 private:
  const ZQ_String& Bytes;
  uint64_t At;
};

// Raw deflate of Data; empty when it would not be smaller.
ZQ_String Deflate(const ZQ_String& Data) {
  z_stream stream;
  std::memset(&stream, 0, sizeof stream);
  if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw ZQ_Exception("Compression Failed", "zlib could not start a deflate stream.");
  ZQ_String out('\0', static_cast<int>(deflateBound(&stream, Data.GetLength())));
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Data.GetText()));
  stream.avail_in = Data.GetLength();
  stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
  stream.avail_out = out.GetLength();
  int result = deflate(&stream, Z_FINISH);
  int produced = static_cast<int>(stream.total_out);
  deflateEnd(&stream);
  if (result != Z_STREAM_END) throw ZQ_Exception("Compression Failed", "zlib could not deflate an entry.");
  if (produced >= Data.GetLength()) return ZQ_String();
  return out.GetLeft(produced);
}

ZQ_String Inflate(const ZQ_String& Packed, uint32_t Size, const ZQ_String& Name) {
  // Deflate packs at most about 1032 bytes into one: a larger claim is damage
  // (or a bomb), and must not size the buffer.
  if (Size / 1032 > static_cast<uint32_t>(Packed.GetLength()) + 1)
    ThrowInvalid("The entry \"" + Name + "\" claims more bytes than its data can hold.");
  ZQ_String out('\0', static_cast<int>(Size));
  z_stream stream;
  std::memset(&stream, 0, sizeof stream);
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
    throw ZQ_Exception("Decompression Failed", "zlib could not start an inflate stream.");
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Packed.GetText()));
  stream.avail_in = Packed.GetLength();
  char spare = 0;  // an empty entry still needs somewhere to point
  stream.next_out = reinterpret_cast<Bytef*>(Size ? &out[0] : &spare);
  stream.avail_out = Size;
  int result = inflate(&stream, Z_FINISH);
  uLong produced = stream.total_out;
  inflateEnd(&stream);
  if (result != Z_STREAM_END || produced != Size)
    ThrowInvalid("The entry \"" + Name + "\" does not inflate to its recorded size.");
  return out;
}

}  // namespace

uint32_t ZQZip_Crc32(const ZQ_String& Bytes) {
  return crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(Bytes.GetText()),
               Bytes.GetLength());
}

void ZQZip_FileTimeToDos(const FILETIME& Time, uint16_t& DosDate, uint16_t& DosTime) {
  FILETIME local;
  ZQLOW_WINBASE::FileTimeToLocalFileTime(&Time, &local);
  WORD date = 0, time = 0;
  ZQLOW_WINBASE::FileTimeToDosDateTime(&local, &date, &time);
  DosDate = date;
  DosTime = time;
}

ZQZip_Writer::ZQZip_Writer(const ZQ_String& FileName)
    : File(ZQLOW_WINBASE::CreateFileA(FileName.GetText(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr)) {}

void ZQZip_Writer::Write(const ZQ_String& Bytes) {
  if (Bytes.IsEmpty()) return;
  ZQLOW_WINBASE::WriteFile(File.Get(), Bytes.GetText(), Bytes.GetLength(), nullptr, nullptr);
  Offset += Bytes.GetLength();
}

void ZQZip_Writer::AddEntry(const ZQ_String& Name, const ZQ_String& Data, uint16_t DosDate,
                            uint16_t DosTime) {
  if (NumEntries >= kMaxEntries)
    throw ZQ_Exception("Archive Too Large", "An archive holds at most 65,535 entries.");
  ZQ_String packed = Deflate(Data);
  const bool isDeflated = !packed.IsEmpty();
  const ZQ_String& stored = isDeflated ? packed : Data;
  const uint32_t crc = ZQZip_Crc32(Data);
  const uint16_t method = isDeflated ? 8 : 0;
  const uint16_t version = isDeflated ? 20 : 10;
  uint64_t end = Offset + kLocalHeaderSize + Name.GetLength() + stored.GetLength();
  if (end + CentralDirectory.GetLength() + kCentralHeaderSize + Name.GetLength() + kEndSize >
      kMaxArchiveSize)
    throw ZQ_Exception("Archive Too Large", "An archive holds at most 4 GB; \"" + Name +
                                                "\" would take it past that.");

  ZQ_String header;
  Put32(header, kLocalHeaderSignature);
  PutEntryFields(header, version, method, DosDate, DosTime, crc, stored.GetLength(), Data.GetLength(),
                 Name.GetLength());
  header += Name;

  ZQ_String& central = CentralDirectory;
  Put32(central, kCentralHeaderSignature);
  Put16(central, 20);  // made by: MS-DOS, 2.0
  PutEntryFields(central, version, method, DosDate, DosTime, crc, stored.GetLength(), Data.GetLength(),
                 Name.GetLength());
  Put16(central, 0);  // comment
  Put16(central, 0);  // disk
  Put16(central, 0);  // internal attributes
  Put32(central, Name.EndsWith("/") ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE);
  Put32(central, static_cast<uint32_t>(Offset));
  central += Name;

  Write(header);
  Write(stored);
  ++NumEntries;
}

void ZQZip_Writer::Finish() {
  const uint32_t centralStart = static_cast<uint32_t>(Offset);
  ZQ_String end;
  Put32(end, kEndSignature);
  Put16(end, 0);
  Put16(end, 0);
  Put16(end, NumEntries);
  Put16(end, NumEntries);
  Put32(end, CentralDirectory.GetLength());
  Put32(end, centralStart);
  Put16(end, 0);  // comment
  Write(CentralDirectory);
  Write(end);
  File.Reset();
}

ZQZip_Reader::ZQZip_Reader(const ZQ_String& Archive) : Archive(Archive) {
  // The end record sits at the end, before a comment of at most 65,535 bytes.
  int endAt = -1;
  const int lowest = Archive.GetLength() - kEndSize - 0xFFFF;
  for (int at = Archive.GetLength() - kEndSize; at >= 0 && at >= lowest; --at) {
    if (ByteReader(Archive, at).Get(4) == kEndSignature) {
      endAt = at;
      break;
    }
  }
  if (endAt < 0) ThrowInvalid("No end of central directory record was found.");
  ByteReader end(Archive, endAt + 10);
  const uint32_t count = end.Get(2);
  end.Get(4);  // the central directory's size
  const uint32_t centralStart = end.Get(4);
  ByteReader central(Archive, centralStart);
  for (uint32_t i = 0; i < count; ++i) {
    if (central.Get(4) != kCentralHeaderSignature) ThrowInvalid("A central directory record is damaged.");
    ZQZip_Entry entry;
    central.Get(4);  // made by, needed
    const uint32_t flags = central.Get(2);
    entry.Method = central.Get(2);
    entry.DosTime = static_cast<uint16_t>(central.Get(2));
    entry.DosDate = static_cast<uint16_t>(central.Get(2));
    entry.Crc = central.Get(4);
    entry.CompressedSize = central.Get(4);
    entry.Size = central.Get(4);
    const uint32_t nameLength = central.Get(2);
    const uint32_t extraLength = central.Get(2);
    const uint32_t commentLength = central.Get(2);
    central.Get(8);  // disk, attributes
    entry.LocalHeaderOffset = central.Get(4);
    entry.Name = central.GetBytes(nameLength);
    central.GetBytes(extraLength + commentLength);
    if (flags & 1) ThrowInvalid("The entry \"" + entry.Name + "\" is encrypted.");
    if (entry.Method != 0 && entry.Method != 8)
      ThrowInvalid("The entry \"" + entry.Name + "\" uses a compression method other than deflate.");
    Entries.push_back(entry);
  }
}

ZQ_String ZQZip_Reader::Extract(int Index) const {
  const ZQZip_Entry& entry = GetEntry(Index);
  ByteReader local(Archive, entry.LocalHeaderOffset);
  if (local.Get(4) != kLocalHeaderSignature)
    ThrowInvalid("The local header of \"" + entry.Name + "\" is damaged.");
  local.Get(22);
  const uint32_t nameLength = local.Get(2);
  const uint32_t extraLength = local.Get(2);
  local.GetBytes(nameLength + extraLength);
  ZQ_String stored = local.GetBytes(entry.CompressedSize);
  if (entry.Method == 0 && entry.Size != entry.CompressedSize)
    ThrowInvalid("The stored entry \"" + entry.Name + "\" has two sizes.");
  ZQ_String data = entry.Method == 8 ? Inflate(stored, entry.Size, entry.Name) : stored;
  if (static_cast<uint32_t>(data.GetLength()) != entry.Size || ZQZip_Crc32(data) != entry.Crc)
    ThrowInvalid("The entry \"" + entry.Name + "\" fails its CRC check.");
  return data;
}

ZQ_String ZQZip_MakeInstallerTrailer(const ZQZip_InstallerSettings& Settings, uint32_t ArchiveSize) {
  ZQ_String trailer = Settings.Title + Settings.Folder;
  Put32(trailer, ArchiveSize);
  Put16(trailer, Settings.Title.GetLength());
  Put16(trailer, Settings.Folder.GetLength());
  trailer += static_cast<char>(Settings.Overwrite ? 1 : 0);
  trailer.Append(kInstallerMark, kInstallerMarkSize);
  return trailer;
}

void ZQZip_ReadInstaller(const ZQ_String& Installer, ZQZip_InstallerSettings& Settings,
                         ZQ_String& Archive) {
  const int length = Installer.GetLength();
  if (length < kInstallerFixedSize ||
      std::memcmp(Installer.GetText() + length - kInstallerMarkSize, kInstallerMark, kInstallerMarkSize) != 0)
    ThrowInvalid("The installer carries no archive.");
  ByteReader fixed(Installer, length - kInstallerFixedSize);
  const uint64_t archiveSize = fixed.Get(4);
  const int titleLength = static_cast<int>(fixed.Get(2));
  const int folderLength = static_cast<int>(fixed.Get(2));
  Settings.Overwrite = fixed.Get(1) != 0;
  const int64_t archiveStart =
      static_cast<int64_t>(length) - kInstallerFixedSize - folderLength - titleLength - archiveSize;
  if (archiveStart < 0) ThrowInvalid("The installer's trailer is damaged.");
  ByteReader texts(Installer, archiveStart + archiveSize);
  Settings.Title = texts.GetBytes(titleLength);
  Settings.Folder = texts.GetBytes(folderLength);
  Archive = ZQ_String(Installer.GetText() + archiveStart, static_cast<int>(archiveSize));
}

bool ZQZip_IsSafeEntryName(const ZQ_String& Name) {
  if (Name.IsEmpty() || Name.Find(':') != ZQ_NoMatch || Name[0] == '/' || Name[0] == '\\')
    return false;
  int partStart = 0;
  for (int i = 0; i <= Name.GetLength(); ++i) {
    if (i < Name.GetLength() && Name[i] != '/' && Name[i] != '\\') continue;
    if (i - partStart == 2 && Name[partStart] == '.' && Name[partStart + 1] == '.') return false;
    partStart = i + 1;
  }
  return true;
}
