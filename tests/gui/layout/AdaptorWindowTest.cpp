// The click on OK in a real window, through a command adaptor: the command
// reaches a handler on the focus path above the dialog's controls.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "LayoutFormSupport.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_AddButton.h"
#include "ZQF_ButtonCommandAdaptorGlyph.h"
#include "ZQF_MessageHookGlyph.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_StandardTextButtonGlyph.h"

namespace {

class OkCommandMessage : public ZQF_StandardCommandMessage {};
class OkCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};

// The dialog's command handler: a hook on commands, updates and
// notifications, as a dialog-level plug-in would install. Logs "C" for the
// OK command and "N" for any notification that reaches the dialog.
struct OkHandler {
  bool answering = false;
  VisitLog* log = nullptr;
  void Call(ZQF_Message& Message, bool SecondTry) {
    if (SecondTry) return;
    if (dynamic_cast<OkCommandMessage*>(&Message)) {
      log->push_back("C");
      Message.SetHandled();
    } else if (auto* update = dynamic_cast<OkCommandUpdateMessage*>(&Message)) {
      if (!answering) return;
      update->SetEnabled(true);
      update->SetHandled();
    } else if (dynamic_cast<ZQF_NotificationMessage*>(&Message)) {
      log->push_back("N");
    }
  }
};

void RunIdleActions() {
  ZQF_ActionQueue::ResetIdleCycle();
  while (ZQF_ActionQueue::ProcessNextAction()) {
  }
}

LPARAM CentreOf(ZQF_Glyph* Glyph) {
  const ZQ_Rectangle<long>& box = Glyph->GetBoundingBox();
  return Point(box.X + box.Width / 2, box.Y + box.Height / 2);
}

using AdaptorWindow = WindowTest;

TEST_F(AdaptorWindow, ClickOnOkDispatchesTheCommandAlongTheFocusPath) {
  // dialog (hooks) -> column [value field, row [glue, OK in its adaptor]]
  auto* column = new ZQF_ColumnGlyph;
  auto* dialog = new ZQF_MessageHookGlyph(column);
  OkHandler handler;
  handler.log = &log;
  dialog->InstallMessageHook(ZQF_MessageHookGlyph::HookCallback(&handler, &OkHandler::Call),
                             ZQF_MessageHookGlyph::Interest_Command |
                                 ZQF_MessageHookGlyph::Interest_Update |
                                 ZQF_MessageHookGlyph::Interest_Notification,
                             0);
  column->AddToBottom(ValueField("31.5"));
  auto* row = new ZQF_RowGlyph;
  column->AddToBottom(row);
  row->AddToRight(new ZQF_HorizontalGlueGlyph);
  auto* ok = new ZQF_StandardTextButtonGlyph("OK", ZQF_ButtonGlyph::ToggleMode_OneState,
                                             ZQF_ButtonGlyph::State_Up);
  Util_AddButton(row, ok, std::make_unique<OkCommandMessage>(),
                 std::make_unique<OkCommandUpdateMessage>(), ZQ_String(), true);
  const HWND handle = OpenAround(dialog)->GetWindowHandle();
  ASSERT_FALSE(ok->IsOnFocusPath());

  RunIdleActions();  // nobody answers yet: greyed, and a click does nothing
  ASSERT_FALSE(ok->IsEnabled());
  Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(ok));
  Send(handle, WM_LBUTTONUP, 0, CentreOf(ok));
  EXPECT_EQ(Joined(log), "");

  handler.answering = true;
  RunIdleActions();
  ASSERT_TRUE(ok->IsEnabled());
  Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(ok));
  EXPECT_TRUE(ok->IsOnFocusPath());
  EXPECT_EQ(::GetCapture(), handle);
  EXPECT_TRUE(ok->IsPressedLook());
  Send(handle, WM_LBUTTONUP, 0, CentreOf(ok));
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(ok->GetState(), ZQF_ButtonGlyph::State_Up);
  // One command; the button's notifications ended at its adaptor.
  EXPECT_EQ(Joined(log), "C");
  PumpMessages();
  SaveScreenshot(handle, "AdaptorOkButton");
}

}  // namespace
