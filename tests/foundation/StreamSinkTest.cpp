#include "ZQ_StreamSink.h"

#include <gtest/gtest.h>

#include "AssertionTestSupport.h"
#include "ZQ_String.h"

namespace {

// Counts its own destruction, so tests can see when the last handle lets go.
class CountingSinkReference : public ZQ_StreamSinkReference {
 public:
  explicit CountingSinkReference(int* Destroyed) : Destroyed(Destroyed) {}
  ~CountingSinkReference() override { ++*Destroyed; }

 private:
  int* Destroyed;
};

}  // namespace

TEST(ZQ_StreamSink, DefaultSinkAcceptsAndDiscardsEverything) {
  ZQ_StreamSink sink;
  sink.Write("abc", 3);
  sink.Flush();
  EXPECT_EQ(sink.GetReference()->GetReferenceCount(), 1);
}

TEST(ZQ_StreamSink, HandlesShareOneObjectAndTheLastOneDeletesIt) {
  int destroyed = 0;
  {
    ZQ_StreamSink first(new CountingSinkReference(&destroyed));
    {
      ZQ_StreamSink second = first;
      EXPECT_EQ(first.GetReference(), second.GetReference());
      EXPECT_EQ(first.GetReference()->GetReferenceCount(), 2);
    }
    EXPECT_EQ(destroyed, 0) << "one handle is left";
    first = first;  // the count goes up before it goes down
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(first.GetReference()->GetReferenceCount(), 1);
    ZQ_StreamSink other;
    first = other;  // lets go of the counting object
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(other.GetReference()->GetReferenceCount(), 2);
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(ZQ_StreamSink, StringSinkAppendsToItsTarget) {
  ZQ_String target;
  {
    ZQ_StreamSink sink = ZQ_CreateStringStreamSink(&target);
    sink.Write("ab", 2);
    sink.Write("c", 1);
    sink.Write("\0d", 2);
    sink.Flush();
  }
  EXPECT_EQ(target.GetLength(), 5);
  EXPECT_EQ(std::string(target.GetText(), 5), std::string("abc\0d", 5));
}

TEST(ZQ_SeekableStreamSink, TheBareSeekableSinkFailsItsPositionCalls) {
  ZQ_SeekableStreamSink sink;
  sink.Write("x", 1);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { sink.Seek(0, 0); }), "false"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { sink.GetPosition(); }), "false"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { sink.GetSize(); }), "false"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { sink.IsBeforeEnd(); }), "false"));
}

TEST(ZQ_StreamSink, StringSinkReserveMakesRoomOnceAndKeepsTheText) {
  ZQ_String target("ab");
  ZQ_StreamSink sink = ZQ_CreateStringStreamSink(&target);
  sink.Reserve(1000);
  EXPECT_EQ(std::string(target.GetText()), "ab");
  EXPECT_GE(target.GetCapacity(), 1002);
  const char* const room = target.GetText();
  for (int i = 0; i < 100; ++i) sink.Write("0123456789", 10);
  EXPECT_EQ(target.GetText(), room) << "the writes fit the room made";
  EXPECT_EQ(target.GetLength(), 1002);
  sink.Reserve(10);  // room enough: nothing changes
  EXPECT_EQ(target.GetText(), room);
  sink.Reserve(0xFFFFFFF0ul);  // more than a string holds: left to the writes
  EXPECT_EQ(target.GetText(), room);
  ZQ_StreamSink().Reserve(1000);  // the bare sink ignores the hint
}
