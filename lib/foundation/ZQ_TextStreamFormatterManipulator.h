// ZQ_TextStreamFormatterManipulator.h: the ways to set format attributes.
// Writing a manipulator into a formatter (Formatter << SetWidth (8)) applies
// it to the formatter's current state. One manipulator per attribute, two
// composites for the usual number layouts, and ZQ_SetFormat, which applies a
// compact format text:
//   digits      N: with '#' N significant digits, else N digits after the point
//   #           (see digits)          ,   group thousands with ","
//   -,          no grouping           -e  never an exponent
//   ?e          exponent as needed    e   always an exponent
//   wN          width N (0 to 9999)   b o d h  base 2, 8, 10, 16
//   l c r       left, centred, right justification
//   [Key=Value] one attribute by name: WIDTH, EXPONENTSYMBOL, PADCHAR, BASE,
//               SHOWEXPONENT (NEVER, ALWAYS, ASNEEDED), EXPONENTDIGITSWIDTH,
//               PRECISIONORIGIN (DECIMALPOINT, FIRSTSIGNIFICANTDIGIT),
//               PRECISION, SHOWPLUS, SHOWTRAILINGPOINT, SHOWTRAILINGZEROS
// Keys and letters in either case. Unknown entries and out-of-range numbers
// are ignored; a number setting that is not a base-10 integer throws the
// ZQ_Exception "Cannot recognize number"; an empty PADCHAR fails an assertion.
// Examples: "2" two decimals without exponent; "#4" four significant digits;
// ",2" the same with thousands grouped; "w8r" right-justified in 8
// characters; "[PadChar=0]w5" integers padded with zeros to 5.
#ifndef ZQ_TEXTSTREAMFORMATTERMANIPULATOR_H
#define ZQ_TEXTSTREAMFORMATTERMANIPULATOR_H

#include "ZQ_String.h"
#include "ZQ_TextStreamFormatter.h"

class ZQ_TextStreamFormatterManipulator {
 public:
  virtual ~ZQ_TextStreamFormatterManipulator();
  virtual void Apply(ZQ_TextStreamFormatter& Formatter) const = 0;
};

// Sets one attribute (Key) to a value of type T in the current state.
template <class T, ZQ_AttributeIndexType Key>
class ZQ_AttributeManipulator : public ZQ_TextStreamFormatterManipulator {
 public:
  explicit ZQ_AttributeManipulator(const T& Value) : Value(Value) {}
  void Apply(ZQ_TextStreamFormatter& Formatter) const override {
    Formatter.SetAttribute(Key, &Value);
  }

 private:
  T Value;
};

#define ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(Name, Type, Attribute)                  \
  class Name : public ZQ_AttributeManipulator<Type, ZQ_TextStreamFormatter::Attribute> { \
   public:                                                                      \
    using ZQ_AttributeManipulator::ZQ_AttributeManipulator;                     \
  }

ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetWidth, long, Attribute_Width);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetJustification, long, Attribute_Justification);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetPadChar, char, Attribute_PadChar);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetBase, unsigned char, Attribute_Base);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetPrecision, long, Attribute_Precision);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetPrecisionOrigin, long, Attribute_PrecisionOrigin);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetExponentSymbol, ZQ_String, Attribute_ExponentSymbol);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetShowExponent, long, Attribute_ShowExponent);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetExponentDigitsWidth, long, Attribute_ExponentDigitsWidth);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetShowTrailingPoint, bool, Attribute_ShowTrailingPoint);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetShowTrailingZeros, bool, Attribute_ShowTrailingZeros);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetShowPlus, bool, Attribute_ShowPlus);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetGroupSize, unsigned char, Attribute_GroupSize);
ZQ_DECLARE_ATTRIBUTE_MANIPULATOR(SetGroupSymbol, ZQ_String, Attribute_GroupSymbol);

#undef ZQ_DECLARE_ATTRIBUTE_MANIPULATOR

// Precision N, never an exponent, trailing zeros shown, counted after the
// point: N decimals exactly.
class ZQ_SetNumDigitsPastDecimalPoint : public ZQ_TextStreamFormatterManipulator {
 public:
  explicit ZQ_SetNumDigitsPastDecimalPoint(long N) : N(N) {}
  void Apply(ZQ_TextStreamFormatter& Formatter) const override;

 private:
  long N;
};

// Precision N, exponent as needed, no trailing zeros, counted from the first
// significant digit: N significant digits.
class ZQ_SetNumDigitsDisplayed : public ZQ_TextStreamFormatterManipulator {
 public:
  explicit ZQ_SetNumDigitsDisplayed(long N) : N(N) {}
  void Apply(ZQ_TextStreamFormatter& Formatter) const override;

 private:
  long N;
};

// Applies a format text (see the top of this file); an empty text does nothing.
class ZQ_SetFormat : public ZQ_TextStreamFormatterManipulator {
 public:
  explicit ZQ_SetFormat(const ZQ_String& FormatText) : FormatText(FormatText) {}
  void Apply(ZQ_TextStreamFormatter& Formatter) const override;

 private:
  ZQ_String FormatText;
};

#endif
