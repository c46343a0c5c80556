#include "ZQ_RegistryFolder.h"

#include "ZQ_Assertion.h"
#include "ZQ_BinaryStreamParser.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_CharacterClass.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Hasher.h"
#include "ZQ_Internationalization.h"
#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_RegistryItemSequence.h"
#include "ZQ_Set.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringCharTransformation.h"

namespace {

bool IsKeyChar(char Char) {
  return ZQ_IsCharInClass(Char, ZQ_CharClass_LettersAndDigits) || Char == '_' || Char == '-' ||
         Char == '.' || Char == ':';
}

const ZQ_StringCharTransformation& KeyCharFilter() {
  static const ZQ_StringCharTransformation filter = [] {
    ZQ_StringCharTransformation t;
    for (int byte = 0; byte < 256; ++byte) t.AddDeleteChar(static_cast<char>(byte));
    t.AddPassChars(ZQ_CharClass_LettersAndDigits);
    t.AddPassChar('_');
    t.AddPassChar('-');
    t.AddPassChar('.');
    t.AddPassChar(':');
    return t;
  }();
  return filter;
}

// Each distinct bad key is reported once per run.
ZQ_Set<ZQ_String>& ReportedBadKeys() {
  static ZQ_Set<ZQ_String> reported(37);
  return reported;
}

bool HasOnlyKeyChars(const ZQ_String& Key) {
  for (int i = 0; i < Key.GetLength(); ++i)
    if (!IsKeyChar(Key[i])) return false;
  return true;
}

}  // namespace

ZQ_String ZQ_StripRegistryKey(const ZQ_String& Key) {
  if (HasOnlyKeyChars(Key)) return Key;
  return KeyCharFilter().Transform(Key);
}

void ZQ_ValidateRegistryKey(ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_ValidateRegistryKey");
  const int n = Key.GetLength();
  ZQ_ASSERT(n > 0);
  if (n < 1 || HasOnlyKeyChars(Key)) return;
  if (!ReportedBadKeys().Contains(Key)) {
    ZQ_String line("Bad RegistryFolder Key \"");
    line += Key;
    line += "\".  Is not a XML NMTOKEN.\n";
    ZQ_WriteDebugLogEntry(line);
    ReportedBadKeys().Add(Key);
  }
  Key = KeyCharFilter().Transform(Key);
  // An item under the empty key would make the saved tree unreadable (the
  // reader refuses empty keys), so a key that strips to nothing is refused
  // like an empty one.
  ZQ_ASSERT_TEXT(!Key.IsEmpty(), "n > 0");
}

ZQ_RegistryFolder::ZQ_RegistryFolder() : ItemMap(2) {}

ZQ_RegistryFolder::~ZQ_RegistryFolder() = default;

ZQ_RegistryFolder* ZQ_RegistryFolder::GetFolder(ZQ_String Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegistryFolder::GetFolder");
  ZQ_ValidateRegistryKey(Key);
  if (!DoesExist(Key)) return AddFolder(Key);
  if (auto* folder = dynamic_cast<ZQ_RegistryFolder*>(GetItemIfExists(Key))) return folder;
  RemoveItem(Key);
  return AddFolder(Key);
}

ZQ_RegistryItemSequence* ZQ_RegistryFolder::GetSequence(ZQ_String Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegistryFolder::GetSequence");
  ZQ_ValidateRegistryKey(Key);
  if (!DoesExist(Key)) return AddSequence(Key);
  if (auto* sequence = dynamic_cast<ZQ_RegistryItemSequence*>(GetItemIfExists(Key)))
    return sequence;
  RemoveItem(Key);
  return AddSequence(Key);
}

ZQ_RegistryFolder* ZQ_RegistryFolder::GetFolderIfExists(ZQ_String Key) {
  return dynamic_cast<ZQ_RegistryFolder*>(GetItemIfExists(std::move(Key)));
}

ZQ_RegistryItemSequence* ZQ_RegistryFolder::GetSequenceIfExists(ZQ_String Key) {
  return dynamic_cast<ZQ_RegistryItemSequence*>(GetItemIfExists(std::move(Key)));
}

const ZQ_RegistryFolder* ZQ_RegistryFolder::GetFolderIfExists(ZQ_String Key) const {
  return dynamic_cast<const ZQ_RegistryFolder*>(GetItemIfExists(std::move(Key)));
}

const ZQ_RegistryItemSequence* ZQ_RegistryFolder::GetSequenceIfExists(ZQ_String Key) const {
  return dynamic_cast<const ZQ_RegistryItemSequence*>(GetItemIfExists(std::move(Key)));
}

ZQ_RegistryFolder* ZQ_RegistryFolder::AddFolder(ZQ_String Key) {
  auto* folder = new ZQ_RegistryFolder;
  AddItem(std::move(Key), folder);
  return folder;
}

ZQ_RegistryItemSequence* ZQ_RegistryFolder::AddSequence(ZQ_String Key) {
  auto* sequence = new ZQ_RegistryItemSequence;
  AddItem(std::move(Key), sequence);
  return sequence;
}

void ZQ_RegistryFolder::AddItem(ZQ_String Key, ZQ_RegistryItem* Item) {
  ZQ_TRACE_FUNCTION("ZQ_RegistryFolder::AddItem");
  // Owned at once, so that an assertion thrown below does not leak Item.
  ZQ_AutoPtr<ZQ_RegistryItem> owned(Item);
  ZQ_ValidateRegistryKey(Key);
  ItemMap.Insert(Key, std::move(owned));
}

bool ZQ_RegistryFolder::DoesExist(ZQ_String Key) const {
  ZQ_ValidateRegistryKey(Key);
  return ItemMap.KeyExists(Key);
}

ZQ_RegistryItem* ZQ_RegistryFolder::GetItemIfExists(ZQ_String Key) {
  ZQ_ValidateRegistryKey(Key);
  const ItemMapType::Link* link = ItemMap.FindLink(Key);
  return link ? link->Value.Get() : nullptr;
}

const ZQ_RegistryItem* ZQ_RegistryFolder::GetItemIfExists(ZQ_String Key) const {
  ZQ_ValidateRegistryKey(Key);
  const ItemMapType::Link* link = ItemMap.FindLink(Key);
  return link ? link->Value.Get() : nullptr;
}

void ZQ_RegistryFolder::RemoveItem(ZQ_String Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegistryFolder::RemoveItem");
  ZQ_ValidateRegistryKey(Key);
  ZQ_ASSERT_TEXT(ItemMap.KeyExists(Key), "DoesExist (Key)");
  ItemMap.Remove(Key, false);
}

ZQ_RegistryItem* ZQ_RegistryFolder::DetachItem(ZQ_String Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegistryFolder::DetachItem");
  ZQ_ValidateRegistryKey(Key);
  ItemMapType::Link* link = ItemMap.FindLink(Key);
  ZQ_ASSERT_TEXT(link != nullptr, "DoesExist (Key)");
  if (!link) return nullptr;
  ZQ_RegistryItem* item = link->Value.Release();
  ItemMap.Remove(Key, false);
  return item;
}

void ZQ_RegistryFolder::Clear() { ItemMap.RemoveAll(); }

void ZQ_RegistryFolder::WriteToBinaryStream(ZQ_StreamSink& Sink) const {
  ZQ_TRACE_FUNCTION("ZQ_RegistryFolder::WriteToBinaryStream");
  Sink << ZQ_RegistryFolder_ClassID << ItemMap.GetNumElements();
  for (IteratorType it = GetIterator(); it.IsValid(); it.Advance()) {
    Sink << it->GetKey();
    it->GetValue()->WriteToBinaryStream(Sink);
  }
}

void ZQ_RegistryFolder::AddToHash(ZQ_Hasher& Hasher) const {
  ZQ_TRACE_FUNCTION("ZQ_RegistryFolder::AddToHash");
  Hasher << ZQ_RegistryFolder_ClassID;
  for (IteratorType it = GetIterator(); it.IsValid(); it.Advance()) {
    Hasher << it->GetKey();
    it->GetValue()->AddToHash(Hasher);
  }
}

void ZQ_RegistryFolder::ReadFromBinaryStream(ZQ_BinaryStreamParser& Parser) {
  ZQ_TRACE_FUNCTION("ZQ_RegistryFolder::ReadFromBinaryStream");
  Clear();
  // Each entry takes at least a key length and a class id.
  const long count = Parser.ReadCount(8);
  for (long i = 0; i < count; ++i) {
    const ZQ_String rawKey = Parser.ReadString();
    const ZQ_String key = ZQ_StripRegistryKey(rawKey);
    ZQ_AutoPtr<ZQ_RegistryItem> item(ZQ_CreateRegistryItemFromBinaryStream(Parser));
    // Keys come from the file: a bad one is damaged data, not a
    // programming error, so it must not reach the map's assertions.
    if (key.IsEmpty())
      ZQ_ThrowRegistryStreamError(ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate(
              "The registry folder holds the key \"{$1}\", which has no valid character."),
          rawKey));
    if (ItemMap.KeyExists(key))
      ZQ_ThrowRegistryStreamError(ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate("The registry folder holds the key \"{$1}\" twice."),
          key));
    const bool isLegacy = item->IsLegacyDatatype();
    ZQ_RegistryItem* stored = item.Get();
    AddItem(key, item.Release());
    if (isLegacy) {
      stored->ConvertFromLegacyDatatype(*this, key);
      const ZQ_RegistryItem* converted = GetItemIfExists(key);
      ZQ_ASSERT_TEXT(converted && !converted->IsLegacyDatatype(),
                     "not ItemMap[NewItemKey]->IsLegacyDatatype()");
    }
  }
}
