// ZQ_Array.h: ZQ_Array<T>, a counted block of N elements that it owns
// (constructed and destroyed with the block), and ZQ_AutosizeArray<T>, whose
// writable element access grows the array instead of asserting. Many users
// keep an array of capacity N with a logical count of their own:
// InsertElements, RemoveElements and GetIterator take that count. The block
// may hold spare elements beyond N (default-constructed, never read), so that
// InsertElements at the end takes amortised constant time. Index
// violations go to the assertion service; nothing here throws except
// std::bad_alloc and what T's copies throw. One thread only.
#ifndef ZQ_ARRAY_H
#define ZQ_ARRAY_H

#include <utility>

#include "ZQ_Assertion.h"
#include "ZQ_Iterator.h"
#include "ZQ_StackTrace.h"

// Stands for "the logical count is N" in InsertElements and RemoveElements
// (bit pattern 0xFF71735B, a value no caller passes as a real count).
const long ZQ_Array_LogicalCountIsN = -9342117;

// Walks the indexes 0 to N - 1 of elements that a derived class keeps and
// gives through ElementAt. Advancing stops one past the end, so that IsValid
// stays false there; reading there asserts "Index < N" and, once the
// assertion service returns, gives a spare element.
template <class T>
class ZQ_IndexedIteratorReference : public ZQ_IteratorReference<T> {
 public:
  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override {
    if (Index < N) ++Index;
    return Index < N;
  }
  bool IsValid() const override { return Index < N; }
  void Rewind() override { Index = 0; }
  T& GetCurrent() override {
    ZQ_ASSERT(Index < N);
    if (!(Index < N)) {
      static T s_outside = T();
      return s_outside;
    }
    return ElementAt(Index);
  }

 protected:
  explicit ZQ_IndexedIteratorReference(long N) : N(N), Index(0) {}
  ZQ_IndexedIteratorReference(const ZQ_IndexedIteratorReference&) = default;
  // The element at At, 0 <= At < N.
  virtual T& ElementAt(long At) = 0;

  long N;      // elements to walk
  long Index;  // N once past the end
};

// Runs over NumElements elements of an array's own block; nothing is copied,
// so the array must outlive the iterator and keep its block.
template <class T>
class ZQ_ArrayIteratorReference : public ZQ_IndexedIteratorReference<T> {
 public:
  ZQ_ArrayIteratorReference(T* Elements, long N)
      : ZQ_IndexedIteratorReference<T>(N), Elements(Elements) {}
  ZQ_ArrayIteratorReference<T>* Clone() const override {
    return new ZQ_ArrayIteratorReference<T>(*this);
  }

 protected:
  T& ElementAt(long At) override { return Elements[At]; }

 private:
  ZQ_ArrayIteratorReference(const ZQ_ArrayIteratorReference&) = default;

  T* Elements;
};

template <class T>
class ZQ_Array {
 public:
  // Creation and lifetime
  ZQ_Array() : N(0), Capacity(0), data(nullptr) {}
  // N elements, each assigned FillValue.
  explicit ZQ_Array(long N, const T& FillValue = T()) : N(0), Capacity(0), data(nullptr) {
    ZQ_TRACE_FUNCTION("ZQ_Array::ZQ_Array");
    ZQ_ASSERT(N >= 0);
    if (N > 0) {
      data = NewBlock(N, nullptr, 0, FillValue, N);
      this->N = Capacity = N;
    }
  }
  ZQ_Array(const ZQ_Array& Other) : N(0), Capacity(0), data(nullptr) {
    ZQ_TRACE_FUNCTION("ZQ_Array::ZQ_Array");
    if (Other.N > 0) {
      data = NewBlock(Other.N, Other.data, Other.N, T(), Other.N);
      N = Capacity = Other.N;
    }
  }
  // Copies into a new block before the old one goes, so self-assignment and
  // assignment from an element's own array are safe.
  ZQ_Array& operator=(const ZQ_Array& Other) {
    ZQ_TRACE_FUNCTION("ZQ_Array::operator=");
    if (this != &Other) {
      T* copy = Other.N > 0 ? NewBlock(Other.N, Other.data, Other.N, T(), Other.N) : nullptr;
      delete[] data;
      data = copy;
      N = Capacity = Other.N;
    }
    return *this;
  }
  ~ZQ_Array() { delete[] data; }

  // Element access. Index must be 0 to N - 1; once the assertion service
  // returns, an index outside gives a spare element, never memory outside.
  T& operator[](long Index) {
    ZQ_ASSERT(Index >= 0 and Index < N);
    if (!(Index >= 0 && Index < N)) return OutsideElement();
    return data[Index];
  }
  const T& operator[](long Index) const {
    ZQ_ASSERT(Index >= 0 and Index < N);
    if (!(Index >= 0 && Index < N)) return OutsideElement();
    return data[Index];
  }
  long GetNumElements() const { return N; }

  // Changes the size to NewN: the first min(N, NewN) elements are kept, new
  // ones are assigned FillValue. Nothing happens when NewN equals N. Growth
  // within the block's spare elements stays in place; any other change makes
  // a block of exactly NewN elements, so the dropped elements go at once.
  void Resize(long NewN, const T& FillValue = T()) {
    ZQ_TRACE_FUNCTION("ZQ_Array::Resize");
    ZQ_ASSERT(NewN >= 0);
    if (NewN < 0 || NewN == N) return;
    if (NewN > N && NewN <= Capacity) {
      for (long i = N; i < NewN; ++i) data[i] = FillValue;
      N = NewN;
      return;
    }
    const long kept = N < NewN ? N : NewN;
    T* newData = NewN > 0 ? NewBlock(NewN, data, kept, FillValue, NewN) : nullptr;
    delete[] data;
    data = newData;
    N = Capacity = NewN;
  }

  // Opens a gap of NumElementsToInsert elements at InsertLocationIndex inside
  // the first NumLogicalElementsInArray elements (N by default), growing the
  // array to exactly logical + inserted elements when it is too small. The
  // gap keeps its old values; the caller assigns them.
  void InsertElements(long InsertLocationIndex,
                      long NumLogicalElementsInArray = ZQ_Array_LogicalCountIsN,
                      long NumElementsToInsert = 1) {
    if (NumLogicalElementsInArray == ZQ_Array_LogicalCountIsN) NumLogicalElementsInArray = N;
    // The frame only where it shows: in a failure's report, or around the
    // growth. Insertions at the end are too frequent to pay for it.
    if (!(0 <= InsertLocationIndex && 0 <= NumElementsToInsert &&
          InsertLocationIndex <= NumLogicalElementsInArray && NumLogicalElementsInArray <= N)) {
      ZQ_TRACE_FUNCTION("ZQ_Array::InsertElements");
      ZQ_ASSERT(0 <= InsertLocationIndex and 0 <= NumElementsToInsert);
      ZQ_ASSERT(InsertLocationIndex <= NumLogicalElementsInArray and NumLogicalElementsInArray <= N);
      return;
    }
    if (NumLogicalElementsInArray + NumElementsToInsert > N)
      GrowForInsertion(NumLogicalElementsInArray + NumElementsToInsert);
    for (long i = NumLogicalElementsInArray - 1; i >= InsertLocationIndex; --i)
      data[i + NumElementsToInsert] = data[i];
  }

  // Closes the range of NumElementsToRemove elements at RemoveLocationIndex
  // inside the first NumLogicalElementsInArray elements (N by default) by
  // moving the later ones down. N does not change: the last slots keep their
  // old values.
  void RemoveElements(long RemoveLocationIndex,
                      long NumLogicalElementsInArray = ZQ_Array_LogicalCountIsN,
                      long NumElementsToRemove = 1) {
    ZQ_TRACE_FUNCTION("ZQ_Array::RemoveElements");
    if (NumLogicalElementsInArray == ZQ_Array_LogicalCountIsN) NumLogicalElementsInArray = N;
    ZQ_ASSERT(0 <= RemoveLocationIndex and 0 <= NumElementsToRemove);
    ZQ_ASSERT((RemoveLocationIndex + NumElementsToRemove) <= NumLogicalElementsInArray);
    ZQ_ASSERT(NumLogicalElementsInArray <= N);
    if (!(0 <= RemoveLocationIndex && 0 <= NumElementsToRemove &&
          RemoveLocationIndex + NumElementsToRemove <= NumLogicalElementsInArray &&
          NumLogicalElementsInArray <= N))
      return;
    for (long i = RemoveLocationIndex; i + NumElementsToRemove < NumLogicalElementsInArray; ++i)
      data[i] = data[i + NumElementsToRemove];
  }

  // An iterator over NumElements elements from StartIndex, reading this
  // array's own block: the array must outlive it and must not be resized
  // meanwhile. Once the assertion service returns, a bad range gives an
  // iterator that is never valid.
  ZQ_Iterator<T> GetIterator(long StartIndex, long NumElements) {
    ZQ_TRACE_FUNCTION("ZQ_Array::GetIterator");
    ZQ_ASSERT((StartIndex >= 0) and (NumElements >= 0));
    ZQ_ASSERT((StartIndex + NumElements - 1) < N);
    if (!(StartIndex >= 0 && NumElements >= 0 && StartIndex + NumElements - 1 < N))
      return ZQ_Iterator<T>(new ZQ_ArrayIteratorReference<T>(nullptr, 0));
    return ZQ_Iterator<T>(new ZQ_ArrayIteratorReference<T>(data + StartIndex, NumElements));
  }
  // Over all N elements.
  ZQ_Iterator<T> GetIterator() { return GetIterator(0, N); }

 protected:
  // The element that out-of-range accesses get once the assertion service
  // returns; it belongs to no array.
  static T& OutsideElement() {
    static T s_outside;
    s_outside = T();
    return s_outside;
  }

 private:
  // N becomes NewN (> N), the new elements default-valued. When the block is
  // too small it at least doubles, so that repeated insertions at the end
  // copy each element a bounded number of times on average.
  void GrowForInsertion(long NewN) {
    if (NewN > Capacity) {
      ZQ_TRACE_FUNCTION("ZQ_Array::InsertElements");
      const long newCapacity = NewN > 2 * Capacity ? NewN : 2 * Capacity;
      T* newData = NewBlock(newCapacity, data, N, T(), N);
      delete[] data;
      data = newData;
      Capacity = newCapacity;
    }
    for (long i = N; i < NewN; ++i) data[i] = T();
    N = NewN;
  }

  // A block of Count elements: the first NumToCopy copied from Source, the
  // others up to NumToFill assigned FillValue, the rest left default-
  // constructed. Nothing leaks when a copy throws.
  static T* NewBlock(long Count, const T* Source, long NumToCopy, const T& FillValue,
                     long NumToFill) {
    T* block = new T[Count];
    try {
      for (long i = 0; i < NumToCopy; ++i) block[i] = Source[i];
      for (long i = NumToCopy; i < NumToFill; ++i) block[i] = FillValue;
    } catch (...) {
      delete[] block;
      throw;
    }
    return block;
  }

  long N;
  long Capacity;  // elements in the block, N of them in use
  T* data;
};

// An array whose writable element access at or beyond its end first grows it
// to max(2 x Index + 2, 2 x N) elements, the new ones default-valued (empty
// strings, 0, null, false). Read access is that of ZQ_Array.
template <class T>
class ZQ_AutosizeArray : public ZQ_Array<T> {
 public:
  ZQ_AutosizeArray() = default;
  explicit ZQ_AutosizeArray(long N, const T& FillValue = T()) : ZQ_Array<T>(N, FillValue) {}

  T& operator[](long Index) {
    if (Index >= this->GetNumElements()) GrowToInclude(Index);
    return ZQ_Array<T>::operator[](Index);
  }
  const T& operator[](long Index) const { return ZQ_Array<T>::operator[](Index); }

  void GrowToInclude(long Index) {
    ZQ_TRACE_FUNCTION("ZQ_AutosizeArray::GrowToInclude");
    const long twiceN = 2 * this->GetNumElements();
    const long wanted = 2 * Index + 2;
    this->Resize(wanted > twiceN ? wanted : twiceN, T());
  }
};

#endif
