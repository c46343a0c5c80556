// ZQXML_Parser: raising the validator's faults where they belong.
#include "ZQXML_CharacterClasses.h"
#include "ZQXML_Parser.h"

void ZQXML_Parser::Validate(const ZQXML_ValidationFault& Fault, const MarkType& At) {
  if (Fault.IsFault) Fail(Fault.Message, At, Fault.Value1, Fault.Value2);
}

bool ZQXML_Parser::AdmitText() {
  const ZQ_String text = Text.ToString();
  switch (Validator->JudgeText(text, KeepCharacterDataInElementContent)) {
    case ZQXML_Validator::TextUse::Keep:
      return true;
    case ZQXML_Validator::TextUse::Drop:
      return false;
    case ZQXML_Validator::TextUse::Refuse:
      break;
  }
  MarkType first = TextStart;
  for (first.Normalize(); first.CharP != first.SectionP->End; first.Normalize()) {
    if (!ZQXML_CharacterClasses.Is(*first.CharP, ZQXML_Class_Space)) break;
    ++first.CharP;
  }
  Fail(ZQXML_ParserMessage::TextNotAllowed, first, Validator->GetCurrentName());
}
