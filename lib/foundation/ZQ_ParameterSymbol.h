// ZQ_ParameterSymbol.h: the placeholders of message templates. A symbol is
// "{" ... "}"; a "$" and one digit inside name the value it takes ("{$2}"),
// and the rest of the inside is a format text applied to that value
// (ZQ_SetFormat, e.g. "{$1,}" groups thousands). A symbol without "$" takes
// the value whose number is its position among all symbols of the template.
#ifndef ZQ_PARAMETERSYMBOL_H
#define ZQ_PARAMETERSYMBOL_H

#include "ZQ_String.h"

// Finds the next symbol at or after Position: sets Position to its "{",
// SymbolLength to its length with both braces, counts it in Counter, sets
// Number (the "$" digit, else Counter) and FormatText (the inside without the
// "$" and its digit). False when no complete symbol is left.
bool ZQ_GetNextParameterSymbol(const ZQ_String& Template, int& Position, int& SymbolLength,
                               int& Counter, int& Number, ZQ_String& FormatText);

// The template with each symbol replaced by its value written through a
// ZQ_StringStream with the symbol's format text; a symbol whose number has no
// value is replaced by nothing. Inserted text is not scanned again.
ZQ_String ZQ_SubstituteParameters(const ZQ_String& Template, long Value);
ZQ_String ZQ_SubstituteParameters(const ZQ_String& Template, long Value1, long Value2,
                                  long Value3);

// The substitution behind every form above and ZQ_SubstituteArguments
// (ZQ_StringSubs.h): a symbol of number k takes Values[k - 1] for k from 1 to
// Count, any other number nothing.
ZQ_String ZQ_FillParameterSymbols(const ZQ_String& Template, const long* Values, int Count);
ZQ_String ZQ_FillParameterSymbols(const ZQ_String& Template, const double* Values, int Count);
ZQ_String ZQ_FillParameterSymbols(const ZQ_String& Template, const ZQ_String* Values,
                                  int Count);

#endif
