#include "ZQ_RegistryBinaryForm.h"

#include "ZQ_AutoPtr.h"
#include "ZQ_BinaryStreamParser.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"
#include "ZQ_Map.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

namespace {

// Made on the first registration, which runs from some module's static
// initialiser, so it must not depend on this file's initialisation order.
ZQ_Map<long, ZQ_RegistryItemCreationFunction>& ClassIDToCreationFunctionMapping() {
  static ZQ_Map<long, ZQ_RegistryItemCreationFunction> mapping(37);
  return mapping;
}

int s_nestingDepth = 0;

class NestingLevel {
 public:
  NestingLevel() { ++s_nestingDepth; }
  ~NestingLevel() { --s_nestingDepth; }
  NestingLevel(const NestingLevel&) = delete;
  NestingLevel& operator=(const NestingLevel&) = delete;
};

}  // namespace

void ZQ_ThrowRegistryStreamError(const ZQ_String& Description) {
  throw ZQ_Exception(ZQ_String("Error reading binary stream"), Description);
}

void ZQ_RegisterRegistryItemCreationFunction(long ClassID, ZQ_RegistryItemCreationFunction Function) {
  ZQ_TRACE_FUNCTION("ZQ_RegisterRegistryItemCreationFunction");
  ClassIDToCreationFunctionMapping().Insert(ClassID, Function);
}

ZQ_RegistryItem* ZQ_CreateRegistryItemFromBinaryStream(ZQ_BinaryStreamParser& Parser) {
  ZQ_TRACE_FUNCTION("ZQ_CreateRegistryItemFromBinaryStream");
  const long classID = Parser.ReadLong();
  ZQ_RegistryItemCreationFunction ItemCreationFunction = nullptr;
  if (!ClassIDToCreationFunctionMapping().GetValueIfExists(classID, ItemCreationFunction) ||
      !ItemCreationFunction) {
    ZQ_String line("ClassID = ");
    line += ZQ_ToString(classID);
    line += "\n";
    ZQ_WriteDebugLogEntry(line);
    // An unknown id comes from a damaged or newer file, not from a fault of
    // the program: the caller empties the settings and goes on.
    ZQ_ThrowRegistryStreamError(ZQ_Internationalization_FillPlaceholders(
        ZQ_Internationalization_Translate(
            "The registry data holds an item of the unknown class {$1}."),
        ZQ_ToString(classID)));
  }
  NestingLevel level;
  if (s_nestingDepth > ZQ_RegistryMaximumNestingDepth)
    ZQ_ThrowRegistryStreamError(ZQ_Internationalization_Translate(
        "The registry data nests its folders and sequences too deeply."));
  ZQ_AutoPtr<ZQ_RegistryItem> item(ItemCreationFunction());
  item->ReadFromBinaryStream(Parser);
  return item.Release();
}

void ZQ_LoadRegistryFolderFromBinaryStream(ZQ_BinaryStreamParser& Parser, ZQ_RegistryFolder& Folder) {
  ZQ_TRACE_FUNCTION("ZQ_LoadRegistryFolderFromBinaryStream");
  if (Parser.ReadLong() != ZQ_RegistryFolder_ClassID)
    ZQ_ThrowRegistryStreamError(
        ZQ_String("An error occured while reading a registry folder from a binary stream."));
  NestingLevel level;
  Folder.ReadFromBinaryStream(Parser);
}
