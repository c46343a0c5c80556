#include "ZQ_PointAndRectangleRegistry.h"

#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_StackTrace.h"

namespace {

// Each class is also read under the id older files used for it.
struct RegisterItemClasses {
  RegisterItemClasses() {
    ZQ_RegisterRegistryItemCreationFunction(41, &ZQ_CreateRegistryItem<ZQ_RegPoint_Int32>);
    ZQ_RegisterRegistryItemCreationFunction(9, &ZQ_CreateRegistryItem<ZQ_RegPoint_Int32>);
    ZQ_RegisterRegistryItemCreationFunction(39, &ZQ_CreateRegistryItem<ZQ_RegPoint_Double>);
    ZQ_RegisterRegistryItemCreationFunction(22, &ZQ_CreateRegistryItem<ZQ_RegPoint_Double>);
    ZQ_RegisterRegistryItemCreationFunction(42, &ZQ_CreateRegistryItem<ZQ_RegRectangle_Int32>);
    ZQ_RegisterRegistryItemCreationFunction(10, &ZQ_CreateRegistryItem<ZQ_RegRectangle_Int32>);
    ZQ_RegisterRegistryItemCreationFunction(40, &ZQ_CreateRegistryItem<ZQ_RegRectangle_Double>);
    ZQ_RegisterRegistryItemCreationFunction(23, &ZQ_CreateRegistryItem<ZQ_RegRectangle_Double>);
  }
} s_registerItemClasses;

// The number setters and getters of the two element types.
void SetNumber(ZQ_RegistryFolder& Folder, const char* Key, long Value) { ZQ_SetInt32(Folder, Key, Value); }
void SetNumber(ZQ_RegistryFolder& Folder, const char* Key, double Value) { ZQ_SetDouble(Folder, Key, Value); }
long GetNumber(const ZQ_RegistryFolder& Folder, const char* Key, long Default) {
  return ZQ_GetInt32(Folder, Key, Default);
}
double GetNumber(const ZQ_RegistryFolder& Folder, const char* Key, double Default) {
  return ZQ_GetDouble(Folder, Key, Default);
}

template <class T>
void SetPoint(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Point<T>& Value) {
  // Copied first: Value may live in a legacy item that GetFolder deletes.
  const ZQ_Point<T> point = Value;
  ZQ_RegistryFolder* sub = Folder.GetFolder(Key);
  SetNumber(*sub, "X", point.X);
  SetNumber(*sub, "Y", point.Y);
}

template <class LegacyItem, class T>
ZQ_Point<T> GetPoint(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Point<T>& Default) {
  if (const ZQ_RegistryFolder* sub = Folder.GetFolderIfExists(Key))
    return ZQ_Point<T>(GetNumber(*sub, "X", Default.X), GetNumber(*sub, "Y", Default.Y));
  if (const auto* legacy = ZQ_GetRegistryItemOfClass<LegacyItem>(Folder, Key)) return legacy->GetValue();
  return Default;
}

template <class T>
void SetRectangle(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Rectangle<T>& Value) {
  const ZQ_Rectangle<T> rectangle = Value;
  ZQ_RegistryFolder* sub = Folder.GetFolder(Key);
  SetNumber(*sub, "OriginX", rectangle.X);
  SetNumber(*sub, "OriginY", rectangle.Y);
  SetNumber(*sub, "ExtentX", rectangle.Width);
  SetNumber(*sub, "ExtentY", rectangle.Height);
}

template <class LegacyItem, class T>
ZQ_Rectangle<T> GetRectangle(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                             const ZQ_Rectangle<T>& Default) {
  if (const ZQ_RegistryFolder* sub = Folder.GetFolderIfExists(Key))
    return ZQ_Rectangle<T>(GetNumber(*sub, "OriginX", Default.X), GetNumber(*sub, "OriginY", Default.Y),
                           GetNumber(*sub, "ExtentX", Default.Width),
                           GetNumber(*sub, "ExtentY", Default.Height));
  if (const auto* legacy = ZQ_GetRegistryItemOfClass<LegacyItem>(Folder, Key)) return legacy->GetValue();
  return Default;
}

}  // namespace

void ZQ_SetPoint_Int32(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Point<long>& Value) {
  ZQ_TRACE_FUNCTION("ZQ_SetPoint_Int32");
  SetPoint(Folder, Key, Value);
}

void ZQ_SetPoint_Double(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Point<double>& Value) {
  ZQ_TRACE_FUNCTION("ZQ_SetPoint_Double");
  SetPoint(Folder, Key, Value);
}

void ZQ_SetRectangle_Int32(ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                           const ZQ_Rectangle<long>& Value) {
  ZQ_TRACE_FUNCTION("ZQ_SetRectangle_Int32");
  SetRectangle(Folder, Key, Value);
}

void ZQ_SetRectangle_Double(ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                            const ZQ_Rectangle<double>& Value) {
  ZQ_TRACE_FUNCTION("ZQ_SetRectangle_Double");
  SetRectangle(Folder, Key, Value);
}

ZQ_Point<long> ZQ_GetPoint_Int32(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                 const ZQ_Point<long>& Default) {
  ZQ_TRACE_FUNCTION("ZQ_GetPoint_Int32");
  return GetPoint<ZQ_RegPoint_Int32>(Folder, Key, Default);
}

ZQ_Point<double> ZQ_GetPoint_Double(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                    const ZQ_Point<double>& Default) {
  ZQ_TRACE_FUNCTION("ZQ_GetPoint_Double");
  return GetPoint<ZQ_RegPoint_Double>(Folder, Key, Default);
}

ZQ_Rectangle<long> ZQ_GetRectangle_Int32(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                         const ZQ_Rectangle<long>& Default) {
  ZQ_TRACE_FUNCTION("ZQ_GetRectangle_Int32");
  return GetRectangle<ZQ_RegRectangle_Int32>(Folder, Key, Default);
}

ZQ_Rectangle<double> ZQ_GetRectangle_Double(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                            const ZQ_Rectangle<double>& Default) {
  ZQ_TRACE_FUNCTION("ZQ_GetRectangle_Double");
  return GetRectangle<ZQ_RegRectangle_Double>(Folder, Key, Default);
}

// Each conversion reads the value out first: the set function deletes this
// item, so nothing of it may be touched afterwards.
void ZQ_RegPoint_Int32::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegPoint_Int32::ConvertFromLegacyDatatype");
  const ZQ_Point<long> value = ZQ_GetPoint_Int32(Folder, Key, ZQ_Point<long>());
  ZQ_SetPoint_Int32(Folder, Key, value);
}

void ZQ_RegPoint_Double::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegPoint_Double::ConvertFromLegacyDatatype");
  const ZQ_Point<double> value = ZQ_GetPoint_Double(Folder, Key, ZQ_Point<double>());
  ZQ_SetPoint_Double(Folder, Key, value);
}

void ZQ_RegRectangle_Int32::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegRectangle_Int32::ConvertFromLegacyDatatype");
  const ZQ_Rectangle<long> value = ZQ_GetRectangle_Int32(Folder, Key, ZQ_Rectangle<long>());
  ZQ_SetRectangle_Int32(Folder, Key, value);
}

void ZQ_RegRectangle_Double::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegRectangle_Double::ConvertFromLegacyDatatype");
  const ZQ_Rectangle<double> value = ZQ_GetRectangle_Double(Folder, Key, ZQ_Rectangle<double>());
  ZQ_SetRectangle_Double(Folder, Key, value);
}
