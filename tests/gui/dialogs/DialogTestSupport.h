// DialogTestSupport.h: controls and helpers for the dialog tests: a named
// control with a box of its own, a mnemonic label and an optional validation
// failure; a builder of small named trees; idle-time steps that drive a
// running modal dialog (its nested loop performs them); key presses sent to
// a window as Windows would.
#ifndef DIALOG_TEST_SUPPORT_H
#define DIALOG_TEST_SUPPORT_H

#include <functional>
#include <string>
#include <vector>

#include "../core/WindowTestSupport.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_DialogBox.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQF_Validator.h"

// A control: a named box, a label whose mnemonic it answers (applying
// focuses nothing, it counts), and a failure its ValidateSelf throws.
class NamedControl : public ZQF_ControlGlyph {
 public:
  explicit NamedControl(const std::string& Name, const std::string& Label = "")
      : Name(Name), Label(Label) {
    DesiredSize.SetX(60, 60, 60);
    DesiredSize.SetY(20, 20, 20);
    SetComputesDesiredSize(false);
  }
  void SetBox(long X, long Y, long W, long H) { SetBoundingBox(ZQ_Rectangle<long>(X, Y, W, H)); }
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override {
    auto* query = dynamic_cast<ZQF_MnemonicQueryMessage*>(&Message);
    if (SecondTry || !query || !query->MatchesLabel(ZQ_String(Label.c_str()))) return;
    Message.SetHandled();
    if (query->IsApply()) ++NumApplied;
  }
  // A white field in the control's border, with a focus rectangle.
  void DrawSelf(ZQF_Canvas& Canvas) override {
    const ZQ_Rectangle<long> box = GetLocalBoundingBox();
    Canvas.Fill(box, ZQF_GetColorMetric(ZQF_ColorMetric_FieldBackground));
    DrawControlBorder(Canvas, box);
    if (Canvas.IsOnFocusPath()) {
      Canvas.DrawFocusIndicator(ZQ_Rectangle<long>(3, 3, box.Width - 6, box.Height - 6));
    }
  }
  void ValidateSelf() override {
    ++NumValidations;
    if (!Failure.empty()) {
      throw ZQF_ValidationFailureException(ZQ_String("Bad value"), ZQ_String(Failure.c_str()), this);
    }
  }
  std::string Name, Label, Failure;
  int NumApplied = 0;
  int NumValidations = 0;
};

// Runs Step once at the next idle time (inside a dialog's nested loop).
class IdleStep {
 public:
  explicit IdleStep(std::function<void()> Step) : Step(std::move(Step)) {}
  void Perform() {
    std::function<void()> step = Step;
    delete this;
    step();
  }
  static void Queue(std::function<void()> Step) {
    auto* action = new IdleStep(std::move(Step));
    ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(action, &IdleStep::Perform), 0, true);
  }

 private:
  std::function<void()> Step;
};

// A key press as Windows sends it: key-down, the character when there is
// one, key-up.
inline void PressKey(HWND Window, UINT VirtualKey, char Character = 0) {
  Send(Window, WM_KEYDOWN, VirtualKey, 1);
  if (Character) Send(Window, WM_CHAR, static_cast<unsigned char>(Character), 1);
  Send(Window, WM_KEYUP, VirtualKey, 0xC0000001);
}

// The dialog of the newest dialog window (a running box); null when none.
inline ZQF_DialogBox* NewestDialog() {
  ZQF_DialogBox* newest = nullptr;
  for (auto i = ZQF_Window::GetCurrentWindowsIterator(); i.IsValid(); i.Advance()) {
    if (auto* top = dynamic_cast<DialogBoxTopLevelGlyph*>((*i)->GetTopLevelGlyph())) {
      newest = top->GetDialog();
    }
  }
  return newest;
}

// The same through the message queue: the running loop dispatches it.
inline void PostKey(HWND Window, UINT VirtualKey) {
  ::PostMessageA(Window, WM_KEYDOWN, VirtualKey, 1);
  ::PostMessageA(Window, WM_KEYUP, VirtualKey, 0xC0000001);
}

// The names of the controls an iterator yields, blank separated.
inline std::string Names(ZQ_Iterator<ZQF_ControlGlyph*> Iterator) {
  std::string names;
  for (; Iterator.IsValid(); Iterator.Advance()) {
    const auto* control = dynamic_cast<NamedControl*>(*Iterator);
    names += (names.empty() ? "" : " ") + (control ? control->Name : std::string("?"));
  }
  return names;
}

#endif
