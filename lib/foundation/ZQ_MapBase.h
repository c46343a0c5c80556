// ZQ_MapBase.h: the bucket logic of every hash map, written once. A chained
// hash table of NumBuckets chains; an instance (ZQ_Map<K,V>, ZQ_Map.h)
// supplies hashing, link creation, copying and deletion, value transfer and
// key matching through the virtual operations, and offers the typed
// interface. The table grows, never shrinks: when an insertion finds more
// than twice as many elements as buckets, it moves to the next of 31 primes
// (2 ... 2147483647). Growth relinks the existing links, so links and values
// keep their addresses. Precondition failures ("ValueIsNew", "MatchingLink",
// "false") go to the assertion service; the only exception is std::bad_alloc
// (and what copies of keys and values throw). One thread only.
#ifndef ZQ_MAPBASE_H
#define ZQ_MAPBASE_H

// The chain part of a link; ZQ_MapLink<K,V> adds the key and the value.
struct ZQ_MapLinkBase {
  ZQ_MapLinkBase* Next = nullptr;  // next link of the same bucket
};

class ZQ_MapBase {
 public:
  // An empty table of NumBuckets chains (at least 1).
  explicit ZQ_MapBase(long NumBuckets);
  // Frees the bucket array; the instance's destructor has removed the links.
  virtual ~ZQ_MapBase();
  ZQ_MapBase(const ZQ_MapBase&) = delete;

  long GetNumElements() const { return NumElements; }
  bool IsEmpty() const { return NumElements == 0; }
  long GetNumBuckets() const { return NumBuckets; }

  // Deletes every link; the bucket count stays.
  void RemoveAll();

  // The growth table: 2, 5, 11, ... 1073741827, 2147483647.
  static const long NumGrowthPrimes = 31;
  static const long GrowthPrimes[NumGrowthPrimes];

 protected:
  // Nothing for self-assignment; otherwise this table becomes a copy of
  // Other (same bucket count, each chain copied link by link, so reversed).
  ZQ_MapBase& operator=(const ZQ_MapBase& Other);
  // The copy of Other's chains into this table, which must be empty: for the
  // instances' copy constructors, once their virtual operations exist.
  void CopyChainsFrom(const ZQ_MapBase& Other);

  // Type-erased operations: Key points to a K, Value to a V, Output to a V.
  // The link of Key, inserted at the head of its chain when new (growing the
  // table first when needed). *IsNew tells which, when IsNew is not null.
  ZQ_MapLinkBase* GetOrCreateLink(const void* Key, bool* IsNew = nullptr);
  // Stores Value under Key; true when the key was new.
  bool Set(const void* Key, const void* Value);
  // Set for a key that must be new: the value is stored first, then the
  // check "ValueIsNew" made, so an existing value is replaced in every mode.
  void Insert(const void* Key, const void* Value);
  // Insert's check, for instances that store the value themselves first.
  static void AssertInsertedKeyWasNew(bool ValueIsNew);
  bool GetValueIfExists(const void* Key, void* Output) const;
  // The link of a key that must exist (asserts "MatchingLink"); null when it
  // does not and the assertion returns.
  ZQ_MapLinkBase* GetExistingLink(const void* Key) const;
  // The link of Key, or null.
  ZQ_MapLinkBase* FindLink(const void* Key) const;
  bool KeyExists(const void* Key) const { return FindLink(Key) != nullptr; }
  // Deletes the link of Key; a missing key asserts "false" when MustExist.
  // True when a link was removed.
  bool Remove(const void* Key, bool MustExist);

  // The operations each instance supplies.
  virtual unsigned long HashKey(const void* Key) const = 0;
  virtual unsigned long HashLink(const ZQ_MapLinkBase* Link) const = 0;
  // A new link with a copy of the key and a default value.
  virtual ZQ_MapLinkBase* CreateLink(const void* Key) const = 0;
  // A new link with copies of the key and the value.
  virtual ZQ_MapLinkBase* CopyLink(const ZQ_MapLinkBase* Link) const = 0;
  virtual void DeleteLink(ZQ_MapLinkBase* Link) const = 0;
  virtual void SetLinkValue(ZQ_MapLinkBase* Link, const void* Value) const = 0;
  virtual void GetLinkValue(const ZQ_MapLinkBase* Link, void* Output) const = 0;
  virtual bool LinkMatchesKey(const ZQ_MapLinkBase* Link, const void* Key) const = 0;
  // The first link from First along its chain that matches Key, or null.
  virtual ZQ_MapLinkBase* FindLinkInChain(ZQ_MapLinkBase* First,
                                          const void* Key) const = 0;

 private:
  friend class ZQ_MapIteratorPosition;

  static ZQ_MapLinkBase** NewBuckets(long Count);
  long BucketOf(unsigned long Hash) const {
    return static_cast<long>(Hash % static_cast<unsigned long>(NumBuckets));
  }
  void Grow();
  void Rehash(long NewNumBuckets);

  ZQ_MapLinkBase** Buckets;
  long NumBuckets;
  long NumElements;
};

// A position in a table's iteration order (buckets from 0 upward, each chain
// from its head), shared by the key/value, key and value iterators.
class ZQ_MapIteratorPosition {
 public:
  // Stands on the first link, or is invalid for an empty table.
  explicit ZQ_MapIteratorPosition(const ZQ_MapBase* Map);
  // To the next link; asserts "Link != NULL" when there is none to leave.
  bool Advance();
  bool IsValid() const { return Link != nullptr; }
  void Rewind();
  // The current link; asserts "Link != NULL" and gives null when invalid.
  ZQ_MapLinkBase* GetLink() const;

 private:
  // From bucket Bucket + 1 on, the head of the first non-empty chain.
  void MoveToNextChain();

  const ZQ_MapBase* Map;
  ZQ_MapLinkBase* Link;
  long Bucket;
};

#endif
