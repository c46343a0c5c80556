// ZQF_TooltipsMessage.h: the question the tooltips put to the glyph under
// the mouse. The glyph that wants a tooltip there handles it and fills in
// the text, its font, the screen point where the text should begin, the
// delay before it shows and an identity that tells its tooltips apart, or
// a formatted document to show instead of the text (shared). A
// generic message; the tooltips dispatch it at the mouse position through
// a target-point router. UI thread only.
#ifndef ZQF_TOOLTIPSMESSAGE_H
#define ZQF_TOOLTIPSMESSAGE_H

#include "ZQF_Message.h"
#include "ZQ_CountedPtr.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_Point.h"
#include "ZQ_String.h"
#include "ZQ_UID.h"

class ZQFO_Document;

class ZQF_TooltipsMessage : public ZQF_GenericMessage {
 public:
  // The text position of a tooltip placed below the mouse cursor.
  static constexpr long NoTextPosition = -999999;

  // The defaults: no text, no position, font metric 11, no document, a null
  // identity and time metric 5 as the delay.
  ZQF_TooltipsMessage();
  // The base reset, then every field back to its default.
  void Reset() override;

  void SetText(const ZQ_String& Text) { this->Text = Text; }
  // Screen pixels.
  void SetTextPosition(const ZQ_Point<long>& Position) { TextPosition = Position; }
  void SetFont(const ZQR_ConcreteFont& Font) { this->Font = Font; }
  void SetDocument(const ZQ_CountedPtr<ZQFO_Document>& Document) { this->Document = Document; }
  void SetIdentity(const ZQ_UID& Identity) { this->Identity = Identity; }
  // Milliseconds.
  void SetDisplayDelay(long DelayMs) { DisplayDelayMs = DelayMs; }

  const ZQ_String& GetText() const { return Text; }
  const ZQ_Point<long>& GetTextPosition() const { return TextPosition; }
  const ZQR_ConcreteFont& GetFont() const { return Font; }
  const ZQ_CountedPtr<ZQFO_Document>& GetDocument() const { return Document; }
  const ZQ_UID& GetIdentity() const { return Identity; }
  long GetDisplayDelay() const { return DisplayDelayMs; }

 private:
  void SetDefaults();

  ZQ_String Text;
  ZQ_Point<long> TextPosition;
  ZQR_ConcreteFont Font;
  ZQ_CountedPtr<ZQFO_Document> Document;
  ZQ_UID Identity;
  long DisplayDelayMs = 0;
};

#endif
