#include "ZQFO_ExternalContext.h"

namespace {
// Documents name few pictures.
const long kPictureBuckets = 53;
}  // namespace

ZQFO_ExternalContext::ZQFO_ExternalContext()
    : ZQ_Map<ZQ_String, ZQ_CountedPtr<const ZQPIC_Picture>>(kPictureBuckets),
      BaseURI(ZQ_URI_GetCurrentDirectoryURI()) {}

ZQ_CountedPtr<const ZQPIC_Picture> ZQFO_ExternalContext::GetPicture(const ZQ_String& Name) const {
  const Link* link = FindLink(Name);
  return link ? link->Value : ZQ_CountedPtr<const ZQPIC_Picture>();
}
