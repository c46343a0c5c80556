#include "ZQXML_ContentModel.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace {

// Positions in increasing order. Positions are numbered in document order,
// so the first and last sets of a group are its children's sets joined in
// order: sorted and free of repeats without any sorting.
using PositionList = std::vector<long>;

// Sets of positions as bits: a row of words per set.
class PositionBits {
 public:
  static const long BitsPerWord = 32;

  PositionBits(long NumSets, long NumPositions)
      : WordsPerSet((NumPositions + BitsPerWord - 1) / BitsPerWord),
        Words(static_cast<size_t>(NumSets * WordsPerSet), 0) {}

  long GetWordsPerSet() const { return WordsPerSet; }
  uint32_t* GetSet(long Set) { return &Words[static_cast<size_t>(Set * WordsPerSet)]; }
  const uint32_t* GetSet(long Set) const { return &Words[static_cast<size_t>(Set * WordsPerSet)]; }

  static void Add(uint32_t* Set, long Position) {
    Set[Position / BitsPerWord] |= uint32_t(1) << (Position % BitsPerWord);
  }
  // Adds the words Begin to End (one past) of From to Into.
  static void Join(uint32_t* Into, const uint32_t* From, long Begin, long End) {
    for (long i = Begin; i < End; ++i) Into[i] |= From[i];
  }
  // Calls Visit with each position of Set in increasing order.
  template <class Visitor>
  void ForEach(const uint32_t* Set, Visitor Visit) const {
    for (long i = 0; i < WordsPerSet; ++i)
      for (uint32_t word = Set[i]; word; word &= word - 1)
        Visit(i * BitsPerWord + __builtin_ctz(word));
  }

 private:
  long WordsPerSet;
  std::vector<uint32_t> Words;
};

// The position automaton of a particle tree: each element name is a
// position with its element and the positions that may follow it. Follow
// sets are bits, so that a position added again costs nothing and the sets
// never hold repeats, whatever the nesting.
struct PositionAutomaton {
  explicit PositionAutomaton(long NumPositions)
      : Follow(NumPositions, NumPositions), Scratch(1, NumPositions) {}

  std::vector<long> Element;
  PositionBits Follow;
  PositionBits Scratch;  // one set, for joining a long first set at once
  std::vector<bool> IsLast;
  // Per position: the words of its follow set that may hold bits (begin,
  // end), so that joining a short follow set touches only its own words.
  std::vector<std::pair<long, long>> FollowWords;

  // Each of Lasts may be followed by each of First.
  void AddFollowers(const PositionList& Lasts, const PositionList& First);
  // Once the tree is analysed: marks the model's last positions and notes
  // each follow set's words.
  void Finish(const PositionList& Lasts);
  void JoinFollowSet(long Position, uint32_t* Into) const {
    const std::pair<long, long>& words = FollowWords[static_cast<size_t>(Position)];
    PositionBits::Join(Into, Follow.GetSet(Position), words.first, words.second);
  }
};

void PositionAutomaton::AddFollowers(const PositionList& Lasts, const PositionList& First) {
  if (Lasts.empty() || First.empty()) return;
  const long words = Follow.GetWordsPerSet();
  // A short first set is added bit by bit; a long one is turned into bits
  // once and joined word by word.
  if (static_cast<long>(First.size()) <= words) {
    for (const long last : Lasts)
      for (const long position : First) PositionBits::Add(Follow.GetSet(last), position);
    return;
  }
  uint32_t* first = Scratch.GetSet(0);
  std::fill(first, first + words, 0);
  for (const long position : First) PositionBits::Add(first, position);
  const long begin = First.front() / PositionBits::BitsPerWord;
  const long end = First.back() / PositionBits::BitsPerWord + 1;
  for (const long last : Lasts) PositionBits::Join(Follow.GetSet(last), first, begin, end);
}

void PositionAutomaton::Finish(const PositionList& Lasts) {
  const long numPositions = static_cast<long>(Element.size());
  IsLast.assign(Element.size(), false);
  for (const long last : Lasts) IsLast[static_cast<size_t>(last)] = true;
  FollowWords.assign(Element.size(), std::pair<long, long>(0, 0));
  for (long position = 0; position < numPositions; ++position) {
    const uint32_t* set = Follow.GetSet(position);
    long begin = 0;
    long end = Follow.GetWordsPerSet();
    while (begin < end && set[begin] == 0) ++begin;
    while (end > begin && set[end - 1] == 0) --end;
    FollowWords[static_cast<size_t>(position)] = std::make_pair(begin, end);
  }
}

struct ParticleSets {
  bool IsNullable = false;
  PositionList First;
  PositionList Last;
};

void Append(PositionList& To, const PositionList& From) {
  To.insert(To.end(), From.begin(), From.end());
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
      Append(sets.First, childSets.First);
      Append(sets.Last, childSets.Last);
      continue;
    }
    Automaton.AddFollowers(sets.Last, childSets.First);
    if (sets.IsNullable) Append(sets.First, childSets.First);
    if (!childSets.IsNullable) sets.Last.clear();
    Append(sets.Last, childSets.Last);
    sets.IsNullable = sets.IsNullable && childSets.IsNullable;
  }
  return sets;
}

ParticleSets Analyse(const ZQXML_ContentParticle& Particle, PositionAutomaton& Automaton) {
  ParticleSets sets;
  if (Particle.Type == ZQXML_ContentParticle::Kind::Element) {
    const long position = static_cast<long>(Automaton.Element.size());
    Automaton.Element.push_back(Particle.Element);
    sets.First.push_back(position);
    sets.Last.push_back(position);
  } else {
    sets = AnalyseGroup(Particle, Automaton);
  }
  if (Particle.Repeat == '*' || Particle.Repeat == '+')
    Automaton.AddFollowers(sets.Last, sets.First);
  if (Particle.Repeat == '*' || Particle.Repeat == '?') sets.IsNullable = true;
  return sets;
}

// The states found so far by their position sets, without copying a set to
// look it up. A state's positions stay where they are while the list of
// states grows (a moved vector keeps its buffer).
struct StateTable {
  struct Key {
    const long* Positions;
    size_t Count;
  };
  struct KeyHash {
    size_t operator()(const Key& K) const {
      size_t hash = K.Count;
      for (size_t i = 0; i < K.Count; ++i)
        hash = hash * 1000003u + static_cast<size_t>(K.Positions[i]);
      return hash;
    }
  };
  struct KeyEqual {
    bool operator()(const Key& A, const Key& B) const {
      return A.Count == B.Count && std::equal(A.Positions, A.Positions + A.Count, B.Positions);
    }
  };

  // State 0, before any position, is the empty set.
  explicit StateTable(long NumPositions)
      : Sets(1), SingleNumbers(static_cast<size_t>(NumPositions), -1) {}

  std::vector<PositionList> Sets;
  std::unordered_map<Key, long, KeyHash, KeyEqual> Numbers;
  // The states of one position (every state of a deterministic model) by
  // their position, or -1: these need no hashing.
  std::vector<long> SingleNumbers;

  // The number of the state of these positions, added when new; -1 when a
  // new one would make more than MaxStates.
  long Find(const long* Positions, size_t Count, long MaxStates) {
    long* single = Count == 1 ? &SingleNumbers[static_cast<size_t>(Positions[0])] : nullptr;
    if (single && *single >= 0) return *single;
    if (!single) {
      const auto found = Numbers.find(Key{Positions, Count});
      if (found != Numbers.end()) return found->second;
    }
    if (static_cast<long>(Sets.size()) >= MaxStates) return -1;
    Sets.emplace_back(Positions, Positions + Count);
    const long number = static_cast<long>(Sets.size()) - 1;
    if (single)
      *single = number;
    else
      Numbers.emplace(Key{Sets.back().data(), Count}, number);
    return number;
  }
};

// The candidates of one state grouped by element, elements in increasing
// order and positions in increasing order within each: a counting sort over
// the model's distinct elements.
class CandidateGroups {
 public:
  explicit CandidateGroups(const std::vector<long>& Element);

  void Clear() {
    std::fill(Counts.begin(), Counts.end(), 0);
    Candidates.clear();
  }
  void Add(long Position) {
    Candidates.push_back(static_cast<size_t>(Position));
    ++Counts[Rank[static_cast<size_t>(Position)]];
  }
  long CountGroups() const {
    return static_cast<long>(Counts.size() - std::count(Counts.begin(), Counts.end(), 0));
  }
  // Calls Visit(element, positions, count) for each group while it returns
  // true; false when it stopped.
  template <class Visitor>
  bool ForEachGroup(Visitor Visit);

 private:
  std::vector<size_t> Rank;    // per position: its element's rank among the model's
  std::vector<long> Elements;  // the model's distinct elements, increasing
  std::vector<size_t> Counts;  // per rank
  std::vector<size_t> Candidates;
  std::vector<long> Sorted;
};

CandidateGroups::CandidateGroups(const std::vector<long>& Element)
    : Rank(Element.size()), Elements(Element), Sorted(Element.size()) {
  std::sort(Elements.begin(), Elements.end());
  Elements.erase(std::unique(Elements.begin(), Elements.end()), Elements.end());
  for (size_t p = 0; p < Element.size(); ++p)
    Rank[p] = static_cast<size_t>(std::lower_bound(Elements.begin(), Elements.end(), Element[p]) -
                                  Elements.begin());
  Counts.assign(Elements.size(), 0);
}

template <class Visitor>
bool CandidateGroups::ForEachGroup(Visitor Visit) {
  size_t start = 0;
  for (size_t& count : Counts) {
    const size_t size = count;
    count = start;  // now where the group starts
    start += size;
  }
  for (const size_t position : Candidates)
    Sorted[Counts[Rank[position]]++] = static_cast<long>(position);
  size_t begin = 0;
  for (size_t rank = 0; rank < Elements.size(); ++rank) {
    const size_t end = Counts[rank];  // now where the group ends
    if (end > begin && !Visit(Elements[rank], &Sorted[begin], end - begin)) return false;
    begin = end;
  }
  return true;
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
  const long numNames = CountNames(Root);
  if (numNames > MaxNames) return false;
  PositionAutomaton automaton(numNames);
  const ParticleSets rootSets = Analyse(Root, automaton);
  automaton.Finish(rootSets.Last);

  ZQXML_ContentModel model;
  model.Type = Kind::Children;
  StateTable table(numNames);
  CandidateGroups groups(automaton.Element);
  PositionBits candidates(1, numNames);
  uint32_t* candidateBits = candidates.GetSet(0);
  for (size_t s = 0; s < table.Sets.size(); ++s) {
    groups.Clear();
    bool isFinal = s == 0 && rootSets.IsNullable;
    if (s == 0) {
      for (const long position : rootSets.First) groups.Add(position);
    } else {
      std::fill(candidateBits, candidateBits + candidates.GetWordsPerSet(), 0);
      for (const long position : table.Sets[s]) {
        automaton.JoinFollowSet(position, candidateBits);
        isFinal = isFinal || automaton.IsLast[static_cast<size_t>(position)];
      }
      candidates.ForEach(candidateBits, [&](long position) { groups.Add(position); });
    }
    State state;
    state.IsFinal = isFinal;
    state.Moves.reserve(static_cast<size_t>(groups.CountGroups()));
    const bool isWithinLimit =
        groups.ForEachGroup([&](long element, const long* positions, size_t count) {
          const long target = table.Find(positions, count, MaxStates);
          if (target < 0) return false;
          state.Moves.push_back(Move{element, target});
          return true;
        });
    if (!isWithinLimit) return false;
    model.States.push_back(std::move(state));
  }
  Model = std::move(model);
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
