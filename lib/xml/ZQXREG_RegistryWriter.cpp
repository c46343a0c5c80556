// ZQXREG_SaveFolderToFileInXMLFormat: the registry tree written as XML text,
// then moved into place.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "ZQLOW_WINBASE.h"
#include "ZQXML_CharBuffer.h"
#include "ZQXML_TextEncoding.h"
#include "ZQXREG_RegistryDocument.h"
#include "ZQ_Assertion.h"
#include "ZQ_DateAndTimeRegistry.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Internationalization.h"
#include "ZQ_RegistryItemSequence.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

// Attribute values: the markup characters as references.
const unsigned long kAttributeFlags = ZQXML_Encode_LessThan | ZQXML_Encode_GreaterThan |
                                      ZQXML_Encode_Ampersand | ZQXML_Encode_Apostrophe |
                                      ZQXML_Encode_DoubleQuote;
// Texts: also brackets, hyphens (no parser command can form) and every
// control character (no line end is normalised away).
const unsigned long kTextFlags = 0x3FF;

ZQ_String Printed(const char* Format, ...) __attribute__((format(printf, 1, 2)));
ZQ_String Printed(const char* Format, ...) {
  char buffer[64];
  va_list arguments;
  va_start(arguments, Format);
  const int length = std::vsnprintf(buffer, sizeof buffer, Format, arguments);
  va_end(arguments);
  return ZQ_String(buffer, length < 0 ? 0 : length);
}

ZQ_String WithoutNul(const ZQ_String& Text) {
  if (Text.Find('\0') == ZQ_NoMatch) return Text;
  ZQXML_CharBuffer kept;
  for (long i = 0; i < Text.GetLength(); ++i)
    if (Text.GetText()[i] != '\0') kept.Append(Text.GetText()[i]);
  return kept.ToString();
}

ZQ_String HexadecimalPairs(const ZQ_String& Bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  ZQXML_CharBuffer text;
  for (long i = 0; i < Bytes.GetLength(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(Bytes.GetText()[i]);
    text.Append(kDigits[byte >> 4]);
    text.Append(kDigits[byte & 15]);
  }
  return text.ToString();
}

// The element name and text of a value item; false for another class.
bool DescribeValue(const ZQ_RegistryItem& Item, const char*& Name, ZQ_String& Text) {
  if (auto* value = dynamic_cast<const ZQ_RegInt32*>(&Item)) {
    Name = "int";
    Text = Printed("%ld", value->GetValue());
  } else if (auto* value = dynamic_cast<const ZQ_RegUInt32*>(&Item)) {
    Name = "uint";
    Text = Printed("%08lX", value->GetValue());
  } else if (auto* value = dynamic_cast<const ZQ_RegDouble*>(&Item)) {
    Name = "float";
    Text = Printed("%.17g", value->GetValue());
  } else if (auto* value = dynamic_cast<const ZQ_RegBool*>(&Item)) {
    Name = "bool";
    Text = value->GetValue() ? "true" : "false";
  } else if (auto* value = dynamic_cast<const ZQ_RegString*>(&Item)) {
    Name = "text";
    Text = ZQXML_EncodeSpecialCharacters(WithoutNul(value->GetValue()), kTextFlags);
  } else if (auto* value = dynamic_cast<const ZQ_BinaryDataRegistryItem*>(&Item)) {
    Name = "data";
    Text = HexadecimalPairs(value->GetValue());
  } else if (auto* value = dynamic_cast<const ZQ_RegDate*>(&Item)) {
    const ZQ_DMY date = value->GetValue().GetDMY();
    Name = "date";
    Text = Printed("%04d-%02d-%02d", date.Year, date.Month, date.Day);
  } else if (auto* value = dynamic_cast<const ZQ_RegTime*>(&Item)) {
    const ZQ_HMS time = value->GetValue().GetHMS();
    Name = "time";
    Text = Printed("%d:%02d:%02d.%03d", time.Hours, time.Minutes, time.Seconds,
                   time.Milliseconds);
  } else {
    return false;
  }
  return true;
}

class RegistryWriter {
 public:
  ZQXML_CharBuffer Output;

  void WriteFolderItems(const ZQ_RegistryFolder& Folder, long Depth) {
    for (auto items = Folder.GetIterator(); items.IsValid(); items.Advance())
      WriteItem(&items.GetCurrent().GetKey(), *items.GetCurrent().GetValue(), Depth);
  }

  void WriteItem(const ZQ_String* Key, const ZQ_RegistryItem& Item, long Depth) {
    if (auto* folder = dynamic_cast<const ZQ_RegistryFolder*>(&Item)) {
      WriteContainer("folder", Key, folder->GetNumItems() == 0, Depth);
      WriteFolderItems(*folder, Depth + 1);
      CloseContainer("folder", folder->GetNumItems() == 0, Depth);
    } else if (auto* sequence = dynamic_cast<const ZQ_RegistryItemSequence*>(&Item)) {
      WriteContainer("sequence", Key, sequence->GetNumItems() == 0, Depth);
      for (long i = 0; i < sequence->GetNumItems(); ++i)
        WriteItem(nullptr, *sequence->GetItem(i), Depth + 1);
      CloseContainer("sequence", sequence->GetNumItems() == 0, Depth);
    } else {
      WriteValue(Key, Item, Depth);
    }
  }

 private:
  void OpenTag(const char* Name, const ZQ_String* Key, long Depth) {
    for (long i = 0; i < Depth; ++i) Output.Append("  ", 2);
    Output.Append('<');
    Output.Append(Name, static_cast<long>(std::strlen(Name)));
    if (Key) {
      Output.Append(" key='", 6);
      Output.Append(ZQXML_EncodeSpecialCharacters(*Key, kAttributeFlags));
      Output.Append('\'');
    }
  }

  void WriteContainer(const char* Name, const ZQ_String* Key, bool IsEmpty, long Depth) {
    OpenTag(Name, Key, Depth);
    Output.Append(IsEmpty ? "/>\n" : ">\n", IsEmpty ? 3 : 2);
  }

  void CloseContainer(const char* Name, bool IsEmpty, long Depth) {
    if (IsEmpty) return;
    for (long i = 0; i < Depth; ++i) Output.Append("  ", 2);
    Output.Append("</", 2);
    Output.Append(Name, static_cast<long>(std::strlen(Name)));
    Output.Append(">\n", 2);
  }

  void WriteValue(const ZQ_String* Key, const ZQ_RegistryItem& Item, long Depth) {
    const char* name = nullptr;
    ZQ_String text;
    if (!DescribeValue(Item, name, text)) {
      ZQ_ASSERT(false);
      return;
    }
    OpenTag(name, Key, Depth);
    Output.Append('>');
    Output.Append(text);
    Output.Append("</", 2);
    Output.Append(name, static_cast<long>(std::strlen(name)));
    Output.Append(">\n", 2);
  }
};

}  // namespace

void ZQXREG_SaveFolderToFileInXMLFormat(const ZQ_FileName& File, const ZQ_RegistryFolder& Folder,
                                        const ZQ_String& TypeName, const ZQ_UID& TypeId) {
  RegistryWriter writer;
  writer.Output.Append("<?xml version='1.0'?>\n<registry doctypename='");
  writer.Output.Append(ZQXML_EncodeSpecialCharacters(TypeName, kAttributeFlags));
  writer.Output.Append("' doctypeid='");
  writer.Output.Append(TypeId.GetTextRepresentation());
  writer.Output.Append("'>\n");
  writer.WriteFolderItems(Folder, 1);
  writer.Output.Append("</registry>\n");
  const ZQ_String temporary = File.GetPathName() + ".tmp";
  ZQ_SaveStringAsFile(writer.Output.ToString(), temporary);
  bool isMoved = false;
  try {
    isMoved = ZQLOW_WINBASE::MoveFileExA(temporary.GetText(), File.GetPathName().GetText(),
                                         MOVEFILE_REPLACE_EXISTING) != FALSE;
  } catch (...) {
    ZQ_FileUtils::SafeDelete(temporary);
    throw;
  }
  if (isMoved) return;
  ZQ_FileUtils::SafeDelete(temporary);
  throw ZQ_Exception(ZQ_Internationalization_Translate("Settings not saved"),
                     ZQ_Internationalization_FillPlaceholders(
                         ZQ_Internationalization_Translate("The settings could not be moved into {$1}."),
                         File.GetPathName()));
}

void ZQXREG_SaveFolderToFileInXMLFormat(const ZQ_RegistryFolder& Folder, const ZQ_FileName& File,
                                        const ZQ_String& TypeName, const ZQ_UID& TypeId) {
  ZQXREG_SaveFolderToFileInXMLFormat(File, Folder, TypeName, TypeId);
}
