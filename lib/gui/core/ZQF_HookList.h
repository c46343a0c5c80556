// ZQF_HookList.h: ZQF_HookList<Callback>, one list of message hooks: records
// {callback, next, owner key}, the last installed first. A processing pass
// walks the list with a cursor (its next record) registered in a table of
// MaxNumActiveHookCursors entries, so that removing records while passes run
// (from a hook, for instance) moves every cursor past a deleted record.
// Passes nest at most MaxNumActiveHookCursors deep; one more is the
// assertion failure "NumActiveHookCursors < MaxNumActiveHookCursors" and
// does not run. A pass calls a copy of each callback, so a hook may remove
// itself. UI thread only.
#ifndef ZQF_HOOKLIST_H
#define ZQF_HOOKLIST_H

#include "ZQ_Assertion.h"

template <class Callback>
class ZQF_HookList {
 public:
  static constexpr int MaxNumActiveHookCursors = 8;

  ZQF_HookList() = default;
  ZQF_HookList(const ZQF_HookList&) = delete;
  ZQF_HookList& operator=(const ZQF_HookList&) = delete;
  ~ZQF_HookList() { RemoveAll(); }

  // Owner key 0 stands for the new record's own address. Returns the key.
  unsigned long Install(const Callback& Function, unsigned long OwnerKey) {
    Record* record = new Record{Function, Head, OwnerKey};
    if (OwnerKey == 0) record->OwnerKey = reinterpret_cast<unsigned long>(record);
    Head = record;
    return record->OwnerKey;
  }

  void Uninstall(unsigned long OwnerKey) {
    Record** link = &Head;
    while (*link) {
      Record* record = *link;
      if (record->OwnerKey == OwnerKey) {
        *link = record->Next;
        DeleteHook(record);
      } else {
        link = &record->Next;
      }
    }
  }

  void RemoveAll() {
    while (Head) {
      Record* record = Head;
      Head = record->Next;
      DeleteHook(record);
    }
  }

  bool IsEmpty() const { return Head == nullptr; }

  // Calls Call (callback) for each record from the first while Continue ()
  // holds after a call. False when the pass could not start.
  template <class CallFunction, class ContinueFunction>
  bool Process(CallFunction Call, ContinueFunction Continue) {
    ZQ_ASSERT(NumActiveHookCursors < MaxNumActiveHookCursors);
    if (NumActiveHookCursors >= MaxNumActiveHookCursors) return false;
    ActiveCursor cursor(*this, Head);
    while (Record* record = cursor.Next) {
      cursor.Next = record->Next;
      const Callback function = record->Function;
      Call(function);
      if (!Continue()) break;
    }
    return true;
  }

 private:
  struct Record {
    Callback Function;
    Record* Next;
    unsigned long OwnerKey;
  };

  // A registered cursor; unregistered also when a callback throws. Passes
  // nest, so the newest cursor is always the last of the table.
  struct ActiveCursor {
    ActiveCursor(ZQF_HookList& List, Record* First) : List(List), Next(First) {
      List.Cursors[List.NumActiveHookCursors++] = this;
    }
    ~ActiveCursor() { --List.NumActiveHookCursors; }
    ActiveCursor(const ActiveCursor&) = delete;
    ActiveCursor& operator=(const ActiveCursor&) = delete;

    ZQF_HookList& List;
    Record* Next;
  };

  // Moves the cursors that point at Unlinked past it, then frees it.
  void DeleteHook(Record* Unlinked) {
    for (int i = 0; i < NumActiveHookCursors; ++i) {
      if (Cursors[i]->Next == Unlinked) Cursors[i]->Next = Unlinked->Next;
    }
    delete Unlinked;
  }

  Record* Head = nullptr;
  ActiveCursor* Cursors[MaxNumActiveHookCursors] = {};
  int NumActiveHookCursors = 0;
};

#endif
