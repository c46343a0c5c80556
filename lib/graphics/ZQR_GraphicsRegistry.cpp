#include "ZQR_GraphicsRegistry.h"

#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_StackTrace.h"

namespace {

// Until this runs the binary loader takes ids 18 and 20 for damaged data.
// The programs link the library whole, so the linker keeps it.
struct RegisterItemClasses {
  RegisterItemClasses() {
    ZQ_RegisterRegistryItemCreationFunction(ZQR_RegColor::ClassID, &ZQ_CreateRegistryItem<ZQR_RegColor>);
    ZQ_RegisterRegistryItemCreationFunction(ZQR_RegAbstractFont::ClassID,
                                            &ZQ_CreateRegistryItem<ZQR_RegAbstractFont>);
  }
} s_registerItemClasses;

// The legacy font's fields after its typeface, in their binary layout.
struct LegacyFontFields {
  float Height;
  long Weight;
  unsigned long Italic;
  float Angle;
  long Family;
  long Pitch;
  long CharacterSet;
};

LegacyFontFields FieldsOf(const ZQR_AbstractFont& Font) {
  return {Font.GetHeight(), Font.GetWeight(),     Font.GetItalicStyle() ? 1UL : 0UL,
          Font.GetAngle(),  Font.GetFontFamily(), Font.GetPitch(),
          Font.GetCharacterSet()};
}

ZQR_AbstractFont FontOf(const ZQ_String& Typeface, const LegacyFontFields& Fields) {
  ZQR_AbstractFont font(Typeface, Fields.Height, Fields.Weight, Fields.Italic != 0, Fields.Angle);
  font.SetFontFamily(Fields.Family);
  font.SetPitch(Fields.Pitch);
  font.SetCharacterSet(Fields.CharacterSet);
  return font;
}

ZQR_AbstractFont FontFromFolder(const ZQ_RegistryFolder& Folder, const ZQR_AbstractFont& Default) {
  ZQR_AbstractFont font(ZQ_GetString(Folder, "Typeface", Default.GetTypeface()),
                        static_cast<float>(ZQ_GetDouble(Folder, "Height", Default.GetHeight())),
                        ZQ_GetInt32(Folder, "Weight", Default.GetWeight()),
                        ZQ_GetBool(Folder, "Italic", Default.GetItalicStyle()),
                        static_cast<float>(ZQ_GetDouble(Folder, "Angle", Default.GetAngle())));
  font.SetFontFamily(ZQ_GetInt32(Folder, "Family", Default.GetFontFamily()));
  font.SetPitch(ZQ_GetInt32(Folder, "Pitch", Default.GetPitch()));
  font.SetCharacterSet(ZQ_GetInt32(Folder, "CharSet", Default.GetCharacterSet()));
  return font;
}

}  // namespace

void ZQR_SetColor(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQR_Color& Color) {
  ZQ_TRACE_FUNCTION("ZQR_SetColor");
  ZQ_SetUInt32(Folder, Key, Color.GetCOLORREF());
}

ZQR_Color ZQR_GetColor(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQR_Color& Default) {
  ZQ_TRACE_FUNCTION("ZQR_GetColor");
  if (const auto* legacy = ZQ_GetRegistryItemOfClass<ZQR_RegColor>(Folder, Key))
    return ZQR_Color(legacy->GetValue());
  return ZQR_Color(ZQ_GetUInt32(Folder, Key, Default.GetCOLORREF()));
}

void ZQR_SetAbstractFont(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQR_AbstractFont& Font) {
  ZQ_TRACE_FUNCTION("ZQR_SetAbstractFont");
  // Copied first: Font may live in a legacy item that GetFolder deletes.
  const ZQR_AbstractFont font = Font;
  ZQ_RegistryFolder* sub = Folder.GetFolder(Key);
  ZQ_SetString(*sub, "Typeface", font.GetTypeface());
  ZQ_SetDouble(*sub, "Height", font.GetHeight());
  ZQ_SetInt32(*sub, "Weight", font.GetWeight());
  ZQ_SetBool(*sub, "Italic", font.GetItalicStyle());
  ZQ_SetDouble(*sub, "Angle", font.GetAngle());
  ZQ_SetInt32(*sub, "Family", font.GetFontFamily());
  ZQ_SetInt32(*sub, "Pitch", font.GetPitch());
  ZQ_SetInt32(*sub, "CharSet", font.GetCharacterSet());
}

ZQR_AbstractFont ZQR_GetAbstractFont(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                     const ZQR_AbstractFont& Default) {
  ZQ_TRACE_FUNCTION("ZQR_GetAbstractFont");
  if (const ZQ_RegistryFolder* sub = Folder.GetFolderIfExists(Key)) return FontFromFolder(*sub, Default);
  if (const auto* legacy = ZQ_GetRegistryItemOfClass<ZQR_RegAbstractFont>(Folder, Key))
    return legacy->GetValue();
  return Default;
}

// Each conversion reads the value out first: the set function deletes this
// item, so nothing of it may be touched afterwards.
void ZQR_RegColor::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQR_RegColor::ConvertFromLegacyDatatype");
  const ZQR_Color value = ZQR_GetColor(Folder, Key, ZQR_Color());
  ZQR_SetColor(Folder, Key, value);
}

void ZQR_RegAbstractFont::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQR_RegAbstractFont::ConvertFromLegacyDatatype");
  const ZQR_AbstractFont value = ZQR_GetAbstractFont(Folder, Key, ZQR_AbstractFont());
  ZQR_SetAbstractFont(Folder, Key, value);
}

void ZQR_RegAbstractFont::WriteToBinaryStream(ZQ_StreamSink& Sink) const {
  const LegacyFontFields fields = FieldsOf(Font);
  Sink << ClassID << Font.GetTypeface();
  ZQ_WriteRegistryValue(Sink, fields.Height);
  Sink << fields.Weight << fields.Italic;
  ZQ_WriteRegistryValue(Sink, fields.Angle);
  Sink << fields.Family << fields.Pitch << fields.CharacterSet;
}

// Read whole before it is stored: damaged data leaves the font as it was.
void ZQR_RegAbstractFont::ReadFromBinaryStream(ZQ_BinaryStreamParser& Parser) {
  const ZQ_String typeface = Parser.ReadString();
  LegacyFontFields fields;
  Parser >> fields.Height >> fields.Weight >> fields.Italic >> fields.Angle;
  Parser >> fields.Family >> fields.Pitch >> fields.CharacterSet;
  Font = FontOf(typeface, fields);
}

void ZQR_RegAbstractFont::AddToHash(ZQ_Hasher& Hasher) const {
  const LegacyFontFields fields = FieldsOf(Font);
  Hasher << ClassID << Font.GetTypeface() << fields.Height << fields.Weight << fields.Italic << fields.Angle
         << fields.Family << fields.Pitch << fields.CharacterSet;
}
