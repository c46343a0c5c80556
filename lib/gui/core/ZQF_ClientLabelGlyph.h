// ZQF_ClientLabelGlyph.h: joins a caption (with an optional small bitmap in
// front) to one client glyph and lays out both: the caption above (codes 0,
// 1), left of (2, 3, 4) or below (5, 6) the client; codes 0 and 5 indent
// the client by the horizontal spacing. The client is the only child; the
// caption is drawn here, and the fill never paints over the client.
// ZQF_StoredTextClientLabelGlyph keeps its own caption text.
#ifndef ZQF_CLIENTLABELGLYPH_H
#define ZQF_CLIENTLABELGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQR_Bitmap.h"
#include "ZQR_Color.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_String.h"

class ZQF_ClientLabelGlyph : public ZQF_DrawableGlyph {
 public:
  ZQF_ClientLabelGlyph(ZQF_Glyph* Client, long LabelPosition);
  ~ZQF_ClientLabelGlyph() override;

  long GetLabelPosition() const { return LabelPosition; }

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;

  virtual ZQ_String Cust_GetText();
  virtual bool Cust_HasBitmap();
  virtual ZQR_Bitmap Cust_GetBitmap();
  virtual int Cust_GetHorizontalSpacing();
  virtual int Cust_GetVerticalSpacing();
  virtual int Cust_GetBitmapSpacing();
  virtual ZQ_String Cust_GetTooltipText();
  virtual ZQ_String Cust_GetBitmapTooltipText();
  virtual ZQR_Color Cust_GetBackgroundColor();
  virtual ZQR_Color Cust_GetTextColor();
  virtual ZQR_ConcreteFont Cust_GetFont();

  // In the glyph's own coordinates.
  void CalculateLayoutRectangles(ZQ_Rectangle<long>& Caption, ZQ_Rectangle<long>& Bitmap,
                                 ZQ_Rectangle<long>& ClientBox);

 private:
  // The caption's extent, the bitmap and its spacing included.
  ZQ_Point<long> GetCaptionSize();
  bool IsAboveOrBelow() const;
  int GetHorizontalTextAlignment() const;
  int GetVerticalTextAlignment() const;
  bool AnswerTooltip(ZQF_GenericMessage& Message);

  long LabelPosition;
};

class ZQF_StoredTextClientLabelGlyph : public ZQF_ClientLabelGlyph {
 public:
  ZQF_StoredTextClientLabelGlyph(ZQF_Glyph* Client, const ZQ_String& Text, long LabelPosition)
      : ZQF_ClientLabelGlyph(Client, LabelPosition), Text(Text) {}
  ZQ_String Cust_GetText() override { return Text; }

 private:
  ZQ_String Text;
};

#endif
