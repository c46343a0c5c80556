// ZQADT_RecordSchema.h: an ordered list of named, typed fields, and the
// layout derived from it (packed byte offsets without alignment, total data
// size, a 128-bit hash of names and kinds). ZQADT_RecordSchema is a handle
// on a shared, reference-counted ZQADT_RecordSchemaRef; the derived data is
// computed when first asked for after a change. Adding a field to a schema
// that other handles (or records) share gives this handle a copy of its own
// first, so existing records keep the layout they were built with. One
// thread only.
#ifndef ZQADT_RECORDSCHEMA_H
#define ZQADT_RECORDSCHEMA_H

#include "ZQADT_Datatype.h"
#include "ZQ_Array.h"
#include "ZQ_String.h"
#include "ZQ_UID.h"

struct ZQADT_FieldSchema {
  ZQ_String Name;
  ZQADT_Datatype Datatype;
};

// Its destructor logs "ReferenceCount == 0" when violated.
class ZQADT_RecordSchemaRef : public ZQ_CountedBody {
 public:
  ZQADT_RecordSchemaRef();

  // Recomputes the offsets, data size and hash. Asserts "not Consistent".
  void MakeConsistent();
  // A new reference (count 0) with the same fields.
  ZQADT_RecordSchemaRef* Clone() const;

  int NumFields;
  ZQ_AutosizeArray<ZQADT_FieldSchema> Fields;
  bool Consistent;
  ZQ_UID Hash;
  int DataSize;                // bytes of field storage
  ZQ_Array<long> FieldOffsets;  // bytes from the start of the field storage
};

class ZQADT_RecordSchema {
 public:
  // A new empty schema.
  ZQADT_RecordSchema();
  // Copies share the reference; releasing a share asserts
  // "ReferenceCount > 0", and the last handle deletes the reference.

  // Appends a field (Datatype not null). Un-shares the schema first.
  void AddField(const ZQ_String& Name, const ZQADT_Datatype& Datatype);

  int GetNumFields() const { return Ref->NumFields; }
  // Each asserts "FieldIndex < NumFields" (0 <= FieldIndex as well).
  ZQ_String GetFieldName(int FieldIndex) const;
  ZQADT_Datatype GetFieldDatatype(int FieldIndex) const;
  long GetFieldOffset(int FieldIndex) const;
  int GetDataSize() const;
  ZQ_UID GetHash() const;

  // Whether both handles share one reference.
  bool IsSameAs(const ZQADT_RecordSchema& Other) const { return Ref == Other.Ref; }
  int GetNumReferences() const { return Ref.GetReferenceCount(); }

 private:
  void AssertFieldIndex(int FieldIndex) const;
  ZQADT_RecordSchemaRef& Consistent() const;

  ZQ_CountedHandle<ZQADT_RecordSchemaRef> Ref;
};

#endif
