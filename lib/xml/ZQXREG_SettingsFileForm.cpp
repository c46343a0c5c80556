// Installs the registry's XML form as the settings file's: any program that
// links the XML library reads and writes XML settings.
#include "ZQXREG_RegistryDocument.h"
#include "ZQ_SettingsFile.h"

namespace {

bool FileContainsRegistryDocument(const ZQ_FileName& File, const ZQ_String& TypeIdentifier) {
  return ZQXREG_FileContainsRegistryDocument(File, ZQ_UID::ParseTextRepresentation(TypeIdentifier));
}

void LoadFolder(const ZQ_FileName& File, ZQ_RegistryFolder& Folder, const ZQ_String& TypeName,
                const ZQ_String& TypeIdentifier) {
  ZQXREG_LoadFolderFromFileInXMLFormat(File, Folder, TypeName,
                                       ZQ_UID::ParseTextRepresentation(TypeIdentifier));
}

void SaveFolder(const ZQ_FileName& File, const ZQ_RegistryFolder& Folder, const ZQ_String& TypeName,
                const ZQ_String& TypeIdentifier) {
  ZQXREG_SaveFolderToFileInXMLFormat(File, Folder, TypeName,
                                     ZQ_UID::ParseTextRepresentation(TypeIdentifier));
}

struct SettingsFileFormRegistration {
  SettingsFileFormRegistration() {
    ZQ_SetSettingsFileXMLForm(ZQ_SettingsFileXMLForm{&FileContainsRegistryDocument, &LoadFolder, &SaveFolder});
  }
};

const SettingsFileFormRegistration s_registration;

}  // namespace
