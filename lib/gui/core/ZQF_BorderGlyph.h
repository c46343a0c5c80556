// ZQF_BorderGlyph.h: frames one client with a border of a border code and
// an optional caption set into the border line (a group box): the caption
// replaces the top or bottom line, the line runs through its middle and is
// broken behind it. Caption positions: 0-2 top left, centre, right; 3-5
// bottom left, centre, right. ZQF_SunkenBorderGlyph is the captionless
// sunken form. Util_AddClient adds a client to a row or column and lays the
// affected part of the window out again.
#ifndef ZQF_BORDERGLYPH_H
#define ZQF_BORDERGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQ_String.h"

class ZQF_AlignmentGlyph;

class ZQF_BorderGlyph : public ZQF_DrawableGlyph {
 public:
  ZQF_BorderGlyph(ZQF_Glyph* Client, const ZQ_String& Caption, long CaptionPosition,
                  const ZQ_Point<long>& Margin, int BorderCode, long Options);
  ~ZQF_BorderGlyph() override;

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  // A matching mnemonic query focuses the first enabled control inside.
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;

  // In the glyph's own coordinates: the border frame, the client, the
  // caption text and the caption background (which breaks the line).
  void CalculateLayoutRectangles(ZQ_Rectangle<long>& Frame, ZQ_Rectangle<long>& Client,
                                 ZQ_Rectangle<long>& CaptionText,
                                 ZQ_Rectangle<long>& CaptionBackground);

 private:
  ZQ_Point<long> GetCaptionSize() const;

  ZQ_String Caption;
  ZQF_Glyph* Client;
  long CaptionPosition;
  ZQ_Point<long> Margin;
  int BorderCode;
  long Options;  // stored; no option changes the behaviour
};

class ZQF_SunkenBorderGlyph : public ZQF_BorderGlyph {
 public:
  explicit ZQF_SunkenBorderGlyph(ZQF_Glyph* Client);
  ~ZQF_SunkenBorderGlyph() override;
};

// Adds Client at the end of Container and lays out what changed.
void Util_AddClient(ZQF_AlignmentGlyph* Container, ZQF_Glyph* Client);

// Focuses the first enabled control inside Client (the keyboard's way) when
// Caption, the glyph whose caption labels the whole client, is enabled.
void ZQF_FocusFirstControlInside(ZQF_Glyph* Caption, ZQF_Glyph* Client);

#endif
