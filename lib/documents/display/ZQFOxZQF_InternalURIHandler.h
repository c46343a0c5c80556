// ZQFOxZQF_InternalURIHandler.h: links of URI schemes the program handles
// itself. A handler serves one scheme name (compared exactly: case matters)
// and enters itself in one program-wide table when made; a document display
// offers a followed link "scheme:text" to the table before it hands the URI
// to the shell. The table does not own the handlers; a handler leaves it when
// destroyed. The library registers none. UI thread only.
#ifndef ZQFOXZQF_INTERNALURIHANDLER_H
#define ZQFOXZQF_INTERNALURIHANDLER_H

#include "ZQ_String.h"
#include "ZQ_URI.h"

class ZQFOxZQF_DocumentDisplayGlyph;

class ZQFOxZQF_InternalURIHandler {
 public:
  // Asserts "not URISchemeToHandlerTable.ContainsKey (URIScheme)"; a second
  // handler of a scheme (once the assertion returns) is not entered.
  explicit ZQFOxZQF_InternalURIHandler(const ZQ_String& URIScheme);
  virtual ~ZQFOxZQF_InternalURIHandler();
  ZQFOxZQF_InternalURIHandler(const ZQFOxZQF_InternalURIHandler&) = delete;
  ZQFOxZQF_InternalURIHandler& operator=(const ZQFOxZQF_InternalURIHandler&) = delete;

  // Takes the link, resolved against the document's base.
  virtual void HandleAbsoluteURI(const ZQ_URI& URI, ZQFOxZQF_DocumentDisplayGlyph* Display) = 0;

  // Makes a URI of SchemeSpecificText, resolves it against Base and hands
  // it to HandleAbsoluteURI.
  void Handle(const ZQ_String& SchemeSpecificText, const ZQ_URI& Base, ZQFOxZQF_DocumentDisplayGlyph* Display);
  const ZQ_String& GetURIScheme() const { return URIScheme; }

 private:
  ZQ_String URIScheme;
  bool Registered = false;
};

// When a handler serves Scheme: it handles the rest of the link and the
// answer is true; otherwise false, and nothing happens.
bool ZQFOxZQF_InternalURIHandler_HandleIfPossible(const ZQ_String& Scheme, const ZQ_String& SchemeSpecificText,
                                                  const ZQ_URI& Base, ZQFOxZQF_DocumentDisplayGlyph* Display);
// How many schemes have a handler.
long ZQFOxZQF_InternalURIHandler_GetNumHandlers();

#endif
