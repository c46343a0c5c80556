// Keyboard navigation, mnemonics and the keyboard indicators.
#include "ZQF_DialogActionGlyph.h"

#include "ZQF_ActionQueue.h"
#include "ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h"
#include "ZQF_Canvas.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_Validator.h"
#include "ZQ_Sound.h"

namespace {

bool IsTooSmall(const ZQF_Glyph* Glyph) { return Glyph->IsBoundingBoxEmpty(); }

// The record of one mnemonic search.
struct MnemonicSearch {
  ZQF_Glyph* Found = nullptr;
  long Count = 0;
  char Character = 0;
  bool PastBranch = false;
  bool MatchPastBranchRecorded = false;

  bool Check(ZQF_Glyph* Glyph) {
    ZQF_MnemonicQueryMessage query(Character, false);
    Glyph->Dispatch(query);
    if (!query.IsHandled()) return false;
    ++Count;
    if (!PastBranch) {
      Found = Glyph;
    } else if (!MatchPastBranchRecorded) {
      Found = Glyph;
      MatchPastBranchRecorded = true;
    }
    return true;
  }

  // Glyph, then its children in order; a glyph sized to nothing is skipped
  // with its subtree.
  void SearchSubtree(ZQF_Glyph* Glyph) {
    if (IsTooSmall(Glyph)) return;
    Check(Glyph);
    for (ZQF_Glyph* child = Glyph->GetFirstChild(); child; child = child->GetNextSibling()) {
      SearchSubtree(child);
    }
  }

  // Looks at Start, then outward level by level, stopping at the first level
  // with a match.
  void Walk(ZQF_Glyph* Start, ZQF_Glyph* Root) {
    ZQF_Glyph* previousBranch = nullptr;
    for (ZQF_Glyph* glyph = Start;; glyph = glyph->GetParent()) {
      if (Check(glyph)) return;
      PastBranch = previousBranch == nullptr;
      for (ZQF_Glyph* child = glyph->GetFirstChild(); child; child = child->GetNextSibling()) {
        if (child == previousBranch) {
          PastBranch = true;
        } else {
          SearchSubtree(child);
        }
      }
      if (Count > 0 || glyph == Root) return;
      previousBranch = glyph;
    }
  }
};

ZQF_ControlGlyph* FirstControlDown(ZQF_Glyph* Glyph) {
  for (; Glyph; Glyph = Glyph->GetFocusChild()) {
    if (auto* control = dynamic_cast<ZQF_ControlGlyph*>(Glyph)) return control;
  }
  return nullptr;
}

}  // namespace

ZQF_DialogActionGlyph::ZQF_DialogActionGlyph(ZQF_Glyph* Client) : ZQF_NullContainerGlyph(Client) {
  ZQF_ActionQueue::QueueRepeatingAction(
      ZQ_Functor0(this, &ZQF_DialogActionGlyph::InsureControlHasFocus), GetOwnerKey(), true);
}

ZQF_DialogActionGlyph::~ZQF_DialogActionGlyph() { ZQF_ActionQueue::RemoveAllActions(GetOwnerKey()); }

ZQF_ControlGlyph* ZQF_DialogActionGlyph::GetFirstControl(ZQF_Glyph* Glyph) {
  if (!Glyph) return nullptr;
  ZQ_Iterator<ZQF_ControlGlyph*> i = GetDialogActionControlGlyphIter(Glyph);
  return i.IsValid() ? *i : nullptr;
}

ZQF_ControlGlyph* ZQF_DialogActionGlyph::GetLastControl(ZQF_Glyph* Glyph) {
  ZQF_ControlGlyph* last = nullptr;
  if (!Glyph) return last;
  for (ZQ_Iterator<ZQF_ControlGlyph*> i = GetDialogActionControlGlyphIter(Glyph); i.IsValid();
       i.Advance()) {
    last = *i;
  }
  return last;
}

ZQF_ControlGlyph* ZQF_DialogActionGlyph::FindPotentialSelectedControl(ZQF_Glyph* Glyph) {
  ZQF_ControlGlyph* control = FirstControlDown(Glyph);
  return control && control->IsEnabled() ? control : nullptr;
}

void ZQF_DialogActionGlyph::SelectControl(ZQF_ControlGlyph* Control) {
  Control->PutOnFocusPath();
  Control->HandleKeyboardInitiatedDialogFocusGain();
  // The keyboard may reach a control that a scrolled view hides (a form
  // taller than its window): every scrolling container around it shows it.
  for (ZQF_Glyph* around = Control->GetParent(); around; around = around->GetParent()) {
    if (auto* scroller = dynamic_cast<ZQF_ScrollingContainerGlyph*>(around)) {
      scroller->MakeChildVisible(Control);
    }
  }
}

void ZQF_DialogActionGlyph::SelectNextControl() {
  ZQF_ControlGlyph* current = FindPotentialSelectedControl(this);
  ZQF_ControlGlyph* next = nullptr;
  if (current) {
    ZQ_Iterator<ZQF_ControlGlyph*> i = GetDialogActionControlGlyphIter(this);
    while (i.IsValid() && *i != current) i.Advance();
    if (i.IsValid() && i.Advance()) next = *i;
  }
  if (!next) next = GetFirstControl(this);
  if (next) SelectControl(next);
}

void ZQF_DialogActionGlyph::SelectPreviousControl() {
  ZQF_ControlGlyph* current = FindPotentialSelectedControl(this);
  ZQF_ControlGlyph* previous = nullptr;
  if (current) {
    for (ZQ_Iterator<ZQF_ControlGlyph*> i = GetDialogActionControlGlyphIter(this);
         i.IsValid() && *i != current; i.Advance()) {
      previous = *i;
    }
  }
  if (!previous) previous = GetLastControl(this);
  if (previous) SelectControl(previous);
}

void ZQF_DialogActionGlyph::InsureControlHasFocus() {
  if (!IsOnFocusPath() || IsHiddenBySize()) return;
  ZQF_ControlGlyph* current = FindPotentialSelectedControl(this);
  if (current && current->IsHiddenBySize()) current = nullptr;
  if (!current) SelectNextControl();
}

bool ZQF_DialogActionGlyph::AttemptToApplyMnemonic(char Character) {
  if (IsHiddenBySize()) return false;
  ZQF_Glyph* start = this;
  while (start->GetFocusChild() && !IsTooSmall(start->GetFocusChild())) {
    start = start->GetFocusChild();
  }
  MnemonicSearch search;
  search.Character = Character;
  search.Walk(start, this);
  ZQF_Glyph* target = search.Found;
  if (!target) return false;
  if (target->IsDisabled() || search.Count != 1) {
    ZQ_Beep();
    return true;
  }
  ZQF_ControlGlyph* control = FirstControlDown(target);
  if (!control) {
    target->PutOnFocusPath();
  } else if (control->IsEnabled()) {
    SelectControl(control);
  }
  ZQF_MnemonicQueryMessage apply(Character, true);
  target->Dispatch(apply);
  return true;
}

void ZQF_DialogActionGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (!SecondTry) return;
  const ZQF_KeyCode code = Message.GetKeyCode();
  if (code == ZQF_Key_Tab && Message.MatchesModifierKeys(0, 2, 0)) {
    SelectNextControl();
    ActivateKeyboardNavigationIndicator_Focus();
    Message.SetHandled();
  } else if (code == ZQF_Key_Tab && Message.MatchesModifierKeys(1, 2, 0)) {
    SelectPreviousControl();
    ActivateKeyboardNavigationIndicator_Focus();
    Message.SetHandled();
  } else if (code == ZQF_Key_Alt) {
    ActivateKeyboardNavigationIndicator_Menomics();  // Alt stays unhandled
  } else if ((code == 'K' || code == 'k') && Message.MatchesModifierKeys(2, 1, 1)) {
    ToggleKeyboardNavigationIndicators();
    Message.SetHandled();
  }
  if (Message.IsHandled() || code < 32 || code > 126 || !Message.MatchesModifierKeys(2, 0, 2)) {
    return;
  }
  if (Message.GetModifierKeys().Alt) ActivateKeyboardNavigationIndicator_Menomics();
  if (AttemptToApplyMnemonic(static_cast<char>(code))) Message.SetHandled();
}

void ZQF_DialogActionGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) {
  if (!SecondTry) {
    if (dynamic_cast<ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage*>(&Message)) {
      ActivateKeyboardNavigationIndicator_Focus();
      return;
    }
    if (dynamic_cast<ZQF_SetKeyboardNavigationIndicatorsToDefaultNotificationMessage*>(&Message)) {
      SetIndicators(0);
      Message.SetHandled();
      return;
    }
  }
  ZQF_NullContainerGlyph::HandleNotification(Message, SecondTry);
}

void ZQF_DialogActionGlyph::SetIndicators(long Indicators) {
  KeyboardNavigationIndicators = Indicators;
  QueueVisualStateUpdate();
}

void ZQF_DialogActionGlyph::ActivateKeyboardNavigationIndicator_Focus() {
  if (!(KeyboardNavigationIndicators & Indicator_Focus)) {
    SetIndicators(KeyboardNavigationIndicators | Indicator_Focus);
  }
}

void ZQF_DialogActionGlyph::ActivateKeyboardNavigationIndicator_Menomics() {
  if (!(KeyboardNavigationIndicators & Indicator_Mnemonics)) {
    SetIndicators(KeyboardNavigationIndicators | Indicator_Focus | Indicator_Mnemonics);
  }
}

void ZQF_DialogActionGlyph::ToggleKeyboardNavigationIndicators() {
  SetIndicators(KeyboardNavigationIndicators ? 0 : -1);
}

void ZQF_DialogActionGlyph::DrawChildren(ZQF_Canvas& Canvas) {
  const long oldCues = Canvas.GetKeyboardCues();
  Canvas.SetKeyboardCues(oldCues | KeyboardNavigationIndicators);
  try {
    ZQF_NullContainerGlyph::DrawChildren(Canvas);
  } catch (...) {
    Canvas.SetKeyboardCues(oldCues);
    throw;
  }
  Canvas.SetKeyboardCues(oldCues);
}
