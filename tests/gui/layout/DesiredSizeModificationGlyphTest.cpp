#include <gtest/gtest.h>

#include <vector>

#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_DesiredSizeModificationGlyph.h"

namespace {

using Modifier = ZQF_DesiredSizeModificationGlyph;
const long Big = ZQF_AlignmentGlyph::StretchMaximum;

TEST(DesiredSizeModificationGlyph, OptionsPickEachValue) {
  struct Case {
    const char* why;
    unsigned long options;
    bool setX, setY;  // Set{Horizontal,Vertical}DesiredSize (100, 90, 110)
    long x[3], y[3];  // natural, minimum, maximum
  };
  // The client desires 40 (10..80) wide and 20 (5..30) high.
  const std::vector<Case> cases = {
      {"no options: the client's size", 0, true, true, {40, 10, 80}, {20, 5, 30}},
      {"bit 6: unlimited width", 0x40, false, false, {40, 10, Big}, {20, 5, 30}},
      {"bits 0, 3, 4: width fixed", 0x19, true, false, {100, 90, 110}, {20, 5, 30}},
      {"bit 3: natural width fixed", 0x8, true, false, {100, 10, 80}, {20, 5, 30}},
      {"natural beats zero beats keep", 0x7, true, false, {40, 40, 80}, {20, 5, 30}},
      {"natural beats unlimited beats keep", 0x70, true, false, {40, 10, 40}, {20, 5, 30}},
      {"bits 7, 10, 11: height fixed", 0x19 << 7, false, true, {40, 10, 80}, {100, 90, 110}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Modifier glyph(new SizedGlyph(40, 20, 10, 5, 80, 30), c.options);
    if (c.setX) glyph.SetHorizontalDesiredSize(100, 90, 110);
    if (c.setY) glyph.SetVerticalDesiredSize(100, 90, 110);
    glyph.UpdateDesiredSize();
    const ZQF_DesiredSize& d = glyph.GetDesiredSize();
    EXPECT_EQ(d.Natural, ZQ_Point<long>(c.x[0], c.y[0]));
    EXPECT_EQ(d.Minimum, ZQ_Point<long>(c.x[1], c.y[1]));
    EXPECT_EQ(d.Maximum, ZQ_Point<long>(c.x[2], c.y[2]));
  }
}

TEST(DesiredSizeModificationGlyph, SettersKeepTheStaleMark) {
  Modifier glyph(new SizedGlyph(40, 20), 0x19 | (0x19 << 7));
  glyph.SetDesiredSize({100, 50}, {90, 45}, {110, 55});
  EXPECT_FALSE(glyph.GetDesiredSize().IsValid());  // a new glyph is stale
  glyph.UpdateDesiredSize();
  glyph.SetHorizontalDesiredSize(120, 90, 130);
  EXPECT_TRUE(glyph.GetDesiredSize().IsValid());  // a valid one stays valid
  // A resize walk marks it stale; the kept width survives the mark.
  glyph.MarkLayoutStale();
  glyph.UpdateDesiredSize();
  EXPECT_EQ(glyph.GetDesiredSize().Natural, ZQ_Point<long>(120, 50));
}

}  // namespace
