// ZQ_RegistryValueItems.h: the typed value items of the settings registry
// and the set/get functions through which modules store settings by key.
// A set function overwrites an item of its class in place and replaces an
// item of any other class (folders and sequences included, with all they
// hold). A get function returns the stored value, or the default when the
// key is missing or holds another class; it creates and reports nothing.
// Keys are validated and stripped as ZQ_RegistryFolder does. The 16-bit and
// float items are legacy: they are only read from old files and converted
// to the 32-bit and double items. One thread only.
#ifndef ZQ_REGISTRYVALUEITEMS_H
#define ZQ_REGISTRYVALUEITEMS_H

#include "ZQ_RegValueItem.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_String.h"

class ZQ_RegInt32 : public ZQ_RegValueItem<long, 3> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
};

class ZQ_RegUInt32 : public ZQ_RegValueItem<unsigned long, 17> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
};

class ZQ_RegDouble : public ZQ_RegValueItem<double, 6> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
};

class ZQ_RegBool : public ZQ_RegValueItem<bool, 4> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
};

class ZQ_RegString : public ZQ_RegValueItem<ZQ_String, 7> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
};

// Any bytes, the length held by the string. No set/get pair: the XML form
// of the registry creates and reads it directly.
class ZQ_BinaryDataRegistryItem : public ZQ_RegValueItem<ZQ_String, 2> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
};

// Legacy items, read from old files and converted when their folder is read.
class ZQ_RegInt16 : public ZQ_RegValueItem<short, 11> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  // Becomes a ZQ_RegInt32 of the value, sign-extended; deletes this item.
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

class ZQ_RegUInt16 : public ZQ_RegValueItem<unsigned short, 16> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  // Becomes a ZQ_RegUInt32 of the value; deletes this item.
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

class ZQ_RegFloat : public ZQ_RegValueItem<float, 5> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  // Becomes a ZQ_RegDouble of the value widened; deletes this item.
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

void ZQ_SetInt32(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const long& Value);
void ZQ_SetUInt32(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const unsigned long& Value);
void ZQ_SetDouble(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const double& Value);
void ZQ_SetBool(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const bool& Value);
void ZQ_SetString(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_String& Value);

// Also accept the legacy counterpart: ZQ_RegInt16 (sign-extended),
// ZQ_RegUInt16, ZQ_RegFloat (widened, not rounded to the decimal).
long ZQ_GetInt32(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const long& Default);
unsigned long ZQ_GetUInt32(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                           const unsigned long& Default);
double ZQ_GetDouble(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const double& Default);
bool ZQ_GetBool(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const bool& Default);
ZQ_String ZQ_GetString(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                       const ZQ_String& Default);

// The set-function steps for any item class Item with a constructor from
// its value and SetValue: overwrite in place, or replace what is there.
template <class Item, class T>
void ZQ_SetRegistryItemValue(ZQ_RegistryFolder& Folder, ZQ_String Key, const T& Value) {
  ZQ_ValidateRegistryKey(Key);
  ZQ_RegistryItem* existing = Folder.GetItemIfExists(Key);
  if (auto* typed = dynamic_cast<Item*>(existing)) {
    typed->SetValue(Value);
    return;
  }
  // Made first: Value may live in the item about to be deleted.
  ZQ_AutoPtr<ZQ_RegistryItem> replacement(new Item(Value));
  if (existing) Folder.RemoveItem(Key);
  Folder.AddItem(Key, replacement.Release());
}

// The item of class Item under Key, or null.
template <class Item>
const Item* ZQ_GetRegistryItemOfClass(const ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  return dynamic_cast<const Item*>(Folder.GetItemIfExists(Key));
}

#endif
