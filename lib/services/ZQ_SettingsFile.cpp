#include "ZQ_SettingsFile.h"

#include "ZQ_BinaryStreamParser.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Internationalization.h"
#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_StackTrace.h"

const char ZQ_SettingsFile_DocumentTypeName[] = "ApplicationConfigurationRegistry";
const char ZQ_SettingsFile_DocumentTypeIdentifier[] = "0012-fcc8-0000-cd5f-04d1-c90f-f796-1034";

namespace {

ZQ_SettingsFileXMLForm s_xmlForm = {nullptr, nullptr, nullptr};

// The number of items left out.
long ReadSettingsFile(const ZQ_FileName& File, ZQ_RegistryFolder& Folder) {
  if (s_xmlForm.FileIsInXMLForm && s_xmlForm.LoadFolder && s_xmlForm.FileIsInXMLForm(File))
    return s_xmlForm.LoadFolder(File, Folder, ZQ_String(ZQ_SettingsFile_DocumentTypeName),
                                ZQ_String(ZQ_SettingsFile_DocumentTypeIdentifier));
  ZQ_BinaryStreamParser parser(ZQ_CreateFileStreamSource(File, ZQ_FileStreamSource_UseReadFile));
  ZQ_LoadRegistryFolderFromBinaryStream(parser, Folder);
  return 0;
}

}  // namespace

void ZQ_SetSettingsFileXMLForm(const ZQ_SettingsFileXMLForm& Form) { s_xmlForm = Form; }

bool ZQ_LoadSettingsFile(const ZQ_FileName& File, ZQ_RegistryFolder& Folder, long* NumItemsLeftOut) {
  ZQ_TRACE_FUNCTION("ZQ_LoadSettingsFile");
  if (NumItemsLeftOut) *NumItemsLeftOut = 0;
  Folder.Clear();
  if (!ZQ_FileUtils::FileExists(File)) return false;
  try {
    const long leftOut = ReadSettingsFile(File, Folder);
    if (NumItemsLeftOut) *NumItemsLeftOut = leftOut;
    return true;
  } catch (const ZQ_Exception& e) {
    // A damaged or foreign file costs the settings, not the run.
    Folder.Clear();
    ZQ_String entry("Settings file not loaded: ");
    entry += File.GetPathName();
    entry += "\n";
    entry += e.GetName();
    entry += "\n";
    entry += e.GetDescription();
    entry += "\n";
    ZQ_WriteDebugLogEntry(entry);
    return false;
  }
}

void ZQ_SaveSettingsFile(const ZQ_FileName& File, const ZQ_RegistryFolder& Folder) {
  ZQ_TRACE_FUNCTION("ZQ_SaveSettingsFile");
  if (!s_xmlForm.SaveFolder)
    throw ZQ_Exception(
        ZQ_Internationalization_Translate("Settings not saved"),
        ZQ_Internationalization_FillPlaceholders(
            ZQ_Internationalization_Translate(
                "The settings could not be saved to {$1}: the XML form of the settings is missing."),
            File.GetPathName()));
  s_xmlForm.SaveFolder(File, Folder, ZQ_String(ZQ_SettingsFile_DocumentTypeName),
                       ZQ_String(ZQ_SettingsFile_DocumentTypeIdentifier));
}
