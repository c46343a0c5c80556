// ZQ_TypedMemoryPool.h: a ZQ_MemoryPool whose blocks are the size of T.
// Blocks are raw memory: the caller constructs and destroys T in them.
#ifndef ZQ_TYPEDMEMORYPOOL_H
#define ZQ_TYPEDMEMORYPOOL_H

#include "ZQ_MemoryPool.h"

template <class T>
class ZQ_TypedMemoryPool : public ZQ_MemoryPool {
 public:
  explicit ZQ_TypedMemoryPool(unsigned ElementsPerChunk = 64, bool ZeroFill = false)
      : ZQ_MemoryPool(sizeof(T), ElementsPerChunk, ZeroFill) {}
  T* Allocate() { return static_cast<T*>(ZQ_MemoryPool::Allocate()); }
  void Free(T* Block) { ZQ_MemoryPool::Free(Block); }
};

#endif
