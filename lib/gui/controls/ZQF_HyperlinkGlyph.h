// ZQF_HyperlinkGlyph.h: a focusable line of text in the link colours,
// underlined, with the pointing-hand cursor, that follows its link when
// clicked or when Space or Enter is released on it. The size is fixed by the
// text. A disabled link draws greyed without underline and leaves mouse-up
// and key messages unhandled. ZQF_HyperlinkGlyph leaves the action to
// FollowLink; URL_LinkGlyph opens a web or mail address with the program the
// shell associates with it (a shell failure throws ZQ_Exception, which the
// message loop reports). UI thread only.
#ifndef ZQF_HYPERLINKGLYPH_H
#define ZQF_HYPERLINKGLYPH_H

#include "ZQF_ControlGlyph.h"
#include "ZQR_Color.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_String.h"

class ZQF_HyperlinkGlyph : public ZQF_ControlGlyph {
 public:
  explicit ZQF_HyperlinkGlyph(const ZQ_String& Text);
  ~ZQF_HyperlinkGlyph() override;

  void UpdateMyDesiredSize() override;
  void DrawSelf(ZQF_Canvas& Canvas) override;
  void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) override;

  // Performs the link's action.
  virtual void FollowLink() = 0;
  virtual bool Cust_IsUnderlined();
  virtual ZQR_Color Cust_GetBackgroundColor();
  virtual ZQR_Color Cust_GetTextColor();
  virtual ZQR_ConcreteFont Cust_GetFont();

  const ZQ_String& GetText() const { return Text; }

 private:
  ZQ_String Text;
};

class URL_LinkGlyph : public ZQF_HyperlinkGlyph {
 public:
  // An empty URL is derived from Text: Text itself when it holds ':', else
  // "mailto:" + Text when it holds '@', else "http:" + Text when it begins
  // with "//", else "http://" + Text.
  URL_LinkGlyph(const ZQ_String& Text, const ZQ_String& URL);
  ~URL_LinkGlyph() override;

  // Opens the URL through the shell (a URL without ':' as a file name).
  void FollowLink() override;

  const ZQ_String& GetURL() const { return URL; }

 private:
  ZQ_String URL;
};

#endif
