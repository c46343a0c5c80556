// ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType.h: the program-wide registry
// of the page types an application options dialog is made of. Page types
// register themselves; the first request for the active ones drops, once,
// every page type that says it is inactive. The registry holds plain
// pointers: it owns no page type, and a page type must outlive its entry.
// The list is created empty on first use and its links are freed at program
// exit. UI thread only.
#ifndef ZQF_PLUGIN_APPLICATIONOPTIONSDIALOGBOXPAGETYPE_H
#define ZQF_PLUGIN_APPLICATIONOPTIONSDIALOGBOXPAGETYPE_H

#include "ZQ_List.h"

class ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType {
 public:
  // True when the page type stays in the registry; asked once, at the first
  // request for the active page types.
  virtual bool IsActive() = 0;
  virtual ~ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType();
};

typedef ZQ_List<ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType*>
    ZQF_PLUGIN_ApplicationOptionsDialogBoxPageTypeList;

// The registry, in registration order.
ZQF_PLUGIN_ApplicationOptionsDialogBoxPageTypeList&
ZQF_PLUGIN_GetApplicationOptionsDialogBoxPageTypes();
// Appends PageType (borrowed) to the registry.
void ZQF_PLUGIN_RegisterApplicationOptionsDialogBoxPageType(
    ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType* PageType);
// The registry; the first call prunes it (RemoveInactivePageTypes). Page
// types registered afterwards are returned unasked.
ZQF_PLUGIN_ApplicationOptionsDialogBoxPageTypeList&
ZQF_PLUGIN_GetActiveApplicationOptionsDialogBoxPageTypes();
// Keeps the page types whose IsActive is true, in their order; asks each
// once. The inactive ones are dropped, not deleted.
void RemoveInactivePageTypes();

// Tests: an empty registry whose next request for the active page types
// prunes again.
void ZQF_PLUGIN_ResetApplicationOptionsDialogBoxPageTypesForTesting();

#endif
