#include "ZQF_Tooltips.h"

#include "TooltipDisplayGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_MessageRouter.h"
#include "ZQF_MouseWheel.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_TransientWindow.h"
#include "ZQR_Cursor.h"
#include "ZQ_Assertion.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Timer.h"

namespace {

long s_suspensionCount = 0;
ZQF_TooltipDocumentGlyphFactory s_documentGlyphFactory = nullptr;

const int MarginSizeMetric = ZQF_SizeMetric_Gap2Px;
const int ScreenAreaMetric = ZQF_AreaMetric_Screen;
const int RecentlyShownTimeMetric = ZQF_TimeMetric_TooltipDelay;
const double DocumentMaximumWidthFraction = 0.33;

// The Windows messages that hide a tooltip: keys, clicks anywhere,
// activation and menus (the wheel is checked apart: its number varies).
const UINT s_hookedMessages[] = {
    WM_KEYDOWN,        WM_SYSKEYDOWN,     WM_KILLFOCUS,      WM_ACTIVATEAPP,    WM_ACTIVATE,
    WM_INITMENU,       WM_INITMENUPOPUP,  WM_LBUTTONDBLCLK,  WM_LBUTTONDOWN,    WM_LBUTTONUP,
    WM_MBUTTONDBLCLK,  WM_MBUTTONDOWN,    WM_MBUTTONUP,      WM_RBUTTONDBLCLK,  WM_RBUTTONDOWN,
    WM_RBUTTONUP,      WM_NCLBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP,    WM_NCMBUTTONDBLCLK,
    WM_NCMBUTTONDOWN,  WM_NCMBUTTONUP,    WM_NCRBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP,
    WM_NCMOUSEMOVE};

bool IsHookedMessage(UINT Message) {
  for (UINT hooked : s_hookedMessages) {
    if (hooked == Message) return true;
  }
  return Message == ZQF_MouseWheel_GetWheelMessageID();
}

// Ticks raise the timer event.
class TooltipTimer : public ZQ_Timer {
 public:
  explicit TooltipTimer(long PeriodMs) : ZQ_Timer(static_cast<int>(PeriodMs), ZQ_Functor0()) {}

 protected:
  void Tick() override {
    ZQF_Tooltips::Get().RaiseEvent(ZQF_TooltipStateMachine::StateChange_TimerFireEvent);
  }
};

void OnGlyphDestroyed(ZQF_Glyph* Glyph) { ZQF_Tooltips::Get().HandleGlyphDestroyed(Glyph); }

const ZQ_StageCallbackRegistration s_registration(&ZQF_Tooltips_InitializationServiceCallback,
                                                  ZQ_InitializationService::Position_Tooltips);

}  // namespace

void ZQF_Tooltips_Suspend() { ++s_suspensionCount; }

void ZQF_Tooltips_Resume() {
  if (s_suspensionCount > 0) --s_suspensionCount;
}

long ZQF_Tooltips_GetSuspensionCount() { return s_suspensionCount; }

void ZQF_Tooltips_HandleMouseMove(long X, long Y, ZQF_Glyph* Glyph) {
  ZQF_Tooltips::Get().HandleMouseMove(X, Y, Glyph);
}

ZQF_TooltipDocumentGlyphFactory ZQF_Tooltips_RegisterDocumentGlyphFactory(
    ZQF_TooltipDocumentGlyphFactory Factory) {
  const ZQF_TooltipDocumentGlyphFactory previous = s_documentGlyphFactory;
  s_documentGlyphFactory = Factory;
  return previous;
}

ZQF_TooltipDocumentGlyphFactory ZQF_Tooltips_GetDocumentGlyphFactory() {
  return s_documentGlyphFactory;
}

void ZQF_Tooltips_InitializationServiceCallback(int Stage) {
  // Activity hooks cannot be removed: one installation serves every run of
  // the stages.
  static bool s_activityHookInstalled = false;
  if (Stage == ZQ_InitializationService::Stage_InitializeGlobal && !s_activityHookInstalled) {
    ZQF_InstallGlyphActivityHook(ZQF_GlyphActivityHookCallback(&OnGlyphDestroyed));
    s_activityHookInstalled = true;
  } else if (Stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit) {
    ZQF_Tooltips::Get().Shutdown();
  }
}

ZQF_Tooltips& ZQF_Tooltips::Get() {
  static ZQF_Tooltips* s_unit = new ZQF_Tooltips;  // never destroyed: windows may outlive statics
  return *s_unit;
}

void ZQF_Tooltips::HandleMouseMove(long X, long Y, ZQF_Glyph* Glyph) {
  if (s_suspensionCount > 0) return;
  const ZQ_Point<long> point(X, Y);
  ZQF_TooltipsMessage message;
  ZQF_TargetPointMessageRouter router(point);
  Glyph->Dispatch(message, &router);
  // A tooltip with nothing to show is no tooltip.
  const bool hasContent = message.GetText().GetLength() > 0 ||
                          (!message.GetDocument().IsNull() && s_documentGlyphFactory);
  if (!message.IsHandled() || !hasContent) {
    Current.Glyph = nullptr;
    RaiseEvent(StateChange_NullIDEvent);
  } else if (Matches(message)) {
    RaiseEvent(StateChange_MatchingIDEvent);
  } else {
    TakeOver(message);
    Current.MousePosition = Glyph->WindowToScreen(point);
    RaiseEvent(StateChange_NewIDEvent);
  }
}

// The document is left out: a glyph that rebuilds its document for the
// same tooltip keeps it.
bool ZQF_Tooltips::Matches(const ZQF_TooltipsMessage& Message) const {
  return Message.GetHandlingGlyph() == Current.Glyph && Message.GetText() == Current.Text &&
         Message.GetTextPosition() == Current.TextPosition && Message.GetFont() == Current.Font &&
         Message.GetIdentity() == Current.Identity;
}

void ZQF_Tooltips::TakeOver(const ZQF_TooltipsMessage& Message) {
  Current.Glyph = Message.GetHandlingGlyph();
  Current.Text = Message.GetText();
  Current.TextPosition = Message.GetTextPosition();
  Current.Font = Message.GetFont();
  Current.Document = Message.GetDocument();
  Current.Identity = Message.GetIdentity();
  Current.DisplayDelayMs = Message.GetDisplayDelay();
}

void ZQF_Tooltips::HandleGlyphDestroyed(ZQF_Glyph* Glyph) {
  if (!Glyph || Glyph != Current.Glyph) return;
  Current.Glyph = nullptr;
  RaiseEvent(StateChange_NullIDEvent);
}

void ZQF_Tooltips::Shutdown() {
  if (TooltipWindow) TooltipWindow->Destroy();
  TooltipWindow = nullptr;
  TooltipDisplayed = false;
  delete TheTimer;
  TheTimer = nullptr;
  if (HookID) ZQF_UninstallRawHooks(HookID);
  HookID = 0;
  Current = Tooltip();
  ResetState();
}

long ZQF_Tooltips::GetRecentlyShownTime() { return ZQF_GetTimeMetric(RecentlyShownTimeMetric); }

bool ZQF_Tooltips::CanDisplay() {
  if (!Current.Glyph) return false;
  ZQF_Window* window = Current.Glyph->GetParentWindow();
  return window && window->HasFocus();
}

void ZQF_Tooltips::StartTimer(long PeriodMs) {
  ZQ_ASSERT_TEXT(!TheTimer, "TheTimer == NULL");
  delete TheTimer;
  TheTimer = new TooltipTimer(PeriodMs);
}

void ZQF_Tooltips::StopTimer() {
  ZQ_ASSERT(TheTimer);
  delete TheTimer;
  TheTimer = nullptr;
}

void ZQF_Tooltips::InstallHook() {
  ZQ_ASSERT_TEXT(HookID == 0, "HookID == NULL");
  if (HookID) ZQF_UninstallRawHooks(HookID);
  HookID = ZQF_InstallRawHook(ZQF_RawHookCallback(this, &ZQF_Tooltips::HookCallback), 0);
}

void ZQF_Tooltips::UninstallHook() {
  ZQ_ASSERT(HookID);
  if (HookID) ZQF_UninstallRawHooks(HookID);
  HookID = 0;
}

void ZQF_Tooltips::HookCallback(const ZQF_RawMessageRecord& Record, bool&) {
  if (IsHookedMessage(Record.Message)) RaiseEvent(StateChange_HookEvent);
}

ZQ_Point<long> ZQF_Tooltips::GetExtra() {
  const ZQ_Point<long> border = TooltipDisplayGlyph::GetBorderSize();
  const ZQ_Point<long> margin = TooltipDisplayGlyph::GetMargins();
  return ZQ_Point<long>(border.X + margin.X, border.Y + margin.Y);
}

bool ZQF_Tooltips::ShowsDocument() const {
  return !Current.Document.IsNull() && s_documentGlyphFactory;
}

ZQF_Glyph* ZQF_Tooltips::CreateContent() const {
  if (!ShowsDocument()) return new TooltipDisplayGlyph(Current.Text, Current.Font);
  const ZQ_Point<long> margin = TooltipDisplayGlyph::GetMargins();
  return s_documentGlyphFactory(Current.Document, DocumentMaximumWidthFraction, margin.X,
                                margin.Y);
}

ZQ_Rectangle<long> ZQF_Tooltips::ComputeWindowRectangle(ZQF_Glyph* TopLevelGlyph) const {
  const ZQ_Point<long> extra = GetExtra();
  ZQ_Point<long> size;
  if (ShowsDocument()) {
    TopLevelGlyph->UpdateDesiredSize();
    size = TopLevelGlyph->GetDesiredSize().Natural;
  } else {
    const ZQR_DeviceContext dc = ZQF_GetMetricDC();
    const ZQ_Point<long> text = Current.Font.GetSize(dc.GetHDC(), Current.Text);
    size = ZQ_Point<long>(text.X + 2 * extra.X, text.Y + 2 * extra.Y);
  }
  const long none = ZQF_TooltipsMessage::NoTextPosition;
  if (Current.TextPosition.X == none && Current.TextPosition.Y == none) {
    const ZQ_Point<long> c = ZQR_Cursor::GetCursorSize();
    const ZQ_Point<long>& m = Current.MousePosition;
    return ComputeTooltipWindowLayout(size.X, size.Y,
                                      ZQ_Rectangle<long>(m.X - c.X, m.Y - c.Y, 2 * c.X, 2 * c.Y));
  }
  return ZQ_Rectangle<long>(Current.TextPosition.X - extra.X, Current.TextPosition.Y - extra.Y,
                            size.X, size.Y);
}

ZQ_Rectangle<long> ZQF_Tooltips::ComputeTooltipWindowLayout(long Width, long Height,
                                                            const ZQ_Rectangle<long>& Rectangle) {
  const ZQ_Rectangle<long>& screen = ZQF_GetAreaMetric(ScreenAreaMetric);
  const long overlap = ZQF_GetSizeMetric(MarginSizeMetric).Y;
  long y = Rectangle.Y + Rectangle.Height - overlap;
  if (y + Height > screen.Y + screen.Height) y = Rectangle.Y - Height + overlap;
  const long x = Rectangle.X + Rectangle.Width / 2 - Width / 2;
  ZQ_Rectangle<long> layout(x, y, Width, Height);
  layout.MoveInside(screen);
  return layout;
}

void ZQF_Tooltips::DisplayTooltip() {
  ZQ_ASSERT_TEXT(!TooltipDisplayed, "not TooltipDisplayed");
  if (TooltipDisplayed) return;
  TooltipDisplayed = true;
  ZQF_TopLevelGlyph* top = new ZQF_TopLevelGlyph(CreateContent());
  const ZQ_Rectangle<long> rectangle = ComputeWindowRectangle(top);
  ZQ_ASSERT_TEXT(!TooltipWindow, "TooltipWindow == NULL");
  TooltipWindow = new ZQF_TransientWindow(top);
  TooltipWindow->Construct(rectangle);
  TooltipWindow->Move(rectangle, false);
  TooltipWindow->MakeTopTopmost();
  TooltipWindow->DisablePush();
  TooltipWindow->Show(ZQF_ShowState_Normal);
  TooltipWindow->Update();
}

void ZQF_Tooltips::EraseTooltip() {
  ZQ_ASSERT(TooltipDisplayed);
  ZQ_ASSERT(TooltipWindow);
  if (TooltipWindow) TooltipWindow->Destroy();
  TooltipWindow = nullptr;
  TooltipDisplayed = false;
}
