#include <gtest/gtest.h>

#include <memory>

#include "../layout/LayoutTestSupport.h"
#include "DrawingTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_ClientLabelGlyph.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQF_NullContainerGlyph.h"
#include "ZQF_SimpleBreakingTextDisplayGlyph.h"

namespace {

ZQ_Point<long> Measured(const char* Text) {
  return ZQF_MeasureLabelText(ZQF_GetFontMetric(ZQF_FontMetric_Label), Text);
}

class FocusControl : public ZQF_ControlGlyph {
 public:
  FocusControl() {
    DesiredSize.SetFixedX(20);
    DesiredSize.SetFixedY(10);
  }
  void UpdateMyDesiredSize() override {}
  void HandleKeyboardInitiatedDialogFocusGain() override { ++NumGains; }
  int NumGains = 0;
};

using LabelGlyphs = DistinctColorsStageTest;

TEST_F(LabelGlyphs, DesiredSizes) {
  const ZQ_Point<long> air = Measured("Air Temperature");
  const ZQ_Point<long> x = Measured("X");
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  const ZQR_ConcreteFont& font = ZQF_GetFontMetric(ZQF_FontMetric_Label);
  const long average = font.GetAverageCharWidth(dc.GetHDC());
  struct Case {
    const char* name;
    const char* text;
    int characters;
    long marginX, marginY;
    int border;  // code 3: 2 pixels
    ZQ_Point<long> natural;
  } cases[] = {
      {"mnemonic stripped", "&Air Temperature", 0, 0, 0, 0, air},
      {"characters, not the text", "&Air Temperature", 10, 0, 0, 0,
       ZQ_Point<long>(10 * average, font.GetHeight(dc.GetHDC()))},
      {"empty", "", 0, 3, 1, 3, ZQ_Point<long>(2 * (3 + 2), x.Y + 2 * (1 + 2))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    struct Label : ZQF_StoredAttributeLabelGlyph {
      using ZQF_StoredAttributeLabelGlyph::ZQF_StoredAttributeLabelGlyph;
      int Characters = 0, Border = 0;
      int Cust_GetWidthInCharacters() override { return Characters; }
      int Cust_GetBorderCode() override { return Border; }
    } label(c.text);
    label.Characters = c.characters;
    label.Border = c.border;
    label.SetMargins(c.marginX, c.marginY);
    label.UpdateMyDesiredSize();
    EXPECT_EQ(label.GetDesiredSize().Natural, c.natural);
    EXPECT_EQ(label.GetDesiredSize().Maximum.X, ZQF_DesiredSize::UnboundedMaximum);
    EXPECT_EQ(label.GetDesiredSize().Maximum.Y, c.natural.Y);
  }
  ZQF_InlineStoredLabelGlyph inlineLabel("Inline");
  inlineLabel.UpdateMyDesiredSize();
  EXPECT_EQ(inlineLabel.GetDesiredSize().Maximum, Measured("Inline"));
}

// row: label, hidden container (control), control
struct LabelRow {
  ZQF_RowGlyph row;
  ZQF_StoredLabelGlyph* label = new ZQF_StoredLabelGlyph("&Wind");
  FocusControl* hidden = new FocusControl;
  FocusControl* target = new FocusControl;
  ZQF_NullContainerGlyph* container = new ZQF_NullContainerGlyph(hidden);
  LabelRow() {
    row.AddToRight(label);
    row.AddToRight(container);
    row.AddToRight(target);
    row.UpdateDesiredSize();
    container->GetDesiredSize();
    LayOut(row, Box(0, 0, 300, 20));
    LayoutHidden();
  }
  void LayoutHidden() { container->LayoutChild(hidden, Box(0, 0, 0, 0)); }
};

TEST_F(LabelGlyphs, MnemonicFocusesTheFirstVisibleFollowingControl) {
  struct Case {
    const char* name;
    char character;
    bool apply, targetEnabled, handled, focused;
  } cases[] = {{"apply", 'w', true, true, true, true},
               {"count only", 'W', false, true, true, false},
               {"disabled target", 'w', true, false, true, false},
               {"other character", 'x', true, true, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LabelRow tree;
    EXPECT_EQ(tree.label->Cust_GetTargetGlyph(), tree.target);
    tree.target->SetEnabled(c.targetEnabled);
    ZQF_MnemonicQueryMessage query(c.character, c.apply);
    tree.label->Dispatch(query);
    EXPECT_EQ(query.IsHandled(), c.handled);
    EXPECT_EQ(tree.row.GetFocusChild() == tree.target, c.focused);
    EXPECT_EQ(tree.target->NumGains, c.focused ? 1 : 0);
  }
}

TEST_F(LabelGlyphs, ClientLabelAndGroupBoxMnemonicsFocusTheFirstControlInside) {
  for (bool border : {false, true}) {
    for (bool apply : {false, true}) {
      SCOPED_TRACE(std::string(border ? "group box" : "client label") + (apply ? ", apply" : ""));
      ZQF_ColumnGlyph column;
      FocusControl* first = new FocusControl;
      FocusControl* control = new FocusControl;
      column.AddToBottom(first);
      ZQF_RowGlyph* inner = new ZQF_RowGlyph;
      inner->AddToRight(control);
      ZQF_Glyph* labelled = border ? static_cast<ZQF_Glyph*>(new ZQF_BorderGlyph(
                                         inner, "&Options", 0, ZQ_Point<long>(0, 0), 1, 0))
                                   : new ZQF_StoredTextClientLabelGlyph(inner, "&Options", 0);
      column.AddToBottom(labelled);
      LayOut(column, Box(0, 0, 200, 200));
      ZQF_MnemonicQueryMessage query('o', apply);
      labelled->Dispatch(query);
      EXPECT_TRUE(query.IsHandled());
      EXPECT_EQ(column.GetFocusChild() == labelled, apply);
      EXPECT_EQ(control->NumGains, apply ? 1 : 0);
    }
  }
}

TEST_F(LabelGlyphs, DisabledLabelIsDrawnInTheDisabledColour) {
  for (bool normalWhenDisabled : {false, true}) {
    SCOPED_TRACE(normalWhenDisabled);
    ZQF_StoredLabelGlyph label("Humidity", normalWhenDisabled ? 1 : 0);
    LayOut(label, Box(0, 0, 100, 20));
    label.SetEnabled(false);
    DibSurface surface(100, 20);
    ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
    label.Draw(canvas);
    canvas.SetTextColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelText));
    canvas.SetBackgroundColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
    const ZQR_Color disabled = canvas.GetDisabledTextColor();
    EXPECT_EQ(surface.CountPixels(disabled) > 0, !normalWhenDisabled);
    EXPECT_EQ(surface.CountPixels(ZQF_GetColorMetric(ZQF_ColorMetric_LabelText)) > 0, normalWhenDisabled);
  }
}

TEST_F(LabelGlyphs, BorderSizesAndTheCaptionInTheLine) {
  const long s3 = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).X, s5 = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X;
  ZQF_SunkenBorderGlyph sunken(new SizedGlyph(100, 20));
  sunken.UpdateDesiredSize();
  EXPECT_EQ(sunken.GetDesiredSize().Natural, ZQ_Point<long>(std::max(104L, 2 * (s5 + s3)), 24));
  ZQF_SunkenBorderGlyph narrow(new SizedGlyph(0, 0));
  narrow.UpdateDesiredSize();
  EXPECT_EQ(narrow.GetDesiredSize().Natural.X, 2 * (s5 + s3));

  const ZQ_Point<long> caption = Measured("Options");
  const long a = (caption.Y - 1) / 2, b = (caption.Y - 1) - a;
  struct Case {
    long position, captionX;
  } cases[] = {{0, s5},
               {1, (200 - (caption.X + 2 * s3)) / 2},
               {2, 200 - s5 - (caption.X + 2 * s3)},
               {3, s5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    SizedGlyph* client = new SizedGlyph(50, 50, 0, 0, 1000, 1000);
    ZQF_BorderGlyph box(client, "&Options", c.position, ZQ_Point<long>(2, 3), 1, 0);
    LayOut(box, Box(0, 0, 200, 100));
    EXPECT_EQ(box.GetDesiredSize().Natural,
              ZQ_Point<long>(std::max(56L, 2 * (s5 + s3) + caption.X), 57 + caption.Y));
    ZQ_Rectangle<long> frame, inside, text, background;
    box.CalculateLayoutRectangles(frame, inside, text, background);
    const bool top = c.position < 3;
    EXPECT_EQ(frame, Box(0, top ? a : 0, 200, 100 - a));
    EXPECT_EQ(background,
              Box(c.captionX, top ? 0 : 100 - caption.Y, caption.X + 2 * s3, caption.Y));
    EXPECT_EQ(text, Box(c.captionX + s3, background.Y, caption.X, caption.Y));
    // inside the line (1 pixel) and the margin (2, 3), below the caption's lower rows
    EXPECT_EQ(client->GetBoundingBox(), Box(3, top ? a + 4 + b : 4, 194, 100 - a - 8 - b));
  }
}

TEST_F(LabelGlyphs, GroupBoxLineIsBrokenBehindItsCaption) {
  ZQF_BorderGlyph box(new SizedGlyph(10, 10, 0, 0, 1000, 1000), "Options", 0, ZQ_Point<long>(0, 0),
                      1, 0);
  LayOut(box, Box(0, 0, 200, 60));
  ZQ_Rectangle<long> frame, inside, text, background;
  box.CalculateLayoutRectangles(frame, inside, text, background);
  DibSurface surface(200, 60);
  ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
  box.Draw(canvas);
  const ZQR_Color face = ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground);
  const long line = frame.Y;
  EXPECT_EQ(surface.GetPixel(background.X + 1, line), face);  // behind the caption
  EXPECT_NE(surface.GetPixel(background.X + background.Width + 2, line), face);
  EXPECT_NE(surface.GetPixel(2, line), face);
}

TEST_F(LabelGlyphs, BorderLinesCarryTheirColoursWithAndWithoutCaption) {
  const ZQR_Color blue = ZQR_Color_Blue;
  const ZQR_Color sunken[] = {ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow), ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D), ZQF_GetColorMetric(ZQF_ColorMetric_ButtonHighlight),
                              ZQF_GetColorMetric(ZQF_ColorMetric_Light3D)};
  const ZQR_Color code8[] = {blue, blue, blue, blue};
  struct Case {
    const char* name;
    int code;
    long margin;
    const char* caption;
    long position;
    const ZQR_Color* colors;  // outer and inner top line, outer and inner bottom line
  } cases[] = {{"sunken field", 3, 0, nullptr, 0, sunken},
               {"pane frame, no caption", 3, 6, "", 0, sunken},
               {"pane frame, caption at the top", 3, 6, "Options", 0, sunken},
               {"pane frame, caption at the bottom", 3, 6, "Options", 3, sunken},
               {"code 8, no caption", 8, 2, "", 0, code8},
               {"code 8, caption at the top", 8, 2, "Options", 0, code8},
               {"code 8, caption at the bottom", 8, 2, "Options", 3, code8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const long w = 200, h = 80, t = ZQF_Canvas::GetBorderSize(c.code).Y;
    SizedGlyph* client = new SizedGlyph(10, 10, 0, 0, 1000, 1000);
    std::unique_ptr<ZQF_BorderGlyph> box(
        c.caption ? new ZQF_BorderGlyph(client, c.caption, c.position,
                                        ZQ_Point<long>(c.margin, c.margin), c.code, 0)
                  : new ZQF_SunkenBorderGlyph(client));
    LayOut(*box, Box(0, 0, w, h));
    DibSurface surface(w, h);
    ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
    box->Draw(canvas);
    // the line runs through the middle of the caption, at the glyph's edge without one
    const long half = c.caption && *c.caption ? (Measured(c.caption).Y - t) / 2 : 0;
    const long top = c.position < 3 ? half : 0, bottom = h - 1 - (c.position < 3 ? 0 : half);
    const long x = w - 12;  // right of any left caption, inside every ring
    EXPECT_EQ(surface.GetPixel(x, top), c.colors[0]);
    EXPECT_EQ(surface.GetPixel(x, top + 1), c.colors[1]);
    EXPECT_EQ(surface.GetPixel(x, bottom), c.colors[2]);
    EXPECT_EQ(surface.GetPixel(x, bottom - 1), c.colors[3]);
    const ZQ_Rectangle<long> inside = client->GetBoundingBox();
    EXPECT_GE(inside.Y, top + t + c.margin);
    EXPECT_LE(inside.Y + inside.Height, bottom + 1 - t - c.margin);
  }
}

TEST_F(LabelGlyphs, ClientLabelRectangles) {
  const ZQ_Point<long> s = Measured("Wind");
  const long h0 = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap24Px).X, h3 = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px).X;
  const long v = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y;
  struct Case {
    long position;
    ZQ_Point<long> natural;
    ZQ_Rectangle<long> caption, client;
  } cases[] = {
      {0, ZQ_Point<long>(std::max(60 + h0, s.X), 40 + v + s.Y), Box(0, 0, 300, s.Y),
       Box(h0, v + s.Y, 100, 100 - v - s.Y)},
      {1, ZQ_Point<long>(std::max(60 + h0, s.X), 40 + v + s.Y), Box(0, 0, 300, s.Y),
       Box(0, v + s.Y, 100, 100 - v - s.Y)},
      {3, ZQ_Point<long>(60 + s.X + h3, std::max(40L, s.Y)), Box(0, 0, s.X, 100),
       Box(s.X + h3, 0, 300 - s.X - h3, 100)},
      {5, ZQ_Point<long>(std::max(60 + h0, s.X), 40 + v + s.Y), Box(0, 100 - s.Y, 300, s.Y),
       Box(h0, 0, 100, 100 - v - s.Y)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    ZQF_StoredTextClientLabelGlyph label(new SizedGlyph(60, 40, 0, 0, 100, 1000), "&Wind",
                                         c.position);
    LayOut(label, Box(0, 0, 300, 100));
    EXPECT_EQ(label.GetDesiredSize().Natural, c.natural);
    ZQ_Rectangle<long> caption, bitmap, client;
    label.CalculateLayoutRectangles(caption, bitmap, client);
    EXPECT_EQ(caption, c.caption);
    EXPECT_EQ(client, c.client);
  }
  ZQF_StoredTextClientLabelGlyph wrong(new SizedGlyph(1, 1), "x", 7);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { wrong.UpdateMyDesiredSize(); }), "false"));
}

// Draws nothing, so the pixels under it show whether its parent painted there.
class TransparentGlyph : public SizedGlyph {
 public:
  TransparentGlyph() : SizedGlyph(40, 20, 0, 0, 1000, 1000) {}
};

TEST_F(LabelGlyphs, ClientLabelNeverPaintsTheClient) {
  TransparentGlyph* client = new TransparentGlyph;
  ZQF_StoredTextClientLabelGlyph label(client, "Wind", 3);
  LayOut(label, Box(0, 0, 120, 30));
  DibSurface surface(120, 30);
  ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
  label.Draw(canvas);
  const ZQ_Rectangle<long> box = client->GetBoundingBox();
  EXPECT_EQ(surface.GetPixel(box.X + 1, box.Y + 1), ZQR_Color_White);
  EXPECT_EQ(surface.GetPixel(box.X + box.Width - 1, box.Y + box.Height - 1), ZQR_Color_White);
  EXPECT_EQ(surface.GetPixel(box.X - 1, 0), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
}

TEST(BreakingText, WrappingWidthOnAThousandPixelArea) {
  struct Case {
    long oneLine;
    bool lineFeed;
    long width;
  } cases[] = {{300, false, 301},
               {500, false, 275},
               {800, false, 292},
               {1200, false, 349},
               {100, true, 349}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.oneLine);
    EXPECT_EQ(
        ZQF_SimpleBreakingTextDisplayGlyph::ChooseWrappingWidth(1000, 0.35f, c.oneLine, c.lineFeed),
        c.width);
  }
}

TEST_F(LabelGlyphs, BreakingTextModes) {
  ZQF_SimpleBreakingTextDisplayGlyph three("anything at all");
  three.SetBreakingMode(2);
  three.SetLineCount(3);
  three.UpdateMyDesiredSize();
  const long line = ZQF_Canvas::ComputeSizeWithLineBreaks(".", ZQF_GetFontMetric(ZQF_FontMetric_Label), 100).Y;
  EXPECT_EQ(three.GetDesiredSize().Natural.Y, 3 * line);
  EXPECT_EQ(three.GetDesiredSize().Maximum.Y, 3 * line);
  EXPECT_EQ(three.GetDesiredSize().Natural.X, ZQF_AlignmentGlyph::StretchMaximum);

  ZQF_SimpleBreakingTextDisplayGlyph empty("");
  empty.SetBreakingMode(1);
  empty.SetStretchable(false);
  empty.UpdateMyDesiredSize();
  EXPECT_EQ(empty.GetDesiredSize().Maximum, ZQ_Point<long>(1, line));

  ZQF_SimpleBreakingTextDisplayGlyph wrong("x");
  wrong.SetBreakingMode(3);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { wrong.UpdateMyDesiredSize(); }), "false"));
}

}  // namespace

namespace {

TEST_F(LabelGlyphs, CaptionLowerThanTheBorderFails) {
  // A small font: every text measures 6 pixels high.
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetTextExtentPoint32A> small(
      [](HDC DC, LPCSTR Text, int Count, LPSIZE Size) {
        const BOOL ok = ::GetTextExtentPoint32A(DC, Text, Count, Size);
        Size->cy = 6;
        return ok;
      });
  ZQF_BorderGlyph thick(new SizedGlyph(10, 10), "Options", 0, ZQ_Point<long>(0, 0), 8, 0);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { thick.UpdateMyDesiredSize(); }),
                       "LabelSize.Y >= BorderThickness.Y"));
  ZQF_BorderGlyph thin(new SizedGlyph(10, 10), "Options", 0, ZQ_Point<long>(0, 0), 1, 0);
  EXPECT_EQ(AssertionFailureOf([&] { thin.UpdateMyDesiredSize(); }), "");
}

}  // namespace
