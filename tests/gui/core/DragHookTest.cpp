// Drag-operation hooks: installation order, a copy per notification, and
// the list's assertions.
#include <gtest/gtest.h>

#include "DragTestSupport.h"
#include "GlyphTestSupport.h"

namespace {

TEST(DragOperationHooks, NotifyFromACopyInInstallationOrder) {
  std::vector<std::string> log;
  RecordingDragHook first(&log, "a");
  RecordingDragHook second(&log, "b");
  first.RemoveAtEnd = true;
  ProcessHooks_BeginDragOperation();
  ProcessHooks_ProcessMouseMove();
  ProcessHooks_EndDragOperation(true);
  ProcessHooks_EndDragOperation(false);
  EXPECT_EQ(Joined(log),
            "a.begin b.begin a.move b.move a.end cancelled b.end cancelled b.end");
}

TEST(DragOperationHooks, AHookInstalledTwiceIsCalledTwice) {
  std::vector<std::string> log;
  RecordingDragHook hook(&log);
  hook.Install();
  ProcessHooks_BeginDragOperation();
  hook.Remove();
  ProcessHooks_BeginDragOperation();
  EXPECT_EQ(Joined(log), "begin begin begin");
}

TEST(DragOperationHooks, RemovingAHookThatIsNotInstalledFails) {
  std::vector<std::string> log;
  RecordingDragHook stranger(&log);
  stranger.Remove();
  stranger.Installed = false;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { stranger.Remove(); }), "Head != NULL"));
  RecordingDragHook installed(&log);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { stranger.Remove(); }), "LinkToDelete != NULL"));
}

}  // namespace
