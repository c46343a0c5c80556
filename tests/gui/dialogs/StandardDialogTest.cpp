// Standard and simple dialogs: the build order of each button placement,
// spacers, the OK, Cancel and Apply sequences, Enter and Escape, and the
// frame of the default button following the focus.
#include "DialogTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_CheckBoxGlyph.h"
#include "ZQF_FloatInputGlyph.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQF_DialogBoxManagerGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_Metrics.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_StandardDialogBox.h"
#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQ_Exception.h"

namespace {

// A simple dialog of two named controls that counts its steps; it can add an
// Apply button, a spacer of its own, and decline Enter and Escape.
class CountingDialog : public ZQF_SimpleDialogBox {
 public:
  explicit CountingDialog(unsigned Placement = ZQF_ButtonPlacement_BelowRight,
                          int Modality = ZQF_DialogBoxModality_Modal)
      : ZQF_SimpleDialogBox(ZQ_String("Counting"), Placement, false) {
    // The simple dialog is modal; a modeless one lets a test look at its tree.
    if (Modality != ZQF_DialogBoxModality_Modal) ForceModeless = true;
    AddToClientArea(first = new NamedControl("first"), ZQ_String("&First value"));
    AddToClientArea(second = new NamedControl("second"));
  }
  void Run() override {
    if (!ForceModeless) return ZQF_SimpleDialogBox::Run();
    Initialize();
  }
  void Init_AddButtons() override {
    ZQF_SimpleDialogBox::Init_AddButtons();
    if (WithApply) {
      apply = AddButton(ZQ_String("&Apply"), false,
                        ZQ_Functor0(static_cast<ZQF_StandardDialogBox*>(this),
                                    &ZQF_StandardDialogBox::RespondToApplyButton));
    }
    if (SpacerFactor > 0) AddButtonSpacer(SpacerFactor);
  }
  void SaveControls() override { ++saves; }
  void Cust_Apply() override { ++applies; }
  bool Cust_HandlesEnterAndEscape() override { return HandlesEnterAndEscape; }

  NamedControl *first, *second;
  ZQF_ButtonGlyph* apply = nullptr;
  bool WithApply = false, HandlesEnterAndEscape = true, ForceModeless = false;
  double SpacerFactor = 0;
  int saves = 0, applies = 0;
};

// "client", "buttons", or for the button organizer "F" frame, "S" fixed
// spacer and "G" stretchable glue.
std::string Describe(ZQF_Glyph* Organizer, const CountingDialog& Dialog, bool Vertical) {
  std::string text;
  for (ZQF_Glyph* g = Organizer->GetFirstChild(); g; g = g->GetNextSibling()) {
    std::string item;
    if (g == Dialog.GetClientControlOrganizer()) {
      item = "client";
    } else if (dynamic_cast<ZQF_MarginGlyph*>(g)) {
      item = "buttons";
    } else if (dynamic_cast<DialogBoxButtonFrameGlyph*>(g)) {
      item = "F";
    } else {
      const ZQ_Point<long>& maximum = g->GetDesiredSize().Maximum;
      item = (Vertical ? maximum.Y : maximum.X) > 10000 ? "G" : "S";
    }
    text += (text.empty() ? "" : " ") + item;
  }
  return text;
}

class StandardDialogs : public WindowTest {
 protected:
  static HWND Handle(ZQF_DialogBox& Dialog) { return Dialog.GetWindow()->GetWindowHandle(); }
};

}  // namespace

TEST_F(StandardDialogs, EachButtonPlacementBuildsItsOrganizersInOrder) {
  const struct {
    unsigned placement;
    const char *main, *buttons;
  } rows[] = {{0, "client buttons", "F S F G"},   {1, "client buttons", "G F S F G"},
              {2, "client buttons", "G F S F"},   {3, "buttons client", "F S F G"},
              {4, "buttons client", "G F S F G"}, {5, "buttons client", "G F S F"},
              {6, "client buttons", "F S F G"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.placement);
    CountingDialog dialog(row.placement, ZQF_DialogBoxModality_Modeless);
    dialog.Run();
    ZQF_Glyph* main = dialog.GetDialogBoxManager()->GetFirstChild();
    EXPECT_EQ(Describe(main, dialog, false), row.main);
    EXPECT_EQ(Describe(dialog.GetButtonOrganizer(), dialog, row.placement == 6), row.buttons);
    EXPECT_EQ(dynamic_cast<ZQF_ColumnGlyph*>(main) != nullptr, row.placement != 6);
    // The first stop takes the focus: the client control, or OK above it.
    EXPECT_TRUE(row.placement >= 3 && row.placement <= 5 ? dialog.GetDefaultButton()->IsOnFocusPath()
                                                         : dialog.first->IsOnFocusPath());
    EXPECT_EQ(dialog.GetDefaultDefaultButton(), dialog.GetDefaultButton());
    dialog.Close();
  }
}

TEST_F(StandardDialogs, SpacersRoundHalvesDown) {
  const long spacing = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X;
  const struct {
    double factor;
    long width;
  } rows[] = {{4.5 / spacing, 4}, {5.5 / spacing, 5}, {5.6 / spacing, 6}, {2.0, 2 * spacing}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.factor);
    CountingDialog dialog(ZQF_ButtonPlacement_BelowRight, ZQF_DialogBoxModality_Modeless);
    dialog.SpacerFactor = row.factor;
    dialog.Run();
    ZQF_Glyph* spacer = dialog.GetButtonOrganizer()->GetLastChild();
    EXPECT_EQ(spacer->GetDesiredSize().Natural.X, row.width);
    dialog.Close();
  }
}

TEST_F(StandardDialogs, OkCancelApplyEscapeAndTheCloseButtonEndAsTheyShould) {
  const struct {
    const char* why;
    bool withApply, showCancel;
    std::function<void(CountingDialog&, HWND)> act;
    bool cancelled;
    int saves, applies;
  } rows[] = {
      {"Enter in a client control presses OK", false, true,
       [](CountingDialog&, HWND w) { PressKey(w, VK_RETURN); }, false, 1, 1},
      {"Escape cancels", false, true, [](CountingDialog&, HWND w) { PressKey(w, VK_ESCAPE); },
       true, 0, 0},
      {"Escape cancels a dialog without a Cancel button", false, false,
       [](CountingDialog&, HWND w) { PressKey(w, VK_ESCAPE); }, true, 0, 0},
      {"the close button cancels", false, true,
       [](CountingDialog& d, HWND) {
         ZQF_CloseWindowCommandMessage close;
         d.GetTopLevelGlyph()->Dispatch(close);
       },
       true, 0, 0},
      {"Enter on the focused Cancel button presses Cancel", false, true,
       [](CountingDialog& d, HWND w) {
         d.GetDialogBoxManager()->SelectControl(d.GetDialogBoxManager()->GetLastControl(
             d.GetDialogBoxManager()));
         PressKey(w, VK_RETURN);
       },
       true, 0, 0},
      {"OK with an invalid control: its box, then OK again once it is right", false, true,
       [](CountingDialog& d, HWND w) {
         d.second->Failure = "Enter the height.";
         IdleStep::Queue([] { PressKey(NewestDialog()->GetWindow()->GetWindowHandle(), VK_RETURN); });
         PressKey(w, VK_RETURN);
         EXPECT_NE(d.GetWindow(), nullptr);
         EXPECT_EQ(d.saves + d.applies, 0);
         EXPECT_TRUE(d.second->IsOnFocusPath());
         d.second->Failure.clear();
         PressKey(w, VK_RETURN);
       },
       false, 1, 1},
      {"Apply, then Cancel: applied again", true, true,
       [](CountingDialog& d, HWND w) {
         d.apply->ProcessUpOverButtonEvent();
         EXPECT_EQ(d.applies, 1);
         PressKey(w, VK_ESCAPE);
       },
       true, 1, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    CountingDialog dialog;
    dialog.WithApply = row.withApply;
    dialog.SetShowCancelButton(row.showCancel);
    IdleStep::Queue([&] {
      EXPECT_EQ(dialog.GetButtonOrganizer()->CountNumberOfDirectChildren(),
                row.withApply ? 6 : row.showCancel ? 4 : 2);
      row.act(dialog, Handle(dialog));
    });
    bool cancelled = false;
    try {
      dialog.Run();
    } catch (ZQ_CancelCurrentOperationException&) {
      cancelled = true;
    }
    EXPECT_EQ(cancelled, row.cancelled);
    EXPECT_EQ(dialog.saves, row.saves);
    EXPECT_EQ(dialog.applies, row.applies);
    EXPECT_EQ(dialog.GetWindow(), nullptr);
  }
}

TEST_F(StandardDialogs, WithoutEnterAndEscapeTheManagerLeavesBothKeys) {
  CountingDialog dialog;
  dialog.HandlesEnterAndEscape = false;
  IdleStep::Queue([&] {
    PressKey(Handle(dialog), VK_ESCAPE);
    PressKey(Handle(dialog), VK_RETURN);
    EXPECT_NE(dialog.GetWindow(), nullptr);
    dialog.Close();
  });
  dialog.Run();
  EXPECT_EQ(dialog.saves, 0);
}

TEST_F(StandardDialogs, TheDarkFrameMarksTheButtonThatEnterWouldPress) {
  CountingDialog dialog(ZQF_ButtonPlacement_BelowRight, ZQF_DialogBoxModality_Modeless);
  dialog.Run();
  ZQF_DialogBoxManagerGlyph* manager = dialog.GetDialogBoxManager();
  ZQF_ButtonGlyph* ok = dialog.GetDefaultButton();
  ZQF_ButtonGlyph* cancel = static_cast<ZQF_ButtonGlyph*>(manager->GetLastControl(manager));
  const auto frameColor = [&](const ZQIMG_Image& Shot, ZQF_ButtonGlyph* Button) {
    ZQF_Glyph* frame = Button;
    while (!dynamic_cast<DialogBoxButtonFrameGlyph*>(frame)) frame = frame->GetParent();
    const ZQ_Rectangle<long>& box = frame->GetBoundingBox();
    return Shot.GetPixelColor(box.X, box.Y + box.Height / 2);
  };
  const ZQR_Color dark = ZQF_GetColorMetric(ZQF_ColorMetric_LabelText), face = ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground);
  manager->ActivateKeyboardNavigationIndicator_Menomics();
  PumpMessages();
  const ZQIMG_Image first = SaveScreenshot(Handle(dialog), "dialog-standard-default-frame");
  EXPECT_EQ(frameColor(first, ok), dark);
  EXPECT_EQ(frameColor(first, cancel), face);
  PressKey(Handle(dialog), VK_TAB);  // to "second"
  PressKey(Handle(dialog), VK_TAB);  // to OK
  PressKey(Handle(dialog), VK_TAB);  // to Cancel
  PumpMessages();
  EXPECT_TRUE(cancel->IsOnFocusPath());
  const ZQIMG_Image moved = CaptureClientArea(Handle(dialog));
  EXPECT_EQ(frameColor(moved, ok), face);
  EXPECT_EQ(frameColor(moved, cancel), dark);
  dialog.Close();
}

TEST_F(StandardDialogs, AltShowsTheCuesAndAMnemonicReachesALabelledFieldOrAButton) {
  ZQF_SimpleDialogBox dialog(ZQ_String("Measurement"), ZQF_ButtonPlacement_BelowRight, false);
  auto* temperature = new ZQF_FloatInputGlyph(31.5, 3, -50.0, 60.0);
  auto* station = new ZQF_TextEditGlyph(0);
  station->SetText(ZQ_String("North field"));
  station->SetFixedSize(24, 1, false, true);
  auto* wet = new ZQF_CheckBoxGlyph(ZQ_String("&Wet bulb measured"), false, 0);
  dialog.AddToClientArea(temperature, ZQ_String("Air &temperature"));
  dialog.AddToClientArea(station, ZQ_String("&Station && site"));
  dialog.AddToClientArea(wet);
  IdleStep::Queue([&] {
    const HWND window = Handle(dialog);
    EXPECT_TRUE(temperature->IsOnFocusPath());
    SetModifierKeys(false, false, true);
    Send(window, WM_SYSKEYDOWN, VK_MENU, 0x20000001);
    EXPECT_EQ(dialog.GetDialogBoxManager()->GetKeyboardNavigationIndicators(), 3);
    Send(window, WM_SYSCHAR, 's', 0x20000001);  // the label "&Station && site"
    EXPECT_TRUE(station->IsOnFocusPath());
    Send(window, WM_SYSCHAR, 'w', 0x20000001);  // the check box toggles
    SetModifierKeys(false, false, false);
    PumpMessages();
    SaveScreenshot(window, "dialog-simple-labelled-inputs-cues");
    EXPECT_TRUE(wet->IsChecked());
    PressKey(window, VK_ESCAPE);
  });
  EXPECT_THROW(dialog.Run(), ZQ_CancelCurrentOperationException);
}

TEST_F(StandardDialogs, AFocusedControlThatVanishesHandsTheFocusOnAtTheNextIdleTime) {
  CountingDialog dialog(ZQF_ButtonPlacement_BelowRight, ZQF_DialogBoxModality_Modeless);
  dialog.Run();
  ASSERT_TRUE(dialog.first->IsOnFocusPath());
  RunIdleActions();
  EXPECT_TRUE(dialog.first->IsOnFocusPath());  // nothing to do while it shows
  dialog.first->GetParent()->LayoutChild(dialog.first, ZQ_Rectangle<long>(0, 0, 0, 0));
  RunIdleActions();
  EXPECT_TRUE(dialog.second->IsOnFocusPath());
  dialog.Close();
}
