#include "ZQADT_Record.h"

#include <new>

#include "ZQLOW_Memory.h"
#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

namespace {

using BlockHeader = ZQADT_RecordBlockHeader;
static_assert(sizeof(BlockHeader) == 8, "the fields start at byte 8");

char* Fields(BlockHeader* Data) { return reinterpret_cast<char*>(Data) + sizeof(BlockHeader); }

// Made on first use; the static handle's share is released at exit, and the
// block goes with the last record that uses it.
const ZQADT_Record& EmptyRecord() {
  static const ZQADT_Record s_empty{ZQADT_RecordSchema()};
  return s_empty;
}

}  // namespace

BlockHeader* ZQADT_Record::Construct(const ZQADT_RecordSchema& Schema) {
  ZQ_TRACE_FUNCTION("ZQADT_Record::Construct");
  const int dataSize = Schema.GetDataSize();
  // Three spare bytes past the fields, as the block has always had.
  void* memory = ZQLOW_Memory::Malloc(static_cast<unsigned>(sizeof(BlockHeader) + dataSize + 3));
  if (!memory) throw std::bad_alloc();
  BlockHeader* data = new (memory) BlockHeader(Schema);
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
    data->~BlockHeader();
    ZQLOW_Memory::Free(memory);
    throw;
  }
  return data;
}

void ZQADT_Record::Destruct(BlockHeader* Data) noexcept {
  // Nothing here can fail: the schema only holds valid fields, each with a
  // datatype, and every location is inside the block.
  const ZQADT_RecordSchema& schema = Data->Schema;
  for (int i = 0; i < schema.GetNumFields(); ++i)
    schema.GetFieldDatatype(i).DestroyInPlace(Fields(Data) + schema.GetFieldOffset(i));
  Data->~BlockHeader();
  ZQLOW_Memory::Free(Data);
}

ZQADT_Record::ZQADT_Record() : Data(EmptyRecord().Data) {}

ZQADT_Record::ZQADT_Record(const ZQADT_RecordSchema& Schema) : Data(Construct(Schema)) {}

const ZQADT_RecordSchema& ZQADT_Record::GetSchema() const { return Data->Schema; }

int ZQADT_Record::GetNumReferences() const { return Data.GetReferenceCount(); }

void* ZQADT_Record::GetFieldLocation(int FieldIndex) {
  ZQ_TRACE_FUNCTION("ZQADT_Record::GetFieldLocation");
  const ZQADT_RecordSchema& schema = GetSchema();
  ZQ_ASSERT_TEXT(0 <= FieldIndex && FieldIndex < schema.GetNumFields(), "FieldIndex < NumFields");
  if (!(0 <= FieldIndex && FieldIndex < schema.GetNumFields())) return nullptr;
  return Fields(Data.Get()) + schema.GetFieldOffset(FieldIndex);
}

const void* ZQADT_Record::GetFieldLocation(int FieldIndex) const {
  return const_cast<ZQADT_Record*>(this)->GetFieldLocation(FieldIndex);
}
