// ZQXREG_LoadFolderFromFileInXMLFormat and
// ZQXREG_FileContainsRegistryDocument: a validated registry document read
// into a folder tree, strictly or leaving out the items that do not read.
#include <map>
#include <memory>
#include <vector>

#include "ZQXML_CharacterClasses.h"
#include "ZQXML_DocumentTypeDefinitionParser.h"
#include "ZQXML_Node.h"
#include "ZQXML_Reader.h"
#include "ZQXREG_RegistryDocument.h"
#include "ZQ_DateAndTimeRegistry.h"
#include "ZQ_DebugLog.h"
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

// The reader that also notes the line of every start tag, in document
// order, counting on from the last tag rather than from the text's start.
class LineNotingReader : public ZQXML_Reader {
 public:
  explicit LineNotingReader(const ZQ_FileName& File) : ZQXML_Reader(File) {}
  const std::vector<long>& GetStartTagLines() const { return Lines; }

 protected:
  void Imp_StartElement(const ZQ_String& Name) override {
    ZQXML_Reader::Imp_StartElement(Name);
    MarkType at = GetPosition();
    at.Normalize();
    const DataSourceType* source = at.SectionP->DataSourceP;
    if (source != Source || at.CharP < Counted) {
      Source = source;
      Counted = source->TextStart;
      Line = 1;
    }
    for (; Counted < at.CharP; ++Counted)
      if (*Counted == '\n') ++Line;
    Lines.push_back(Line);
  }

 private:
  std::vector<long> Lines;
  const DataSourceType* Source = nullptr;
  const char* Counted = nullptr;
  long Line = 1;
};

using ElementLines = std::map<const ZQXML_Node*, long>;

// Pairs the elements below Node, in document order, with Lines from Next on.
void PairElementsWithLines(const ZQXML_Node& Node, const std::vector<long>& Lines, size_t& Next,
                           ElementLines& Paired) {
  for (const ZQXML_Node* child = Node.GetFirstChild(); child; child = child->GetNextSibling()) {
    if (child->GetType() != ZQXML_NodeType_Element) continue;
    if (Next < Lines.size()) Paired[child] = Lines[Next++];
    PairElementsWithLines(*child, Lines, Next, Paired);
  }
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

// Builds the folder tree. Strict, every fault throws; given the lines of
// the elements, an item at fault is left out with a line in the debugging
// log instead, and the first of two items under one key is kept.
class RegistryBuilder {
 public:
  RegistryBuilder() = default;
  RegistryBuilder(const ZQ_FileName& File, const ElementLines& Lines) : File(&File), Lines(&Lines) {}

  void ReadFolderItems(const ZQXML_Node& Element, ZQ_RegistryFolder& Folder, const ZQ_String& Path) {
    const ZQXML_ReadOnlyNodeSequence children = Element.GetChildren(ZQXML_NodeType_Element, "*");
    for (long i = 0; i < children.GetCount(); ++i) {
      const ZQXML_Node& child = *children[i];
      ZQ_String key = child.GetAttributeValue("key", ZQ_String());
      if (ZQ_StripRegistryKey(key).IsEmpty()) {
        Fault(child, "The key \"{$1}\" of an item in {$2} is empty once stripped to letters, digits, "
                     "\"_\", \"-\", \".\" and \":\".",
              key, Describe(Path));
        continue;
      }
      ZQ_ValidateRegistryKey(key);
      const ZQ_String path = Path + "/" + key;
      if (Folder.DoesExist(key)) {
        Fault(child, "The key {$1} appears twice.", path, ZQ_String(), "The first is kept.");
        continue;
      }
      std::unique_ptr<ZQ_RegistryItem> item = MakeItem(child, path);
      if (item) Folder.AddItem(key, item.release());
    }
  }

  long GetNumLeftOut() const { return NumLeftOut; }

 private:
  static ZQ_String Describe(const ZQ_String& Path) { return Path.IsEmpty() ? ZQ_String("/") : Path; }

  // Throws when strict; otherwise logs the item's line and the fault.
  void Fault(const ZQXML_Node& Element, const char* Template, const ZQ_String& Value1,
             const ZQ_String& Value2 = ZQ_String(), const char* Outcome = "The item is left out.") {
    if (!Lines) FailLoad(Template, Value1, Value2);
    ++NumLeftOut;
    const auto line = Lines->find(&Element);
    ZQ_String entry = "Settings file ";
    entry += File->GetPathName();
    if (line != Lines->end()) entry += ZQ_SubstituteParameters(", line {$1}", line->second);
    entry += ": ";
    entry += ZQ_Internationalization_FillPlaceholders(ZQ_Internationalization_Translate(Template), Value1, Value2);
    entry += " ";
    entry += ZQ_Internationalization_Translate(Outcome);
    entry += "\n";
    ZQ_WriteDebugLogEntry(entry);
  }

  void ReadSequenceItems(const ZQXML_Node& Element, ZQ_RegistryItemSequence& Sequence,
                         const ZQ_String& Path) {
    const ZQXML_ReadOnlyNodeSequence children = Element.GetChildren(ZQXML_NodeType_Element, "*");
    for (long i = 0; i < children.GetCount(); ++i) {
      std::unique_ptr<ZQ_RegistryItem> item =
          MakeItem(*children[i], Path + "[" + ZQ_SubstituteParameters("{$1}", i) + "]");
      if (item) Sequence.Append(item.release());
    }
  }

  // Null when the item is left out.
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
      Fault(Element, "The value of {$1} cannot be read: {$2}", Path, e.GetDescription());
      return nullptr;
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

  const ZQ_FileName* File = nullptr;
  const ElementLines* Lines = nullptr;  // null: strict
  long NumLeftOut = 0;
};

// The registry element of Tree after the checks of its type.
const ZQXML_Node& GetRegistryOfType(const ZQXML_Tree& Tree, const ZQ_FileName& File, const ZQ_String& TypeName,
                                    const ZQ_UID& TypeId) {
  const ZQXML_Node& registry = GetRegistryElement(Tree, File);
  const ZQ_String name = registry.GetAttributeValue("doctypename", ZQ_String());
  if (name != TypeName)
    FailLoad("The file holds settings of the type \"{$1}\" where \"{$2}\" was expected.", name, TypeName);
  const ZQ_String identifier = registry.GetAttributeValue("doctypeid", ZQ_String());
  if (!(ZQ_UID::ParseTextRepresentation(identifier) == TypeId))
    FailLoad("The file holds settings of the type {$1} where {$2} was expected.", identifier,
             TypeId.GetTextRepresentation());
  return registry;
}

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
  const ZQXML_Node& registry = GetRegistryOfType(tree, File, TypeName, TypeId);
  Folder.Clear();
  RegistryBuilder().ReadFolderItems(registry, Folder, ZQ_String());
}

long ZQXREG_LoadFolderFromFileInXMLFormatLeavingOutBadItems(const ZQ_FileName& File, ZQ_RegistryFolder& Folder,
                                                            const ZQ_String& TypeName, const ZQ_UID& TypeId) {
  LineNotingReader reader(File);
  reader.SetDocumentTypeDefinition(ZQXREG_GetRegistryDTD());
  const ZQXML_Tree tree = reader.Read();
  const ZQXML_Node& registry = GetRegistryOfType(tree, File, TypeName, TypeId);
  ElementLines lines;
  size_t next = 0;
  PairElementsWithLines(*tree.GetRootNode(), reader.GetStartTagLines(), next, lines);
  Folder.Clear();
  RegistryBuilder builder(File, lines);
  builder.ReadFolderItems(registry, Folder, ZQ_String());
  return builder.GetNumLeftOut();
}

void ZQXREG_LoadFolderFromFileInXMLFormat(ZQ_RegistryFolder& Folder, const ZQ_FileName& File,
                                          const ZQ_String& TypeName, const ZQ_UID& TypeId) {
  ZQXREG_LoadFolderFromFileInXMLFormat(File, Folder, TypeName, TypeId);
}
