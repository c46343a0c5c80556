#include "ZQF_ContextSensitiveMenuMessage.h"

#include "ZQF_ContextSensitiveMenu.h"
#include "ZQF_MessageRouter.h"

ZQF_MessageRouter* ZQF_ContextSensitiveMenuMessage::GetDefaultRouter() {
  return ZQF_GetMouseRouter();
}

void ZQF_ContextSensitiveMenuMessage::AddElement(ZQF_MenuElement* NewElement, long MenuSection,
                                                 int Position) {
  ElementsAdded = true;
  Menu->AddElement(NewElement, MenuSection, Position);
}
