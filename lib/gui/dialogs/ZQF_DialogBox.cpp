// The dialog box: running, placing and closing its window.
#include "ZQF_DialogBox.h"

#include <cstdlib>

#include "ZQF_ApplicationLink.h"
#include "ZQF_Help.h"
#include "ZQF_MessageRouter.h"
#include "ZQF_Metrics.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_WindowBorderGlyph.h"
#include "ZQF_WindowBorderGlyphOptionsSet.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Exception.h"
#include "ZQ_Numeric.h"
#include "ZQ_PointAndRectangleRegistry.h"
#include "ZQ_StackTrace.h"

namespace {

const char* const LayoutKey = "InitialDialogBoxWindowLayout";

// A dialog window is owned by its owner window when it has one, else by
// none: the program main window handle may not exist yet, and asking for it
// then shows a warning box.
class DialogBoxWindow : public ZQF_SecondaryWindow {
 public:
  using ZQF_SecondaryWindow::ZQF_SecondaryWindow;
  HWND Cust_GetParentWindowHandle() override {
    return GetOwnerWindow() ? GetOwnerWindow()->GetWindowHandle() : nullptr;
  }
};

bool IsModelessDialogWindow(ZQF_Window* Window) {
  const auto* top = dynamic_cast<DialogBoxTopLevelGlyph*>(Window->GetTopLevelGlyph());
  return top && top->GetDialog()->GetModality() == ZQF_DialogBoxModality_Modeless;
}

// One extent of the first placement: the natural size when it fits the
// available space, else that space, but never below the minimum nor above
// the bound.
long InitialExtent(long Natural, long Minimum, long Available, long Bound) {
  if (Natural <= Available) return Natural;
  if (Available < Minimum) return Minimum < Bound ? Minimum : Bound;
  return Available;
}

long long OverlapArea(const ZQF_Rectangle& Candidate, const ZQ_List<ZQF_Rectangle>& Areas) {
  long long sum = 0;
  for (auto i = Areas.GetIterator(); i.IsValid(); i.Advance()) {
    const ZQF_Rectangle overlap = ZQF_Rectangle::Intersection(Candidate, *i);
    sum += static_cast<long long>(overlap.Width) * overlap.Height;
  }
  return sum;
}

}  // namespace

ZQF_DialogBox::ZQF_DialogBox(int Modality, const ZQ_String& Title)
    : Modality(Modality), Title(Title) {
  AddHelpTopic(ZQ_String("ZQF_DialogBoxes_id"), -100);
}

ZQF_DialogBox::~ZQF_DialogBox() {
  if (TopLevelGlyph) {
    try {
      Close();
    } catch (...) {
      // A destructor reports nothing more: the close steps are best effort.
    }
  }
  delete ClientGlyphTree;
}

void ZQF_DialogBox::AddHelpTopic(const ZQ_String& Topic, int Priority) {
  if (TopLevelGlyph) {
    TopLevelGlyph->AddHelpTopic(Topic, Priority);
  } else {
    ZQF_Help_AppendTopic(HelpTopics, Topic, Priority);
  }
}

void ZQF_DialogBox::AddHelpTopics(const ZQ_String& Topics) {
  if (TopLevelGlyph) {
    TopLevelGlyph->AppendHelpTopics(Topics);
    return;
  }
  if (!HelpTopics.IsEmpty()) HelpTopics += ZQ_String(";");
  HelpTopics += Topics;
}

void ZQF_DialogBox::SetTitle(const ZQ_String& NewTitle) {
  if (NewTitle == Title) return;
  Title = NewTitle;
  if (WindowBorderGlyph) WindowBorderGlyph->SetTitle(Title);
}

void ZQF_DialogBox::SetUserConfigurationFolder(ZQ_RegistryFolder* Folder) {
  ZQ_ASSERT_TEXT(UserConfigurationFolder == nullptr, "UserConfigurationFolder == NULL");
  ZQ_ASSERT_TEXT(Folder != nullptr, "aUserConfigurationFolder != NULL");
  UserConfigurationFolder = Folder;
}

void ZQF_DialogBox::AddPreciousArea(const ZQF_Rectangle& Area) {
  const ZQ_Point<long> grow = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px);
  const ZQF_Rectangle grown(Area.X - grow.X, Area.Y - grow.Y, Area.Width + 2 * grow.X,
                            Area.Height + 2 * grow.Y);
  PreciousAreas.Prepend(grown);
}

void ZQF_DialogBox::Run() {
  Run1();
  if (Cancelled) throw ZQ_CancelCurrentOperationException();
}

void ZQF_DialogBox::Run1() {
  RunSerial = ZQF_GetNextDispatchSerialNumber();
  PreviousFocus = ZQLOW_WINUSER::GetFocus();
  Initialize();
  Cancelled = false;
  if (Modality == ZQF_DialogBoxModality_Modal || Modality == ZQF_DialogBoxModality_DisableOthers) {
    DisableOtherWindows();
  }
  if (Modality != ZQF_DialogBoxModality_Modal) return;
  LoopPushed = true;
  bool popped = false;
  try {
    popped = ZQF_ApplicationLink_PushMessageLoop();
  } catch (...) {
    LoopPushed = false;
    throw;
  }
  LoopPushed = false;
  if (!popped) {
    // A quit ended the loop and waits again for the loop outside: the dialog
    // ends as cancelled, without a loop to pop.
    Cancelled = true;
    if (TopLevelGlyph) Close();
  }
}

void ZQF_DialogBox::DisableOtherWindows() {
  DisabledWindows.RemoveAll();
  for (auto i = ZQF_Window::GetCurrentWindowsIterator(); i.IsValid(); i.Advance()) {
    ZQF_Window* window = *i;
    if (window == Window || !window->GetWindowHandle() || IsModelessDialogWindow(window)) continue;
    window->DisablePush();
    DisabledWindows.Set(window->GetWindowHandle(), false);
  }
}

void ZQF_DialogBox::EnableDisabledWindows() {
  for (auto i = ZQF_Window::GetCurrentWindowsIterator(); i.IsValid(); i.Advance()) {
    ZQF_Window* window = *i;
    const HWND handle = window->GetWindowHandle();
    if (!handle || !DisabledWindows.KeyExists(handle)) continue;
    DisabledWindows.Remove(handle, true);
    window->DisablePop();
  }
  DisabledWindows.RemoveAll();
}

void ZQF_DialogBox::Initialize() {
  Init_SetTitle();
  delete ClientGlyphTree;
  ClientGlyphTree = nullptr;
  ClientGlyphTree = Init_CreateClientGlyphTree();
  WindowBorderGlyph = Init_CreateWindowBorderGlyph(ClientGlyphTree);
  TopLevelGlyph = new DialogBoxTopLevelGlyph(WindowBorderGlyph, this);
  TopLevelGlyph->AppendHelpTopics(HelpTopics);
  TopLevelGlyph->Initialize();
  Init_InitializeData();
  Window = Init_CreateContainingWindow(TopLevelGlyph);
  Window->Construct(Init_CalculateInitialContainingWindowPosition());
  Window->SetFocus();
  Window->Show(ZQF_ShowState_Normal);
  Window->Update();
  Init_SelectInitialControl();
  ZQF_ApplicationLink_Execute(Window);
}

void ZQF_DialogBox::Close() {
  if (!TopLevelGlyph) return;
  CloseSteps();
}

void ZQF_DialogBox::CloseSteps() {
  ZQ_TRACE_FUNCTION("ZQF_DialogBox::Close");
  {
    ZQ_TRACE_NOTE("saving configuration");
    if (UserConfigurationFolder && Cust_RemembersWindowLayout() && Window) {
      ZQ_SetRectangle_Int32(*UserConfigurationFolder, ZQ_String(LayoutKey),
                            Window->GetWindowRectangle());
    }
  }
  {
    ZQ_TRACE_NOTE("popping message loop");
    if (Modality == ZQF_DialogBoxModality_Modal && LoopPushed) {
      LoopPushed = false;
      ZQF_ApplicationLink_PopMessageLoop();
    }
  }
  {
    ZQ_TRACE_NOTE("processing windows");
    if (Modality == ZQF_DialogBoxModality_Modal ||
        Modality == ZQF_DialogBoxModality_DisableOthers) {
      EnableDisabledWindows();
    }
  }
  {
    ZQ_TRACE_NOTE("releasing mouse");
    ZQF_Glyph* capturing = ZQF_Window::GetCapturingGlyph();
    if (capturing && Window && capturing->GetParentWindow() == Window) ZQF_Window::ReleaseMouse();
  }
  {
    ZQ_TRACE_NOTE("removing child");
    if (ClientGlyphTree && ClientGlyphTree->GetParent()) {
      ClientGlyphTree->GetParent()->RemoveChild(ClientGlyphTree);
    }
  }
  {
    ZQ_TRACE_NOTE("destroying window");
    ZQF_SecondaryWindow* window = Window;
    Window = nullptr;
    TopLevelGlyph = nullptr;
    WindowBorderGlyph = nullptr;
    if (window) window->Destroy();
  }
  {
    ZQ_TRACE_NOTE("setting focus");
    if (Modality == ZQF_DialogBoxModality_Modal && PreviousFocus &&
        ZQLOW_WINUSER::IsWindow(PreviousFocus)) {
      ZQLOW_WINUSER::SetFocus(PreviousFocus);
    }
  }
}

void ZQF_DialogBox::HandleWindowDestroyedElsewhere(ZQF_SecondaryTopLevelGlyph* Glyph) noexcept {
  if (Glyph != TopLevelGlyph) return;  // Close destroys its window itself
  try {
    if (ClientGlyphTree && ClientGlyphTree->GetParent()) {
      ClientGlyphTree->GetParent()->RemoveChild(ClientGlyphTree);
    }
    Window = nullptr;
    TopLevelGlyph = nullptr;
    WindowBorderGlyph = nullptr;
    Cancelled = true;
    if (LoopPushed) {
      LoopPushed = false;
      ZQF_ApplicationLink_PopMessageLoop();
    }
    if (Modality != ZQF_DialogBoxModality_Modeless) EnableDisabledWindows();
  } catch (...) {
    // Called while Windows destroys the window: nothing may escape.
  }
}

void ZQF_DialogBox::Init_SetWindowBorderOptions(ZQF_WindowBorderGlyphOptionsSet* Options) {
  Options->SetHasTitleBar(true);
  Options->SetTitle(Title);
  Options->SetShowCloseButton(true);
  if (!FillsScreen) {
    Options->SetMovable(true);
    Options->SetResizable(true);
    return;
  }
  // Frame spacing is the outer edge, the resize border the client margin and
  // the title-bar height the gap below it.
  Options->SetMovable(false);
  Options->SetResizable(false);
  Options->SetOuterEdgeBorderCode(0);
  Options->SetClientMargin(0, 0);
  Options->SetTitleBarGap(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y);
  Options->SetShowSizeGrip(false);
}

ZQF_WindowBorderGlyph* ZQF_DialogBox::Init_CreateWindowBorderGlyph(ZQF_Glyph* Client) {
  auto* options = new ZQF_WindowBorderGlyphOptionsSet;
  try {
    Init_SetWindowBorderOptions(options);
  } catch (...) {
    delete options;
    throw;
  }
  return new ZQF_WindowBorderGlyph(Client, options);
}

ZQF_SecondaryWindow* ZQF_DialogBox::Init_CreateContainingWindow(
    ZQF_SecondaryTopLevelGlyph* TopLevel) {
  auto* window = new DialogBoxWindow(TopLevel);
  window->SetOwnerWindow(ZQF_ApplicationLink_GetMainWindow());
  return window;
}

ZQF_Rectangle ZQF_DialogBox::Init_CalculateInitialContainingWindowPosition() {
  const ZQF_Rectangle bound = GetAllowableDragBoundingRect();
  if (FillsScreen) return bound;
  TopLevelGlyph->UpdateDesiredSize();
  const ZQF_DesiredSize& desired = TopLevelGlyph->GetDesiredSize();
  ZQF_Rectangle place(0, 0, 0, 0);
  const bool remembers = UserConfigurationFolder && Cust_RemembersWindowLayout();
  if (remembers) place = ZQ_GetRectangle_Int32(*UserConfigurationFolder, ZQ_String(LayoutKey), place);
  if (place.Width == 0 || place.Height == 0) {
    const ZQ_Point<long> margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap24Px);
    place.Width = InitialExtent(desired.Natural.X, desired.Minimum.X,
                                bound.Width - 2 * margin.X, bound.Width);
    place.Height = InitialExtent(desired.Natural.Y, desired.Minimum.Y,
                                 bound.Height - 2 * margin.Y, bound.Height);
    ZQF_Window* main = ZQF_ApplicationLink_GetMainWindow();
    const ZQ_Point<long> center =
        main && main->GetWindowHandle() ? main->GetWindowRectangle().GetCenter() : bound.GetCenter();
    place.X = center.X - place.Width / 2;
    place.Y = center.Y - place.Height / 2;
  } else {
    if (place.Width < desired.Minimum.X) place.Width = desired.Minimum.X;
    if (place.Height < desired.Minimum.Y) place.Height = desired.Minimum.Y;
  }
  place.FitInside(bound);
  if (!PreciousAreas.IsEmpty()) {
    place = DetermineWindowPositionWhileAvoidingPreciousAreas(
        ZQ_Point<long>(place.X, place.Y), ZQ_Point<long>(place.Width, place.Height), PreciousAreas);
  }
  return place;
}

void ZQF_DialogBox::HandleContainingWindowCloseCommand() {
  SetCancelled(true);
  Close();
}

// --- DialogBoxTopLevelGlyph

DialogBoxTopLevelGlyph::~DialogBoxTopLevelGlyph() { Dialog->HandleWindowDestroyedElsewhere(this); }

void DialogBoxTopLevelGlyph::HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) {
  if (SecondTry && dynamic_cast<ZQF_CloseWindowCommandMessage*>(&Message)) {
    Message.SetHandled();
    Dialog->HandleContainingWindowCloseCommand();
    return;
  }
  ZQF_SecondaryTopLevelGlyph::HandleCommand(Message, SecondTry);
}

void DialogBoxTopLevelGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) {
  ZQF_Window* window = GetContainingWindow();
  if (SecondTry && window && !Message.IsHandled()) {
    const HWND handle = window->GetWindowHandle();
    if (dynamic_cast<ZQF_ContainerToggleMinimizeRequestNotificationMessage*>(&Message)) {
      window->Show(ZQLOW_WINUSER::IsIconic(handle) != FALSE ? ZQF_ShowState_Restore
                                                              : ZQF_ShowState_Minimized);
      Message.SetHandled();
      return;
    }
    if (dynamic_cast<ZQF_ContainerToggleMaximizeRequestNotificationMessage*>(&Message)) {
      window->Show(ZQLOW_WINUSER::IsZoomed(handle) != FALSE ? ZQF_ShowState_Restore
                                                              : ZQF_ShowState_Maximized);
      Message.SetHandled();
      return;
    }
  }
  ZQF_SecondaryTopLevelGlyph::HandleNotification(Message, SecondTry);
}

// --- Placement

ZQF_Rectangle GetAllowableDragBoundingRect() { return ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea); }

ZQF_Rectangle DetermineWindowPositionWhileAvoidingPreciousAreas(
    const ZQ_Point<long>& Initial, const ZQ_Point<long>& Size,
    const ZQ_List<ZQF_Rectangle>& PreciousAreas) {
  ZQF_Rectangle range = GetAllowableDragBoundingRect();
  range.Width = range.Width > Size.X ? range.Width - Size.X : 0;
  range.Height = range.Height > Size.Y ? range.Height - Size.Y : 0;
  ZQF_Rectangle best(0, 0, 0, 0);
  long long bestScore = 2147483647LL;
  for (long i = 0; i <= 80; ++i) {
    for (long j = 0; j <= 60; ++j) {
      const long x = range.X + ZQ_MulDiv(range.Width, i, 80);
      const long y = range.Y + ZQ_MulDiv(range.Height, j, 60);
      const ZQF_Rectangle candidate(x, y, Size.X, Size.Y);
      const long long score = std::llabs(static_cast<long long>(x) - Initial.X) +
                              100 * OverlapArea(candidate, PreciousAreas) +
                              std::llabs(static_cast<long long>(y) - Initial.Y);
      if (score < bestScore) {
        bestScore = score;
        best = candidate;
      }
    }
  }
  return best;
}
