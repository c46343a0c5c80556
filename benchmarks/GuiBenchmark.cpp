// Times the glyph core without a window: a mouse message routed through a
// 20-deep tree, a key message routed down a 20-deep focus path, and one full
// layout pass over 10,000 glyphs of a stacking container (every glyph stale
// and unplaced, then ProcessResize on the top-level glyph). Prints the mean
// time of each. Usage: GuiBenchmark [messages] [layout passes]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ZQF_Message.h"
#include "ZQF_NullDrawableGlyph.h"
#include "ZQF_TopLevelGlyph.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Lays every child out to fill it, and asks for its first child's size.
class FillGlyph : public ZQF_OrganizationalGlyph {
 public:
  void UpdateMyDesiredSize() override {
    DesiredSize = GetFirstChild() ? GetFirstChild()->GetDesiredSize() : ZQF_DesiredSize();
    DesiredSize.MakeValid();
  }
  void AcceptLayout() override {
    const ZQ_Point<long> extent(GetBoundingBox().Width, GetBoundingBox().Height);
    for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling()) {
      LayoutChild(c, ZQ_Point<long>(0, 0), extent);
    }
  }
};

// Stacks its children top to bottom at their natural heights.
class StackGlyph : public ZQF_OrganizationalGlyph {
 public:
  void UpdateMyDesiredSize() override {
    long width = 0;
    long height = 0;
    for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling()) {
      const ZQF_DesiredSize& child = c->GetDesiredSize();
      if (child.Natural.X > width) width = child.Natural.X;
      height += child.Natural.Y;
    }
    DesiredSize.SetX(width, 0, ZQF_DesiredSize::UnboundedMaximum);
    DesiredSize.SetY(height, 0, ZQF_DesiredSize::UnboundedMaximum);
  }
  void AcceptLayout() override {
    long y = 0;
    for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling()) {
      const long height = c->GetDesiredSize().Natural.Y;
      LayoutChild(c, ZQ_Point<long>(0, y), ZQ_Point<long>(GetBoundingBox().Width, height));
      y += height;
    }
  }
};

// A top-level glyph over Depth - 2 fill glyphs and a leaf, laid out in an
// 800 x 600 window; each glyph is the focus child of the one above.
ZQF_TopLevelGlyph* MakeChain(int Depth) {
  ZQF_Glyph* client = new FillGlyph;
  ZQF_Glyph* last = client;
  for (int i = 3; i < Depth; ++i) {
    ZQF_Glyph* next = new FillGlyph;
    last->AddChild(next, true);
    last = next;
  }
  last->AddChild(new ZQF_NullDrawableGlyph, true);
  ZQF_TopLevelGlyph* top = new ZQF_TopLevelGlyph(client);
  top->ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 800, 600));
  return top;
}

template <class Message>
double MicrosecondsPerMessage(ZQF_Glyph* Start, int Count, Message Prototype) {
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < Count; ++i) {
    Message message(Prototype);
    Start->Dispatch(message);
  }
  return SecondsSince(start) * 1e6 / Count;
}

double MillisecondsPerLayoutPass(int Passes, int NumGlyphs) {
  StackGlyph* stack = new StackGlyph;
  std::vector<ZQF_Glyph*> leaves;
  for (int i = 0; i < NumGlyphs; ++i) {
    leaves.push_back(new ZQF_NullDrawableGlyph);
    stack->AddChild(leaves.back(), true);
  }
  ZQF_TopLevelGlyph top(stack);
  top.ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 800, 600));
  double seconds = 0.0;
  for (int pass = 0; pass < Passes; ++pass) {
    for (ZQF_Glyph* leaf : leaves) leaf->InvalidateToResizeAnchor();
    const Clock::time_point start = Clock::now();
    top.ProcessResize();
    seconds += SecondsSince(start);
  }
  return seconds * 1e3 / Passes;
}

}  // namespace

int main(int argc, char** argv) {
  const int messages = argc > 1 ? std::atoi(argv[1]) : 200000;
  const int passes = argc > 2 ? std::atoi(argv[2]) : 50;
  if (messages < 1 || passes < 1) {
    std::fprintf(stderr, "usage: GuiBenchmark [messages >= 1] [layout passes >= 1]\n");
    return 2;
  }
  ZQF_TopLevelGlyph* chain = MakeChain(20);
  const double mouse = MicrosecondsPerMessage(
      chain, messages, ZQF_MoveMouseMessage(400, 300, false, false, false));
  const double key =
      MicrosecondsPerMessage(chain, messages, ZQF_DownKeyMessage('K', false, false, false));
  delete chain;
  const double layout = MillisecondsPerLayoutPass(passes, 10000);
  std::printf("Mouse message through a 20-deep tree:   %8.3f us per message (%d messages)\n",
              mouse, messages);
  std::printf("Key message down a 20-deep focus path:  %8.3f us per message (%d messages)\n", key,
              messages);
  std::printf("Layout pass over 10,000 stacked glyphs: %8.3f ms per pass (%d passes)\n", layout,
              passes);
  return 0;
}
