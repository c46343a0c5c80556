#include "ZQ_MemoryPool.h"

#include <cstring>
#include <new>

#include "ZQ_Assertion.h"

namespace {

void*& LinkOf(void* Block) { return *static_cast<void**>(Block); }

// A block must hold the free-list link, and blocks after the first must
// stay aligned for it.
unsigned UsableElementSize(unsigned ElementSize) {
  const unsigned link = sizeof(void*);
  if (ElementSize < link) return link;
  return (ElementSize + link - 1) / link * link;
}

}  // namespace

ZQ_MemoryPool::ZQ_MemoryPool(unsigned ElementSize, unsigned ElementsPerChunk, bool ZeroFill)
    : ElementSize(UsableElementSize(ElementSize)), ElementsPerChunk(ElementsPerChunk), ZeroFill(ZeroFill) {
  ZQ_ASSERT(ElementsPerChunk > 0);
  // A chunk without blocks would leave Allocate with nothing to hand out.
  if (this->ElementsPerChunk == 0) this->ElementsPerChunk = 1;
}

void ZQ_MemoryPool::AddChunk() {
  const unsigned link = sizeof(void*);
  // The chunk's size must not wrap around to a small allocation.
  if (ElementsPerChunk > (0xFFFFFFFFu - link) / ElementSize) throw std::bad_alloc();
  char* chunk = static_cast<char*>(::operator new(link + ElementSize * ElementsPerChunk));
  LinkOf(chunk) = ChunkList;
  ChunkList = chunk;
  // Pushed in address order: the chunk's last block comes out first.
  for (unsigned i = 0; i < ElementsPerChunk; ++i) {
    char* block = chunk + link + i * ElementSize;
    LinkOf(block) = FreeList;
    FreeList = block;
  }
}

void* ZQ_MemoryPool::Allocate() {
  if (!FreeList) AddChunk();
  void* block = FreeList;
  FreeList = LinkOf(block);
  if (ZeroFill) std::memset(block, 0, ElementSize);
  return block;
}

void ZQ_MemoryPool::Free(void* Block) {
  if (!Block) return;
  LinkOf(Block) = FreeList;
  FreeList = Block;
}

void ZQ_MemoryPool::FreeAllChunks() {
  while (ChunkList) {
    void* chunk = ChunkList;
    ChunkList = LinkOf(chunk);
    ::operator delete(chunk);
  }
  FreeList = nullptr;
}

long ZQ_MemoryPool::GetNumChunks() const {
  long count = 0;
  for (void* chunk = ChunkList; chunk; chunk = *static_cast<void* const*>(chunk)) ++count;
  return count;
}
