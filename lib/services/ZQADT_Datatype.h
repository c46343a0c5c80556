// ZQADT_Datatype.h: how a typed record keeps one value of a fixed kind in its
// raw storage: size, construct / copy / assign / reset / destroy in place,
// comparison, text form and hashing. ZQADT_Datatype is a handle on a shared,
// reference-counted ZQADT_DatatypeRef; copies share it and the last handle
// deletes it. Storage addresses need no alignment (records pack their
// fields). The kinds themselves are in ZQADT_StandardDatatypes.h. One thread
// only.
#ifndef ZQADT_DATATYPE_H
#define ZQADT_DATATYPE_H

#include "ZQ_CountedBody.h"
#include "ZQ_String.h"

class ZQ_Hasher;

class ZQADT_DatatypeRef : public ZQ_CountedBody {
 public:
  ZQADT_DatatypeRef() = default;
  // Logs "ReferenceCount == 0" when violated.
  virtual ~ZQADT_DatatypeRef();

  virtual ZQ_String GetDisplayName() const = 0;
  virtual int GetSize() const = 0;  // bytes
  // A value-initialised value at Location (numbers 0).
  virtual void ConstructInPlace(void* Location) const = 0;
  virtual void CopyConstructInPlace(void* Location, const void* Source) const = 0;
  virtual void DestroyInPlace(void* Location) const = 0;
  virtual void Assign(void* Location, const void* Source) const = 0;
  // The kind's default value (a blank for characters and 8-bit values).
  virtual void SetToDefault(void* Location) const = 0;
  // Answers true unless a kind says otherwise.
  virtual bool IsAvailable() const { return true; }
  virtual bool IsEqual(const void* A, const void* B) const = 0;
  virtual bool IsLess(const void* A, const void* B) const = 0;
  // The value written with default format attributes.
  virtual ZQ_String ToText(const void* Location) const = 0;
  virtual void Hash(ZQ_Hasher& Hasher, const void* Location) const = 0;
};

class ZQADT_Datatype {
 public:
  // No kind: every operation but copying fails the assertion "Ref".
  ZQADT_Datatype() = default;
  // Shares Reference (not null), an object created with new. Copies share
  // it; releasing a share asserts "ReferenceCount > 0", and the last handle
  // deletes the reference.
  explicit ZQADT_Datatype(ZQADT_DatatypeRef* Reference);

  bool IsNull() const { return Ref.IsNull(); }
  // The same kind: the handles share one reference.
  bool operator==(const ZQADT_Datatype& Other) const { return Ref == Other.Ref; }
  bool operator!=(const ZQADT_Datatype& Other) const { return Ref != Other.Ref; }
  int GetNumReferences() const { return Ref.GetReferenceCount(); }

  ZQ_String GetDisplayName() const;
  int GetSize() const;
  void ConstructInPlace(void* Location) const;
  void CopyConstructInPlace(void* Location, const void* Source) const;
  // Asserts "Location".
  void DestroyInPlace(void* Location) const;
  void Assign(void* Location, const void* Source) const;
  void SetToDefault(void* Location) const;
  bool IsAvailable() const;
  bool IsEqual(const void* A, const void* B) const;
  bool IsLess(const void* A, const void* B) const;
  ZQ_String ToText(const void* Location) const;
  void Hash(ZQ_Hasher& Hasher, const void* Location) const;

 private:
  const ZQADT_DatatypeRef& Get() const;

  ZQ_CountedHandle<ZQADT_DatatypeRef> Ref;
};

// Adds the characters of Datatype's display name.
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQADT_Datatype& Datatype);

#endif
