// ZQ_UIDRegistry.h: identifiers in the settings registry, stored as their
// 39-character text in a ZQ_RegString. ZQ_RegUID (class id 43) is legacy:
// old settings files hold it, and reading a folder converts it to the text
// form. Nothing here throws: invalid stored text yields the default.
// One thread only.
#ifndef ZQ_UIDREGISTRY_H
#define ZQ_UIDREGISTRY_H

#include "ZQ_RegValueItem.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_UID.h"

class ZQ_RegUID : public ZQ_RegValueItem<ZQ_UID, 43> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  // Becomes a ZQ_RegString of the text form; deletes this item.
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

// The text form under Key (an item of another class there is replaced).
void ZQ_SetUID(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_UID& Value);
// A ZQ_RegUID's identifier; else the stored string parsed, Default when the
// key is missing, holds another class or holds invalid text.
ZQ_UID ZQ_GetUID(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_UID& Default);

#endif
