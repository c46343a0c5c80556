// GlyphTestSupport.h: a recording glyph for the GUI tests. Every handler
// call is logged as "<name>.<slot><try>" (try 1 or 2) into a shared log; a
// glyph can be told to claim the messages of one slot on one try, and to run
// a side action when it is offered a message. Boxes are set directly.
// Also: the three-level tree the routing tests share, and a stage fixture
// that runs stages 1-7 before a test and 8-13 after it.
#ifndef GLYPH_TEST_SUPPORT_H
#define GLYPH_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../../foundation/AssertionTestSupport.h"
#include "ZQF_Glyph.h"
#include "ZQF_Message.h"
#include "ZQF_MessageRouter.h"

using VisitLog = std::vector<std::string>;

inline std::string Joined(const VisitLog& Log) {
  std::string text;
  for (const std::string& entry : Log) text += (text.empty() ? "" : " ") + entry;
  return text;
}

class RecordingGlyph : public ZQF_DrawableGlyph {
 public:
  RecordingGlyph(const std::string& Name, VisitLog* Log) : Name(Name), Log(Log) {}

  // Claims the messages of Slot ("Key", "LeftDown"...) on Try (1 or 2).
  void HandleOn(const std::string& Slot, int Try) {
    HandledSlot = Slot;
    HandledTry = Try;
  }
  void SetBox(long X, long Y, long Width, long Height) {
    SetBoundingBox(ZQ_Rectangle<long>(X, Y, Width, Height));
  }
  void SetSize(long Width, long Height) {
    DesiredSize.SetFixedX(Width);
    DesiredSize.SetFixedY(Height);
  }

  std::string Name;
  VisitLog* Log;
  // Runs when the glyph is offered a message, before it may claim it.
  std::function<void(ZQF_Message&, bool)> OnOffer;
  int NumAcceptLayouts = 0;
  int NumDesiredSizeUpdates = 0;

  void AcceptLayout() override { ++NumAcceptLayouts; }
  void UpdateMyDesiredSize() override {
    ++NumDesiredSizeUpdates;
    DesiredSize.MakeValid();
  }

#define RECORDING_HANDLER(Handler, Type, Slot) \
  void Handler(Type& Message, bool SecondTry) override { Record(Slot, Message, SecondTry); }
  RECORDING_HANDLER(HandleCommand, ZQF_CommandMessage, "Command")
  RECORDING_HANDLER(HandleNotification, ZQF_NotificationMessage, "Notification")
  RECORDING_HANDLER(HandleUpdate, ZQF_UpdateMessage, "Update")
  RECORDING_HANDLER(HandleGenericMessage, ZQF_GenericMessage, "Generic")
  RECORDING_HANDLER(HandleMouseLeftDown, ZQF_MouseMessage, "LeftDown")
  RECORDING_HANDLER(HandleMouseLeftDoubleClick, ZQF_MouseMessage, "LeftDouble")
  RECORDING_HANDLER(HandleMouseLeftUp, ZQF_MouseMessage, "LeftUp")
  RECORDING_HANDLER(HandleMouseRightDown, ZQF_MouseMessage, "RightDown")
  RECORDING_HANDLER(HandleMouseRightDoubleClick, ZQF_MouseMessage, "RightDouble")
  RECORDING_HANDLER(HandleMouseRightUp, ZQF_MouseMessage, "RightUp")
  RECORDING_HANDLER(HandleMouseMiddleDown, ZQF_MouseMessage, "MiddleDown")
  RECORDING_HANDLER(HandleMouseMiddleDoubleClick, ZQF_MouseMessage, "MiddleDouble")
  RECORDING_HANDLER(HandleMouseMiddleUp, ZQF_MouseMessage, "MiddleUp")
  RECORDING_HANDLER(HandleMouseWheel, ZQF_WheelMouseMessage, "Wheel")
  RECORDING_HANDLER(HandleMouseMove, ZQF_MouseMessage, "Move")
  RECORDING_HANDLER(HandleMouseSetCursor, ZQF_MouseMessage, "SetCursor")
  RECORDING_HANDLER(HandleFocusChange, ZQF_FocusChangeMessage, "Focus")
  RECORDING_HANDLER(HandleKey, ZQF_KeyMessage, "Key")
  RECORDING_HANDLER(HandleKeyUp, ZQF_KeyMessage, "KeyUp")
#undef RECORDING_HANDLER
  void HandleHelp(ZQF_HelpMessage& Message, bool SecondTry) override {
    Record("Help", Message, SecondTry);
    ZQF_DrawableGlyph::HandleHelp(Message, SecondTry);
  }

 private:
  void Record(const std::string& Slot, ZQF_Message& Message, bool SecondTry) {
    if (Log) Log->push_back(Name + "." + Slot + (SecondTry ? "2" : "1"));
    if (OnOffer) OnOffer(Message, SecondTry);
    if (Slot == HandledSlot && HandledTry == (SecondTry ? 2 : 1) && !Message.IsHandled()) {
      Message.SetHandled();
    }
  }

  std::string HandledSlot;
  int HandledTry = 0;
};

// Stacks its children top to bottom, each at its natural height and the
// full width; asks for the sum of the heights and the widest width.
class StackGlyph : public RecordingGlyph {
 public:
  using RecordingGlyph::RecordingGlyph;
  void UpdateMyDesiredSize() override {
    ++NumDesiredSizeUpdates;
    long width = 0;
    long height = 0;
    for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling()) {
      const ZQF_DesiredSize& child = c->GetDesiredSize();
      width = std::max(width, child.Natural.X);
      height += child.Natural.Y;
    }
    DesiredSize.SetX(width, 0, ZQF_DesiredSize::UnboundedMaximum);
    DesiredSize.SetY(height, 0, ZQF_DesiredSize::UnboundedMaximum);
  }
  void AcceptLayout() override {
    ++NumAcceptLayouts;
    long y = 0;
    for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling()) {
      const long height = c->GetDesiredSize().Natural.Y;
      LayoutChild(c, ZQ_Point<long>(0, y), ZQ_Point<long>(GetBoundingBox().Width, height));
      y += height;
    }
  }
};

// A glyph whose focus-path routing tries its other children.
class AlternativePathsGlyph : public RecordingGlyph,
                              public ZQF_FocusPathMessageRouter::TryAlternativePaths {
 public:
  using RecordingGlyph::RecordingGlyph;
};

// root (0, 0, 100, 100)
//   a (0, 0, 50, 100), focus child      b (50, 0, 50, 100)
//     a1 (0, 0, 50, 50), focus child      b1 (50, 0, 50, 50), focus child
//     a2 (0, 50, 50, 50)                  b2 (50, 50, 50, 50)
// Children in list order as named. The root owns the tree.
struct ThreeLevelTree {
  explicit ThreeLevelTree(VisitLog* Log) { Build(Log, [](const std::string& N, VisitLog* L) {
    return new RecordingGlyph(N, L);
  }); }
  template <class Make>
  ThreeLevelTree(VisitLog* Log, Make MakeGlyph) { Build(Log, MakeGlyph); }

  std::unique_ptr<RecordingGlyph> Root;
  RecordingGlyph* A = nullptr;
  RecordingGlyph* B = nullptr;
  RecordingGlyph* A1 = nullptr;
  RecordingGlyph* A2 = nullptr;
  RecordingGlyph* B1 = nullptr;
  RecordingGlyph* B2 = nullptr;

 private:
  template <class Make>
  void Build(VisitLog* Log, Make MakeGlyph) {
    Root.reset(MakeGlyph("root", Log));
    Root->SetBox(0, 0, 100, 100);
    A = Add(Root.get(), MakeGlyph("a", Log), 0, 0, 50, 100);
    B = Add(Root.get(), MakeGlyph("b", Log), 50, 0, 50, 100);
    A1 = Add(A, MakeGlyph("a1", Log), 0, 0, 50, 50);
    A2 = Add(A, MakeGlyph("a2", Log), 0, 50, 50, 50);
    B1 = Add(B, MakeGlyph("b1", Log), 50, 0, 50, 50);
    B2 = Add(B, MakeGlyph("b2", Log), 50, 50, 50, 50);
  }
  static RecordingGlyph* Add(ZQF_Glyph* Parent, RecordingGlyph* Child, long X, long Y, long W,
                             long H) {
    Parent->AddChild(Child, true);
    Child->SetBox(X, Y, W, H);
    return Child;
  }
};

#endif
