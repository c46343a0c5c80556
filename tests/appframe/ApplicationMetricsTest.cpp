#include <gtest/gtest.h>

#include <memory>

#include "../services/StageTestSupport.h"
#include "ZQF_ApplicationMetrics.h"
#include "ZQIMG_Image.h"
#include "ZQR_Bitmap.h"

namespace {

// Counts the look-ups of its logo resource.
class LogoMetrics : public ZQF_ApplicationMetrics {
 public:
  explicit LogoMetrics(const char* Logo) : logo(Logo) {}
  ZQ_String GetCompanyLogoResourceName() const override {
    ++lookups;
    return logo ? ZQ_String(logo) : ZQF_ApplicationMetrics::GetCompanyLogoResourceName();
  }
  const char* logo;
  mutable int lookups = 0;
};

TEST(ZQF_ApplicationMetrics, LogoIsTriedOnceAndAMissingOneIsSwallowed) {
  const struct {
    const char* logo;
    bool available;
    const char* why;
  } kCases[] = {
      {nullptr, true, "the framework's own PNG logo"},
      {"NoSuchLogoResource", false, "a missing resource"},
      {"ZQF_DefaultMainIcon", false, "a resource of another type"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    LogoMetrics metrics(c.logo);
    for (int call = 0; call < 3; ++call) EXPECT_EQ(metrics.IsCompanyLogoAvailable(), c.available);
    EXPECT_EQ(metrics.lookups, 1);
    if (c.available) {
      EXPECT_EQ(metrics.GetCompanyLogo()->GetSize(), ZQ_Point<long>(192, 64));
      EXPECT_EQ(metrics.GetCompanyLogo(), metrics.GetCompanyLogo());
    } else {
      EXPECT_TRUE(FailedOn(FailureOf([&] { metrics.GetCompanyLogo(); }), "IsCompanyLogoAvailable()"));
    }
  }
}

TEST(ZQF_ApplicationMetrics, MainBitmapIsLoadedOnceAsOneObject) {
  ZQF_ApplicationMetrics metrics;
  ZQR_Bitmap* first = metrics.GetMainBitmap();
  EXPECT_EQ(metrics.GetMainBitmap(), first);
  EXPECT_EQ(first->GetSize(), ZQ_Point<long>(32, 32));
  EXPECT_EQ(std::string(metrics.GetHelpFileName().GetText()),
            "Documentation\\Generic Application Users Guide.rxl");
}

TEST(ZQF_ApplicationMetrics, OnlyOneAtATime) {
  ZQF_ApplicationMetrics first;
  std::unique_ptr<ZQF_ApplicationMetrics> second;
  EXPECT_TRUE(FailedOn(FailureOf([&] { second.reset(new ZQF_ApplicationMetrics); }),
                       "ZQF_ApplicationMetricsInstance == NULL"));
  EXPECT_EQ(&ZQF_GetApplicationMetrics(), &first);
}

}  // namespace
