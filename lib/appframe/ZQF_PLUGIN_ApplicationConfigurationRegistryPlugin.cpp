#include "ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin.h"

#include "ZQLOW_WINBASE.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Assertion.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_DateAndTimeRegistry.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"
#include "ZQ_InitializationService.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_SettingsFile.h"

namespace {

ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin* AppConfigRegPluginInstance = nullptr;

const char kStatistics[] = "LastRunStatistics";

void Log(const ZQ_String& Text) { ZQ_WriteDebugLogEntry(Text + "\n"); }

ZQ_String Describe(const ZQ_Exception& Error) {
  return Error.GetName() + ": " + Error.GetDescription();
}

// Copies File to "<File>.bak", replacing an older copy; true on success.
// What: how the file is named in the log.
bool KeepAside(const ZQ_FileName& File, const ZQ_String& What) {
  const ZQ_String copy = File.GetPathName() + ".bak";
  try {
    if (ZQLOW_WINBASE::CopyFileA(File.GetPathName().GetText(), copy.GetText(), FALSE)) {
      Log(What + " kept as " + copy);
      return true;
    }
  } catch (const ZQ_Exception& e) {
    Log(What + " not kept as " + copy + ": " + Describe(e));
    return false;
  }
  Log(What + " not kept as " + copy);
  return false;
}

}  // namespace

ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin::ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin() {
  ZQ_ASSERT(AppConfigRegPluginInstance == NULL);
  AppConfigRegPluginInstance = this;
}

ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin::~ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin() {
  ZQ_ASSERT_LOG_ONLY(AppConfigRegPluginInstance);
  if (AppConfigRegPluginInstance == this) AppConfigRegPluginInstance = nullptr;
}

void ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin::Initialize(long Stage) {
  if (Stage == ZQ_InitializationService::Stage_InitializeTranslationUnit) {
    ZQ_RegistryFolder* root = ZQ_GetApplicationConfigurationRegistryForSave(false);
    LoadConfigurationRegistry(root);
    InitializeConfigurationRegistry(root);
  } else if (Stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit) {
    ZQ_RegistryFolder* root = ZQ_GetApplicationConfigurationRegistryForSave(false);
    DeinitializeConfigurationRegistry(root);
    SaveConfigurationRegistry(root);
  }
}

void ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin::LoadConfigurationRegistry(ZQ_RegistryFolder* RF) {
  ZQ_ASSERT(RF);
  if (!RF) return;
  // The settings are a convenience: no failure here may stop the program.
  try {
    const ZQ_FileName file = GetConfigurationRegistryFilename();
    const bool exists = ZQ_FileUtils::FileExists(file);
    long leftOut = 0;
    const bool isRead = ZQ_LoadSettingsFile(file, *RF, &leftOut);
    // The save at stage 12 writes only what was read: whatever was left out
    // stays in the copy.
    if (!isRead && exists) MaySave = KeepAside(file, "Unreadable settings file");
    if (isRead && leftOut > 0) MaySave = KeepAside(file, "Settings file with items left out");
  } catch (const ZQ_Exception& e) {
    RF->Clear();
    Log("Settings not loaded: " + Describe(e));
  } catch (...) {
    RF->Clear();
    Log("Settings not loaded");
  }
}

void ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin::InitializeConfigurationRegistry(
    ZQ_RegistryFolder* Folder) {
  ZQ_RegistryFolder& statistics = *Folder->GetFolder(kStatistics);
  ZQ_SetInt32(statistics, "ExecutionCount", ZQ_GetInt32(statistics, "ExecutionCount", 0) + 1);
  ZQ_SetPointInTime(statistics, "ExecutionBegan", ZQ_PointInTime::GetCurrentLocal());
}

void ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin::DeinitializeConfigurationRegistry(
    ZQ_RegistryFolder* Folder) {
  ZQ_SetPointInTime(*Folder->GetFolder(kStatistics), "ExecutionEnded",
                    ZQ_PointInTime::GetCurrentLocal());
}

void ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin::SaveConfigurationRegistry(
    ZQ_RegistryFolder* Folder) {
  try {
    const ZQ_FileName file = GetConfigurationRegistryFilename();
    if (!MaySave) {
      Log("Settings not saved: the unreadable file " + file.GetPathName() +
          " could not be kept aside and is left as it is");
      return;
    }
    ZQ_SaveSettingsFile(file, *Folder);
  } catch (const ZQ_Exception& e) {
    Log("Settings not saved: " + Describe(e));
  } catch (...) {
    Log("Settings not saved");
  }
}

ZQ_FileName ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin::GetConfigurationRegistryFilename() {
  ZQ_FileName file;
  file.SetPath(ZQ_ApplicationMetrics::GetHomeDirectory(), ZQ_FileName::SetMode_Replace);
  file.SetBase(ZQ_GetApplicationMetrics().GetApplicationName(), ZQ_FileName::SetMode_Replace);
  file.SetExtension("cfg", ZQ_FileName::SetMode_Replace);
  return file;
}

