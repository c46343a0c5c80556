// ZQFO_TableOfContents.h: the table-of-contents marks of a zqfo_* tree. A
// zqfo_blockgroup with toc='true' is a chapter: listed in a table of
// contents, and its four names travel with the blocks made inside it to the
// running headers and footers. Reads the tree only; nothing throws.
#ifndef ZQFO_TABLEOFCONTENTS_H
#define ZQFO_TABLEOFCONTENTS_H

#include "ZQ_String.h"

class ZQXML_Node;

// The four chapter strings, in this order everywhere: the table-of-contents
// name, the chapter name, the chapter type name and the chapter number.
struct ZQFO_ChapterStrings {
  ZQ_String TOCName;
  ZQ_String ChapterName;
  ZQ_String ChapterTypeName;
  ZQ_String ChapterNumber;
};
using ZQFO_TOCNameInfo = ZQFO_ChapterStrings;

// An element named zqfo_blockgroup whose toc attribute reads true.
bool ZQFO_IsTOCElement(const ZQXML_Node& Node);
// Node's toc reads true and no ancestor's does.
bool ZQFO_IsFirstLevelTOCElement(const ZQXML_Node& Node);
// The names from tocname, sectionname, sectiontypename and sectionnumber,
// whitespace collapsed and trimmed. A missing chapter name is the text
// directly inside the group's first zqfo_para, else the translated
// "Unnamed" and " Section"; a missing table-of-contents name is the chapter
// name.
ZQFO_TOCNameInfo ZQFO_GetTOCNameInfo(const ZQXML_Node& Node);

#endif
