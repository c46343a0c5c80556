// ZQF_TooltipStateMachine.h: when a tooltip opens and closes. Five states
// and five events; each transition runs actions (timer, hook, display) that
// a subclass carries out. The hook is installed exactly in states 1 and 2,
// the timer runs in states 1 and 4, the tooltip is shown in state 2. A
// tooltip waits its delay only the first time: reaching another tooltip
// within the recently-shown time shows it at once. Any key, click,
// activation or menu activity (the hook event) hides the tooltip until the
// mouse reaches a different one. An event that cannot occur in a state
// fails the assertion "false". An event raised while another is processed
// (by a window message its actions caused) is processed after it; a hook
// event held back so is dropped when the hook is gone by then.
// UI thread only.
#ifndef ZQF_TOOLTIPSTATEMACHINE_H
#define ZQF_TOOLTIPSTATEMACHINE_H

#include <vector>

class ZQF_TooltipStateMachine {
 public:
  enum State {
    State_Idle = 0,
    State_Pending = 1,
    State_Shown = 2,
    State_Dismissed = 3,
    State_RecentlyShown = 4
  };
  enum StateChange {
    StateChange_NullIDEvent = 0,      // no tooltip under the mouse
    StateChange_MatchingIDEvent = 1,  // the same tooltip as before
    StateChange_NewIDEvent = 2,       // another tooltip
    StateChange_HookEvent = 3,        // input or activation
    StateChange_TimerFireEvent = 4
  };

  virtual ~ZQF_TooltipStateMachine();

  void RaiseEvent(StateChange Event);
  State GetState() const { return CurrentState; }

 protected:
  // The current tooltip's delay, milliseconds.
  virtual long GetDisplayDelay() = 0;
  // How long a tooltip counts as recently shown, milliseconds.
  virtual long GetRecentlyShownTime() = 0;
  // Whether the current tooltip may show now (its glyph's window has the
  // focus).
  virtual bool CanDisplay() = 0;
  virtual void StartTimer(long PeriodMs) = 0;
  virtual void StopTimer() = 0;
  // Stop, then start.
  virtual void ResetTimer(long PeriodMs);
  virtual void InstallHook() = 0;
  virtual void UninstallHook() = 0;
  virtual void DisplayTooltip() = 0;
  virtual void EraseTooltip() = 0;
  // Erase, then display.
  virtual void RedisplayTooltips();

  // Returns the state to its start, for a new run of the stages.
  void ResetState() { CurrentState = State_Idle; }

 private:
  void Process(StateChange Event);
  void ProcessIdle(StateChange Event);
  void ProcessPending(StateChange Event);
  void ProcessShown(StateChange Event);
  void ProcessDismissed(StateChange Event);
  void ProcessRecentlyShown(StateChange Event);
  // Start the delay and watch the input: the way into state 1.
  void BeginPending();
  bool IsHookInstalled() const;
  static void Impossible();

  State CurrentState = State_Idle;
  bool Processing = false;
  std::vector<StateChange> Deferred;
};

#endif
