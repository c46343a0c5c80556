// ZQZipFormat.h: the ZIP archives of the release tools and their tests: a
// writer that streams entries into a file, a reader of a whole archive held
// in memory, and the trailer that turns an installer head plus an archive
// into a self-extracting installer.
//
// Plain ZIP only (no ZIP64, no encryption, no spanning): at most 65,535
// entries and 4 GB; entries are stored or deflated (zlib, raw deflate).
// Names are the bytes given, "/" separated. Every failure throws
// ZQ_Exception, named "Invalid Archive" for damaged input and "Archive Too
// Large" for the format's limits; Windows failures come from the wrappers.
// One thread only.
#ifndef ZQZIPFORMAT_H
#define ZQZIPFORMAT_H

#include <cstdint>
#include <vector>

#include "ZQLOW_WINBASE.h"
#include "ZQ_String.h"

// One entry as the central directory describes it.
struct ZQZip_Entry {
  ZQ_String Name;                // "/" separated; a folder ends in "/"
  unsigned Method = 0;           // 0 stored, 8 deflated
  uint32_t Crc = 0;              // CRC-32 of the uncompressed bytes
  uint32_t CompressedSize = 0;
  uint32_t Size = 0;             // uncompressed
  uint16_t DosDate = 0, DosTime = 0;
  uint32_t LocalHeaderOffset = 0;  // from the archive's first byte
};

// The CRC-32 of ZIP (zlib's).
uint32_t ZQZip_Crc32(const ZQ_String& Bytes);

// The DOS date and time of a file time, in local time as ZIP keeps them.
void ZQZip_FileTimeToDos(const FILETIME& Time, uint16_t& DosDate, uint16_t& DosTime);

// Writes an archive into a new file (replacing one of that name). Entries
// go out as they are added; Finish writes the central directory and closes
// the file. A writer destroyed without Finish leaves an unfinished file
// that the caller deletes.
class ZQZip_Writer {
 public:
  explicit ZQZip_Writer(const ZQ_String& FileName);
  ZQZip_Writer(const ZQZip_Writer&) = delete;
  ZQZip_Writer& operator=(const ZQZip_Writer&) = delete;

  // Deflates Data when that makes it smaller, else stores it. Throws
  // "Archive Too Large" past 65,535 entries or 4 GB.
  void AddEntry(const ZQ_String& Name, const ZQ_String& Data, uint16_t DosDate,
                uint16_t DosTime);
  void Finish();
  int GetNumEntries() const { return NumEntries; }

 private:
  void Write(const ZQ_String& Bytes);

  ZQ_OwnedFileHandle File;
  uint64_t Offset = 0;  // bytes written so far
  ZQ_String CentralDirectory;
  int NumEntries = 0;
};

// Reads an archive held in memory. The constructor reads the central
// directory; Extract inflates one entry and checks its size and CRC.
class ZQZip_Reader {
 public:
  explicit ZQZip_Reader(const ZQ_String& Archive);

  int GetNumEntries() const { return static_cast<int>(Entries.size()); }
  const ZQZip_Entry& GetEntry(int Index) const { return Entries.at(Index); }
  ZQ_String Extract(int Index) const;

 private:
  ZQ_String Archive;
  std::vector<ZQZip_Entry> Entries;
};

// What an installer needs beside its archive.
struct ZQZip_InstallerSettings {
  ZQ_String Title;       // of the installer's message box
  ZQ_String Folder;      // where it installs by default
  bool Overwrite = false;  // existing files are replaced only when set
};

// The bytes that follow the archive in an installer: the settings, the
// archive's size and a mark that says they are there.
ZQ_String ZQZip_MakeInstallerTrailer(const ZQZip_InstallerSettings& Settings,
                                     uint32_t ArchiveSize);
// Splits an installer's bytes (head, archive, trailer) into its settings and
// its archive. Throws "Invalid Archive" when Installer carries no trailer.
void ZQZip_ReadInstaller(const ZQ_String& Installer, ZQZip_InstallerSettings& Settings,
                         ZQ_String& Archive);

// Whether an entry name may be extracted below a folder: not empty, no
// drive or other colon, no leading separator, no ".." part.
bool ZQZip_IsSafeEntryName(const ZQ_String& Name);

#endif
