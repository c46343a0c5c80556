// ZQ_ApplicationConfigurationRegistry.h: the root folder of everything the
// program remembers between runs. The folder exists from stage 1 (Initialize
// Definition) to stage 13 (Deinitialize Definition); modules may use it from
// the end of stage 2, when the settings file has been loaded, until stage 12
// begins, when it is saved. Loading and saving belong to the framework's
// settings plug-in (ZQ_SettingsFile.h). Use outside those stages fails an
// assertion; nothing here throws. One thread only.
#ifndef ZQ_APPLICATIONCONFIGURATIONREGISTRY_H
#define ZQ_APPLICATIONCONFIGURATIONREGISTRY_H

#include "ZQ_RegistryFolder.h"

// True after stage 2 completed and before stage 12 begins.
bool ZQ_ApplicationConfigurationRegistryUsable();

// The root folder; asserts "ZQ_ApplicationConfigurationRegistryUsable()".
ZQ_RegistryFolder& ZQ_GetApplicationConfigurationRegistry();

// The root folder for a whole-file load or save, which may only run inside
// stage 2 or stage 12; an incremental save may run at any time. Outside
// stages 1 to 13 there is no folder: the assertion "ApplicationConfigurationRegistry
// != NULL" fails and null is returned once it returns.
ZQ_RegistryFolder* ZQ_GetApplicationConfigurationRegistryForSave(bool PerformingIncrementalSave);

// Root / "NamedTopics" / TopicName, both created when missing. Needs the
// registry to be usable.
ZQ_RegistryFolder& ZQ_AppConfigRegistry_GetNamedTopicConfigFolder(const ZQ_String& TopicName);

// Root / "DialogBoxConfiguration" / DialogName, both created when missing.
// Needs the registry to be usable (stages 2 to 12). Here, not with the
// settings plug-in, so that dialogs below the framework can keep settings.
ZQ_RegistryFolder& ZQF_PLUGIN_AppConfigRegistry_GetDialogBoxConfigFolder(const ZQ_String& DialogName);

// Stage 1 creates the empty root folder, stage 13 deletes it with all it
// holds. Registered at Position_ApplicationConfigurationRegistry.
void ZQ_ApplicationConfigurationRegistry_InitializationServiceCallback(int Stage);

#endif
