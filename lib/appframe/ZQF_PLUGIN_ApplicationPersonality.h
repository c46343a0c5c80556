// ZQF_PLUGIN_ApplicationPersonality.h: the plug-in base and the program's one
// plug-in personality. A program is assembled from plug-ins, each told every
// initialization stage; the personality asks the application to register
// them at stage 1 and then hands every stage (1-13) to each plug-in in
// registration order. The personality owns its plug-ins and deletes them when
// it is destroyed. Exceptions from a plug-in's Initialize are not caught
// here: they leave the stage. UI thread only.
#ifndef ZQF_PLUGIN_APPLICATIONPERSONALITY_H
#define ZQF_PLUGIN_APPLICATIONPERSONALITY_H

class ZQF_PLUGIN_AbstractPlugin {
 public:
  virtual ~ZQF_PLUGIN_AbstractPlugin() = default;
  // Does the plug-in's share of the stage's work (stage 1-13).
  virtual void Initialize(long Stage) = 0;
};

class ZQF_PLUGIN_ApplicationPersonality {
 public:
  // Records this object as the program's personality; a second one at a time
  // fails "InstanceCount == 1".
  ZQF_PLUGIN_ApplicationPersonality();
  // Fails "InstanceCount == 0" (logged only) when another personality still
  // exists; deletes every registered plug-in in registration order.
  virtual ~ZQF_PLUGIN_ApplicationPersonality();
  ZQF_PLUGIN_ApplicationPersonality(const ZQF_PLUGIN_ApplicationPersonality&) = delete;
  ZQF_PLUGIN_ApplicationPersonality& operator=(const ZQF_PLUGIN_ApplicationPersonality&) = delete;

  // The application registers its plug-ins here; called at stage 1 before
  // any plug-in is told the stage.
  virtual void RegisterPlugins() = 0;
  // Called at every stage after stage 1's registration and before the
  // plug-ins; does nothing here.
  virtual void OnStage(long Stage);

  // Appends the plug-in (ownership passes to the personality). Registering
  // one object twice is not checked.
  void Register(ZQF_PLUGIN_AbstractPlugin* OwnedPlugin);
  // Initialize(Stage) of every registered plug-in, first registered first.
  void InitializeAllRegisteredPlugins(long Stage);

  // The program's personality, or null when none exists.
  static ZQF_PLUGIN_ApplicationPersonality* GetInstance();

 private:
  struct Node {
    ZQF_PLUGIN_AbstractPlugin* Plugin;
    Node* Next;
  };
  Node* Head = nullptr;
  Node* Tail = nullptr;
};

// The stage callback, registered from a static initialiser at the
// personality's place: with no personality it does nothing; at stage 1 it
// lets the personality register its plug-ins; then the per-stage hook and
// every plug-in.
void ZQF_PLUGIN_ApplicationPersonality_InitializationServiceCallback(int Stage);

#endif
