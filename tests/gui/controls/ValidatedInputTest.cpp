// Number fields: exact messages, shown bounds, withheld notifications, the
// parse callback, assertions, flags and sizing, and the error box.
#include <cfloat>
#include <climits>
#include <cmath>
#include <functional>
#include <memory>

#include "../dialogs/DialogTestSupport.h"
#include "TextEditTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_FloatInputGlyph.h"
#include "ZQF_IntegerInputGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQ_Exception.h"
#include "ZQ_Numeric.h"

namespace {

using ValidatedInput = GuiStageTest;

// Replaces the text as a user would; returns "title | message" of the
// failure that validation reports, "" when the text is accepted.
std::string Enter(TextEditRig& Rig, const std::string& Text) {
  Rig.Edit->SelectAll();
  Rig.Key(ZQF_Key_Delete);
  Rig.Type(Text);
  try {
    Rig.Edit->ValidateSelf();
  } catch (ZQF_ValidationFailureException& failure) {
    return failure.GetTitle().GetText() + std::string(" | ") + failure.GetMessage().GetText();
  }
  return "";
}

const std::string kUnknown = "Cannot recognize number | The text '";
const std::string kNotInt = "' cannot be recognized as an integer.";
const std::string kNotFloat = "' cannot be recognized as a floating-point number.";
const std::string kInt = "Integer out of range | The number ";
const std::string kFloat = "Number out of range | The number ";

// Rejects every text while Reject is set.
struct Checker {
  void Check(const ZQ_String&, ZQF_ParseResultType& Result) {
    if (Reject) Result.ResultCode = ZQF_ParseResultCode_Error;
  }
  bool Reject = false;
};

}  // namespace

TEST_F(ValidatedInput, TextsAreAcceptedOrRejectedWithTheExactMessages) {
  const double kNaN = ZQ_GetNaN();
  const struct {
    const char* why;
    long digits;  // 0: an integer input
    double min, max;
    const char* text;
    std::string failure;
    double value = 0;  // when accepted
  } rows[] = {
      {"blanks around", 0, 0, 100, " 42 ", "", 42},
      {"a blank inside", 0, 0, 100, "4 2", kUnknown + "4 2" + kNotInt},
      {"a letter after", 0, 0, 100, "42x", kUnknown + "42x" + kNotInt},
      {"empty", 0, 0, 100, "", kUnknown + kNotInt},
      {"a lone sign", 0, 0, 100, "-", kUnknown + "-" + kNotInt},
      {"no least bound", 0, INT_MIN, 100, "200",
       kInt + "200 is too large.  Please enter an integer less than or equal to 100."},
      {"both bounds", 0, 0, 100, "200",
       kInt + "200 is too large.  Please enter an integer between 0 and 100."},
      {"no greatest bound", 0, 5, INT_MAX, "-7",
       kInt + "-7 is too small.  Please enter an integer greater than or equal to 5."},
      {"beyond 32 bits", 0, 0, 100, "3000000000",
       kInt + "3000000000 is too large.  Please enter an integer between 0 and 100."},
      {"beyond 32 bits, negative", 0, 0, 100, "-3000000000",
       kInt + "-3000000000 is too small.  Please enter an integer between 0 and 100."},
      {"blanks and an exponent", 6, 0, 200, " 12.5e1 ", "", 125},
      {"nan", 6, 0, 100, "nan", kUnknown + "nan" + kNotFloat},
      {"inf", 6, 0, 100, "inf", kUnknown + "inf" + kNotFloat},
      {"hexadecimal", 6, 0, 100, "0x1p3", kUnknown + "0x1p3" + kNotFloat},
      {"empty, not allowed", 6, 0, 100, "", kUnknown + kNotFloat},
      {"empty, allowed by a NaN start", 6, 0, 100, "", "", kNaN},
      {"beyond doubles", 6, 0, 100, "1e400",
       kFloat + "1e400 is too large.  Please enter a value between 0 and 100."},
      {"no least bound", 6, -DBL_MAX, 0.5, "2",
       kFloat + "2 is too large.  Please enter a value less than or equal to 0.5."},
      {"no greatest bound", 6, 0.25, DBL_MAX, "0.1",
       kFloat + "0.1 is too small.  Please enter a value greater than or equal to 0.25."},
      // The sentence's numbers take the default six digits, not the field's.
      {"the shown minimum", 3, 0.12345, 9.87654, "0.123", "", 0.12345},
      {"below the shown minimum", 3, 0.12345, 9.87654, "0.122",
       kFloat + "0.122 is too small.  Please enter a value between 0.12345 and 9.87654."},
      {"the shown maximum", 3, 0.12345, 9.87654, "9.88", "", 9.87654},
      {"above the shown maximum", 3, 0.12345, 9.87654, "9.89",
       kFloat + "9.89 is too large.  Please enter a value between 0.12345 and 9.87654."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const double start = std::isnan(row.value) ? kNaN : row.min;
    ZQF_ValidatedTextEditGlyph* input =
        row.digits ? static_cast<ZQF_ValidatedTextEditGlyph*>(
                         new ZQF_FloatInputGlyph(start, row.digits, row.min, row.max))
                   : new ZQF_IntegerInputGlyph(long(row.min), long(row.min), long(row.max), 5);
    TextEditRig rig(input);
    EXPECT_EQ(Enter(rig, row.text), row.failure);
    EXPECT_EQ(input->GetIsValid(), row.failure.empty());
    if (!row.failure.empty()) continue;
    const auto* integer = dynamic_cast<ZQF_IntegerInputGlyph*>(input);
    const double value =
        integer ? integer->GetValue() : static_cast<ZQF_FloatInputGlyph*>(input)->GetValue();
    EXPECT_TRUE(value == row.value || (std::isnan(value) && std::isnan(row.value))) << value;
  }
}

TEST_F(ValidatedInput, NotificationsWaitWhileTheTextIsRejected) {
  auto* input = new ZQF_IntegerInputGlyph(0, 0, 100, 3);
  TextEditRig rig(input);
  input->SelectAll();
  rig.Type("7x");
  EXPECT_EQ(rig.Notifications, 1);
  EXPECT_EQ(input->GetValue(), 7);
  rig.Key(ZQF_Key_Backspace);
  EXPECT_EQ(rig.Notifications, 2);
  rig.Type("y");
  input->SetValue(9);  // a program-set text is valid
  EXPECT_TRUE(input->GetIsValid());
  EXPECT_EQ(rig.Notifications, 2);
}

TEST_F(ValidatedInput, TheCallbackDecidesFirstAndValidationParsesAgain) {
  auto* input = new ZQF_IntegerInputGlyph(0, 0, 100, 3);
  Checker checker;
  input->SetParseCallback(ZQF_ValidatedTextEditGlyph::ParseCallbackType(&checker, &Checker::Check));
  TextEditRig rig(input);
  EXPECT_EQ(Enter(rig, "50"), "");
  checker.Reject = true;
  EXPECT_EQ(Enter(rig, "60"), " | ");
  EXPECT_EQ(input->GetValue(), 50) << "Parse does not run after a rejecting callback";
  checker.Reject = false;
  input->ValidateSelf();  // the text is accepted now: no failure
  EXPECT_TRUE(input->GetIsValid());
  EXPECT_EQ(input->GetValue(), 60);
}

TEST_F(ValidatedInput, MisuseFailsAssertions) {
  const struct {
    std::function<void()> misuse;
    const char* condition;
  } rows[] = {
      {[] { ZQF_IntegerInputGlyph(5, 5, 5, 3); }, "aMinimumValue < aMaximumValue"},
      {[] { ZQF_IntegerInputGlyph(0, 0, 5, 3).SetValue(6); }, "Value <= MaximumValue"},
      {[] { ZQF_IntegerInputGlyph(0, 0, 5, 3).SetText("x"); },
       "ParseResult.ResultCode != ZQF_ParseResultCode_Error"},
      {[] { ZQF_FloatInputGlyph(1, 99, 0, 5); },
       "aNumSignificantDigits > 0 and aNumSignificantDigits < 99"},
      {[] { ZQF_FloatInputGlyph(1, 3, 0, 5).SetValue(ZQ_GetNaN()); }, "AllowUndefined"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.condition);
    EXPECT_TRUE(FailedOn(AssertionFailureOf(row.misuse), row.condition));
  }
}

TEST_F(ValidatedInput, FlagsAndDigitsShapeTheFieldAndItsText) {
  const char widest = ZQF_GetFontMetric(ZQF_FontMetric_Field).GetFontMetrics(ZQF_GetMetricDC()).WidestDigit;
  const std::string d3(3, widest);
  const struct {
    ZQF_TextEditGlyph* input;
    std::string sample;
    bool grows;
    int border;
    const char* text;
  } rows[] = {
      {new ZQF_IntegerInputGlyph(-4, -5, 5, 2), d3 + "-", false, 3, "-4"},
      {new ZQF_FloatInputGlyph(1.5e-7, 3, 0, 1, 0x06), "." + d3 + "E-" + d3.substr(1), true, 3,
       "1.5E-7"},
      {new ZQF_FloatInputGlyph(-1.5e-7, 3, -1, 1, 0x18), "-." + d3, false, 0, "-0.00000015"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.sample);
    std::unique_ptr<ZQF_TextEditGlyph> input(row.input);
    ZQF_TextEditGlyph same(0);
    same.SetBorderStyle(row.border);
    same.SetFixedSize(ZQ_String(row.sample.c_str()), 1, !row.grows, !row.grows);
    EXPECT_EQ(input->GetDesiredSize(), same.GetDesiredSize());
    EXPECT_EQ(input->GetBorderStyle(), row.border);
    EXPECT_EQ(input->GetText(), ZQ_String(row.text));
  }
}

TEST_F(WindowTest, ValidationShowsTheRejectedFieldTintedUnderItsErrorBox) {
  auto* column = new ZQF_ColumnGlyph;
  auto* height = new ZQF_FloatInputGlyph(10, 6, 1, 60);
  column->SetSpacing(4);
  column->AddToBottom(new ZQF_InlineStoredLabelGlyph("&Met Averaging Period (min)"));
  column->AddToBottom(new ZQF_IntegerInputGlyph(15, 0, 1000, 5));
  column->AddToBottom(new ZQF_InlineStoredLabelGlyph("&Wind Measurement Height (m)"));
  column->AddToBottom(height);
  ZQF_Window* window = OpenAround(column, ZQ_Rectangle<long>(100, 100, 260, 110));
  height->PutOnFocusPath();
  height->SelectAll();
  for (char c : std::string("75.5")) Send(window->GetWindowHandle(), WM_CHAR, c, 1);
  ASSERT_FALSE(height->GetIsValid());
  IdleStep::Queue([&] {
    const HWND box = ::GetFocus();
    const ZQ_Rectangle<long> boxArea = ZQF_Window::GetWindowFromHandle(box)->GetWindowRectangle();
    const ZQIMG_Image shot = CaptureClientArea(window->GetWindowHandle());
    const ZQ_Point<long> inside = height->GlyphToWindow(ZQ_Point<long>(40, 4));
    const ZQR_Color tinted = shot.GetPixelColor(inside.X, inside.Y);
    EXPECT_GT(tinted.GetRed(), 2 * tinted.GetGreen());
    SaveScreenRectangleShot(ZQ_Rectangle<long>::Union(window->GetWindowRectangle(), boxArea),
                            "validated-inputs-error-box");
    PressKey(box, VK_RETURN);
  });
  EXPECT_THROW(ZQF_InsureValidated(column), ZQ_CancelCurrentOperationException);
}
