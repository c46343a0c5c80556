// ZQ_RegistryItem.h: the abstract base of everything a settings-registry
// folder can hold (folders, sequences, typed values). An item has no data of
// its own; each class writes its class id and contents in the registry's
// binary form, reads the contents back (ZQ_RegistryBinaryForm.h) and feeds
// its class id and contents to an MD4 hasher.
// Items are owned by the folder or sequence that holds them. One thread only.
#ifndef ZQ_REGISTRYITEM_H
#define ZQ_REGISTRYITEM_H

class ZQ_BinaryStreamParser;
class ZQ_Hasher;
class ZQ_RegistryFolder;
class ZQ_StreamSink;
class ZQ_String;

class ZQ_RegistryItem {
 public:
  ZQ_RegistryItem() = default;
  ZQ_RegistryItem(const ZQ_RegistryItem&) = delete;
  ZQ_RegistryItem& operator=(const ZQ_RegistryItem&) = delete;
  virtual ~ZQ_RegistryItem();

  // Writes the item's class id, then its contents. Sink failures pass.
  virtual void WriteToBinaryStream(ZQ_StreamSink& Sink) const = 0;
  // Reads the contents that follow the class id. Damaged data throws
  // ZQ_Exception; the item may then hold part of the contents.
  virtual void ReadFromBinaryStream(ZQ_BinaryStreamParser& Parser) = 0;
  // Adds the class id and the contents to Hasher, numbers as their
  // little-endian bytes and strings as their characters only.
  virtual void AddToHash(ZQ_Hasher& Hasher) const = 0;

  // True for classes that exist only to read old settings files.
  virtual bool IsLegacyDatatype() const;
  // Replaces this item, stored in Folder under Key, by an item of a current
  // class; this object is deleted on the way. Only legacy classes have one:
  // the base fails the assertion "false".
  virtual void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key);
};

#endif
