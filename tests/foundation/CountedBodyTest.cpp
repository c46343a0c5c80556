#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "AssertionTestSupport.h"
#include "ZQ_CountedBody.h"

namespace {

struct Body : ZQ_CountedBody {
  explicit Body(int* Ended) : ended(Ended) {}
  ~Body() { ++*ended; }
  int* ended;
};

// A body whose release check reads as its owner's documentation has it.
struct RenamedCheckBody : ZQ_CountedBody {
  static constexpr const char* ReleaseCondition = "AccessReferenceCount (Data) > 0";
};

int s_customEnds = 0;
void CustomEnd(Body* Shared) noexcept {
  ++s_customEnds;
  delete Shared;
}

TEST(ZQ_CountedHandle, TheLastShareEndsTheBodyThroughItsDestroyFunction) {
  int ended = 0;
  s_customEnds = 0;
  {
    ZQ_CountedHandle<Body, &CustomEnd> first(new Body(&ended));
    {
      ZQ_CountedHandle<Body, &CustomEnd> second(first), third;
      third = second;
      third = third;  // taken before given up: survives
      EXPECT_EQ(first.GetReferenceCount(), 3);
      EXPECT_TRUE(third == first);
    }
    EXPECT_EQ(ended, 0);
    first.Reset(new Body(&ended));
    EXPECT_EQ(ended, 1);
  }
  EXPECT_EQ(ended, 2);
  EXPECT_EQ(s_customEnds, 2);
}

TEST(ZQ_CountedHandle, AShareTheCountLacksFailsOnAssignmentAndFreesNothing) {
  const struct { std::function<std::string()> failure; const char* condition; const char* why; } kCases[] = {
      {[] {
         int ended = 0;
         Body* body = new Body(&ended);
         ZQ_CountedHandle<Body> handle(body);
         body->Release();  // the handle's share, lost behind its back
         const std::string failure = AssertionFailureOf([&] { handle.Reset(); });
         EXPECT_EQ(ended, 0);
         delete body;
         return failure;
       },
       "ReferenceCount > 0", "the general check"},
      {[] {
         RenamedCheckBody* body = new RenamedCheckBody;
         ZQ_CountedHandle<RenamedCheckBody> handle(body);
         body->Release();
         const std::string failure = AssertionFailureOf([&] { handle.Reset(); });
         delete body;
         return failure;
       },
       "AccessReferenceCount (Data) > 0", "a body's own wording"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string failure = c.failure();
    EXPECT_TRUE(FailedOn(failure, c.condition)) << failure;
  }
}

// The tests run in assertion mode 3: a check that threw from a destructor
// would end the test program.
TEST(ZQ_CountedHandle, DestructorsOnlyLogAViolatedCount) {
  int ended = 0;
  Body* body = new Body(&ended);
  {
    CapturedAssertionLog log;
    {
      ZQ_CountedHandle<Body> handle(body);
      body->Release();
    }
    EXPECT_TRUE(log.Holds("ReferenceCount > 0")) << log.Text();
    EXPECT_EQ(ended, 0) << "a count already at 0 frees nothing";
  }
  {
    CapturedAssertionLog log;
    body->AddReference();  // a share that is never given back
    delete body;
    EXPECT_TRUE(log.Holds("ReferenceCount == 0")) << log.Text();
    EXPECT_EQ(ended, 1);
  }
}

}  // namespace
