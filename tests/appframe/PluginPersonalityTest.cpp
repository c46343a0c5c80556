#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../services/StageTestSupport.h"
#include "ZQF_PLUGIN_ApplicationPersonality.h"

namespace {

std::vector<std::string> Calls;

// Records each stage it is told as "<name><stage>"; records its deletion.
class RecordingPlugin : public ZQF_PLUGIN_AbstractPlugin {
 public:
  explicit RecordingPlugin(std::string Name) : name(std::move(Name)) {}
  ~RecordingPlugin() override { Calls.push_back("~" + name); }
  void Initialize(long Stage) override { Calls.push_back(name + std::to_string(Stage)); }

 private:
  std::string name;
};

// Registers A and B at stage 1; B registers C when it is told stage 1.
class LateRegisteringPlugin : public RecordingPlugin {
 public:
  using RecordingPlugin::RecordingPlugin;
  void Initialize(long Stage) override {
    RecordingPlugin::Initialize(Stage);
    if (Stage == 1) ZQF_PLUGIN_ApplicationPersonality::GetInstance()->Register(new RecordingPlugin("C"));
  }
};

class TestPersonality : public ZQF_PLUGIN_ApplicationPersonality {
 public:
  void RegisterPlugins() override {
    Calls.push_back("register");
    Register(new RecordingPlugin("A"));
    Register(new LateRegisteringPlugin("B"));
  }
  void OnStage(long Stage) override { Calls.push_back("hook" + std::to_string(Stage)); }
};

class PluginPersonalityTest : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    Calls.clear();
  }
};

TEST_F(PluginPersonalityTest, WithoutPersonalityTheStagesTellNoPlugin) {
  ASSERT_EQ(ZQF_PLUGIN_ApplicationPersonality::GetInstance(), nullptr);
  EXPECT_EQ(RunStages().failedStage, 0);
  EXPECT_TRUE(Calls.empty());
}

TEST_F(PluginPersonalityTest, PluginsSeeEveryStageInRegistrationOrderAndAreDeletedInThatOrder) {
  {
    TestPersonality personality;
    ASSERT_EQ(RunStages().failedStage, 0);
  }
  std::vector<std::string> expected = {"register", "hook1", "A1", "B1", "C1"};
  for (int stage = 2; stage <= 13; ++stage) {
    for (const char* name : {"hook", "A", "B", "C"}) expected.push_back(name + std::to_string(stage));
  }
  for (const char* name : {"~A", "~B", "~C"}) expected.push_back(name);
  EXPECT_EQ(Calls, expected);
}

TEST_F(PluginPersonalityTest, ASecondPersonalityFailsItsAssertion) {
  {
    TestPersonality first;
    std::unique_ptr<TestPersonality> second;
    EXPECT_NE(FailureOf([&] { second.reset(new TestPersonality); }).find("InstanceCount == 1"),
              std::string::npos);
  }
  // The failed one left no count behind.
  EXPECT_EQ(FailureOf([] { TestPersonality again; }), "");
}

}  // namespace
