#include "ZQFOxZQF_InternalURIHandler.h"

#include "ZQ_Assertion.h"
#include "ZQ_Map.h"

namespace {

using HandlerTable = ZQ_Map<ZQ_String, ZQFOxZQF_InternalURIHandler*>;

// Made on first use, so that handlers made by static initialisers find it.
HandlerTable& URISchemeToHandlerTable() {
  static HandlerTable* s_table = new HandlerTable(37);  // handlers may outlive statics
  return *s_table;
}

}  // namespace

ZQFOxZQF_InternalURIHandler::ZQFOxZQF_InternalURIHandler(const ZQ_String& URIScheme) : URIScheme(URIScheme) {
  HandlerTable& table = URISchemeToHandlerTable();
  const bool isNew = !table.KeyExists(URIScheme);
  ZQ_ASSERT_TEXT(isNew, "not URISchemeToHandlerTable.ContainsKey (URIScheme)");
  if (!isNew) return;
  table.Set(URIScheme, this);
  Registered = true;
}

ZQFOxZQF_InternalURIHandler::~ZQFOxZQF_InternalURIHandler() {
  if (Registered) URISchemeToHandlerTable().Remove(URIScheme, false);
}

void ZQFOxZQF_InternalURIHandler::Handle(const ZQ_String& SchemeSpecificText, const ZQ_URI& Base,
                                         ZQFOxZQF_DocumentDisplayGlyph* Display) {
  // An empty reference names the base itself; resolving it would give an
  // empty URI, which is no absolute one.
  if (SchemeSpecificText.IsEmpty()) {
    HandleAbsoluteURI(Base, Display);
    return;
  }
  HandleAbsoluteURI(ZQ_URI(SchemeSpecificText).MakeAbsolute(Base), Display);
}

bool ZQFOxZQF_InternalURIHandler_HandleIfPossible(const ZQ_String& Scheme, const ZQ_String& SchemeSpecificText,
                                                  const ZQ_URI& Base, ZQFOxZQF_DocumentDisplayGlyph* Display) {
  ZQFOxZQF_InternalURIHandler* handler = nullptr;
  if (!URISchemeToHandlerTable().GetValueIfExists(Scheme, handler) || !handler) return false;
  handler->Handle(SchemeSpecificText, Base, Display);
  return true;
}

long ZQFOxZQF_InternalURIHandler_GetNumHandlers() { return URISchemeToHandlerTable().GetNumElements(); }
