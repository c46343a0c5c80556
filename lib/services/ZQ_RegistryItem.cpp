#include "ZQ_RegistryItem.h"

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

ZQ_RegistryItem::~ZQ_RegistryItem() = default;

bool ZQ_RegistryItem::IsLegacyDatatype() const { return false; }

void ZQ_RegistryItem::ConvertFromLegacyDatatype(ZQ_RegistryFolder&, const ZQ_String&) {
  ZQ_TRACE_FUNCTION("ZQ_RegistryItem::ConvertFromLegacyDatatype");
  ZQ_ASSERT(false);
}
