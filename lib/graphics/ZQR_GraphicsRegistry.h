// ZQR_GraphicsRegistry.h: colours and font descriptions in the settings
// registry. A colour is a ZQ_RegUInt32 holding its COLORREF; a font is a
// subfolder under its key holding "Typeface" (ZQ_RegString), "Height" and
// "Angle" (ZQ_RegDouble), "Weight", "Family", "Pitch", "CharSet"
// (ZQ_RegInt32) and "Italic" (ZQ_RegBool). Old settings files hold single
// items of class ids 18 (colour) and 20 (font), read by the classes below
// and converted to the current forms when their folder is read. Nothing
// here throws but the binary reading of damaged data. One thread only.
#ifndef ZQR_GRAPHICSREGISTRY_H
#define ZQR_GRAPHICSREGISTRY_H

#include "ZQR_AbstractFont.h"
#include "ZQR_Color.h"
#include "ZQ_RegValueItem.h"
#include "ZQ_RegistryFolder.h"

// Legacy colour: the class id and the COLORREF as a u32.
class ZQR_RegColor : public ZQ_RegValueItem<unsigned long, 18> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  // Becomes the current form; deletes this item.
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

// Legacy font: the class id, then typeface (string), height (f32), weight
// (i32), italic (u32, 0 or 1), angle (f32), family, pitch and character set
// (i32 each), hashed in the same layout.
class ZQR_RegAbstractFont : public ZQ_RegistryItem {
 public:
  static const long ClassID = 20;

  ZQR_RegAbstractFont() = default;
  explicit ZQR_RegAbstractFont(const ZQR_AbstractFont& Font) : Font(Font) {}

  const ZQR_AbstractFont& GetValue() const { return Font; }

  void WriteToBinaryStream(ZQ_StreamSink& Sink) const override;
  void ReadFromBinaryStream(ZQ_BinaryStreamParser& Parser) override;
  void AddToHash(ZQ_Hasher& Hasher) const override;
  bool IsLegacyDatatype() const override { return true; }
  // Becomes the current form; deletes this item.
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;

 private:
  ZQR_AbstractFont Font;
};

// Set: the current form under Key, replacing an item of another class.
void ZQR_SetColor(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQR_Color& Color);
void ZQR_SetAbstractFont(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQR_AbstractFont& Font);

// Get: the current form under Key (a font's missing entries from Default's
// fields), else a legacy item under Key, else Default.
ZQR_Color ZQR_GetColor(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQR_Color& Default);
ZQR_AbstractFont ZQR_GetAbstractFont(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                     const ZQR_AbstractFont& Default);

#endif
