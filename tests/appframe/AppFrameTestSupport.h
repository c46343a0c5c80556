// AppFrameTestSupport.h: an application object and GUI metrics for the
// in-process tests of the framework, in a window fixture (stages 1-7 run,
// windows under Xvfb). The fixture's application is made anew for each test
// and its main window, when a test built one, destroyed after it.
#ifndef APP_FRAME_TEST_SUPPORT_H
#define APP_FRAME_TEST_SUPPORT_H

#include <memory>

#include "../gui/core/WindowTestSupport.h"
#include "ZQF_Application.h"
#include "ZQF_ApplicationMetrics.h"

class TestMetrics : public ZQF_ApplicationMetrics {
 public:
  ZQ_String GetApplicationName() const override { return ZQ_String("Frame Test"); }
  ZQ_String GetVersionString() const override { return ZQ_String("2.5"); }
};

class AppFrameTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    harnessMain = ZQLOW_WIN_GetProgramMainWindowHandle();
    metrics.reset(new TestMetrics);
    app.reset(new ZQF_Application);
  }
  void TearDown() override {
    if (app->GetMainWindow() && app->GetMainWindow()->GetWindowHandle()) {
      ::DestroyWindow(app->GetMainWindow()->GetWindowHandle());
    }
    PumpMessages();  // the main window's quit message among them
    app.reset();
    metrics.reset();
    ZQLOW_WIN_SetProgramMainWindowHandle(harnessMain);
    WindowTest::TearDown();
  }
  // The chain and the window, constructed at the given show command.
  HWND OpenMainWindow(int ShowCommand = SW_SHOWNA) {
    app->InitializeInstance();
    app->InitializeMainWindow();
    app->DisplayMainWindow(ShowCommand);
    PumpMessages();
    return app->GetMainWindow()->GetWindowHandle();
  }

  HWND harnessMain = nullptr;
  // Made first: no default metrics may come into being, as they would stay.
  std::unique_ptr<TestMetrics> metrics;
  std::unique_ptr<ZQF_Application> app;
};

#endif
