// ZQ_FileName.h: the library's value type for a file or directory name. It
// keeps the whole name as one ZQ_String and two indexes that split it into
// path (with its trailing separator), base and extension (with its dot), so
// that each part is read or replaced without parsing again:
//   C:\data\run.cfg  path "C:\data\"  base "run"  extension ".cfg"
// Separators are "/" and "\"; a drive colon is none (C:run.cfg has the base
// "C:run"). Text assigned to a name loses every double quote it holds.
// Copied by value (the text is shared until written). Broken invariants go
// to the assertion service; the absolute-name functions report failed
// Windows calls through the wrappers (ZQ_Exception in the running program).
// One thread only.
#ifndef ZQ_FILENAME_H
#define ZQ_FILENAME_H

#include "ZQ_StackTrace.h"
#include "ZQ_String.h"

class ZQ_BinaryStreamParser;
class ZQ_StreamSink;
class ZQ_TextStreamFormatter;

class ZQ_FileName {
 public:
  // Creation and assignment
  ZQ_FileName();  // empty
  ZQ_FileName(const ZQ_String& Text);
  ZQ_FileName(const char* Text);
  ZQ_FileName& operator=(const ZQ_String& Text);
  ZQ_FileName& operator=(const char* Text);

  // Queries
  bool IsNull() const { return Name.IsEmpty(); }
  bool IsNotNull() const { return !Name.IsEmpty(); }
  bool HasExtension() const { return Eindex != Name.GetLength(); }
  ZQ_String GetPath() const;       // "" or ending in a separator
  ZQ_String GetBase() const;
  ZQ_String GetExtension() const;  // "" or beginning with "."
  ZQ_String GetFileName() const;   // base and extension
  ZQ_String GetPathName() const { return Name; }  // the whole name

  // Setters. SetMode 0 replaces the part; SetMode 1 leaves the name alone
  // when the part is already there. Double quotes in the new part are
  // dropped. A base or an extension holding "/" or "\" fails the
  // invariant's assertion (the name keeps it if the report returns).
  static const int SetMode_Replace = 0;
  static const int SetMode_KeepExisting = 1;
  // A non-empty path without a trailing separator gets "\"; "" removes it.
  void SetPath(const ZQ_String& Path, int SetMode);
  void SetBase(const ZQ_String& Base, int SetMode);
  // "txt" and ".txt" give the same name; "" removes the extension.
  void SetExtension(const ZQ_String& Extension, int SetMode);
  // Replaces base and extension, then parses the whole name again.
  void SetFileName(const ZQ_String& FileName, int SetMode);

  // Absolute names, relative to the process's current directory (an empty
  // name stays empty). Names longer than 1023 characters are reported as
  // "Buffer too small" (ZQ_Exception in the running program).
  ZQ_String GetAbsolutePathName() const;
  ZQ_String GetAbsolutePath() const;  // the path part of the above
  ZQ_String GetShortestPathName() const;

  // Case-insensitive hash of the absolute path name: names that compare
  // equal hash alike (ZQ_Hash<ZQ_FileName>, map keys).
  unsigned long GetHashValue() const;

 private:
  void StoreAndParse(const ZQ_String& Text);
  void Parse();
  void CheckInvariant() const;

  ZQ_String Name;
  int Bindex = 0;  // first character of the base
  int Eindex = 0;  // the extension's "."; Name's length without extension
};

// True when the absolute path names are equal ignoring case.
bool operator==(const ZQ_FileName& A, const ZQ_FileName& B);
inline bool operator!=(const ZQ_FileName& A, const ZQ_FileName& B) { return !(A == B); }

// Writes GetShortestPathName() as a string (padded to the stream's width
// like any string).
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Stream, const ZQ_FileName& Name);

// Binary forms: the path name as a binary string (a 4-byte length, then the
// characters). Reading assigns it like text (quotes dropped, parsed again);
// damaged data throws the parser's ZQ_Exception and leaves Name alone.
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_FileName& Name);
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_FileName& Name);

// The program's own executable, found on the first call and kept for the
// run; every call returns a copy.
ZQ_FileName ZQ_GetContainingExecutableFileName();

// Watched file names print their path name in double quotes.
template <> struct ZQ_StackTrace_TypeCode<ZQ_FileName> { static constexpr long Value = 18; };

#endif
