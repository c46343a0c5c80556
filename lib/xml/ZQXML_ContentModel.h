// ZQXML_ContentModel.h: the content model of one declared element, compiled
// to a deterministic state machine over the definition's element indices.
// A children model ("(a, (b | c)*, d?)") is parsed into a tree of
// ZQXML_ContentParticle and compiled once: its position automaton (one
// position per element name, with first, last and follow sets) is turned
// into a DFA by the subset construction, so a non-deterministic model such
// as "(a+ | b+)" is still matched exactly. EMPTY, mixed content and
// "(#PCDATA)" are machines of one state. Nothing throws; a model of more
// than MaxNames names, or whose machine would exceed MaxStates states, is
// refused by Compile. One thread only.
#ifndef ZQXML_CONTENTMODEL_H
#define ZQXML_CONTENTMODEL_H

#include <vector>

struct ZQXML_ContentParticle {
  enum class Kind { Element, Sequence, Choice };
  Kind Type = Kind::Element;
  long Element = -1;   // the element's index, for Kind::Element
  char Repeat = '\0';  // '?', '*', '+' or none
  std::vector<ZQXML_ContentParticle> Children;
};

class ZQXML_ContentModel {
 public:
  enum class Kind { Empty, Any, Mixed, Children };
  static const long MaxNames = 1024;
  static const long MaxStates = 4096;

  // ANY content.
  ZQXML_ContentModel() = default;
  static ZQXML_ContentModel MakeEmpty();
  // Text and the given elements in any order and number.
  static ZQXML_ContentModel MakeMixed(const std::vector<long>& Elements);
  // False when the model has more than MaxNames names or the machine would
  // need more than MaxStates states.
  static bool Compile(const ZQXML_ContentParticle& Root, ZQXML_ContentModel& Model);

  Kind GetKind() const { return Type; }
  bool AllowsText() const { return Type == Kind::Any || Type == Kind::Mixed; }
  // Machines start in state 0. The state after Element, or -1 when the
  // model does not allow it there.
  long Next(long State, long Element) const;
  // Whether the content may end in State.
  bool IsFinal(long State) const;
  // The elements allowed in State, for messages.
  std::vector<long> GetAllowed(long State) const;

 private:
  struct Move {
    long Element;
    long Target;
  };
  struct State {
    std::vector<Move> Moves;
    bool IsFinal = false;
  };

  Kind Type = Kind::Any;
  std::vector<State> States;
};

#endif
