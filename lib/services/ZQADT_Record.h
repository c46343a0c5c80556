// ZQADT_Record.h: a record: one reference-counted block of raw storage laid
// out by a ZQADT_RecordSchema, each field's value constructed in place by its
// datatype. Records are values with shared storage: copies share the block,
// the last handle destroys the values and frees it, and equality is identity
// of the block. All default-constructed records share one empty record.
// Block: reference count (int), the schema handle, then the fields at their
// packed offsets. Running out of memory throws std::bad_alloc. One thread
// only.
#ifndef ZQADT_RECORD_H
#define ZQADT_RECORD_H

#include "ZQADT_RecordSchema.h"

class ZQADT_Record {
 public:
  // Shares the empty record.
  ZQADT_Record();
  // A new block for Schema, each field value-initialised (numbers 0, empty
  // strings, default dates and times).
  explicit ZQADT_Record(const ZQADT_RecordSchema& Schema);
  ZQADT_Record(const ZQADT_Record& Other);
  ZQADT_Record& operator=(const ZQADT_Record& Other);
  ~ZQADT_Record();

  bool operator==(const ZQADT_Record& Other) const { return Data == Other.Data; }
  bool operator!=(const ZQADT_Record& Other) const { return Data != Other.Data; }

  // The schema the block was laid out by.
  const ZQADT_RecordSchema& GetSchema() const;
  int GetNumReferences() const;
  // The storage of field FieldIndex (asserts "FieldIndex < NumFields"); its
  // value is handled through the field's datatype. Writes show in every
  // copy. No alignment: copy plain values in and out byte by byte.
  void* GetFieldLocation(int FieldIndex);
  const void* GetFieldLocation(int FieldIndex) const;

 private:
  static void* Construct(const ZQADT_RecordSchema& Schema);
  static void Destruct(void* Data);
  static void IncrementReferenceCount(void* Data);
  static void DecrementReferenceCount(void* Data);

  void* Data;
};

#endif
