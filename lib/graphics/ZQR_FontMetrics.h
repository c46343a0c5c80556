// ZQR_FontMetrics.h: the measures of a realised font. ZQR_ConcreteFont fills
// it in device pixels, the canvas in millimetres. A plain record: option
// records keep it as 22 words, so its size is fixed.
#ifndef ZQR_FONTMETRICS_H
#define ZQR_FONTMETRICS_H

struct ZQR_FontMetrics {
  double Height = 0;           // Ascent + Descent
  double Ascent = 0;
  double Descent = 0;
  double InternalLeading = 0;  // accent room inside Height
  double ExternalLeading = 0;  // space the font suggests between lines
  double AverageCharWidth = 0;
  double MaxCharWidth = 0;
  double SpaceWidth = 0;       // of ' '
  double WidestDigitWidth = 0;
  double Overhang = 0;         // extra width of synthesised bold or italic
  // The digit '0'..'9' of the greatest width; the first of equal widths.
  char WidestDigit = '0';
};

static_assert(sizeof(ZQR_FontMetrics) == 88, "option records keep the font metrics as 22 words");

#endif
