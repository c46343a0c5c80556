#include "ZQ_Internationalization_Locale.h"

#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_DebuggingAids.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Internationalization.h"
#include "ZQ_Internationalization_LanguageFile.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

namespace {

const char kDefaultLocaleCode[] = "en";

ZQ_String s_currentLocaleCode;  // empty until determined
ZQ_FileName s_executableOverride;
bool s_dictionaryInitialized = false;

// Created on first use (static initialisers of other modules may translate)
// and destroyed with the other statics at exit.
ZQ_Map<ZQ_String, ZQ_String>& Dictionary() {
  static ZQ_Map<ZQ_String, ZQ_String> dictionary(37);
  return dictionary;
}

ZQ_FileName ExecutableFileName() {
  return s_executableOverride.IsNull() ? ZQ_GetContainingExecutableFileName()
                                       : s_executableOverride;
}

ZQ_String HomeDirectory() {
  if (s_executableOverride.IsNull()) return ZQ_FileUtils::GetHomeDirectory();
  ZQ_String path = s_executableOverride.GetAbsolutePath();
  if (path.IsEmpty() || (path.GetText()[path.GetLength() - 1] != '\\' &&
                         path.GetText()[path.GetLength() - 1] != '/'))
    path += "\\";
  return path;
}

ZQ_String BaseName() { return ExecutableFileName().GetBase(); }

[[noreturn]] void ThrowLanguageFileError(const ZQ_String& Description) {
  throw ZQ_Exception(ZQ_Internationalization_Translate("Error reading language file"),
                     Description);
}

// The first line of Text, with spaces (only spaces) stripped from both ends.
ZQ_String FirstLineStripped(const ZQ_String& Text) {
  ZQ_String line = Text;
  const int carriageReturn = line.Find('\r');
  if (carriageReturn != ZQ_NoMatch) line = line.GetLeft(carriageReturn);
  const int lineFeed = line.Find('\n');
  if (lineFeed != ZQ_NoMatch) line = line.GetLeft(lineFeed);
  return ZQ_StripChar(line, ZQ_Strip_Both, ' ');
}

void InitializeDictionary(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_Internationalization_TranslationDictionary");
  const bool TranslationDictionaryInitialized = s_dictionaryInitialized;
  ZQ_ASSERT(not TranslationDictionaryInitialized);
  switch (ZQ_Internationalization_GetOperationMode()) {
    case ZQ_Internationalization_OperationMode_NotStarted: {
      s_dictionaryInitialized = true;
      ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NoTranslation);
      const ZQ_String message =
          ZQ_String("An attempt was made to access the translation dictionary before the "
                    "InitializeDefinition initialization stage.  The untranslated text was \"") +
          Text + "\".";
      ZQLOW_WINUSER::MessageBoxA(nullptr, message.GetText(),
                                 "Cannot Initialize Translation Dictionary", 0x2030);
      ZQ_Abort();
    }
    case ZQ_Internationalization_OperationMode_NoTranslation:
      return;
    default:
      break;
  }
  s_dictionaryInitialized = true;
  const ZQ_String code = ZQ_Internationalization_GetCurrentLocaleCode();
  if (code == kDefaultLocaleCode) return;
  ZQ_Map<ZQ_String, ZQ_PointInTime> timeMap(37);
  LoadDictionaryFile(ZQ_Internationalization_GetAppSystemLanguageImplementationFileName(code),
                     Dictionary(), timeMap, code);
  LoadDictionaryFile(ZQ_Internationalization_GetAppUserLanguageImplementationFileName(code),
                     Dictionary(), timeMap, code);
}

}  // namespace

ZQ_String ZQ_Internationalization_GetLocaleDirectoryName() { return "Locale"; }
ZQ_String ZQ_Internationalization_GetLocaleImplementationDirectoryPrefix() { return "Locale_"; }
ZQ_String ZQ_Internationalization_GetLanguageTemplateFileExtension() { return ".langtemplate"; }
ZQ_String ZQ_Internationalization_GetLanguageImplementationFileExtension() { return ".langimp"; }
ZQ_String ZQ_Internationalization_GetCurrentLocaleFileSuffix() { return "_Current_Locale.txt"; }
ZQ_String ZQ_Internationalization_GetSystemLanguageFileSuffix() { return "_system"; }
ZQ_String ZQ_Internationalization_GetUserLanguageFileSuffix() { return "_user"; }

ZQ_String ZQ_Internationalization_GetAppLocaleDirectory() {
  return HomeDirectory() + ZQ_Internationalization_GetLocaleDirectoryName() + "\\";
}

ZQ_FileName ZQ_Internationalization_GetAppCurrentLocaleFileName() {
  return ZQ_FileName(ZQ_Internationalization_GetAppLocaleDirectory() + BaseName() +
                     ZQ_Internationalization_GetCurrentLocaleFileSuffix());
}

ZQ_String ZQ_Internationalization_GetAppLocaleImplementationDirectory(const ZQ_String& LocaleCode) {
  ZQ_ASSERT(LocaleCode != ZQ_Internationalization_GetDefaultLocaleCode());
  return ZQ_Internationalization_GetAppLocaleDirectory() +
         ZQ_Internationalization_GetLocaleImplementationDirectoryPrefix() + LocaleCode + "\\";
}

ZQ_FileName ZQ_Internationalization_GetAppSystemLanguageImplementationFileName(
    const ZQ_String& LocaleCode) {
  return ZQ_FileName(ZQ_Internationalization_GetAppLocaleImplementationDirectory(LocaleCode) +
                     BaseName() + ZQ_Internationalization_GetSystemLanguageFileSuffix() +
                     ZQ_Internationalization_GetLanguageImplementationFileExtension());
}

ZQ_FileName ZQ_Internationalization_GetAppUserLanguageImplementationFileName(
    const ZQ_String& LocaleCode) {
  return ZQ_FileName(ZQ_Internationalization_GetAppLocaleImplementationDirectory(LocaleCode) +
                     BaseName() + ZQ_Internationalization_GetUserLanguageFileSuffix() +
                     ZQ_Internationalization_GetLanguageImplementationFileExtension());
}

ZQ_String ZQ_Internationalization_GetDefaultLocaleCode() { return kDefaultLocaleCode; }

ZQ_String ZQ_Internationalization_GetDefaultLocaleDescriptiveName() {
  return ZQ_Internationalization_LocaleNames_LocaleCodeToDescriptiveName(kDefaultLocaleCode);
}

ZQ_String ZQ_Internationalization_GetCurrentLocaleCode() {
  ZQ_TRACE_FUNCTION("ZQ_Internationalization_GetCurrentLocaleCode");
  if (!s_currentLocaleCode.IsEmpty()) return s_currentLocaleCode;
  ZQ_ASSERT(ZQ_Internationalization_GetOperationMode() ==
            ZQ_Internationalization_OperationMode_Normal);
  const ZQ_FileName localeFile = ZQ_Internationalization_GetAppCurrentLocaleFileName();
  ZQ_String code;
  if (ZQ_FileUtils::FileExists(localeFile))
    code = FirstLineStripped(ZQ_LoadFileIntoString(localeFile));
  if (code.IsEmpty() || code == kDefaultLocaleCode) {
    code = kDefaultLocaleCode;
  } else if (!ZQ_FileUtils::DirectoryExists(
                 ZQ_Internationalization_GetAppLocaleImplementationDirectory(code))) {
    // Deleting the file lets the next start use the default language.
    ZQ_FileUtils::SafeDelete(localeFile);
    const ZQ_String values[] = {localeFile.GetAbsolutePathName(),
                                ZQ_Internationalization_GetDefaultLocaleDescriptiveName()};
    throw ZQ_Exception(
        ZQ_Internationalization_Translate("Missing Locale Implementation Directory"),
        ZQ_Internationalization_FillPlaceholders(
            ZQ_Internationalization_Translate(
                "The locale directory associated with the current language does not "
                "exist.\n\nThe current language is specified in the file \"{$1}\".  This "
                "erroneous file has been deleted.  This should correct this problem, although "
                "the next time this application starts, it will use the default language, "
                "{$2}."),
            values, 2));
  }
  s_currentLocaleCode = code;
  return code;
}

ZQ_String ZQ_Internationalization_GetCurrentLocaleCode_Debugging() {
  return s_currentLocaleCode.IsEmpty() ? ZQ_String("unknown") : s_currentLocaleCode;
}

const ZQ_Map<ZQ_String, ZQ_String>& GetTranslationDictionary(const ZQ_String& Text) {
  if (!s_dictionaryInitialized) InitializeDictionary(Text);
  return Dictionary();
}

bool ZQ_Internationalization_LookUpTranslation(const ZQ_String& Key, ZQ_String& Translation) {
  return GetTranslationDictionary(Key).GetValueIfExists(Key, Translation);
}

void LoadDictionaryFile(const ZQ_FileName& FileName, ZQ_Map<ZQ_String, ZQ_String>& Dictionary,
                        ZQ_Map<ZQ_String, ZQ_PointInTime>& TimeMap,
                        const ZQ_String& ExpectedLocaleCode) {
  ZQ_TRACE_FUNCTION("LoadDictionaryFile");
  const ZQ_String pathName = FileName.GetPathName();
  ZQ_TRACE_VARIABLE(pathName);
  if (!ZQ_FileUtils::FileExists(FileName)) return;
  ZQ_Internationalization_LanguageFile file;
  file.Read(FileName);
  if (file.GetLocaleCode().IsEmpty())
    ThrowLanguageFileError(ZQ_Internationalization_Translate(
        "This is a language template file.  A language implementation file was expected."));
  if (!(file.GetLocaleCode() == ExpectedLocaleCode)) {
    const ZQ_String values[] = {FileName.GetAbsolutePathName(), file.GetLocaleCode(),
                                ExpectedLocaleCode};
    ThrowLanguageFileError(ZQ_Internationalization_FillPlaceholders(
        ZQ_Internationalization_Translate("The locale of language file \"{$1}\" is \"{$2}\".  "
                                          "This does not match the expected locale of "
                                          "\"{$3}\"."),
        values, 3));
  }
  for (long i = 0; i < file.GetNumStrings(); ++i) {
    const ZQ_Internationalization_TranslatedString& entry = file.GetTranslatedStringFromIndex(i);
    const ZQ_String& text = entry.GetUntranslatedText();
    ZQ_PointInTime taken;  // none yet: the earliest point in time
    TimeMap.GetValueIfExists(text, taken);
    if (entry.GetTimeStamp() < taken) continue;  // older than the entry taken
    TimeMap.Set(text, entry.GetTimeStamp());
    if (!entry.HasPluralForms()) {
      // An entry without any translation is damaged; it translates nothing.
      if (entry.GetNumPluralForms() > 0 && !entry.GetTranslation(0).IsEmpty())
        Dictionary.Set(text, entry.GetTranslation(0));
      continue;
    }
    for (long form = 0; form < entry.GetNumPluralForms(); ++form)
      if (!entry.GetTranslation(form).IsEmpty())
        Dictionary.Set(ZQ_ToString(form) + "~~" + text, entry.GetTranslation(form));
  }
}

void ZQ_Internationalization_SetExecutableFileNameForTesting(const ZQ_FileName& ExecutableName) {
  s_executableOverride = ExecutableName;
}

void ZQ_Internationalization_ResetTranslationDictionaryForTesting() {
  Dictionary() = ZQ_Map<ZQ_String, ZQ_String>(37);
  s_dictionaryInitialized = false;
  s_currentLocaleCode = ZQ_String();
}
