#include <gtest/gtest.h>

#include <string>

#include "StageTestSupport.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_RegistryValueItems.h"

namespace {

using Service = ZQ_InitializationService;

struct StageObservation {
  bool usable = false;
  std::string topicFailure;     // of asking for a named topic
  std::string forSaveFailure;   // of asking for the folder to load or save it
  bool valueSeen = false;       // the value stored at stage 2 is still there
};

StageObservation s_seen[14];
bool s_observing = false;

void Observe(int Stage) {
  if (!s_observing) return;
  StageObservation& seen = s_seen[Stage];
  seen.usable = ZQ_ApplicationConfigurationRegistryUsable();
  seen.topicFailure = FailureOf([] { ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("Observer"); });
  ZQ_RegistryFolder* root = nullptr;
  seen.forSaveFailure = FailureOf([&] { root = ZQ_GetApplicationConfigurationRegistryForSave(false); });
  // Stage 2 plays the settings loader.
  if (Stage == Service::Stage_InitializeTranslationUnit && root) ZQ_SetInt32(*root, "Loaded", 7);
  if (!root) FailureOf([&] { root = ZQ_GetApplicationConfigurationRegistryForSave(true); });
  if (root) seen.valueSeen = ZQ_GetInt32(*root, "Loaded", 0) == 7;
}

class ApplicationConfigurationRegistry : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    numCallbacks = Service::GetNumCallbacks();
    Service::RegisterCallback(&Observe);
    for (auto& seen : s_seen) seen = StageObservation();
    s_observing = true;
  }
  void TearDown() override {
    s_observing = false;
    Service::ResetForTesting(numCallbacks);
    StageSequenceTest::TearDown();
  }
  int numCallbacks = 0;
};

const char kUsable[] = "ZQ_ApplicationConfigurationRegistryUsable()";

std::string Failed(const std::string& Condition) { return "Assertion failed: " + Condition + ","; }

}  // namespace

TEST_F(ApplicationConfigurationRegistry, RootFolderLivesAndIsUsableByStages) {
  EXPECT_FALSE(ZQ_ApplicationConfigurationRegistryUsable());
  ASSERT_EQ(RunStages().failedStage, 0);
  for (int stage = 1; stage <= 13; ++stage) {
    SCOPED_TRACE(stage);
    const StageObservation& seen = s_seen[stage];
    // Usable from the end of stage 2 until stage 12 begins.
    const bool usable = stage >= 3 && stage <= 11;
    EXPECT_EQ(seen.usable, usable);
    if (usable) {
      EXPECT_EQ(seen.topicFailure, "");
      EXPECT_TRUE(seen.valueSeen);
    } else {
      EXPECT_TRUE(StartsWith(seen.topicFailure, Failed(kUsable))) << seen.topicFailure;
    }
    // The whole-file load and save belong to stages 2 and 12 only.
    const bool loadOrSave = stage == 2 || stage == 12;
    EXPECT_EQ(seen.forSaveFailure.empty(), loadOrSave) << seen.forSaveFailure;
  }
  EXPECT_TRUE(s_seen[12].valueSeen);
  EXPECT_FALSE(ZQ_ApplicationConfigurationRegistryUsable());
  // After stage 13 there is no folder, even for an incremental save.
  EXPECT_TRUE(StartsWith(FailureOf([] { ZQ_GetApplicationConfigurationRegistryForSave(true); }),
                         Failed("ApplicationConfigurationRegistry != NULL")));
}

TEST_F(ApplicationConfigurationRegistry, NamedTopicsAreSubfoldersOfOneFolder) {
  ASSERT_EQ(RunStages(1, 3).failedStage, 0);
  ZQ_RegistryFolder& first = ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("Dialogs");
  ZQ_SetInt32(first, "Width", 300);
  EXPECT_EQ(&ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("Dialogs"), &first);
  ZQ_RegistryFolder& other = ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("AppOptions");
  EXPECT_NE(&other, &first);
  EXPECT_EQ(other.GetNumItems(), 0);
  ZQ_RegistryFolder* topics = ZQ_GetApplicationConfigurationRegistry().GetFolderIfExists("NamedTopics");
  ASSERT_NE(topics, nullptr);
  EXPECT_EQ(topics->GetFolderIfExists("Dialogs"), &first);
  // An incremental save may take the folder at any stage.
  EXPECT_EQ(ZQ_GetApplicationConfigurationRegistryForSave(true), &ZQ_GetApplicationConfigurationRegistry());
  EXPECT_EQ(RunStages(4, 13).failedStage, 0);
}

TEST_F(ApplicationConfigurationRegistry, AnAbandonedSequenceLeavesNoStaleSettings) {
  ASSERT_EQ(RunStages(1, 3).failedStage, 0);
  ZQ_SetInt32(ZQ_GetApplicationConfigurationRegistry(), "Stale", 1);
  Service::ResetForTesting(numCallbacks + 1);
  ASSERT_EQ(RunStages(1, 3).failedStage, 0);
  EXPECT_FALSE(ZQ_GetApplicationConfigurationRegistry().DoesExist("Stale"));
  EXPECT_EQ(RunStages(4, 13).failedStage, 0);
}
