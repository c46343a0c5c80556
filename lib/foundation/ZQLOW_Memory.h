// ZQLOW_Memory.h: raw memory blocks from the allocator behind the global
// operator new.
#ifndef ZQLOW_MEMORY_H
#define ZQLOW_MEMORY_H

namespace ZQLOW_Memory {

// A block of BlockSize bytes (0 is taken as 1). While memory is short it calls
// the installed new-handler and tries again; with no new-handler it returns
// null. Never throws.
void* Malloc(unsigned BlockSize) noexcept;
// Returns a Malloc block; null is allowed.
void Free(void* Block) noexcept;
// Copies N bytes; the blocks must not overlap.
void Copy(void* Dest, const void* Src, unsigned N) noexcept;
void Zero(void* Block, unsigned N) noexcept;

}  // namespace ZQLOW_Memory

#endif
