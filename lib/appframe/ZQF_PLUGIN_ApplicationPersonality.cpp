#include "ZQF_PLUGIN_ApplicationPersonality.h"

#include "ZQ_Assertion.h"
#include "ZQ_InitializationService.h"

namespace {

int InstanceCount = 0;
ZQF_PLUGIN_ApplicationPersonality* Personality = nullptr;

const ZQ_StageCallbackRegistration s_registration(
    &ZQF_PLUGIN_ApplicationPersonality_InitializationServiceCallback,
    ZQ_InitializationService::Position_ApplicationPersonality);

}  // namespace

ZQF_PLUGIN_ApplicationPersonality::ZQF_PLUGIN_ApplicationPersonality() {
  ++InstanceCount;
  try {
    ZQ_ASSERT(InstanceCount == 1);
  } catch (...) {
    // A constructor that throws has no destructor to give the count back.
    --InstanceCount;
    throw;
  }
  Personality = this;
}

ZQF_PLUGIN_ApplicationPersonality::~ZQF_PLUGIN_ApplicationPersonality() {
  --InstanceCount;
  ZQ_ASSERT_LOG_ONLY(InstanceCount == 0);
  if (Personality == this) Personality = nullptr;
  while (Head != nullptr) {
    Node* node = Head;
    Head = node->Next;
    delete node->Plugin;
    delete node;
  }
  Tail = nullptr;
}

void ZQF_PLUGIN_ApplicationPersonality::OnStage(long) {}

void ZQF_PLUGIN_ApplicationPersonality::Register(ZQF_PLUGIN_AbstractPlugin* OwnedPlugin) {
  Node* node = new Node{OwnedPlugin, nullptr};
  if (Tail == nullptr) {
    Head = node;
  } else {
    Tail->Next = node;
  }
  Tail = node;
}

void ZQF_PLUGIN_ApplicationPersonality::InitializeAllRegisteredPlugins(long Stage) {
  // Read the link after each call: a plug-in may register another, which then
  // gets this stage too.
  for (Node* node = Head; node != nullptr; node = node->Next) node->Plugin->Initialize(Stage);
}

ZQF_PLUGIN_ApplicationPersonality* ZQF_PLUGIN_ApplicationPersonality::GetInstance() {
  return Personality;
}

void ZQF_PLUGIN_ApplicationPersonality_InitializationServiceCallback(int Stage) {
  ZQF_PLUGIN_ApplicationPersonality* personality = Personality;
  if (personality == nullptr) return;
  if (Stage == ZQ_InitializationService::Stage_InitializeDefinition) personality->RegisterPlugins();
  personality->OnStage(Stage);
  personality->InitializeAllRegisteredPlugins(Stage);
}
