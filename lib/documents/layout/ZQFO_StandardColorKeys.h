// ZQFO_StandardColorKeys.h: the two colours that an image drawn for a
// document may use to stand for the background and for the text colour of
// the element that shows it, and the check whether a display rectangle is
// too small to show a document. UI thread only (the size metric).
#ifndef ZQFO_STANDARDCOLORKEYS_H
#define ZQFO_STANDARDCOLORKEYS_H

#include "ZQR_Color.h"
#include "ZQ_Rectangle.h"

// (255, 192, 255): becomes the element's background_color.
void ZQFO_GetStandardBackgroundColorKey(ZQR_Color& Color);
// (64, 0, 64): becomes the element's text_color.
void ZQFO_GetStandardTextColorKey(ZQR_Color& Color);
// True when Rectangle (pixels) is narrower or lower than size metric 6; a
// rectangle exactly that large is not too small.
bool ZQFO_IsRectangleTooSmallToDisplay(const ZQ_Rectangle<long>& Rectangle);

#endif
