// Menus and tooltips on real windows under Xvfb: a menu bar kept current
// and greyed by update queries, menu commands reaching the focus path, the
// right-click menu (ended by a timer), and a tooltip over a cut label from
// its delay to its end, with screenshots.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "MenuTestSupport.h"
#include "WindowTestSupport.h"
#include "ZQFO_Document.h"
#include "ZQF_ApplicationLink.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Menu.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQF_Tooltips.h"
#include "ZQF_TransientWindow.h"
#include "ZQR_Cursor.h"

namespace {

// A stack that fills its background, as a form would.
class FilledStack : public StackGlyph {
 public:
  using StackGlyph::StackGlyph;
  void DrawSelf(ZQF_Canvas& Canvas) override {
    Canvas.Fill(GetLocalBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  }
};

// A spacer without a tooltip that fills its box.
class FilledGap : public RecordingGlyph {
 public:
  using RecordingGlyph::RecordingGlyph;
  void DrawSelf(ZQF_Canvas& Canvas) override {
    Canvas.Fill(GetLocalBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  }
};

ZQF_Window* s_mainWindow = nullptr;
ZQF_Window* GetTestMainWindow() { return s_mainWindow; }

// Whether a pop-up menu was open when the timer fired; it then ends it, or
// chooses its first item with the keyboard.
bool s_popupSeen = false;
bool s_chooseFirstItem = false;
void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR Timer, DWORD) {
  ::KillTimer(nullptr, Timer);
  const HWND popup = ::FindWindowA("#32768", nullptr);
  s_popupSeen = popup && ::IsWindowVisible(popup);
  if (s_popupSeen && s_chooseFirstItem) {
    ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
  } else {
    ::EndMenu();
  }
}

class MenuWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    target = new MenuTarget;
    target->SetSize(200, 60);
    label = new ZQF_StoredLabelGlyph("Wet bulb globe temperature, estimated outdoors");
    auto* form = new FilledStack("form", nullptr);
    form->AddChild(label, true);
    form->AddChild(target, true);
    window = Open(new MenuBarWindow(new ZQF_TopLevelGlyph(form)),
                  ZQ_Rectangle<long>(300, 200, 220, 120));
    target->PutOnFocusPath();
    s_mainWindow = window;
    ZQF_ApplicationFunctions functions;
    functions.GetMainWindow = &GetTestMainWindow;
    saved = ZQF_ApplicationLink_Register(functions);
  }
  void TearDown() override {
    ZQF_ApplicationLink_Register(saved);
    s_mainWindow = nullptr;
    WindowTest::TearDown();
  }
  HWND Handle() const { return window->GetWindowHandle(); }
  // A right click at the client's centre, with a timer to end any menu.
  void RightClick() {
    s_popupSeen = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &EndMenuSoon);
    POINT centre{100, 50};  // over the target
    ::ClientToScreen(Handle(), &centre);
    ::SetCursorPos(centre.x, centre.y);
    Send(Handle(), WM_RBUTTONDOWN, MK_RBUTTON, Point(100, 50));
    Send(Handle(), WM_RBUTTONUP, 0, Point(100, 50));
    ::KillTimer(nullptr, timer);
  }

  MenuTarget* target = nullptr;
  ZQF_StoredLabelGlyph* label = nullptr;
  ZQF_Window* window = nullptr;
  ZQF_ApplicationFunctions saved;
};

TEST_F(MenuWindowTest, MenuBarIsGreyedByQueriesSendsCommandsAndRebuildsOnlyOnChange) {
  EditMenu menu(window);
  menu.Init_Build();
  menu.Attach();
  const HMENU bar = ::GetMenu(Handle());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(Describe(bar), "&Edit(Cu&t|&Paste)|&View(&Refresh)");
  ::DrawMenuBar(Handle());
  window->SetFocus();
  const ZQ_Point<long> atLabel = label->GlyphToWindow(ZQ_Point<long>(3, 5));
  const ZQ_Point<long> screen = label->WindowToScreen(atLabel);
  ::SetCursorPos(screen.X, screen.Y);
  Send(Handle(), WM_MOUSEMOVE, 0, Point(atLabel.X, atLabel.Y));
  ZQF_Tooltips::Get().RaiseEvent(ZQF_TooltipStateMachine::StateChange_TimerFireEvent);
  PumpMessages();
  ASSERT_NE(ZQF_Tooltips::Get().GetTooltipWindow(), nullptr);
  ZQ_Rectangle<long> shot = window->GetWindowRectangle();
  shot.Width += 80;
  SaveScreenRectangleShot(shot, "MainWindowWithMenuBarAndTooltip");
  EXPECT_FALSE(menu.UpdateShadowMenuIfNecessary());
  EXPECT_FALSE(menu.UpdateShadowMenuIfNecessary());

  const HMENU edit = ::GetSubMenu(bar, 0);
  Send(Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 0);
  const UINT cut = ::GetMenuItemID(edit, 0);
  EXPECT_EQ(::GetMenuState(edit, cut, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_NE(::GetMenuState(edit, ::GetMenuItemID(edit, 1), MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_EQ(Send(Handle(), WM_COMMAND, MAKEWPARAM(cut, 0), 0), 0);
  EXPECT_EQ(target->NumCuts, 1);

  // The same texts in new elements: the bar is built again.
  menu.Edit->DeleteChildren();
  menu.FillEdit();
  EXPECT_TRUE(menu.UpdateShadowMenuIfNecessary());
  EXPECT_NE(::GetMenu(Handle()), bar);
  EXPECT_EQ(Describe(::GetMenu(Handle())), "&Edit(Cu&t|&Paste)|&View(&Refresh)");
  EXPECT_FALSE(menu.UpdateShadowMenuIfNecessary());
}

TEST_F(MenuWindowTest, RightClickShowsTheOfferedItemsOrNothing) {
  s_chooseFirstItem = false;
  ZQF_RootGroupMenuElement* before = ZQF_GetLastShortcutMenuRoot();
  RightClick();
  EXPECT_FALSE(s_popupSeen);
  EXPECT_EQ(ZQF_GetLastShortcutMenuRoot(), before);

  target->OffersContextItem = true;
  RightClick();
  EXPECT_TRUE(s_popupSeen);
  ZQF_RootGroupMenuElement* root = ZQF_GetLastShortcutMenuRoot();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->GetTarget(), window->GetTopLevelGlyph());
  auto* shortcut = static_cast<ZQF_ParentMenuElement*>(root->GetFirstChild());
  EXPECT_EQ(Describe(shortcut->GetSubmenuHandle()), "Cu&t");

  // The chosen item's command arrives after the menu has closed.
  s_chooseFirstItem = true;
  RightClick();
  EXPECT_EQ(target->NumCuts, 0);
  PumpMessages();
  EXPECT_EQ(target->NumCuts, 1);

  // A shortcut menu whose elements add no items shows nothing.
  auto* empty = new ZQF_ShortcutParentMenuElement;
  Last(empty, new ZQF_GroupMenuElement);
  s_popupSeen = false;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &EndMenuSoon);
  ZQF_RunShortcutMenu(empty);
  ::KillTimer(nullptr, timer);
  EXPECT_FALSE(s_popupSeen);
  EXPECT_EQ(empty->GetSubmenuHandle(), nullptr);
  ZQF_Menu_InitializationServiceCallback(12);  // the last shortcut menu ends
  EXPECT_EQ(ZQF_GetLastShortcutMenuRoot(), nullptr);
}

// A right click on the caption opens the system menu, flagged as such or
// not: the menu manager, which knows nothing of it, is not asked.
TEST_F(MenuWindowTest, TheSystemMenuOfACaptionRightClickPassesTheManagerBy) {
  RECT frame;
  ::GetWindowRect(Handle(), &frame);
  POINT caption{frame.left + 40, frame.top + 8};
  ::ScreenToClient(Handle(), &caption);
  s_popupSeen = false;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &EndMenuSoon);
  Send(Handle(), WM_RBUTTONUP, 0, Point(caption.x, caption.y));
  ::KillTimer(nullptr, timer);
  EXPECT_TRUE(s_popupSeen);
  EXPECT_TRUE(ReportedErrors().empty());
}

// Tooltips over the cut captions of a narrow window.
class TooltipWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    root = new FilledStack("root", nullptr);
    first = new ZQF_StoredLabelGlyph("The first caption, much too long for this window");
    gap = new FilledGap("gap", nullptr);
    gap->SetSize(10, 30);
    second = new ZQF_StoredLabelGlyph("The second caption, just as long as the first");
    for (ZQF_Glyph* g : {static_cast<ZQF_Glyph*>(first), static_cast<ZQF_Glyph*>(gap),
                         static_cast<ZQF_Glyph*>(second)}) {
      root->AddChild(g, true);
    }
    window = OpenAround(root, ZQ_Rectangle<long>(300, 300, 140, 100));
    window->SetFocus();
    PumpMessages();
  }
  // Gives the window the focus first: other programs' windows may have
  // taken it meanwhile.
  // Returns the mouse position on the screen.
  ZQ_Point<long> MoveTo(ZQF_Glyph* Glyph) {
    window->SetFocus();
    PumpMessages();
    const ZQ_Rectangle<long>& box = Glyph->GetBoundingBox();
    const ZQ_Point<long> at(box.X + 3, box.Y + box.Height / 2);
    const ZQ_Point<long> screen = Glyph->WindowToScreen(at);
    ::SetCursorPos(screen.X, screen.Y);
    Send(window->GetWindowHandle(), WM_MOUSEMOVE, 0, Point(at.X, at.Y));
    return screen;
  }
  int State() const { return ZQF_Tooltips::Get().GetState(); }
  // Pumps until Window has nothing left to paint (bounded): a screen
  // capture before that shows whatever lay under it.
  static void PumpUntilPainted(HWND Window) {
    for (int i = 0; i < 200 && (PumpMessages(), ::GetUpdateRect(Window, nullptr, FALSE)); ++i) {
      ::Sleep(5);
    }
  }
  // The delay ends now.
  void FireTimer() {
    ZQF_Tooltips::Get().RaiseEvent(ZQF_TooltipStateMachine::StateChange_TimerFireEvent);
  }
  // Pumps until the delay has passed and the tooltip shows (at most 5 s, ten
  // delays, which a loaded machine may need).
  bool WaitUntilShown() {
    const DWORD start = ::GetTickCount();
    while (State() != ZQF_TooltipStateMachine::State_Shown && ::GetTickCount() - start < 5000) {
      ::Sleep(5);
      PumpMessages();
    }
    return State() == ZQF_TooltipStateMachine::State_Shown;
  }
  // Where the label's tooltip must lie: its text position less the extra,
  // the text's extent plus twice the extra.
  ZQ_Rectangle<long> ExpectedRectangle(ZQF_Glyph* Label) {
    ZQF_TooltipsMessage question;
    Label->Dispatch(question, ZQF_GetSingleGlyphRouter());
    const ZQ_Point<long> extra = ZQF_Tooltips::GetExtra();
    const ZQ_Point<long> text =
        question.GetFont().GetSize(ZQF_GetMetricDC().GetHDC(), question.GetText());
    return ZQ_Rectangle<long>(question.GetTextPosition().X - extra.X,
                              question.GetTextPosition().Y - extra.Y, text.X + 2 * extra.X,
                              text.Y + 2 * extra.Y);
  }

  StackGlyph* root = nullptr;
  ZQF_StoredLabelGlyph* first = nullptr;
  RecordingGlyph* gap = nullptr;
  ZQF_StoredLabelGlyph* second = nullptr;
  ZQF_Window* window = nullptr;
};

TEST_F(TooltipWindowTest, ShowsAfterItsDelayOverTheTextAndEndsByClickMoveOrDestruction) {
  ZQF_Tooltips& tips = ZQF_Tooltips::Get();
  MoveTo(first);
  EXPECT_EQ(State(), ZQF_TooltipStateMachine::State_Pending);
  FireTimer();
  ASSERT_EQ(State(), ZQF_TooltipStateMachine::State_Shown);
  ASSERT_NE(tips.GetTooltipWindow(), nullptr);
  const ZQ_Rectangle<long> shown = tips.GetTooltipWindow()->GetWindowRectangle();
  EXPECT_EQ(shown, ExpectedRectangle(first));
  const ZQ_Rectangle<long> frame = window->GetWindowRectangle();
  const long right = std::max(frame.X + frame.Width, shown.X + shown.Width);
  PumpUntilPainted(tips.GetTooltipWindow()->GetWindowHandle());
  const ZQ_Point<long> corner(std::min(frame.X, shown.X) - 10, frame.Y - 10);
  const ZQIMG_Image shot = SaveScreenRectangleShot(
      ZQ_Rectangle<long>(corner.X, corner.Y, right - corner.X + 10, frame.Height + 20),
      "TooltipOverCutLabel");
  // inside the tooltip's one-pixel border, left of its text
  EXPECT_EQ(shot.GetPixelColor(shown.X - corner.X + 1, shown.Y - corner.Y + 1),
            ZQF_GetColorMetric(ZQF_ColorMetric_TooltipBackground));

  // A click hides it, and it stays hidden over the same caption.
  Send(window->GetWindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(3, 3));
  EXPECT_EQ(State(), ZQF_TooltipStateMachine::State_Dismissed);
  EXPECT_EQ(tips.GetTooltipWindow(), nullptr);
  MoveTo(first);
  EXPECT_EQ(State(), ZQF_TooltipStateMachine::State_Dismissed);

  // Another caption: the delay again; then off it and onto the first
  // within the recently-shown time: at once.
  MoveTo(second);
  EXPECT_EQ(State(), ZQF_TooltipStateMachine::State_Pending);
  FireTimer();
  EXPECT_EQ(State(), ZQF_TooltipStateMachine::State_Shown);
  MoveTo(gap);
  EXPECT_EQ(State(), ZQF_TooltipStateMachine::State_RecentlyShown);
  EXPECT_EQ(tips.GetTooltipWindow(), nullptr);
  MoveTo(first);
  EXPECT_EQ(State(), ZQF_TooltipStateMachine::State_Shown);
  EXPECT_EQ(tips.GetTooltipWindow()->GetWindowRectangle(), ExpectedRectangle(first));

  // Suspended, moves change nothing.
  ZQF_Tooltips_Suspend();
  MoveTo(gap);
  ZQF_Tooltips_Resume();
  EXPECT_EQ(State(), ZQF_TooltipStateMachine::State_Shown);

  root->DeleteChild(first);
  EXPECT_EQ(State(), ZQF_TooltipStateMachine::State_RecentlyShown);
  EXPECT_EQ(tips.GetTooltipWindow(), nullptr);
  EXPECT_EQ(tips.GetCurrentGlyph(), nullptr);
}

ZQFO_Document* NamedDocument(const char* Name) {
  auto* document = new ZQFO_Document;
  document->SetName(Name);
  return document;
}

// Answers tooltips with a document and a text.
class DocumentTipGlyph : public FilledGap {
 public:
  explicit DocumentTipGlyph(const char* Text) : FilledGap("document", nullptr), Text(Text) {
    SetSize(100, 30);
    OnOffer = [this](ZQF_Message& Message, bool SecondTry) {
      auto* question = dynamic_cast<ZQF_TooltipsMessage*>(&Message);
      if (!question || SecondTry) return;
      question->SetText(this->Text);
      question->SetDocument(Document);
      question->SetHandled();
    };
  }
  const char* Text;
  ZQ_CountedPtr<ZQFO_Document> Document{NamedDocument("Tip document")};
};

// A test factory: a 150 x 40 glyph; records what it was asked for.
double s_widthFraction = 0;
ZQ_Point<long> s_margins;
ZQ_CountedPtr<ZQFO_Document> s_shownDocument;
ZQF_Glyph* MakeDocumentGlyph(const ZQ_CountedPtr<ZQFO_Document>& Document, double WidthFraction,
                             long MarginX, long MarginY) {
  s_shownDocument = Document;
  s_widthFraction = WidthFraction;
  s_margins = ZQ_Point<long>(MarginX, MarginY);
  auto* glyph = new RecordingGlyph("shown document", nullptr);
  glyph->SetSize(150, 40);
  return glyph;
}

TEST_F(TooltipWindowTest, DocumentsShowInTheRegisteredGlyphElseTheirTextElseNothing) {
  auto* form = new FilledStack("form", nullptr);
  auto* worded = new DocumentTipGlyph("Plain words");
  auto* wordless = new DocumentTipGlyph("");
  form->AddChild(worded, true);
  form->AddChild(wordless, true);
  window = OpenAround(form, ZQ_Rectangle<long>(400, 300, 120, 80));
  const ZQ_Point<long> cursor = ZQR_Cursor::GetCursorSize();
  const ZQ_Point<long> extra = ZQF_Tooltips::GetExtra();
  const ZQ_Point<long> words =
      ZQF_GetFontMetric(ZQF_FontMetric_Tooltip).GetSize(ZQF_GetMetricDC().GetHDC(), ZQ_String("Plain words"));
  const struct {
    const char* why;
    bool factory;
    ZQF_Glyph* glyph;
    ZQ_Point<long> size;  // 0 x 0: nothing shown
  } cases[] = {
      {"without a factory, the text", false, worded,
       {words.X + 2 * extra.X, words.Y + 2 * extra.Y}},
      {"without a factory or a text, nothing", false, wordless, {0, 0}},
      {"with a factory, the document at its natural size", true, wordless, {150, 40}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const ZQF_TooltipDocumentGlyphFactory saved =
        ZQF_Tooltips_RegisterDocumentGlyphFactory(c.factory ? &MakeDocumentGlyph : nullptr);
    MoveTo(form);  // off every tooltip
    const ZQ_Point<long> mouse = MoveTo(c.glyph);
    if (c.size.X == 0) {
      EXPECT_EQ(ZQF_Tooltips::Get().GetCurrentGlyph(), nullptr);
    } else {
      // At once when one was shown less than the recently-shown time ago.
      if (State() == ZQF_TooltipStateMachine::State_Pending) FireTimer();
      ZQF_TransientWindow* shown = ZQF_Tooltips::Get().GetTooltipWindow();
      ASSERT_NE(shown, nullptr);
      const ZQ_Rectangle<long> around(mouse.X - cursor.X, mouse.Y - cursor.Y, 2 * cursor.X,
                                      2 * cursor.Y);
      EXPECT_EQ(shown->GetWindowRectangle(),
                ZQF_Tooltips::ComputeTooltipWindowLayout(c.size.X, c.size.Y, around));
    }
    ZQF_Tooltips_RegisterDocumentGlyphFactory(saved);
  }
  EXPECT_EQ(s_widthFraction, 0.33);
  EXPECT_EQ(s_margins, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px));
  ASSERT_FALSE(s_shownDocument.IsNull());
  EXPECT_EQ(std::string(s_shownDocument->GetName().GetText()), "Tip document");
  s_shownDocument = ZQ_CountedPtr<ZQFO_Document>();
}

// The document is no part of what tells tooltips apart: a glyph that hands
// out a new document for the same text keeps its tooltip; a new text does not.
TEST_F(TooltipWindowTest, ANewDocumentKeepsTheShownTooltipANewTextReplacesIt) {
  auto* form = new FilledStack("form", nullptr);
  auto* tip = new DocumentTipGlyph("Plain words");
  form->AddChild(tip, true);
  window = OpenAround(form, ZQ_Rectangle<long>(400, 300, 120, 80));
  MoveTo(form);
  MoveTo(tip);
  if (State() == ZQF_TooltipStateMachine::State_Pending) FireTimer();
  ASSERT_NE(ZQF_Tooltips::Get().GetTooltipWindow(), nullptr);
  const struct {
    const char* why;
    void (*change)(DocumentTipGlyph*);
    bool sameWindow;
  } cases[] = {
      {"a new document", [](DocumentTipGlyph* g) { g->Document = ZQ_CountedPtr<ZQFO_Document>(NamedDocument("New")); }, true},
      {"a new text", [](DocumentTipGlyph* g) { g->Text = "Other words"; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const HWND before = ZQF_Tooltips::Get().GetTooltipWindow()->GetWindowHandle();
    c.change(tip);
    MoveTo(tip);
    ASSERT_EQ(State(), ZQF_TooltipStateMachine::State_Shown);
    EXPECT_EQ(ZQF_Tooltips::Get().GetTooltipWindow()->GetWindowHandle() == before, c.sameWindow);
  }
}

// The real timer ends the delay. The suite runs beside other programs, whose
// windows may take the focus and so dismiss an attempt: it is tried again.
TEST_F(TooltipWindowTest, ShowsByItselfOnceItsDelayHasPassed) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    MoveTo(gap);
    MoveTo(first);
    if (WaitUntilShown()) break;
  }
  EXPECT_EQ(State(), ZQF_TooltipStateMachine::State_Shown);
  EXPECT_EQ(ZQF_Tooltips::Get().GetCurrentGlyph(), first);
}

}  // namespace
