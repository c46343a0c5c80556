// A seeded random-input run over one real window holding every control kind:
// text and bitmap buttons (one repeating), a single-line and a growing text
// field, a command adaptor, check boxes, a radio group with clients, tab
// pages, a scrolling container with both bars, nested adjustable panes, a
// toolbar, a tree whose nodes make their children when first opened, a flat
// list with a delayed keyboard notification, two dropdowns of values, the
// self-drawn window border and a menu bar. Thousands of mouse, key, focus
// and timer messages at points in and around the window, with idle cycles,
// deletions, disablings and resizes among them. Every press that may start
// a modal drag has the input that ends it posted first; right presses,
// which may open a pop-up menu, run with a timer that ends any menu. Afterwards: nothing failed or was
// reported, nothing holds the mouse, no drag or repeat timer runs, and every
// box lies inside its parent's.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <typeinfo>
#include <vector>

#include "../core/MenuTestSupport.h"
#include "../controls/DropdownTestSupport.h"
#include "../core/WindowTestSupport.h"
#include "ButtonTestSupport.h"
#include "ChoiceTestSupport.h"
#include "LayoutFormSupport.h"
#include "WindowBorderTestSupport.h"
#include "ZQF_ApplicationLink.h"
#include "ZQF_ButtonAutorepeatTimer.h"
#include "ZQF_ButtonCommandAdaptorGlyph.h"
#include "ZQF_ContaineeFrameGlyph.h"
#include "ZQF_DragOperation.h"
#include "ZQF_HorizontalAdjustablePaneGlyph.h"
#include "ZQF_ListGlyphTimers.h"
#include "ZQF_ParameterizedStringListDropdownGlyph.h"
#include "ZQF_ScrollBarAutorepeatTimer.h"
#include "ZQF_ScrollBarGlyph.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQF_ToolbarGlyph.h"
#include "ZQF_VerticalAdjustablePaneGlyph.h"
#include "ZQ_Timer.h"

namespace {

using R = ZQ_Rectangle<long>;
using T = ZQF_ToolbarGlyph;

ZQF_Window* s_window = nullptr;
ZQF_Window* GetStressMainWindow() { return s_window; }
void EndAnyMenu() { ::EndMenu(); }

ZQF_ListGlyph* StressTree() {
  auto* tree = new ZQF_ListGlyph(1);
  for (int i = 0; i < 4; ++i) tree->InsertAsLastRoot(new LazyRow("node " + std::to_string(i), 3, 3));
  return tree;
}

ZQF_ListGlyph* StressList() {
  auto* list = new ZQF_ListGlyph(0);
  list->SetChangeNotificationDelay(-1);
  for (int i = 0; i < 30; ++i) list->InsertAsLastRoot(new NamedRow("reading " + std::to_string(i)));
  return list;
}

// border [column [toolbar, panes side by side [buttons, a repeating arrow,
// an adaptor; stacked panes [choices; row [tabs, scrolling readings, tree,
// list]]], the command target]].
struct StressForm {
  ButtonPanel buttons;
  ChoicePanel choices;
  MenuTarget* target = new MenuTarget;
  ZQF_WindowBorderGlyph* border;

  StressForm() {
    auto* toolbar = new T(T::ButtonActive_FocusPath, -1, -1);
    for (long id : {T::Button_Cut, T::Button_Copy, T::Button_Paste}) {
      ZQ_String bitmap, tooltip;
      toolbar->AddStandardButton(id, bitmap, tooltip, "", 2, false);
    }
    auto* repeat = new ZQF_StandardBitmapButtonGlyph("ZQTEST_ArrowButtonBitmap", 0, 0);
    repeat->SetAutorepeatMode(1);
    auto* left = new ZQF_ColumnGlyph;
    left->SetSpacing(6);
    left->AddToBottom(buttons.Column);
    left->AddToBottom(repeat);
    auto* field = new ZQF_TextEditGlyph(0);
    field->SetValue("31.5 degrees");
    auto* growing = new ZQF_TextEditGlyph(2);
    growing->SetValue("notes\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11 the last line");
    left->AddToBottom(field);
    left->AddToBottom(growing);
    left->AddToBottom(new ZQF_ButtonCommandAdaptorGlyph(
        new ZQF_StandardTextButtonGlyph("C&ut", 0, 0), std::make_unique<ZQF_CutCommandMessage>(),
        std::make_unique<ZQF_CutCommandUpdateMessage>(),
        ZQF_ButtonCommandAdaptorGlyph::Dispatch_FromRootAlongFocusPath));
    auto* lower = new ZQF_RowGlyph;
    lower->AddToRight(TemperatureTabs(0));
    lower->AddToRight(new ZQF_ScrollingContainerGlyph(StationReadings(30), 0, 0, 1, 1, 0, 0, 0));
    lower->AddToRight(StressTree());
    lower->AddToRight(StressList());
    lower->AddToRight(new TestDropdown({"Alpha", "Bravo", "Charlie", "Delta", "Echo"}));
    auto* values = new ZQF_StoredStringListDropdownGlyph(-1);
    for (const char* value : {"Rural", "Urban", "Coastal"}) values->AddElement(value);
    lower->AddToRight(values);
    auto* right = new ZQF_VerticalAdjustablePaneGlyph(choices.root, lower, 0.5);
    auto* column = new ZQF_ColumnGlyph;
    column->AddToBottom(toolbar);
    column->AddToBottom(new ZQF_HorizontalAdjustablePaneGlyph(left, right, 0.4));
    target->SetSize(1, 1);
    target->OffersContextItem = true;
    column->AddToBottom(target);
    column->SetFocusChild(target);
    auto* options = new TestBorderOptions;
    options->SetHasTitleBar(true);
    options->SetTitle("Stress");
    options->SetShowSizeGrip(true);
    options->SetMovable(true);
    options->SetResizable(true);
    options->SetShowCloseButton(false);  // the run keeps its window
    border = new ZQF_WindowBorderGlyph(column, options);
  }
};

// The glyphs of kind G under Root, added to Out.
template <class G, class E>
void Collect(ZQF_Glyph* Root, std::vector<E*>& Out) {
  if (auto* g = dynamic_cast<G*>(Root)) Out.push_back(g);
  for (ZQF_Glyph* c = Root->GetFirstChild(); c; c = c->GetNextSibling()) Collect<G>(c, Out);
}

bool Inside(const R& Inner, const R& Outer) {
  return Inner.X >= Outer.X && Inner.Y >= Outer.Y && Inner.X + Inner.Width <= Outer.X + Outer.Width &&
         Inner.Y + Inner.Height <= Outer.Y + Outer.Height;
}

std::string Text(const R& Box) {
  return std::to_string(Box.X) + "," + std::to_string(Box.Y) + " " + std::to_string(Box.Width) +
         "x" + std::to_string(Box.Height);
}

// Whether Parent's children may lie outside its box: scrolled ones, hidden
// ones (in an empty box), and ones that keep their minimums in a box too
// small for them, overrunning its end.
bool MayOverrun(const ZQF_Glyph* Parent) {
  const R& box = Parent->GetBoundingBox();
  const ZQ_Point<long>& minimum = Parent->GetDesiredSize().Minimum;
  return dynamic_cast<const ZQF_ContaineeFrameGlyph*>(Parent) || Parent->IsBoundingBoxEmpty() ||
         box.Width < minimum.X || box.Height < minimum.Y;
}

// The first glyph whose box has a negative size or, unless empty or its
// parent may be overrun, leaves its parent's; "" when none.
std::string FirstLayoutFault(const ZQF_Glyph* Glyph) {
  const R& box = Glyph->GetBoundingBox();
  if (box.Width < 0 || box.Height < 0) return std::string("negative size: ") + typeid(*Glyph).name();
  const ZQF_Glyph* parent = Glyph->GetParent();
  if (parent && !Glyph->IsBoundingBoxEmpty() && !MayOverrun(parent) &&
      !Inside(box, parent->GetBoundingBox())) {
    return std::string("outside its parent: ") + typeid(*Glyph).name() + " " + Text(box) + " in " +
           typeid(*parent).name() + " " + Text(parent->GetBoundingBox());
  }
  for (const ZQF_Glyph* c = Glyph->GetFirstChild(); c; c = c->GetNextSibling()) {
    const std::string fault = FirstLayoutFault(c);
    if (!fault.empty()) return fault;
  }
  return "";
}

// Drives one window with a seeded stream of input.
class StressDriver {
 public:
  StressDriver(ZQF_Window* Window, unsigned Seed)
      : window(Window), handle(Window->GetWindowHandle()), random(Seed) {}

  void Step() {
    const long kind = Pick(100);
    LastKind = kind;
    if (kind < 28) return Mouse(WM_MOUSEMOVE, RandomButtons());
    if (kind < 36) return Press(WM_LBUTTONDOWN, MK_LBUTTON, WM_LBUTTONUP);
    if (kind < 44) return Mouse(WM_LBUTTONUP, 0);
    if (kind < 47) return Press(WM_LBUTTONDBLCLK, MK_LBUTTON, WM_LBUTTONUP);
    if (kind < 50) return Press(WM_MBUTTONDOWN, MK_MBUTTON, WM_MBUTTONUP);
    if (kind < 53) return Mouse(WM_MBUTTONUP, 0);
    if (kind < 55) return RightButton(WM_RBUTTONDOWN, MK_RBUTTON);
    if (kind < 57) return RightButton(WM_RBUTTONUP, 0);
    if (kind < 61) return Wheel();
    if (kind < 76) return Key(WM_KEYDOWN);
    if (kind < 84) return Key(WM_KEYUP);
    if (kind < 90) return TickTimers();
    if (kind < 92) return Act([this] { Send(handle, WM_KILLFOCUS); });
    if (kind < 93) return Act([this] { Send(handle, WM_CANCELMODE); });
    if (kind < 94) return Act([this] { window->SetFocus(); });
    if (kind < 97) return Act([] { RunIdleActions(); });
    if (kind < 98) return DisableOrEnable();
    if (kind < 99) return Delete();
    Resize();
  }

  // The last step's kind (0 to 99), for failure messages.
  long LastKind = -1;

  // Releases whatever the run left pressed, then lets the window settle.
  void Finish() {
    SetModifierKeys(false, false, false);
    Send(handle, WM_LBUTTONUP, 0, Point(-5, -5));
    Send(handle, WM_MBUTTONUP, 0, Point(-5, -5));
    Send(handle, WM_RBUTTONUP, 0, Point(-5, -5));
    for (WPARAM key : {VK_SPACE, VK_RETURN}) Send(handle, WM_KEYUP, key, 0xC0000001);
    PumpMessages();
    RunIdleActions();
    ::UpdateWindow(handle);
    PumpMessages();
  }

 private:
  long Pick(long N) { return std::uniform_int_distribution<long>(0, N - 1)(random); }

  // Half the time a point of a random glyph of a random kind (control,
  // scroll bar, scrolling container, pane or border), else one in or up to 30 pixels
  // around the client area.
  ZQ_Point<long> RandomPoint() {
    std::vector<ZQF_Glyph*> targets;
    switch (Pick(5)) {
      case 0: Collect<ZQF_ControlGlyph>(Root(), targets); break;
      case 1:
        Collect<ZQF_ScrollBarGlyph>(Root(), targets);
        Collect<ZQF_ListGlyph>(Root(), targets);
        break;
      case 2: Collect<ZQF_ScrollingContainerGlyph>(Root(), targets); break;
      case 3: Collect<ZQF_AdjustablePaneGlyph>(Root(), targets); break;
      default: Collect<ZQF_WindowBorderGlyph>(Root(), targets); break;
    }
    const R box = targets.empty() ? R() : targets[Pick(targets.size())]->GetBoundingBox();
    if (Pick(2) && box.Width > 0 && box.Height > 0) {
      return ZQ_Point<long>(box.X + Pick(box.Width), box.Y + Pick(box.Height));
    }
    RECT client;
    ::GetClientRect(handle, &client);
    return ZQ_Point<long>(Pick(client.right + 60) - 30, Pick(client.bottom + 60) - 30);
  }
  WPARAM RandomButtons() {
    const WPARAM choices[] = {0, 0, MK_LBUTTON, MK_MBUTTON, MK_RBUTTON};
    return choices[Pick(5)];
  }
  template <class F>
  void Act(F Action) {
    Action();
    PumpMessages();
  }
  void Mouse(UINT Message, WPARAM Buttons) {
    const ZQ_Point<long> at = RandomPoint();
    Act([&] { Send(handle, Message, Buttons, Point(at.X, at.Y)); });
  }
  // With the release and an Escape posted first: a drag the press starts
  // ends on them. When none starts they are taken back unseen, so that the
  // button stays held.
  void Press(UINT Message, WPARAM Buttons, UINT Release) {
    const ZQ_Point<long> at = RandomPoint();
    PointerTo(at);
    ::PostMessageA(handle, Release, 0, Point(at.X, at.Y));
    ::PostMessageA(handle, WM_KEYDOWN, VK_ESCAPE, 1);
    Send(handle, Message, Buttons, Point(at.X, at.Y));
    MSG left;
    while (::PeekMessageA(&left, handle, Release, Release, PM_REMOVE)) {
    }
    while (::PeekMessageA(&left, handle, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) {
    }
    PumpMessages();
  }
  // A timer ends any pop-up menu the press opens.
  void RightButton(UINT Message, WPARAM Buttons) {
    const ZQ_Point<long> at = RandomPoint();
    PointerTo(at);
    ZQ_Timer menuEnder(10, ZQ_Functor0(&EndAnyMenu));
    Send(handle, Message, Buttons, Point(at.X, at.Y));
    PumpMessages();
  }
  void Wheel() {
    POINT at{RandomPoint().X, RandomPoint().Y};
    ::ClientToScreen(handle, &at);
    const short delta = Pick(2) ? 120 : -120;
    Act([&] { Send(handle, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(at.x, at.y)); });
  }
  void Key(UINT Message) {
    const WPARAM keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE, VK_RETURN, VK_TAB, VK_NEXT, VK_END,
                           VK_ESCAPE, VK_F6, 'H', 'G', 'R', 'M', 'A', 'W', 'U', 'L', 'S', 'K'};
    const WPARAM key = keys[Pick(sizeof keys / sizeof keys[0])];
    const bool letter = key >= 'A' && key <= 'Z';
    SetModifierKeys(Pick(4) == 0, !letter && Pick(3) == 0, letter && Pick(3) == 0);
    Act([&] { Send(handle, Message, key, Message == WM_KEYUP ? 0xC0000001 : 1); });
  }
  void TickTimers() {
    if (ZQF_ButtonAutorepeatTimer* t = ZQF_ButtonGlyph::GetAutorepeatTimer()) t->Tick();
    if (ZQF_ScrollBarAutorepeatTimer* t = ZQF_ScrollBarGlyph::GetAutorepeatTimer()) t->Tick();
    if (ZQF_TextEditGlyphAutorepeatTimer* t = ZQF_TextEditGlyph::GetAutorepeatTimer()) t->Tick();
    if (ZQF_TextEditGlyphCaretBlinkTimer* t = ZQF_TextEditGlyph::GetCaretBlinkTimer()) t->Tick();
    PumpMessages();
  }
  ZQF_Glyph* Root() { return window->GetTopLevelGlyph(); }
  void DisableOrEnable() {
    std::vector<ZQF_ControlGlyph*> controls;
    Collect<ZQF_ControlGlyph>(Root(), controls);
    if (controls.empty()) return;
    ZQF_ControlGlyph* control = controls[Pick(controls.size())];
    Act([&] { control->SetEnabled(!control->IsEnabled()); });
  }
  // A glyph straight inside a plain row or column (a control, the adaptor,
  // or a whole toolbar, tab glyph, scrolling container, list or dropdown):
  // such parents keep no other pointer to it. Or a part of the composites
  // that go on without it: a radio group's buttons and clients, a scroll
  // bar's arrows. A list's own bars are not taken: the list reports their
  // loss as a caller error.
  void Delete() {
    std::vector<ZQF_Glyph*> all, candidates;
    Collect<ZQF_Glyph>(Root(), all);
    for (ZQF_Glyph* g : all) {
      const ZQF_Glyph* parent = g->GetParent();
      if (parent && (typeid(*parent) == typeid(ZQF_RowGlyph) ||
                     typeid(*parent) == typeid(ZQF_ColumnGlyph) ||
                     dynamic_cast<const ZQF_ExclusiveAlternativeControlGroupGlyph*>(parent) ||
                     dynamic_cast<const ZQF_ScrollBarGlyph*>(parent))) {
        candidates.push_back(g);
      }
    }
    if (candidates.empty()) return;
    ZQF_Glyph* victim = candidates[Pick(candidates.size())];
    Act([&] { victim->GetParent()->DeleteChild(victim); });
  }
  void Resize() {
    Act([this] { window->SetWindowRectangle(R(40, 40, 200 + Pick(500), 150 + Pick(400))); });
  }
  void PointerTo(const ZQ_Point<long>& At) {
    POINT p{At.X, At.Y};
    ::ClientToScreen(handle, &p);
    ::SetCursorPos(p.x, p.y);
  }

  ZQF_Window* window;
  HWND handle;
  std::mt19937 random;
};

class ControlStressTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ZQF_ApplicationFunctions functions;
    functions.GetMainWindow = &GetStressMainWindow;
    saved = ZQF_ApplicationLink_Register(functions);
  }
  void TearDown() override {
    ZQF_ApplicationLink_Register(saved);
    s_window = nullptr;
    WindowTest::TearDown();
  }
  ZQF_ApplicationFunctions saved;
};

TEST_F(ControlStressTest, SeededRandomInputLeavesEveryControlSound) {
  const unsigned kSeeds[] = {1, 2026, 777};
  const int kSteps = 1500;
  const int openingsBefore = TestDropdown::NumOpenings;
  for (unsigned seed : kSeeds) {
    SCOPED_TRACE(seed);
    ReportedErrors().clear();
    StressForm form;
    ZQF_Window* window = Open(new MenuBarWindow(new ZQF_TopLevelGlyph(form.border)),
                              R(40, 40, 640, 480));
    s_window = window;
    const HWND handle = window->GetWindowHandle();
    EditMenu menu(window);
    menu.Init_Build();
    menu.Attach();
    window->SetFocus();
    StressDriver driver(window, seed);
    int step = 0, firstError = -1;
    long firstKind = -1;
    try {
      for (; step < kSteps; ++step) {
        driver.Step();
        if (firstError < 0 && !ReportedErrors().empty()) {
          firstError = step;
          firstKind = driver.LastKind;
        }
      }
      driver.Finish();
    } catch (const ZQ_Exception& e) {
      ADD_FAILURE() << "step " << step << ", kind " << driver.LastKind << ": "
                    << e.GetDescription().GetText();
    } catch (...) {
      ADD_FAILURE() << "step " << step << ": an unknown exception";
    }
    ASSERT_TRUE(::IsWindow(handle));
    for (const std::string& error : ReportedErrors()) ADD_FAILURE() << "reported: " << error;
    if (!ReportedErrors().empty()) ADD_FAILURE() << "first reported at step " << firstError
                                              << ", kind " << firstKind;
    EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(ZQF_GetCurrentDragOperation(), nullptr);
    EXPECT_EQ(ZQF_ButtonGlyph::GetAutorepeatTimer(), nullptr);
    EXPECT_EQ(ZQF_ScrollBarGlyph::GetAutorepeatTimer(), nullptr);
    EXPECT_EQ(ZQF_ListGlyphAutoscrollTimer::GetCurrent(), nullptr);
    EXPECT_EQ(FirstLayoutFault(window->GetTopLevelGlyph()), "");
    EXPECT_EQ(ZQF_TextEditGlyph::GetAutorepeatTimer(), nullptr);
    // A blink timer serves a field that still lives.
    if (ZQF_TextEditGlyphCaretBlinkTimer* blink = ZQF_TextEditGlyph::GetCaretBlinkTimer()) {
      std::vector<ZQF_TextEditGlyph*> fields;
      Collect<ZQF_TextEditGlyph>(window->GetTopLevelGlyph(), fields);
      EXPECT_NE(std::find(fields.begin(), fields.end(), blink->GetControl()), fields.end());
    }
    ::DestroyWindow(handle);
    PumpMessages();
    s_window = nullptr;
  }
  EXPECT_GT(TestDropdown::NumOpenings, openingsBefore) << "the dropdown was opened";
}

}  // namespace
