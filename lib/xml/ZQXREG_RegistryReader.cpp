// ZQXREG_LoadFolderFromFileInXMLFormat and
// ZQXREG_FileContainsRegistryDocument: a validated registry document read
// into a folder tree.
#include <memory>

#include "ZQXML_CharacterClasses.h"
#include "ZQXML_DocumentTypeDefinitionParser.h"
#include "ZQXML_Node.h"
#include "ZQXML_Reader.h"
#include "ZQXREG_RegistryDocument.h"
#include "ZQ_DateAndTimeRegistry.h"
#include "ZQ_Internationalization.h"
#include "ZQ_RegistryItemSequence.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_ParameterSymbol.h"
#include "ZQ_StringSubs.h"

namespace {

[[noreturn]] void FailLoad(const char* Template, const ZQ_String& Value1,
                           const ZQ_String& Value2 = ZQ_String()) {
  throw ZQ_Exception(ZQ_Internationalization_Translate("Error reading settings"),
                     ZQ_Internationalization_FillPlaceholders(
                         ZQ_Internationalization_Translate(Template), Value1, Value2));
}

ZQXML_Tree ReadRegistryTree(const ZQ_FileName& File) {
  ZQXML_Reader reader(File);
  reader.SetDocumentTypeDefinition(ZQXREG_GetRegistryDTD());
  return reader.Read();
}

// The document's "registry" element; another root throws.
const ZQXML_Node& GetRegistryElement(const ZQXML_Tree& Tree, const ZQ_FileName& File) {
  const ZQXML_Node* registry = Tree.GetRootNode()->FindChildElement("registry");
  if (!registry) FailLoad("The file {$1} holds no settings registry.", File.GetPathName());
  return *registry;
}

int HexadecimalDigit(char Char) {
  if (Char >= '0' && Char <= '9') return Char - '0';
  if (Char >= 'A' && Char <= 'F') return Char - 'A' + 10;
  if (Char >= 'a' && Char <= 'f') return Char - 'a' + 10;
  return -1;
}

// Pairs of hexadecimal digits, white space ignored; false on another
// character or an odd count.
bool ReadHexadecimalPairs(const ZQ_String& Text, ZQ_String& Bytes) {
  ZQXML_CharBuffer bytes;
  int high = -1;
  for (long i = 0; i < Text.GetLength(); ++i) {
    const char c = Text.GetText()[i];
    if (ZQXML_CharacterClasses.Is(c, ZQXML_Class_Space)) continue;
    const int digit = HexadecimalDigit(c);
    if (digit < 0) return false;
    if (high < 0) {
      high = digit;
      continue;
    }
    bytes.Append(static_cast<char>(high * 16 + digit));
    high = -1;
  }
  Bytes = bytes.ToString();
  return high < 0;
}

class RegistryBuilder {
 public:
  void ReadFolderItems(const ZQXML_Node& Element, ZQ_RegistryFolder& Folder, const ZQ_String& Path) {
    const ZQXML_ReadOnlyNodeSequence children = Element.GetChildren(ZQXML_NodeType_Element, "*");
    for (long i = 0; i < children.GetCount(); ++i) {
      const ZQXML_Node& child = *children[i];
      ZQ_String key = child.GetAttributeValue("key", ZQ_String());
      if (ZQ_StripRegistryKey(key).IsEmpty())
        FailLoad("The key \"{$1}\" of an item in {$2} is empty once stripped to letters, digits, "
                 "\"_\", \"-\", \".\" and \":\".",
                 key, Describe(Path));
      ZQ_ValidateRegistryKey(key);
      const ZQ_String path = Path + "/" + key;
      if (Folder.DoesExist(key)) FailLoad("The key {$1} appears twice.", path);
      Folder.AddItem(key, MakeItem(child, path).release());
    }
  }

 private:
  static ZQ_String Describe(const ZQ_String& Path) { return Path.IsEmpty() ? ZQ_String("/") : Path; }

  void ReadSequenceItems(const ZQXML_Node& Element, ZQ_RegistryItemSequence& Sequence,
                         const ZQ_String& Path) {
    const ZQXML_ReadOnlyNodeSequence children = Element.GetChildren(ZQXML_NodeType_Element, "*");
    for (long i = 0; i < children.GetCount(); ++i)
      Sequence.Append(MakeItem(*children[i], Path + "[" + ZQ_SubstituteParameters("{$1}", i) + "]").release());
  }

  std::unique_ptr<ZQ_RegistryItem> MakeItem(const ZQXML_Node& Element, const ZQ_String& Path) {
    const ZQ_String name = Element.GetName();
    if (name == "folder") {
      auto folder = std::make_unique<ZQ_RegistryFolder>();
      ReadFolderItems(Element, *folder, Path);
      return folder;
    }
    if (name == "sequence") {
      auto sequence = std::make_unique<ZQ_RegistryItemSequence>();
      ReadSequenceItems(Element, *sequence, Path);
      return sequence;
    }
    try {
      return MakeValue(name, Element.GetValue(), Path);
    } catch (const ZQ_Exception& e) {
      FailLoad("The value of {$1} cannot be read: {$2}", Path, e.GetDescription());
    }
  }

  static std::unique_ptr<ZQ_RegistryItem> MakeValue(const ZQ_String& Name, const ZQ_String& Text,
                                                    const ZQ_String& Path) {
    if (Name == "int") return std::make_unique<ZQ_RegInt32>(ZQ_StringSubs::StringToInt32(Text, 10));
    if (Name == "uint") return std::make_unique<ZQ_RegUInt32>(ZQ_StringSubs::StringToUInt32(Text));
    if (Name == "float") return std::make_unique<ZQ_RegDouble>(ZQ_StringSubs::StringToDouble(Text));
    if (Name == "text") return std::make_unique<ZQ_RegString>(Text);
    if (Name == "bool") {
      if (Text != "true" && Text != "false") FailLoad("The value of {$1} is not \"true\" or \"false\".", Path);
      return std::make_unique<ZQ_RegBool>(Text == "true");
    }
    if (Name == "data") {
      ZQ_String bytes;
      if (!ReadHexadecimalPairs(Text, bytes))
        FailLoad("The value of {$1} is not pairs of hexadecimal digits.", Path);
      return std::make_unique<ZQ_BinaryDataRegistryItem>(bytes);
    }
    if (Name == "date") {
      ZQ_Date date;
      if (!ZQ_Date::Parse(Text, date, 0, nullptr)) FailLoad("The value of {$1} is not a date.", Path);
      return std::make_unique<ZQ_RegDate>(date);
    }
    ZQ_Time time;
    if (!ZQ_Time::Parse(Text, time, 0, nullptr)) FailLoad("The value of {$1} is not a time.", Path);
    return std::make_unique<ZQ_RegTime>(time);
  }
};

}  // namespace

ZQXML_DocumentTypeDefinition ZQXREG_GetRegistryDTD() {
  static ZQXML_DocumentTypeDefinition s_definition;
  static bool s_isParsed = false;
  if (!s_isParsed) {
    s_definition = ZQXML_DocumentTypeDefinitionParser(ZQ_URI("intres:ZQXREG_RegistryDTD")).Parse();
    s_isParsed = true;
  }
  return s_definition;
}

bool ZQXREG_FileContainsRegistryDocument(const ZQ_FileName& File, const ZQ_UID& TypeId) {
  try {
    const ZQXML_Tree tree = ReadRegistryTree(File);
    const ZQXML_Node& registry = GetRegistryElement(tree, File);
    return ZQ_UID::ParseTextRepresentation(registry.GetAttributeValue("doctypeid", ZQ_String())) ==
           TypeId;
  } catch (const ZQ_Exception&) {
    return false;
  }
}

void ZQXREG_LoadFolderFromFileInXMLFormat(const ZQ_FileName& File, ZQ_RegistryFolder& Folder,
                                          const ZQ_String& TypeName, const ZQ_UID& TypeId) {
  const ZQXML_Tree tree = ReadRegistryTree(File);
  const ZQXML_Node& registry = GetRegistryElement(tree, File);
  const ZQ_String name = registry.GetAttributeValue("doctypename", ZQ_String());
  if (name != TypeName)
    FailLoad("The file holds settings of the type \"{$1}\" where \"{$2}\" was expected.", name, TypeName);
  const ZQ_String identifier = registry.GetAttributeValue("doctypeid", ZQ_String());
  if (!(ZQ_UID::ParseTextRepresentation(identifier) == TypeId))
    FailLoad("The file holds settings of the type {$1} where {$2} was expected.", identifier,
             TypeId.GetTextRepresentation());
  Folder.Clear();
  RegistryBuilder().ReadFolderItems(registry, Folder, ZQ_String());
}

void ZQXREG_LoadFolderFromFileInXMLFormat(ZQ_RegistryFolder& Folder, const ZQ_FileName& File,
                                          const ZQ_String& TypeName, const ZQ_UID& TypeId) {
  ZQXREG_LoadFolderFromFileInXMLFormat(File, Folder, TypeName, TypeId);
}
