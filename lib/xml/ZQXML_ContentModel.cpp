#include "ZQXML_ContentModel.h"

#include <algorithm>
#include <map>

namespace {

using PositionSet = std::vector<long>;

// The position automaton of a particle tree: each element name is a
// position with its element and the positions that may follow it.
struct PositionAutomaton {
  std::vector<long> Element;
  std::vector<PositionSet> Follow;
  std::vector<bool> IsLast;
  PositionSet First;
  bool IsNullable = false;
};

struct ParticleSets {
  bool IsNullable = false;
  PositionSet First;
  PositionSet Last;
};

void AddAll(PositionSet& To, const PositionSet& From) { To.insert(To.end(), From.begin(), From.end()); }

void Normalize(PositionSet& Set) {
  std::sort(Set.begin(), Set.end());
  Set.erase(std::unique(Set.begin(), Set.end()), Set.end());
}

ParticleSets Analyse(const ZQXML_ContentParticle& Particle, PositionAutomaton& Automaton);

long CountNames(const ZQXML_ContentParticle& Particle) {
  if (Particle.Type == ZQXML_ContentParticle::Kind::Element) return 1;
  long count = 0;
  for (const ZQXML_ContentParticle& child : Particle.Children) count += CountNames(child);
  return count;
}

ParticleSets AnalyseGroup(const ZQXML_ContentParticle& Group, PositionAutomaton& Automaton) {
  const bool isSequence = Group.Type == ZQXML_ContentParticle::Kind::Sequence;
  ParticleSets sets;
  sets.IsNullable = isSequence;
  for (const ZQXML_ContentParticle& child : Group.Children) {
    const ParticleSets childSets = Analyse(child, Automaton);
    if (!isSequence) {
      sets.IsNullable = sets.IsNullable || childSets.IsNullable;
      AddAll(sets.First, childSets.First);
      AddAll(sets.Last, childSets.Last);
      continue;
    }
    for (const long last : sets.Last) AddAll(Automaton.Follow[last], childSets.First);
    if (sets.IsNullable) AddAll(sets.First, childSets.First);
    if (!childSets.IsNullable) sets.Last.clear();
    AddAll(sets.Last, childSets.Last);
    sets.IsNullable = sets.IsNullable && childSets.IsNullable;
  }
  return sets;
}

ParticleSets Analyse(const ZQXML_ContentParticle& Particle, PositionAutomaton& Automaton) {
  ParticleSets sets;
  if (Particle.Type == ZQXML_ContentParticle::Kind::Element) {
    const long position = static_cast<long>(Automaton.Element.size());
    Automaton.Element.push_back(Particle.Element);
    Automaton.Follow.emplace_back();
    sets.First.push_back(position);
    sets.Last.push_back(position);
  } else {
    sets = AnalyseGroup(Particle, Automaton);
  }
  if (Particle.Repeat == '*' || Particle.Repeat == '+')
    for (const long last : sets.Last) AddAll(Automaton.Follow[last], sets.First);
  if (Particle.Repeat == '*' || Particle.Repeat == '?') sets.IsNullable = true;
  Normalize(sets.First);
  Normalize(sets.Last);
  return sets;
}

}  // namespace

ZQXML_ContentModel ZQXML_ContentModel::MakeEmpty() {
  ZQXML_ContentModel model;
  model.Type = Kind::Empty;
  model.States.resize(1);
  model.States[0].IsFinal = true;
  return model;
}

ZQXML_ContentModel ZQXML_ContentModel::MakeMixed(const std::vector<long>& Elements) {
  ZQXML_ContentModel model = MakeEmpty();
  model.Type = Kind::Mixed;
  for (const long element : Elements) model.States[0].Moves.push_back(Move{element, 0});
  return model;
}

// The subset construction: a state of the machine is the set of positions
// just matched; state 0 is the start, before any.
bool ZQXML_ContentModel::Compile(const ZQXML_ContentParticle& Root, ZQXML_ContentModel& Model) {
  // Follow sets grow with the square of the names.
  if (CountNames(Root) > MaxNames) return false;
  PositionAutomaton automaton;
  const ParticleSets rootSets = Analyse(Root, automaton);
  automaton.IsLast.assign(automaton.Element.size(), false);
  for (const long last : rootSets.Last) automaton.IsLast[last] = true;
  for (PositionSet& follow : automaton.Follow) Normalize(follow);

  ZQXML_ContentModel model;
  model.Type = Kind::Children;
  std::vector<PositionSet> sets(1);
  std::map<PositionSet, long> numbers;
  for (size_t s = 0; s < sets.size(); ++s) {
    const PositionSet reached = sets[s];
    PositionSet candidates = s == 0 ? rootSets.First : PositionSet();
    bool isFinal = s == 0 && rootSets.IsNullable;
    for (const long position : reached) {
      if (s != 0) AddAll(candidates, automaton.Follow[position]);
      isFinal = isFinal || automaton.IsLast[position];
    }
    Normalize(candidates);
    std::map<long, PositionSet> byElement;
    for (const long position : candidates) byElement[automaton.Element[position]].push_back(position);
    State state;
    state.IsFinal = isFinal;
    for (const auto& [element, target] : byElement) {
      auto found = numbers.find(target);
      if (found == numbers.end()) {
        if (static_cast<long>(sets.size()) >= MaxStates) return false;
        found = numbers.emplace(target, static_cast<long>(sets.size())).first;
        sets.push_back(target);
      }
      state.Moves.push_back(Move{element, found->second});
    }
    model.States.push_back(state);
  }
  Model = model;
  return true;
}

long ZQXML_ContentModel::Next(long State, long Element) const {
  if (Type == Kind::Any) return 0;
  for (const Move& move : States[static_cast<size_t>(State)].Moves)
    if (move.Element == Element) return move.Target;
  return -1;
}

bool ZQXML_ContentModel::IsFinal(long State) const {
  return Type == Kind::Any || States[static_cast<size_t>(State)].IsFinal;
}

std::vector<long> ZQXML_ContentModel::GetAllowed(long State) const {
  std::vector<long> allowed;
  if (Type == Kind::Any) return allowed;
  for (const Move& move : States[static_cast<size_t>(State)].Moves) allowed.push_back(move.Element);
  return allowed;
}
