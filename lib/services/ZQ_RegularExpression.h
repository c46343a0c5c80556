// ZQ_RegularExpression.h: the simple wildcard language of file-name patterns
// and name filters, compiled once and matched many times.
//   *      any run of characters (longest first)
//   ?      any one character
//   [...]  one character of a set: ranges a-z, a leading ^ negates
//   a,b    alternatives, spaces around each ignored (commas split everywhere,
//          inside brackets too)
// Options: 1 ignores case, 2 makes a backslash escape the next character,
// which then stands for itself, inside brackets too ("[\]]" is the set of
// "]"; an escaped "^" or "-" is a plain member, never the negation or the
// dash between a range's ends).
// ZQ_MakeSimpleRegularExpression compiles a pattern into a chain of matching
// elements owned by a shared ZQ_RegularExpressionReference; handles count all
// their owners (1 = one handle). A compiled expression is immutable. An
// unclosed "[" throws ZQ_Exception at compile time; everything else is by
// assertion. One thread only.
#ifndef ZQ_REGULAREXPRESSION_H
#define ZQ_REGULAREXPRESSION_H

#include "ZQ_Array.h"
#include "ZQ_CountedBody.h"
#include "ZQ_String.h"

// Option bits.
const int ZQ_RegularExpression_IgnoreCase = 1;
const int ZQ_RegularExpression_BackslashEscapes = 2;

class ZQ_RegularExpressionMatchState;  // one match's text, section end and memory

// One link of a compiled chain. Match tries the section of Text from Start up
// to End together with the rest of the chain and returns the index where the
// whole chain's match ends, or -1. An element owns the chain after it.
class ZQ_RegularExpressionElement {
 public:
  ZQ_RegularExpressionElement() = default;
  ZQ_RegularExpressionElement(const ZQ_RegularExpressionElement&) = delete;
  ZQ_RegularExpressionElement& operator=(const ZQ_RegularExpressionElement&) = delete;
  virtual ~ZQ_RegularExpressionElement();
  int Match(const ZQ_String& Text, int Start, int End) const;

  // Takes ownership of the rest of the chain.
  void SetNext(ZQ_RegularExpressionElement* NewNext);

 protected:
  // Match, as one step of a match in progress: State holds the text, the
  // section's end and what the stars have learnt so far. The base: -1.
  virtual int MatchFrom(ZQ_RegularExpressionMatchState& State, int Start) const;
  // Chain's match from Start within the same match in progress.
  static int MatchChain(const ZQ_RegularExpressionElement& Chain,
                        ZQ_RegularExpressionMatchState& State, int Start);
  // The rest of the chain from Position, or Position itself at the chain's end.
  int MatchNext(ZQ_RegularExpressionMatchState& State, int Position) const;
  bool HasNext() const { return Next != nullptr; }

 private:
  ZQ_RegularExpressionElement* Next = nullptr;
};

// A literal text, compared byte by byte (the text lower-cased when ignoring
// case; Substring is then lower case already).
class ZQ_MatchSubstringRegularExpressionElement : public ZQ_RegularExpressionElement {
 public:
  ZQ_MatchSubstringRegularExpressionElement(const ZQ_String& Substring, bool IgnoreCase);
  const ZQ_String& GetSubstring() const { return Substring; }
  bool GetIgnoreCase() const { return IgnoreCase != 0; }

 protected:
  int MatchFrom(ZQ_RegularExpressionMatchState& State, int Start) const override;

 private:
  ZQ_String Substring;
  unsigned char IgnoreCase;
};

// A run of Count "?": any Count characters.
class ZQ_MatchAnyCharacterRegularExpressionElement : public ZQ_RegularExpressionElement {
 public:
  explicit ZQ_MatchAnyCharacterRegularExpressionElement(int Count) : Count(Count) {}

 protected:
  int MatchFrom(ZQ_RegularExpressionMatchState& State, int Start) const override;

 private:
  int Count;
};

// "*" followed by more pattern: the rest is tried from the section's end
// backwards, so the longest run wins. Within one match the star remembers
// down to where the rest has failed at every position and never tries those
// positions again: the rest after each star is tried at most once per
// position, so the cost grows with stars x section length, not with a
// product over the stars.
class ZQ_MatchAnySubstringRegularExpressionElement : public ZQ_RegularExpressionElement {
 public:
  // Index: this star's number among the stars of one expression, from 0;
  // two stars of one expression must not share one.
  explicit ZQ_MatchAnySubstringRegularExpressionElement(int Index) : Index(Index) {}

 protected:
  int MatchFrom(ZQ_RegularExpressionMatchState& State, int Start) const override;

 private:
  int Index;
};

// One character of a 256-bit set (bit c of word c / 32).
class ZQ_MatchAnyOfCharacterRegularExpressionElement : public ZQ_RegularExpressionElement {
 public:
  ZQ_MatchAnyOfCharacterRegularExpressionElement();
  void Add(unsigned char Char) { Set[Char / 32] |= 1u << (Char % 32); }
  bool Contains(unsigned char Char) const { return (Set[Char / 32] >> (Char % 32)) & 1u; }
  void Invert();

 protected:
  int MatchFrom(ZQ_RegularExpressionMatchState& State, int Start) const override;

 private:
  unsigned int Set[8];
};

// Alternatives, each a whole chain, owned. The first that matches the whole
// section wins; otherwise the one that reaches furthest.
class ZQOrRegularExpressionElement : public ZQ_RegularExpressionElement {
 public:
  // Takes ownership of every chain in Alternatives.
  explicit ZQOrRegularExpressionElement(const ZQ_Array<ZQ_RegularExpressionElement*>& Alternatives);
  ~ZQOrRegularExpressionElement() override;

 protected:
  int MatchFrom(ZQ_RegularExpressionMatchState& State, int Start) const override;

 private:
  ZQ_Array<ZQ_RegularExpressionElement*> Alternatives;
};

// An empty alternative: matches only an empty section.
class ZQ_EndOfRegularExpressionElement : public ZQ_RegularExpressionElement {
 protected:
  int MatchFrom(ZQ_RegularExpressionMatchState& State, int Start) const override;
};

// A trailing "*" (or the pattern "*" alone): everything to the end.
class ZQ_AlwaysMatchExpressionElement : public ZQ_RegularExpressionElement {
 protected:
  int MatchFrom(ZQ_RegularExpressionMatchState& State, int Start) const override;
};

// The shared compiled expression.
class ZQ_RegularExpressionReference : public ZQ_CountedBody {
 public:
  ~ZQ_RegularExpressionReference();

 private:
  friend class ZQ_RegularExpression;
  // Takes ownership of OwnedRoot (may be null).
  explicit ZQ_RegularExpressionReference(ZQ_RegularExpressionElement* OwnedRoot);

  ZQ_RegularExpressionElement* Root;
  // A root that is a non-empty literal must find its first character at the
  // section's start: a quick rejection before the chain is walked.
  bool RootIsLiteral = false;
  char RootFirstChar = 0;  // lower case when ignoring case
  bool RootIgnoresCase = false;
};

// A handle to a compiled expression; copies share it. A default handle holds
// no expression and matches only an empty section.
class ZQ_RegularExpression {
 public:
  // Copies share the expression; releasing a share asserts
  // "ReferenceCount > 0", and the last handle deletes it.
  ZQ_RegularExpression() noexcept = default;

  // Whether the whole section of S from SectionStart, SectionLength
  // characters long (a negative length: to the end of S), matches. A section
  // outside S is an assertion failure and, if the report returns, no match.
  bool Match(const ZQ_String& S, int SectionStart = 0, int SectionLength = -1) const;

  // Handles sharing the expression; 0 for a default handle.
  int GetReferenceCount() const { return Ref.GetReferenceCount(); }

 private:
  friend ZQ_RegularExpression ZQ_MakeSimpleRegularExpression(const ZQ_String& Pattern,
                                                              int Options);
  explicit ZQ_RegularExpression(ZQ_RegularExpressionReference* Reference) noexcept
      : Ref(Reference) {}
  // A handle to a new reference that takes ownership of OwnedRoot, even when
  // the reference cannot be allocated.
  static ZQ_RegularExpression Adopt(ZQ_RegularExpressionElement* OwnedRoot);

  ZQ_CountedHandle<ZQ_RegularExpressionReference> Ref;
};

// Compiles Pattern with the option bits above. Throws ZQ_Exception ("No
// closing square bracket character in regular expression") when a "[" has no
// "]" after it.
ZQ_RegularExpression ZQ_MakeSimpleRegularExpression(const ZQ_String& Pattern, int Options = 0);

// True when Text holds a comma, "*", "[", "]", "?" or a backslash.
bool ContainsSimpleRegularExpressionSpecialCharacters(const ZQ_String& Text);

// Backslash escapes to and from the form "\x" + two hexadecimal digits, in
// which no escaped character looks special any more. Encoding drops a
// backslash at the very end; decoding asserts the "\xHH" form.
ZQ_String EncodeEscapedCharacters(const ZQ_String& Pattern);
ZQ_String DecodeEscapedCharacters(const ZQ_String& Pattern);

// True when the Length-byte Text holds a whole word from Start to End - 1:
// every character there a letter, digit or underscore, and neither the one
// before Start nor the one at End (where they exist) such a character.
bool IsWholeWord(const char* Text, int Length, int Start, int End);

#endif
