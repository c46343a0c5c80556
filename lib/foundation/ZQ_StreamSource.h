// ZQ_StreamSource.h: the library's byte input. A ZQ_StreamSource is a handle
// (one pointer) on a reference-counted ZQ_StreamSourceReference; copies share
// the object and the last handle deletes it. A seekable source knows its
// position and size; the string source here reads a ZQ_String it holds a
// shared copy of. File sources are in ZQ_FileStreamSource.h, resources in
// ZQ_ResourceStreamSource.h. Reading past the end is a failure of the source:
// files throw ZQ_Exception, a string source asserts (the caller checks the
// size first). Counts are plain integers: one thread only.
#ifndef ZQ_STREAMSOURCE_H
#define ZQ_STREAMSOURCE_H

#include "ZQ_CountedBody.h"
#include "ZQ_String.h"

// The implementation base: a source without data. Objects are created with
// new and handed to a handle, which owns a share of them.
class ZQ_StreamSourceReference : public ZQ_CountedBody {
 public:
  ZQ_StreamSourceReference() = default;

  // Copies the next N bytes to Dest and advances. The base only fails the
  // assertion "IsDataAvailable ()".
  virtual void Read(void* Dest, unsigned long N);
  // True while bytes remain. The base has none.
  virtual bool IsDataAvailable();
  // Advances by N bytes. The base reads them and throws them away.
  virtual void Skip(unsigned long N);
  // Logs "ReferenceCount == 0" when a handle still points here.
  virtual ~ZQ_StreamSourceReference();
};

// A source with a position. Origins of Seek: 0 the start, 1 the current
// position, 2 the end. The base's Seek, GetPosition and GetSize only fail the
// assertion "false" (and answer 0): a seekable source overrides them.
class ZQ_SeekableStreamSourceReference : public ZQ_StreamSourceReference {
 public:
  // GetPosition () < GetSize (), through the overridden slots.
  bool IsDataAvailable() override;
  // Seek (N, 1).
  void Skip(unsigned long N) override;
  virtual void Seek(long Offset, int Origin);
  virtual unsigned long GetPosition();  // bytes from the start
  virtual unsigned long GetSize();      // bytes
  // The first byte of the whole content when the source holds it in memory
  // (not the current position); null otherwise. Valid while the source lives.
  virtual const char* GetDataPointer();
};

// Copies share the object (ZQ_CountedBody.h).
class ZQ_StreamSource {
 public:
  // A new bare source that has no data.
  ZQ_StreamSource();
  // Takes a share of Reference, an object created with new (not null).
  explicit ZQ_StreamSource(ZQ_StreamSourceReference* Reference);

  void Read(void* Dest, unsigned long N) { Ref->Read(Dest, N); }
  bool IsDataAvailable() { return Ref->IsDataAvailable(); }
  void Skip(unsigned long N) { Ref->Skip(N); }
  ZQ_StreamSourceReference* GetReference() const { return Ref.Get(); }

 protected:
  ZQ_CountedHandle<ZQ_StreamSourceReference> Ref;
};

// The same handle over a seekable object.
class ZQ_SeekableStreamSource : public ZQ_StreamSource {
 public:
  // A new bare seekable source (its position calls fail their assertion).
  ZQ_SeekableStreamSource();
  // Takes a share of Reference, an object created with new (not null).
  explicit ZQ_SeekableStreamSource(ZQ_SeekableStreamSourceReference* Reference);

  void Seek(long Offset, int Origin) { Seekable()->Seek(Offset, Origin); }
  unsigned long GetPosition() { return Seekable()->GetPosition(); }
  unsigned long GetSize() { return Seekable()->GetSize(); }
  const char* GetDataPointer() { return Seekable()->GetDataPointer(); }

 private:
  ZQ_SeekableStreamSourceReference* Seekable() const {
    return static_cast<ZQ_SeekableStreamSourceReference*>(Ref.Get());
  }
};

// Reads a shared copy of a string. Reading past its end fails the assertion
// "Position + NumBytes <= SourceString.GetLength()" and reads nothing; a seek
// outside the string fails "0 <= Position and Position <= SourceString.GetLength()"
// and leaves the position where it was.
class ZQ_StringStreamSourceReference : public ZQ_SeekableStreamSourceReference {
 public:
  explicit ZQ_StringStreamSourceReference(const ZQ_String& Source)
      : SourceString(Source) {}
  void Read(void* Dest, unsigned long N) override;
  void Seek(long Offset, int Origin) override;
  unsigned long GetPosition() override { return static_cast<unsigned long>(Position); }
  unsigned long GetSize() override { return static_cast<unsigned long>(SourceString.GetLength()); }
  const char* GetDataPointer() override { return SourceString.GetText(); }

 private:
  ZQ_String SourceString;
  long Position = 0;
};

// A seekable source over a copy of Source (sharing its text).
ZQ_SeekableStreamSource ZQ_CreateStringStreamSource(const ZQ_String& Source);

// The bytes from the source's current position to its end (all of them for a
// fresh source); the source is then at its end. Failures of the source pass.
ZQ_String ZQ_LoadStreamIntoString(ZQ_SeekableStreamSource Source);

#endif
