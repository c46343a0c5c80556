#include "ZQADT_Datatype.h"

#include "ZQ_Assertion.h"
#include "ZQ_Hasher.h"
#include "ZQ_StackTrace.h"

ZQADT_DatatypeRef::~ZQADT_DatatypeRef() = default;

ZQADT_Datatype::ZQADT_Datatype(ZQADT_DatatypeRef* Reference) : Ref(Reference) {
  ZQ_ASSERT_TEXT(Reference, "Ref");
}

const ZQADT_DatatypeRef& ZQADT_Datatype::Get() const {
  ZQ_ASSERT_TEXT(Ref.Get(), "Ref");
  return *Ref;
}

ZQ_String ZQADT_Datatype::GetDisplayName() const { return Get().GetDisplayName(); }
int ZQADT_Datatype::GetSize() const { return Get().GetSize(); }
void ZQADT_Datatype::ConstructInPlace(void* Location) const { Get().ConstructInPlace(Location); }
void ZQADT_Datatype::CopyConstructInPlace(void* Location, const void* Source) const {
  Get().CopyConstructInPlace(Location, Source);
}
void ZQADT_Datatype::DestroyInPlace(void* Location) const {
  ZQ_TRACE_FUNCTION("ZQADT_Datatype::DestroyInPlace");
  ZQ_ASSERT(Location);
  if (Location) Get().DestroyInPlace(Location);
}
void ZQADT_Datatype::Assign(void* Location, const void* Source) const {
  Get().Assign(Location, Source);
}
void ZQADT_Datatype::SetToDefault(void* Location) const { Get().SetToDefault(Location); }
bool ZQADT_Datatype::IsAvailable() const { return Get().IsAvailable(); }
bool ZQADT_Datatype::IsEqual(const void* A, const void* B) const { return Get().IsEqual(A, B); }
bool ZQADT_Datatype::IsLess(const void* A, const void* B) const { return Get().IsLess(A, B); }
ZQ_String ZQADT_Datatype::ToText(const void* Location) const { return Get().ToText(Location); }
void ZQADT_Datatype::Hash(ZQ_Hasher& Hasher, const void* Location) const {
  Get().Hash(Hasher, Location);
}

ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQADT_Datatype& Datatype) {
  return Hasher << Datatype.GetDisplayName();
}
