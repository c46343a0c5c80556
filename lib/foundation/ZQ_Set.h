// ZQ_Set.h: ZQ_Set<T>, a set of distinct values held as the keys of a
// ZQ_Map<T, bool> (values ignored): membership is key existence, and bucket
// counts, growth, hashing and iteration order are those of the map. One
// thread only.
#ifndef ZQ_SET_H
#define ZQ_SET_H

#include "ZQ_Map.h"

template <class T>
class ZQ_Set : public ZQ_Map<T, bool> {
 public:
  explicit ZQ_Set(long NumBuckets = 37) : ZQ_Map<T, bool>(NumBuckets) {}

  // True when Value was not in the set yet.
  bool Add(const T& Value) { return this->Set(Value, true); }
  bool Contains(const T& Value) const { return this->KeyExists(Value); }
  // True when Value was in the set.
  bool Remove(const T& Value) { return ZQ_Map<T, bool>::Remove(Value, false); }
  // The members, in the map's order.
  ZQ_ReadOnlyIterator<T> GetIterator() const { return this->GetKeyIterator(); }
};

#endif
