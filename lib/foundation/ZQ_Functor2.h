// ZQ_Functor2.h: ZQ_Functor2<A, B>, the callback of ZQ_Functor.h for
// functions of two arguments: a plain function, or an object and one of its
// member functions (the object is not owned). Empty by default; calling an
// empty one calls nothing. Copies are plain copies.
#ifndef ZQ_FUNCTOR2_H
#define ZQ_FUNCTOR2_H

#include <utility>

#include "ZQ_Functor.h"

template <class A, class B>
class ZQ_Functor2 : public ZQ_FunctorBase {
 public:
  ZQ_Functor2() : Invoker(nullptr) {}
  ZQ_Functor2(void (*Function)(A, B))
      : ZQ_FunctorBase(Function, nullptr), Invoker(Function ? &InvokeFunction : nullptr) {}
  template <class C>
  ZQ_Functor2(C* Object, void (C::*Member)(A, B))
      : ZQ_FunctorBase(Member, Object), Invoker(&InvokeMember<C, void (C::*)(A, B)>) {}

  void operator()(A First, B Second) const {
    if (Invoker) Invoker(this, std::forward<A>(First), std::forward<B>(Second));
  }

 private:
  static void InvokeFunction(const ZQ_Functor2* Self, A First, B Second) {
    Self->GetCode<void (*)(A, B)>()(std::forward<A>(First), std::forward<B>(Second));
  }
  template <class C, class Member>
  static void InvokeMember(const ZQ_Functor2* Self, A First, B Second) {
    (static_cast<C*>(Self->Object)->*(Self->GetCode<Member>()))(std::forward<A>(First),
                                                                  std::forward<B>(Second));
  }

  void (*Invoker)(const ZQ_Functor2* Self, A First, B Second);
};

#endif
