// ZQ_StreamSink.h: the library's byte output. A ZQ_StreamSink is a handle
// (one pointer) on a reference-counted ZQ_StreamSinkReference; copies share
// the object and the last handle deletes it. The bare reference discards
// everything; the string sink appends to a ZQ_String it does not own; the
// file sink (ZQ_FileStreamSink.h) writes through the Windows file API.
// Counts are plain integers: one thread only.
#ifndef ZQ_STREAMSINK_H
#define ZQ_STREAMSINK_H

#include "ZQ_CountedBody.h"

class ZQ_String;

// The implementation base. The base's Write and Flush do nothing. Objects are
// created with new and handed to a handle, which owns a share of them.
class ZQ_StreamSinkReference : public ZQ_CountedBody {
 public:
  ZQ_StreamSinkReference() = default;

  // Writes N bytes of Data. Failures throw ZQ_Exception (file sinks).
  virtual void Write(const void* Data, unsigned long N);
  // Pushes buffered bytes to the medium.
  virtual void Flush();
  // A hint that about N more bytes follow, so that a sink that keeps them
  // can make room at once instead of growing step by step. The base ignores
  // it.
  virtual void Reserve(unsigned long N);
  virtual ~ZQ_StreamSinkReference();
};

// A sink with a position. Origins of Seek: 0 the start, 1 the current
// position, 2 the end. The base's Seek, GetPosition and GetSize only fail the
// assertion "false" and answer 0: a seekable sink overrides them.
class ZQ_SeekableStreamSinkReference : public ZQ_StreamSinkReference {
 public:
  // GetPosition () < GetSize (), through the overridden slots.
  virtual bool IsBeforeEnd();
  virtual void Seek(long Offset, int Origin);
  virtual unsigned long GetPosition();  // bytes from the start
  virtual unsigned long GetSize();      // bytes
};

// Copies share the object (ZQ_CountedBody.h).
class ZQ_StreamSink {
 public:
  // A new bare sink that discards all writes.
  ZQ_StreamSink();
  // Takes a share of Reference, an object created with new (not null).
  explicit ZQ_StreamSink(ZQ_StreamSinkReference* Reference);

  void Write(const void* Data, unsigned long N) { Ref->Write(Data, N); }
  void Flush() { Ref->Flush(); }
  void Reserve(unsigned long N) { Ref->Reserve(N); }
  ZQ_StreamSinkReference* GetReference() const { return Ref.Get(); }

 protected:
  ZQ_CountedHandle<ZQ_StreamSinkReference> Ref;
};

// The same handle over a seekable object.
class ZQ_SeekableStreamSink : public ZQ_StreamSink {
 public:
  // A new bare seekable sink (its position calls fail their assertion).
  ZQ_SeekableStreamSink();
  // Takes a share of Reference, an object created with new (not null).
  explicit ZQ_SeekableStreamSink(ZQ_SeekableStreamSinkReference* Reference);

  bool IsBeforeEnd() { return Seekable()->IsBeforeEnd(); }
  void Seek(long Offset, int Origin) { Seekable()->Seek(Offset, Origin); }
  unsigned long GetPosition() { return Seekable()->GetPosition(); }
  unsigned long GetSize() { return Seekable()->GetSize(); }

 private:
  ZQ_SeekableStreamSinkReference* Seekable() const {
    return static_cast<ZQ_SeekableStreamSinkReference*>(Ref.Get());
  }
};

// Appends every write to *Target, which must outlive the sink. Flush does
// nothing; Reserve gives the target room for that many more bytes (at the
// capacity an append of them would pick). Fails only when memory runs out.
class ZQ_StringStreamSinkReference : public ZQ_StreamSinkReference {
 public:
  explicit ZQ_StringStreamSinkReference(ZQ_String* Target) : Target(Target) {}
  void Write(const void* Data, unsigned long N) override;
  void Reserve(unsigned long N) override;
  ~ZQ_StringStreamSinkReference() override;

 private:
  ZQ_String* Target;
};

ZQ_StreamSink ZQ_CreateStringStreamSink(ZQ_String* Target);

#endif
