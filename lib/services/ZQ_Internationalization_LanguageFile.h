// ZQ_Internationalization_LanguageFile.h: the translations of one locale as
// read from a language file (".langimp"; templates, ".langtemplate", have
// the same form with an empty locale code). Each entry is one untranslated
// text with its translations (one per plural form), flags and time stamp.
// Read throws ZQ_Exception "Error reading language file" on any format
// error, and "Damaged data" for a file cut short or a time stamp that is no
// legal date and time of day. Nothing here writes files. One thread only.
#ifndef ZQ_INTERNATIONALIZATION_LANGUAGEFILE_H
#define ZQ_INTERNATIONALIZATION_LANGUAGEFILE_H

#include "ZQ_Array.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_FileName.h"
#include "ZQ_Map.h"
#include "ZQ_String.h"

class ZQ_Internationalization_TranslatedString {
 public:
  // Flag bit: the entry has plural forms (one translation per form).
  static const unsigned long Flag_HasPluralForms = 0x1;

  const ZQ_String& GetUntranslatedText() const { return UntranslatedText; }
  long GetNumPluralForms() const { return Translations.GetNumElements(); }
  // Asserts "PluralFormIndex < GetNumPluralForms()".
  ZQ_String GetTranslation(long PluralFormIndex) const;
  bool HasPluralForms() const { return (Flags & Flag_HasPluralForms) != 0; }
  const ZQ_PointInTime& GetTimeStamp() const { return TimeStamp; }

  ZQ_String UntranslatedText;
  ZQ_Array<ZQ_String> Translations;
  unsigned long Flags = 0;
  ZQ_PointInTime TimeStamp;  // modified Julian date 0, midnight by default
  ZQ_String Remark1;         // the remarks are kept, not interpreted
  ZQ_String Remark2;
  ZQ_String Remark3;
  ZQ_String Remark4;
};

// The four words of the language-file type identifier
// 0012-26ec-0000-d219-049d-e399-3a98-f596, as stored.
struct ZQ_Internationalization_LanguageFileUID {
  unsigned long Words[4];
};
ZQ_Internationalization_LanguageFileUID ZQ_Internationalization_GetLanguageFileUID();

class ZQ_Internationalization_LanguageFile {
 public:
  ZQ_Internationalization_LanguageFile() = default;
  ZQ_Internationalization_LanguageFile(const ZQ_Internationalization_LanguageFile&) = delete;
  ZQ_Internationalization_LanguageFile& operator=(const ZQ_Internationalization_LanguageFile&) =
      delete;

  // Replaces the contents with the file's. Every failure (format, damaged or
  // short data, missing file) throws ZQ_Exception with a last paragraph that
  // names the file; the object then holds what was read so far.
  void Read(const ZQ_FileName& FileName);

  const ZQ_String& GetLocaleCode() const { return LocaleCode; }
  bool IsLanguageImplementationFile() const { return !LocaleCode.IsEmpty(); }
  long GetNumPluralForms() const { return NumPluralForms; }
  long GetNumStrings() const { return NumStrings; }
  const ZQ_String& GetNotes() const { return Notes; }
  const ZQ_String& GetCharacterSet() const { return CharacterSet; }

  bool ContainsUntranslatedText(const ZQ_String& Text) const { return Index.KeyExists(Text); }
  // The entry index of Text; a new text gets a new default entry at the end.
  long GetTranslatedStringIndexFromUntranslatedText(const ZQ_String& Text);
  // Asserts "Index < NumStrings".
  ZQ_Internationalization_TranslatedString& GetTranslatedStringFromIndex(long Index);

  static long GetMaxVersion() { return 1; }

 private:
  void ReadContents(const ZQ_FileName& FileName);

  ZQ_String LocaleCode;  // empty in a template
  ZQ_String Notes;
  ZQ_String CharacterSet = "CP1252";
  long NumPluralForms = 0;  // 0: not given
  long NumStrings = 0;
  ZQ_AutosizeArray<ZQ_Internationalization_TranslatedString> Strings;
  ZQ_Map<ZQ_String, long> Index{37};
};

#endif
