#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "ZQ_Exception.h"
#include "ZQ_MemoryPool.h"
#include "ZQ_TypedMemoryPool.h"

TEST(ZQ_MemoryPool, OneChunkServesItsBlocksLastFirst) {
  ZQ_MemoryPool pool(16, 64, false);
  EXPECT_EQ(pool.GetNumChunks(), 0);
  char* previous = static_cast<char*>(pool.Allocate());
  EXPECT_EQ(pool.GetNumChunks(), 1);
  for (int i = 1; i < 64; ++i) {
    char* block = static_cast<char*>(pool.Allocate());
    EXPECT_EQ(block, previous - 16) << "block " << i;  // address order, pushed: last comes first
    previous = block;
  }
  EXPECT_EQ(pool.GetNumChunks(), 1);
  pool.Allocate();
  EXPECT_EQ(pool.GetNumChunks(), 2);
}

TEST(ZQ_MemoryPool, FreedBlockComesBackNext) {
  ZQ_MemoryPool pool(24, 4, false);
  void* a = pool.Allocate();
  void* b = pool.Allocate();
  pool.Free(a);
  pool.Free(b);
  EXPECT_EQ(pool.Allocate(), b);
  EXPECT_EQ(pool.Allocate(), a);
  pool.Free(nullptr);  // nothing to take back
  EXPECT_EQ(pool.GetNumChunks(), 1);
}

TEST(ZQ_MemoryPool, ZeroFillClearsReusedBlocks) {
  const struct { bool zeroFill; bool wantCleared; } kCases[] = {{true, true}, {false, false}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.zeroFill);
    ZQ_MemoryPool pool(64, 8, c.zeroFill);
    char* block = static_cast<char*>(pool.Allocate());
    std::memset(block, 0xAB, 64);
    pool.Free(block);
    ASSERT_EQ(pool.Allocate(), block);
    // The first word holds the free-list link either way; look past it.
    const bool isCleared = block[8] == 0 && block[63] == 0;
    EXPECT_EQ(isCleared, c.wantCleared);
  }
}

TEST(ZQ_MemoryPool, FreeAllChunksReleasesEverything) {
  ZQ_MemoryPool pool(16, 2, false);
  pool.FreeAllChunks();  // no chunks yet: nothing happens
  for (int i = 0; i < 5; ++i) pool.Allocate();
  EXPECT_EQ(pool.GetNumChunks(), 3);
  pool.FreeAllChunks();
  EXPECT_EQ(pool.GetNumChunks(), 0);
  pool.Allocate();  // the pool starts over
  EXPECT_EQ(pool.GetNumChunks(), 1);
}

TEST(ZQ_MemoryPool, BlocksTooSmallForTheLinkAreWidened) {
  const struct { unsigned asked; unsigned want; } kCases[] = {{1, 4}, {4, 4}, {6, 8}, {16, 16}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.asked);
    ZQ_MemoryPool pool(c.asked, 3, true);
    EXPECT_EQ(pool.GetElementSize(), c.want);
    std::set<void*> blocks;
    for (int i = 0; i < 6; ++i) blocks.insert(pool.Allocate());
    EXPECT_EQ(blocks.size(), 6u);  // distinct blocks, no overlapping links
  }
}

TEST(ZQ_MemoryPool, ChunkWithoutBlocksFailsItsAssertion) {
  std::string failure;
  try {
    ZQ_MemoryPool pool(16, 0, false);
  } catch (const ZQ_Exception& e) {
    failure = e.GetName().GetText();
  }
  EXPECT_EQ(failure.rfind("Assertion failed: ElementsPerChunk > 0,", 0), 0u) << failure;
}

TEST(ZQ_MemoryPool, OversizedChunkThrowsBadAlloc) {
  ZQ_MemoryPool pool(0x10000, 0x10000, false);  // 4 GiB would wrap to 4 bytes
  EXPECT_THROW(pool.Allocate(), std::bad_alloc);
  EXPECT_EQ(pool.GetNumChunks(), 0);
}

TEST(ZQ_TypedMemoryPool, BlocksAreTheSizeOfTheType) {
  struct Node { double x, y; Node* next; };
  ZQ_TypedMemoryPool<Node> pool(64, true);
  Node* node = pool.Allocate();
  EXPECT_EQ(node->x, 0.0);
  EXPECT_EQ(pool.GetElementSize(), sizeof(Node));
  pool.Free(node);
  EXPECT_EQ(pool.Allocate(), node);
}
