// The wizard: the page hooks in order, Back and Next (Finish) states and
// labels, a page that cannot proceed yet, a page whose validation fails,
// and the picture.
#include <utility>

#include "DialogTestSupport.h"
#include "ZQF_ClientLabelGlyph.h"
#include "ZQF_ImageDisplayGlyph.h"
#include "ZQF_NullContainerGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQF_WizardDialogBox.h"
#include "ZQ_Exception.h"
#include "ZQ_ResourceStreamSource.h"

namespace {

// A page of one labelled control that writes each hook it runs into a
// shared log ("A:add", "A:load", ...). It may refuse to proceed until its
// control sends a change, fail its control's validation, and bring its own
// picture.
class LoggingPage : public ZQF_WizardDialogBoxPage {
 public:
  LoggingPage(const std::string& Name, std::string& Log) : Name(Name), Log(Log) {}
  void Init_AddControls(ZQF_AlignmentGlyph* Column) override {
    Note("add");
    control = new NamedControl(Name);
    control->Failure = Failure;
    Column->AddToEnd(new ZQF_StoredTextClientLabelGlyph(
        control, ZQ_String(("Value on page " + Name + ":").c_str()), 2));
  }
  void Init_LoadControls() override { Note("load"); }
  void Cust_LeavePageForward() override { Note("leave"); }
  ZQF_WizardDialogBoxPage* GetNextPage() override { return Next; }
  void HandleNotification(ZQF_NotificationMessage& Message) override {
    Note("notify");
    if (dynamic_cast<ZQF_ControlChangeNotificationMessage*>(&Message)) CanProceed = true;
  }
  bool Cust_CanProceedToNextPage() override { return CanProceed; }
  void SaveControls() override { Note("save"); }
  ZQIMG_Image Cust_GetWizardImage() override { return Picture; }

  std::string Name, Failure;
  std::string& Log;
  ZQF_WizardDialogBoxPage* Next = nullptr;
  NamedControl* control = nullptr;
  bool CanProceed = true;
  ZQIMG_Image Picture;
  void Note(const char* Hook) { Log += (Log.empty() ? "" : " ") + Name + ":" + Hook; }
};

class CountingWizard : public ZQF_WizardDialogBox {
 public:
  explicit CountingWizard(ZQF_WizardDialogBoxPage* First)
      : ZQF_WizardDialogBox(ZQ_String("Station set-up"), First) {}
  void Apply() override { ++applies; }
  int applies = 0;
};

class Wizards : public WindowTest {
 protected:
  static HWND Handle(ZQF_DialogBox& Dialog) { return Dialog.GetWindow()->GetWindowHandle(); }
  // The log since the last call.
  std::string Take() { return std::exchange(log, std::string()); }
  static std::string Label(CountingWizard& Wizard) { return Wizard.GetNextButton()->GetText().GetText(); }
  static bool Shows(CountingWizard& Wizard, LoggingPage& Page) {
    return Wizard.GetCurrentPage() == &Page && ZQF_Glyph::IsDescendantOf(Page.control, Wizard.GetPageArea());
  }
  // Runs the wizard; true when it was cancelled.
  static bool RunCancelled(CountingWizard& Wizard) {
    try { Wizard.Run(); } catch (ZQ_CancelCurrentOperationException&) { return true; }
    return false;
  }

  std::string log;
  LoggingPage first{"A", log}, last{"B", log};
};

}  // namespace

TEST_F(Wizards, NextBackAndFinishRunThePageHooksInOrder) {
  first.Next = &last;
  last.IsLastPage = true;
  CountingWizard wizard(&first);
  IdleStep::Queue([&] {
    const HWND w = Handle(wizard);
    const struct { const char* why; UINT key; LoggingPage& shown; const char *log, *label; bool backEnabled; } steps[] = {
        {"the first page, as opened", 0, first, "A:add A:load A:notify", "&Next", false},
        {"Enter in the page's control presses Next", VK_RETURN, last,
         "A:save A:leave B:add B:load B:notify", "&Finish", true},
        {"Back shows the first page anew", 'B', first, "A:add A:load A:notify", "&Next", false},
        {"Next again", VK_RETURN, last, "A:save A:leave B:add B:load B:notify", "&Finish", true},
    };
    for (const auto& step : steps) {
      SCOPED_TRACE(step.why);
      if (step.key == 'B') {
        wizard.GetBackButton()->ProcessUpOverButtonEvent();
      } else if (step.key) {
        PressKey(w, step.key);
      }
      EXPECT_TRUE(Shows(wizard, step.shown));
      EXPECT_EQ(Take(), step.log);
      EXPECT_EQ(Label(wizard), step.label);
      EXPECT_EQ(wizard.GetBackButton()->IsEnabled(), step.backEnabled);
      EXPECT_TRUE(step.shown.control->IsOnFocusPath());
    }
    PumpMessages();
    const ZQIMG_Image shot = SaveScreenshot(w, "wizard-last-page");
    // The library's picture (8 bits per pixel with a palette in the file)
    // left of the page, the top-left pixel of its deep blue sky.
    const ZQ_String file = ZQ_LoadResourceIntoString(ZQ_String("ZQF_STANDARDWIZARDIMAGE"), ZQ_String());
    EXPECT_EQ(file.GetText()[28], 8);
    EXPECT_GT(static_cast<unsigned char>(file.GetText()[10]), 54);
    const ZQ_Point<long> corner = wizard.GetImageDisplay()->GlyphToWindow(ZQ_Point<long>(0, 0));
    EXPECT_EQ(wizard.GetImageDisplay()->GetImage().GetHeight(), 379);
    EXPECT_EQ(shot.GetPixelColor(corner.X, corner.Y), ZQR_Color(16, 36, 104));
    EXPECT_LT(corner.X, wizard.GetPageArea()->GlyphToWindow(ZQ_Point<long>(0, 0)).X);
    PressKey(w, VK_RETURN);  // Finish
  });
  EXPECT_FALSE(RunCancelled(wizard));
  EXPECT_EQ(Take(), "B:save B:leave");
  EXPECT_EQ(wizard.applies, 1);
  EXPECT_EQ(wizard.GetWindow(), nullptr);
}

TEST_F(Wizards, NextStaysDisabledUntilThePageCanProceedAndAPagePictureReplacesTheWizards) {
  first.CanProceed = false;
  first.Next = &last;
  first.Picture = ZQIMG_Image(40, 60, 24);
  CountingWizard wizard(&first);
  IdleStep::Queue([&] {
    EXPECT_EQ(wizard.GetImageDisplay()->GetImage().GetWidth(), 40);
    EXPECT_FALSE(wizard.GetNextButton()->IsEnabled());
    PressKey(Handle(wizard), VK_RETURN);  // passes the disabled default by
    EXPECT_TRUE(Shows(wizard, first));
    ZQF_ControlChangeNotificationMessage change(first.control);
    first.control->Dispatch(change);
    EXPECT_TRUE(wizard.GetNextButton()->IsEnabled());
    PressKey(Handle(wizard), VK_ESCAPE);
  });
  EXPECT_TRUE(RunCancelled(wizard));
  EXPECT_EQ(Take(), "A:add A:load A:notify A:notify");
  EXPECT_EQ(wizard.applies, 0);
}

TEST_F(Wizards, AValidationErrorKeepsThePageAndRunsNeitherLeavingHook) {
  first.Failure = "Enter the station's height.";
  first.Next = &last;
  CountingWizard wizard(&first);
  bool boxShown = false;
  IdleStep::Queue([&] {
    Take();
    IdleStep::Queue([&] {  // inside the error box's loop, the box focused
      boxShown = ::GetFocus() != Handle(wizard);
      PressKey(::GetFocus(), VK_RETURN);
    });
    PressKey(Handle(wizard), VK_RETURN);
    EXPECT_TRUE(Shows(wizard, first));
    EXPECT_EQ(first.control->NumValidations, 1);
    PressKey(Handle(wizard), VK_ESCAPE);
  });
  EXPECT_TRUE(RunCancelled(wizard));
  EXPECT_TRUE(boxShown);
  EXPECT_EQ(Take(), "");
}
