#include "ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType.h"

#include <cstdlib>

namespace {

ZQF_PLUGIN_ApplicationOptionsDialogBoxPageTypeList* s_pageTypes = nullptr;
bool s_isPrunePending = true;

void FreePageTypes() {
  delete s_pageTypes;
  s_pageTypes = nullptr;
}

}  // namespace

ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType::~ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType() =
    default;

ZQF_PLUGIN_ApplicationOptionsDialogBoxPageTypeList&
ZQF_PLUGIN_GetApplicationOptionsDialogBoxPageTypes() {
  if (!s_pageTypes) {
    s_pageTypes = new ZQF_PLUGIN_ApplicationOptionsDialogBoxPageTypeList;
    std::atexit(&FreePageTypes);
  }
  return *s_pageTypes;
}

void ZQF_PLUGIN_RegisterApplicationOptionsDialogBoxPageType(
    ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType* PageType) {
  ZQF_PLUGIN_GetApplicationOptionsDialogBoxPageTypes().Append(PageType);
}

ZQF_PLUGIN_ApplicationOptionsDialogBoxPageTypeList&
ZQF_PLUGIN_GetActiveApplicationOptionsDialogBoxPageTypes() {
  if (s_isPrunePending) {
    RemoveInactivePageTypes();
    s_isPrunePending = false;
  }
  return ZQF_PLUGIN_GetApplicationOptionsDialogBoxPageTypes();
}

void RemoveInactivePageTypes() {
  ZQF_PLUGIN_ApplicationOptionsDialogBoxPageTypeList& registry =
      ZQF_PLUGIN_GetApplicationOptionsDialogBoxPageTypes();
  ZQF_PLUGIN_ApplicationOptionsDialogBoxPageTypeList active;
  for (auto* link = registry.GetHeadLink(); link; link = link->Next) {
    if (link->Data->IsActive()) active.Append(link->Data);
  }
  registry = active;
}

void ZQF_PLUGIN_ResetApplicationOptionsDialogBoxPageTypesForTesting() {
  ZQF_PLUGIN_GetApplicationOptionsDialogBoxPageTypes().RemoveAll();
  s_isPrunePending = true;
}
