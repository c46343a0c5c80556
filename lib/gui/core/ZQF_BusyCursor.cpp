#include "ZQF_BusyCursor.h"

#include "ZQF_Metrics.h"
#include "ZQF_Window.h"
#include "ZQR_Cursor.h"
#include "ZQ_InitializationService.h"
#include "ZQ_ProgressReportService.h"

namespace {

const int kWaitCursor = ZQF_CursorMetric_Wait;

class ZQF_ProgressReportService_DisplayHook_BusyCursor
    : public ZQ_ProgressReportService_DisplayHook {
 public:
  // Once for the program: stage 4 may be performed again by a program that
  // starts its stages anew, and the service's hook table is small.
  void Register() {
    if (IsRegistered) return;
    ZQ_ProgressReportService_RegisterSecondaryDisplayHook(this);
    IsRegistered = true;
  }

  void Display() override {
    SavedCursor = ZQR_Cursor::GetCursorToUse();
    ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(kWaitCursor));
    ZQR_Cursor::UseCursor();
  }

  void Erase() override {
    if (ZQF_Window* focused = ZQF_Window::GetFocusWindow()) {
      focused->SetCursorViaSetMouseCursorMessage();
      return;
    }
    ZQR_Cursor::SetCursorToUse(SavedCursor);
    ZQR_Cursor::UseCursor();
  }

  // The cursor does not change while a task advances.
  void Update(const ZQ_ProgressReportService_Manager&) override {}

 private:
  ZQR_Cursor SavedCursor;
  bool IsRegistered = false;
};

ZQF_ProgressReportService_DisplayHook_BusyCursor s_busyCursor;

const ZQ_StageCallbackRegistration s_registration(&ZQF_BusyCursor_InitializationServiceCallback,
                                                  ZQ_InitializationService::Position_BusyCursor);

}  // namespace

void ZQF_BusyCursor_InitializationServiceCallback(int Stage) {
  if (Stage == ZQ_InitializationService::Stage_InitializeGlobal) s_busyCursor.Register();
}
