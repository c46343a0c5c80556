#include <gtest/gtest.h>

#include "LayoutTestSupport.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQ_ProgressReportService.h"

namespace {


std::string Export(TestLayout& Layout, const ZQFO_ParsedDocument& Parsed, long Stage, bool* Completed = nullptr) {
  ZQ_String text;
  {
    ZQFO_ExportDocumentToHTML_ExportContext context(ZQ_CreateStringStreamSink(&text), Layout.Context);
    const bool completed = Parsed.ExportToHTML(context, Stage);
    if (Completed) *Completed = completed;
  }
  return text.GetText();
}

const char kHead[] =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n\n<html>\n\n<head>\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
    "<title>A &#38; B &#60;&#34;x&#34;&#62; 'y'</title>\n</head>\n\n<body bgcolor=\"#FFFFFF\">\n";

}  // namespace

TEST(ZQFO_ParsedDocument, TheExportWritesTheHeadAndClosingOnlyInStageOneAroundAllSections) {
  TestLayout layout(false, "A & B <\"x\"> 'y'");
  const ZQFO_ParsedDocument parsed = Parse(
      layout, "<zqfo_document background_color='red'><zqfo_section><zqfo_blockstream><zqfo_para>a</zqfo_para>"
              "</zqfo_blockstream></zqfo_section><zqfo_section><zqfo_blockstream><zqfo_para>b</zqfo_para>"
              "</zqfo_blockstream></zqfo_section></zqfo_document>");
  ASSERT_EQ(parsed.GetSections().size(), 2u);
  EXPECT_EQ(parsed.GetOptions()->BackgroundColor, ZQR_Color(255, 255, 255));
  // Each block opens with a line end.
  const std::string para = "<p align=\"left\"> <font size=\"3\" face=\"Times New Roman\" color=\"#000000\">";
  EXPECT_EQ(Export(layout, parsed, 1),
            std::string(kHead) + "\n" + para + "a</font></p>\n\n" + para + "b</font></p>\n\n</body>\n</html>\n");
  EXPECT_EQ(Export(layout, parsed, 0), "");
}

TEST(ZQFO_ParsedDocument, ACancelStopsTheExportAtTheNextSectionOrBlock) {
  TestLayout layout;
  ZQ_ProgressReportService_ResetForTesting();
  const ZQFO_ParsedDocument parsed = Parse(layout, InSection("<zqfo_para>a</zqfo_para>"));
  ZQ_ProgressReportService_SetCancelFlagForTesting(true);
  bool completed = true;
  const std::string text = Export(layout, parsed, 1, &completed);
  EXPECT_FALSE(completed);
  EXPECT_EQ(text.find("</body>"), std::string::npos);
  EXPECT_NE(text.find("<body"), std::string::npos);
  ZQ_String sink;
  ZQFO_ExportDocumentToHTML_ExportContext context(ZQ_CreateStringStreamSink(&sink), layout.Context);
  EXPECT_FALSE(parsed.GetSections()[0].ExportToHTML(context, 1));  // stops before its block
  ZQFO_BlockStream empty;
  EXPECT_TRUE(ZQFO_ParsedDocumentSection(layout.Context, empty, nullptr).ExportToHTML(context, 1));
  ZQ_ProgressReportService_ResetForTesting();
  EXPECT_TRUE(parsed.GetSections()[0].ExportToHTML(context, 1));
}
