// The validated text edit control: parsing after each change, withheld
// notifications, validation, and the helpers its number inputs share.
#include "ZQF_ValidatedTextEditGlyph.h"

#include "ZQF_Metrics.h"
#include "ZQF_ValidationFailureException.h"
#include "ZQR_FontMetrics.h"
#include "ZQ_Assertion.h"
#include "ZQ_Internationalization.h"

ZQF_ValidatedTextEditGlyph::ZQF_ValidatedTextEditGlyph(int Mode) : ZQF_TextEditGlyph(Mode) {}

ZQF_ValidatedTextEditGlyph::~ZQF_ValidatedTextEditGlyph() = default;

void ZQF_ValidatedTextEditGlyph::Parse(ZQF_ParseResultType& Result) {
  Result.ResultCode = ZQF_ParseResultCode_OK;
}

void ZQF_ValidatedTextEditGlyph::SetText(const ZQ_String& Text) {
  ZQF_TextEditGlyph::SetText(Text);
  ZQF_ParseResultType result;
  Imp_CompleteParse(result);
  ZQ_ASSERT_TEXT(result.ResultCode != ZQF_ParseResultCode_Error,
                 "ParseResult.ResultCode != ZQF_ParseResultCode_Error");
  IsValid = 1;
}

void ZQF_ValidatedTextEditGlyph::Imp_CompleteParse(ZQF_ParseResultType& Result) {
  Result.ResultCode = ZQF_ParseResultCode_OK;
  if (ParseCallback.IsSet()) {
    ParseCallback(GetText(), Result);
    if (Result.ResultCode != ZQF_ParseResultCode_OK) return;
  }
  Parse(Result);
}

void ZQF_ValidatedTextEditGlyph::Util_RespondToChange(long ChangeSet, int Source, int Kind) {
  if (ChangeSet & Change_Text) {
    ZQF_ParseResultType result;
    Imp_CompleteParse(result);
    IsValid = result.ResultCode != ZQF_ParseResultCode_Error;
  }
  ZQF_TextEditGlyph::Util_RespondToChange(ChangeSet, Source, Kind);
}

void ZQF_ValidatedTextEditGlyph::Util_DispatchChangeNotification() {
  if (IsValid) ZQF_TextEditGlyph::Util_DispatchChangeNotification();
}

void ZQF_ValidatedTextEditGlyph::ValidateSelf() {
  if (IsValid) return;
  ZQF_ParseResultType result;
  Imp_CompleteParse(result);
  // What the text is checked against may have changed since the last edit
  // (a callback reading other controls): a text now accepted is valid.
  if (result.ResultCode != ZQF_ParseResultCode_Error) {
    IsValid = 1;
    return;
  }
  throw ZQF_ValidationFailureException(result.Title, result.Message, this);
}

ZQ_String ZQF_ValidatedTextEditGlyph::Util_GetStrippedText() const {
  return ZQ_StripChar(GetText(), ZQ_Strip_Both, ' ');
}

int ZQF_ValidatedTextEditGlyph::Util_SkipSignAndDigits(const ZQ_String& Text, int& Position,
                                                       bool SignAllowed) {
  const int length = Text.GetLength();
  if (SignAllowed && Position < length && (Text[Position] == '-' || Text[Position] == '+')) {
    ++Position;
  }
  int digits = 0;
  for (; Position < length && Text[Position] >= '0' && Text[Position] <= '9'; ++Position) ++digits;
  return digits;
}

char ZQF_ValidatedTextEditGlyph::Util_GetWidestDigit() {
  return Cust_GetFont(0).GetFontMetrics(ZQF_GetMetricDC()).WidestDigit;
}

int ZQF_ValidatedTextEditGlyph::Util_PlaceRefusedText(ZQF_ParseResultType& Result,
                                                      const ZQ_Exception& Failure,
                                                      const ZQ_String& Text, bool HasNumberShape) {
  if (HasNumberShape) return Text[0] == '-' ? -1 : 1;
  Result.ResultCode = ZQF_ParseResultCode_Error;
  Result.Title = Failure.GetName();
  Result.Message = Failure.GetDescription();
  return 2;
}

void ZQF_ValidatedTextEditGlyph::Util_RejectOutOfRange(ZQF_ParseResultType& Result,
                                                       const char* Title, const ZQ_String& Text,
                                                       bool TooSmall,
                                                       const ZQ_String& RangeSentence) {
  Result.ResultCode = ZQF_ParseResultCode_Error;
  Result.Title = ZQ_Internationalization_Translate(Title);
  Result.Message =
      ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate(TooSmall ? "The number {$1} is too small."
                                                     : "The number {$1} is too large."),
          Text) +
      "  " + RangeSentence;
}
