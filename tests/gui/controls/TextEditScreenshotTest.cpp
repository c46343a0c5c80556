// Screenshots of text fields in a real window: a single-line field that
// took the focus (background-selected), a multi-line editor with selection
// and caret, a growing editor at 10 lines with its scroll bar, a read-only
// display and a disabled field. The pixels that tell each state apart are
// checked; the pictures go to <build>/screenshots.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_StoredAttributeTextEditGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"

namespace {

using R = ZQ_Rectangle<long>;

struct FieldForm {
  ZQF_ColumnGlyph* column = new ZQF_ColumnGlyph;
  ZQF_TextEditGlyph* single = new ZQF_TextEditGlyph(0);
  ZQF_TextEditGlyph* editor = new ZQF_TextEditGlyph(1);
  ZQF_TextEditGlyph* growing = new ZQF_TextEditGlyph(2);
  ZQF_StandardFixedSizeReadOnlyTextEditGlyph* display =
      new ZQF_StandardFixedSizeReadOnlyTextEditGlyph(
          "Heat category 3: limit work to\n30 minutes in each hour.", 0, true, true, 3);
  ZQF_TextEditGlyph* disabled = new ZQF_TextEditGlyph(0);

  FieldForm() {
    column->SetSpacing(4);
    single->SetValue("31.5");
    editor->SetValue("Station notes\nWind from the south west\nSky clear, dry ground");
    editor->SetFixedSize(30, 3, false, true);
    growing->SetValue("1 reading\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15 last");
    disabled->SetValue("not available");
    disabled->SetEnabled(false);
    Add("&Air temperature", single);
    Add("&Notes", editor);
    Add("&Readings", growing);
    Add("Advice", display);
    Add("&Wind speed", disabled);
  }
  void Add(const char* Label, ZQF_Glyph* Field) {
    column->AddToBottom(new ZQF_InlineStoredLabelGlyph(Label));
    column->AddToBottom(Field);
  }
};

TEST_F(WindowTest, TextFieldScreenshots) {
  FieldForm form;
  ZQF_Window* window = OpenAround(form.column, R(100, 100, 320, 420));
  const HWND handle = window->GetWindowHandle();
  ::SetFocus(handle);
  // A click into the single-line field selects all of it.
  const R& single = form.single->GetBoundingBox();
  Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(single.X + 10, single.Y + 5));
  Send(handle, WM_LBUTTONUP, 0, Point(single.X + 10, single.Y + 5));
  ASSERT_TRUE(form.single->IsInBackgroundSelectedState());
  PumpMessages();
  const ZQIMG_Image first = SaveScreenshot(handle, "text_fields_background_selected");
  EXPECT_EQ(first.GetPixelColor(single.X + single.Width / 2, single.Y + single.Height / 2),
            ZQF_GetColorMetric(ZQF_ColorMetric_SelectionBackground));
  // The growing editor stands at 10 lines with its scroll bar.
  EXPECT_EQ(form.growing->GetNumVisibleLines(), 10);
  EXPECT_GT(form.growing->Util_GetVerticalScrollBar()->GetBoundingBox().Width, 0);

  // The editor focused, a word selected, the caret after it.
  form.editor->PutOnFocusPath();
  ZQF_TextEditGlyph::ResetCaretBlinkTimer();
  const R& editor = form.editor->GetBoundingBox();
  const R text = form.editor->Util_GetTextArea();
  const long y = editor.Y + text.Y + form.editor->Util_GetLineHeight() + 3;
  Send(handle, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(editor.X + text.X + 12, y));
  Send(handle, WM_LBUTTONUP, 0, Point(editor.X + text.X + 12, y));
  ZQF_TextEditGlyph::ResetCaretBlinkTimer();
  window->InvalidateRect(R(0, 0, 320, 420));
  PumpMessages();
  const ZQIMG_Image second = SaveScreenshot(handle, "text_fields_editor_selection");
  EXPECT_EQ(form.editor->GetSelectionText(), "Wind ");
  EXPECT_EQ(second.GetPixelColor(editor.X + text.X + 1, y), ZQF_GetColorMetric(ZQF_ColorMetric_SelectionBackground));
  EXPECT_NE(second.GetPixelColor(single.X + single.Width / 2, single.Y + single.Height / 2),
            ZQF_GetColorMetric(ZQF_ColorMetric_SelectionBackground))
      << "the highlight leaves with the focus";
}

}  // namespace
