// ZQ_Map.h: ZQ_Map<K,V>, the associative container of the system: a chained
// hash table (bucket logic in ZQ_MapBase) that owns copies of its keys and
// values. Keys are placed by ZQ_MapKeyTraits<K>: ZQ_String by its
// case-sensitive hash and exact bytes, ZQ_CaseInsensitiveString by its
// case-insensitive hash and comparison, integers, enumerations and pointers by
// their value, other records by their GetHashValue() and operator==.
// Iteration runs bucket by bucket, each chain from its head: the order of the
// table, not of insertion. Values may be move-only (ZQ_AutoPtr); such a map
// cannot be copied and takes its values by move. Precondition failures go to
// the assertion service; nothing is thrown but std::bad_alloc and what copies
// of keys and values throw. One thread only.
#ifndef ZQ_MAP_H
#define ZQ_MAP_H

#include <cstdint>
#include <type_traits>
#include <utility>

#include "ZQ_Iterator.h"
#include "ZQ_MapBase.h"
#include "ZQ_StackTrace.h"
#include "ZQ_String.h"

// Hash and match of a key type. Specialise it next to a record type whose
// hash and equality are not GetHashValue() and operator==.
template <class K>
struct ZQ_MapKeyTraits {
  static unsigned long Hash(const K& Key) {
    if constexpr (std::is_integral_v<K> || std::is_enum_v<K>)
      return static_cast<unsigned long>(Key);  // the value itself
    else if constexpr (std::is_pointer_v<K>)
      return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(Key));
    else
      return Key.GetHashValue();
  }
  static bool Matches(const K& A, const K& B) { return A == B; }
};

template <>
struct ZQ_MapKeyTraits<ZQ_String> {
  static unsigned long Hash(const ZQ_String& Key) { return Key.GetHash(false); }
  static bool Matches(const ZQ_String& A, const ZQ_String& B) {
    return A == B;  // same length and same bytes
  }
};

template <>
struct ZQ_MapKeyTraits<ZQ_CaseInsensitiveString> {
  static unsigned long Hash(const ZQ_CaseInsensitiveString& Key) {
    return Key.ZQ_String::GetHash(true);
  }
  static bool Matches(const ZQ_CaseInsensitiveString& A, const ZQ_CaseInsensitiveString& B) {
    return A.Compare(B, true) == 0;
  }
};

// The hash a map uses for a key: ZQ_Hash<long>(5) is 5.
template <class K>
unsigned long ZQ_Hash(const K& Key) {
  return ZQ_MapKeyTraits<K>::Hash(Key);
}

// What the key/value iterator yields.
template <class K, class V>
struct ZQ_MapKeyValuePair {
  ZQ_MapKeyValuePair() : Key(), Value() {}
  explicit ZQ_MapKeyValuePair(const K& Key) : Key(Key), Value() {}
  ZQ_MapKeyValuePair(const K& Key, const V& Value) : Key(Key), Value(Value) {}

  const K& GetKey() const { return Key; }
  const V& GetValue() const { return Value; }

  K Key;
  V Value;
};

// One element of a chain: {Next, key, value}.
template <class K, class V>
struct ZQ_MapLink : ZQ_MapLinkBase, ZQ_MapKeyValuePair<K, V> {
  explicit ZQ_MapLink(const K& Key) : ZQ_MapKeyValuePair<K, V>(Key) {}
  ZQ_MapLink(const K& Key, const V& Value) : ZQ_MapKeyValuePair<K, V>(Key, Value) {}
};

template <class K, class V>
class ZQ_MapIteratorReference;
template <class K, class V>
class ZQ_MapKeyIteratorReference;
template <class K, class V>
class ZQ_MapValueIteratorReference;

template <class K, class V>
class ZQ_Map : public ZQ_MapBase {
 public:
  using Link = ZQ_MapLink<K, V>;

  // Creation and lifetime. Most maps of the system use 37 buckets.
  explicit ZQ_Map(long NumBuckets = 37) : ZQ_MapBase(NumBuckets) {}
  ZQ_Map(const ZQ_Map& Other) : ZQ_MapBase(Other.GetNumBuckets()) {
    static_assert(std::is_copy_constructible_v<V>, "a map of move-only values cannot be copied");
    try {
      CopyChainsFrom(Other);
    } catch (...) {
      RemoveAll();  // no destructor of this class runs for a failed constructor
      throw;
    }
  }
  ZQ_Map& operator=(const ZQ_Map& Other) {
    static_assert(std::is_copy_constructible_v<V>, "a map of move-only values cannot be copied");
    ZQ_MapBase::operator=(Other);
    return *this;
  }
  ~ZQ_Map() override { RemoveAll(); }

  // Find-or-insert: the link of Key, created with a default value when new.
  // A growth keeps links where they are.
  Link* GetOrCreateLink(const K& Key) {
    return static_cast<Link*>(ZQ_MapBase::GetOrCreateLink(&Key));
  }
  // Stores Value under Key; true when the key was new, false when an
  // existing value was replaced.
  bool Set(const K& Key, const V& Value) {
    static_assert(std::is_copy_assignable_v<V>, "move-only values are moved in");
    return ZQ_MapBase::Set(&Key, &Value);
  }
  bool Set(const K& Key, V&& Value) {
    bool isNew = false;
    static_cast<Link*>(ZQ_MapBase::GetOrCreateLink(&Key, &isNew))->Value = std::move(Value);
    return isNew;
  }
  // Set for a key that must be new (asserts "ValueIsNew"); the value is
  // replaced all the same, also when the failure throws.
  void Insert(const K& Key, const V& Value) {
    static_assert(std::is_copy_assignable_v<V>, "move-only values are moved in");
    ZQ_MapBase::Insert(&Key, &Value);
  }
  void Insert(const K& Key, V&& Value) { AssertInsertedKeyWasNew(Set(Key, std::move(Value))); }
  // True and the value copied to Output, or false with Output untouched.
  bool GetValueIfExists(const K& Key, V& Output) const {
    static_assert(std::is_copy_assignable_v<V>, "use FindLink for move-only values");
    return ZQ_MapBase::GetValueIfExists(&Key, &Output);
  }
  // The value of a key that must exist (asserts "MatchingLink"). Once the
  // assertion returns, a missing key gives a spare default value.
  V& GetValue(const K& Key) {
    Link* link = static_cast<Link*>(GetExistingLink(&Key));
    return link ? link->Value : MissingValue();
  }
  const V& GetValue(const K& Key) const {
    Link* link = static_cast<Link*>(GetExistingLink(&Key));
    return link ? link->Value : MissingValue();
  }
  // The link of Key, or null: access without copying the value.
  Link* FindLink(const K& Key) const { return static_cast<Link*>(ZQ_MapBase::FindLink(&Key)); }
  bool KeyExists(const K& Key) const { return ZQ_MapBase::KeyExists(&Key); }
  // Deletes Key and its value. A missing key asserts "false" when MustExist,
  // and is otherwise ignored. True when something was removed.
  bool Remove(const K& Key, bool MustExist) { return ZQ_MapBase::Remove(&Key, MustExist); }

  // Iterators in table order. The map must outlive them and must not gain
  // or lose keys while they are in use.
  ZQ_ReadOnlyIterator<ZQ_MapKeyValuePair<K, V>> GetIterator() const {
    return ZQ_ReadOnlyIterator<ZQ_MapKeyValuePair<K, V>>(new ZQ_MapIteratorReference<K, V>(this));
  }
  ZQ_ReadOnlyIterator<K> GetKeyIterator() const {
    return ZQ_ReadOnlyIterator<K>(new ZQ_MapKeyIteratorReference<K, V>(this));
  }
  // Values are writable through it.
  ZQ_Iterator<V> GetValueIterator() {
    return ZQ_Iterator<V>(new ZQ_MapValueIteratorReference<K, V>(this));
  }

 protected:
  unsigned long HashKey(const void* Key) const override {
    return ZQ_MapKeyTraits<K>::Hash(*static_cast<const K*>(Key));
  }
  unsigned long HashLink(const ZQ_MapLinkBase* L) const override {
    return ZQ_MapKeyTraits<K>::Hash(static_cast<const Link*>(L)->Key);
  }
  ZQ_MapLinkBase* CreateLink(const void* Key) const override {
    return new Link(*static_cast<const K*>(Key));
  }
  ZQ_MapLinkBase* CopyLink(const ZQ_MapLinkBase* L) const override {
    if constexpr (std::is_copy_constructible_v<V>) {
      const Link* link = static_cast<const Link*>(L);
      return new Link(link->Key, link->Value);
    } else {
      (void)L;
      return nullptr;  // not reached: such maps are never copied
    }
  }
  void DeleteLink(ZQ_MapLinkBase* L) const override { delete static_cast<Link*>(L); }
  void SetLinkValue(ZQ_MapLinkBase* L, const void* Value) const override {
    if constexpr (std::is_copy_assignable_v<V>)
      static_cast<Link*>(L)->Value = *static_cast<const V*>(Value);
    else
      (void)L, (void)Value;  // not reached: move-only values are moved in
  }
  void GetLinkValue(const ZQ_MapLinkBase* L, void* Output) const override {
    if constexpr (std::is_copy_assignable_v<V>)
      *static_cast<V*>(Output) = static_cast<const Link*>(L)->Value;
    else
      (void)L, (void)Output;  // not reached: see GetValueIfExists
  }
  bool LinkMatchesKey(const ZQ_MapLinkBase* L, const void* Key) const override {
    return ZQ_MapKeyTraits<K>::Matches(static_cast<const Link*>(L)->Key,
                                       *static_cast<const K*>(Key));
  }
  ZQ_MapLinkBase* FindLinkInChain(ZQ_MapLinkBase* First, const void* Key) const override {
    const K& key = *static_cast<const K*>(Key);
    for (ZQ_MapLinkBase* link = First; link; link = link->Next)
      if (ZQ_MapKeyTraits<K>::Matches(static_cast<const Link*>(link)->Key, key)) return link;
    return nullptr;
  }

 private:
  // What GetValue gives for a missing key once the assertion returns.
  static V& MissingValue() {
    static V s_missing = V();
    return s_missing;
  }
};

// Iterator over {key, value} pairs.
template <class K, class V>
class ZQ_MapIteratorReference : public ZQ_ReadOnlyIteratorReference<ZQ_MapKeyValuePair<K, V>> {
 public:
  explicit ZQ_MapIteratorReference(const ZQ_MapBase* Map) : Position(Map) {}
  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override { return Position.Advance(); }
  bool IsValid() const override { return Position.IsValid(); }
  void Rewind() override { Position.Rewind(); }
  ZQ_MapIteratorReference<K, V>* Clone() const override {
    return new ZQ_MapIteratorReference<K, V>(*this);
  }
  const ZQ_MapKeyValuePair<K, V>& GetCurrent() override {
    ZQ_MapLinkBase* link = Position.GetLink();
    if (!link) {
      static const ZQ_MapKeyValuePair<K, V> s_none;
      return s_none;
    }
    return *static_cast<ZQ_MapLink<K, V>*>(link);
  }

 private:
  ZQ_MapIteratorReference(const ZQ_MapIteratorReference&) = default;
  ZQ_MapIteratorPosition Position;
};

// Iterator over the keys.
template <class K, class V>
class ZQ_MapKeyIteratorReference : public ZQ_ReadOnlyIteratorReference<K> {
 public:
  explicit ZQ_MapKeyIteratorReference(const ZQ_MapBase* Map) : Position(Map) {}
  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override { return Position.Advance(); }
  bool IsValid() const override { return Position.IsValid(); }
  void Rewind() override { Position.Rewind(); }
  ZQ_MapKeyIteratorReference<K, V>* Clone() const override {
    return new ZQ_MapKeyIteratorReference<K, V>(*this);
  }
  const K& GetCurrent() override {
    ZQ_MapLinkBase* link = Position.GetLink();
    if (!link) {
      static const K s_none = K();
      return s_none;
    }
    return static_cast<ZQ_MapLink<K, V>*>(link)->Key;
  }

 private:
  ZQ_MapKeyIteratorReference(const ZQ_MapKeyIteratorReference&) = default;
  ZQ_MapIteratorPosition Position;
};

// Iterator over the values, which it may change.
template <class K, class V>
class ZQ_MapValueIteratorReference : public ZQ_IteratorReference<V> {
 public:
  explicit ZQ_MapValueIteratorReference(const ZQ_MapBase* Map) : Position(Map) {}
  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override { return Position.Advance(); }
  bool IsValid() const override { return Position.IsValid(); }
  void Rewind() override { Position.Rewind(); }
  ZQ_MapValueIteratorReference<K, V>* Clone() const override {
    return new ZQ_MapValueIteratorReference<K, V>(*this);
  }
  V& GetCurrent() override {
    ZQ_MapLinkBase* link = Position.GetLink();
    if (!link) {
      static V s_none = V();
      return s_none;
    }
    return static_cast<ZQ_MapLink<K, V>*>(link)->Value;
  }

 private:
  ZQ_MapValueIteratorReference(const ZQ_MapValueIteratorReference&) = default;
  ZQ_MapIteratorPosition Position;
};

#endif
