// ZQ_Functor3.h: ZQ_Functor3<A, B, C>, the callback of ZQ_Functor.h for
// functions of three arguments: a plain function, or an object and one of
// its member functions (the object is not owned). Empty by default; calling
// an empty one calls nothing. Copies are plain copies.
#ifndef ZQ_FUNCTOR3_H
#define ZQ_FUNCTOR3_H

#include <utility>

#include "ZQ_Functor.h"

template <class A, class B, class C>
class ZQ_Functor3 : public ZQ_FunctorBase {
 public:
  ZQ_Functor3() : Invoker(nullptr) {}
  ZQ_Functor3(void (*Function)(A, B, C))
      : ZQ_FunctorBase(Function, nullptr), Invoker(Function ? &InvokeFunction : nullptr) {}
  template <class O>
  ZQ_Functor3(O* Object, void (O::*Member)(A, B, C))
      : ZQ_FunctorBase(Member, Object), Invoker(&InvokeMember<O, void (O::*)(A, B, C)>) {}

  void operator()(A First, B Second, C Third) const {
    if (Invoker) {
      Invoker(this, std::forward<A>(First), std::forward<B>(Second), std::forward<C>(Third));
    }
  }

 private:
  static void InvokeFunction(const ZQ_Functor3* Self, A First, B Second, C Third) {
    Self->GetCode<void (*)(A, B, C)>()(std::forward<A>(First), std::forward<B>(Second),
                                       std::forward<C>(Third));
  }
  template <class O, class Member>
  static void InvokeMember(const ZQ_Functor3* Self, A First, B Second, C Third) {
    (static_cast<O*>(Self->Object)->*(Self->GetCode<Member>()))(
        std::forward<A>(First), std::forward<B>(Second), std::forward<C>(Third));
  }

  void (*Invoker)(const ZQ_Functor3* Self, A First, B Second, C Third);
};

#endif
