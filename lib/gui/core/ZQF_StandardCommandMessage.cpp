#include "ZQF_StandardCommandMessage.h"

void ZQF_StandardCommandUpdateMessage::Reset() {
  ZQF_UpdateMessage::Reset();
  Enabled = false;
}

void ZQF_StandardToggleCommandUpdateMessage::Reset() {
  ZQF_StandardCommandUpdateMessage::Reset();
  Checked = false;
}
