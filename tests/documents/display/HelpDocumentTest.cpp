// The help document: a help file read against the report DTD, turned into
// document markup and parsed; files that do not read become the error
// document, which says why in the window itself.
#include "DebugLogMark.h"
#include "HelpTestSupport.h"
#include "ZQRPT_ReportDTD.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_URI.h"

namespace {

std::string AllText(const ZQFO_Document& Document) {
  return Document.GetFormattingObjectsTree().GetRootNode()->GetValue().GetText();
}

}  // namespace

TEST_F(BrowserTest, HelpFilesBecomeTheGuideOrTheErrorDocument) {
  const std::string title =
      std::string(ZQ_GetApplicationMetrics().GetApplicationName().GetText()) + " User's Guide";
  const struct {
    const char *why, *file;
    bool isError;
    const char* mustShow;
  } kCases[] = {
      {"a valid guide", "Guide.rxl", false, "Getting Started"},
      {"not well-formed: the failing line marked", "NotWellFormed.rxl", true,
       "     4     <para>An unclosed <bold>tag.</para>"},
      {"not valid: the whole text", "Invalid.rxl", true, "A section without its title."},
      {"empty", "Empty.rxl", true, "Description Of Error"},
      {"binary bytes", "Binary.rxl", true, "Description Of Error"},
      {"nested deeper than its document markup may nest", "TooDeep.rxl", true,
       "Found an element nested more than 498 deep.\n\nThis error occurred at line 503 and column 1"},
      {"a raw document block that does not read: the block's error at its line", "RawBlock.rxl", true,
       "</zqfo_flowcell> was expected.\n\nThis error occurred at line 1 and column 38 while reading the "
       "document markup of a raw_codes_zqfo element.\n\nThis error occurred at line 4 and column 1"},
      {"a raw document block that reads alone but not where it stands: the error at its line",
       "MisplacedRawBlock.rxl", true,
       "the end tag </zqfo_para> was expected.\n\nThis error occurred at line 4 and column 19 while "
       "reading"},
      {"]]> inside a CDATA section", "CData.rxl", true, "a ]]"},
      {"a missing file", "Missing.rxl", true, "Description Of Error"},
      {"a folder", "", true, "Description Of Error"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQ_FileName file = HelpTestFile(c.file);
    ZQFO_Document document;
    ASSERT_NO_THROW(document = ZQF_HelpDialogBox_GetHelpFormattingDoc(file));
    EXPECT_EQ(std::string(document.GetName().GetText()), title);
    const std::string text = AllText(document);
    EXPECT_NE(text.find(c.mustShow), std::string::npos) << text.substr(0, 300);
    EXPECT_EQ(text.find("Raw XML Document") != std::string::npos, c.isError);
    EXPECT_EQ(std::string(document.GetExternalContext().GetBaseURI().GetText().GetText()),
              std::string(ZQ_URI_MakeFromFileName(file).GetText().GetText()));
  }
}

TEST_F(BrowserTest, EveryReportElementAsTheRootIsTheGuideOrTheErrorDocument) {
  // Each element the report DTD declares, alone at the root; a section is
  // given the title it needs.
  const ZQXML_DocumentTypeDefinition dtd = ZQRPT_GetReportDTD();
  const std::string path =
      std::string(ZQ_GetApplicationMetrics().GetHomeDirectory().GetText()) + "Root.rxl";
  long numElements = 0;
  for (long i = 0; i < dtd.GetBody().GetNumElements(); ++i) {
    const ZQXML_ElementDeclaration& element = dtd.GetBody().GetElement(i);
    if (!element.IsDeclared) continue;
    ++numElements;
    const std::string name = element.Name.GetText();
    SCOPED_TRACE(name);
    const bool isSection = name == "section";
    const std::string text =
        isSection ? "<section><title>The only title</title></section>" : "<" + name + "/>";
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fputs(text.c_str(), out);
    std::fclose(out);
    ZQFO_Document document;
    ASSERT_NO_THROW(document = ZQF_HelpDialogBox_GetHelpFormattingDoc(path.c_str()));
    const std::string shown = AllText(document);
    EXPECT_NE(shown.find(isSection ? "The only title"
                                   : "Found the element <" + name + "> where <section> was expected."),
              std::string::npos)
        << shown.substr(0, 300);
    EXPECT_EQ(shown.find("Raw XML Document") != std::string::npos, !isSection);
  }
  std::remove(path.c_str());
  EXPECT_EQ(numElements, 47);
}

TEST_F(BrowserTest, BrokenGeneratedMarkupIsLoggedAndThrown) {
  const LogMark mark;
  try {
    ZQF_HelpDialogBox_MakeHelpDocument("<zqfo_document><zqfo_para/>", HelpTestFile("x"));
    ADD_FAILURE() << "not thrown";
  } catch (const ZQ_Exception& Error) {
    EXPECT_EQ(mark.Since(), std::string(Error.GetName().GetText()) + "\n" +
                                Error.GetDescription().GetText() + "\n");
  }
}

TEST_F(BrowserTest, TheGuidesRelativePictureIsDrawn) {
  OpenGuide("fig_picture");
  // The picture's green field, drawn from the file beside the help file.
  const ZQIMG_Image shot = CaptureClientArea(window->GetWindowHandle());
  long green = 0;
  for (long y = 0; y < shot.GetHeight(); ++y)
    for (long x = 0; x < shot.GetWidth(); ++x)
      green += shot.GetPixelColor(x, y) == ZQR_Color(30, 170, 60);
  EXPECT_GT(green, 400);
}

TEST_F(BrowserTest, ATenMegabyteHelpFileOpensInTheWindow) {
  // Long lines and a missing end: the error document holds them all.
  const std::string path =
      std::string(ZQ_GetApplicationMetrics().GetHomeDirectory().GetText()) + "Large.rxl";
  FILE* out = std::fopen(path.c_str(), "wb");
  std::fputs("<?xml version='1.0'?>\n<section><title>Large</title>\n", out);
  const std::string line = "<para>" + std::string(200, 'w') + "</para>\n";
  for (size_t written = 0; written < 10u * 1024 * 1024; written += line.size())
    std::fputs(line.c_str(), out);
  std::fclose(out);
  ZQF_HelpDialogBox_DisplayContents(path.c_str());
  EXPECT_TRUE(ZQF_HelpDialogBox_GetOpenHelpDialogBox()->GetWindow());
  PumpMessages();
  CloseHelpDialogBoxIfOpen();
  std::remove(path.c_str());
}
