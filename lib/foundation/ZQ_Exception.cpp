#include "ZQ_Exception.h"

#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

ZQ_Exception::ZQ_Exception(const ZQ_String& Name, const ZQ_String& Description)
    : Name(Name), Description(Description) {}

ZQ_Exception::ZQ_Exception(const ZQ_Exception& Other) = default;
ZQ_Exception& ZQ_Exception::operator=(const ZQ_Exception& Other) = default;
ZQ_Exception::~ZQ_Exception() = default;

ZQ_String ZQ_Exception::GetName() const { return Name; }

ZQ_String ZQ_Exception::GetDescription() const {
  return Description.GetLength() == 0 ? Name : Description;
}

void ZQ_Exception::AppendToDescription(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_Exception::AppendToDescription");
  ZQ_TRACE_VARIABLE(Text);
  ZQ_String description = GetDescription();
  // An empty name gives an empty D: it has no final line feed either.
  if (description.GetLength() == 0 || description.GetLastChar() != '\n')
    description += "\n";
  description += "\n";
  description += Text;
  Description = description;
}

void ThrowStringToNumberErrorException(const ZQ_String& Text, int Kind) {
  ZQ_TRACE_FUNCTION("ThrowStringToNumberErrorException");
  ZQ_TRACE_VARIABLE(Text);
  ZQ_TRACE_VARIABLE(Kind);
  static const char* const kPhrases[] = {
      "an integer", "an unsigned integer specified in hexadecimal notation",
      "a floating-point number"};
  ZQ_String phrase;
  if (Kind >= 0 && Kind < 3) phrase = ZQ_Internationalization_Translate(kPhrases[Kind]);
  const ZQ_String values[] = {Text, phrase};
  const ZQ_String description = ZQ_Internationalization_FillPlaceholders(
      ZQ_Internationalization_Translate("The text '{$1}' cannot be recognized as {$2}."),
      values, 2);
  throw ZQ_Exception(ZQ_Internationalization_Translate("Cannot recognize number"),
                     description);
}

void ThrowStringToPointerErrorException(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ThrowStringToPointerErrorException");
  ZQ_TRACE_VARIABLE(Text);
  throw ZQ_Exception("Cannot recognize pointer",
                     "The text '" + Text + "' cannot be recognized as pointer.");
}
