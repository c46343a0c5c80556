// ZQ_Internationalization.h: the entry point every user-visible text passes
// before it is shown or thrown. The untranslated English text is the key.
// A text may begin with a context prefix ending in "-:-" ("File-:-Open"): the
// prefix is part of the key and never reaches the user.
// Messages carry numbered placeholders "{$1}", "{$2}"; translate first, fill
// the placeholders afterwards (a translation may move or repeat them).
// One thread only.
#ifndef ZQ_INTERNATIONALIZATION_H
#define ZQ_INTERNATIONALIZATION_H

#include "ZQ_String.h"

// Operation modes: 0 before the program entry sets one, 1 texts pass through
// untranslated, 2 texts are looked up in the dictionary.
const int ZQ_Internationalization_OperationMode_NotStarted = 0;
const int ZQ_Internationalization_OperationMode_NoTranslation = 1;
const int ZQ_Internationalization_OperationMode_Normal = 2;

void ZQ_Internationalization_SetOperationMode(int Mode);
int ZQ_Internationalization_GetOperationMode();

// The translation of Text (or Text itself when the dictionary has no entry, or
// in mode 1), without its context prefix.
ZQ_String ZQ_Internationalization_Translate(const ZQ_String& Text);

// Removes everything up to and including the first "-:-"; nothing when the
// text holds none.
void ZQ_Internationalization_StripContextMarkerText(ZQ_String& Text);

// The dictionary consulted outside mode 1. It sets Translation and returns
// true when Key has an entry. Without one (null, the default) mode 2 uses the
// translation dictionary of the current locale (ZQ_Internationalization_Locale.h)
// and mode 0 lets every text stand for itself. Returns the previous lookup.
using ZQ_Internationalization_DictionaryLookup =
    bool (*)(const ZQ_String& Key, ZQ_String& Translation);
ZQ_Internationalization_DictionaryLookup
ZQ_Internationalization_SetDictionaryLookup(
    ZQ_Internationalization_DictionaryLookup Lookup);

// Fills the placeholders of Template: "{$N}" takes Values[N - 1]; other text
// inside the braces is a format text applied to the value ("{$1w8}" pads it to
// eight characters, see ZQ_SetFormat). A number without a value (or 0) is
// replaced by nothing. Braces without "$" and a digit are left as they are.
// Inserted values are not scanned again. A malformed number setting in a
// format text throws ZQ_Exception "Cannot recognize number".
ZQ_String ZQ_Internationalization_FillPlaceholders(const ZQ_String& Template,
                                                   const ZQ_String* Values,
                                                   int ValueCount);
ZQ_String ZQ_Internationalization_FillPlaceholders(const ZQ_String& Template,
                                                   const ZQ_String& Value1);
ZQ_String ZQ_Internationalization_FillPlaceholders(const ZQ_String& Template,
                                                   const ZQ_String& Value1,
                                                   const ZQ_String& Value2);

#endif
