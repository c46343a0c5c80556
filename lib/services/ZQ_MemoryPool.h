// ZQ_MemoryPool.h: blocks of one fixed size handed out from chunks of many
// blocks each and taken back onto a free list (last in, first out). Blocks
// go back to the heap only all together, with their chunks. The pool owns
// its chunks; a block freed twice or belonging to another pool is not
// detected. Allocation failure throws std::bad_alloc. One thread only.
#ifndef ZQ_MEMORYPOOL_H
#define ZQ_MEMORYPOOL_H

class ZQ_MemoryPool {
 public:
  // ElementSize bytes a block (raised to the size of a pointer, which a
  // free block holds), ElementsPerChunk (at least 1, "ElementsPerChunk > 0")
  // blocks a chunk; ZeroFill clears each block handed out.
  ZQ_MemoryPool(unsigned ElementSize, unsigned ElementsPerChunk, bool ZeroFill);
  ~ZQ_MemoryPool() { FreeAllChunks(); }
  ZQ_MemoryPool(const ZQ_MemoryPool&) = delete;
  ZQ_MemoryPool& operator=(const ZQ_MemoryPool&) = delete;

  // A block of the element size; adds a chunk when no block is free.
  void* Allocate();
  // Takes Block (from this pool's Allocate) back; it comes out next.
  void Free(void* Block);
  // Releases every chunk: every block handed out becomes invalid.
  void FreeAllChunks();

  unsigned GetElementSize() const { return ElementSize; }
  long GetNumChunks() const;

 private:
  void AddChunk();

  unsigned ElementSize;
  unsigned ElementsPerChunk;
  bool ZeroFill;
  void* ChunkList = nullptr;  // newest chunk; its first word links the one before
  void* FreeList = nullptr;   // first free block; its first word links the next
};

#endif
