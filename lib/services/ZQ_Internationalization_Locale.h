// ZQ_Internationalization_Locale.h: the current locale, its folder and
// language files, the translation dictionary built from them, and the
// descriptive names of locale codes.
// A locale code is a language ("de") or language_country ("pt_BR"). The
// current code is read once per run from <home>\Locale\<Base>_Current_Locale.txt
// (Base: the executable's base name); "en", the default, has no dictionary.
// Other locales read <home>\Locale\Locale_<code>\<Base>_system.langimp, then
// <Base>_user.langimp: a user entry replaces the system entry for the same
// text unless it is older. ZQ_Internationalization_Translate consults the
// dictionary in operation mode 2. One thread only.
#ifndef ZQ_INTERNATIONALIZATION_LOCALE_H
#define ZQ_INTERNATIONALIZATION_LOCALE_H

#include "ZQ_FileName.h"
#include "ZQ_Map.h"
#include "ZQ_String.h"

// Folder and file name parts.
ZQ_String ZQ_Internationalization_GetLocaleDirectoryName();                // "Locale"
ZQ_String ZQ_Internationalization_GetLocaleImplementationDirectoryPrefix();  // "Locale_"
ZQ_String ZQ_Internationalization_GetLanguageTemplateFileExtension();      // ".langtemplate"
ZQ_String ZQ_Internationalization_GetLanguageImplementationFileExtension();  // ".langimp"
ZQ_String ZQ_Internationalization_GetCurrentLocaleFileSuffix();  // "_Current_Locale.txt"
ZQ_String ZQ_Internationalization_GetSystemLanguageFileSuffix();  // "_system"
ZQ_String ZQ_Internationalization_GetUserLanguageFileSuffix();    // "_user"

// Paths of this application's locale files. The code forms assert
// "LocaleCode != ZQ_Internationalization_GetDefaultLocaleCode()".
ZQ_String ZQ_Internationalization_GetAppLocaleDirectory();  // ends in "\"
ZQ_FileName ZQ_Internationalization_GetAppCurrentLocaleFileName();
ZQ_String ZQ_Internationalization_GetAppLocaleImplementationDirectory(const ZQ_String& LocaleCode);
ZQ_FileName ZQ_Internationalization_GetAppSystemLanguageImplementationFileName(
    const ZQ_String& LocaleCode);
ZQ_FileName ZQ_Internationalization_GetAppUserLanguageImplementationFileName(
    const ZQ_String& LocaleCode);

// "en" and its descriptive name.
ZQ_String ZQ_Internationalization_GetDefaultLocaleCode();
ZQ_String ZQ_Internationalization_GetDefaultLocaleDescriptiveName();

// The current locale code, determined on the first call (asserting mode 2).
// A current-locale file naming a locale without an implementation directory
// is deleted and ZQ_Exception "Missing Locale Implementation Directory" is
// thrown; the next call tries again (and finds "en").
ZQ_String ZQ_Internationalization_GetCurrentLocaleCode();
// The code once determined, else "unknown"; never determines, never throws
// (for fatal-error reports).
ZQ_String ZQ_Internationalization_GetCurrentLocaleCode_Debugging();

// The dictionary, created and filled on the first call: mode 0 shows
// "Cannot Initialize Translation Dictionary" naming Text and ends the
// process; mode 1 leaves it empty (and unfilled); mode 2 loads the language
// files of the current locale, whose errors throw ZQ_Exception (the
// dictionary then stays as it is for the run).
const ZQ_Map<ZQ_String, ZQ_String>& GetTranslationDictionary(const ZQ_String& Text);

// The dictionary lookup behind ZQ_Internationalization_Translate in mode 2.
bool ZQ_Internationalization_LookUpTranslation(const ZQ_String& Key, ZQ_String& Translation);

// Reads one language file into Dictionary (see the header comment for the
// merge rule); a missing file is skipped. TimeMap holds the time stamp of
// each text's entry taken so far. Throws ZQ_Exception "Error reading
// language file" for templates, a locale other than ExpectedLocaleCode and
// the reader's errors.
class ZQ_PointInTime;
void LoadDictionaryFile(const ZQ_FileName& FileName, ZQ_Map<ZQ_String, ZQ_String>& Dictionary,
                        ZQ_Map<ZQ_String, ZQ_PointInTime>& TimeMap,
                        const ZQ_String& ExpectedLocaleCode);

// Descriptive names: codes compare without regard to case; an unknown code
// gives "Unknown". A locale code gives "<language> - <country>" when it has
// a country part.
ZQ_String ZQ_Internationalization_LocaleNames_LanguageCodeToDescriptiveName(
    const ZQ_String& LanguageCode);
ZQ_String ZQ_Internationalization_LocaleNames_CountryCodeToDescriptiveName(
    const ZQ_String& CountryCode);
ZQ_String ZQ_Internationalization_LocaleNames_LocaleCodeToDescriptiveName(
    const ZQ_String& LocaleCode);
long ZQ_Internationalization_LocaleNames_GetNumLanguages();
long ZQ_Internationalization_LocaleNames_GetNumCountries();

// Test seams. The executable whose folder and base name the paths use (an
// empty name restores the real one), and forgetting the dictionary and the
// cached locale code so that the next use starts afresh.
void ZQ_Internationalization_SetExecutableFileNameForTesting(const ZQ_FileName& ExecutableName);
void ZQ_Internationalization_ResetTranslationDictionaryForTesting();

#endif
