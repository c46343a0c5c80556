#include "ZQF_MainApplicationTopLevelGlyph.h"

#include "ZQF_ApplicationLink.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQ_PrinterManager.h"

ZQF_MainApplicationTopLevelGlyph::ZQF_MainApplicationTopLevelGlyph(ZQF_Glyph* Client)
    : ZQF_TopLevelGlyph(Client) {
  AddHelpTopic(ZQ_String("ZQF_ApplicationMainWindow_id"));
}

void ZQF_MainApplicationTopLevelGlyph::HandleCommand(ZQF_CommandMessage& Message,
                                                     bool SecondTry) {
  ZQF_TopLevelGlyph::HandleCommand(Message, SecondTry);
  if (Message.IsHandled()) return;
  if (dynamic_cast<ZQF_ExitCommandMessage*>(&Message)) {
    ZQF_CloseWindowCommandMessage close;
    Dispatch(close);
    Message.SetHandled();
  } else if (dynamic_cast<ZQF_PageSetupCommandMessage*>(&Message)) {
    ZQ_PrinterManager::RunPageSetupDialogBox();
    Message.SetHandled();
  }
}

void ZQF_MainApplicationTopLevelGlyph::HandleUpdate(ZQF_UpdateMessage& Message, bool) {
  if (Message.IsHandled()) return;
  if (dynamic_cast<ZQF_ExitCommandUpdateMessage*>(&Message) ||
      dynamic_cast<ZQF_PageSetupCommandUpdateMessage*>(&Message)) {
    static_cast<ZQF_StandardCommandUpdateMessage&>(Message).SetEnabled(true);
    Message.SetHandled();
  }
}

void ZQF_MainApplicationTopLevelGlyph::DestroyContainingWindow() {
  // A close that arrives while the program starts (from another program, or
  // under a splash box at stage 5) would run the closing stages inside the
  // starting ones.
  if (ZQF_ApplicationLink_DeferMainWindowClose()) return;
  ZQF_ApplicationLink_PrepareForAppMainWindowDestruction();
  ZQF_TopLevelGlyph::DestroyContainingWindow();
}

bool ZQF_MainApplicationTopLevelGlyph::IsMainOrSecondaryWindowRoot() const { return true; }
