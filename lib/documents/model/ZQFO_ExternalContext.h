// ZQFO_ExternalContext.h: what a host program gives a document to resolve
// its references: shared pictures by name (zqfo_picture) and the base URI
// against which relative image sources and links resolve. A plain value:
// copies share the pictures, not the table. UI thread only.
#ifndef ZQFO_EXTERNALCONTEXT_H
#define ZQFO_EXTERNALCONTEXT_H

#include "ZQPIC_Picture.h"
#include "ZQ_CountedPtr.h"
#include "ZQ_Map.h"
#include "ZQ_URI.h"

// Pictures are registered through the map's own Set and Insert.
class ZQFO_ExternalContext : public ZQ_Map<ZQ_String, ZQ_CountedPtr<const ZQPIC_Picture>> {
 public:
  // No pictures; the base URI is the current directory's.
  ZQFO_ExternalContext();

  // The picture registered under Name, or an empty pointer.
  ZQ_CountedPtr<const ZQPIC_Picture> GetPicture(const ZQ_String& Name) const;

  void SetBaseURI(const ZQ_URI& URI) { BaseURI = URI; }
  const ZQ_URI& GetBaseURI() const { return BaseURI; }

 private:
  ZQ_URI BaseURI;
};

#endif
