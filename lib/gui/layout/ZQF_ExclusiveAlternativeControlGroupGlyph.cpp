// The radio-button group: adding choices, selecting, client enabling, keys
// and clicks on clients; the marker client's lifetime.
#include "ZQF_ExclusiveAlternativeControlGroupGlyph.h"

#include <algorithm>
#include <vector>

#include "ZQF_GlueGlyphs.h"
#include "ZQF_MessageHook.h"
#include "ZQF_Metrics.h"
#include "ZQ_Assertion.h"
#include "ZQ_InitializationService.h"

ZQF_Glyph* ZQF_ExclusiveAlternativeControlGroupGlyph::ShareNextClient = nullptr;

namespace {

const ZQ_StageCallbackRegistration s_registration(
    &ZQF_ExclusiveAlternativeControlGroupGlyph_InitializationServiceCallback,
    ZQ_InitializationService::Position_ExclusiveAlternativeControlGroupGlyph);

// The groups alive, for the glyph activity hook.
std::vector<ZQF_ExclusiveAlternativeControlGroupGlyph*>& LiveGroups() {
  static std::vector<ZQF_ExclusiveAlternativeControlGroupGlyph*> s_groups;
  return s_groups;
}

}  // namespace

ZQF_ExclusiveAlternativeControlGroupGlyph::ZQF_ExclusiveAlternativeControlGroupGlyph()
    : ZQF_ColumnGlyph(0) {
  static bool s_hookInstalled = false;
  if (!s_hookInstalled) {
    ZQF_InstallGlyphActivityHook(ZQF_GlyphActivityHookCallback(&OnGlyphDestroyed));
    s_hookInstalled = true;
  }
  LiveGroups().push_back(this);
}

// Before the base deletes the children: their destruction no longer
// concerns this group.
ZQF_ExclusiveAlternativeControlGroupGlyph::~ZQF_ExclusiveAlternativeControlGroupGlyph() {
  auto& groups = LiveGroups();
  groups.erase(std::remove(groups.begin(), groups.end(), this), groups.end());
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::OnGlyphDestroyed(ZQF_Glyph* Glyph) {
  for (ZQF_ExclusiveAlternativeControlGroupGlyph* group : LiveGroups()) group->ForgetDestroyedPart(Glyph);
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::ForgetDestroyedPart(const ZQF_Glyph* Glyph) {
  for (long i = 0; i < NumButtons; ++i) {
    ButtonInfoStruct& entry = ButtonInfoTable[i];
    if (entry.Client == Glyph) entry.Client = nullptr;
    if (entry.Button != Glyph) continue;
    for (long j = i; j + 1 < NumButtons; ++j) ButtonInfoTable[j] = ButtonInfoTable[j + 1];
    --NumButtons;
    if (i < SelectedButtonIndex) --SelectedButtonIndex;
    SelectedButtonIndex = std::max(0L, std::min(SelectedButtonIndex, NumButtons - 1));
    return;
  }
}

void ZQF_ExclusiveAlternativeControlGroupGlyph_InitializationServiceCallback(int Stage) {
  ZQF_Glyph*& marker = ZQF_ExclusiveAlternativeControlGroupGlyph::ShareNextClient;
  if (Stage == ZQ_InitializationService::Stage_InitializeDefinition && !marker) {
    marker = new ZQF_OrganizationalGlyph;
  } else if (Stage == ZQ_InitializationService::Stage_DeinitializeDefinition) {
    delete marker;
    marker = nullptr;
  }
}

// --- Adding choices.

// Glue before a marker choice that follows a non-sharing one, and before
// the first choice after a run that shared.
bool ZQF_ExclusiveAlternativeControlGroupGlyph::NeedsGlueBefore(bool IsMarker) const {
  const long n = NumButtons;
  const bool previousShares = n > 0 && ButtonInfoTable[n - 1].SharesNextClient;
  if (IsMarker && n > 0 && !previousShares) return true;
  return n >= 2 && !previousShares && ButtonInfoTable[n - 2].SharesNextClient;
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::AddToBottom(const ZQ_String& Label,
                                                            ZQF_Glyph* Client) {
  // Before stage 1 the marker is null, and a null client is no marker.
  const bool isMarker = Client && Client == ShareNextClient;
  if (NeedsGlueBefore(isMarker)) {
    const bool previousHasClient = ButtonInfoTable[NumButtons - 1].Client != nullptr;
    ZQF_ColumnGlyph::AddToBottom(
        new ZQF_VerticalGlueGlyph(ZQF_GetSizeMetric(previousHasClient ? ZQF_SizeMetric_Gap4Px : ZQF_SizeMetric_Gap8Px).Y));
  }
  ButtonInfoStruct entry;
  entry.Button = new ZQF_RadioButtonGlyph(Label);
  entry.Client = isMarker ? nullptr : Client;
  entry.SharesNextClient = isMarker;
  if (NumButtons == 0) entry.Button->SetState(ZQF_ButtonGlyph::State_Down, false);
  PlaceChoice(entry.Button, entry.Client, Label.GetLength() != 0);
  ButtonInfoTable[NumButtons] = entry;
  ++NumButtons;
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::PlaceChoice(ZQF_RadioButtonGlyph* Button,
                                                            ZQF_Glyph* Client, bool HasLabel) {
  if (!Client) {
    ZQF_ColumnGlyph::AddToBottom(Button);
  } else if (HasLabel) {
    ZQF_ColumnGlyph::AddToBottom(Button);
    ZQF_ColumnGlyph::AddToBottom(new ZQF_MarginGlyph(
        Client, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).Y, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px).X, 0, 0));
  } else {
    Button->SetBoxAtStart(true);
    ZQF_RowGlyph* row = new ZQF_RowGlyph(1);
    row->AddToRight(Button);
    const long margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap3Px).Y;
    row->AddToRight(new ZQF_MarginGlyph(Client, margin, margin, 0, 0, 0));
    ZQF_ColumnGlyph::AddToBottom(row);
  }
}

// --- Selection.

void ZQF_ExclusiveAlternativeControlGroupGlyph::SetValue(long Index) {
  ZQ_ASSERT_TEXT(0 <= Index && Index < NumButtons, "Index < NumButtons");
  if (0 <= Index && Index < NumButtons) SetSelectedButton(Index, false);
}

long ZQF_ExclusiveAlternativeControlGroupGlyph::GetValue() const {
  ZQ_ASSERT_TEXT(SelectedButtonIndex < NumButtons, "SelectedButtonIndex < NumButtons");
  return SelectedButtonIndex;
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::SetSelectedButton(long Index, bool Notify) {
  ZQ_ASSERT_TEXT(SelectedButtonIndex < NumButtons, "SelectedButtonIndex < NumButtons");
  const bool inRange = 0 <= Index && Index < NumButtons;
  ZQ_ASSERT_TEXT(inRange, "NewSelectedButtonIndex < NumButtons");
  if (!inRange || Index == SelectedButtonIndex) return;
  SelectedButtonIndex = Index;
  for (long i = 0; i < NumButtons; ++i) {
    ZQF_RadioButtonGlyph* button = ButtonInfoTable[i].Button;
    ZQ_ASSERT_TEXT(button, "Button");
    if (!button) continue;
    if (i == Index) {
      button->SetState(ZQF_ButtonGlyph::State_Down, Notify);
      button->PutOnFocusPath();
    } else {
      button->SetState(ZQF_ButtonGlyph::State_Up, false);
    }
  }
  SetClientEnabledStates();
  QueueVisualStateUpdate();
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::SetClientEnabledStates() {
  if (IsDisabled()) return;
  bool enabled = false;
  bool previousShares = false;
  for (long i = 0; i < NumButtons; ++i) {
    const ButtonInfoStruct& entry = ButtonInfoTable[i];
    enabled = i == SelectedButtonIndex || (previousShares && enabled);
    if (entry.Client) entry.Client->SetEnabled(enabled);
    previousShares = entry.SharesNextClient;
  }
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::InitializeSelf() {
  ZQF_ColumnGlyph::InitializeSelf();
  SetClientEnabledStates();
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::SetChildrenEnabled(bool Enabled) {
  ZQF_ColumnGlyph::SetChildrenEnabled(Enabled);
  if (Enabled) SetClientEnabledStates();
}

// --- Messages.

ZQF_RadioButtonGlyph* ZQF_ExclusiveAlternativeControlGroupGlyph::ButtonAt(long Index) const {
  ZQF_RadioButtonGlyph* button = ButtonInfoTable[Index].Button;
  ZQ_ASSERT_TEXT(button, "ButtonInfoTable [ButtonIndex].Button");
  return button;
}

long ZQF_ExclusiveAlternativeControlGroupGlyph::FindButton(const ZQF_Glyph* Button) const {
  for (long i = 0; i < NumButtons; ++i) {
    if (ButtonAt(i) == Button) return i;
  }
  return -1;
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::HandleNotification(ZQF_NotificationMessage& Message,
                                                                   bool SecondTry) {
  if (!SecondTry) {
    if (const auto* down = dynamic_cast<ZQF_ButtonDownNotificationMessage*>(&Message)) {
      const long index = FindButton(down->GetButton());
      if (index >= 0) SetSelectedButton(index, false);
    }
  }
  ZQF_ColumnGlyph::HandleNotification(Message, SecondTry);
}

// Disabled choices are stepped over: an arrow key never selects a choice
// the user could not click.
long ZQF_ExclusiveAlternativeControlGroupGlyph::FindEnabledButton(long From, int Step) const {
  for (long i = From + Step; 0 <= i && i < NumButtons; i += Step) {
    const ZQF_RadioButtonGlyph* button = ButtonAt(i);
    if (button && button->IsEnabled()) return i;
  }
  return -1;
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  const int step = ZQF_GetGroupArrowKeyStep(Message);
  if (!SecondTry || NumButtons == 0 || step == 0) {
    ZQF_ColumnGlyph::HandleKey(Message, SecondTry);
    return;
  }
  const long next = FindEnabledButton(SelectedButtonIndex, step);
  if (next >= 0) SetSelectedButton(next, true);
  ZQF_FinishGroupArrowKey(this, Message);
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::ClickOnDisabledClientTest(long X, long Y) {
  for (long i = 0; i < NumButtons; ++i) {
    const ZQF_Glyph* client = ButtonInfoTable[i].Client;
    if (!client || !client->ContainsPoint(X, Y)) continue;
    if (i != SelectedButtonIndex) SetSelectedButton(i, true);
    return;
  }
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::CheckClientClick(const ZQF_MouseMessage& Message,
                                                                 bool SecondTry) {
  if (!SecondTry) ClickOnDisabledClientTest(Message.GetX(), Message.GetY());
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message,
                                                                    bool SecondTry) {
  CheckClientClick(Message, SecondTry);
  ZQF_ColumnGlyph::HandleMouseLeftDown(Message, SecondTry);
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::HandleMouseRightDown(ZQF_MouseMessage& Message,
                                                                     bool SecondTry) {
  CheckClientClick(Message, SecondTry);
  ZQF_ColumnGlyph::HandleMouseRightDown(Message, SecondTry);
}

void ZQF_ExclusiveAlternativeControlGroupGlyph::HandleMouseMiddleDown(ZQF_MouseMessage& Message,
                                                                      bool SecondTry) {
  CheckClientClick(Message, SecondTry);
  ZQF_ColumnGlyph::HandleMouseMiddleDown(Message, SecondTry);
}
