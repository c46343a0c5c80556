// ZQ_Functor.h: callbacks held by value in five 32-bit words, with no heap and
// no virtual functions: ZQ_Functor0 calls a function without argument,
// ZQ_Functor1<T> one with an argument of type T. Either a plain function (the
// code words hold it, Object is null) or an object and one of its member
// functions (the code words hold the member-function pointer, Object the
// object, which the functor does not own). The fifth word, the invoker, knows
// which. A default-constructed functor is empty: IsSet() is false and calling
// it calls nothing. Copies are plain copies of the five words.
#ifndef ZQ_FUNCTOR_H
#define ZQ_FUNCTOR_H

#include <cstring>
#include <utility>

// The code words and the object, common to every functor.
class ZQ_FunctorBase {
 public:
  // A functor counts as set when its first code word or its object is not
  // null; holders that may keep an empty one test this before calling.
  bool IsSet() const {
    void* firstWord;
    std::memcpy(&firstWord, Code, sizeof firstWord);
    return firstWord != nullptr || Object != nullptr;
  }
  void* GetObject() const { return Object; }

 protected:
  // Room for a plain function pointer or a member-function pointer (two
  // words with this compiler; three words of room as the layout allows).
  static const unsigned CodeSize = 3 * sizeof(void*);

  ZQ_FunctorBase() : Code(), Object(nullptr) {}
  template <class Fn>
  ZQ_FunctorBase(Fn Function, void* Object) : Code(), Object(Object) {
    static_assert(sizeof(Fn) <= CodeSize, "a callable must fit in the code words");
    std::memcpy(Code, &Function, sizeof(Fn));
  }
  template <class Fn>
  Fn GetCode() const {
    Fn function;
    std::memcpy(&function, Code, sizeof(Fn));
    return function;
  }

  unsigned char Code[CodeSize];
  void* Object;
};

class ZQ_Functor0 : public ZQ_FunctorBase {
 public:
  ZQ_Functor0() : Invoker(nullptr) {}
  // A plain function.
  ZQ_Functor0(void (*Function)())
      : ZQ_FunctorBase(Function, nullptr), Invoker(Function ? &InvokeFunction : nullptr) {}
  // A member function called on Object.
  template <class C>
  ZQ_Functor0(C* Object, void (C::*Member)())
      : ZQ_FunctorBase(Member, Object), Invoker(&InvokeMember<C, void (C::*)()>) {}
  template <class C>
  ZQ_Functor0(const C* Object, void (C::*Member)() const)
      : ZQ_FunctorBase(Member, const_cast<C*>(Object)),
        Invoker(&InvokeMember<const C, void (C::*)() const>) {}

  // Calls the function; an empty functor calls nothing.
  void operator()() const {
    if (Invoker) Invoker(this);
  }
  // True for a default-constructed functor (or a null function).
  bool IsEmpty() const { return Invoker == nullptr; }

 private:
  static void InvokeFunction(const ZQ_Functor0* Self);
  template <class C, class Member>
  static void InvokeMember(const ZQ_Functor0* Self) {
    (static_cast<C*>(Self->Object)->*(Self->GetCode<Member>()))();
  }

  void (*Invoker)(const ZQ_Functor0* Self);
};

template <class T>
class ZQ_Functor1 : public ZQ_FunctorBase {
 public:
  ZQ_Functor1() : Invoker(nullptr) {}
  ZQ_Functor1(void (*Function)(T))
      : ZQ_FunctorBase(Function, nullptr), Invoker(Function ? &InvokeFunction : nullptr) {}
  template <class C>
  ZQ_Functor1(C* Object, void (C::*Member)(T))
      : ZQ_FunctorBase(Member, Object), Invoker(&InvokeMember<C, void (C::*)(T)>) {}
  template <class C>
  ZQ_Functor1(const C* Object, void (C::*Member)(T) const)
      : ZQ_FunctorBase(Member, const_cast<C*>(Object)),
        Invoker(&InvokeMember<const C, void (C::*)(T) const>) {}

  // Calls the function with Argument; an empty functor calls nothing.
  void operator()(T Argument) const {
    if (Invoker) Invoker(this, std::forward<T>(Argument));
  }

 private:
  static void InvokeFunction(const ZQ_Functor1* Self, T Argument) {
    Self->GetCode<void (*)(T)>()(std::forward<T>(Argument));
  }
  template <class C, class Member>
  static void InvokeMember(const ZQ_Functor1* Self, T Argument) {
    (static_cast<C*>(Self->Object)->*(Self->GetCode<Member>()))(std::forward<T>(Argument));
  }

  void (*Invoker)(const ZQ_Functor1* Self, T Argument);
};

#endif
