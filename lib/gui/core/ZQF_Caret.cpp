#include "ZQF_Caret.h"

namespace {

struct CaretGuard {
  bool TurnedOn = false;
  bool PaintingEnabled = true;
};

CaretGuard s_caret;

// Brings the system caret in line with the flags. The caret is never
// turned on, so there is no system caret to show or hide.
void UpdateCaretVisualState() {}

}  // namespace

void ZQF_Caret::TurnOff() {
  s_caret.TurnedOn = false;
  UpdateCaretVisualState();
}

void ZQF_Caret::DisableBeforePainting() {
  s_caret.PaintingEnabled = false;
  UpdateCaretVisualState();
}

void ZQF_Caret::EnableAfterPainting() {
  s_caret.PaintingEnabled = true;
  UpdateCaretVisualState();
}

bool ZQF_Caret::IsTurnedOn() { return s_caret.TurnedOn; }
bool ZQF_Caret::IsPaintingEnabled() { return s_caret.PaintingEnabled; }
