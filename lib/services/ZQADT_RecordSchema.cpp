#include "ZQADT_RecordSchema.h"

#include "ZQ_Assertion.h"
#include "ZQ_Hasher.h"
#include "ZQ_StackTrace.h"

ZQADT_RecordSchemaRef::ZQADT_RecordSchemaRef() : NumFields(0), Consistent(false), DataSize(0) {}

void ZQADT_RecordSchemaRef::MakeConsistent() {
  ZQ_TRACE_FUNCTION("ZQADT_RecordSchemaRef::MakeConsistent");
  ZQ_ASSERT_TEXT(!Consistent, "not Consistent");
  if (FieldOffsets.GetNumElements() != NumFields) FieldOffsets.Resize(NumFields, 0);
  long total = 0;
  for (int i = 0; i < NumFields; ++i) {
    FieldOffsets[i] = total;
    total += Fields[i].Datatype.GetSize();
  }
  DataSize = static_cast<int>(total);
  ZQ_Hasher hasher;
  hasher << static_cast<long>(NumFields);
  for (int i = 0; i < NumFields; ++i) hasher << Fields[i].Name << Fields[i].Datatype;
  Hash = hasher.GetHash();
  Consistent = true;
}

ZQADT_RecordSchemaRef* ZQADT_RecordSchemaRef::Clone() const {
  auto* copy = new ZQADT_RecordSchemaRef;
  for (int i = 0; i < NumFields; ++i) copy->Fields[i] = Fields[i];
  copy->NumFields = NumFields;
  return copy;
}

ZQADT_RecordSchema::ZQADT_RecordSchema() : Ref(new ZQADT_RecordSchemaRef) {}

void ZQADT_RecordSchema::AddField(const ZQ_String& Name, const ZQADT_Datatype& Datatype) {
  ZQ_TRACE_FUNCTION("ZQADT_RecordSchema::AddField");
  ZQ_ASSERT_TEXT(!Datatype.IsNull(), "not Datatype.IsNull()");
  if (Datatype.IsNull()) return;
  // Records built from this schema share its reference and were laid out by
  // it: they must keep that layout, so a shared schema is copied first.
  if (Ref.GetReferenceCount() > 1) Ref.Reset(Ref->Clone());
  Ref->Fields[Ref->NumFields] = ZQADT_FieldSchema{Name, Datatype};
  ++Ref->NumFields;
  Ref->Consistent = false;
}

void ZQADT_RecordSchema::AssertFieldIndex(int FieldIndex) const {
  ZQ_ASSERT_TEXT(0 <= FieldIndex && FieldIndex < Ref->NumFields, "FieldIndex < NumFields");
}

ZQADT_RecordSchemaRef& ZQADT_RecordSchema::Consistent() const {
  if (!Ref->Consistent) Ref->MakeConsistent();
  return *Ref;
}

ZQ_String ZQADT_RecordSchema::GetFieldName(int FieldIndex) const {
  ZQ_TRACE_FUNCTION("ZQADT_RecordSchema::GetFieldName");
  AssertFieldIndex(FieldIndex);
  return static_cast<const ZQ_Array<ZQADT_FieldSchema>&>(Ref->Fields)[FieldIndex].Name;
}

ZQADT_Datatype ZQADT_RecordSchema::GetFieldDatatype(int FieldIndex) const {
  ZQ_TRACE_FUNCTION("ZQADT_RecordSchema::GetFieldDatatype");
  AssertFieldIndex(FieldIndex);
  return static_cast<const ZQ_Array<ZQADT_FieldSchema>&>(Ref->Fields)[FieldIndex].Datatype;
}

long ZQADT_RecordSchema::GetFieldOffset(int FieldIndex) const {
  ZQ_TRACE_FUNCTION("ZQADT_RecordSchema::GetFieldOffset");
  AssertFieldIndex(FieldIndex);
  return Consistent().FieldOffsets[FieldIndex];
}

int ZQADT_RecordSchema::GetDataSize() const { return Consistent().DataSize; }

ZQ_UID ZQADT_RecordSchema::GetHash() const { return Consistent().Hash; }
