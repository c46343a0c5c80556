#include "ZQF_TooltipStateMachine.h"

#include <cstddef>

#include "ZQ_Assertion.h"

ZQF_TooltipStateMachine::~ZQF_TooltipStateMachine() = default;

void ZQF_TooltipStateMachine::RaiseEvent(StateChange Event) {
  Deferred.push_back(Event);
  if (Processing) return;
  Processing = true;
  try {
    Process(Deferred[0]);
    for (std::size_t i = 1; i < Deferred.size(); ++i) {
      // An earlier event removed the hook: the input it saw changes nothing.
      if (Deferred[i] == StateChange_HookEvent && !IsHookInstalled()) continue;
      Process(Deferred[i]);
    }
  } catch (...) {
    Deferred.clear();
    Processing = false;
    throw;
  }
  Deferred.clear();
  Processing = false;
}

void ZQF_TooltipStateMachine::ResetTimer(long PeriodMs) {
  StopTimer();
  StartTimer(PeriodMs);
}

void ZQF_TooltipStateMachine::RedisplayTooltips() {
  EraseTooltip();
  DisplayTooltip();
}

void ZQF_TooltipStateMachine::Process(StateChange Event) {
  switch (CurrentState) {
    case State_Idle:
      ProcessIdle(Event);
      break;
    case State_Pending:
      ProcessPending(Event);
      break;
    case State_Shown:
      ProcessShown(Event);
      break;
    case State_Dismissed:
      ProcessDismissed(Event);
      break;
    case State_RecentlyShown:
      ProcessRecentlyShown(Event);
      break;
  }
}

void ZQF_TooltipStateMachine::Impossible() { ZQ_ASSERT(false); }

void ZQF_TooltipStateMachine::BeginPending() {
  StartTimer(GetDisplayDelay());
  InstallHook();
  CurrentState = State_Pending;
}

bool ZQF_TooltipStateMachine::IsHookInstalled() const {
  return CurrentState == State_Pending || CurrentState == State_Shown;
}

void ZQF_TooltipStateMachine::ProcessIdle(StateChange Event) {
  if (Event == StateChange_NullIDEvent) return;
  if (Event == StateChange_NewIDEvent) return BeginPending();
  Impossible();
}

void ZQF_TooltipStateMachine::ProcessPending(StateChange Event) {
  switch (Event) {
    case StateChange_NullIDEvent:
      StopTimer();
      UninstallHook();
      CurrentState = State_Idle;
      return;
    case StateChange_MatchingIDEvent:
    case StateChange_NewIDEvent:
      ResetTimer(GetDisplayDelay());
      return;
    case StateChange_HookEvent:
      StopTimer();
      UninstallHook();
      CurrentState = State_Dismissed;
      return;
    case StateChange_TimerFireEvent:
      StopTimer();
      if (CanDisplay()) {
        DisplayTooltip();
        CurrentState = State_Shown;
      } else {
        UninstallHook();
        CurrentState = State_Dismissed;
      }
      return;
  }
}

void ZQF_TooltipStateMachine::ProcessShown(StateChange Event) {
  switch (Event) {
    case StateChange_NullIDEvent:
      EraseTooltip();
      StartTimer(GetRecentlyShownTime());
      UninstallHook();
      CurrentState = State_RecentlyShown;
      return;
    case StateChange_MatchingIDEvent:
      return;
    case StateChange_NewIDEvent:
      RedisplayTooltips();
      return;
    case StateChange_HookEvent:
      EraseTooltip();
      UninstallHook();
      CurrentState = State_Dismissed;
      return;
    case StateChange_TimerFireEvent:
      Impossible();
      return;
  }
}

void ZQF_TooltipStateMachine::ProcessDismissed(StateChange Event) {
  if (Event == StateChange_NullIDEvent || Event == StateChange_MatchingIDEvent) return;
  if (Event == StateChange_NewIDEvent) return BeginPending();
  Impossible();
}

void ZQF_TooltipStateMachine::ProcessRecentlyShown(StateChange Event) {
  switch (Event) {
    case StateChange_NullIDEvent:
      return;
    case StateChange_NewIDEvent:
      DisplayTooltip();
      StopTimer();
      InstallHook();
      CurrentState = State_Shown;
      return;
    case StateChange_TimerFireEvent:
      StopTimer();
      CurrentState = State_Idle;
      return;
    default:
      Impossible();
  }
}
