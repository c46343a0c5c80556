// ZQ_RegistryFolder.h: a folder of the settings registry: a hash map from
// keys to owned items (nested folders, sequences, typed values). Keys are XML
// name tokens (ASCII letters, digits, '_', '-', '.', ':'): every operation
// strips other characters from its own copy of the key, and the first use of
// each such key in a run writes one report line to the debugging log. A key
// that is empty, or becomes empty, fails the assertion "n > 0". Keys are
// case-sensitive. The folder deletes its items when they are removed,
// replaced or cleared, and when it is destroyed. Precondition failures go to
// the assertion service; nothing here throws but what the binary form's
// reading and writing throw. One thread only.
#ifndef ZQ_REGISTRYFOLDER_H
#define ZQ_REGISTRYFOLDER_H

#include "ZQ_AutoPtr.h"
#include "ZQ_Map.h"
#include "ZQ_RegistryItem.h"
#include "ZQ_String.h"

class ZQ_RegistryItemSequence;

// The class ids of the containers in the binary form.
const long ZQ_RegistryFolder_ClassID = 311415863;  // 0x128FD437
const long ZQ_RegistryItemSequence_ClassID = 1000;

// Strips every character that is not a key character from Key. The first
// time a distinct bad key is seen it is reported in the debugging log. A key
// that is empty, or stripped to nothing, fails the assertion "n > 0".
void ZQ_ValidateRegistryKey(ZQ_String& Key);
// Key without its non-key characters; reports nothing (used when reading
// files, whose keys are cleaned silently).
ZQ_String ZQ_StripRegistryKey(const ZQ_String& Key);

class ZQ_RegistryFolder : public ZQ_RegistryItem {
 public:
  using ItemMapType = ZQ_Map<ZQ_String, ZQ_AutoPtr<ZQ_RegistryItem>>;
  using IteratorType = ZQ_ReadOnlyIterator<ZQ_MapKeyValuePair<ZQ_String, ZQ_AutoPtr<ZQ_RegistryItem>>>;

  ZQ_RegistryFolder();
  ~ZQ_RegistryFolder() override;

  // The subfolder (sequence) under Key, created when Key is absent; an item
  // of another class under Key is deleted and replaced. Never null.
  ZQ_RegistryFolder* GetFolder(ZQ_String Key);
  ZQ_RegistryItemSequence* GetSequence(ZQ_String Key);
  // The subfolder (sequence) under Key, or null when Key is absent or holds
  // another class. Creates nothing.
  ZQ_RegistryFolder* GetFolderIfExists(ZQ_String Key);
  ZQ_RegistryItemSequence* GetSequenceIfExists(ZQ_String Key);
  const ZQ_RegistryFolder* GetFolderIfExists(ZQ_String Key) const;
  const ZQ_RegistryItemSequence* GetSequenceIfExists(ZQ_String Key) const;

  // A new empty container stored under Key, which must be new ("ValueIsNew").
  ZQ_RegistryFolder* AddFolder(ZQ_String Key);
  ZQ_RegistryItemSequence* AddSequence(ZQ_String Key);
  // Stores Item (not null) under Key, which must be new ("ValueIsNew"). The
  // folder owns Item from the call on, even when the assertion fails.
  void AddItem(ZQ_String Key, ZQ_RegistryItem* Item);

  bool DoesExist(ZQ_String Key) const;
  // The item under Key, or null. The folder keeps it.
  ZQ_RegistryItem* GetItemIfExists(ZQ_String Key);
  const ZQ_RegistryItem* GetItemIfExists(ZQ_String Key) const;
  // Key must exist ("DoesExist (Key)"). RemoveItem deletes the item;
  // DetachItem hands it to the caller, who owns it from then on.
  void RemoveItem(ZQ_String Key);
  ZQ_RegistryItem* DetachItem(ZQ_String Key);
  void Clear();

  long GetNumItems() const { return ItemMap.GetNumElements(); }
  // (key, item) pairs in the map's bucket order. The folder must outlive
  // the iterator and keep its keys while it is in use.
  IteratorType GetIterator() const { return ItemMap.GetIterator(); }

  // Binary form: class id, entry count, then each key and item.
  void WriteToBinaryStream(ZQ_StreamSink& Sink) const override;
  // Replaces the contents with the entries read; legacy items are
  // converted to current ones. Damaged data throws ZQ_Exception and leaves
  // the entries read so far.
  void ReadFromBinaryStream(ZQ_BinaryStreamParser& Parser) override;
  // The class id, then each key's characters and item in iteration order
  // (the number of entries is not added).
  void AddToHash(ZQ_Hasher& Hasher) const override;

 private:
  ItemMapType ItemMap;
};

#endif
