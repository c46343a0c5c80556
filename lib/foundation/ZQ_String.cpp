#include "ZQ_String.h"

#include <atomic>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

#include "ZQLOW_Char.h"
#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

ZQ_StringReference ZQ_String::EmptyReference;

namespace {


// Stands in for the character of an index that failed its assertion in a mode
// that returns: reads and writes stay inside our own memory.
char s_outOfRangeChar = 0;

// Small representation blocks are kept for reuse: the program's heap costs
// about a hundred nanoseconds per block, more than most short texts (numbers,
// date fields, names) cost to make. One list per block size in steps of 8
// bytes up to 64, each holding at most kMaxKept blocks. A spin flag guards
// the lists, so strings made on different threads stay safe.
class SmallBlockCache {
 public:
  static const std::size_t kStep = 8;
  static const int kClasses = 8;
  static const int kMaxKept = 64;

  constexpr SmallBlockCache() : Lists(), Counts() {}

  void* Allocate(std::size_t Size) {
    if (Size > kStep * kClasses) return ::operator new(Size);
    const int index = ClassOf(Size);
    Lock();
    FreeBlock* block = Lists[index];
    if (block) {
      Lists[index] = block->Next;
      --Counts[index];
    }
    Unlock();
    return block ? static_cast<void*>(block) : ::operator new(kStep * (index + 1));
  }

  void Free(void* Block, std::size_t Size) noexcept {
    if (Size <= kStep * kClasses) {
      const int index = ClassOf(Size);
      Lock();
      const bool kept = Counts[index] < kMaxKept;
      if (kept) {
        FreeBlock* block = static_cast<FreeBlock*>(Block);
        block->Next = Lists[index];
        Lists[index] = block;
        ++Counts[index];
      }
      Unlock();
      if (kept) return;
    }
    ::operator delete(Block);
  }

 private:
  struct FreeBlock {
    FreeBlock* Next;
  };
  static int ClassOf(std::size_t Size) { return static_cast<int>((Size + kStep - 1) / kStep) - 1; }
  void Lock() noexcept {
    while (Busy.test_and_set(std::memory_order_acquire)) {
    }
  }
  void Unlock() noexcept { Busy.clear(std::memory_order_release); }

  FreeBlock* Lists[kClasses];
  int Counts[kClasses];
  std::atomic_flag Busy = ATOMIC_FLAG_INIT;
};

// Constant-initialised and never destroyed: strings released by static
// destructors still return their blocks.
SmallBlockCache s_smallBlocks;

unsigned int RotateLeft5(unsigned int h) { return (h << 5) | (h >> 27); }

signed char LowerSigned(char c) {
  return static_cast<signed char>(ZQLOW_Char::ToLower(c));
}

bool EqualBytes(const char* a, const char* b, int n, bool ignoreCase) {
  if (!ignoreCase) return std::memcmp(a, b, static_cast<std::size_t>(n)) == 0;
  for (int i = 0; i < n; ++i)
    if (ZQLOW_Char::ToLower(a[i]) != ZQLOW_Char::ToLower(b[i])) return false;
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Representation blocks

std::size_t ZQ_String::BlockSize(int Capacity) {
  return offsetof(ZQ_StringReference, Text) + static_cast<std::size_t>(Capacity) + 1;
}

ZQ_StringReference* ZQ_String::NewReference(int Capacity) {
  if (Capacity < 0) Capacity = 0;
  void* block = s_smallBlocks.Allocate(BlockSize(Capacity));
  ZQ_StringReference* reference = new (block) ZQ_StringReference;
  reference->Capacity = Capacity;
  return reference;
}

void ZQ_String::Release(ZQ_StringReference* Reference) noexcept {
  if (Reference->ExtraReferences-- == 0 && Reference != &EmptyReference) {
    const int capacity = Reference->Capacity;
    Reference->~ZQ_StringReference();
    s_smallBlocks.Free(Reference, BlockSize(capacity));
  }
}

int ZQ_String::ComputeCapacity(int Length) {
  if (Length <= DefaultCapacity) return DefaultCapacity;
  if (Length <= SmallStringLimit)
    return DefaultCapacity +
           CapacityGranularity *
               ((Length - DefaultCapacity + CapacityGranularity - 1) /
                CapacityGranularity);
  long long power = CapacityGranularity;
  while (power < static_cast<long long>(Length) + 1) power *= 2;
  return power - 1 > INT_MAX ? INT_MAX : static_cast<int>(power - 1);
}

// ---------------------------------------------------------------------------
// Creation and lifetime

ZQ_String::ZQ_String() noexcept : Ref(&EmptyReference) {
  ++EmptyReference.ExtraReferences;
}

ZQ_String::ZQ_String(const ZQ_String& Other) noexcept : Ref(Other.Ref) {
  ++Ref->ExtraReferences;
}

ZQ_String::ZQ_String(ZQ_String&& Other) noexcept : Ref(Other.Ref) {
  Other.Ref = &EmptyReference;
  ++EmptyReference.ExtraReferences;
}

ZQ_String::ZQ_String(const char* C) : ZQ_String(C, C ? static_cast<int>(std::strlen(C)) : 0) {}

ZQ_String::ZQ_String(const char* C, int N) : ZQ_String() {
  ZQ_TRACE_FUNCTION("ZQ_String::ZQ_String");
  ZQ_ASSERT(C);
  ZQ_ASSERT(N >= 0);
  // An empty text keeps the shared empty representation.
  if (!C || N <= 0) return;
  ZQ_StringReference* reference = NewReference(N);
  std::memcpy(reference->Text, C, static_cast<std::size_t>(N));
  reference->Text[N] = 0;
  reference->Length = N;
  Release(Ref);
  Ref = reference;
}

ZQ_String::ZQ_String(char Char) : Ref(NewReference(DefaultCapacity)) {
  Ref->Text[0] = Char;
  Ref->Text[1] = 0;
  Ref->Length = 1;
}

ZQ_String::ZQ_String(char Char, int Count) : ZQ_String() {
  ZQ_TRACE_FUNCTION("ZQ_String::ZQ_String");
  ZQ_ASSERT(Count >= 0);
  if (Count <= 0) return;
  ZQ_StringReference* reference = NewReference(Count);
  std::memset(reference->Text, Char, static_cast<std::size_t>(Count));
  reference->Text[Count] = 0;
  reference->Length = Count;
  Release(Ref);
  Ref = reference;
}

ZQ_String::ZQ_String(const ZQ_StringFragment& Fragment) : ZQ_String() {
  ZQ_TRACE_FUNCTION("ZQ_String::ZQ_String");
  if (Fragment.GetBegin() == ZQ_NoMatch) return;
  const ZQ_String& source = Fragment.GetString();
  int length = Fragment.GetLength();
  // A fragment outlived a change of its string: copy what is still there.
  if (Fragment.GetBegin() + length > source.GetLength())
    length = source.GetLength() - Fragment.GetBegin();
  if (length < 0) length = 0;
  ZQ_StringReference* reference = NewReference(ComputeCapacity(length));
  std::memcpy(reference->Text, source.GetText() + Fragment.GetBegin(),
              static_cast<std::size_t>(length));
  reference->Text[length] = 0;
  reference->Length = length;
  Release(Ref);
  Ref = reference;
}

ZQ_String::ZQ_String(const char* C1, int N1, const char* C2, int N2)
    : Ref(nullptr) {
  ZQ_TRACE_FUNCTION("ZQ_String::ZQ_String");
  if (!C1 || N1 < 0) N1 = 0;
  if (!C2 || N2 < 0) N2 = 0;
  Ref = NewReference(ComputeCapacity(N1 + N2));
  if (N1) std::memcpy(Ref->Text, C1, static_cast<std::size_t>(N1));
  if (N2) std::memcpy(Ref->Text + N1, C2, static_cast<std::size_t>(N2));
  Ref->Length = N1 + N2;
  Ref->Text[Ref->Length] = 0;
  ZQ_ASSERT(GetLength() == N1 + N2);
}

ZQ_String::~ZQ_String() { Release(Ref); }

ZQ_String ZQ_String::WithCapacity(int Capacity) {
  ZQ_TRACE_FUNCTION("ZQ_String::WithCapacity");
  ZQ_ASSERT(Capacity >= 0);
  return ZQ_String(NewReference(Capacity));
}

// ---------------------------------------------------------------------------
// Assignment and modification

ZQ_String& ZQ_String::operator=(const ZQ_String& Other) noexcept {
  // Raise first, release second: self-assignment keeps its representation.
  ++Other.Ref->ExtraReferences;
  Release(Ref);
  Ref = Other.Ref;
  return *this;
}

ZQ_String& ZQ_String::operator=(ZQ_String&& Other) noexcept {
  if (this != &Other) {
    Release(Ref);
    Ref = Other.Ref;
    Other.Ref = &EmptyReference;
    ++EmptyReference.ExtraReferences;
  }
  return *this;
}

ZQ_String& ZQ_String::operator=(const char* C) {
  ZQ_TRACE_FUNCTION("ZQ_String::operator=");
  ZQ_ASSERT(C);
  if (C) Replace(0, GetLength(), C, static_cast<int>(std::strlen(C)));
  return *this;
}

ZQ_String& ZQ_String::operator+=(const char* C) {
  if (C) Replace(GetLength(), 0, C, static_cast<int>(std::strlen(C)));
  return *this;
}

ZQ_String& ZQ_String::operator+=(const ZQ_String& S) {
  Replace(GetLength(), 0, S.GetText(), S.GetLength());
  return *this;
}

void ZQ_String::Append(char Char, int Count) {
  ZQ_TRACE_FUNCTION("ZQ_String::Append");
  ZQ_ASSERT(Count >= 0);
  if (Count <= 0) return;
  const int length = GetLength();
  const int newLength = length + Count;
  if (IsShared() || newLength > GetCapacity()) {
    ZQ_StringReference* reference = NewReference(newLength);
    std::memcpy(reference->Text, Ref->Text, static_cast<std::size_t>(length));
    Release(Ref);
    Ref = reference;
  }
  std::memset(Ref->Text + length, Char, static_cast<std::size_t>(Count));
  Ref->Length = newLength;
  Ref->Text[newLength] = 0;
}

void ZQ_String::Append(const char* C, int N) {
  ReplaceWithoutShrinking(GetLength(), 0, C, N);
}

void ZQ_String::Prepend(char Char, int Count) {
  ZQ_TRACE_FUNCTION("ZQ_String::Prepend");
  ZQ_ASSERT(Count >= 0);
  if (Count <= 0) return;
  const int length = GetLength();
  const int newLength = length + Count;
  if (!IsShared() && newLength <= GetCapacity()) {
    std::memmove(Ref->Text + Count, Ref->Text, static_cast<std::size_t>(length));
  } else {
    ZQ_StringReference* reference = NewReference(ComputeCapacity(newLength));
    std::memcpy(reference->Text + Count, Ref->Text,
                static_cast<std::size_t>(length));
    Release(Ref);
    Ref = reference;
  }
  std::memset(Ref->Text, Char, static_cast<std::size_t>(Count));
  Ref->Length = newLength;
  Ref->Text[newLength] = 0;
}

void ZQ_String::Pad(int DesiredLength, int Mode, char PadChar) {
  ZQ_TRACE_FUNCTION("ZQ_String::Pad");
  ZQ_ASSERT(GetLength() <= DesiredLength);
  const int n = DesiredLength - GetLength();
  if (n < 1) return;
  switch (Mode) {
    case 0:
      Append(PadChar, n);
      break;
    case 1:
      Prepend(PadChar, n);
      break;
    case 2:
      Prepend(PadChar, n / 2 + n % 2);
      Append(PadChar, n / 2);
      break;
    default:
      break;
  }
}

void ZQ_String::Replace(int Start, int Count, const char* Text,
                        int TextLength) {
  ZQ_TRACE_FUNCTION("ZQ_String::Replace");
  ReplaceImp(Start, Count, Text, TextLength, true);
}

void ZQ_String::ReplaceWithoutShrinking(int Start, int Count, const char* Text,
                                        int TextLength) {
  ZQ_TRACE_FUNCTION("ZQ_String::ReplaceWithoutShrinking");
  ReplaceImp(Start, Count, Text, TextLength, false);
}

void ZQ_String::ReplaceImp(int Start, int Count, const char* Text,
                           int TextLength, bool MayShrink) {
  const int length = GetLength();
  // A range outside the text would move bytes outside the block.
  ZQ_ASSERT((Start >= 0) and (Start <= GetLength()));
  ZQ_ASSERT((Count >= 0) and (TextLength >= 0));
  if (Start < 0 || Start > length || Count < 0 || TextLength < 0) return;
  if (Count > length - Start) Count = length - Start;
  if (!Text) TextLength = 0;
  const int tail = length - Count - Start;
  const int newLength = length - Count + TextLength;
  const int capacity = GetCapacity();
  const bool tooMuchSpareRoom = MayShrink && HasTooMuchSpareRoom(newLength, capacity);
  const std::uintptr_t textAddress = reinterpret_cast<std::uintptr_t>(Text);
  const std::uintptr_t ownAddress = reinterpret_cast<std::uintptr_t>(Ref->Text);
  const bool isOwnText = Text && textAddress >= ownAddress &&
                         textAddress < ownAddress + static_cast<std::uintptr_t>(length);
  if (!IsShared() && newLength <= capacity && !tooMuchSpareRoom && !isOwnText) {
    char* text = Ref->Text;
    std::memmove(text + Start + TextLength, text + Start + Count,
                 static_cast<std::size_t>(tail));
    if (TextLength) std::memmove(text + Start, Text, static_cast<std::size_t>(TextLength));
    Ref->Length = newLength;
    text[newLength] = 0;
    return;
  }
  ZQ_StringReference* reference = NewReference(ComputeCapacity(newLength));
  char* text = reference->Text;
  std::memcpy(text, Ref->Text, static_cast<std::size_t>(Start));
  if (TextLength) std::memcpy(text + Start, Text, static_cast<std::size_t>(TextLength));
  std::memcpy(text + Start + TextLength, Ref->Text + Start + Count,
              static_cast<std::size_t>(tail));
  reference->Length = newLength;
  text[newLength] = 0;
  Release(Ref);
  Ref = reference;
}

void ZQ_String::Empty(int Capacity) {
  ZQ_TRACE_FUNCTION("ZQ_String::Empty");
  if (Capacity < 0) Capacity = 0;
  if (!IsShared() && Capacity <= GetCapacity()) {
    Ref->Length = 0;
    Ref->Text[0] = 0;
    return;
  }
  ZQ_StringReference* reference = &EmptyReference;
  if (Capacity > 0)
    reference = NewReference(Capacity);
  else
    ++EmptyReference.ExtraReferences;
  Release(Ref);
  Ref = reference;
}

void ZQ_String::MakeUnique() {
  ZQ_TRACE_FUNCTION("ZQ_String::MakeUnique");
  if (IsShared()) {
    const int length = GetLength();
    ZQ_StringReference* reference = NewReference(length);
    std::memcpy(reference->Text, Ref->Text, static_cast<std::size_t>(length) + 1);
    reference->Length = length;
    Release(Ref);
    Ref = reference;
  }
  ZQ_ASSERT(Ref->GetNumReferences() == 1);
}

void ZQ_String::Reallocate(int Capacity) {
  ZQ_TRACE_FUNCTION("ZQ_String::Reallocate");
  ZQ_ASSERT(Capacity >= 0);
  if (Capacity < 0) Capacity = 0;
  const int length = GetLength() < Capacity ? GetLength() : Capacity;
  ZQ_StringReference* reference = NewReference(Capacity);
  std::memcpy(reference->Text, Ref->Text, static_cast<std::size_t>(length));
  reference->Text[length] = 0;
  reference->Length = length;
  Release(Ref);
  Ref = reference;
  ZQ_ASSERT(Ref->GetNumReferences() == 1);
}

void ZQ_String::ConvertToLowerCase() {
  ZQ_TRACE_FUNCTION("ZQ_String::ConvertToLowerCase");
  if (IsEmpty()) return;
  MakeUnique();
  for (int i = 0; i < Ref->Length; ++i)
    Ref->Text[i] = static_cast<char>(ZQLOW_Char::ToLower(Ref->Text[i]));
}

void ZQ_String::ConvertToUpperCase() {
  ZQ_TRACE_FUNCTION("ZQ_String::ConvertToUpperCase");
  if (IsEmpty()) return;
  MakeUnique();
  for (int i = 0; i < Ref->Length; ++i)
    Ref->Text[i] = static_cast<char>(ZQLOW_Char::ToUpper(Ref->Text[i]));
}

char& ZQ_String::operator[](int i) {
  ZQ_ASSERT((i != ZQ_NoMatch) and (i < GetLength()));
  ZQ_ASSERT(i >= 0);
  if (i < 0 || i >= GetLength()) {
    s_outOfRangeChar = 0;
    return s_outOfRangeChar;
  }
  MakeUnique();
  return Ref->Text[i];
}

// ---------------------------------------------------------------------------
// Queries

char ZQ_String::operator[](int i) const {
  ZQ_ASSERT((i != ZQ_NoMatch) and (i < GetLength()));
  ZQ_ASSERT(i >= 0);
  if (i < 0 || i >= GetLength()) return 0;
  return Ref->Text[i];
}

char ZQ_String::GetFirstChar() const {
  ZQ_ASSERT(GetLength() > 0);
  return GetLength() > 0 ? Ref->Text[0] : 0;
}

char ZQ_String::GetLastChar() const {
  ZQ_ASSERT(GetLength() > 0);
  return GetLength() > 0 ? Ref->Text[GetLength() - 1] : 0;
}

ZQ_String ZQ_String::GetLeft(int N) const {
  ZQ_TRACE_FUNCTION("ZQ_String::GetLeft");
  if (N > GetLength()) N = GetLength();
  if (N <= 0) return ZQ_String();
  return ZQ_String(GetText(), N);
}

ZQ_String ZQ_String::GetRight(int N) const {
  ZQ_TRACE_FUNCTION("ZQ_String::GetRight");
  if (N > GetLength()) N = GetLength();
  if (N <= 0) return ZQ_String();
  return ZQ_String(GetText() + GetLength() - N, N);
}

bool ZQ_String::BeginsWith(const ZQ_String& S) const {
  return S.GetLength() <= GetLength() &&
         std::memcmp(GetText(), S.GetText(), static_cast<std::size_t>(S.GetLength())) == 0;
}

bool ZQ_String::BeginsWith(const char* S) const {
  ZQ_ASSERT(S);
  if (!S) return false;
  const std::size_t n = std::strlen(S);
  return n <= static_cast<std::size_t>(GetLength()) && std::memcmp(GetText(), S, n) == 0;
}

bool ZQ_String::EndsWith(const ZQ_String& S) const {
  return S.GetLength() <= GetLength() &&
         std::memcmp(GetText() + GetLength() - S.GetLength(), S.GetText(),
                     static_cast<std::size_t>(S.GetLength())) == 0;
}

bool ZQ_String::EndsWith(const char* S) const {
  ZQ_ASSERT(S);
  if (!S) return false;
  const std::size_t n = std::strlen(S);
  return n <= static_cast<std::size_t>(GetLength()) &&
         std::memcmp(GetText() + GetLength() - n, S, n) == 0;
}

bool ZQ_String::Contains(const char* Text, bool IgnoreCase) const {
  ZQ_ASSERT(Text);
  if (!Text) return false;
  return Find(Text, static_cast<int>(std::strlen(Text)), 0, IgnoreCase) != ZQ_NoMatch;
}

bool ZQ_String::Contains(const ZQ_String& Text, bool IgnoreCase) const {
  return Find(Text.GetText(), Text.GetLength(), 0, IgnoreCase) != ZQ_NoMatch;
}

int ZQ_String::Find(char Char) const {
  const void* found = std::memchr(GetText(), Char, static_cast<std::size_t>(GetLength()));
  return found ? static_cast<int>(static_cast<const char*>(found) - GetText()) : ZQ_NoMatch;
}

int ZQ_String::Find(const char* Pattern, int PatternLength, int Start,
                    bool IgnoreCase) const {
  ZQ_TRACE_FUNCTION("ZQ_String::Find");
  ZQ_ASSERT(Pattern);
  // A negative start (often a ZQ_NoMatch passed on) would read before the text.
  ZQ_ASSERT((Start >= 0) and (PatternLength >= 0));
  if (!Pattern || Start < 0 || PatternLength < 0) return ZQ_NoMatch;
  const int length = GetLength();
  if (Start + PatternLength > length) return ZQ_NoMatch;
  if (PatternLength == 0) return Start;
  const char* text = GetText();
  const int first = IgnoreCase ? ZQLOW_Char::ToLower(Pattern[0]) : Pattern[0];
  for (int p = Start; p <= length - PatternLength; ++p) {
    const int c = IgnoreCase ? ZQLOW_Char::ToLower(text[p]) : text[p];
    if (c == first && EqualBytes(text + p + 1, Pattern + 1, PatternLength - 1, IgnoreCase))
      return p;
  }
  return ZQ_NoMatch;
}

int ZQ_String::Find(const char* S, int Start) const {
  ZQ_ASSERT(S);
  if (!S) return ZQ_NoMatch;
  return Find(S, static_cast<int>(std::strlen(S)), Start, false);
}

int ZQ_String::Find(const char* S) const { return Find(S, 0); }

int ZQ_String::Find(const ZQ_String& S, int Start, bool IgnoreCase) const {
  return Find(S.GetText(), S.GetLength(), Start, IgnoreCase);
}

int ZQ_String::FindLast(char Char) const {
  const char* found = std::strrchr(GetText(), Char);
  return found ? static_cast<int>(found - GetText()) : ZQ_NoMatch;
}

int ZQ_String::FindLast(const char* Pattern) const {
  ZQ_TRACE_FUNCTION("ZQ_String::FindLast");
  ZQ_ASSERT(Pattern);
  if (!Pattern) return ZQ_NoMatch;
  const int n = static_cast<int>(std::strlen(Pattern));
  if (n == 0 || n > GetLength()) return ZQ_NoMatch;
  for (int p = GetLength() - n; p >= 0; --p)
    if (std::memcmp(GetText() + p, Pattern, static_cast<std::size_t>(n)) == 0) return p;
  return ZQ_NoMatch;
}

int ZQ_String::Compare(const ZQ_String& Other, bool IgnoreCase) const {
  ZQ_TRACE_FUNCTION("ZQ_String::Compare");
  const int length = GetLength();
  const int otherLength = Other.GetLength();
  const int common = length < otherLength ? length : otherLength;
  const char* a = GetText();
  const char* b = Other.GetText();
  for (int i = 0; i < common; ++i) {
    if (IgnoreCase) {
      const signed char ca = LowerSigned(a[i]);
      const signed char cb = LowerSigned(b[i]);
      if (ca != cb) return ca < cb ? -1 : 1;
    } else if (a[i] != b[i]) {
      return static_cast<int>(static_cast<unsigned char>(a[i])) -
             static_cast<int>(static_cast<unsigned char>(b[i]));
    }
  }
  if (length == otherLength) return 0;
  return length < otherLength ? -1 : 1;
}

int ZQ_String::Compare(const char* cs2, bool IgnoreCase) const {
  ZQ_TRACE_FUNCTION("ZQ_String::Compare");
  ZQ_ASSERT(cs2 != NULL);
  if (!cs2) return 1;
  const int length = GetLength();
  const char* a = GetText();
  int i = 0;
  for (; cs2[i] != 0; ++i) {
    if (i == length) return -1;
    const signed char ca = IgnoreCase ? LowerSigned(a[i]) : static_cast<signed char>(a[i]);
    const signed char cb = IgnoreCase ? LowerSigned(cs2[i]) : static_cast<signed char>(cs2[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return length > i ? 1 : 0;
}

unsigned int ZQ_String::GetHash(bool IgnoreCase) const {
  ZQ_TRACE_FUNCTION("ZQ_String::GetHash");
  const int length = GetLength();
  const unsigned char* text = reinterpret_cast<const unsigned char*>(GetText());
  unsigned int h = static_cast<unsigned int>(length);
  if (IgnoreCase) {
    for (int i = 0; i < length; ++i) {
      const signed char upper =
          static_cast<signed char>(ZQLOW_Char::ToUpper(static_cast<char>(text[i])));
      h = static_cast<unsigned int>(static_cast<int>(upper)) ^ RotateLeft5(h);
    }
    return h;
  }
  const int words = length / 4;
  for (int w = 0; w < words; ++w) {
    const unsigned char* p = text + 4 * w;
    const unsigned int word = p[0] | (p[1] << 8) | (p[2] << 16) |
                              (static_cast<unsigned int>(p[3]) << 24);
    h = word ^ RotateLeft5(h);
  }
  const int rest = length % 4;
  if (rest != 0) {
    unsigned int t = 0;
    for (int i = 4 * words; i < length; ++i)
      t = (t << 8) | static_cast<unsigned int>(static_cast<int>(static_cast<signed char>(text[i])));
    h = t ^ RotateLeft5(h);
  }
  return h;
}

ZQ_StringFragment ZQ_String::GetStripFragment(ZQ_StripType ST, char Char) const {
  ZQ_TRACE_FUNCTION("ZQ_String::GetStripFragment");
  ZQ_ASSERT(static_cast <int> (ST) != 0);
  int begin = 0;
  int end = GetLength();
  if (static_cast<int>(ST) & 1)
    while (begin < end && Ref->Text[begin] == Char) ++begin;
  if (static_cast<int>(ST) & 2)
    while (end > begin && Ref->Text[end - 1] == Char) --end;
  if (begin >= end) return ZQ_StringFragment(*this, ZQ_NoMatch, 0);
  return ZQ_StringFragment(*this, begin, end - begin);
}

ZQ_StringFragment ZQ_String::operator()(int Start, int Length) {
  return ZQ_StringFragment(*this, Start, Length);
}

const ZQ_StringFragment ZQ_String::operator()(int Start, int Length) const {
  return ZQ_StringFragment(*this, Start, Length);
}

// ---------------------------------------------------------------------------
// Fragments

ZQ_StringFragment::ZQ_StringFragment(const ZQ_String& str, int Start, int nextent)
    : Str(const_cast<ZQ_String*>(&str)), Begin(ZQ_NoMatch), Length(0) {
  ZQ_TRACE_FUNCTION("ZQ_StringFragment::ZQ_StringFragment");
  ZQ_ASSERT((Start != ZQ_NoMatch) or (nextent == 0));
  ZQ_ASSERT((Start == ZQ_NoMatch) or (Start + nextent <= str.GetLength()));
  // Negative starts or lengths would view memory outside the text.
  ZQ_ASSERT((Start == ZQ_NoMatch) or ((Start >= 0) and (nextent >= 0)));
  if (Start == ZQ_NoMatch || Start < 0 || nextent < 0 ||
      Start + nextent > str.GetLength())
    return;  // the empty view
  Begin = Start;
  Length = nextent;
}

char& ZQ_StringFragment::operator[](int i) {
  ZQ_ASSERT((i != ZQ_NoMatch) and (i < GetLength()));
  ZQ_ASSERT(i >= 0);
  if (i < 0 || i >= Length) {
    s_outOfRangeChar = 0;
    return s_outOfRangeChar;
  }
  return (*Str)[Begin + i];
}

char ZQ_StringFragment::operator[](int i) const {
  ZQ_ASSERT((i != ZQ_NoMatch) and (i < GetLength()));
  ZQ_ASSERT(i >= 0);
  if (i < 0 || i >= Length) return 0;
  return static_cast<const ZQ_String&>(*Str)[Begin + i];
}

ZQ_StringFragment& ZQ_StringFragment::operator=(const ZQ_String& S) {
  ZQ_TRACE_FUNCTION("ZQ_StringFragment::operator=");
  if (Begin == ZQ_NoMatch) return *this;
  const int length = S.GetLength();
  Str->Replace(Begin, Length, S.GetText(), length);
  // The view now covers the inserted text, so it stays inside the string.
  Length = length;
  return *this;
}

bool operator==(const ZQ_StringFragment& SF, const ZQ_String& S) {
  if (SF.Begin == ZQ_NoMatch) return S.GetLength() == 0;
  if (SF.Length != S.GetLength() || SF.Begin + SF.Length > SF.Str->GetLength())
    return false;
  return std::memcmp(SF.Str->GetText() + SF.Begin, S.GetText(),
                     static_cast<std::size_t>(SF.Length)) == 0;
}

bool operator==(const ZQ_StringFragment& SF, const char* C) {
  ZQ_ASSERT(C);
  if (!C) return false;
  if (SF.Begin == ZQ_NoMatch) return C[0] == 0;
  ZQ_ASSERT(SF.Begin + SF.Length <= SF.Str->GetLength());
  if (SF.Begin + SF.Length > SF.Str->GetLength()) return false;
  return std::strlen(C) == static_cast<std::size_t>(SF.Length) &&
         std::memcmp(SF.Str->GetText() + SF.Begin, C,
                     static_cast<std::size_t>(SF.Length)) == 0;
}

// ---------------------------------------------------------------------------
// Free functions

bool operator==(const ZQ_String& S1, const ZQ_String& S2) {
  if (S1.GetText() == S2.GetText()) return true;
  return S1.GetLength() == S2.GetLength() &&
         std::memcmp(S1.GetText(), S2.GetText(),
                     static_cast<std::size_t>(S1.GetLength())) == 0;
}

bool operator==(const ZQ_String& S, const char* C) {
  ZQ_ASSERT(C);
  if (!C) return false;
  return std::strlen(C) == static_cast<std::size_t>(S.GetLength()) &&
         std::memcmp(S.GetText(), C, static_cast<std::size_t>(S.GetLength())) == 0;
}

ZQ_String operator+(const ZQ_String& S, const char* C) {
  return ZQ_String(S.GetText(), S.GetLength(), C,
                   C ? static_cast<int>(std::strlen(C)) : 0);
}

ZQ_String operator+(const char* C, const ZQ_String& S) {
  return ZQ_String(C, C ? static_cast<int>(std::strlen(C)) : 0, S.GetText(),
                   S.GetLength());
}

ZQ_String operator+(const ZQ_String& S1, const ZQ_String& S2) {
  return ZQ_String(S1.GetText(), S1.GetLength(), S2.GetText(), S2.GetLength());
}

ZQ_String ZQ_Left(const ZQ_String& S, int N) {
  if (S.GetLength() <= N) return S;
  return S.GetLeft(N);
}

ZQ_String ZQ_StripChar(const ZQ_String& S, ZQ_StripType ST, char Char) {
  ZQ_TRACE_FUNCTION("ZQ_StripChar");
  if (S.IsEmpty() || (S.GetFirstChar() != Char && S.GetLastChar() != Char)) return S;
  return ZQ_String(S.GetStripFragment(ST, Char));
}

ZQ_String ZQ_ToLowerCase(const ZQ_String& S) {
  ZQ_String result(S.GetText(), S.GetLength());
  result.ConvertToLowerCase();
  return result;
}

ZQ_String ZQ_ToUpperCase(const ZQ_String& S) {
  ZQ_String result(S.GetText(), S.GetLength());
  result.ConvertToUpperCase();
  return result;
}
