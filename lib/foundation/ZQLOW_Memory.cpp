#include "ZQLOW_Memory.h"

#include <cstring>
#include <new>

namespace ZQLOW_Memory {

// The nothrow operator new already implements "0 is 1, retry through the
// new-handler, null without one".
void* Malloc(unsigned BlockSize) noexcept {
  return ::operator new(BlockSize == 0 ? 1 : BlockSize, std::nothrow);
}

void Free(void* Block) noexcept { ::operator delete(Block, std::nothrow); }

void Copy(void* Dest, const void* Src, unsigned N) noexcept {
  if (N != 0) std::memcpy(Dest, Src, N);
}

void Zero(void* Block, unsigned N) noexcept {
  if (N != 0) std::memset(Block, 0, N);
}

}  // namespace ZQLOW_Memory
