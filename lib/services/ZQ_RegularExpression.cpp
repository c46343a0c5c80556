#include "ZQ_RegularExpression.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "ZQLOW_Char.h"
#include "ZQ_Assertion.h"
#include "ZQ_CharacterClass.h"
#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringSubs.h"

namespace {

const char kSpecialCharacters[] = ",*[]?\\";

bool IsSpecialCharacter(char Char) {
  for (const char* special = kSpecialCharacters; *special; ++special)
    if (*special == Char) return true;
  return false;
}

bool IsWordCharacter(char Char) { return ZQ_IsCharInClass(Char, ZQ_CharClass_IdentifierChars); }
bool IsHexDigit(char Char) { return ZQ_IsCharInClass(Char, ZQ_CharClass_HexDigit); }

// The byte that the two hexadecimal digits at Digits spell.
int HexByteAt(const char* Digits) {
  bool isError = false;
  return static_cast<unsigned char>(ZQ_StringSubs::StringToInt32(Digits, 2, isError, 16));
}

// Index i of an escape "\xHH": the x when Wanted is 'x', else a hexadecimal
// digit. Reports a failure as the decoder's assertions word it.
bool CheckEscapeCharacter(const char* Text, int i, int n, char Wanted) {
  if (Wanted == 'x') {
    const bool isX = i < n && Text[i] == 'x';
    ZQ_ASSERT_TEXT(isX, "i < n and (Pattern [i] == 'x')");
    return isX;
  }
  const bool isHex = i < n && IsHexDigit(Text[i]);
  ZQ_ASSERT_TEXT(isHex, "i < n and ZQLOW_Char::IsHexDigit (Pattern [i])");
  return isHex;
}

using ElementPointer = std::unique_ptr<ZQ_RegularExpressionElement>;

// Compiles one pattern (or one alternative of it). Sections are made left to
// right and linked from the right, so that a long pattern costs no deep
// recursion here; until linked, each section is owned by the list, so an
// exception frees what was made.
class ZQ_SimpleRegularExpressionParser {
 public:
  ZQ_SimpleRegularExpressionParser(const ZQ_String& Pattern, int Options)
      : Original(Pattern), Pattern(Pattern), Options(Options), Length(Pattern.GetLength()) {
    if (Options & ZQ_RegularExpression_BackslashEscapes)
      this->Pattern = EncodeEscapedCharacters(Pattern);
    Length = this->Pattern.GetLength();
  }

  ElementPointer Parse();

 private:
  bool IgnoresCase() const { return (Options & ZQ_RegularExpression_IgnoreCase) != 0; }
  bool DecodesEscapes() const { return (Options & ZQ_RegularExpression_BackslashEscapes) != 0; }
  ElementPointer ParseSections();
  // One section at Position; Position moves past it.
  ElementPointer ParseSection(int& Position);
  ElementPointer ParseCharacterSet(int& Position);
  // One character of a set at Position, which moves past it. With escapes,
  // "\xHH" is the character it encodes, and IsEscaped says that it stands
  // for itself: never the "-" of a range.
  struct SetCharacter {
    int Char;
    bool IsEscaped;
  };
  SetCharacter ReadSetCharacter(int& Position) const;
  [[noreturn]] void ThrowNoClosingBracket() const;

  ZQ_String Original;  // as the caller gave it, for messages
  ZQ_String Pattern;   // escapes encoded; one alternative at a time
  int Options;
  int Length;
  int NumStars = 0;  // in all alternatives: each star has its own number
};

ElementPointer ZQ_SimpleRegularExpressionParser::Parse() {
  ZQ_TRACE_FUNCTION("ZQ_SimpleRegularExpressionParser::Parse");
  if (Pattern == "*") return ElementPointer(new ZQ_AlwaysMatchExpressionElement);
  if (!ContainsSimpleRegularExpressionSpecialCharacters(Pattern))
    return ElementPointer(new ZQ_MatchSubstringRegularExpressionElement(
        IgnoresCase() ? ZQ_ToLowerCase(Pattern) : Pattern, IgnoresCase()));
  if (Pattern.Find(',') == ZQ_NoMatch) return ParseSections();

  // Alternatives: every comma splits, inside brackets too (an escaped comma
  // is encoded and no longer a comma).
  const ZQ_String whole = Pattern + ",";
  std::vector<ElementPointer> alternatives;
  int pieceStart = 0;
  for (int i = 0; i < whole.GetLength(); ++i) {
    if (whole[i] != ',') continue;
    Pattern = ZQ_StripChar(ZQ_String(whole.GetText() + pieceStart, i - pieceStart),
                           ZQ_Strip_Both, ' ');
    Length = Pattern.GetLength();
    alternatives.push_back(Length == 0 ? ElementPointer(new ZQ_EndOfRegularExpressionElement)
                                       : ParseSections());
    pieceStart = i + 1;
  }
  // Until the Or element exists the list owns the chains, so a failed
  // allocation here frees them.
  ZQ_Array<ZQ_RegularExpressionElement*> chains(static_cast<long>(alternatives.size()), nullptr);
  for (size_t i = 0; i < alternatives.size(); ++i)
    chains[static_cast<long>(i)] = alternatives[i].get();
  ElementPointer orElement(new ZQOrRegularExpressionElement(chains));
  for (auto& alternative : alternatives) alternative.release();
  return orElement;
}

ElementPointer ZQ_SimpleRegularExpressionParser::ParseSections() {
  ZQ_TRACE_FUNCTION("ZQ_SimpleRegularExpressionParser::ParseSections");
  std::vector<ElementPointer> sections;
  int position = 0;
  while (position < Length) sections.push_back(ParseSection(position));
  ElementPointer chain;
  for (size_t i = sections.size(); i-- > 0;) {
    sections[i]->SetNext(chain.release());
    chain = std::move(sections[i]);
  }
  return chain;
}

ElementPointer ZQ_SimpleRegularExpressionParser::ParseSection(int& Position) {
  const char* text = Pattern.GetText();
  switch (text[Position]) {
    case '*':
      if (Position == Length - 1) {
        ++Position;
        return ElementPointer(new ZQ_AlwaysMatchExpressionElement);
      }
      while (Position < Length && text[Position] == '*') ++Position;
      return ElementPointer(new ZQ_MatchAnySubstringRegularExpressionElement(NumStars++));
    case '?': {
      int count = 0;
      while (Position < Length && text[Position] == '?') ++Position, ++count;
      return ElementPointer(new ZQ_MatchAnyCharacterRegularExpressionElement(count));
    }
    case '[':
      return ParseCharacterSet(Position);
    default: {
      // A "]" outside brackets is literal; so is a comma once split off.
      int end = Position;
      while (end < Length && text[end] != '*' && text[end] != '?' && text[end] != '[') ++end;
      ZQ_String literal(text + Position, end - Position);
      Position = end;
      if (DecodesEscapes()) literal = DecodeEscapedCharacters(literal);
      if (IgnoresCase()) literal = ZQ_ToLowerCase(literal);
      return ElementPointer(new ZQ_MatchSubstringRegularExpressionElement(literal, IgnoresCase()));
    }
  }
}

ElementPointer ZQ_SimpleRegularExpressionParser::ParseCharacterSet(int& Position) {
  ZQ_TRACE_FUNCTION("ZQ_SimpleRegularExpressionParser::ParseCharacterSet");
  const int close = Pattern.Find("]", Position);
  if (close == ZQ_NoMatch) ThrowNoClosingBracket();
  auto set = std::make_unique<ZQ_MatchAnyOfCharacterRegularExpressionElement>();
  const unsigned char* text = reinterpret_cast<const unsigned char*>(Pattern.GetText());
  int i = Position + 1;
  const bool isNegated = i < close && text[i] == '^';
  if (isNegated) ++i;
  int previous = -1;  // the last single character added, if a range may follow
  auto add = [&](int Char) {
    set->Add(static_cast<unsigned char>(Char));
    if (IgnoresCase()) {
      set->Add(static_cast<unsigned char>(ZQLOW_Char::ToLower(static_cast<char>(Char))));
      set->Add(static_cast<unsigned char>(ZQLOW_Char::ToUpper(static_cast<char>(Char))));
    }
  };
  while (i < close) {
    const SetCharacter c = ReadSetCharacter(i);
    const bool isDash = c.Char == '-' && !c.IsEscaped;
    if (isDash && previous >= 0 && i < close) {
      const int last = ReadSetCharacter(i).Char;
      for (int r = previous; r <= last; ++r) add(r);
      previous = -1;
    } else {
      add(c.Char);
      previous = isDash ? -1 : c.Char;
    }
  }
  if (isNegated) set->Invert();
  Position = close + 1;
  return ElementPointer(set.release());
}

ZQ_SimpleRegularExpressionParser::SetCharacter ZQ_SimpleRegularExpressionParser::ReadSetCharacter(
    int& Position) const {
  // Escapes are whole here: the "]" that closes the set is never inside one.
  const char* text = Pattern.GetText() + Position;
  if (DecodesEscapes() && text[0] == '\\') {
    Position += 4;
    return {HexByteAt(text + 2), true};
  }
  ++Position;
  return {static_cast<unsigned char>(text[0]), false};
}

void ZQ_SimpleRegularExpressionParser::ThrowNoClosingBracket() const {
  ZQ_TRACE_FUNCTION("ZQ_SimpleRegularExpressionParser::ThrowNoClosingBracket");
  throw ZQ_Exception(
      ZQ_Internationalization_Translate("No closing square bracket character in regular expression"),
      ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate(
              "The regular expression '{$1}' contains an opening square bracket character [ "
              "that does not have a matching closing square bracket character ]."),
          Original));
}

}  // namespace

// One match in progress: the text, the section's end, and for each star the
// lowest position from which the rest after it is known to fail at every
// position up to the end (the end + 1 while nothing is known). The first
// stars' entries sit inside, so that the usual filters match without a heap
// block.
class ZQ_RegularExpressionMatchState {
 public:
  ZQ_RegularExpressionMatchState(const ZQ_String& Text, int End) : Text(Text), End(End) {
    for (int& entry : FirstFailsFrom) entry = End + 1;
  }
  const ZQ_String& GetText() const { return Text; }
  int GetEnd() const { return End; }
  int GetFailsFrom(int StarIndex) { return Entry(StarIndex); }
  void SetFailsFrom(int StarIndex, int Position) { Entry(StarIndex) = Position; }

 private:
  static const int kNumFirstStars = 4;
  int& Entry(int StarIndex) {
    if (StarIndex < kNumFirstStars) return FirstFailsFrom[StarIndex];
    const size_t more = static_cast<size_t>(StarIndex - kNumFirstStars);
    if (more >= MoreFailsFrom.size()) MoreFailsFrom.resize(more + 1, End + 1);
    return MoreFailsFrom[more];
  }

  const ZQ_String& Text;
  const int End;
  int FirstFailsFrom[kNumFirstStars];
  std::vector<int> MoreFailsFrom;
};

// Elements

ZQ_RegularExpressionElement::~ZQ_RegularExpressionElement() {
  // Unlinks the chain iteratively: a long chain must not recurse once per
  // element on the way down.
  ZQ_RegularExpressionElement* rest = Next;
  while (rest) {
    ZQ_RegularExpressionElement* following = rest->Next;
    rest->Next = nullptr;
    delete rest;
    rest = following;
  }
}

int ZQ_RegularExpressionElement::Match(const ZQ_String& Text, int Start, int End) const {
  ZQ_RegularExpressionMatchState state(Text, End);
  return MatchFrom(state, Start);
}

int ZQ_RegularExpressionElement::MatchFrom(ZQ_RegularExpressionMatchState&, int) const {
  return -1;
}

int ZQ_RegularExpressionElement::MatchChain(const ZQ_RegularExpressionElement& Chain,
                                            ZQ_RegularExpressionMatchState& State, int Start) {
  return Chain.MatchFrom(State, Start);
}

int ZQ_RegularExpressionElement::MatchNext(ZQ_RegularExpressionMatchState& State,
                                           int Position) const {
  return Next ? Next->MatchFrom(State, Position) : Position;
}

void ZQ_RegularExpressionElement::SetNext(ZQ_RegularExpressionElement* NewNext) {
  ZQ_RegularExpressionElement* old = Next;
  Next = NewNext;
  delete old;
}

ZQ_MatchSubstringRegularExpressionElement::ZQ_MatchSubstringRegularExpressionElement(
    const ZQ_String& Substring, bool IgnoreCase)
    : Substring(Substring), IgnoreCase(IgnoreCase ? 1 : 0) {}

int ZQ_MatchSubstringRegularExpressionElement::MatchFrom(ZQ_RegularExpressionMatchState& State,
                                                         int Start) const {
  const int length = Substring.GetLength();
  if (State.GetEnd() - Start < length) return -1;
  const char* text = State.GetText().GetText() + Start;
  const char* wanted = Substring.GetText();
  for (int i = 0; i < length; ++i) {
    const char c = IgnoreCase ? static_cast<char>(ZQLOW_Char::ToLower(text[i])) : text[i];
    if (c != wanted[i]) return -1;
  }
  return MatchNext(State, Start + length);
}

int ZQ_MatchAnyCharacterRegularExpressionElement::MatchFrom(
    ZQ_RegularExpressionMatchState& State, int Start) const {
  if (State.GetEnd() - Start < Count) return -1;
  return MatchNext(State, Start + Count);
}

int ZQ_MatchAnySubstringRegularExpressionElement::MatchFrom(
    ZQ_RegularExpressionMatchState& State, int Start) const {
  const int end = State.GetEnd();
  if (!HasNext()) return Start <= end ? end : -1;
  // Within one match the rest's result depends on the position alone, so the
  // positions known to fail are skipped: the result stays the first success
  // from the end backwards. The entry is looked up again after every try,
  // which may add entries for the stars further on.
  for (int position = std::min(end, State.GetFailsFrom(Index) - 1); position >= Start;
       --position) {
    const int result = MatchNext(State, position);
    if (result != -1) return result;
    State.SetFailsFrom(Index, position);
  }
  return -1;
}

ZQ_MatchAnyOfCharacterRegularExpressionElement::ZQ_MatchAnyOfCharacterRegularExpressionElement()
    : Set() {}

int ZQ_MatchAnyOfCharacterRegularExpressionElement::MatchFrom(
    ZQ_RegularExpressionMatchState& State, int Start) const {
  if (Start >= State.GetEnd()) return -1;
  if (!Contains(static_cast<unsigned char>(State.GetText().GetText()[Start]))) return -1;
  return MatchNext(State, Start + 1);
}

void ZQ_MatchAnyOfCharacterRegularExpressionElement::Invert() {
  for (unsigned int& word : Set) word = ~word;
}

ZQOrRegularExpressionElement::ZQOrRegularExpressionElement(
    const ZQ_Array<ZQ_RegularExpressionElement*>& Alternatives)
    : Alternatives(Alternatives) {}

ZQOrRegularExpressionElement::~ZQOrRegularExpressionElement() {
  for (long i = 0; i < Alternatives.GetNumElements(); ++i) delete Alternatives[i];
}

int ZQOrRegularExpressionElement::MatchFrom(ZQ_RegularExpressionMatchState& State,
                                            int Start) const {
  int best = -1;
  for (long i = 0; i < Alternatives.GetNumElements(); ++i) {
    const int result = MatchChain(*Alternatives[i], State, Start);
    if (result == State.GetEnd()) return result;
    if (result > best) best = result;
  }
  return best;
}

int ZQ_EndOfRegularExpressionElement::MatchFrom(ZQ_RegularExpressionMatchState& State,
                                                int Start) const {
  return Start == State.GetEnd() ? Start : -1;
}

int ZQ_AlwaysMatchExpressionElement::MatchFrom(ZQ_RegularExpressionMatchState& State,
                                               int Start) const {
  return Start <= State.GetEnd() ? State.GetEnd() : -1;
}

// The shared expression and its handles

ZQ_RegularExpressionReference::ZQ_RegularExpressionReference(
    ZQ_RegularExpressionElement* OwnedRoot)
    : Root(OwnedRoot) {
  auto* literal = dynamic_cast<ZQ_MatchSubstringRegularExpressionElement*>(Root);
  if (literal && literal->GetSubstring().GetLength() > 0) {
    RootIsLiteral = true;
    RootFirstChar = literal->GetSubstring()[0];
    RootIgnoresCase = literal->GetIgnoreCase();
  }
}

ZQ_RegularExpressionReference::~ZQ_RegularExpressionReference() { delete Root; }

ZQ_RegularExpression ZQ_RegularExpression::Adopt(ZQ_RegularExpressionElement* OwnedRoot) {
  ElementPointer owned(OwnedRoot);
  auto* reference = new ZQ_RegularExpressionReference(OwnedRoot);
  owned.release();
  return ZQ_RegularExpression(reference);
}

bool ZQ_RegularExpression::Match(const ZQ_String& S, int SectionStart, int SectionLength) const {
  ZQ_TRACE_FUNCTION("ZQ_RegularExpression::Match");
  const int textLength = S.GetLength();
  if (SectionLength < 0) SectionLength = textLength - SectionStart;
  // A start beyond the text would otherwise pass as a negative length.
  const bool isInside = 0 <= SectionStart && SectionStart <= textLength && SectionLength >= 0 &&
                        static_cast<long long>(SectionStart) + SectionLength <= textLength;
  ZQ_ASSERT_TEXT(isInside, "0 <= SectionStart and (SectionStart + SectionLength) <= S.GetLength()");
  if (!isInside) return false;
  const int sectionEnd = SectionStart + SectionLength;
  if (Ref.IsNull() || !Ref->Root) return SectionLength == 0;
  if (Ref->RootIsLiteral) {
    if (SectionLength == 0) return false;
    const char first = S.GetText()[SectionStart];
    const char compared =
        Ref->RootIgnoresCase ? static_cast<char>(ZQLOW_Char::ToLower(first)) : first;
    if (compared != Ref->RootFirstChar) return false;
  }
  return Ref->Root->Match(S, SectionStart, sectionEnd) == sectionEnd;
}

ZQ_RegularExpression ZQ_MakeSimpleRegularExpression(const ZQ_String& Pattern, int Options) {
  ZQ_TRACE_FUNCTION("ZQ_MakeSimpleRegularExpression");
  ZQ_TRACE_VARIABLE(Pattern);
  ZQ_SimpleRegularExpressionParser parser(Pattern, Options);
  return ZQ_RegularExpression::Adopt(parser.Parse().release());
}

// Helpers

bool ContainsSimpleRegularExpressionSpecialCharacters(const ZQ_String& Text) {
  const char* text = Text.GetText();
  for (int i = 0; i < Text.GetLength(); ++i)
    if (IsSpecialCharacter(text[i])) return true;
  return false;
}

ZQ_String EncodeEscapedCharacters(const ZQ_String& Pattern) {
  ZQ_TRACE_FUNCTION("EncodeEscapedCharacters");
  if (Pattern.Find('\\') == ZQ_NoMatch) return Pattern;
  static const char kHexDigits[] = "0123456789abcdef";
  const char* text = Pattern.GetText();
  const int n = Pattern.GetLength();
  ZQ_String result = ZQ_String::WithCapacity(n * 2);
  for (int i = 0; i < n; ++i) {
    if (text[i] != '\\') {
      result += text[i];
      continue;
    }
    if (++i >= n) break;  // a backslash at the very end is dropped
    // The byte as unsigned: bytes 128 to 255 take two digits like the rest.
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const char escape[4] = {'\\', 'x', kHexDigits[c >> 4], kHexDigits[c & 15]};
    result.Append(escape, 4);
  }
  return result;
}

ZQ_String DecodeEscapedCharacters(const ZQ_String& Pattern) {
  ZQ_TRACE_FUNCTION("DecodeEscapedCharacters");
  if (Pattern.Find('\\') == ZQ_NoMatch) return Pattern;
  const char* text = Pattern.GetText();
  const int n = Pattern.GetLength();
  ZQ_String result = ZQ_String::WithCapacity(n);
  for (int i = 0; i < n; ++i) {
    if (text[i] != '\\') {
      result += text[i];
      continue;
    }
    // A malformed escape, once reported, loses only its backslash: the loop
    // resumes right after it.
    const int backslash = i;
    if (!CheckEscapeCharacter(text, ++i, n, 'x') || !CheckEscapeCharacter(text, ++i, n, 0) ||
        !CheckEscapeCharacter(text, ++i, n, 0)) {
      i = backslash;
      continue;
    }
    result += static_cast<char>(HexByteAt(text + i - 1));
  }
  return result;
}

bool IsWholeWord(const char* Text, int Length, int Start, int End) {
  ZQ_TRACE_FUNCTION("IsWholeWord");
  ZQ_ASSERT(Text != NULL and 0 <= Start and Start <= End and End <= Length);
  if (!Text || Start < 0 || Start > End || End > Length) return false;
  if (Start > 0 && IsWordCharacter(Text[Start - 1])) return false;
  if (End < Length && IsWordCharacter(Text[End])) return false;
  for (int i = Start; i < End; ++i)
    if (!IsWordCharacter(Text[i])) return false;
  return true;
}
