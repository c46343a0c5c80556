// ZQF_ActionQueue.h: work to run when the program has nothing else to do.
// One-time actions run once; repeating actions run once per idle cycle.
// The application's idle handler calls ProcessNextAction while the Windows
// queue is empty, one action per call, until it returns false; every window
// message starts a new cycle (ResetIdleCycle). Nothing runs before the first
// cycle starts.
// The queue exists from stage 1 to stage 12: two repeating do-nothing
// sentinels keep it non-empty and end every cycle. Entries carry an owner key
// (the entry's address for key 0); RemoveAllActions marks an owner's entries,
// which are dropped unperformed when they reach the front, so marking is safe
// at any time, from inside an action too. UI thread only.
#ifndef ZQF_ACTIONQUEUE_H
#define ZQF_ACTIONQUEUE_H

#include "ZQ_CountedBody.h"
#include "ZQ_Functor.h"

// The shared body of an action.
class ZQF_QueuedActionReference : public ZQ_CountedBody {
 public:
  ZQF_QueuedActionReference() = default;
  virtual ~ZQF_QueuedActionReference();
  // Runs the action; the base does nothing.
  virtual void Perform();
};

// A handle on an action body; copies share it.
class ZQF_QueuedAction {
 public:
  ZQF_QueuedAction() = default;
  // Takes a share of Body.
  explicit ZQF_QueuedAction(ZQF_QueuedActionReference* Body) : Body(Body) {}
  void Perform() const {
    if (!Body.IsNull()) Body->Perform();
  }
  long GetReferenceCount() const { return Body.GetReferenceCount(); }

 private:
  ZQ_CountedHandle<ZQF_QueuedActionReference> Body;
};

class ZQF_ActionQueue {
 public:
  // Front (AtEnd false: performed next) or back of the queue. Return the
  // owner key.
  static unsigned long QueueOnetimeAction(const ZQF_QueuedAction& Action,
                                          unsigned long OwnerKey, bool AtEnd);
  static unsigned long QueueRepeatingAction(const ZQF_QueuedAction& Action,
                                            unsigned long OwnerKey, bool AtEnd);
  static unsigned long QueueOnetimeAction(const ZQ_Functor0& Callback, unsigned long OwnerKey,
                                          bool AtEnd);
  static unsigned long QueueRepeatingAction(const ZQ_Functor0& Callback,
                                            unsigned long OwnerKey, bool AtEnd);
  // Marks every entry of OwnerKey removed.
  static void RemoveAllActions(unsigned long OwnerKey);

  // Performs the action at the front unless the cycle is over; true when
  // something was done.
  static bool ProcessNextAction();
  static void ResetIdleCycle();

  // Entries, the sentinels included.
  static long GetNumEntries();
};

// Builds the queue at stage 1 and frees it at stage 12.
void ZQF_ActionQueue_InitializationServiceCallback(int Stage);

#endif
