#include "ZQ_FileNameRegistry.h"

#include "ZQ_BinaryStreamParser.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_Hasher.h"
#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_StackTrace.h"

namespace {

// The old single-item form of a file name: only read, then converted.
class ZQ_RegFileName : public ZQ_RegistryItem {
 public:
  const ZQ_FileName& GetValue() const { return Name; }

  void WriteToBinaryStream(ZQ_StreamSink& Sink) const override {
    Sink << ZQ_RegFileName_ClassID << Name;
  }
  void ReadFromBinaryStream(ZQ_BinaryStreamParser& Parser) override { Parser >> Name; }
  // The absolute name, upper-cased: names that open the same file hash alike.
  void AddToHash(ZQ_Hasher& Hasher) const override {
    Hasher << ZQ_RegFileName_ClassID << ZQ_ToUpperCase(Name.GetAbsolutePathName());
  }
  bool IsLegacyDatatype() const override { return true; }
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override {
    ZQ_TRACE_FUNCTION("ZQ_RegFileName::ConvertFromLegacyDatatype");
    const ZQ_FileName value = ZQ_GetFileName(Folder, Key, ZQ_FileName());
    ZQ_SetFileName(Folder, Key, value);  // deletes this item
  }

 private:
  ZQ_FileName Name;
};

struct RegisterItemClass {
  RegisterItemClass() {
    ZQ_RegisterRegistryItemCreationFunction(
        ZQ_RegFileName_ClassID, [] { return static_cast<ZQ_RegistryItem*>(new ZQ_RegFileName); });
  }
} s_registerItemClass;

}  // namespace

void ZQ_SetFileName(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_FileName& Name) {
  ZQ_SetString(Folder, Key, Name.GetPathName());
}

ZQ_FileName ZQ_GetFileName(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                           const ZQ_FileName& Default) {
  if (const auto* legacy = ZQ_GetRegistryItemOfClass<ZQ_RegFileName>(Folder, Key))
    return legacy->GetValue();
  return ZQ_FileName(ZQ_GetString(Folder, Key, Default.GetPathName()));
}
