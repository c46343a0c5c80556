#include "ZQ_TextStreamFormatter.h"

#include <cstring>

#include "ZQ_Assertion.h"
#include "ZQ_CharacterClass.h"
#include "ZQ_Numeric.h"
#include "ZQ_NumberText.h"
#include "ZQ_StackTrace.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

using Formatter = ZQ_TextStreamFormatter;

const ZQ_AttributeIndexType kEndKey = 0xFFFF;

struct AttributeRow {
  const void* DefaultValue;
  int TypeSize;
  int Alignment;
  Formatter::CopyConstructFunction CopyConstruct;
  Formatter::DestroyFunction Destroy;
  Formatter::AssignFunction Assign;
};

struct AttributeRegistry {
  AttributeRow Rows[Formatter::MaxNumAttributes];
  int NumRegisteredAttributes = 0;
};

// Values are stored at their natural alignment, so they can be read through
// typed pointers: the largest power of two that divides the size, up to 8.
int AlignmentOfSize(int TypeSize) {
  int alignment = 1;
  while (alignment < 8 && TypeSize % (2 * alignment) == 0) alignment *= 2;
  return alignment;
}

void AddRow(AttributeRegistry& Registry, const void* DefaultValue, int TypeSize,
            Formatter::CopyConstructFunction CopyConstruct, Formatter::DestroyFunction Destroy,
            Formatter::AssignFunction Assign) {
  Registry.Rows[Registry.NumRegisteredAttributes++] = {
      DefaultValue, TypeSize, AlignmentOfSize(TypeSize), CopyConstruct, Destroy, Assign};
}

template <class T>
void AddBuiltIn(AttributeRegistry& Registry, const T& DefaultValue) {
  AddRow(Registry, new T(DefaultValue), static_cast<int>(sizeof(T)),
         &ZQ_TextStreamFormatter_Detail::CopyConstruct<T>,
         &ZQ_TextStreamFormatter_Detail::Destroy<T>, &ZQ_TextStreamFormatter_Detail::Assign<T>);
}

AttributeRegistry* CreateRegistry() {
  AttributeRegistry* registry = new AttributeRegistry;
  AddBuiltIn<long>(*registry, 0);                  // Width
  AddBuiltIn<long>(*registry, 0);                  // Justification
  AddBuiltIn<char>(*registry, ' ');                // PadChar
  AddBuiltIn<unsigned char>(*registry, 10);        // Base
  AddBuiltIn<long>(*registry, 6);                  // Precision
  AddBuiltIn<long>(*registry, 1);                  // PrecisionOrigin
  AddBuiltIn<ZQ_String>(*registry, "E");           // ExponentSymbol
  AddBuiltIn<long>(*registry, 2);                  // ShowExponent
  AddBuiltIn<long>(*registry, 0);                  // ExponentDigitsWidth
  AddBuiltIn<bool>(*registry, false);              // ShowTrailingPoint
  AddBuiltIn<char>(*registry, '.');                // PointSymbol
  AddBuiltIn<bool>(*registry, false);              // ShowTrailingZeros
  AddBuiltIn<bool>(*registry, false);              // ShowPlus
  AddBuiltIn<unsigned char>(*registry, 0);         // GroupSize
  AddBuiltIn<ZQ_String>(*registry, ",");           // GroupSymbol
  AddBuiltIn<ZQ_String>(*registry, "True");        // TrueSymbol
  AddBuiltIn<ZQ_String>(*registry, "False");       // FalseSymbol
  return registry;
}

// Built on first use and never destroyed: formatters that static destructors
// release still need the value operations and defaults.
AttributeRegistry& Registry() {
  static AttributeRegistry* s_registry = CreateRegistry();
  return *s_registry;
}

}  // namespace

// Entries packed one after the other: a 16-bit key, padding up to the value's
// alignment, the value; the key 0xFFFF ends them.
struct ZQ_TextStreamFormatter::StateBlock {
  alignas(8) unsigned char Space[SpaceForAttributes];
  StateBlock* Previous = nullptr;

  ZQ_AttributeIndexType KeyAt(int Offset) const {
    ZQ_AttributeIndexType key;
    std::memcpy(&key, Space + Offset, sizeof key);
    return key;
  }
  void SetKeyAt(int Offset, ZQ_AttributeIndexType Key) {
    std::memcpy(Space + Offset, &Key, sizeof Key);
  }
  static int ValueOffset(int KeyOffset, ZQ_AttributeIndexType Key) {
    const int alignment = Registry().Rows[Key].Alignment;
    const int offset = KeyOffset + static_cast<int>(sizeof(ZQ_AttributeIndexType));
    return (offset + alignment - 1) / alignment * alignment;
  }
  static int NextOffset(int KeyOffset, ZQ_AttributeIndexType Key) {
    return ValueOffset(KeyOffset, Key) + Registry().Rows[Key].TypeSize;
  }
  void DestroyValues() {
    for (int i = 0; KeyAt(i) != kEndKey; i = NextOffset(i, KeyAt(i)))
      Registry().Rows[KeyAt(i)].Destroy(Space + ValueOffset(i, KeyAt(i)));
    SetKeyAt(0, kEndKey);
  }
};

ZQ_AttributeIndexType ZQ_TextStreamFormatter::RegisterAttribute(
    const void* DefaultValue, int TypeSize, CopyConstructFunction CopyConstruct,
    DestroyFunction Destroy, AssignFunction Assign) {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::RegisterAttribute");
  AttributeRegistry& registry = Registry();
  const int NumRegisteredAttributes = registry.NumRegisteredAttributes;
  ZQ_ASSERT(NumRegisteredAttributes < MaxNumAttributes);
  if (NumRegisteredAttributes >= MaxNumAttributes) return kEndKey;
  AddRow(registry, DefaultValue, TypeSize, CopyConstruct, Destroy, Assign);
  return static_cast<ZQ_AttributeIndexType>(NumRegisteredAttributes);
}

ZQ_TextStreamFormatter::~ZQ_TextStreamFormatter() { PopAllStates(); }

const void* ZQ_TextStreamFormatter::GetAttribute(ZQ_AttributeIndexType Key) const {
  if (Current) {
    for (int i = 0;; i = StateBlock::NextOffset(i, Current->KeyAt(i))) {
      const ZQ_AttributeIndexType key = Current->KeyAt(i);
      if (key == kEndKey) break;
      if (key == Key) return Current->Space + StateBlock::ValueOffset(i, key);
    }
  }
  return Registry().Rows[Key].DefaultValue;
}

void ZQ_TextStreamFormatter::SetAttribute(ZQ_AttributeIndexType Key, const void* Value) {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::SetAttribute");
  if (!Current) PushState();
  const AttributeRow& row = Registry().Rows[Key];
  int i = 0;
  for (; Current->KeyAt(i) != kEndKey; i = StateBlock::NextOffset(i, Current->KeyAt(i))) {
    if (Current->KeyAt(i) == Key) {
      row.Assign(Current->Space + StateBlock::ValueOffset(i, Key), Value);
      return;
    }
  }
  const int Index = StateBlock::ValueOffset(i, Key);
  const bool fits =
      Index + row.TypeSize + static_cast<int>(sizeof(ZQ_AttributeIndexType)) <= SpaceForAttributes;
  ZQ_ASSERT_TEXT(fits,
                 "Index + AttributeTable [Key].TypeSize + sizeof (ZQ_AttributeIndexType) <= "
                 "SpaceForAttributes");
  if (!fits) return;
  row.CopyConstruct(Current->Space + Index, Value);
  Current->SetKeyAt(i, Key);
  Current->SetKeyAt(Index + row.TypeSize, kEndKey);
}

void ZQ_TextStreamFormatter::PushState() {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::PushState");
  StateBlock* block = new StateBlock;
  block->SetKeyAt(0, kEndKey);
  try {
    // Same offsets as in the current block: the layout depends on the keys only.
    if (Current) {
      for (int i = 0; Current->KeyAt(i) != kEndKey;) {
        const ZQ_AttributeIndexType key = Current->KeyAt(i);
        const int valueOffset = StateBlock::ValueOffset(i, key);
        const int next = StateBlock::NextOffset(i, key);
        Registry().Rows[key].CopyConstruct(block->Space + valueOffset,
                                           Current->Space + valueOffset);
        block->SetKeyAt(next, kEndKey);
        block->SetKeyAt(i, key);
        i = next;
      }
    }
  } catch (...) {
    block->DestroyValues();
    delete block;
    throw;
  }
  block->Previous = Current;
  Current = block;
}

void ZQ_TextStreamFormatter::PopState() {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::PopState");
  PopCurrentState();
}

void ZQ_TextStreamFormatter::PopCurrentState() {
  ZQ_ASSERT(not StateStackEmpty());
  if (!Current) return;
  StateBlock* block = Current;
  block->DestroyValues();
  Current = block->Previous;
  delete block;
}

void ZQ_TextStreamFormatter::ResetCurrentState() {
  ZQ_ASSERT(not StateStackEmpty());
  if (Current) Current->DestroyValues();
}

void ZQ_TextStreamFormatter::ResetState() {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::ResetState");
  if (Current) ResetCurrentState();
}

void ZQ_TextStreamFormatter::PopAllStates() {
  while (Current) PopCurrentState();
}

// ---------------------------------------------------------------------------
// Output

ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::operator<<(ZQ_String)");
  const long width = Get<long>(Attribute_Width);
  if (width <= Text.GetLength()) {
    GetSink().Write(Text.GetText(), static_cast<unsigned long>(Text.GetLength()));
    return *this;
  }
  ZQ_String padded = Text;
  const char padChar = Get<char>(Attribute_PadChar);
  switch (Get<long>(Attribute_Justification)) {
    case Justification_Right:
      padded.Pad(static_cast<int>(width), 1, padChar);
      break;
    case Justification_Left:
      padded.Pad(static_cast<int>(width), 0, padChar);
      break;
    case Justification_Centre:
      padded.Pad(static_cast<int>(width), 2, padChar);
      break;
    default:
      ZQ_ASSERT(false);
      break;
  }
  GetSink().Write(padded.GetText(), static_cast<unsigned long>(padded.GetLength()));
  return *this;
}

ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(const char* Text) {
  ZQ_ASSERT(Text);
  if (Text) GetSink().Write(Text, static_cast<unsigned long>(std::strlen(Text)));
  return *this;
}

ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(char Char) {
  GetSink().Write(&Char, 1);
  return *this;
}

ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(signed char Value) {
  WriteSigned(Value);
  return *this;
}
ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(short Value) {
  WriteSigned(Value);
  return *this;
}
ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(int Value) {
  WriteSigned(Value);
  return *this;
}
ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(long Value) {
  WriteSigned(Value);
  return *this;
}
ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(unsigned char Value) {
  WriteUnsigned(Value);
  return *this;
}
ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(unsigned short Value) {
  WriteUnsigned(Value);
  return *this;
}
ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(unsigned int Value) {
  WriteUnsigned(Value);
  return *this;
}
ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(unsigned long Value) {
  WriteUnsigned(Value);
  return *this;
}

ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(double Value) {
  WriteDouble(Value);
  return *this;
}

ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(bool Value) {
  return *this << Get<ZQ_String>(Value ? Attribute_TrueSymbol : Attribute_FalseSymbol);
}

ZQ_TextStreamFormatter& ZQ_TextStreamFormatter::operator<<(
    const ZQ_TextStreamFormatterManipulator& Manipulator) {
  Manipulator.Apply(*this);
  return *this;
}

void ZQ_TextStreamFormatter::WriteHexadecimal(unsigned int Value) {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::WriteHexadecimal");
  const unsigned char previousBase = Get<unsigned char>(Attribute_Base);
  const unsigned char hexadecimal = 16;
  SetAttribute(Attribute_Base, &hexadecimal);
  *this << Value;
  SetAttribute(Attribute_Base, &previousBase);
}

void ZQ_TextStreamFormatter::WriteSigned(long Value) {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::WriteSigned");
  const int base = Get<unsigned char>(Attribute_Base);
  char digits[40];
  // Only decimal shows a sign; other bases show the 32-bit two's complement.
  if (base == 10 && Value < 0)
    ZQ_NumberText_FormatInteger(0ul - static_cast<unsigned long>(Value), true, 10, digits);
  else
    ZQ_NumberText_FormatInteger(static_cast<unsigned long>(Value), false, base, digits);
  WriteNumberText(ZQ_String(digits), base == 10);
}

void ZQ_TextStreamFormatter::WriteUnsigned(unsigned long Value) {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::WriteUnsigned");
  const int base = Get<unsigned char>(Attribute_Base);
  char digits[40];
  ZQ_NumberText_FormatInteger(Value, false, base, digits);
  WriteNumberText(ZQ_String(digits), base == 10);
}

void ZQ_TextStreamFormatter::WriteNumberText(ZQ_String Text, bool GroupingAllowed) {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::WriteNumberText");
  const int groupSize = Get<unsigned char>(Attribute_GroupSize);
  if (groupSize == 0 && Text.GetLength() >= Get<long>(Attribute_Width)) {
    GetSink().Write(Text.GetText(), static_cast<unsigned long>(Text.GetLength()));
    return;
  }
  if (groupSize != 0 && GroupingAllowed) {
    const ZQ_String& groupSymbol = Get<ZQ_String>(Attribute_GroupSymbol);
    // Groups end at the point symbol in use, so that a text with a decimal
    // comma is grouped too.
    int i = Text.Find(Get<char>(Attribute_PointSymbol));
    if (i == ZQ_NoMatch) i = Text.GetLength();
    int n = 0;
    while (i > 1 && ZQ_IsCharInClass(Text[i - 2], ZQ_CharClass_LettersAndDigits)) {
      --i;
      n = (n + 1) % groupSize;
      if (n == 0) Text.Replace(i, 0, groupSymbol.GetText(), groupSymbol.GetLength());
    }
  }
  *this << Text;
}

void ZQ_TextStreamFormatter::WriteDouble(double Value) {
  ZQ_TRACE_FUNCTION("ZQ_TextStreamFormatter::WriteDouble");
  ZQ_DoubleTextFormat format;
  format.Precision = Get<long>(Attribute_Precision);
  format.PrecisionOrigin = Get<long>(Attribute_PrecisionOrigin);
  format.ShowExponent = Get<long>(Attribute_ShowExponent);
  format.ExponentDigitsWidth = Get<long>(Attribute_ExponentDigitsWidth);
  format.ShowTrailingPoint = Get<bool>(Attribute_ShowTrailingPoint);
  format.ShowTrailingZeros = Get<bool>(Attribute_ShowTrailingZeros);
  format.ShowPlus = Get<bool>(Attribute_ShowPlus);
  format.PointSymbol = Get<char>(Attribute_PointSymbol);
  const ZQ_String& exponentSymbol = Get<ZQ_String>(Attribute_ExponentSymbol);
  format.ExponentSymbol = exponentSymbol.GetText();
  format.ExponentSymbolLength = exponentSymbol.GetLength();
  bool isFixed = false;
  const ZQ_String text = FormatDouble(Value, format, isFixed);
  if (isFixed)
    WriteNumberText(text, true);
  else
    *this << text;
}

namespace {

// The pieces of a double's text, written once their length is known, so that
// the text costs one allocation.
class DoubleTextWriter {
 public:
  explicit DoubleTextWriter(int Length)
      : Text(Length <= kOnStack ? OnStack : new char[Length]), Length(Length), At(0) {}
  ~DoubleTextWriter() {
    if (Text != OnStack) delete[] Text;
  }
  DoubleTextWriter(const DoubleTextWriter&) = delete;
  DoubleTextWriter& operator=(const DoubleTextWriter&) = delete;

  void Put(char Char, int Count = 1) {
    for (; Count > 0; --Count) Text[At++] = Char;
  }
  void Put(const char* Chars, int Count) {
    std::memcpy(Text + At, Chars, static_cast<std::size_t>(Count));
    At += Count;
  }
  ZQ_String GetString() const {
    ZQ_ASSERT(At == Length);
    return ZQ_String(Text, At, nullptr, 0);
  }

 private:
  static const int kOnStack = 96;
  char OnStack[kOnStack];
  char* Text;
  int Length;
  int At;
};

// Whether Value takes the fixed form under Format.
bool IsFixedForm(double Value, const ZQ_DoubleTextFormat& Format) {
  switch (Format.ShowExponent) {
    case ZQ_TextStreamFormatter::ShowExponent_Always:
      return false;
    case ZQ_TextStreamFormatter::ShowExponent_Never:
      return true;
    case ZQ_TextStreamFormatter::ShowExponent_AsNeeded: {
      // The exact count of digits before the point: floor (log10 (|x|)) + 1
      // without the rounding of a logarithm near powers of ten.
      const int E = ZQ_NumberText_DigitsBeforePoint(Value);
      const long Q = Format.Precision > 6 ? Format.Precision : 6;
      const long H = Q / 2;
      return -H < E && E <= Q;
    }
    default:
      ZQ_ASSERT(false);
      return false;
  }
}

char SignOf(double Value, bool ShowPlus) { return Value < 0.0 ? '-' : (ShowPlus ? '+' : 0); }

// Digits is the significant digits (Count of them) with the point after Dec
// of them; Dec < 1 puts zeros in front. Trailing zeros are dropped or added
// as Format says.
ZQ_String FixedText(double Value, const ZQ_DoubleTextFormat& Format, const char* Digits,
                    int Count, int Dec) {
  int lead = 0;  // zeros before the digits
  if (Dec < 1) {
    lead = -Dec;
    Dec = 0;
  }
  // Characters 0 to length - 1: lead zeros, the digits, then zeros.
  auto charAt = [&](int i) { return i >= lead && i < lead + Count ? Digits[i - lead] : '0'; };
  long length = lead + Count > Dec ? lead + Count : Dec;
  if (!Format.ShowTrailingZeros) {
    while (length > Dec && charAt(static_cast<int>(length) - 1) == '0') --length;
  } else if (Format.PrecisionOrigin == ZQ_TextStreamFormatter::PrecisionOrigin_DecimalPoint) {
    if (length - Dec < Format.Precision) length = Dec + Format.Precision;
  } else if (length < Format.Precision) {
    length = Format.Precision;
  }
  // A value that rounds to zero at the digits shown is written as zero is:
  // "-0.0" would show a sign that no digit carries.
  bool isZeroShown = true;
  for (int i = 0; i < Count && isZeroShown; ++i) isZeroShown = Digits[i] == '0';
  const char sign = SignOf(isZeroShown ? 0.0 : Value, Format.ShowPlus);
  const bool pointInside = Dec != 0 && Dec != length;
  const bool pointAtEnd = Dec != 0 && Dec == length && Format.ShowTrailingPoint;
  DoubleTextWriter text(static_cast<int>(length) + (sign ? 1 : 0) + (Dec == 0 ? 2 : 0) +
                        (pointInside || pointAtEnd ? 1 : 0));
  if (sign) text.Put(sign);
  if (Dec == 0) {
    text.Put('0');
    text.Put(Format.PointSymbol);
  }
  for (int i = 0; i < length; ++i) {
    if (pointInside && i == Dec) text.Put(Format.PointSymbol);
    text.Put(charAt(i));
  }
  if (pointAtEnd) text.Put(Format.PointSymbol);
  return text.GetString();
}

// One digit before the point, the rest after it, then the exponent of Dec.
ZQ_String ExponentText(double Value, const ZQ_DoubleTextFormat& Format, const char* Digits,
                       int Count, int Dec) {
  const int e = Dec - 1;
  int length = Count;
  if (!Format.ShowTrailingZeros) {
    while (length > 0 && Digits[length - 1] == '0') --length;
    if (length == 0) {
      Digits = "0";
      length = 1;
    }
  }
  const bool point = Format.ShowTrailingPoint || length > 1;
  char exponentDigits[40];
  const int exponentLength = ZQ_NumberText_FormatInteger(
      e < 0 ? 0ul - static_cast<unsigned long>(e) : static_cast<unsigned long>(e), false, 10,
      exponentDigits);
  const long exponentZeros = Format.ExponentDigitsWidth > exponentLength
                                 ? Format.ExponentDigitsWidth - exponentLength
                                 : 0;
  const char exponentSign = e < 0 ? '-'
                                  : (Format.ShowPlus || Format.ExponentDigitsWidth > 0 ? '+' : 0);
  const char sign = SignOf(Value, Format.ShowPlus);
  DoubleTextWriter text((sign ? 1 : 0) + length + (point ? 1 : 0) + Format.ExponentSymbolLength +
                        (exponentSign ? 1 : 0) + static_cast<int>(exponentZeros) +
                        exponentLength);
  if (sign) text.Put(sign);
  text.Put(Digits[0]);
  if (point) text.Put(Format.PointSymbol);
  text.Put(Digits + 1, length - 1);
  text.Put(Format.ExponentSymbol, Format.ExponentSymbolLength);
  if (exponentSign) text.Put(exponentSign);
  text.Put('0', static_cast<int>(exponentZeros));
  text.Put(exponentDigits, exponentLength);
  return text.GetString();
}

}  // namespace

ZQ_String ZQ_TextStreamFormatter::FormatDouble(double Value, const ZQ_DoubleTextFormat& Format,
                                               bool& IsFixed) {
  IsFixed = false;
  switch (ZQ_GetIEEEClass(Value)) {
    case ZQ_IEEEClass_Finite:
      break;
    case ZQ_IEEEClass_NaN:
      return ZQ_String("NAN", 3, nullptr, 0);
    case ZQ_IEEEClass_PositiveInfinity:
      return ZQ_String("+INF", 4, nullptr, 0);
    case ZQ_IEEEClass_NegativeInfinity:
      return ZQ_String("-INF", 4, nullptr, 0);
    default:
      ZQ_ASSERT(false);
      return ZQ_String();
  }
  IsFixed = IsFixedForm(Value, Format);
  char digits[ZQ_NumberText_MaxDigits + 1];
  int dec = 0;
  const long precision = Format.Precision;
  const int count = precision > ZQ_NumberText_MaxDigits ? ZQ_NumberText_MaxDigits
                                                        : static_cast<int>(precision);
  const bool fromPoint = Format.PrecisionOrigin == PrecisionOrigin_DecimalPoint;
  if (fromPoint && IsFixed)
    ZQ_NumberText_FixedDigits(Value, count, digits, dec);
  else
    ZQ_NumberText_SignificantDigits(Value, fromPoint ? count + 1 : count, digits, dec);
  const int length = static_cast<int>(std::strlen(digits));
  return IsFixed ? FixedText(Value, Format, digits, length, dec)
                 : ExponentText(Value, Format, digits, length, dec);
}
