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
  switch (ZQ_GetIEEEClass(Value)) {
    case ZQ_IEEEClass_Finite:
      break;
    case ZQ_IEEEClass_NaN:
      *this << ZQ_String("NAN");
      return;
    case ZQ_IEEEClass_PositiveInfinity:
      *this << ZQ_String("+INF");
      return;
    case ZQ_IEEEClass_NegativeInfinity:
      *this << ZQ_String("-INF");
      return;
    default:
      ZQ_ASSERT(false);
      return;
  }
  const long precision = Get<long>(Attribute_Precision);
  const long origin = Get<long>(Attribute_PrecisionOrigin);
  const bool showTrailingZeros = Get<bool>(Attribute_ShowTrailingZeros);
  const bool showTrailingPoint = Get<bool>(Attribute_ShowTrailingPoint);
  const bool showPlus = Get<bool>(Attribute_ShowPlus);
  const char point = Get<char>(Attribute_PointSymbol);

  bool isFixed = false;
  switch (Get<long>(Attribute_ShowExponent)) {
    case ShowExponent_Always:
      break;
    case ShowExponent_Never:
      isFixed = true;
      break;
    case ShowExponent_AsNeeded: {
      // The exact count of digits before the point: floor (log10 (|x|)) + 1
      // without the rounding of a logarithm near powers of ten.
      const int E = ZQ_NumberText_DigitsBeforePoint(Value);
      const long Q = precision > 6 ? precision : 6;
      const long H = Q / 2;
      isFixed = -H < E && E <= Q;
      break;
    }
    default:
      ZQ_ASSERT(false);
      break;
  }

  char buffer[ZQ_NumberText_MaxDigits + 1];
  int dec = 0;
  const int count = precision > ZQ_NumberText_MaxDigits ? ZQ_NumberText_MaxDigits
                                                        : static_cast<int>(precision);
  if (origin == PrecisionOrigin_DecimalPoint && isFixed)
    ZQ_NumberText_FixedDigits(Value, count, buffer, dec);
  else if (origin == PrecisionOrigin_DecimalPoint)
    ZQ_NumberText_SignificantDigits(Value, count + 1, buffer, dec);
  else
    ZQ_NumberText_SignificantDigits(Value, count, buffer, dec);
  ZQ_String digits(buffer);

  if (isFixed) {
    if (dec < 1) {
      digits.Prepend('0', -dec);
      dec = 0;
    }
    if (digits.GetLength() < dec) digits.Append('0', dec - digits.GetLength());
    if (!showTrailingZeros) {
      int length = digits.GetLength();
      while (length > dec && digits[length - 1] == '0') --length;
      digits = ZQ_Left(digits, length);
    } else if (origin == PrecisionOrigin_DecimalPoint) {
      if (digits.GetLength() - dec < precision)
        digits.Append('0', static_cast<int>(precision - (digits.GetLength() - dec)));
    } else if (digits.GetLength() < precision) {
      digits.Append('0', static_cast<int>(precision - digits.GetLength()));
    }
    if (dec == 0) {
      digits.Prepend(point);
      digits.Prepend('0');
    } else if (dec == digits.GetLength()) {
      if (showTrailingPoint) digits += point;
    } else {
      ZQ_ASSERT_TEXT(dec > 0 && dec < digits.GetLength(),
                     "(Dec > 0) and (Dec < Digits.GetLength())");
      if (dec > 0 && dec < digits.GetLength()) digits.Replace(dec, 0, &point, 1);
    }
    if (Value < 0.0)
      digits.Prepend('-');
    else if (showPlus)
      digits.Prepend('+');
    WriteNumberText(digits, true);
    return;
  }

  const int e = dec - 1;
  if (!showTrailingZeros) {
    int length = digits.GetLength();
    while (length > 0 && digits[length - 1] == '0') --length;
    digits = length > 0 ? ZQ_Left(digits, length) : ZQ_String("0");
  }
  if (showTrailingPoint || digits.GetLength() > 1) digits.Replace(1, 0, &point, 1);
  char exponentDigits[40];
  ZQ_NumberText_FormatInteger(e < 0 ? 0ul - static_cast<unsigned long>(e)
                                    : static_cast<unsigned long>(e),
                              false, 10, exponentDigits);
  ZQ_String exponent(exponentDigits);
  const long exponentDigitsWidth = Get<long>(Attribute_ExponentDigitsWidth);
  if (exponentDigitsWidth > 0 && exponent.GetLength() < exponentDigitsWidth)
    exponent.Prepend('0', static_cast<int>(exponentDigitsWidth - exponent.GetLength()));
  if (e < 0)
    exponent.Prepend('-');
  else if (showPlus || exponentDigitsWidth > 0)
    exponent.Prepend('+');
  if (Value < 0.0)
    digits.Prepend('-');
  else if (showPlus)
    digits.Prepend('+');
  *this << digits + Get<ZQ_String>(Attribute_ExponentSymbol) + exponent;
}
