#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ReportTestSupport.h"
#include "ZQRPT_RPTFileUtil.h"
#include "ZQXML_DocumentTypeDefinitionParser.h"
#include "ZQXML_Node.h"
#include "ZQ_ApplicationMetrics.h"

namespace {

int s_builds = 0;
bool s_failNext = false;

ZQXML_DocumentTypeDefinition CountingFactory() {
  ++s_builds;
  if (s_failNext) {
    s_failNext = false;
    return ZQXML_DocumentTypeDefinitionParser(ZQ_URI("intres:ZQRPT_NoSuchDTD")).Parse();
  }
  return CreateReportDTD();
}

// Every metric the DTD asks, each a different text.
class TestMetrics : public ZQ_ApplicationMetrics {
 public:
  ZQ_String GetVersionString() const override { return "2.5"; }
  int GetBuildNumber() const override { return 1234567; }
  ZQ_String GetApplicationName() const override { return "Heat"; }
  ZQ_String GetApplicationNameIdentifier() const override { return "heat"; }
  ZQ_String GetShortDescription() const override { return "Short"; }
  ZQ_String GetDescription() const override { return "Long"; }
  ZQ_String GetApplicationHomePageAddress() const override { return "http://h/"; }
  ZQ_String GetOrganizationName() const override { return "R&D <x>"; }
  ZQ_String GetOrganizationAddress() const override { return "Town"; }
  ZQ_String GetContactEmailAddress() const override { return "a@b"; }
  ZQ_String GetWebSiteAddress() const override { return "http://w/"; }
  ZQ_String GetCopyrightText() const override { return "(c) 2026"; }
  ZQ_String GetTrademarksText() const override { return "TM"; }
};

}  // namespace

TEST(ZQRPT_ReportDTD, IsParsedOnceAndSharedAndRetriedAfterAFailure) {
  const ZQRPT_ReportDTDFactory previous = ZQRPT_SetReportDTDFactory(&CountingFactory);
  ZQRPT_ClearReportDTDCache();
  s_builds = 0;
  s_failNext = true;
  EXPECT_THROW(ZQRPT_GetReportDTD(), ZQ_Exception);
  const ZQXML_DocumentTypeDefinition first = ZQRPT_GetReportDTD();
  const ZQXML_DocumentTypeDefinition second = ZQRPT_GetReportDTD();
  EXPECT_EQ(s_builds, 2) << "the failed build and one more";
  EXPECT_EQ(&first.GetBody(), &second.GetBody());
  EXPECT_EQ(first.GetBody().GetNumElements(), 47);
  ZQRPT_SetReportDTDFactory(previous);
}

TEST(ZQRPT_ReportDTD, DeclaresTheApplicationEntitiesAsPlainTexts) {
  const TestMetrics metrics;
  ZQXML_Reader reader(
      "<section><title>&app_version;|&app_build;|&app_name;|&app_short_description;|"
      "&app_long_description;|&app_home_page_url;|&app_web_name;|&app_copyright;|&app_trademarks;|"
      "&company_name;|&company_location;|&company_email_address;|&company_home_page_url;</title>"
      "</section>");
  reader.SetDocumentTypeDefinition(CreateReportDTD());
  EXPECT_EQ(AsStd(reader.Read().GetRootElement()->GetValue()),
            "2.5|1234567|Heat|Short|Long|http://h/|heat|(c) 2026|TM|R&D <x>|Town|a@b|http://w/");
}

TEST(ZQRPT_Labels, NameAndNumberSectionsAndCaptions) {
  const struct {
    std::function<ZQ_String()> label;
    const char* want;  // null: the assertion "false"
  } kCases[] = {
      {[] { return ZQ_ToString(ZQRPT_ParseSectionType("default")); }, "0"},
      {[] { return ZQ_ToString(ZQRPT_ParseSectionType("")); }, "0"},
      {[] { return ZQ_ToString(ZQRPT_ParseSectionType("appendix")); }, "1"},
      {[] { return ZQ_ToString(ZQRPT_ParseSectionType("Appendix")); }, nullptr},
      {[] { return ZQRPT_GetSectionNumberText(2, 0); }, "3"},
      {[] { return ZQRPT_GetSectionNumberText(25, 1); }, "Z"},
      {[] { return ZQRPT_GetSectionNumberText(26, 1); }, "AA"},
      {[] { return ZQRPT_GetSectionNumberText(27, 1); }, "BB"},
      {[] { return ZQRPT_GetSectionNumberText(0, 2); }, nullptr},
      {[] { return ZQRPT_GetSectionLabel(2, 0); }, "Chapter 3"},
      {[] { return ZQRPT_GetSectionLabel(1, 1); }, "Appendix B"},
      {[] { return ZQRPT_GetSectionTypeName(-1); }, nullptr},
      {[] { return ZQ_ToString(ZQRPT_ParseCaptionType("listing")); }, "4"},
      {[] { return ZQ_ToString(ZQRPT_ParseCaptionType("chart")); }, nullptr},
      {[] { return ZQRPT_GetCaptionTypeName(3); }, "Equation"},
      {[] { return ZQRPT_GetCaptionTypeName(5); }, nullptr},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.want ? c.want : "an assertion");
    if (c.want) {
      EXPECT_EQ(AsStd(c.label()), c.want);
    } else {
      try {
        c.label();
        ADD_FAILURE() << "no assertion";
      } catch (const ZQ_Exception& e) {
        EXPECT_NE(AsStd(e.GetDescription()).find("Assertion failed: false"), std::string::npos);
      }
    }
  }
}

TEST(ZQRPT_RPTFileUtil, ListsTheFourImageAttributes) {
  auto pairs = ZQRPT_RPTFileUtil_GetLinkedFiles_GetImageReferenceAttributes();
  std::string names;
  for (int i = 0; i < 4; ++i, pairs.Advance())
    names += AsStd(pairs->ElementName) + "/" + AsStd(pairs->AttributeName) + " ";
  EXPECT_EQ(names, "img/src section/image section/companylogo section/webpagelogo ");
  EXPECT_FALSE(pairs.IsValid());
  EXPECT_THROW(pairs.Advance(), ZQ_Exception);
}
