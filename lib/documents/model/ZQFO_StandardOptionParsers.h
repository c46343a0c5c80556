// ZQFO_StandardOptionParsers.h: the value parsers of the standard document
// attributes (lengths, colours, break kinds, bounded numbers, table-cell
// sizes) and the 51 routes that store parsed values in the formatting-
// options factory. Lengths are millimetres, font heights points. A value
// that cannot be read gives the reference or default it was parsed
// against: none of these parsers throws. Keywords outside the DTD's
// enumerations (only possible without validation) fail an assertion and
// change nothing. UI thread only.
#ifndef ZQFO_STANDARDOPTIONPARSERS_H
#define ZQFO_STANDARDOPTIONPARSERS_H

#include "ZQR_Color.h"
#include "ZQ_Array.h"
#include "ZQ_String.h"

class ZQFO_FormattingOptionsFactory;
class ZQXML_Node;

// Millimetres per point (0.0254 / 72 m).
const double ZQFO_MillimetersPerPoint = 0.0254 / 72 * 1000;

// The largest length a document's markup can give, either way: a kilometre.
// Larger ones are clamped to it, so that sums of lengths (spaces between
// blocks, margins of nested cells) stay far from overflowing.
const double ZQFO_MaximumDistance = 1000000.0;

// A length: a number and a unit (mm, pt, in, cm, case-sensitive) or a
// percentage of Reference. Unless RelativeFormsOff, "+ " or "- " (sign and
// whitespace) in front adds to or subtracts from Reference. An empty text,
// a bare number, an unknown unit, a number that is not wholly one or longer
// than 255 characters, and a result that is not finite give Reference.
// Negative lengths pass; beyond ZQFO_MaximumDistance either way the result
// is clamped to it.
double ZQFO_ParseDistance(const ZQ_String& Text, double Reference, bool RelativeFormsOff = false);

// A colour: "standard color - " and a palette name, "#rrggbb" (exactly seven
// characters) or a named colour (any case). Empty text and "#" forms that are
// not hexadecimal give Default; an unknown name gives black.
ZQR_Color ParseColor(const ZQ_String& Text, const ZQR_Color& Default, const ZQ_Array<ZQR_Color>& Palette);

// One of as_needed, never, column, page, evenpage, oddpage (codes 0 to 5);
// Default for any other text.
long ParseBreakKind(const ZQ_String& Text, long Default);

// The number clamped to [Minimum, Maximum]; Default when it is no number.
double ParseBoundedNumber(const ZQ_String& Text, double Minimum, double Default, double Maximum);

// Keywords of size attributes: "min" is 1 mm, "max" 9,900,000,000 mm.
const double ZQFO_MinimumSizeKeywordValue = 1.0;
const double ZQFO_MaximumSizeKeywordValue = 9900000000.0;

// One direction's limits of a table cell; a flag is true when its limit was
// given (at least 0).
struct ZQFO_SingleDirectionCellSize {
  double Minimum = -1;
  double Maximum = -1;
  bool HasMinimum = false;
  bool HasMaximum = false;
};

// Reads the size, minimum and maximum attributes named (e.g. "width",
// "min_width", "max_width"): "any" is from "min" to "max", "above L" from L
// to "max"; a missing limit takes the size.
ZQFO_SingleDirectionCellSize ParseSingleDirectionTableCellSizeAttributes(const ZQXML_Node& Element,
                                                                        const char* SizeName,
                                                                        const char* MinimumName,
                                                                        const char* MaximumName);

// A route stores one attribute's value: Inherited is false for the attribute's
// "local_" form.
using ZQFO_StandardOptionRouteFunction = void (*)(const ZQ_String& Value, bool Inherited,
                                                  ZQFO_FormattingOptionsFactory& Factory);
struct ZQFO_StandardOptionRoute {
  const char* Name;
  ZQFO_StandardOptionRouteFunction Route;
};

// The 51 routes, in byte order of their names.
const long ZQFO_NumStandardOptionRoutes = 51;
extern const ZQFO_StandardOptionRoute ZQFO_StandardOptionRoutes[ZQFO_NumStandardOptionRoutes];

#endif
