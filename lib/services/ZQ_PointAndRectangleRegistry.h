// ZQ_PointAndRectangleRegistry.h: points and rectangles in the settings
// registry. Each value is a subfolder of plain numbers under its key: a
// point holds "X" and "Y", a rectangle "OriginX", "OriginY", "ExtentX" and
// "ExtentY" (origin and width, height), as ZQ_RegInt32 or ZQ_RegDouble.
// The four single-item classes below are legacy: old settings files hold
// them, and reading a folder converts them to the subfolder form. Nothing
// here throws. One thread only.
#ifndef ZQ_POINTANDRECTANGLEREGISTRY_H
#define ZQ_POINTANDRECTANGLEREGISTRY_H

#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_RegValueItem.h"
#include "ZQ_RegistryFolder.h"

// Legacy items; each also reads an older alias class id (9, 22, 10, 23).
class ZQ_RegPoint_Int32 : public ZQ_RegValueItem<ZQ_Point<long>, 41> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  // Becomes the subfolder form; deletes this item.
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

class ZQ_RegPoint_Double : public ZQ_RegValueItem<ZQ_Point<double>, 39> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

class ZQ_RegRectangle_Int32 : public ZQ_RegValueItem<ZQ_Rectangle<long>, 42> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

class ZQ_RegRectangle_Double : public ZQ_RegValueItem<ZQ_Rectangle<double>, 40> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

// Set: the subfolder under Key (an item of another class there is
// replaced), then each entry.
void ZQ_SetPoint_Int32(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Point<long>& Value);
void ZQ_SetPoint_Double(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Point<double>& Value);
void ZQ_SetRectangle_Int32(ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                           const ZQ_Rectangle<long>& Value);
void ZQ_SetRectangle_Double(ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                            const ZQ_Rectangle<double>& Value);

// Get: from the subfolder, each missing entry falling back to the default's
// field; else from a legacy item of the same type under Key; else Default.
ZQ_Point<long> ZQ_GetPoint_Int32(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                 const ZQ_Point<long>& Default);
ZQ_Point<double> ZQ_GetPoint_Double(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                    const ZQ_Point<double>& Default);
ZQ_Rectangle<long> ZQ_GetRectangle_Int32(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                         const ZQ_Rectangle<long>& Default);
ZQ_Rectangle<double> ZQ_GetRectangle_Double(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                            const ZQ_Rectangle<double>& Default);

#endif
