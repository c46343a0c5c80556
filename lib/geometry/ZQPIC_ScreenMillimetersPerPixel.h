// ZQPIC_ScreenMillimetersPerPixel.h: the screen's scale, by which pixel
// counts of the screen become millimetres. Read from the toolkit's size
// metrics (filled at initialization stage 1): the screen's size in
// millimetres (size metric 12) over its size in pixels (size metric 11).
// UI thread only.
#ifndef ZQPIC_SCREENMILLIMETERSPERPIXEL_H
#define ZQPIC_SCREENMILLIMETERSPERPIXEL_H

#include "ZQ_Point.h"

// Millimetres per screen pixel, horizontally and vertically.
ZQ_Point<double> ZQPIC_GetScreenMillimetersPerPixel();

#endif
