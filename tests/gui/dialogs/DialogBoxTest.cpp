// Dialog boxes in real windows: modality, nesting, cancelling, placement,
// the close steps and the window's toggle requests.
#include "DialogTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_DialogActionGlyph.h"
#include "ZQF_DialogBox.h"
#include "ZQF_Metrics.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_WindowBorderGlyph.h"
#include "ZQF_WindowBorderGlyphOptionsSet.h"
#include "ZQ_Exception.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_StackTrace.h"

namespace {

// A dialog of one control whose desired size the test chooses.
class PlainDialog : public ZQF_DialogBox {
 public:
  explicit PlainDialog(int Modality, ZQ_Point<long> Natural = ZQ_Point<long>(200, 100),
                       ZQ_Point<long> Minimum = ZQ_Point<long>(50, 40))
      : ZQF_DialogBox(Modality, ZQ_String("Plain")), Natural(Natural), Minimum(Minimum) {}
  ZQF_Glyph* Init_CreateClientGlyphTree() override {
    auto* control = new NamedControl("only");
    control->SetFixedDesiredSize(Natural, Minimum, ZQ_Point<long>(0x10000, 0x10000));
    return new ZQF_DialogActionGlyph(control);
  }
  bool Cust_RemembersWindowLayout() override {
    if (RecordCloseSteps) {
      for (ZQ_StackTraceEntry* e = ZQ_StackTrace_Base + 1; e <= ZQ_StackTrace_Top; ++e) {
        if (e->Kind == -3) Notes += reinterpret_cast<const char*>(e->Value);
      }
    }
    return true;
  }
  ZQ_Point<long> Natural, Minimum;
  bool RecordCloseSteps = false;
  std::string Notes;
};

class DialogBoxes : public WindowTest {
 protected:
  ZQF_Window* OpenPlainWindow() { return OpenAround(new RecordingGlyph("plain", &log)); }
  static bool Enabled(ZQF_Window* Window) { return ::IsWindowEnabled(Window->GetWindowHandle()); }
  static ZQ_Rectangle<long> Place(PlainDialog& Dialog) {
    return Dialog.GetWindow()->GetWindowRectangle();
  }
};

}  // namespace

TEST_F(DialogBoxes, ModalDialogsDisableOtherWindowsButModelessOnesAndNestInBalance) {
  ZQF_Window* other = OpenPlainWindow();
  ZQF_Window* doomed = OpenPlainWindow();
  PlainDialog modeless(ZQF_DialogBoxModality_Modeless);
  modeless.Run();
  PlainDialog outer(ZQF_DialogBoxModality_Modal);
  PlainDialog inner(ZQF_DialogBoxModality_Modal);
  ZQF_Window* madeDuringRun = nullptr;
  IdleStep::Queue([&] {
    EXPECT_FALSE(Enabled(other));
    EXPECT_TRUE(Enabled(modeless.GetWindow()));
    EXPECT_TRUE(Enabled(outer.GetWindow()));
    IdleStep::Queue([&] {
      EXPECT_EQ(other->GetDisableLevel(), 2);
      EXPECT_FALSE(Enabled(outer.GetWindow()));
      EXPECT_TRUE(Enabled(modeless.GetWindow()));
      doomed->Destroy();
      madeDuringRun = OpenPlainWindow();
      inner.Close();
    });
    inner.Run();
    EXPECT_EQ(other->GetDisableLevel(), 1);
    EXPECT_TRUE(Enabled(outer.GetWindow()));
    EXPECT_EQ(madeDuringRun->GetDisableLevel(), 0);
    outer.Close();
  });
  outer.Run();
  EXPECT_EQ(other->GetDisableLevel(), 0);
  EXPECT_TRUE(Enabled(other));
  EXPECT_TRUE(Enabled(madeDuringRun));
  EXPECT_EQ(outer.GetWindow(), nullptr);
  EXPECT_NE(modeless.GetWindow(), nullptr);
}

TEST_F(DialogBoxes, CancelsThrowAfterTheWindowIsGoneAndTheOthersAreEnabled) {
  ZQF_Window* other = OpenPlainWindow();
  const struct {
    const char* why;
    std::function<void(PlainDialog&)> cancel;
    bool quitWaits;
  } rows[] = {
      {"the close button", [](PlainDialog& d) {
         ZQF_CloseWindowCommandMessage close;
         d.GetTopLevelGlyph()->Dispatch(close);
       }, false},
      {"a quit message", [](PlainDialog&) { ::PostQuitMessage(3); }, true},
      {"its window destroyed by another",
       [](PlainDialog& d) { ::DestroyWindow(d.GetWindow()->GetWindowHandle()); }, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    PlainDialog dialog(ZQF_DialogBoxModality_Modal);
    IdleStep::Queue([&] { row.cancel(dialog); });
    EXPECT_THROW(dialog.Run(), ZQ_CancelCurrentOperationException);
    EXPECT_EQ(dialog.GetWindow(), nullptr);
    EXPECT_TRUE(Enabled(other));
    EXPECT_EQ(PumpMessages(), row.quitWaits);  // the quit is left for the loop outside
    EXPECT_EQ(dialog.GetClientGlyphTree()->GetParent(), nullptr);  // kept by the dialog
  }
}

TEST_F(DialogBoxes, CloseNamesItsStepsInTheStackTraceAndRemembersTheRectangle) {
  ZQ_RegistryFolder folder;
  PlainDialog dialog(ZQF_DialogBoxModality_Modeless);
  dialog.SetUserConfigurationFolder(&folder);
  dialog.Run();
  const ZQ_Rectangle<long> first = Place(dialog);
  const ZQ_Rectangle<long> work = ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea);
  EXPECT_EQ(first.GetCenter().X, work.GetCenter().X);  // centred at its natural size
  dialog.GetWindow()->Move(ZQ_Rectangle<long>(-50, 30, 20, 20), true);
  dialog.RecordCloseSteps = true;
  dialog.Close();
  EXPECT_EQ(dialog.Notes, "saving configuration");
  dialog.Run();  // the stored place, grown to the minimum and moved onto the work area
  const ZQ_Point<long> minimum = dialog.GetTopLevelGlyph()->GetDesiredSize().Minimum;
  EXPECT_EQ(Place(dialog), ZQ_Rectangle<long>(work.X, 30, minimum.X, minimum.Y));
}

TEST_F(DialogBoxes, FirstPlacementShrinksToTheWorkAreaButNotBelowTheMinimum) {
  const ZQ_Rectangle<long> work = ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea);
  const long margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap24Px).X;
  // Which width wins: the natural one, the space inside the margins, the
  // minimum, the work area.
  enum { Natural, Space, Minimum, Work };
  const struct {
    const char* why;
    ZQ_Point<long> natural, minimum;
    int wins;
  } rows[] = {
      {"natural size fits", {300, 100}, {50, 40}, Natural},
      {"too wide: the space inside the margins", {5000, 100}, {50, 40}, Space},
      {"minimum wider than that space", {5000, 100}, {work.Width - 2 * margin, 40}, Minimum},
      {"minimum wider than the work area", {5000, 100}, {work.Width + 99, 40}, Work},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    PlainDialog dialog(ZQF_DialogBoxModality_Modeless, row.natural, row.minimum);
    dialog.Run();
    const ZQF_DesiredSize& desired = dialog.GetTopLevelGlyph()->GetDesiredSize();
    const long widths[] = {desired.Natural.X, work.Width - 2 * margin, desired.Minimum.X,
                           work.Width};
    EXPECT_EQ(Place(dialog).Width, widths[row.wins]);
    EXPECT_GE(Place(dialog).X, work.X);
  }
}

TEST_F(DialogBoxes, PreciousAreasPushTheWindowToTheNearestGridPointThatLeavesThemFree) {
  const ZQ_Rectangle<long> work = ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea);
  const ZQ_Point<long> size(100, 100);
  const long stepX = (work.Width - 100) / 80;  // grid steps of this screen
  ZQ_List<ZQF_Rectangle> none, covering, everywhere;
  covering.Append(ZQF_Rectangle(work.X + 400, work.Y + 400, 50, 50));
  everywhere.Append(work);
  const struct {
    const char* why;
    ZQ_List<ZQF_Rectangle>* areas;
    ZQ_Point<long> initial;
    bool free;
  } rows[] = {{"no areas: the nearest grid point", &none, {work.X + 400, work.Y + 400}, true},
              {"an area under the first place", &covering, {work.X + 380, work.Y + 380}, true},
              {"every place covers: the nearest one", &everywhere, {work.X, work.Y}, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const ZQF_Rectangle place =
        DetermineWindowPositionWhileAvoidingPreciousAreas(row.initial, size, *row.areas);
    EXPECT_EQ(place.Width, 100);
    EXPECT_EQ(!row.areas->IsEmpty() && ZQF_Rectangle::Intersection(place, row.areas->GetHead())
                                               .Width > 0,
              !row.free);
    EXPECT_LE(std::abs(place.X - row.initial.X) + std::abs(place.Y - row.initial.Y),
              row.areas == &covering ? 200 : 2 * stepX + 40);
  }
}

PlainDialog* s_dialog = nullptr;

TEST_F(DialogBoxes, AnIdleOpenDialogRunsItsRepeatingActionsOnceAndThenWaits) {
  static int s_performed = 0;
  s_performed = 0;
  struct Counter {
    static void Count() { ++s_performed; }
    static void CALLBACK CloseDialog(HWND, UINT, UINT_PTR, DWORD) { s_dialog->Close(); }
  };
  ZQF_ActionQueue::QueueRepeatingAction(ZQ_Functor0(&Counter::Count), 7777, true);
  PlainDialog dialog(ZQF_DialogBoxModality_Modal);
  s_dialog = &dialog;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 400, &Counter::CloseDialog);
  dialog.Run();
  ::KillTimer(nullptr, timer);
  ZQF_ActionQueue::RemoveAllActions(7777);
  EXPECT_GE(s_performed, 1);
  EXPECT_LT(s_performed, 20);  // a busy loop would run it many thousand times
}

TEST_F(DialogBoxes, AFullScreenDialogHasNoEdgeNoMarginsAndAThinTitleGap) {
  PlainDialog dialog(ZQF_DialogBoxModality_Modeless);
  dialog.SetFillsScreen(true);
  ZQF_WindowBorderGlyphOptionsSet options;
  dialog.Init_SetWindowBorderOptions(&options);
  EXPECT_EQ(options.GetOuterEdgeBorderCode(), 0);
  EXPECT_EQ(options.GetClientMargin(), ZQ_Point<long>(0, 0));
  EXPECT_EQ(options.GetTitleBarGap(), ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y);
  EXPECT_FALSE(options.IsMovable() || options.IsResizable() || options.ShowSizeGrip());
  EXPECT_TRUE(options.HasTitleBar() && options.ShowCloseButton());
  dialog.Run();
  EXPECT_EQ(Place(dialog), ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea));
}

namespace {

class ToggleOptions : public ZQF_WindowBorderGlyphOptionsSet {
 public:
  bool ShowMinimizeButton() override { return true; }
  bool ShowMaximizeButton() override { return true; }
};

class ToggleDialog : public PlainDialog {
 public:
  ToggleDialog() : PlainDialog(ZQF_DialogBoxModality_Modeless) {}
  ZQF_WindowBorderGlyph* Init_CreateWindowBorderGlyph(ZQF_Glyph* Client) override {
    auto* options = new ToggleOptions;
    Init_SetWindowBorderOptions(options);
    return new ZQF_WindowBorderGlyph(Client, options);
  }
};

}  // namespace

TEST_F(DialogBoxes, TheBordersToggleRequestsMinimizeMaximizeAndRestoreTheWindow) {
  ToggleDialog dialog;
  dialog.Run();
  const HWND window = dialog.GetWindow()->GetWindowHandle();
  const auto request = [&](bool Maximize) {
    ZQF_ContainerToggleMaximizeRequestNotificationMessage maximize;
    ZQF_ContainerToggleMinimizeRequestNotificationMessage minimize;
    ZQF_NotificationMessage& message =
        Maximize ? static_cast<ZQF_NotificationMessage&>(maximize) : minimize;
    dialog.GetWindowBorderGlyph()->Dispatch(message);
    PumpMessages();
    return message.IsHandled();
  };
  EXPECT_TRUE(request(true));
  EXPECT_TRUE(::IsZoomed(window));
  EXPECT_TRUE(request(true));
  EXPECT_FALSE(::IsZoomed(window));
  EXPECT_TRUE(request(false));
  EXPECT_TRUE(::IsIconic(window));
  EXPECT_TRUE(request(false));
  EXPECT_FALSE(::IsIconic(window));
}
