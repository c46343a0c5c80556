// Message boxes: each kind, how they end, the error box about controls, the
// glyph core's message link, and control validation reporting through it.
#include "DialogTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_MessageBoxLink.h"
#include "ZQF_MessageDialogBox.h"
#include "ZQF_RedTintContainerGlyph.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_SimpleStringQueryDialogBox.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Exception.h"

namespace {

class MessageBoxes : public WindowTest {
 protected:
  static ZQF_DialogBox* OpenBox() { return NewestDialog(); }
  static HWND OpenBoxWindow() { return OpenBox()->GetWindow()->GetWindowHandle(); }
};

}  // namespace

TEST_F(MessageBoxes, EachKindShowsItsIconAndEnterPressesOk) {
  const char* names[] = {"question", "information", "warning", "error"};
  for (int kind = 0; kind < 4; ++kind) {
    SCOPED_TRACE(names[kind]);
    ZQF_MessageDialogBox box(ZQ_String("The measured wind speed is above the range of the "
                                       "sensor.\nThe estimate uses the largest valid value."),
                             ZQ_String(""), kind, ZQF_MessageDialogBox::SelectedButton_OK, kind == 0);
    IdleStep::Queue([&] {
      EXPECT_EQ(OpenBox()->GetTitle(), ZQ_GetApplicationMetrics().GetApplicationName());
      SaveScreenshot(OpenBoxWindow(), std::string("messagebox-") + names[kind]);
      PressKey(OpenBoxWindow(), VK_RETURN);
    });
    box.Run();
    EXPECT_EQ(box.GetResult(), ZQF_MessageDialogBox::SelectedButton_OK);
  }
}

TEST_F(MessageBoxes, CancelEscapeAndTheInitialButtonDecideHowABoxEnds) {
  const struct {
    const char* why;
    bool showCancel;
    long initial;
    UINT key;
    bool cancelled;
  } rows[] = {{"OK only, Enter", false, 0, VK_RETURN, false},
              {"OK only, Escape", false, 0, VK_ESCAPE, true},
              {"Cancel shown, OK first, Enter", true, 0, VK_RETURN, false},
              {"Cancel first, Enter", true, 1, VK_RETURN, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    ZQF_MessageDialogBox box(ZQ_String("Save the changes?"), ZQ_String("Title"), 0, row.initial,
                             row.showCancel);
    IdleStep::Queue([&] { PressKey(OpenBoxWindow(), row.key); });
    bool cancelled = false;
    try {
      box.Run();
    } catch (ZQ_CancelCurrentOperationException&) {
      cancelled = true;
    }
    EXPECT_EQ(cancelled, row.cancelled);
    EXPECT_EQ(box.GetResult(), row.cancelled ? -1 : 0);
  }
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] {
                         ZQF_MessageDialogBox(ZQ_String("x"), ZQ_String("y"), 4, 0, false);
                       }),
                       "false"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] {
                         ZQF_MessageDialogBox(ZQ_String("x"), ZQ_String("y"), 1, 1, false);
                       }),
                       "ShowCancelButton or (InitiallySelectedButton != SelectedButton_Cancel)"));
  // The glyph core's messages: OK only, Escape ends them quietly.
  IdleStep::Queue([&] {
    EXPECT_EQ(OpenBox()->GetTitle(), ZQ_String("Speed"));
    PressKey(OpenBoxWindow(), VK_ESCAPE);
  });
  ZQF_MessageBoxLink_ShowMessage(ZQ_String("Draw speed = 60 Hz"), ZQ_String("Speed"), 1);
}

namespace {

// A window whose scrolled column holds a field far below the view.
struct ScrolledField {
  NamedControl* field = new NamedControl("field");
  NamedControl* other = new NamedControl("other");
  ZQF_ColumnGlyph* column = new ZQF_ColumnGlyph(0);
  ZQF_Glyph* root;
  ScrolledField() {
    column->AddToBottom(other);
    column->AddToBottom(new ZQF_VerticalGlueGlyph(600));
    column->AddToBottom(field);
    root = new ZQF_ScrollingContainerGlyph(column, 0, 0, 2, 2, 0, 0, 0);
  }
};

}  // namespace

TEST_F(MessageBoxes, AnErrorBoxTintsItsFieldKeepsItVisibleAndFocusesItAfterwards) {
  ScrolledField t;
  ZQF_Window* window = OpenAround(t.root, ZQ_Rectangle<long>(300, 300, 240, 160));
  ZQF_ErrorMessageDialogBox box(ZQ_String("Number out of range"),
                                ZQ_String("Enter a number from 0 to 50."), t.field, 3,
                                ZQF_MessageDialogBox::SelectedButton_OK);
  IdleStep::Queue([&] {
    EXPECT_NE(dynamic_cast<ZQF_RedTintContainerGlyph*>(t.field->GetParent()), nullptr);
    EXPECT_EQ(OpenBox()->GetTitle(), ZQ_GetApplicationMetrics().GetApplicationName() +
                                         ZQ_String(": Number out of range"));
    const ZQ_Rectangle<long> field = t.field->GlyphToScreen(t.field->GetLocalBoundingBox());
    const ZQ_Rectangle<long> shown = window->GetWindowRectangle();
    EXPECT_TRUE(ZQ_Rectangle<long>::Intersection(field, shown) == field);  // scrolled into view
    EXPECT_FALSE(field.Intersects(OpenBox()->GetWindow()->GetWindowRectangle()));
    const ZQIMG_Image shot = CaptureClientArea(window->GetWindowHandle());
    const ZQ_Point<long> inside = t.field->GlyphToWindow(ZQ_Point<long>(20, 4));
    const ZQR_Color tinted = shot.GetPixelColor(inside.X, inside.Y);
    EXPECT_GT(tinted.GetRed(), 2 * tinted.GetGreen());
    const ZQ_Rectangle<long> both = ZQ_Rectangle<long>::Union(
        shown, OpenBox()->GetWindow()->GetWindowRectangle());
    SaveScreenRectangleShot(both, "messagebox-error-over-tinted-field");
    PressKey(OpenBoxWindow(), VK_RETURN);
  });
  box.Run();
  EXPECT_EQ(t.field->GetParent(), t.column);
  EXPECT_EQ(t.column->GetFocusChild(), t.field);
}

TEST_F(MessageBoxes, ValidationReportsOnlyTheFirstFailureInPostOrderThenCancels) {
  ScrolledField t;
  OpenAround(t.root, ZQ_Rectangle<long>(300, 300, 240, 160));
  t.other->Failure = "Enter the station's height.";
  t.field->Failure = "Enter a number from 0 to 50.";
  std::string reported;
  const auto validate = [&] {
    IdleStep::Queue([&] {
      reported = OpenBox()->GetTitle().GetText();
      PressKey(OpenBoxWindow(), VK_RETURN);
    });
    EXPECT_THROW(ZQF_InsureValidated(t.root), ZQ_CancelCurrentOperationException);
  };
  validate();
  EXPECT_EQ(ZQ_String(reported.c_str()),
            ZQ_GetApplicationMetrics().GetApplicationName() + ZQ_String(": Bad value"));
  EXPECT_EQ(t.other->NumValidations, 1);
  EXPECT_EQ(t.field->NumValidations, 0);
  EXPECT_EQ(t.column->GetFocusChild(), t.other);
  t.other->Failure.clear();
  validate();
  EXPECT_EQ(t.field->NumValidations, 1);
  EXPECT_EQ(t.column->GetFocusChild(), t.field);
  t.field->Failure.clear();
  ZQF_InsureValidated(t.root);
}

TEST_F(MessageBoxes, AStringQueryOffersALineOrABlockAndKeepsItsTextWhenCancelled) {
  for (bool multiLine : {false, true}) {
    SCOPED_TRACE(multiLine ? "block" : "line");
    ZQF_SimpleStringQueryDialogBox query(ZQ_String("Station"), ZQ_String("&Name"),
                                         ZQ_String("North field"), multiLine);
    const ZQ_Point<long> expected =
        multiLine ? ZQ_Point<long>(query.GetTextEdit()->ComputeWidthToHoldNChars(60),
                                   query.GetTextEdit()->ComputeHeightToHoldNLines(20))
                  : ZQ_Point<long>(query.GetTextEdit()->ComputeWidthToHoldNChars(40),
                                   query.GetTextEdit()->ComputeHeightToHoldNLines(1));
    IdleStep::Queue([&] {
      EXPECT_TRUE(query.GetTextEdit()->IsOnFocusPath());
      EXPECT_EQ(query.GetTextEdit()->GetDesiredSize().Natural, expected);
      EXPECT_EQ(query.GetTextEdit()->GetDesiredSize().Maximum.Y > expected.Y, multiLine);
      SaveScreenshot(OpenBoxWindow(), multiLine ? "dialog-string-query-block"
                                                : "dialog-string-query-line");
      query.GetTextEdit()->SetText(ZQ_String("South field"));
      PressKey(OpenBoxWindow(), VK_ESCAPE);
    });
    EXPECT_THROW(query.Run(), ZQ_CancelCurrentOperationException);
    EXPECT_EQ(query.GetValue(), ZQ_String("South field"));
  }
}
