// ZQF_ValidatedTextEditGlyph.h: a text edit control that parses its own
// text after every change. While the text is rejected it withholds its
// change notifications, and when a dialog validates it, it throws
// ZQF_ValidationFailureException with the parse's title and message.
// Subclasses supply Parse; an optional callback may reject a text first.
// User errors never throw while editing; a program-set text that does not
// parse fails an assertion. UI thread only.
#ifndef ZQF_VALIDATEDTEXTEDITGLYPH_H
#define ZQF_VALIDATEDTEXTEDITGLYPH_H

#include "ZQF_TextEditGlyph.h"
#include "ZQ_Exception.h"
#include "ZQ_Functor2.h"
#include "ZQ_Internationalization.h"
#include "ZQ_ParameterSymbol.h"

// Codes of a parse; any code other than the error accepts the text.
const long ZQF_ParseResultCode_Error = 0;
const long ZQF_ParseResultCode_OK = 2;

// The outcome of one parse: the title and message say why a text is
// rejected (both empty on success).
struct ZQF_ParseResultType {
  long ResultCode = ZQF_ParseResultCode_OK;
  ZQ_String Title;
  ZQ_String Message;
};

class ZQF_ValidatedTextEditGlyph : public ZQF_TextEditGlyph {
 public:
  // Called with the text and the result before Parse; a callback that sets
  // an error code keeps Parse from running. The object is borrowed.
  using ParseCallbackType = ZQ_Functor2<const ZQ_String&, ZQF_ParseResultType&>;

  // Mode as for the text edit control (0 single-line, 1, 2).
  explicit ZQF_ValidatedTextEditGlyph(int Mode);
  ~ZQF_ValidatedTextEditGlyph() override;

  // --- Slot added after the text edit control's: fills Result for the
  // current text. This one accepts everything.
  virtual void Parse(ZQF_ParseResultType& Result);

  void ValidateSelf() override;
  void Util_RespondToChange(long ChangeSet, int Source, int Kind) override;
  void Util_DispatchChangeNotification() override;

  // Sets the text, which must parse (assertion), and makes the control valid.
  void SetText(const ZQ_String& Text);
  // One parse of the current text: the callback, then Parse unless the
  // callback rejected the text.
  void Imp_CompleteParse(ZQF_ParseResultType& Result);
  // Moves Position past a sign ('-' or '+', when SignAllowed) and the
  // decimal digits after it; returns the number of digits.
  static int Util_SkipSignAndDigits(const ZQ_String& Text, int& Position, bool SignAllowed);
  // Whether the last parse accepted the text.
  bool GetIsValid() const { return IsValid != 0; }
  void SetParseCallback(const ParseCallbackType& Callback) { ParseCallback = Callback; }

 protected:
  // The text without blanks (' ' only) at either end.
  ZQ_String Util_GetStrippedText() const;
  // The first of the widest digits in the control's font, on the screen.
  char Util_GetWidestDigit();
  // Where a text lies that the number conversion refused: one with a
  // number's shape (HasNumberShape) only lies beyond what the type holds,
  // -1 below with a leading "-", else 1 above; any other text is no number:
  // Result rejects it with the failure's name and description, and 2 is
  // returned.
  static int Util_PlaceRefusedText(ZQF_ParseResultType& Result, const ZQ_Exception& Failure,
                                   const ZQ_String& Text, bool HasNumberShape);
  // Fills Result with the out-of-range rejection: the translated Title,
  // "The number <Text> is too small." (or "too large."), two blanks and the
  // range sentence: Sentences[0] with Maximum when Minimum is Least, else
  // Sentences[1] with Minimum when Maximum is Greatest, else Sentences[2]
  // with both. Sentences are translated before the numbers fill them.
  template <class T>
  static void Util_RejectOutOfRange(ZQF_ParseResultType& Result, const char* Title,
                                    const ZQ_String& Text, bool TooSmall,
                                    const char* const (&Sentences)[3], T Minimum, T Maximum,
                                    T Least, T Greatest) {
    const T bounds[] = {Minimum, Maximum};
    const int first = Minimum == Least ? 1 : 0;
    const int count = Minimum == Least || Maximum == Greatest ? 1 : 2;
    const char* sentence = Sentences[Minimum == Least ? 0 : Maximum == Greatest ? 1 : 2];
    Util_RejectOutOfRange(Result, Title, Text, TooSmall,
                          ZQ_FillParameterSymbols(ZQ_Internationalization_Translate(sentence),
                                                  bounds + first, count));
  }
  static void Util_RejectOutOfRange(ZQF_ParseResultType& Result, const char* Title,
                                    const ZQ_String& Text, bool TooSmall,
                                    const ZQ_String& RangeSentence);

 private:
  unsigned long IsValid = 1;
  ParseCallbackType ParseCallback;
};

#endif
