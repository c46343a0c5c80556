#include "ZQ_Internationalization_LanguageFile.h"

#include "ZQ_Assertion.h"
#include "ZQ_BinaryStreamParser.h"
#include "ZQ_DateAndTimeRegistry.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

namespace {

const ZQ_Internationalization_LanguageFileUID kLanguageFileUID = {
    {0x001226ECul, 0x0000D219ul, 0x049DE399ul, 0x3A98F596ul}};

[[noreturn]] void ThrowLanguageFileError(const ZQ_String& Description) {
  throw ZQ_Exception(ZQ_Internationalization_Translate("Error reading language file"),
                     Description);
}

}  // namespace

ZQ_String ZQ_Internationalization_TranslatedString::GetTranslation(long PluralFormIndex) const {
  ZQ_ASSERT(PluralFormIndex < GetNumPluralForms());
  if (PluralFormIndex < 0 || PluralFormIndex >= GetNumPluralForms()) return ZQ_String();
  return Translations[PluralFormIndex];
}

ZQ_Internationalization_LanguageFileUID ZQ_Internationalization_GetLanguageFileUID() {
  return kLanguageFileUID;
}

long ZQ_Internationalization_LanguageFile::GetTranslatedStringIndexFromUntranslatedText(
    const ZQ_String& Text) {
  long index = 0;
  if (Index.GetValueIfExists(Text, index)) return index;
  index = NumStrings++;
  Strings[index] = ZQ_Internationalization_TranslatedString();
  Strings[index].UntranslatedText = Text;
  Index.Set(Text, index);
  return index;
}

ZQ_Internationalization_TranslatedString&
ZQ_Internationalization_LanguageFile::GetTranslatedStringFromIndex(long Index) {
  ZQ_ASSERT(Index < NumStrings);
  if (Index >= NumStrings) return Strings[NumStrings];  // a spare default entry
  return Strings[Index];
}

void ZQ_Internationalization_LanguageFile::Read(const ZQ_FileName& FileName) {
  ZQ_TRACE_FUNCTION("ZQ_Internationalization_LanguageFile::Read");
  const ZQ_String pathName = FileName.GetPathName();
  ZQ_TRACE_VARIABLE(pathName);
  try {
    ReadContents(FileName);
  } catch (ZQ_Exception& e) {
    e.AppendToDescription(ZQ_Internationalization_FillPlaceholders(
        ZQ_Internationalization_Translate(
            "This error occurred while reading the language file \"{$1}\"."),
        FileName.GetAbsolutePathName()));
    throw;
  }
}

void ZQ_Internationalization_LanguageFile::ReadContents(const ZQ_FileName& FileName) {
  NumStrings = 0;
  Index = ZQ_Map<ZQ_String, long>(37);
  ZQ_BinaryStreamParser parser(ZQ_CreateFileStreamSource(FileName, 0));

  for (unsigned long word : kLanguageFileUID.Words)
    if (parser.ReadUnsignedLong() != word)
      ThrowLanguageFileError(ZQ_Internationalization_Translate("Not a valid language file"));

  parser.ReadChar();
  const long version = parser.ReadLong();
  if (version > GetMaxVersion()) {
    const ZQ_String values[] = {ZQ_ToString(version), ZQ_ToString(GetMaxVersion())};
    ThrowLanguageFileError(ZQ_Internationalization_FillPlaceholders(
        ZQ_Internationalization_Translate("This is a version {$1} language file.  I can "
                                          "process language files up to version {$2}."),
        values, 2));
  }
  parser.ReadString();  // header text
  LocaleCode = parser.ReadString();
  Notes = parser.ReadString();
  CharacterSet = parser.ReadString();
  NumPluralForms = parser.ReadLong();
  const long count = parser.ReadLong();

  for (long StringIndex = 0; StringIndex < count; ++StringIndex) {
    ZQ_ASSERT(NumStrings == StringIndex);
    const ZQ_String text = parser.ReadString();
    if (Index.KeyExists(text))
      ThrowLanguageFileError(ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate(
              "The langauge file contains more than one entry for the string \"{$1}\"."),
          text));
    ZQ_Internationalization_TranslatedString& entry =
        Strings[GetTranslatedStringIndexFromUntranslatedText(text)];
    // A negative or oversized count is damaged data and throws here.
    const long numTranslations = parser.ReadCount(4);
    entry.Translations.Resize(numTranslations);
    for (long i = 0; i < numTranslations; ++i) entry.Translations[i] = parser.ReadString();
    entry.Flags = parser.ReadUnsignedLong();
    parser >> entry.TimeStamp;  // a time then a date, checked as the registry checks them
    entry.Remark1 = parser.ReadString();
    entry.Remark2 = parser.ReadString();
    entry.Remark3 = parser.ReadString();
    entry.Remark4 = parser.ReadString();
  }
}
