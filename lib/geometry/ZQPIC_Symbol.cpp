#include "ZQPIC_Symbol.h"

#include "ZQ_InitializationService.h"
#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_StackTrace.h"

namespace {

struct RegisterItemClass {
  RegisterItemClass() {
    ZQ_RegisterRegistryItemCreationFunction(ZQPIC_RegSymbol_Legacy1::ClassID,
                                            &ZQ_CreateRegistryItem<ZQPIC_RegSymbol_Legacy1>);
  }
} s_registerItemClass;

const ZQ_StageCallbackRegistration s_registration(&ZQPIC_Symbol_InitializationServiceCallback,
                                                  ZQ_InitializationService::Position_Symbol);

}  // namespace

void ZQPIC_RegSymbol_Legacy1::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder,
                                                        const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQPIC_RegSymbol_Legacy1::ConvertFromLegacyDatatype");
  // A copy: the setter deletes this item, and the value with it.
  const ZQPIC_Symbol value = ZQPIC_GetSymbol(Folder, Key, ZQPIC_Symbol());
  ZQPIC_SetSymbol(Folder, Key, value);
}

void ZQPIC_SetSymbol(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQPIC_Symbol& Symbol) {
  ZQ_SetString(Folder, Key, Symbol.GetText());
}

ZQPIC_Symbol ZQPIC_GetSymbol(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                             const ZQPIC_Symbol& Default) {
  if (const auto* legacy = ZQ_GetRegistryItemOfClass<ZQPIC_RegSymbol_Legacy1>(Folder, Key))
    return ZQPIC_Symbol(legacy->GetValue());
  return ZQPIC_Symbol(ZQ_GetString(Folder, Key, Default.GetText()));
}

void ZQPIC_Symbol_InitializationServiceCallback(int) {}
