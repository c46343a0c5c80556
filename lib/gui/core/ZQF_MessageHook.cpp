#include "ZQF_MessageHook.h"

#include "ZQF_HookList.h"
#include "ZQF_Message.h"
#include "ZQ_Array.h"
#include "ZQ_InitializationService.h"

namespace {

ZQF_HookList<ZQF_StandardMessageHookCallback>& StandardHooks() {
  static ZQF_HookList<ZQF_StandardMessageHookCallback> s_hooks;
  return s_hooks;
}

ZQF_HookList<ZQF_RawHookCallback>& RawHooks() {
  static ZQF_HookList<ZQF_RawHookCallback> s_hooks;
  return s_hooks;
}

struct GlyphActivityHooks {
  ZQ_AutosizeArray<ZQF_GlyphActivityHookCallback> Callbacks;
  long NumCallbacks = 0;
  bool Active = false;
};

GlyphActivityHooks& ActivityHooks() {
  static GlyphActivityHooks s_hooks;
  return s_hooks;
}

const ZQ_StageCallbackRegistration s_activityHookRegistration(&GlyphActivityHook_InitializationServiceCallback,
                                                   ZQ_InitializationService::Position_GlyphActivityHook);
const ZQ_StageCallbackRegistration s_standardHookRegistration(&ZQF_StandardMessageHook_InitializationServiceCallback,
                                                   ZQ_InitializationService::Position_StandardMessageHook);
const ZQ_StageCallbackRegistration s_rawHookRegistration(&ZQF_RawMessageHook_InitializationServiceCallback,
                                                   ZQ_InitializationService::Position_RawMessageHook);

}  // namespace

unsigned long ZQF_InstallStandardMessageHook(const ZQF_StandardMessageHookCallback& Callback,
                                             unsigned long OwnerKey) {
  return StandardHooks().Install(Callback, OwnerKey);
}

void ZQF_UninstallStandardMessageHooks(unsigned long OwnerKey) {
  StandardHooks().Uninstall(OwnerKey);
}

void ZQF_ProcessStandardMessageHooks(ZQF_Message& Message) {
  if (StandardHooks().IsEmpty()) return;
  StandardHooks().Process(
      [&Message](const ZQF_StandardMessageHookCallback& Hook) { Hook(Message); },
      [&Message] { return !Message.IsHandled(); });
}

unsigned long ZQF_InstallRawHook(const ZQF_RawHookCallback& Callback, unsigned long OwnerKey) {
  return RawHooks().Install(Callback, OwnerKey);
}

void ZQF_UninstallRawHooks(unsigned long OwnerKey) { RawHooks().Uninstall(OwnerKey); }

bool ZQF_AreRawHooksInstalled() { return !RawHooks().IsEmpty(); }

bool ZQF_ProcessRawHooks(const ZQF_RawMessageRecord& Record) {
  if (RawHooks().IsEmpty()) return false;
  bool swallowed = false;
  bool handled = false;
  RawHooks().Process(
      [&](const ZQF_RawHookCallback& Hook) {
        Hook(Record, handled);
        swallowed = swallowed || handled;
      },
      [] { return true; });
  return swallowed;
}

void ZQF_InstallGlyphActivityHook(const ZQF_GlyphActivityHookCallback& Callback) {
  GlyphActivityHooks& hooks = ActivityHooks();
  hooks.Callbacks[hooks.NumCallbacks] = Callback;
  ++hooks.NumCallbacks;
}

void ZQF_ProcessGlyphActivityHooks(ZQF_Glyph* Glyph) {
  const GlyphActivityHooks& hooks = ActivityHooks();
  if (!hooks.Active) return;
  for (long i = 0; i < hooks.NumCallbacks; ++i) hooks.Callbacks[i](Glyph);
}

void GlyphActivityHook_InitializationServiceCallback(int Stage) {
  if (Stage == ZQ_InitializationService::Stage_InitializeTranslationUnit) {
    ActivityHooks().Active = true;
  } else if (Stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit) {
    ActivityHooks().Active = false;
  }
}

void ZQF_StandardMessageHook_InitializationServiceCallback(int Stage) {
  if (Stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit) {
    StandardHooks().RemoveAll();
  }
}

void ZQF_RawMessageHook_InitializationServiceCallback(int Stage) {
  if (Stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit) RawHooks().RemoveAll();
}
