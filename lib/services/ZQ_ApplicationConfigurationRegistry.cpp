#include "ZQ_ApplicationConfigurationRegistry.h"

#include "ZQ_Assertion.h"
#include "ZQ_InitializationService.h"
#include "ZQ_StackTrace.h"

namespace {

ZQ_RegistryFolder* ApplicationConfigurationRegistry = nullptr;

const ZQ_StageCallbackRegistration s_registerStageCallback(&ZQ_ApplicationConfigurationRegistry_InitializationServiceCallback,
                                                           ZQ_InitializationService::Position_ApplicationConfigurationRegistry);

}  // namespace

bool ZQ_ApplicationConfigurationRegistryUsable() {
  return ZQ_InitializationService::GetMostRecentStageCompleted() >=
             ZQ_InitializationService::Stage_InitializeTranslationUnit &&
         ZQ_InitializationService::GetMostRecentStageStarted() <
             ZQ_InitializationService::Stage_DeinitializeTranslationUnit;
}

ZQ_RegistryFolder& ZQ_GetApplicationConfigurationRegistry() {
  ZQ_TRACE_FUNCTION("ZQ_GetApplicationConfigurationRegistry");
  ZQ_ASSERT(ZQ_ApplicationConfigurationRegistryUsable());
  // Usable implies stages 1 to 11, when the folder exists; a stand-in keeps
  // a caller from touching null if an ignored assertion returns.
  if (!ApplicationConfigurationRegistry) {
    static ZQ_RegistryFolder s_standIn;
    return s_standIn;
  }
  return *ApplicationConfigurationRegistry;
}

ZQ_RegistryFolder* ZQ_GetApplicationConfigurationRegistryForSave(bool PerformingIncrementalSave) {
  ZQ_TRACE_FUNCTION("ZQ_GetApplicationConfigurationRegistryForSave");
  const int stage = ZQ_InitializationService::GetStageCurrentlyExecuting();
  ZQ_ASSERT_TEXT(
      PerformingIncrementalSave || stage == ZQ_InitializationService::Stage_InitializeTranslationUnit ||
          stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit,
      "PerformingIncrementalSave or ZQ_InitializationService::GetStageCurrentlyExecuting() == "
      "ZQ_InitializationService::Stage_InitializeTranslationUnit or "
      "ZQ_InitializationService::GetStageCurrentlyExecuting() == "
      "ZQ_InitializationService::Stage_DeinitializeTranslationUnit");
  // An incremental save outside stages 1 to 13 would find no folder.
  ZQ_ASSERT_TEXT(ApplicationConfigurationRegistry != nullptr, "ApplicationConfigurationRegistry != NULL");
  return ApplicationConfigurationRegistry;
}

ZQ_RegistryFolder& ZQ_AppConfigRegistry_GetNamedTopicConfigFolder(const ZQ_String& TopicName) {
  ZQ_TRACE_FUNCTION("ZQ_AppConfigRegistry_GetNamedTopicConfigFolder");
  return *ZQ_GetApplicationConfigurationRegistry().GetFolder("NamedTopics")->GetFolder(TopicName);
}

ZQ_RegistryFolder& ZQF_PLUGIN_AppConfigRegistry_GetDialogBoxConfigFolder(const ZQ_String& DialogName) {
  return *ZQ_GetApplicationConfigurationRegistry().GetFolder("DialogBoxConfiguration")->GetFolder(DialogName);
}

void ZQ_ApplicationConfigurationRegistry_InitializationServiceCallback(int Stage) {
  ZQ_TRACE_FUNCTION("ZQ_ApplicationConfigurationRegistry_InitializationServiceCallback");
  if (Stage == ZQ_InitializationService::Stage_InitializeDefinition) {
    // The service performs stage 1 once per run, so a folder can only be
    // left here by a stage sequence that a test abandoned before stage 13
    // (ZQ_InitializationService::ResetForTesting): it is replaced.
    delete ApplicationConfigurationRegistry;
    ApplicationConfigurationRegistry = nullptr;
    ApplicationConfigurationRegistry = new ZQ_RegistryFolder;
  } else if (Stage == ZQ_InitializationService::Stage_DeinitializeDefinition) {
    delete ApplicationConfigurationRegistry;
    ApplicationConfigurationRegistry = nullptr;
  }
}
