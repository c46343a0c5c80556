// ZQ_Stack.h: ZQ_Stack<T, ChunkSize>, a last-in, first-out stack held as a
// chain of chunks of ChunkSize entries (20 in most uses), so it is never full:
// a chunk is added when the top one fills and freed as soon as its last entry
// is popped; the bottom chunk lives as long as the stack. Popping or reading
// the top of an empty stack asserts "N > 0". Not copyable. One thread only.
#ifndef ZQ_STACK_H
#define ZQ_STACK_H

#include <utility>

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

template <class T, int ChunkSize>
class ZQ_Stack {
  static_assert(ChunkSize > 0, "a chunk holds at least one entry");

 public:
  ZQ_Stack() : N(0), TopIndex(-1), Top(new ListStruct) {}
  ZQ_Stack(const ZQ_Stack&) = delete;
  ZQ_Stack& operator=(const ZQ_Stack&) = delete;
  ~ZQ_Stack() {
    RemoveAll();
    delete Top;
  }

  void Push(const T& Value) {
    ZQ_TRACE_FUNCTION("ZQ_Stack::Push");
    if (TopIndex + 1 == ChunkSize) {
      ListStruct* chunk = new ListStruct;  // before anything changes
      chunk->Next = Top;
      Top = chunk;
      TopIndex = -1;
    }
    Top->Items[TopIndex + 1] = Value;
    ++TopIndex;
    ++N;
  }

  // Removes and returns the top entry. Once the assertion returns, an empty
  // stack gives a default value and stays empty.
  T Pop() {
    ZQ_TRACE_FUNCTION("ZQ_Stack::Pop");
    ZQ_ASSERT(N > 0);
    if (N <= 0) return T();
    --N;
    // The slot is cleared, so the stack keeps nothing alive it no longer holds.
    T value(std::move(Top->Items[TopIndex]));
    Top->Items[TopIndex] = T();
    if (TopIndex == 0 && Top->Next) {
      ListStruct* emptied = Top;
      Top = Top->Next;
      delete emptied;
      TopIndex = ChunkSize - 1;
    } else {
      --TopIndex;
    }
    return value;
  }

  // The top entry, writable, without popping it. Once the assertion returns,
  // an empty stack gives a spare default value.
  T& GetTop() {
    ZQ_TRACE_FUNCTION("ZQ_Stack::GetTop");
    ZQ_ASSERT(N > 0);
    if (N <= 0) {
      static T s_none;
      s_none = T();
      return s_none;
    }
    return Top->Items[TopIndex];
  }

  long GetNumElements() const { return N; }
  bool IsEmpty() const { return N == 0; }

  // Pops everything: frees every chunk but the bottom one.
  void RemoveAll() {
    if (N == 0) return;
    while (Top->Next) {
      ListStruct* chunk = Top;
      Top = Top->Next;
      delete chunk;
    }
    // Released now rather than when the slots are next written.
    for (int i = 0; i < ChunkSize; ++i) Top->Items[i] = T();
    TopIndex = -1;
    N = 0;
  }

 private:
  struct ListStruct {
    ListStruct* Next = nullptr;  // the chunk below; null for the bottom one
    T Items[ChunkSize];
  };

  long N;          // number of entries
  int TopIndex;    // top entry inside the top chunk; -1 when empty
  ListStruct* Top;
};

#endif
