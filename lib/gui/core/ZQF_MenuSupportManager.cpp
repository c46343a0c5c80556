#include "ZQF_MenuSupportManager.h"

#include "ZQF_ParentMenuElement.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQ_Assertion.h"
#include "ZQ_Map.h"
#include "ZQ_Stack.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

namespace {

struct ManagerState {
  ZQ_Map<unsigned long, ZQF_SelectableMenuElement*> CommandRoutingMap;
  ZQ_Map<HMENU, ZQF_ParentMenuElement*> SubmenuRoutingMap;
  ZQ_Stack<unsigned long, 20> FreeIDs;
  unsigned long LastID = 0;
};

// Construct on first use: elements may be made by other modules' static
// initialisers.
ManagerState& State() {
  static ManagerState s_state;
  return s_state;
}

// The element's one-line description without its line end.
ZQ_String DescribeElement(ZQF_MenuElement* Element) {
  ZQ_StringStream out;
  Element->DumpSelf(out, ZQ_String());
  const ZQ_String& text = out;
  const long length = text.GetLength();
  if (length > 0 && text.GetText()[length - 1] == '\n') return text.GetLeft(length - 1);
  return text;
}

}  // namespace

unsigned long ZQF_MenuSupportManager::GetNewID() {
  ManagerState& state = State();
  if (state.FreeIDs.IsEmpty()) return ++state.LastID;
  return state.FreeIDs.Pop();
}

void ZQF_MenuSupportManager::RegisterMenuID(unsigned long MenuID,
                                            ZQF_SelectableMenuElement* Element) {
  ZQ_Map<unsigned long, ZQF_SelectableMenuElement*>& CommandRoutingMap = State().CommandRoutingMap;
  ZQ_ASSERT_TEXT(!CommandRoutingMap.KeyExists(MenuID),
                 "not CommandRoutingMap.ContainsKey (MenuID)");
  CommandRoutingMap.Set(MenuID, Element);
}

void ZQF_MenuSupportManager::DeregisterMenuID(unsigned long MenuID,
                                              ZQF_SelectableMenuElement* Element) {
  ManagerState& state = State();
  ZQ_ASSERT_TEXT_LOG_ONLY(state.CommandRoutingMap.KeyExists(MenuID),
                          "CommandRoutingMap.ContainsKey (MenuID)");
  ZQ_ASSERT_TEXT_LOG_ONLY(state.CommandRoutingMap.GetValue(MenuID) == Element,
                          "CommandRoutingMap [MenuID] == Element");
  if (!state.CommandRoutingMap.KeyExists(MenuID)) return;
  state.CommandRoutingMap.Remove(MenuID, true);
  state.FreeIDs.Push(MenuID);
}

void ZQF_MenuSupportManager::RegisterSubmenu(HMENU MenuHandle, ZQF_ParentMenuElement* Element) {
  ZQ_Map<HMENU, ZQF_ParentMenuElement*>& SubmenuRoutingMap = State().SubmenuRoutingMap;
  ZQ_ASSERT_TEXT(!SubmenuRoutingMap.KeyExists(MenuHandle),
                 "not SubmenuRoutingMap.ContainsKey (MenuHandle)");
  SubmenuRoutingMap.Set(MenuHandle, Element);
}

void ZQF_MenuSupportManager::DeregisterSubmenu(HMENU MenuHandle, ZQF_ParentMenuElement* Element) {
  ZQ_Map<HMENU, ZQF_ParentMenuElement*>& map = State().SubmenuRoutingMap;
  ZQ_ASSERT_TEXT_LOG_ONLY(map.KeyExists(MenuHandle), "SubmenuRoutingMap.ContainsKey (MenuHandle)");
  ZQ_ASSERT_TEXT_LOG_ONLY(map.GetValue(MenuHandle) == Element,
                          "SubmenuRoutingMap [MenuHandle] == Element");
  if (map.KeyExists(MenuHandle)) map.Remove(MenuHandle, true);
}

bool ZQF_MenuSupportManager::HandleWMCommandMessage(unsigned long MenuID) {
  ZQ_TRACE_FUNCTION("ZQF_MenuSupportManager::HandleWMCommandMessage");
  ZQF_SelectableMenuElement* element = nullptr;
  const bool known = State().CommandRoutingMap.GetValueIfExists(MenuID, element);
  ZQ_ASSERT_TEXT(known, "CommandRoutingMap.ContainsKey (MenuID)");
  if (!known) return false;
  const ZQ_String SelectedElementDump = DescribeElement(element);
  ZQ_TRACE_VARIABLE(SelectedElementDump);
  return element->RespondToSelection(MenuID);
}

void ZQF_MenuSupportManager::HandleWMInitMenuPopupMessage(HMENU MenuHandle) {
  ZQF_ParentMenuElement* element = nullptr;
  const bool known = State().SubmenuRoutingMap.GetValueIfExists(MenuHandle, element);
  ZQ_ASSERT_TEXT(known, "SubmenuRoutingMap.ContainsKey (reinterpret_cast <HMENU> (MenuID))");
  if (known) element->RespondToPopupInit();
}

long ZQF_MenuSupportManager::GetNumRegisteredMenuIDs() {
  return State().CommandRoutingMap.GetNumElements();
}

long ZQF_MenuSupportManager::GetNumRegisteredSubmenus() {
  return State().SubmenuRoutingMap.GetNumElements();
}
