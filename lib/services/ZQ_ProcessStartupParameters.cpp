#include "ZQ_ProcessStartupParameters.h"

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

ZQ_ProcessStartupParameters::ZQ_ProcessStartupParameters()
    : InitialLocation{NotGiven, NotGiven},
      InitialSize{NotGiven, NotGiven},
      InitialCharSize{NotGiven, NotGiven},
      BackgroundColorCode(0),
      ForegroundColorCode(0),
      InitialWindowState(State_Normal) {}

const ZQ_ProcessStartupParameters& ZQ_ProcessStartupParameters::GetDefault() {
  static const ZQ_ProcessStartupParameters s_default;
  return s_default;
}

int ZQ_ProcessStartupParameters::GetShowCommand() const {
  ZQ_TRACE_FUNCTION("ZQ_ProcessStartupParameters::GetShowCommand");
  switch (InitialWindowState) {
    case State_Normal: return SW_SHOWNORMAL;
    case State_Maximized: return SW_SHOWMAXIMIZED;
    case State_Minimized: return SW_SHOWMINIMIZED;
    case State_Hidden: return SW_HIDE;
    default: ZQ_ASSERT(false); return 0;
  }
}

WORD ZQ_ProcessStartupParameters::GetColorBits(int ColorCode) {
  ZQ_TRACE_FUNCTION("ZQ_ProcessStartupParameters::GetColorBits");
  const WORD kBlue = FOREGROUND_BLUE, kGreen = FOREGROUND_GREEN, kRed = FOREGROUND_RED,
             kBright = FOREGROUND_INTENSITY;
  switch (ColorCode) {
    case 0: return 0;
    case 1: return kBlue | kGreen | kRed | kBright;
    case 2: return kBlue;
    case 3: return kGreen;
    case 4: return kRed;
    case 5: return kBright;
    case 6: return kBlue | kBright;
    case 7: return kGreen | kBright;
    case 8: return kRed | kBright;
    case 9: return kBlue | kGreen | kRed;
    default: ZQ_ASSERT(false); return 0;
  }
}

void ZQ_ProcessStartupParameters::FillStartupInfo(STARTUPINFOA& Info) const {
  ZQ_TRACE_FUNCTION("ZQ_ProcessStartupParameters::FillStartupInfo");
  Info = STARTUPINFOA();
  Info.cb = sizeof Info;
  if (!WindowTitle.IsEmpty()) Info.lpTitle = const_cast<char*>(WindowTitle.GetText());
  if (InitialLocation.IsGiven()) {
    Info.dwFlags |= STARTF_USEPOSITION;
    Info.dwX = static_cast<DWORD>(InitialLocation.First);
    Info.dwY = static_cast<DWORD>(InitialLocation.Second);
  }
  if (InitialSize.IsGiven()) {
    Info.dwFlags |= STARTF_USESIZE;
    Info.dwXSize = static_cast<DWORD>(InitialSize.First);
    Info.dwYSize = static_cast<DWORD>(InitialSize.Second);
  }
  if (InitialCharSize.IsGiven()) {
    Info.dwFlags |= STARTF_USECOUNTCHARS;
    Info.dwXCountChars = static_cast<DWORD>(InitialCharSize.First);
    Info.dwYCountChars = static_cast<DWORD>(InitialCharSize.Second);
  }
  if (ForegroundColorCode != 0 || BackgroundColorCode != 0) {
    Info.dwFlags |= STARTF_USEFILLATTRIBUTE;
    Info.dwFillAttribute = static_cast<DWORD>(GetColorBits(ForegroundColorCode)) |
                           (static_cast<DWORD>(GetColorBits(BackgroundColorCode)) << 4);
  }
  Info.dwFlags |= STARTF_USESHOWWINDOW;
  Info.wShowWindow = static_cast<WORD>(GetShowCommand());
}
