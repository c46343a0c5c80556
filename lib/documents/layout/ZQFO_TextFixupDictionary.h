// ZQFO_TextFixupDictionary.h: the texts of a page's fields ("Page",
// "ChapterName", ...) by field name, which the field flow objects of a
// header or footer take before the frame is laid out. Names compare exactly,
// case included. Owns its entries; nothing throws. UI thread only.
#ifndef ZQFO_TEXTFIXUPDICTIONARY_H
#define ZQFO_TEXTFIXUPDICTIONARY_H

#include "ZQ_Map.h"
#include "ZQ_String.h"

class ZQFO_TextFixupDictionary {
 public:
  ZQFO_TextFixupDictionary() : Entries(401) {}

  // Stores Text under Name, replacing an earlier text; true when Name is new.
  bool Set(const ZQ_String& Name, const ZQ_String& Text) { return Entries.Set(Name, Text); }
  // The text stored under Name. A field name that no one set (a document may
  // name any field) gives the empty text rather than an assertion, so the
  // field simply shows nothing.
  ZQ_String Get(const ZQ_String& Name) const;

 private:
  ZQ_Map<ZQ_String, ZQ_String> Entries;
};

#endif
