// ZQ_String.h: the reference-counted 8-bit string of the library. A string is
// one pointer to a shared ZQ_StringReference; copies share it (one increment,
// no allocation) and every writer first takes a private copy (copy on write).
// The text may hold any byte, NULs included, and is always NUL-terminated.
// Counts are plain integers: a string and its copies belong to one thread.
// Precondition violations go to the assertion service; the string throws
// nothing itself (allocation failure throws std::bad_alloc).
#ifndef ZQ_STRING_H
#define ZQ_STRING_H

// The value of every search that finds nothing and of every absent position.
const int ZQ_NoMatch = -9999;

// The shared representation: one heap block of three header words followed by
// Capacity + 1 bytes of text. ExtraReferences counts owners beyond the first.
class ZQ_StringReference {
 public:
  int GetNumReferences() const { return ExtraReferences + 1; }
  int GetLength() const { return Length; }
  int GetCapacity() const { return Capacity; }
  const char* GetText() const { return Text; }

 private:
  friend class ZQ_String;
  constexpr ZQ_StringReference()
      : ExtraReferences(0), Length(0), Capacity(0), Text{0} {}
  int ExtraReferences;
  int Length;
  int Capacity;
  char Text[1];  // Capacity + 1 bytes in the real block
};

// Which ends GetStripFragment and ZQ_StripChar strip (bit 0 start, bit 1 end).
enum ZQ_StripType { ZQ_Strip_Leading = 1, ZQ_Strip_Trailing = 2, ZQ_Strip_Both = 3 };

class ZQ_StringFragment;

class ZQ_String {
 public:
  static const int DefaultCapacity = 7;
  static const int CapacityGranularity = 8;
  static const int MaxSmallSpareRoom = 7;
  static const int SmallStringLimit = 255;

  // Creation and lifetime
  ZQ_String() noexcept;                        // shares the empty representation
  ZQ_String(const ZQ_String& Other) noexcept;  // shares Other's representation
  ZQ_String(ZQ_String&& Other) noexcept;       // takes it; Other becomes empty
  ZQ_String(const char* C);                    // NUL-terminated; C not null
  ZQ_String(const char* C, int N);             // N bytes, NULs included; C not null
  explicit ZQ_String(char Char);               // length 1, capacity 7
  ZQ_String(char Char, int Count);             // Count copies, capacity Count
  ZQ_String(const ZQ_StringFragment& Fragment);
  // Concatenation of two buffers; a null buffer counts as empty.
  ZQ_String(const char* C1, int N1, const char* C2, int N2);
  ~ZQ_String();
  // An empty string with a private representation of exactly Capacity.
  static ZQ_String WithCapacity(int Capacity);

  // Assignment and modification
  ZQ_String& operator=(const ZQ_String& Other) noexcept;
  ZQ_String& operator=(ZQ_String&& Other) noexcept;
  ZQ_String& operator=(const char* C);
  ZQ_String& operator+=(const char* C);
  ZQ_String& operator+=(const ZQ_String& S);  // all of S's bytes, NULs included
  ZQ_String& operator+=(char Char);  // in place when unshared with room
  void Append(char Char, int Count = 1);
  void Append(const char* C, int N);
  void Prepend(char Char, int Count = 1);
  // Mode 0 appends, 1 prepends, 2 centres (the odd character goes in front).
  void Pad(int DesiredLength, int Mode, char PadChar = ' ');
  // Replaces Count characters from Start by TextLength bytes of Text (null
  // Text: nothing inserted). Gives memory back when too much would be spare.
  void Replace(int Start, int Count, const char* Text, int TextLength);
  // Replace without giving memory back: for texts built by repeated appends.
  void ReplaceWithoutShrinking(int Start, int Count, const char* Text,
                               int TextLength);
  void Empty(int Capacity = 0);
  void MakeUnique();
  void Reallocate(int Capacity);
  void ConvertToLowerCase();
  void ConvertToUpperCase();
  char& operator[](int i);  // un-shares

  // Queries
  int GetLength() const { return Ref->Length; }
  int GetCapacity() const { return Ref->Capacity; }
  const char* GetText() const { return Ref->Text; }
  bool IsEmpty() const { return Ref->Length == 0; }
  // Owners of the representation (1 = this string alone).
  int GetNumReferences() const { return Ref->GetNumReferences(); }
  char operator[](int i) const;
  char GetFirstChar() const;
  char GetLastChar() const;
  ZQ_String GetLeft(int N) const;
  ZQ_String GetRight(int N) const;
  bool BeginsWith(const ZQ_String& S) const;
  bool BeginsWith(const char* S) const;
  bool EndsWith(const ZQ_String& S) const;
  bool EndsWith(const char* S) const;
  bool Contains(const char* Text, bool IgnoreCase = false) const;
  bool Contains(const ZQ_String& Text, bool IgnoreCase = false) const;
  int Find(char Char) const;
  int Find(const char* Pattern, int PatternLength, int Start,
           bool IgnoreCase) const;
  int Find(const char* S, int Start) const;
  int Find(const char* S) const;
  int Find(const ZQ_String& S, int Start = 0, bool IgnoreCase = false) const;
  // Last occurrence, or ZQ_NoMatch. The character search reads the text up to
  // its first NUL; an empty pattern finds nothing.
  int FindLast(char Char) const;
  int FindLast(const char* Pattern) const;
  // Negative: this string sorts first; 0 equal; positive: it sorts last.
  int Compare(const ZQ_String& Other, bool IgnoreCase = false) const;
  int Compare(const char* cs2, bool IgnoreCase = false) const;
  unsigned int GetHash(bool IgnoreCase = false) const;
  ZQ_StringFragment GetStripFragment(ZQ_StripType ST, char Char) const;
  ZQ_StringFragment operator()(int Start, int Length);
  const ZQ_StringFragment operator()(int Start, int Length) const;

  // Capacity of a new representation for a text of Length characters: 7 up to
  // 7, then steps of 8 up to 255, then powers of two minus 1.
  static int ComputeCapacity(int Length);

 private:
  explicit ZQ_String(ZQ_StringReference* Reference) noexcept : Ref(Reference) {}
  static decltype(sizeof 0) BlockSize(int Capacity);  // bytes of a block
  static ZQ_StringReference* NewReference(int Capacity);
  static void Release(ZQ_StringReference* Reference) noexcept;
  void ReplaceImp(int Start, int Count, const char* Text, int TextLength,
                  bool MayShrink);
  bool IsShared() const { return Ref->ExtraReferences != 0; }
  // Whether a text of NewLength characters leaves more room spare in a block
  // of Capacity than Replace keeps (7 for small texts, half for large ones).
  static bool HasTooMuchSpareRoom(int NewLength, int Capacity) {
    return NewLength < SmallStringLimit ? Capacity - NewLength > MaxSmallSpareRoom
                                        : NewLength < Capacity / 2;
  }

  // Shared by every empty string that owns no block. Its count 0 stands for
  // the static itself, so it is never freed.
  static ZQ_StringReference EmptyReference;

  ZQ_StringReference* Ref;
};

// The common case of building a text one character at a time, inline: what
// Replace at the end would do in place, without its general moves.
inline ZQ_String& ZQ_String::operator+=(char Char) {
  ZQ_StringReference* const reference = Ref;
  const int length = reference->Length;
  if (reference->ExtraReferences == 0 && length < reference->Capacity &&
      !HasTooMuchSpareRoom(length + 1, reference->Capacity)) {
    reference->Text[length] = Char;
    reference->Text[length + 1] = 0;
    reference->Length = length + 1;
    return *this;
  }
  Replace(length, 0, &Char, 1);
  return *this;
}

// A view of a range of a string: it neither owns nor shares the
// representation and must not outlive the string. Begin is ZQ_NoMatch for an
// empty view.
class ZQ_StringFragment {
 public:
  ZQ_StringFragment(const ZQ_String& str, int Start, int nextent);
  int GetBegin() const { return Begin; }
  int GetLength() const { return Length; }
  const ZQ_String& GetString() const { return *Str; }
  char& operator[](int i);  // un-shares the string
  char operator[](int i) const;
  // Replaces the viewed range of the string by S; nothing for an empty view.
  ZQ_StringFragment& operator=(const ZQ_String& S);

 private:
  friend bool operator==(const ZQ_StringFragment& SF, const ZQ_String& S);
  friend bool operator==(const ZQ_StringFragment& SF, const char* C);
  ZQ_String* Str;
  int Begin;
  int Length;
};

bool operator==(const ZQ_StringFragment& SF, const ZQ_String& S);
bool operator==(const ZQ_StringFragment& SF, const char* C);

bool operator==(const ZQ_String& S1, const ZQ_String& S2);
bool operator==(const ZQ_String& S, const char* C);
inline bool operator==(const char* C, const ZQ_String& S) { return S == C; }
inline bool operator!=(const ZQ_String& S1, const ZQ_String& S2) { return !(S1 == S2); }
inline bool operator!=(const ZQ_String& S, const char* C) { return !(S == C); }
inline bool operator!=(const char* C, const ZQ_String& S) { return !(S == C); }
inline bool operator<(const ZQ_String& S1, const ZQ_String& S2) { return S1.Compare(S2) < 0; }

ZQ_String operator+(const ZQ_String& S, const char* C);
ZQ_String operator+(const char* C, const ZQ_String& S);
ZQ_String operator+(const ZQ_String& S1, const ZQ_String& S2);

// The first N characters, or S itself (shared) when it is not longer.
ZQ_String ZQ_Left(const ZQ_String& S, int N);
// S without the runs of Char at the ends ST selects; S itself when neither
// end holds Char.
ZQ_String ZQ_StripChar(const ZQ_String& S, ZQ_StripType ST, char Char);
ZQ_String ZQ_ToLowerCase(const ZQ_String& S);
ZQ_String ZQ_ToUpperCase(const ZQ_String& S);

// A ZQ_String compared, ordered and hashed without regard to case.
class ZQ_CaseInsensitiveString : public ZQ_String {
 public:
  ZQ_CaseInsensitiveString() noexcept = default;
  ZQ_CaseInsensitiveString(const ZQ_String& S) noexcept : ZQ_String(S) {}
  ZQ_CaseInsensitiveString(const char* C) : ZQ_String(C) {}
  unsigned int GetHash() const { return ZQ_String::GetHash(true); }
};

inline bool operator==(const ZQ_CaseInsensitiveString& S1,
                       const ZQ_CaseInsensitiveString& S2) {
  return S1.Compare(S2, true) == 0;
}
inline bool operator!=(const ZQ_CaseInsensitiveString& S1,
                       const ZQ_CaseInsensitiveString& S2) {
  return S1.Compare(S2, true) != 0;
}
inline bool operator<(const ZQ_CaseInsensitiveString& S1,
                      const ZQ_CaseInsensitiveString& S2) {
  return S1.Compare(S2, true) < 0;
}

#endif
