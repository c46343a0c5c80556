// A main window as a user meets it: a menu bar, a toolbar above the
// contents with its buttons enabled by idle updates, and a toolbar button's
// tooltip shown; saved as a rectangle of the screen, since the menu bar and
// the tooltip lie outside the client area.
#include <gtest/gtest.h>

#include <vector>

#include "../core/MenuTestSupport.h"
#include "../core/WindowTestSupport.h"
#include "LayoutFormSupport.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_Tooltips.h"
#include "ZQF_TransientWindow.h"
#include "ZQF_ToolbarGlyph.h"

namespace {

using T = ZQF_ToolbarGlyph;

// column [toolbar (Cut, Copy, Paste, a spacer, Undo, Redo), the weather form,
// the command target (the focus child): Cut answered enabled, Copy
// disabled, the others unanswered].
TEST_F(WindowTest, MainWindowWithMenuBarToolbarAndTooltip) {
  auto* toolbar = new T(T::ButtonActive_FocusPath, -1, -1);
  std::vector<ZQF_ButtonGlyph*> buttons;
  const long ids[] = {T::Button_Cut, T::Button_Copy, T::Button_Paste, -1,
                      T::Button_Undo, T::Button_Redo};  // -1: a spacer
  for (long id : ids) {
    ZQ_String bitmap, tooltip;
    if (id < 0) toolbar->AddSpacer(1);
    if (id >= 0) buttons.push_back(toolbar->AddStandardButton(id, bitmap, tooltip, "", 2, false));
  }
  WeatherForm form;
  auto* target = new MenuTarget;
  target->SetSize(1, 1);
  auto* column = new ZQF_ColumnGlyph;
  column->AddToBottom(toolbar);
  column->AddToBottom(new ZQF_MarginGlyph(form.root, 8, 8, 0));
  column->AddToBottom(target);
  column->SetFocusChild(target);
  ZQF_Window* window = Open(new MenuBarWindow(new ZQF_TopLevelGlyph(column)),
                            ZQ_Rectangle<long>(200, 150, 440, 340));
  const HWND handle = window->GetWindowHandle();
  window->SetTitleText("Heat stress at the site");
  EditMenu menu(window);
  menu.Init_Build();
  menu.Attach();
  ::DrawMenuBar(handle);
  window->SetFocus();
  RunIdleActions();
  ASSERT_NE(::GetMenu(handle), nullptr);
  const bool enabled[] = {true, false, false, false, false};
  for (size_t i = 0; i < buttons.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(buttons[i]->IsEnabled(), enabled[i]);
  }

  // The pointer rests on Cut until the tooltip's delay ends.
  const ZQ_Rectangle<long>& cut = buttons[0]->GetBoundingBox();
  const ZQ_Point<long> at(cut.X + cut.Width / 2, cut.Y + cut.Height / 2);
  const ZQ_Point<long> pointer = buttons[0]->WindowToScreen(at);
  ::SetCursorPos(pointer.X, pointer.Y);
  Send(handle, WM_MOUSEMOVE, 0, Point(at.X, at.Y));
  ZQF_Tooltips::Get().RaiseEvent(ZQF_TooltipStateMachine::StateChange_TimerFireEvent);
  PumpMessages();
  ZQF_TransientWindow* tip = ZQF_Tooltips::Get().GetTooltipWindow();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(ZQF_Tooltips::Get().GetCurrentGlyph(), buttons[0]);
  ::UpdateWindow(tip->GetWindowHandle());
  const ZQ_Rectangle<long> shown = tip->GetWindowRectangle();
  EXPECT_GT(shown.Y, pointer.Y);  // below the pointer

  ZQ_Rectangle<long> area = ZQ_Rectangle<long>::Union(window->GetWindowRectangle(), shown);
  area = ZQ_Rectangle<long>(area.X - 10, area.Y - 10, area.Width + 20, area.Height + 20);
  const ZQIMG_Image shot = SaveScreenRectangleShot(area, "MainWindowWithToolbarAndTooltip");
  // The tooltip's face, as the screen shows it.
  EXPECT_EQ(shot.GetPixelColor(shown.X - area.X + 3, shown.Y - area.Y + 3),
            ZQF_GetColorMetric(ZQF_ColorMetric_TooltipBackground));
}

}  // namespace
