// ZQF_Tooltips.h: tooltips, the small windows that show a text, or a
// formatted document, for the glyph under the mouse. Glyphs register no
// tooltip areas: on every mouse move in any window (while no glyph holds
// the capture) a tooltips message goes to the point under the mouse, and
// the glyph that wants a tooltip there answers it. The state machine
// (ZQF_TooltipStateMachine.h), one timer and one raw hook decide when the
// one tooltip window of the program opens and closes.
// Also: suspension while another mode (what's-this help) owns the mouse,
// and the factory that shows a formatted document as a tooltip, which the
// document display module registers (none by default: a document tooltip
// then shows its text, or nothing when that is empty).
// The unit lives from first use to the end of the program; it installs its
// glyph activity hook at stage 4 and ends whatever it shows at stage 12.
// UI thread only.
#ifndef ZQF_TOOLTIPS_H
#define ZQF_TOOLTIPS_H

#include "ZQF_MessageHook.h"
#include "ZQF_TooltipStateMachine.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_CountedPtr.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"
#include "ZQ_UID.h"

class ZQF_Glyph;
class ZQF_TooltipsMessage;
class ZQF_TransientWindow;
class ZQFO_Document;
class ZQ_Timer;

// While the count is positive, mouse movement starts and ends no tooltip.
void ZQF_Tooltips_Suspend();
// Never below 0.
void ZQF_Tooltips_Resume();
long ZQF_Tooltips_GetSuspensionCount();

// Called by a window for every mouse move while no glyph holds the capture:
// X and Y in client coordinates of the window whose top-level glyph is Glyph.
void ZQF_Tooltips_HandleMouseMove(long X, long Y, ZQF_Glyph* Glyph);

// A glyph that shows Document, sized to it, at most MaximumWidthFraction of
// the screen wide (0 < F <= 1), with MarginX left and right and MarginY top
// and bottom.
using ZQF_TooltipDocumentGlyphFactory = ZQF_Glyph* (*)(const ZQ_CountedPtr<ZQFO_Document>& Document,
                                                       double MaximumWidthFraction, long MarginX,
                                                       long MarginY);
// Returns the factory it replaces.
ZQF_TooltipDocumentGlyphFactory ZQF_Tooltips_RegisterDocumentGlyphFactory(
    ZQF_TooltipDocumentGlyphFactory Factory);
// Null until one is registered.
ZQF_TooltipDocumentGlyphFactory ZQF_Tooltips_GetDocumentGlyphFactory();

// Stage 4 installs the glyph activity hook (once); stage 12 ends the
// tooltip, its timer and its hook. Registered by this module.
void ZQF_Tooltips_InitializationServiceCallback(int Stage);

// The tooltip unit: the state machine's actions on real windows, timers and
// hooks, and the tooltip under the mouse.
class ZQF_Tooltips : public ZQF_TooltipStateMachine {
 public:
  static ZQF_Tooltips& Get();

  void HandleMouseMove(long X, long Y, ZQF_Glyph* Glyph);
  // A glyph goes: when it is the current tooltip's, the null event.
  void HandleGlyphDestroyed(ZQF_Glyph* Glyph);
  // Erases, stops and uninstalls whatever runs; back to idle.
  void Shutdown();

  // The window rectangle of a Width x Height tooltip laid out against
  // Rectangle (screen): just below it overlapping by size metric 1's y,
  // above it when that passes the screen's bottom (area metric 1), centred
  // on it horizontally, then moved inside the screen.
  static ZQ_Rectangle<long> ComputeTooltipWindowLayout(long Width, long Height,
                                                       const ZQ_Rectangle<long>& Rectangle);
  // The space between the window's edge and its text: border code 1's size
  // plus size metric 1.
  static ZQ_Point<long> GetExtra();

  // The tooltip window while one is shown, else null.
  ZQF_TransientWindow* GetTooltipWindow() const { return TooltipWindow; }
  bool IsTooltipDisplayed() const { return TooltipDisplayed; }
  ZQF_Glyph* GetCurrentGlyph() const { return Current.Glyph; }

 protected:
  long GetDisplayDelay() override { return Current.DisplayDelayMs; }
  long GetRecentlyShownTime() override;
  bool CanDisplay() override;
  void StartTimer(long PeriodMs) override;
  void StopTimer() override;
  void InstallHook() override;
  void UninstallHook() override;
  void DisplayTooltip() override;
  void EraseTooltip() override;

 private:
  // What the current tooltip shows, and where the mouse was.
  struct Tooltip {
    ZQF_Glyph* Glyph = nullptr;
    ZQ_String Text;
    ZQ_Point<long> TextPosition;
    ZQR_ConcreteFont Font;
    ZQ_CountedPtr<ZQFO_Document> Document;
    ZQ_UID Identity;
    ZQ_Point<long> MousePosition;  // screen
    long DisplayDelayMs = 0;
  };

  ZQF_Tooltips() = default;
  bool Matches(const ZQF_TooltipsMessage& Message) const;
  void TakeOver(const ZQF_TooltipsMessage& Message);
  void HookCallback(const ZQF_RawMessageRecord& Record, bool& Handled);
  bool ShowsDocument() const;
  ZQF_Glyph* CreateContent() const;
  ZQ_Rectangle<long> ComputeWindowRectangle(ZQF_Glyph* TopLevelGlyph) const;

  Tooltip Current;
  bool TooltipDisplayed = false;
  ZQF_TransientWindow* TooltipWindow = nullptr;
  unsigned long HookID = 0;
  ZQ_Timer* TheTimer = nullptr;
};

#endif
