// Layout glyphs in real windows: a form laid out again when its window is
// resized, a table with a hidden row, mnemonic queries moving the focus,
// tooltips at cut labels, and pictures of the forms as the windows show them.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "LayoutFormSupport.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQF_TooltipsMessage.h"

namespace {

class FocusControl : public ZQF_ControlGlyph {
 public:
  FocusControl() {
    DesiredSize.SetFixedX(40);
    DesiredSize.SetFixedY(16);
  }
  void UpdateMyDesiredSize() override {}
};

using LayoutWindow = WindowTest;

long ClientWidth(ZQF_Window* Window) {
  RECT client;
  ::GetClientRect(Window->GetWindowHandle(), &client);
  return client.right;
}

TEST_F(LayoutWindow, FormFollowsTheWindowSize) {
  WeatherForm form;
  ZQF_Window* window = OpenAround(form.root, ZQ_Rectangle<long>(40, 40, 520, 460));
  for (long width : {520L, 640L}) {
    SCOPED_TRACE(width);
    window->Move(ZQ_Rectangle<long>(40, 40, width, 460), true);
    PumpMessages();
    const ZQ_Rectangle<long> group = form.group->GetBoundingBox();
    EXPECT_EQ(group.X + group.Width, ClientWidth(window));
    const HWND handle = window->GetWindowHandle();
    const ZQIMG_Image shown = width == 640 ? SaveScreenshot(handle, "window-weather-form")
                                           : CaptureClientArea(handle);
    // In the group box's margin, inside its frame: the face colour.
    EXPECT_EQ(shown.GetPixelColor(group.X + group.Width - 4, group.Y + group.Height / 2),
              ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  }
}

TEST_F(LayoutWindow, TableWithAHiddenRow) {
  AlignedTable table;
  ZQF_Window* window = OpenAround(table.table, ZQ_Rectangle<long>(40, 40, 400, 220));
  SaveScreenshot(window->GetWindowHandle(), "window-aligned-table");
  EXPECT_EQ(table.table->GetClient(1, 0)->GetBoundingBox().Width, 0);
  for (long width : {400L, 500L}) {
    SCOPED_TRACE(width);
    window->Move(ZQ_Rectangle<long>(40, 40, width, 220), true);
    PumpMessages();
    // The last column takes the new width; its right-aligned field follows
    // the column's edge, inside the cell margin.
    const ZQ_Rectangle<long> right = table.table->GetClient(3, 2)->GetBoundingBox();
    const ZQ_Rectangle<long>& cell = table.table->GetCellRect(3, 2);
    EXPECT_EQ(cell.X + cell.Width, ClientWidth(window));
    EXPECT_EQ(right.X + right.Width, cell.X + cell.Width - ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X);
    EXPECT_EQ(table.table->GetClient(1, 0)->GetBoundingBox().Height, 0);
  }
}

TEST_F(LayoutWindow, MnemonicsMoveTheFocus) {
  ZQF_ColumnGlyph* root = new ZQF_ColumnGlyph;
  FocusControl* first = new FocusControl;
  root->AddToBottom(first);
  ZQF_RowGlyph* row = new ZQF_RowGlyph;
  ZQF_StoredLabelGlyph* label = new ZQF_StoredLabelGlyph("&Wind");
  FocusControl* labelled = new FocusControl;
  row->AddToRight(label);
  row->AddToRight(labelled);
  root->AddToBottom(row);
  FocusControl* inClientLabel = new FocusControl;
  ZQF_ClientLabelGlyph* clientLabel =
      new ZQF_StoredTextClientLabelGlyph(inClientLabel, "&Site", 3);
  root->AddToBottom(clientLabel);
  FocusControl* inGroup = new FocusControl;
  ZQF_BorderGlyph* group =
      new ZQF_BorderGlyph(inGroup, "&Group", 0, ZQ_Point<long>(2, 2), 1, 0);
  root->AddToBottom(group);
  ZQF_Window* window = OpenAround(root, ZQ_Rectangle<long>(40, 40, 300, 300));
  window->SetFocus();
  PumpMessages();
  struct Case {
    ZQF_Glyph* sender;
    char character;
    FocusControl* focused;
  } cases[] = {{label, 'w', labelled}, {clientLabel, 's', inClientLabel}, {group, 'g', inGroup}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.character);
    first->PutOnFocusPath();
    ASSERT_TRUE(first->IsOnFocusPath());
    ZQF_MnemonicQueryMessage query(c.character, true);
    c.sender->Dispatch(query);
    EXPECT_TRUE(query.IsHandled());
    EXPECT_TRUE(c.focused->IsOnFocusPath());
    EXPECT_FALSE(first->IsOnFocusPath());
  }
}

// In a window narrower than its text, a label is cut.
TEST_F(LayoutWindow, TooltipOnlyAtACutLabel) {
  const char* longText = "A long caption that cannot &fit into this narrow window at all";
  ZQF_ColumnGlyph* root = new ZQF_ColumnGlyph;
  ZQF_StoredLabelGlyph* fits = new ZQF_StoredLabelGlyph("Wind");
  ZQF_StoredLabelGlyph* cut = new ZQF_StoredLabelGlyph(longText);
  root->AddToBottom(fits);
  root->AddToBottom(cut);
  ZQF_Window* window = OpenAround(root, ZQ_Rectangle<long>(40, 40, 160, 100));
  ASSERT_LT(ClientWidth(window),
            ZQF_MeasureLabelText(ZQF_GetFontMetric(ZQF_FontMetric_Label), ZQF_StripMnemonicAmpersands(longText)).X);
  struct Case {
    ZQF_Glyph* label;
    bool answered;
  } cases[] = {{fits, false}, {cut, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answered);
    const ZQ_Point<long> at =
        c.label->GlyphToScreen(ZQ_Point<long>(2, c.label->GetBoundingBox().Height / 2));
    ::SetCursorPos(at.X, at.Y);
    ZQF_TooltipsMessage tooltips;
    c.label->Dispatch(tooltips, ZQF_GetSingleGlyphRouter());
    EXPECT_EQ(tooltips.IsHandled(), c.answered);
    if (c.answered) {
      EXPECT_EQ(std::string(tooltips.GetText().GetText()),
                "A long caption that cannot fit into this narrow window at all");
    }
  }
}

}  // namespace
