// The toolbar: standard buttons with their commands and idle updates (the
// queue pumped by hand), button-active modes, faces, layout and drawing;
// then a real window with a toolbar above its contents.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "../../services/TranslationTestSupport.h"
#include "../core/WindowTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_MessageHookGlyph.h"
#include "ZQF_SelectableClientNullContainerGlyph.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_ToolbarGlyph.h"

namespace {

using T = ZQF_ToolbarGlyph;
class OwnCommandMessage : public ZQF_StandardCommandMessage {};
class OwnCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};

// Answers the updates of class Answered (while null: of every class not
// ignored) and logs the commands by class name, " printing" for the option.
struct CommandAnswer {
  const std::type_info* answered = nullptr;
  std::vector<const std::type_info*> ignored;
  bool enabled = true;
  std::vector<std::string> commands;

  void Call(ZQF_Message& Message, bool SecondTry) {
    const std::type_info& type = typeid(Message);
    for (const auto* i : ignored) {
      if (type == *i) return;
    }
    if (SecondTry) return;
    if (auto* update = dynamic_cast<ZQF_StandardCommandUpdateMessage*>(&Message)) {
      if (answered && type != *answered) return;
      update->SetEnabled(enabled);
      update->SetHandled();
    } else if (dynamic_cast<ZQF_StandardCommandMessage*>(&Message)) {
      const auto* print = dynamic_cast<ZQF_PrintCommandMessage*>(&Message);
      commands.push_back(type.name() +
                         std::string(print && print->GetPrintOption() ? " printing" : ""));
      Message.SetHandled();
    }
  }
};

// root -> [toolbar, contents (the focus child, answering)].
struct ToolbarRig {
  explicit ToolbarRig(long DefaultMode = T::ButtonActive_FocusPath)
      : Toolbar(new T(DefaultMode, -1, -1)) {
    auto* contents = new RecordingGlyph("contents", nullptr);
    contents->SetSize(100, 50);
    contents->OnOffer = [this](ZQF_Message& M, bool S) { Answer.Call(M, S); };
    Root.AddChild(Toolbar, true);
    Root.AddChild(contents, true);
    Root.SetFocusChild(contents);
  }
  void Click(ZQF_Glyph* Button) {
    const ZQ_Rectangle<long>& box = Button->GetBoundingBox();
    ZQF_LeftDownMouseMessage down(box.X + 5, box.Y + 5, false, false, false);
    ZQF_LeftUpMouseMessage up(box.X + 5, box.Y + 5, false, false, false);
    Root.Dispatch(down);
    ZQF_Glyph* capturing = ZQF_Window::GetCapturingGlyph();
    (capturing ? capturing : &Root)->Dispatch(up);
  }

  CommandAnswer Answer;
  StackGlyph Root{"root", nullptr};
  T* Toolbar;
};

class Toolbar : public DistinctColorsStageTest {};

TEST_F(Toolbar, StandardButtonsAreEnabledByTheirOwnUpdateAndSendTheirCommand) {
#define ROW(Bitmap, Tooltip, Name) \
  { Bitmap, Tooltip, &typeid(Name##CommandMessage), &typeid(Name##CommandUpdateMessage) }
  const struct {
    const char *bitmap, *tooltip;
    const std::type_info *command, *update;
  } rows[] = {ROW("ZQF_PropertiesToolbarButtonBitmap", "Edit properties", ZQF_Properties),
              ROW("ZQF_InspectToolbarButtonBitmap", "Inspect properties", ZQF_Inspect),
              ROW("ZQF_PageSetupToolbarButtonBitmap", "Page Setup", ZQF_PageSetup),
              ROW("ZQF_PrintPreviewToolbarButtonBitmap", "Print Preview", ZQF_PrintPreview),
              ROW("ZQF_PrintToolbarButtonBitmap", "Print", ZQF_Print),
              ROW("ZQF_CutToolbarButtonBitmap", "Cut", ZQF_Cut),
              ROW("ZQF_CopyToolbarButtonBitmap", "Copy", ZQF_Copy),
              ROW("ZQF_PasteToolbarButtonBitmap", "Paste", ZQF_Paste),
              ROW("ZQF_DeleteCrossToolbarButtonBitmap", "Delete", ZQF_Delete),
              ROW("ZQF_AddPlusSignToolbarButtonBitmap", "Add", ZQF_Add),
              ROW("ZQF_UndoToolbarButtonBitmap", "Undo", ZQF_Undo),
              ROW("ZQF_RedoToolbarButtonBitmap", "Redo", ZQF_Redo),
              ROW("ZQF_BrowseBack_ToolbarButtonBitmap", "Go Back", ZQF_BrowseBack),
              ROW("ZQF_BrowseForward_ToolbarButtonBitmap", "Go Forward", ZQF_BrowseForward)};
#undef ROW
  TestDictionary::Entries entries;
  for (const auto& row : rows) entries[row.tooltip] = std::string("~") + row.tooltip;
  TestDictionary dictionary(entries);
  for (long id = 0; id < 14; ++id) {
    SCOPED_TRACE(rows[id].bitmap);
    ToolbarRig rig;
    ZQ_String bitmap, tooltip;
    ZQF_StandardBitmapButtonGlyph* button =
        rig.Toolbar->AddStandardButton(id, bitmap, tooltip, "", 2, false);
    EXPECT_EQ(bitmap, ZQ_String(rows[id].bitmap));
    EXPECT_EQ(tooltip, ZQ_String(entries[rows[id].tooltip].c_str()));
    EXPECT_EQ(button->GetTooltipText(), tooltip);
    LayOut(rig.Root, Box(0, 0, 300, 100));
    const std::string sent = rows[id].command->name() + std::string(id == 4 ? " printing" : "");
    // The update answered, enabled or not -> the button enabled, the commands after a click.
    const struct {
      const std::type_info* answered;
      bool enabled, wantEnabled;
      std::vector<std::string> commands;
    } steps[] = {{rows[id].update, true, true, {sent}},
                 {rows[id].update, false, false, {sent}},
                 {rows[(id + 1) % 14].update, true, false, {sent}},
                 {rows[id].update, true, true, {sent, sent}}};
    for (const auto& step : steps) {
      rig.Answer.answered = step.answered;
      rig.Answer.enabled = step.enabled;
      RunIdleActions();
      EXPECT_EQ(button->IsEnabled(), step.wantEnabled);
      rig.Click(button);
      EXPECT_EQ(rig.Answer.commands, step.commands);
    }
  }
}

TEST_F(Toolbar, StandardButtonFillsOnlyTheCallersEmptyStrings) {
  TestDictionary dictionary({{"Print", "Drucken"}, {"Cut", "Ausschneiden"}, {"Now", "Jetzt"}});
  const struct {
    const char* why;
    long identifier;
    const char *bitmap, *tooltip, *wantBitmap, *wantTooltip, *failure;
  } cases[] = {
      {"both empty", 4, "", "", "ZQF_PrintToolbarButtonBitmap", "Drucken", ""},
      {"the caller's tooltip, untranslated", 4, "", "Now", "ZQF_PrintToolbarButtonBitmap", "Now",
       ""},
      {"the caller's picture", 5, "ZQTEST_PlusButtonBitmap", "", "ZQTEST_PlusButtonBitmap",
       "Ausschneiden", ""},
      {"identifier 14", 14, "", "", "", "", "false"},
      {"a negative identifier would read outside the table", -1, "", "", "", "", "false"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ZQF_RowGlyph row;
    ZQ_String bitmap(c.bitmap), tooltip(c.tooltip);
    const std::string failure = AssertionFailureOf(
        [&] { Util_AddStandardButton(&row, c.identifier, bitmap, tooltip, "", true, false); });
    EXPECT_TRUE(*c.failure ? FailedOn(failure, c.failure) : failure.empty()) << failure;
    EXPECT_EQ(bitmap, ZQ_String(c.wantBitmap));
    EXPECT_EQ(tooltip, ZQ_String(c.wantTooltip));
    EXPECT_EQ(row.GetFirstChild() != nullptr, !*c.failure);
  }
}

TEST_F(Toolbar, DefaultButtonActiveModeStandsInForButtonActiveDefault) {
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { T(T::ButtonActive_Default, 0, 0); }),
                       "aDefaultButtonActive != ButtonActive_Default"));
  // Only the focus path reaches the contents beside the toolbar.
  const struct {
    long toolbarDefault, buttonMode;
    bool enabled;
  } cases[] = {{T::ButtonActive_FocusPath, T::ButtonActive_Default, true},
               {T::ButtonActive_ParentChain, T::ButtonActive_Default, false},
               {T::ButtonActive_ParentChain, T::ButtonActive_FocusPath, true},
               {T::ButtonActive_FocusPath, T::ButtonActive_ParentChain, false}};
  for (const auto& c : cases) {
    for (bool standard : {false, true}) {
      SCOPED_TRACE(std::to_string(c.toolbarDefault) + std::to_string(c.buttonMode) +
                   (standard ? " standard" : ""));
      ToolbarRig rig(c.toolbarDefault);
      ZQ_String bitmap, tooltip;
      ZQF_ButtonGlyph* button =
          standard
              ? rig.Toolbar->AddStandardButton(10, bitmap, tooltip, "", c.buttonMode, false)
              : rig.Toolbar->AddBitmapButton(
                    "ZQTEST_PlusButtonBitmap", std::make_unique<OwnCommandMessage>(),
                    std::make_unique<OwnCommandUpdateMessage>(), "Own", "", c.buttonMode, false);
      LayOut(rig.Root, Box(0, 0, 300, 100));
      RunIdleActions();
      EXPECT_EQ(button->IsEnabled(), c.enabled);
    }
  }
}

TEST_F(Toolbar, Layout) {
  ASSERT_EQ(ZQF_GetSizeMetric(ZQF_SizeMetric_FrameMargin), ZQ_Point<long>(4, 4));  // negative margins: 2
  ASSERT_EQ(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X, 8);                    // the spacer unit
  const auto fixed = [] { return new SizedGlyph(20, 10); };
  struct Case {
    const char* why;
    long margin, width;
    // Adds to the toolbar after a first 20 x 10 glyph; returns the glyph to check.
    std::function<ZQF_Glyph*(T&, ZQF_Glyph*)> build;
    ZQ_Rectangle<long> want;
  };
  const auto justified = [&](T& t, ZQF_Glyph*) -> ZQF_Glyph* {
    t.AddRightJustificationSpacer();
    t.AddClient(fixed());
    return t.GetCurrentFace()->GetLastChild();
  };
  const std::vector<Case> cases = {
      {"negative margins", -1, 300, [](T&, ZQF_Glyph* first) { return first; }, Box(2, 2, 20, 10)},
      {"the caller's margins", 5, 300, [](T&, ZQF_Glyph* first) { return first; },
       Box(5, 5, 20, 10)},
      {"two spacer units", 0, 300,
       [&](T& t, ZQF_Glyph*) -> ZQF_Glyph* {
         t.AddSpacer(2);
         t.AddClient(fixed());
         return t.GetCurrentFace()->GetLastChild();
       },
       Box(36, 0, 20, 10)},
      {"after the justification spacer: at the right end", 3, 300, justified, Box(277, 3, 20, 10)},
      {"the same in a wider toolbar", 3, 500, justified, Box(477, 3, 20, 10)},
      {"a lower glyph centred in the face", 0, 300,
       [](T& t, ZQF_Glyph* first) {
         t.AddClient(new SizedGlyph(20, 30, 20, 30, 20, 0x10000000));
         return first;
       },
       Box(0, 10, 20, 10)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    T toolbar(T::ButtonActive_FocusPath, c.margin, c.margin);
    ZQF_Glyph* first = fixed();
    toolbar.AddClient(first);
    ZQF_Glyph* checked = c.build(toolbar, first);
    LayOut(toolbar, Box(0, 0, c.width, 40));
    EXPECT_EQ(checked->GetBoundingBox(), c.want);
    // As high as its face, which does not stretch, with the margins.
    const ZQ_Rectangle<long>& face = toolbar.GetCurrentFace()->GetBoundingBox();
    EXPECT_EQ(toolbar.GetDesiredSize().Natural.Y, face.Height + 2 * face.Y);
  }
}

TEST_F(Toolbar, NewFacesTakeTheButtonsWhileTheFirstStaysShown) {
  static const char kEditing = 0;
  T toolbar(T::ButtonActive_FocusPath, 0, 0);
  auto* first = new SizedGlyph(20, 10);
  auto* editing = new SizedGlyph(30, 10);
  toolbar.AddClient(first);
  toolbar.AddFace(&kEditing);
  toolbar.AddClient(editing);
  for (bool selected : {false, true}) {
    if (selected) toolbar.GetFacesContainer()->SelectClient(&kEditing);
    LayOut(toolbar, Box(0, 0, 200, 20));
    EXPECT_EQ(first->GetBoundingBox().X, selected ? -20000 : 0);
    EXPECT_EQ(editing->GetBoundingBox().X, selected ? 0 : -20000);
  }
}

TEST_F(Toolbar, FillsItsBackgroundAndLeavesTheButtonsToThemselves) {
  const ZQR_Color background(250, 0, 250);
  ZQF_SetColorMetricForTesting(32, background);
  auto* toolbar = new T(T::ButtonActive_FocusPath, -1, -1);
  ZQ_String bitmap, tooltip;
  ZQF_ButtonGlyph* cut = toolbar->AddStandardButton(T::Button_Cut, bitmap, tooltip, "", 2, false);
  ZQF_TopLevelGlyph top(toolbar);
  top.ProcessWindowSizeChange(Box(0, 0, 120, 40));
  DibSurface surface(120, 40);
  ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
  top.ProcessWindowDraw(canvas);
  const ZQ_Rectangle<long>& box = cut->GetBoundingBox();
  EXPECT_EQ(surface.CountPixels(background), 120 * 40 - box.Width * box.Height);
  EXPECT_EQ(surface.GetPixel(box.X + box.Width / 2, box.Y), ZQF_GetColorMetric(ZQF_ColorMetric_ButtonHighlight));  // raised
}

// column [toolbar, contents (the focus child) whose hook answers all but
// Paste and Redo and records the commands].
TEST_F(WindowTest, ToolbarButtonsAboveTheContentsSendCommandsAlongTheFocusPath) {
  auto* toolbar = new T(T::ButtonActive_FocusPath, -1, -1);
  std::vector<ZQF_ButtonGlyph*> buttons;
  const long ids[] = {T::Button_Cut, T::Button_Copy, T::Button_Paste, -1, T::Button_Undo,
                      T::Button_Redo};  // -1: a spacer
  for (long id : ids) {
    ZQ_String bitmap, tooltip;
    if (id < 0) toolbar->AddSpacer(1);
    if (id >= 0) buttons.push_back(toolbar->AddStandardButton(id, bitmap, tooltip, "", 2, false));
  }
  buttons.push_back(
      toolbar->AddBitmapButton("ZQTEST_PlusButtonBitmap", std::make_unique<OwnCommandMessage>(),
                               std::make_unique<OwnCommandUpdateMessage>(), "Own", "", 2, false));
  toolbar->AddRightJustificationSpacer();
  ZQ_String bitmap, tooltip;
  buttons.push_back(toolbar->AddStandardButton(T::Button_Print, bitmap, tooltip, "", 2, false));
  auto* text = new ZQF_ColumnGlyph;
  text->AddToBottom(new ZQF_StoredLabelGlyph("  Heat-stress notes for the afternoon shift."));
  text->AddToBottom(new ZQF_VerticalGlueGlyph);
  auto* contents = new ZQF_MessageHookGlyph(text);
  CommandAnswer answer;
  answer.ignored = {&typeid(ZQF_PasteCommandUpdateMessage), &typeid(ZQF_RedoCommandUpdateMessage)};
  contents->InstallMessageHook(ZQF_MessageHookGlyph::HookCallback(&answer, &CommandAnswer::Call),
                               0x2800, 0);
  auto* column = new ZQF_ColumnGlyph;
  column->AddToBottom(toolbar);
  column->AddToBottom(contents);
  column->SetFocusChild(contents);
  const HWND handle = OpenAround(column, Box(100, 100, 320, 120))->GetWindowHandle();
  RunIdleActions();
  EXPECT_EQ(contents->GetBoundingBox().Y, toolbar->GetBoundingBox().Height);
  EXPECT_EQ(buttons.back()->GetBoundingBox().GetTopRight().X, 320 - 2);
  const char* const wanted[] = {"Cut", "Copy",       "",     "Undo",
                                "",    "OwnCommand", "Print"};  // "": greyed
  for (size_t i = 0; i < buttons.size(); ++i) {
    SCOPED_TRACE(i);
    answer.commands.clear();
    EXPECT_EQ(buttons[i]->IsEnabled(), *wanted[i] != 0);
    const ZQ_Rectangle<long>& box = buttons[i]->GetBoundingBox();
    Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(box.X + 5, box.Y + 5));
    Send(handle, WM_LBUTTONUP, 0, Point(box.X + 5, box.Y + 5));
    ASSERT_EQ(answer.commands.size(), *wanted[i] ? 1u : 0u);
    if (*wanted[i]) {
      EXPECT_NE(answer.commands[0].find(wanted[i]), std::string::npos) << answer.commands[0];
    }
  }
  SaveScreenshot(handle, "Toolbar");
}

}  // namespace
