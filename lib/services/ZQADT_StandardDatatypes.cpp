#include "ZQADT_StandardDatatypes.h"

#include "ZQADT_TypicalDatatypeRef.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_DateAndTimeRegistry.h"
#include "ZQ_DateAndTimeStreamFormat.h"

// Characters and 8-bit values default to a blank, not to 0.
template <>
struct ZQADT_DefaultValue<char> {
  static char Get() { return ' '; }
};
template <>
struct ZQADT_DefaultValue<unsigned char> {
  static unsigned char Get() { return 32; }
};

namespace {

// The kind's shared handle, made on first use. Handles count their shares,
// so a handle that static destruction releases later still finds the
// reference alive; the last one deletes it.
template <class T>
const ZQADT_Datatype& SharedHandle(const char* DisplayName) {
  static const ZQADT_Datatype s_handle(new ZQADT_TypicalDatatypeRef<T>(DisplayName));
  return s_handle;
}

}  // namespace

#define ZQADT_DEFINE_DATATYPE(Kind, Type, Name)                                            \
  ZQADT_##Kind##Datatype::ZQADT_##Kind##Datatype() : ZQADT_Datatype(SharedHandle<Type>(Name)) {} \
  const ZQADT_##Kind##Datatype ZQADT_##Kind##DatatypeInstance;
ZQADT_STANDARD_DATATYPES(ZQADT_DEFINE_DATATYPE)
#undef ZQADT_DEFINE_DATATYPE
