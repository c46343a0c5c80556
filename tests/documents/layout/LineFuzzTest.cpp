#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <random>

#include "FixedAdvanceCanvas.h"
#include "ZQFO_Block.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQFO_FlowObject.h"
#include "ZQFO_LineDistribution.h"
#include "ZQFO_RenderObject.h"
#include "ZQIMGIO.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kLengths[] = {0, -3, 1e300, kNaN, kInf, 2, 7.5};

class Cross : public ZQPIC_Picture {
 protected:
  void Imp_DrawPicture(ZQPIC_Canvas&) const override {}
};

struct Fuzzer {
  explicit Fuzzer(unsigned Seed) : Random(Seed) {}
  double Pick(const double* Values, size_t N) { return Values[Random() % N]; }
  double Length() { return Pick(kLengths, sizeof kLengths / sizeof *kLengths); }

  ZQFO_FlowObject* MakeObject(FixedLayout& Layout, const ZQ_URI& Image, long& NumPictures) {
    FixedLayout::Settings settings;
    const double heights[] = {0.5, 10, 2000};
    settings.FontHeight = Pick(heights, 3);
    settings.VerticalAlignment = Random() % 3;
    settings.Underline = Random() % 2;
    settings.Link = Random() % 4 ? "" : "link";
    const ZQFO_FormattingOptions options = Layout.Options(settings);
    ZQFO_BoxSize box;
    box.MinimumX = Length(), box.MinimumY = Length(), box.MaximumX = Length(), box.MaximumY = Length();
    const double aspects[] = {0, -1, kNaN, 2};
    box.Aspect = Pick(aspects, 4);
    switch (Random() % 8) {
      case 0: return new ZQFO_FlowObject_Text(Layout.Context, options, Random() % 50 ? "w" : "");
      case 1: return new ZQFO_FlowObject_Text(Layout.Context, options, ZQ_String(std::string(100000, 'x').c_str()));
      case 2: return new ZQFO_FlowObject_PageRefFixupText(Layout.Context, options, "t");
      case 3: return new ZQFO_FlowObject_Img(Layout.Context, options, Image, box, Random() % 2, ZQIMG_ColorTransformation());
      case 4:
        if (++NumPictures < 3) return new ZQFO_FlowObject_Picture(Layout.Context, options, ZQ_CountedPtr<const ZQPIC_Picture>(new Cross), box);
        return new ZQFO_FlowObject_Error(Layout.Context, options, box);
      case 5: return new ZQFO_FlowObject_Space(Layout.Context, options, Length());
      case 6:
        return new ZQFO_FlowObject_Block(Layout.Context, options, std::make_unique<ZQFO_Block>(Layout.Context, options));
      default: return new ZQFO_FlowObject_Error(Layout.Context, options, box);
    }
  }
  std::mt19937 Random;
};

bool IsFinite(const ZQ_Rectangle<double>& R) {
  return std::isfinite(R.X) && std::isfinite(R.Y) && std::isfinite(R.Width) && std::isfinite(R.Height);
}

// Every render object's rectangle is finite.
bool AreAllFinite(const ZQFO_ContentArea& Area) {
  if (!IsFinite(Area.Area)) return false;
  for (const ZQFO_RenderObject* object = Area.RenderObjects; object; object = object->NextSibling)
    if (!IsFinite({object->X, object->Y, object->Width, object->Height})) return false;
  for (const ZQFO_ContentArea* child = Area.FirstChild; child; child = child->NextSibling)
    if (!AreAllFinite(*child)) return false;
  return true;
}

void Exercise(unsigned Seed, const ZQ_URI& Image) {
  SCOPED_TRACE("seed " + std::to_string(Seed));
  FixedLayout layout;
  Fuzzer fuzz(Seed);
  std::vector<std::unique_ptr<ZQFO_FlowObject>> chain;
  const long numObjects = fuzz.Random() % 2001;
  long numPictures = 0;
  for (long i = 0; i < numObjects; ++i) {
    chain.emplace_back(fuzz.MakeObject(layout, Image, numPictures));
    chain.back()->WordBreakAfter = fuzz.Random() % 3;
    chain.back()->SpaceAfter = fuzz.Random() % 3;
    if (i > 0) chain[i - 1]->Next = chain[i].get();
  }
  for (auto& object : chain) {
    const ZQ_Point<double> widths = object->GetWidthLimits(fuzz.Length());
    ASSERT_TRUE(std::isfinite(widths.X) && std::isfinite(widths.Y));
  }
  ZQFO_FlowObject* first = chain.empty() ? nullptr : chain.front().get();
  ZQFO_FlowObject* last = chain.empty() ? nullptr : chain.back().get();
  const double widths[] = {0, -5, 1e-9, 1e9, kNaN};
  const double heights[] = {0, 1e-9, 1e9};
  for (double width : widths) {
    ZQFO_LineDistribution lines(layout.Context, layout.Options(), width, first, last,
                                ZQFO_LineDistribution::Portion_Whole, false);
    ASSERT_LE(lines.GetNumLines(), numObjects);
    ASSERT_TRUE(std::isfinite(lines.GetHeightLimits().X) && std::isfinite(lines.GetHeightLimits().Y));
    ZQFO_ContentArea area(nullptr, 0, 0, std::isfinite(width) ? std::abs(width) : 0, fuzz.Pick(heights, 3), 0);
    lines.Distribute(area);
    ASSERT_TRUE(AreAllFinite(area));
    area.Render(layout.Canvas, 0, 0, 0);
    ZQFO_LineDistribution *head = nullptr, *tail = nullptr;
    const double splitAt = lines.GetHeightLimits().X * (fuzz.Random() % 100) / 100.0;
    if (lines.Split(splitAt, head, tail)) {
      std::unique_ptr<ZQFO_LineDistribution> a(head), b(tail);
      ASSERT_GE(a->GetNumLines(), 2);
      ASSERT_GE(b->GetNumLines(), 2);
    }
  }
  ZQ_String html;
  ZQFO_ExportDocumentToHTML_ExportContext context(ZQ_CreateStringStreamSink(&html), layout.Context,
                                                  ZQ_FileName(ZQ_FileUtils::GetTemporaryDirectory() + "ZQFO_Fuzz.html"));
  for (long stage = 0; stage < 2; ++stage)
    for (auto& object : chain) object->ExportToHTML(context, stage);
}

}  // namespace

// Hostile chains break, distribute, split, draw and export without a fault
// or a length that is not finite. ZQFO_LINE_FUZZ_SEEDS=N runs N seeds.
TEST(ZQFO_LineDistribution, HostileChainsLayOutWithFiniteResults) {
  const ZQ_URI image = TemporaryImageURI(ZQIMG_Image(30, 20, 24), "ZQFO_FuzzImage.png");
  const char* extra = std::getenv("ZQFO_LINE_FUZZ_SEEDS");
  const unsigned numSeeds = extra ? static_cast<unsigned>(std::atoi(extra)) : 3;
  for (unsigned seed = 1; seed <= numSeeds; ++seed) {
    try {
      Exercise(seed, image);
    } catch (const ZQ_Exception& e) {
      FAIL() << "seed " << seed << ": " << e.GetName().GetText() << ": " << e.GetDescription().GetText();
    }
    if (HasFatalFailure()) return;
  }
}
