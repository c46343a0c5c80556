#include "ZQFO_TextFixupDictionary.h"

ZQ_String ZQFO_TextFixupDictionary::Get(const ZQ_String& Name) const {
  ZQ_String text;
  Entries.GetValueIfExists(Name, text);
  return text;
}
