// ZQ_TextStreamFormatter.h: turns values into text on a stream sink. What it
// writes is governed by format attributes (width, justification, pad
// character, radix, precision, exponent rules, grouping, symbols) kept in a
// stack of formatting states: push a state, change attributes, pop back.
// Attributes are set through manipulators (ZQ_TextStreamFormatterManipulator.h)
// or SetAttribute. Numbers are converted by the library itself
// (ZQ_NumberText.h), never by the C runtime's printf family.
// Misuse fails assertions; write failures come from the sink. One thread.
#ifndef ZQ_TEXTSTREAMFORMATTER_H
#define ZQ_TEXTSTREAMFORMATTER_H

#include <new>

#include "ZQ_StreamSink.h"
#include "ZQ_String.h"

// The key of a registered attribute.
typedef unsigned short ZQ_AttributeIndexType;

class ZQ_TextStreamFormatterManipulator;

// The attributes that shape the text of a double; the defaults are those of a
// formatter without states.
struct ZQ_DoubleTextFormat {
  long Precision = 6;
  long PrecisionOrigin = 1;  // first significant digit
  long ShowExponent = 2;     // as needed
  long ExponentDigitsWidth = 0;
  bool ShowTrailingPoint = false;
  bool ShowTrailingZeros = false;
  bool ShowPlus = false;
  char PointSymbol = '.';
  const char* ExponentSymbol = "E";
  int ExponentSymbolLength = 1;
};

// The base of the formatters: it holds the sink it writes to.
class ZQ_StreamFormatter {
 public:
  ZQ_StreamFormatter() = default;  // a bare sink that discards everything
  explicit ZQ_StreamFormatter(const ZQ_StreamSink& Sink) : Sink(Sink) {}
  ZQ_StreamSink& GetSink() { return Sink; }

 private:
  ZQ_StreamSink Sink;
};

class ZQ_TextStreamFormatter : public ZQ_StreamFormatter {
 public:
  // The keys of the seventeen attributes, registered in this order before any
  // other. Value types: long (32-bit) for Width, Justification, Precision,
  // PrecisionOrigin, ShowExponent and ExponentDigitsWidth; char for PadChar
  // and PointSymbol; unsigned char for Base and GroupSize; bool for the Show
  // flags; ZQ_String for the symbols.
  enum : ZQ_AttributeIndexType {
    Attribute_Width,                // minimum field width; default 0
    Attribute_Justification,        // Justification_...; default right
    Attribute_PadChar,              // default ' '
    Attribute_Base,                 // radix of integers, 2 to 36; default 10
    Attribute_Precision,            // digits of a double; default 6
    Attribute_PrecisionOrigin,      // PrecisionOrigin_...; default first digit
    Attribute_ExponentSymbol,       // default "E"
    Attribute_ShowExponent,         // ShowExponent_...; default as needed
    Attribute_ExponentDigitsWidth,  // minimum exponent digits (and a sign); 0
    Attribute_ShowTrailingPoint,    // default false
    Attribute_PointSymbol,          // default '.'
    Attribute_ShowTrailingZeros,    // default false
    Attribute_ShowPlus,             // default false
    Attribute_GroupSize,            // digits per group, 0 = none; default 0
    Attribute_GroupSymbol,          // default ","
    Attribute_TrueSymbol,           // default "True"
    Attribute_FalseSymbol,          // default "False"
    NumBuiltInAttributes
  };
  // Side of the pad characters: right-justified text is padded in front.
  enum { Justification_Right = 0, Justification_Left = 1, Justification_Centre = 2 };
  // What Precision counts: digits after the point, or significant digits.
  enum { PrecisionOrigin_DecimalPoint = 0, PrecisionOrigin_FirstSignificantDigit = 1 };
  enum { ShowExponent_Always = 0, ShowExponent_Never = 1, ShowExponent_AsNeeded = 2 };

  static const int MaxNumAttributes = 25;
  static const int SpaceForAttributes = 255;  // bytes of one state block

  // Value operations of a registered attribute type, on raw storage.
  using CopyConstructFunction = void (*)(void* Destination, const void* Source);
  using DestroyFunction = void (*)(void* Value);
  using AssignFunction = void (*)(void* Destination, const void* Source);

  // Registers an attribute (its default must live for the whole run) and
  // returns its key. More than MaxNumAttributes is an assertion failure.
  // Safe from static initialisers: the seventeen come first whatever the
  // order of initialisation.
  static ZQ_AttributeIndexType RegisterAttribute(const void* DefaultValue, int TypeSize,
                                                 CopyConstructFunction CopyConstruct,
                                                 DestroyFunction Destroy,
                                                 AssignFunction Assign);
  // The same for a value type T with a copy of DefaultValue kept for the run.
  template <class T>
  static ZQ_AttributeIndexType RegisterAttribute(const T& DefaultValue);

  // Creation and lifetime: no state block until one is needed.
  ZQ_TextStreamFormatter() = default;  // on a bare sink
  explicit ZQ_TextStreamFormatter(const ZQ_StreamSink& Sink) : ZQ_StreamFormatter(Sink) {}
  ZQ_TextStreamFormatter(const ZQ_TextStreamFormatter&) = delete;
  ZQ_TextStreamFormatter& operator=(const ZQ_TextStreamFormatter&) = delete;
  ~ZQ_TextStreamFormatter();  // pops every state, then releases the sink

  // Attributes: the value of Key in the current state, or its default.
  const void* GetAttribute(ZQ_AttributeIndexType Key) const;
  template <class T>
  const T& Get(ZQ_AttributeIndexType Key) const {
    return *static_cast<const T*>(GetAttribute(Key));
  }
  // Sets Key in the current state (creating a first state when there is none).
  // Value points at a value of the attribute's type.
  void SetAttribute(ZQ_AttributeIndexType Key, const void* Value);

  // The stack of states. PushState copies the current state; PopState drops it
  // (assertion failure when there is none). ResetState returns the current
  // state to the defaults and does nothing when there is no state.
  void PushState();
  void PopState();
  void ResetState();
  void PopAllStates();
  bool StateStackEmpty() const { return Current == nullptr; }

  void Flush() { GetSink().Flush(); }
  void NewLine() { GetSink().Write("\n", 1); }

  // Output
  ZQ_TextStreamFormatter& operator<<(const ZQ_String& Text);  // padded to Width
  ZQ_TextStreamFormatter& operator<<(const char* Text);       // as it is; not null
  ZQ_TextStreamFormatter& operator<<(char Char);              // one byte
  ZQ_TextStreamFormatter& operator<<(signed char Value);      // numbers in Base
  ZQ_TextStreamFormatter& operator<<(short Value);
  ZQ_TextStreamFormatter& operator<<(int Value);
  ZQ_TextStreamFormatter& operator<<(long Value);
  ZQ_TextStreamFormatter& operator<<(unsigned char Value);
  ZQ_TextStreamFormatter& operator<<(unsigned short Value);
  ZQ_TextStreamFormatter& operator<<(unsigned int Value);
  ZQ_TextStreamFormatter& operator<<(unsigned long Value);
  ZQ_TextStreamFormatter& operator<<(double Value);
  ZQ_TextStreamFormatter& operator<<(bool Value);  // TrueSymbol or FalseSymbol
  ZQ_TextStreamFormatter& operator<<(const ZQ_TextStreamFormatterManipulator& Manipulator);
  // Other pointers would silently become bool.
  ZQ_TextStreamFormatter& operator<<(const void*) = delete;
  // Value in base 16; the current state's Base is set back afterwards.
  void WriteHexadecimal(unsigned int Value);

  // The text of Value as operator<< writes it under Format with no width and
  // no grouping, in a string of the capacity the rule gives its length.
  // IsFixed tells whether it has the fixed form (which may be grouped).
  static ZQ_String FormatDouble(double Value, const ZQ_DoubleTextFormat& Format, bool& IsFixed);

 private:
  struct StateBlock;

  void PopCurrentState();
  void ResetCurrentState();
  void WriteNumberText(ZQ_String Text, bool GroupingAllowed);
  void WriteSigned(long Value);
  void WriteUnsigned(unsigned long Value);
  void WriteDouble(double Value);

  StateBlock* Current = nullptr;
};

namespace ZQ_TextStreamFormatter_Detail {
template <class T> void CopyConstruct(void* Destination, const void* Source) {
  new (Destination) T(*static_cast<const T*>(Source));
}
template <class T> void Destroy(void* Value) { static_cast<T*>(Value)->~T(); }
template <class T> void Assign(void* Destination, const void* Source) {
  *static_cast<T*>(Destination) = *static_cast<const T*>(Source);
}
}  // namespace ZQ_TextStreamFormatter_Detail

template <class T>
ZQ_AttributeIndexType ZQ_TextStreamFormatter::RegisterAttribute(const T& DefaultValue) {
  static_assert(alignof(T) <= 8, "attribute values are aligned to at most 8 bytes");
  // Kept for the whole run: formatters destroyed at exit still read it.
  const T* defaultCopy = new T(DefaultValue);
  return RegisterAttribute(defaultCopy, static_cast<int>(sizeof(T)),
                           &ZQ_TextStreamFormatter_Detail::CopyConstruct<T>,
                           &ZQ_TextStreamFormatter_Detail::Destroy<T>,
                           &ZQ_TextStreamFormatter_Detail::Assign<T>);
}

#endif
