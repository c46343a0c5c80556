#include "ZQF_ActionQueue.h"

#include <climits>
#include <memory>

#include "ZQ_Assertion.h"
#include "ZQ_InitializationService.h"

namespace {

enum EntryState { State_Onetime = 0, State_Repeating = 1, State_Removed = 2 };

struct Entry {
  ZQF_QueuedAction Action;
  int State;
  unsigned long OwnerKey;
  Entry* Next;
};

// An action that calls a callback.
class CallbackQueuedActionReference : public ZQF_QueuedActionReference {
 public:
  explicit CallbackQueuedActionReference(const ZQ_Functor0& Callback) : Callback(Callback) {}
  void Perform() override { Callback(); }

 private:
  ZQ_Functor0 Callback;
};

struct QueueState {
  Entry* Head = nullptr;
  Entry* Tail = nullptr;
  long NumEntries = 0;
  // Repeating actions performed in this cycle; no cycle runs before the
  // first window message.
  long CycleCount = LONG_MAX;
};

QueueState s_queue;

const ZQ_StageCallbackRegistration s_registration(&ZQF_ActionQueue_InitializationServiceCallback,
                                                  ZQ_InitializationService::Position_ActionQueue);

void AppendEntry(Entry* Added) {
  Added->Next = nullptr;
  if (s_queue.Tail) {
    s_queue.Tail->Next = Added;
  } else {
    s_queue.Head = Added;
  }
  s_queue.Tail = Added;
}

unsigned long QueueEntry(const ZQF_QueuedAction& Action, int State, unsigned long OwnerKey,
                         bool AtEnd) {
  ZQ_ASSERT(s_queue.Tail);
  Entry* added = new Entry{Action, State, OwnerKey, nullptr};
  if (OwnerKey == 0) added->OwnerKey = reinterpret_cast<unsigned long>(added);
  if (AtEnd || !s_queue.Head) {
    AppendEntry(added);
  } else {
    added->Next = s_queue.Head;
    s_queue.Head = added;
  }
  ++s_queue.NumEntries;
  return added->OwnerKey;
}

ZQF_QueuedAction CallbackAction(const ZQ_Functor0& Callback) {
  return ZQF_QueuedAction(new CallbackQueuedActionReference(Callback));
}

// Takes the head entry off and acts by its state.
void CheckAction() {
  Entry* head = s_queue.Head;
  s_queue.Head = head->Next;
  if (!s_queue.Head) s_queue.Tail = nullptr;
  if (head->State == State_Repeating) {
    ++s_queue.CycleCount;
    AppendEntry(head);
    head->Action.Perform();
    return;
  }
  --s_queue.NumEntries;
  const std::unique_ptr<Entry> dropped(head);
  if (head->State == State_Onetime) head->Action.Perform();
}

void BuildQueue() {
  const ZQF_QueuedAction nothing(new ZQF_QueuedActionReference);
  for (int i = 0; i < 2; ++i) {
    Entry* sentinel = new Entry{nothing, State_Repeating, 0, nullptr};
    sentinel->OwnerKey = reinterpret_cast<unsigned long>(sentinel);  // no owner removes it
    AppendEntry(sentinel);
  }
  s_queue.NumEntries = 2;
  s_queue.CycleCount = LONG_MAX;  // a rebuilt queue waits for a window message too
}

void FreeQueue() {
  while (Entry* head = s_queue.Head) {
    s_queue.Head = head->Next;
    delete head;
  }
  s_queue.Tail = nullptr;
  s_queue.NumEntries = 0;
}

}  // namespace

ZQF_QueuedActionReference::~ZQF_QueuedActionReference() = default;

void ZQF_QueuedActionReference::Perform() {}

unsigned long ZQF_ActionQueue::QueueOnetimeAction(const ZQF_QueuedAction& Action,
                                                  unsigned long OwnerKey, bool AtEnd) {
  return QueueEntry(Action, State_Onetime, OwnerKey, AtEnd);
}

unsigned long ZQF_ActionQueue::QueueRepeatingAction(const ZQF_QueuedAction& Action,
                                                    unsigned long OwnerKey, bool AtEnd) {
  return QueueEntry(Action, State_Repeating, OwnerKey, AtEnd);
}

unsigned long ZQF_ActionQueue::QueueOnetimeAction(const ZQ_Functor0& Callback,
                                                  unsigned long OwnerKey, bool AtEnd) {
  return QueueOnetimeAction(CallbackAction(Callback), OwnerKey, AtEnd);
}

unsigned long ZQF_ActionQueue::QueueRepeatingAction(const ZQ_Functor0& Callback,
                                                    unsigned long OwnerKey, bool AtEnd) {
  return QueueRepeatingAction(CallbackAction(Callback), OwnerKey, AtEnd);
}

void ZQF_ActionQueue::RemoveAllActions(unsigned long OwnerKey) {
  for (Entry* e = s_queue.Head; e; e = e->Next) {
    if (e->OwnerKey == OwnerKey) e->State = State_Removed;
  }
}

bool ZQF_ActionQueue::ProcessNextAction() {
  if (s_queue.CycleCount >= s_queue.NumEntries || !s_queue.Head) return false;
  CheckAction();
  return true;
}

void ZQF_ActionQueue::ResetIdleCycle() { s_queue.CycleCount = 0; }

long ZQF_ActionQueue::GetNumEntries() { return s_queue.NumEntries; }

void ZQF_ActionQueue_InitializationServiceCallback(int Stage) {
  if (Stage == ZQ_InitializationService::Stage_InitializeDefinition) {
    BuildQueue();
  } else if (Stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit) {
    FreeQueue();
  }
}
