// Installs the registry's XML form as the settings file's: any program that
// links the XML library reads and writes XML settings.
#include <cstring>

#include "ZQXREG_RegistryDocument.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_SettingsFile.h"

namespace {

// Markup first, after white space and a byte-order mark: the binary form
// begins with its folder's class id, whose first byte is neither.
bool FileIsInXMLForm(const ZQ_FileName& File) {
  const ZQ_String text = ZQ_LoadFileIntoString(File);
  const char* at = text.GetText();
  const char* const end = at + text.GetLength();
  if (end - at >= 3 && std::memcmp(at, "\xEF\xBB\xBF", 3) == 0) at += 3;
  while (at < end && (*at == ' ' || *at == '\t' || *at == '\r' || *at == '\n')) ++at;
  return at < end && *at == '<';
}

long LoadFolder(const ZQ_FileName& File, ZQ_RegistryFolder& Folder, const ZQ_String& TypeName,
                const ZQ_String& TypeIdentifier) {
  return ZQXREG_LoadFolderFromFileInXMLFormatLeavingOutBadItems(File, Folder, TypeName,
                                                                ZQ_UID::ParseTextRepresentation(TypeIdentifier));
}

void SaveFolder(const ZQ_FileName& File, const ZQ_RegistryFolder& Folder, const ZQ_String& TypeName,
                const ZQ_String& TypeIdentifier) {
  ZQXREG_SaveFolderToFileInXMLFormat(File, Folder, TypeName,
                                     ZQ_UID::ParseTextRepresentation(TypeIdentifier));
}

struct SettingsFileFormRegistration {
  SettingsFileFormRegistration() {
    ZQ_SetSettingsFileXMLForm(ZQ_SettingsFileXMLForm{&FileIsInXMLForm, &LoadFolder, &SaveFolder});
  }
};

const SettingsFileFormRegistration s_registration;

}  // namespace
