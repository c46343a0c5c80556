// ZQFO_StandardOptionAttributes.h: applies an element's standard option
// attributes to the formatting-options factory through the sorted route
// table, and reads the size attributes of images, pictures and table
// cells. Lengths are millimetres. Unknown attribute names are skipped
// silently; nothing here throws. UI thread only.
#ifndef ZQFO_STANDARDOPTIONATTRIBUTES_H
#define ZQFO_STANDARDOPTIONATTRIBUTES_H

#include "ZQFO_StandardOptionParsers.h"
#include "ZQ_Point.h"
#include "ZQ_String.h"

class ZQFO_FormattingOptionsFactory;
class ZQXML_Node;

struct ZQFO_RouteTableEntry {
  ZQ_String Name;
  ZQFO_StandardOptionRouteFunction Route;
};
const long RouteTableSize = ZQFO_NumStandardOptionRoutes;

// The route table (RouteTableSize entries in byte order of Name), built on
// the first call and kept for the program's life.
const ZQFO_RouteTableEntry* InitializeRouteTable();

// Calls the route of every recognised attribute of Element, in document
// order; a "local_" name applies to the element alone.
void ZQFO_ParseStandardOptions(const ZQXML_Node& Element, ZQFO_FormattingOptionsFactory& Factory);

// "min" is 1 mm, "max" 9,900,000,000 mm, anything else a length against
// Reference (ZQFO_ParseDistance).
double ZQFO_ProcessSizeAttribute(const ZQ_String& Text, double Reference, bool RelativeFormsOff = false);

// The size limits of an image or picture. Aspect is width over height when
// only widths were given (the heights are then 0 and follow the width), else
// -1.
struct ZQFO_BoxSize {
  double MinimumX = 0;
  double MinimumY = 0;
  double MaximumX = 0;
  double MaximumY = 0;
  double Aspect = -1;
};

// Reads width, min_width, max_width, height, min_height and max_height
// against the defaults (a DefaultMaxSize.X of 0 or less means DefaultMinSize).
// Asserts "DefaultMinSize.X > 0", "DefaultMinSize.Y > 0",
// "DefaultMinSize.X <= DefaultMaxSize.X" and "DefaultMinSize.Y <= DefaultMaxSize.Y".
ZQFO_BoxSize ZQFO_ParseBoxSizeAttributes(const ZQXML_Node& Element, const ZQ_Point<double>& DefaultMinSize,
                                         ZQ_Point<double> DefaultMaxSize);

// A table cell's limits; a flag is non-zero when its limit was given.
struct ZQFO_TableCellSize {
  double MinimumWidth = -1;
  double MaximumWidth = -1;
  double MinimumHeight = -1;
  double MaximumHeight = -1;
  long HasMinimumWidth = 0;
  long HasMaximumWidth = 0;
  long HasMinimumHeight = 0;
  long HasMaximumHeight = 0;
};

ZQFO_TableCellSize ZQFO_ParseTableCellSizeAttributes(const ZQXML_Node& Element);

#endif
