// The framework's error dialog: its log block, its box by level, and a box
// that cannot be shown ending in a fatal-error report; a quit while a dialog
// runs over the application's loop.
#include "../gui/dialogs/DialogTestSupport.h"
#include "AppFrameTestSupport.h"
#include "DebugLogMark.h"
#include "ZQF_DialogBox.h"
#include "ZQF_MessageDialogBox.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_Exception.h"

namespace {

using ErrorReporting = AppFrameTest;

// Reddish pixels of the open box (the error icon has many, the warning icon
// none).
long RedPixels(HWND Box) {
  const ZQIMG_Image shot = CaptureClientArea(Box);
  long count = 0;
  for (long y = 0; y < shot.GetHeight(); ++y) {
    for (long x = 0; x < shot.GetWidth(); ++x) {
      const ZQR_Color c = shot.GetPixelColor(x, y);
      count += c.GetRed() > 180 && c.GetGreen() < 90 && c.GetBlue() < 90;
    }
  }
  return count;
}

ZQF_DialogBox* OpenBox() { return NewestDialog(); }

}  // namespace

TEST_F(ErrorReporting, EachLevelLogsTheSameBlockAndShowsItsKindOfBox) {
  const struct {
    const char* why;
    ZQ_ReportErrorLevelType level;
    const char* description;
    const char* text;
    bool red;
  } rows[] = {{"an error", ZQ_ReportErrorLevel_Error, "The file is locked.", "The file is locked.",
               true},
              {"a warning without description", ZQ_ReportErrorLevel_Warning, "", "Save failed",
               false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const ZQ_Exception error(ZQ_String("Save failed"), ZQ_String(row.description));
    const LogMark mark;
    IdleStep::Queue([&] {
      ZQF_DialogBox* box = OpenBox();
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->GetTitle(), ZQ_String("Save failed"));
      EXPECT_EQ(RedPixels(box->GetWindow()->GetWindowHandle()) > 50, row.red);
      PostKey(box->GetWindow()->GetWindowHandle(), VK_ESCAPE);  // dropped quietly
    });
    ZQF_StandardErrorReportingFun(error, row.level);
    EXPECT_EQ(mark.Since(), std::string("\n\n\nError Occurred\nName = 'Save failed'\nDescription = '") +
                                row.text + "'\n\n");
  }
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] {
                         ZQF_StandardErrorReportingFun(ZQ_Exception(ZQ_String("x"), ZQ_String()),
                                                       static_cast<ZQ_ReportErrorLevelType>(2));
                       }),
                       "false"));
}

TEST_F(ErrorReporting, ABoxThatCannotBeShownEndsInAFatalReportOfTheError) {
  EXPECT_EXIT(
      {
        ZQLOW_WIN_SetAPIFunctionFailureMode(0);
        const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::CreateWindowExA> noWindow(
            [](DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE, LPVOID) {
              ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
              return static_cast<HWND>(nullptr);
            });
        ZQF_StandardErrorReportingFun(
            ZQ_Exception(ZQ_String("Save failed"), ZQ_String("The disk is full.")),
            ZQ_ReportErrorLevel_Error);
      },
      testing::ExitedWithCode(1), "The disk is full.");
}

TEST_F(ErrorReporting, AQuitWhileADialogRunsCancelsItAndEndsTheLoopOutside) {
  app->InitializeInstance();
  ZQF_MessageDialogBox box(ZQ_String("Waiting"), ZQ_String(""), 1,
                           ZQF_MessageDialogBox::SelectedButton_OK, false);
  bool cancelled = false;
  IdleStep::Queue([&] {
    // A timer message reaches the dialog's own loop.
    struct Quit {
      static void CALLBACK Now(HWND, UINT, UINT_PTR Timer, DWORD) {
        ::KillTimer(nullptr, Timer);
        ::PostQuitMessage(0);
      }
    };
    ::SetTimer(nullptr, 0, 20, &Quit::Now);
    try {
      box.Run();
    } catch (ZQ_CancelCurrentOperationException&) {
      cancelled = true;
    }
  });
  ZQF_ActionQueue::ResetIdleCycle();  // no window message may come to start one
  EXPECT_FALSE(app->PushMessageLoop());  // the quit came on to the loop outside
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(NewestDialog(), nullptr);
}
