#include <gtest/gtest.h>

#include <vector>

#include "GlyphTestSupport.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"

namespace {

// A client that reports its destruction.
class WatchedGlyph : public RecordingGlyph {
 public:
  explicit WatchedGlyph(bool* Destroyed) : RecordingGlyph("watched", nullptr), Destroyed(Destroyed) {}
  ~WatchedGlyph() override { *Destroyed = true; }

 private:
  bool* Destroyed;
};

std::vector<ZQF_Window*> LiveWindows() {
  std::vector<ZQF_Window*> windows;
  for (ZQ_Iterator<ZQF_Window*> i = ZQF_Window::GetCurrentWindowsIterator(); i.IsValid(); i.Advance()) {
    windows.push_back(*i);
  }
  return windows;
}

TEST(Window, LiveWindowsInCreationOrder) {
  const long before = ZQF_Window::GetNumCurrentWindows();
  const std::vector<ZQF_Window*> earlier = LiveWindows();  // the harness's main window
  const auto after = [&earlier](std::vector<ZQF_Window*> Windows) {
    Windows.insert(Windows.begin(), earlier.begin(), earlier.end());
    return Windows;
  };
  bool destroyed = false;
  ZQF_Window* first = new ZQF_Window(new ZQF_TopLevelGlyph(new WatchedGlyph(&destroyed)));
  ZQF_Window* second = new ZQF_Window(new ZQF_TopLevelGlyph(new RecordingGlyph("c", nullptr)));
  ZQF_Window* third = new ZQF_Window(new ZQF_TopLevelGlyph(new RecordingGlyph("c", nullptr)));
  EXPECT_EQ(LiveWindows(), after({first, second, third}));
  delete first;
  EXPECT_TRUE(destroyed);  // the window owns its tree
  EXPECT_EQ(LiveWindows(), after({second, third}));
  EXPECT_EQ(ZQF_Window::GetWindowFromHandle(nullptr), nullptr);  // not yet created
  EXPECT_EQ(second->GetTargetGlyphForMouseEvent(), second->GetTopLevelGlyph());
  delete third;
  delete second;
  EXPECT_EQ(ZQF_Window::GetNumCurrentWindows(), before);
}

}  // namespace
