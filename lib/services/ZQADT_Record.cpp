#include "ZQADT_Record.h"

#include <new>

#include "ZQLOW_Memory.h"
#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

namespace {

// The block's header; the fields follow it.
struct BlockHeader {
  int ReferenceCount;
  ZQADT_RecordSchema Schema;
};
static_assert(sizeof(BlockHeader) == 8, "the fields start at byte 8");

BlockHeader& Header(void* Data) { return *static_cast<BlockHeader*>(Data); }
int& AccessReferenceCount(void* Data) { return Header(Data).ReferenceCount; }
char* Fields(void* Data) { return static_cast<char*>(Data) + sizeof(BlockHeader); }

// Made on first use; the static handle's share is released at exit, and the
// block goes with the last record that uses it.
const ZQADT_Record& EmptyRecord() {
  static const ZQADT_Record s_empty{ZQADT_RecordSchema()};
  return s_empty;
}

}  // namespace

void* ZQADT_Record::Construct(const ZQADT_RecordSchema& Schema) {
  ZQ_TRACE_FUNCTION("ZQADT_Record::Construct");
  const int dataSize = Schema.GetDataSize();
  // Three spare bytes past the fields, as the block has always had.
  void* data = ZQLOW_Memory::Malloc(static_cast<unsigned>(sizeof(BlockHeader) + dataSize + 3));
  if (!data) throw std::bad_alloc();
  BlockHeader* header = new (data) BlockHeader{0, Schema};
  const int numFields = Schema.GetNumFields();
  int constructed = 0;
  try {
    for (; constructed < numFields; ++constructed)
      Schema.GetFieldDatatype(constructed)
          .ConstructInPlace(Fields(data) + Schema.GetFieldOffset(constructed));
  } catch (...) {
    // Undo what was built: a half-made block must not leak its values.
    while (constructed-- > 0)
      Schema.GetFieldDatatype(constructed)
          .DestroyInPlace(Fields(data) + Schema.GetFieldOffset(constructed));
    header->~BlockHeader();
    ZQLOW_Memory::Free(data);
    throw;
  }
  return data;
}

void ZQADT_Record::Destruct(void* Data) {
  ZQ_TRACE_FUNCTION("ZQADT_Record::Destruct");
  const ZQADT_RecordSchema& schema = Header(Data).Schema;
  for (int i = 0; i < schema.GetNumFields(); ++i) {
    void* location = Fields(Data) + schema.GetFieldOffset(i);
    schema.GetFieldDatatype(i).DestroyInPlace(location);
  }
}

void ZQADT_Record::IncrementReferenceCount(void* Data) { ++AccessReferenceCount(Data); }

void ZQADT_Record::DecrementReferenceCount(void* Data) {
  ZQ_TRACE_FUNCTION("ZQADT_Record::DecrementReferenceCount");
  ZQ_ASSERT_TEXT(AccessReferenceCount(Data) > 0, "AccessReferenceCount (Data) > 0");
  if (--AccessReferenceCount(Data) != 0) return;
  Destruct(Data);
  Header(Data).~BlockHeader();
  ZQLOW_Memory::Free(Data);
}

ZQADT_Record::ZQADT_Record() : Data(EmptyRecord().Data) { IncrementReferenceCount(Data); }

ZQADT_Record::ZQADT_Record(const ZQADT_RecordSchema& Schema) : Data(Construct(Schema)) {
  IncrementReferenceCount(Data);
}

ZQADT_Record::ZQADT_Record(const ZQADT_Record& Other) : Data(Other.Data) {
  IncrementReferenceCount(Data);
}

ZQADT_Record& ZQADT_Record::operator=(const ZQADT_Record& Other) {
  IncrementReferenceCount(Other.Data);  // first: self-assignment is safe
  DecrementReferenceCount(Data);
  Data = Other.Data;
  return *this;
}

ZQADT_Record::~ZQADT_Record() {
  try {
    DecrementReferenceCount(Data);
  } catch (...) {
    // Only a violated count throws here, in assertion mode 3.
  }
}

const ZQADT_RecordSchema& ZQADT_Record::GetSchema() const { return Header(Data).Schema; }

int ZQADT_Record::GetNumReferences() const { return AccessReferenceCount(Data); }

void* ZQADT_Record::GetFieldLocation(int FieldIndex) {
  ZQ_TRACE_FUNCTION("ZQADT_Record::GetFieldLocation");
  const ZQADT_RecordSchema& schema = GetSchema();
  ZQ_ASSERT_TEXT(0 <= FieldIndex && FieldIndex < schema.GetNumFields(), "FieldIndex < NumFields");
  if (!(0 <= FieldIndex && FieldIndex < schema.GetNumFields())) return nullptr;
  return Fields(Data) + schema.GetFieldOffset(FieldIndex);
}

const void* ZQADT_Record::GetFieldLocation(int FieldIndex) const {
  return const_cast<ZQADT_Record*>(this)->GetFieldLocation(FieldIndex);
}
