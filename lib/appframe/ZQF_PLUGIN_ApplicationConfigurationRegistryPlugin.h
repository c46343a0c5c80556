// ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin.h: the plug-in that ties
// the application configuration registry to the settings file
// "<home directory><application name>.cfg": read at stage 2 (XML or the
// binary form, whichever the file holds), stamped with run statistics in
// "LastRunStatistics", written back as XML at stage 12. A missing file
// gives empty settings; a file that exists but does not load gives empty
// settings too, and a file of which items were left out (values that do not
// read, repeated keys) gives the items that read; either is first copied to
// "<file>.bak", so that the save at stage 12 cannot destroy what the user
// had (if the copy fails, the file is left alone). Failures are written to
// the debugging log, never shown. One instance at a time. UI thread only.
#ifndef ZQF_PLUGIN_APPLICATIONCONFIGURATIONREGISTRYPLUGIN_H
#define ZQF_PLUGIN_APPLICATIONCONFIGURATIONREGISTRYPLUGIN_H

#include "ZQF_PLUGIN_ApplicationPersonality.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_FileName.h"
#include "ZQ_RegistryFolder.h"

class ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin : public ZQF_PLUGIN_AbstractPlugin {
 public:
  // A second one at a time fails "AppConfigRegPluginInstance == NULL".
  ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin();
  ~ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin() override;

  // Stage 2: load, then stamp the start; stage 12: stamp the end, then save.
  void Initialize(long Stage) override;
  // Folder: the registry's root (asserted, "RF"). Never throws.
  virtual void LoadConfigurationRegistry(ZQ_RegistryFolder* Folder);
  // "ExecutionCount" + 1 and "ExecutionBegan" in "LastRunStatistics".
  virtual void InitializeConfigurationRegistry(ZQ_RegistryFolder* Folder);
  // "ExecutionEnded" in "LastRunStatistics".
  virtual void DeinitializeConfigurationRegistry(ZQ_RegistryFolder* Folder);
  // Writes the XML form; a failure is logged and dropped.
  virtual void SaveConfigurationRegistry(ZQ_RegistryFolder* Folder);
  virtual ZQ_FileName GetConfigurationRegistryFilename();

 private:
  // False when an unreadable file could not be kept aside.
  bool MaySave = true;
};

// ZQF_PLUGIN_AppConfigRegistry_GetDialogBoxConfigFolder lives with the
// registry (ZQ_ApplicationConfigurationRegistry.h).

#endif
