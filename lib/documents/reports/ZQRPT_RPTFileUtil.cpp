#include "ZQRPT_RPTFileUtil.h"

#include <memory>

#include "ZQ_AccumulatingIterator.h"

ZQ_ReadOnlyIterator<ZQRPT_RPTFileUtil_GetLinkedFiles_ElementAttributeNamePair>
ZQRPT_RPTFileUtil_GetLinkedFiles_GetImageReferenceAttributes() {
  using Pair = ZQRPT_RPTFileUtil_GetLinkedFiles_ElementAttributeNamePair;
  const char* const kPairs[][2] = {
      {"img", "src"}, {"section", "image"}, {"section", "companylogo"}, {"section", "webpagelogo"}};
  auto pairs = std::make_unique<ZQ_AccumulatingIteratorReference<Pair>>();
  for (const auto& names : kPairs) pairs->Append(Pair{names[0], names[1]});
  return ZQ_ReadOnlyIterator<Pair>(pairs.release());
}
