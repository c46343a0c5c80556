// ZQADT_Record.h: a record: one reference-counted block of raw storage laid
// out by a ZQADT_RecordSchema, each field's value constructed in place by its
// datatype. Records are values with shared storage: copies share the block,
// the last handle destroys the values and frees it, and equality is identity
// of the block. All default-constructed records share one empty record.
// Block: reference count (int), the schema handle, then the fields at their
// packed offsets. Giving up a share that the count does not hold asserts
// "AccessReferenceCount (Data) > 0". Running out of memory throws
// std::bad_alloc. One thread only.
#ifndef ZQADT_RECORD_H
#define ZQADT_RECORD_H

#include "ZQADT_RecordSchema.h"
#include "ZQ_CountedBody.h"

// The block's header; the fields follow it.
struct ZQADT_RecordBlockHeader : ZQ_CountedBody {
  explicit ZQADT_RecordBlockHeader(const ZQADT_RecordSchema& Schema) : Schema(Schema) {}
  static constexpr const char* ReleaseCondition = "AccessReferenceCount (Data) > 0";
  ZQADT_RecordSchema Schema;
};

class ZQADT_Record {
 public:
  // Shares the empty record.
  ZQADT_Record();
  // A new block for Schema, each field value-initialised (numbers 0, empty
  // strings, default dates and times).
  explicit ZQADT_Record(const ZQADT_RecordSchema& Schema);

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
  using Header = ZQADT_RecordBlockHeader;
  static Header* Construct(const ZQADT_RecordSchema& Schema);
  // Destroys the values and frees the block (the last share's end).
  static void Destruct(Header* Data) noexcept;

  ZQ_CountedHandle<Header, &Destruct> Data;
};

#endif
