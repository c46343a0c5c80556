// Check boxes headless and offscreen: geometry and size forms, presses
// outside the hot area, Enter, mnemonics, the picture chosen by state and
// look, and the check-box group's arrow keys.
#include <gtest/gtest.h>

#include "../core/DrawingTestSupport.h"
#include "ChoiceTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"

namespace {

using CheckBoxes = GuiStageTest;

TEST_F(CheckBoxes, GeometryAndSizeForms) {
  const ZQ_Point<long> t = ZQF_MeasureLabelText(ZQF_GetFontMetric(ZQF_FontMetric_Button), "Wind");
  const ZQ_Point<long> e = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px), m = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap3Px);
  const long g = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X;
  ASSERT_EQ(ZQF_GetBitmapMetric(ZQF_BitmapMetric_CheckBoxUp).GetSize(), ZQ_Point<long>(13, 13));
  // The label's rectangle is the box's when there is no label. Size (0, 0):
  // not checked.
  struct Case {
    const char* text;
    bool atStart;
    long height;
    ZQ_Rectangle<long> box, label;
    ZQ_Point<long> size;
  } cases[] = {
      {"", false, 40, Box(94, 14, 13, 13), Box(94, 14, 13, 13), {13 + 2 * m.X, 13 + 2 * m.Y}},
      {"", true, 40, Box(e.X, 14, 13, 13), Box(e.X, 14, 13, 13), {e.X + 13 + g, 2 * e.Y + 13}},
      {"&Wind",
       false,
       40,
       Box(0, 13, 13, 13),
       Box(13 + g, (40 - t.Y) / 2, t.X, t.Y),
       {g + 13 + t.X + m.X, std::max(13L, t.Y + 2 * m.Y)}},
      {"&Wind", false, 5, Box(0, 0, 13, 13), Box(13 + g, 0, t.X, t.Y), {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + (c.atStart ? " at start " : " ") + std::to_string(c.height));
    ZQF_CheckBoxGlyph check(c.text, false, ZQF_ButtonGlyph::State_Up);
    check.SetBoxAtStart(c.atStart);
    LayOut(check, Box(10, 20, 200, c.height));
    ZQ_Rectangle<long> box, label, hot, expectedHot = ZQ_Rectangle<long>::Union(c.box, c.label);
    check.GetLayoutRectangles(box, label, hot);
    expectedHot.Inflate(e.X, e.Y);
    EXPECT_EQ(box, c.box);
    EXPECT_EQ(label, c.label);
    EXPECT_EQ(hot, expectedHot);
    const ZQF_DesiredSize& d = check.GetDesiredSize();
    if (c.size.X == 0) continue;
    EXPECT_TRUE(d.Natural == c.size && d.Minimum == c.size && d.Maximum == c.size);
  }
}

// A wide labelled box below a small one that holds the focus.
struct CheckBoxPair {
  ChoiceRecorder root;
  ZQF_CheckBoxGlyph* first = new ZQF_CheckBoxGlyph("&First", false, ZQF_ButtonGlyph::State_Up);
  ZQF_CheckBoxGlyph* wide = new ZQF_CheckBoxGlyph("&Wind", false, ZQF_ButtonGlyph::State_Up);
  CheckBoxPair() {
    root.AddToBottom(first);
    root.AddToBottom(wide);
    wide->SetFixedDesiredSize({300, 30}, {300, 30}, {300, 30});
    LayOut(root, Box(0, 0, 300, 200));
  }
};

// Presses count only inside the hot area; Enter is the dialog's; the
// mnemonic clicks at once, with the up notification only.
TEST_F(CheckBoxes, HotAreaEnterAndMnemonic) {
  CheckBoxPair pair;
  ZQ_Rectangle<long> box, label, hot;
  pair.wide->GetLayoutRectangles(box, label, hot);
  const long y = pair.wide->GetBoundingBox().Y + 15;
  for (long x : {hot.X + hot.Width - 1, hot.X + hot.Width + 20}) {
    SCOPED_TRACE(x);
    pair.first->PutOnFocusPath();
    ZQF_LeftDownMouseMessage press(x, y, false, false, false);
    pair.root.Dispatch(press);
    ZQF_LeftUpMouseMessage release(x, y, false, false, false);
    pair.root.Dispatch(release);
    EXPECT_EQ(press.IsHandled(), x < hot.X + hot.Width);
    EXPECT_EQ(pair.root.GetFocusChild(), press.IsHandled() ? pair.wide : pair.first);
  }
  pair.wide->PutOnFocusPath();
  ZQF_DownKeyMessage enter(ZQF_Key_Enter, false, false, false);
  pair.root.Dispatch(enter);
  EXPECT_FALSE(enter.IsHandled());
  ZQF_MnemonicQueryMessage query('W', true);
  pair.wide->Dispatch(query);
  EXPECT_TRUE(query.IsHandled());
  EXPECT_EQ(pair.root.Text(), "down Wind up Wind:1 up Wind:0");
}

// Each look and state draws the bitmap metric of its key at the box's place.
TEST_F(CheckBoxes, PictureByStateAndLook) {
  struct Case {
    bool radio;
    int state;
    bool pressed, enabled;
    int key;
  } cases[] = {{false, 0, false, true, 0}, {false, 2, false, true, 2}, {false, 0, true, true, 3},
               {false, 2, true, true, 5},  {false, 1, true, false, 7}, {false, 2, false, false, 8},
               {true, 0, false, true, 9},  {true, 1, true, true, 13},  {true, 1, false, false, 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    std::unique_ptr<ZQF_CheckBoxGlyph> check(c.radio ? new ZQF_RadioButtonGlyph("")
                                                     : new ZQF_CheckBoxGlyph("", true, 0));
    check->SetState(c.state, false);
    check->SetPressedLook(c.pressed);
    check->SetEnabled(c.enabled);
    LayOut(*check, Box(0, 0, 40, 30));
    DibSurface drawn(40, 30), expected(40, 30, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
    ZQ_Rectangle<long> box, label, hot;
    check->GetLayoutRectangles(box, label, hot);
    {
      ZQF_Canvas canvas(drawn.GetHDC(), drawn.NewWholeRegion(), false);
      check->Draw(canvas);
      ZQF_Canvas direct(expected.GetHDC(), expected.NewWholeRegion(), false);
      const ZQR_Bitmap& picture = ZQF_GetBitmapMetric(c.key);
      direct.Draw(picture, ZQ_Point<long>(box.X, box.Y), picture.GetSize());
    }
    long differing = 0;
    for (long y = 0; y < 30; ++y)
      for (long x = 0; x < 40; ++x) differing += drawn.GetPixel(x, y) != expected.GetPixel(x, y);
    EXPECT_EQ(differing, 0);
  }
}

// Boxes A-D, B disabled, then a label that ends the walk: the focus after
// each arrow key, and the indicators shown every time.
TEST_F(CheckBoxes, GroupArrowsSkipDisabledBoxesAndStopAtTheEnds) {
  ChoiceRecorder root;
  ZQF_CheckBoxGroupGlyph* group = new ZQF_CheckBoxGroupGlyph;
  for (const char* label : {"A", "B", "C", "D"})
    group->AddToBottom(new ZQF_CheckBoxGlyph(label, false, 0));
  group->ZQF_ColumnGlyph::AddToBottom(new ZQF_StoredLabelGlyph("Note"));
  group->GetChildAfter(group->GetFirstChild())->SetEnabled(false);
  root.AddToBottom(group);
  LayOut(root, Box(0, 0, 200, 200));
  std::string focus;
  for (ZQF_KeyCode key : {ZQF_Key_Down, ZQF_Key_Right, ZQF_Key_Down, ZQF_Key_Up, ZQF_Key_Left,
                          ZQF_Key_Up}) {
    ZQF_DownKeyMessage message(key, false, false, false);
    root.Dispatch(message);
    EXPECT_TRUE(message.IsHandled());
    focus += static_cast<ZQF_CheckBoxGlyph*>(group->GetFocusChild())->GetLabel().GetText();
  }
  EXPECT_EQ(focus, "CDDCAA");
  EXPECT_EQ(root.Log.size(), 6u);
  group->SetFocusChild(group->GetLastChild());
  ZQF_DownKeyMessage down(ZQF_Key_Down, false, false, false);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { root.Dispatch(down); }), "CG"));
}

}  // namespace
