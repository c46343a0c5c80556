// The print preview: the grid of paper images, navigation, zoom, selection,
// the dialog's toolbar, keys and closing, printing the selected pages, and
// screenshots, through the real modal dialog driven at idle time.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "../../gui/dialogs/DialogTestSupport.h"
#include "PrintTestSupport.h"
#include "ZQFOxZQF_PrintPreviewDocument.h"
#include "ZQFOxZQF_PrintPreviewPageDisplayGlyph.h"
#include "ZQF_HelpAvailability.h"
#include "ZQF_Metrics.h"
#include "ZQLOW_WINGDI.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_StandardButtonGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_ToolbarGlyph.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_FileNameRegistry.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQLOW_COMMDLG.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_ApplicationMetrics.h"

namespace {

ZQFOxZQF_PrintPreviewPaper LetterPaper() {
  ZQFOxZQF_PrintPreviewPaper paper;
  paper.Width = 215.9;
  paper.Height = 279.4;
  paper.PrintableLeft = paper.PrintableTop = 25.4;
  paper.PrintableWidth = 215.9 - 50.8;
  paper.PrintableHeight = 279.4 - 50.8;
  return paper;
}

bool Overlap(const ZQ_Rectangle<long>& A, const ZQ_Rectangle<long>& B) {
  return A.X < B.X + B.Width && B.X < A.X + A.Width && A.Y < B.Y + B.Height && B.Y < A.Y + A.Height;
}

// Runs the preview of Doc modally; Steps run one after another at idle
// time with the running dialog, and the last one closes it.
void RunPreview(const ZQFO_Document& Doc, std::function<void(PrintPreviewDialogBox&)> Steps) {
  IdleStep::Queue([Steps] {
    auto* dialog = dynamic_cast<PrintPreviewDialogBox*>(NewestDialog());
    if (!dialog) {
      ADD_FAILURE() << "no preview open";
      return;
    }
    Steps(*dialog);
  });
  ZQFOxZQF_PrintPreviewDocument(Doc, 0);
}

void Key(PrintPreviewDialogBox& Dialog, ZQF_KeyCode Code, bool Shift = false, bool Control = false, bool Alt = false) {
  ZQF_DownKeyMessage key(Code, Shift, Control, Alt);
  Dialog.GetTopLevelGlyph()->Dispatch(key);
}

// A left click at the centre of page Cell of the grid.
void Click(PrintPreviewDialogBox& Dialog, long Cell, bool Shift = false, bool Control = false) {
  ZQFOxZQF_PrintPreviewPageDisplayGlyph& display = *Dialog.GetPageDisplay();
  const ZQ_Rectangle<long> paper = display.GlyphToWindow(display.GetGrid().PaperRects[Cell]);
  ZQF_LeftDownMouseMessage press(paper.X + paper.Width / 2, paper.Y + paper.Height / 2, Shift, Control, false);
  Dialog.GetTopLevelGlyph()->Dispatch(press);
}

std::string Status(PrintPreviewDialogBox& Dialog) {
  RunIdleActions();
  return Dialog.GetStatusLabel()->GetText().GetText();
}

void CollectButtons(ZQF_Glyph* Glyph, std::vector<ZQF_StandardButtonGlyph*>& Buttons) {
  if (auto* button = dynamic_cast<ZQF_StandardButtonGlyph*>(Glyph)) Buttons.push_back(button);
  for (ZQF_Glyph* child = Glyph->GetFirstChild(); child; child = child->GetNextSibling())
    CollectButtons(child, Buttons);
}

}  // namespace

class PrintPreview : public PrintingTest {};

TEST_F(PrintPreview, TheGridGivesTheWidestPapersCentredWithoutOverlap) {
  const struct {
    long width, height, pages, wantColumns, wantRows;
    const char* why;
  } kCases[] = {
      {1200, 400, 2, 2, 1, "two pages side by side on a wide area"},
      {400, 1200, 2, 1, 2, "one above the other on a tall area"},
      {800, 800, 4, 2, 2, "four on a square"},
      {2000, 300, 8, 8, 1, "eight in a row on a strip"},
      {1200, 400, 8, 4, 2, "four by two when that gives wider papers"},
      {800, 800, 64, 8, 8, "sixty-four on a square"},
      {1200, 700, 1, 1, 1, "one page"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQFOxZQF_PrintPreviewGrid grid = ZQFOxZQF_PrintPreviewGrid::Compute(c.width, c.height, c.pages, LetterPaper());
    EXPECT_EQ(grid.NumColumns, c.wantColumns);
    EXPECT_EQ(grid.NumRows, c.wantRows);
    ASSERT_EQ(static_cast<long>(grid.PaperRects.size()), c.pages);
    const ZQ_Rectangle<long>& first = grid.PaperRects.front();
    const ZQ_Rectangle<long>& last = grid.PaperRects.back();
    EXPECT_LE(std::abs(first.X - 1 - (c.width - (last.X + last.Width + 3))), 1) << "centred across";
    EXPECT_NEAR(static_cast<double>(first.Width) / first.Height, 215.9 / 279.4, 0.02) << "the paper's shape";
    for (size_t i = 0; i < grid.PaperRects.size(); ++i) {
      const ZQ_Rectangle<long>& paper = grid.PaperRects[i];
      const ZQ_Rectangle<long>& page = grid.PageRects[i];
      EXPECT_GE(page.X, paper.X);
      EXPECT_LE(page.X + page.Width, paper.X + paper.Width);
      EXPECT_NEAR(page.X - paper.X, paper.Width * 25.4 / 215.9, 1.0) << "the left margin to scale";
      if (i > 0) {
        EXPECT_FALSE(Overlap(grid.PaperRects[i - 1], paper));
      }
    }
  }
  ZQFOxZQF_PrintPreviewPaper wideMargins = LetterPaper();
  wideMargins.PrintableLeft = 300;
  wideMargins.PrintableTop = -50;
  wideMargins.PrintableHeight = 0;
  const ZQFOxZQF_PrintPreviewGrid grid = ZQFOxZQF_PrintPreviewGrid::Compute(300, 200, 1, wideMargins);
  EXPECT_GE(grid.PageRects[0].Width, 1) << "margins wider than the paper leave one pixel";
  EXPECT_GE(grid.PageRects[0].Height, 1);
}

// The navigation of a ten-page document, by keys as the user presses them.
TEST_F(PrintPreview, KeysPageAndZoomThroughTenPages) {
  struct Row {
    std::function<void(PrintPreviewDialogBox&)> act;
    long wantFirst, wantVisible;
    bool wantZoomed;
    const char* wantStatus;
    const char* why;
  };
  const auto key = [](ZQF_KeyCode Code, bool Shift = false, bool Control = false, bool Alt = false) {
    return [=](PrintPreviewDialogBox& D) { Key(D, Code, Shift, Control, Alt); };
  };
  const std::vector<Row> kRows = {
      {key('3', false, true), 0, 4, false, "Pages 1 through 4 of 10", "Ctrl+3 shows four pages"},
      {key(ZQF_Key_PageDown), 4, 4, false, "Pages 5 through 8 of 10", "Page Down: the next four"},
      {key(ZQF_Key_Right, true), 5, 4, false, "Pages 6 through 9 of 10", "Right, Shift either: one on"},
      {key(ZQF_Key_Right), 6, 4, false, "Pages 7 through 10 of 10", "and one more"},
      {key(ZQF_Key_PageDown), 6, 4, false, "Pages 7 through 10 of 10", "the last screen stays"},
      {key(ZQF_Key_End), 6, 4, false, "Pages 7 through 10 of 10", "End keeps index 6"},
      {key('4', false, true), 2, 8, false, "Pages 3 through 10 of 10", "eight visible move the first to 2"},
      {key(ZQF_Key_Home, false, false, true), 2, 8, false, "Pages 3 through 10 of 10", "Alt down: no key acts"},
      {key('-'), 0, 16, false, "Pages 1 through 10 of 10", "minus zooms out, sixteen start at page 1"},
      {key(ZQF_Key_Home), 0, 16, false, "Pages 1 through 10 of 10", "Home"},
      {key(ZQF_Key_PageDown), 0, 16, false, "Pages 1 through 10 of 10", "all in view: Page Down stays"},
      {key('7', false, true), 0, 64, false, "Pages 1 through 10 of 10", "Ctrl+7 shows 64"},
      {key('_'), 0, 64, false, "Pages 1 through 10 of 10", "no further out than 64"},
      {key('1', false, true), 0, 1, false, "Page 1 of 10", "Ctrl+1"},
      {key('+'), 0, 1, true, "Page 1 of 10", "plus at one page zooms it"},
      {key(ZQF_Key_Down), 0, 1, true, "Page 2 of 10", "zoomed, Down shows the next page"},
      {key(ZQF_Key_End), 0, 1, true, "Page 10 of 10", "zoomed, End the last"},
      {key('-'), 9, 1, false, "Page 10 of 10", "zooming out shows the zoomed page"},
      {key('2', false, true), 8, 2, false, "Pages 9 through 10 of 10", "two pages keep the last in view"},
      {key(ZQF_Key_PageUp), 6, 2, false, "Pages 7 through 8 of 10", "Page Up"},
      {key(ZQF_Key_Up), 4, 2, false, "Pages 5 through 6 of 10", "Up: back one row of two columns"},
  };
  RunPreview(PagesDocument(10), [&](PrintPreviewDialogBox& dialog) {
    ZQFOxZQF_PrintPreviewPageDisplayGlyph& display = *dialog.GetPageDisplay();
    EXPECT_EQ(display.GetNumPages(), 10);
    EXPECT_EQ(Status(dialog), "Page 1 of 10");
    for (const Row& row : kRows) {
      SCOPED_TRACE(row.why);
      row.act(dialog);
      EXPECT_EQ(display.GetFirstPageIndexVisible(), row.wantFirst);
      EXPECT_EQ(display.GetNumPagesVisible(), row.wantVisible);
      EXPECT_EQ(display.GetIsZoomed(), row.wantZoomed);
      EXPECT_EQ(Status(dialog), row.wantStatus);
      if (row.wantVisible == 16 || (row.wantVisible == 1 && !row.wantZoomed))
        SaveScreenshot(dialog.GetWindow()->GetWindowHandle(),
                       "print-preview-" + std::to_string(row.wantVisible) + "-of-ten-pages");
    }
    Key(dialog, ZQF_Key_Escape);
  });
  EXPECT_EQ(NewestDialog(), nullptr);
}

// Selecting pages by clicks, printing them alone, keeping the selection over
// an unchanged page setup and losing it over a changed one; screenshots of
// four pages with a selection and of a zoomed page.
TEST_F(PrintPreview, ClickedPagesAreSelectedAndPrintAlone) {
  const std::string file = OutputFile("PrintPreviewSelection.ps");
  ZQ_SetFileName(Settings(), "QueriedOutputFileName", ZQ_FileName(file.c_str()));
  RunPreview(PagesDocument(6, "Selection"), [&](PrintPreviewDialogBox& dialog) {
    ZQFOxZQF_PrintPreviewPageDisplayGlyph& display = *dialog.GetPageDisplay();
    Key(dialog, '3', false, true);
    SetSelectionToolToggleCommandMessage tool;
    dialog.GetTopLevelGlyph()->Dispatch(tool);
    SetSelectionToolToggleCommandUpdateMessage update;
    dialog.GetTopLevelGlyph()->Dispatch(update);
    EXPECT_TRUE(update.IsChecked() && update.IsEnabled() && dialog.IsPageSelectionMouseToolActive());
    const struct {
      long cell;
      bool shift, control;
      std::vector<bool> want;
      const char* why;
    } kClicks[] = {
        {1, false, false, {false, true, false, false}, "a click selects"},
        {3, false, false, {false, true, false, true}, "another adds"},
        {0, true, false, {true, true, true, true}, "Shift selects from the anchor"},
        {2, false, true, {false, false, false, true}, "Control deselects from the anchor"},
        {1, false, false, {false, true, false, true}, "a click toggles"},
    };
    for (const auto& c : kClicks) {
      SCOPED_TRACE(c.why);
      Click(dialog, c.cell, c.shift, c.control);
      for (long page = 0; page < 4; ++page) EXPECT_EQ(display.IsPageSelected(page), c.want[page]) << page;
    }
    EXPECT_EQ(Status(dialog), "Pages 1 through 4 of 6");
    const ZQIMG_Image shot =
        SaveScreenshot(dialog.GetWindow()->GetWindowHandle(), "print-preview-four-pages-two-selected");
    const auto pixel = [&](long Cell, long DX, long DY) {  // DX, DY from the paper's top-left corner
      const ZQ_Point<long> at = display.GlyphToWindow(display.GetGrid().PaperRects[Cell].GetTopLeft());
      const unsigned char* p = shot.GetRow(at.Y + DY) + 3 * (at.X + DX);
      return ZQR_Color(p[2], p[1], p[0]);
    };
    const ZQ_Rectangle<long>& paper = display.GetGrid().PaperRects[0];
    const struct { long cell, dx, dy; ZQR_Color want; const char* why; } kPixels[] = {
        {0, -1, 10, ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D), "a plain frame's left line"},
        {0, -1, -1, ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D), "its top left corner"},
        {0, paper.Width, paper.Height, ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D), "its bottom right corner"},
        {0, paper.Width + 2, 10, ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D), "its shadow"},
        {0, 1, 1, ZQR_Color_White, "the white paper margin"},
        {0, -3, 10, ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow), "the background beside it"},
        {1, -1, 10, ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D), "a selected frame's inner ring"},
        {1, -3, 10, ZQR_Color_Yellow, "its yellow rings"},
        {1, -5, 10, ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D), "its outer ring"},
    };
    for (const auto& c : kPixels) {
      SCOPED_TRACE(c.why);
      EXPECT_EQ(pixel(c.cell, c.dx, c.dy), c.want);
    }
    // Every pixel around the plain paper: the frame's lines, the two-pixel
    // shadow right and below, the white margins and the background.
    const ZQ_Rectangle<long>& page = display.GetGrid().PageRects[0];
    const long w = paper.Width, h = paper.Height;
    const auto inside = [](long X, long Y, const ZQ_Rectangle<long>& R) {
      return R.X <= X && X < R.X + R.Width && R.Y <= Y && Y < R.Y + R.Height;
    };
    const ZQ_Rectangle<long> frameOuter(-1, -1, w + 2, h + 2), rightShadow(w + 1, 1, 2, h + 2),
        bottomShadow(1, h + 1, w, 2), pageInPaper(page.X - paper.X, page.Y - paper.Y, page.Width, page.Height);
    long wrong = 0;
    for (long dy = -2; dy <= h + 3; ++dy)
      for (long dx = -2; dx <= w + 3; ++dx) {
        if (inside(dx, dy, pageInPaper)) continue;
        const ZQR_Color want = inside(dx, dy, ZQ_Rectangle<long>(0, 0, w, h)) ? ZQR_Color_White
                               : inside(dx, dy, frameOuter) || inside(dx, dy, rightShadow) ||
                                       inside(dx, dy, bottomShadow)
                                   ? ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D)
                                   : ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow);
        if (pixel(0, dx, dy) != want && wrong++ == 0) ADD_FAILURE() << "first wrong pixel at " << dx << ", " << dy;
      }
    EXPECT_EQ(wrong, 0);
    // And the background everywhere else, between and beside the papers.
    const ZQ_Rectangle<long> box = display.GlyphToWindow(display.GetLocalBoundingBox());
    const std::vector<ZQ_Rectangle<long>>& papers = display.GetGrid().PaperRects;
    long wrongBackground = 0;
    for (long y = 0; y < box.Height; ++y)
      for (long x = 0; x < box.Width; ++x) {
        const bool nearPaper = std::any_of(papers.begin(), papers.begin() + 4, [&](const ZQ_Rectangle<long>& P) {
          return inside(x, y, ZQ_Rectangle<long>(P.X - 5, P.Y - 5, P.Width + 10, P.Height + 10));
        });
        const unsigned char* p = shot.GetRow(box.Y + y) + 3 * (box.X + x);
        if (!nearPaper && ZQR_Color(p[2], p[1], p[0]) != ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow) && wrongBackground++ == 0)
          ADD_FAILURE() << "first wrong background pixel at " << x << ", " << y;
      }
    EXPECT_EQ(wrongBackground, 0);
    display.NoteNewPageSetup();
    EXPECT_TRUE(display.IsPageSelected(3)) << "an unchanged page setup keeps the selection";
    {
      DialogCloser closer({{IDOK, kPrintToFileBox, false}, {IDOK, 0, false}});
      Key(dialog, 'P', false, true);
    }
    SetInspectionToolToggleCommandMessage inspect;
    dialog.GetTopLevelGlyph()->Dispatch(inspect);
    Click(dialog, 1);
    EXPECT_TRUE(display.GetIsZoomed());
    EXPECT_EQ(Status(dialog), "Page 2 of 6");
    SaveScreenshot(dialog.GetWindow()->GetWindowHandle(), "print-preview-zoomed-page");
    {
      const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::PageSetupDlgA> setup([](PAGESETUPDLGA* Setup) {
        Setup->rtMargin.left += 1000;  // a wider left margin
        return TRUE;
      });
      Key(dialog, 'p', true, true);
    }
    EXPECT_FALSE(display.IsPageSelected(3)) << "a new page setup clears the selection";
    EXPECT_TRUE(display.GetIsZoomed()) << "and zooms the same page again";
    EXPECT_EQ(display.GetZoomedPageIndex(), 1);
    Key(dialog, ZQF_Key_Escape);
  });
  const std::string output = ReadWholeFile(file);
  EXPECT_EQ(CountOf(output, "%%Page:"), 2u);
  EXPECT_NE(output.find(PostScriptNumber(2)), std::string::npos);
  EXPECT_NE(output.find(PostScriptNumber(4)), std::string::npos);
  EXPECT_EQ(output.find(PostScriptNumber(3)), std::string::npos);
}

TEST_F(PrintPreview, TheDialogShowsItsTitleAndToolbarAndClosesEveryWay) {
  // Representative tooltips by button: the key hints stay untranslated, the
  // name goes into "Print {$1}"; the four paging buttons repeat.
  const std::map<size_t, std::string> kTooltips = {
      {0, "Page Inspection Mouse Tool"}, {2, "Page setup  (Ctrl-Shift-P)"}, {3, "Print Report  (Ctrl-P)"},
      {5, "Go back number of pages currently displayed on screen  (Page Up)"}, {12, "Show 4 pages at a time  (Ctrl-3)"},
      {16, "Show 64 pages at a time  (Ctrl-7)"}};
  const struct {
    const char* name;
    std::function<void(PrintPreviewDialogBox&)> close;
    bool wantCancel;
    const char* why;
  } kCases[] = {
      {"Report", [](PrintPreviewDialogBox& D) { Key(D, ZQF_Key_Enter); }, false, "Enter"},
      {"", [](PrintPreviewDialogBox& D) { Key(D, ZQF_Key_Escape, true, true); }, false, "Escape, modifiers either"},
      {"Report", [](PrintPreviewDialogBox& D) { D.NonvirtualClose(); }, false, "the Close button's action"},
      {"", [](PrintPreviewDialogBox& D) { ::PostMessageA(D.GetWindow()->GetWindowHandle(), WM_CLOSE, 0, 0); },
       true, "the window's close command: a cancel, which the window procedure drops"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const long queued = ZQF_ActionQueue::GetNumEntries();
    bool cancelled = false;
    try {
    RunPreview(PagesDocument(2, c.name), [&](PrintPreviewDialogBox& dialog) {
      const std::string app = std::string(ZQ_GetApplicationMetrics().GetApplicationName().GetText()) + " " +
                              ZQ_GetApplicationMetrics().GetVersionString().GetText();
      EXPECT_EQ(dialog.GetTitle().GetText(), app + " - Print Preview" + (*c.name ? " - Report" : ""));
      std::vector<ZQF_StandardButtonGlyph*> buttons;
      CollectButtons(dialog.GetToolbar(), buttons);
      ASSERT_EQ(buttons.size(), 18u);
      for (const auto& tip : kTooltips) {
        if (*c.name || tip.first != 3) {
          EXPECT_EQ(buttons[tip.first]->GetTooltipText().GetText(), tip.second);
        }
      }
      for (size_t i = 0; i < buttons.size(); ++i)
        EXPECT_EQ(buttons[i]->GetAutorepeatMode(), i >= 5 && i <= 8 ? 2 : 0) << i;
      EXPECT_TRUE(buttons.back()->IsOnFocusPath()) << "Close has the focus";
      c.close(dialog);
    });
    } catch (const ZQ_CancelCurrentOperationException&) {
      cancelled = true;
    }
    EXPECT_EQ(cancelled, c.wantCancel);
    EXPECT_EQ(NewestDialog(), nullptr);
    RunIdleActions();
    EXPECT_EQ(ZQF_ActionQueue::GetNumEntries(), queued) << "no status update left queued";
  }
}

// Help is off exactly while the preview runs, also when the preview cannot
// open because the printer fails.
TEST_F(PrintPreview, HelpIsOffWhileThePreviewRuns) {
  const char* const kBalance = "DisableHelpCount > 0";
  RunPreview(PagesDocument(1), [&](PrintPreviewDialogBox& dialog) {
    EXPECT_EQ(AssertionFailureOf([] { ZQF_Help_EnableHelp(); }), "") << "switched off now";
    ZQF_Help_DisableHelp();
    Key(dialog, ZQF_Key_Escape);
  });
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { ZQF_Help_EnableHelp(); }), kBalance)) << "on again";
  {
    const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::CreateDCA> noPrinter(ZQLOW_WIN_Answer<HDC>(nullptr, 1801));
    EXPECT_THROW(ZQFOxZQF_PrintPreviewDocument(PagesDocument(1), 0), ZQ_Exception);
  }
  EXPECT_EQ(NewestDialog(), nullptr);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { ZQF_Help_EnableHelp(); }), kBalance)) << "on again after a failure";
}

// A thousand pages: only the pages shown are ever drawn.
TEST_F(PrintPreview, OnlyVisiblePagesAreDrawn) {
  RunPreview(PagesDocument(1000), [&](PrintPreviewDialogBox& dialog) {
    ZQFOxZQF_PrintPreviewPageDisplayGlyph& display = *dialog.GetPageDisplay();
    const HWND window = dialog.GetWindow()->GetWindowHandle();
    for (ZQF_KeyCode key : {ZQF_KeyCode('7'), ZQF_Key_End}) {
      Key(dialog, key, false, key == '7');
      ::InvalidateRect(window, nullptr, FALSE);
      ::UpdateWindow(window);
    }
    EXPECT_EQ(display.GetFirstPageIndexVisible(), 1000 - 64);
    const long drawn = display.GetImageDocumentRenderer().GetNumImagesCreated();
    EXPECT_GE(drawn, 64);
    EXPECT_LE(drawn, 1 + 64 + 64);
    Key(dialog, ZQF_Key_Escape);
  });
}
