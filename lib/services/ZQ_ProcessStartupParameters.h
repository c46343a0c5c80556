// ZQ_ProcessStartupParameters.h: how a started program's first window looks:
// title, position, size, console size, console colours and show state. A
// coordinate pair whose first value is NotGiven is left to the program.
// Colour codes 0..9 and window states 0..3 are described below; other values
// fail the assertion "false". A plain value; one thread only.
#ifndef ZQ_PROCESSSTARTUPPARAMETERS_H
#define ZQ_PROCESSSTARTUPPARAMETERS_H

#include "ZQLOW_Windows.h"
#include "ZQ_String.h"

class ZQ_ProcessStartupParameters {
 public:
  enum { NotGiven = -9999999 };
  // Window states.
  enum { State_Normal = 0, State_Maximized = 1, State_Minimized = 2, State_Hidden = 3 };

  // Every coordinate NotGiven, both colour codes 0, state normal.
  ZQ_ProcessStartupParameters();
  // One shared default object, made on first use.
  static const ZQ_ProcessStartupParameters& GetDefault();

  ZQ_String WindowTitle;  // empty: no title is passed
  struct Pair {
    long First;
    long Second;
    bool IsGiven() const { return First != NotGiven; }
  };
  Pair InitialLocation;  // x, y in screen pixels
  Pair InitialSize;      // width, height in pixels
  Pair InitialCharSize;  // columns, rows of a console window
  // Console colours: 0 none, 1 bright white, 2 blue, 3 green, 4 red,
  // 5 intensity, 6..8 bright blue, green, red, 9 white (grey).
  int BackgroundColorCode;
  int ForegroundColorCode;
  int InitialWindowState;

  // The show command of InitialWindowState (SW_SHOWNORMAL, SW_SHOWMAXIMIZED,
  // SW_SHOWMINIMIZED, SW_HIDE); another state asserts "false" and gives 0.
  int GetShowCommand() const;
  // Fills Info (its size set, everything else zero first) with these
  // parameters. Info's title points into WindowTitle, so this object must
  // outlive the use of Info.
  void FillStartupInfo(STARTUPINFOA& Info) const;
  // The console attribute bits of a colour code for the foreground (the
  // background bits are these shifted left by 4). A code outside 0..9 asserts
  // "false" and gives 0.
  static WORD GetColorBits(int ColorCode);
};

#endif
