#include <gtest/gtest.h>

#include <vector>

#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_DesiredSizeModificationGlyph.h"

namespace {

using Modifier = ZQF_DesiredSizeModificationGlyph;
const long Unlimited = ZQF_AlignmentGlyph::StretchMaximum;
const unsigned long Y = Modifier::Option_YShift;

// {natural, minimum, maximum} of one axis.
struct Triple {
  long natural, minimum, maximum;
};

TEST(DesiredSizeModificationGlyph, OptionsPickEachValue) {
  struct Case {
    const char* why;
    unsigned long options;
    bool setX, setY;  // SetHorizontal/VerticalDesiredSize({100, 90, 110})
    Triple x, y;
  };
  // The client desires 40 (10..80) wide and 20 (5..30) high.
  const std::vector<Case> cases = {
      {"no options: exactly the client's size", 0, true, true, {40, 10, 80}, {20, 5, 30}},
      {"bit 6: unlimited width whatever the client says", 0x40, false, false, {40, 10, Unlimited},
       {20, 5, 30}},
      {"bits 0, 3, 4: the width fixed completely", 0x19, true, false, {100, 90, 110}, {20, 5, 30}},
      {"bit 3 only: natural width fixed, the rest follows", 0x8, true, false, {100, 10, 80},
       {20, 5, 30}},
      {"bits 1 and 5: the natural width three times", 0x22, false, false, {40, 40, 40},
       {20, 5, 30}},
      {"bit 2: minimum zero", 0x4, false, false, {40, 0, 80}, {20, 5, 30}},
      {"minimum-is-natural beats zero and keep", 0x7, true, false, {40, 40, 80}, {20, 5, 30}},
      {"zero beats keep", 0x5, true, false, {40, 0, 80}, {20, 5, 30}},
      {"maximum-is-natural beats unlimited and keep", 0x70, true, false, {40, 10, 40},
       {20, 5, 30}},
      {"unlimited beats keep", 0x50, true, false, {40, 10, Unlimited}, {20, 5, 30}},
      {"the height fixed by bits 7, 10, 11", 0x19 << Y, false, true, {40, 10, 80}, {100, 90, 110}},
      {"height bits leave the width alone", (0x22 | 0x40) << Y, false, false, {40, 10, 80},
       {20, 20, 20}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Modifier glyph(new SizedGlyph(40, 20, 10, 5, 80, 30), c.options);
    if (c.setX) glyph.SetHorizontalDesiredSize(100, 90, 110);
    if (c.setY) glyph.SetVerticalDesiredSize(100, 90, 110);
    glyph.UpdateDesiredSize();
    const ZQF_DesiredSize& d = glyph.GetDesiredSize();
    EXPECT_EQ(d.Natural, ZQ_Point<long>(c.x.natural, c.y.natural));
    EXPECT_EQ(d.Minimum, ZQ_Point<long>(c.x.minimum, c.y.minimum));
    EXPECT_EQ(d.Maximum, ZQ_Point<long>(c.x.maximum, c.y.maximum));
  }
}

TEST(DesiredSizeModificationGlyph, SettersKeepTheStaleMark) {
  Modifier glyph(new SizedGlyph(40, 20), 0x19 | (0x19 << Y));
  glyph.SetHorizontalDesiredSize(100, 90, 110);
  glyph.SetVerticalDesiredSize(50, 45, 55);
  EXPECT_FALSE(glyph.GetDesiredSize().IsValid());  // a new glyph is stale
  glyph.SetDesiredSize({100, 50}, {90, 45}, {110, 55});
  EXPECT_FALSE(glyph.GetDesiredSize().IsValid());
  glyph.UpdateDesiredSize();
  EXPECT_EQ(glyph.GetDesiredSize().Natural, ZQ_Point<long>(100, 50));
  glyph.SetHorizontalDesiredSize(120, 90, 130);
  EXPECT_TRUE(glyph.GetDesiredSize().IsValid());  // a valid size stays valid
  // A resize walk marks it stale; the kept width survives the mark.
  glyph.MarkLayoutStale();
  glyph.UpdateDesiredSize();
  EXPECT_EQ(glyph.GetDesiredSize().Natural, ZQ_Point<long>(120, 50));
}

}  // namespace
