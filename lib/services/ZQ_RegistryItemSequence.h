// ZQ_RegistryItemSequence.h: an ordered list of owned registry items without
// keys. The sequence deletes its items when cleared or destroyed. Items of
// legacy classes never enter it from a file. One thread only.
#ifndef ZQ_REGISTRYITEMSEQUENCE_H
#define ZQ_REGISTRYITEMSEQUENCE_H

#include "ZQ_Array.h"
#include "ZQ_RegistryItem.h"

class ZQ_RegistryItemSequence : public ZQ_RegistryItem {
 public:
  ZQ_RegistryItemSequence();
  ~ZQ_RegistryItemSequence() override;

  // Stores Item (not null) after the last one; the sequence owns it.
  void Append(ZQ_RegistryItem* Item);
  // Deletes every item; the count becomes 0.
  void Clear();

  long GetNumItems() const { return NumItems; }
  // Index must be in 0 to GetNumItems () - 1 ("Index >= 0 and Index < N").
  ZQ_RegistryItem* GetItem(long Index) const;

  // Binary form: class id 1000, the count, then each item in index order.
  void WriteToBinaryStream(ZQ_StreamSink& Sink) const override;
  // Replaces the contents. Damaged data (including an item of a legacy
  // class) throws ZQ_Exception and leaves the items read so far.
  void ReadFromBinaryStream(ZQ_BinaryStreamParser& Parser) override;
  // The class id, the count, then each item in index order.
  void AddToHash(ZQ_Hasher& Hasher) const override;

 private:
  long NumItems;
  ZQ_AutosizeArray<ZQ_RegistryItem*> Items;
};

#endif
