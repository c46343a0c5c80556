// ZQRPT_RPTFileUtil.h: the attributes of report markup that name other
// files (images), for tools that copy or publish reports without knowing
// the report vocabulary. Nothing here throws but std::bad_alloc.
#ifndef ZQRPT_RPTFILEUTIL_H
#define ZQRPT_RPTFILEUTIL_H

#include "ZQ_Iterator.h"
#include "ZQ_String.h"

struct ZQRPT_RPTFileUtil_GetLinkedFiles_ElementAttributeNamePair {
  ZQ_String ElementName;
  ZQ_String AttributeName;
};

// A new list, positioned on its first pair: img/src, section/image,
// section/companylogo, section/webpagelogo. Advancing past the fourth fails
// the assertion "Index < N". The caller owns the iterator.
ZQ_ReadOnlyIterator<ZQRPT_RPTFileUtil_GetLinkedFiles_ElementAttributeNamePair>
ZQRPT_RPTFileUtil_GetLinkedFiles_GetImageReferenceAttributes();

#endif
