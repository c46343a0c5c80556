// The bucket logic of ZQ_MapBase and the iteration order shared by the map
// iterators.
#include <cstddef>
#include <new>

#include "ZQLOW_Memory.h"
#include "ZQ_Assertion.h"
#include "ZQ_MapBase.h"
#include "ZQ_StackTrace.h"

// Primes spread the identity hashes of integers and pointers; each is a
// little above a power of two, so every growth about doubles the table.
const long ZQ_MapBase::GrowthPrimes[ZQ_MapBase::NumGrowthPrimes] = {
    2,        5,        11,        17,        37,        67,        131,
    257,      521,      1031,      2053,      4099,      8209,      16411,
    32771,    65537,    131101,    262147,    524309,    1048583,   2097169,
    4194319,  8388617,  16777259,  33554467,  67108879,  134217757, 268435459,
    536870923, 1073741827, 2147483647};

ZQ_MapLinkBase** ZQ_MapBase::NewBuckets(long Count) {
  const unsigned size = static_cast<unsigned>(Count) * sizeof(ZQ_MapLinkBase*);
  // A count whose array cannot be addressed fails like a short memory.
  if (Count <= 0 || size / sizeof(ZQ_MapLinkBase*) != static_cast<unsigned>(Count))
    return nullptr;
  ZQ_MapLinkBase** buckets = static_cast<ZQ_MapLinkBase**>(ZQLOW_Memory::Malloc(size));
  if (buckets) ZQLOW_Memory::Zero(buckets, size);
  return buckets;
}

ZQ_MapBase::ZQ_MapBase(long NumBuckets)
    : Buckets(nullptr), NumBuckets(NumBuckets < 1 ? 1 : NumBuckets), NumElements(0) {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::ZQ_MapBase");
  Buckets = NewBuckets(this->NumBuckets);
  if (!Buckets) throw std::bad_alloc();
}

ZQ_MapBase::~ZQ_MapBase() { ZQLOW_Memory::Free(Buckets); }

ZQ_MapBase& ZQ_MapBase::operator=(const ZQ_MapBase& Other) {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::operator=");
  if (this == &Other) return *this;
  RemoveAll();
  if (NumBuckets != Other.NumBuckets) {
    ZQ_MapLinkBase** buckets = NewBuckets(Other.NumBuckets);
    if (!buckets) throw std::bad_alloc();
    ZQLOW_Memory::Free(Buckets);
    Buckets = buckets;
    NumBuckets = Other.NumBuckets;
  }
  CopyChainsFrom(Other);
  return *this;
}

void ZQ_MapBase::CopyChainsFrom(const ZQ_MapBase& Other) {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::CopyChainsFrom");
  // Same bucket count, so each copy belongs to the chain of its original.
  // Each copy becomes the head: the copied chains are reversed.
  for (long bucket = 0; bucket < Other.NumBuckets; ++bucket) {
    for (const ZQ_MapLinkBase* link = Other.Buckets[bucket]; link; link = link->Next) {
      ZQ_MapLinkBase* copy = CopyLink(link);  // a failure here leaves a valid map
      copy->Next = Buckets[bucket];
      Buckets[bucket] = copy;
      ++NumElements;
    }
  }
}

ZQ_MapLinkBase* ZQ_MapBase::GetOrCreateLink(const void* Key, bool* IsNew) {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::GetOrCreateLink");
  const unsigned long hash = HashKey(Key);
  long bucket = BucketOf(hash);
  ZQ_MapLinkBase* link = FindLinkInChain(Buckets[bucket], Key);
  if (IsNew) *IsNew = (link == nullptr);
  if (link) return link;
  // The count before this insertion decides: the 2b + 2nd key grows b buckets.
  if (NumElements > 2LL * NumBuckets) {
    Grow();
    bucket = BucketOf(hash);
  }
  // Created before the count changes, so a failed creation changes nothing.
  link = CreateLink(Key);
  ++NumElements;
  link->Next = Buckets[bucket];
  Buckets[bucket] = link;
  return link;
}

bool ZQ_MapBase::Set(const void* Key, const void* Value) {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::Set");
  bool isNew = false;
  ZQ_MapLinkBase* link = GetOrCreateLink(Key, &isNew);
  SetLinkValue(link, Value);
  return isNew;
}

void ZQ_MapBase::AssertInsertedKeyWasNew(bool ValueIsNew) {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::Insert");
  ZQ_ASSERT(ValueIsNew);
}

void ZQ_MapBase::Insert(const void* Key, const void* Value) {
  // Stored before the check, so that a failure that throws (mode 3) leaves
  // the new value in place as one that returns does.
  AssertInsertedKeyWasNew(Set(Key, Value));
}

ZQ_MapLinkBase* ZQ_MapBase::FindLink(const void* Key) const {
  return FindLinkInChain(Buckets[BucketOf(HashKey(Key))], Key);
}

bool ZQ_MapBase::GetValueIfExists(const void* Key, void* Output) const {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::GetValueIfExists");
  const ZQ_MapLinkBase* link = FindLink(Key);
  if (!link) return false;
  GetLinkValue(link, Output);
  return true;
}

ZQ_MapLinkBase* ZQ_MapBase::GetExistingLink(const void* Key) const {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::GetValue");
  ZQ_MapLinkBase* MatchingLink = FindLink(Key);
  ZQ_ASSERT(MatchingLink);
  return MatchingLink;
}

bool ZQ_MapBase::Remove(const void* Key, bool MustExist) {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::Remove");
  ZQ_MapLinkBase** slot = &Buckets[BucketOf(HashKey(Key))];
  if (!*slot) {
    if (MustExist) ZQ_ASSERT(false);
    return false;
  }
  while (*slot && !LinkMatchesKey(*slot, Key)) slot = &(*slot)->Next;
  if (!*slot) {
    if (MustExist) ZQ_ASSERT(false);
    return false;
  }
  ZQ_MapLinkBase* link = *slot;
  *slot = link->Next;
  --NumElements;
  DeleteLink(link);
  return true;
}

void ZQ_MapBase::RemoveAll() {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::RemoveAll");
  if (NumElements == 0) return;
  for (long bucket = 0; bucket < NumBuckets; ++bucket) {
    ZQ_MapLinkBase* link = Buckets[bucket];
    Buckets[bucket] = nullptr;
    while (link) {
      ZQ_MapLinkBase* next = link->Next;
      DeleteLink(link);
      link = next;
    }
  }
  NumElements = 0;
}

void ZQ_MapBase::Grow() {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::Grow");
  for (long i = 0; i < NumGrowthPrimes; ++i) {
    if (GrowthPrimes[i] > NumBuckets) {
      Rehash(GrowthPrimes[i]);
      return;
    }
  }
  // Past the last prime the table keeps its size and its chains lengthen.
}

void ZQ_MapBase::Rehash(long NewNumBuckets) {
  ZQ_TRACE_FUNCTION("ZQ_MapBase::Rehash");
  if (NewNumBuckets == NumBuckets) return;
  ZQ_MapLinkBase** newBuckets = NewBuckets(NewNumBuckets);
  // Without memory for a larger array the table stays as it is: longer
  // chains, still correct.
  if (!newBuckets) return;
  // The links move to their new chains in the order a copy would take (old
  // buckets from 0, each chain from its head, each one becoming the new
  // head), so iteration order is the same; links keep their addresses.
  const unsigned long newCount = static_cast<unsigned long>(NewNumBuckets);
  for (long bucket = 0; bucket < NumBuckets; ++bucket) {
    ZQ_MapLinkBase* link = Buckets[bucket];
    while (link) {
      ZQ_MapLinkBase* next = link->Next;
      const long newBucket = static_cast<long>(HashLink(link) % newCount);
      link->Next = newBuckets[newBucket];
      newBuckets[newBucket] = link;
      link = next;
    }
  }
  ZQLOW_Memory::Free(Buckets);
  Buckets = newBuckets;
  NumBuckets = NewNumBuckets;
}

ZQ_MapIteratorPosition::ZQ_MapIteratorPosition(const ZQ_MapBase* Map)
    : Map(Map), Link(nullptr), Bucket(-1) {
  Rewind();
}

void ZQ_MapIteratorPosition::MoveToNextChain() {
  Link = nullptr;
  while (!Link && Bucket + 1 < Map->NumBuckets) {
    ++Bucket;
    Link = Map->Buckets[Bucket];
  }
}

void ZQ_MapIteratorPosition::Rewind() {
  Link = nullptr;
  Bucket = -1;
  MoveToNextChain();
}

bool ZQ_MapIteratorPosition::Advance() {
  ZQ_TRACE_FUNCTION("ZQ_MapIteratorReference::Advance");
  ZQ_ASSERT(Link != NULL);
  if (!Link) return false;
  Link = Link->Next;
  if (!Link) MoveToNextChain();
  return Link != nullptr;
}

ZQ_MapLinkBase* ZQ_MapIteratorPosition::GetLink() const {
  ZQ_ASSERT(Link != NULL);
  return Link;
}
