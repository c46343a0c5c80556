#include "ZQ_Iterator.h"

#include "ZQ_String.h"

ZQ_AdvanceOnlyIteratorReference::~ZQ_AdvanceOnlyIteratorReference() = default;

bool ZQ_AdvanceOnlyIteratorReference::Advance(long Count) {
  ZQ_TRACE_FUNCTION("ZQ_AdvanceOnlyIteratorReference::Advance");
  for (long i = 0; i < Count; ++i) Advance();
  return IsValid();
}

ZQ_AdvanceOnlyIterator::ZQ_AdvanceOnlyIterator(
    ZQ_AdvanceOnlyIteratorReference* Reference)
    : Ref(Reference) {}

ZQ_AdvanceOnlyIterator::ZQ_AdvanceOnlyIterator(const ZQ_AdvanceOnlyIterator& Other)
    : Ref(Other.Ref->Clone()) {}

ZQ_AdvanceOnlyIterator& ZQ_AdvanceOnlyIterator::operator=(
    const ZQ_AdvanceOnlyIterator& Other) {
  if (Ref != Other.Ref) {
    // Cloned before the old one goes, so a failed clone leaves this intact.
    ZQ_AdvanceOnlyIteratorReference* copy = Other.Ref->Clone();
    delete Ref;
    Ref = copy;
  }
  return *this;
}

ZQ_AdvanceOnlyIterator::~ZQ_AdvanceOnlyIterator() { delete Ref; }

long ZQ_CountElements(ZQ_AdvanceOnlyIterator Iterator) {
  ZQ_TRACE_FUNCTION("ZQ_CountElements");
  long count = 0;
  while (Iterator.IsValid()) {
    ++count;
    Iterator.Advance();
  }
  return count;
}

namespace {

// The lines of a text. The stored text carries one extra separator, so every
// line, the last included, ends with one; Position stays on the separator
// that ended the current line.
class ZQ_StringLineIteratorReference : public ZQ_ReadOnlyIteratorReference<ZQ_String> {
 public:
  ZQ_StringLineIteratorReference(const ZQ_String& Text, char Separator)
      : Text(Text), Separator(Separator), Position(-1) {
    this->Text += Separator;
    Rewind();
  }

  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override {
    ZQ_TRACE_FUNCTION("ZQ_StringLineIteratorReference::Advance");
    const int length = Text.GetLength();
    // Advancing past the end leaves the iterator invalid where it is.
    if (Position >= length) return false;
    ++Position;
    if (Position == length) return false;
    const char* text = Text.GetText();
    int end = Position;
    while (text[end] != Separator) ++end;  // the appended separator stops it
    int lineLength = end - Position;
    if (lineLength > 0 && Separator == '\n' && text[end - 1] == '\r') --lineLength;
    Line = ZQ_String(text + Position, lineLength);
    Position = end;
    return true;
  }
  bool IsValid() const override { return Position < Text.GetLength(); }
  void Rewind() override {
    Position = -1;
    Advance();
  }
  ZQ_StringLineIteratorReference* Clone() const override {
    return new ZQ_StringLineIteratorReference(*this);
  }
  const ZQ_String& GetCurrent() override { return Line; }

 private:
  ZQ_StringLineIteratorReference(const ZQ_StringLineIteratorReference&) = default;

  ZQ_String Text;
  char Separator;
  ZQ_String Line;
  int Position;
};

}  // namespace

ZQ_ReadOnlyIterator<ZQ_String> ZQ_GetStringLineIterator(const ZQ_String& Text,
                                                        char Separator,
                                                        long Flags) {
  ZQ_TRACE_FUNCTION("ZQ_GetStringLineIterator");
  if ((Flags & 1) && Text.IsEmpty())
    return ZQ_ReadOnlyIterator<ZQ_String>(ZQ_CreateNullIteratorReference<ZQ_String>());
  return ZQ_ReadOnlyIterator<ZQ_String>(
      new ZQ_StringLineIteratorReference(Text, Separator));
}
